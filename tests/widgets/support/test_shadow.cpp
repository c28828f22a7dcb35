// Geometry helpers: properties, rectangle union and intersection, shadow
// frames in both looks, shade colours and arrow heads, checked as the exact
// drawing calls they make.
#include "FakeDevices.h"
#include "FakeResources.h"
#include "RecordingDraw.h"
#include "_TQCcolorSet.h"
#include "_TQCguiPolicy.h"
#include "_TQDcolor.h"
#include "_TQGFarea.h"
#include "_TQGFgeometry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

typedef std::vector<std::string> Calls;

// Colour numbers passed to the frames: frame, top, bottom, accent, and the
// role colour of the outer dark ring.
const short F = 11, T = 12, B = 13, A = 14, D = 17;

class Shadow : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedDraw = TQDdev::getDraw();
        TQDdev::setDraw(&draw);
        savedPolicy = TQGIappGuiPolicy()->getGuiPolicy();
        savedOuterDark = TQGIappColorSet()->getDefaultColorNo(-17);
        TQGIappColorSet()->setDefaultColorNo(-17, D);
    }
    void TearDown() override
    {
        TQDdev::setDraw(savedDraw);
        TQGIappGuiPolicy()->setGuiPolicy(savedPolicy, 0);
        TQGIappColorSet()->setDefaultColorNo(-17, savedOuterDark);
    }

    // The plain look, or the ring look of GUI-policy bit 1.
    void look(bool rings) { TQGIappGuiPolicy()->setGuiPolicy(rings ? 2 : 1, 0); }

    // The calls of one frame in (1, 2, 20, 10).
    Calls shadow(char type, unsigned short t, unsigned char noInner = 0)
    {
        draw.clear();
        TQGFdrawShadow(&dev, type, t, F, T, B, A, 1, 2, 20, 10, noInner);
        return draw.callStrings();
    }
    Calls button(char type, unsigned short t, unsigned char noInner = 0)
    {
        draw.clear();
        TQGFdrawBtnShadow(&dev, type, t, F, T, B, A, 1, 2, 20, 10, noInner);
        return draw.callStrings();
    }
    Calls arrow(unsigned char flat, char direction)
    {
        draw.clear();
        TQGFdrawArrow(&dev, flat, 4, 21, 22, 23, direction, 1, 2, 20, 10);
        return draw.callStrings();
    }

    RecordingDraw draw;
    FakeDev dev;
    TQDdraw* savedDraw = nullptr;
    long savedPolicy = 0;
    short savedOuterDark = 1;
};

std::string color(short no)
{
    return "setForeColor(" + std::to_string(no) + ")";
}

std::string fill(int x, int y, int w, int h)
{
    return "drawFillRect(" + std::to_string(x) + "," + std::to_string(y) + "," +
           std::to_string(w) + "," + std::to_string(h) + ")";
}

const char* const kSolid = "setLineDashType(0)";
// The bottom-right band of a frame 3 thick in (1, 2, 20, 10).
const char* const kBand3 = "drawFillPoly((1,12),(21,12),(21,2),(18,5),(18,9),(4,9))";

// Plain look, two pixels: the top-left band in b, then four lines in a.
Calls plainTwo(short a, short b)
{
    return { kSolid, color(b), fill(1, 2, 2, 10), fill(1, 2, 20, 2), color(a),
             fill(19, 4, 1, 8), fill(3, 10, 18, 1), fill(20, 3, 1, 9), fill(2, 11, 19, 1) };
}

std::string nameOf(short no)
{
    TQDcolor* c = TQGIappColorSet()->getColor(no);
    return c != nullptr ? c->getColorName() : "";
}

} // namespace

TEST_F(Shadow, BorderFillsFourBandsOfTheFrameColour)
{
    for (bool rings : { false, true }) {
        look(rings);
        draw.clear();
        TQGFdrawShadow(&dev, TQSHADOW_BORDER, 2, F, T, B, A, 0, 0, 10, 10, 0);
        EXPECT_EQ((Calls{ kSolid, color(F), fill(0, 0, 2, 10), fill(0, 0, 10, 2), fill(8, 0, 2, 10),
                          fill(0, 8, 10, 2) }),
                  draw.callStrings());
    }
}

TEST_F(Shadow, ThicknessIsClampedToHalfASideAndNothingIsDrawnBelowOne)
{
    look(false);
    draw.clear();
    TQGFdrawShadow(&dev, TQSHADOW_OUT, 5, F, T, B, A, 0, 0, 6, 20, 0);
    Calls clamped = draw.callStrings();
    draw.clear();
    TQGFdrawShadow(&dev, TQSHADOW_OUT, 3, F, T, B, A, 0, 0, 6, 20, 0);
    EXPECT_EQ(draw.callStrings(), clamped);
    EXPECT_EQ(fill(0, 0, 3, 20), clamped.at(2));

    draw.clear();
    TQGFdrawShadow(&dev, TQSHADOW_OUT, 5, F, T, B, A, 0, 0, 1, 20, 0);
    TQGFdrawBtnShadow(&dev, TQSHADOW_OUT, 5, F, T, B, A, 0, 0, 1, 20, 0);
    TQGFdrawShadow(&dev, -1, 2, F, T, B, A, 0, 0, 10, 10, 0);
    TQGFdrawShadow(&dev, 5, 2, F, T, B, A, 0, 0, 10, 10, 0);
    EXPECT_TRUE(draw.callStrings().empty());
}

