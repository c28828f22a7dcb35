// Window device: the event device list and its dispatch order, expose,
// clear and copy with and without a backing pixmap, and the callbacks.
#include <gtest/gtest.h>

#include "CapturedText.h"
#include "FakeDevices.h"
#include "RecordingDraw.h"
#include "_TQDwindowDev.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

const long kAllEvents = 0x7FE31;

// A window with two window-less widgets, all registered for every event;
// the list is [window, n1, n2]. n1 sits at offset (10, 20).
class WindowDispatch : public ::testing::Test {
protected:
    void SetUp() override
    {
        windowClient.setVisible(1);
        b1.setVisible(1);
        b2.setVisible(1);
        win.attachClient(&windowClient);
        n1.attachClient(&b1);
        n2.attachClient(&b2);
        n1.setParentDev(&win);
        n2.setParentDev(&win);
        n1.setXOffsetPtr(&n1x);
        n1.setYOffsetPtr(&n1y);
        ASSERT_EQ(0, win.setEnableEventBit(kAllEvents));
        ASSERT_EQ(0, n1.setEnableEventBit(kAllEvents));
        ASSERT_EQ(0, n2.setEnableEventBit(kAllEvents));
        prims.clear();
    }
    void TearDown() override
    {
        n2.detachClient();
        n1.detachClient();
        win.detachClient();
    }

    Strings events;
    Strings prims;
    EventClient windowClient{&events, "w", nullptr, 7};
    EventClient b1{&events, "b1", &windowClient};
    EventClient b2{&events, "b2", &windowClient};
    short n1x = 10, n1y = 20;
    FakeWindowDev win{&prims};
    FakeNwDev n1;
    FakeNwDev n2;
};

} // namespace

TEST_F(WindowDispatch, PressGoesTopmostFirstAndStopsWhereTaken)
{
    windowClient.answers[13] = 0;
    b1.answers[13] = 0;
    TQCpoint point = {15, 27};
    win.onMousePress(&point);
    win.onMouseRelease(&point);
    EXPECT_EQ((Strings{"b2 13 (15,27)", "b1 13 (5,7)", "b2 14 (15,27)", "b1 14 (5,7)",
                       "w 14 (15,27)"}),
              events)
        << "b1 took the press: the window's own client never saw it";

    events.clear();
    b2.answers[13] = 0;
    win.onMousePress(&point);
    EXPECT_EQ((Strings{"b2 13 (15,27)"}), events) << "the later widget lies on top";
}

TEST_F(WindowDispatch, DoubleClickConsumedByTheFirstReachesNoOneElse)
{
    b2.answers[19] = 0;
    TQCpoint point = {15, 27};
    win.onMouseDoubleClick(&point);
    EXPECT_EQ((Strings{"b2 19 (15,27)"}), events);

    events.clear();
    b2.answers.clear();
    win.onMouseDoubleClick(&point);
    EXPECT_EQ((Strings{"b2 19 (15,27)", "b1 19 (15,27)", "w 19 (15,27)"}), events);
}

TEST_F(WindowDispatch, OtherEventsGoInListOrderToDevicesThatAskForThem)
{
    n2.setEventMaskBit(0x200);
    win.execEvent(16, nullptr);
    TQCpoint point = {1, 1};
    win.onMouseMove(&point);
    EXPECT_EQ((Strings{"w 16", "b1 16", "w 15 (1,1)", "b1 15 (-9,-19)"}), events);
}

TEST_F(WindowDispatch, DeviceCancelledDuringTheDispatchIsNotVisitedUntilItRegistersAgain)
{
    b1.whenCalled = [this](long) { n2.cancelEvent(&n2); };
    win.execEvent(16, nullptr);
    EXPECT_EQ((Strings{"w 16", "b1 16"}), events);
    // The skip list belongs to the dispatch, not to the client.
    EXPECT_EQ(nullptr, windowClient.getUserData("_cl_list"));

    b1.whenCalled = nullptr;
    events.clear();
    ASSERT_EQ(0, n2.setEnableEventBit(kAllEvents));
    win.execEvent(16, nullptr);
    EXPECT_EQ((Strings{"w 16", "b1 16", "b2 16"}), events);
}

