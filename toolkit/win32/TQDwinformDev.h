// The device of a widget with a native child window. For now it holds the
// window and answers every message as not handled; drawing, geometry and the
// translation of messages into toolkit events come with the form device.
#ifndef TQDWINFORMDEV_H
#define TQDWINFORMDEV_H

#include "_TQDwindowDev.h"

struct HWND__;
struct WinEvent;

class TQDwinformDev : public TQDwindowDev {
public:
    TQDwinformDev();
    ~TQDwinformDev() override;
    TQ_ROOT_FRAME(TQDwinformDev, TQDwindowDev)

    long getDeviceResource() override;
    // The window as a long; -1 without one.
    long getWindowResource() override;
    long getContextResource() override;
    long getSpecialResource() override;

    // A message of the device's window from the window procedure: 0 when
    // handled, non-zero for the default processing.
    virtual long dispatchEvent(WinEvent* event);

    HWND__* getHWND() const { return window; }
    void setHWND(HWND__* hwnd) { window = hwnd; }

private:
    HWND__* window;
};

// Factory of the device kind "formDev".
TQDdev* _tqcdwinformdev_init_();

#endif
