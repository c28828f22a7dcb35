// The pop-up menu on the screen under Xvfb: clients registered and let go,
// the third-button press that opens it at the pointer, a drag onto an entry
// and the release that chooses it, click mode, keys through SendInput, the
// modal popup() ended by releases, keys, a lost grab, hiding, deletion and
// a quit request (each step run by a thread timer inside the loop, under a
// watchdog), a cascade at the screen's edge, and openings that fail. Each scenario runs in a process of its
// own.
#include "FreshProcess.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "JoinedLog.h"
#include "_TQCform.h"
#include "_TQCguiPolicy.h"
#include "_TQCpopupMenu.h"
#include "_TQCprocedure.h"
#include "_TQCvlabel.h"
#include "_TQDappDev.h"
#include "_TQDkeyboard.h"
#include "_TQDmouse.h"
#include "_TQGFgeometry.h"
#include "_TQGFtrigger.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const DWORD kPatience = 5000;
const char kItems[] = "Cut:cut_ep:T:1,SP,Paste:paste_ep:P:2,Wrap:wrap_ep:W:3";

std::vector<std::string> g_log;
TQCpopupMenu* g_menu = nullptr;

// What ran, and whether the menu was still shown then.
void logRun(TQCbase* object, const char* what)
{
    g_log.push_back(std::string(what) + (object->getVisible() ? " shown" : " hidden"));
}
void onValueChange(TQCbase* o) { logRun(o, "VALUE_CH"); }
void onActivate(TQCbase* o) { logRun(o, "ACTIVATE"); }
void onPaste(TQCbase* o) { logRun(o, "paste_ep"); }
void onWrap(TQCbase* o) { logRun(o, "wrap_ep"); }

std::string takeLog()
{
    return takeJoined(g_log);
}

// A form in a top-level window, the client of a pop-up menu whose Wrap
// entry is a toggle. An entry's procedure is found by its name; it sits on
// a trigger the menu never fires.
struct PopupScene {
    explicit PopupScene(const char* what, long policy)
    {
        armWatchdog(90000, what);
        startGuiScenario(policy);
        window = makeToolkitWindow("w", 40, 40, 400, 300);
        form = new TQCform(window, "client");
        form->initialize();
        TQGFsetGeometry(form, 10, 10, 300, 200);
        form->setVisible(1);
        requireInChild(showAndPaint(window), "the window is painted");
        g_menu = menu = new TQCpopupMenu(nullptr, "popup");
        menu->initialize();
        menu->setPropertyV("menuItems", kItems);
        menu->setPropertyV("menuItemHeight", static_cast<unsigned short>(20));
        menu->setValueToggleMenu(3, 1);
        menu->addProcedureV("vch", "onValueChange", onValueChange, TQEV_VALUE_CH);
        menu->addProcedureV("act", "onActivate", onActivate, TQEV_ACTIVATE);
        menu->addProcedureV("paste_ep", "onPaste", onPaste, TQDwindowDev::TRIGGER_WINDOW_CLOSED);
        menu->addProcedureV("wrap_ep", "onWrap", onWrap, TQDwindowDev::TRIGGER_WINDOW_CLOSED);
        menu->registerClient(form, 0);
        HWND client = clientWindowOf(window);
        SetForegroundWindow(GetAncestor(client, GA_ROOT));
        SetFocus(client);
        requireInChild(GetFocus() == client, "the window has the keyboard");
    }
    // A message of the mouse to the form's window at a point of the screen,
    // the pointer put there first; the window holding the pointer gets it.
    void mouse(UINT message, WPARAM keys, int x, int y)
    {
        postMouseAt(form != nullptr ? formWindowOf(form) : clientWindowOf(window), message, keys,
                    POINT{x, y}, kPatience);
    }
    void rightPress(int x, int y) { mouse(WM_RBUTTONDOWN, MK_RBUTTON, x, y); }
    // Rows of 20 under a frame of 2, Paste's 8 (look A: 4) below Cut's.
    POINT entry(int row)
    {
        auto g = geometryOf(menu);
        int separator = TQGIappGuiPolicy()->getGuiPolicy() & TQCguiPolicy::LOOK_B ? 8 : 4;
        int top = 2 + 20 * row + (row > 0 ? separator : 0);
        return POINT{static_cast<int>(g[0]) + 30, static_cast<int>(g[1]) + top + 10};
    }
    bool open() { return menu->getVisible(); }
    TQCwindow* window;
    TQCform* form;
    TQCpopupMenu* menu;
};