TEST_F(WindowDispatch, NestedDispatchLeavesTheOuterWalkIntact)
{
    bool nested = false;
    b2.whenCalled = [&](long event) {
        if (event != 13 || nested)
            return;
        nested = true;
        n2.cancelEvent(&n2);
        win.exposeExecute(0, 0, 5, 5);
    };
    TQCpoint point = {15, 27};
    win.onMousePress(&point);
    EXPECT_EQ((Strings{"b2 13 (15,27)", "w 9 (0,0,5,5)", "b1 9 (0,0,5,5)", "b1 13 (5,7)",
                       "w 13 (15,27)"}),
              events);
}

// The window's own client goes away while its window dispatches a press:
// the rest of the walk goes on and nothing touches the gone client.
TEST(WindowDev, ClientDestroyedDuringDispatchIsNotTouchedAfterwards)
{
    Strings events;
    EventClient* windowClient = new EventClient(&events, "w", nullptr, 7);
    EventClient b1(&events, "b1", nullptr, 7);
    EventClient b2(&events, "b2", nullptr, 7);
    windowClient->setVisible(1);
    b1.setVisible(1);
    b2.setVisible(1);
    FakeWindowDev win;
    FakeNwDev n1, n2;
    win.attachClient(windowClient);
    n1.attachClient(&b1);
    n2.attachClient(&b2);
    n1.setParentDev(&win);
    n2.setParentDev(&win);
    win.setEnableEventBit(kAllEvents);
    n1.setEnableEventBit(kAllEvents);
    n2.setEnableEventBit(kAllEvents);
    b2.whenCalled = [&](long) {
        win.detachClient();
        delete windowClient;
        windowClient = nullptr;
    };

    TQCpoint point = {1, 2};
    win.onMousePress(&point);
    EXPECT_EQ((Strings{"b2 13 (1,2)", "b1 13 (1,2)"}), events);
    EXPECT_EQ(nullptr, win.getAttachedClient());
    EXPECT_EQ(0, win.execEvent(13, &point));
    n1.detachClient();
    n2.detachClient();
}

TEST(WindowDev, EventOrderMovesDevicesWithinTheList)
{
    Strings events;
    EventClient client(&events, "w", nullptr, 7);
    FakeWindowDev win;
    FakeNwDev a, b, c;
    win.attachClient(&client);
    win.setEnableEventBit(0x10000);
    win.setEvent(&a, 1);
    win.setEvent(&b, 1);
    win.setEvent(&c, 1);

    win.setEventOrder(&c, TQDdev::ORDER_FRONT);
    win.setEventOrder(&a, 0);
    TQClistData& list = win.getEventDevList();
    ASSERT_EQ(4, list.getNum());
    EXPECT_EQ((std::vector<void*>{&win, &c, &b, &a}),
              (std::vector<void*>{list.getData(0), list.getData(1), list.getData(2),
                                  list.getData(3)}));
    win.cancelEvent(&b);
    EXPECT_EQ(3, list.getNum());
    win.detachClient();
    EXPECT_EQ(2, list.getNum());
}

// The window's own device registering behind another asks to be lowered,
// which the base cannot do.
TEST(WindowDev, BaseCannotLowerOrRaiseAndSaysSo)
{
    EventClient client(nullptr, "w", nullptr, 7);
    FakeWindowDev win;
    FakeNwDev first;
    win.attachClient(&client);
    win.setEvent(&first, 1);
    testing::internal::CaptureStdout();
    EXPECT_EQ(0, win.setEnableEventBit(0x2000));
    EXPECT_EQ("TQDwindowDev::lower() this system does not support..", capturedStdout());

    testing::internal::CaptureStdout();
    EXPECT_EQ(-1, win.raise());
    EXPECT_EQ("TQDwindowDev::raise() this system does not support..", capturedStdout());
    win.detachClient();
}

