// The menu window on the screen under Xvfb: its properties, the drawing pass
// that follows the pointer (put there with SetCursorPos) and records the
// root's choice, pixels of the highlighted row, the arrow keys, the
// shortcut search, and the child windows of cascade entries: their width,
// their place against the screen's edges, their index, and Left. Each
// scenario runs in a process of its own.
#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiPolicyScope.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "_TQCfontSet.h"
#include "_TQCguiPolicy.h"
#include "_TQCpulldownMenuPopup.h"
#include "_TQDappDev.h"
#include "_TQDkeyboard.h"
#include "_TQGFgeometry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const DWORD kPatience = 5000;

// A menu window of the given text shown at (x, y), w wide, rows h high,
// sized as its owner would size it.
TQCpulldownMenuPopup* openMenu(const char* text, short x, short y, unsigned short w,
                               unsigned short h, unsigned short height)
{
    TQCpulldownMenuPopup* menu = new TQCpulldownMenuPopup(nullptr, "pm-test");
    menu->initialize();
    menu->setPropertyV("menuItems", text);
    menu->setPropertyV("menuItemHeight", h);
    TQGFsetGeometry(menu, x, y, w, height);
    requireInChild(showAndPaint(menu), "the menu window is painted");
    return menu;
}

// The pointer at a point of the menu window, then one drawing pass.
void pointAt(TQCpulldownMenuPopup* menu, long x, long y)
{
    SetCursorPos(static_cast<int>(geometryOf(menu)[0] + x), static_cast<int>(geometryOf(menu)[1] + y));
    menu->setAbsoluteDraw(1);
    menu->draw();
    pumpPendingMessages(kPatience);
}

void press(TQCpulldownMenuPopup* menu, long key)
{
    TQDkeyboard* keyboard = TQGIappKeyboard();
    keyboard->setKey(key);
    menu->setUserData("KEY_PROCESSED", nullptr);
    menu->onKeyPress(keyboard, 1);
    pumpPendingMessages(kPatience);
}

TQCpulldownMenuPopupDrawBlock g_block;
long g_blocks = 0;

void recordBlock(void* block)
{
    g_block = *static_cast<TQCpulldownMenuPopupDrawBlock*>(block);
    ++g_blocks;
}

long keyProcessed(TQCbase* window)
{
    return reinterpret_cast<long>(window->getUserData("KEY_PROCESSED"));
}

short backColor(TQCbase* window)
{
    short color = 0;
    window->getPropertyV("backColor", &color);
    return color;
}

long textWidth(const char* text)
{
    return TQGIappFontSet()->getStringWidth(TQGIappFontSet()->getDefaultFontNo(), text, -2);
}

