// The form device: values, the child window and its backing pixmap, the
// drawing frame, and clearing, copying and exposing areas.
#include "TQDwinformDev.h"

#include "TQDwinAppDev.h"
#include "TQDwindraw.h"
#include "TQGFcreateWindow.h"
#include "TQGFwinGdi.h"
#include "TQGFwinMain.h"
#include "TQwin32.h"
#include "_TQCbase.h"
#include "_TQCcolorSet.h"
#include "_TQCdevice.h"
#include "_TQDcreateInstance.h"
#include "_TQCimageSet.h"
#include "_TQDcolor.h"
#include "_TQDimage.h"
#include "_TQDmouse.h"
#include "_TQGFgeometry.h"

#include <algorithm>
#include <cstdint>
#include <memory>

namespace {

// Child window, clipping its siblings and its children, not yet visible.
const DWORD kChildStyle = 0x46000000;
// A size the drawing frame and the clear refuse.
const unsigned long kRefusedSize = 23767;
const long kNotRead = 0;
// Messages are taken from a window's queue at most this often before it
// goes: a paint is validated, so it does not come back.
const int kMostDiscarded = 100;

long g_platformId = kNotRead;

long asLong(const void* handle)
{
    return static_cast<long>(reinterpret_cast<std::intptr_t>(handle));
}

template <typename Handle> Handle fromLong(long value)
{
    return reinterpret_cast<Handle>(static_cast<std::intptr_t>(value));
}

COLORREF colourOf(short number, COLORREF otherwise)
{
    TQDcolor* colour = TQGIappColorSet()->getColor(number);
    return colour != nullptr ? static_cast<COLORREF>(colour->getValue1()) : otherwise;
}

HPALETTE appPalette(TQDwinAppDev* app)
{
    return app != nullptr ? app->getPalette() : nullptr;
}

} // namespace

// The context of an area operation, with the palette selected while it is
// open.
struct TQDwinformDev::Target {
    HDC dc = nullptr;
    bool taken = false;
    HPALETTE previousPalette = nullptr;
};

TQDwinformDev::TQDwinformDev()
    : windowContext(nullptr), pixmapContext(nullptr), pixmap(nullptr), window(nullptr),
      parentWindow(nullptr), backColor(0), backBitmap(nullptr), cursor(nullptr), exposed(0),
      clientWidth(0), clientHeight(0), lastPressTime(0), savedBitmap(nullptr), flags(0),
      drawNesting(0)
{
    getPlatformId();
    short none = -1;
    TQDwindowDev::setValue(VALUE_BACK_COLOR, &none);
    TQDwindowDev::setValue(VALUE_BACK_IMAGE, &none);
}

TQDwinformDev::~TQDwinformDev()
{
    TQDwinformDev::destroyPixmap();
    TQDwinformDev::destroyWindow();
    removeFromUpdateList();
    exposed = 0;
}

long TQDwinformDev::getPlatformId()
{
    if (g_platformId == kNotRead) {
        OSVERSIONINFOA version = {};
        version.dwOSVersionInfoSize = sizeof version;
        GetVersionExA(&version);
        g_platformId = static_cast<long>(version.dwPlatformId);
    }
    return g_platformId;
}

void TQDwinformDev::setPlatformId(long id)
{
    g_platformId = id;
}

TQDwinAppDev* TQDwinformDev::runningApp()
{
    TQDappDev* app = TQDappDev::getInstanceExist() ? TQGIappDev() : nullptr;
    return app != nullptr ? static_cast<TQDwinAppDev*>(app->cast("TQDwinAppDev")) : nullptr;
}

void TQDwinformDev::forgetMouseFocus()
{
    TQDwinAppDev* app = runningApp();
    if (app != nullptr && app->getMouseFocusDev() == this)
        app->setMouseFocusDev(nullptr);
}

void TQDwinformDev::removeFromUpdateList()
{
    if (TQDwinAppDev* app = runningApp())
        app->delUpdateDev(this);
}

// ---------------------------------------------------------------------------
// Resources

TQDdev* TQDwinformDev::getEventParentDev()
{
    return this;
}

