// The top-level window device on real windows without a window manager
// (Wine draws the frames): the shell's style per title-bar kind and its frame
// as the system measures it, position and size, the topmost band,
// minimising, a modal window's hold on its parent, closing from the frame
// and a window inside a foreign one. Each scenario runs in a process of its
// own.
#include "FreshApp.h"
#include "FreshProcess.h"
#include "GuiTestWidget.h"
#include "TQDwinwinDev.h"
#include "WinEvent.h"
#include "_TQCwindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

const DWORD kPatience = 5000;
// The bits of the shell's style that the title-bar kind decides.
const DWORD kKindBits = ~static_cast<DWORD>(WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
const long kResizeBit = 1 << 10;

TQDwinwinDev* winDevOf(TQCbase* widget)
{
    return static_cast<TQDwinwinDev*>(widget->getowndev()->cast("TQDwinwinDev"));
}

// A top-level test widget on the registry's "windowDev", placed and shown,
// that logs its RESIZE events.
GuiTestWidget* showTopLevel(Log* log, const char* name, TQCbase* parent, short x, short y,
                            unsigned short w, unsigned short h)
{
    GuiTestWidget* widget = new GuiTestWidget(log, name, parent, "windowDev", 7);
    TQDdev* dev = widget->attachdev();
    requireInChild(dev != nullptr && dev->cast("TQDwinwinDev") != nullptr,
                   "\"windowDev\" makes the top-level window device");
    placeDevice(dev, x, y, w, h);
    dev->setEnableEventBit(kResizeBit);
    widget->setVisible(1);
    pumpPendingMessages(kPatience);
    return widget;
}

template <typename T> void setKey(TQDdev* dev, long key, T value)
{
    dev->setValue(key, &value);
}

// The outer corner of the frame at (x, y), the frame what AdjustWindowRectEx
// puts around a w x h client area for the shell's style, and the inner
// window over that area; the offsets are the frame's left and top.
bool frameFits(TQDwinwinDev* dev, long x, long y, long w, long h)
{
    RECT extra = {0, 0, w, h};
    AdjustWindowRectEx(&extra, dev->getStyle(), FALSE, dev->getExStyle());
    RECT frame, area, inner;
    GetWindowRect(dev->getShell(), &frame);
    GetClientRect(dev->getShell(), &area);
    GetWindowRect(dev->getHWND(), &inner);
    long dx = 0, dy = 0;
    short top = 0;
    dev->getDiffCoordinates(&dx, &dy);
    dev->getValue(TQDwinwinDev::VALUE_TOP_OFFSET, &top);
    return frame.left == x && frame.top == y && frame.right - frame.left == extra.right - extra.left &&
           frame.bottom - frame.top == extra.bottom - extra.top && area.right == w &&
           area.bottom == h && dx == -extra.left && dy == -extra.top && top == dy &&
           inner.left == x + dx && inner.top == y + dy && inner.right - inner.left == w &&
           inner.bottom - inner.top == h;
}

bool topmost(TQDwinwinDev* dev)
{
    return (GetWindowLongA(dev->getShell(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

bool logged(const Log& log, const std::string& entry)
{
    return std::find(log.begin(), log.end(), entry) != log.end();
}

void frameScenario()
{
    armWatchdog(30000, "the frame scenario hung");
    startAppDevice();
    Log log;
    TQDwinwinDev* dev = winDevOf(showTopLevel(&log, "w", nullptr, 100, 80, 160, 90));
    const DWORD styles[] = {0x80000000, 0x00CF0000, 0x00C00000, 0x00CA0000,
                            0x00C90000, 0x00040000, 0x80000000, 0x80000000};
    for (char kind = 7; kind >= 1; --kind) {
        setKey(dev, TQDwindowDev::VALUE_TITLE_BAR, kind);
        std::string what = "title-bar kind " + std::to_string(kind);
        requireInChild(IsWindowVisible(dev->getShell()) &&
                           (GetWindowLongA(dev->getShell(), GWL_STYLE) & kKindBits) ==
                               styles[static_cast<int>(kind)],
                       (what + ": the shell is rebuilt with its style").c_str());
        requireInChild(frameFits(dev, 100, 80, 160, 90), (what + ": frame and offsets").c_str());
    }
    setKey(dev, TQDdev::VALUE_X, static_cast<short>(300));
    requireInChild(frameFits(dev, 300, 80, 160, 90), "x alone keeps the outer top");
    setKey(dev, TQDdev::VALUE_Y, static_cast<short>(200));
    setKey(dev, TQDdev::VALUE_WIDTH, static_cast<unsigned short>(200));
    requireInChild(frameFits(dev, 300, 200, 200, 90), "y alone keeps the outer left");

    setKey(dev, TQDwinwinDev::VALUE_ALWAYS_ON_TOP, static_cast<unsigned char>(1));
    requireInChild(topmost(dev), "always on top: in the topmost band");
    setKey(dev, TQDwinwinDev::VALUE_MODAL, static_cast<unsigned char>(1));
    setKey(dev, TQDwinwinDev::VALUE_ALWAYS_ON_TOP, static_cast<unsigned char>(0));
    requireInChild(topmost(dev), "still there while modal");
    setKey(dev, TQDwinwinDev::VALUE_MODAL, static_cast<unsigned char>(0));
    requireInChild(!topmost(dev), "clearing the last reason takes it out of the band");

    long state = 1;
    dev->setValue(TQDwindowDev::VALUE_WINDOW_STATUS, &state);
    pumpPendingMessages(kPatience);
    dev->getValue(TQDwindowDev::VALUE_WINDOW_STATUS, &state);
    requireInChild(IsIconic(dev->getShell()) && state == 1, "minimised");
    setKey(dev, TQDwindowDev::VALUE_WINDOW_STATUS, 0L);
    pumpPendingMessages(kPatience);
    requireInChild(!IsIconic(dev->getShell()) && log.empty(),
                   "nothing the program did, minimising included, comes back as RESIZE");

    setKey(dev, TQDwindowDev::VALUE_POPUP, static_cast<unsigned char>(1));
    requireInChild(dev->getShell() == nullptr, "the pop-up mode drops the windows");
    dev->setVisible(1);
    HWND shell = dev->getShell();
    requireInChild((GetWindowLongA(shell, GWL_STYLE) & kKindBits) == WS_POPUP && topmost(dev) &&
                       GetWindow(shell, GW_OWNER) == TQGIwinAppDev()->getHWND() &&
                       frameFits(dev, 300, 200, 200, 90),
                   "a pop-up: no frame, topmost, owned by the application window");
    dev->setVisible(0);
    requireInChild(!IsWindow(shell) && dev->setValue(TQDwindowDev::VALUE_WINDOW_STATUS, &state) == -1,
                   "a hidden pop-up is destroyed and has no window state");
    passInChild();
}

void modalScenario()
{
    armWatchdog(30000, "the modal scenario hung");
    startAppDevice();
    Log log;
    GuiTestWidget* main = showTopLevel(&log, "main", nullptr, 40, 40, 300, 200);
    HWND mainShell = winDevOf(main)->getShell();
    GuiTestWidget* dialog = new GuiTestWidget(&log, "dlg", main, "windowDev", 7);
    TQDdev* dev = dialog->attachdev();
    placeDevice(dev, 100, 100, 120, 60);
    setKey(dev, TQDwinwinDev::VALUE_MODAL, static_cast<unsigned char>(1));
    dialog->setVisible(1);
    requireInChild(!IsWindowEnabled(mainShell), "a shown modal window disables its parent");
    dialog->setVisible(0);
    requireInChild(IsWindowEnabled(mainShell), "hiding it enables the parent");
    dialog->setVisible(1);
    winDevOf(dialog)->destroyWindow();
    requireInChild(IsWindowEnabled(mainShell), "so does destroying its windows");
    dev->setVisible(1);
    requireInChild(!IsWindowEnabled(mainShell), "and showing it again disables it");

    HWND shell = winDevOf(dialog)->getShell();
    PostMessageA(shell, WM_CLOSE, 0, 0);
    requireInChild(pumpMessagesUntil([&] { return !IsWindow(shell); }, kPatience),
                   "a window that may be closed goes");
    requireInChild(IsWindowEnabled(mainShell) && dialog->getVisible() == 0 &&
                       logged(log, "dlg 56") && winDevOf(dialog)->getHWND() == nullptr,
                   "the parent is enabled, the widget hidden and told");
    passInChild();
}

// Notes the activations that reach the device.
class WatchedWinDev : public TQDwinwinDev {
public:
    long dispatchEvent(WinEvent* event) override
    {
        activations += event->message == WM_ACTIVATE ? 1 : 0;
        return TQDwinwinDev::dispatchEvent(event);
    }
    int activations = 0;
};

void embeddedScenario()
{
    armWatchdog(30000, "the embedded scenario hung");
    TQDwinAppDev* app = startAppDevice();
    HWND foreign = makeTopLevelWindow(40, 40, 300, 200, WS_OVERLAPPEDWINDOW);
    app->setRebaseHandle(reinterpret_cast<long>(foreign));
    Log log;
    GuiTestWidget* widget = new GuiTestWidget(&log, "w", nullptr, nullptr, 7);
    WatchedWinDev* dev = new WatchedWinDev;
    widget->setdev(dev);
    placeDevice(dev, 100, 100, 120, 60);
    widget->setVisible(1);
    RECT frame;
    GetWindowRect(dev->getShell(), &frame);
    MapWindowPoints(nullptr, foreign, reinterpret_cast<POINT*>(&frame), 2);
    requireInChild(dev->getRebaseHandle() == foreign && app->getRebaseHandle() == 0 &&
                       GetParent(dev->getShell()) == foreign && frame.left == 0 &&
                       frame.top == 0 && frame.right == 120 && frame.bottom == 60,
                   "a frameless child of the foreign window at its origin");
    SendMessageA(dev->getShell(), WM_ACTIVATE, WA_ACTIVE, 0);
    requireInChild(dev->activations == 0, "its activation never reaches the device");

    WatchedWinDev* own = new WatchedWinDev;
    (new GuiTestWidget(&log, "o", nullptr, nullptr, 7))->setdev(own);
    own->setVisible(1);
    SendMessageA(own->getShell(), WM_ACTIVATE, WA_ACTIVE, 0);
    requireInChild(own->activations > 0 && own->getRebaseHandle() == nullptr,
                   "a window of its own hands its activation to the device");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(WinWindowDeviceDeathTest, ShellStyleFramePlaceTopmostBandAndMinimising,
                      frameScenario(), "")

TQ_FRESH_PROCESS_TEST(WinWindowDeviceDeathTest, ModalWindowHoldsItsParentUntilItGoes,
                      modalScenario(), "")

TQ_FRESH_PROCESS_TEST(WinWindowDeviceDeathTest, WindowInsideAForeignOneActivatesOnItsOwnThread,
                      embeddedScenario(), "")
