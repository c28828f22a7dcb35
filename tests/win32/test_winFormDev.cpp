// The form device on real windows under a root form: values, the drawing
// frame, the background it clears (colour, tiled image, masked tile), the
// pixmap that serves an expose, the application device's repaint of the
// devices waiting for one, and the order in which a window goes. Each
// scenario runs in a process of its own.
#include "FreshApp.h"
#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiTestWidget.h"
#include "WinEvent.h"
#include "_TQCcolorSet.h"
#include "_TQCimageSet.h"
#include "_TQDimage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

const DWORD kPatience = 5000;
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);

TQDwinformDev* formOf(TQCbase* widget)
{
    return static_cast<TQDwinformDev*>(widget->getowndev()->cast("TQDwinformDev"));
}

bool painted(TQDwinformDev* dev)
{
    return pumpMessagesUntil([dev] { return dev->getExposed() != 0; }, kPatience);
}

void setBackColor(TQDwinformDev* dev, const char* name)
{
    short no = TQGIappColorSet()->getColorNo(name);
    dev->setValue(TQDdev::VALUE_BACK_COLOR, &no);
}

bool logged(const Log& log, const std::string& entry)
{
    return std::find(log.begin(), log.end(), entry) != log.end();
}

// Tile pixel (x, y) has red 60x and green 60y; with a mask, pixel (0, 0)
// is opaque and every other pixel shows what lies under it.
COLORREF tileColour(int x, int y)
{
    return RGB(60 * x, 60 * y, 100);
}

class TileImage : public TQDimage {
public:
    static bool masked;
    static TQDimage* create() { return new TileImage; }
    long initialize() override
    {
        setValue1(reinterpret_cast<long>(paint(false)));
        setValue2(0);
        setValue3(masked ? reinterpret_cast<long>(paint(true)) : 0);
        setImageWidth(4);
        setImageHeight(4);
        return 0;
    }

private:
    static HBITMAP paint(bool mask)
    {
        HDC screen = GetDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 4, 4);
        HDC dc = CreateCompatibleDC(screen);
        HGDIOBJ previous = SelectObject(dc, bitmap);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                SetPixel(dc, x, y, !mask          ? tileColour(x, y)
                                   : x + y == 0 ? RGB(0, 0, 0)
                                                : RGB(255, 255, 255));
        SelectObject(dc, previous);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        return bitmap;
    }
};
bool TileImage::masked = false;

short tileImageNo(const char* name, bool masked)
{
    TileImage::masked = masked;
    TQGIappImageSet()->setCreateHandler(TileImage::create);
    return TQGIappImageSet()->getImageNo(name);
}

// Clears at once, without the paint a new background asks for; the window's
// top-left 30 x 30 pixels afterwards.
std::unique_ptr<DibSurface> clearNow(TQDwinformDev* dev, long x, long y, unsigned long w,
                                     unsigned long h)
{
    ValidateRect(dev->getHWND(), nullptr);
    dev->_clear_area(x, y, w, h);
    return captureWindow(dev->getHWND(), 0, 0, 30, 30);
}

