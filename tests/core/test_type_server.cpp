// Class companions and the conductor's object transactions: views of an
// object as its ancestors, creators by class name, the create handler's
// parent rule, loading as a wrong class, the choice of a file serialiser,
// and whole trees through saveGUI and loadGUI.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ByteStreamSerialize.h"
#include "SampleCompanions.h"
#include "_TQCconductor.h"
#include "_TQCtypeServer.h"
#include "_TQDfileSerialize.h"

namespace {

bool supportsClass(const char* className)
{
    TQClistData* list = TQCbase::getSupportedClassList();
    for (long i = 0; i < list->getNum(); ++i) {
        if (std::string(static_cast<const char*>(list->getData(i))) == className)
            return true;
    }
    return false;
}

} // namespace

TEST(TypeServerFrame, CompanionAnswersForItsClassAndItsAncestorsOnly)
{
    TQCtypeServer* combo = sampleCompanion("SampleCombo");
    ASSERT_NE(nullptr, combo);
    SampleCombo object(nullptr, "frameCombo");
    void* obj = static_cast<TQCbase*>(&object);

    for (const char* name : { "SampleCombo", "SampleForm", "SampleWidget", "TQCbase" })
        EXPECT_EQ(obj, combo->getParentClassPtr(name, obj)) << name << " is the class or an ancestor";
    for (const char* name : { "SampleWindow", "SampleButton", "samplecombo", "SampleFor", "" })
        EXPECT_EQ(nullptr, combo->getParentClassPtr(name, obj)) << name << " is no ancestor";

    TQCtypeServer* form = sampleCompanion("SampleForm");
    EXPECT_EQ(obj, form->getParentClassPtr("TQCbase", obj));
    EXPECT_EQ(nullptr, form->getParentClassPtr("SampleCombo", obj)) << "a subclass is no ancestor";

    TQCtypeServer* base = sampleCompanion("TQCbase");
    ASSERT_NE(nullptr, base);
    EXPECT_EQ(obj, base->getParentClassPtr("TQCbase", obj));
    EXPECT_EQ(nullptr, base->getParentClassPtr("SampleWidget", obj));
    EXPECT_EQ(0, base->getParentClassNum());
    EXPECT_EQ(1, combo->isParentClass("TQCbase")) << "three levels up";
}

TEST(TypeServerFrame, ClassesRegisterTheirCreatorsByNameAndRootsDoNot)
{
    EXPECT_TRUE(supportsClass("SampleCombo"));
    EXPECT_TRUE(supportsClass("SampleWindow"));
    EXPECT_FALSE(supportsClass("TQCbase"));

    std::unique_ptr<TQCbase> made(TQCbase::getNewInstance("SampleCombo", nullptr, "byName"));
    ASSERT_NE(nullptr, made);
    EXPECT_STREQ("SampleCombo", made->getClassName());
    EXPECT_EQ(0, made->getInitialized()) << "the creator only makes the object";
}

TEST(TypeServerFrame, CreateHandlerInitialisesUnderTheParentAndKeepsOnlyWindowsWithoutOne)
{
    SampleForm holder(nullptr, "createHolder");
    holder.initialize();

    TQCtypeServer* button = sampleCompanion("SampleButton");
    auto* made = static_cast<TQCbase*>(button->createInstance(static_cast<TQCbase*>(&holder)));
    ASSERT_NE(nullptr, made);
    EXPECT_STREQ("SampleButton", made->getClassName());
    EXPECT_STREQ("", made->getInstanceName());
    EXPECT_EQ(1, made->getInitialized());
    EXPECT_EQ(&holder, made->getParent());
    ASSERT_EQ(1, holder.getChildren().getNum());
    EXPECT_EQ(made, holder.getChildren().getData(0));
    button->deleteInstance(made);
    EXPECT_EQ(0, holder.getChildren().getNum()) << "deleted through its destructor";
    button->deleteInstance(nullptr);

    EXPECT_EQ(nullptr, sampleCompanion("SampleForm")->createInstance(nullptr))
        << "a form is no top-level window";
    TQCtypeServer* window = sampleCompanion("SampleWindow");
    auto* top = static_cast<TQCbase*>(window->createInstance(nullptr));
    ASSERT_NE(nullptr, top);
    EXPECT_EQ(1, top->getInitialized());
    EXPECT_EQ(nullptr, top->getParent());
    window->deleteInstance(top);
}

// ---------------------------------------------------------------------------
// The conductor

