// The application's main window: a top-level window whose exit property is
// on from the start, so that closing it ends the program.
#ifndef _TQCMAINWINDOW_H
#define _TQCMAINWINDOW_H

#include "_TQCwindow.h"

class TQCmainWindow : public TQCwindow {
public:
    TQ_CLASS_FRAME(TQCmainWindow, TQCwindow, 1000, 1000)
    TQCmainWindow(TQCbase* parent, const char* name);
};

void* TQCmainWindow_create(void* parent);
void TQCmainWindow_delete(void* object);

#endif
