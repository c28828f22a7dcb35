// Class root casts and class records: the merged property tables with their
// overrides, and trigger checks through the class chain.
#include <gtest/gtest.h>

#include <cstring>

#include "_TQCclassInformation.h"
#include "_TQCroot.h"
#include "_TQGFtrigger.h"

namespace {

class Shape : public TQCroot {
public:
    TQ_ROOT_FRAME(Shape, TQCroot)
};

class Box : public Shape {
public:
    TQ_ROOT_FRAME(Box, Shape)
};

void defaultZero(void* v) { *static_cast<long*>(v) = 0; }
void defaultSeven(void* v) { *static_cast<long*>(v) = 7; }
void setNothing(void*, void*) {}
void getNothing(void*, void*) {}

// A property the way a class registers it: typed, with handlers and init.
TQCproperty* addLong(TQCclassInformation& rec, const char* name,
                     TQCproperty::DefaultHandler def = defaultZero)
{
    TQCproperty* p = rec.addProperty(name, rec.getClassName(), 1, "long", setNothing,
                                     getNothing, def, "");
    p->setInit(1);
    return p;
}

TQCproperty* lookup(TQCclassInformation& rec, const char* name)
{
    TQCproperty* p = nullptr;
    return rec.getPropObj(name, &p) ? p : nullptr;
}

std::string names(TQClistData* list)
{
    std::string out;
    for (long i = 0; i < list->getNum(); ++i) {
        out += out.empty() ? "" : " ";
        out += static_cast<TQCproperty*>(list->getData(i))->getPropObjName();
    }
    return out;
}

// Base registers vis first; Mid adjusts three inherited properties and
// Leaf shadows one.
struct Hierarchy {
    TQCclassInformation base{"TBase", nullptr};
    TQCclassInformation mid{"TMid", &base};
    TQCclassInformation leaf{"TLeaf", &mid};
    TQCproperty* baseX;
    TQCproperty* baseFore;
    TQCproperty* leafLabel;

    Hierarchy()
    {
        addLong(base, "vis");
        baseX = addLong(base, "x");
        addLong(base, "y");
        baseFore = addLong(base, "foreColor");
        addLong(base, "label");
        mid.changeDefault("x", "TMid", "long", defaultSeven);
        mid.withdrawProperty("y", "TMid");
        mid.hideProperty("foreColor", "TMid");
        addLong(mid, "w");
        leafLabel = addLong(leaf, "label");
    }
};

} // namespace

TEST(ClassRoot, CastFollowsTheClassChainExactly)
{
    Box box;
    TQCroot* root = &box;
    EXPECT_STREQ("Box", root->getClassName());
    EXPECT_EQ(&box, root->cast(nullptr));
    EXPECT_EQ(&box, root->cast("TQCroot"));
    EXPECT_EQ(&box, root->cast2("Shape"));
    EXPECT_EQ(nullptr, root->cast("Box2"));
    EXPECT_EQ(nullptr, root->cast("Bo"));
    Shape shape;
    EXPECT_EQ(nullptr, shape.cast2("Box")) << "a subclass is no ancestor";
}

TEST(ClassInformation, NameHashUsesFirstAndLastSignedCharacters)
{
    EXPECT_EQ(0, TQCclassInformation::getNameHash(""));
    EXPECT_EQ((5 * 'a') & 31, TQCclassInformation::getNameHash("a"));
    EXPECT_EQ(2, TQCclassInformation::getNameHash("none"));
    // 0xE9 counts as -23: (5 * -23) & 31.
    EXPECT_EQ(13, TQCclassInformation::getNameHash("\xE9"));
}

TEST(ClassInformation, OverridesAdjustInheritedProperties)
{
    Hierarchy h;

    EXPECT_EQ(nullptr, lookup(h.leaf, "y")) << "tables are not built before the first request";
    EXPECT_EQ("label w vis x foreColor label", names(h.leaf.getAllPropertyList()));
    EXPECT_EQ(nullptr, lookup(h.leaf, "y"));

    TQCproperty* x = lookup(h.leaf, "x");
    ASSERT_NE(nullptr, x);
    EXPECT_NE(h.baseX, x);
    EXPECT_EQ(defaultSeven, x->getGetDefaultValueHandler());
    EXPECT_EQ(defaultZero, h.baseX->getGetDefaultValueHandler()) << "registered descriptor untouched";

    TQCproperty* fore = lookup(h.leaf, "foreColor");
    ASSERT_NE(nullptr, fore);
    EXPECT_EQ(0, fore->getBuilderVisible());
    EXPECT_EQ(1, h.baseFore->getBuilderVisible());

    EXPECT_EQ(h.leafLabel, lookup(h.leaf, "label"));
    const char* owner = nullptr;
    ASSERT_EQ(1, h.leaf.getPropObj("label", &owner));
    EXPECT_STREQ("TLeaf", owner);
    ASSERT_EQ(1, h.leaf.getPropObj("x", &owner));
    EXPECT_STREQ("TBase", owner);
}

