// Floating form in a real top-level window under Xvfb: torn off and docked
// back by real pointer input, with its rubber band, window kind and pixels;
// the drag thresholds, Escape, the release and resize placements driven
// through its handlers; and a form deleted in the middle of a drag. Each
// scenario runs in a process of its own.
#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "TQDwinwinDev.h"
#include "_TQCcolorSet.h"
#include "_TQCfform.h"
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
    // Waits for the STATUS-CH of a switch to that state.
    bool switchedTo(unsigned char floating, long count)
    {
        return waitFor([count] { return g_statusChanges == count; }) &&
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

// A real press on the grip strip, a 150-pixel move and the release: the
// rubber band follows and the form becomes a tool window where it was
// dropped, with its resize grip. Dragged back near its place, it docks at
// the dock position, which the tear-off left untouched.
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
        bars[i] = shellRect(band[i]);
    // The pointer at (260, 77), 50 and 7 from the grip's press point.
    requireInChild(bars[0].left == 205 && bars[0].top == 65 && bars[0].right == 405 &&
                       bars[0].bottom == 70 && bars[1].right == 210 && bars[1].bottom == 125 &&
                       bars[2].left == 400 && bars[3].top == 120,
                   "four 5-pixel bars outline the form at pointer - press - 5");
    requireInChild(scene.form->getFloated() == 0, "nothing floats during the drag");
    pressButton(false);
    requireInChild(scene.switchedTo(1, 1), "the release tears the form off");
    HWND shell = static_cast<TQDwinwinDev*>(scene.form->getowndev()->cast("TQDwinwinDev"))
                     ->getShell();
    RECT placed = shellRect(scene.form);
    LONG exStyle = GetWindowLongA(shell, GWL_EXSTYLE);
    requireInChild(GetAncestor(shell, GA_PARENT) == GetDesktopWindow() &&
                       (GetWindowLongA(shell, GWL_STYLE) & WS_CAPTION) == 0 &&
                       (exStyle & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW)) ==
                           (WS_EX_TOPMOST | WS_EX_TOOLWINDOW),
                   "a captionless top-level tool window that stays on top");
    requireInChild(placed.left == 200 && placed.top == 60 && !bandShown(),
                   "5 up and left of where the band was; the band is gone");
    requireInChild(scene.waitFor([&] { return scene.cornerRed() > 0; }),
                   "floating, the resize grip shows");

    scene.pressOnScreen(placed.left + 50, placed.top + 7);
    SetCursorPos(40 + 20 + 100, 40 + 30 + 99);
    pumpMessagesFor(400);
    requireInChild(scene.form->getFloated() == 1, "100 pixels from the dock position, afloat");
    SetCursorPos(40 + 20 + 99, 40 + 30 + 99);
    requireInChild(scene.switchedTo(0, 2) && scene.value("x") == 20 && scene.value("y") == 30,
                   "99 away on both axes it docks where it was docked");
    pressButton(false);
    requireInChild(GetParent(formWindowOf(scene.form)) == clientWindowOf(scene.window),
                   "a child window again");
    requireInChild(scene.waitFor([&] { return scene.grooveRed() > 300; }) &&
                       scene.cornerRed() == 0,
                   "docked, the resize grip is gone");
    scene.set("width", 10);
    pumpPendingMessages(kPatience);
    requireInChild(scene.grooveRed() == 0, "a grip bar too short for its grooves shows none");
    passInChild();
}

// The handlers called directly: the drag threshold with the button held,
// Escape, the release of a floating form and the resize corner; then the
// form deleted in a move with a switch pending.
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

    scene.form->setFloated(1);
    requireInChild(scene.switchedTo(1, 1), "floating");
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

    scene.pressOnScreen(50, 288 + 7);
    requireInChild(scene.waitFor(bandShown), "a move is under way");
    scene.form->setFloated(1);
    delete scene.form;
    requireInChild(!bandShown() && !running(TQCfform::_move_timer) &&
                       TQCfform::_move_timer->getData() == nullptr &&
                       TQGIappKeyboard()->getSpecialFocusInstance() == nullptr,
                   "deleted, it leaves the band hidden, the timer stopped and the keys free");
    pumpMessagesFor(1000);
    pressButton(false);
    requireInChild(g_statusChanges == 1, "and its pending switch never runs");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(FloatingFormOnWindowDeathTest, TearsOffAndDocksBackByThePointer,
                      tearOffScenario(), "")
TQ_FRESH_PROCESS_TEST(FloatingFormOnWindowDeathTest, HandlersPlaceResizeCancelAndLetGo,
                      handlersScenario(), "")
