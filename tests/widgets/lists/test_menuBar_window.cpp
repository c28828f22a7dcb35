// The menu bar on the screen under Xvfb: a window with a menu area and three
// titles. Presses are posted with the pointer put there by SetCursorPos,
// keys go through SendInput, all under a bounded pump; the open title's
// look, the menu's size and place, the hand-over between titles, the
// pointer grab and every way of closing, a cascade at the screen's edge,
// and the menu area's layout and groove read back from the windows. Each scenario runs in a process of
// its own.
#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiPolicyScope.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "JoinedLog.h"
#include "_TQCguiPolicy.h"
#include "_TQCmenuArea.h"
#include "_TQCprocedure.h"
#include "_TQCpulldownMenu.h"
#include "_TQCpulldownMenuPopup.h"
#include "_TQCvertForm.h"
#include "_TQDappDev.h"
#include "_TQDkeyboard.h"
#include "_TQDmouse.h"
#include "_TQGFgeometry.h"
#include "_TQGFtrigger.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const DWORD kPatience = 5000;
const char kFileItems[] = "Open:open_ep:O:1,Wrap:wrap_ep:W:2,SP,Quit:quit_ep:Q:3";

std::vector<std::string> g_log;
// Wrap's toggle state as VALUE_CH found it.
long g_wrapAtValueChange = -1;

void logRun(TQCbase* title, const char* what)
{
    g_log.push_back(std::string(title->getInstanceName()) + " " + what);
}
void onValueChange(TQCbase* t)
{
    g_wrapAtValueChange = static_cast<TQCpulldownMenu*>(t)->getValueToggleState(2);
    logRun(t, "VALUE_CH");
}
void onActivate(TQCbase* t) { logRun(t, "ACTIVATE"); }
void onOpen(TQCbase* t) { logRun(t, "open_ep"); }
void onWrap(TQCbase* t) { logRun(t, "wrap_ep"); }
void onQuit(TQCbase* t) { logRun(t, "quit_ep"); }

std::string takeLog()
{
    return takeJoined(g_log);
}

// A window with a menu area and the titles File, Edit and View, 60 wide
// each. VALUE_CH, not offered to programs, and the entries' procedures,
// which run only by name, are bound as the toolkit's own.
struct MenuBarScene {
    MenuBarScene(const char* what, long policy)
    {
        armWatchdog(120000, what);
        startGuiScenario(policy);
        window = makeToolkitWindow("w", 40, 40, 400, 300);
        area = new TQCmenuArea(window, "bar");
        area->initialize();
        area->setVisible(1);
        file = title("file", "File", "f");
        edit = title("edit", "Edit", "e");
        view = title("view", "View", "v");
        file->setPropertyV("menuItems", kFileItems);
        file->setValueToggleMenu(2, 1);
        file->addInternalProcedure("open_ep", TQEV_USER_FIRST, onOpen, "onOpen");
        file->addInternalProcedure("wrap_ep", TQEV_USER_FIRST, onWrap, "onWrap");
        file->addInternalProcedure("quit_ep", TQEV_USER_FIRST, onQuit, "onQuit");
        requireInChild(showAndPaint(window), "the window is painted");
        HWND client = clientWindowOf(window);
        SetForegroundWindow(GetAncestor(client, GA_ROOT));
        SetFocus(client);
    }
    TQCpulldownMenu* title(const char* name, const char* label, const char* shortcut)
    {
        TQCpulldownMenu* t = new TQCpulldownMenu(area, name);
        t->initialize();
        t->setPropertyV("labelString", label);
        t->setPropertyV("shortcut", shortcut);
        t->setPropertyV("width", static_cast<unsigned short>(60));
        t->setVisible(1);
        t->addInternalProcedure("vch", TQEV_VALUE_CH, onValueChange, "onValueChange");
        t->addProcedureV("act", "onActivate", onActivate, TQEV_ACTIVATE);
        return t;
    }
    // To the window holding the pointer, or the menu area's.
    void mouse(UINT message, WPARAM keys, POINT at)
    {
        postMouseAt(formWindowOf(area), message, keys, at, kPatience);
    }
    void click(POINT at)
    {
        mouse(WM_LBUTTONDOWN, MK_LBUTTON, at);
        mouse(WM_LBUTTONUP, 0, at);
    }
    POINT on(TQCbase* t)
    {
        RECT r;
        GetWindowRect(formWindowOf(area), &r);
        auto g = geometryOf(t);
        return POINT{static_cast<int>(r.left + g[0] + g[2] / 2), static_cast<int>(r.top + g[1] + g[3] / 2)};
    }
    // Row n of File's menu (the separator lies between rows 1 and 2).
    POINT entry(int row)
    {
        auto g = geometryOf(file->getPopup());
        long t = file->getPopup()->getProperty("shadowThickness").getLong();
        long h = file->getPopup()->getProperty("menuItemHeight").getLong();
        long separator = TQGIappGuiPolicy()->getGuiPolicy() & TQCguiPolicy::LOOK_B ? 2 * t + 4 : 2 * t;
        long top = t + row * h + (row > 1 ? separator : 0);
        return POINT{static_cast<int>(g[0] + 20), static_cast<int>(g[1] + top + h / 2)};
    }
    bool grabbed(TQCpulldownMenu* t)
    {
        return t->getOpened() && t->getGrabed() && GetCapture() == formWindowOf(area) &&
               TQGIappMouse()->getMouseUngrabClient() == t;
    }
    bool letGo()
    {
        return GetCapture() == nullptr && TQGIappMouse()->getMouseUngrabClient() == nullptr &&
               TQCpulldownMenu::_ptarget == nullptr &&
               TQGIappKeyboard()->getFocusInstance() == nullptr;
    }
    TQCwindow* window;
    TQCmenuArea* area;
    TQCpulldownMenu* file;
    TQCpulldownMenu* edit;
    TQCpulldownMenu* view;
};

