// Shapes and the arrow button on the recording device: the points grammar,
// the inset rectangle, the order of background, fill and outline, the pen
// rule, the blink colours, the polygon's vertices, the meter's bar and the
// arrow's box.
#include "ControlScene.h"
#include "GuiPolicyScope.h"
#include "_TQCblink.h"
#include "_TQCvarc.h"
#include "_TQCvarrow.h"
#include "_TQCvline.h"
#include "_TQCvmeter.h"
#include "_TQCvpoly.h"
#include "_TQCvrect.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

std::vector<short> parsed(const char* text, short n)
{
    std::vector<short> values(n, -1);
    EXPECT_EQ(0, TQCvline::_str_to_addr(text, values.data(), n)) << text;
    return values;
}

// The blink service in the blink phase of rate 1.
void enterBlinkPhase()
{
    for (unsigned char tick = 1; !TQGIappBlink()->getBlinkFore(1); ++tick)
        TQCblink::_blink_proc(tick, TQGIappBlink());
}

class Shapes : public ControlScene {
protected:
    static void set(TQCbase* o, const char* name, long v) { o->setProperty(name, TQCvariant(v)); }
    static void setText(TQCbase* o, const char* name, const char* v)
    {
        o->setPropertyV(name, v);
    }
    // The shape's own calls: those between the opening of its drawing (with
    // its clip) and the ends of the drawings.
    Calls drawn(TQCbase* shape)
    {
        Calls calls = repaint(shape);
        auto open = std::find_if(calls.rbegin(), calls.rend(), [](const std::string& c) {
            return c.rfind("beginDraw", 0) == 0;
        }).base();
        if (open == calls.begin())
            return {"not opened"};
        if (open != calls.end() && open->rfind("setRegion", 0) == 0)
            ++open;
        auto end = std::find(open, calls.end(), "endDraw()");
        return Calls(open, end);
    }
    // The calls of one name in a whole drawing of the shape.
    Calls callsOf(TQCbase* shape, const char* name)
    {
        repaint(shape);
        return draw.callStrings(name);
    }
};

} // namespace

TEST(PointsGrammar, DigitRunsFillTheArrayAndAnOverlongRunIsOneNumber)
{
    EXPECT_EQ((std::vector<short>{0, 50, 100, 0, 0}), parsed("0,50,100", 5));
    EXPECT_EQ((std::vector<short>{5, 6}), parsed("5,6,7,8", 2));
    EXPECT_EQ((std::vector<short>{3, 4}), parsed("x=3 ; y=4", 2));
    EXPECT_EQ((std::vector<short>{20, 30}), parsed("-20,30", 2)) << "no sign is read";
    EXPECT_EQ((std::vector<short>{32767, 7}), parsed("123456789012345678901234567890,7", 2))
        << "the digits beyond the 17th belong to the same number";
    EXPECT_EQ(-1, TQCvline::_str_to_addr("1", nullptr, 1));
}

TEST_F(Shapes, RectangleFillsBackgroundThenHatchThenOutlinesInsetByHalfThePen)
{
    TQCvrect* rect = add<TQCvrect>("r", 0, 0, 100, 60);
    set(rect, "lineWidth", 4);
    set(rect, "stippled", 1);
    set(rect, "hatchPattern", 3);
    set(rect, "backColorFlag", 1);
    set(rect, "backColor", 7);
    set(rect, "hatchColor", 8);
    set(rect, "foreColor", 9);
    EXPECT_EQ((Calls{"setLineWidth(4)", "setLineDashType(0)", "setForeColor(7)",
                     "setHatchPattern(0)", "drawFillRect(2,2,96,56)", "setHatchPattern(3)",
                     "setForeColor(8)", "drawFillRect(2,2,96,56)", "setForeColor(9)",
                     "setHatchPattern(0)", "drawRect(2,2,96,56)"}),
              drawn(rect));

    set(rect, "stippled", 0);
    set(rect, "lineWidth", 1);
    EXPECT_EQ((Calls{"setLineWidth(0)", "setLineDashType(0)", "setForeColor(9)",
                     "setHatchPattern(0)", "drawRect(0,0,99,59)"}),
              drawn(rect));
    set(rect, "lineWidth", 0);
    EXPECT_EQ((Calls{"setLineWidth(0)", "setLineDashType(0)", "setForeColor(9)"}), drawn(rect));
    set(rect, "lineWidth", 250);
    EXPECT_EQ("drawRect(125,125,0,0)", drawn(rect).back()) << "a pen wider than the rectangle";
}

