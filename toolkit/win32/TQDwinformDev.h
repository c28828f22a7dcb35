// The device of a widget with a native child window ("formDev"): the
// window, an optional off-screen pixmap that backs it, the background colour
// or tiled background image, the cursor of its area, and the translation of
// the window's messages into toolkit events. The top-level window and the
// scrolled-frame devices derive from it.
#ifndef TQDWINFORMDEV_H
#define TQDWINFORMDEV_H

#include "_TQDwindowDev.h"

struct HBITMAP__;
struct HDC__;
struct HICON__;
struct HWND__;
struct WinEvent;
class TQDwinAppDev;

class TQDwinformDev : public TQDwindowDev {
public:
    TQDwinformDev();
    // Destroys the pixmap and the window and leaves the update list.
    ~TQDwinformDev() override;
    TQ_ROOT_FRAME(TQDwinformDev, TQDwindowDev)
    static const char* getThisClassName() { return "TQDwinformDev"; }

    // Keys 0 to 3 with the stored value change nothing at all; the geometry
    // keys move the window, 4 and 16 set the background, 28 the cursor and
    // 32 the pointer grab. Every key is stored by the base. Always 0.
    long setValue(long key, void* value) override;
    // Refused (-1) for a width or height of 0 or 23767, before the window
    // was first painted, and without a window. Draws into the pixmap with
    // the pixmap style on; a pixmap that cannot be made switches the style
    // off for good.
    long beginDraw(short x, short y, unsigned short w, unsigned short h, unsigned char whole,
                   unsigned char mapped) override;
    long endDraw() override;
    // Showing a device whose client is missing or hidden hides it.
    long setVisible(unsigned char on) override;
    TQDdev* getEventParentDev() override;
    long getDeviceResource() override;
    // The window as a long; -1 without one.
    long getWindowResource() override;
    // With the pixmap style on the pixmap's context (-1 without a pixmap),
    // else the window's context while drawing is open (0 otherwise).
    long getContextResource() override;
    long getSpecialResource() override;
    // A child window inside the parent area device's window; -1 without a
    // parent area device. Nothing while the device is hidden or the window
    // exists.
    long createWindow() override;
    // Of the window's size; -1 without a window.
    long createPixmap() override;
    long destroyWindow() override;
    long destroyPixmap() override;
    void _copy_area(long x, long y, unsigned long w, unsigned long h, long dx, long dy,
                    unsigned char toWindow) override;
    void _setup_pixmap(short x, short y, unsigned short w, unsigned short h, short backColor,
                       short backImage) override;
    void _clear_area(long x, long y, unsigned long w, unsigned long h) override;
    // The children's form devices are raised in the order of the children.
    void restackChildren() override;
    long raise() override;
    long lower() override;

    // Message handlers; only _evh_delete's result is used (0).
    virtual void _evh_expose(WinEvent* event);
    virtual void _evh_btn_press(WinEvent* event, int button);
    virtual void _evh_btn_release(WinEvent* event, int button);
    virtual void _evh_mouse_move(WinEvent* event);
    virtual void _evh_mouse_in(WinEvent* event);
    virtual void _evh_mouse_out(WinEvent* event);
    virtual void _evh_resize(WinEvent* event);
    virtual void _evh_move(WinEvent* event);
    virtual void _evh_dummy(WinEvent* event);
    virtual long _evh_delete(WinEvent* event);
    virtual long _evh_delete2(void* dev);
    // A message of the device's window from the window procedure: 0 when
    // handled, 1 for the default processing.
    virtual long dispatchEvent(WinEvent* event);
    // Clears the whole area and exposes it to the client.
    virtual void _clear_and_expose();

