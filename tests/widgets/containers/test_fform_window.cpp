// Floating form in a real top-level window under Xvfb: switched by the
// program, torn off by real pointer input, the drag thresholds, the release
// and resize placements and Escape driven through its handlers, the grip
// bar and resize grip read back, and a form deleted in the middle of a drag.
// Each scenario runs in a process of its own.
#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "TQDwinwinDev.h"
#include "_TQCbaseList.h"
#include "_TQCcolorSet.h"
#include "_TQCfform.h"
#include "_TQCfontSet.h"
#include "_TQCwindow.h"
#include "_TQDappDev.h"
#include "_TQDkeyboard.h"
#include "_TQDprivateTimer.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const DWORD kPatience = 8000;
const COLORREF kRed = RGB(255, 0, 0);

long g_statusChanges = 0;

void countStatusChange(TQCbase*)
{
    ++g_statusChanges;
}

void pressButton(bool down)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
}

bool running(TQDprivateTimer* timer)
{
    return timer != nullptr && timer->isRunning();
}

bool bandShown()
{
    return __resize_frame_top != nullptr && __resize_frame_top->getOwnVisible();
}

RECT shellRect(TQCbase* form)
{
    RECT rect = {};
    TQDdev* dev = form->getowndev();
    void* window = dev != nullptr ? dev->cast("TQDwinwinDev") : nullptr;
    if (window != nullptr)
        GetWindowRect(static_cast<TQDwinwinDev*>(window)->getShell(), &rect);
    return rect;
}

// A 200 x 60 floating form with its grip bar along the top, docked at
// (20, 30) of a 400 x 300 window whose client area is at (40, 40) on the
// screen: white, its light shadow red and its dark shadow blue.
struct FloatScene {
    explicit FloatScene(const char* what)
    {
        armWatchdog(90000, what);
        startGuiScenario(0);
        window = makeToolkitWindow("w", 40, 40, 400, 300);
        form = new TQCfform(window, "ff");
        form->initialize();
        set("x", 20);
        set("y", 30);
        set("width", 200);
        set("height", 60);
        set("orientation", 0);
        TQCcolorSet* colors = TQGIappColorSet();
        form->setPropertyV(_TQNbackColor(), colors->getColorNo("#ffffff"));
        form->setPropertyV(_TQNtopShadowColor(), colors->getColorNo("#ff0000"));
        form->setPropertyV(_TQNbottomShadowColor(), colors->getColorNo("#0000ff"));
        form->addProcedureV("s", "countStatusChange", countStatusChange,
                            TQCfform::TRIGGER_STATUS);
        form->setVisible(1);
        requireInChild(showAndPaint(window), "the window is painted");
    }
    void set(const char* name, long v) { form->setProperty(name, TQCvariant(v)); }
    long value(const char* name) { return form->getProperty(name).getLong(); }
    bool waitFor(const std::function<bool()>& done) { return pumpMessagesUntil(done, kPatience); }
    // Asks for the state and waits for the STATUS-CH of the switch.
    bool switchTo(unsigned char floating)
    {
        long before = g_statusChanges;
        form->setFloated(floating);
        return waitFor([before] { return g_statusChanges > before; }) &&
               form->getFloated() == floating;
    }
    // The real button pressed with the pointer at (x, y) on the screen.
    void pressOnScreen(long x, long y)
    {
        SetCursorPos(x, y);
        pumpPendingMessages(kPatience);
        pressButton(true);
        pumpPendingMessages(kPatience);
    }
    // Red pixels, as the form is drawn now, of its grip-bar rows and of its
    // bottom-right corner inside the frame.
    int grooveRed()
    {
        auto shot = captureWindow(formWindowOf(form), 0, 0, value("width"), 12);
        return shot->count(2, 2, value("width") - 4, 10, kRed);
    }
    int cornerRed()
    {
        long w = value("width"), h = value("height");
        return captureWindow(formWindowOf(form), w - 18, h - 18, 16, 16)->count(0, 0, 16, 16, kRed);
    }

    TQCwindow* window;
    TQCfform* form;
};

