// The tree list: the list preset to show its rows as a tree, each with the
// file icon unless its data names another. Levels, open marks, the hiding of
// closed branches and the tree's data text are the list's own.
#ifndef _TQCTREELIST_H
#define _TQCTREELIST_H

#include "_TQClist.h"

class TQCtreeList : public TQClist {
public:
    TQ_CLASS_FRAME(TQCtreeList, TQClist, 1000, 1000)
    TQCtreeList(TQCbase* parent, const char* name);
};

void* TQCtreeList_create(void* parent);
void TQCtreeList_delete(void* object);

#endif
