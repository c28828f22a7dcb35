// GDI drawing object: bitmaps and icons, aligned, in part or stretched, and
// the software blend of an image with its grey mask; on a printer every
// image is stretched from device units to the page.
#include "TQDwindraw.h"

#include "TQGFwinGdi.h"
#include "TQwin32.h"
#include "_TQDimage.h"
#include "_TQGFdebug.h"

#include <algorithm>
#include <vector>

namespace {

// A w x h copy of what dc shows at (x, y), in a bitmap selected nowhere.
HBITMAP copyOfArea(HDC dc, HPALETTE palette, int x, int y, int w, int h)
{
    HBITMAP copy = CreateCompatibleBitmap(dc, w, h);
    if (copy != nullptr) {
        tqgdi::BitmapContext area(dc, palette, copy);
        BitBlt(area.get(), 0, 0, w, h, dc, x, y, SRCCOPY);
    }
    return copy;
}

// Reads a bitmap selected nowhere as bottom-up 24-bit rows padded to four
// bytes.
std::vector<BYTE> pixelsOf(HDC dc, HBITMAP bitmap, int w, int h, BITMAPINFO* info)
{
    int rowBytes = (3 * w + 3) & ~3;
    std::vector<BYTE> bytes(static_cast<size_t>(rowBytes) * h);
    GetDIBits(dc, bitmap, 0, h, bytes.data(), info, DIB_RGB_COLORS);
    return bytes;
}

// Blends the w x h area at (sx, sy) of the image and mask contexts over the
// background bitmap, byte by byte: mask 0 shows the image, 255 keeps the
// background. Operation 1 keeps only the background the mask lets through.
void blendOver(HDC dc, HPALETTE palette, HBITMAP background, HDC imageContext,
               HDC maskContext, int sx, int sy, int w, int h, unsigned char operation)
{
    if (w <= 0 || h <= 0)
        return;
    BITMAPINFO info = tqgdi::dibHeader(w, h);

    tqgdi::Object image(copyOfArea(imageContext, palette, sx, sy, w, h));
    tqgdi::Object mask(copyOfArea(maskContext, palette, sx, sy, w, h));
    if (image.get() == nullptr || mask.get() == nullptr)
        return;
    std::vector<BYTE> b = pixelsOf(dc, background, w, h, &info);
    std::vector<BYTE> m = pixelsOf(dc, static_cast<HBITMAP>(mask.get()), w, h, &info);
    std::vector<BYTE> i = pixelsOf(dc, static_cast<HBITMAP>(image.get()), w, h, &info);
    for (size_t k = 0; k < b.size(); ++k) {
        unsigned mk = m[k];
        if (operation == 1)
            b[k] = static_cast<BYTE>(mk * b[k] / 255);
        else
            b[k] = static_cast<BYTE>((255 - mk) * i[k] / 255 + b[k] * mk / 255);
    }
    SetDIBits(dc, background, 0, h, b.data(), &info, DIB_RGB_COLORS);
}

void copyToContext(HDC dc, HPALETTE palette, HBITMAP bitmap, int x, int y, int w, int h,
                   int sx, int sy, DWORD rop)
{
    tqgdi::BitmapContext source(dc, palette, bitmap);
    BitBlt(dc, x, y, w, h, source.get(), sx, sy, rop);
}

} // namespace

void _draw_image_with_mask(void* context, void* imageContext, void* maskContext, void*, void*,
                           void* palette, int x, int y, int w, int h)
{
    HDC dc = static_cast<HDC>(context);
    HPALETTE pal = static_cast<HPALETTE>(palette);
    tqgdi::Object background(copyOfArea(dc, pal, x, y, w, h));
    if (background.get() == nullptr)
        return;
    HBITMAP blended = static_cast<HBITMAP>(background.get());
    blendOver(dc, pal, blended, static_cast<HDC>(imageContext), static_cast<HDC>(maskContext), 0,
              0, w, h, 0);
    copyToContext(dc, pal, blended, x, y, w, h, 0, 0, SRCCOPY);
}

void _draw_stretch_image_with_mask(void* context, void* imageContext, void* maskContext, void*,
                                   void*, void* palette, int dx, int dy, int dw, int dh, int sx,
                                   int sy, int sw, int sh, unsigned char operation)
{
    HDC dc = static_cast<HDC>(context);
    HPALETTE pal = static_cast<HPALETTE>(palette);
    tqgdi::Object background(CreateCompatibleBitmap(dc, sw, sh));
    if (background.get() == nullptr)
        return;
    HBITMAP blended = static_cast<HBITMAP>(background.get());
    {
        tqgdi::BitmapContext area(dc, pal, blended);
        SetStretchBltMode(area.get(), COLORONCOLOR);
        StretchBlt(area.get(), 0, 0, sw, sh, dc, dx, dy, dw, dh, SRCCOPY);
    }
    blendOver(dc, pal, blended, static_cast<HDC>(imageContext), static_cast<HDC>(maskContext),
              sx, sy, sw, sh, operation);
    tqgdi::BitmapContext source(dc, pal, blended);
    StretchBlt(dc, dx, dy, dw, dh, source.get(), 0, 0, sw, sh,
               operation == 1 ? PATINVERT : SRCCOPY);
}

