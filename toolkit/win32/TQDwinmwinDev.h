// The off-screen device on Win32: a GDI bitmap in a memory context, drawn
// on like any device, copied to windows (optionally through a mask) or
// filled from them, read and written through an RGB buffer, saved as PNG,
// JPEG or BMP, and put on the clipboard.
#ifndef TQDWINMWINDEV_H
#define TQDWINMWINDEV_H

#include "_TQDmwindowDev.h"

struct HBITMAP__;
struct HDC__;

class TQDwinmwinDev : public TQDmwindowDev {
public:
    // saveFile types written here; 2 (BMP) is the base's.
    enum { FILE_TYPE_PNG = 3, FILE_TYPE_JPEG = 4 };

    TQDwinmwinDev();
    // Frees the buffer and the pixmap.
    ~TQDwinmwinDev() override;
    TQ_ROOT_FRAME(TQDwinmwinDev, TQDmwindowDev)
    static const char* getThisClassName() { return "TQDwinmwinDev"; }

    // -1 for an empty area or without a pixmap.
    long beginDraw(short x, short y, unsigned short w, unsigned short h, unsigned char whole,
                   unsigned char map) override;
    // 0; the memory context (-1 without one) for both the context and the
    // window; the application window.
    long getDeviceResource() override;
    long getWindowResource() override;
    long getContextResource() override;
    long getSpecialResource() override;

    // A new pixmap, its contents undefined, in the application window's
    // format. It replaces the old one, also when it cannot be made (-1), and
    // drops the RGB buffer, which was a picture of the old one.
    long createPixmap(unsigned short w, unsigned short h) override;
    long destroyPixmap() override;

    // The other device may be a window device, a window-less device (the
    // widget's position is added on the window side) or, for the copies
    // to it, another off-screen device. A window device with a backing
    // pixmap gets the copy there too. The device's drawing operation 1
    // turns the copies to off-screen targets and backing pixmaps into an
    // exclusive-or of the destination with the brush. -1 without a pixmap
    // here or a context there.
    long copyToWindow(TQDdev* dst, short x, short y, unsigned short w, unsigned short h,
                      short dx, short dy) override;
    long copyFromWindow(TQDdev* dst, short x, short y, unsigned short w, unsigned short h,
                        short dx, short dy) override;
    // White mask pixels show the picture, black ones keep the destination;
    // without a usable mask the picture is ORed onto the destination. An
    // off-screen mask must be a Win32 one.
    long copyToWindowWithMask(TQDdev* dst, short x, short y, unsigned short w,
                              unsigned short h, short dx, short dy, TQDimage* mask) override;
    long copyToWindowWithMask(TQDdev* dst, short x, short y, unsigned short w,
                              unsigned short h, short dx, short dy,
                              TQDmwindowDev* mask) override;

    long initBuffer() override;
    long setBufferRGB(unsigned short x, unsigned short y, unsigned char r, unsigned char g,
                      unsigned char b) override;
    long getBufferRGB(unsigned short x, unsigned short y, unsigned char* r, unsigned char* g,
                      unsigned char* b) override;
    // -1 without a buffer; 0 without doing anything when there is no pixmap.
    long putBufferToPixmap() override;

    // Types 3 (PNG) and 4 (JPEG) here, the others the base's. -1 for an
    // empty pixmap or when the file cannot be written.
    long saveFile(char* name, long type) override;
    // Puts a copy of the picture on the clipboard; the device keeps its own.
    long setClipboardData() override;

    HBITMAP__* getBitmap() const { return m_bitmap; }

private:
    long copyMasked(TQDdev* dst, short x, short y, unsigned short w, unsigned short h,
                    short dx, short dy, HDC__* maskContext, unsigned long lastRop);
    bool hasPixmap() const { return m_bitmap != nullptr && m_context != nullptr; }
    struct Size {
        unsigned short w;
        unsigned short h;
    };
    Size size() const
    {
        Size s = {0, 0};
        getGeometry(&s.w, &s.h);
        return s;
    }
    // Where pixel (x, y) starts in the buffer: rows bottom-up, blue, green,
    // red, each row padded to four bytes. Null outside the picture or
    // without a buffer.
    unsigned char* bufferPixel(unsigned short x, unsigned short y) const;
    long transferBuffer(bool toPixmap);
    void dropBuffer();

    unsigned char* m_buffer;
    HBITMAP__* m_bitmap;
    HDC__* m_context;
    // What the memory context held before the pixmap, put back whenever the
    // pixmap must be selected nowhere.
    void* m_initialBitmap;
};

// Factory of the device kind "mwindowDev".
TQDdev* _tqcdwinmwindev_init_();

#endif
