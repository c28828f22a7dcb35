// Real windows for tests: the toolkit's start-up brought up in the test
// process once (device initialisation, window class, hidden application
// window and application device, without init handlers or loop), top-level
// windows of the toolkit's class, a message pump with a deadline, a
// watchdog, and a clock the tests set instead of waiting.
//
//     TQDwinAppDev* app = startGuiApp();
//     HWND top = makeTopLevelWindow(100, 100, 200, 120);
//     PostMessageA(top, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
//     pumpPendingMessages(2000);
#ifndef GUITESTAPP_H
#define GUITESTAPP_H

#include "TQDwinAppDev.h"
#include "TQwin32.h"

#include <functional>
#include <string>

// Once per process; later calls answer the same device. Null when the
// application window could not be made.
TQDwinAppDev* startGuiApp();
// For a scenario in a process of its own: startGuiApp() (a failure ends the
// process), the fonts of a started program, and the look guiPolicy, with the
// extended look of the look file, if it selected one.
void startGuiScenario(long guiPolicy);

// Dispatches the calling thread's messages until done() holds or timeoutMs
// have passed; answers done().
bool pumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs);
// Dispatches messages for ms.
void pumpMessagesFor(DWORD ms);
// Dispatches until no message is waiting, at most timeoutMs; answers
// whether the queue ran empty.
bool pumpPendingMessages(DWORD timeoutMs);

// The exit code of a process once it has ended, waiting at most ms; a
// process still running then is ended with 98. The handle is closed.
DWORD exitCodeWithin(HANDLE process, DWORD ms);

// Unless the process has ended within ms, says what hung on standard error
// and ends it with status 4.
void armWatchdog(DWORD ms, const char* what);

// The full path of a file in the test program's folder, where the helper
// programs and modules are built.
std::string besideTestProgram(const char* fileName);
// Runs the command line of a Windows program as a new process, in folder
// when one is given: the process handle, which the caller closes, or null
// when it did not start (Wine hands out no handle for a Unix program).
HANDLE startProcess(std::string commandLine, const char* folder = nullptr);

// A visible top-level window of the toolkit's class (so the toolkit's
// window procedure serves it) whose client area lies at (x, y) on the
// screen and measures w x h; style WS_POPUP has no frame, a style with
// WS_CAPTION a title bar. The caller destroys it, or hands it to a device.
HWND makeTopLevelWindow(int x, int y, int w, int h, DWORD style = WS_POPUP);

// Replaces the local time of the toolkit's clock functions for its life:
// the time of day stands still at the milliseconds set.
class GuiTestClock {
public:
    explicit GuiTestClock(long msOfDay);
    ~GuiTestClock();
    GuiTestClock(const GuiTestClock&) = delete;
    GuiTestClock& operator=(const GuiTestClock&) = delete;

    void set(long msOfDay);
    void advance(long ms) { set(now() + ms); }
    static long now();
};

#endif
