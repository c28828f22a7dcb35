// The hidden application window as the Win32 services reach it: private
// timers run on it, and worker threads hand their work to the application
// thread by sending it private WM_USER messages. The application device
// registers its window here as soon as it has made it, and its palette when
// the display needs one.
#ifndef TQGFWINAPPWINDOW_H
#define TQGFWINAPPWINDOW_H

#include <cstdint>

// HWND, declared without the Win32 headers.
struct HWND__;
struct HPALETTE__;

// wParam of the private WM_USER message that carries a thread callback.
const std::uintptr_t TQ_WM_USER_THREAD_CALLBACK = 3;

void TQGFsetAppWindow(HWND__* window);
// Null until the application device has registered its window.
HWND__* TQGFgetAppWindow();

// The application palette that drawing selects into its contexts; null on
// displays without a palette.
void TQGFsetAppPalette(HPALETTE__* palette);
HPALETTE__* TQGFgetAppPalette();

// Sends WM_USER with code and record to the application window and waits
// for it to be handled, at most timeoutMs. 0 when it was handled; -2 when
// the time ran out (the window procedure still receives the message later
// and owns the record); -1 when it could not be delivered at all (no
// application window, or the window is gone), so the caller keeps the record.
long TQGFsendToAppWindow(std::uintptr_t code, void* record, unsigned int timeoutMs);

#endif
