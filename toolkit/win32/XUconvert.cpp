// Conversion between the toolkit's encodings and UCS-2: one character at a
// time through the XU tables, whole texts by walking the characters, and the
// system's own ANSI code page through the Win32 conversion functions.
#include "TQwin32.h"

#include "XUconvert.h"
#include "XUtables.h"
#include "_TQDcodeConvert.h"

#include <climits>
#include <cstring>
#include <new>

static_assert(sizeof(wchar_t) == sizeof(u16), "UCS-2 units are wchar_t on Win32");

namespace {

const wchar_t kUnknown = L'?';
const int kAnsi = -1;  // a resolved encoding: the platform's ANSI code page

enum Encoding {
    kUtf8 = 16,
    kKoi8r = 17,
    kEucJp = 20,
    kShiftJis = 21,
    kKorean = 30,
    kGb2312 = 40,
    kBig5 = 50,
    kCp1251 = 60
};

// -2 reaching this layer unresolved stands for the application default, as
// it does everywhere else; -1 is the system encoding, which may itself be -1
// (the ANSI code page).
int resolveEncoding(int enc)
{
    if (enc == -2)
        enc = static_cast<int>(TQGFgetDefaultEncoding());
    if (enc == -1)
        enc = static_cast<int>(XUGetLocale());
    return enc;
}

int available(int len)
{
    return len < 0 ? INT_MAX : len;
}

unsigned char byteAt(const char* s, int i)
{
    return static_cast<unsigned char>(s[i]);
}

bool isIso8859(int enc)
{
    return enc >= 1 && enc <= 15;
}

bool isTwoByteSet(int enc)
{
    return enc == kEucJp || enc == kShiftJis || enc == kKorean || enc == kGb2312 || enc == kBig5;
}

bool isHalfWidthKatakana(wchar_t c)
{
    return c >= 0xFF61 && c <= 0xFF9F;
}

// ---- bytes to UCS-2 -------------------------------------------------------

// A character of the ANSI code page: a DBCS lead byte takes its trail along.
wchar_t ansiCharEncode(const char* s, int len, int* used)
{
    int n = 1;
    if (available(len) >= 2 && s[1] != '\0' && IsDBCSLeadByteEx(CP_ACP, byteAt(s, 0)))
        n = 2;
    WCHAR c = 0;
    *used = n;
    if (MultiByteToWideChar(CP_ACP, 0, s, n, &c, 1) != 1)
        return kUnknown;
    return c;
}

// Index into a table of a two-byte set, or -1 when the pair is outside the
// set's byte ranges. table receives the table the index belongs to.
int twoByteIndex(int enc, unsigned char lead, unsigned char trail, const u16** table)
{
    const xutables::Tables& t = xutables::tables();
    switch (enc) {
    case kEucJp:
        if (lead < 0xA1 || lead > 0xFC || trail < 0xA1 || trail > 0xFE)
            return -1;
        *table = t.jis;
        return (lead - 0xA1) * 94 + (trail - 0xA1);
    case kShiftJis: {
        if (lead == 0x80 || lead == 0xA0 || lead > 0xFC)
            return -1;
        if (trail < 0x40 || trail > 0xFC || trail == 0x7F)
            return -1;
        const int l = lead > 0xDF ? lead - 0x40 : lead;
        const int tr = trail > 0x7E ? trail - 1 : trail;
        const int index = (l - 0x81) * 188 + (tr - 0x40);
        if (index >= xutables::kJisCells)
            return -1;
        *table = t.jis;
        return index;
    }
    case kKorean:
        if (lead >= 0x81 && lead <= 0xC8) {
            if (trail < 0x41 || trail > 0xFE || (trail >= 0x5B && trail <= 0x60) ||
                (trail >= 0x7B && trail <= 0x80))
                return -1;
            int tr = trail;
            if (tr > 0x7A)
                tr -= 6;
            if (tr > 0x5A)
                tr -= 6;
            *table = t.koreanLow;
            return (lead - 0x81) * 178 + (tr - 0x41);
        }
        if (lead >= 0xCA && lead <= 0xFD) {
            if (trail < 0xA1 || trail > 0xFE)
                return -1;
            *table = t.koreanHigh;
            return (lead - 0xCA) * 94 + (trail - 0xA1);
        }
        return -1;
    case kGb2312:
        if (lead < 0xA1 || lead > 0xF7 || trail < 0xA1 || trail > 0xFE)
            return -1;
        *table = t.gb2312;
        return (lead - 0xA1) * 94 + (trail - 0xA1);
    case kBig5: {
        if (lead < 0xA1 || lead > 0xF9)
            return -1;
        const bool low = trail >= 0x40 && trail <= 0x7E;
        const bool high = trail >= 0xA1 && trail <= 0xFE;
        if (!low && !high)
            return -1;
        *table = t.big5;
        return (lead - 0xA1) * 157 + ((high ? trail - 34 : trail) - 0x40);
    }
    default:
        return -1;
    }
}

wchar_t twoByteCharEncode(const char* s, int len, int enc, int* used)
{
    const unsigned char lead = byteAt(s, 0);
    if (available(len) < 2 || s[1] == '\0')
        return kUnknown;
    const unsigned char trail = byteAt(s, 1);

    if (enc == kEucJp && lead == 0x8E) {
        // The trail must name a half-width katakana, or the result would be
        // some other character entirely.
        if (trail < 0xA1 || trail > 0xDF)
            return kUnknown;
        *used = 2;
        return static_cast<wchar_t>(0xFF61 + (trail - 0xA1));
    }
    const u16* table = nullptr;
    const int index = twoByteIndex(enc, lead, trail, &table);
    if (index < 0 || table[index] == 0)
        return kUnknown;  // the trail byte is read again as the next character
    *used = 2;
    return table[index];
}

// ---- UCS-2 to bytes -------------------------------------------------------

// Writes n bytes (high first) when they fit; returns n either way.
int putBytes(char* out, int room, int n, unsigned value)
{
    if (out && n <= room) {
        if (n == 2) {
            out[0] = static_cast<char>(value >> 8);
            out[1] = static_cast<char>(value & 0xFF);
        } else {
            out[0] = static_cast<char>(value);
        }
    }
    return n;
}

int unknownByte(char* out, int room)
{
    return putBytes(out, room, 1, '?');
}

int ansiCharDecode(char* out, int room, wchar_t c)
{
    char bytes[8];
    const int n = WideCharToMultiByte(CP_ACP, 0, &c, 1, bytes, sizeof bytes, nullptr, nullptr);
    if (n <= 0)
        return unknownByte(out, room);
    if (out && n <= room)
        std::memcpy(out, bytes, static_cast<size_t>(n));
    return n;
}

int iso8859CharDecode(char* out, int room, wchar_t c, int enc)
{
    if (c >= 0x80 && c <= 0xA0)
        return putBytes(out, room, 1, c);
    const u16* table = xutables::singleByteTable(enc);
    for (int b = 0xA1; b <= 0xFF; ++b) {
        if (table[b - 0x80] == c)
            return putBytes(out, room, 1, static_cast<unsigned>(b));
    }
    return unknownByte(out, room);
}

// The reverse ranges cover the Cyrillic letters, box drawing and blocks. The
// few characters of the sets outside them (typographic quotes and dashes,
// the euro, the numero sign, the integral halves) are found in the forward
// table, so that no character of the set is lost on the way back.
int cyrillicCharDecode(char* out, int room, wchar_t c, int enc)
{
    const xutables::Tables& t = xutables::tables();
    const u16 (*reverse)[xutables::kCyrillicSpan] = enc == kKoi8r ? t.koi8rReverse : t.cp1251Reverse;
    for (int range = 0; range < 2; ++range) {
        const u16 base = range == 0 ? xutables::kCyrillicLow : xutables::kCyrillicHigh;
        if (c >= base && c < base + xutables::kCyrillicSpan) {
            const u16 b = reverse[range][c - base];
            return b ? putBytes(out, room, 1, b) : unknownByte(out, room);
        }
    }
    const u16* forward = enc == kKoi8r ? t.koi8r : t.cp1251;
    for (int b = 0x80; b <= 0xFF; ++b) {
        if (forward[b - 0x80] == c)
            return putBytes(out, room, 1, static_cast<unsigned>(b));
    }
    return unknownByte(out, room);
}

// The published JIS to Shift_JIS rule.
unsigned shiftJisOf(unsigned rowCell)
{
    const unsigned j1 = rowCell >> 8;
    const unsigned j2 = rowCell & 0xFF;
    unsigned lead = ((j1 - 0x21) >> 1) + 0x81;
    if (lead > 0x9F)
        lead += 0x40;
    unsigned trail;
    if (j1 & 1) {
        trail = j2 - 0x21 + 0x40;
        if (trail >= 0x7F)
            trail += 1;
    } else {
        trail = j2 - 0x21 + 0x9F;
    }
    return (lead << 8) | trail;
}

int japaneseCharDecode(char* out, int room, wchar_t c, int enc)
{
    if (isHalfWidthKatakana(c)) {
        if (enc == kEucJp)
            return putBytes(out, room, 2, 0x8E00u | (c - 0xFEC0));
        return putBytes(out, room, 1, c - 0xFEC0);
    }
    const u16 rowCell = xutables::tables().jisReverse[c];
    if (!rowCell)
        return unknownByte(out, room);
    if (enc == kShiftJis)
        return putBytes(out, room, 2, shiftJisOf(rowCell));
    // EUC-JP reaches rows 1-94 only; the vendor rows beyond have no EUC form.
    if ((rowCell >> 8) > 0x7E)
        return unknownByte(out, room);
    return putBytes(out, room, 2, rowCell + 0x8080u);
}

int otherTwoByteCharDecode(char* out, int room, wchar_t c, int enc)
{
    const xutables::Tables& t = xutables::tables();
    u16 code = 0;
    if (enc == kKorean)
        code = t.koreanReverse[c];
    else if (enc == kBig5)
        code = t.big5Reverse[c];
    else if (enc == kGb2312 && t.gb2312Reverse[c])
        code = static_cast<u16>(t.gb2312Reverse[c] + 0x8080u);
    if (!code)
        return unknownByte(out, room);
    return putBytes(out, room, 2, code);
}

// ---- whole texts through the ANSI code page ---------------------------------

int ansiEncode(wchar_t* out, int outLen, const char* in, int inLen)
{
    const int need = MultiByteToWideChar(CP_ACP, 0, in, inLen, nullptr, 0);
    if (need <= 0) {
        if (outLen > 0)
            out[0] = 0;
        return 0;
    }
    if (outLen >= need) {
        MultiByteToWideChar(CP_ACP, 0, in, inLen, out, need);
    } else if (outLen > 0) {
        wchar_t* all = new (std::nothrow) wchar_t[need];
        if (all) {
            MultiByteToWideChar(CP_ACP, 0, in, inLen, all, need);
            std::memcpy(out, all, sizeof(wchar_t) * outLen);
            delete[] all;
        }
    }
    if (outLen > need)
        out[need] = 0;
    return need;
}

int ansiDecode(char* out, int outLen, const wchar_t* in, int inLen)
{
    const int need = WideCharToMultiByte(CP_ACP, 0, in, inLen, nullptr, 0, nullptr, nullptr);
    if (need <= 0) {
        if (outLen > 0)
            out[0] = '\0';
        return 0;
    }
    if (outLen >= need) {
        WideCharToMultiByte(CP_ACP, 0, in, inLen, out, need, nullptr, nullptr);
    } else if (outLen > 0) {
        char* all = new (std::nothrow) char[need];
        if (all) {
            WideCharToMultiByte(CP_ACP, 0, in, inLen, all, need, nullptr, nullptr);
            std::memcpy(out, all, static_cast<size_t>(outLen));
            delete[] all;
        }
    }
    if (outLen > need)
        out[need] = '\0';
    return need;
}

// ---- UTF-8 ------------------------------------------------------------------

// Length announced by a UTF-8 lead byte: 1 for ASCII, 2-6 for leads
// 0xC0-0xFD, 0 for bytes that cannot start a sequence.
int utf8SequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead < 0xC0)
        return 0;
    if (lead < 0xE0)
        return 2;
    if (lead < 0xF0)
        return 3;
    if (lead < 0xF8)
        return 4;
    if (lead < 0xFC)
        return 5;
    if (lead < 0xFE)
        return 6;
    return 0;
}

