// Window-less widgets in a shown form: expose, pointer dispatch with the
// widget's own hit test, sibling hit test, procedures, anchors and blinking.
#include <gtest/gtest.h>

#include "ContainerProbes.h"
#include "_TQCbaseList.h"
#include "_TQCblink.h"
#include "_TQCprocedure.h"
#include "_TQGFtrigger.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

class WindowLess : public ::testing::Test {
protected:
    void SetUp() override
    {
        form->setVisible(1);
        widget = add("w", 10, 10, 50, 30);
    }

    // A shown widget of the form at (x, y, w, h); the log starts afresh.
    ProbeWidget* add(const char* name, long x, long y, long w, long h)
    {
        ProbeWidget* p = new ProbeWidget(form, name);
        p->initialize();
        for (auto [prop, v] : {std::pair{"x", x}, {"y", y}, {"width", w}, {"height", h}})
            p->setProperty(prop, TQCvariant(v));
        p->setVisible(1);
        TQGIappObjectList()->execUpdate();
        containerLog().clear();
        return p;
    }
    long send(long event, long x, long y)
    {
        TQCpoint point = {x, y};
        return widget->execEventProc(event, &point);
    }
    long value(const char* name) { return widget->getProperty(name).getLong(); }
    short colour(const char* name)
    {
        short no = 0;
        widget->getPropertyV(name, &no);
        return no;
    }
    // The form takes the size, and its layout runs the widget's anchor step.
    void resizeForm(long width, long height)
    {
        form->setProperty("width", TQCvariant(width));
        form->setProperty("height", TQCvariant(height));
        TQGIappObjectList()->execUpdate();
    }
    void set(const char* name, long v) { widget->setProperty(name, TQCvariant(v)); }
    static long registrations(TQCbase* object)
    {
        TQClistData* clients = TQGIappBlink()->getBlinkClients();
        long n = 0;
        for (long i = 0; i < clients->getNum(); ++i)
            n += clients->getData(i) == object ? 1 : 0;
        return n;
    }

    FormInWindow scene;
    ProbeForm* form = scene.form;
    ProbeWidget* widget = nullptr;
};

} // namespace

TEST_F(WindowLess, WidgetWhollyLeftOfTheOriginIsNotDrawn)
{
    set("x", -100);
    EXPECT_EQ(0, widget->execEventProc(TQEV_EXPOSE, nullptr));
    EXPECT_TRUE(containerLog().empty());
    set("x", -50);
    containerLog().clear();
    EXPECT_EQ(0, widget->execEventProc(TQEV_EXPOSE, nullptr));
    EXPECT_EQ((Strings{"draw"}), containerLog()) << "x + width = 0: still drawn";
}

TEST_F(WindowLess, PressInsideComesBeforeTheEntryItCausesAndMovesPassOn)
{
    EXPECT_EQ(0, send(TQEV_MOUSE_PRESS, 15, 17));
    EXPECT_EQ(-1, send(TQEV_MOUSE_MOVE, 16, 17));
    EXPECT_EQ((Strings{"press (5,7)", "in (5,7)", "value 28", "move (6,7)"}), containerLog())
        << "the entry sets the form's cursor";
    EXPECT_EQ(1, widget->getMouseGrabed());
    EXPECT_EQ(-1, widget->execEventProc(TQEV_MOUSE_PRESS, nullptr));

    containerLog().clear();
    EXPECT_EQ(-1, send(TQEV_MOUSE_MOVE, 70, 17));
    EXPECT_EQ(0, widget->execEventProc(TQEV_MOUSE_OUT, nullptr)) << "already outside";
    EXPECT_EQ(-1, send(TQEV_MOUSE_IN, 15, 17));
    EXPECT_EQ((Strings{"out", "value 28", "in (5,7)", "value 28"}), containerLog())
        << "leaving gives the form's cursor back; an entry arriving inside comes once";
}

