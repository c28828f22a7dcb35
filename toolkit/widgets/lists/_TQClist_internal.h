// Helpers shared by the source files of the list and its row label, and by
// none outside them: numbers kept as user data, and numeric properties set
// by name.
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

} // namespace tqlist

#endif
