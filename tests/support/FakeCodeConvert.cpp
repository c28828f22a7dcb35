// Test converter: small, table-driven Japanese support and exact UTF-8.
#include "FakeCodeConvert.h"

#include <cstring>

namespace {

struct SjisRange {
    unsigned first;
    unsigned last;
    u16 unicode;
};

const SjisRange kSjisRanges[] = {
    {0x8140, 0x8140, 0x3000}, // ideographic space
    {0x829F, 0x82F1, 0x3041}, // hiragana
    {0x8340, 0x837E, 0x30A1}, // katakana, before the gap at 0x7F
    {0x8380, 0x8396, 0x30E0},
    {0x93FA, 0x93FA, 0x65E5}, // 日
    {0x967B, 0x967B, 0x672C}, // 本
    {0x955C, 0x955C, 0x8868}, // 表, trail byte 0x5C
};

const u16 kUnknown = '?';

u16 sjisPairToUnit(unsigned pair)
{
    for (const auto& r : kSjisRanges) {
        if (pair >= r.first && pair <= r.last)
            return static_cast<u16>(r.unicode + (pair - r.first));
    }
    return kUnknown;
}

unsigned unitToSjisPair(u16 unit)
{
    for (const auto& r : kSjisRanges) {
        if (unit >= r.unicode && unit <= r.unicode + (r.last - r.first))
            return r.first + (unit - r.unicode);
    }
    return 0;
}

bool isSjisLead(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// JIS X 0208 row and cell (0x21..0x7E each) to a Shift_JIS pair and back.
unsigned jisToSjis(unsigned row, unsigned cell)
{
    unsigned s1 = ((row - 0x21) >> 1) + 0x81;
    if (s1 > 0x9F)
        s1 += 0x40;
    unsigned s2 = (row & 1) ? cell + 0x1F + (cell >= 0x60 ? 1 : 0) : cell + 0x7E;
    return (s1 << 8) | s2;
}

void sjisToJis(unsigned pair, unsigned& row, unsigned& cell)
{
    unsigned s1 = pair >> 8, s2 = pair & 0xFF;
    if (s1 >= 0xE0)
        s1 -= 0x40;
    row = (s1 - 0x81) * 2 + 0x21;
    if (s2 >= 0x9F) {
        ++row;
        cell = s2 - 0x7E;
    } else {
        cell = s2 - 0x1F - (s2 >= 0x80 ? 1 : 0);
    }
}

void decodeUtf8(const unsigned char* s, size_t n, std::vector<u16>& out)
{
    size_t i = 0;
    while (i < n) {
        unsigned char b = s[i];
        size_t len = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 0;
        if (len == 0 || i + len > n) {
            out.push_back(kUnknown);
            ++i;
            continue;
        }
        unsigned cp = len == 1 ? b : b & (0x7F >> len);
        bool ok = true;
        for (size_t k = 1; k < len; ++k) {
            if ((s[i + k] & 0xC0) != 0x80)
                ok = false;
            cp = (cp << 6) | (s[i + k] & 0x3F);
        }
        if (!ok) {
            out.push_back(kUnknown);
            ++i;
            continue;
        }
        out.push_back(cp > 0xFFFF ? kUnknown : static_cast<u16>(cp));
        i += len;
    }
}

void decodeSjis(const unsigned char* s, size_t n, std::vector<u16>& out)
{
    for (size_t i = 0; i < n; ++i) {
        unsigned char b = s[i];
        if (b < 0x80) {
            out.push_back(b);
        } else if (b >= 0xA1 && b <= 0xDF) {
            out.push_back(static_cast<u16>(0xFF61 + (b - 0xA1)));
        } else if (isSjisLead(b) && i + 1 < n) {
            out.push_back(sjisPairToUnit((b << 8) | s[i + 1]));
            ++i;
        } else {
            out.push_back(kUnknown);
        }
    }
}

void decodeEucjp(const unsigned char* s, size_t n, std::vector<u16>& out)
{
    for (size_t i = 0; i < n; ++i) {
        unsigned char b = s[i];
        if (b < 0x80) {
            out.push_back(b);
        } else if (b == 0x8E && i + 1 < n && s[i + 1] >= 0xA1 && s[i + 1] <= 0xDF) {
            out.push_back(static_cast<u16>(0xFF61 + (s[i + 1] - 0xA1)));
            ++i;
        } else if (b >= 0xA1 && b <= 0xFE && i + 1 < n && s[i + 1] >= 0xA1) {
            out.push_back(sjisPairToUnit(jisToSjis(b & 0x7F, s[i + 1] & 0x7F)));
            ++i;
        } else {
            out.push_back(kUnknown);
        }
    }
}

std::string encodeUnit(u16 u, long encoding)
{
    std::string s;
    if (encoding == TQENC_UTF8) {
        if (u < 0x80) {
            s += static_cast<char>(u);
        } else if (u < 0x800) {
            s += static_cast<char>(0xC0 | (u >> 6));
            s += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            s += static_cast<char>(0xE0 | (u >> 12));
            s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (u & 0x3F));
        }
        return s;
    }
    if (encoding == TQENC_SJIS || encoding == TQENC_EUCJP) {
        bool euc = encoding == TQENC_EUCJP;
        if (u < 0x80)
            return std::string(1, static_cast<char>(u));
        if (u >= 0xFF61 && u <= 0xFF9F) {
            if (euc)
                s += static_cast<char>(0x8E);
            s += static_cast<char>(0xA1 + (u - 0xFF61));
            return s;
        }
        unsigned pair = unitToSjisPair(u);
        if (!pair)
            return "?";
        if (euc) {
            unsigned row, cell;
            sjisToJis(pair, row, cell);
            s += static_cast<char>(row | 0x80);
            s += static_cast<char>(cell | 0x80);
        } else {
            s += static_cast<char>(pair >> 8);
            s += static_cast<char>(pair & 0xFF);
        }
        return s;
    }
    return std::string(1, u < 256 ? static_cast<char>(u) : '?');
}

TQDcodeConvert* createFake()
{
    return new FakeCodeConvert();
}

} // namespace