long TQDwinformDev::getDeviceResource()
{
    return 0;
}

long TQDwinformDev::getWindowResource()
{
    return window != nullptr ? asLong(window) : -1;
}

long TQDwinformDev::getContextResource()
{
    if (getPixmapStyle() != 0)
        return pixmapContext != nullptr ? asLong(pixmapContext) : -1;
    return asLong(windowContext);
}

long TQDwinformDev::getSpecialResource()
{
    return getWindowResource();
}

long TQDwinformDev::getWindow()
{
    if (getPixmapStyle() != 0)
        return pixmap != nullptr ? asLong(pixmap) : -1;
    return getWindowResource();
}

short TQDwinformDev::getAbsoluteX()
{
    RECT frame = {0, 0, 0, 0};
    GetWindowRect(window, &frame);
    return static_cast<short>(frame.left);
}

short TQDwinformDev::getAbsoluteY()
{
    RECT frame = {0, 0, 0, 0};
    GetWindowRect(window, &frame);
    return static_cast<short>(frame.top);
}

TQDwinformDev* TQDwinformDev::getParentAreaDev()
{
    for (TQDdev* dev = getParentDev(); dev != nullptr; dev = dev->getParentDev()) {
        if (void* area = dev->cast("TQDwinformDev"))
            return static_cast<TQDwinformDev*>(area);
    }
    return nullptr;
}

// ---------------------------------------------------------------------------
// Values

void TQDwinformDev::resolveBackColor()
{
    backColor = colourOf(getBackColorNo(), backColor);
}

// An image whose bitmap is not available counts as none.
void TQDwinformDev::resolveBackImage()
{
    backBitmap = nullptr;
    if (getBackImageNo() == -1)
        return;
    TQDimage* image = TQGIappImageSet()->getImage(getBackImageNo());
    if (image != nullptr && image->getValue1() != -1)
        backBitmap = fromLong<HBITMAP>(image->getValue1());
}

void TQDwinformDev::resolveCursor()
{
    if (TQDmouse* mouse = TQGIappMouse())
        cursor = fromLong<HCURSOR>(mouse->getMouseCursor(getMouseCursorId()));
}

// Holding the grab clears the widget under the pointer; letting it go
// waits while a button is down.
void TQDwinformDev::setGrab(unsigned char on)
{
    TQDwinAppDev* app = runningApp();
    if (app == nullptr || window == nullptr)
        return;
    app->setGrabFlag(on);
    TQDmouse* mouse = TQGIappMouse();
    if (on) {
        app->setGrabedWnd(window);
        if (mouse != nullptr)
            mouse->setMouseFocusClient(nullptr);
    } else if (mouse == nullptr || mouse->getStatus() == 0) {
        app->setGrabedWnd(nullptr);
    }
}

long TQDwinformDev::setValue(long key, void* value)
{
    short x, y;
    unsigned short w, h;
    getWindowSize(&x, &y, &w, &h);
    switch (key) {
    case VALUE_X:
    case VALUE_Y: {
        short v = *static_cast<short*>(value);
        if (v == (key == VALUE_X ? x : y))
            return 0;
        TQDwindowDev::setValue(key, value);
        if (window != nullptr) {
            RECT area;
            GetClientRect(window, &area);
            getWindowSize(&x, &y, &w, &h);
            MoveWindow(window, x, y, area.right, area.bottom, TRUE);
            if (getVisible())
                _expose_children(0, 0, w, h);
        }
        return 0;
    }
    case VALUE_WIDTH:
    case VALUE_HEIGHT: {
        unsigned short v = *static_cast<unsigned short*>(value);
        bool isWidth = key == VALUE_WIDTH;
        if (v == (isWidth ? w : h))
            return 0;
        if (window == nullptr)
            break;
        if (getPixmapStyle() != 0)
            destroyPixmap();
        bool reported = (flags & RESIZING) && v == (isWidth ? clientWidth : clientHeight);
        if (reported || v == 0)
            break;
        RECT area;
        GetClientRect(window, &area);
        MoveWindow(window, x, y, isWidth ? v : area.right, isWidth ? area.bottom : v, TRUE);
        break;
    }
    case VALUE_BACK_COLOR:
        TQDwindowDev::setValue(key, value);
        resolveBackColor();
        if (window != nullptr) {
            setExposed(0);
            invalidate(1);
        }
        return 0;
    case VALUE_BACK_IMAGE:
        TQDwindowDev::setValue(key, value);
        resolveBackImage();
        if (window != nullptr) {
            setExposed(0);
            invalidate(1);
        }
        return 0;
    case VALUE_MOUSE_CURSOR:
        TQDwindowDev::setValue(key, value);
        resolveCursor();
        return 0;
    case VALUE_GRAB:
        setGrab(*static_cast<unsigned char*>(value));
        break;
    default:
        break;
    }
    TQDwindowDev::setValue(key, value);
    return 0;
}

