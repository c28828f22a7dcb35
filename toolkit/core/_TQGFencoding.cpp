// Encodings: multibyte text to UCS-2 and back through the code converter,
// encoding and locale names, and JIS to EUC-JP and back.
#include "_TQGFstring.h"

#include "_TQDcodeConvert.h"

#include <cstdlib>
#include <cstring>

namespace {

const unsigned char kEsc = 0x1B;
const unsigned char kSingleShift2 = 142;

char foldAZ(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
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
    u16* units = new u16[n + 1];
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