FakeCodeConvert::FakeCodeConvert(long systemEncoding)
    : m_systemEncoding(systemEncoding)
{
}

long FakeCodeConvert::resolve(long encoding)
{
    if (encoding == TQENC_APP_DEFAULT)
        encoding = TQGFgetDefaultEncoding();
    if (encoding == TQENC_SYS_DEFAULT)
        encoding = m_systemEncoding;
    return encoding;
}

std::vector<u16> FakeCodeConvert::toUnits(const char* src, size_t length, long encoding)
{
    std::vector<u16> out;
    auto s = reinterpret_cast<const unsigned char*>(src);
    switch (resolve(encoding)) {
    case TQENC_UTF8: decodeUtf8(s, length, out); break;
    case TQENC_SJIS: decodeSjis(s, length, out); break;
    case TQENC_EUCJP: decodeEucjp(s, length, out); break;
    default:
        for (size_t i = 0; i < length; ++i)
            out.push_back(s[i]);
    }
    return out;
}

std::string FakeCodeConvert::fromUnits(const u16* units, size_t count, long encoding)
{
    std::string out;
    long e = resolve(encoding);
    for (size_t i = 0; i < count; ++i)
        out += encodeUnit(units[i], e);
    return out;
}

int FakeCodeConvert::codeConvert(char* dst, int dstSize, int dstEncoding,
                                 const char* src, int srcLength, int srcEncoding)
{
    ++convertCalls;
    if (!src)
        src = "";
    size_t n = srcLength < 0 ? strlen(src) : static_cast<size_t>(srcLength);
    long from = resolve(srcEncoding), to = resolve(dstEncoding);
    std::string text;
    if (from == to || from == TQENC_NONE || to == TQENC_NONE) {
        text.assign(src, n);
    } else {
        std::vector<u16> units = toUnits(src, n, from);
        text = fromUnits(units.data(), units.size(), to);
    }
    if (!dst || dstSize < 1)
        return static_cast<int>(text.size());
    size_t k = text.size() < static_cast<size_t>(dstSize - 1) ? text.size()
                                                              : static_cast<size_t>(dstSize - 1);
    memcpy(dst, text.data(), k);
    dst[k] = '\0';
    return static_cast<int>(k);
}

long FakeCodeConvert::getSystemEncoding()
{
    return m_systemEncoding;
}

void FakeCodeConvert::initialize()
{
    TQGFsetSystemDefaultEncoding(m_systemEncoding);
    setSystemLocaleName("C", m_systemEncoding);
}

int FakeCodeConvert::encode(u16* dst, int dstLength, const char* src, int srcLength,
                            int srcEncoding)
{
    if (!src)
        src = "";
    size_t n = srcLength < 0 ? strlen(src) : static_cast<size_t>(srcLength);
    std::vector<u16> units = toUnits(src, n, srcEncoding);
    if (!dst || dstLength < 1)
        return static_cast<int>(units.size());
    size_t k = units.size() < static_cast<size_t>(dstLength - 1) ? units.size()
                                                                : static_cast<size_t>(dstLength - 1);
    for (size_t i = 0; i < k; ++i)
        dst[i] = units[i];
    dst[k] = 0;
    return static_cast<int>(k);
}

int FakeCodeConvert::decode(char* dst, int dstLength, const u16* src, int srcLength,
                            int dstEncoding)
{
    size_t n = 0;
    if (src) {
        if (srcLength >= 0)
            n = static_cast<size_t>(srcLength);
        else
            while (src[n])
                ++n;
    }
    long e = resolve(dstEncoding);
    if (!dst || dstLength < 1)
        return static_cast<int>(fromUnits(src, n, e).size());
    // Whole characters only: a multibyte character never gets cut.
    size_t used = 0;
    for (size_t i = 0; i < n; ++i) {
        std::string c = encodeUnit(src[i], e);
        if (used + c.size() > static_cast<size_t>(dstLength - 1))
            break;
        memcpy(dst + used, c.data(), c.size());
        used += c.size();
    }
    dst[used] = '\0';
    return static_cast<int>(used);
}

FakeCodeConvert* FakeCodeConvert::install()
{
    static bool initialised = false;
    TQDcodeConvert::_set_code_convert_handler(&createFake);
    auto* fake = dynamic_cast<FakeCodeConvert*>(TQGIappCodeConvert());
    if (fake && !initialised) {
        fake->initialize();
        initialised = true;
    }
    return fake;
}