// ---------------------------------------------------------------------------
// Window and pixmap

HWND TQDwinformDev::makeChildWindow(int x, int y, int w, int h, HWND parent)
{
    TQDwinAppDev* app = runningApp();
    HINSTANCE instance = app != nullptr ? app->getInstanceHandle() : GetModuleHandleA(nullptr);
    HWND made = TQGFcreateWindow(const_cast<char*>(TQGFwindowClassName), const_cast<char*>(""),
                                 kChildStyle, x, y, w, h, parent, nullptr, instance, nullptr);
    if (made != nullptr && app != nullptr && app->getWndProc() != nullptr)
        SetWindowLongA(made, GWL_WNDPROC, asLong(app->getWndProc()));
    return made;
}

long TQDwinformDev::createWindow()
{
    if (!getVisible() || window != nullptr)
        return 0;
    short x, y;
    unsigned short w, h;
    getWindowSize(&x, &y, &w, &h);
    TQDwinformDev* area = getParentAreaDev();
    if (area == nullptr)
        return -1;
    parentWindow = area->getHWND();
    window = makeChildWindow(x, y, std::max<int>(w, 1), std::max<int>(h, 1), parentWindow);
    if (window == nullptr)
        return -1;
    SetPropA(window, "frm", this);
    return 0;
}

void TQDwinformDev::discardQueuedMessages(HWND hwnd)
{
    MSG message;
    for (int i = 0; i < kMostDiscarded && PeekMessageA(&message, hwnd, 0, 0, PM_REMOVE); ++i) {
        if (message.message == WM_PAINT) {
            PAINTSTRUCT paint;
            BeginPaint(hwnd, &paint);
            EndPaint(hwnd, &paint);
        }
    }
}

// "frm" goes first: the window's last messages reach no device.
long TQDwinformDev::destroyWindow()
{
    forgetMouseFocus();
    if (window != nullptr) {
        RemovePropA(window, "frm");
        discardQueuedMessages(window);
        TQGFdestroyWindow(window);
    }
    window = nullptr;
    parentWindow = nullptr;
    setInitialized(0);
    return 0;
}

void TQDwinformDev::getPixmapSize(unsigned short* w, unsigned short* h)
{
    *w = getWidth();
    *h = getHeight();
}

long TQDwinformDev::createPixmap()
{
    if (window == nullptr)
        return -1;
    destroyPixmap();
    unsigned short w, h;
    getPixmapSize(&w, &h);
    HDC dc = windowContext != nullptr ? windowContext : GetDC(window);
    if (pixmapContext == nullptr)
        pixmapContext = CreateCompatibleDC(dc);
    HBITMAP bitmap = pixmapContext != nullptr ? CreateCompatibleBitmap(dc, w, h) : nullptr;
    if (dc != windowContext)
        ReleaseDC(window, dc);
    setPixmap(bitmap);
    if (bitmap == nullptr)
        return -1;
    HGDIOBJ initial = SelectObject(pixmapContext, bitmap);
    // Windows 9x does not free a bitmap still selected into a context.
    if (getPlatformId() != VER_PLATFORM_WIN32_NT)
        savedBitmap = static_cast<HBITMAP>(initial);
    setPixmapCreated(1);
    setExposed(1);
    _setup_pixmap(0, 0, w, h, getBackColorNo(), getBackImageNo());
    exposeExecute(0, 0, w, h);
    return 0;
}

