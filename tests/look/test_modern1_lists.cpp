// The libtqc procedures of "Modern1" as the calls they make on the
// recording device, each handed a block as its widget fills it: the scroll
// bar's parts, arrows and knob, with bad ranges and short bars; the scrolled
// form's corner and view; the tab form's line; the menu title's colours.
#include "Modern1Scene.h"
#include "_TQCindexForm.h"
#include "_TQCpulldownMenu.h"
#include "_TQCscrForm.h"
#include "_TQCvscrBar.h"
#include "_TQGFgeometry.h"
#include "_TQextguipolicy_tqc.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace {

// A call as the recording device writes it.
std::string call(const char* name, std::initializer_list<long> args)
{
    std::string text = std::string(name) + "(";
    for (long a : args)
        text += std::to_string(a) + ",";
    text.back() = ')';
    return text;
}

// A 200 x 16 bar of thickness 2 on B #6080a0, shaded from #80a0c0 to
// #406080 with the margin 16 / 3; its frames are outlined in B + 16.
class Modern1Lists : public Modern1Scene {
protected:
    void SetUp() override
    {
        Modern1Scene::SetUp();
        back = named("#6080a0");
        bar = add<TQCvscrBar>("bar", 0, 0, 200, 16);
        bar->setPropertyV("backColor", back);
    }
    TQCvscrBarDrawBlock barBlock(unsigned short w, unsigned short h, unsigned long size = 100,
                                 unsigned long maximum = 1000, unsigned long value = 0)
    {
        TQCvscrBarDrawBlock b = {};
        bar->fillDrawBlock(b);
        b.head = {bar, bar->getowndev(), 0, 0, w, h, 2};
        b.sliderSize = size;
        b.maximum = maximum;
        b.value = value;
        return b;
    }
    template <class Block>
    Calls drawn(void (*procedure)(void*), Block b)
    {
        draw.clear();
        b.head.instance->setAbsoluteDraw(1);
        procedure(&b);
        return draw.callStrings();
    }
    // A shaded part of the bar and the start of its frame.
    Calls part(long x, long y, long w, long h, long frameW, long kind = 5)
    {
        long light = named("#80a0c0"), dark = named("#406080");
        return {call("setForeColor", {back}),
                call("drawGradation", {kind, light, back, dark, x, y, w, h, 5}),
                "setLineDashType(0)", "setLineWidth(1)", call("setForeColor", {named("#7090b0")}),
                call("drawRect", {x, y, kind == 5 ? frameW : w, kind == 5 ? h : frameW})};
    }
    Calls arrow(char direction, long x, long y)
    {
        short fore = 0, top = 0, bottom = 0;
        bar->getPropertyV("foreColor", &fore);
        bar->getPropertyV("topShadowColor", &top);
        bar->getPropertyV("bottomShadowColor", &bottom);
        draw.clear();
        TQGFdrawArrow(bar->getowndev(), 1, 4, fore, bottom, top, direction, x, y, 8, 8);
        return draw.callStrings();
    }

    TQCvscrBar* bar = nullptr;
    short back = 0;
};

} // namespace

TEST_F(Modern1Lists, ScrollBarPartsLieWhereTheyBelongAndOnlyButtonsShowAPress)
{
    TQCvscrBarDrawBlock b = barBlock(200, 16);
    Calls whole = drawn(TQCvscrBar_draw_mdr1, b);
    EXPECT_TRUE(contains(whole, part(0, 0, 8, 16, 8))) << "begin";
    EXPECT_TRUE(contains(whole, part(8, 0, 16, 16, 16)));
    EXPECT_TRUE(contains(whole, arrow(TQARROW_LEFT, 12, 4))) << "decrement, with its arrow";
    EXPECT_TRUE(contains(whole, part(176, 0, 16, 16, 16)));
    EXPECT_TRUE(contains(whole, arrow(TQARROW_RIGHT, 180, 4))) << "increment, with its arrow";
    EXPECT_TRUE(contains(whole, part(192, 0, 8, 16, 8))) << "end";
    for (unsigned char pressed : {5, 6, 7}) {
        b.pressedPart = pressed;
        EXPECT_EQ(whole, drawn(TQCvscrBar_draw_mdr1, b)) << "part " << int(pressed);
    }
    b.head.shadowThickness = 0;
    drawn(TQCvscrBar_draw_mdr1, b);
    EXPECT_EQ(0, draw.count("drawRect")) << "no frame at thickness 0";
    b = barBlock(16, 200);
    b.orientation = 1;
    EXPECT_TRUE(contains(drawn(TQCvscrBar_draw_mdr1, b), part(0, 0, 16, 8, 8, 7)))
        << "a vertical bar is shaded from left to right";
}

// 1 of 1000 on a track of 152 would be under a pixel: it is drawn 10 long,
// and still reaches the track's end. A knob as long as the maximum fills the
// track; a track of 1 gives a knob no face but a frame 2 long.
TEST_F(Modern1Lists, ScrollBarKnobIsAtLeastTenPixelsAndFillsTheTrackAtTheMaximum)
{
    EXPECT_TRUE(contains(drawn(TQCvscrBar_draw_mdr1, barBlock(200, 16, 1, 1000, 0)),
                         part(24, 0, 10, 16, 10)));
    EXPECT_TRUE(contains(drawn(TQCvscrBar_draw_mdr1, barBlock(200, 16, 1, 1000, 999)),
                         part(165, 0, 11, 16, 10)));
    EXPECT_TRUE(contains(drawn(TQCvscrBar_draw_mdr1, barBlock(200, 16, 1000, 1000, 0)),
                         part(24, 0, 152, 16, 152)));
    Calls track1 = drawn(TQCvscrBar_draw_mdr1, barBlock(48, 16));
    EXPECT_TRUE(contains(track1, {call("drawRect", {24, 0, 2, 16})}));
    EXPECT_FALSE(contains(track1, {part(24, 0, 0, 16, 0)[1]})) << "a face of no length";
}

