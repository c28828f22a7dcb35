// Abstract device: coordinate mapping of the drawing family, opening an
// area with its clip, the exposed area in client coordinates (also on a
// window device), event delivery with the modal tests, client attachment
// and deferred deletion.
#include <gtest/gtest.h>

#include "FakeAppDev.h"
#include "FakeDevices.h"
#include "RecordingDevice.h"
#include "RecordingDraw.h"
#include "_TQCdevice.h"
#include "_TQDdev.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// Remembers where the points of the last drawLines call lived.
class PointerProbeDraw : public RecordingDraw {
public:
    long drawLines(TQCpoint* points, long count) override
    {
        lastPoints = points;
        return RecordingDraw::drawLines(points, count);
    }
    const TQCpoint* lastPoints = nullptr;
};

// Makes the probe's draw the current one for the test and puts the
// previous one back.
class DevDrawing : public ::testing::Test {
protected:
    PointerProbeDraw draw;
    CurrentDraw current{&draw};
    FakeDev dev;
};

// True when p lies in the stack just below the caller's frame marker.
bool onStackBelow(const void* p, const void* marker)
{
    std::uintptr_t a = reinterpret_cast<std::uintptr_t>(p);
    std::uintptr_t m = reinterpret_cast<std::uintptr_t>(marker);
    return a < m && m - a < 64 * 1024;
}

} // namespace

TEST_F(DevDrawing, ScaledPositionsTruncateTowardZeroThenTakeTheOrigin)
{
    double scale = 1.5;
    dev.setScalePtr(&scale);
    dev.placeOrigin(10, 20);

    EXPECT_EQ(0, dev.drawLine(3, 3, 5, 5));
    // -4.5 truncates to -4, not -5.
    EXPECT_EQ(0, dev.drawRect(-3, -3, 4, 4));
    EXPECT_EQ(0, dev.drawArc(2, 2, 3, 3, 90, 180));

    EXPECT_EQ((Strings{"drawLine(14,24,17,27)", "drawRect(6,16,6,6)",
                       "drawArc(13,23,4,4,90,180)"}),
              draw.callStrings());
}

TEST_F(DevDrawing, SixteenPointsConvertOnTheStackSeventeenOnTheHeap)
{
    double scale = 2.0;
    dev.setScalePtr(&scale);
    dev.placeOrigin(1, 1);
    TQCpoint points[17];
    for (long i = 0; i < 17; ++i)
        points[i] = {i, -i};
    char marker = 0;

    ASSERT_EQ(0, dev.drawLines(points, 16));
    EXPECT_TRUE(onStackBelow(draw.lastPoints, &marker));
    ASSERT_EQ(0, dev.drawLines(points, 17));
    EXPECT_FALSE(onStackBelow(draw.lastPoints, &marker));

    const DrawCall& call = draw.calls().back();
    ASSERT_EQ(17u, call.items.size());
    EXPECT_EQ((std::vector<long long>{33, -31}), call.items[16]);
    // The caller's points stay as they were.
    EXPECT_EQ(16, points[16].x);
}

TEST_F(DevDrawing, RectangleSizesPassWholeUnscaledAndSixteenBitsScaled)
{
    TQCrect rects[1] = {{0, 0, 70000, 5}};
    ASSERT_EQ(0, dev.drawRects(rects, 1));
    double scale = 1.5;
    dev.setScalePtr(&scale);
    ASSERT_EQ(0, dev.drawFillRects(rects, 1));

    EXPECT_EQ((std::vector<long long>{0, 0, 70000, 5}), draw.calls()[0].items[0]);
    EXPECT_EQ((std::vector<long long>{0, 0, 105000 & 0xFFFF, 7}), draw.calls()[1].items[0]);
}

TEST_F(DevDrawing, StringRectanglesStayThirtyTwoBitsAndPlainTextAddsDefaults)
{
    double scale = 1.5;
    dev.setScalePtr(&scale);
    dev.placeOrigin(10, 20);
    char text[] = "abc";

    ASSERT_EQ(0, dev.drawString(30000, 0, 10, 4, 0, 1, text, 2));
    ASSERT_EQ(0, dev.drawFillString(-3, 0, 10, 4, 2, 0, text, 3));

    EXPECT_EQ((Strings{"drawString(45010,20,15,6,\"ab\",0,1,-1,0,0,0)",
                       "drawFillString(6,20,15,6,\"abc\",2,0,-1,0)"}),
              draw.callStrings());
}

