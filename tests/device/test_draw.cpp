// The drawing interface: the pass protocol, exclusive-or drawing, and the
// process-wide current and native drawing objects.
#include <gtest/gtest.h>

#include "RecordingDraw.h"
#include "_TQDdev.h"

namespace {

const long CONTEXT = 0x1234;

// A device only as the drawing object sees it: something to bind to.
class PlainDevice : public TQDdev {
public:
    long getDeviceResource() override { return 1; }
    long getWindowResource() override { return 2; }
    long getContextResource() override { return CONTEXT; }
    long getSpecialResource() override { return -1; }
};

class DrawPass : public ::testing::Test {
protected:
    RecordingDraw draw;
    PlainDevice parent;
    PlainDevice child;
};

} // namespace

TEST_F(DrawPass, BeginDrawBindsAndEndDrawUnbindsOnce)
{
    EXPECT_EQ(-1, draw.drawLine(0, 0, 1, 1));  // nothing open yet

    ASSERT_EQ(0, draw.beginDraw(&parent, 1, 2, CONTEXT));
    EXPECT_EQ(&parent, draw.getPassState().dev);
    EXPECT_EQ(CONTEXT, draw.getPassState().contextResource);
    EXPECT_EQ(0, draw.drawLine(0, 0, 1, 1));

    EXPECT_EQ(0, draw.endDraw());
    EXPECT_EQ(0, draw.isBound());
    EXPECT_EQ(nullptr, draw.getPassState().dev);
    EXPECT_EQ(-1, draw.endDraw());
    EXPECT_EQ(-1, draw.setLineWidth(2));
}

TEST_F(DrawPass, NullContextIsRefusedAndKeepsTheBinding)
{
    EXPECT_EQ(-1, draw.beginDraw(&parent, 1, 2, 0));
    EXPECT_EQ(0, draw.isBound());

    ASSERT_EQ(0, draw.beginDraw(&parent, 1, 2, CONTEXT));
    EXPECT_EQ(-1, draw.beginDraw(&child, 3, 4, 0));
    EXPECT_EQ(&parent, draw.getPassState().dev);
}

TEST_F(DrawPass, RebindingForgetsTheParentAndResetsEveryAttribute)
{
    ASSERT_EQ(0, draw.beginDraw(&parent, 1, 2, CONTEXT));
    draw.setLineWidth(3);
    draw.setHatchPattern(2);
    draw.setLineDashType(1);
    draw.setUnderLineChar(5, 6);
    draw.setOperation(2);

    // A window-less device opens its parent first, then itself; the two
    // endDraw calls follow and only the first finds a binding.
    ASSERT_EQ(0, draw.beginDraw(&child, 3, 4, CONTEXT + 1));
    const TQDdraw::PassState& pass = draw.getPassState();
    EXPECT_EQ(&child, pass.dev);
    EXPECT_EQ(CONTEXT + 1, pass.contextResource);
    EXPECT_EQ(0, pass.lineWidth);
    EXPECT_EQ(0, pass.hatchPattern);
    EXPECT_EQ(0, pass.lineDashType);
    EXPECT_EQ(TQDdraw::OPERATION_PLAIN, pass.operation);
    EXPECT_EQ(0, pass.underLine1);
    EXPECT_EQ(0, pass.underLine2);

    EXPECT_EQ(0, draw.endDraw());
    EXPECT_EQ(-1, draw.endDraw());
}

TEST_F(DrawPass, ExclusiveOrOpensOneScratchAndCombinesItWhenSetBack)
{
    ASSERT_EQ(0, draw.beginDraw(&parent, 1, 2, CONTEXT));
    EXPECT_EQ(0, draw.setOperation(TQDdraw::OPERATION_XOR));
    EXPECT_EQ(0, draw.setOperation(5));  // only the low two bits choose
    EXPECT_EQ(1, draw.exclusiveOrBegun);
    EXPECT_EQ(0, draw.exclusiveOrEnded);

    EXPECT_EQ(0, draw.setOperation(TQDdraw::OPERATION_PLAIN));
    EXPECT_EQ(1, draw.exclusiveOrEnded);
    EXPECT_EQ(0, draw.getPassState().exclusiveOr);
    EXPECT_EQ(0, draw.setOperation(2));
    EXPECT_EQ(1, draw.exclusiveOrBegun);  // 2 is not exclusive-or
}

TEST_F(DrawPass, EndOfPassOrRebindingCombinesPendingExclusiveOr)
{
    ASSERT_EQ(0, draw.beginDraw(&parent, 1, 2, CONTEXT));
    draw.setOperation(TQDdraw::OPERATION_XOR);
    ASSERT_EQ(0, draw.endDraw());
    EXPECT_EQ(1, draw.exclusiveOrEnded);

    ASSERT_EQ(0, draw.beginDraw(&parent, 1, 2, CONTEXT));
    draw.setOperation(TQDdraw::OPERATION_XOR);
    ASSERT_EQ(0, draw.beginDraw(&child, 3, 4, CONTEXT));
    EXPECT_EQ(2, draw.exclusiveOrEnded);
    EXPECT_EQ(0, draw.getPassState().exclusiveOr);
    draw.endDraw();
    EXPECT_EQ(2, draw.exclusiveOrEnded);
}

TEST_F(DrawPass, ExclusiveOrNeedsAPassAndAScratch)
{
    EXPECT_EQ(-1, draw.setOperation(TQDdraw::OPERATION_XOR));
    EXPECT_EQ(0, draw.exclusiveOrBegun);

    ASSERT_EQ(0, draw.beginDraw(&parent, 1, 2, CONTEXT));
    draw.failExclusiveOr = true;
    EXPECT_EQ(-1, draw.setOperation(TQDdraw::OPERATION_XOR));
    EXPECT_EQ(TQDdraw::OPERATION_PLAIN, draw.getPassState().operation);
    EXPECT_EQ(0, draw.getPassState().exclusiveOr);
    draw.endDraw();
    EXPECT_EQ(0, draw.exclusiveOrEnded);
}

TEST(CurrentDraw, FirstOneSetBecomesNativeAndDestructionForgetsIt)
{
    TQDdraw* savedCurrent = TQDdraw::getCurrentDraw();
    TQDdraw* savedNative = TQDdraw::getNativeDraw();
    TQDdraw::setNativeDraw(nullptr);  // as before any drawing object was set
    {
        RecordingDraw screen;
        RecordingDraw printer;
        EXPECT_EQ(0, TQDdraw::setCurrentDraw(&screen));
        EXPECT_EQ(&screen, TQDdraw::getNativeDraw());
        EXPECT_EQ(0, TQDdraw::setCurrentDraw(&printer));
        EXPECT_EQ(&printer, TQDdraw::getCurrentDraw());
        EXPECT_EQ(&screen, TQDdraw::getNativeDraw());

        EXPECT_EQ(0, TQDdraw::setNativeDraw(&printer));
        EXPECT_EQ(&printer, TQDdraw::getNativeDraw());
    }
    EXPECT_EQ(nullptr, TQDdraw::getCurrentDraw());
    EXPECT_EQ(nullptr, TQDdraw::getNativeDraw());
    TQDdraw::setCurrentDraw(savedCurrent);
    TQDdraw::setNativeDraw(savedNative);
}

