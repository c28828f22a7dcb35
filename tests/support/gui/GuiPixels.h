// Pixels read back for tests: a memory context holding a top-down 24-bit
// DIB section whose bits are read directly, and the client area of a window
// or an area of any context (a pixmap's memory context) copied into one;
// and pictures of one colour to draw.
#ifndef GUIPIXELS_H
#define GUIPIXELS_H

#include "TQwin32.h"

#include <memory>

class DibSurface {
public:
    DibSurface(int width, int height);
    ~DibSurface();
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    HDC dc() const { return m_dc; }
    long context() const { return reinterpret_cast<long>(m_dc); }
    void fill(COLORREF color);
    // 0x00bbggrr, as GDI writes colours.
    COLORREF pixel(int x, int y) const;
    // Pixels of the colour in the rectangle.
    int count(int x, int y, int w, int h, COLORREF color) const;
    // Pixels of the w x h area at (0, 0) that differ from other's.
    int differences(const DibSurface& other, int w, int h) const;

private:
    int m_width;
    int m_height;
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_initialBitmap;
    unsigned char* m_bits;
};

// The w x h area at (x, y) of the context, or of the window's client area;
// pixel (0, 0) of the copy is (x, y) of the source.
std::unique_ptr<DibSurface> captureContext(HDC dc, int x, int y, int w, int h);
std::unique_ptr<DibSurface> captureWindow(HWND window, int x, int y, int w, int h);
COLORREF windowPixel(HWND window, int x, int y);

// Writes a PNG file of w x h pixels all of one colour; whether it could.
bool writeSolidPng(const char* path, int w, int h, COLORREF color);

#endif
