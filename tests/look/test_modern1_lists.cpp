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
#include "_TQGFmodern1.h"
#include "_TQN.h"
#include "_TQextguipolicy_tqc.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

std::string colour(short no)
{
    return "setForeColor(" + std::to_string(no) + ")";
}

std::string rect(const char* call, long x, long y, long w, long h)
{
    return std::string(call) + "(" + std::to_string(x) + "," + std::to_string(y) + "," +
           std::to_string(w) + "," + std::to_string(h) + ")";
}

// A 200 x 16 bar of thickness 2 on #6080a0, shaded from #80a0c0 to #406080
// with the margin 16 / 3.
class Modern1Lists : public Modern1Scene {
protected:
    void SetUp() override
    {
        Modern1Scene::SetUp();
        back = named("#6080a0");
        light = named("#80a0c0");
        dark = named("#406080");
        bar = add<TQCvscrBar>("bar", 0, 0, 200, 16);
        bar->setPropertyV(_TQNbackColor(), named("#6080a0"));
        bar->setPropertyV(_TQNshadowThickness(), static_cast<unsigned char>(2));
    }
    TQCvscrBarDrawBlock barBlock(unsigned short w, unsigned short h)
    {
        TQCvscrBarDrawBlock b = {};
        bar->fillDrawBlock(b);
        b.head = {bar, bar->getowndev(), 0, 0, w, h, 2};
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
    // The calls of the flat frame and of the flat arrow, as the bar makes
    // them.
    Calls frame(long type, long x, long y, long w, long h)
    {
        draw.clear();
        TQGFdrawModern1Shadow(bar->getowndev(), type, 2, fore(), top(), bottom(), back, back, x, y,
                              w, h, 0);
        return draw.callStrings();
    }
    Calls arrow(char direction, long x, long y)
    {
        draw.clear();
        TQGFdrawArrow(bar->getowndev(), 1, 4, fore(), bottom(), top(), direction, x, y, 8, 8);
        return draw.callStrings();
    }
    Calls face(long x, long y, long w, long h)
    {
        return {colour(back), "drawGradation(5," + std::to_string(light) + "," +
                                  std::to_string(back) + "," + std::to_string(dark) + "," +
                                  std::to_string(x) + "," + std::to_string(y) + "," +
                                  std::to_string(w) + "," + std::to_string(h) + ",5)"};
    }
    short fore() { return number(_TQNforeColor()); }
    short top() { return number(_TQNtopShadowColor()); }
    short bottom() { return number(_TQNbottomShadowColor()); }
    short number(const char* name)
    {
        short c = 0;
        bar->getPropertyV(name, &c);
        return c;
    }
    static Calls joined(Calls a, const Calls& b)
    {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }

    TQCvscrBar* bar = nullptr;
    short back = 0, light = 0, dark = 0;
};

// No rectangle of the calls is wider or higher than the bar's 200.
bool withinTheBar(const std::vector<DrawCall>& calls)
{
    for (const DrawCall& call : calls) {
        size_t at = call.name == "drawGradation" ? 6 : 2;
        bool sized = call.name == "drawGradation" || call.name == "drawFillRect" ||
                     call.name == "drawRect";
        if (sized && (call.args[at] > 200 || call.args[at + 1] > 200))
            return false;
    }
    return true;
}

} // namespace

