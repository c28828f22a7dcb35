// A top-level window of the toolkit's own class on its real device, for the
// widget tests that need the whole toolkit path: made without a title bar
// (so the system does not widen it), its client area at (x, y) on the
// screen, w x h; children are added as to any TQCwindow.
//
//     TQCwindow* top = makeToolkitWindow("w", 50, 60, 320, 220);
//     ... children ...
//     showAndPaint(top);
//     COLORREF c = windowPixel(clientWindowOf(top), 10, 10);
#ifndef GUITOOLKITWINDOW_H
#define GUITOOLKITWINDOW_H

#include "TQwin32.h"
#include "_TQGFgeometry.h"

#include <array>

class TQCbase;
class TQCscrForm;
class TQCwindow;
class TQDwinScrFrameDev;

TQCwindow* makeToolkitWindow(const char* name, short x, short y, unsigned short w,
                             unsigned short h);
// A child of the class made, initialised, placed at (x, y), w x h, and
// shown.
template <class Widget>
Widget* makeShownChild(TQCbase* parent, const char* name, short x, short y, unsigned short w,
                       unsigned short h)
{
    Widget* widget = new Widget(parent, name);
    widget->initialize();
    TQGFsetGeometry(widget, x, y, w, h);
    widget->setVisible(1);
    return widget;
}
// Shows the window and pumps until it has been painted and the queue is
// empty; answers whether it was painted within timeoutMs.
bool showAndPaint(TQCwindow* window, DWORD timeoutMs = 5000);
// The window whose client area the toolkit draws in.
HWND clientWindowOf(TQCwindow* window);
// The native window of a form's (or scrolled frame's) device.
HWND formWindowOf(TQCbase* form);
// The device of a scrolled form's frame, where its work area is drawn;
// null before the frame has one.
TQDwinScrFrameDev* scrFrameDevOf(TQCscrForm* form);
// Where a form's window lies in its parent form's window: x, y, width and
// height, as GetWindowRect finds them.
std::array<long, 4> placedInParent(TQCbase* form);
// x, y, width and height as the object's properties hold them.
std::array<long, 4> geometryOf(TQCbase* object);
// A message posted to a window; for a mouse message the real pointer is put
// at its point first (a wheel message's point lies on the screen, the
// others' in the window), where a user's pointer would be: the application's
// tick takes a pointer outside the window that has the mouse for one that
// has left it, between two posted messages too.
void postInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// A mouse message at a point of the screen, the pointer put there first:
// to the window holding the pointer, else to window; then the queue pumped
// for at most timeoutMs.
void postMouseAt(HWND window, UINT message, WPARAM keys, POINT at, DWORD timeoutMs = 5000);

#endif
