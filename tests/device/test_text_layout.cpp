// Text placement by alignment, index/point conversions and line breaking,
// measured with a font of fixed metrics (8 units a character, 12 high).
#include <gtest/gtest.h>

#include "FakeCodeConvert.h"
#include "FakeResources.h"
#include "_TQCfontSet.h"
#include "_TQCstring.h"
#include "_TQGFtextLayout.h"

#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<u16> units(const char* ascii)
{
    std::vector<u16> u(ascii, ascii + std::char_traits<char>::length(ascii));
    u.push_back(0);
    return u;
}

TQCrect rect(long x, long y, unsigned long w, unsigned long h)
{
    TQCrect r;
    r.x = x;
    r.y = y;
    r.width = w;
    r.height = h;
    return r;
}

class TextLayout : public ::testing::Test {
protected:
    void SetUp() override { FakeCodeConvert::install(); }

    // Line positions from the multi-line placement.
    std::vector<TQCpoint> place(const char* text, TQCrect r, char align)
    {
        TQCstring string(text, TQENC_UTF8);
        TQCpoint* points = nullptr;
        long count = 0;
        EXPECT_EQ(0, TQGFcalcStringAddr(&string, &r, align, &font, &points, &count));
        std::vector<TQCpoint> result(points, points + count);
        delete[] points;
        return result;
    }

    long indexAt(const char* text, TQCrect r, char align, long x, long y,
                 unsigned char afterLast = 0)
    {
        std::vector<u16> u = units(text);
        long pos = -99;
        EXPECT_EQ(0, TQGFcalcStringPosFromAddr(u.data(), &r, align, &font, x, y, &pos, afterLast));
        return pos;
    }

    FakeFont font;
};

} // namespace

TEST_F(TextLayout, LinesStackFromTopOrBottom)
{
    TQCrect r = rect(0, 10, 100, 100);
    std::vector<TQCpoint> top = place("a\nbb\nccc", r, 5);
    ASSERT_EQ(3u, top.size());
    EXPECT_EQ(10, top[0].y);
    EXPECT_EQ(22, top[1].y);
    EXPECT_EQ(34, top[2].y);

    std::vector<TQCpoint> bottom = place("a\nbb\nccc", r, 6);
    ASSERT_EQ(3u, bottom.size());
    EXPECT_EQ(74, bottom[0].y);
    EXPECT_EQ(86, bottom[1].y);
    EXPECT_EQ(98, bottom[2].y);

    // Centred block: 10 + 100/2 - 36/2.
    std::vector<TQCpoint> centre = place("a\nbb\nccc", r, 2);
    EXPECT_EQ(42, centre[0].y);
    EXPECT_EQ(66, centre[2].y);
}

TEST_F(TextLayout, EachLineIsAlignedOnItsOwnWidth)
{
    TQCrect r = rect(5, 0, 100, 50);
    std::vector<TQCpoint> left = place("a\nbb\nccc", r, 5);
    std::vector<TQCpoint> right = place("a\nbb\nccc", r, 7);
    std::vector<TQCpoint> centre = place("a\nbb\nccc", r, 3);
    for (int i = 0; i < 3; ++i) {
        long w = 8 * (i + 1);
        EXPECT_EQ(5, left[i].x);
        EXPECT_EQ(5 + 100 - w, right[i].x) << "line " << i;
        EXPECT_EQ(5 + (100 - w) / 2, centre[i].x) << "line " << i;
    }
    // Wider than the rectangle: the centred line starts left of it.
    std::vector<TQCpoint> wide = place("abcdefghijklmn", rect(0, 0, 100, 20), 2);
    EXPECT_EQ(-6, wide[0].x);
}

TEST_F(TextLayout, PlacementRewindsTheText)
{
    TQCstring text("ab\ncd", TQENC_UTF8);
    text.seek(3);
    TQCrect r = rect(0, 0, 100, 100);
    TQCpoint* points = nullptr;
    long count = 0;
    TQGFcalcStringAddr(&text, &r, 7, &font, &points, &count);
    ASSERT_EQ(2, count);
    EXPECT_EQ(84, points[0].x);  // measured on "ab", not on what followed the cursor
    EXPECT_EQ(0, text.tell());
    delete[] points;
}

TEST_F(TextLayout, OneLineIsPlacedAsAWhole)
{
    TQCstring text("abc", TQENC_UTF8);
    TQCpoint p = {-1, -1};
    TQCrect r = rect(0, 0, 100, 30);
    TQGFcalcOneLineStringAddr(&text, &r, 0, &font, &p);
    EXPECT_EQ(0, p.x);
    EXPECT_EQ(9, p.y);
    TQGFcalcOneLineStringAddr(&text, &r, 8, &font, &p);
    EXPECT_EQ(76, p.x);
    EXPECT_EQ(18, p.y);
}