// Every rectangle stays within the bar: none wraps to a huge 16-bit size.
TEST_F(Modern1Lists, ScrollBarWithBadRangesOrTooShortDrawsNothingHuge)
{
    for (TQCvscrBarDrawBlock b :
         {barBlock(200, 16, 0, 0), barBlock(200, 16, 5000, 1000),
          barBlock(200, 16, 10, 1000, 4000), barBlock(30, 16, 10, 100, 50), barBlock(200, 0),
          barBlock(2, 16)}) {
        drawn(TQCvscrBar_draw_mdr1, b);
        for (const DrawCall& c : draw.calls()) {
            size_t at = c.name == "drawGradation" ? 6 : 2;
            if (c.name == "drawGradation" || c.name == "drawFillRect" || c.name == "drawRect") {
                EXPECT_TRUE(c.args[at] <= 200 && c.args[at + 1] <= 200) << c.toString();
            }
        }
    }
    EXPECT_EQ(0, draw.count("drawGradation")) << "2 long: the trough alone";
}

// 200 x 100, frame 2, bars 16 thick with a margin of 2: the corner square
// is 18 x 18 at (180, 80).
TEST_F(Modern1Lists, ScrolledFormPaintsTheBarCornerWithoutAnImageAndTheViewInside)
{
    TQCscrForm form(nullptr, "sf");
    TQCscrFormDrawBlock b = {};
    b.head = {&form, bar->getowndev(), 0, 0, 200, 100, 2};
    b.backColor = named("#808080");
    b.workBackColor = named("#c0d0e0");
    b.backPixmap = -1;
    b.barThickness = 16;
    b.margin = 2;
    b.vbarShown = b.hbarShown = 1;
    std::string corner = call("setForeColor", {b.backColor});
    std::string view = call("setForeColor", {b.workBackColor});
    EXPECT_TRUE(contains(drawn(TQCscrForm_draw_mdr1, b),
                         {corner, call("drawFillRect", {180, 80, 18, 18}), view,
                          call("drawFillRect", {2, 2, 178, 78})}));
    b.vbarShown = 0;
    EXPECT_TRUE(contains(drawn(TQCscrForm_draw_mdr1, b),
                         {corner, view, call("drawFillRect", {2, 2, 196, 78})}))
        << "one bar: no corner";
    b.backPixmap = 3;
    EXPECT_FALSE(contains(drawn(TQCscrForm_draw_mdr1, b), {corner})) << "a back image";
}

// Tabs along a 210 x 150 form whose row is 20 deep; the line is the only
// one-pixel rectangle.
TEST_F(Modern1Lists, TabLineIsOpenUnderTheSelectedTabAndAbsentForOneTab)
{
    TQCindexForm form(nullptr, "tabs");
    TQCindexFormDrawBlock b = {};
    b.head = {&form, bar->getowndev(), 0, 0, 210, 150, 0};
    b.backPixmap = -1;
    b.barThickness = 20;
    char three[] = "A,B,C", one[] = "A";
    b.menuItems = three;
    auto line = [&](long selected) {
        b.selectedTab = selected;
        Calls fills = (drawn(TQCindexForm_draw_mdr1, b), draw.callStrings("drawFillRect"));
        return Calls(fills.begin() + 1, fills.end());
    };
    EXPECT_EQ(Calls{call("drawFillRect", {68, 20, 142, 1})}, line(1));
    EXPECT_EQ(Calls{call("drawFillRect", {0, 20, 142, 1})}, line(3));
    b.orientation = b.flip = 1;
    EXPECT_EQ(
        (Calls{call("drawFillRect", {189, 0, 1, 52}), call("drawFillRect", {189, 98, 1, 52})}),
        line(2))
        << "along the right edge, at W - R - 1";
    EXPECT_EQ(Calls{call("drawFillRect", {189, 0, 1, 150})}, line(9))
        << "a value past the tabs: the whole line, no longer than the form";
    b.menuItems = one;
    EXPECT_TRUE(line(1).empty()) << "one tab: no line";
}

TEST_F(Modern1Lists, MenuTitlePaintsTheMenuColourAsTheFirstRoleAndTheOpenTitleHighlighted)
{
    TQCpulldownMenu title(nullptr, "file");
    TQCpulldownMenuDrawBlock b = {};
    title.fillDrawBlock(b);
    b.head = {&title, bar->getowndev(), 0, 0, 60, 20, 2};
    b.label.backColor = -5;
    std::string fill = call("drawFillRect", {0, 0, 60, 20});
    Calls closed = drawn(TQCpulldownMenu_draw_mdr1, b);
    EXPECT_TRUE(contains(closed, {call("setForeColor", {-1}), fill}));
    EXPECT_FALSE(contains(closed, {call("setForeColor", {-5})}));
    b.popupOpen = 1;
    short highlight = TQGIappColorSet()->getDefaultColorNo(-7);
    EXPECT_TRUE(contains(drawn(TQCpulldownMenu_draw_mdr1, b), {call("setForeColor", {-1}), fill,
                                                               call("setForeColor", {highlight}),
                                                               fill}));
}
