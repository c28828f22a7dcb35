// The transform-size combo box in a real top-level window under Xvfb: its
// drop-down opened by presses posted to the arrow button and by keys posted
// to the field, rows chosen by keys, by the tracking timer (the pointer put
// there with SetCursorPos) and by presses, closed unchanged by Escape and by
// a press on another window of the program, grown by the stretch path and
// stopped by the bottom of the display, and destroyed while open. Each
// scenario runs in a process of its own.
#include "FreshProcess.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "TQDwinfont.h"
#include "_TQCbaseList.h"
#include "_TQCcomboBox.h"
#include "_TQCguiPolicy.h"
#include "_TQClist.h"
#include "_TQCscrFrame.h"
#include "_TQCvifield.h"
#include "_TQCwindow.h"
#include "_TQDappDev.h"
#include "_TQDkeyboard.h"
#include "_TQDmouse.h"
#include "_TQGFgeometry.h"
#include "_TQGFtrigger.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const DWORD kPatience = 5000;
const char kSizes[] = "64,128,256,512,1024,2048,4096,8192,16384,32768";

long g_activations = 0;
long g_valueChanges = 0;

void countActivation(TQCbase*) { ++g_activations; }
void countValueChange(TQCbase*) { ++g_valueChanges; }

RECT screenRect(HWND hwnd)
{
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(hwnd, &rect);
    return rect;
}

// The application's combo box, 160 x 20 at (10, 10) of a borderless
// window whose client area is at (x, y) on the screen.
struct ComboScene {
    ComboScene(const char* what, short x = 50, short y = 60, const char* name = "newcomb_000")
        : name(name)
    {
        armWatchdog(60000, what);
        requireInChild(startGuiApp() != nullptr, "the application window exists");
        _win_font_init();
        TQGIappGuiPolicy()->setGuiPolicy(TQCguiPolicy::LOOK_A, 0);
        window = makeToolkitWindow("w", x, y, 300, 120);
        box = new TQCcomboBox(window, name);
        box->initialize();
        box->setPropertyV("menuItems", kSizes);
        TQGFsetGeometry(box, 10, 10, 160, 20);
        box->setPropertyV("interCur", static_cast<unsigned char>(0));
        box->setPropertyV("enableFocusMove", static_cast<unsigned char>(1));
        box->setPropertyV("labelString", (std::string("256") + std::string(61, ' ')).c_str());
        box->addProcedureV("act_ep", "countActivation", countActivation, TQEV_ACTIVATE);
        box->addProcedureV("vch_ep", "countValueChange", countValueChange, TQEV_VALUE_CH);
        box->setVisible(1);
        requireInChild(showAndPaint(window), "the window is painted");
    }
    TQCwindow* popup()
    {
        return static_cast<TQCwindow*>(
            TQGIappObjectList()->getInstance("TQCwindow", ("cw-" + name).c_str()));
    }
    TQClist* list()
    {
        return static_cast<TQClist*>(
            TQGIappObjectList()->getInstance("TQClist", ("cw-list-" + name).c_str()));
    }
    bool open() { return popup() != nullptr && popup()->getVisible(); }
    // The field in overwrite mode (interCur 0) pads its text with blanks.
    std::string text()
    {
        std::string text = TQCstring(box->getProperty("labelString")).getString();
        return text.substr(0, text.find_last_not_of(' ') + 1);
    }
    // A press and release posted to a window at a point of the screen, with
    // the pointer put there first.
    static void click(HWND target, POINT screen, bool settle = true)
    {
        SetCursorPos(screen.x, screen.y);
        ScreenToClient(target, &screen);
        PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(screen.x, screen.y));
        PostMessageA(target, WM_LBUTTONUP, 0, MAKELPARAM(screen.x, screen.y));
        if (settle)
            pumpPendingMessages(kPatience);
    }
    // While the drop-down is open the list holds the pointer: a press
    // anywhere goes to its window, as the system sends it.
    static void clickWhileOpen(POINT screen)
    {
        HWND holder = GetCapture();
        requireInChild(holder != nullptr, "the drop-down holds the pointer");
        click(holder, screen);
    }
    void pressArrow(bool settle = true)
    {
        RECT r = screenRect(formWindowOf(box));
        click(formWindowOf(box), POINT{r.left + 150, r.top + 10}, settle);
    }
    // Keys go to the window of the field that has the focus; the pump
    // translates a character key into its WM_CHAR.
    void key(WPARAM vk)
    {
        HWND field = formWindowOf(box);
        PostMessageA(field, WM_KEYDOWN, vk, 0x00000001);
        PostMessageA(field, WM_KEYUP, vk, 0xC0000001);
        pumpPendingMessages(kPatience);
    }
    POINT rowCentre(long row)
    {
        RECT r = screenRect(formWindowOf(list()->getScrFrame()));
        return POINT{r.left + 40, r.top + 20 * static_cast<int>(row) + 10};
    }
    std::string name;
    TQCwindow* window;
    TQCcomboBox* box;
};

