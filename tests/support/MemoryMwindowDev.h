// An off-screen device over plain pixel arrays in place of the platform's
// bitmap: the image and the RGB buffer are arrays of 3-byte pixels, and a
// copy to or from another MemoryMwindowDev moves real pixels (to any other
// device it moves nothing). It counts what callers ask of it.
#ifndef MEMORYMWINDOWDEV_H
#define MEMORYMWINDOWDEV_H

#include "_TQDmwindowDev.h"

#include <vector>

class MemoryMwindowDev : public TQDmwindowDev {
public:
    // Larger images are refused the way a failed platform allocation is, so
    // a test can record a huge size without the memory behind it.
    enum { MAX_PIXELS = 1024 * 1024 };
    // Context handle while there is an image.
    enum { CONTEXT = 7 };

    // For the device registry.
    static TQDdev* create();

    long getDeviceResource() override { return 0; }
    long getWindowResource() override { return image.present ? CONTEXT : -1; }
    long getContextResource() override { return image.present ? CONTEXT : -1; }
    long getSpecialResource() override { return -1; }

    long createPixmap(unsigned short w, unsigned short h) override;
    long destroyPixmap() override;
    long copyToWindow(TQDdev* dst, short x, short y, unsigned short w, unsigned short h,
                      short dx, short dy) override;
    long copyFromWindow(TQDdev* src, short x, short y, unsigned short w, unsigned short h,
                        short dx, short dy) override;
    // An image mask has no pixels here: the copy is a plain one.
    long copyToWindowWithMask(TQDdev* dst, short x, short y, unsigned short w,
                              unsigned short h, short dx, short dy, TQDimage* mask) override;
    // Pixels where the mask device is black keep the destination.
    long copyToWindowWithMask(TQDdev* dst, short x, short y, unsigned short w,
                              unsigned short h, short dx, short dy,
                              TQDmwindowDev* mask) override;
    long initBuffer() override;
    long setBufferRGB(unsigned short x, unsigned short y, unsigned char r, unsigned char g,
                      unsigned char b) override;
    long getBufferRGB(unsigned short x, unsigned short y, unsigned char* r, unsigned char* g,
                      unsigned char* b) override;
    long putBufferToPixmap() override;

    // The image's own pixel as 0xRRGGBB, or -1 outside the image.
    long pixel(unsigned short x, unsigned short y) const;
    long setPixel(unsigned short x, unsigned short y, unsigned long rgb);
    bool hasImage() const { return image.present; }
    bool hasBuffer() const { return buffer.present; }

    long createPixmapCalls = 0;
    long initBufferCalls = 0;
    long getBufferRGBCalls = 0;

private:
    struct Pixels {
        bool present = false;
        unsigned short w = 0;
        unsigned short h = 0;
        std::vector<unsigned char> rgb;

        const unsigned char* at(long x, long y) const;
        unsigned char* at(long x, long y)
        {
            return const_cast<unsigned char*>(static_cast<const Pixels*>(this)->at(x, y));
        }
        void clear() { *this = Pixels(); }
    };

    static MemoryMwindowDev* asMemory(TQDdev* dev);
    // Copies what lies inside both images; mask, when given, must cover the
    // source rectangle and lets only non-black pixels through.
    static void copyRect(const Pixels& from, long x, long y, long w, long h, Pixels& to, long dx,
                         long dy, const Pixels* mask);

    Pixels image;
    Pixels buffer;
};

#endif
