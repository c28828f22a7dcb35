// Window-less device: drawing into the parent directly or through the
// shared scratch pixmap, and expose, clear, copy and event registration
// translated towards the parent.
#include <gtest/gtest.h>

#include "FakeDevices.h"
#include "RecordingDraw.h"
#include "_TQDnwDev.h"

#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

class NwDev : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setExposedArea(15, 25, 100, 100);
        dev.setParentDev(&window);
    }

    void useOffsetsAndScale()
    {
        dev.setScalePtr(&scale);
        dev.setXOffsetPtr(&xOffset);
        dev.setYOffsetPtr(&yOffset);
    }
    void setWindowStyle(char style) { window.setValue(TQDdev::VALUE_PIXMAP_STYLE, &style); }

    RecordingDraw draw;
    CurrentDraw current{&draw};
    Strings prims;
    FakeWindowDev window{&prims};
    FakeNwDev dev{&prims};
    double scale = 2.0;
    short xOffset = 3;
    short yOffset = 5;
};

std::vector<long> geom(short x, short y, unsigned short w, unsigned short h)
{
    return {x, y, w, h};
}

} // namespace

TEST_F(NwDev, OwnPixmapDrawsAtZeroAndCopiesTheClippedPartBack)
{
    unsigned char on = 1;
    dev.setValue(TQDdev::VALUE_USE_PIXMAP, &on);
    ASSERT_EQ(1, dev.getUsePixmap());

    ASSERT_EQ(0, dev.beginDraw(10, 20, 30, 40, 0, 0));
    short x, y, cx, cy;
    unsigned short w, h, cw, ch;
    TQDnwDev::getBackXY(&x, &y);
    EXPECT_EQ(10, x);
    EXPECT_EQ(20, y);
    dev.getGeom(&x, &y, &w, &h);
    EXPECT_EQ(geom(0, 0, 30, 40), geom(x, y, w, h));
    TQDnwDev::getCopyPixmapGeom(&cx, &cy, &cw, &ch);
    EXPECT_EQ(geom(5, 5, 25, 35), geom(cx, cy, cw, ch));
    EXPECT_EQ((Strings{"beginDraw(TQDwindowDev,1,2,3)", "setRegion(15,25,25,35)",
                       "beginDraw(TQDnwDev,1,2,3)", "setRegion(0,0,30,40)"}),
              draw.callStrings());

    EXPECT_EQ(0, dev.endDraw());
    EXPECT_EQ((Strings{"_copy_pixmap_to_window(10,20,5,5,25,35)"}), prims);
    EXPECT_EQ(2, draw.count("endDraw"));
}

TEST_F(NwDev, DoubleBufferedParentMakesTheOwnPixmapUnnecessary)
{
    unsigned char on = 1;
    dev.setValue(TQDdev::VALUE_USE_PIXMAP, &on);
    setWindowStyle(1);
    EXPECT_EQ(0, dev.getUsePixmap());

    ASSERT_EQ(0, dev.beginDraw(10, 20, 30, 40, 0, 0));
    short x, y;
    unsigned short w, h;
    dev.getGeom(&x, &y, &w, &h);
    EXPECT_EQ(geom(10, 20, 30, 40), geom(x, y, w, h));
    EXPECT_EQ("setRegion(15,25,25,35)", draw.callStrings("setRegion").back());
    dev.endDraw();
}

TEST_F(NwDev, WholeAreaDrawingTakesTheParentsExposeFlagUntilTheEnd)
{
    window.setExposeSequence(1);
    ASSERT_EQ(0, dev.beginDraw(0, 0, 10, 10, 1, 0));
    EXPECT_EQ(0, window.getExposeSequence());
    EXPECT_EQ("setRegion(0,0,10,10)", draw.callStrings("setRegion").back());
    dev.endDraw();
    EXPECT_EQ(1, window.getExposeSequence());
}

TEST_F(NwDev, DrawingRefusedWithoutParentOrReadiness)
{
    FakeNwDev orphan;
    EXPECT_EQ(-1, orphan.beginDraw(0, 0, 1, 1, 0, 0));
    window.contextNeedsPixmap = true;
    EXPECT_EQ(-1, dev.beginDraw(0, 0, 1, 1, 0, 0));
    EXPECT_EQ(0, draw.count("beginDraw"));
}

