// Stand-in for the application window in tests of the Win32 services: a
// hidden message-only window registered as the application window, whose
// procedure hands the wake-ups of the hand-over queues (thread callbacks,
// socket events, child-process news), inter-application messages and timer
// messages to their services the way the application's window procedure
// does, and a bounded message pump.
#ifndef TESTAPPWINDOW_H
#define TESTAPPWINDOW_H

#include "GuiTestApp.h"
#include "TQwin32.h"
#include "WorkThread.h"

#include <functional>
#include <string>

class TestAppWindow {
public:
    TestAppWindow();
    ~TestAppWindow();
    TestAppWindow(const TestAppWindow&) = delete;
    TestAppWindow& operator=(const TestAppWindow&) = delete;

    HWND handle() const { return window; }
    // Dispatches messages until done() holds or timeoutMs have passed;
    // answers done().
    bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs);
    void pumpFor(DWORD ms);

private:
    HWND window;
};

#endif
