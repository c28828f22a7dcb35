// The mouse on Win32: the cursor table filled with system cursors and
// cursor files, the pointer position on the screen and relative to a
// widget, and the pointer status word.
#ifndef TQDWINMOUSE_H
#define TQDWINMOUSE_H

#include "_TQDmouse.h"

// HCURSOR and HWND, declared without the Win32 headers.
struct HICON__;
struct HWND__;

class TQDwinMouse : public TQDmouse {
public:
    // Modifier bits of getMouseStatus, beside the button bits.
    enum { STATUS_SHIFT = 1, STATUS_CAPS_LOCK = 2, STATUS_CTRL = 4, STATUS_ALT = 8 };

    TQDwinMouse() = default;
    ~TQDwinMouse() override;
    TQ_ROOT_FRAME(TQDwinMouse, TQDmouse)

    // The screen position, cut to 16 bits. 1.
    long getMousePosition(short* x, short* y) override;
    // Relative to the object's form window, less the positions of the
    // window-less widgets between; 1, or (0, 0) and 0 when the object has
    // no device up its chain. A null object gives the screen position.
    long getMousePosition(short* x, short* y, TQCbase* object) override;
    unsigned long getMouseStatus() override;
    void setMousePosition(short x, short y) override;
    // The window procedure sets the cursor; nothing to do here.
    void setMouseCursor(long id) override;
    // "id name": a system cursor name beginning "IDC_" ("IDC_NONE" hides
    // the pointer, an unknown one is the arrow) or a cursor file (the arrow
    // when it does not load). Names longer than MAX_PATH - 1 are cut.
    void setupMouseCursor(char* entry) override;
    // Registers the built-in cursors on the application's mouse.
    void initialize() override;
    // Keeps only cursor 0.
    void resetMouseCursors() override;

    // The system arrow, loaded once.
    static HICON__* getDefaultMouseCursor();
    static HWND__* getCurrentMouseWindow();
};

TQDmouse* _winMouse_create_handler();
void TQGFinitializeWinMouse();
// The application's mouse, installing the Win32 factory first when needed.
TQDwinMouse* TQGIwinAppMouse();

#endif
