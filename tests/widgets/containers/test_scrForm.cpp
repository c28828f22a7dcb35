// Scrolled form and its scroll frame on recording devices: layout in both
// looks, limits, unit snapping, the wheel, what the frame tells its device,
// the view's pointer triggers and the drawing in both looks.
#include <gtest/gtest.h>

#include "CapturedText.h"
#include "FakeResources.h"
#include "GuiPolicyScope.h"
#include "RecordingDraw.h"
#include "ScrollProbes.h"
#include "_TQCbaseList.h"
#include "_TQCscrFrame.h"
#include "_TQCvscrBar.h"

#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

Strings g_trail;

void noteValueChange(TQCbase*) { g_trail.push_back("value-ch"); }
void noteScrPress(TQCbase*) { g_trail.push_back("scr-press"); }
void noteScrDoubleClick(TQCbase*) { g_trail.push_back("scr-dclick"); }

long geometry(TQCbase* object, const char* name)
{
    return object->getProperty(name).getLong();
}

std::vector<long> rect(TQCbase* object)
{
    return {geometry(object, "x"), geometry(object, "y"), geometry(object, "width"),
            geometry(object, "height")};
}

TQDmouse* mouse()
{
    TQDmouse::setCreateInstanceHandler(FakeMouse::create);
    return TQGIappMouse();
}

// Under look bit 0, where the margin counts.
class ScrolledFormA : public ::testing::Test {
protected:
    GuiPolicyScope look{TQCguiPolicy::LOOK_A};
    ScrFormInWindow s;
};

} // namespace

TEST(ScrolledForm, BothLooksPlaceBarsAndViewAsTheTableSays)
{
    struct Look {
        long policy;
        std::vector<long> view, hbar, vbar;
    };
    for (const Look& look : {Look{TQCguiPolicy::LOOK_A, {2, 2, 276, 176}, {0, 184, 280, 16},
                                  {284, 0, 16, 180}},
                             Look{TQCguiPolicy::LOOK_B, {2, 2, 280, 180}, {2, 182, 280, 16},
                                  {282, 2, 16, 180}}}) {
        GuiPolicyScope scope(look.policy);
        ScrFormInWindow s;
        EXPECT_EQ(look.view, rect(s.frame)) << "policy " << look.policy;
        EXPECT_EQ(look.hbar, rect(s.hbar)) << "policy " << look.policy;
        EXPECT_EQ(look.vbar, rect(s.vbar)) << "policy " << look.policy;
        EXPECT_EQ(280, geometry(s.hbar, "sliderSize"));
        EXPECT_EQ(180, geometry(s.vbar, "sliderSize"));
        EXPECT_TRUE(s.hbar->getOwnVisible() && s.vbar->getOwnVisible());
    }
}

TEST_F(ScrolledFormA, LimitsPartsAndBarClass)
{
    s.set("workWidth", 40000);
    EXPECT_EQ(32767, s.value("workWidth"));
    s.set("increment", 0);
    s.set("pageIncrement", 0);
    EXPECT_EQ(1, s.value("increment"));
    EXPECT_EQ(1, geometry(s.vbar, "pageIncrement"));
    EXPECT_STREQ("sf-scr", s.frame->getInstanceName());
    EXPECT_STREQ("sf-hscr", s.hbar->getInstanceName());
    EXPECT_STREQ("TQCvbscrBar", s.vbar->getClassName());
    EXPECT_EQ(14, s.form->getObjectType());
    EXPECT_EQ(s.frame->getowndev(), s.form->getdev()) << "children draw in the view";

    TQCscrForm::setUseScrBarClass("NoSuchBar");
    TQCscrForm* other = new TQCscrForm(s.form, "other");
    other->initialize();
    EXPECT_STREQ("TQCvscrBar", other->getHScrBar()->getClassName());
    TQCscrForm::setUseScrBarClass(nullptr);
    EXPECT_STREQ("TQCvbscrBar", TQCscrForm::getUseScrBarClass());

    ::testing::internal::CaptureStderr();
    EXPECT_EQ(0, TQCscrForm::checkVersion(1010));
    EXPECT_EQ("VERSION error. class=TQCscrForm object_version=1001  <- differ -> "
              "object_version=1010\n",
              capturedStderr());
}