TEST_F(Shapes, BlinkPhaseTakesTheColoursBlinkTypeNamesOrHidesTheShape)
{
    TQCvrect* rect = add<TQCvrect>("r", 0, 0, 40, 30);
    set(rect, "stippled", 1);
    set(rect, "hatchPattern", 1);
    set(rect, "backColorFlag", 1);
    for (auto [prop, v] : {std::pair{"foreColor", 1}, {"hatchColor", 2}, {"backColor", 3},
                           {"blinkColor", 11}, {"hatchBlinkColor", 12}, {"backBlinkColor", 13}})
        set(rect, prop, v);
    set(rect, "blinkFlag", 1);
    enterBlinkPhase();
    EXPECT_EQ(Calls{}, repaint(rect)) << "without twinBlink nothing is drawn";
    set(rect, "twinBlink", 1);
    set(rect, "blinkType", 1);
    EXPECT_EQ((Calls{"setForeColor(13)", "setForeColor(12)", "setForeColor(1)"}),
              callsOf(rect, "setForeColor"))
        << "the background blinks, the outline keeps foreColor";
    set(rect, "blinkFlag", 0);
}

TEST_F(Shapes, LineDrawsItsPointsAndEmptyTextsKeepThem)
{
    TQCvline* line = add<TQCvline>("l", 0, 0, 120, 120);
    setText(line, "lineY", "5,6,7");
    setText(line, "lineX", "0,50,100");
    set(line, "lineNum", 5);
    EXPECT_EQ((Calls{"drawLines((0,5),(50,6),(100,7),(0,0),(0,0))"}),
              callsOf(line, "drawLines"));
    setText(line, "lineX", "-20,30");
    setText(line, "lineX", "");
    EXPECT_EQ((Calls{"drawLines((20,5),(30,6),(0,7),(0,0),(0,0))"}),
              callsOf(line, "drawLines"))
        << "an empty text is no change";
    set(line, "lineNum", 2);
    EXPECT_EQ((Calls{"drawLines((0,5),(0,6))"}), callsOf(line, "drawLines"))
        << "until the count rebuilds the points from it";
}

TEST_F(Shapes, PolygonDefaultsToTheSquareAndKeepsTheFirstVerticesOfALongerText)
{
    TQCvpoly* poly = add<TQCvpoly>("p", 0, 0, 120, 120);
    EXPECT_EQ((Calls{"drawPoly((0,0),(100,0),(100,100),(0,100))"}),
              callsOf(poly, "drawPoly"));
    setText(poly, "lineX", "1,2,3,4,5,6");
    set(poly, "lineNum", 3);
    set(poly, "stippled", 1);
    set(poly, "hatchPattern", 4);
    EXPECT_EQ((Calls{"setLineWidth(2)", "setLineDashType(0)", "setHatchPattern(4)",
                     "setForeColor(-13)", "drawFillPoly((1,0),(2,0),(3,100))",
                     "setHatchPattern(0)", "setForeColor(-14)",
                     "drawPoly((1,0),(2,0),(3,100))"}),
              drawn(poly));
    set(poly, "lineNum", 0);
    EXPECT_EQ(Calls{}, drawn(poly));
}

TEST_F(Shapes, ArrowSitsInACentredBoxThatDropsWhilePressed)
{
    GuiPolicyScope fullArrows(TQCguiPolicy::LOOK_A);
    TQCvarrow* arrow = add<TQCvarrow>("a", 0, 0, 20, 12);
    EXPECT_EQ(3, arrow->getProperty("arrowDirection").getLong());
    EXPECT_EQ(0, arrow->existProperty("labelString"));
    EXPECT_EQ("drawFillPoly((10,3),(13,9),(7,9))", callsOf(arrow, "drawFillPoly").back());

    send(arrow, TQEV_MOUSE_PRESS, 5, 5);
    EXPECT_EQ("drawFillPoly((10,4),(13,10),(7,10))", callsOf(arrow, "drawFillPoly").back());
    Calls pressed = draw.callStrings();
    Calls frame = {"setLineWidth(0)", "setLineDashType(8)", "drawRect(4,5,12,4)"};
    EXPECT_NE(pressed.end(), std::search(pressed.begin(), pressed.end(), frame.begin(),
                                         frame.end()))
        << "the focus frame drops with the arrow";
    send(arrow, TQEV_MOUSE_RELEASE, 5, 5);
    set(arrow, "shadowThickness", 4);
    EXPECT_EQ(0, (repaint(arrow), draw.count("drawRect"))) << "no room for a focus frame";
    arrow->setFocus(0);

    arrow->setSensitive(0);
    Calls calls = drawn(arrow);
    Calls hatched = {"setHatchPattern(8)", "setForeColor(-14)",
                     "drawFillPoly((10,3),(13,9),(7,9))"};
    EXPECT_EQ(hatched, Calls(calls.end() - 3, calls.end())) << "insensitive: a hatched arrow";
}

