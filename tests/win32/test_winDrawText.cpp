// Text and images through the GDI drawing object. Faces differ under Wine,
// so text is checked by where underline, selection and cursor pixels fall,
// measured with GetTextExtentPoint32W, never by glyph shapes.
#include <gtest/gtest.h>

#include "DibSurface.h"
#include "TQDwinfont.h"
#include "WinCodeConverter.h"
#include "_TQCfontSet.h"
#include "_TQCstring.h"
#include "_TQDimage.h"

#include <memory>

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const char kFontNo = 40;
const long kHeight = 16;

class WinDrawText : public SurfaceDrawTest {
protected:
    void SetUp() override
    {
        SurfaceDrawTest::SetUp();
        useWinCodeConverter();
        static TQDfont* font = addFont();
        m_font = reinterpret_cast<HGDIOBJ>(font->getValue1());
        HGDIOBJ previous = SelectObject(surface.dc(), m_font);
        GetTextMetricsW(surface.dc(), &m_metrics);
        SelectObject(surface.dc(), previous);
    }

    static TQDfont* addFont()
    {
        TQDwinfont* font = new TQDwinfont;
        font->setId(kFontNo);
        font->setFontName("16,0,0,0,400,0,0,0,0,0,0,0,0,Arial");
        TQGIappFontSet()->addFont(font);
        return font;
    }

    // Width of the first n characters of a row of "H".
    long widthOf(int n)
    {
        HGDIOBJ previous = SelectObject(surface.dc(), m_font);
        SIZE size = {0, 0};
        GetTextExtentPoint32W(surface.dc(), L"HHHHHHHHHHHH", n, &size);
        SelectObject(surface.dc(), previous);
        return size.cx;
    }

    long drawText(long x, long y, const char* text, char align, long cursor = -1,
                  unsigned char mode = 0, long selStart = 0, long selEnd = 0)
    {
        TQCstring string(text, 16);
        return draw.drawString(x, y, 190, 40, &string, kFontNo, align, cursor, mode, selStart,
                               selEnd);
    }

    // The last row of a line's cell: below the capitals, above the next line.
    long cellBottom(long top) const { return top + m_metrics.tmHeight - 1; }

    HGDIOBJ m_font = nullptr;
    TEXTMETRICW m_metrics = {};
};

} // namespace

TEST_F(WinDrawText, UnderlineRunsFromTheEndOfCharacterTwoToTheEndOfFive)
{
    long row = 4 + kHeight - 1;
    ASSERT_EQ(0, drawText(4, 4, "HHHHHHHH", 5));
    ASSERT_EQ(0, surface.count(0, row, WIDTH, 1, kBlack)) << "capitals keep off the row";

    draw.setUnderLineChar(2, 3);
    drawText(4, 4, "HHHHHHHH", 5);
    long from = 4 + widthOf(2);
    long to = 4 + widthOf(5);
    EXPECT_EQ(to - from, surface.count(from, row, to - from, 1, kBlack));
    EXPECT_EQ(to - from, surface.count(0, row, WIDTH, 1, kBlack));
}

TEST_F(WinDrawText, SelectionGivenBackwardsReversesCharactersThreeToSix)
{
    long row = cellBottom(4);
    drawText(4, 4, "HHHHHHHHHH", 5, -1, 0, 5, 5);
    ASSERT_EQ(0, surface.count(0, row, WIDTH, 1, kBlack)) << "an empty selection";

    drawText(4, 4, "HHHHHHHHHH", 5, -1, 0, 7, 3);
    long from = 4 + widthOf(3);
    long to = 4 + widthOf(7);
    EXPECT_EQ(to - from, surface.count(from, row, to - from, 1, kBlack));
    EXPECT_EQ(to - from, surface.count(0, row, WIDTH, 1, kBlack));
}

TEST_F(WinDrawText, OneLineCursorBarStandsAtTheBoxPlusThePrefix)
{
    drawText(10, 4, "HHHH", 2, 2, 1);
    long top = 4 + (40 - kHeight) / 2;
    long bar = 10 + widthOf(2);
    EXPECT_EQ(2 * kHeight, surface.count(bar, top - 2, 2, kHeight, kBlack));
    EXPECT_EQ(0, surface.count(bar - 1, top - 2, 1, kHeight, kBlack));
    EXPECT_EQ(0, surface.count(bar + 2, top - 2, 1, kHeight, kBlack));
}

TEST_F(WinDrawText, MultiLineSelectionTakesEachLinesPartAndClipSkipsLines)
{
    drawText(4, 4, "HHHH\nHHHH\nHHHH", 5, -1, 0, 2, 7);
    long first = cellBottom(4);
    long second = cellBottom(4 + kHeight);
    long third = cellBottom(4 + 2 * kHeight);
    EXPECT_EQ(widthOf(4) - widthOf(2), surface.count(0, first, WIDTH, 1, kBlack));
    EXPECT_EQ(widthOf(4) - widthOf(2), surface.count(4 + widthOf(2), first, WIDTH, 1, kBlack));
    EXPECT_EQ(widthOf(2), surface.count(4, second, widthOf(2), 1, kBlack));
    EXPECT_EQ(widthOf(2), surface.count(0, second, WIDTH, 1, kBlack));
    EXPECT_EQ(0, surface.count(0, third, WIDTH, 1, kBlack));

    surface.fill(kWhite);
    draw.setRegion(0, 4 + kHeight, WIDTH, kHeight);
    drawText(4, 4, "HHHH\nHHHH\nHHHH", 5);
    EXPECT_GT(surface.count(0, 4 + kHeight, WIDTH, kHeight, kBlack), 0);
    EXPECT_EQ(0, surface.count(0, 0, WIDTH, 4 + kHeight, kBlack));
    EXPECT_EQ(0, surface.count(0, 4 + 2 * kHeight, WIDTH, HEIGHT - 4 - 2 * kHeight, kBlack));
}