TEST_F(TextLayout, LinesTheTextLacksArePlacedAtTheOrigin)
{
    std::vector<u16> text = units("ab\ncdef");
    TQCrect r = rect(0, 10, 100, 100);
    for (long line : {2L, -1L}) {
        TQCpoint p = {-1, -1};
        EXPECT_EQ(0, TQGFcalcStringLineAddr(text.data(), &r, 5, &font, &p, line));
        EXPECT_EQ(0, p.x);
        EXPECT_EQ(0, p.y);
    }
}

// The cursor and single-line positions must lie on the drawn lines for
// every alignment, centred and bottom blocks included.
TEST_F(TextLayout, LineAndCursorPositionsAgreeWithDrawnLines)
{
    const char* text = "ab\ncdef\ng";
    std::vector<u16> u = units(text);
    const long lineStarts[3] = {0, 3, 8};
    TQCrect r = rect(3, 7, 101, 61);
    for (char align = 0; align <= 8; ++align) {
        std::vector<TQCpoint> drawn = place(text, r, align);
        ASSERT_EQ(3u, drawn.size());
        for (long line = 0; line < 3; ++line) {
            TQCpoint p = {-1, -1};
            TQGFcalcStringLineAddr(u.data(), &r, align, &font, &p, line);
            EXPECT_EQ(drawn[line].x, p.x) << "align " << int(align) << " line " << line;
            EXPECT_EQ(drawn[line].y, p.y) << "align " << int(align) << " line " << line;

            long x = -1, y = -1;
            EXPECT_EQ(0, TQGFcalcStringPosAddr(u.data(), &r, align, &font, lineStarts[line], &x, &y));
            EXPECT_EQ(drawn[line].x, x) << "align " << int(align) << " line " << line;
            EXPECT_EQ(drawn[line].y, y) << "align " << int(align) << " line " << line;
        }
    }
}

TEST_F(TextLayout, CursorPositionPastTheEndStopsBehindTheLastCharacter)
{
    std::vector<u16> text = units("ab\ncd");
    TQCrect r = rect(10, 20, 100, 100);
    long x = -1, y = -1;
    TQGFcalcStringPosAddr(text.data(), &r, 5, &font, 100, &x, &y);
    EXPECT_EQ(26, x);
    EXPECT_EQ(32, y);

    EXPECT_EQ(-1, TQGFcalcStringPosAddr(text.data(), &r, 5, &font, -1, &x, &y));
    EXPECT_EQ(0, TQGFcalcStringPosAddr(nullptr, &r, 5, &font, 1, &x, &y));
    EXPECT_EQ(0, x);
    EXPECT_EQ(0, y);
}

TEST_F(TextLayout, ClickFindsTheNearestCharacterBoundary)
{
    TQCrect r = rect(0, 0, 100, 12);
    // Boundaries lie at character midpoints: 4, 12, 20, ...
    for (long x = 0; x < 52; ++x)
        EXPECT_EQ((x + 4) / 8, indexAt("abcdefg", r, 5, x, 5)) << "x " << x;
}

TEST_F(TextLayout, ClickRightOfALineGivesItsLastIndex)
{
    TQCrect r = rect(0, 0, 100, 100);
    EXPECT_EQ(2, indexAt("abc", r, 5, 90, 5));
    EXPECT_EQ(3, indexAt("abc", r, 5, 90, 5, 1));
    EXPECT_EQ(4, indexAt("ab\ncd", r, 5, 9, 15));
    EXPECT_EQ(1, indexAt("ab\ncd", r, 5, 90, 5));
    // Below the last line: the last index.
    EXPECT_EQ(4, indexAt("ab\ncd", r, 5, 0, 90));
    EXPECT_EQ(5, indexAt("ab\ncd", r, 5, 0, 90, 1));
    // An empty line has no last character: its start.
    EXPECT_EQ(0, indexAt("\nab", r, 5, 50, 5));
    EXPECT_EQ(3, indexAt("ab\n\ncd", r, 5, 50, 15));
    EXPECT_EQ(0, indexAt("", r, 5, 50, 5));
}

// Clicking into the left half of the character at each index gives the
// index back, for every alignment.
TEST_F(TextLayout, ClickRoundTripsTheCursorPosition)
{
    const char* text = "ab\ncde\nf";
    std::vector<u16> u = units(text);
    TQCrect r = rect(4, 9, 120, 80);
    for (char align = 0; align <= 8; ++align) {
        for (long i = 0; i <= 8; ++i) {
            long x = 0, y = 0;
            TQGFcalcStringPosAddr(u.data(), &r, align, &font, i, &x, &y);
            EXPECT_EQ(i, indexAt(text, r, align, x + 1, y + FakeFont::HEIGHT / 2, 1))
                << "align " << int(align) << " index " << i;
        }
    }
}