TEST_F(Shapes, MeterBarRunsBetweenTheTwoPercentagesAndDrawsNothingWhenEmpty)
{
    TQCvmeter* meter = add<TQCvmeter>("m", 0, 0, 104, 20);
    set(meter, "foreColor", 9);
    EXPECT_EQ((Calls{"setLineWidth(2)", "setLineDashType(0)", "setForeColor(9)",
                     "setHatchPattern(0)", "drawRect(21,1,61,18)"}),
              drawn(meter))
        << "20 to 80 percent of the 102 inside the pen, outlined only";
    set(meter, "value1", 150);
    set(meter, "stippled", 1);
    set(meter, "hatchColor", 8);
    EXPECT_EQ((Calls{"setLineWidth(2)", "setLineDashType(0)", "setHatchPattern(0)",
                     "setForeColor(8)", "drawFillRect(21,1,82,18)", "setForeColor(9)",
                     "setHatchPattern(0)", "drawRect(21,1,82,18)"}),
              drawn(meter))
        << "150 is drawn as 100, filled under the outline";
    for (auto [upper, lower] : {std::pair{40L, 90L}, {20L, 20L}}) {
        set(meter, "value1", upper);
        set(meter, "value2", lower);
        EXPECT_EQ(Calls{}, drawn(meter)) << upper << " to " << lower << ": not even an outline";
    }

    set(meter, "orientation", 1);
    set(meter, "height", 102);
    set(meter, "value1", 50);
    set(meter, "value2", 0);
    EXPECT_EQ("drawRect(1,51,102,50)", drawn(meter).back()) << "vertical: from the bottom up";
    set(meter, "lineWidth", 120);
    EXPECT_EQ(Calls{}, drawn(meter)) << "a pen wider than the meter leaves no bar to draw";
    set(meter, "lineWidth", 2);
    set(meter, "blinkFlag", 1);
    set(meter, "blinkRate", 0);
    EXPECT_EQ("drawRect(1,51,102,50)", drawn(meter).back()) << "blink rate 0 never blinks";
}

TEST_F(Shapes, ArcOutlinesTheEllipseWithItsChordOrRadiiAndFillsByType)
{
    TQCvarc* arc = add<TQCvarc>("a", 0, 0, 100, 60);
    set(arc, "foreColor", 9);
    EXPECT_EQ((Calls{"setLineWidth(2)", "setLineDashType(0)", "setHatchPattern(0)",
                     "setForeColor(9)", "drawArc(1,1,98,58,0,23040)"}),
              drawn(arc))
        << "the whole ellipse inside the pen";
    set(arc, "height", 100);
    set(arc, "angle2", 90);
    set(arc, "arcType", 1);
    Calls closed = drawn(arc);
    EXPECT_EQ((Calls{"drawLine(100,50,50,0)", "drawArc(1,1,98,98,0,5760)"}),
              Calls(closed.end() - 2, closed.end()));
    set(arc, "arcType", 2);
    EXPECT_EQ("drawLines((100,50),(50,50),(50,0))", drawn(arc).end()[-2]) << "the two radii";

    set(arc, "arcType", 3);
    set(arc, "stippled", 1);
    set(arc, "hatchColor", 8);
    EXPECT_EQ((Calls{"setLineWidth(2)", "setLineDashType(0)", "setHatchPattern(0)",
                     "setForeColor(8)", "drawFillArc(1,1,98,98,0,5760,1)", "setHatchPattern(0)",
                     "setForeColor(9)"}),
              drawn(arc))
        << "an unknown type fills as a chord and has no outline";
    set(arc, "lineWidth", 120);
    EXPECT_EQ((Calls{"setLineWidth(120)", "setLineDashType(0)"}), drawn(arc))
        << "a pen wider than the arc leaves no ellipse to fill or outline";
    set(arc, "lineWidth", 2);
    set(arc, "blinkFlag", 1);
    set(arc, "blinkRate", 0);
    EXPECT_EQ("drawFillArc(1,1,98,98,0,5760,1)", drawn(arc)[4]) << "blink rate 0 never blinks";
}
