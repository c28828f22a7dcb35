// Menu title and menu bar off the screen: a new title's entries, version
// check and menu window, the text builders, the entry states it hands to
// its window, what the classic drawing writes to the recording device, and
// the menu bar's version check.
#include "CapturedText.h"
#include "ControlScene.h"
#include "_TQCmenuArea.h"
#include "_TQCpulldownMenu.h"
#include "_TQCpulldownMenuPopup.h"
#include "_TQDkeyboard.h"

#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

class MenuTitle : public ControlScene {
protected:
    void SetUp() override { title = add<TQCpulldownMenu>("file", 0, 0, 60, 20); }

    std::string text(const char* property)
    {
        TQCvariant value = title->getProperty(property);
        return value.getCharPtrConst() != nullptr ? value.getCharPtrConst() : "";
    }
    short color(const char* property)
    {
        short value = 0;
        title->getPropertyV(property, &value);
        return value;
    }
    // The texts of the strings the next whole drawing writes.
    std::vector<std::string> drawnTexts()
    {
        repaint(title);
        std::vector<std::string> texts;
        for (const DrawCall& call : draw.calls())
            if (call.name == "drawString")
                texts.push_back(call.text);
        return texts;
    }

    TQCpulldownMenu* title = nullptr;
};

} // namespace

TEST_F(MenuTitle, NewTitleNumbersItsEntriesAndOwnsAnInternalMenuWindow)
{
    EXPECT_EQ("item1(key1):ep1_name:key1:1,item2(key2):ep2_name:key2:2,SP,"
              "item3(key3):ep3_name:key3:3",
              text("menuItems"));
    TQCpulldownMenuPopup* window = title->getPopup();
    ASSERT_NE(nullptr, window);
    EXPECT_STREQ("pm-file", window->getInstanceName());
    EXPECT_EQ(nullptr, window->getParent());
    EXPECT_EQ(1, window->getInternalObject());
    std::vector<long> geometry;
    for (const char* property : {"x", "y", "width", "height"})
        geometry.push_back(window->getProperty(property).getLong());
    EXPECT_EQ((std::vector<long>{10, 10, 10, 10}), geometry);
    EXPECT_EQ(3, title->getItems()) << "the window holds the entries before it first opens";
    EXPECT_EQ(-6, color("foreColor"));
    EXPECT_EQ(-5, color("backColor"));
    EXPECT_EQ(0, title->existProperty("shadowType"));

    title->setPropertyV("shadowThickness", static_cast<unsigned char>(0));
    EXPECT_EQ(1, title->getProperty("shadowThickness").getLong());
    EXPECT_EQ(1, TQCpulldownMenu::checkVersion(1030));
    EXPECT_EQ(1, TQCpulldownMenu::checkVersion(1039));
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(0, TQCpulldownMenu::checkVersion(1040));
    capturedStderr();
}

TEST_F(MenuTitle, BuildersAppendEntriesAndCascadesThatTheWindowParses)
{
    title->setPropertyV("menuItems", "");
    title->beginCascade(const_cast<char*>("File"));
    title->addItem(const_cast<char*>("Open"), const_cast<char*>("open_ep"),
                   const_cast<char*>("O"), 1, nullptr);
    title->addItem(const_cast<char*>("Save"), const_cast<char*>("save_ep"),
                   const_cast<char*>("S"), 2, nullptr);
    title->endCascade();
    title->addItem(const_cast<char*>("Quit"), const_cast<char*>("quit_ep"),
                   const_cast<char*>("Q"), 3, const_cast<char*>("quit.xpm"));
    EXPECT_EQ("File:{Open:open_ep:O:1,Save:save_ep:S:2},Quit:quit_ep:Q:3:quit.xpm",
              text("menuItems"));
    EXPECT_EQ(2, title->getItems());

    EXPECT_EQ(0, title->setValueToggleMenu(3, 1));
    EXPECT_EQ(1, title->getValueToggleMenu(3));
    EXPECT_EQ(-1, title->setValueToggleState(-1, 1));
    EXPECT_EQ(-2, title->setValueToggleState(9, 1));
    EXPECT_EQ(-1, title->setItemSensitive(-1, 0));
    EXPECT_EQ(-2, title->setItemSensitive(5, 0));
    int id = 0;
    EXPECT_STREQ("", title->_get_proc_name_by_sc(const_cast<char*>("Q"), &id).getString())
        << "a menu that is not shown chooses nothing by its letters";
}

TEST_F(MenuTitle, DrawsBackslashNAsALineBreakAndUnderlinesTheShortcutOrNothing)
{
    title->setPropertyV("labelString", "a\\nb");
    EXPECT_EQ((std::vector<std::string>{"a\nb"}), drawnTexts());

    title->setPropertyV("labelString", "File");
    title->setPropertyV("shortcut", "f");
    repaint(title);
    EXPECT_EQ((Calls{"setUnderLineChar(0,1)"}), draw.callStrings("setUnderLineChar"));
    title->setPropertyV("shortcut", "x");
    repaint(title);
    EXPECT_EQ((Calls{"setUnderLineChar(0,0)"}), draw.callStrings("setUnderLineChar"))
        << "a shortcut the label lacks leaves no underline from an earlier string";

    title->setSensitive(0);
    repaint(title);
    EXPECT_EQ(1, draw.count("drawString"));
    EXPECT_EQ((Calls{"setHatchPattern(8)"}), draw.callStrings("setHatchPattern"));
    title->setPropertyV("emboss", static_cast<unsigned char>(1));
    std::vector<std::string> texts = drawnTexts();
    EXPECT_EQ(2u, texts.size()) << "embossed: a light copy under the dark text";
}

TEST_F(MenuTitle, ShortcutLettersAreUpperCasedAsAsciiOnly)
{
    keyboard()->setText(const_cast<char*>("\xe9"), -2);
    EXPECT_EQ(0xE9, keyboard()->shortcutLetter());
    keyboard()->setText(const_cast<char*>("q"), -2);
    EXPECT_EQ('Q', keyboard()->shortcutLetter());
}

TEST(MenuArea, RefusesAStoredVersionOfAnotherSeries)
{
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(0, TQCmenuArea::checkVersion(1010));
    EXPECT_EQ("VERSION error. class=TQCmenuArea object_version=1001  <- differ -> "
              "object_version=1010\n",
              capturedStderr());
}
