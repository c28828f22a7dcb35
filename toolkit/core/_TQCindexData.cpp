// String-keyed pointer map kept as one list of alternating key and value
// slots, searched linearly in insertion order.
#include "_TQCindexData.h"

#include <cstring>

#include "_TQGFstring.h"

namespace {
char emptyKey[1] = "";
}

bool TQCindexData::sameKey(const char* a, const char* b)
{
    return a[0] == b[0] && std::strcmp(a, b) == 0;
}

TQCindexData::TQCindexData() : noAllocIndex(0) {}

TQCindexData::TQCindexData(const TQCindexData& other) : noAllocIndex(other.noAllocIndex)
{
    appendPairsOf(other);
}

TQCindexData& TQCindexData::operator=(const TQCindexData& other)
{
    if (this == &other)
        return *this;
    clear();
    noAllocIndex = other.noAllocIndex;
    appendPairsOf(other);
    return *this;
}

TQCindexData::~TQCindexData()
{
    clear();
}

long TQCindexData::findPair(const char* key) const
{
    long pairs = getNum();
    for (long i = 0; i < pairs; ++i) {
        if (sameKey(static_cast<const char*>(list.getData(2 * i)), key))
            return i;
    }
    return -1;
}

void TQCindexData::appendPair(const char* key, void* value)
{
    char* stored = noAllocIndex ? const_cast<char*>(key) : TQGFstrdup(key);
    list.add(stored, -1);
    list.add(value, -1);
}

void TQCindexData::appendPairsOf(const TQCindexData& other)
{
    long pairs = other.getNum();
    for (long i = 0; i < pairs; ++i)
        appendPair(static_cast<const char*>(other.list.getData(2 * i)), other.list.getData(2 * i + 1));
}

void TQCindexData::freeKey(long pair)
{
    if (!noAllocIndex)
        delete[] static_cast<char*>(list.getData(2 * pair));
}

long TQCindexData::setData(const char* key, void* value)
{
    long pair = findPair(key);
    if (pair >= 0)
        list.setData(2 * pair + 1, value);
    else
        appendPair(key, value);
    return 0;
}

void* TQCindexData::getData(const char* key) const
{
    long pair = findPair(key);
    return pair >= 0 ? list.getData(2 * pair + 1) : nullptr;
}

void* TQCindexData::getData(long n) const
{
    long pairs = getNum();
    if (pairs == 0)
        return nullptr;
    if (n < 0 || n >= pairs)
        n = pairs - 1;
    return list.getData(2 * n + 1);
}

char* TQCindexData::getIndex(long n) const
{
    long pairs = getNum();
    if (pairs == 0)
        return emptyKey;
    if (n < 0 || n >= pairs)
        n = pairs - 1;
    return static_cast<char*>(list.getData(2 * n));
}

long TQCindexData::del(const char* key)
{
    long pair = findPair(key);
    if (pair < 0)
        return -1;
    freeKey(pair);
    list.delPos(2 * pair);
    list.delPos(2 * pair);
    return 0;
}

long TQCindexData::delPos(long n)
{
    // The slot index is twice n as a 32-bit number; a negative one selects
    // the last pair.
    long slot = static_cast<long>(static_cast<unsigned long>(n) * 2u);
    long pairs = getNum();
    if (pairs == 0)
        return -1;
    long pair;
    if (slot < 0)
        pair = pairs - 1;
    else if (slot >= list.getNum())
        return -1;
    else
        pair = slot / 2;
    freeKey(pair);
    list.delPos(2 * pair);
    list.delPos(2 * pair);
    return 0;
}

void TQCindexData::clear()
{
    long pairs = getNum();
    for (long i = 0; i < pairs; ++i)
        freeKey(i);
    list.clear();
}

void*& TQCindexData::operator[](const char* key)
{
    long pair = findPair(key);
    if (pair < 0) {
        appendPair(key, nullptr);
        pair = getNum() - 1;
    }
    return list[2 * pair + 1];
}

void TQCindexData::setNoAllocIndex(unsigned char flag)
{
    if (flag == noAllocIndex)
        return;
    clear();
    noAllocIndex = flag;
}
