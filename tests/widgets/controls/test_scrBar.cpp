// Scroll bar on a recording device: value rules, the hit test, presses with
// their triggers, auto-repeat by exact ticks, dragging, and drawing in the
// classic looks, with the gradation variant and the extended look.
#include <gtest/gtest.h>

#include "ContainerProbes.h"
#include "FakeResources.h"
#include "GuiPolicyScope.h"
#include "RecordingDraw.h"
#include "_TQCbaseList.h"
#include "_TQCvbscrBar.h"
#include "_TQGFgeometry.h"

#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

Strings g_trail;

#define TQ_NOTE(name, text)                                                      \
    void name(TQCbase*) { g_trail.push_back(text); }
TQ_NOTE(noteBegin, "38")
TQ_NOTE(noteIncrement, "40")
TQ_NOTE(noteValue, "3")
TQ_NOTE(noteActivate, "2")
#undef TQ_NOTE

// A 200 x 20 bar at (10, 10) of a shown form, under look bit 1; points are
// given in the form's coordinates.
class ScrollBar : public ::testing::Test {
protected:
    void SetUp() override
    {
        TQDtimer::setCreateInstanceHandler(FakeTimer::create);
        scene.form->setVisible(1);
        bar = make<TQCvscrBar>();
        for (auto [trigger, note] : {std::pair{38L, noteBegin}, {40L, noteIncrement},
                                     {3L, noteValue}, {2L, noteActivate}})
            bar->addProcedureV("note", "note", note, trigger);
        g_trail.clear();
    }
    template <class Bar>
    Bar* make()
    {
        Bar* made = new Bar(scene.form, "bar");
        made->initialize();
        made->setdev(new FakeNwDev);
        TQGFsetGeometry(made, 10, 10, 200, 20);
        made->setVisible(1);
        TQGIappObjectList()->execUpdate();
        draw.clear();
        return made;
    }
    void send(long event, long x, long y = 20)
    {
        TQCpoint point = {x, y};
        bar->execEventProc(event, &point);
    }
    void set(const char* name, unsigned long v) { bar->setProperty(name, TQCvariant(v)); }

    GuiPolicyScope look{TQCguiPolicy::LOOK_B};
    RecordingDraw draw;
    CurrentDraw current{&draw};
    FormInWindow scene;
    TQCvscrBar* bar = nullptr;
};

} // namespace

TEST_F(ScrollBar, ValueStaysWithinTheRangeMaximumMinusSlider)
{
    set("value", 950);
    EXPECT_EQ(900u, bar->getValue());
    EXPECT_EQ(Strings{"3"}, g_trail) << "one notice, though limited";
    EXPECT_EQ(900, bar->getMaxSlideValue());
    bar->_set_internal_value(5000);
    EXPECT_EQ(5000u, bar->getValue()) << "stored as it is";
    bar->setAbsoluteDraw(1);
    bar->draw();
    EXPECT_EQ(900u, bar->getValue()) << "limited before drawing";

    set("maximum", 0);
    EXPECT_EQ(1u, bar->getMaximum());
    EXPECT_EQ(1u, bar->getSliderSize());
    EXPECT_EQ(0u, bar->getValue());
}

TEST_F(ScrollBar, HitTestFindsEachPartAlongTheBar)
{
    const std::pair<short, unsigned char> along[] = {{5, 1},  {20, 2},  {30, 5},
                                                     {100, 7}, {180, 3}, {195, 4}};
    for (auto [x, part] : along)
        EXPECT_EQ(part, bar->_bar_in(x, 10, 0, 0, 200, 20, 2)) << "x " << x;
    EXPECT_EQ(0, bar->_bar_in(100, 1, 0, 0, 200, 20, 2)) << "on the frame";
    EXPECT_EQ(0, bar->_bar_in(3, 10, 0, 0, 6, 20, 2)) << "too short for any part";
    set("orientation", 1);
    EXPECT_EQ(5, bar->_bar_in(10, 30, 0, 0, 20, 200, 2)) << "vertical: the same down the bar";
}

TEST_F(ScrollBar, PressOnBeginNotifiesTwiceAndReleaseActivates)
{
    set("value", 300);
    g_trail.clear();
    send(13, 15);
    EXPECT_EQ(0u, bar->getValue());
    EXPECT_EQ(TQCvscrBar::PART_BEGIN, bar->getPressedPart());
    send(14, 15);
    EXPECT_EQ((Strings{"38", "3", "3", "2"}), g_trail);
    EXPECT_EQ(TQCvscrBar::PART_NONE, bar->getPressedPart());
}

