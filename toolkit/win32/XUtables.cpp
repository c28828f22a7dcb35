// Builds the XU character tables from the platform's code pages, cell by
// cell, and derives the reverse tables from them.
//
// Where the platform has no code page for a set, a superset is read within
// the set's own range (GB 2312 from code page 936), or the table is our own
// (ISO 8859-10 and 8859-14, which Wine lacks). Private-use characters of the
// vendor code pages are not part of any set here and are left out.
#include "TQwin32.h"

#include "XUtables.h"

#include <cstring>

namespace xutables {
namespace {

Tables g_tables;
bool g_forwardBuilt = false;
bool g_reverseBuilt = false;

const UINT kCpShiftJis = 932;
const UINT kCpGbk = 936;
const UINT kCpUhc = 949;
const UINT kCpBig5 = 950;
const UINT kCpKoi8r = 20866;
const UINT kCpCyrillic = 1251;
const UINT kCpIso8859Base = 28590;

// JIS X 0208 maps these Shift_JIS cells differently from code page 932.
const struct {
    unsigned char lead, trail;
    u16 ucs;
} kJisCellsOverCp932[] = {
    {0x81, 0x5F, 0x005C},
    {0x81, 0x60, 0x301C},
    {0x81, 0x91, 0x00A2},
    {0x81, 0xCA, 0x00AC},
};

// Cells of code page 936 inside the GB 2312 byte range that GB 2312 itself
// leaves empty (GBK additions: small Roman numerals, vertical forms, pinyin).
const struct {
    unsigned char lead, firstTrail, lastTrail;
} kGbkOnlyCells[] = {
    {0xA2, 0xA1, 0xAA},
    {0xA6, 0xE0, 0xEB},
    {0xA6, 0xEE, 0xF2},
    {0xA6, 0xF4, 0xF5},
    {0xA8, 0xBB, 0xC0},
};

// ISO 8859-10 and 8859-14, bytes 0xA0-0xFF.
const u16 kIso8859_10[96] = {
    0x00A0, 0x0104, 0x0112, 0x0122, 0x012A, 0x0128, 0x0136, 0x00A7,
    0x013B, 0x0110, 0x0160, 0x0166, 0x017D, 0x00AD, 0x016A, 0x014A,
    0x00B0, 0x0105, 0x0113, 0x0123, 0x012B, 0x0129, 0x0137, 0x00B7,
    0x013C, 0x0111, 0x0161, 0x0167, 0x017E, 0x2015, 0x016B, 0x014B,
    0x0100, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x012E,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x0116, 0x00CD, 0x00CE, 0x00CF,
    0x00D0, 0x0145, 0x014C, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x0168,
    0x00D8, 0x0172, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,
    0x0101, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x012F,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x0117, 0x00ED, 0x00EE, 0x00EF,
    0x00F0, 0x0146, 0x014D, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x0169,
    0x00F8, 0x0173, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x0138,
};

const u16 kIso8859_14[96] = {
    0x00A0, 0x1E02, 0x1E03, 0x00A3, 0x010A, 0x010B, 0x1E0A, 0x00A7,
    0x1E80, 0x00A9, 0x1E82, 0x1E0B, 0x1EF2, 0x00AD, 0x00AE, 0x0178,
    0x1E1E, 0x1E1F, 0x0120, 0x0121, 0x1E40, 0x1E41, 0x00B6, 0x1E56,
    0x1E81, 0x1E57, 0x1E83, 0x1E60, 0x1EF3, 0x1E84, 0x1E85, 0x1E61,
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,
    0x0174, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x1E6A,
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x0176, 0x00DF,
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF,
    0x0175, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x1E6B,
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x0177, 0x00FF,
};

bool isPrivateUse(u16 c)
{
    return c >= 0xE000 && c <= 0xF8FF;
}

// The character of one to two bytes in a code page, or 0 when the code page
// has none for them.
u16 platformChar(UINT codePage, const unsigned char* bytes, int count)
{
    WCHAR out[2] = {0, 0};
    int n = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS,
                                reinterpret_cast<const char*>(bytes), count, out, 2);
    if (n != 1 || isPrivateUse(out[0]))
        return 0;
    return out[0];
}

u16 platformChar(UINT codePage, unsigned char lead, unsigned char trail)
{
    const unsigned char bytes[2] = {lead, trail};
    return platformChar(codePage, bytes, 2);
}

void fillHighBytes(u16* table, UINT codePage)
{
    for (int b = 0x80; b <= 0xFF; ++b) {
        const unsigned char byte = static_cast<unsigned char>(b);
        table[b - 0x80] = platformChar(codePage, &byte, 1);
    }
}

// Bytes 0x80-0x9F of every ISO 8859 set are the C1 controls.
void fillIso8859(int k)
{
    u16* table = g_tables.iso8859[k];
    if (k == 11 || k == 12)
        return;
    if (k == 10 || k == 14) {
        const u16* own = k == 10 ? kIso8859_10 : kIso8859_14;
        std::memcpy(table + 0x20, own, 96 * sizeof(u16));
    } else {
        fillHighBytes(table, kCpIso8859Base + k);
    }
    for (int b = 0x80; b <= 0x9F; ++b)
        table[b - 0x80] = static_cast<u16>(b);
}

void fillJis()
{
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead >= 0xA0 && lead <= 0xDF)
            continue;
        const int row = (lead > 0xDF ? lead - 0x40 : lead) - 0x81;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F)
                continue;
            const int cell = (trail > 0x7E ? trail - 1 : trail) - 0x40;
            const int index = row * 188 + cell;
            if (index < kJisCells)
                g_tables.jis[index] = platformChar(kCpShiftJis,
                    static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
        }
    }
    for (const auto& over : kJisCellsOverCp932) {
        const int index = (over.lead - 0x81) * 188 + (over.trail > 0x7E ? over.trail - 1 : over.trail) - 0x40;
        g_tables.jis[index] = over.ucs;
    }
}

