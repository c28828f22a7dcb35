// Tree list: the Tree type and row icons from the start, the display type
// kept out of the builder's reach.
#include "_TQCtreeList.h"

#include "_TQCtypeServerFrame.h"

TQ_TYPE_SERVER_FRAME(TQCtreeList, TQClist);

TQCtreeList::TQCtreeList(TQCbase* parent, const char* name) : TQClist(parent, name)
{
    presetDisplay(this, TYPE_TREE, [](Registrar&) {});
}
