// The rectangle: the widget's own rectangle filled, hatched and outlined by
// the shape attributes, inset by half the pen so that a wide outline stays
// inside the widget.
#ifndef _TQCVRECT_H
#define _TQCVRECT_H

#include "_TQCvpolyAttr.h"

class TQCvrect : public TQCvpolyAttr {
public:
    TQ_CLASS_FRAME(TQCvrect, TQCvpolyAttr, 1000, 1000)
    TQCvrect(TQCbase* parent, const char* name);

    long draw() override;
};

void* TQCvrect_create(void* parent);
void TQCvrect_delete(void* object);

#endif
