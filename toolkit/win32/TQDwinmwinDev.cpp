// Off-screen device on Win32: the pixmap and its memory context, copies to
// and from the other devices, the RGB buffer, PNG and JPEG files and the
// clipboard.
#include "TQDwinmwinDev.h"

#include "_TQDcreateInstance.h"

#include "TQGFwinAppWindow.h"
#include "TQGFwinDib.h"
#include "TQGFwinGdi.h"
#include "TQGFwinJpeg.h"
#include "TQGFwinPng.h"
#include "TQwin32.h"
#include "_TQCbase.h"
#include "_TQCvariant.h"
#include "_TQDimage.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <new>

namespace {

// The brush exclusive-or the destination, the copy of drawing operation 1.
const DWORD kPatternXorDestination = 0x5A0049;

// A device resource as a handle; -1 and 0 are none.
template <typename Handle> Handle handleOf(long resource)
{
    if (resource == -1 || resource == 0)
        return nullptr;
    return reinterpret_cast<Handle>(static_cast<std::intptr_t>(resource));
}

long resourceOf(const void* handle)
{
    return handle != nullptr ? static_cast<long>(reinterpret_cast<std::intptr_t>(handle)) : -1;
}

// The other side of a copy. Another off-screen device lends its memory
// context as it is. A window's context is taken for the copy, with the
// application palette realised in it, and given back at the end; a form
// device that draws through a backing pixmap also offers that pixmap. A
// window-less device copies on its parent's window at its widget's
// position, which is added to the given point.
class OtherSide {
public:
    OtherSide(TQDdev* dev, bool offScreenTaken, short* x, short* y)
        : m_window(nullptr), m_context(nullptr), m_backing(nullptr), m_oldPalette(nullptr),
          m_offScreen(false)
    {
        if (dev == nullptr)
            return;
        if (offScreenTaken && dev->cast("TQDmwindowDev") != nullptr) {
            m_context = handleOf<HDC>(dev->getContextResource());
            m_offScreen = true;
            return;
        }
        TQDdev* windowDev = dev;
        if (dev->cast("TQDnwDev") != nullptr) {
            addWidgetPosition(dev->getAttachedClient(), x, y);
            windowDev = dev->getParentDev();
        }
        m_window = handleOf<HWND>(dev->getWindowResource());
        if (m_window == nullptr)
            return;
        m_context = GetDC(m_window);
        HPALETTE palette = TQGFgetAppPalette();
        if (m_context != nullptr && palette != nullptr) {
            m_oldPalette = SelectPalette(m_context, palette, FALSE);
            RealizePalette(m_context);
        }
        if (windowDev != nullptr && windowDev->cast("TQDwinformDev") != nullptr &&
            windowDev->getPixmapStyle() != 0)
            m_backing = handleOf<HDC>(windowDev->getContextResource());
    }
    ~OtherSide()
    {
        if (m_window == nullptr || m_context == nullptr)
            return;
        if (m_oldPalette != nullptr)
            SelectPalette(m_context, m_oldPalette, FALSE);
        ReleaseDC(m_window, m_context);
    }
    OtherSide(const OtherSide&) = delete;
    OtherSide& operator=(const OtherSide&) = delete;

    HDC context() const { return m_context; }

    // The same copy onto the window with windowRop and onto a backing
    // pixmap or an off-screen device with pixmapRop.
    void copyFrom(HDC source, int sx, int sy, int w, int h, int dx, int dy, DWORD windowRop,
                  DWORD pixmapRop) const
    {
        BitBlt(m_context, dx, dy, w, h, source, sx, sy, m_offScreen ? pixmapRop : windowRop);
        if (m_backing != nullptr)
            BitBlt(m_backing, dx, dy, w, h, source, sx, sy, pixmapRop);
    }

private:
    // The position properties, whatever their type, read as integers.
    static void addWidgetPosition(TQCbase* widget, short* x, short* y)
    {
        if (widget == nullptr)
            return;
        *x = static_cast<short>(*x + widget->getProperty("x").getInt());
        *y = static_cast<short>(*y + widget->getProperty("y").getInt());
    }

