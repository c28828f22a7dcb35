// The multi-column list: the list preset to its Detail type, with row icons
// and a 20-pixel title band. Its header of column buttons is made as the
// list is initialised; a click on a button sorts by that column, a dragged
// divider moves the columns of every row.
#ifndef _TQCVERBLIST_H
#define _TQCVERBLIST_H

#include "_TQClist.h"

class TQCverbList : public TQClist {
public:
    TQ_CLASS_FRAME(TQCverbList, TQClist, 1000, 1000)
    TQCverbList(TQCbase* parent, const char* name);

    long initialize() override;
};

void* TQCverbList_create(void* parent);
void TQCverbList_delete(void* object);

#endif
