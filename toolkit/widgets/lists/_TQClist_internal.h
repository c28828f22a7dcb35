// Helpers shared by the source files of the list, its row label and the
// combo box, and by none outside this folder: numbers kept as user data,
// numeric properties set by name, sizes kept at one pixel or more, the
// icons of files and directories and the listings of the file system.
#ifndef _TQCLIST_INTERNAL_H
#define _TQCLIST_INTERNAL_H

#include "_TQCbase.h"
#include "_TQClistData.h"

namespace tqlist {

// The pictures of a file and of a directory in the toolkit's image folder.
const char* const kFileIcon = "$(TQDIR)/sys/pixmaps/bi17.xpm";
const char* const kDirIcon = "$(TQDIR)/sys/pixmaps/bi16.xpm";

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

// A listing of the file-system service, owned: each name is freed with it.
struct NameList {
    explicit NameList(TQClistData* list) : list(list) {}
    ~NameList()
    {
        if (list == nullptr)
            return;
        for (long i = 0; i < list->getNum(); ++i)
            delete[] static_cast<char*>(list->getData(i));
        delete list;
    }
    NameList(const NameList&) = delete;
    NameList& operator=(const NameList&) = delete;
    long count() const { return list != nullptr ? list->getNum() : 0; }
    const char* at(long i) const { return static_cast<const char*>(list->getData(i)); }

    TQClistData* list;
};

// A size that would come out below one pixel is one pixel.
inline long atLeastOne(long size)
{
    return size < 1 ? 1 : size;
}

} // namespace tqlist

#endif
