// The drawing interface: base answers, the pass protocol, exclusive-or
// drawing, the process-wide current and native drawing objects, and the
// recording drawing object other tests compare call sequences with.
#include <gtest/gtest.h>

#include "RecordingDraw.h"
#include "_TQCstring.h"
#include "_TQDcodeConvert.h"
#include "_TQDcolor.h"
#include "_TQDdev.h"
#include "_TQDimage.h"

#include <string>
#include <vector>

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

TEST(Draw, IsATQDdrawAndATQCroot)
{
    RecordingDraw draw;
    EXPECT_STREQ("TQDdraw", draw.getClassName());
    EXPECT_EQ(&draw, draw.cast("TQDdraw"));
    EXPECT_EQ(&draw, draw.cast("TQCroot"));
    EXPECT_EQ(nullptr, draw.cast("TQDdev"));
    EXPECT_EQ(&draw, draw.cast2("TQDdraw"));
}

TEST_F(DrawPass, BaseOperationsAnswerZeroAndChangeNothing)
{
    ASSERT_EQ(0, draw.beginDraw(&parent, 1, 2, CONTEXT));
    EXPECT_EQ(0, draw.TQDdraw::setValue(36, 1));
    EXPECT_EQ(0, draw.TQDdraw::setOperation(TQDdraw::OPERATION_XOR));
    draw.TQDdraw::setUnderLineChar(3, 4);

    const TQDdraw::PassState& pass = draw.getPassState();
    EXPECT_EQ(TQDdraw::OPERATION_PLAIN, pass.operation);
    EXPECT_EQ(0, pass.exclusiveOr);
    EXPECT_EQ(0, draw.exclusiveOrBegun);
    EXPECT_EQ(0, pass.underLine1);
    EXPECT_EQ(0, pass.underLine2);
}

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

TEST_F(DrawPass, RecorderWritesEveryCallWithItsArgumentsInOrder)
{
    TQDcolor red;
    red.setColorName("#ff0000");
    TQDimage icon;
    icon.setImageName("icon.png");
    TQCstring text("a\"b", TQENC_UTF8);
    unsigned short utext[] = {'x', 0x00e9, 10, 0};
    TQCpoint points[] = {{0, 10}, {10, 10}, {10, 0}};
    TQCrect rects[] = {{0, 0, 2, 10}, {8, 0, 2, 10}};

    draw.beginDraw(&parent, 1, 2, CONTEXT);
    draw.setRegion(-1, 0, 20, 10);
    draw.setForeColor(static_cast<short>(-7));
    draw.setBackColor(&red);
    draw.setForeColor(static_cast<TQDcolor*>(nullptr));
    draw.drawGradation(1, 2, 3, 4, 5, 6, 7, 8, 9);
    draw.drawFillPoly(points, 3);
    draw.drawFillRects(rects, 2);
    draw.drawLines(nullptr, 4);
    draw.drawImage(1, 2, 3, 4, 5, 6, &icon);
    draw.drawString(4, 5, 4000000000UL, 12, &text, -1, 1, -1, 0, 2, 1);
    draw.drawFillUString(0, 0, 9, 9, utext, 3, 0, -1, 255);
    draw.drawFillString(0, 0, 9, 9, nullptr, 0, 0, -1, 0);
    draw.setUnderLineChar(-1, 2);
    draw.endDraw();

    std::vector<std::string> expected = {
        "beginDraw(TQDdev,1,2,4660)",
        "setRegion(-1,0,20,10)",
        "setForeColor(-7)",
        "setBackColor(\"#ff0000\")",
        "setForeColor(null)",
        "drawGradation(1,2,3,4,5,6,7,8,9)",
        "drawFillPoly((0,10),(10,10),(10,0))",
        "drawFillRects((0,0,2,10),(8,0,2,10))",
        "drawLines(null)",
        "drawImage(1,2,3,4,5,6,\"icon.png\")",
        "drawString(4,5,4000000000,12,\"a\\\"b\",-1,1,-1,0,2,1)",
        "drawFillUString(0,0,9,9,\"x\xc3\xa9\\n\",3,0,-1,255)",
        "drawFillString(0,0,9,9,null,0,0,-1,0)",
        "setUnderLineChar(-1,2)",
        "endDraw()",
    };
    EXPECT_EQ(expected, draw.callStrings());

    const std::vector<DrawCall>& calls = draw.calls();
    EXPECT_EQ(&parent, calls[0].object);
    EXPECT_EQ(&red, calls[3].object);
    EXPECT_EQ((std::vector<long long>{3}), calls[6].args);
    EXPECT_EQ((std::vector<long long>{10, 0}), calls[6].items[2]);
    EXPECT_EQ("a\"b", calls[10].text);
    EXPECT_EQ((std::vector<std::string>{"setForeColor(-7)", "setForeColor(null)"}),
              draw.callStrings("setForeColor"));
    EXPECT_EQ(2, draw.count("setForeColor"));

    draw.clear();
    EXPECT_TRUE(draw.calls().empty());
}
