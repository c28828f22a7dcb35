// Slider: the knob's place, track presses and their repeat tick by tick,
// dragging, value clamping and the triggers each gesture runs.
#include "ControlScene.h"
#include "_TQCvslider.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

class Slider : public ControlScene {
protected:
    void SetUp() override
    {
        slider = add<TQCvslider>("s", 0, 0, 200, 20);
        watch<TQEV_VALUE_CH>(slider);
        watch<TQEV_ACTIVATE>(slider);
    }
    long value() { return slider->getProperty("value").getLong(); }
    void set(const char* name, long v) { slider->setProperty(name, TQCvariant(v)); }
    // Whether the knob's face is drawn at x.
    bool knobAt(long x)
    {
        repaint(slider);
        Calls fills = draw.callStrings("drawFillRect");
        std::string face = "drawFillRect(" + std::to_string(x) + ",2,30,16)";
        return std::find(fills.begin(), fills.end(), face) != fills.end();
    }
    // One repeat call per tick, from tick first on.
    void ticks(unsigned char first, int count)
    {
        for (int i = 0; i < count; ++i)
            TQCvslider::_timer_work(static_cast<unsigned char>(first + i), slider);
    }

    TQCvslider* slider = nullptr;
};

} // namespace

TEST_F(Slider, KnobSitsAtTheStartAndTheEndOfTheTrack)
{
    EXPECT_STREQ("value", slider->getDefaultProperty());
    EXPECT_EQ(1000, slider->getProperty("maximum").getLong());
    EXPECT_TRUE(knobAt(2));
    Calls fills = draw.callStrings("drawFillRect");
    EXPECT_NE(fills.end(), std::find(fills.begin(), fills.end(), "drawFillRect(17,2,1,16)"))
        << "the second half begins 15 pixels on";
    set("value", 1000);
    EXPECT_TRUE(knobAt(168));
}

TEST_F(Slider, TrackPressStepsAndRepeatsFromTheThirdTickUntilRelease)
{
    EXPECT_EQ(TQCvslider::AREA_AFTER, slider->_bar_in(100, 10, 0, 0, 200, 20, 2));
    send(slider, TQEV_MOUSE_PRESS, 100, 10);
    EXPECT_EQ(30, value());
    EXPECT_EQ((Calls{"s TQEV_VALUE_CH"}), triggerLog());
    ticks(40, 3);
    EXPECT_EQ(30, value()) << "the first call and the next two ticks wait";
    ticks(43, 2);
    EXPECT_EQ(90, value());
    send(slider, TQEV_MOUSE_RELEASE, 100, 10);
    ticks(45, 1);
    EXPECT_EQ(90, value()) << "the release stops the repeat";
    EXPECT_EQ(3, std::count(triggerLog().begin(), triggerLog().end(), "s TQEV_VALUE_CH"));
    EXPECT_EQ("s TQEV_ACTIVATE", triggerLog().back());
    EXPECT_EQ(1, std::count(triggerLog().begin(), triggerLog().end(), "s TQEV_ACTIVATE"));
}

TEST_F(Slider, RepeatGoesOnAcrossTheWrapOfTheTickCount)
{
    send(slider, TQEV_MOUSE_PRESS, 100, 10);
    ticks(254, 6);
    EXPECT_EQ(120, value()) << "ticks 1, 2 and 3 after the wrap step";
    send(slider, TQEV_MOUSE_RELEASE, 100, 10);
}

TEST_F(Slider, StepsStayInRangeWhereSixteenBitsWouldWrap)
{
    set("maximum", 32767);
    set("dragInterval", 60000);
    set("value", 100);
    send(slider, TQEV_MOUSE_PRESS, 150, 10);
    EXPECT_EQ(32767, value());
    send(slider, TQEV_MOUSE_RELEASE, 150, 10);
}

TEST_F(Slider, PressesOutsideTheAreasFireNothing)
{
    for (long x : {2, 1, 100}) {
        long y = x == 100 ? 1 : 10;  // the knob's first column, the near frame, the top frame
        send(slider, TQEV_MOUSE_PRESS, x, y);
        send(slider, TQEV_MOUSE_RELEASE, x, y);
    }
    EXPECT_EQ(0, value());
    EXPECT_TRUE(triggerLog().empty());
}

TEST_F(Slider, DragFollowsThePointerAndClampsAtTheEnds)
{
    send(slider, TQEV_MOUSE_PRESS, 10, 10);
    send(slider, TQEV_MOUSE_MOVE, 60, 10);
    EXPECT_EQ(301, value()) << "50 of 166 pixels of travel";
    send(slider, TQEV_MOUSE_MOVE, 400, 10);
    send(slider, TQEV_MOUSE_MOVE, 500, 10);
    EXPECT_EQ(1000, value());
    send(slider, TQEV_MOUSE_RELEASE, 500, 10);
    EXPECT_EQ((Calls{"s TQEV_VALUE_CH", "s TQEV_VALUE_CH", "s TQEV_ACTIVATE"}), triggerLog());
}

TEST_F(Slider, KnobAsLongAsTheTrackDoesNotMove)
{
    set("sliderSize", 196);
    send(slider, TQEV_MOUSE_PRESS, 100, 10);
    send(slider, TQEV_MOUSE_MOVE, 150, 10);
    send(slider, TQEV_MOUSE_RELEASE, 150, 10);
    EXPECT_EQ(0, value());
    EXPECT_EQ((Calls{"s TQEV_ACTIVATE"}), triggerLog());
}

TEST_F(Slider, ValuePropertyIsClampedAndStillReported)
{
    set("value", 1000);
    triggerLog().clear();
    set("value", 1200);
    EXPECT_EQ(1000, value());
    EXPECT_EQ((Calls{"s TQEV_VALUE_CH"}), triggerLog());

    set("minimum", 10);
    set("maximum", 5);
    set("value", 7);
    EXPECT_EQ(5, value());
    EXPECT_TRUE(knobAt(2)) << "an empty range draws the knob at the start";
    set("maximum", 10);
    EXPECT_EQ(TQCvslider::AREA_KNOB, slider->_bar_in(10, 10, 0, 0, 200, 20, 2))
        << "and hit-tests it there";
}

TEST_F(Slider, DeletingAPressedSliderStopsItsRepeat)
{
    send(slider, TQEV_MOUSE_PRESS, 100, 10);
    delete slider;
    timer()->tick(5);
    slider = nullptr;
}
