// Top-level window: what it paints (background, status bar, size grip) as
// exact drawing calls, and how it re-anchors, resizes and restacks children.
#include "ProbeWindow.h"
#include "RecordingDraw.h"
#include "_TQCguiPolicy.h"
#include "_TQGFgeometry.h"
#include "_TQGFtrigger.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

typedef std::vector<std::string> Calls;

class WindowDraw : public ::testing::Test {
protected:
    void SetUp() override
    {
        policy = TQGIappGuiPolicy()->getGuiPolicy();
        TQGIappGuiPolicy()->setGuiPolicy(0x02, 0);
        probeWindowLog().clear();
        w = ProbeWindow::make("w");
        w->setVisible(1);
    }
    void TearDown() override
    {
        delete w;
        TQGIappDevice()->clearDeleteList();
        TQGIappGuiPolicy()->setGuiPolicy(policy, 0);
    }
    void set(const char* name, unsigned char v) { w->setPropertyV(name, v); }
    // The calls of one whole repaint.
    Calls repaint()
    {
        recorder.clear();
        w->setAbsoluteDraw(1);
        w->draw();
        return recorder.callStrings();
    }
    // What TQGFdrawShadow draws on the window's device for the status bar.
    Calls statusBarShadow()
    {
        TQDdev* dev = w->getowndev();
        dev->beginDraw(0, 0, 100, 100, 1, 1);
        recorder.clear();
        TQGFdrawShadow(dev, TQSHADOW_IN, 1, -2, -3, -4, -1, 2, 12, 96, 16, 0);
        Calls calls = recorder.callStrings();
        dev->endDraw();
        EXPECT_FALSE(calls.empty());
        return calls;
    }

    RecordingDraw recorder;
    CurrentDraw current{&recorder};
    long policy = 0;
    ProbeWindow* w = nullptr;
};

// A window-less child that logs its re-anchoring.
class AnchoredChild : public TQCbase {
public:
    AnchoredChild(TQCbase* parent, const char* name) : TQCbase(parent, name) { initialize(); }
    void _adjust_for_anchors(unsigned short w, unsigned short h) override
    {
        probeWindowLog().push_back(std::string(getInstanceName()) + " anchors " +
                                   std::to_string(w) + "x" + std::to_string(h));
    }
};

Calls operator+(Calls a, const Calls& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const Calls kOpen = {"beginDraw(TQDwindowDev,1,2,3)", "setRegion(0,0,100,30)"};
const Calls kBackground = {"setForeColor(-1)", "drawFillRect(0,0,100,30)"};
const Calls kEnd = {"endDraw()"};
const Calls kPlainGrip = {
    "setLineWidth(0)",        "setForeColor(-3)",       "drawLine(83,27,97,13)",
    "drawLine(87,27,97,17)",  "drawLine(91,27,97,21)",  "drawLine(95,27,97,25)",
    "setForeColor(-4)",       "drawLine(84,27,97,14)",  "drawLine(85,27,97,15)",
    "drawLine(88,27,97,18)",  "drawLine(89,27,97,19)",  "drawLine(92,27,97,22)",
    "drawLine(93,27,97,23)",  "drawLine(96,27,97,26)",  "drawLine(97,27,97,27)"};

} // namespace

TEST_F(WindowDraw, EmbossedWindowDrawsTheStatusBarWithItsGrip)
{
    set(_TQNemboss(), 1);
    Calls grip = {"setLineWidth(0)",       "setForeColor(-3)",      "drawLine(86,26,96,16)",
                  "drawLine(90,26,96,20)", "drawLine(94,26,96,24)", "setForeColor(-4)",
                  "drawLine(87,26,96,17)", "drawLine(88,26,96,18)", "drawLine(91,26,96,21)",
                  "drawLine(92,26,96,22)", "drawLine(95,26,96,25)", "drawLine(96,26,96,26)",
                  "setForeColor(-1)",      "drawLine(87,27,97,27)", "drawLine(97,17,97,27)"};
    EXPECT_EQ(kOpen + kBackground + statusBarShadow() + grip + kEnd, repaint());
}

