// The HTTP client's cache: the last 64 responses by URL, kept for the
// process in a list from the least to the most recently used. A URL's key
// is the URL without its fragment.
#ifndef TQCURLCACHE_H
#define TQCURLCACHE_H

#include <string>

// One response: made and destroyed only by _update_cache.
class TQCurlCache {
public:
    TQCurlCache(const std::string& url, const char* data, long length, const char* contentType,
                long html);
    ~TQCurlCache();
    TQCurlCache(const TQCurlCache&) = delete;
    TQCurlCache& operator=(const TQCurlCache&) = delete;

    long m_html;
    // Bytes of m_data, its terminating NUL included; 0 for an exchange that
    // brought nothing.
    long m_length;
    char* m_url;
    char* m_data;
    char* m_contentType;
    TQCurlCache* m_next;
    TQCurlCache* m_prev;
};

// The URL up to its first '#'.
std::string _get_url_name(const char* url);
// The entry whose key is the URL's, or null; with move set, a hit becomes
// the most recently used.
TQCurlCache* _search_cache(const char* url, long move);
// Stores a copy of length bytes of data (null data or type: ""), replacing
// the URL's entry or, with the cache full, the least recently used.
void _update_cache(const char* url, const char* data, const char* contentType, long length,
                   long html);
// Unlinks the entry from the list.
void _remove_cache(TQCurlCache* entry);
// Links the entry between two neighbours; a null neighbour makes it the
// first or the last.
void _add_cache(TQCurlCache* prev, TQCurlCache* next, TQCurlCache* entry);

#endif
