// The hidden application window as the Win32 services reach it: private
// timers run on it, and worker threads hand their work to the application
// thread by posting it private WM_USER messages (TQwinHandOverQueue.h).
// The application device registers its window here as soon as it has made
// it, and its palette when the display needs one.
#ifndef TQGFWINAPPWINDOW_H
#define TQGFWINAPPWINDOW_H

#include <cstdint>

// HWND, declared without the Win32 headers.
struct HWND__;
struct HPALETTE__;

// wParams of the private WM_USER messages to the application window: the
// wake-ups of the hand-over queues of child processes, sockets and thread
// objects (lParam the queue); the lock is taken; pump one message for a
// thread that holds the lock. Any other wParam is an inter-application
// message.
const std::uintptr_t TQ_WM_USER_CHILD_PROCESS = 1;
const std::uintptr_t TQ_WM_USER_SOCKET_EVENT = 2;
const std::uintptr_t TQ_WM_USER_THREAD_CALLBACK = 3;
const std::uintptr_t TQ_WM_USER_LOCK = 4;
const std::uintptr_t TQ_WM_USER_PUMP = 5;
// Further private messages: the lock is released; create a window, create
// one with an extended style, destroy one, on the application thread; a
// window was activated, so the topmost windows are stacked above it again;
// the pointer grab may have gone to a window outside it (wParam 1: a
// cancel-mode request, which ends the grab in any case).
const unsigned int TQ_WM_UNLOCK = 0xA000;
const unsigned int TQ_WM_CREATE_WINDOW = 0xA001;
const unsigned int TQ_WM_CREATE_WINDOW_EX = 0xA002;
const unsigned int TQ_WM_DESTROY_WINDOW = 0xA003;
const unsigned int TQ_WM_KEEP_TOPMOST = 0xA004;
const unsigned int TQ_WM_GRAB_LOST = 0xA005;

void TQGFsetAppWindow(HWND__* window);
// Null until the application device has registered its window.
HWND__* TQGFgetAppWindow();

// The application palette that drawing selects into its contexts; null on
// displays without a palette.
void TQGFsetAppPalette(HPALETTE__* palette);
HPALETTE__* TQGFgetAppPalette();

#endif