// Look B: rows 20 high under a frame of 2; the separator is 2t + 4 = 8
// high, so Copy's row runs from 30 to 50.
void drawingAndKeysScenario()
{
    armWatchdog(60000, "the menu window drawing scenario hung");
    startGuiScenario(TQCguiPolicy::LOOK_B);
    TQCpulldownMenuPopup* bare = new TQCpulldownMenuPopup(nullptr, "pm-bare");
    bare->initialize();
    requireInChild(bare->getProperty("menuItemHeight").getLong() == 30 &&
                       TQCstring(bare->getProperty("separator")) == TQCstring(":") &&
                       TQCstring(bare->getProperty("separator2")) == TQCstring(",") &&
                       bare->getProperty("shadowThickness").getLong() == 2 &&
                       backColor(bare) == -5 &&
                       bare->getObjectType() == 23,
                   "defaults: rows 30, \":\" and \",\", frame 2, menu colours, type 23");
    bare->setPropertyV("font", static_cast<unsigned char>(17));
    requireInChild(bare->getProperty("font").getLong() == 1, "font 17 reads back 1");
    requireInChild(bare->setValueSensitive(1, 0) == -2 && bare->getItems() == 0 &&
                       bare->getItemSensitive() == nullptr,
                   "no entries: the state setters answer -2");
    bare->setPropertyV("menuItems", "A:a,B:b");
    bare->setPropertyV("separator2", ";");
    requireInChild(bare->getItems() == 1 &&
                       TQCstring(*bare->get_pld_data()->getProcName()) == TQCstring("a,B"),
                   "a new entry separator parses the text again");
    delete bare;

    TQCpulldownMenuPopup* menu =
        openMenu("Cut:cut_ep:t:1,SP,Copy:copy_ep:c:2,Paste:paste_ep:p:3,Quit:quit_ep:Q:4", 100,
                 100, 140, 20, 92);
    HWND window = clientWindowOf(menu);
    COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    pointAt(menu, 60, 40);
    requireInChild(menu->getSelected() == 1 && std::string(menu->getProcName()) == "copy_ep" &&
                       menu->getValue() == 2 && menu->getSelectedItem() == 1,
                   "the pointer over Copy makes it the current entry");
    requireInChild(windowPixel(window, 130, 31) == highlight &&
                       windowPixel(window, 130, 48) == highlight &&
                       windowPixel(window, 130, 29) != highlight &&
                       windowPixel(window, 130, 12) != highlight,
                   "Copy's row, 8 below Cut's, has the highlight colour");
    pointAt(menu, 60, 30);
    requireInChild(menu->getSelected() == 0, "a pointer on the row's upper edge picks nothing");
    menu->setValueSensitive(2, 0);
    pointAt(menu, 60, 40);
    requireInChild(menu->getSelected() == 0 && menu->getValue() == 2 &&
                       windowPixel(window, 130, 40) != highlight,
                   "an insensitive entry only records its id");

    SetCursorPos(10, 10);
    menu->set_selected_item(TQCpulldownMenuPopup::NO_SELECTION);
    press(menu, TQDkeyboard::KEY_DOWN);
    requireInChild(menu->getSelectedItem() == 0 && std::string(menu->getProcName()) == "cut_ep",
                   "Down from none selects the first entry and makes it current");
    press(menu, TQDkeyboard::KEY_DOWN);
    requireInChild(menu->getSelectedItem() == 2, "Down passes over the insensitive Copy");
    press(menu, TQDkeyboard::KEY_DOWN);
    press(menu, TQDkeyboard::KEY_DOWN);
    requireInChild(menu->getSelectedItem() == 0, "Down from the last goes to the first");
    menu->setItemSensitive(3, 0);
    menu->set_selected_item(TQCpulldownMenuPopup::NO_SELECTION);
    press(menu, TQDkeyboard::KEY_UP);
    requireInChild(menu->getSelectedItem() == 2, "Up from none selects the last sensitive one");
    press(menu, TQDkeyboard::KEY_LEFT);
    requireInChild(keyProcessed(menu) == 0, "Left in a top menu window is not used");
    menu->setItemSensitive(0, 0);
    menu->setItemSensitive(2, 0);
    press(menu, TQDkeyboard::KEY_DOWN);
    requireInChild(menu->getSelectedItem() == TQCpulldownMenuPopup::NO_SELECTION,
                   "Down with every entry insensitive ends at none");

    int id = 77;
    requireInChild(std::string(menu->_get_proc_name_by_sc(const_cast<char*>("q"), &id)
                                   .getString(-2))
                           .empty() && id == 77,
                   "the shortcut q does not find Q");
    menu->setItemSensitive(3, 1);
    requireInChild(TQCstring(menu->_get_proc_name_by_sc(const_cast<char*>("Q"), &id)) ==
                           TQCstring("quit_ep") && id == 4,
                   "Q finds Quit and its id");
    {
        ExtLookScope look("Plain", "TQCpulldownMenuPopup::draw", recordBlock);
        g_blocks = 0;
        press(menu, TQDkeyboard::KEY_DOWN);
        requireInChild(g_blocks >= 1 && g_block.head.instance == menu &&
                           g_block.head.x == 100 && g_block.head.width == 140 &&
                           g_block.head.shadowThickness == 2 && g_block.menuItemHeight == 20 &&
                           std::string(g_block.menuItems) == menu->getMenuItems() &&
                           std::string(g_block.separator2) == "," && g_block.backColor == -5 &&
                           g_block.keyboardSelect == 1 && g_block.keyboardWait == 1 &&
                           g_block.items == 4,
                       "a look's procedure gets the block instead of the classic drawing");
    }
    menu->setPropertyV("menuItems", "A:a_ep:a:1,,B:b_ep:b:2");
    pointAt(menu, 60, 2 + 20 + 10);
    requireInChild(std::string(menu->getProcName()) == "b_ep",
                   "an empty entry takes no row: the second row is B");
    delete menu;
    passInChild();
}

