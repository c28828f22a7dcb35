// The HTTP/1.0 client: URL parsing, the connection (direct or through the
// proxy), the request, the response read whole and its two headers that
// matter, and the cache in front of it all.
#include "TQGFloadRemoteFile.h"

#include "TQCurlCache.h"
#include "TQGFwinSockets.h"

#include <winsock2.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

namespace {

enum {
    kWriteFailed = -20,
    kNoMemory = -22,
    kBadUrl = -23,
    kHostNotFound = -25,
    kReadFailed = -26
};

const char* const kAcceptList[] = {"text/plain", "text/html", "application/x-tq", "*/*"};
const size_t kProxyLimit = 2047;
const size_t kIdentityLimit = 1023;
const unsigned short kHttpPort = 80;
// The system's own limits apply to connecting; a server that stops sending
// or reading is given up after this long.
const DWORD kIdleLimitMs = 60000;
// Polls of a connection still in progress, 100 ms apart.
const int kConnectPolls = 600;

struct ClientState {
    bool initialised = false;
    std::string proxy;
    std::string clientName;
    std::string sender;
};

ClientState& client()
{
    static ClientState state;
    return state;
}

struct UrlParts {
    std::string scheme;
    std::string host;
    unsigned short port = 0;
};

bool startsWithIgnoringCase(const std::string& text, const char* prefix)
{
    size_t n = std::strlen(prefix);
    if (text.size() < n)
        return false;
    for (size_t i = 0; i < n; ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

std::string trimmed(const std::string& text)
{
    size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos)
        return "";
    size_t end = text.find_last_not_of(" \t");
    return text.substr(start, end - start + 1);
}

// A port of 1 to 65535 written only with digits; 0 for anything else.
unsigned short portOf(const std::string& text)
{
    if (text.empty() || text.size() > 5 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    long port = std::strtol(text.c_str(), nullptr, 10);
    return port <= 65535 ? static_cast<unsigned short>(port) : 0;
}

// A decimal count, blanks around it allowed; -1 for anything else. A count
// past the range of long is the largest long: more than any response.
long declaredLengthOf(const std::string& text)
{
    std::string digits = trimmed(text);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    long long value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > LONG_MAX)
            return LONG_MAX;
    }
    return static_cast<long>(value);
}

char* newCopy(const char* bytes, size_t n)
{
    char* copy = new char[n + 1];
    std::memcpy(copy, bytes, n);
    copy[n] = '\0';
    return copy;
}

// ---------------------------------------------------------------------------
// Start-up and identity

void _wsock_initialize()
{
    int code = TQGFwinStartSockets();
    if (code != 0)
        std::fprintf(stderr, "WSAStartup() err=%d.\n", code);
}

// The official name of the local host, else its own name, else "UNKNOWN".
std::string _get_user_name()
{
    char name[256] = {};
    std::string host = "UNKNOWN";
    if (gethostname(name, sizeof name - 1) == 0) {
        host = name;
        if (hostent* entry = gethostbyname(name))
            if (entry->h_name != nullptr)
                host = entry->h_name;
    }
    return ("tq@" + host).substr(0, kIdentityLimit);
}

void _init_client_name()
{
    client().clientName = "tq/web";
    client().sender = _get_user_name();
}

void initialiseOnce()
{
    ClientState& state = client();
    if (state.initialised)
        return;
    _wsock_initialize();
    if (const char* proxy = std::getenv("TQHTPROXY"))
        state.proxy = std::string(proxy).substr(0, kProxyLimit);
    _init_client_name();
    state.initialised = true;
}

// ---------------------------------------------------------------------------
// URL and connection

// Scheme, host and port; the authority ends at the path, the query or the
// fragment. Without "//" the host is the local machine.
long _get_url_data(const char* url, UrlParts* parts)
{
    const char* colon = std::strchr(url, ':');
    if (colon == nullptr)
        return kBadUrl;
    parts->scheme.assign(url, colon);
    if (std::strncmp(colon + 1, "//", 2) != 0) {
        parts->host = "localhost";
        parts->port = 0;
        return 0;
    }
    const char* authority = colon + 3;
    std::string text(authority, std::strcspn(authority, "/?#"));
    size_t portColon = text.find(':');
    if (portColon == std::string::npos) {
        parts->host = text;
        parts->port = 0;
        return 0;
    }
    parts->host = text.substr(0, portColon);
    parts->port = portOf(text.substr(portColon + 1));
    return parts->port != 0 ? 0 : kBadUrl;
}

// Host before the first ':', port after it (80 without one).
void _get_proxy_info(const std::string& proxy, std::string* host, unsigned short* port)
{
    size_t colon = proxy.find(':');
    *host = proxy.substr(0, colon);
    *port = colon == std::string::npos ? kHttpPort : portOf(proxy.substr(colon + 1));
}

void setIdleLimits(SOCKET s)
{
    DWORD limit = kIdleLimitMs;
    setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<char*>(&limit), sizeof limit);
    setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<char*>(&limit), sizeof limit);
}

