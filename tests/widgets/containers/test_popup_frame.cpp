// Pop-up frame: its kind, colours and item flags, and, shown on the real
// window device under Xvfb with the real pointer, which row a drawing finds
// under the pointer and how it paints it.
#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "PopupPointer.h"
#include "TQDwinwinDev.h"
#include "_TQCguiPolicy.h"
#include "_TQCpopupFrame.h"
#include "_TQN.h"

#include <gtest/gtest.h>

namespace {

TQCpopupFrame* makeFrame()
{
    TQCpopupFrame* frame = static_cast<TQCpopupFrame*>(TQCpopupFrame_create(nullptr));
    return frame;
}

short colour(TQCbase* o, const char* name)
{
    short v = 0;
    o->getPropertyV(name, &v);
    return v;
}

// Three rows of 20 in a frame of thickness 2 at (200, 150), 100 wide.
void pointerScenario()
{
    armWatchdog(30000, "the pop-up frame scenario hung");
    startGuiScenario(TQCguiPolicy::LOOK_B);
    TQCpopupFrame* frame = makeFrame();
    frame->setPropertyV(_TQNmenuItems(), "A:1,B:0x2\nC");
    frame->setPropertyV(_TQNmenuItemHeight(), static_cast<unsigned short>(20));
    frame->setPropertyV(_TQNshadowThickness(), static_cast<unsigned char>(2));
    frame->setPropertyV(_TQNx(), static_cast<short>(200));
    frame->setPropertyV(_TQNy(), static_cast<short>(150));
    frame->setPropertyV(_TQNwidth(), static_cast<unsigned short>(100));
    frame->setPropertyV(_TQNheight(), static_cast<unsigned short>(64));
    frame->setVisible(1);
    pumpPendingMessages(5000);
    HWND menu = static_cast<TQDwinwinDev*>(frame->getowndev()->cast("TQDwinwinDev"))->getShell();
    RECT placed = {};
    GetWindowRect(menu, &placed);
    requireInChild(IsWindowVisible(menu) && placed.left == 200 && placed.top == 150 &&
                       placed.right == 300 && (GetWindowLongA(menu, GWL_EXSTYLE) & WS_EX_TOPMOST),
                   "shown where it was put, above the other windows");

    long value = 0;
    requireInChild(drawnWithPointerAt(frame, 250, 150 + 2 + 20 + 10, &value) == 1 && value == 2,
                   "the second row gives its value, read as a number of any base");
    requireInChild(windowPixel(menu, 90, 2 + 20 + 10) == GetSysColor(COLOR_HIGHLIGHT),
                   "and is highlighted");
    requireInChild(drawnWithPointerAt(frame, 250, 150 + 2 + 20, &value) == 0 && value == 2,
                   "the line between two rows lies in neither; the value stays");
    frame->setItemSensitive(2, 0);
    requireInChild(drawnWithPointerAt(frame, 250, 150 + 2 + 40 + 10, &value) == 1 && value == 0,
                   "an insensitive row still gives its value (C has none: 0)");
    requireInChild(windowPixel(menu, 90, 2 + 40 + 10) == GetSysColor(COLOR_MENU),
                   "but is not highlighted");
    passInChild();
}

} // namespace

TEST(PopupFrame, IsAPopUpTopLevelWindowInTheMenuColours)
{
    TQCpopupFrame* frame = makeFrame();
    ASSERT_NE(nullptr, frame) << "made without a parent: it is a top-level window";
    EXPECT_EQ(0x17, frame->getObjectType());
    EXPECT_EQ(-6, colour(frame, "foreColor"));
    EXPECT_EQ(-5, colour(frame, "backColor"));
    EXPECT_EQ(-8, colour(frame, "topShadowColor"));
    EXPECT_EQ(-9, colour(frame, "bottomShadowColor"));
    EXPECT_EQ(0, frame->existProperty("titleBar"));
    EXPECT_EQ(30, frame->getProperty("menuItemHeight").getLong());
    delete frame;
}

TEST(PopupFrame, ItemFlagsFollowTheItemsAndStayInsideThem)
{
    TQCpopupFrame* frame = makeFrame();
    long value = 7;
    EXPECT_EQ(0, frame->getValue(&value)) << "no item under the pointer yet";
    EXPECT_EQ(-1, frame->setItemSensitive(0, 0)) << "a frame without items has no rows";
    frame->setPropertyV("menuItems", "a:1,b:2\nc:3");
    EXPECT_EQ(0, frame->setItemSensitive(2, 0)) << "commas and line feeds both separate";
    EXPECT_EQ(-1, frame->setItemSensitive(3, 0));
    EXPECT_EQ(-1, frame->setItemSensitive(-1, 0));
    EXPECT_EQ(std::vector<std::string>{""}, TQCpopupFrame::splitItems(""));
    EXPECT_EQ("", TQCpopupFrame::itemField("a", 1));
    delete frame;
}

TQ_FRESH_PROCESS_TEST(PopupFrameDeathTest, DrawingFindsTheRowStrictlyUnderThePointer,
                      pointerScenario(), "")
