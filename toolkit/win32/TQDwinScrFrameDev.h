// The device of the clipping frame of a scrolled form ("scrFrameDev"): a
// viewport window of the device's size and inside it the work window,
// which has the work size and is moved by the scroll offsets. The form
// device's window is the work window.
#ifndef TQDWINSCRFRAMEDEV_H
#define TQDWINSCRFRAMEDEV_H

#include "TQDwinformDev.h"

class TQDwinScrFrameDev : public TQDwinformDev {
public:
    enum {
        VALUE_WORK_WIDTH = 7,
        VALUE_WORK_HEIGHT = 8,
        VALUE_X_SCROLL = 9,
        VALUE_Y_SCROLL = 10,
        VALUE_TITLE_HEIGHT = 21
    };

    TQDwinScrFrameDev();
    ~TQDwinScrFrameDev() override;
    TQ_ROOT_FRAME(TQDwinScrFrameDev, TQDwinformDev)
    static const char* getThisClassName() { return "TQDwinScrFrameDev"; }

    // Keys 0 to 3 with the stored value change nothing; every other key is
    // stored by the window device first. 0, or -1 for a key this device
    // does not use (16 included).
    long setValue(long key, void* value) override;
    long setVisible(unsigned char on) override;
    // In work coordinates: the scroll offsets are taken off.
    long getDispAddr(short* x, short* y) override;
    // Both windows, inside the parent device's window; -1 when the parent
    // device is not a form device or a window cannot be made.
    long createWindow() override;
    long destroyWindow() override;
    void _evh_expose(WinEvent* event) override;
    void _evh_resize(WinEvent* event) override;
    long _evh_delete(WinEvent* event) override;
    void _clear_and_expose() override;

    HWND__* getViewport() const { return viewport; }
    short getXScroll() const { return xOffset; }
    short getYScroll() const { return yOffset; }
    unsigned short getWorkWidth() const { return workWidth; }
    unsigned short getWorkHeight() const { return workHeight; }

protected:
    // The pixmap has the work size.
    void getPixmapSize(unsigned short* w, unsigned short* h) override;
    // Re-exposes the children's form devices over the visible part, without
    // going further down.
    void _expose_children(short x, short y, unsigned short w, unsigned short h) override;

private:
    void setWorkSize(bool width, unsigned short value);
    void setScroll(bool x, short value);
    void placeWorkWindow();
    void reportAddressChange();

    HWND__* viewport;
    short xOffset;
    short yOffset;
    unsigned short workWidth;
    unsigned short workHeight;
    short titleHeight;
};

// Factory of the device kind "scrFrameDev".
TQDdev* _tqdxscrdev_init_();

#endif