// The context goes before the bitmap it holds, so the bitmap is never
// deleted while selected.
void TQDwinformDev::setPixmap(HBITMAP bitmap)
{
    if (bitmap == nullptr && pixmapContext != nullptr) {
        if (savedBitmap != nullptr)
            SelectObject(pixmapContext, savedBitmap);
        savedBitmap = nullptr;
        DeleteDC(pixmapContext);
        pixmapContext = nullptr;
    }
    if (pixmap != nullptr)
        DeleteObject(pixmap);
    pixmap = bitmap;
}

long TQDwinformDev::destroyPixmap()
{
    setPixmap(nullptr);
    return TQDwindowDev::destroyPixmap();
}

// ---------------------------------------------------------------------------
// Visibility and stacking

long TQDwinformDev::setVisible(unsigned char on)
{
    unsigned char wasVisible = getVisible();
    TQDwindowDev::setVisible(on);
    if (!on || client == nullptr || !client->getVisible()) {
        forgetMouseFocus();
        TQDwinformDev* area = getParentAreaDev();
        if (area != nullptr && area->getHWND() == nullptr)
            destroyWindow();
        else if (window != nullptr)
            ShowWindow(window, SW_HIDE);
        return 0;
    }
    createWindow();
    if (window == nullptr)
        return 0;
    if (getPixmapStyle() != 0 && !wasVisible)
        destroyPixmap();
    ShowWindow(window, SW_SHOW);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    if (!wasVisible) {
        setExposed(0);
        invalidate(0);
    }
    return 0;
}

long TQDwinformDev::raise()
{
    if (window == nullptr)
        return -1;
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    return 0;
}

long TQDwinformDev::lower()
{
    if (window == nullptr)
        return -1;
    SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    return 0;
}

void TQDwinformDev::restackChildren()
{
    if (client == nullptr)
        return;
    TQClistData& children = client->getChildren();
    for (long i = 0; i < children.getNum(); ++i) {
        TQDdev* dev = static_cast<TQCbase*>(children.getData(i))->getowndev();
        if (void* form = dev != nullptr ? dev->cast("TQDwinformDev") : nullptr)
            static_cast<TQDwinformDev*>(form)->raise();
    }
}

void TQDwinformDev::invalidate(unsigned char erase)
{
    if (window == nullptr)
        return;
    RECT area;
    GetClientRect(window, &area);
    InvalidateRect(window, &area, erase);
    setExposed(0);
}

void TQDwinformDev::setExposed(unsigned char on)
{
    if (TQDwinAppDev* app = runningApp()) {
        if (on)
            app->delUpdateDev(this);
        else
            app->addUpdateDev(this);
    }
    exposed = on;
}

// ---------------------------------------------------------------------------
// Drawing frame

// Drawings nest (a window-less widget opens its parent's): the window's
// context is taken by the outermost one and given back by its end.
long TQDwinformDev::beginDraw(short x, short y, unsigned short w, unsigned short h,
                              unsigned char whole, unsigned char mapped)
{
    if (w == 0 || h == 0 || w == kRefusedSize || h == kRefusedSize || !exposed ||
        window == nullptr)
        return -1;
    if (getPixmapStyle() != 0 && pixmapContext == nullptr && createPixmap() != 0)
        setPixmapStyle(0);
    if (getPixmapStyle() == 0 && drawNesting++ == 0)
        windowContext = GetDC(window);
    if (TQDwindowDev::beginDraw(x, y, w, h, whole, mapped) == 0)
        return 0;
    releaseWindowContext();
    return -1;
}

long TQDwinformDev::endDraw()
{
    TQDwindowDev::endDraw();
    releaseWindowContext();
    return 0;
}

void TQDwinformDev::releaseWindowContext()
{
    if (windowContext == nullptr || --drawNesting != 0)
        return;
    ReleaseDC(WindowFromDC(windowContext), windowContext);
    windowContext = nullptr;
}

// ---------------------------------------------------------------------------
// Areas