// A connection still in progress is polled until it is made or fails.
bool awaitConnection(SOCKET s, const sockaddr_in& to)
{
    for (int poll = 0; poll < kConnectPolls; ++poll) {
        fd_set writable;
        FD_ZERO(&writable);
        FD_SET(s, &writable);
        timeval pause = {0, 100000};
        select(0, nullptr, &writable, nullptr, &pause);
        if (connect(s, reinterpret_cast<const sockaddr*>(&to), sizeof to) == 0)
            return true;
        int error = WSAGetLastError();
        if (error == WSAEISCONN)
            return true;
        if (error != WSAEALREADY && error != WSAEINPROGRESS)
            return false;
    }
    return false;
}

// A host starting with a digit is a dotted address; any other is looked up.
long _connect_to(const std::string& host, unsigned short port, SOCKET* out)
{
    sockaddr_in to = {};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    if (!host.empty() && std::isdigit(static_cast<unsigned char>(host[0]))) {
        to.sin_addr.s_addr = inet_addr(host.c_str());
    } else {
        hostent* entry = gethostbyname(host.c_str());
        if (entry == nullptr || entry->h_addr_list[0] == nullptr) {
            std::fputs("Cannot find Internet node name.\n", stderr);
            return kHostNotFound;
        }
        std::memcpy(&to.sin_addr, entry->h_addr_list[0], sizeof to.sin_addr);
    }
    SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
    if (s == INVALID_SOCKET)
        return SOCKET_ERROR;
    setIdleLimits(s);
    int result = connect(s, reinterpret_cast<sockaddr*>(&to), sizeof to);
    if (result == 0 || (WSAGetLastError() == WSAEINPROGRESS && awaitConnection(s, to))) {
        *out = s;
        return 0;
    }
    closesocket(s);
    return SOCKET_ERROR;
}

long connectFor(const UrlParts& parts, SOCKET* out)
{
    const std::string& proxy = client().proxy;
    if (proxy.empty())
        return _connect_to(parts.host, parts.port, out);
    std::string host;
    unsigned short port = 0;
    _get_proxy_info(proxy, &host, &port);
    return _connect_to(host, port, out);
}

// ---------------------------------------------------------------------------
// Request

void _add_string(std::string& text, const char* name, const std::string& value)
{
    text += name;
    text += ": ";
    text += value;
    text += "\r\n";
}

void _add_acstr(std::string& text, const char* type)
{
    _add_string(text, "Accept", type);
}

void _add_uastr(std::string& text)
{
    _add_string(text, "User-Agent", client().clientName);
}

void _add_from(std::string& text)
{
    _add_string(text, "From", client().sender);
}

void add_linefeed(std::string& text)
{
    text += "\r\n";
}

// The URL goes out as given, fragment included, also to a proxy.
long _write_data(SOCKET s, const char* url)
{
    std::string request = std::string("GET ") + url + " HTTP/1.0\r\n";
    for (const char* type : kAcceptList)
        _add_acstr(request, type);
    _add_uastr(request);
    _add_from(request);
    add_linefeed(request);
    int sent = send(s, request.data(), static_cast<int>(request.size()), 0);
    if (sent > 0)
        return 0;
    if (sent == 0) {
        std::fputs("0 bytes written.\n", stderr);
        return 0;
    }
    int error = WSAGetLastError();
    if (error == WSAENOTCONN || error == WSAECONNRESET) {
        std::fputs("Network write error.\n", stderr);
        return kWriteFailed;
    }
    // The read that follows reports it.
    return 0;
}

// ---------------------------------------------------------------------------
// Response

// Everything until the server closes, followed by a NUL; *received is the
// byte count without it. A reset connection ends the response like a close.
long _read_data(SOCKET s, std::vector<char>* buffer, size_t* received)
{
    size_t used = 0;
    try {
        buffer->assign(1024, '\0');
        for (;;) {
            if (buffer->size() - used < 256)
                buffer->resize(buffer->size() + 1024);
            int n = recv(s, buffer->data() + used, static_cast<int>(buffer->size() - used - 1), 0);
            if (n > 0) {
                used += static_cast<size_t>(n);
                continue;
            }
            if (n == 0)
                break;
            int error = WSAGetLastError();
            if (error == WSAENOTCONN || error == WSAECONNRESET)
                break;
            return kReadFailed;
        }
    } catch (const std::bad_alloc&) {
        std::fputs("Memory allocation failed.\n", stderr);
        return kNoMemory;
    }
    (*buffer)[used] = '\0';
    *received = used;
    return 0;
}

struct ResponseHead {
    bool haveType = false;
    std::string type;
    long declaredLength = -1;
    // Where the body starts in the response.
    size_t bodyStart = 0;
};