enum KeyPhase { KEY_DOWN_ONLY, KEY_UP_ONLY, KEY_STROKE };

void sendKey(WORD vk, KeyPhase phase = KEY_STROKE)
{
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = vk;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    if (phase == KEY_STROKE)
        SendInput(2, input, sizeof(INPUT));
    else
        SendInput(1, &input[phase == KEY_DOWN_ONLY ? 0 : 1], sizeof(INPUT));
    pumpPendingMessages(kPatience);
}

std::vector<std::string> procedureNames(TQCbase* object)
{
    std::vector<std::string> names;
    TQClistData procedures = object->getProcedures();
    for (long i = 0; i < procedures.getNum(); ++i) {
        TQCprocedure* p = static_cast<TQCprocedure*>(procedures.getData(i));
        names.push_back(std::string(p->getProcName()) + "/" + std::to_string(p->getTrigger()));
    }
    return names;
}

void clientsScenario()
{
    PopupScene scene("the pop-up menu clients scenario hung", TQCguiPolicy::LOOK_A);
    TQCform* form = scene.form;
    TQCpopupMenu* menu = scene.menu;
    std::vector<std::string> hooks = {"PM_btn_press/13", "PM_btn_release/14", "PM_btn_move/15",
                                      "PM_idelete/1"};
    requireInChild(procedureNames(form) == hooks && form->getUserData("PM-SERVER") == menu &&
                       form->getUserData("PM-RGST") != nullptr,
                   "a client carries the four procedures and names the menu");
    menu->registerClient(form, 0);
    requireInChild(procedureNames(form) == hooks, "registering again changes nothing");

    scene.mouse(WM_LBUTTONDOWN, MK_LBUTTON, 200, 150);
    scene.mouse(WM_LBUTTONUP, 0, 200, 150);
    requireInChild(!scene.open(), "a press of the first button opens nothing");
    menu->setPropertyV("menuItems", "Cut:c,SP,Paste:p");
    scene.rightPress(200, 150);
    requireInChild(scene.open() && TQCpopupMenu::_popuped_instance == menu,
                   "a third-button press opens the menu");
    auto g = geometryOf(menu);
    requireInChild(g[0] == 200 && g[1] == 150 && g[3] == 48,
                   "at the pointer, 2t + 20 + 2t + 20 high");
    menu->popdown();
    scene.mouse(WM_RBUTTONUP, 0, 200, 150);
    menu->setPropertyV("menuItems", kItems);
    menu->setValueToggleMenu(3, 1);
    takeLog();
    scene.rightPress(200, 150);
    requireInChild(menu->getProperty("client").getVoidPtr() == form &&
                       TQGIappDev()->getPopupModalClient() == menu,
                   "for the client, holding the input");
    POINT wrap = scene.entry(2);
    scene.mouse(WM_MOUSEMOVE, MK_RBUTTON, wrap.x, wrap.y);
    scene.mouse(WM_RBUTTONUP, 0, wrap.x, wrap.y);
    requireInChild(takeLog() == "ACTIVATE hidden, VALUE_CH shown, wrap_ep hidden" &&
                       !scene.open(),
                   "releasing on Wrap runs VALUE_CH, hides the menu, then wrap_ep");
    requireInChild(menu->getValueToggleState(3) == 1 && GetCapture() == nullptr &&
                       TQGIappDev()->getPopupModalClient() == nullptr &&
                       TQCpopupMenu::_popuped_instance == nullptr,
                   "the toggle flipped first; nothing holds the input any more");

    // Click mode: the first release away from the entries keeps it open.
    scene.rightPress(150, 100);
    scene.mouse(WM_RBUTTONUP, 0, 150, 100);
    requireInChild(scene.open() && GetCapture() == formWindowOf(form) &&
                       TQGIappDev()->getModalClient() == form,
                   "a release on no entry keeps the menu open, the pointer held");
    POINT paste = scene.entry(1);
    scene.mouse(WM_MOUSEMOVE, 0, paste.x, paste.y);
    scene.mouse(WM_LBUTTONDOWN, MK_LBUTTON, paste.x, paste.y);
    scene.mouse(WM_LBUTTONUP, 0, paste.x, paste.y);
    requireInChild(takeLog() == "ACTIVATE hidden, VALUE_CH shown, paste_ep hidden" &&
                       GetCapture() == nullptr &&
                       TQGIappDev()->getModalClient() == nullptr,
                   "the next release chooses and gives everything back");

    TQCform* other = new TQCform(scene.window, "other");
    other->initialize();
    TQGFsetGeometry(other, 320, 10, 60, 60);
    other->setVisible(1);
    pumpPendingMessages(kPatience);
    menu->registerClient(other, 0);
    menu->setPropertyV("client", static_cast<void*>(form));
    RECT r;
    GetWindowRect(formWindowOf(other), &r);
    SetCursorPos(r.left + 20, r.top + 20);
    PostMessageA(formWindowOf(other), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 20));
    PostMessageA(formWindowOf(other), WM_RBUTTONUP, 0, MAKELPARAM(20, 20));
    pumpPendingMessages(kPatience);
    requireInChild(!scene.open(), "with client set to the form, another client opens nothing");
    menu->setPropertyV("client", static_cast<void*>(nullptr));

    // A client registered with its container descendants: a press in the
    // child form climbs to it.
    menu->unregisterClient(form);
    requireInChild(procedureNames(form).empty() && form->getUserData("PM-SERVER") == nullptr,
                   "letting go of a client takes its procedures away");
    menu->registerClient(scene.window, 1);
    scene.rightPress(200, 150);
    requireInChild(scene.open() && menu->getProperty("client").getVoidPtr() == scene.window &&
                       TQGIappDev()->getPopupModalFollows() == form,
                   "a press in the child form opens the menu for the window, following the form");

    // The client goes while the menu follows it.
    delete form;
    scene.form = nullptr;
    requireInChild(!scene.open() && TQGIappDev()->getPopupModalClient() == nullptr,
                   "a client deleted while its menu is open closes the menu");
    scene.mouse(WM_MOUSEMOVE, 0, 100, 100);
    delete menu;
    requireInChild(scene.window->getUserData("PM-SERVER") == nullptr &&
                       other->getUserData("PM-SERVER") == nullptr &&
                       procedureNames(other).empty(),
                   "deleting the menu leaves no client naming it");
    passInChild();
}

