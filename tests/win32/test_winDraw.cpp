// The GDI drawing object on a 24-bit DIB section: the pass, pens and
// brushes, lines, rectangles, fills, arcs, the XOR layer and the gradation,
// checked pixel by pixel.
#include <gtest/gtest.h>

#include "DibSurface.h"

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

using WinDraw = SurfaceDrawTest;

} // namespace

TEST(WinDrawPass, EveryPrimitiveRefusesOutsideAPass)
{
    TQDwindraw draw;
    TQCpoint points[2] = {{0, 0}, {5, 5}};
    TQCrect rects[1] = {{0, 0, 5, 5}};
    EXPECT_EQ(-1, draw.setRegion(0, 0, 10, 10));
    EXPECT_EQ(-1, draw.drawArc(0, 0, 10, 10, 0, 640));
    EXPECT_EQ(-1, draw.drawFillArc(0, 0, 10, 10, 0, 640, 0));
    EXPECT_EQ(-1, draw.drawLine(0, 0, 5, 5));
    EXPECT_EQ(-1, draw.drawLines(points, 2));
    EXPECT_EQ(-1, draw.drawRect(0, 0, 5, 5));
    EXPECT_EQ(-1, draw.drawFillRect(0, 0, 5, 5));
    EXPECT_EQ(-1, draw.drawRects(rects, 1));
    EXPECT_EQ(-1, draw.drawFillRects(rects, 1));
    EXPECT_EQ(-1, draw.drawPoly(points, 2));
    EXPECT_EQ(-1, draw.drawFillPoly(points, 2));
    EXPECT_EQ(-1, draw.drawGradation(5, 1, 2, 3, 0, 0, 10, 10, 0));
    EXPECT_EQ(-1, draw.endDraw());

    DibSurface surface(8, 8);
    SurfaceDev dev(surface);
    EXPECT_EQ(-1, draw.beginDraw(&dev, 1, 2, -1));
    EXPECT_EQ(-1, draw.drawLine(0, 0, 5, 5));
}

TEST_F(WinDraw, ShortPointListsDrawNothingAndReadNoPoint)
{
    TQCpoint one = {3, 3};
    EXPECT_EQ(0, draw.drawLines(&one, 1));
    EXPECT_EQ(0, draw.drawPoly(nullptr, 0));
    EXPECT_EQ(0, draw.drawPoly(nullptr, -5));
    EXPECT_EQ(0, draw.drawFillPoly(nullptr, 0));
    EXPECT_EQ(0, draw.drawFillPoly(nullptr, -1));
    EXPECT_EQ(WIDTH * HEIGHT, surface.count(0, 0, WIDTH, HEIGHT, kWhite));
}

TEST_F(WinDraw, AttributeSettersAnswerThePreviousValue)
{
    draw.setLineWidth(0);
    draw.drawLine(0, 0, 1, 0);
    EXPECT_EQ(1, draw.setLineWidth(3)) << "the first line stores width 1";
    EXPECT_EQ(0, draw.setLineDashType(0)) << "the current type";
    EXPECT_EQ(0, draw.setLineDashType(8));
    EXPECT_EQ(8, draw.setLineDashType(static_cast<char>(200)));
    EXPECT_EQ(200, draw.setLineDashType(0));
    EXPECT_EQ(0, draw.setHatchPattern(7));
    EXPECT_EQ(7, draw.setHatchPattern(0));
}

TEST_F(WinDraw, DashTypeEightDotsOnePixelLines)
{
    draw.setLineWidth(1);
    draw.setLineDashType(8);
    draw.drawLine(10, 5, 20, 5);
    for (int x = 8; x <= 22; ++x)
        EXPECT_EQ(x >= 10 && x < 20 && x % 2 == 0 ? kBlack : kWhite, surface.pixel(x, 5))
            << "x " << x;
}