bool TQDwinformDev::openTarget(Target& target, bool toPixmap)
{
    if (toPixmap) {
        target.dc = pixmapContext;
    } else if (windowContext != nullptr) {
        target.dc = windowContext;
    } else {
        target.dc = GetDC(window);
        target.taken = true;
    }
    if (target.dc == nullptr)
        return false;
    if (HPALETTE palette = appPalette(runningApp())) {
        target.previousPalette = SelectPalette(target.dc, palette, FALSE);
        RealizePalette(target.dc);
    }
    return true;
}

void TQDwinformDev::closeTarget(Target& target)
{
    if (target.dc == nullptr)
        return;
    if (target.previousPalette != nullptr)
        SelectPalette(target.dc, target.previousPalette, FALSE);
    if (target.taken)
        ReleaseDC(window, target.dc);
}

void TQDwinformDev::_copy_area(long x, long y, unsigned long w, unsigned long h, long dx,
                               long dy, unsigned char toWindow)
{
    if (!exposed || window == nullptr)
        return;
    Target target;
    if (!openTarget(target, false))
        return;
    if (toWindow) {
        if (pixmapContext != nullptr)
            BitBlt(target.dc, dx, dy, w, h, pixmapContext, x, y, SRCCOPY);
    } else {
        BitBlt(target.dc, dx, dy, w, h, target.dc, x, y, SRCCOPY);
        if (pixmapContext != nullptr) {
            SelectClipRgn(pixmapContext, nullptr);
            BitBlt(pixmapContext, dx, dy, w, h, pixmapContext, x, y, SRCCOPY);
        }
    }
    closeTarget(target);
}

void TQDwinformDev::fillBackground(HDC dc, long x, long y, unsigned long w, unsigned long h,
                                   unsigned long colour)
{
    tqgdi::Object brush(CreateSolidBrush(colour));
    RECT area = {x, y, x + static_cast<long>(w), y + static_cast<long>(h)};
    FillRect(dc, &area, static_cast<HBRUSH>(brush.get()));
}

// Tiles start at the device's origin, so the pattern stays put whatever
// part of the area is cleared; tiles wholly left of or above the rectangle
// are skipped.
void TQDwinformDev::tileBackground(HDC dc, long x, long y, unsigned long w, unsigned long h,
                                   unsigned long colour)
{
    TQDimage* image = TQGIappImageSet()->getImage(getBackImageNo());
    if (image == nullptr)
        return;
    HPALETTE palette = appPalette(runningApp());
    tqgdi::BitmapContext tile(dc, palette, backBitmap);
    if (tile.get() == nullptr)
        return;
    POINT size = {image->getImageWidth(), image->getImageHeight()};
    DPtoLP(tile.get(), &size, 1);
    long tw = std::max(size.x, 1L);
    long th = std::max(size.y, 1L);
    long right = x + static_cast<long>(w);
    long bottom = y + static_cast<long>(h);
    tqgdi::Object clip(CreateRectRgn(x, y, right, bottom));
    SelectClipRgn(dc, static_cast<HRGN>(clip.get()));
    long maskValue = image->getValue3();
    HBITMAP mask = maskValue != -1 ? fromLong<HBITMAP>(maskValue) : nullptr;
    std::unique_ptr<tqgdi::BitmapContext> maskContext;
    if (mask != nullptr) {
        maskContext.reset(new tqgdi::BitmapContext(dc, palette, mask));
        fillBackground(dc, x, y, w, h, colour);
    }
    for (long tx = x > 0 ? x - x % tw : 0; tx < right; tx += tw) {
        for (long ty = y > 0 ? y - y % th : 0; ty < bottom; ty += th) {
            if (maskContext != nullptr)
                _draw_image_with_mask(dc, tile.get(), maskContext->get(), backBitmap, mask,
                                      palette, tx, ty, tw, th);
            else
                BitBlt(dc, tx, ty, tw, th, tile.get(), 0, 0, SRCCOPY);
        }
    }
    SelectClipRgn(dc, nullptr);
}