bool isOverlong(int n, unsigned char lead, unsigned char second)
{
    switch (n) {
    case 2: return lead < 0xC2;
    case 3: return lead == 0xE0 && second < 0xA0;
    case 4: return lead == 0xF0 && second < 0x90;
    case 5: return lead == 0xF8 && second < 0x88;
    case 6: return lead == 0xFC && second < 0x84;
    default: return false;
    }
}

// Length of a valid multi-byte sequence at s, or 0 when it is refused or
// broken (too short, a missing continuation byte, an overlong form).
int validUtf8Length(const char* s, int len)
{
    const int n = utf8SequenceLength(byteAt(s, 0));
    if (n < 2 || available(len) < n)
        return 0;
    for (int i = 1; i < n; ++i) {
        if ((byteAt(s, i) & 0xC0) != 0x80)
            return 0;
    }
    if (isOverlong(n, byteAt(s, 0), byteAt(s, 1)))
        return 0;
    return n;
}

wchar_t utf8Value(const char* s, int n)
{
    if (n == 2)
        return static_cast<wchar_t>(((byteAt(s, 0) & 0x1F) << 6) | (byteAt(s, 1) & 0x3F));
    // Longer sequences keep their low 16 bits: the last three bytes.
    const char* last3 = s + n - 3;
    return static_cast<wchar_t>(((byteAt(last3, 0) & 0x0F) << 12) |
                                ((byteAt(last3, 1) & 0x3F) << 6) | (byteAt(last3, 2) & 0x3F));
}

