// A memory context holding a top-down 24-bit DIB section, for drawing tests
// that read the pixels straight from the bits; a device that gives the
// drawing object the size of its drawing area; and a fixture that keeps a
// GDI drawing pass open on a white surface, black on white, with colours
// made by name in the application colour set.
#ifndef DIBSURFACE_H
#define DIBSURFACE_H

#include "TQDwindraw.h"
#include "TQwin32.h"
#include "_TQDdev.h"

#include <gtest/gtest.h>

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

private:
    int m_width;
    int m_height;
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_initialBitmap;
    unsigned char* m_bits;
};

// Only what the drawing object asks of a device.
class SurfaceDev : public TQDdev {
public:
    explicit SurfaceDev(const DibSurface& surface) : m_surface(surface) {}
    long getDeviceResource() override { return 1; }
    long getWindowResource() override { return 2; }
    long getContextResource() override { return m_surface.context(); }
    long getSpecialResource() override { return -1; }
    void setDrawingSize(unsigned short w, unsigned short h) { setWH(w, h); }

private:
    const DibSurface& m_surface;
};

// Makes the Win32 code converter the application's, initialised once, so
// that text reaches GDI as the program converts it.
void useWinCodeConvert();

class SurfaceDrawTest : public ::testing::Test {
protected:
    enum { WIDTH = 200, HEIGHT = 64 };

    SurfaceDrawTest() : surface(WIDTH, HEIGHT), dev(surface) {}
    void SetUp() override;
    void TearDown() override { draw.endDraw(); }
    // The number of the colour, made when new.
    static short colorNo(const char* name);

    DibSurface surface;
    SurfaceDev dev;
    TQDwindraw draw;
};

#endif
