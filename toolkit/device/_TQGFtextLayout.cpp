// Text placement by alignment, index/point conversions for multi-line UCS-2
// text, and line breaking by width.
#include "_TQGFtextLayout.h"

#include "_TQCfontSet.h"
#include "_TQCstring.h"
#include "_TQDfont.h"
#include "_TQGFstring.h"

#include <cstring>
#include <memory>

namespace {

const u16 kLineFeed = 10;
const u16 kLineFeedText[2] = {kLineFeed, 0};

enum Horizontal { LEFT, H_CENTER, RIGHT };
enum Vertical { TOP, V_CENTER, BOTTOM };

struct Alignment {
    Horizontal h;
    Vertical v;
};

Alignment decodeAlignment(char code)
{
    static const Alignment table[9] = {
        {LEFT, V_CENTER},  {RIGHT, V_CENTER}, {H_CENTER, V_CENTER},
        {H_CENTER, TOP},   {H_CENTER, BOTTOM}, {LEFT, TOP},
        {LEFT, BOTTOM},    {RIGHT, TOP},       {RIGHT, BOTTOM},
    };
    // Callers pass only the nine codes; anything else reads as left, top.
    if (code < 0 || code > 8)
        return {LEFT, TOP};
    return table[static_cast<int>(code)];
}

// Left edge of a line of width w.
long lineLeft(const TQCrect* r, Horizontal h, long w)
{
    long width = static_cast<long>(r->width);
    switch (h) {
    case H_CENTER:
        return r->x + (width - w) / 2;
    case RIGHT:
        return r->x + width - w;
    default:
        return r->x;
    }
}

// Top of line i of n lines of height lineHeight. The centred block halves
// the rectangle and the block separately, each truncated.
long lineTop(const TQCrect* r, Vertical v, long lineHeight, long n, long i)
{
    long height = static_cast<long>(r->height);
    switch (v) {
    case V_CENTER:
        return r->y + height / 2 - (lineHeight * n) / 2 + i * lineHeight;
    case BOTTOM:
        return r->y + height + (i - n) * lineHeight;
    default:
        return r->y + i * lineHeight;
    }
}

// Only a block centred or at the bottom places its lines by their number;
// counting them costs a pass over the whole text.
long linesFor(Vertical v, const u16* text)
{
    return v == TOP ? 1 : TQGFgetLinesUCS2(text);
}

long fontHeight(TQDfont* font)
{
    return font != nullptr ? font->getFontHeight() : 0;
}

long textWidth(TQDfont* font, TQCstring* text)
{
    return font != nullptr ? font->getStringWidth(text) : 0;
}

// Width of the first n units of a text.
long unitsWidth(TQDfont* font, const u16* units, long n)
{
    if (font == nullptr || n <= 0)
        return 0;
    std::unique_ptr<u16[]> piece(new u16[n + 1]);
    std::memcpy(piece.get(), units, n * sizeof(u16));
    piece[n] = 0;
    return font->getStringWidthUCS2(piece.get());
}

// Units of the line that starts at start, without its line feed.
long lineLength(const u16* text, long start)
{
    long end = start;
    while (text[end] != 0 && text[end] != kLineFeed)
        ++end;
    return end - start;
}

// Index of the first unit of line (from 0), or -1 when the text has fewer
// lines.
long lineStart(const u16* text, long line)
{
    if (line == 0)
        return 0;
    return TQGFgetWordCharPosUCS2(text, line, kLineFeedText);
}

// Index of the first unit of the last line of a text of length units.
long lastLineStart(const u16* text, long length)
{
    long start = length;
    while (start > 0 && text[start - 1] != kLineFeed)
        --start;
    return start;
}

// The column under x within a line, by halving: each step measures one
// half, so a line of n units costs about log2(n) measurements.
long columnAt(TQDfont* font, const u16* units, long n, long x)
{
    if (n <= 0)
        return 0;
    if (n == 1)
        return x >= unitsWidth(font, units, 1) / 2 ? 1 : 0;
    long half = n / 2;
    long firstWidth = unitsWidth(font, units, half);
    if (x < firstWidth)
        return columnAt(font, units, half, x);
    return half + columnAt(font, units + half, n - half, x - firstWidth);
}

} // namespace

