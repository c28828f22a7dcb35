// Numbers, byte strings, UCS-2 text and encodings.
#include "_TQGFstring.h"

#include "_TQCstring.h"
#include "_TQDcodeConvert.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const int kIntBufferSize = 32;
// "%10.10lf" of the largest double needs about 320 bytes.
const int kFloatBufferSize = 400;
const long kReplaceAll = 0x7ffe8001;
const unsigned char kEsc = 0x1B;
const unsigned char kSingleShift2 = 142;

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

// ---- UCS-2 helpers ----

u16* newUnits(long n)
{
    u16* s = new u16[n + 1];
    s[n] = 0;
    return s;
}

long unitsLength(const u16* s)
{
    long n = 0;
    if (s)
        while (s[n])
            ++n;
    return n;
}

bool matchesAt(const u16* text, long at, const u16* pattern, long patternLength)
{
    for (long i = 0; i < patternLength; ++i) {
        if (text[at + i] != pattern[i])
            return false;
    }
    return true;
}

// Start of the next non-overlapping occurrence at or after from, or -1.
long findUnits(const u16* text, long textLength, long from, const u16* pattern,
               long patternLength)
{
    for (long i = from; i + patternLength <= textLength; ++i) {
        if (matchesAt(text, i, pattern, patternLength))
            return i;
    }
    return -1;
}

long resolveEncoding(long encoding)
{
    return encoding == TQENC_APP_DEFAULT ? TQGFgetDefaultEncoding() : encoding;
}

// ---- Encoding tables ----

struct EncodingName {
    long value;
    const char* name;
};

const EncodingName kEncodingNames[] = {
    {0, "NONE"}, {1, "C"},
    {2, "ISO8859-2"}, {3, "ISO8859-3"}, {4, "ISO8859-4"}, {5, "ISO8859-5"},
    {6, "ISO8859-6"}, {7, "ISO8859-7"}, {8, "ISO8859-8"}, {9, "ISO8859-9"},
    {10, "ISO8859-10"}, {11, "ISO8859-11"}, {12, "ISO8859-12"},
    {13, "ISO8859-13"}, {14, "ISO8859-14"}, {15, "ISO8859-15"},
    {16, "UTF8"}, {17, "KOI8R"}, {20, "EUCJP"}, {21, "SJIS"}, {30, "EUCKR"},
    {40, "EUCCN"}, {50, "BIG5"}, {60, "CP1251"},
};

const char* nameOfEncoding(long value)
{
    for (const auto& e : kEncodingNames) {
        if (e.value == value)
            return e.name;
    }
    return "NONE";
}

// ---- JIS / EUC-JP ----

enum JisMode { kPlain, kTwoByte, kKatakana };

bool isTwoByteDesignation(const unsigned char* p)
{
    return p[0] == kEsc && p[1] == '$' && (p[2] == ')' || p[2] == '(') && p[3] == 'B';
}

bool isKatakanaDesignation(const unsigned char* p)
{
    return p[0] == kEsc && p[1] == ')' && p[2] == 'I';
}

bool isAsciiDesignation(const unsigned char* p)
{
    return p[0] == kEsc && p[1] == '(' && p[2] == 'B';
}