bool isGbkOnly(int lead, int trail)
{
    if (lead >= 0xAA && lead <= 0xAF)  // rows 10-15 are empty in GB 2312
        return true;
    for (const auto& run : kGbkOnlyCells) {
        if (lead == run.lead && trail >= run.firstTrail && trail <= run.lastTrail)
            return true;
    }
    return false;
}

void fillGb2312()
{
    for (int lead = 0xA1; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            if (isGbkOnly(lead, trail))
                continue;
            g_tables.gb2312[(lead - 0xA1) * 94 + (trail - 0xA1)] = platformChar(kCpGbk,
                static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
        }
    }
}

int big5TrailOf(int slot)
{
    return slot < 63 ? 0x40 + slot : 0xA1 + (slot - 63);
}

void fillBig5()
{
    for (int index = 0; index < kBig5Cells; ++index) {
        const int lead = 0xA1 + index / 157;
        const int trail = big5TrailOf(index % 157);
        g_tables.big5[index] = platformChar(kCpBig5,
            static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
    }
}

// The 178 trails of a low Korean lead: 0x41-0x5A, 0x61-0x7A, 0x81-0xFE.
int koreanTrailOf(int slot)
{
    if (slot < 26)
        return 0x41 + slot;
    if (slot < 52)
        return 0x61 + slot - 26;
    return 0x81 + slot - 52;
}

void fillKorean()
{
    for (int index = 0; index < kKoreanLowCells; ++index) {
        const int lead = 0x81 + index / 178;
        const int trail = koreanTrailOf(index % 178);
        g_tables.koreanLow[index] = platformChar(kCpUhc,
            static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
    }
    for (int index = 0; index < kKoreanHighCells; ++index) {
        const int lead = 0xCA + index / 94;
        const int trail = 0xA1 + index % 94;
        g_tables.koreanHigh[index] = platformChar(kCpUhc,
            static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
    }
}

void fillForward()
{
    for (int k = 1; k <= 15; ++k)
        fillIso8859(k);
    fillHighBytes(g_tables.koi8r, kCpKoi8r);
    fillHighBytes(g_tables.cp1251, kCpCyrillic);
    fillJis();
    fillGb2312();
    fillBig5();
    fillKorean();
    g_forwardBuilt = true;
}

u16 rowCell(int index)
{
    return static_cast<u16>(((0x21 + index / 94) << 8) | (0x21 + index % 94));
}

u16 bytePair(int lead, int trail)
{
    return static_cast<u16>((lead << 8) | trail);
}

// A character that occurs twice keeps its first cell.
void reverseJis()
{
    std::memset(g_tables.jisReverse, 0, sizeof g_tables.jisReverse);
    for (int index = 0; index < kJisCells; ++index) {
        const u16 c = g_tables.jis[index];
        if (c && !g_tables.jisReverse[c])
            g_tables.jisReverse[c] = rowCell(index);
    }
}

// The other two-byte sets keep the last cell of a character.
void reverseGb2312()
{
    std::memset(g_tables.gb2312Reverse, 0, sizeof g_tables.gb2312Reverse);
    for (int index = 0; index < kGb2312Cells; ++index) {
        const u16 c = g_tables.gb2312[index];
        if (c)
            g_tables.gb2312Reverse[c] = rowCell(index);
    }
}

void reverseBig5()
{
    std::memset(g_tables.big5Reverse, 0, sizeof g_tables.big5Reverse);
    for (int index = 0; index < kBig5Cells; ++index) {
        const u16 c = g_tables.big5[index];
        if (c)
            g_tables.big5Reverse[c] = bytePair(0xA1 + index / 157, big5TrailOf(index % 157));
    }
}

void reverseKorean()
{
    std::memset(g_tables.koreanReverse, 0, sizeof g_tables.koreanReverse);
    for (int index = 0; index < kKoreanLowCells; ++index) {
        const u16 c = g_tables.koreanLow[index];
        if (c)
            g_tables.koreanReverse[c] = bytePair(0x81 + index / 178, koreanTrailOf(index % 178));
    }
    for (int index = 0; index < kKoreanHighCells; ++index) {
        const u16 c = g_tables.koreanHigh[index];
        if (c)
            g_tables.koreanReverse[c] = bytePair(0xCA + index / 94, 0xA1 + index % 94);
    }
}

void reverseCyrillic(const u16* forward, u16 (*reverse)[kCyrillicSpan])
{
    std::memset(reverse, 0, sizeof(u16) * 2 * kCyrillicSpan);
    for (int b = 0x80; b <= 0xFF; ++b) {
        const u16 c = forward[b - 0x80];
        for (int range = 0; range < 2; ++range) {
            const u16 base = range == 0 ? kCyrillicLow : kCyrillicHigh;
            if (c >= base && c < base + kCyrillicSpan && !reverse[range][c - base])
                reverse[range][c - base] = static_cast<u16>(b);
        }
    }
}

void buildReverse()
{
    reverseCyrillic(g_tables.koi8r, g_tables.koi8rReverse);
    reverseCyrillic(g_tables.cp1251, g_tables.cp1251Reverse);
    reverseJis();
    reverseGb2312();
    reverseBig5();
    reverseKorean();
    g_reverseBuilt = true;
}

bool buildMissing()
{
    if (!g_forwardBuilt)
        fillForward();
    if (!g_reverseBuilt)
        buildReverse();
    return true;
}

} // namespace

const Tables& tables()
{
    static const bool built = buildMissing();
    (void)built;
    return g_tables;
}

void rebuildReverse()
{
    if (!g_forwardBuilt)
        fillForward();
    buildReverse();
}

const u16* singleByteTable(int enc)
{
    const Tables& t = tables();
    if (enc >= 1 && enc <= 15)
        return t.iso8859[enc];
    if (enc == 17)
        return t.koi8r;
    if (enc == 60)
        return t.cp1251;
    return nullptr;
}

} // namespace xutables
