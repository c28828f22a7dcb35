// Memory context over a 24-bit DIB section.
#include "DibSurface.h"

#include "FakeResources.h"
#include "TQDwinCodeConvert.h"
#include "_TQCcolorSet.h"

DibSurface::DibSurface(int width, int height)
    : m_width(width), m_height(height), m_dc(CreateCompatibleDC(nullptr)), m_bitmap(nullptr),
      m_initialBitmap(nullptr), m_bits(nullptr)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<unsigned char*>(bits);
    m_initialBitmap = SelectObject(m_dc, m_bitmap);
    fill(RGB(255, 255, 255));
}

DibSurface::~DibSurface()
{
    SelectObject(m_dc, m_initialBitmap);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
}

void DibSurface::fill(COLORREF color)
{
    HBRUSH brush = CreateSolidBrush(color);
    RECT all = {0, 0, m_width, m_height};
    FillRect(m_dc, &all, brush);
    DeleteObject(brush);
}

COLORREF DibSurface::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    GdiFlush();
    int rowBytes = (3 * m_width + 3) & ~3;
    const unsigned char* p = m_bits + y * rowBytes + 3 * x;
    return RGB(p[2], p[1], p[0]);
}

int DibSurface::count(int x, int y, int w, int h, COLORREF color) const
{
    int n = 0;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            n += pixel(i, j) == color ? 1 : 0;
    return n;
}

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

void useWinCodeConvert()
{
    static bool initialised = false;
    TQDcodeConvert::_set_code_convert_handler(_code_convert_create_handler_);
    if (!initialised)
        TQGIappCodeConvert()->initialize();
    initialised = true;
}
