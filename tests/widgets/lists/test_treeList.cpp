// The tree list and the multi-column list without windows: the presets they
// give the list, as values and as defaults, and the display type kept out of
// the builder.
#include "ControlScene.h"
#include "_TQCimageSet.h"
#include "_TQCsform.h"
#include "_TQCtreeList.h"
#include "_TQCverbList.h"

#include <string>
#include <utility>

namespace {

class TreeLists : public ControlScene {
protected:
    TQClist* make(const char* className)
    {
        TQClist* list = static_cast<TQClist*>(TQCbase::getNewInstance(className, form, "l"));
        list->initialize();
        return list;
    }
    // A property's value and its default, each read as the property's type.
    template <class T>
    static std::pair<long, long> valueAndDefault(TQCbase* object, const char* name)
    {
        T value{}, def{};
        object->getPropertyV(name, &value);
        object->getPropObj(name)->getDefaultValue(&def);
        return {value, def};
    }
};

} // namespace

TEST_F(TreeLists, PresetsAreValuesAndDefaultsAndTheTypeIsNotOffered)
{
    long fileIcon = TQGIappImageSet()->getImageNo("$(TQDIR)/sys/pixmaps/bi17.xpm");
    struct { const char* className; long type, titleHeight; } presets[] = {
        {"TQCtreeList", TQClist::TYPE_TREE, 0}, {"TQCverbList", TQClist::TYPE_DETAIL, 20}};
    for (auto [className, type, titleHeight] : presets) {
        TQClist* list = make(className);
        EXPECT_EQ(std::pair(type, type), valueAndDefault<unsigned char>(list, "type")) << className;
        EXPECT_EQ(std::pair(1L, 1L), valueAndDefault<TQCbool>(list, "useIcon")) << className;
        EXPECT_EQ(std::pair(fileIcon, fileIcon), valueAndDefault<short>(list, "iconPixmap"))
            << className;
        EXPECT_EQ(std::pair(titleHeight, titleHeight),
                  valueAndDefault<unsigned char>(list, "titleHeight"))
            << className;
        EXPECT_EQ(0, list->getPropObj("type")->getBuilderVisible()) << className;
        EXPECT_EQ(type == TQClist::TYPE_DETAIL, list->getTitleBar() != nullptr) << className;
        delete list;
    }
    TQClist* plain = make("TQClist");
    EXPECT_EQ(1, plain->getPropObj("type")->getBuilderVisible()) << "the list's own is offered";
    EXPECT_EQ(std::pair(0L, 0L), valueAndDefault<TQCbool>(plain, "useIcon"));
    delete plain;
    EXPECT_TRUE(TQCtreeList::checkVersion(1005));
}