namespace {

// Where a whole iw x ih image lands in a w x h box for one of the nine
// alignments.
void alignedOffset(char align, long w, long h, long iw, long ih, long* dx, long* dy)
{
    long right = w - iw;
    long bottom = h - ih;
    long centreX = (w - iw) / 2;
    long centreY = (h - ih) / 2;
    switch (align) {
    case 0: *dx = 0; *dy = centreY; break;
    case 1: *dx = right; *dy = centreY; break;
    case 2: *dx = centreX; *dy = centreY; break;
    case 3: *dx = centreX; *dy = 0; break;
    case 4: *dx = centreX; *dy = bottom; break;
    case 6: *dx = 0; *dy = bottom; break;
    case 7: *dx = right; *dy = 0; break;
    case 8: *dx = right; *dy = bottom; break;
    default: *dx = 0; *dy = 0; break;
    }
}

// The platform values of an image: the bitmap or icon (null when there is
// none to draw), the mask (null without) and the kind (0 bitmap, 1 icon).
struct ImageHandles {
    void* image;
    void* mask;
    long kind;
};

// -1 without a context or an image, 0 when the image has nothing to draw,
// 1 when handles holds what to draw.
int handlesOf(void* context, TQDimage* image, ImageHandles* handles)
{
    if (context == nullptr || image == nullptr)
        return -1;
    long handle = image->getValue1();
    long mask = image->getValue3();
    *handles = ImageHandles{nullptr, nullptr, image->getValue2()};
    if (handle != 0 && handle != -1)
        handles->image = reinterpret_cast<void*>(handle);
    if (mask != 0 && mask != -1)
        handles->mask = reinterpret_cast<void*>(mask);
    return handles->image != nullptr ? 1 : 0;
}

} // namespace

// One copy of an image (part) onto the context: the destination, the source
// point in the image, and for a masked image where the background of the
// whole image is taken from.
struct TQDwindraw::ImageBlit {
    Box dest;
    long sourceX;
    long sourceY;
    long imageWidth;
    long imageHeight;
    DWORD plainRop;
    long backgroundX;
    long backgroundY;
    DWORD maskedRop;
};

void TQDwindraw::blitImage(const ImageBlit& blit, void* bitmap, void* mask)
{
    if (blit.dest.w <= 0 || blit.dest.h <= 0)
        return;
    if (m_printing) {
        printImage(blit, bitmap, mask);
        return;
    }
    HDC dc = static_cast<HDC>(context());
    HPALETTE palette = static_cast<HPALETTE>(m_palette);
    tqgdi::BitmapContext image(dc, palette, static_cast<HGDIOBJ>(bitmap));
    if (mask == nullptr) {
        BitBlt(dc, blit.dest.x, blit.dest.y, blit.dest.w, blit.dest.h, image.get(),
               blit.sourceX, blit.sourceY, blit.plainRop);
        return;
    }
    tqgdi::BitmapContext maskContext(dc, palette, static_cast<HGDIOBJ>(mask));
    int iw = static_cast<int>(blit.imageWidth);
    int ih = static_cast<int>(blit.imageHeight);
    tqgdi::Object background(copyOfArea(dc, palette, blit.backgroundX, blit.backgroundY, iw, ih));
    if (background.get() == nullptr)
        return;
    HBITMAP blended = static_cast<HBITMAP>(background.get());
    blendOver(dc, palette, blended, image.get(), maskContext.get(), 0, 0, iw, ih,
              pass.operation);
    copyToContext(dc, palette, blended, blit.dest.x, blit.dest.y, blit.dest.w, blit.dest.h,
                  blit.sourceX, blit.sourceY, blit.maskedRop);
}

// The destination part, clipped in device units, lands at its page position
// and size: a plain image through a bitmap of that size, a masked one
// blended there.
void TQDwindraw::printImage(const ImageBlit& blit, void* bitmap, void* mask)
{
    HDC dc = static_cast<HDC>(context());
    HPALETTE palette = static_cast<HPALETTE>(m_palette);
    int x = pageX(blit.dest.x);
    int y = pageY(blit.dest.y);
    int w = pageWidth(blit.dest.w);
    int h = pageHeight(blit.dest.h);
    int sx = static_cast<int>(blit.sourceX);
    int sy = static_cast<int>(blit.sourceY);
    int sw = static_cast<int>(blit.dest.w);
    int sh = static_cast<int>(blit.dest.h);
    if (w <= 0 || h <= 0)
        return;
    tqgdi::BitmapContext image(dc, palette, static_cast<HGDIOBJ>(bitmap));
    if (mask != nullptr) {
        tqgdi::BitmapContext maskContext(dc, palette, static_cast<HGDIOBJ>(mask));
        _draw_stretch_image_with_mask(dc, image.get(), maskContext.get(), nullptr, nullptr,
                                      palette, x, y, w, h, sx, sy, sw, sh, pass.operation);
        return;
    }
    tqgdi::Object stretched(CreateCompatibleBitmap(dc, w, h));
    if (stretched.get() == nullptr)
        return;
    {
        tqgdi::BitmapContext page(dc, palette, stretched.get());
        SetStretchBltMode(page.get(), COLORONCOLOR);
        StretchBlt(page.get(), 0, 0, w, h, image.get(), sx, sy, sw, sh, SRCCOPY);
    }
    copyToContext(dc, palette, static_cast<HBITMAP>(stretched.get()), x, y, w, h, 0, 0,
                  pass.operation == 1 ? PATINVERT : SRCCOPY);
}

