// Ordered map from string keys to variants. It owns its key copies and its
// variants.
#ifndef _TQCINDEXVARIANTDATA_H
#define _TQCINDEXVARIANTDATA_H

#include "_TQClistData.h"
#include "_TQCvariant.h"

class TQCindexVariantData {
public:
    TQCindexVariantData();
    TQCindexVariantData(const TQCindexVariantData& other);
    TQCindexVariantData& operator=(const TQCindexVariantData& other);
    virtual ~TQCindexVariantData();

    // An existing key's variant is assigned the value; a new key stores a
    // copy of it.
    long setData(const char* key, const TQCvariant& value);
    // An absent key yields the map's spare variant (long 0 as constructed).
    TQCvariant* getData(const char* key);
    // Entry pos; a negative pos selects the last entry; null beyond the end.
    TQCvariant* getData(long pos);
    char* getIndex(long pos);
    // Adds the key with an int 0 variant when absent.
    TQCvariant& operator[](const char* key);
    long isExist(const char* key) const;
    long del(const char* key);
    long delPos(long pos);
    void clear();
    long getNum() const { return values.getNum(); }

private:
    long findPair(const char* key) const;
    void appendPair(const char* key, const TQCvariant& value);
    void appendPairsOf(const TQCindexVariantData& other);
    void removePair(long pos);

    TQClistData values;
    TQClistData keys;
    TQCvariant spare;
};

#endif