TEST_F(WindowLess, ReleaseOutsideReachesAGrabbingWidgetOnlyWhenSwitchedOn)
{
    send(TQEV_MOUSE_PRESS, 15, 17);
    containerLog().clear();
    EXPECT_EQ(-1, send(TQEV_MOUSE_RELEASE, 200, 5));
    EXPECT_EQ((Strings{"out", "value 28"}), containerLog());

    send(TQEV_MOUSE_PRESS, 15, 17);
    widget->setOutSideMouseRelease(1);
    widget->setOutSideMouseMove(1);
    containerLog().clear();
    EXPECT_EQ(0, send(TQEV_MOUSE_RELEASE, 200, 5));
    EXPECT_EQ(1, widget->getMouseGrabed()) << "the grab stays";
    EXPECT_EQ(-1, send(TQEV_MOUSE_MOVE, 0, 0));
    EXPECT_EQ((Strings{"release (190,-5)", "move (-10,-10)"}), containerLog());
}

TEST_F(WindowLess, LaterSiblingWinsAndEdgesCountOnlyWhenInclusive)
{
    ProbeWidget* over = add("over", 40, 20, 30, 30);
    TQCpoint shared = {45, 25};
    EXPECT_EQ(over, widget->_get_child_with_point(&shared, 0));
    TQCpoint edge = {60, 12};
    EXPECT_EQ(nullptr, widget->_get_child_with_point(&edge, 0));
    EXPECT_EQ(widget, widget->_get_child_with_point(&edge, 1));
}

TEST_F(WindowLess, ClassFrameAndPointerProcedures)
{
    EXPECT_EQ(nullptr, TQCnwbase_create(nullptr));
    EXPECT_EQ(widget, widget->cast(nullptr));
    EXPECT_EQ(-14, colour("foreColor"));
    EXPECT_EQ(-13, colour("blinkColor"));
    EXPECT_EQ(1 | 8, widget->getEventMask() & 0xff);

    TQCprocedure* entry = new TQCprocedure("enter", TQEV_MOUSE_IN);
    EXPECT_EQ(0, widget->addProcedure(entry));
    EXPECT_EQ(0x9800, entry->getEffectiveTriggerMask());
    EXPECT_EQ(0x9800, widget->getEventMask() & 0x9800);
    TQCprocedure refused("activate", TQEV_ACTIVATE);
    EXPECT_EQ(-1, widget->addProcedure(&refused));
}

TEST_F(WindowLess, AnchorsKeepTheDistancesWithTheirOwnMinimumSizes)
{
    set("anchorLeft", 10);
    set("anchorRight", 20);
    set("anchorLeftFlag", 1);
    set("anchorRightFlag", 1);
    resizeForm(300, 30);
    EXPECT_EQ(10, value("x"));
    EXPECT_EQ(270, value("width"));
    resizeForm(33, 30);
    EXPECT_EQ(5, value("width"));
    resizeForm(29, 30);
    EXPECT_EQ(2, value("width"));
    EXPECT_EQ(10, value("x"));

    containerLog().clear();
    widget->_adjust_for_anchors(29, 30);
    EXPECT_TRUE(containerLog().empty()) << "nothing changed: no clear, no update";

    set("height", 30);
    set("anchorTop", 10);
    set("anchorBottom", 10);
    set("anchorTopFlag", 1);
    set("anchorBottomFlag", 1);
    TQGIappObjectList()->execUpdate();
    containerLog().clear();
    resizeForm(29, 19);
    EXPECT_EQ(5, value("height"));
    EXPECT_EQ(10, value("y"));
    const Strings& log = containerLog();
    EXPECT_EQ(1, std::count(log.begin(), log.end(), "clear")) << "the old area, cleared once";
    EXPECT_LT(std::find(log.begin(), log.end(), "clear"),
              std::find(log.begin(), log.end(), "update"));
}

TEST_F(WindowLess, BlinkingKeepsOneRegistrationAndSurvivesRateZero)
{
    set("blinkFlag", 1);
    set("blinkRate", 3);
    EXPECT_EQ(1, registrations(widget));
    set("blinkRate", 16);
    EXPECT_EQ(0, widget->getBlinkRate());
    EXPECT_EQ(1, registrations(widget));
    containerLog().clear();
    TQCblink::_blink_proc(7, TQGIappBlink());
    EXPECT_EQ((Strings{"clear", "draw"}), containerLog()) << "rate 0 blinks every tick";

    set("blinkFlag", 0);
    EXPECT_EQ(0, registrations(widget));
    set("blinkFlag", 1);
    delete widget;
    EXPECT_EQ(0, registrations(widget)) << "the destructor leaves the blink manager";
}