TEST_F(ScrollBar, HeldArrowRepeatsFromTheThirdTickAcrossTheWrap)
{
    send(13, 190);
    EXPECT_EQ((Strings{"40", "3", "3"}), g_trail);
    EXPECT_EQ(10u, bar->getValue());
    g_trail.clear();
    for (unsigned char tick : {254, 255, 0})
        TQCvscrBar::_timer_work(tick, bar);
    EXPECT_EQ(10u, bar->getValue());
    TQCvscrBar::_timer_work(1, bar);
    EXPECT_EQ(20u, bar->getValue());
    EXPECT_EQ((Strings{"40", "3", "3"}), g_trail);
    TQCvscrBar::_timer_work(2, bar);
    EXPECT_EQ(30u, bar->getValue());
}

TEST_F(ScrollBar, BarDestroyedWhileRepeatingTakesItsTimerProcedureAlong)
{
    FakeTimer* timer = static_cast<FakeTimer*>(TQGIappTimer());
    send(13, 190);
    timer->tick(4);
    EXPECT_EQ(20u, bar->getValue());
    delete bar;
    g_trail.clear();
    timer->tick(5);
    EXPECT_TRUE(g_trail.empty()) << "no step after the bar is gone";
}

TEST_F(ScrollBar, ThumbDragScalesByTheTroughIn64BitsAndEmptyTroughsOnlyRedraw)
{
    send(13, 40);
    EXPECT_EQ(Strings{"3"}, g_trail) << "a press on the thumb still notifies";
    send(15, 55);
    EXPECT_EQ(98u, bar->getValue()) << "15 * 1000 / 152";
    long drawn = draw.count("endDraw");
    g_trail.clear();
    send(15, 55);
    EXPECT_TRUE(g_trail.empty());
    EXPECT_GT(draw.count("endDraw"), drawn) << "redrawn all the same";

    bar->setProperty("width", TQCvariant(48L));
    drawn = draw.count("endDraw");
    send(15, 110);
    EXPECT_EQ(98u, bar->getValue()) << "a trough of 0 pixels leaves the value";
    EXPECT_GT(draw.count("endDraw"), drawn);

    bar->setProperty("width", TQCvariant(200L));
    set("maximum", 400000000);
    set("value", 0);
    send(14, 40);
    send(13, 40);
    send(15, 55);
    EXPECT_EQ(39473684u, bar->getValue()) << "15 * 400000000 / 152 without overflow";
}

TEST_F(ScrollBar, ClassicPartsUnderLookBitOne)
{
    bar->setAbsoluteDraw(1);
    bar->draw();
    Strings fills = draw.callStrings("drawFillRect");
    ASSERT_GE(fills.size(), 3u);
    EXPECT_EQ("drawFillRect(10,10,200,20)", fills[0]) << "trough";
    EXPECT_EQ("drawFillRect(10,10,10,20)", fills[1]) << "begin face, the shadow left out";
    EXPECT_NE(std::find(fills.begin(), fills.end(), "drawFillRect(40,10,14,20)"), fills.end())
        << "thumb face";
}

TEST_F(ScrollBar, GradationFollowsTheLookInTheVariant)
{
    delete bar;
    GuiPolicyScope defaults(6);
    TQCvbscrBar* variant = make<TQCvbscrBar>();
    EXPECT_EQ(1, variant->getProperty("gradation").getLong());
    variant->setAbsoluteDraw(1);
    variant->draw();
    EXPECT_EQ("drawGradation(1,-15,-13,-16,-90,0,400,40,0)",
              draw.callStrings("drawGradation").at(0));

    TQGIappGuiPolicy()->setGuiPolicy(TQCguiPolicy::LOOK_B, 1);
    EXPECT_EQ(0, variant->getProperty("gradation").getLong());
    draw.clear();
    variant->setAbsoluteDraw(1);
    variant->draw();
    EXPECT_EQ(0, draw.count("drawGradation"));
    EXPECT_EQ("drawFillRect(10,10,200,20)", draw.callStrings("drawFillRect").at(0));
}

namespace {

std::vector<TQCvscrBarDrawBlock> g_blocks;

void recordBarLook(void* block)
{
    g_blocks.push_back(*static_cast<TQCvscrBarDrawBlock*>(block));
}

} // namespace

TEST_F(ScrollBar, ExtendedLookDrawsWithTheLimitedValueAndThePressedPart)
{
    {
        ExtLookScope look("BarLook", "TQCvscrBar::draw", recordBarLook);
        send(13, 190);
        bar->_set_internal_value(5000);
        g_blocks.clear();
        draw.clear();
        bar->setAbsoluteDraw(1);
        bar->draw();
        EXPECT_EQ(0, draw.count("drawFillRect")) << "no classic drawing";
    }
    ASSERT_EQ(1u, g_blocks.size());
    EXPECT_EQ(900u, g_blocks[0].value);
    EXPECT_EQ(TQCvscrBar::PART_INCREMENT, g_blocks[0].pressedPart);
    EXPECT_EQ(bar, g_blocks[0].head.instance);
}