void sendKeys(std::vector<std::pair<WORD, bool>> strokes)
{
    std::vector<INPUT> inputs(strokes.size());
    for (size_t i = 0; i < strokes.size(); ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = strokes[i].first;
        inputs[i].ki.dwFlags = strokes[i].second ? 0 : KEYEVENTF_KEYUP;
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    pumpPendingMessages(kPatience);
}

void tap(WORD vk)
{
    sendKeys({{vk, true}, {vk, false}});
}

void altWith(WORD vk)
{
    sendKeys({{VK_MENU, true}, {vk, true}, {vk, false}, {VK_MENU, false}});
}

long countPixels(HWND window, int w, int h, COLORREF color)
{
    std::unique_ptr<DibSurface> shot = captureWindow(window, 0, 0, w, h);
    long n = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            n += shot->pixel(x, y) == color;
    return n;
}

bool noMenuLoop()
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetCurrentThreadId(), &info) &&
           (info.flags & (GUI_INMENUMODE | GUI_SYSTEMMENUMODE | GUI_POPUPMENUMODE)) == 0;
}

void mouseScenario()
{
    MenuBarScene scene("the menu bar mouse scenario hung", TQCguiPolicy::LOOK_B);
    TQCpulldownMenu* file = scene.file;
    TQCpulldownMenu* edit = scene.edit;
    auto g = geometryOf(file);
    requireInChild(g[0] == 0 && geometryOf(edit)[0] == 60 && geometryOf(scene.view)[0] == 120 &&
                       g[3] == 28,
                   "the titles side by side, as high as the area less 2");

    scene.click(scene.on(file));
    TQCpulldownMenuPopup* menu = file->getPopup();
    requireInChild(menu->getVisible() && scene.grabbed(file) && takeLog().empty(),
                   "a click opens File and holds the pointer");
    requireInChild(geometryOf(menu)[3] == 2 + 3 * 28 + 8 + 2 &&
                       menu->getProperty("menuItemHeight").getLong() == 28,
                   "with itemHeight -1 each row is as tall as the title");
    RECT r;
    GetWindowRect(formWindowOf(scene.area), &r);
    auto m = geometryOf(menu);
    requireInChild(m[0] == r.left && m[1] == r.top + 28, "the menu opens under the title");
    requireInChild(windowPixel(formWindowOf(scene.area), 3, 3) == GetSysColor(COLOR_HIGHLIGHT) &&
                       countPixels(formWindowOf(scene.area), 60, 28,
                                   GetSysColor(COLOR_HIGHLIGHTTEXT)) > 0,
                   "the open title is filled with the highlight, its text in the highlight's "
                   "text colour, in look B");
    scene.mouse(WM_MOUSEMOVE, 0, scene.entry(0));
    scene.click(scene.on(file));
    requireInChild(!menu->getVisible() && takeLog() == "file VALUE_CH" && scene.letGo(),
                   "a click on the title, even straight from an entry, closes it with "
                   "VALUE_CH alone and lets everything go");

    // Drag: press on the title, release on Wrap.
    scene.mouse(WM_LBUTTONDOWN, MK_LBUTTON, scene.on(file));
    scene.mouse(WM_MOUSEMOVE, MK_LBUTTON, scene.entry(1));
    scene.mouse(WM_LBUTTONUP, 0, scene.entry(1));
    requireInChild(takeLog() == "file VALUE_CH, file ACTIVATE, file wrap_ep" &&
                       g_wrapAtValueChange == 1 && !menu->getVisible() && scene.letGo(),
                   "releasing on Wrap flips it, then VALUE_CH, ACTIVATE and wrap_ep");

    // Dragged onto Edit, the menu goes over; released there, Edit holds
    // the pointer; a click anywhere else closes it without an entry.
    scene.mouse(WM_LBUTTONDOWN, MK_LBUTTON, scene.on(file));
    scene.mouse(WM_MOUSEMOVE, MK_LBUTTON, scene.on(edit));
    requireInChild(!menu->getVisible() && edit->getOpened() && takeLog() == "file VALUE_CH",
                   "dragged onto Edit, File closes and Edit opens");
    scene.mouse(WM_LBUTTONUP, 0, scene.on(edit));
    requireInChild(scene.grabbed(edit), "released on Edit it stays open");
    scene.click(POINT{r.left + 300, r.top + 150});
    requireInChild(!edit->getOpened() && takeLog() == "edit VALUE_CH" && scene.letGo(),
                   "a click elsewhere closes Edit and runs nothing");

    // A grab taken away, hiding, deletion: each closes and lets go.
    scene.click(scene.on(file));
    SendMessageA(formWindowOf(scene.area), WM_CANCELMODE, 0, 0);
    pumpPendingMessages(kPatience);
    requireInChild(!file->getOpened() && !menu->getVisible() && scene.letGo(),
                   "a lost grab (event 59) closes the menu");
    scene.click(scene.on(edit));
    scene.area->setVisible(0);
    pumpPendingMessages(kPatience);
    requireInChild(!edit->getOpened() && scene.letGo(), "hiding the area closes the menu");
    scene.area->setVisible(1);
    pumpPendingMessages(kPatience);
    scene.click(scene.on(file));
    requireInChild(scene.grabbed(file), "File open again");
    delete file;
    pumpPendingMessages(kPatience);
    requireInChild(scene.letGo() && TQCpulldownMenu::__popup_instance == nullptr,
                   "a title deleted while it holds the pointer gives it back");
    takeLog();

    scene.view->setPropertyV("menuItems", "");
    scene.click(scene.on(scene.view));
    requireInChild(!scene.view->getOpened() && !scene.view->getPopup()->getVisible() &&
                       scene.letGo() && takeLog().empty(),
                   "a title without entries opens nothing");
    scene.view->setPropertyV("menuItems",
                             "A longer entry:one_ep:O:1,More:{Deeper entries:d_ep:D:4,Two:t:T:5}");

    // Against the right and bottom edges the menu ends at them; the child of
    // its cascade entry, which would start at the right edge, opens on the
    // left of it, on the screen.
    long screenW = static_cast<unsigned short>(TQGIappDev()->getWidth());
    long screenH = static_cast<unsigned short>(TQGIappDev()->getHeight());
    TQGFsetGeometry(scene.window, static_cast<short>(screenW - 170),
                    static_cast<short>(screenH - 60), 400, 300);
    pumpPendingMessages(kPatience);
    scene.click(scene.on(scene.view));
    TQCpulldownMenuPopup* viewMenu = scene.view->getPopup();
    auto v = geometryOf(viewMenu);
    requireInChild(scene.view->getOpened() && v[0] == screenW - v[2] && v[1] == screenH - v[3],
                   "a menu passing the right and bottom edges ends at them");
    long t = viewMenu->getProperty("shadowThickness").getLong();
    long h = viewMenu->getProperty("menuItemHeight").getLong();
    scene.mouse(WM_MOUSEMOVE, 0, POINT{static_cast<int>(v[0] + 20),
                                       static_cast<int>(v[1] + t + h + h / 2)});
    auto* more = static_cast<TQCpulldownMenuPopup*>(viewMenu->get_child_pld_list()->getData(0));
    requireInChild(more != nullptr && more->getVisible(), "pointing at More opens its child");
    RECT c;
    GetWindowRect(GetAncestor(clientWindowOf(more), GA_ROOT), &c);
    requireInChild(c.left >= 0 && c.right <= v[0] && c.top >= 0 && c.bottom <= screenH &&
                       c.right - c.left == geometryOf(more)[2],
                   "the child lies on the screen, left of its parent");
    passInChild();
}

