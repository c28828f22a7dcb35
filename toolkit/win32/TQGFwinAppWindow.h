// The hidden application window as the Win32 services reach it: private
// timers run on it, and worker threads hand their work to the application
// thread by sending it private WM_USER messages. The application device
// registers its window here as soon as it has made it.
#ifndef TQGFWINAPPWINDOW_H
#define TQGFWINAPPWINDOW_H

#include <cstdint>

// HWND, declared without the Win32 headers.
struct HWND__;

// wParams of the private WM_USER messages: news of a child process, and a
// thread callback.
const std::uintptr_t TQ_WM_USER_CHILD_PROCESS = 1;
const std::uintptr_t TQ_WM_USER_THREAD_CALLBACK = 3;

void TQGFsetAppWindow(HWND__* window);
// Null until the application device has registered its window.
HWND__* TQGFgetAppWindow();

// Sends WM_USER with code and record to the application window and waits
// for it to be handled, at most timeoutMs. 0 when it was handled; -2 when
// the time ran out (the window procedure still receives the message later
// and owns the record); -1 when it could not be delivered at all (no
// application window, or the window is gone), so the caller keeps the record.
long TQGFsendToAppWindow(std::uintptr_t code, void* record, unsigned int timeoutMs);

#endif