int utf8NeededBytes(wchar_t c)
{
    return c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
}

} // namespace

// ---- one character ------------------------------------------------------------

wchar_t XUCharEncode(const char* s, int len, int enc, int* used)
{
    int ignored;
    if (!used)
        used = &ignored;
    *used = 1;
    if (!s || len == 0 || s[0] == '\0')
        return 0;
    enc = resolveEncoding(enc);
    if (enc == kAnsi)
        return ansiCharEncode(s, len, used);
    if (enc <= 0)
        return kUnknown;
    if (enc == kUtf8)
        return XUutf8CharEncode(s, len, used);

    const unsigned char lead = byteAt(s, 0);
    if (lead < 0x80)
        return lead;
    if (const u16* table = xutables::singleByteTable(enc))
        return table[lead - 0x80] ? table[lead - 0x80] : kUnknown;
    if (enc == kShiftJis && lead >= 0xA1 && lead <= 0xDF)
        return static_cast<wchar_t>(0xFF61 + (lead - 0xA1));
    if (isTwoByteSet(enc))
        return twoByteCharEncode(s, len, enc, used);
    return kUnknown;
}

int XUCharDecode(char* out, int room, wchar_t c, int enc)
{
    if (!out)
        room = 0;
    enc = resolveEncoding(enc);
    if (enc == kAnsi)
        return ansiCharDecode(out, room, c);
    if (enc <= 0)
        return unknownByte(out, room);
    if (enc == kUtf8)
        return XUutf8CharDecode(out, room, c);
    if (c < 0x80)
        return putBytes(out, room, 1, c);
    if (isIso8859(enc))
        return iso8859CharDecode(out, room, c, enc);
    if (enc == kKoi8r || enc == kCp1251)
        return cyrillicCharDecode(out, room, c, enc);
    if (enc == kEucJp || enc == kShiftJis)
        return japaneseCharDecode(out, room, c, enc);
    if (enc == kKorean || enc == kBig5 || enc == kGb2312)
        return otherTwoByteCharDecode(out, room, c, enc);
    return unknownByte(out, room);
}