void TQDwinformDev::_clear_area(long x, long y, unsigned long w, unsigned long h)
{
    if (w == kRefusedSize || h == kRefusedSize || x + static_cast<long>(w) < 0 ||
        y + static_cast<long>(h) < 0 || window == nullptr)
        return;
    bool toPixmap = getPixmapStyle() != 0;
    if (toPixmap && pixmapContext == nullptr)
        createPixmap();
    Target target;
    if (!openTarget(target, toPixmap))
        return;
    if (backBitmap == nullptr)
        fillBackground(target.dc, x, y, w, h, backColor);
    else
        tileBackground(target.dc, x, y, w, h, backColor);
    closeTarget(target);
}

// The background image is always the device's own.
void TQDwinformDev::_setup_pixmap(short x, short y, unsigned short w, unsigned short h,
                                  short backColorNo, short)
{
    if (!exposed)
        exposed = 1;
    if (pixmapContext == nullptr || window == nullptr)
        return;
    COLORREF colour = colourOf(backColorNo, RGB(0, 0, 0));
    if (pixmap == nullptr && (createPixmap() != 0 || pixmap == nullptr))
        return;
    Target target;
    if (!openTarget(target, true))
        return;
    if (backBitmap == nullptr) {
        SelectClipRgn(pixmapContext, nullptr);
        fillBackground(pixmapContext, x, y, w, h, colour);
    } else {
        tileBackground(pixmapContext, x, y, w, h, colour);
    }
    closeTarget(target);
}

void TQDwinformDev::_clear_and_expose()
{
    unsigned short w = getWidth(), h = getHeight();
    _clear_area(0, 0, w, h);
    setExposed(1);
    TQCrect all = {0, 0, w, h};
    TQDwindowDev::onExpose(&all);
}

void TQDwinformDev::_expose_children(short, short, unsigned short, unsigned short)
{
    if (client != nullptr)
        exposeChildrenOver(client->getChildren(), 0, 0, getWidth(), getHeight(), true);
}

// A copy is walked: exposing may change the children.
void TQDwinformDev::exposeChildrenOver(TQClistData& children, short x, short y,
                                       unsigned short w, unsigned short h, bool deeper)
{
    TQClistData walked(children);
    for (long i = 0; i < walked.getNum(); ++i) {
        TQCbase* child = static_cast<TQCbase*>(walked.getData(i));
        TQDdev* dev = child->getVisible() ? child->getdev() : nullptr;
        void* form = dev != nullptr ? dev->cast("TQDwinformDev") : nullptr;
        if (form == nullptr)
            continue;
        TQDwinformDev* childDev = static_cast<TQDwinformDev*>(form);
        short cx, cy;
        unsigned short cw, ch;
        childDev->getWindowSize(&cx, &cy, &cw, &ch);
        long ox, oy;
        unsigned long ow, oh;
        TQGFandArea(x, y, w, h, cx, cy, cw, ch, &ox, &oy, &ow, &oh);
        if (ow == 0 || oh == 0)
            continue;
        childDev->clearArea(ox - cx, oy - cy, ow, oh, 1, 0);
        if (deeper)
            childDev->_expose_children(0, 0, static_cast<unsigned short>(ow),
                                       static_cast<unsigned short>(oh));
    }
}

void TQDwinformDev::paintBackground(HWND hwnd)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    HPALETTE palette = appPalette(runningApp());
    HPALETTE previous = palette != nullptr ? SelectPalette(dc, palette, FALSE) : nullptr;
    if (palette != nullptr)
        RealizePalette(dc);
    const RECT& area = paint.rcPaint;
    fillBackground(dc, area.left, area.top, area.right - area.left, area.bottom - area.top,
                   backColor);
    if (previous != nullptr)
        SelectPalette(dc, previous, FALSE);
    EndPaint(hwnd, &paint);
}

// ---------------------------------------------------------------------------

TQDdev* _tqcdwinformdev_init_()
{
    return new TQDwinformDev;
}

namespace {

void registerFormDevice()
{
    TQGIappDevice()->setCreateHandler("formDev", _tqcdwinformdev_init_);
}

} // namespace

TQ_RUN_AT_START_UP(registerFormDevice)
