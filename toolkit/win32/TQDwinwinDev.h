// The device of a top-level window ("windowDev"): a frame window (the shell)
// with the title bar and border, and inside it the form device's window,
// which covers the shell's client area and takes all drawing and input.
// Its x and y are the outer corner of the shell on the screen, its width and
// height the client area.
#ifndef TQDWINWINDEV_H
#define TQDWINWINDEV_H

#include "TQDwinformDev.h"

#include <string>

class TQDwinwinDev : public TQDwinformDev {
public:
    // Keys only this device takes; those a top-level window sends are
    // TQDwindowDev's.
    enum { VALUE_TOP_OFFSET = 21, VALUE_MODAL = 23 };
    // Map status (key 26) that raises the window; any other lowers it.
    enum { STACK_RAISE = 3 };

    TQDwinwinDev();
    ~TQDwinwinDev() override;
    TQ_ROOT_FRAME(TQDwinwinDev, TQDwinformDev)
    static const char* getThisClassName() { return "TQDwinwinDev"; }

    // Every key is stored by the window device first. Texts (22) and objects
    // (27) come as themselves, numbers by address. 0, or -1 for a key this
    // device does not use and for key 37 while hidden.
    long setValue(long key, void* value) override;
    // 21: the height of the frame above the client area (short); 37: 1
    // minimised, 2 maximised, else 0 (long; -1 when shown without a shell).
    long getValue(long key, void* value) override;
    // Showing creates the windows when needed, measures the frame once and
    // disables the parent's top-level window while a modal window is shown;
    // hiding a pop-up destroys its windows.
    long setVisible(unsigned char on) override;
    // A top-level device has no parent device and is its own visible one.
    TQDdev* getParentDev() override;
    TQDdev* getVisibleParentDev() override;
    // The shell, then the inner window; -1 when either cannot be made.
    long createWindow() override;
    long destroyWindow() override;
    // The offsets of the client area inside the frame.
    long getDiffCoordinates(long* x, long* y) override;
    // The shell's paints are only validated.
    void _evh_expose(WinEvent* event) override;
    void _evh_resize(WinEvent* event) override;
    void _evh_move(WinEvent* event) override;
    // Close and destroy: 1 lets the system close the window.
    long _evh_delete(WinEvent* event) override;
    // An empty hook for devices built on this one; nothing here calls it.
    virtual void _evh_focus_ch(WinEvent* event);

    // The foreign window this one lives in; null for a window of its own.
    HWND__* getRebaseHandle() const { return rebaseHandle; }
    HWND__* getShell() const { return shell; }
    unsigned long getStyle() const { return style; }
    unsigned long getExStyle() const { return exStyle; }
    // A frameless pop-up above the others (device key 25).
    bool isPopup() const { return (mode & POPUP) != 0; }

protected:
    // The window that gained the focus is the active window.
    void activateTopLevelClient(TQCbase* client) override;

private:
    // Mode bits.
    enum { POPUP = 0x01, ALWAYS_ON_TOP = 0x10, MODAL = 0x20, DESTROYING = 0x40 };

    bool popup() const { return isPopup(); }
    bool shown() const { return getVisible() && window != nullptr; }
    void setTitleBar(char kind);
    void setPopup(unsigned char on);
    void setTitle(const char* text);
    void setTopmostFlag(unsigned char bit, unsigned char on);
    void setPosition(long key, short value);
    void setSize(long key, unsigned short value);
    void setWindowState(long state);
    HWND__* makeShell(short x, short y, unsigned short w, unsigned short h);
    void measureFrame(short x, short y, unsigned short w, unsigned short h);
    void showShell(bool wasVisible);
    void hideShell();
    // The parent widget's native window, or null.
    HWND__* parentWidgetWindow();
    void disableAncestor();
    void enableAncestor();
    // The nearest visible top-level window among the client's parents.
    void activateWindowAncestor();
    void forgetFrame();
    void forgetWindows();

    HWND__* rebaseHandle;
    unsigned char titleBarStyle;
    unsigned char mode;
    long lastFrameX;
    long lastFrameY;
    long frameExtraWidth;
    long frameExtraHeight;
    long leftOffset;
    long topOffset;
    HWND__* shell;
    // The top-level window a shown modal window disabled, so that exactly
    // that one is enabled again.
    HWND__* disabledAncestor;
    unsigned long style;
    unsigned long exStyle;
    // In the system locale's encoding.
    std::string title;
};

// Factory of the device kind "windowDev".
TQDdev* _tqdwinwindev_init_();

#endif