TEST(Dev, WithoutADrawingInterfaceEveryDrawingCallRefuses)
{
    TQDdraw* saved = TQDdev::getDraw();
    TQDdev::setDraw(nullptr);
    FakeDev dev;
    TQCpoint points[2] = {};
    TQCrect rects[2] = {};
    char text[] = "x";
    unsigned short utext[] = {'x', 0};

    const std::vector<long> results = {
        dev.setForeColor(static_cast<short>(1)), dev.setBackColor(static_cast<short>(1)),
        dev.setLineWidth(2), dev.setLineDashType(1), dev.setHatchPattern(1),
        dev.drawArc(0, 0, 1, 1, 0, 90), dev.drawFillArc(0, 0, 1, 1, 0, 90, 0),
        dev.drawLine(0, 0, 1, 1), dev.drawLines(points, 2), dev.drawPoly(points, 2),
        dev.drawFillPoly(points, 2), dev.drawRect(0, 0, 1, 1), dev.drawFillRect(0, 0, 1, 1),
        dev.drawRects(rects, 2), dev.drawFillRects(rects, 2),
        dev.drawGradation(0, 1, 2, 3, 0, 0, 1, 1, 0), dev.drawImage(0, 0, 1, 1, nullptr, 0),
        dev.drawImage(0, 0, 0, 0, 1, 1, nullptr), dev.drawStretchedImage(0, 0, 1, 1, nullptr),
        dev.drawString(0, 0, 1, 1, 0, 0, text, 1), dev.drawFillString(0, 0, 1, 1, 0, 0, text, 1),
        dev.drawUString(0, 0, 1, 1, utext, 0, 0, -1, 0, 0, 0),
        dev.drawFillUString(0, 0, 1, 1, utext, 0, 0, -1, 0), dev.setRegion(0, 0, 1, 1),
        dev.setOperation(1)};
    EXPECT_EQ(std::vector<long>(results.size(), -1), results);
    EXPECT_EQ(0, dev.getOperation());

    TQDdev::setDraw(saved);
}

// ---- opening an area ----

class DevOpening : public DevDrawing {
protected:
    void SetUp() override
    {
        DevDrawing::SetUp();
        window.setExposedArea(15, 25, 100, 100);
        dev.setEventParentDev(&window);
    }
    FakeWindowDev window;
};

TEST_F(DevOpening, PartialAreaIsClippedToTheExposedArea)
{
    ASSERT_EQ(0, dev.beginDraw(10, 20, 30, 40, 0, 0));
    short x, y;
    unsigned short w, h;
    dev.getGeom(&x, &y, &w, &h);
    EXPECT_EQ((std::vector<long>{10, 20, 30, 40}), (std::vector<long>{x, y, w, h}));
    EXPECT_EQ((Strings{"beginDraw(TQDdev,1,2,3)", "setRegion(15,25,25,35)"}),
              draw.callStrings());
    // A region outside the exposed area is empty.
    EXPECT_EQ(0, dev.setRegion(200, 200, 5, 5));
    EXPECT_EQ("setRegion(0,0,0,0)", draw.callStrings("setRegion").back());
    EXPECT_EQ(0, dev.endDraw());
    EXPECT_EQ(1, draw.count("endDraw"));
}

TEST_F(DevOpening, WholeAreaIsTheMappedAreaWithOffsetBeforeScale)
{
    double scale = 2.0;
    short xOffset = 3, yOffset = 5;
    dev.setScalePtr(&scale);
    dev.setXOffsetPtr(&xOffset);
    dev.setYOffsetPtr(&yOffset);

    ASSERT_EQ(0, dev.beginDraw(1, 1, 4, 4, 1, 1));
    EXPECT_EQ((Strings{"setRegion(8,12,8,8)"}), draw.callStrings("setRegion"));
    // A later region is mapped like any primitive and not clipped while
    // the whole area is open.
    EXPECT_EQ(0, dev.setRegion(0, 0, 200, 200));
    EXPECT_EQ("setRegion(8,12,400,400)", draw.callStrings("setRegion").back());
}

TEST_F(DevOpening, NoEventParentOrNotReadyRefusesBeforeThePass)
{
    dev.ready = 0;
    EXPECT_EQ(-1, dev.beginDraw(0, 0, 10, 10, 0, 0));
    dev.ready = 1;
    dev.setEventParentDev(nullptr);
    EXPECT_EQ(-1, dev.beginDraw(0, 0, 10, 10, 0, 0));
    EXPECT_EQ(0, draw.count("beginDraw"));
}

TEST_F(DevOpening, ExposureTestTouchesWithInclusiveEdges)
{
    EXPECT_EQ(1, dev.isExposed(5, 5, 10, 20, 0));
    EXPECT_EQ(0, dev.isExposed(0, 0, 14, 14, 0));
    EXPECT_EQ(1, dev.isExposed(115, 125, 3, 3, 0));
}