TEST_F(Shadow, OutAndInInThePlainLook)
{
    look(false);
    EXPECT_EQ((Calls{ kSolid, color(B), fill(20, 2, 1, 10), fill(1, 11, 20, 1), color(T),
                      fill(1, 2, 1, 10), fill(1, 2, 20, 1) }),
              shadow(TQSHADOW_OUT, 1));
    EXPECT_EQ(plainTwo(B, T), shadow(TQSHADOW_OUT, 2));
    EXPECT_EQ(plainTwo(T, B), shadow(TQSHADOW_IN, 2));
    EXPECT_EQ((Calls{ kSolid, color(T), fill(1, 2, 3, 10), fill(1, 2, 20, 3), color(B), kBand3 }),
              shadow(TQSHADOW_OUT, 3));
    EXPECT_EQ((Calls{ kSolid, color(B), fill(1, 2, 3, 10), fill(1, 2, 20, 3), color(T), kBand3 }),
              shadow(TQSHADOW_IN, 3));
}

TEST_F(Shadow, OutAndInInTheRingLook)
{
    look(true);
    EXPECT_EQ((Calls{ kSolid, color(A), fill(1, 2, 1, 10), fill(1, 2, 20, 1), color(T),
                      fill(2, 3, 1, 9), fill(2, 3, 19, 1), color(B), fill(19, 4, 1, 8),
                      fill(3, 10, 18, 1), color(D), fill(20, 3, 1, 9), fill(2, 11, 19, 1) }),
              shadow(TQSHADOW_OUT, 2));
    EXPECT_EQ((Calls{ kSolid, color(B), fill(1, 2, 1, 10), fill(1, 2, 20, 1), color(D),
                      fill(2, 3, 1, 9), fill(1, 3, 19, 1), color(A), fill(19, 4, 1, 8),
                      fill(3, 10, 18, 1), color(T), fill(20, 3, 1, 9), fill(2, 11, 19, 1) }),
              shadow(TQSHADOW_IN, 2));
    // Without inner rings the outer dark ring takes the bottom colour.
    EXPECT_EQ(color(B), shadow(TQSHADOW_OUT, 2, 1).at(10));

    EXPECT_EQ((Calls{ kSolid, color(T), fill(1, 2, 3, 10), fill(1, 2, 20, 3), color(A),
                      fill(1, 2, 1, 10), fill(1, 2, 20, 1), color(B), kBand3, color(D),
                      fill(20, 3, 1, 9), fill(2, 11, 19, 1) }),
              shadow(TQSHADOW_OUT, 3));
    EXPECT_EQ((Calls{ kSolid, color(B), fill(1, 2, 3, 10), fill(1, 2, 20, 3), color(D),
                      fill(3, 4, 1, 7), fill(3, 4, 17, 1), color(T), kBand3, color(A),
                      fill(18, 5, 1, 5), fill(4, 9, 15, 1) }),
              shadow(TQSHADOW_IN, 3));
    EXPECT_EQ((Calls{ kSolid, color(T), fill(1, 2, 3, 10), fill(1, 2, 20, 3), color(A),
                      fill(1, 2, 1, 10), fill(1, 2, 20, 1), color(B), kBand3 }),
              shadow(TQSHADOW_OUT, 3, 1));
}

TEST_F(Shadow, EtchedFramesAreTheSameInBothLooks)
{
    const Calls thinOut = { kSolid, "setLineWidth(1)", color(T), "drawRect(1,2,20,10)",
                            "drawRect(1,2,19,9)", color(B), "drawRect(2,3,19,9)" };
    const Calls wideIn = {
        kSolid, color(B), fill(1, 2, 2, 10), fill(1, 2, 20, 2), fill(17, 2, 2, 10),
        fill(1, 8, 20, 2), color(T),
        "drawFillPoly((21,2),(21,12),(1,12),(3,10),(19,10),(19,4))",
        "drawFillPoly((3,4),(19,4),(17,6),(5,6),(5,8),(3,10))"
    };
    for (bool rings : { false, true }) {
        look(rings);
        EXPECT_EQ(thinOut, shadow(TQSHADOW_ETCHED_OUT, 2));
        EXPECT_EQ(wideIn, shadow(TQSHADOW_ETCHED_IN, 4));
        Calls wideOut = shadow(TQSHADOW_ETCHED_OUT, 4);
        EXPECT_EQ(color(T), wideOut.at(1));
        EXPECT_EQ(color(B), wideOut.at(6));
    }
}

