// The tree list and the multi-column list without windows: the presets they
// give the list, as values and as defaults, the display type kept out of the
// builder, and a tree read from its data text.
#include "ControlScene.h"
#include "_TQCimageSet.h"
#include "_TQCscrFrame.h"
#include "_TQCsform.h"
#include "_TQCtreeList.h"
#include "_TQCverbList.h"

#include <string>

namespace {

class TreeLists : public ControlScene {
protected:
    TQClist* make(const char* className, const char* name)
    {
        TQClist* list = static_cast<TQClist*>(TQCbase::getNewInstance(className, form, name));
        list->initialize();
        return list;
    }
    // The value of a property and its default, read as its own type.
    template <class T>
    static std::pair<long, long> valueAndDefault(TQCbase* object, const char* name)
    {
        T value{}, def{};
        object->getPropertyV(name, &value);
        object->getPropObj(name)->getDefaultValue(&def);
        return {value, def};
    }
    static std::pair<long, long> both(long v) { return {v, v}; }
};

} // namespace

TEST_F(TreeLists, TreeListIsATreeWithFileIconsWhoseTypeTheBuilderDoesNotOffer)
{
    TQClist* tree = make("TQCtreeList", "tree");
    short fileIcon = TQGIappImageSet()->getImageNo("$(TQDIR)/sys/pixmaps/bi17.xpm");
    EXPECT_EQ(both(TQClist::TYPE_TREE), valueAndDefault<unsigned char>(tree, "type"));
    EXPECT_EQ(both(1), valueAndDefault<TQCbool>(tree, "useIcon"));
    EXPECT_EQ(both(fileIcon), valueAndDefault<short>(tree, "iconPixmap"));
    EXPECT_EQ(0, tree->getPropObj("type")->getBuilderVisible());
    EXPECT_EQ(0, tree->getNum());
    EXPECT_TRUE(TQCtreeList::checkVersion(1005));

    TQClist* plain = make("TQClist", "plain");
    EXPECT_EQ(1, plain->getPropObj("type")->getBuilderVisible()) << "the list's own is offered";
    EXPECT_EQ(both(0), valueAndDefault<TQCbool>(plain, "useIcon"));
    delete plain;

    tree->setPropertyV("data", ",0,1,Root\n,1,0,Leaf");
    ASSERT_EQ(2, tree->getNum());
    for (long i = 0; i < 2; ++i) {
        short icon = -1;
        tree->getLabel(i)->getPropertyV("labelPixmap", &icon);
        EXPECT_EQ(fileIcon, icon) << "an empty icon field leaves the list's icon";
    }
    EXPECT_TRUE(tree->getLabel(1)->getOwnVisible()) << "the parent is open";
    tree->setItemValue(0, 0, 0);
    tree->updateList();
    EXPECT_FALSE(tree->getLabel(1)->getOwnVisible()) << "closing the parent hides it";
    delete tree;
}

TEST_F(TreeLists, MultiColumnListStartsDetailedWithItsHeaderMade)
{
    TQClist* list = make("TQCverbList", "cols");
    EXPECT_EQ(both(TQClist::TYPE_DETAIL), valueAndDefault<unsigned char>(list, "type"));
    EXPECT_EQ(both(1), valueAndDefault<TQCbool>(list, "useIcon"));
    EXPECT_EQ(both(20), valueAndDefault<unsigned char>(list, "titleHeight"));
    EXPECT_EQ(0, list->getPropObj("type")->getBuilderVisible());
    TQCsform* header = list->getTitleBar();
    ASSERT_NE(nullptr, header);
    EXPECT_STREQ("sf-cols", header->getInstanceName());
    EXPECT_EQ(1, header->getInternalObject());
    EXPECT_EQ(22, list->getScrFrame()->getProperty("y").getLong())
        << "the rows start under the header";
    delete list;
}
