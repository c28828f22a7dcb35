// Character tables of the XU functions. Every entry is a UCS-2 character;
// 0 marks a cell that holds none. The forward tables are filled once from the
// platform's code pages, the reverse tables are derived from them.
#ifndef XUTABLES_H
#define XUTABLES_H

#include "TQtypes.h"

namespace xutables {

// Bytes 0x80-0xFF of the single-byte sets.
const int kHighBytes = 128;
// JIS X 0208 in its Shift_JIS arrangement: (lead - 0x81) * 188 + (trail - 0x40)
// after the Shift_JIS adjustments, which is also (row - 1) * 94 + (cell - 1).
const int kJisCells = 11400;
// GB 2312: (first - 0xA1) * 94 + (second - 0xA1).
const int kGb2312Cells = 8178;
// Big5: (first - 0xA1) * 157 + (second - 0x40), seconds above 0x7E less 34.
const int kBig5Cells = 13973;
// Unified Hangul Code: leads 0x81-0xC8 with 178 trails, leads 0xCA-0xFD with
// the 94 trails 0xA1-0xFE.
const int kKoreanLowCells = 12816;
const int kKoreanHighCells = 4888;
// Reverse ranges of KOI8-R and code page 1251.
const int kCyrillicSpan = 1024;
const u16 kCyrillicLow = 0x0080;
const u16 kCyrillicHigh = 0x2200;

struct Tables {
    // Index k is ISO 8859-k (code 1: ISO 8859-1); 11 and 12 stay empty.
    u16 iso8859[16][kHighBytes];
    u16 koi8r[kHighBytes];
    u16 cp1251[kHighBytes];
    u16 jis[kJisCells];
    u16 gb2312[kGb2312Cells];
    u16 big5[kBig5Cells];
    u16 koreanLow[kKoreanLowCells];
    u16 koreanHigh[kKoreanHighCells];

    // JIS and GB 2312 hold row and cell (0x21-0x7E each) as high and low
    // byte; Big5 and Korean hold the real bytes.
    u16 jisReverse[65536];
    u16 gb2312Reverse[65536];
    u16 big5Reverse[65536];
    u16 koreanReverse[65536];
    // [0]: U+0080-U+047F, [1]: U+2200-U+25FF; the entry is the byte.
    u16 koi8rReverse[2][kCyrillicSpan];
    u16 cp1251Reverse[2][kCyrillicSpan];
};

// The tables, built on first use.
const Tables& tables();
// Fills the forward tables once, then (re)builds the reverse tables.
void rebuildReverse();

// The 128-entry table of a single-byte set (1-15, 17, 60), else null.
const u16* singleByteTable(int enc);

} // namespace xutables

#endif