TEST_F(ScrolledFormA, BarMovesSnapToTheScrollingUnit)
{
    s.form->addProcedureV("vc", "noteValueChange", noteValueChange, 3);
    for (auto [moved, landed] : {std::pair{140L, 120L}, {150L, 150L}, {40L, 20L}}) {
        s.set("vbarValue", 90);
        g_trail.clear();
        s.vbar->setProperty("value", TQCvariant(moved));
        EXPECT_EQ(landed, s.value("vbarValue")) << "bar moved to " << moved;
        EXPECT_EQ(landed, geometry(s.vbar, "value"));
        EXPECT_EQ(landed, s.frame->getVbarValue());
        EXPECT_EQ(Strings{"value-ch"}, g_trail);
    }
    s.set("vbarValue", 90);
    g_trail.clear();
    s.vbar->setProperty("value", TQCvariant(100L));
    EXPECT_EQ(90, s.value("vbarValue")) << "less than a unit: the view stays";
    EXPECT_EQ(100, geometry(s.vbar, "value"));
    EXPECT_TRUE(g_trail.empty());
}

TEST_F(ScrolledFormA, WheelStepsVerticallyOnlyAndStopsAtTheEnds)
{
    TQCpoint point = {10, 10};
    mouse()->setTargetBtn(0x1000);
    s.form->onMousePress(&point);
    EXPECT_EQ(90, s.value("vbarValue")) << "one page down, snapped to the unit";
    EXPECT_EQ(0, s.value("hbarValue"));
    EXPECT_EQ(0u, s.hbar->getValue());

    s.set("vbarValue", 50);
    mouse()->setTargetBtn(0x800);
    s.form->onMousePress(&point);
    EXPECT_EQ(0, s.value("vbarValue"));

    // A work area lower than the view leaves nothing to scroll.
    s.set("workHeight", 100);
    mouse()->setTargetBtn(0x1000);
    s.form->onMousePress(&point);
    EXPECT_EQ(0, s.value("vbarValue"));
    EXPECT_EQ(0, s.vbar->getMaxSlideValue());
    mouse()->setTargetBtn(0);
}

TEST_F(ScrolledFormA, ShrinkingTheWorkPullsTheValueBackAndTinyFormsKeepSizesOfOne)
{
    s.set("hbarValue", 500);
    s.set("workWidth", 600);
    EXPECT_EQ(600 - 280 - 1, s.value("hbarValue"));

    s.set("width", 10);
    s.set("height", 10);
    EXPECT_EQ((std::vector<long>{0, -6, 1, 16}), rect(s.hbar));
    EXPECT_EQ(1, geometry(s.vbar, "height"));
    EXPECT_EQ(1, geometry(s.frame, "width"));
    EXPECT_EQ(1, geometry(s.frame, "height"));
}

