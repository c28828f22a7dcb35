// String-keyed variant map: two parallel lists, keys and heap variants,
// searched linearly in insertion order.
#include "_TQCindexVariantData.h"

#include "_TQCindexData.h"
#include "_TQGFstring.h"

TQCindexVariantData::TQCindexVariantData() : spare(0L) {}

TQCindexVariantData::TQCindexVariantData(const TQCindexVariantData& other) : spare(0L)
{
    appendPairsOf(other);
}

TQCindexVariantData& TQCindexVariantData::operator=(const TQCindexVariantData& other)
{
    if (this == &other)
        return *this;
    clear();
    appendPairsOf(other);
    return *this;
}

TQCindexVariantData::~TQCindexVariantData()
{
    clear();
}

long TQCindexVariantData::findPair(const char* key) const
{
    long n = keys.getNum();
    for (long i = 0; i < n; ++i) {
        if (TQCindexData::sameKey(static_cast<const char*>(keys.getData(i)), key))
            return i;
    }
    return -1;
}

void TQCindexVariantData::appendPair(const char* key, const TQCvariant& value)
{
    keys.add(TQGFstrdup(key), -1);
    values.add(new TQCvariant(value), -1);
}

void TQCindexVariantData::appendPairsOf(const TQCindexVariantData& other)
{
    long n = other.getNum();
    for (long i = 0; i < n; ++i)
        appendPair(static_cast<const char*>(other.keys.getData(i)),
                   *static_cast<TQCvariant*>(other.values.getData(i)));
}

void TQCindexVariantData::removePair(long pos)
{
    delete[] static_cast<char*>(keys.getData(pos));
    delete static_cast<TQCvariant*>(values.getData(pos));
    keys.delPos(pos);
    values.delPos(pos);
}

long TQCindexVariantData::setData(const char* key, const TQCvariant& value)
{
    long pos = findPair(key);
    if (pos >= 0)
        *static_cast<TQCvariant*>(values.getData(pos)) = value;
    else
        appendPair(key, value);
    return 0;
}

TQCvariant* TQCindexVariantData::getData(const char* key)
{
    long pos = findPair(key);
    return pos >= 0 ? static_cast<TQCvariant*>(values.getData(pos)) : &spare;
}

TQCvariant* TQCindexVariantData::getData(long pos)
{
    return static_cast<TQCvariant*>(values[pos]);
}

char* TQCindexVariantData::getIndex(long pos)
{
    return static_cast<char*>(keys[pos]);
}

TQCvariant& TQCindexVariantData::operator[](const char* key)
{
    long pos = findPair(key);
    if (pos < 0) {
        appendPair(key, TQCvariant(0));
        pos = getNum() - 1;
    }
    return *static_cast<TQCvariant*>(values.getData(pos));
}

long TQCindexVariantData::isExist(const char* key) const
{
    return findPair(key) >= 0 ? 1 : 0;
}

long TQCindexVariantData::del(const char* key)
{
    long pos = findPair(key);
    if (pos < 0)
        return -1;
    removePair(pos);
    return 0;
}

long TQCindexVariantData::delPos(long pos)
{
    long n = getNum();
    if (n == 0 || pos >= n)
        return -1;
    removePair(pos < 0 ? n - 1 : pos);
    return 0;
}

void TQCindexVariantData::clear()
{
    long n = getNum();
    for (long i = 0; i < n; ++i) {
        delete[] static_cast<char*>(keys.getData(i));
        delete static_cast<TQCvariant*>(values.getData(i));
    }
    keys.clear();
    values.clear();
}