void valuesScenario()
{
    armWatchdog(20000, "the values scenario hung");
    startAppDevice();
    Log log;
    GuiRootForm root(&log, 40, 40, 240, 160);
    requireInChild(root.waitPainted(), "the root window is painted");
    TQDwinformDev* dev = formOf(root.add(root.widget(), "c", "formDev", 10, 20, 60, 40));
    HWND window = dev->getHWND();
    RECT area;
    GetWindowRect(window, &area);
    MapWindowPoints(nullptr, root.hwnd(), reinterpret_cast<POINT*>(&area), 2);
    requireInChild(GetParent(window) == root.hwnd() && area.left == 10 && area.top == 20 &&
                       area.right == 70 && area.bottom == 60,
                   "a child window at the device's place in the root's window");
    requireInChild(dev->beginDraw(0, 0, 10, 10, 1, 0) == -1, "no drawing before the first paint");
    requireInChild(painted(dev), "the child window is painted");
    requireInChild(dev->beginDraw(0, 0, 23767, 10, 1, 0) == -1 &&
                       dev->beginDraw(0, 0, 10, 23767, 1, 0) == -1,
                   "a side of 23767 is refused");
    requireInChild(dev->beginDraw(0, 0, 32767, 10, 1, 0) == 0 && dev->endDraw() == 0,
                   "a painted window draws");

    char style = 1;
    dev->setValue(TQDdev::VALUE_PIXMAP_STYLE, &style);
    requireInChild(dev->createPixmap() == 0 && dev->getPixmap() != nullptr, "a pixmap");
    unsigned short same = 60;
    short sameY = 20;
    dev->setValue(TQDdev::VALUE_WIDTH, &same);
    dev->setValue(TQDdev::VALUE_Y, &sameY);
    requireInChild(dev->getPixmap() != nullptr,
                   "the current width changes nothing, not even the pixmap");
    unsigned short zero = 0;
    dev->setValue(TQDdev::VALUE_WIDTH, &zero);
    GetClientRect(window, &area);
    requireInChild(dev->getWidth() == 0 && area.right == 60 && dev->getPixmap() == nullptr,
                   "width 0 is stored and drops the pixmap but leaves the window");

    TQDwinformDev* empty = formOf(root.add(root.widget(), "e", "formDev", 0, 0, 0, 0));
    GetClientRect(empty->getHWND(), &area);
    requireInChild(area.right == 1 && area.bottom == 1, "a size of 0 makes a window of 1 x 1");

    // Moving a form exposes its child forms where they overlap it, and their
    // children over the whole child, from its origin.
    GuiTestWidget* outer = root.add(root.widget(), "o", "formDev", 100, 10, 100, 80);
    GuiTestWidget* inner = root.add(outer, "i", "formDev", 50, 40, 100, 100);
    root.add(inner, "g", "formDev", 60, 50, 20, 20);
    root.add(inner, "far", "formDev", 120, 0, 20, 20);
    pumpPendingMessages(kPatience);
    log.clear();
    short x = 101;
    outer->getowndev()->setValue(TQDdev::VALUE_X, &x);
    requireInChild(log == (Log{"i 9 (0,0,50,40)", "g 9 (0,0,20,20)"}),
                   "the overlap in the child's coordinates, then its children within it");

    GuiTestWidget* hidden = root.add(root.widget(), "h", "formDev", 0, 0, 10, 10);
    hidden->setVisible(0);
    hidden->getowndev()->setVisible(1);
    requireInChild(!IsWindowVisible(formOf(hidden)->getHWND()),
                   "showing the device of a hidden widget hides it");
    passInChild();
}

void backgroundScenario()
{
    armWatchdog(20000, "the background scenario hung");
    startAppDevice();
    Log log;
    GuiRootForm root(&log, 40, 40, 240, 160);
    root.waitPainted();
    TQDwinformDev* dev = formOf(root.add(root.widget(), "c", "formDev", 10, 10, 100, 80));
    setBackColor(dev, "#ff0000");
    requireInChild(painted(dev), "painted in the background colour");
    requireInChild(captureWindow(dev->getHWND(), 0, 0, 100, 80)->count(0, 0, 100, 80, kRed) == 8000,
                   "the whole window is red");

    setBackColor(dev, "#00ff00");
    auto shot = clearNow(dev, 5, 5, 10, 10);
    requireInChild(shot->count(5, 5, 10, 10, kGreen) == 100 &&
                       shot->count(0, 0, 30, 30, kGreen) == 100,
                   "a solid clear fills exactly its rectangle");

    short tile = tileImageNo("tile", false);
    dev->setValue(TQDdev::VALUE_BACK_IMAGE, &tile);
    shot = clearNow(dev, 5, 5, 10, 10);
    requireInChild(shot->pixel(5, 5) == tileColour(1, 1) && shot->pixel(8, 8) == tileColour(0, 0) &&
                       shot->pixel(14, 14) == tileColour(2, 2) && shot->pixel(15, 15) == kRed &&
                       shot->pixel(4, 4) == kRed,
                   "the tiles are anchored at the window's origin and cut to the rectangle");

    short maskedTile = tileImageNo("masked tile", true);
    dev->setValue(TQDdev::VALUE_BACK_IMAGE, &maskedTile);
    shot = clearNow(dev, 0, 0, 8, 8);
    requireInChild(shot->pixel(0, 0) == tileColour(0, 0) && shot->pixel(4, 4) == tileColour(0, 0) &&
                       shot->pixel(1, 1) == kGreen && shot->pixel(6, 5) == kGreen,
                   "a masked tile shows the background colour where it is transparent");
    passInChild();
}