void keysScenario()
{
    PopupScene scene("the pop-up menu keys scenario hung", TQCguiPolicy::LOOK_B);
    TQCpopupMenu* menu = scene.menu;
    TQDkeyboard* keyboard = TQGIappKeyboard();
    long screen = static_cast<unsigned short>(TQGIappDev()->getWidth());
    scene.rightPress(static_cast<int>(screen - 5), 150);
    auto g = geometryOf(menu);
    requireInChild(scene.open() && g[0] == screen - g[2] && g[3] == 2 * 2 + 20 + 8 + 20 + 20,
                   "at the right edge it ends at the edge; look B's separator is 8 high");
    menu->popdown();
    scene.mouse(WM_RBUTTONUP, 0, static_cast<int>(screen - 5), 150);

    // The child of a cascade entry would start at the edge: it opens on the
    // left of the menu, on the screen.
    menu->setPropertyV("menuItems", "Cut:cut_ep:T:1,More:{Deeper entries:d_ep:D:4}");
    scene.rightPress(static_cast<int>(screen - 5), 150);
    g = geometryOf(menu);
    scene.mouse(WM_MOUSEMOVE, MK_RBUTTON, static_cast<int>(g[0] + 30),
                static_cast<int>(g[1] + 2 + 20 + 10));
    auto* child =
        static_cast<TQCpulldownMenuPopup*>(menu->get_child_pld_list()->getData(0));
    requireInChild(child != nullptr && child->getVisible(), "pointing at More opens its child");
    RECT c;
    GetWindowRect(GetAncestor(clientWindowOf(child), GA_ROOT), &c);
    requireInChild(c.left >= 0 && c.right <= g[0] && c.right - c.left == geometryOf(child)[2],
                   "the child lies on the screen, left of the menu");
    menu->popdown();
    scene.mouse(WM_RBUTTONUP, 0, static_cast<int>(screen - 5), 150);
    menu->setPropertyV("menuItems", kItems);
    menu->setValueToggleMenu(3, 1);
    takeLog();

    for (WORD vk : {VK_ESCAPE, VK_MENU, VK_CONTROL, VK_LWIN, VK_RWIN, VK_APPS}) {
        scene.rightPress(100, 100);
        requireInChild(scene.open(), "a press opens the menu again");
        sendKey(vk, KEY_DOWN_ONLY);
        requireInChild(!scene.open() && keyboard->getKey() == 0 &&
                           TQCpopupMenu::_popuped_instance == nullptr,
                       "a close key closes the menu and is swallowed");
        sendKey(vk, KEY_UP_ONLY);
        scene.mouse(WM_RBUTTONUP, 0, 100, 100);
        requireInChild(GetCapture() == nullptr, "the button's release lets the pointer go");
        requireInChild(takeLog() == "ACTIVATE hidden", "closing by key runs nothing");
    }

    scene.rightPress(100, 100);
    sendKey('Z', KEY_DOWN_ONLY);
    requireInChild(scene.open() && keyboard->getKey() != 0,
                   "a letter without a shortcut is left alone");
    sendKey('Z', KEY_UP_ONLY);
    sendKey(VK_DOWN);
    sendKey(VK_DOWN);
    sendKey('W');
    requireInChild(!scene.open() && menu->getValueToggleState(3) == 1 &&
                       takeLog() ==
                           "ACTIVATE hidden, VALUE_CH hidden, ACTIVATE hidden, wrap_ep hidden",
                   "W runs only Wrap, after the menu is hidden, Paste highlighted or not");
    scene.mouse(WM_RBUTTONUP, 0, 100, 100);

    scene.rightPress(100, 100);
    sendKey(VK_DOWN);
    sendKey(VK_DOWN);
    sendKey(VK_RETURN);
    requireInChild(!scene.open() &&
                       takeLog() == "ACTIVATE hidden, VALUE_CH shown, paste_ep hidden",
                   "Return chooses the entry the arrow keys picked");
    passInChild();
}

