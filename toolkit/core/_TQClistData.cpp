// Growable pointer array. The array grows in whole growth units, decided by
// the entry count alone, and is freed only when its last entry goes.
#include "_TQClistData.h"

#include <cstring>

namespace {
// Out-of-range operator[] hands this out; it is nulled on every such access.
void* spareSlot = nullptr;
}

TQClistData::TQClistData() : buf(nullptr), num(0), step(128) {}

TQClistData::TQClistData(long stepArg) : buf(nullptr), num(0)
{
    step = stepArg > 255 ? 0 : static_cast<unsigned char>(stepArg & 0xFF);
}

TQClistData::TQClistData(const TQClistData& other) : buf(nullptr), num(0), step(other.step)
{
    copyFrom(other);
}

TQClistData& TQClistData::operator=(const TQClistData& other)
{
    if (this == &other)
        return *this;
    delete[] buf;
    buf = nullptr;
    num = 0;
    step = other.step;
    copyFrom(other);
    return *this;
}

TQClistData::~TQClistData()
{
    delete[] buf;
}

unsigned long TQClistData::growthUnit() const
{
    return step == 0 ? 256 : step;
}

// Whole growth units holding count + 1 entries.
unsigned long TQClistData::slotsFor(long count) const
{
    unsigned long u = growthUnit();
    return (static_cast<unsigned long>(count) / u + 1) * u;
}

void TQClistData::copyFrom(const TQClistData& other)
{
    num = other.num;
    if (num <= 0 || other.buf == nullptr)
        return;
    buf = new void*[slotsFor(num)];
    std::memcpy(buf, other.buf, sizeof(void*) * num);
}

long TQClistData::add(void* p, long pos)
{
    unsigned long u = growthUnit();
    bool full = static_cast<unsigned long>(num) % u == 0;
    bool insert = static_cast<unsigned long>(pos) < static_cast<unsigned long>(num);

    if (insert) {
        if (full) {
            void** grown = new void*[slotsFor(num)];
            std::memcpy(grown, buf, sizeof(void*) * pos);
            std::memcpy(grown + pos + 1, buf + pos, sizeof(void*) * (num - pos));
            delete[] buf;
            buf = grown;
        } else {
            std::memmove(buf + pos + 1, buf + pos, sizeof(void*) * (num - pos));
        }
        buf[pos] = p;
    } else {
        if (num == 0) {
            // A cleared list keeps its array for reuse.
            if (buf == nullptr)
                buf = new void*[u];
        } else if (full) {
            void** grown = new void*[slotsFor(num)];
            std::memcpy(grown, buf, sizeof(void*) * num);
            delete[] buf;
            buf = grown;
        }
        buf[num] = p;
    }
    ++num;
    return 0;
}

void TQClistData::removeAt(long pos)
{
    if (num == 1) {
        delete[] buf;
        buf = nullptr;
        num = 0;
        return;
    }
    std::memmove(buf + pos, buf + pos + 1, sizeof(void*) * (num - pos - 1));
    --num;
}

long TQClistData::del(void* p)
{
    for (long i = 0; i < num; ++i) {
        if (buf[i] == p) {
            removeAt(i);
            return 0;
        }
    }
    return -1;
}

long TQClistData::delPos(long pos)
{
    if (pos < 0 || pos >= num)
        return -1;
    removeAt(pos);
    return 0;
}

void TQClistData::clear()
{
    num = 0;
}

void TQClistData::setData(long pos, void* p)
{
    if (pos >= 0 && pos < num)
        buf[pos] = p;
}

void* TQClistData::getData(long pos) const
{
    if (pos >= 0 && pos < num)
        return buf[pos];
    if (pos == -1 && num > 0)
        return buf[num - 1];
    return nullptr;
}

void* TQClistData::getTopData() const
{
    return num > 0 ? buf[0] : nullptr;
}

void* TQClistData::getBottomData() const
{
    return num > 0 ? buf[num - 1] : nullptr;
}

void*& TQClistData::operator[](long pos)
{
    if (pos >= 0 && pos < num)
        return buf[pos];
    if (pos < 0 && num > 0)
        return buf[num - 1];
    spareSlot = nullptr;
    return spareSlot;
}