    HWND m_window;
    HDC m_context;
    HDC m_backing;
    HPALETTE m_oldPalette;
    bool m_offScreen;
};

// A w x h bitmap like the destination's, in a context of its own.
class Scratch {
public:
    Scratch(HDC like, int w, int h)
        : m_context(like), m_bitmap(CreateCompatibleBitmap(like, w, h)),
          m_selection(m_context.get(), m_bitmap.get())
    {
    }
    HDC get() const { return m_context.get(); }
    bool ready() const { return m_context.get() != nullptr && m_bitmap.get() != nullptr; }

private:
    tqgdi::MemoryContext m_context;
    tqgdi::Object m_bitmap;
    tqgdi::Selection m_selection;
};

// Runs copy(side), which answers the result, when this device has its pixmap
// and the other side a context; -1 otherwise.
template <typename Copy>
long withOtherSide(bool hasPixmap, TQDdev* dev, bool offScreenTaken, short* x, short* y,
                   Copy copy)
{
    if (!hasPixmap)
        return -1;
    OtherSide side(dev, offScreenTaken, x, y);
    return side.context() != nullptr ? copy(side) : -1;
}

} // namespace

TQDwinmwinDev::TQDwinmwinDev()
    : m_buffer(nullptr), m_bitmap(nullptr), m_context(nullptr), m_initialBitmap(nullptr)
{
}

TQDwinmwinDev::~TQDwinmwinDev()
{
    dropBuffer();
    destroyPixmap();
}

// ---- drawing and resources ----

long TQDwinmwinDev::beginDraw(short x, short y, unsigned short w, unsigned short h,
                              unsigned char whole, unsigned char map)
{
    if (w == 0 || h == 0 || m_context == nullptr)
        return -1;
    return TQDmwindowDev::beginDraw(x, y, w, h, whole, map);
}

long TQDwinmwinDev::getDeviceResource()
{
    return 0;
}

long TQDwinmwinDev::getWindowResource()
{
    return resourceOf(m_context);
}

long TQDwinmwinDev::getContextResource()
{
    return resourceOf(m_context);
}

long TQDwinmwinDev::getSpecialResource()
{
    return resourceOf(TQGFgetAppWindow());
}

// ---- pixmap ----

// Any failure, an empty size included, leaves no pixmap at all, so the
// recorded size never disagrees with the pixmap there is.
long TQDwinmwinDev::createPixmap(unsigned short w, unsigned short h)
{
    setGeometry(w, h);
    dropBuffer();
    HWND window = TQGFgetAppWindow();
    HDC windowContext = w != 0 && h != 0 ? GetDC(window) : nullptr;
    HBITMAP bitmap = windowContext != nullptr ? CreateCompatibleBitmap(windowContext, w, h)
                                              : nullptr;
    destroyPixmap();
    HDC context = bitmap != nullptr ? CreateCompatibleDC(windowContext) : nullptr;
    if (windowContext != nullptr)
        ReleaseDC(window, windowContext);
    if (context == nullptr) {
        if (bitmap != nullptr)
            DeleteObject(bitmap);
        return -1;
    }
    m_initialBitmap = SelectObject(context, bitmap);
    m_context = context;
    m_bitmap = bitmap;
    return 0;
}

// The context goes first: a bitmap still selected somewhere is not deleted.
long TQDwinmwinDev::destroyPixmap()
{
    if (m_context != nullptr) {
        SelectObject(m_context, static_cast<HGDIOBJ>(m_initialBitmap));
        DeleteDC(m_context);
    }
    if (m_bitmap != nullptr)
        DeleteObject(m_bitmap);
    m_context = nullptr;
    m_bitmap = nullptr;
    m_initialBitmap = nullptr;
    return 0;
}

// ---- copies ----

long TQDwinmwinDev::copyToWindow(TQDdev* dst, short x, short y, unsigned short w,
                                 unsigned short h, short dx, short dy)
{
    DWORD rop = getOperation() == 1 ? kPatternXorDestination : SRCCOPY;
    return withOtherSide(hasPixmap(), dst, true, &dx, &dy, [&](const OtherSide& side) {
        side.copyFrom(m_context, x, y, w, h, dx, dy, SRCCOPY, rop);
        return 0L;
    });
}