TEST_F(Modern1Lists, ScrollBarButtonsArrowsAndPressedButtonLieWhereTheyBelong)
{
    TQCvscrBarDrawBlock b = barBlock(200, 16);
    Calls whole = drawn(TQCvscrBar_draw_mdr1, b);
    EXPECT_TRUE(contains(whole, joined(face(0, 0, 8, 16), frame(0, 0, 0, 8, 16)))) << "begin";
    EXPECT_TRUE(contains(whole, joined(joined(face(8, 0, 16, 16), frame(0, 8, 0, 16, 16)),
                                       arrow(TQARROW_LEFT, 12, 4))))
        << "decrement, with its arrow";
    EXPECT_TRUE(contains(whole, joined(joined(face(176, 0, 16, 16), frame(0, 176, 0, 16, 16)),
                                       arrow(TQARROW_RIGHT, 180, 4))))
        << "increment, with its arrow";
    EXPECT_TRUE(contains(whole, joined(face(192, 0, 8, 16), frame(0, 192, 0, 8, 16)))) << "end";

    for (unsigned char part : {5, 6, 7}) {
        b.pressedPart = part;
        EXPECT_EQ(whole, drawn(TQCvscrBar_draw_mdr1, b)) << "part " << int(part);
    }
    b.pressedPart = TQCvscrBar::PART_DECREMENT;
    Calls pressed = drawn(TQCvscrBar_draw_mdr1, b);
    EXPECT_TRUE(contains(pressed, joined({colour(dark), rect("drawFillRect", 8, 0, 16, 16)},
                                         frame(1, 8, 0, 16, 16))))
        << "pressed: flat B - 32 in the In frame";

    b.head.shadowThickness = 0;
    drawn(TQCvscrBar_draw_mdr1, b);
    EXPECT_EQ(0, draw.count("drawRect")) << "no frame at thickness 0";

    b = barBlock(16, 200);
    b.orientation = 1;
    Calls vertical = drawn(TQCvscrBar_draw_mdr1, b);
    EXPECT_TRUE(contains(vertical, {colour(back), "drawGradation(7," + std::to_string(light) +
                                                      "," + std::to_string(back) + "," +
                                                      std::to_string(dark) + ",0,0,16,8,5)"}))
        << "a vertical bar is shaded from left to right";
}

// S 1 of M 1000 on a track of 152 would be under a pixel: it is drawn 10
// long, at least. A knob as long as the maximum fills the track; a track of
// 1 gives a knob no face but a frame 2 long.
TEST_F(Modern1Lists, ScrollBarKnobIsAtLeastTenPixelsAndFillsTheTrackAtTheMaximum)
{
    TQCvscrBarDrawBlock b = barBlock(200, 16);
    b.sliderSize = 1;
    b.maximum = 1000;
    b.value = 0;
    Calls shortest = drawn(TQCvscrBar_draw_mdr1, b);
    EXPECT_TRUE(contains(shortest, joined(face(24, 0, 10, 16), frame(0, 24, 0, 10, 16))));
    b.value = 999;
    EXPECT_TRUE(contains(drawn(TQCvscrBar_draw_mdr1, b), face(165, 0, 11, 16)))
        << "at the largest value it ends at the track's end";
    b.sliderSize = 1000;
    b.value = 0;
    EXPECT_TRUE(contains(drawn(TQCvscrBar_draw_mdr1, b), face(24, 0, 152, 16)));

    b = barBlock(48, 16);
    b.sliderSize = 100;
    b.maximum = 1000;
    Calls track1 = drawn(TQCvscrBar_draw_mdr1, b);
    EXPECT_TRUE(contains(track1, frame(0, 24, 0, 2, 16)));
    EXPECT_FALSE(contains(track1, {face(24, 0, 0, 16)[1]}))
        << "its face, of no length, is left out";
}

TEST_F(Modern1Lists, ScrollBarWithBadRangesOrTooShortDrawsNothingHuge)
{
    struct Case {
        unsigned short w, h;
        unsigned long size, maximum, value;
    };
    for (const Case& c : {Case{200, 16, 0, 0, 0}, Case{200, 16, 5000, 1000, 0},
                          Case{200, 16, 10, 1000, 4000}, Case{30, 16, 10, 100, 50},
                          Case{2, 16, 10, 100, 0}, Case{200, 0, 10, 100, 0}}) {
        TQCvscrBarDrawBlock b = barBlock(c.w, c.h);
        b.sliderSize = c.size;
        b.maximum = c.maximum;
        b.value = c.value;
        drawn(TQCvscrBar_draw_mdr1, b);
        EXPECT_TRUE(withinTheBar(draw.calls())) << c.w << " x " << c.h << ", " << c.size << " of "
                                                << c.maximum << " at " << c.value;
    }
    TQCvscrBarDrawBlock tiny = barBlock(2, 16);
    drawn(TQCvscrBar_draw_mdr1, tiny);
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
    Calls both = drawn(TQCscrForm_draw_mdr1, b);
    EXPECT_TRUE(contains(both, {colour(b.backColor), rect("drawFillRect", 180, 80, 18, 18),
                                colour(b.workBackColor), rect("drawFillRect", 2, 2, 178, 78)}));
    b.vbarShown = 0;
    Calls one = drawn(TQCscrForm_draw_mdr1, b);
    EXPECT_TRUE(contains(one, {colour(b.backColor), colour(b.workBackColor),
                               rect("drawFillRect", 2, 2, 196, 78)}))
        << "one bar: no corner";
    b.backPixmap = 3;
    EXPECT_EQ(1, std::count(one.begin(), one.end(), colour(b.backColor)));
    Calls image = drawn(TQCscrForm_draw_mdr1, b);
    EXPECT_EQ(0, std::count(image.begin(), image.end(), colour(b.backColor)))
        << "a back image: the corner is left alone";
}