void putEscape(unsigned char*& out, const char* tail)
{
    *out++ = kEsc;
    while (*tail)
        *out++ = static_cast<unsigned char>(*tail++);
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
    long lines = 1;
    if (text) {
        for (; *text; ++text) {
            if (*text == '\n')
                ++lines;
        }
    }
    return lines;
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

// ---- UCS-2 text ----

long TQGFstrlenUCS2(const u16* text)
{
    return unitsLength(text);
}

u16* TQGFstrdupUCS2(const u16* text)
{
    long n = unitsLength(text);
    u16* copy = newUnits(n);
    if (n)
        memcpy(copy, text, n * sizeof(u16));
    return copy;
}

u16* TQGFaddStringUCS2(const u16* a, const u16* b)
{
    long na = unitsLength(a), nb = unitsLength(b);
    u16* s = newUnits(na + nb);
    if (na)
        memcpy(s, a, na * sizeof(u16));
    if (nb)
        memcpy(s + na, b, nb * sizeof(u16));
    return s;
}

u16* TQGFinsertStringUCS2(const u16* text, long pos, const u16* ins)
{
    long n = unitsLength(text), ni = unitsLength(ins);
    if (pos < 0)
        pos = 0;
    if (pos > n)
        pos = n;
    u16* s = newUnits(n + ni);
    if (pos)
        memcpy(s, text, pos * sizeof(u16));
    if (ni)
        memcpy(s + pos, ins, ni * sizeof(u16));
    if (n - pos)
        memcpy(s + pos + ni, text + pos, (n - pos) * sizeof(u16));
    return s;
}

void TQGFdelStringUCS2(u16* text, long pos, long n)
{
    long len = unitsLength(text);
    if (pos < 0 || pos >= len)
        return;
    if (n > len - pos)
        n = len - pos;
    if (n < 1)
        return;
    memmove(text + pos, text + pos + n, (len - pos - n + 1) * sizeof(u16));
}

void TQGFdelTailSpaceUCS2(u16* text)
{
    long len = unitsLength(text);
    while (len > 0 && text[len - 1] == ' ')
        text[--len] = 0;
}

long TQGFdelLineFeedUCS2(u16* text)
{
    if (!text)
        return 0;
    long removed = 0;
    u16* out = text;
    for (u16* in = text; *in; ++in) {
        if (*in == '\n')
            ++removed;
        else
            *out++ = *in;
    }
    *out = 0;
    return removed;
}

u16* TQGFreplaceStringUCS2(const u16* text, const u16* from, const u16* to, long* count)
{
    long limit = count && *count >= 1 ? *count : kReplaceAll;
    if (count)
        *count = 0;
    long n = unitsLength(text), nf = unitsLength(from), nt = unitsLength(to);
    if (nf == 0)
        return TQGFstrdupUCS2(text);

    std::vector<u16> out;
    long at = 0;
    for (long done = 0; done < limit; ++done) {
        long hit = findUnits(text, n, at, from, nf);
        if (hit < 0)
            break;
        out.insert(out.end(), text + at, text + hit);
        out.insert(out.end(), to, to + nt);
        at = hit + nf;
    }
    out.insert(out.end(), text + at, text + n);

    u16* s = newUnits(static_cast<long>(out.size()));
    if (!out.empty())
        memcpy(s, out.data(), out.size() * sizeof(u16));
    return s;
}

long TQGFgetLinesUCS2(const u16* text)
{
    long lines = 1;
    if (text) {
        for (; *text; ++text) {
            if (*text == '\n')
                ++lines;
        }
    }
    return lines;
}

long TQGFgetWordPosUCS2(const u16* text, long line)
{
    long len = unitsLength(text);
    long pos = 0;
    for (long l = 1; l < line; ++l) {
        while (pos < len && text[pos] != '\n')
            ++pos;
        if (pos >= len)
            return len;
        ++pos;
    }
    return pos;
}

u16* TQGFgetWordUCS2(const u16* text, long n, const u16* sep)
{
    long start = TQGFgetWordCharPosUCS2(text, n, sep);
    if (start < 0)
        return newUnits(0);
    long len = unitsLength(text), ns = unitsLength(sep);
    long end = findUnits(text, len, start, sep, ns);
    if (end < 0)
        end = len;
    u16* s = newUnits(end - start);
    if (end > start)
        memcpy(s, text + start, (end - start) * sizeof(u16));
    return s;
}

long TQGFgetWordCharPosUCS2(const u16* text, long n, const u16* sep)
{
    long ns = unitsLength(sep);
    if (ns == 0 || n < 0)
        return -1;
    long len = unitsLength(text);
    long pos = 0;
    for (long k = 0; k < n; ++k) {
        long hit = findUnits(text, len, pos, sep, ns);
        if (hit < 0)
            return -1;
        pos = hit + ns;
    }
    return pos;
}

void TQGFcreateVerticalString(TQCstring* text)
{
    if (!text)
        return;
    u16* units = TQGFgetUCS2(text->getString(TQENC_APP_DEFAULT), TQENC_APP_DEFAULT);
    long n = unitsLength(units);
    u16* vertical = newUnits(2 * n);
    for (long i = 0; i < n; ++i) {
        vertical[2 * i] = units[i];
        vertical[2 * i + 1] = '\n';
    }
    char* bytes = TQGFgetString(vertical, TQENC_APP_DEFAULT);
    text->setString(bytes, TQENC_APP_DEFAULT);
    delete[] bytes;
    delete[] vertical;
    delete[] units;
}

// ---- Multibyte text and UCS-2 ----

u16* TQGFgetUCS2(const char* text, long encoding)
{
    if (!text)
        text = "";
    TQDcodeConvert* cc = TQGIappCodeConvert();
    int e = static_cast<int>(resolveEncoding(encoding));
    int n = cc->encode(nullptr, 0, text, -1, e);
    if (n < 0)
        n = 0;
    u16* units = newUnits(n);
    int got = cc->encode(units, n + 1, text, -1, e);
    units[got >= 0 && got <= n ? got : n] = 0;
    return units;
}

long TQGFgetUcs2len(const char* text, long encoding, long length)
{
    if (!text)
        return 0;
    int e = static_cast<int>(resolveEncoding(encoding));
    return TQGIappCodeConvert()->encode(nullptr, 0, text, static_cast<int>(length), e);
}

char* TQGFgetString(const u16* text, long encoding)
{
    static const u16 empty[1] = {0};
    if (!text)
        text = empty;
    TQDcodeConvert* cc = TQGIappCodeConvert();
    int e = static_cast<int>(resolveEncoding(encoding));
    int n = cc->decode(nullptr, 0, text, -1, e);
    if (n < 0)
        n = 0;
    char* bytes = new char[n + 1];
    int got = cc->decode(bytes, n + 1, text, -1, e);
    bytes[got >= 0 && got <= n ? got : n] = '\0';
    return bytes;
}

// ---- Encodings and locale names ----

const char* TQGFgetEncodingName(long encoding)
{
    if (encoding == TQENC_APP_DEFAULT)
        return nameOfEncoding(TQGIappCodeConvert()->getSystemEncoding());
    if (encoding == TQENC_SYS_DEFAULT)
        return "C";
    return nameOfEncoding(encoding);
}

long TQGFgetEncodingValue(const char* name)
{
    if (!name)
        return 0;
    if (strcmp(name, "DEFAULT") == 0)
        return TQENC_APP_DEFAULT;
    if (strcmp(name, "LOCALE") == 0)
        return TQENC_SYS_DEFAULT;
    for (const auto& e : kEncodingNames) {
        if (strcmp(name, e.name) == 0)
            return e.value;
    }
    return 0;
}

bool TQGFisEncoding(const char* locale, const char* enc)
{
    if (!enc || !*enc)
        return true;
    const char* p = locale ? strchr(locale, '.') : nullptr;
    if (!p)
        return false;
    ++p;
    for (; *enc; ++enc) {
        while (*p == '_' || *p == '-')
            ++p;
        if (!*p || foldAZ(*p) != foldAZ(*enc))
            return false;
        ++p;
    }
    return true;
}

long TQGFgetISO8859(const char* locale)
{
    const char* dash = locale ? strrchr(locale, '-') : nullptr;
    if (!dash)
        return 0;
    long n = atol(dash + 1);
    return n >= 1 && n <= 15 ? n : 0;
}

long TQGFgetEncoding(const char* locale)
{
    if (!locale)
        return TQENC_C;
    static const EncodingName byEncodingPart[] = {
        {TQENC_UTF8, "utf8"}, {TQENC_SJIS, "sjis"}, {TQENC_SJIS, "shiftjis"},
        {TQENC_EUCJP, "eucjp"}, {TQENC_EUCKR, "euckr"}, {TQENC_EUCCN, "euccn"},
        {TQENC_BIG5, "big5"}, {TQENC_KOI8R, "koi8r"}, {TQENC_CP1251, "cp1251"},
    };
    long result = 0;
    for (const auto& e : byEncodingPart) {
        if (TQGFisEncoding(locale, e.name)) {
            result = e.value;
            break;
        }
    }
    if (!result && (TQGFisEncoding(locale, "iso8859") || TQGFisEncoding(locale, "dis8859")))
        result = TQGFgetISO8859(locale);
    if (result)
        return result;

    static const EncodingName byLanguage[] = {
        {2, "cs"}, {2, "hr"}, {2, "hu"}, {2, "pl"}, {2, "ro"}, {8, "he"},
        {TQENC_KOI8R, "ru"}, {TQENC_EUCJP, "ja"}, {TQENC_EUCKR, "ko"},
        {TQENC_EUCCN, "zh"},
    };
    for (const auto& e : byLanguage) {
        if (strncmp(locale, e.name, 2) == 0)
            return e.value;
    }
    return TQENC_C;
}

// JIS to EUC-JP. Every read stops at the terminator, also right after an
// escape sequence or inside a byte pair.
char* TQGFcreateEucStringFromJisStr(const char* jis)
{
    if (!jis)
        jis = "";
    size_t len = strlen(jis);
    auto* result = new unsigned char[(len + 1) * 4];
    unsigned char* out = result;
    const auto* p = reinterpret_cast<const unsigned char*>(jis);
    JisMode mode = kPlain;

    while (*p) {
        if (isTwoByteDesignation(p)) {
            mode = kTwoByte;
            p += 4;
            if (!p[0] || !p[1])
                break;
            *out++ = p[0] | 0x80;
            *out++ = p[1] | 0x80;
            p += 2;
        } else if (isKatakanaDesignation(p)) {
            mode = kKatakana;
            p += 3;
            if (!p[0])
                break;
            *out++ = kSingleShift2;
            *out++ = *p++;
        } else if (isAsciiDesignation(p)) {
            mode = kPlain;
            p += 3;
            if (!p[0])
                break;
            *out++ = *p++;
        } else if (mode == kTwoByte) {
            if (!p[1])
                break;
            *out++ = p[0] | 0x80;
            *out++ = p[1] | 0x80;
            p += 2;
        } else {
            unsigned char b = *p++;
            if (b < 32 || (b & 0x80)) {
                if (mode == kKatakana) {
                    *out++ = kSingleShift2;
                    *out++ = b;
                }
            } else {
                *out++ = b;
            }
        }
    }
    *out = '\0';
    return reinterpret_cast<char*>(result);
}

// EUC-JP to JIS. Two-byte characters are read as pairs; a one-byte character
// ends any two-byte or katakana run and is copied as it is, and a lead byte
// without its second byte at the end is dropped.
char* TQGFcreateJisStringFromEucStr(const char* euc)
{
    if (!euc)
        euc = "";
    size_t len = strlen(euc);
    auto* result = new unsigned char[(len + 1) * 16];
    unsigned char* out = result;
    const auto* p = reinterpret_cast<const unsigned char*>(euc);
    JisMode mode = kPlain;

    while (*p) {
        if (*p < 0x80) {
            if (mode != kPlain) {
                putEscape(out, "(B");
                mode = kPlain;
            }
            *out++ = *p++;
            continue;
        }
        if (!p[1])
            break;
        if (p[0] == kSingleShift2) {
            if (mode != kKatakana) {
                putEscape(out, ")I");
                mode = kKatakana;
            }
            *out++ = p[1] & 0x7F;
        } else {
            if (mode != kTwoByte) {
                putEscape(out, "$(B");
                mode = kTwoByte;
            }
            *out++ = p[0] & 0x7F;
            *out++ = p[1] & 0x7F;
        }
        p += 2;
    }
    if (mode != kPlain)
        putEscape(out, "(B");
    *out = '\0';
    return reinterpret_cast<char*>(result);
}