// Runs action once, from inside the next message loop.
std::function<void()> g_action;
void CALLBACK runAction(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    std::function<void()> action;
    action.swap(g_action);
    if (action)
        action();
}
long popupWhile(const std::function<void()>& action)
{
    g_action = action;
    SetTimer(nullptr, 0, 30, runAction);
    return g_menu->popup();
}

bool nothingHeld(TQCbase* menu)
{
    TQDappDev* app = TQGIappDev();
    return GetCapture() == nullptr && app->getFocusDialog() != menu &&
           TQGIappKeyboard()->getFocusInstance() != menu &&
           TQGIappMouse()->getMouseUngrabClient() == nullptr &&
           TQCpopupMenu::_popuped_instance == nullptr;
}

void modalScenario()
{
    PopupScene scene("the modal pop-up menu scenario hung", TQCguiPolicy::LOOK_A);
    TQCpopupMenu* menu = scene.menu;
    TQCpopupMenu* second = new TQCpopupMenu(nullptr, "second");
    second->initialize();
    HWND main = clientWindowOf(scene.window);
    SetCursorPos(100, 100);
    long secondResult = 0;
    long result = popupWhile([&] {
        secondResult = second->popup();
        HWND holder = GetCapture();
        PostMessageA(holder, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-20, -20));
        PostMessageA(holder, WM_LBUTTONUP, 0, MAKELPARAM(-20, -20));
    });
    requireInChild(result == 0 && secondResult == -1 && !scene.open() &&
                       takeLog() == "ACTIVATE hidden" && nothingHeld(menu),
                   "popup() of another menu fails at once; a release outside closes");

    result = popupWhile([&] {
        POINT paste = scene.entry(1);
        scene.mouse(WM_MOUSEMOVE, 0, paste.x, paste.y);
        requireInChild(menu->getSelected() == 1, "the pointer over Paste makes it current");
        sendKey(VK_RETURN);
    });
    requireInChild(result == 0 && !scene.open() && takeLog() == "ACTIVATE hidden" &&
                       nothingHeld(menu),
                   "Return in popup() closes the menu and chooses nothing");

    result = popupWhile([&] {
        POINT paste = scene.entry(1);
        scene.mouse(WM_MOUSEMOVE, 0, paste.x, paste.y);
        scene.mouse(WM_LBUTTONUP, 0, paste.x, paste.y);
    });
    requireInChild(result == 0 && takeLog() == "ACTIVATE hidden, VALUE_CH shown, paste_ep hidden",
                   "a release over Paste chooses it");

    popupWhile([&] { SetCapture(main); });
    requireInChild(!scene.open() && GetCapture() == main,
                   "another window taking the pointer ends the run and keeps the pointer");
    ReleaseCapture();
    requireInChild(nothingHeld(menu), "the menu holds nothing");
    popupWhile([&] { menu->setVisible(0); });
    requireInChild(nothingHeld(menu), "hiding the menu ends the run and lets everything go");
    popupWhile([&] { PostQuitMessage(7); });
    MSG quit;
    requireInChild(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) &&
                       quit.wParam == 7 && nothingHeld(menu),
                   "a quit request ends the run and is put back");
    takeLog();
    result = popupWhile([&] { delete menu; });
    requireInChild(result == 0 && nothingHeld(menu) && TQGIappDev()->getFocusDialog() == nullptr,
                   "deleting the menu in its run ends the run with nothing left");
    PostMessageA(main, WM_KEYDOWN, VK_ESCAPE, 0x00000001);
    pumpPendingMessages(kPatience);
    passInChild();
}

