// The application device on Win32: the hidden application window, the one
// window procedure that every toolkit window shares, the event loop, the
// private messages by which other threads reach the application thread, and
// the lock that lets another thread hold the user interface while the
// window procedure keeps input and paint messages for later. Its resources
// (TQDwinAppDev_resources.cpp): the role colours taken from the system, the
// work area, the palette, the form devices waiting for a repaint and the
// look file.
#ifndef TQDWINAPPDEV_H
#define TQDWINAPPDEV_H

#include "_TQDappDev.h"

#include <atomic>
#include <cstdint>
#include <mutex>

struct HINSTANCE__;
struct HPALETTE__;
struct HWND__;
struct tagMSG;
struct WinEvent;
class TQDsemaphore;
class TQDwinformDev;

class TQDwinAppDev : public TQDappDev {
public:
    // The constructing thread becomes the application thread.
    TQDwinAppDev();
    ~TQDwinAppDev() override;
    TQ_ROOT_FRAME(TQDwinAppDev, TQDappDev)

    // Records this device as the application's, binds the role colours
    // to the system's colours and reads the look file. 0.
    long initialize() override;
    // The instance handle, the application window, 0 and 0.
    long getDeviceResource() override;
    long getWindowResource() override;
    long getContextResource() override;
    long getSpecialResource() override;
    // The desktop's work area, asked anew on every call.
    short getWidth() override;
    short getHeight() override;
    short getXOffset() override;
    short getYOffset() override;
    // Repaints the form devices of the update list, then dispatches every
    // message waiting in the queue.
    void update() override;
    // "$(HOME)/.tqrc": 0 when it was read, -1 when it could not be. A policy
    // the program set earlier wins over the file's; after a read the unset
    // policy becomes 2.
    long loadGuiPolicy() override;
    // The result of replacing the file with the policy and the look's name.
    long saveGuiPolicy() override;

    // Binds the role to the colour (a COLORREF) adjusted by mode: 0 none,
    // 1 x * 31 >> 5, 2 x / 2, 3 halfway to 255, 4 x + 16 at most 255.
    void _set_color(short role, long colour, long mode);
    // The logical palette on a display that uses one, else null; the
    // display is asked once.
    HPALETTE__* getPalette();
    // Appends the device unless it is listed already.
    void addUpdateDev(TQDwinformDev* dev);
    // Removes the first occurrence: 0, or -1 when it is not listed.
    long delUpdateDev(TQDwinformDev* dev);
    // Set by a form device whose widget holds the pointer grab.
    void setGrabFlag(unsigned char on) { grabFlag = on ? 1 : 0; }
    unsigned char getGrabFlag() const { return grabFlag; }

    // One message, waiting for it; 0 for WM_QUIT. On another thread while
    // that thread holds the lock, the application thread takes and
    // dispatches the message on its behalf.
    long dispatchEvent() override;
    // One message if there is one; 0 when the queue was empty.
    long processEvent() override;
    // The event loop: runs until WM_QUIT or exitEventLoop(), and answers
    // the wParam of the last message read.
    long handleEvents() override;
    // Posts WM_QUIT again with the code of the one last taken.
    void repostQuit() override;
    long _dispatchEvent(unsigned char wait);

    // Called by another thread: 0 once the application thread queues input
    // for it, -1 when that thread already holds the lock or the application
    // window does not answer. On the application thread both answer -1 at
    // once and change nothing: it cannot wait for itself. unlock answers -1,
    // sending nothing, while no thread holds the lock.
    long lock() override;
    long unlock() override;

    // The window procedure of the toolkit's window class.
    static long __stdcall WndProc(HWND__* hwnd, unsigned int message, std::uintptr_t wParam,
                                  long lParam);
    // The messages kept while another thread holds the application: a
    // WM_PAINT equal to one kept already is dropped.
    static void _add_pending_event(WinEvent* event);
    // Hands the kept messages to the window procedure in arrival order.
    static void _execute_pending_events();

    HWND__* getHWND() const { return window; }
    // Also creates the application tick on the window.
    void setWnd(HWND__* hwnd);
    void setInstanceHandle(HINSTANCE__* instance) { instanceHandle = instance; }
    HINSTANCE__* getInstanceHandle() const { return instanceHandle; }
    // The command line as the program received it; not owned.
    long setInitPrm(char* text);
    long setInitPrm(int argc, char** argv);
    char* getCommandLineText() const { return commandLineText; }
    long setWndProc(void* proc);
    void* getWndProc() const { return wndProcHook; }
    // The window of the last message handed to a device.
    static HWND__* getEventWnd();

    void setMouseFocusDev(TQDwinformDev* dev) { mouseFocusDev = dev; }
    TQDwinformDev* getMouseFocusDev() const { return mouseFocusDev; }
    // A window captures the pointer; null releases it.
    void setGrabedWnd(HWND__* hwnd);
    HWND__* getGrabedWnd() const { return grabbedWindow; }
    // The system took the capture from the window holding the grab, or
    // asked every mode to end: the owner of the grab hears of it after the
    // current message, as event 59, unless the grab was given back by then
    // (or, for a capture change, the window holds the capture again).
    void noteGrabLost(unsigned char cancelMode);
    void _tell_grab_lost(unsigned char cancelMode);
    void showCursor(unsigned char show);

    unsigned long getAppThreadId() const { return appThreadId; }
    void setAppThreadId(unsigned long id) { appThreadId = id; }
    unsigned char getAllowed() const { return allowed; }
    void setAllowed(unsigned char on) { allowed = on; }

private:
    // Whether the window procedure keeps the message for after the unlock.
    bool queues() const;
    // Busy is set only on the application thread.
    void setBusy(unsigned char on);
    TQDsemaphore* lockSemaphore();
    void bindRoleColours();

    HINSTANCE__* instanceHandle;
    char* commandLineText;
    HWND__* window;
    tagMSG* lastMessage;
    TQDwinformDev* mouseFocusDev;
    TQClistData updateList;
    HPALETTE__* palette;
    HWND__* grabbedWindow;
    void* wndProcHook;
    std::mutex semaphoreMaking;
    std::atomic<TQDsemaphore*> semaphore;
    unsigned long appThreadId;
    std::atomic<unsigned long> lockOwner;
    unsigned char allowed;
    unsigned char cursorShown;
    std::atomic<unsigned char> busy;
    unsigned char cursorState;
    unsigned char grabFlag;
};

// The application device as the Win32 device: null when it is another class.
TQDwinAppDev* TQGIwinAppDev();
TQDappDev* _win_app_dev_create_handler();
void TQGFinitializeWinAppDev();

// The application's palette for a display with the raster capabilities
// given: 149 entries (125 colours of five levels each, then greys from 246
// down to 16) on a display that uses palettes, else null.
HPALETTE__* TQGFmakeAppPalette(long rasterCaps);
// Replaces how getPalette reads the display's raster capabilities; null
// puts back the reading of the application window's context.
void _TQGFsetRasterCapsReader(long (*reader)());

#endif