// Look A, rows 24 high, frame 2: Edit's row runs from 2 to 26, Mid's from
// 26 to 50.
void cascadeScenario()
{
    armWatchdog(60000, "the menu window cascade scenario hung");
    startGuiScenario(TQCguiPolicy::LOOK_A);
    const char* text = "Edit:{A:a:a:1,Longer-but-narrow:b:b:2,Sub:{X:x:x:5}},"
                       "Mid:{W:w:w:3:pic.png},Quit:quit_ep:Q:9";
    long expectedWidth = textWidth("Longer-but-narrow") + 8 + textWidth(" ") + 30;
    TQCpulldownMenuPopup* menu = openMenu(text, 100, 100, 120, 24, 76);
    pointAt(menu, 60, 38);
    TQClistData* children = menu->get_child_pld_list();
    TQCpulldownMenuPopup* mid = static_cast<TQCpulldownMenuPopup*>(children->getData(1));
    requireInChild(children->getData(0) == nullptr && mid != nullptr && mid->getVisible(),
                   "Mid opens the child of cascade index 1, index 0 stays empty");
    requireInChild(geometryOf(mid)[2] == textWidth("W") + 8 + textWidth(" ") + 32 &&
                       mid->get_use_pixmap() == 1,
                   "a child with an image is 32 wider and shows images");
    requireInChild(menu->getSelected() == 0 && menu->getValue() == -1,
                   "an active cascade entry chooses nothing");
    pointAt(menu, 60, 14);
    TQCpulldownMenuPopup* edit = static_cast<TQCpulldownMenuPopup*>(children->getData(0));
    requireInChild(edit != nullptr && edit->getVisible() && !mid->getVisible(),
                   "moving to Edit closes Mid's child and opens Edit's");
    auto g = geometryOf(edit);
    requireInChild(g[0] == 220 && g[1] == 102 && g[2] == expectedWidth && g[3] == 4 + 3 * 24,
                   "Edit's child beside the entry, as wide as its label with the most bytes");
    requireInChild(edit->getParentMenu() == menu && menu->checkChildStatus() == 1,
                   "with a child open, a pointer in the parent counts");

    press(menu, TQDkeyboard::KEY_LEFT);
    requireInChild(!edit->getVisible() && keyProcessed(menu) == 1,
                   "Left closes the child and the menu reports the key used");
    menu->set_selected_item(TQCpulldownMenuPopup::NO_SELECTION);
    SetCursorPos(10, 10);
    press(menu, TQDkeyboard::KEY_DOWN);
    requireInChild(menu->getSelectedItem() == 0 && !edit->getVisible(),
                   "Down onto a cascade entry does not open it");
    press(menu, TQDkeyboard::KEY_RIGHT);
    requireInChild(edit->getVisible() && keyProcessed(menu) == 1, "Right opens it");
    press(menu, TQDkeyboard::KEY_DOWN);
    requireInChild(edit->getSelectedItem() == 0 && menu->getValue() == 1,
                   "the next key goes to the child, whose entry the root records");
    press(menu, TQDkeyboard::KEY_LEFT);
    requireInChild(!edit->getVisible() && keyProcessed(menu) == 1, "Left closes it again");
    menu->set_selected_item(2);
    press(menu, TQDkeyboard::KEY_RIGHT);
    requireInChild(keyProcessed(menu) == 0, "Right on an ordinary entry is not used");
    delete menu;

    // Against the right edge: a child that would pass it opens on the left,
    // one that ends exactly at it stays on the right.
    long screen = static_cast<unsigned short>(TQGIappDev()->getWidth());
    short exactX = static_cast<short>(screen - expectedWidth - 120);
    menu = openMenu(text, exactX, 100, 120, 24, 76);
    pointAt(menu, 60, 14);
    edit = static_cast<TQCpulldownMenuPopup*>(menu->get_child_pld_list()->getData(0));
    requireInChild(geometryOf(edit)[0] == exactX + 120, "ending at the edge, it is not moved");
    delete menu;
    menu = openMenu(text, static_cast<short>(exactX + 1), 100, 120, 24, 76);
    pointAt(menu, 60, 14);
    edit = static_cast<TQCpulldownMenuPopup*>(menu->get_child_pld_list()->getData(0));
    requireInChild(geometryOf(edit)[0] == exactX + 1 - expectedWidth,
                   "passing the edge by one, it opens left of the parent");
    delete menu;
    // A parent that ends at the edge: its child would start there.
    long screenH = static_cast<unsigned short>(TQGIappDev()->getHeight());
    menu = openMenu(text, static_cast<short>(screen - 120), 100, 120, 24, 76);
    pointAt(menu, 60, 14);
    edit = static_cast<TQCpulldownMenuPopup*>(menu->get_child_pld_list()->getData(0));
    requireInChild(geometryOf(edit)[0] == screen - 120 - expectedWidth,
                   "starting at the right edge, it opens left of the parent");
    edit->setVisible(0);
    menu->popupChildPld(0, const_cast<char*>("A:a:a:1"), static_cast<short>(screen),
                        static_cast<short>(screenH));
    auto e = geometryOf(edit);
    requireInChild(e[0] == screen - 120 - e[2] && e[1] == screenH - e[3],
                   "starting at the bottom edge, it is moved up to end at it");
    delete menu;

    TQGIappGuiPolicy()->setGuiPolicy(TQCguiPolicy::LOOK_B, 0);
    menu = openMenu(text, 100, 100, 120, 24, 76);
    pointAt(menu, 60, 14);
    edit = static_cast<TQCpulldownMenuPopup*>(menu->get_child_pld_list()->getData(0));
    requireInChild(geometryOf(edit)[0] == 215, "in look B the child overlaps by 5");
    delete menu;
    passInChild();
}

