// Messages of real windows as toolkit events: presses and double clicks by
// an injected clock, the pointer grab, moves between devices, wheel notches,
// the title bar's hit test, and the pointer read relative to a window-less
// widget. Each scenario runs in a process of its own.
#include "FreshApp.h"
#include "FreshProcess.h"
#include "GuiTestWidget.h"
#include "SampleWidgets.h"
#include "TQDwinnwDev.h"
#include "WinEvent.h"
#include "_TQDmouse.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

const long kTenOClock = 10 * 3600 * 1000;

HWND windowOf(TQCbase* widget)
{
    return static_cast<TQDwinformDev*>(widget->getowndev())->getHWND();
}

void click(HWND window)
{
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 6));
    pumpPendingMessages(5000);
}

// Far from every window of the tests, so that the system sends no moves.
void parkPointer()
{
    SetCursorPos(1270, 1010);
}

// Only presses and double clicks.
Log clicks(const Log& log)
{
    Log kept;
    for (const std::string& entry : log)
        if (entry.find(" 13 ") != std::string::npos || entry.find(" 19 ") != std::string::npos)
            kept.push_back(entry);
    return kept;
}

void pressScenario()
{
    armWatchdog(20000, "the press scenario hung");
    startAppDevice();
    parkPointer();
    Log log;
    GuiRootForm root(&log, 40, 40, 240, 160);
    root.waitPainted();
    HWND a = windowOf(root.add(root.widget(), "a", "formDev", 10, 10, 60, 40));
    HWND b = windowOf(root.add(root.widget(), "b", "formDev", 100, 10, 60, 40));
    GuiTestClock clock(kTenOClock);
    long now = kTenOClock;
    TQDmouse* mouse = TQGIappMouse();

    log.clear();
    SendMessageA(a, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
    requireInChild(GetCapture() == a && mouse->getStatus() == 0x100,
                   "a left press grabs the pointer for its window");
    SendMessageA(a, WM_LBUTTONUP, 0, MAKELPARAM(5, 6));
    requireInChild(GetCapture() == nullptr && mouse->getStatus() == 0,
                   "the release lets it go");
    clock.set(now += 249);
    click(a);
    requireInChild(clicks(log) == (Log{"a 13 (5,6)", "a 13 (5,6)", "a 19 (5,6)"}),
                   "249 ms apart: press, press, double click");

    log.clear();
    clock.set(now += 250);
    click(a);
    clock.set(now += 10);
    click(b);
    requireInChild(clicks(log) == (Log{"a 13 (5,6)", "b 13 (5,6)"}),
                   "250 ms apart, or on two devices, no double click");
    passInChild();
}

// Logs the wheel's press and release with the mouse status of the moment,
// and the update that the press queues.
class WheelProbe : public GuiTestWidget {
public:
    using GuiTestWidget::GuiTestWidget;
    void onMousePress(TQCpoint* point) override
    {
        note("press", point);
        needUpdate();
    }
    void onMouseRelease(TQCpoint* point) override { note("release", point); }
    void update() override
    {
        notes.push_back("update");
        GuiTestWidget::update();
    }
    Log notes;

private:
    void note(const char* what, TQCpoint* point)
    {
        char text[64];
        std::snprintf(text, sizeof text, "%s %ld,%ld 0x%lx", what, point->x, point->y,
                      static_cast<unsigned long>(TQGIappMouse()->getStatus()));
        notes.push_back(text);
    }
};

void pointerScenario()
{
    armWatchdog(20000, "the pointer scenario hung");
    TQDwinAppDev* app = startAppDevice();
    parkPointer();
    Log log;
    GuiRootForm root(&log, 40, 40, 240, 160, WS_CAPTION | WS_SYSMENU);
    root.waitPainted();
    GuiTestWidget* aWidget = root.add(root.widget(), "a", "formDev", 10, 10, 60, 40);
    HWND a = windowOf(aWidget);
    HWND b = windowOf(root.add(root.widget(), "b", "formDev", 100, 10, 60, 40));

    log.clear();
    SendMessageA(a, WM_MOUSEMOVE, 0, MAKELPARAM(3, 4));
    SendMessageA(b, WM_MOUSEMOVE, 0, MAKELPARAM(7, 8));
    SendMessageA(b, WM_MOUSEMOVE, 0, MAKELPARAM(9, 8));
    requireInChild(log == (Log{"a 11 (3,4)", "a 12", "b 11 (7,8)", "b 15 (9,8)"}),
                   "entering another device: out on the old, in on the new, then moves");

    WheelProbe* probe = new WheelProbe(&log, "probe", root.widget(), nullptr);
    probe->setVisible(1);
    TQGIappMouse()->setMouseFocusClient(probe);
    SendMessageA(a, WM_MOUSEWHEEL, 0x00780000, MAKELPARAM(300, 200));
    SendMessageA(a, WM_MOUSEWHEEL, 0xFF880000, MAKELPARAM(300, 201));
    requireInChild(probe->notes == (Log{"press 300,200 0x800", "update", "release 300,200 0x0",
                                        "press 300,201 0x1000", "update", "release 300,201 0x0"}),
                   "a notch presses and releases button 4 or 5 on the widget under the pointer");
    WinEvent twoNotches = {WM_MOUSEWHEEL, 0x00F00000, 0, a};
    WinEvent withCtrl = {WM_MOUSEWHEEL, 0x00780008, 0, a};
    TQDwinformDev* aDev = static_cast<TQDwinformDev*>(aWidget->getowndev());
    requireInChild(aDev->dispatchEvent(&twoNotches) == 1 && aDev->dispatchEvent(&withCtrl) == 1 &&
                       probe->notes.size() == 6,
                   "any other wheel message is left to the system");
    TQGIappMouse()->setMouseFocusClient(nullptr);
    WinEvent notch = {WM_MOUSEWHEEL, 0x00780000, MAKELPARAM(300, 200), a};
    requireInChild(aDev->dispatchEvent(&notch) == 0 && probe->notes.size() == 6,
                   "nothing without a widget under the pointer");

    // The title bar lies above the client area's origin.
    log.clear();
    app->setMouseFocusDev(root.device());
    RECT frame;
    GetWindowRect(root.hwnd(), &frame);
    POINT origin = {0, 0};
    ClientToScreen(root.hwnd(), &origin);
    LPARAM titleBar = MAKELPARAM((frame.left + frame.right) / 2, (frame.top + origin.y) / 2);
    LPARAM clientArea = MAKELPARAM(origin.x + 200, origin.y + 100);
    requireInChild(SendMessageA(root.hwnd(), WM_NCHITTEST, 0, clientArea) == HTCLIENT &&
                       app->getMouseFocusDev() == root.device() && log.empty(),
                   "over the client area: 1, and the device under the pointer stays");
    requireInChild(SendMessageA(root.hwnd(), WM_NCHITTEST, 0, titleBar) == HTCAPTION &&
                       app->getMouseFocusDev() == nullptr && log == Log{"root 12"},
                   "over the title bar: one MOUSE_OUT and the device is forgotten");
    passInChild();
}

void relativePointerScenario()
{
    armWatchdog(20000, "the relative pointer scenario hung");
    startAppDevice();
    Log log;
    GuiRootForm root(&log, 40, 40, 240, 160);
    root.waitPainted();
    SampleForm* form = new SampleForm(root.widget(), "form");
    SampleWidget* box = new SampleWidget(form, "box");
    SampleButton* button = new SampleButton(box, "button");
    form->initialize();
    box->initialize();
    button->initialize();
    form->setdev(new TQDwinformDev);
    placeDevice(form->getowndev(), 20, 30, 150, 100);
    form->setVisible(1);
    box->setdev(new TQDwinnwDev);
    button->setdev(new TQDwinnwDev);
    box->setPropertyV("x", static_cast<short>(5));
    box->setPropertyV("y", static_cast<short>(5));
    button->setPropertyV("x", static_cast<short>(10));
    button->setPropertyV("y", static_cast<short>(20));

    RECT frame;
    GetWindowRect(static_cast<TQDwinformDev*>(form->getowndev())->getHWND(), &frame);
    SetCursorPos(frame.left + 40, frame.top + 50);
    short x = 0, y = 0;
    requireInChild(TQGIappMouse()->getMousePosition(&x, &y, button) == 1 && x == 40 - 15 &&
                       y == 50 - 25,
                   "the pointer less the form window's origin and the widgets' places");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(WinFormEventsDeathTest, PressesGrabAndDoubleClickPerDevice,
                      pressScenario(), "")

TQ_FRESH_PROCESS_TEST(WinFormEventsDeathTest, MovesWheelAndTitleBar, pointerScenario(), "")

TQ_FRESH_PROCESS_TEST(WinFormEventsDeathTest, PointerRelativeToAWindowlessWidget,
                      relativePointerScenario(), "")
