// Tab form on real windows under Xvfb: the tab items and their buttons, the
// places of the tabs for both kinds of frame, buttons kept when the items
// shrink, pages switched by posted clicks and an Alt shortcut, the line
// under the tabs read back, and the block an extended look is handed. The
// scenario runs in a process of its own.
#include "FreshProcess.h"
#include "GuiControlScene.h"
#include "GuiPixels.h"
#include "GuiPolicyScope.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "_TQCbaseList.h"
#include "_TQCcolorSet.h"
#include "_TQCindexForm.h"
#include "_TQCvbtn.h"
#include "_TQGFtrigger.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const COLORREF kRed = RGB(255, 0, 0);
int g_valueChanges = 0;
TQCindexFormDrawBlock g_block = {};

void countValueChange(TQCbase*)
{
    ++g_valueChanges;
}

void recordBlock(void* block)
{
    g_block = *static_cast<TQCindexFormDrawBlock*>(block);
}

TQCvbtn* tab(TQCindexForm* tabs, long k)
{
    return static_cast<TQCvbtn*>(tabs->getTabButtons().getData(k));
}

std::string text(TQCbase* o, const char* name)
{
    TQCvariant v = o->getProperty(name);
    return v.getCharPtrConst() != nullptr ? v.getCharPtrConst() : "";
}

long number(TQCbase* o, const char* name)
{
    return o->getProperty(name).getLong();
}

std::vector<std::string> labels(TQCindexForm* tabs)
{
    std::vector<std::string> shown;
    for (long k = 0; k < tabs->getTabButtons().getNum(); ++k)
        if (tab(tabs, k)->getOwnVisible())
            shown.push_back(text(tab(tabs, k), "labelString"));
    return shown;
}

std::vector<long> placesAlong(TQCindexForm* tabs)
{
    std::vector<long> places;
    for (long k = 0; k < 3; ++k)
        places.push_back(number(tab(tabs, k), "x") * 1000 + number(tab(tabs, k), "width"));
    return places;
}

// What the application does after each message: the queued updates, then
// the messages they lead to (paints).
void settle()
{
    TQGIappObjectList()->execUpdate();
    pumpPendingMessages(5000);
}

// Items change at the next drawing.
void setItems(TQCindexForm* tabs, const char* name, const char* items)
{
    tabs->setPropertyV(name, items);
    settle();
}

void clickTab(TQCindexForm* tabs, int x)
{
    HWND row = formWindowOf(tabs->getTabRow());
    postInput(row, WM_MOUSEMOVE, 0, MAKELPARAM(x, 12));
    postInput(row, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 12));
    postInput(row, WM_LBUTTONUP, 0, MAKELPARAM(x, 12));
    pumpPendingMessages(5000);
}

// Pixels of the colour on the line below the tab row, from x to x + w.
int lineCount(TQCindexForm* tabs, int x, int w, COLORREF color)
{
    return captureWindow(formWindowOf(tabs), x, 23, w, 1)->count(0, 0, w, 1, color);
}

TQCform* page(TQCindexForm* tabs, long tabNumber)
{
    TQCform* p = new TQCform(tabs, "page");
    p->initialize();
    GuiControlScene::place(p, 10, 40, 100, 50);
    p->setProperty("userValue", tabNumber);
    p->setVisible(1);
    return p;
}

bool onlyShown(const std::vector<TQCform*>& pages, size_t shown)
{
    for (size_t i = 0; i < pages.size(); ++i)
        if ((pages[i]->getOwnVisible() != 0) != (i == shown))
            return false;
    return true;
}