int XUCharLen(const char* s, int len, int enc)
{
    if (!s || len == 0 || s[0] == '\0')
        return 1;
    enc = resolveEncoding(enc);
    if (enc == kAnsi) {
        int used;
        ansiCharEncode(s, len, &used);
        return used;
    }
    if (enc == kUtf8)
        return XUutf8CharLen(s, len);
    if (!isTwoByteSet(enc))
        return 1;
    const unsigned char lead = byteAt(s, 0);
    if (lead < 0x80 || (enc == kShiftJis && lead >= 0xA1 && lead <= 0xDF))
        return 1;
    if (available(len) < 2 || s[1] == '\0')
        return 1;
    const unsigned char trail = byteAt(s, 1);
    if (enc == kEucJp && lead == 0x8E)
        return trail >= 0xA1 && trail <= 0xDF ? 2 : 1;
    const u16* table = nullptr;
    return twoByteIndex(enc, lead, trail, &table) >= 0 ? 2 : 1;
}

// ---- whole texts -------------------------------------------------------------

int XUEncode(wchar_t* out, int outLen, const char* in, int inLen, int enc)
{
    if (!out || outLen < 0)
        outLen = 0;
    if (in && inLen < 0)
        inLen = static_cast<int>(std::strlen(in));
    if (!in || inLen == 0) {
        if (outLen > 0)
            out[0] = 0;
        return 0;
    }
    enc = resolveEncoding(enc);
    if (enc == kAnsi)
        return ansiEncode(out, outLen, in, inLen);

    // Measuring and converting take the same steps, so a measured size always
    // holds the converted text.
    int count = 0;
    for (int pos = 0; pos < inLen;) {
        int used = 1;
        const wchar_t c = XUCharEncode(in + pos, inLen - pos, enc, &used);
        if (count < outLen)
            out[count] = c;
        ++count;
        pos += used;
    }
    if (count < outLen)
        out[count] = 0;
    return count;
}