void keysScenario()
{
    MenuBarScene scene("the menu bar keys scenario hung", TQCguiPolicy::LOOK_A);
    TQCpulldownMenu* file = scene.file;
    altWith('F');
    requireInChild(scene.grabbed(file) && noMenuLoop(),
                   "Alt+F opens File for the keys, and the system's menu loop never starts");
    tap(VK_DOWN);
    tap(VK_DOWN);
    tap(VK_RETURN);
    requireInChild(takeLog() == "file VALUE_CH, file ACTIVATE, file wrap_ep" &&
                       g_wrapAtValueChange == 1 && scene.letGo(),
                   "Down, Down, Return runs Wrap");

    altWith('f');
    tap(VK_RIGHT);
    requireInChild(!file->getOpened() && scene.grabbed(scene.edit) && takeLog() == "file VALUE_CH",
                   "Right hands the menu to Edit");
    tap(VK_LEFT);
    requireInChild(scene.grabbed(file), "Left hands it back");
    tap(VK_ESCAPE);
    requireInChild(!file->getOpened() && scene.letGo() &&
                       takeLog() == "edit VALUE_CH, file VALUE_CH",
                   "Escape closes without an entry");

    altWith('F');
    tap('O');
    requireInChild(takeLog() == "file VALUE_CH, file ACTIVATE, file open_ep" && scene.letGo(),
                   "an entry's letter runs it, once");
    sendKeys({{VK_MENU, true}, {'F', true}, {'F', false}, {'Q', true}, {'Q', false}});
    requireInChild(takeLog() == "file VALUE_CH, file ACTIVATE, file quit_ep" && scene.letGo(),
                   "with Alt held, the entry's letter chooses it");
    sendKeys({{VK_MENU, false}});
    requireInChild(noMenuLoop(), "no menu loop after Alt");

    passInChild();
}

