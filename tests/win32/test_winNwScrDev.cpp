// The window-less device's shared bitmap, and the scrolled frame's work
// size, offsets and viewport, on real windows. Each scenario runs in a
// process of its own: the shared bitmap lives as long as the process.
#include "FreshApp.h"
#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiTestWidget.h"
#include "TQDwinScrFrameDev.h"
#include "TQDwinnwDev.h"
#include "TQGFwinAppWindow.h"
#include "WinEvent.h"
#include "_TQCcolorSet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

const DWORD kPatience = 5000;

SIZE sizeOf(HBITMAP bitmap)
{
    BITMAP shape = {};
    GetObjectA(bitmap, sizeof shape, &shape);
    return {shape.bmWidth, shape.bmHeight};
}

bool drawsOver(TQDwinnwDev* dev, unsigned short w, unsigned short h)
{
    if (dev->beginDraw(0, 0, w, h, 1, 0) != 0)
        return false;
    dev->endDraw();
    return true;
}

void sharedBitmapScenario()
{
    armWatchdog(20000, "the shared bitmap scenario hung");
    TQDwinAppDev* app = startAppDevice();
    Log log;
    GuiRootForm root(&log, 40, 40, 240, 160);
    requireInChild(root.waitPainted(), "the root window is painted");
    TQDwinnwDev* dev =
        static_cast<TQDwinnwDev*>(root.add(root.widget(), "n", "nwDev", 0, 0, 0, 0)->getowndev());
    unsigned char on = 1;
    dev->setValue(TQDdev::VALUE_USE_PIXMAP, &on);

    // No context for the bitmap: the process lives on and drawing is refused.
    HWND gone = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    TQGFsetAppWindow(gone);
    requireInChild(!drawsOver(dev, 50, 30) && dev->getPixmap() == nullptr &&
                       dev->getContextResource() == -1,
                   "a shared bitmap that cannot be made refuses the drawing");
    TQGFsetAppWindow(app->getHWND());

    requireInChild(drawsOver(dev, 50, 30) && sizeOf(dev->getPixmap()).cx == 50 &&
                       sizeOf(dev->getPixmap()).cy == 30,
                   "the first drawing makes a bitmap of its size");
    HBITMAP first = dev->getPixmap();
    requireInChild(drawsOver(dev, 80, 20) && sizeOf(dev->getPixmap()).cx == 80 &&
                       sizeOf(dev->getPixmap()).cy == 30 && GetObjectType(first) == 0,
                   "a wider drawing grows it to 80 x 30 and the old one goes");
    requireInChild(drawsOver(dev, 2000, 2000) && sizeOf(dev->getPixmap()).cx == 1600 &&
                       sizeOf(dev->getPixmap()).cy == 1280,
                   "it never grows beyond 1600 x 1280");

    TQDwinnwDev lone;
    requireInChild(lone.getReady() == 0, "a window-less device without a parent is never ready");
    passInChild();
}

// Notes every WM_DESTROY that reaches it.
class WatchedScrFrameDev : public TQDwinScrFrameDev {
public:
    long dispatchEvent(WinEvent* event) override
    {
        destroys += event->message == WM_DESTROY ? 1 : 0;
        return TQDwinScrFrameDev::dispatchEvent(event);
    }
    int destroys = 0;
};

void countAddressChange(TQDdev*, void* count)
{
    ++*static_cast<int*>(count);
}

void setKey(TQDdev* dev, long key, long value)
{
    short v = static_cast<short>(value);
    dev->setValue(key, &v);
}

void scrolledFrameScenario()
{
    armWatchdog(20000, "the scrolled frame scenario hung");
    startAppDevice();
    Log log;
    GuiRootForm root(&log, 40, 40, 300, 160);
    root.waitPainted();
    GuiTestWidget* frame = new GuiTestWidget(&log, "s", root.widget(), nullptr,
                                             TQCbase::OBJECT_NATIVE_WINDOW);
    WatchedScrFrameDev* dev = new WatchedScrFrameDev;
    frame->setdev(dev);
    placeDevice(dev, 20, 20, 200, 100);
    frame->setVisible(1);
    int changes = 0;
    dev->setAbsoluteAddrChangeHandler(countAddressChange, &changes);
    HWND viewport = dev->getViewport();
    HWND work = dev->getHWND();
    requireInChild(viewport != nullptr && GetParent(viewport) == root.hwnd() &&
                       GetParent(work) == viewport,
                   "the work window lies in the viewport, the viewport in the parent's window");

    setKey(dev, TQDwinScrFrameDev::VALUE_WORK_WIDTH, 1000);
    setKey(dev, TQDwinScrFrameDev::VALUE_WORK_HEIGHT, 100);
    setKey(dev, TQDwinScrFrameDev::VALUE_X_SCROLL, 900);
    requireInChild(dev->getXScroll() == 800 && changes == 1,
                   "an offset beyond the work area is cut");
    setKey(dev, TQDwinScrFrameDev::VALUE_X_SCROLL, 800);
    requireInChild(changes == 1, "the same offset changes nothing");
    setKey(dev, TQDwinScrFrameDev::VALUE_WORK_WIDTH, 500);
    POINT corner = {0, 0};
    MapWindowPoints(work, viewport, &corner, 1);
    requireInChild(dev->getXScroll() == 300 && changes == 2 && corner.x == -300,
                   "a narrower work area pulls the offset back and tells of it");
    short dx = 0, dy = 0;
    dev->getDispAddr(&dx, &dy);
    short rx = 0, ry = 0;
    dev->TQDwindowDev::getDispAddr(&rx, &ry);
    requireInChild(dx == rx - 300 && dy == ry, "children are placed in work coordinates");

    // A work area narrower than the viewport leaves the viewport's background.
    setKey(dev, TQDwinScrFrameDev::VALUE_WORK_WIDTH, 100);
    short green = TQGIappColorSet()->getColorNo("#00ff00");
    dev->setValue(TQDdev::VALUE_BACK_COLOR, &green);
    InvalidateRect(viewport, nullptr, TRUE);
    pumpPendingMessages(kPatience);
    requireInChild(windowPixel(viewport, 150, 50) == RGB(0, 255, 0),
                   "the viewport shows the background colour beside the work window");

    dev->destroyWindow();
    requireInChild(!IsWindow(viewport) && !IsWindow(work) && dev->destroys == 0,
                   "\"frm\" goes before the windows: their WM_DESTROY reaches no device");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(WinWindowlessDeviceDeathTest, SharedBitmapGrowsWithinItsLimitOrRefuses,
                      sharedBitmapScenario(), "")

TQ_FRESH_PROCESS_TEST(WinScrolledFrameDeathTest, WorkSizeOffsetsAndViewport,
                      scrolledFrameScenario(), "")