void tabScenario()
{
    armWatchdog(60000, "the tab form scenario hung");
    GuiControlScene scene(50, 60, 320, 200);
    TQCindexForm* tabs = scene.add<TQCindexForm>("tabs", 10, 10, 300, 150);
    const short red = TQGIappColorSet()->getColorNo("#ff0000");
    tabs->setProperty("topShadowColor", red);
    tabs->addProcedureV("count", "countValueChange", countValueChange, TQEV_VALUE_CH);
    scene.show();

    TQCform* row = tabs->getTabRow();
    requireInChild(labels(tabs) == std::vector<std::string>{"index1", "index2"} &&
                       number(row, "y") == 0 && number(row, "height") == 23 &&
                       number(tabs, "value") == 0,
                   "two tabs index1 and index2 in a row 23 deep at the top, the first selected");
    requireInChild(lineCount(tabs, 2, 146, kRed) == 0 && lineCount(tabs, 150, 150, kRed) == 150,
                   "the line under the tabs is open under the selected one");
    requireInChild(TQGIappObjectList()->isRegistered(tabs, TQCbase::TRIGGER_GUI_POLICY),
                   "the form hears of look changes");

    setItems(tabs, "menuItems", "a,,b");
    requireInChild(labels(tabs) == std::vector<std::string>{"a", "index", "b"},
                   "an empty item labels its tab index");
    requireInChild(placesAlong(tabs) == std::vector<long>{100, 100100, 200100},
                   "raised: the tabs share the width, 100 each");
    tabs->setProperty("shadowType", 1);
    requireInChild(placesAlong(tabs) == std::vector<long>{2098, 100098, 199098},
                   "sunken with a frame of 2: they share the width inside it");
    tabs->setProperty("shadowType", 0);

    std::vector<TQCform*> pages = {page(tabs, 1), page(tabs, 2), page(tabs, 3)};
    tabs->redraw();
    settle();
    requireInChild(onlyShown(pages, 0), "the first tab's page shows");
    for (auto [x, value] : {std::pair{250, 2L}, {150, 1L}, {150, 1L}}) {
        g_valueChanges = 0;
        clickTab(tabs, x);
        requireInChild(number(tabs, "value") == value && g_valueChanges == 1,
                       "a click selects its tab with one VALUE_CH, also on the selected one");
        requireInChild(onlyShown(pages, value), "and only that tab's page shows");
    }
    TQCform* adopted = page(tabs, 0);
    tabs->redraw();
    settle();
    requireInChild(number(adopted, "userValue") == 2, "a new page joins the selected tab");
    delete adopted;

    setItems(tabs, "shortcut", "x,,z");
    tab(tabs, 1)->setPropertyV("shortcut", "q");
    scene.hold({VK_MENU}, true);
    scene.post(WM_SYSKEYDOWN, 'Z', 0x00000001);
    scene.post(WM_SYSKEYUP, 'Z', 0xC0000001);
    scene.hold({VK_MENU}, false);
    requireInChild(number(tabs, "value") == 2 && onlyShown(pages, 2), "Alt+Z selects tab z");
    setItems(tabs, "shortcut", "y,,w");
    requireInChild(text(tab(tabs, 1), "shortcut") == "q", "an empty entry keeps a shortcut");

    setItems(tabs, "menuItems", "a,b,c,d,e");
    tabs->setProperty("value", 4);
    setItems(tabs, "menuItems", "a,b,c");
    requireInChild(tabs->getTabButtons().getNum() == 5 && labels(tabs).size() == 3,
                   "five items to three: the last two buttons are kept, hidden");
    tabs->setProperty("flip", 1);
    tabs->setProperty("flip", 0);
    requireInChild(number(tabs, "value") == 4 && tabs->get_target_btn() == tab(tabs, 4),
                   "value 4 stays, naming the hidden fifth tab");

    setItems(tabs, "menuItems", "");
    requireInChild(labels(tabs) == std::vector<std::string>{"index"} &&
                       lineCount(tabs, 2, 296, kRed) == 0,
                   "no items: one tab named index and no line");

    {
        ExtLookScope look("TabTest", "TQCindexForm::draw", recordBlock);
        tabs->setProperty("barThickness", 30);
        tabs->setAbsoluteDraw(1);
        tabs->draw();
    }
    requireInChild(g_block.head.instance == tabs && g_block.head.width == 300 &&
                       g_block.topShadowColor == red && g_block.barThickness == 30 &&
                       g_block.selectedTab == 5 && g_block.menuItems != nullptr &&
                       g_block.menuItems[0] == '\0',
                   "an extended look is handed the form, its colours, bar and selected tab");
    delete tabs;
    requireInChild(!TQGIappObjectList()->isRegistered(tabs, TQCbase::TRIGGER_GUI_POLICY),
                   "deleted, it has left the list of look listeners");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(IndexFormDeathTest, TabsSwitchPagesByClickAndShortcut, tabScenario(), "")