TEST(Conductor, LoadingAsAnUnrelatedClassDeletesTheObjectWith17)
{
    SampleForm holder(nullptr, "wrongHolder");
    holder.initialize();
    SampleCombo stored(nullptr, "stored");
    stored.initialize();

    ByteStreamSerialize s;
    ASSERT_EQ(0, s.beginTransaction("t", 2));
    ASSERT_EQ(0, TQGIconductor()->saveGUI(&s, "c", &stored));

    void* out = &holder;
    EXPECT_EQ(17, TQGIconductor()->loadAlloc(&s, "SampleButton", "c", &out, &holder));
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(0, holder.getChildren().getNum()) << "the made combo was deleted again";

    EXPECT_EQ(0, TQGIconductor()->loadAlloc(&s, "SampleWidget", "c", &out, &holder));
    ASSERT_NE(nullptr, out);
    EXPECT_STREQ("SampleCombo", static_cast<TQCbase*>(out)->getClassName())
        << "made as the stored class, handed out as the asked one";
    EXPECT_EQ(1, holder.getChildren().getNum());
}

TEST(Conductor, FileSerialiserIsAnIdlePrototypeElseAFreshUnregisteredOne)
{
    TQCconductor* c = TQGIconductor();
    TQGFinitFS();
    TQDserialize* first = c->getSerialize("FILE");
    ASSERT_NE(nullptr, first);
    ASSERT_TRUE(c->isRegistered(first));

    first->setUnderTransaction(1);
    TQDserialize* second = c->getSerialize("FILE");
    ASSERT_NE(nullptr, second);
    EXPECT_NE(first, second);
    EXPECT_TRUE(c->isRegistered(second)) << "the prototype registered by TQGFinitFS";

    // Every prototype busy: a new serialiser that belongs to the caller.
    std::vector<TQDserialize*> busy{ first };
    TQDserialize* s = second;
    while (c->isRegistered(s)) {
        s->setUnderTransaction(1);
        busy.push_back(s);
        s = c->getSerialize("FILE");
    }
    std::unique_ptr<TQDserialize> fresh(s);
    EXPECT_EQ(1, fresh->type("FILE"));
    EXPECT_EQ(0, fresh->underTransaction());
    for (TQDserialize* b : busy)
        b->setUnderTransaction(0);
    EXPECT_EQ(first, c->getSerialize("FILE"));
}

TEST(Conductor, SaveGuiNamesTheTreeAndLoadGuiMakesTheFirstUnderTheParent)
{
    SampleForm holder(nullptr, "guiHolder");
    holder.initialize();
    SampleForm form(nullptr, "guiForm");
    form.initialize();

    ByteStreamSerialize s;
    ASSERT_EQ(0, s.beginTransaction("t", 2));
    EXPECT_EQ(-1, TQGIconductor()->saveGUI(&s, "none", nullptr));
    long v = 3;
    s.save("#lng", "a-value", &v);
    ASSERT_EQ(0, TQGIconductor()->saveGUI(&s, "savedAs", &form));
    char** types = nullptr;
    char** names = nullptr;
    long count = 0;
    ASSERT_EQ(0, s.searchInstance("SampleForm", 0, &types, &names, &count));
    ASSERT_EQ(1, count);
    EXPECT_STREQ("SampleForm", types[0]);
    EXPECT_STREQ("savedAs", names[0]);
    delete[] types;
    delete[] names;

    TQCbase* loaded = nullptr;
    EXPECT_EQ(12, TQGIconductor()->loadGUI(&s, &loaded, &holder))
        << "the first record holds a value, not an object";
    EXPECT_EQ(-1, TQGIconductor()->loadGUI(&s, nullptr, &holder));

    ByteStreamSerialize only;
    ASSERT_EQ(0, only.beginTransaction("t", 2));
    ASSERT_EQ(0, TQGIconductor()->saveGUI(&only, "savedAs", &form));
    ASSERT_EQ(0, TQGIconductor()->loadGUI(&only, &loaded, &holder));
    ASSERT_NE(nullptr, loaded);
    EXPECT_STREQ("SampleForm", loaded->getClassName());
    EXPECT_STREQ("guiForm", loaded->getInstanceName()) << "the record's >name, not its name";
    EXPECT_EQ(&holder, loaded->getParent());

    ByteStreamSerialize empty;
    ASSERT_EQ(0, empty.beginTransaction("t", 0));
    loaded = &holder;
    EXPECT_EQ(10, TQGIconductor()->loadGUI(&empty, &loaded, &holder));
    EXPECT_EQ(nullptr, loaded);
}
