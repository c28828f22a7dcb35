// The device of a widget without a window of its own ("nwDev"): it draws on
// its parent device's context, or through one off-screen bitmap shared by
// every window-less device of the process, from which the finished area is
// copied to the parent.
#ifndef TQDWINNWDEV_H
#define TQDWINNWDEV_H

#include "_TQDnwDev.h"

struct HBITMAP__;

class TQDwinnwDev : public TQDnwDev {
public:
    TQDwinnwDev() = default;
    ~TQDwinnwDev() override;
    TQ_ROOT_FRAME(TQDwinnwDev, TQDnwDev)
    static const char* getThisClassName() { return "TQDwinnwDev"; }

    // Refused (-1) when the shared bitmap it needs cannot be made.
    long beginDraw(short x, short y, unsigned short w, unsigned short h, unsigned char whole,
                   unsigned char mapped) override;
    // The parent's context, or the shared bitmap's; -1 when the shared
    // bitmap cannot be made.
    long getContextResource() override;
    // The parent's answer; 0 without a parent.
    long getReady() override;
    void _copy_pixmap_to_window() override;

    // The shared bitmap, made or grown to the last drawing area's size (at
    // most 1600 x 1280, never shrinking); null when it cannot be made.
    HBITMAP__* getPixmap();
};

// Factory of the device kind "nwDev".
TQDdev* _tqdwinnwdev_init_();

#endif