// x, y, width and height of a form's window in its top-level window.
std::array<long, 4> placedInWindow(TQCbase* form)
{
    RECT r;
    GetWindowRect(formWindowOf(form), &r);
    POINT origin = {0, 0};
    ClientToScreen(clientWindowOf(static_cast<TQCwindow*>(form->getParent())), &origin);
    return {r.left - origin.x, r.top - origin.y, r.right - r.left, r.bottom - r.top};
}

TQCpulldownMenuDrawBlock g_titleBlock;
TQCmenuAreaDrawBlock g_areaBlock;

void layoutScenario()
{
    armWatchdog(120000, "the menu area layout scenario hung");
    startGuiScenario(TQCguiPolicy::LOOK_A);
    TQCwindow* window = makeToolkitWindow("w", 40, 40, 400, 300);
    window->setPropertyV("shadowThickness", static_cast<unsigned char>(2));
    TQCmenuArea* lower = new TQCmenuArea(window, "lower");
    lower->initialize();
    lower->setVisible(1);
    TQCmenuArea* upper = new TQCmenuArea(window, "upper");
    upper->initialize();
    upper->setVisible(1);
    lower->setPropertyV("y", static_cast<short>(50));
    std::vector<TQCpulldownMenu*> titles;
    for (auto [x, w] : {std::pair{100, 40}, {0, 60}, {50, 30}}) {
        TQCpulldownMenu* t = new TQCpulldownMenu(upper, ("t" + std::to_string(x)).c_str());
        t->initialize();
        TQGFsetGeometry(t, static_cast<short>(x), 5, static_cast<unsigned short>(w), 20);
        t->setVisible(1);
        titles.push_back(t);
    }
    TQCpulldownMenu* hidden = new TQCpulldownMenu(upper, "hidden");
    hidden->initialize();
    hidden->setVisible(0);
    requireInChild(showAndPaint(window), "the window is painted");

    auto a = geometryOf(upper);
    requireInChild(a[0] == 2 && a[1] == 2 && a[2] == 396 && geometryOf(lower)[1] == 32,
                   "areas 396 wide, stacked from y 2 in their y order");
    requireInChild(geometryOf(titles[0])[0] == 90 && geometryOf(titles[1])[0] == 0 &&
                       geometryOf(titles[2])[0] == 60 && geometryOf(titles[0])[1] == 0 &&
                       geometryOf(titles[0])[3] == 28 && geometryOf(hidden)[0] == 0,
                   "titles 40, 60, 30 at 100, 0, 50 are laid out at 90, 0, 60, 28 high");
    TQClistData procedures = window->getProcedures();
    auto* resizeop = static_cast<TQCprocedure*>(procedures.getData(0));
    requireInChild(procedures.getNum() == 1 && std::string(resizeop->getProcName()) == "resizeop" &&
                       resizeop->getTrigger() == TQEV_RESIZE && resizeop->getInternal() &&
                       window->getUserData("menuarea-resize-work") != nullptr,
                   "the window carries one internal resizeop");

    HWND bar = formWindowOf(upper);
    requireInChild(windowPixel(bar, 395, 10) == GetSysColor(COLOR_MENU) &&
                       windowPixel(bar, 395, 28) == GetSysColor(COLOR_BTNSHADOW) &&
                       windowPixel(bar, 395, 29) == GetSysColor(COLOR_BTNHIGHLIGHT),
                   "the menu colour over a groove of a dark and a light line");

    TQGFsetGeometry(window, 40, 40, 500, 300);
    pumpPendingMessages(kPatience);
    upper->setPropertyV("width", static_cast<unsigned short>(50));
    pumpPendingMessages(kPatience);
    requireInChild(geometryOf(upper)[2] == 496 && placedInWindow(upper)[2] == 496,
                   "496 wide in a parent of 500, whatever width is asked");

    {
        ExtLookScope titleLook("Plain", "TQCpulldownMenu::draw", [](void* b) {
            auto* block = static_cast<TQCpulldownMenuDrawBlock*>(b);
            if (std::string(block->head.instance->getInstanceName()) == "t0")
                g_titleBlock = *block;
        });
        ExtLookScope areaLook("Plain", "TQCmenuArea::draw", [](void* b) {
            g_areaBlock = *static_cast<TQCmenuAreaDrawBlock*>(b);
        });
        titles[1]->setPropertyV("labelString", "Edit");
        titles[1]->redraw();
        upper->redraw();
        pumpPendingMessages(kPatience);
        requireInChild(g_titleBlock.head.instance == titles[1] && g_titleBlock.popupOpen == 0 &&
                           std::string(g_titleBlock.labelString) == "Edit" &&
                           g_titleBlock.label.backColor == -5,
                       "the title hands its block to the look");
        requireInChild(g_areaBlock.head.instance == upper && g_areaBlock.head.width == 496 &&
                           g_areaBlock.shadowType == -1 && g_areaBlock.backColor == -5,
                       "the area hands its block to the look");
    }

    TQCvertForm* box = new TQCvertForm(window, "box");
    box->initialize();
    TQCmenuArea* boxed = new TQCmenuArea(box, "boxed");
    boxed->initialize();
    requireInChild(box->getProcedures().getNum() == 0 &&
                       box->getUserData("menuarea-resize-work") == nullptr,
                   "a vertical box form lays its menu areas out itself");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(MenuBarDeathTest, TitlesOpenFollowHandOverAndCloseByTheMouse,
                      mouseScenario(), "")

TQ_FRESH_PROCESS_TEST(MenuBarDeathTest, AltShortcutsArrowsAndLettersWorkTheMenus,
                      keysScenario(), "")

TQ_FRESH_PROCESS_TEST(MenuBarDeathTest, AreasSpanTheParentStackAndLayOutTheirTitles,
                      layoutScenario(), "")
