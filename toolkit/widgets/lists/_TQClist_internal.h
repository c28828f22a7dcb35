// Helpers shared by the source files of the list, its row label and the
// combo box, and by none outside this folder: numbers kept as user data,
// numeric properties set by name, and sizes kept at one pixel or more.
#ifndef _TQCLIST_INTERNAL_H
#define _TQCLIST_INTERNAL_H

#include "_TQCbase.h"

namespace tqlist {

inline long userLong(TQCbase* object, const char* key)
{
    return static_cast<long>(object->getUserLongData(key));
}

inline void setUserLong(TQCbase* object, const char* key, long value)
{
    object->setUserLongData(key, static_cast<unsigned long>(value));
}

inline void setNumber(TQCbase* object, const char* name, long value)
{
    object->setProperty(name, TQCvariant(value));
}

// A size that would come out below one pixel is one pixel.
inline long atLeastOne(long size)
{
    return size < 1 ? 1 : size;
}

} // namespace tqlist

#endif
