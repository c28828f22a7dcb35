// A pop-up frame drawn with the real pointer at (x, y) on the screen: what
// its drawing finds under the pointer, as getValue answers it.
#ifndef POPUPPOINTER_H
#define POPUPPOINTER_H

#include "TQwin32.h"
#include "_TQCpopupFrame.h"

inline long drawnWithPointerAt(TQCpopupFrame* frame, int x, int y, long* value)
{
    SetCursorPos(x, y);
    frame->setAbsoluteDraw(1);
    frame->draw();
    return frame->getValue(value);
}

#endif
