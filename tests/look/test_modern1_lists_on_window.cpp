// The libtqc half of "Modern1" on real windows under Xvfb: a scroll bar, a
// scrolled form and a tab form that take the look when it is selected and
// give it back when it is deselected, a pressed arrow button, the tab row's
// colours and line; the menu bar and menu window opened by posted presses,
// with the pointer put there by SetCursorPos. Each scenario runs in a
// process of its own.
#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "UserLookFile.h"
#include "_TQCcolorSet.h"
#include "_TQCguiPolicy.h"
#include "_TQCindexForm.h"
#include "_TQCmenuArea.h"
#include "_TQCpulldownMenu.h"
#include "_TQCpulldownMenuPopup.h"
#include "_TQCscrForm.h"
#include "_TQCvscrBar.h"
#include "_TQCwindow.h"
#include "_TQDappDev.h"
#include "_TQDcolor.h"
#include "_TQDkeyboard.h"
#include "_TQN.h"
#include "_TQextguipolicy_tqc.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const DWORD kPatience = 10000;

short named(const char* name)
{
    return TQGIappColorSet()->getColorNo(name);
}

// A colour number as GDI writes it.
COLORREF rgbOf(short colour)
{
    long r = 0, g = 0, b = 0;
    TQDcolor* c = TQGIappColorSet()->getColor(colour);
    if (c == nullptr || c->getRGB(&r, &g, &b) != 0)
        return CLR_INVALID;
    return RGB(r, g, b);
}

// A 420 x 240 window: a scroll bar at (10, 10), 200 x 16, a scrolled form
// at (10, 40), 160 x 120, whose work area needs both bars, and a tab form
// of three tabs at (190, 40), 210 x 150, with a tab row 20 high.
struct ScrollAndTabScene {
    ScrollAndTabScene()
    {
        startGuiScenario(TQCguiPolicy::LOOK_B);
        window = makeToolkitWindow("w", 40, 40, 420, 240);
        bar = makeShownChild<TQCvscrBar>(window, "bar", 10, 10, 200, 16);
        bar->setPropertyV(_TQNbackColor(), named("#6080a0"));
        bar->setPropertyV(_TQNvalue(), static_cast<unsigned long>(300));
        scrolled = makeShownChild<TQCscrForm>(window, "sf", 10, 40, 160, 120);
        scrolled->setPropertyV(_TQNworkWidth(), static_cast<unsigned short>(400));
        scrolled->setPropertyV(_TQNworkHeight(), static_cast<unsigned short>(400));
        scrolled->setPropertyV(_TQNworkBackColor(), named("#c0d0e0"));
        scrolled->setPropertyV(_TQNbackColor(), named("#808080"));
        scrolled->setPropertyV(_TQNshadowThickness(), static_cast<unsigned char>(2));
        scrolled->setPropertyV(_TQNshadowType(), static_cast<char>(0));
        tabs = makeShownChild<TQCindexForm>(window, "tabs", 190, 40, 210, 150);
        tabs->setPropertyV(_TQNmenuItems(), "One,Two,Three");
        tabs->setPropertyV(_TQNbarThickness(), static_cast<unsigned short>(20));
        tabs->setPropertyV(_TQNbackColor(), named("#a0b0c0"));
        requireInChild(showAndPaint(window), "the window is painted");
        client = clientWindowOf(window);
    }
    void settle() { pumpPendingMessages(kPatience); }
    std::unique_ptr<DibSurface> capture() { return captureWindow(client, 0, 0, 420, 240); }

    TQCwindow* window;
    TQCvscrBar* bar;
    TQCscrForm* scrolled;
    TQCindexForm* tabs;
    HWND client;
};

const COLORREF kPage = RGB(0xa0, 0xb0, 0xc0);
const COLORREF kTab = RGB(0x90, 0xa0, 0xb0);

// Drawn classically, then in the flat look, then classically again.
void scrollAndTabScenario()
{
    armWatchdog(90000, "the Modern1 scroll and tab scenario hung");
    UserLookFile noLook(nullptr);
    ScrollAndTabScene s;
    auto classic = s.capture();
    TQDappDev::setExtGuiPolicy("Modern1", 1);
    s.settle();
    auto modern = s.capture();
    requireInChild(modern->differences(*classic, 420, 240) > 0, "the look changes the drawing");
    requireInChild(modern->pixel(169, 100) == RGB(0x90, 0x90, 0x90) &&
                       modern->pixel(80, 100) == RGB(0xc0, 0xd0, 0xe0),
                   "the scrolled form's flat frame is B + 16 at the right, the view workBackColor");
    requireInChild(modern->pixel(210, 58) == kPage && modern->pixel(290, 58) == kTab &&
                       modern->pixel(360, 58) == kTab,
                   "the selected tab in the page's colour, the others 16 darker");
    short shadow = 0;
    s.tabs->getPropertyV(_TQNbottomShadowColor(), &shadow);
    requireInChild(modern->pixel(340, 60) == rgbOf(shadow) &&
                       modern->pixel(220, 60) == kPage,
                   "the line under the other tabs, open under the selected one");
    COLORREF unpressed = modern->pixel(20, 22);
    postInput(s.client, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 22));
    s.settle();
    requireInChild(windowPixel(s.client, 20, 22) == RGB(0x40, 0x60, 0x80) &&
                       unpressed != RGB(0x40, 0x60, 0x80),
                   "the pressed decrement button is flat B - 32");
    postInput(s.client, WM_LBUTTONUP, 0, MAKELPARAM(20, 22));
    s.bar->setPropertyV(_TQNvalue(), static_cast<unsigned long>(300));
    s.settle();

    TQDappDev::setExtGuiPolicy("", 1);
    s.settle();
    requireInChild(s.capture()->differences(*classic, 420, 240) == 0,
                   "deselected: the classic drawing is back, the tab colours too");
    passInChild();
}