    // 0 puts the device on the application's update list, non-zero takes
    // it off; the exposed flag takes the value.
    void setExposed(unsigned char on);
    unsigned char getExposed() const { return exposed; }
    // With a window: invalidates the client area and marks it not exposed.
    void invalidate(unsigned char erase);
    // The pixmap with the pixmap style on, else the window; -1 for none.
    long getWindow();
    HBITMAP__* getPixmap() const { return pixmap; }
    HWND__* getHWND() const { return window; }
    void setHWND(HWND__* hwnd) { window = hwnd; }
    unsigned short getMouseNo() const { return static_cast<unsigned short>(getMouseCursorId()); }
    // Shows the pointer with the cursor, or hides it for a cursor of -1.
    static void applyCursor(HICON__* cursor);
    // The window's screen position.
    short getAbsoluteX();
    short getAbsoluteY();
    // The nearest form device up the parent devices, or null.
    TQDwinformDev* getParentAreaDev();

    // The operating system's platform id (2 for the NT family), read by
    // the first device made; setting it first stands in for another system.
    static long getPlatformId();
    static void setPlatformId(long id);

protected:
    // Flags bits.
    enum { RESIZING = 1, GLOBAL_CURSOR_SEEN = 2 };
    // A width or height that drawing and clearing refuse.
    enum { REFUSED_SIZE = 23767 };

    // The area the pixmap covers.
    virtual void getPixmapSize(unsigned short* w, unsigned short* h);
    // Re-exposes the children's form devices where they meet the area
    // (0, 0, width, height), clearing first; the arguments are not used.
    virtual void _expose_children(short x, short y, unsigned short w, unsigned short h);
    // Clears and exposes, in each visible child's own coordinates, the part
    // of the area that the child's form device covers; deeper goes on into
    // the child's children.
    void exposeChildrenOver(TQClistData& children, short x, short y, unsigned short w,
                            unsigned short h, bool deeper);
    // A hidden child window of the toolkit's class with the application's
    // window procedure hook; null when it cannot be made.
    static HWND__* makeChildWindow(int x, int y, int w, int h, HWND__* parent);
    // Told when the window of a top-level client gains the focus; the
    // form device does nothing.
    virtual void activateTopLevelClient(TQCbase* client);
    void setPixmap(HBITMAP__* bitmap);
    void _adjust_cursor();

    // Shared by the devices built on this one.
    // Background colour number and image number resolved for drawing.
    void resolveBackColor();
    void resolveBackImage();
    // With a window: marks it for a repaint in the new background.
    void repaintBackground();
    void resolveCursor();
    // Key 32 on the given window.
    void setGrab(unsigned char on);
    // Stores the client size of the window and reports it as RESIZE.
    void resizeToClientOf(HWND__* hwnd);
    // Paints the background colour over the paint rectangle of the window.
    void paintBackground(HWND__* hwnd);
    // Takes every message queued for the window, validating paints.
    static void discardQueuedMessages(HWND__* hwnd);
    // The application device while one runs, else null.
    static TQDwinAppDev* runningApp();
    void forgetMouseFocus();
    void removeFromUpdateList();

    HDC__* windowContext;
    HDC__* pixmapContext;
    HBITMAP__* pixmap;
    HWND__* window;
    HWND__* parentWindow;
    unsigned long backColor;
    HBITMAP__* backBitmap;
    HICON__* cursor;
    unsigned char exposed;
    unsigned short clientWidth;
    unsigned short clientHeight;
    unsigned long lastPressTime;
    HBITMAP__* savedBitmap;
    unsigned char flags;

private:
    struct Target;
    void releaseWindowContext();
    // The context area operations work on, opened for the call when needed.
    bool openTarget(Target& target, bool toPixmap);
    void closeTarget(Target& target);
    void fillBackground(HDC__* dc, long x, long y, unsigned long w, unsigned long h,
                        unsigned long colour);
    // The background image tiled from the area's origin over the rectangle,
    // over a fill of colour where the image has a mask.
    void tileBackground(HDC__* dc, long x, long y, unsigned long w, unsigned long h,
                        unsigned long colour);
    void pressWheel(WinEvent* event, int button);
    void focusLost();
    void focusGained();
    // WM_CAPTURECHANGED: tells the application device of a lost grab.
    void captureChanged(WinEvent* event);
    bool holdsFocus(TQCbase* focus);

    unsigned char drawNesting;
};

// Factory of the device kind "formDev".
TQDdev* _tqcdwinformdev_init_();

#endif