TEST(WindowDev, AvailableEventsAndRegistration)
{
    FakeWindowDev win;
    EventClient client(nullptr, "w", nullptr, 7);
    win.attachClient(&client);
    EXPECT_EQ(0x7FE31, win.getAvailableEventBit());
    EXPECT_EQ(1, win.isAvailableEvent(19));
    EXPECT_EQ(1, win.isAvailableEvent(4));
    EXPECT_EQ(0, win.isAvailableEvent(3));
    EXPECT_EQ(0, win.isAvailableEvent(20));

    EXPECT_EQ(-1, win.setEnableEventBit(0x8));
    EXPECT_EQ(-1, win.setEnableEvent(3));
    EXPECT_EQ(0, win.setEnableEvent(13));
    EXPECT_EQ(0x2000, win.getEventMaskBit());
    EXPECT_EQ(0, win.setEnableEventBit(0x10008));
    EXPECT_EQ(0x12000, win.getEventMaskBit());
    // Without a parent device a disable always answers -1.
    EXPECT_EQ(-1, win.setDisableEvent(16));
    EXPECT_EQ(0x2000, win.getEventMaskBit());
    win.detachClient();
}

// ---- expose, resize, clear, copy ----

TEST_F(WindowDispatch, ExposeWithoutPixmapAsksTheClientsAndThenClearsTheArea)
{
    TQCrect area = {1, 2, 3, 4};
    win.onExpose(&area);
    EXPECT_EQ((Strings{"w 9 (1,2,3,4)", "b1 9 (1,2,3,4)", "b2 9 (1,2,3,4)"}), events);
    short x, y;
    unsigned short w, h;
    win.getExposedArea(&x, &y, &w, &h, 0);
    EXPECT_EQ((std::vector<long>{0, 0, 0, 0}), (std::vector<long>{x, y, w, h}));
    EXPECT_EQ(0, win.getExposeSequence());
}

// An expose run from inside another gives the outer one back its area in
// device coordinates, also on a scaled window.
TEST_F(WindowDispatch, NestedExposeRestoresTheOuterAreaUnscaled)
{
    double scale = 2.0;
    win.setScalePtr(&scale);
    std::vector<long> during;
    bool nested = false;
    b1.whenCalled = [&](long event) {
        if (event != 9 || nested)
            return;
        nested = true;
        win.exposeExecute(0, 0, 5, 5);
        short x, y;
        unsigned short w, h;
        win.getExposedArea(&x, &y, &w, &h, 0);
        during = {x, y, w, h};
    };
    TQCrect area = {10, 10, 20, 20};
    win.onExpose(&area);
    EXPECT_EQ((std::vector<long>{10, 10, 20, 20}), during);
    EXPECT_EQ(1u, std::count(events.begin(), events.end(), "b2 9 (10,10,20,20)"));
}

TEST_F(WindowDispatch, ExposeWithPixmapCopiesFromItAndSendsNoExposeEvent)
{
    char style = 2;
    win.setValue(TQDdev::VALUE_PIXMAP_STYLE, &style);
    TQCrect area = {1, 2, 3, 4};
    win.onExpose(&area);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ((Strings{"createPixmap", "_copy_area(1,2,3,4,1,2,1)"}), prims);
}

TEST_F(WindowDispatch, ResizeWithTheStoredRectangleSendsNothing)
{
    TQCrect same = {0, 0, 100, 100};
    win.onResize(&same);
    EXPECT_TRUE(events.empty());
    TQCrect wider = {0, 0, 120, 100};
    win.onResize(&wider);
    EXPECT_EQ(120, win.getWidth());
    EXPECT_EQ((Strings{"w 10 (0,0,120,100)", "b1 10 (0,0,120,100)", "b2 10 (0,0,120,100)"}),
              events);
}

TEST_F(WindowDispatch, ExposeAreaCutsOffTheNegativePartOnlyWhenItReachesIn)
{
    EXPECT_EQ(0, win.exposeArea(-10, 0, 30, 20, 0));
    EXPECT_EQ("w 9 (0,0,20,20)", events.at(0));
    events.clear();
    EXPECT_EQ(0, win.exposeArea(-40, -5, 30, 20, 0));
    EXPECT_EQ("w 9 (-40,0,30,15)", events.at(0));
}

