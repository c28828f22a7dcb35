// A scrolled form in a real top-level window under Xvfb: the offsets move
// the work window and what is placed in it, the wheel, a thumb dragged by
// posted messages and an arrow held in real time. Each scenario runs in a
// process of its own.
#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "TQDwinScrFrameDev.h"
#include "_TQCcolorSet.h"
#include "_TQCguiPolicy.h"
#include "_TQCscrForm.h"
#include "_TQCscrFrame.h"
#include "_TQCvscrBar.h"
#include "_TQCwindow.h"
#include "_TQDmouse.h"
#include "_TQN.h"

#include <gtest/gtest.h>

namespace {

const DWORD kPatience = 5000;
const COLORREF kRed = RGB(255, 0, 0);

long g_activations = 0;

void countActivation(TQCbase*) { ++g_activations; }

// A 300 x 200 scrolled form at (10, 10) of a shown window, under look bit
// 0: the view is 276 x 176 at (2, 2), the horizontal bar 280 x 16 at
// (0, 184).
struct ScrolledScene {
    ScrolledScene()
    {
        armWatchdog(30000, "the scrolled form scenario hung");
        requireInChild(startGuiApp() != nullptr, "the application window exists");
        TQGIappGuiPolicy()->setGuiPolicy(TQCguiPolicy::LOOK_A, 0);
        window = makeToolkitWindow("w", 50, 60, 320, 220);
        form = new TQCscrForm(window, "sf");
        form->initialize();
        form->setPropertyV(_TQNx(), static_cast<short>(10));
        form->setPropertyV(_TQNy(), static_cast<short>(10));
        form->setPropertyV(_TQNwidth(), static_cast<unsigned short>(300));
        form->setPropertyV(_TQNheight(), static_cast<unsigned short>(200));
        form->setVisible(1);
    }
    void show()
    {
        requireInChild(showAndPaint(window), "the window is painted");
        frameDev = scrFrameDevOf(form);
        requireInChild(frameDev != nullptr, "the frame is on the scrolled-frame device");
        formWindow = formWindowOf(form);
    }
    void post(UINT message, WPARAM wParam, int x, int y)
    {
        PostMessageA(formWindow, message, wParam, MAKELPARAM(x, y));
        pumpPendingMessages(kPatience);
    }
    void scrollTo(long h, long v)
    {
        form->setPropertyV(_TQNhbarValue(), static_cast<unsigned short>(h));
        form->setPropertyV(_TQNvbarValue(), static_cast<unsigned short>(v));
        pumpPendingMessages(kPatience);
    }
    // Where the work window's corner lies in the viewport.
    POINT workCorner()
    {
        RECT work, viewport;
        GetWindowRect(frameDev->getHWND(), &work);
        GetWindowRect(frameDev->getViewport(), &viewport);
        return {work.left - viewport.left, work.top - viewport.top};
    }
    long value(const char* name) { return form->getProperty(name).getLong(); }

