// The off-screen device: an image in memory that is drawn on like any device
// and then copied to windows, read and written pixel by pixel through an RGB
// buffer, filled from an image file or saved as a BMP file. The platform
// supplies the image, its drawing context, the copies and the buffer.
#ifndef _TQDMWINDOWDEV_H
#define _TQDMWINDOWDEV_H

#include "_TQDdev.h"

class TQDimage;

class TQDmwindowDev : public TQDdev {
public:
    // saveFile types this class writes itself.
    enum { FILE_TYPE_BMP = 2 };

    TQDmwindowDev();
    ~TQDmwindowDev() override;
    TQ_ROOT_FRAME(TQDmwindowDev, TQDdev)
    static const char* getThisClassName() { return "TQDmwindowDev"; }

    // A new device from the registry's "mwindowDev" creator, owned by the
    // caller; null when none is registered.
    static TQDmwindowDev* getNewInstance();

    // The fifth argument is not used; with map set the rectangle takes the
    // device's offsets and scale.
    long beginDraw(short x, short y, unsigned short w, unsigned short h, unsigned char whole,
                   unsigned char map) override;
    long endDraw() override;
    // 1 when the device, window and context resources are all available.
    long getReady() override;

    // ---- platform image ----
    // Records w and h (also when refusing them), then makes a new image of
    // that size with a drawing context, replacing an earlier one; -1 when w
    // or h is 0.
    virtual long createPixmap(unsigned short w, unsigned short h) = 0;
    virtual long destroyPixmap() = 0;
    // The w x h rectangle at (x, y) of the image to (dx, dy) of dst; -1
    // without an image.
    virtual long copyToWindow(TQDdev* dst, short x, short y, unsigned short w,
                              unsigned short h, short dx, short dy) = 0;
    virtual long copyFromWindow(TQDdev* dst, short x, short y, unsigned short w,
                                unsigned short h, short dx, short dy) = 0;
    virtual long copyToWindowWithMask(TQDdev* dst, short x, short y, unsigned short w,
                                      unsigned short h, short dx, short dy,
                                      TQDimage* mask) = 0;
    virtual long copyToWindowWithMask(TQDdev* dst, short x, short y, unsigned short w,
                                      unsigned short h, short dx, short dy,
                                      TQDmwindowDev* mask) = 0;

    // ---- RGB buffer: a snapshot of the image, (0, 0) at the top left ----
    // Takes a new snapshot; -1 without an image.
    virtual long initBuffer() = 0;
    // -1 without a buffer or when x >= width or y >= height.
    virtual long setBufferRGB(unsigned short x, unsigned short y, unsigned char r,
                              unsigned char g, unsigned char b) = 0;
    virtual long getBufferRGB(unsigned short x, unsigned short y, unsigned char* r,
                              unsigned char* g, unsigned char* b) = 0;
    // Writes the buffer into the image; -1 without a buffer.
    virtual long putBufferToPixmap() = 0;

    // ---- files ----
    // Makes an image of the file's natural size and draws the file into it.
    virtual long loadFile(char* name);
    // Writes type 2 as a 32-bit BMP file; other types are the platform's.
    virtual long saveFile(char* name, long type);
    virtual long setClipboardData();

    void getGeometry(unsigned short* w, unsigned short* h) const
    {
        *w = width;
        *h = height;
    }

    // A new top-down array of width x height pixels, 3 bytes each (red,
    // green, blue), read from the buffer; run initBuffer first. Pixels the
    // buffer cannot give are 0. Freed by the caller with delete[]; null
    // when the array cannot be made.
    unsigned char* getBuffer();
    // Writes such an array into the buffer, not into the image; -1 for null.
    long setBuffer(unsigned char* rgb);

protected:
    // For createPixmap of the platform.
    void setGeometry(unsigned short w, unsigned short h)
    {
        width = w;
        height = h;
    }

private:
    long drawImageFile(TQDimage* image, unsigned short w, unsigned short h);
    void fillBmpHeader(unsigned char* file, unsigned long fileSize) const;
    void fillBmpPixels(unsigned char* pixels);

    unsigned short width;
    unsigned short height;
};

#endif