int XUDecode(char* out, int outLen, const wchar_t* in, int inLen, int enc)
{
    if (!out || outLen < 0)
        outLen = 0;
    if (in && inLen < 0)
        inLen = XUStrLen(in);
    if (!in || inLen == 0) {
        if (outLen > 0)
            out[0] = '\0';
        return 0;
    }
    enc = resolveEncoding(enc);
    if (enc == kAnsi)
        return ansiDecode(out, outLen, in, inLen);

    // The count goes on past a character that does not fit, so no later
    // character fits either: the output never has a gap, and the result is
    // the size of the whole text.
    int total = 0;
    for (int i = 0; i < inLen; ++i) {
        char bytes[4];
        const int n = XUCharDecode(bytes, sizeof bytes, in[i], enc);
        if (total + n <= outLen)
            std::memcpy(out + total, bytes, static_cast<size_t>(n));
        total += n;
    }
    if (total < outLen)
        out[total] = '\0';
    return total;
}

int XULen(const char* s, int len, int enc)
{
    return XUEncode(nullptr, 0, s, len, enc);
}

int XUStrLen(const wchar_t* s)
{
    int n = 0;
    if (s) {
        while (s[n])
            ++n;
    }
    return n;
}

int XUCodeConv(char* out, int outLen, int outEnc, const char* in, int inLen, int inEnc)
{
    if (in && inLen < 0)
        inLen = static_cast<int>(std::strlen(in));
    if (!in || inLen <= 0)
        return XUDecode(out, outLen, nullptr, 0, outEnc);

    // Every character takes at least one byte, so inLen units hold the text;
    // one more keeps room for the terminator.
    wchar_t small[256];
    wchar_t* units = small;
    if (inLen + 1 > static_cast<int>(sizeof small / sizeof small[0])) {
        units = new (std::nothrow) wchar_t[inLen + 1];
        if (!units)
            return XUDecode(out, outLen, nullptr, 0, outEnc);
    }
    int count = XUEncode(units, inLen + 1, in, inLen, inEnc);
    if (count > inLen)
        count = inLen;
    const int result = XUDecode(out, outLen, units, count, outEnc);
    if (units != small)
        delete[] units;
    return result;
}

// ---- UTF-8 ------------------------------------------------------------------

wchar_t XUutf8CharEncode(const char* s, int len, int* used)
{
    int ignored;
    if (!used)
        used = &ignored;
    *used = 1;
    if (!s || len == 0 || s[0] == '\0')
        return 0;
    const unsigned char lead = byteAt(s, 0);
    if (lead < 0x80)
        return lead;
    const int n = validUtf8Length(s, len);
    if (n == 0)
        return lead;  // a refused or broken sequence stands for its lead byte
    *used = n;
    return utf8Value(s, n);
}

int XUutf8CharDecode(char* out, int room, wchar_t c)
{
    if (!out || room < 0)
        room = 0;
    const int n = utf8NeededBytes(c);
    unsigned char bytes[3];
    if (n == 1) {
        bytes[0] = static_cast<unsigned char>(c);
    } else if (n == 2) {
        bytes[0] = static_cast<unsigned char>(0xC0 | (c >> 6));
        bytes[1] = static_cast<unsigned char>(0x80 | (c & 0x3F));
    } else {
        bytes[0] = static_cast<unsigned char>(0xE0 | (c >> 12));
        bytes[1] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
        bytes[2] = static_cast<unsigned char>(0x80 | (c & 0x3F));
    }
    const int written = n < room ? n : room;
    for (int i = 0; i < written; ++i)
        out[i] = static_cast<char>(bytes[i]);
    if (room > written)
        out[written] = '\0';
    return n;
}

int XUutf8CharLen(const char* s, int len)
{
    if (!s || len == 0 || len == 1 || s[0] == '\0')
        return 1;
    const int n = validUtf8Length(s, len);
    return n ? n : 1;
}

int XUutf8CharRLen(const char* end, int len)
{
    if (!end || len <= 1 || (byteAt(end, -1) & 0xC0) != 0x80)
        return 1;
    // Back over at most five continuation bytes to a lead byte whose
    // sequence ends exactly at end.
    const int reach = len < 6 ? len : 6;
    for (int back = 2; back <= reach; ++back) {
        const unsigned char b = byteAt(end, -back);
        if ((b & 0xC0) == 0x80)
            continue;
        return validUtf8Length(end - back, back) == back ? back : 1;
    }
    return 1;
}

// The whole-text walks of XUEncode and XUDecode reach the UTF-8 character
// functions for this encoding.
int XUutf8Encode(wchar_t* out, int outLen, const char* in, int inLen)
{
    return XUEncode(out, outLen, in, inLen, kUtf8);
}

int XUutf8Decode(char* out, int outLen, const wchar_t* in, int inLen)
{
    return XUDecode(out, outLen, in, inLen, kUtf8);
}

int XUutf8Len(const char* s, int len)
{
    return XUutf8Encode(nullptr, 0, s, len);
}