// Openings that fail leave nothing switched on; a menu deleted while open
// from a press lets everything go.
void failureScenario()
{
    PopupScene scene("the failing pop-up menu scenario hung", TQCguiPolicy::LOOK_A);
    TQCpopupMenu* menu = scene.menu;
    TQCvlabel* label = new TQCvlabel(scene.form, "label");
    label->initialize();
    TQGFsetGeometry(label, 20, 20, 100, 30);
    label->setVisible(1);
    pumpPendingMessages(kPatience);
    menu->unregisterClient(scene.form);
    menu->registerClient(label, 0);
    menu->addProcedureV("vis", "hideAgain", [](TQCbase* m) { m->setVisible(0); }, TQEV_VISIBLE_CH);
    auto flags = [label] {
        return std::to_string(label->getOutSideMousePress()) +
               std::to_string(label->getOutSideMouseMove()) +
               std::to_string(label->getOutSideMouseRelease());
    };
    std::string before = flags();
    RECT r;
    GetWindowRect(formWindowOf(scene.form), &r);
    scene.rightPress(r.left + 40, r.top + 30);
    requireInChild(!scene.open() && flags() == before &&
                       TQCpopupMenu::_popuped_instance == nullptr &&
                       TQGIappDev()->getPopupModalClient() == nullptr,
                   "a menu that did not show switches the label's flags off again");
    scene.mouse(WM_RBUTTONUP, 0, r.left + 40, r.top + 30);
    TQClistData procedures = menu->getProcedures();
    for (long i = 0; i < procedures.getNum(); ++i) {
        TQCprocedure* p = static_cast<TQCprocedure*>(procedures.getData(i));
        if (std::string(p->getProcName()) == "vis") {
            menu->delProcedure(p);
            delete p;
        }
    }
    scene.rightPress(r.left + 40, r.top + 30);
    requireInChild(scene.open() && flags() == "111", "the same label opens it afterwards");
    scene.mouse(WM_RBUTTONUP, 0, r.left + 40, r.top + 30);
    requireInChild(scene.open() && GetCapture() != nullptr, "click mode holds the pointer");
    delete menu;
    requireInChild(GetCapture() == nullptr && TQGIappDev()->getModalClient() == nullptr &&
                       TQGIappKeyboard()->getFocusInstance() == nullptr &&
                       TQGIappMouse()->getMouseUngrabClient() == nullptr && flags() == before,
                   "deleting the open menu gives back the pointer, the keys and the flags");
    sendKey(VK_ESCAPE);
    scene.mouse(WM_MOUSEMOVE, 0, r.left + 10, r.top + 10);
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(PopupMenuDeathTest, OpensForItsClientsAndChoosesOnRelease,
                      clientsScenario(), "")

TQ_FRESH_PROCESS_TEST(PopupMenuDeathTest, KeysCloseChooseAndRunShortcuts, keysScenario(), "")

TQ_FRESH_PROCESS_TEST(PopupMenuDeathTest, PopupRunEndsEveryWayAndLetsGo, modalScenario(), "")

TQ_FRESH_PROCESS_TEST(PopupMenuDeathTest, FailedOrDeletedMenusLeaveNothingBehind,
                      failureScenario(), "")