// ---- the exposed area in client coordinates ----

namespace {

// A client at scale 2 and offsets (3, 5) repaints the exposed part of its
// window the usual way: it opens its whole area, reads the exposed area in
// its own coordinates and fills that. The window exposes (40, 60, 20, 30).
class ScaledExpose : public DevDrawing {
protected:
    void SetUp() override
    {
        DevDrawing::SetUp();
        window.setExposedArea(40, 60, 20, 30);
    }
    void scaleAndOffset(TQDdev& device)
    {
        device.setScalePtr(&scale);
        device.setXOffsetPtr(&xOffset);
        device.setYOffsetPtr(&yOffset);
    }
    // The exposed area as the client read it.
    std::vector<long> repaintExposedPart(TQDdev& device)
    {
        EXPECT_EQ(0, device.beginDraw(0, 0, 100, 100, 0, 1));
        short x = 0, y = 0;
        unsigned short w = 0, h = 0;
        EXPECT_EQ(0, device.getExposedArea(&x, &y, &w, &h, 1));
        device.drawFillRect(x, y, w, h);
        device.endDraw();
        return {x, y, w, h};
    }
    void expectExactlyTheExposedPartRepainted()
    {
        EXPECT_EQ((Strings{"setRegion(40,60,20,30)"}), draw.callStrings("setRegion"));
        EXPECT_EQ((Strings{"drawFillRect(40,60,20,30)"}), draw.callStrings("drawFillRect"));
    }

    double scale = 2.0;
    short xOffset = 3, yOffset = 5;
    FakeWindowDev window;
};

} // namespace

TEST_F(ScaledExpose, DeviceInAWindowRepaintsExactlyTheExposedPart)
{
    scaleAndOffset(dev);
    dev.setEventParentDev(&window);
    EXPECT_EQ((std::vector<long>{17, 25, 10, 15}), repaintExposedPart(dev));
    expectExactlyTheExposedPartRepainted();
}

TEST_F(ScaledExpose, WindowRepaintsExactlyItsExposedPart)
{
    scaleAndOffset(window);
    EXPECT_EQ((std::vector<long>{17, 25, 10, 15}), repaintExposedPart(window));
    expectExactlyTheExposedPartRepainted();
    // The exposure test compares device areas: (0, 0, 10, 10) lands on
    // (6, 10, 20, 20), short of the exposed part.
    EXPECT_EQ(1, window.isExposed(17, 25, 10, 15, 1));
    EXPECT_EQ(0, window.isExposed(0, 0, 10, 10, 1));
    EXPECT_EQ(1, window.isExposed(40, 60, 1, 1, 0));
}

// ---- event delivery ----

namespace {

class DevEvents : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setVisible(1);
        button.setVisible(1);
        dev.attachClient(&button);
    }
    void TearDown() override { dev.detachClient(); }

    Strings log;
    EventClient window{&log, "w", nullptr, 7};
    EventClient button{&log, "b", &window};
    FakeDev dev;
};

// A stand-in application device for one test.
class AppScope {
public:
    AppScope()
    {
        TQDappDev::setCreateInstanceHandler(FakeAppDev::create);
        app = dynamic_cast<FakeAppDev*>(TQGIappDev());
    }
    ~AppScope()
    {
        delete app;
        TQDappDev::setCreateInstanceHandler(nullptr);
    }
    TQDappDev* app = nullptr;
};

Strings g_modalProcCalls;

void recordModalProc(TQDdev*, long event, void*)
{
    g_modalProcCalls.push_back(std::to_string(event));
}

} // namespace

TEST_F(DevEvents, PointerEventsAreMappedDeliveredAndAnsweredByTheClient)
{
    double scale = 2.0;
    short xOffset = 3, yOffset = 5;
    dev.setScalePtr(&scale);
    dev.setXOffsetPtr(&xOffset);
    dev.setYOffsetPtr(&yOffset);
    button.answers[13] = 0;
    button.answers[19] = 0;
    TQCpoint point = {21, 31};

    EXPECT_EQ(0, dev.informEventToClient(13, &point)) << "the client took the press";
    EXPECT_EQ(-1, dev.informEventToClient(14, &point)) << "the client let the release pass";
    // A double click passes unchanged and its answer counts.
    EXPECT_EQ(0, dev.informEventToClient(19, &point));
    EXPECT_EQ((Strings{"b 13 (7,10)", "b 14 (7,10)", "b 19 (21,31)"}), log);
    EXPECT_EQ(21, point.x);
}

