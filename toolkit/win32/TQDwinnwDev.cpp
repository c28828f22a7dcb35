// The window-less device and the shared bitmap it draws through.
#include "TQDwinnwDev.h"

#include "TQGFwinAppWindow.h"
#include "TQwin32.h"
#include "_TQCdevice.h"
#include "_TQDcreateInstance.h"

#include <algorithm>
#include <cstdint>

namespace {

const unsigned short kMostWidth = 1600;
const unsigned short kMostHeight = 1280;
const unsigned short kFirstSide = 100;

// Shared by every window-less device; the context is made once and kept.
unsigned short g_sharedWidth = 0;
unsigned short g_sharedHeight = 0;
HBITMAP g_sharedBitmap = nullptr;
HDC g_sharedContext = nullptr;

// A bitmap of the size in the shared context, null when it cannot be made.
HBITMAP makeSharedBitmap(unsigned short w, unsigned short h)
{
    HWND appWindow = TQGFgetAppWindow();
    HDC screen = GetDC(appWindow);
    HBITMAP made = CreateCompatibleBitmap(screen, w, h);
    if (made != nullptr && g_sharedContext == nullptr)
        g_sharedContext = CreateCompatibleDC(screen);
    ReleaseDC(appWindow, screen);
    if (made != nullptr && g_sharedContext == nullptr) {
        DeleteObject(made);
        made = nullptr;
    }
    return made;
}

} // namespace

TQDwinnwDev::~TQDwinnwDev() = default;

// The base opens the parent's drawing first: a refusal closes it again.
long TQDwinnwDev::beginDraw(short x, short y, unsigned short w, unsigned short h,
                            unsigned char whole, unsigned char mapped)
{
    if (TQDnwDev::beginDraw(x, y, w, h, whole, mapped) != 0)
        return -1;
    if (getContextResource() != -1)
        return 0;
    endDraw();
    return -1;
}

long TQDwinnwDev::getContextResource()
{
    if (!getUsePixmap()) {
        TQDdev* parent = getParentDev();
        return parent != nullptr ? parent->getContextResource() : -1;
    }
    if (getPixmap() == nullptr)
        return -1;
    return static_cast<long>(reinterpret_cast<std::intptr_t>(g_sharedContext));
}

long TQDwinnwDev::getReady()
{
    TQDdev* parent = getParentDev();
    return parent != nullptr ? parent->getReady() : 0;
}

// A bitmap that cannot be made leaves the process running: the drawing that
// needs it is refused and the bitmap in use stays. An old bitmap goes only
// once its successor is selected.
HBITMAP TQDwinnwDev::getPixmap()
{
    unsigned short w, h;
    getWH(&w, &h);
    w = std::min(w, kMostWidth);
    h = std::min(h, kMostHeight);
    if (g_sharedBitmap != nullptr && w <= g_sharedWidth && h <= g_sharedHeight)
        return g_sharedBitmap;
    unsigned short newWidth = std::max(w, g_sharedWidth);
    unsigned short newHeight = std::max(h, g_sharedHeight);
    if (newWidth == 0)
        newWidth = kFirstSide;
    if (newHeight == 0)
        newHeight = kFirstSide;
    HBITMAP made = makeSharedBitmap(newWidth, newHeight);
    if (made == nullptr)
        return nullptr;
    SelectObject(g_sharedContext, made);
    if (g_sharedBitmap != nullptr)
        DeleteObject(g_sharedBitmap);
    g_sharedBitmap = made;
    g_sharedWidth = newWidth;
    g_sharedHeight = newHeight;
    return made;
}

void TQDwinnwDev::_copy_pixmap_to_window()
{
    TQDdev* parent = getParentDev();
    if (g_sharedBitmap == nullptr || parent == nullptr)
        return;
    long target = parent->getContextResource();
    if (target == 0 || target == -1)
        return;
    short sx, sy, bx, by;
    unsigned short w, h;
    getCopyPixmapGeom(&sx, &sy, &w, &h);
    getBackXY(&bx, &by);
    BitBlt(reinterpret_cast<HDC>(static_cast<std::intptr_t>(target)), bx + sx, by + sy, w, h,
           g_sharedContext, sx, sy, SRCCOPY);
}

TQ_PLATFORM_DEVICE("nwDev", TQDwinnwDev, _tqdwinnwdev_init_, registerWindowlessDevice)