long TQDwinmwinDev::copyFromWindow(TQDdev* dst, short x, short y, unsigned short w,
                                   unsigned short h, short dx, short dy)
{
    return withOtherSide(hasPixmap(), dst, false, &x, &y, [&](const OtherSide& side) {
        BitBlt(m_context, dx, dy, w, h, side.context(), x, y, SRCCOPY);
        return 0L;
    });
}

long TQDwinmwinDev::copyToWindowWithMask(TQDdev* dst, short x, short y, unsigned short w,
                                         unsigned short h, short dx, short dy, TQDimage* mask)
{
    if (!hasPixmap())
        return -1;
    HBITMAP maskBitmap = mask != nullptr ? handleOf<HBITMAP>(mask->getValue1()) : nullptr;
    tqgdi::MemoryContext maskContext(m_context);
    // An image that is an icon, or a bitmap held elsewhere, does not select:
    // then there is no mask.
    HGDIOBJ previous = maskBitmap != nullptr && maskContext.get() != nullptr
                           ? SelectObject(maskContext.get(), maskBitmap)
                           : nullptr;
    long result = copyMasked(dst, x, y, w, h, dx, dy,
                             previous != nullptr ? maskContext.get() : nullptr,
                             kPatternXorDestination);
    if (previous != nullptr)
        SelectObject(maskContext.get(), previous);
    return result;
}

long TQDwinmwinDev::copyToWindowWithMask(TQDdev* dst, short x, short y, unsigned short w,
                                         unsigned short h, short dx, short dy,
                                         TQDmwindowDev* mask)
{
    TQDwinmwinDev* winMask =
        mask != nullptr ? static_cast<TQDwinmwinDev*>(mask->cast(getThisClassName())) : nullptr;
    if (winMask == nullptr || !hasPixmap())
        return -1;
    return copyMasked(dst, x, y, w, h, dx, dy, winMask->m_context, SRCINVERT);
}

// The picture masked in a scratch copy (A = picture AND mask), the
// destination cleared where the mask lets the picture through (destination
// AND NOT mask), then A ORed in. Operation 1 leaves the destination as it is
// and ends with lastRop instead of the OR.
long TQDwinmwinDev::copyMasked(TQDdev* dst, short x, short y, unsigned short w,
                               unsigned short h, short dx, short dy, HDC__* maskContext,
                               unsigned long lastRop)
{
    bool exclusive = getOperation() == 1;
    return withOtherSide(hasPixmap(), dst, true, &dx, &dy, [&](const OtherSide& side) {
        Scratch picture(side.context(), w, h);
        Scratch inverse(side.context(), w, h);
        if (!picture.ready() || !inverse.ready())
            return -1L;
        BitBlt(picture.get(), 0, 0, w, h, m_context, x, y, SRCCOPY);
        if (maskContext != nullptr) {
            BitBlt(inverse.get(), 0, 0, w, h, maskContext, 0, 0, NOTSRCCOPY);
            BitBlt(picture.get(), 0, 0, w, h, maskContext, 0, 0, SRCAND);
            if (!exclusive)
                side.copyFrom(inverse.get(), 0, 0, w, h, dx, dy, SRCAND, SRCAND);
        }
        DWORD rop = exclusive ? static_cast<DWORD>(lastRop) : SRCPAINT;
        side.copyFrom(picture.get(), 0, 0, w, h, dx, dy, rop, rop);
        return 0L;
    });
}

// ---- RGB buffer ----

void TQDwinmwinDev::dropBuffer()
{
    delete[] m_buffer;
    m_buffer = nullptr;
}

unsigned char* TQDwinmwinDev::bufferPixel(unsigned short x, unsigned short y) const
{
    const auto [w, h] = size();
    if (m_buffer == nullptr || x >= w || y >= h)
        return nullptr;
    return m_buffer + static_cast<std::size_t>(h - y - 1) * TQGFdibStride(w) + 3u * x;
}