TEST_F(WinDraw, RectOutlinesCoverTheSizeAndRectsOneMore)
{
    draw.drawRect(0, 0, 10, 10);
    EXPECT_EQ(kBlack, surface.pixel(9, 9));
    EXPECT_EQ(kBlack, surface.pixel(0, 9));
    EXPECT_EQ(kWhite, surface.pixel(10, 0));
    EXPECT_EQ(kWhite, surface.pixel(5, 5)) << "hollow";

    TQCrect rect = {20, 0, 10, 10};
    draw.drawRects(&rect, 1);
    EXPECT_EQ(kBlack, surface.pixel(30, 10));
    EXPECT_EQ(kWhite, surface.pixel(31, 10));
    EXPECT_EQ(kWhite, surface.pixel(25, 5));
}

TEST_F(WinDraw, FillRectPaintsExactlyItsPixels)
{
    draw.drawFillRect(2, 3, 5, 4);
    EXPECT_EQ(20, surface.count(0, 0, WIDTH, HEIGHT, kBlack));
    EXPECT_EQ(20, surface.count(2, 3, 5, 4, kBlack));

    TQCrect rects[2] = {{20, 20, 3, 3}, {30, 30, 2, 1}};
    draw.drawFillRects(rects, 2);
    EXPECT_EQ(31, surface.count(0, 0, WIDTH, HEIGHT, kBlack));
}

TEST_F(WinDraw, StipplePaintsOddDistanceSumsInsideTheClip)
{
    draw.setRegion(0, 0, 20, HEIGHT);
    draw.setHatchPattern(7);
    draw.drawFillRect(4, 4, 9, 7);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            bool inside = x >= 4 && x < 13 && y >= 4 && y < 11;
            bool odd = (x - 4 + y - 4) % 2 != 0;
            EXPECT_EQ(inside && odd ? kBlack : kWhite, surface.pixel(x, y))
                << "(" << x << "," << y << ")";
        }

    // The clip is intersected, and the region before is kept.
    draw.drawFillRect(16, 20, 10, 10);
    EXPECT_EQ(0, surface.count(20, 20, 10, 10, kBlack));
    EXPECT_GT(surface.count(16, 20, 4, 10, kBlack), 0);
    draw.setHatchPattern(0);
    draw.drawLine(0, 40, 40, 40);
    EXPECT_EQ(kBlack, surface.pixel(19, 40));
    EXPECT_EQ(kWhite, surface.pixel(20, 40));
}

TEST_F(WinDraw, StipplePatternFillsArcsAndPolygonsSolid)
{
    draw.setHatchPattern(7);
    TQCpoint square[4] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    draw.drawFillPoly(square, 4);
    EXPECT_EQ(100, surface.count(0, 0, 10, 10, kBlack));
    draw.drawFillArc(20, 20, 20, 20, 0, 23040, 0);
    EXPECT_EQ(kBlack, surface.pixel(30, 30));
    EXPECT_EQ(kBlack, surface.pixel(31, 30));
}

TEST_F(WinDraw, ArcsFollowTheEllipseInTheirDirection)
{
    // GDI may end an arc a pixel or two off its radial.
    auto hit = [this](int x, int y) {
        return surface.count(x - 2, y - 2, 5, 5, kBlack) > 0;
    };
    draw.drawArc(0, 0, 40, 40, 0, 23040);
    EXPECT_TRUE(hit(0, 20) && hit(39, 20) && hit(20, 0) && hit(20, 39)) << "full turn";
    EXPECT_FALSE(hit(20, 20));

    surface.fill(kWhite);
    draw.drawArc(0, 0, 40, 40, 0, 90 * 64);
    EXPECT_TRUE(hit(39, 20) && hit(20, 0)) << "counterclockwise from three o'clock";
    EXPECT_FALSE(hit(0, 20) || hit(20, 39));
    EXPECT_TRUE(hit(34, 6)) << "on the ellipse at 45 degrees";

    surface.fill(kWhite);
    draw.drawArc(0, 0, 40, 40, 0, -90 * 64);
    EXPECT_TRUE(hit(39, 20) && hit(20, 39)) << "a negative extent turns clockwise";
    EXPECT_FALSE(hit(0, 20) || hit(20, 0));

    surface.fill(kWhite);
    draw.drawArc(0, 0, 40, 40, 0, 0);
    EXPECT_EQ(WIDTH * HEIGHT, surface.count(0, 0, WIDTH, HEIGHT, kWhite)) << "no extent";
}

