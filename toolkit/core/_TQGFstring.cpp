// Numbers and byte strings: formatting and reading numbers, copies,
// comparisons, trimming, lines and the parts of a path.
#include "_TQGFstring.h"

#include "_TQCstring.h"
#include "_TQDcodeConvert.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const int kIntBufferSize = 32;
// "%10.10lf" of the largest double needs about 320 bytes.
const int kFloatBufferSize = 400;

// Digits are written backwards from the end of a 32-byte buffer.
char* formatUnsigned(unsigned long magnitude, bool negative, char* buf)
{
    char* p = buf + kIntBufferSize - 1;
    *p = '\0';
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (negative)
        *--p = '-';
    return p;
}

char* copyOut(const char* digits, char* buf)
{
    memmove(buf, digits, strlen(digits) + 1);
    return buf;
}

char* formatFloating(double value, char* buf)
{
    snprintf(buf, kFloatBufferSize, "%10.10lf", value);
    return buf;
}

char foldAZ(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

char* newEmptyText()
{
    char* s = new char[1];
    s[0] = '\0';
    return s;
}

// Blanks are the byte ' ' only.
void trimBlanks(const char*& begin, const char*& end)
{
    while (begin < end && *begin == ' ')
        ++begin;
    while (end > begin && end[-1] == ' ')
        --end;
}

std::string normalisedPath(const char* path)
{
    if (!path)
        path = "";
    const char* begin = path;
    const char* end = path + strlen(path);
    trimBlanks(begin, end);
    std::string s(begin, end);
    for (char& c : s) {
        if (c == '\\')
            c = '/';
    }
    return s;
}


} // namespace

// ---- Numbers ----

char* TQGFultoa(unsigned long value)
{
    static char buf[kIntBufferSize];
    return formatUnsigned(value, false, buf);
}

char* TQGFultoa(unsigned long value, char* buf)
{
    char work[kIntBufferSize];
    return copyOut(formatUnsigned(value, false, work), buf);
}

// The magnitude is taken in unsigned arithmetic, so the most negative long
// keeps all its digits.
static char* formatSigned(long value, char* buf)
{
    unsigned long magnitude = value < 0 ? 0UL - static_cast<unsigned long>(value)
                                        : static_cast<unsigned long>(value);
    return formatUnsigned(magnitude, value < 0, buf);
}

char* TQGFltoa(long value)
{
    static char buf[kIntBufferSize];
    return formatSigned(value, buf);
}

char* TQGFltoa(long value, char* buf)
{
    char work[kIntBufferSize];
    return copyOut(formatSigned(value, work), buf);
}

char* TQGFftoa(float value)
{
    static char buf[kFloatBufferSize];
    return formatFloating(value, buf);
}

char* TQGFlftoa(double value)
{
    static char buf[kFloatBufferSize];
    return formatFloating(value, buf);
}

long TQGFatol(const char* text)
{
    if (!text || !*text)
        return 0;
    const char* digit = text;
    while (*digit && !(*digit >= '0' && *digit <= '9'))
        ++digit;
    if (memchr(text, '-', digit - text))
        return strtol(text, nullptr, 10);
    return static_cast<long>(strtoul(text, nullptr, 0));
}

long TQGFadjustNumber(long value, long step)
{
    // A step of 0 has no multiples, and -1 would overflow on the most
    // negative value; every value is its own multiple of either.
    if (step == 0 || step == -1)
        return value;
    return value - value % step;
}

// ---- Byte strings ----

char* TQGFstrdup(const char* text)
{
    if (!text)
        return nullptr;
    size_t n = strlen(text) + 1;
    char* copy = new char[n];
    memcpy(copy, text, n);
    return copy;
}

char* TQGFstrdup(const char* text, long n)
{
    if (!text)
        return nullptr;
    if (n < 1)
        return newEmptyText();
    size_t len = 0;
    while (len < static_cast<size_t>(n) && text[len])
        ++len;
    char* copy = new char[len + 1];
    memcpy(copy, text, len);
    copy[len] = '\0';
    return copy;
}

int TQGFstricmp(const char* a, const char* b)
{
    if (!a)
        a = "";
    if (!b)
        b = "";
    for (;; ++a, ++b) {
        if (foldAZ(*a) != foldAZ(*b))
            return static_cast<signed char>(*a) - static_cast<signed char>(*b);
        if (!*a)
            return 0;
    }
}

int TQGFstrnccmp(const char* a, const char* b, long n)
{
    if (!a)
        a = "";
    if (!b)
        b = "";
    for (long i = 0; i < n; ++i, ++a, ++b) {
        if (foldAZ(*a) != foldAZ(*b))
            return static_cast<signed char>(*a) - static_cast<signed char>(*b);
        if (!*a)
            return 0;
    }
    return 0;
}

void TQGFtrimSpace(char* text)
{
    if (!text)
        return;
    size_t end = strlen(text);
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\n'))
        --end;
    text[end] = '\0';

    char* out = text;
    for (char* in = text; *in; ++in) {
        if (*in != '\n')
            *out++ = *in;
    }
    *out = '\0';

    size_t lead = strspn(text, " ");
    memmove(text, text + lead, strlen(text + lead) + 1);
}

long TQGFgetLines(const char* text)
{
    return TQGFcountLines(text);
}

TQCstring TQGFgetFileName(const char* path)
{
    std::string s = normalisedPath(path);
    size_t cut = s.rfind('/');
    if (cut == std::string::npos)
        cut = s.rfind(':');
    if (cut != std::string::npos)
        s.erase(0, cut + 1);
    return TQCstring(s.c_str(), TQENC_APP_DEFAULT);
}

TQCstring TQGFgetDirName(const char* path)
{
    std::string s = normalisedPath(path);
    size_t cut = s.rfind('/');
    if (cut == std::string::npos)
        return TQCstring(".", TQENC_APP_DEFAULT);
    s.erase(cut);
    return TQCstring(s.c_str(), TQENC_APP_DEFAULT);
}