TEST_F(NwDev, ExposeAppliesOffsetsAlwaysAndTheScaleOnlyWhenMapped)
{
    setWindowStyle(2);
    useOffsetsAndScale();
    EXPECT_EQ(0, dev.exposeArea(1, 1, 4, 4, 1));
    EXPECT_EQ(0, dev.exposeArea(1, 1, 4, 4, 0));
    EXPECT_EQ((Strings{"_setup_pixmap(8,12,8,8,0,0)", "_copy_area(8,12,8,8,8,12,1)",
                       "_setup_pixmap(4,6,4,4,0,0)", "_copy_area(4,6,4,4,4,6,1)"}),
              prims);
}

TEST_F(NwDev, ClearThroughOwnPixmapSwitchesTheParentToItsPixmapForTheCall)
{
    unsigned char on = 1;
    dev.setValue(TQDdev::VALUE_USE_PIXMAP, &on);
    useOffsetsAndScale();
    EXPECT_EQ(0, dev.clearArea(1, 1, 4, 4, 0, 0));
    EXPECT_EQ((Strings{"_setup_pixmap(4,6,4,4,0,0)",
                       "_copy_area(4,6,4,4,4,6,1)", "destroyPixmap"}),
              prims);
    EXPECT_EQ(0, window.getPixmapStyle());
}

TEST_F(NwDev, CopyMapsSourceAndDestination)
{
    useOffsetsAndScale();
    EXPECT_EQ(0, dev.copyArea(1, 1, 4, 4, 2, 2));
    EXPECT_EQ((Strings{"_copy_area(8,12,8,8,10,14,0)"}), prims);
    FakeNwDev orphan;
    EXPECT_EQ(0, orphan.copyArea(1, 1, 4, 4, 2, 2));
    EXPECT_EQ(0, orphan.exposeArea(1, 1, 4, 4, 0));
}

TEST_F(NwDev, RegistrationGoesThroughTheParentsList)
{
    FakeNwDev orphan;
    EXPECT_EQ(-1, orphan.setEnableEventBit(0x2000));
    EXPECT_EQ(-1, dev.setEnableEventBit(0x8));
    EXPECT_EQ(0, dev.setEnableEventBit(0x2008));
    EXPECT_EQ(0x2000, dev.getEventMaskBit());
    EXPECT_EQ(0, dev.setEnableEvent(16));
    EXPECT_EQ(0x12000, dev.getEventMaskBit());
    ASSERT_EQ(1, window.getEventDevList().getNum());
    EXPECT_EQ(&dev, window.getEventDevList().getData(0));

    EXPECT_EQ(-1, dev.setDisableEvent(13));
    EXPECT_EQ(0, dev.setDisableEvent(16));
    EXPECT_EQ(0, window.getEventDevList().getNum());

    // Having left the list, the device enters it again when it next asks.
    EXPECT_EQ(0, dev.getEventRegistered());
    EXPECT_EQ(0, dev.setEnableEvent(13));
    ASSERT_EQ(1, window.getEventDevList().getNum());
    EXPECT_EQ(&dev, window.getEventDevList().getData(0));
    EXPECT_EQ(0x2000, dev.getEventMaskBit());
    window.cancelEvent(&dev);
}

TEST_F(NwDev, CancelOnAnUnregisteredDeviceLeavesTheParentAlone)
{
    window.setEvent(&dev, 1);
    EXPECT_EQ(0, dev.cancelEvent(&dev));
    EXPECT_EQ(1, window.getEventDevList().getNum());
    window.cancelEvent(&dev);
}

TEST_F(NwDev, ResourcesAndAddressesComeFromTheParent)
{
    EXPECT_EQ(3, dev.getContextResource());
    EXPECT_EQ(1, dev.getReady());
    FakeNwDev orphan;
    EXPECT_EQ(-1, orphan.getWindowResource());
    EXPECT_EQ(0, orphan.getReady());

    useOffsetsAndScale();
    short ax = 0, ay = 0;
    dev.getAbsoluteAddr(1, 1, &ax, &ay);
    EXPECT_EQ(8, ax);
    EXPECT_EQ(12, ay);
}