TEST_F(Shadow, ButtonFrameDiffersOnlyWhenRaised)
{
    look(false);
    EXPECT_EQ(shadow(TQSHADOW_OUT, 2), button(TQSHADOW_OUT, 2));
    EXPECT_EQ((Calls{ kSolid, color(T), fill(1, 2, 2, 10), fill(1, 2, 20, 2), color(B), kBand3 }),
              button(TQSHADOW_OUT, 3));

    look(true);
    EXPECT_EQ(shadow(TQSHADOW_IN, 3), button(TQSHADOW_IN, 3));
    EXPECT_EQ((Calls{ kSolid, color(T), fill(1, 2, 1, 10), fill(1, 2, 20, 1), color(B),
                      fill(19, 4, 1, 8), fill(3, 10, 18, 1), color(D), fill(20, 3, 1, 9),
                      fill(2, 11, 19, 1) }),
              button(TQSHADOW_OUT, 2));
    EXPECT_EQ((Calls{ kSolid, color(T), fill(1, 2, 2, 10), fill(1, 2, 20, 2), color(B), kBand3,
                      color(D), fill(20, 3, 1, 9), fill(2, 11, 19, 1) }),
              button(TQSHADOW_OUT, 3));
}

TEST_F(Shadow, ArrowsShadedAndFlatInEachLook)
{
    EXPECT_EQ((Calls{ color(21), "drawFillPoly((1,2),(21,2),(11,12))", color(22),
                      "drawFillPoly((11,12),(1,2),(21,2),(18,4),(4,4),(11,8))", color(23),
                      "drawFillPoly((11,12),(21,2),(18,4),(11,8))" }),
              arrow(0, TQARROW_DOWN));
    look(false);
    EXPECT_EQ((Calls{ color(21), "drawFillPoly((11,2),(21,12),(1,12))" }), arrow(1, TQARROW_UP));
    look(true);
    EXPECT_EQ((Calls{ color(21), "drawFillPoly((11,4),(21,10),(1,10))" }), arrow(1, TQARROW_UP));
    EXPECT_TRUE(arrow(0, 2).empty());
    EXPECT_TRUE(arrow(1, 2).empty());
}

TEST(Areas, UnionIntersectionAndTouching)
{
    long x = -9, y = -9;
    unsigned long w = 9, h = 9;
    EXPECT_EQ(0, TQGForArea(0, 10, 5, 5, 20, 0, 5, 5, &x, &y, &w, &h));
    EXPECT_EQ((std::vector<long>{ 0, 0, 25, 15 }), (std::vector<long>{ x, y, (long)w, (long)h }));

    EXPECT_EQ(0, TQGFandArea(0, 0, 10, 10, 5, 6, 10, 10, &x, &y, &w, &h));
    EXPECT_EQ((std::vector<long>{ 5, 6, 5, 4 }), (std::vector<long>{ x, y, (long)w, (long)h }));
    EXPECT_EQ(-1, TQGFandArea(0, 0, 5, 5, 5, 0, 5, 5, &x, &y, &w, &h));
    EXPECT_EQ((std::vector<long>{ 0, 0, 0, 0 }), (std::vector<long>{ x, y, (long)w, (long)h }));
    EXPECT_EQ(-1, TQGFandArea(0, 0, 5, 5, 50, 50, 5, 5, &x, &y, &w, &h));

    EXPECT_EQ(1, TQGFareaInclude(0, 0, 5, 5, 5, 5, 5, 5));
    EXPECT_EQ(0, TQGFareaInclude(0, 0, 5, 5, 6, 0, 5, 5));
}

TEST(ShadowColor, ShadesAreFourAndEightStepsAwayWithinTheRange)
{
    TQGIappColorSet()->setCreateHandler(FakeColor::create);
    short light = 0, dark = 0, shade = 0;

    TQGFgetShadowColor(TQGIappColorSet()->getColorNo("#fafafa"), &light, &dark, &shade);
    EXPECT_EQ("#fefefe", nameOf(light));
    EXPECT_EQ("#f6f6f6", nameOf(shade));
    EXPECT_EQ("#f2f2f2", nameOf(dark));

    TQGFgetShadowColor(TQGIappColorSet()->getColorNo("#030303"), &light, &dark, &shade);
    EXPECT_EQ("#070707", nameOf(light));
    EXPECT_EQ("#000000", nameOf(shade));
    EXPECT_EQ("#000000", nameOf(dark));

    TQGFgetShadowColor(TQGIappColorSet()->getColorNo("#643200"), &light, &dark, &shade);
    EXPECT_EQ("#683604", nameOf(light));
}