// A carriage return before a line feed is not drawn, but it is a character
// of the text: the cursor and the selection of a later line stay where
// their indexes put them.
TEST_F(WinDrawText, CarriageReturnsBeforeALineCountInTheCursorAndSelectionIndexes)
{
    TQCstring text("HH\r\nHH\r\nHHHH", 16);
    long third = 4 + 2 * kHeight;
    draw.drawString(4, 4, 190, 56, &text, kFontNo, 5, -1, 0, 8, 10);
    EXPECT_EQ(widthOf(2), surface.count(4, cellBottom(third), widthOf(2), 1, kBlack))
        << "the selection is the third line's first two characters";
    EXPECT_EQ(widthOf(2), surface.count(0, cellBottom(third), WIDTH, 1, kBlack));

    surface.fill(kWhite);
    draw.drawString(4, 4, 190, 56, &text, kFontNo, 5, 9, 1, 0, 0);
    long bar = 4 + widthOf(1);
    EXPECT_EQ(2 * kHeight, surface.count(bar, third - 2, 2, kHeight, kBlack))
        << "the bar stands after the third line's first character";
}

TEST_F(WinDrawText, FillStringFillsWithTheBackgroundEvenWithoutAFont)
{
    TQCfontSet* fonts = TQGIappFontSet();
    short defaultNo = fonts->getDefaultFontNo();
    fonts->setDefaultFont(99);
    draw.setBackColor(colorNo("#ff0000"));
    TQCstring text("HH", 16);
    EXPECT_EQ(-1, draw.drawString(0, 0, 20, 10, &text, 98, 5, -1, 0, 0, 0));
    EXPECT_EQ(0, draw.drawFillString(0, 0, 20, 10, &text, 98, 5, -1, 0));
    fonts->setDefaultFont(defaultNo);
    EXPECT_EQ(200, surface.count(0, 0, 20, 10, kRed));
    EXPECT_EQ(0, surface.count(20, 0, 10, 10, kRed));
}

TEST_F(WinDrawText, AlignedImageLandsBottomRightInsideBoxAndRegion)
{
    Bitmap red(surface.dc(), 8, 8, kRed);
    TQDimage image;
    makeImage(&image, red, nullptr, 8, 8);
    EXPECT_EQ(-1, draw.drawImage(0, 0, 8, 8, nullptr, 8));
    ASSERT_EQ(0, draw.drawImage(10, 10, 20, 20, &image, 8));
    EXPECT_EQ(64, surface.count(22, 22, 8, 8, kRed));
    EXPECT_EQ(64, surface.count(0, 0, WIDTH, HEIGHT, kRed));

    // The image would cover 37-44; the box keeps 40-44, the region 40-41.
    surface.fill(kWhite);
    draw.setRegion(0, 0, 42, HEIGHT);
    draw.drawImage(40, 10, 5, 5, &image, 8);
    EXPECT_EQ(10, surface.count(0, 0, WIDTH, HEIGHT, kRed));
    EXPECT_EQ(10, surface.count(40, 10, 2, 5, kRed));
}

TEST_F(WinDrawText, MaskBlendsImageOverBackgroundPerByte)
{
    surface.fill(RGB(200, 200, 200));
    Bitmap image(surface.dc(), 4, 4, RGB(50, 50, 50));
    Bitmap mask(surface.dc(), 4, 4, RGB(100, 100, 100));
    TQDimage masked;
    makeImage(&masked, image, &mask, 4, 4);
    ASSERT_EQ(0, draw.drawImage(4, 4, 4, 4, &masked, 5));
    EXPECT_EQ(RGB(108, 108, 108), surface.pixel(4, 4));
    EXPECT_EQ(16, surface.count(4, 4, 4, 4, RGB(108, 108, 108)));
    EXPECT_EQ(RGB(200, 200, 200), surface.pixel(8, 8));

    ASSERT_EQ(0, draw.drawStretchedImage(20, 20, 8, 8, &masked));
    EXPECT_EQ(64, surface.count(20, 20, 8, 8, RGB(108, 108, 108)));
}

TEST_F(WinDrawText, PartAndStretchedImagesTakeTheirSourceArea)
{
    Bitmap halves(surface.dc(), 8, 8, kRed, RGB(0, 0, 255));
    TQDimage image;
    makeImage(&image, halves, nullptr, 8, 8);
    ASSERT_EQ(0, draw.drawImage(50, 0, 4, 0, 4, 8, &image));
    EXPECT_EQ(32, surface.count(50, 0, 4, 8, RGB(0, 0, 255)));
    EXPECT_EQ(0, surface.count(0, 0, WIDTH, HEIGHT, kRed));

    ASSERT_EQ(0, draw.drawStretchedImage(100, 0, 16, 4, &image));
    EXPECT_EQ(32, surface.count(100, 0, 8, 4, kRed));
    EXPECT_EQ(32, surface.count(108, 0, 8, 4, RGB(0, 0, 255)));

    TQDimage none;
    none.setValue1(0);
    EXPECT_EQ(0, draw.drawImage(0, 0, 8, 8, &none, 0));
}
