// The editable row label: a single-line input field set up as a list row.
// Its background is role colour -13, and typed characters are not taken
// until its owner enables key input (setKeyInputDisable(0)).
#ifndef _TQCVKSLABEL_H
#define _TQCVKSLABEL_H

#include "_TQCvifield.h"

class TQCvkslabel : public TQCvifield {
public:
    TQ_CLASS_FRAME(TQCvkslabel, TQCvifield, 1000, 1001)
    TQCvkslabel(TQCbase* parent, const char* name);
};

void* TQCvkslabel_create(void* parent);
void TQCvkslabel_delete(void* object);

#endif