// ---------------------------------------------------------------------------
// Placement

long TQGFcalcStringAddr(TQCstring* text, TQCrect* r, char align, TQDfont* font,
                        TQCpoint** points, long* count)
{
    if (text == nullptr || r == nullptr || points == nullptr || count == nullptr)
        return 0;
    long n = text->getLines();
    if (n < 1)
        n = 1;
    long lineHeight = fontHeight(font);

    TQCpoint* lines = new TQCpoint[n];
    text->seek(0);
    for (long i = 0; i < n; ++i) {
        TQCstring line = text->gets();
        TQGFcalcLineAddr(r, align, lineHeight, n, i, textWidth(font, &line), &lines[i]);
    }
    text->seek(0);
    *points = lines;
    *count = n;
    return 0;
}

long TQGFcalcLineAddr(const TQCrect* r, char align, long lineHeight, long lines, long line,
                      long width, TQCpoint* point)
{
    if (r == nullptr || point == nullptr)
        return 0;
    Alignment a = decodeAlignment(align);
    point->x = lineLeft(r, a.h, width);
    point->y = lineTop(r, a.v, lineHeight, lines, line);
    return 0;
}

long TQGFcalcOneLineStringAddr(TQCstring* text, TQCrect* r, char align, TQDfont* font,
                               TQCpoint* point)
{
    if (r == nullptr || point == nullptr)
        return 0;
    Alignment a = decodeAlignment(align);
    point->x = lineLeft(r, a.h, text != nullptr ? textWidth(font, text) : 0);
    point->y = lineTop(r, a.v, fontHeight(font), 1, 0);
    return 0;
}

// Centred and bottom lines are placed exactly as the drawn text places them,
// so that what is computed here lies on the drawn line.
long TQGFcalcStringLineAddr(u16* text, TQCrect* r, char align, TQDfont* font,
                            TQCpoint* point, long line)
{
    if (point == nullptr)
        return 0;
    point->x = 0;
    point->y = 0;
    if (text == nullptr || r == nullptr)
        return 0;
    long n = TQGFgetLinesUCS2(text);
    if (line < 0 || line >= n)
        return 0;

    Alignment a = decodeAlignment(align);
    long lineHeight = font != nullptr ? font->getStringHeightUCS2(text) : 0;
    std::unique_ptr<u16[]> units(TQGFgetWordUCS2(text, line, kLineFeedText));
    long width = font != nullptr ? font->getStringWidthUCS2(units.get()) : 0;
    point->x = lineLeft(r, a.h, width);
    point->y = lineTop(r, a.v, lineHeight, n, line);
    return 0;
}

// ---------------------------------------------------------------------------
// Index and point

long TQGFcalcStringPosAddr(u16* text, TQCrect* r, char align, TQDfont* font,
                           long pos, long* x, long* y)
{
    if (pos < 0)
        return -1;
    if (x == nullptr || y == nullptr)
        return 0;
    *x = 0;
    *y = 0;
    if (text == nullptr || r == nullptr)
        return 0;

    long line = 0;
    long start = 0;
    long at = 0;
    for (; at < pos && text[at] != 0; ++at) {
        if (text[at] == kLineFeed) {
            ++line;
            start = at + 1;
        }
    }

    Alignment a = decodeAlignment(align);
    long width = unitsWidth(font, text + start, lineLength(text, start));
    *x = lineLeft(r, a.h, width) + unitsWidth(font, text + start, at - start);
    *y = lineTop(r, a.v, fontHeight(font), linesFor(a.v, text), line);
    return 0;
}

