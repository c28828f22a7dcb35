// The HTTP client's cache of the last 64 responses, least recently used
// first.
#include "TQCurlCache.h"

#include "_TQGFstring.h"

#include <cstring>

namespace {

const long kCapacity = 64;

struct CacheList {
    TQCurlCache* first = nullptr;
    TQCurlCache* last = nullptr;
    long count = 0;
};

CacheList& cacheList()
{
    static CacheList list;
    return list;
}

char* copyOfBytes(const char* data, long length)
{
    char* copy = new char[length > 0 ? length : 1]();
    if (data != nullptr && length > 0)
        std::memcpy(copy, data, static_cast<size_t>(length));
    return copy;
}

} // namespace

TQCurlCache::TQCurlCache(const std::string& url, const char* data, long length,
                         const char* contentType, long html)
    : m_html(html), m_length(length), m_url(TQGFstrdup(url.c_str())),
      m_data(copyOfBytes(data, length)),
      m_contentType(TQGFstrdup(contentType != nullptr ? contentType : "")), m_next(nullptr),
      m_prev(nullptr)
{
}

TQCurlCache::~TQCurlCache()
{
    delete[] m_data;
    delete[] m_contentType;
    delete[] m_url;
}

std::string _get_url_name(const char* url)
{
    const char* fragment = std::strchr(url, '#');
    return fragment != nullptr ? std::string(url, fragment) : std::string(url);
}

TQCurlCache* _search_cache(const char* url, long move)
{
    std::string key = _get_url_name(url);
    CacheList& list = cacheList();
    for (TQCurlCache* entry = list.last; entry != nullptr; entry = entry->m_prev) {
        if (key != entry->m_url)
            continue;
        if (move) {
            _remove_cache(entry);
            _add_cache(list.last, nullptr, entry);
        }
        return entry;
    }
    return nullptr;
}

void _update_cache(const char* url, const char* data, const char* contentType, long length,
                   long html)
{
    CacheList& list = cacheList();
    if (TQCurlCache* old = _search_cache(url, 0)) {
        _remove_cache(old);
        delete old;
    } else if (list.count >= kCapacity) {
        TQCurlCache* oldest = list.first;
        _remove_cache(oldest);
        delete oldest;
    }
    _add_cache(list.last, nullptr,
               new TQCurlCache(_get_url_name(url), data, length, contentType, html));
}

void _remove_cache(TQCurlCache* entry)
{
    CacheList& list = cacheList();
    if (entry->m_prev != nullptr)
        entry->m_prev->m_next = entry->m_next;
    else
        list.first = entry->m_next;
    if (entry->m_next != nullptr)
        entry->m_next->m_prev = entry->m_prev;
    else
        list.last = entry->m_prev;
    entry->m_next = entry->m_prev = nullptr;
    --list.count;
}

void _add_cache(TQCurlCache* prev, TQCurlCache* next, TQCurlCache* entry)
{
    CacheList& list = cacheList();
    entry->m_prev = prev;
    entry->m_next = next;
    if (prev != nullptr)
        prev->m_next = entry;
    else
        list.first = entry;
    if (next != nullptr)
        next->m_prev = entry;
    else
        list.last = entry;
    ++list.count;
}
