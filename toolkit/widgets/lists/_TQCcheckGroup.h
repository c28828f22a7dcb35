// The check group: the radio group with independent toggles. Any number of
// its items can be on; value is a bit mask, item i (from 0) being bit i, so
// that items 1 to 32 can show in it.
#ifndef _TQCCHECKGROUP_H
#define _TQCCHECKGROUP_H

#include "_TQCradioGroup.h"

class TQCcheckGroup : public TQCradioGroup {
public:
    TQ_CLASS_FRAME(TQCcheckGroup, TQCradioGroup, 1001, 1001)
    TQCcheckGroup(TQCbase* parent, const char* name);
};

void* TQCcheckGroup_create(void* parent);
void TQCcheckGroup_delete(void* object);

#endif