TEST_F(WinDraw, PieClosesOnTheCentreAndChordOnTheRadials)
{
    draw.drawFillArc(0, 0, 40, 40, 0, 90 * 64, 0);
    EXPECT_EQ(kBlack, surface.pixel(23, 17)) << "pie holds the centre's corner";
    EXPECT_EQ(kBlack, surface.pixel(33, 8));

    surface.fill(kWhite);
    draw.drawFillArc(0, 0, 40, 40, 0, 90 * 64, 1);
    EXPECT_EQ(kWhite, surface.pixel(23, 17)) << "chord cuts the corner off";
    EXPECT_EQ(kBlack, surface.pixel(33, 8));
}

TEST_F(WinDraw, XorLayerLeavesBlackOutAndXorsColours)
{
    const COLORREF base = RGB(0x30, 0x60, 0x90);
    const COLORREF colour = RGB(0x0f, 0xf0, 0x55);
    surface.fill(base);
    EXPECT_EQ(0, draw.setOperation(1));
    draw.drawFillRect(0, 0, 10, 10);  // black
    draw.setForeColor(colorNo("#0ff055"));
    draw.drawFillRect(20, 0, 10, 10);
    EXPECT_EQ(base, surface.pixel(25, 5)) << "nothing reaches the target before the flush";
    EXPECT_EQ(0, draw.setOperation(0));
    EXPECT_EQ(base, surface.pixel(5, 5));
    EXPECT_EQ(base ^ colour, surface.pixel(25, 5));
    EXPECT_EQ(base, surface.pixel(40, 40));

    draw.setOperation(1);
    draw.drawFillRect(40, 40, 5, 5);
    draw.endDraw();
    EXPECT_EQ(base ^ colour, surface.pixel(42, 42)) << "the end of the pass flushes";
}

TEST_F(WinDraw, GradationRunsThroughTheThreeColours)
{
    short red = colorNo("#ff0000");
    short white = colorNo("#ffffff");
    short blue = colorNo("#0000ff");
    ASSERT_EQ(0, draw.drawGradation(5, red, white, blue, 0, 0, 20, 64, 0));
    // Each band line is two pixels wide, so a row may take its neighbour's.
    COLORREF top = surface.pixel(10, 0);
    EXPECT_EQ(255, GetRValue(top));
    EXPECT_LT(GetGValue(top), 16);
    EXPECT_GT(surface.count(10, 30, 1, 5, kWhite), 0) << "white at mid-height";
    COLORREF bottom = surface.pixel(10, 63);
    EXPECT_EQ(255, GetBValue(bottom));
    EXPECT_LT(GetRValue(bottom), 16);
    EXPECT_EQ(0, surface.count(20, 0, 44, 64, RGB(255, 0, 0))) << "outside the box";

    // Height 60, margin 20: bands over rows 0-23 and 36-59, plain 24-35.
    ASSERT_EQ(0, draw.drawGradation(5, red, white, blue, 30, 0, 20, 60, 20));
    EXPECT_EQ(20 * 8, surface.count(30, 26, 20, 8, kWhite)) << "the middle fifth is plain";
    EXPECT_NE(kWhite, surface.pixel(40, 20));
    EXPECT_NE(kWhite, surface.pixel(40, 40));
}

TEST_F(WinDraw, GradationWithAnUnknownColourFillsTheMiddleColourOnly)
{
    short green = colorNo("#00ff00");
    EXPECT_EQ(-1, draw.drawGradation(5, 30000, green, 30001, 0, 0, 10, 10, 0));
    EXPECT_EQ(100, surface.count(0, 0, 10, 10, RGB(0, 255, 0)));
}