long TQGFcalcStringPosFromAddr(u16* text, TQCrect* r, char align, TQDfont* font,
                               long x, long y, long* pos, unsigned char afterLast)
{
    if (pos == nullptr)
        return -1;
    *pos = 0;
    if (font == nullptr || r == nullptr)
        return -1;
    // A font that could not be realised measures 0: no lines to find.
    u16 blank[2] = {32, 0};
    long lineHeight = font->getStringHeightUCS2(blank);
    if (lineHeight < 1)
        return -1;

    long length = TQGFstrlenUCS2(text);
    if (length == 0)
        return 0;
    long last = afterLast ? length : length - 1;
    x -= r->x;
    y -= r->y;

    Alignment a = decodeAlignment(align);
    long n = linesFor(a.v, text);
    long height = static_cast<long>(r->height);
    if (a.v == V_CENTER)
        y -= (height - n * lineHeight) / 2;
    else if (a.v == BOTTOM)
        y -= height - n * lineHeight;

    // A line the text does not have has no start.
    long line = y / lineHeight;
    long start = line >= 0 ? lineStart(text, line) : -1;
    if (start < 0) {
        *pos = last;
        return 0;
    }

    long units = lineLength(text, start);
    long width = unitsWidth(font, text + start, units);
    long rectWidth = static_cast<long>(r->width);
    if (a.h == H_CENTER)
        x -= (rectWidth - width) / 2;
    else if (a.h == RIGHT)
        x -= rectWidth - width;

    long column;
    if (x < width)
        column = columnAt(font, text + start, units, x);
    else
        column = afterLast ? units : units - 1;
    // An empty line has no last character; its index is its start.
    if (column < 0)
        column = 0;

    long index = start + column;
    *pos = index < length ? index : length;
    return 0;
}

long TQGFcalcStringXYPos(u16* text, long pos, long* column, long* line)
{
    long col = 0;
    long ln = 0;
    for (long i = 0; text != nullptr && i < pos && text[i] != 0; ++i) {
        if (text[i] == kLineFeed) {
            ++ln;
            col = 0;
        } else {
            ++col;
        }
    }
    if (column != nullptr)
        *column = col;
    if (line != nullptr)
        *line = ln;
    return 0;
}

long TQGFcalcStringXYPosToPos(u16* text, long column, long line, long* pos)
{
    if (pos == nullptr)
        return 0;
    *pos = 0;
    long length = TQGFstrlenUCS2(text);
    if (length == 0)
        return 0;
    long start = line >= 0 ? lineStart(text, line) : -1;
    if (start < 0)
        start = lastLineStart(text, length);
    long units = lineLength(text, start);
    if (column < 0)
        column = 0;
    *pos = start + (column < units ? column : units);
    return 0;
}

// ---------------------------------------------------------------------------
// Line breaking

// The font decides how much fits: each piece is what it reports for the
// rest of the text, with the piece's own line feeds dropped. A final line
// feed follows the last piece only with a font that reports a count for a
// rest that fits whole.
TQCstring* TQGFcreateLineFeedStringByWidth(TQCstring* text, short fontNo,
                                           unsigned short width)
{
    if (text == nullptr)
        return new TQCstring();
    TQDfont* font = TQGIappFontSet()->getFont(fontNo);
    if (font == nullptr)
        return new TQCstring(*text);

    long encoding = text->getEncoding();
    TQCstring* result = new TQCstring();
    result->setString("", encoding);
    TQCstring rest(*text);
    bool broken = false;
    for (;;) {
        long chars = rest.getChars();
        if (chars == 0)
            break;
        long k = font->getCharsByWidth(&rest, width);
        if (k <= 0)
            break;
        if (k > chars)
            k = chars;
        TQCstring piece(rest);
        piece.cutString(static_cast<unsigned long>(k));
        piece.delString("\n", 0);
        if (broken)
            result->addString("\n", encoding);
        result->addString(piece);
        rest.deleteChars(0, static_cast<unsigned long>(k));
        broken = true;
    }
    if (broken)
        result->addString("\n", encoding);
    result->addString(rest);
    return result;
}