// Header lines up to the first empty one; without one, the last line, not
// ended by a line feed, is the body. Only the first "Content-type:" and the
// first "Content-length:" count; a length that is not a count is none.
ResponseHead readHead(const char* response, size_t received)
{
    ResponseHead head;
    bool haveLength = false;
    size_t at = 0;
    for (;;) {
        const void* found = std::memchr(response + at, '\n', received - at);
        if (found == nullptr)
            break;
        size_t lineFeed = static_cast<size_t>(static_cast<const char*>(found) - response);
        size_t lineEnd = lineFeed > at && response[lineFeed - 1] == '\r' ? lineFeed - 1 : lineFeed;
        std::string line(response + at, lineEnd - at);
        at = lineFeed + 1;
        if (line.empty())
            break;
        if (!head.haveType && startsWithIgnoringCase(line, "Content-type:")) {
            head.haveType = true;
            head.type = trimmed(line.substr(13));
        } else if (!haveLength && startsWithIgnoringCase(line, "Content-length:")) {
            head.declaredLength = declaredLengthOf(line.substr(15));
            haveLength = true;
        }
    }
    head.bodyStart = at;
    return head;
}

// The body as the outputs give it: text runs to its declared length or its
// first NUL, with line ends before it skipped while it is longer than that;
// any other body needs a declared length. Nothing is copied beyond what
// arrived.
void _get_http_data(const char* response, size_t received, char** data, long* length,
                    long* html, char** contentType)
{
    ResponseHead head = readHead(response, received);
    bool text = startsWithIgnoringCase(head.type, "text/");
    if (text && head.type.compare(5, std::string::npos, "html") == 0)
        *html = 1;
    if (head.haveType && contentType != nullptr)
        *contentType = newCopy(head.type.data(), head.type.size());

    const char* body = response + head.bodyStart;
    size_t available = received - head.bodyStart;
    bool declared = head.declaredLength >= 0;
    if (!text && !declared)
        return;
    size_t bodyLength = declared ? static_cast<size_t>(head.declaredLength) : 0;
    if (text) {
        size_t n = strnlen(body, available);
        if (!declared)
            bodyLength = n;
        while (n > bodyLength && (*body == '\r' || *body == '\n')) {
            ++body;
            --n;
            --available;
        }
    }
    size_t kept = std::min(bodyLength, available);
    *data = newCopy(body, kept);
    *length = static_cast<long>(kept + 1);
}

// Write, read and parse over a made connection, which is closed after; 0
// unless the read failed.
long exchange(SOCKET s, const char* url, char** data, char** contentType, long* length,
              long* html)
{
    long result = 0;
    if (_write_data(s, url) == 0) {
        std::vector<char> response;
        size_t received = 0;
        result = _read_data(s, &response, &received);
        if (result == 0 && received > 0)
            _get_http_data(response.data(), received, data, length, html, contentType);
    }
    closesocket(s);
    return result;
}

bool answerFromCache(const char* url, char** data, char** contentType, long* length, long* html)
{
    TQCurlCache* entry = _search_cache(url, 1);
    if (entry == nullptr || entry->m_length <= 0 || entry->m_data == nullptr)
        return false;
    *data = new char[entry->m_length];
    std::memcpy(*data, entry->m_data, static_cast<size_t>(entry->m_length));
    *length = entry->m_length;
    if (contentType != nullptr)
        *contentType = newCopy(entry->m_contentType, std::strlen(entry->m_contentType));
    *html = entry->m_html;
    return true;
}

} // namespace

long TQGFloadRemoteFile(char* url, char** data, char** contentType, long* length, long* html,
                        long noCacheLookup)
{
    initialiseOnce();
    *data = nullptr;
    *length = 0;
    *html = 0;
    if (contentType != nullptr)
        *contentType = nullptr;
    if (url == nullptr)
        return 0;
    if (!noCacheLookup && answerFromCache(url, data, contentType, length, html))
        return 1;

    UrlParts parts;
    if (_get_url_data(url, &parts) != 0)
        return 0;
    if (_stricmp(parts.scheme.c_str(), "http") != 0)
        return 1;
    if (parts.port == 0)
        parts.port = kHttpPort;
    SOCKET s = INVALID_SOCKET;
    if (connectFor(parts, &s) != 0)
        return 1;
    // A failed write or an empty response is stored too, as an entry that
    // never answers; a failed read stores nothing.
    if (exchange(s, url, data, contentType, length, html) == 0)
        _update_cache(url, *data, contentType != nullptr ? *contentType : nullptr, *length, *html);
    return 1;
}

char* TQGFloadRemoteBody(const char* url, long* length)
{
    char* data = nullptr;
    long html = 0;
    TQGFloadRemoteFile(const_cast<char*>(url), &data, nullptr, length, &html, 1);
    return data;
}
