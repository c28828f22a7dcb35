// For drawing tests that read the pixels straight from the bits of a DIB
// section (GuiPixels.h): a device that gives the drawing object the size of
// its drawing area, and a fixture that keeps a GDI drawing pass open on a
// white surface, black on white, with colours made by name in the
// application colour set.
#ifndef DIBSURFACE_H
#define DIBSURFACE_H

#include "GuiPixels.h"
#include "TQDwindraw.h"
#include "TQwin32.h"
#include "_TQDdev.h"

class TQDimage;

#include <gtest/gtest.h>

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

// A bitmap of one colour, or two halves, for an image resource.
class Bitmap {
public:
    Bitmap(HDC dc, int w, int h, COLORREF left, COLORREF right);
    Bitmap(HDC dc, int w, int h, COLORREF color) : Bitmap(dc, w, h, color, color) {}
    ~Bitmap() { DeleteObject(handle); }
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    HBITMAP handle;
};

// The image resource of a w x h bitmap, with a mask or none.
void makeImage(TQDimage* image, const Bitmap& bitmap, const Bitmap* mask, int w, int h);

#endif
