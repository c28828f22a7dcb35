// Memory context over a 24-bit DIB section, and copies into it.
#include "GuiPixels.h"

#include "TQGFwinPng.h"

#include <cstdio>
#include <vector>

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

int DibSurface::differences(const DibSurface& other, int w, int h) const
{
    int n = 0;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            n += pixel(i, j) != other.pixel(i, j) ? 1 : 0;
    return n;
}

std::unique_ptr<DibSurface> captureContext(HDC dc, int x, int y, int w, int h)
{
    std::unique_ptr<DibSurface> copy(new DibSurface(w, h));
    BitBlt(copy->dc(), 0, 0, w, h, dc, x, y, SRCCOPY);
    return copy;
}

std::unique_ptr<DibSurface> captureWindow(HWND window, int x, int y, int w, int h)
{
    HDC dc = GetDC(window);
    std::unique_ptr<DibSurface> copy = captureContext(dc, x, y, w, h);
    ReleaseDC(window, dc);
    return copy;
}

COLORREF windowPixel(HWND window, int x, int y)
{
    return captureWindow(window, x, y, 1, 1)->pixel(0, 0);
}

bool writeSolidPng(const char* path, int w, int h, COLORREF color)
{
    std::vector<unsigned char> rgb;
    for (int i = 0; i < w * h; ++i)
        rgb.insert(rgb.end(), {GetRValue(color), GetGValue(color), GetBValue(color)});
    std::FILE* fp = std::fopen(path, "wb");
    if (fp == nullptr)
        return false;
    bool written = PngWriteBufToFp(fp, rgb.data(), w, h) == 0;
    return std::fclose(fp) == 0 && written;
}