TEST_F(WindowDispatch, ExposeAreaWithPixmapPreparesItAndCopiesOnce)
{
    char style = 2;
    short color = 5;
    win.setValue(TQDdev::VALUE_PIXMAP_STYLE, &style);
    win.setValue(TQDdev::VALUE_BACK_COLOR, &color);
    prims.clear();
    EXPECT_EQ(0, win.exposeArea(1, 2, 3, 4, 0));
    EXPECT_EQ((Strings{"_setup_pixmap(1,2,3,4,5,0)", "_copy_area(1,2,3,4,1,2,1)"}), prims);
    EXPECT_EQ(3u, events.size());
}

TEST_F(WindowDispatch, ClearAreaClearsThenExposesOnRequest)
{
    EXPECT_EQ(0, win.clearArea(1, 2, 3, 4, 0, 0));
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(0, win.clearArea(1, 2, 3, 4, 1, 0));
    EXPECT_EQ((Strings{"_clear_area(1,2,3,4)", "_clear_area(1,2,3,4)"}), prims);
    EXPECT_EQ(3u, events.size());
}

TEST(WindowDev, NewSizeWithPixmapStyleDestroysThePixmapFirst)
{
    Strings prims;
    FakeWindowDev win(&prims);
    char style = 1;
    win.setValue(TQDdev::VALUE_PIXMAP_STYLE, &style);
    unsigned short width = 300;
    win.setValue(TQDdev::VALUE_WIDTH, &width);
    EXPECT_EQ((Strings{"destroyPixmap"}), prims);
    EXPECT_EQ(300, win.getWidth());

    unsigned char got = 9;
    win.getValue(TQDdev::VALUE_PIXMAP_STYLE, &got);
    EXPECT_EQ(1, got);
    unsigned char grab = 3;
    win.setValue(TQDdev::VALUE_GRAB, &grab);
    win.getValue(TQDdev::VALUE_GRAB, &got);
    EXPECT_EQ(1, got);
}

// ---- drawing ----

namespace {

class WindowDrawing : public ::testing::Test {
protected:
    RecordingDraw draw;
    CurrentDraw current{&draw};
    Strings prims;
    FakeWindowDev win{&prims};
};

} // namespace

TEST_F(WindowDrawing, PixmapMadeOnDemandAndWholeAreaCopiedAtTheEnd)
{
    win.contextNeedsPixmap = true;
    EXPECT_EQ(-1, win.beginDraw(0, 0, 10, 10, 1, 0));
    char style = 1;
    win.setValue(TQDdev::VALUE_PIXMAP_STYLE, &style);
    ASSERT_EQ(0, win.beginDraw(2, 3, 10, 10, 1, 0));
    EXPECT_EQ((Strings{"beginDraw(TQDwindowDev,1,2,3)", "setRegion(2,3,10,10)"}),
              draw.callStrings());
    EXPECT_EQ(0, win.endDraw());
    EXPECT_EQ((Strings{"createPixmap", "_copy_area(2,3,10,10,2,3,1)"}), prims);

    // Inside an expose the copy waits for the expose's own.
    prims.clear();
    win.setExposeSequence(1);
    ASSERT_EQ(0, win.beginDraw(2, 3, 10, 10, 1, 0));
    win.endDraw();
    EXPECT_TRUE(prims.empty());
}

TEST_F(WindowDrawing, PartialAreaIsClippedToTheExposedArea)
{
    win.setExposedArea(15, 25, 100, 100);
    ASSERT_EQ(0, win.beginDraw(10, 20, 30, 40, 0, 0));
    EXPECT_EQ((Strings{"setRegion(15,25,25,35)"}), draw.callStrings("setRegion"));
    win.endDraw();
}

TEST(WindowDev, DestroyedWindowIsForgottenByItsDevices)
{
    EventClient client(nullptr, "w", nullptr, 7);
    FakeNwDev child;
    FakeWindowDev* win = new FakeWindowDev;
    win->attachClient(&client);
    child.setParentDev(win);
    child.setEventParentDev(win);
    win->setEvent(&child, 1);
    delete win;
    EXPECT_EQ(nullptr, child.getVisibleParentDev());
    EXPECT_EQ(nullptr, child.getEventParentDev());
}
