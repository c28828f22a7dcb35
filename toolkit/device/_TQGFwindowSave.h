// Saving a window's object tree into named storage and loading it back,
// through a transaction of the conductor.
#ifndef _TQGFWINDOWSAVE_H
#define _TQGFWINDOWSAVE_H

class TQCbase;

// Saves the window's tree under its instance name into path with the
// serialiser of kind type ("FILE", ...), texts in the given encoding. 0, or
// -1 when no serialiser could begin, or the code of a failed write.
long TQGFsaveWindow(const char* type, const char* path, TQCbase* window, long encoding);
// Loads the first window tree stored in path under parent into *window. The
// load's result, else the end of the transaction's; -1 when no serialiser
// could begin.
long TQGFloadWindow(const char* type, const char* path, TQCbase** window, TQCbase* parent,
                    long encoding);
// Deletes the window with its tree; null is accepted. 0.
long TQGFdestroyWindow(TQCbase* window);

#endif
