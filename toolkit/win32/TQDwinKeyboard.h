// Holds only the entry points of the keyboard that the window procedure uses.
#ifndef TQDWINKEYBOARD_H
#define TQDWINKEYBOARD_H

#include "_TQDkeyboard.h"

struct HWND__;
struct tagMSG;

class TQDwinKeyboard : public TQDkeyboard {
public:
    TQ_ROOT_FRAME(TQDwinKeyboard, TQDkeyboard)

    // A key message: false when the toolkit consumed it, true when the
    // window procedure goes on with it.
    bool _dispatch_key(tagMSG* msg);
    void setHwnd(HWND__* hwnd);
    void updateFepStatus();
};

// The keyboard as the Win32 keyboard, or null.
TQDwinKeyboard* TQGIwinKeyboard();

#endif