TEST_F(TextLayout, ClickWithoutAUsableFontGivesIndexZero)
{
    std::vector<u16> text = units("abc");
    TQCrect r = rect(0, 0, 100, 100);
    long pos = -99;
    EXPECT_EQ(-1, TQGFcalcStringPosFromAddr(text.data(), &r, 5, nullptr, 20, 5, &pos, 0));
    EXPECT_EQ(0, pos);

    // An unrealised font measures everything as 0 high.
    TQDfont unrealised;
    pos = -99;
    EXPECT_EQ(-1, TQGFcalcStringPosFromAddr(text.data(), &r, 2, &unrealised, 20, 5, &pos, 0));
    EXPECT_EQ(0, pos);
}

TEST_F(TextLayout, IndexToColumnAndLineAndBack)
{
    std::vector<u16> text = units("ab\ncd");
    long column = -1, line = -1;
    TQGFcalcStringXYPos(text.data(), 4, &column, &line);
    EXPECT_EQ(1, column);
    EXPECT_EQ(1, line);
    TQGFcalcStringXYPos(text.data(), 99, &column, &line);
    EXPECT_EQ(2, column);
    EXPECT_EQ(1, line);

    long pos = -1;
    TQGFcalcStringXYPosToPos(text.data(), 5, 0, &pos);
    EXPECT_EQ(2, pos);
    TQGFcalcStringXYPosToPos(text.data(), 1, -1, &pos);
    EXPECT_EQ(4, pos);
    TQGFcalcStringXYPosToPos(text.data(), 9, 7, &pos);
    EXPECT_EQ(5, pos);
    TQGFcalcStringXYPosToPos(text.data(), -3, 1, &pos);
    EXPECT_EQ(3, pos);

    std::vector<u16> empty = units("");
    pos = -1;
    TQGFcalcStringXYPosToPos(empty.data(), 3, 0, &pos);
    EXPECT_EQ(0, pos);
}

// ---------------------------------------------------------------------------
// Line breaking

namespace {

// Reports the characters that fit even when the whole rest fits.
class WholeFitFont : public FakeFont {
public:
    explicit WholeFitFont(short no) : FakeFont(no) {}

    long getCharsByWidth(TQCstring* text, u16 width) override
    {
        long k = FakeFont::getCharsByWidth(text, width);
        return k > 0 ? k : text->getChars();
    }
};

const short kBreakFont = 201;
const short kWholeFitFont = 202;
const short kMissingFont = 203;

class LineBreaking : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        FakeCodeConvert::install();
        TQGIappFontSet()->addFont(new FakeFont(kBreakFont));
        TQGIappFontSet()->addFont(new WholeFitFont(kWholeFitFont));
    }

    std::string broken(const char* text, short fontNo, unsigned short width)
    {
        TQCstring string(text, TQENC_UTF8);
        std::unique_ptr<TQCstring> result(TQGFcreateLineFeedStringByWidth(&string, fontNo, width));
        return result->getString(TQENC_UTF8) ? result->getString(TQENC_UTF8) : "";
    }
};

} // namespace

TEST_F(LineBreaking, PiecesFitTheWidth)
{
    EXPECT_EQ("abc\ndef", broken("abcdef", kBreakFont, 24));
    EXPECT_EQ("abc\ndef\ng", broken("abcdefg", kBreakFont, 24));
    // Line feeds inside a piece are dropped; the piece still ends there.
    EXPECT_EQ("ab\ncde\nf", broken("ab\ncdef", kBreakFont, 24));
    // Characters, not bytes: three-byte characters 8 units wide.
    EXPECT_EQ("\xe6\x97\xa5\xe6\x9c\xac\n\xe8\xa1\xa8",
              broken("\xe6\x97\xa5\xe6\x9c\xac\xe8\xa1\xa8", kBreakFont, 16));
}

TEST_F(LineBreaking, FinalLineFeedOnlyWhenTheFontReportsAWholeFit)
{
    EXPECT_EQ("abc\ndef\n", broken("abcdef", kWholeFitFont, 24));
    EXPECT_EQ("ab\n", broken("ab", kWholeFitFont, 24));
}

TEST_F(LineBreaking, TextIsKeptWhenNothingFitsOrNoFont)
{
    EXPECT_EQ("abcdef", broken("abcdef", kBreakFont, 5));
    EXPECT_EQ("", broken("", kBreakFont, 24));

    TQCfontSet* set = TQGIappFontSet();
    short defaultNo = set->getDefaultFontNo();
    set->setDefaultFont(kMissingFont);
    EXPECT_EQ("abcdef", broken("abcdef", kMissingFont, 24));
    set->setDefaultFont(defaultNo);
}