void pixmapExposeScenario()
{
    armWatchdog(20000, "the pixmap scenario hung");
    TQDwinAppDev* app = startAppDevice();
    Log log;
    GuiRootForm root(&log, 40, 40, 240, 160);
    root.waitPainted();
    GuiTestWidget* widget = root.add(root.widget(), "p", "formDev", 10, 10, 60, 40);
    TQDwinformDev* dev = formOf(widget);
    setBackColor(dev, "#ff0000");
    char style = 1;
    dev->setValue(TQDdev::VALUE_PIXMAP_STYLE, &style);
    requireInChild(painted(dev) && dev->getPixmap() != nullptr, "painted through a pixmap");
    HDC pixmap = reinterpret_cast<HDC>(dev->getContextResource());
    requireInChild(captureContext(pixmap, 0, 0, 60, 40)->count(0, 0, 60, 40, kRed) == 2400,
                   "the pixmap holds the background");

    HBRUSH green = CreateSolidBrush(kGreen);
    RECT part = {0, 0, 20, 40};
    FillRect(pixmap, &part, green);
    DeleteObject(green);
    log.clear();
    InvalidateRect(dev->getHWND(), nullptr, FALSE);
    pumpPendingMessages(kPatience);
    auto shot = captureWindow(dev->getHWND(), 0, 0, 60, 40);
    requireInChild(shot->count(0, 0, 20, 40, kGreen) == 800 &&
                       shot->count(20, 0, 40, 40, kRed) == 1600,
                   "the expose copies the pixmap to the window");
    requireInChild(!logged(log, "p 9 (0,0,60,40)"), "without asking the widget to draw");

    // Waiting devices repaint from the application device.
    style = 0;
    dev->setValue(TQDdev::VALUE_PIXMAP_STYLE, &style);
    dev->setExposed(0);
    log.clear();
    app->update();
    requireInChild(dev->getExposed() && app->delUpdateDev(dev) == -1 &&
                       logged(log, "p 9 (0,0,60,40)"),
                   "update() clears and exposes each waiting device and takes it off the list");
    requireInChild(captureWindow(dev->getHWND(), 0, 0, 60, 40)->count(0, 0, 60, 40, kRed) == 2400,
                   "cleared in its background colour");
    passInChild();
}

// Notes every WM_DESTROY that reaches it; the pixmap's first bitmap shows.
class WatchedFormDev : public TQDwinformDev {
public:
    long dispatchEvent(WinEvent* event) override
    {
        destroys += event->message == WM_DESTROY ? 1 : 0;
        return TQDwinformDev::dispatchEvent(event);
    }
    HBITMAP initialBitmap() const { return savedBitmap; }
    int destroys = 0;
};

void windowEndScenario()
{
    armWatchdog(20000, "the window end scenario hung");
    startAppDevice();
    Log log;
    GuiRootForm root(&log, 40, 40, 240, 160);
    root.waitPainted();
    GuiTestWidget* widget = new GuiTestWidget(&log, "w", root.widget(), nullptr);
    WatchedFormDev* dev = new WatchedFormDev;
    widget->setdev(dev);
    placeDevice(dev, 0, 0, 30, 30);
    widget->setVisible(1);
    HWND window = dev->getHWND();
    requireInChild(painted(dev) && GetPropA(window, "frm") == dev, "a window of the device");

    TQDwinformDev::setPlatformId(1);
    dev->createPixmap();
    HBITMAP pixmap = dev->getPixmap();
    requireInChild(dev->initialBitmap() != nullptr, "Windows 9x keeps the context's first bitmap");
    dev->destroyPixmap();
    requireInChild(dev->initialBitmap() == nullptr && GetObjectType(pixmap) == 0,
                   "and selects it back before the pixmap goes");
    TQDwinformDev::setPlatformId(VER_PLATFORM_WIN32_NT);
    dev->createPixmap();
    pixmap = dev->getPixmap();
    requireInChild(dev->initialBitmap() == nullptr, "Windows NT keeps none");
    dev->destroyPixmap();
    requireInChild(GetObjectType(pixmap) == 0, "and the pixmap is freed all the same");

    dev->destroyWindow();
    requireInChild(!IsWindow(window) && dev->destroys == 0 && dev->getHWND() == nullptr,
                   "\"frm\" goes before the window: its WM_DESTROY reaches no device");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(WinFormDeviceDeathTest, KeysDrawingFrameAndWindowSize, valuesScenario(), "")

TQ_FRESH_PROCESS_TEST(WinFormDeviceDeathTest, ClearsWithColourTilesAndMaskedTiles,
                      backgroundScenario(), "")

TQ_FRESH_PROCESS_TEST(WinFormDeviceDeathTest, ExposeCopiesThePixmapAndUpdateRepaintsWaitingDevices,
                      pixmapExposeScenario(), "")

TQ_FRESH_PROCESS_TEST(WinFormDeviceDeathTest, PixmapBitmapsAndWindowGoInOrder,
                      windowEndScenario(), "")