// GDI reads and writes the bits of a bitmap that no context holds, so the
// pixmap is taken out of its context for the transfer.
long TQDwinmwinDev::transferBuffer(bool toPixmap)
{
    const auto [w, h] = size();
    BITMAPINFO info = tqgdi::dibHeader(w, h);
    SelectObject(m_context, static_cast<HGDIOBJ>(m_initialBitmap));
    int lines = toPixmap ? SetDIBits(m_context, m_bitmap, 0, h, m_buffer, &info, DIB_RGB_COLORS)
                         : GetDIBits(m_context, m_bitmap, 0, h, m_buffer, &info, DIB_RGB_COLORS);
    SelectObject(m_context, m_bitmap);
    return lines == h ? 0 : -1;
}

long TQDwinmwinDev::initBuffer()
{
    if (!hasPixmap())
        return -1;
    const auto [w, h] = size();
    dropBuffer();
    std::size_t bytes = 0;
    if (!TQGFdibBytes(w, h, &bytes))
        return -1;
    m_buffer = new (std::nothrow) unsigned char[bytes];
    if (m_buffer == nullptr)
        return -1;
    return transferBuffer(false);
}

long TQDwinmwinDev::setBufferRGB(unsigned short x, unsigned short y, unsigned char r,
                                 unsigned char g, unsigned char b)
{
    unsigned char* pixel = bufferPixel(x, y);
    if (pixel == nullptr)
        return -1;
    pixel[0] = b;
    pixel[1] = g;
    pixel[2] = r;
    return 0;
}

long TQDwinmwinDev::getBufferRGB(unsigned short x, unsigned short y, unsigned char* r,
                                 unsigned char* g, unsigned char* b)
{
    const unsigned char* pixel = bufferPixel(x, y);
    if (pixel == nullptr)
        return -1;
    *b = pixel[0];
    *g = pixel[1];
    *r = pixel[2];
    return 0;
}

long TQDwinmwinDev::putBufferToPixmap()
{
    if (m_buffer == nullptr)
        return -1;
    if (!hasPixmap())
        return 0;
    return transferBuffer(true);
}

// ---- files and clipboard ----

// The file is closed on every path, and an error that shows only when the
// last bytes are written fails the save too.
long TQDwinmwinDev::saveFile(char* name, long type)
{
    if (type != FILE_TYPE_PNG && type != FILE_TYPE_JPEG)
        return TQDmwindowDev::saveFile(name, type);
    const auto [w, h] = size();
    if (name == nullptr || w == 0 || h == 0 || initBuffer() != 0)
        return -1;
    std::unique_ptr<unsigned char[]> rgb(getBuffer());
    if (!rgb)
        return -1;
    std::FILE* fp = std::fopen(name, "wb");
    if (fp == nullptr)
        return -1;
    long written = type == FILE_TYPE_PNG ? PngWriteBufToFp(fp, rgb.get(), w, h)
                                         : JpegWriteBufToFp(fp, rgb.get(), w, h);
    // The last bytes are flushed by hand: not every C library's fclose
    // reports a failed flush.
    bool flushed = std::fflush(fp) == 0 && !std::ferror(fp);
    int closed = std::fclose(fp);
    return written == 0 && flushed && closed == 0 ? 0 : -1;
}

// The clipboard takes over the bitmap it is given, so it gets a copy: the
// device goes on drawing into its own.
long TQDwinmwinDev::setClipboardData()
{
    if (!hasPixmap())
        return -1;
    const auto [w, h] = size();
    HBITMAP copy = CreateCompatibleBitmap(m_context, w, h);
    if (copy == nullptr)
        return -1;
    {
        tqgdi::MemoryContext copyContext(m_context);
        tqgdi::Selection selection(copyContext.get(), copy);
        BitBlt(copyContext.get(), 0, 0, w, h, m_context, 0, 0, SRCCOPY);
    }
    bool handedOver = false;
    if (OpenClipboard(TQGFgetAppWindow())) {
        EmptyClipboard();
        handedOver = SetClipboardData(CF_BITMAP, copy) != nullptr;
        CloseClipboard();
    }
    if (!handedOver)
        DeleteObject(copy);
    return handedOver ? 0 : -1;
}

TQ_PLATFORM_DEVICE("mwindowDev", TQDwinmwinDev, _tqcdwinmwindev_init_, registerMemoryWindowDevice)