    TQCwindow* window;
    TQCscrForm* form;
    TQDwinScrFrameDev* frameDev = nullptr;
    HWND formWindow = nullptr;
};

void offsetsScenario()
{
    ScrolledScene scene;
    TQCform* child = new TQCform(scene.form, "child");
    child->initialize();
    child->setPropertyV(_TQNx(), static_cast<short>(400));
    child->setPropertyV(_TQNy(), static_cast<short>(400));
    child->setPropertyV(_TQNwidth(), static_cast<unsigned short>(40));
    child->setPropertyV(_TQNheight(), static_cast<unsigned short>(30));
    child->setPropertyV(_TQNbackColor(), TQGIappColorSet()->getColorNo("#ff0000"));
    child->setPropertyV(_TQNshadowThickness(), static_cast<unsigned char>(0));
    child->setVisible(1);
    scene.show();

    scene.scrollTo(390, 395);
    POINT corner = scene.workCorner();
    requireInChild(corner.x == -390 && corner.y == -395,
                   "the work window lies at minus the offsets");
    auto view = captureWindow(scene.frameDev->getViewport(), 0, 0, 276, 176);
    requireInChild(view->count(10, 5, 40, 30, kRed) == 40 * 30,
                   "the child at (400, 400) of the work area shows at (10, 5) of the view");
    requireInChild(view->pixel(9, 20) != kRed && view->pixel(50, 20) != kRed &&
                       view->pixel(20, 4) != kRed && view->pixel(20, 35) != kRed,
                   "and nowhere around it");
    passInChild();
}

void wheelScenario()
{
    ScrolledScene scene;
    scene.show();
    requireInChild(TQGIappMouse()->getMouseFocusClient() == scene.form,
                   "a form shown with its vertical bar takes the pointer");
    PostMessageA(scene.formWindow, WM_MOUSEWHEEL, 0xFF880000, MAKELPARAM(100, 100));
    pumpPendingMessages(kPatience);
    requireInChild(scene.value("vbarValue") == 90 && scene.value("hbarValue") == 0,
                   "one notch down scrolls 90, snapped to the unit; never sideways");
    requireInChild(scene.workCorner().y == -90 && scene.workCorner().x == 0,
                   "and the work window follows");
    passInChild();
}

// The thumb of the horizontal bar spans x 18 to 86 of the bar, which lies
// at (0, 184) of the form.
void thumbScenario()
{
    ScrolledScene scene;
    scene.form->getHScrBar()->addProcedureV("a", "countActivation", countActivation, 2);
    scene.show();
    // Posted together, so that the application's tick, which finds the
    // pointer parked outside and tells the form it has left, cannot come
    // between them and turn the drag into the pointer's entry. Putting the
    // pointer at each point instead would add the system's own move there.
    PostMessageA(scene.formWindow, WM_MOUSEMOVE, 0, MAKELPARAM(40, 192));
    PostMessageA(scene.formWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 192));
    PostMessageA(scene.formWindow, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 192));
    pumpPendingMessages(kPatience);
    requireInChild(scene.form->getHScrBar()->getValue() == 60 && scene.value("hbarValue") == 60,
                   "a 20-pixel drag moves by 81 and snaps to 60");
    requireInChild(g_activations == 0, "no activation while dragging");
    scene.post(WM_LBUTTONUP, 0, 60, 192);
    requireInChild(g_activations == 1, "one activation on release");
    passInChild();
}

// The increment arrow of the horizontal bar lies from x 262 to 274.
void heldArrowScenario()
{
    ScrolledScene scene;
    scene.show();
    TQCvscrBar* bar = scene.form->getHScrBar();
    scene.post(WM_MOUSEMOVE, 0, 268, 192);
    scene.post(WM_LBUTTONDOWN, MK_LBUTTON, 268, 192);
    requireInChild(bar->getValue() == 10, "the press steps once");
    requireInChild(pumpMessagesUntil([bar] { return bar->getValue() >= 30; }, 20000),
                   "held, it repeats on the application timer");
    scene.post(WM_LBUTTONUP, 0, 268, 192);
    unsigned long released = bar->getValue();
    pumpMessagesFor(1000);
    requireInChild(bar->getValue() == released, "and stops at the release");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(ScrolledFormOnWindowDeathTest, OffsetsMoveTheWorkWindowAndItsChildren,
                      offsetsScenario(), "")

TQ_FRESH_PROCESS_TEST(ScrolledFormOnWindowDeathTest, WheelScrollsVerticallyBySnappedSteps,
                      wheelScenario(), "")

TQ_FRESH_PROCESS_TEST(ScrolledFormOnWindowDeathTest, PostedThumbDragMovesAndActivatesOnce,
                      thumbScenario(), "")

TQ_FRESH_PROCESS_TEST(ScrolledFormOnWindowDeathTest, HeldArrowRepeatsInRealTimeAndStops,
                      heldArrowScenario(), "")