void keysAndPressesScenario()
{
    ComboScene scene("the combo box keys and presses scenario hung");
    HWND active = GetActiveWindow();
    RECT boxRect = screenRect(formWindowOf(scene.box));
    scene.pressArrow();
    requireInChild(scene.open(), "a press on the arrow button opens the drop-down");
    RECT drop = screenRect(clientWindowOf(scene.popup()));
    requireInChild(drop.left == boxRect.left && drop.top == boxRect.top + 20 &&
                       drop.right - drop.left == 160 && drop.bottom - drop.top == 204,
                   "160 x 204 at the box's display origin + (0, 20)");
    requireInChild(GetActiveWindow() == active, "shown without taking the activation");
    TQClist* list = scene.list();
    requireInChild(list->getNum() == 10 && list->getSelectedPos() == -1,
                   "ten rows, none selected");
    requireInChild(GetCapture() == formWindowOf(list), "the list holds the pointer");

    scene.key(VK_DOWN);
    requireInChild(list->getSelectedPos() == 9, "Down with no selection selects the last row");
    scene.key(VK_RETURN);
    requireInChild(scene.text() == "32768" && g_activations == 1,
                   "Return: the row's text in labelString, ACTIVATE once");
    requireInChild(!scene.open() && GetCapture() == nullptr, "closed, the pointer let go");
    requireInChild(TQGIappMouse()->getMouseFocusClient() == nullptr,
                   "the hidden list is no longer the mouse focus client");
    requireInChild(TQCbase::getFocusInstance() == scene.box->getTextFrame(),
                   "the field has the focus again");

    scene.key(VK_DOWN);
    requireInChild(scene.open(), "Down in the field opens it");
    scene.key('2');
    requireInChild(list->getSelectedPos() == 2, "typing 2 selects 256");
    scene.key(VK_ESCAPE);
    requireInChild(!scene.open() && scene.text() == "32768" && g_activations == 1,
                   "Escape closes, changing nothing and running nothing");

    scene.pressArrow();
    RECT main = screenRect(clientWindowOf(scene.window));
    ComboScene::clickWhileOpen(POINT{main.left + 250, main.top + 60});
    requireInChild(!scene.open() && scene.text() == "32768" && g_activations == 1,
                   "a press on another window closes, changing nothing");

    scene.pressArrow();
    POINT row = scene.rowCentre(4);
    SetCursorPos(row.x, row.y);
    requireInChild(pumpMessagesUntil([&] { return list->getSelectedPos() == 4; }, kPatience),
                   "the tracking timer selects the row under the pointer");
    ComboScene::clickWhileOpen(row);
    requireInChild(scene.text() == "1024" && g_activations == 2 && !scene.open() &&
                       GetCapture() == nullptr,
                   "a press on the row chooses it, runs ACTIVATE once and closes");

    scene.box->setPropertyV("menuItems", "x\\,y,z");
    scene.key(VK_UP);
    requireInChild(list->getNum() == 2 && list->getItem(0, -1) == TQCstring("x,y") &&
                       list->getItem(1, -1) == TQCstring("z"),
                   "x\\,y,z gives the rows x,y and z");
    scene.key(VK_UP);
    scene.key(VK_RETURN);
    requireInChild(scene.text() == "x,y", "Up with no selection chooses the first row");
    requireInChild(g_valueChanges == 0, "no text set by the program or chosen ran VALUE_CH");
    scene.key('7');
    requireInChild(scene.text() == "7,y" && g_valueChanges == 1,
                   "a character typed into the field runs the box's VALUE_CH");
    passInChild();
}