TEST(ClassInformation, InitListKeepsWithdrawnPropertiesAndEndsWithVis)
{
    Hierarchy h;
    TQClistData* init = h.leaf.getPropertyListForInit();
    EXPECT_EQ("x y foreColor label w label vis", names(init));
    auto* x = static_cast<TQCproperty*>(init->getData(0));
    EXPECT_EQ(defaultSeven, x->getGetDefaultValueHandler());

    // A descendant's own "vis" replaces the inherited one, still last.
    TQCclassInformation sub("TSub", &h.leaf);
    TQCproperty* subVis = addLong(sub, "vis");
    addLong(sub, "z");
    EXPECT_EQ(subVis, sub.getPropertyListForInit()->getData(-1));
    EXPECT_EQ("x y foreColor label w label z vis", names(sub.getPropertyListForInit()));

    // A class that registers nothing of its own sees its parent's tables.
    TQCclassInformation empty("TEmpty", &h.leaf);
    EXPECT_EQ(names(h.leaf.getAllPropertyList()), names(empty.getAllPropertyList()));
    EXPECT_EQ(names(init), names(empty.getPropertyListForInit()));
}

TEST(ClassInformation, OverrideReachesOnlyDescriptorsMetAfterIt)
{
    TQCclassInformation base("TBase", nullptr);
    TQCclassInformation mid("TMid", &base);
    TQCclassInformation leaf("TLeaf", &mid);
    addLong(base, "z");
    mid.withdrawProperty("z", "TMid");
    TQCproperty* own = addLong(leaf, "z");
    EXPECT_EQ("z", names(leaf.getAllPropertyList()));
    EXPECT_EQ(own, lookup(leaf, "z"));
}

TEST(ClassInformation, LookupMatchesEqualNamesAndIgnoresLateRegistrations)
{
    Hierarchy h;
    h.leaf.getHashTable();
    char copy[] = "w";
    TQCproperty* w = lookup(h.leaf, copy);
    ASSERT_NE(nullptr, w);
    EXPECT_EQ(w, lookup(h.leaf, "w"));
    EXPECT_EQ(nullptr, lookup(h.leaf, "wx"));
    addLong(h.leaf, "late");
    EXPECT_EQ(nullptr, lookup(h.leaf, "late"));
}

TEST(ClassInformation, TriggersFollowRemovalThenSupportThenParent)
{
    TQCclassInformation base("TBase", nullptr);
    TQCclassInformation sub("TSub", &base);
    base.setTrigger(TQEV_MOUSE_PRESS);
    base.setTrigger(TQEV_EXPOSE);
    sub.setDelTrigger(TQEV_EXPOSE);
    sub.setDelTrigger(TQEV_INITIALIZE);
    sub.setDelTrigger(TQEV_DELETE);

    EXPECT_EQ(1, sub.existTrigger(TQEV_MOUSE_PRESS));
    EXPECT_EQ(1, sub.existTrigger(TQEV_MOUSE_DOUBLE_CLICK)) << "double click shares the press bit";
    EXPECT_EQ(0, sub.existTrigger(TQEV_EXPOSE));
    EXPECT_EQ(1, base.existTrigger(TQEV_EXPOSE));
    EXPECT_EQ(0, sub.existTrigger(TQEV_KEY_PRESS));
    for (long code : {-1L, 0L, 1L})
        EXPECT_EQ(1, sub.existTrigger(code)) << code;
    EXPECT_EQ(0, sub.existTrigger(25));
}

TEST(ClassInformation, ExtensionTriggersMergeDownTheChainUnlessRemoved)
{
    TQCclassInformation base("TBase", nullptr);
    TQCclassInformation mid("TMid", &base);
    TQCclassInformation leaf("TLeaf", &mid);
    TQCclassInformation readding("TReadding", &mid);
    base.setExtTrigger(44, "SCR-MOUSE-PRESS");
    base.setExtTrigger(45, "SCR-MOUSE-RELEASE");
    mid.setDelExtTrigger(44);
    leaf.setExtTrigger(32, "EXIT");
    readding.setExtTrigger(44, "MY-PRESS");

    EXPECT_EQ(0, leaf.existTrigger(45)) << "the merged map is read as it stands";
    TQCindexData* all = leaf.getAllExtTriggerList();
    EXPECT_EQ(2, all->getNum());
    EXPECT_EQ(nullptr, all->getData("SCR-MOUSE-PRESS"));
    EXPECT_EQ(reinterpret_cast<void*>(45), all->getData("SCR-MOUSE-RELEASE"));
    EXPECT_EQ(1, leaf.existTrigger(45));
    EXPECT_EQ(1, leaf.existTrigger(32));
    EXPECT_EQ(0, leaf.existTrigger(44));
    EXPECT_EQ(0, leaf.existTrigger(33));
    EXPECT_EQ(1, leaf.getExtTriggerList()->getNum());
    EXPECT_EQ(2, base.getAllExtTriggerList()->getNum());
    EXPECT_EQ(0, mid.existTrigger(44));
    EXPECT_EQ(reinterpret_cast<void*>(44), readding.getAllExtTriggerList()->getData("MY-PRESS"));
    EXPECT_EQ(1, readding.existTrigger(44));
}
