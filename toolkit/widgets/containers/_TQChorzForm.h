// The row box form: a TQCvertForm laid out left to right, whose alignment
// across the row is shown as alignmentV (alignmentH is not offered).
#ifndef _TQCHORZFORM_H
#define _TQCHORZFORM_H

#include "_TQCvertForm.h"

class TQChorzForm : public TQCvertForm {
public:
    TQ_CLASS_FRAME(TQChorzForm, TQCvertForm, 1001, 1001)
    TQChorzForm(TQCbase* parent, const char* name);

    TQ_PROPERTY_HOOKS(alignmentV, unsigned char)
};

void* TQChorzForm_create(void* parent);
void TQChorzForm_delete(void* object);

#endif
