// The drawing fixture on a DIB section.
#include "DibSurface.h"

#include "FakeResources.h"
#include "_TQCcolorSet.h"
#include "_TQDimage.h"

void SurfaceDrawTest::SetUp()
{
    TQGIappColorSet()->setCreateHandler(FakeColor::create);
    dev.setDrawingSize(WIDTH, HEIGHT);
    ASSERT_EQ(0, draw.beginDraw(&dev, 1, 2, surface.context()));
    draw.setRegion(0, 0, WIDTH, HEIGHT);
    draw.setForeColor(colorNo("#000000"));
    draw.setBackColor(colorNo("#ffffff"));
}

short SurfaceDrawTest::colorNo(const char* name)
{
    return TQGIappColorSet()->getColorNo(name);
}

namespace {

void fillColumns(HDC dc, int from, int to, int h, COLORREF color)
{
    HBRUSH brush = CreateSolidBrush(color);
    RECT r = {from, 0, to, h};
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

} // namespace

Bitmap::Bitmap(HDC dc, int w, int h, COLORREF left, COLORREF right)
    : handle(CreateCompatibleBitmap(dc, w, h))
{
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, handle);
    fillColumns(memory, 0, w / 2, h, left);
    fillColumns(memory, w / 2, w, h, right);
    SelectObject(memory, previous);
    DeleteDC(memory);
}

void makeImage(TQDimage* image, const Bitmap& bitmap, const Bitmap* mask, int w, int h)
{
    image->setValue1(reinterpret_cast<long>(bitmap.handle));
    image->setValue2(0);
    image->setValue3(mask != nullptr ? reinterpret_cast<long>(mask->handle) : 0);
    image->setImageWidth(static_cast<u16>(w));
    image->setImageHeight(static_cast<u16>(h));
}
