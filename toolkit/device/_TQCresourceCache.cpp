// Name and number caches of the colour and image sets.
#include "_TQCresourceCache.h"

#include "_TQClistData.h"
#include "_TQDres.h"

#include <cstring>

TQCresourceCache::TQCresourceCache()
{
    for (long i = 0; i < SLOTS; ++i) {
        m_byName[i] = nullptr;
        m_byNumber[i] = nullptr;
    }
}

// First and last characters as signed bytes.
long TQCresourceCache::nameSlot(const char* name)
{
    size_t length = std::strlen(name);
    if (length == 0)
        return 0;
    long first = static_cast<signed char>(name[0]);
    long last = static_cast<signed char>(name[length - 1]);
    return (first + 4 * last) & (SLOTS - 1);
}

bool TQCresourceCache::hasName(TQDres* res, const char* name)
{
    const char* src = res->getSrc();
    return src[0] == name[0] && std::strcmp(src, name) == 0;
}

TQDres* TQCresourceCache::byName(const char* name) const
{
    TQDres* res = m_byName[nameSlot(name)];
    return res != nullptr && hasName(res, name) ? res : nullptr;
}

void TQCresourceCache::keepByName(const char* name, TQDres* res)
{
    m_byName[nameSlot(name)] = res;
}

// The lists hold the sets' own resource pointers; each resource class derives
// from TQDres alone, so those are the TQDres pointers as well.
TQDres* TQCresourceCache::findByNumber(const TQClistData& list, short no)
{
    TQDres* cached = m_byNumber[numberSlot(no)];
    if (cached != nullptr && cached->getId() == no)
        return cached;
    for (long i = 0; i < list.getNum(); ++i) {
        TQDres* res = static_cast<TQDres*>(list.getData(i));
        if (res->getId() == no) {
            m_byNumber[numberSlot(no)] = res;
            return res;
        }
    }
    return nullptr;
}

void TQCresourceCache::forget(TQDres* res)
{
    for (long i = 0; i < SLOTS; ++i) {
        if (m_byName[i] == res)
            m_byName[i] = nullptr;
        if (m_byNumber[i] == res)
            m_byNumber[i] = nullptr;
    }
}
