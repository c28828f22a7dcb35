// The grey bars that drags show above every other window: the split form's
// ghost bar and the four sides of the floating form's rubber band. Each is
// a top-level window named "sform_sep_window", without frame or border.
#ifndef _TQGFSEPARATORWINDOW_H
#define _TQGFSEPARATORWINDOW_H

class TQCwindow;

// A new bar, initialised and hidden; the caller keeps it.
TQCwindow* TQGFnewSeparatorWindow();
// Places the bar at (x, y), w x h on the screen, and shows it.
void TQGFplaceSeparatorWindow(TQCwindow* bar, long x, long y, long w, long h);

#endif
