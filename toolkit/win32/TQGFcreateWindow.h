// Creating and destroying native windows from any thread: every window of
// the toolkit belongs to the application thread, so another thread hands
// its request to the application window and waits for the answer.
#ifndef TQGFCREATEWINDOW_H
#define TQGFCREATEWINDOW_H

// Win32 handles, declared without the Win32 headers.
struct HINSTANCE__;
struct HMENU__;
struct HWND__;

// From another thread the width and height travel as 16-bit values.
HWND__* TQGFcreateWindow(char* className, char* windowName, unsigned long style, int x, int y,
                         int width, int height, HWND__* parent, HMENU__* menu,
                         HINSTANCE__* instance, void* data);
HWND__* TQGFcreateWindowEx(unsigned long exStyle, char* className, char* windowName,
                           unsigned long style, int x, int y, int width, int height,
                           HWND__* parent, HMENU__* menu, HINSTANCE__* instance, void* data);
void TQGFdestroyWindow(HWND__* window);

// The application thread's halves, run by the window procedure: each
// answers the waiting sender with its result.
void TQGFreplyCreateWindowRequest(void* request);
void TQGFreplyCreateWindowRequestEx(void* request);
void TQGFreplyDestroyWindowRequest(HWND__* window);

#endif