// The program's switches on real windows: floating, a captionless tool
// window on top, placed from the pointer, with its resize grip; asked for
// again, a new device; docked, a child window at the dock position again.
void switchScenario()
{
    FloatScene scene("the switch scenario hung");
    requireInChild(scene.grooveRed() > 300 && scene.cornerRed() == 0,
                   "docked: two grooves along the grip bar, no resize grip");
    SetCursorPos(300, 250);
    requireInChild(scene.switchTo(1), "floating on the next tick");
    TQDdev* floatingDev = scene.form->getowndev();
    TQDwinwinDev* dev = static_cast<TQDwinwinDev*>(floatingDev->cast("TQDwinwinDev"));
    requireInChild(dev != nullptr, "floating, the form has a window device");
    HWND shell = dev->getShell();
    LONG style = GetWindowLongA(shell, GWL_STYLE);
    LONG exStyle = GetWindowLongA(shell, GWL_EXSTYLE);
    RECT placed = shellRect(scene.form);
    requireInChild(GetAncestor(shell, GA_PARENT) == GetDesktopWindow() &&
                       (style & WS_CAPTION) == 0 &&
                       (exStyle & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW)) ==
                           (WS_EX_TOPMOST | WS_EX_TOOLWINDOW),
                   "a captionless top-level tool window that stays on top");
    requireInChild(placed.left == 295 && placed.top == 245 && scene.value("x") == 295,
                   "its corner 5 pixels up and left of the pointer");
    requireInChild(scene.waitFor([&] { return scene.cornerRed() > 0; }),
                   "floating, the resize grip shows");
    requireInChild(scene.switchTo(1) && scene.form->getowndev() != floatingDev,
                   "asking for the state it has rebuilds the device");

    requireInChild(scene.switchTo(0), "docked again");
    HWND formWindow = formWindowOf(scene.form);
    RECT inParent = {};
    GetWindowRect(formWindow, &inParent);
    requireInChild(GetParent(formWindow) == clientWindowOf(scene.window) &&
                       inParent.left == 60 && inParent.top == 70 && scene.value("x") == 20,
                   "a child window at the dock position again");
    requireInChild(scene.waitFor([&] { return scene.grooveRed() > 300; }) &&
                       scene.cornerRed() == 0,
                   "docked, the resize grip is gone");
    scene.form->setPropertyV(_TQNtitleString(), "Tools");
    TQGIappObjectList()->execUpdate();
    pumpPendingMessages(kPatience);
    long grooveStart = TQGIappFontSet()->getStringWidth(
        static_cast<short>(scene.value("font")), "Tools", -2) + 4;
    auto row = captureWindow(formWindowOf(scene.form), 0, 4, 200, 1);
    requireInChild(row->count(4, 0, grooveStart - 4, 1, kRed) == 0 &&
                       row->pixel(grooveStart, 0) == kRed,
                   "a title goes before the grooves");
    scene.set("width", 10);
    pumpPendingMessages(kPatience);
    requireInChild(scene.grooveRed() == 0, "a grip bar too short for its grooves shows none");
    passInChild();
}

// A real press on the grip strip, a 150-pixel move and the release: the
// rubber band follows and the form floats where it was dropped; dragged
// back near its place, it docks at the dock position, which the tear-off
// left untouched.
void tearOffScenario()
{
    FloatScene scene("the tear-off scenario hung");
    scene.pressOnScreen(40 + 20 + 50, 40 + 30 + 7);
    for (long step = 1; step <= 5; ++step) {
        SetCursorPos(110 + 30 * step, 77);
        pumpPendingMessages(kPatience);
    }
    requireInChild(scene.waitFor(bandShown), "the rubber band follows the drag");
    RECT bars[4];
    TQCwindow* band[] = {__resize_frame_top, __resize_frame_left, __resize_frame_right,
                         __resize_frame_bottom};
    for (int i = 0; i < 4; ++i)
        GetWindowRect(static_cast<TQDwinwinDev*>(band[i]->getowndev()->cast("TQDwinwinDev"))
                          ->getShell(),
                      &bars[i]);
    // The pointer at (260, 77), 50 and 7 from the grip's press point.
    requireInChild(bars[0].left == 205 && bars[0].top == 65 && bars[0].right == 405 &&
                       bars[0].bottom == 70 && bars[1].right == 210 && bars[1].bottom == 125 &&
                       bars[2].left == 400 && bars[3].top == 120,
                   "four 5-pixel bars outline the form at pointer - press - 5");
    requireInChild(scene.form->getFloated() == 0, "nothing floats during the drag");
    pressButton(false);
    requireInChild(scene.waitFor([] { return g_statusChanges == 1; }) &&
                       scene.form->getFloated() == 1,
                   "the release tears the form off");
    RECT placed = shellRect(scene.form);
    requireInChild(placed.left == 200 && placed.top == 60 && !bandShown(),
                   "the window lies 5 up and left of where the band was; the band is gone");

    // Dragged back with the button held: 100 pixels from the dock position
    // on one axis is not near enough, 99 on both is.
    scene.pressOnScreen(placed.left + 50, placed.top + 7);
    SetCursorPos(40 + 20 + 100, 40 + 30 + 99);
    pumpMessagesFor(400);
    requireInChild(scene.form->getFloated() == 1, "100 pixels away it stays afloat");
    SetCursorPos(40 + 20 + 99, 40 + 30 + 99);
    requireInChild(scene.waitFor([] { return g_statusChanges == 2; }) &&
                       scene.form->getFloated() == 0 && scene.value("x") == 20 &&
                       scene.value("y") == 30,
                   "99 away it docks, where it was docked before the tear-off");
    pressButton(false);
    passInChild();
}