// Positions past 127 cannot be selected but are drawn and chosen safely.
void longMenuScenario()
{
    armWatchdog(60000, "the long menu scenario hung");
    startGuiScenario(TQCguiPolicy::LOOK_A);
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "E" + std::to_string(i) + ":e" + std::to_string(i) + "::" + std::to_string(i) + ",";
    TQCpulldownMenuPopup* menu = openMenu(text.c_str(), 100, 10, 80, 4, 804);
    pointAt(menu, 40, 2 + 150 * 4 + 2);
    requireInChild(menu->getSelected() == 1 && std::string(menu->getProcName()) == "e150",
                   "entry 150 under the pointer is current");
    SetCursorPos(10, 10);
    menu->set_selected_item(TQCpulldownMenuPopup::NO_SELECTION);
    press(menu, TQDkeyboard::KEY_UP);
    requireInChild(menu->getSelectedItem() == 126, "Up from none stops at the 127th entry");
    delete menu;
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(MenuWindowDeathTest, DrawsFollowsThePointerAndTheArrowKeys,
                      drawingAndKeysScenario(), "")

TQ_FRESH_PROCESS_TEST(MenuWindowDeathTest, OpensCascadesBesideTheEntryAndClosesThemWithLeft,
                      cascadeScenario(), "")

TQ_FRESH_PROCESS_TEST(MenuWindowDeathTest, KeepsTheSelectionInsideItsByteOnLongMenus,
                      longMenuScenario(), "")
