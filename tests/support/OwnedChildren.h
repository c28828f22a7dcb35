// Containers of the test classes own their children: deleteChildren frees
// them first to last when the container goes.
#ifndef OWNEDCHILDREN_H
#define OWNEDCHILDREN_H

#include "_TQCbase.h"

// Each child takes itself out of the list as it goes; one that does not is
// taken out here.
inline void deleteChildren(TQClistData& children)
{
    while (children.getNum() > 0) {
        TQCbase* child = static_cast<TQCbase*>(children.getData(0));
        delete child;
        if (children.getNum() > 0 && children.getData(0) == child)
            children.delPos(0);
    }
}

#endif