// The handlers called directly: the drag threshold with the button held,
// Escape, the release of a floating form and the resize corner.
void handlersScenario()
{
    FloatScene scene("the handlers scenario hung");
    scene.pressOnScreen(40 + 20 + 50, 40 + 30 + 7);
    TQCpoint exactly = {150, 7}, beyond = {151, 7};
    scene.form->onMouseMove(&exactly);
    requireInChild(!running(TQCfform::_move_timer), "100 pixels from the press start no drag");
    scene.form->onMouseMove(&beyond);
    requireInChild(running(TQCfform::_move_timer), "101 do");
    requireInChild(scene.waitFor(bandShown), "the band follows");
    PostMessageA(formWindowOf(scene.form), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    requireInChild(scene.waitFor([] { return !bandShown(); }) &&
                       !running(TQCfform::_move_timer) && !running(TQCfform::_resize_timer),
                   "Escape hides the band and stops both timers");
    pressButton(false);
    pumpMessagesFor(700);
    requireInChild(scene.form->getFloated() == 0 && scene.value("x") == 20 &&
                       scene.value("y") == 30,
                   "and the form stays where it was");

    requireInChild(scene.switchTo(1), "floating");
    TQCpoint grip = {50, 7};
    scene.form->onMousePress(&grip);
    SetCursorPos(53, 300);
    scene.form->onMouseRelease(&grip);
    requireInChild(scene.value("x") == 0 && scene.value("y") == 288,
                   "a release 3 pixels right of the press point places it at x 0");

    SetCursorPos(10, 298);
    TQCpoint corner = {195, 55};
    scene.form->onMousePress(&corner);
    requireInChild(scene.waitFor([&] { return scene.value("width") == 25; }) &&
                       scene.value("height") == 25,
                   "a resize released at (10, 10) gives 25 x 25");
    long screenWidth = TQGIappDev()->getWidth();
    SetCursorPos(static_cast<int>(screenWidth - 1), 298);
    TQCpoint smallCorner = {20, 20};
    scene.form->onMousePress(&smallCorner);
    requireInChild(scene.waitFor([&] { return scene.value("width") == screenWidth; }),
                   "a resize past the screen's edge is cut to the screen's width");
    passInChild();
}

// Deleting a form in the middle of a drag, with a switch pending, leaves
// no timer, key handler or band working for it.
void deletedMidDragScenario()
{
    FloatScene scene("the deletion scenario hung");
    // Far from the dock position, so that the move does not dock back.
    SetCursorPos(600, 500);
    requireInChild(scene.switchTo(1), "floating");
    RECT placed = shellRect(scene.form);
    scene.pressOnScreen(placed.left + 50, placed.top + 7);
    requireInChild(scene.waitFor(bandShown), "a move is under way");
    scene.form->setFloated(1);
    delete scene.form;
    requireInChild(!bandShown() && !running(TQCfform::_move_timer) &&
                       TQCfform::_move_timer->getData() == nullptr &&
                       TQGIappKeyboard()->getSpecialFocusInstance() == nullptr,
                   "the band is hidden, the timer stopped and the keys let go");
    pumpMessagesFor(1000);
    pressButton(false);
    pumpMessagesFor(300);
    requireInChild(g_statusChanges == 1, "the pending switch never ran");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(FloatingFormOnWindowDeathTest, FloatsAsAToolWindowAndDocksAsAChild,
                      switchScenario(), "")
TQ_FRESH_PROCESS_TEST(FloatingFormOnWindowDeathTest, TearsOffWhereTheRubberBandWasDropped,
                      tearOffScenario(), "")
TQ_FRESH_PROCESS_TEST(FloatingFormOnWindowDeathTest, ThresholdsEscapeReleaseAndResize,
                      handlersScenario(), "")
TQ_FRESH_PROCESS_TEST(FloatingFormOnWindowDeathTest, DeletedMidDragLeavesNothingBehind,
                      deletedMidDragScenario(), "")