// Three tabs along a 210 x 150 form whose row is 20 deep: the line runs
// under the tabs that are not selected, 2 pixels into the selected one.
TEST_F(Modern1Lists, TabLineIsOpenUnderTheSelectedTab)
{
    TQCindexForm form(nullptr, "tabs");
    TQCindexFormDrawBlock b = {};
    b.head = {&form, bar->getowndev(), 0, 0, 210, 150, 0};
    b.backPixmap = -1;
    b.barThickness = 20;
    char three[] = "A,B,C", one[] = "A";
    b.menuItems = three;
    auto lines = [&]() {
        return drawn(TQCindexForm_draw_mdr1, b), draw.callStrings("drawFillRect");
    };
    auto withoutGround = [](Calls c) {
        c.erase(c.begin());
        return c;
    };
    b.selectedTab = 1;
    EXPECT_EQ(Calls{rect("drawFillRect", 68, 20, 142, 1)}, withoutGround(lines()));
    b.selectedTab = 3;
    EXPECT_EQ(Calls{rect("drawFillRect", 0, 20, 142, 1)}, withoutGround(lines()));
    b.selectedTab = 2;
    b.flip = 1;
    EXPECT_EQ((Calls{rect("drawFillRect", 0, 129, 72, 1), rect("drawFillRect", 138, 129, 72, 1)}),
              withoutGround(lines()));
    b.orientation = 1;
    EXPECT_EQ((Calls{rect("drawFillRect", 189, 0, 1, 52), rect("drawFillRect", 189, 98, 1, 52)}),
              withoutGround(lines()));
    b.selectedTab = 9;
    EXPECT_EQ(Calls{rect("drawFillRect", 189, 0, 1, 150)}, withoutGround(lines()))
        << "a value past the tabs: the whole line, no longer than the form";
    b.menuItems = one;
    EXPECT_TRUE(withoutGround(lines()).empty()) << "one tab: no line";
    b.menuItems = three;
    b.barThickness = 0;
    EXPECT_TRUE(withoutGround(lines()).empty()) << "no tab row: no line";
}

TEST_F(Modern1Lists, MenuTitlePaintsTheMenuColourAsTheFirstRoleAndTheOpenTitleHighlighted)
{
    TQCpulldownMenu title(nullptr, "file");
    TQCpulldownMenuDrawBlock b = {};
    title.fillDrawBlock(b);
    b.head = {&title, bar->getowndev(), 0, 0, 60, 20, 2};
    b.label.backColor = -5;
    Calls closed = drawn(TQCpulldownMenu_draw_mdr1, b);
    EXPECT_TRUE(contains(closed, {colour(-1), rect("drawFillRect", 0, 0, 60, 20)}));
    EXPECT_EQ(0, std::count(closed.begin(), closed.end(), colour(-5)));
    b.popupOpen = 1;
    Calls open = drawn(TQCpulldownMenu_draw_mdr1, b);
    short highlight = TQGIappColorSet()->getDefaultColorNo(-7);
    EXPECT_TRUE(contains(open, {colour(-1), rect("drawFillRect", 0, 0, 60, 20),
                                colour(highlight), rect("drawFillRect", 0, 0, 60, 20)}));
}
