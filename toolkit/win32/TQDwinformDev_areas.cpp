// The form device's areas: the background it clears (a colour, or an image
// tiled from the window's origin), the pixmap's background, copies between
// pixmap and window, and the exposes that reach child forms.
#include "TQDwinformDev.h"

#include "TQDwinAppDev.h"
#include "TQDwindraw.h"
#include "TQGFwinGdi.h"
#include "TQwin32.h"
#include "_TQCbase.h"
#include "_TQCcolorSet.h"
#include "_TQCimageSet.h"
#include "_TQDcolor.h"
#include "_TQDimage.h"
#include "_TQGFarea.h"

#include <algorithm>
#include <cstdint>
#include <memory>

namespace {

COLORREF colourOf(short number, COLORREF otherwise)
{
    TQDcolor* colour = TQGIappColorSet()->getColor(number);
    return colour != nullptr ? static_cast<COLORREF>(colour->getValue1()) : otherwise;
}

HPALETTE appPalette(TQDwinAppDev* app)
{
    return app != nullptr ? app->getPalette() : nullptr;
}

template <typename Handle> Handle fromLong(long value)
{
    return reinterpret_cast<Handle>(static_cast<std::intptr_t>(value));
}

} // namespace

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

// The context of an area operation, with the palette selected while it is
// open.
struct TQDwinformDev::Target {
    HDC dc = nullptr;
    bool taken = false;
    HPALETTE previousPalette = nullptr;
};

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
    if (w == REFUSED_SIZE || h == REFUSED_SIZE || x + static_cast<long>(w) < 0 ||
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
