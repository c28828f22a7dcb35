// Ordered map from NUL-terminated string keys to untyped pointers. It copies
// its keys unless told to keep them as passed; it never owns the values.
#ifndef _TQCINDEXDATA_H
#define _TQCINDEXDATA_H

#include "_TQClistData.h"

class TQCindexData {
public:
    TQCindexData();
    TQCindexData(const TQCindexData& other);
    TQCindexData& operator=(const TQCindexData& other);
    virtual ~TQCindexData();

    // An existing key keeps its stored key pointer and takes the new value.
    long setData(const char* key, void* value);
    void* getData(const char* key) const;
    // Pair n; an index outside the map selects the last pair.
    void* getData(long n) const;
    char* getIndex(long n) const;
    long del(const char* key);
    long delPos(long n);
    void clear();
    // Adds the key with a null value when absent.
    void*& operator[](const char* key);

    // 0: keys are copied and freed by the map; 1: the caller's key pointers
    // are kept as passed. Changing the rule empties the map.
    void setNoAllocIndex(unsigned char flag);
    unsigned char getNoAllocIndex() const { return noAllocIndex; }

    long getNum() const { return list.getNum() / 2; }
    TQClistData* getList() { return &list; }

    // Key equality of the toolkit's maps: exact bytes, first byte tested
    // before the full comparison.
    static bool sameKey(const char* a, const char* b);

private:
    long findPair(const char* key) const;
    void appendPair(const char* key, void* value);
    void appendPairsOf(const TQCindexData& other);
    void freeKey(long pair);

    TQClistData list;
    unsigned char noAllocIndex;
};

#endif