long TQDwindraw::drawImage(short x, short y, unsigned short w, unsigned short h,
                           TQDimage* image, char align)
{
    ImageHandles handles;
    int drawable = handlesOf(context(), image, &handles);
    if (drawable <= 0)
        return drawable;
    HDC dc = static_cast<HDC>(context());
    __dbprintf("TQDwindraw::drawImage pix=0x%lx pix2=0x%lx pix3=0x%x\n",
               reinterpret_cast<unsigned long>(handles.image),
               reinterpret_cast<unsigned long>(handles.mask), 0);

    POINT size = {image->getImageWidth(), image->getImageHeight()};
    DPtoLP(dc, &size, 1);
    long iw = size.x;
    long ih = size.y;
    long dx = 0;
    long dy = 0;
    alignedOffset(align, w, h, iw, ih, &dx, &dy);
    Box saved = currentRegion();
    Box shown = clipToRegion(x, y, w, h);

    if (m_printing)
        __dbprintf("TQDwindraw::drawImage _pr_scale_x=%f _pr_scale_y=%f\n", pageScaleX(),
                   pageScaleY());

    if (handles.kind != 0) {
        setRegion(shown);
        DrawIconEx(dc, pageX(x + dx), pageY(y + dy), static_cast<HICON>(handles.image),
                   pageWidth(iw), pageHeight(ih), 0, nullptr, DI_NORMAL);
        setRegion(saved);
        return 0;
    }

    // Only the part of the image inside the box and the current region.
    Box placed = {x + dx, y + dy, iw, ih};
    long left = std::max(shown.x, placed.x);
    long top = std::max(shown.y, placed.y);
    long right = std::min(shown.x + shown.w, placed.x + placed.w);
    long bottom = std::min(shown.y + shown.h, placed.y + placed.h);
    ImageBlit blit = {Box{left, top, right - left, bottom - top}, left - placed.x,
                      top - placed.y, iw, ih, pass.operation == 1 ? PATINVERT : SRCCOPY,
                      placed.x, placed.y, pass.operation == 1 ? SRCINVERT : SRCCOPY};
    blitImage(blit, handles.image, handles.mask);
    return 0;
}

long TQDwindraw::drawImage(short dx, short dy, short sx, short sy, unsigned short w,
                           unsigned short h, TQDimage* image)
{
    ImageHandles handles;
    int drawable = handlesOf(context(), image, &handles);
    if (drawable <= 0)
        return drawable;
    Box dest = clipToRegion(dx, dy, w, h);
    ImageBlit blit = {dest, dest.x - dx + sx, dest.y - dy + sy, image->getImageWidth(),
                      image->getImageHeight(), SRCCOPY, dx - sx, dy - sy,
                      pass.operation == 1 ? PATINVERT : SRCCOPY};
    blitImage(blit, handles.image, handles.mask);
    return 0;
}

long TQDwindraw::drawStretchedImage(short x, short y, unsigned short w, unsigned short h,
                                    TQDimage* image)
{
    toPage(&x, &y, &w, &h);
    ImageHandles handles;
    int drawable = handlesOf(context(), image, &handles);
    if (drawable <= 0)
        return drawable;
    HDC dc = static_cast<HDC>(context());
    if (handles.kind != 0) {
        DrawIconEx(dc, x, y, static_cast<HICON>(handles.image), w, h, 0, nullptr, DI_NORMAL);
        return 0;
    }
    int iw = image->getImageWidth();
    int ih = image->getImageHeight();
    HPALETTE palette = static_cast<HPALETTE>(m_palette);
    tqgdi::BitmapContext source(dc, palette, static_cast<HGDIOBJ>(handles.image));
    int previousMode = SetStretchBltMode(dc, COLORONCOLOR);
    if (handles.mask != nullptr) {
        tqgdi::BitmapContext maskContext(dc, palette, static_cast<HGDIOBJ>(handles.mask));
        _draw_stretch_image_with_mask(dc, source.get(), maskContext.get(), nullptr, nullptr,
                                      palette, x, y, w, h, 0, 0, iw, ih, pass.operation);
    } else {
        StretchBlt(dc, x, y, w, h, source.get(), 0, 0, iw, ih,
                   pass.operation == 1 ? PATINVERT : SRCCOPY);
    }
    SetStretchBltMode(dc, previousMode);
    return 0;
}