void heightScenario()
{
    ComboScene scene("the combo box height scenario hung");
    scene.box->setPropertyV("menuItems", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15");
    auto height = [&] {
        RECT r = screenRect(clientWindowOf(scene.popup()));
        return r.bottom - r.top;
    };
    // Only the press and release: the animation's timer has not run yet.
    scene.pressArrow(false);
    MSG message;
    while (PeekMessageA(&message, formWindowOf(scene.box), WM_MOUSEFIRST, WM_MOUSELAST,
                        PM_REMOVE))
        DispatchMessageA(&message);
    requireInChild(scene.open() && height() < 304, "15 rows of 20 start small");
    requireInChild(pumpMessagesUntil([&] { return height() == 304; }, kPatience),
                   "and grow to 304 through the stretch path");
    scene.key(VK_ESCAPE);
    requireInChild(pumpMessagesUntil([&] { return !scene.open(); }, kPatience),
                   "and shrink away when closed");

    short bottom = TQGIappDev()->getHeight();
    ComboScene low("the low combo box scenario hung", 50, static_cast<short>(bottom - 35),
                   "lowcomb");
    RECT boxRect = screenRect(formWindowOf(low.box));
    requireInChild(boxRect.bottom == bottom - 5, "the box ends 5 pixels above the display");
    low.pressArrow();
    RECT drop = screenRect(clientWindowOf(low.popup()));
    requireInChild(low.open() && drop.top == boxRect.bottom && drop.bottom - drop.top == 10,
                   "its drop-down opens below it, 10 high");
    passInChild();
}

void destroyWhileOpenScenario()
{
    ComboScene scene("the combo box destruction scenario hung");
    scene.pressArrow();
    scene.key(VK_DOWN);
    requireInChild(scene.open() && scene.list()->getSelectedPos() == 9, "open, a row selected");
    delete scene.box;
    requireInChild(g_activations == 0, "destroying the box chooses nothing");
    requireInChild(scene.popup() == nullptr && GetCapture() == nullptr,
                   "the drop-down goes and lets go of the pointer");
    requireInChild(TQGIappMouse()->getMouseFocusClient() == nullptr &&
                       TQGIappKeyboard()->getSpecialFocusInstance() == nullptr &&
                       TQCbase::getFocusInstance() == nullptr,
                   "no mouse, key or focus holder names what is gone");
    HWND main = clientWindowOf(scene.window);
    PostMessageA(main, WM_KEYDOWN, VK_DOWN, 0x00000001);
    PostMessageA(main, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    pumpMessagesFor(200);
    passInChild();
}

} // namespace

TEST(ComboBoxOnWindowDeathTest, KeysAndPressesChooseOrLeaveTheText)
{
    EXPECT_EXIT(keysAndPressesScenario(), ::testing::ExitedWithCode(0), "");
}

TEST(ComboBoxOnWindowDeathTest, DropDownHeightFollowsRowsAndDisplayBottom)
{
    EXPECT_EXIT(heightScenario(), ::testing::ExitedWithCode(0), "");
}

TEST(ComboBoxOnWindowDeathTest, DestroyedWhileOpenChoosesNothingAndLetsGo)
{
    EXPECT_EXIT(destroyWhileOpenScenario(), ::testing::ExitedWithCode(0), "");
}