TEST_F(DevEvents, InsensitiveClientGetsNoPointerEventsAndHiddenOrMissingOneNothing)
{
    button.setSensitive(0);
    TQCpoint point = {1, 1};
    button.answers[13] = 0;
    button.answers[16] = 0;
    EXPECT_EQ(-1, dev.informEventToClient(13, &point));
    EXPECT_EQ(0, dev.informEventToClient(16, nullptr));
    EXPECT_EQ((Strings{"b 16"}), log);

    button.setVisible(0);
    log.clear();
    EXPECT_EQ(-1, dev.informEventToClient(16, nullptr));
    FakeDev lonely;
    EXPECT_EQ(-1, lonely.informEventToClient(16, nullptr));
    EXPECT_TRUE(log.empty());
}

TEST_F(DevEvents, ModalClientElsewhereSendsEventsToTheModalProcedure)
{
    AppScope scope;
    ASSERT_NE(nullptr, scope.app) << "the stand-in is the application device";
    EventClient dialog(&log, "d", nullptr, 7);
    scope.app->setModalClient(&dialog);
    TQCrect area = {0, 0, 5, 5};
    TQCpoint point = {1, 1};
    button.answers[9] = 0;
    button.answers[10] = 0;

    EXPECT_EQ(-1, dev.informEventToClient(13, &point));
    EXPECT_EQ(0, dev.informEventToClient(9, &area));
    EXPECT_EQ(0, dev.informEventToClient(10, &area));
    g_modalProcCalls.clear();
    scope.app->setModalProc(recordModalProc);
    EXPECT_EQ(0, dev.informEventToClient(16, nullptr));
    EXPECT_EQ((Strings{"16"}), g_modalProcCalls);
    EXPECT_EQ((Strings{"b 9 (0,0,5,5)", "b 10 (0,0,5,5)"}), log);
}

TEST_F(DevEvents, ModalAncestorOrGrabbingDeviceLetsEventsThrough)
{
    AppScope scope;
    ASSERT_NE(nullptr, scope.app) << "the stand-in is the application device";
    scope.app->setModalClient(&window);
    EXPECT_EQ(-1, dev.informEventToClient(16, nullptr));

    EventClient dialog(&log, "d", nullptr, 7);
    scope.app->setModalClient(&dialog);
    FakeWindowDev grabbing;
    unsigned char on = 1;
    grabbing.setValue(TQDdev::VALUE_GRAB, &on);
    dev.setParentDev(&grabbing);
    EXPECT_EQ(-1, dev.informEventToClient(17, nullptr));
    dev.setParentDev(nullptr);
    EXPECT_EQ((Strings{"b 16", "b 17"}), log);
}

TEST_F(DevEvents, PopupModalClientTakesEverythingButExpose)
{
    AppScope scope;
    ASSERT_NE(nullptr, scope.app) << "the stand-in is the application device";
    EventClient popup(&log, "p", nullptr, 7);
    scope.app->setPopupModalClient(&popup);
    TQCrect area = {0, 0, 1, 1};
    EXPECT_EQ(-1, dev.informEventToClient(16, nullptr));
    dev.informEventToClient(9, &area);
    scope.app->setPopupModalClient(&button);
    dev.informEventToClient(16, nullptr);
    EXPECT_EQ((Strings{"b 9 (0,0,1,1)", "b 16"}), log);
}

// ---- client and life cycle ----

TEST(Dev, AttachingAnotherClientDetachesTheFirstAndForgetsItsPointers)
{
    Strings log;
    EventClient first(&log, "a", nullptr, 7);
    EventClient second(&log, "b", nullptr, 7);
    FakeDev dev;
    double scale = 3.0;

    EXPECT_EQ(0, dev.attachClient(&first));
    EXPECT_EQ(1, dev.getInitialized());
    dev.setScalePtr(&scale);
    dev.setVisible(1);
    EXPECT_EQ(0, dev.attachClient(&second));
    EXPECT_EQ(&second, dev.getAttachedClient());
    EXPECT_EQ(0, dev.getVisible());
    EXPECT_EQ(1.0, dev.getScale());
    dev.detachClient();
    EXPECT_EQ(0, dev.getAttached());
}

TEST(Dev, SecondDeleteInstanceDoesNothing)
{
    Strings deleted;
    EventClient owner(nullptr, "o", nullptr, 7);
    RecordingDevice* dev = new RecordingDevice("dev", &deleted);
    dev->attachClient(&owner);

    dev->deleteInstance();
    dev->deleteInstance();
    EXPECT_EQ(nullptr, dev->getAttachedClient());
    EXPECT_EQ(0, dev->getInitialized());
    EXPECT_TRUE(deleted.empty());
    TQGIappDevice()->clearDeleteList();
    EXPECT_EQ((Strings{"dev"}), deleted);
}