const char kFileItems[] =
    "Open:open_ep:O:1,SEPARATOR,Gone:gone_ep:G:2,More:{Sub:sub_ep:S:5},Quit:quit_ep:Q:3";

// A window with a menu bar holding the title File, 60 wide.
struct MenuScene {
    MenuScene()
    {
        startGuiScenario(TQCguiPolicy::LOOK_B);
        TQCwindow* window = makeToolkitWindow("w", 40, 40, 400, 300);
        area = makeShownChild<TQCmenuArea>(window, "bar", 0, 0, 400, 30);
        file = makeShownChild<TQCpulldownMenu>(area, "file", 0, 0, 60, 28);
        file->setPropertyV(_TQNlabelString(), "File");
        file->setPropertyV(_TQNmenuItems(), kFileItems);
        file->setValueSensitive(2, 0);
        requireInChild(showAndPaint(window), "the window is painted");
        HWND client = clientWindowOf(window);
        SetForegroundWindow(GetAncestor(client, GA_ROOT));
        SetFocus(client);
    }
    void mouse(UINT message, WPARAM keys, POINT at)
    {
        postMouseAt(formWindowOf(area), message, keys, at, kPatience);
    }
    POINT on(TQCbase* t)
    {
        RECT r;
        GetWindowRect(formWindowOf(area), &r);
        auto g = geometryOf(t);
        return POINT{static_cast<int>(r.left + g[0] + g[2] / 2),
                     static_cast<int>(r.top + g[1] + g[3] / 2)};
    }
    TQCmenuArea* area;
    TQCpulldownMenu* file;
};

// Rows 28 high under a frame of 2: Open from 2, the separator 8 high,
// Gone (insensitive) from 38, More (a cascade) from 66, Quit from 94.
void menusScenario()
{
    armWatchdog(90000, "the Modern1 menus scenario hung");
    UserLookFile look("Modern1");
    MenuScene s;
    COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    s.mouse(WM_LBUTTONDOWN, MK_LBUTTON, s.on(s.file));
    s.mouse(WM_LBUTTONUP, 0, s.on(s.file));
    TQCpulldownMenuPopup* menu = s.file->getPopup();
    requireInChild(menu->getVisible() &&
                       windowPixel(formWindowOf(s.area), 3, 3) == highlight,
                   "a click opens File, whose title is filled with the highlight");
    auto g = geometryOf(menu);
    HWND window = clientWindowOf(menu);
    auto pointAt = [&](int y) {
        s.mouse(WM_MOUSEMOVE, 0, POINT{static_cast<int>(g[0] + 20), static_cast<int>(g[1] + y)});
    };
    pointAt(16);
    requireInChild(windowPixel(window, 100, 16) == highlight && menu->getSelected() == 1 &&
                       std::string(menu->getProcName()) == "open_ep" && menu->getValue() == 1,
                   "the row under the pointer is highlighted and chosen");
    pointAt(52);
    requireInChild(windowPixel(window, 100, 52) != highlight && menu->getSelected() == 0 &&
                       std::string(menu->getProcName()).empty() && menu->getValue() == 2,
                   "an insensitive row only gives its id, below a separator 8 high");
    pointAt(108);
    requireInChild(menu->getSelectedItem() == 3 && menu->getValue() == 3,
                   "Quit is entry 3: the separator and the sub-menu take no number");

    TQDkeyboard* keyboard = TQGIappKeyboard();
    keyboard->setKey(TQDkeyboard::KEY_UP);
    menu->onKeyPress(keyboard, 1);
    pumpPendingMessages(kPatience);
    TQClistData* children = menu->get_child_pld_list();
    auto childShown = [&]() {
        return children->getNum() > 0 && children->getData(0) != nullptr &&
               static_cast<TQCbase*>(children->getData(0))->getVisible();
    };
    requireInChild(menu->getSelectedItem() == 2 && !childShown(),
                   "Up selects More, whose sub-menu waits for Right");
    keyboard->setKey(TQDkeyboard::KEY_RIGHT);
    menu->onKeyPress(keyboard, 1);
    pumpPendingMessages(kPatience);
    requireInChild(childShown(), "Right opens it");

    TQCpulldownMenuPopupDrawBlock b = {};
    menu->fillDrawBlock(b);
    b.head = {menu, menu->getowndev(), static_cast<short>(g[0]), static_cast<short>(g[1]),
              static_cast<unsigned short>(g[2]), static_cast<unsigned short>(g[3]), 2};
    b.keyboardSelect = 1;
    b.selectedItem = -1;
    b.items = 4;
    menu->setAbsoluteDraw(1);
    TQCpulldownMenuPopup_draw_mdr1(&b);
    requireInChild(menu->getSelectedItem() == 3, "a selection of -1 wraps to the last entry");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(Modern1ListsWindowDeathTest, MenusFollowThePointerAndTheKeysInTheFlatLook,
                      menusScenario(), "")

TQ_FRESH_PROCESS_TEST(Modern1ListsWindowDeathTest, ScrollingAndTabFormsTakeTheLookAndGiveItBack,
                      scrollAndTabScenario(), "")