TEST_F(WindowDraw, TooLowForTheBarOnlyThePlainGripIsDrawnAndOnlyWhilePolicyAllowsIt)
{
    set(_TQNemboss(), 1);
    w->setPropertyV(_TQNheight(), static_cast<unsigned short>(18));
    Calls low = repaint();
    ASSERT_GT(low.size(), 6u);
    EXPECT_EQ((Calls{"setRegion(0,0,100,18)", "setForeColor(-1)", "drawFillRect(0,0,100,18)",
                     "setLineWidth(0)", "setForeColor(-3)", "drawLine(83,15,97,1)"}),
              Calls(low.begin() + 1, low.begin() + 7))
        << "no bar, the grip in its plain form";

    w->setPropertyV(_TQNheight(), static_cast<unsigned short>(30));
    set(_TQNemboss(), 0);
    EXPECT_EQ(kOpen + kBackground + kPlainGrip + kEnd, repaint());
    TQGIappGuiPolicy()->setGuiPolicy(TQCguiPolicy::LOOK_A, 0);
    EXPECT_EQ(kOpen + kBackground + kEnd, repaint());
    TQGIappGuiPolicy()->setGuiPolicy(0x02, 0);
    set(_TQNindicatorOn(), 0);
    EXPECT_EQ(kOpen + kBackground + kEnd, repaint());
}

TEST_F(WindowDraw, ImageBackgroundIsLeftToTheDevice)
{
    set(_TQNindicatorOn(), 0);
    w->setPropertyV(_TQNbackPixmap(), static_cast<short>(5));
    EXPECT_EQ(kOpen + kEnd, repaint());
    w->setPropertyV(_TQNbackPixmap(), static_cast<short>(-1));
    set(_TQNgradation(), 5);
    EXPECT_EQ(kOpen + Calls{"drawGradation(5,-3,-1,-4,0,0,100,30,0)"} + kEnd, repaint());
}

TEST_F(WindowDraw, NewSizeReachesTheDeviceAndReanchorsEveryChild)
{
    new AnchoredChild(w, "a");
    new AnchoredChild(w, "b");
    long adjusted = w->adjustForms;
    probeWindowLog().clear();
    TQCrect same = {0, 0, 100, 30};
    w->execEventProc(TQEV_RESIZE, &same);
    EXPECT_EQ(Calls{"resize 0,0,100,30"}, probeWindowLog()) << "nothing more for the same size";
    TQCrect moved = {5, 6, 150, 60};
    w->execEventProc(TQEV_RESIZE, &moved);
    EXPECT_EQ((Calls{"resize 0,0,100,30", "resize 5,6,150,60", "2=150", "3=60",
                     "a anchors 150x60", "b anchors 150x60"}),
              probeWindowLog());
    EXPECT_EQ(adjusted + 2, w->adjustForms);
    EXPECT_EQ(1, recorder.count("drawFillRect")) << "redrawn once";
}

TEST_F(WindowDraw, RestackCountsPlacesFromTheEnd)
{
    TQCbase* a = new AnchoredChild(w, "a");
    new AnchoredChild(w, "b");
    TQCbase* c = new AnchoredChild(w, "c");
    AnchoredChild stranger(nullptr, "stranger");
    TQClistData& children = w->getChildren();
    probeWindowLog().clear();
    EXPECT_EQ(0, w->restackChild(a, 0));
    EXPECT_EQ(a, children.getData(2));
    EXPECT_EQ(0, w->restackChild(a, 0));
    EXPECT_EQ(Calls{"restack"}, probeWindowLog()) << "the last child stays where it is";
    EXPECT_EQ(0, w->restackChild(c, 7));
    EXPECT_EQ(c, children.getData(0));
    EXPECT_EQ(-1, w->restackChild(&stranger, 0));
    EXPECT_EQ(3, children.getNum());
}

// The client area starts at 0, 0 wherever the window is on the screen.
TEST_F(WindowDraw, ContentRepaintCoversTheClientAreaOfAMovedWindow)
{
    w->setPropertyV(_TQNx(), static_cast<short>(300));
    w->setPropertyV(_TQNy(), static_cast<short>(200));
    w->setAbsoluteDraw(0);
    recorder.clear();
    EXPECT_EQ(0, w->cdraw());
    EXPECT_EQ(1, recorder.count("drawFillRect"));
    EXPECT_EQ(Calls{"setRegion(0,0,100,30)"}, recorder.callStrings("setRegion"));
    short x = -1, y = -1;
    unsigned short width = 1, height = 1;
    w->getowndev()->getExposedArea(&x, &y, &width, &height, 1);
    EXPECT_EQ(0, x + y + width + height) << "the exposed area is put back";
}
