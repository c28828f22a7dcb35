// The form device: values, the child window and its backing pixmap,
// visibility and stacking, and the drawing frame.
#include "TQDwinformDev.h"

#include "TQDwinAppDev.h"
#include "TQGFcreateWindow.h"
#include "TQGFwinMain.h"
#include "TQwin32.h"
#include "_TQCbase.h"
#include "_TQCdevice.h"
#include "_TQDcreateInstance.h"
#include "_TQDmouse.h"

#include <algorithm>
#include <cstdint>

namespace {

// Child window, clipping its siblings and its children, not yet visible.
const DWORD kChildStyle = 0x46000000;
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

} // namespace

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
    resolveBackColor();
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

void TQDwinformDev::repaintBackground()
{
    if (window == nullptr)
        return;
    setExposed(0);
    invalidate(1);
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
    case VALUE_BACK_IMAGE:
        TQDwindowDev::setValue(key, value);
        if (key == VALUE_BACK_COLOR)
            resolveBackColor();
        else
            resolveBackImage();
        repaintBackground();
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
    if (w == 0 || h == 0 || w == REFUSED_SIZE || h == REFUSED_SIZE || !exposed ||
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

TQ_PLATFORM_DEVICE("formDev", TQDwinformDev, _tqcdwinformdev_init_, registerFormDevice)