TEST_F(ScrolledFormA, FrameTellsItsDeviceTheOffsetBeforeTheWorkSize)
{
    s.frame->setHbarValue(s.frame->getHbarValue());
    EXPECT_TRUE(containerLog().empty()) << "the offset it holds is not sent again";
    s.frame->setProperty("hbarValue", TQCvariant(700L));
    s.frame->setProperty("workWidth", TQCvariant(800L));
    EXPECT_EQ((Strings{"frame 9=700", "frame 9=524", "frame 7=800"}), containerLog());
    containerLog().clear();
    s.frame->setProperty("workWidth", TQCvariant(100L));
    EXPECT_EQ((Strings{"frame 9=0", "frame 7=100"}), containerLog())
        << "a work area narrower than the view shows it from 0";

    s.frame->setProperty("workWidth", TQCvariant(1000L));
    s.frame->setProperty("hbarValue", TQCvariant(50L));
    containerLog().clear();
    s.frame->_set_no_scroll(1);
    s.frame->setHbarValue(60);
    s.frame->update();
    EXPECT_EQ((Strings{"frame 7=276", "frame 8=176", "frame 9=0", "frame 10=0", "frame 9=0",
                       "frame 7=1000", "frame 8=1000"}),
              containerLog());
    EXPECT_EQ(60, s.frame->getHbarValue());
    containerLog().clear();
    s.frame->_device_initialize();
    EXPECT_NE(std::find(containerLog().begin(), containerLog().end(), "events 0x6800"),
              containerLog().end());

    TQCscrFrame* bare = new TQCscrFrame(s.form, "bare");
    bare->initialize();
    bare->setdev(new ScrFrameProbeDev);
    EXPECT_EQ(0, bare->draw()) << "hidden";
    bare->setVisible(1);
    TQDdev* dev = bare->getowndev();
    bare->setdev(nullptr);
    dev->deleteInstance();
    EXPECT_EQ(-1, bare->draw()) << "shown without a device";
}

TEST_F(ScrolledFormA, ViewPointerEventsRunTheScrollTriggers)
{
    s.form->addProcedureV("p", "noteScrPress", noteScrPress, TQCscrForm::TRIGGER_SCR_MOUSE_PRESS);
    s.form->addProcedureV("d", "noteScrDoubleClick", noteScrDoubleClick,
                          TQCscrForm::TRIGGER_SCR_MOUSE_DCLICK);
    mouse()->setMouseFocusClient(nullptr);
    g_trail.clear();
    TQCpoint point = {5, 5};
    s.frame->execEventProc(13, &point);
    s.frame->execEventProc(19, &point);
    EXPECT_EQ((Strings{"scr-press", "scr-dclick"}), g_trail);
    EXPECT_EQ(s.form, mouse()->getMouseFocusClient()) << "a press in the view grabs the form";
}

namespace {

std::vector<TQCscrFormDrawBlock> g_blocks;

void recordFormLook(void* block)
{
    g_blocks.push_back(*static_cast<TQCscrFormDrawBlock*>(block));
}

} // namespace

TEST(ScrolledForm, ClassicDrawingInBothLooksAndTheExtendedLookInstead)
{
    for (auto [policy, corner, view] :
         {std::tuple{TQCguiPolicy::LOOK_A, "drawFillRect(0,0,300,200)",
                     "drawFillRect(2,2,276,176)"},
          std::tuple{TQCguiPolicy::LOOK_B, "drawFillRect(282,182,16,16)",
                     "drawFillRect(2,2,280,180)"}}) {
        GuiPolicyScope scope(policy);
        RecordingDraw draw;
        CurrentDraw current(&draw);
        ScrFormInWindow s;
        draw.clear();
        s.form->setAbsoluteDraw(1);
        EXPECT_EQ(0, s.form->draw());
        Strings fills = draw.callStrings("drawFillRect");
        EXPECT_NE(std::find(fills.begin(), fills.end(), corner), fills.end()) << policy;
        EXPECT_EQ(view, fills.back()) << "the view in workBackColor, last";
    }

    RecordingDraw draw;
    CurrentDraw current(&draw);
    ScrFormInWindow s;
    {
        ExtLookScope look("ScrollLook", "TQCscrForm::draw", recordFormLook);
        g_blocks.clear();
        draw.clear();
        s.form->setAbsoluteDraw(1);
        s.form->draw();
        EXPECT_EQ(0, draw.count("drawFillRect")) << "no classic drawing";
    }
    ASSERT_EQ(1u, g_blocks.size());
    EXPECT_EQ(s.form, g_blocks[0].head.instance);
    EXPECT_EQ(-11, g_blocks[0].workBackColor);
    EXPECT_EQ(16, g_blocks[0].barThickness);
    EXPECT_EQ(4, g_blocks[0].margin);
    EXPECT_EQ(1, g_blocks[0].vbarShown);
}
