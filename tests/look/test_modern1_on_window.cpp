// "Modern1" selected as a user selects it, by the look file in the folder
// USERPROFILE names when the program starts, on real windows under Xvfb:
// the pixels of a form's flat frame and of a button's rounded frame and
// pressed face, the classic drawing back once the look is deselected, an
// unknown look that changes nothing, and the pop-up frame's highlighted row
// under the real pointer. Each scenario runs in a process of its own.
#include "FreshProcess.h"
#include "GuiControlScene.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "PopupPointer.h"
#include "TQDwinwinDev.h"
#include "UserLookFile.h"
#include "_TQCcolorSet.h"
#include "_TQCguiPolicy.h"
#include "_TQCpopupFrame.h"
#include "_TQCvbtn.h"
#include "_TQDappDev.h"
#include "_TQGFmodern1.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const DWORD kPatience = 10000;

short named(const char* name)
{
    return TQGIappColorSet()->getColorNo(name);
}

// The role colour shifted as the look shifts it, as GDI writes it.
COLORREF shifted(int sysColor, long delta)
{
    COLORREF c = GetSysColor(sysColor);
    long r, g, b;
    TQGFgetFixedRGB(GetRValue(c), GetGValue(c), GetBValue(c), delta, &r, &g, &b);
    return RGB(r, g, b);
}

// A grey form holding a framed child form at (150, 20, 100, 60) and a
// button at (10, 10, 80, 30).
struct GreyScene {
    GreyScene()
    {
        scene.form->setPropertyV(_TQNbackColor(), named("#808080"));
        TQCform* inner = new TQCform(scene.form, "inner");
        inner->initialize();
        GuiControlScene::place(inner, 150, 20, 100, 60);
        inner->setPropertyV(_TQNshadowType(), static_cast<char>(0));
        inner->setPropertyV(_TQNshadowThickness(), static_cast<unsigned char>(2));
        inner->setVisible(1);
        button = scene.add<TQCvbtn>("b", 10, 10, 80, 30);
        button->setPropertyV(_TQNlabelString(), "OK");
        button->setPropertyV(_TQNbackColor(), named("#6080a0"));
        scene.show();
        settle();
    }
    void settle() { pumpPendingMessages(kPatience); }
    COLORREF pixel(int x, int y) { return scene.pixel(x, y); }

    GuiControlScene scene;
    TQCvbtn* button = nullptr;
};

const COLORREF kGrey = RGB(0x80, 0x80, 0x80);
const COLORREF kLight = RGB(0x90, 0x90, 0x90);
const COLORREF kDark = RGB(0x70, 0x70, 0x70);

void framesScenario()
{
    armWatchdog(90000, "the Modern1 frames scenario hung");
    UserLookFile file("Modern1");
    GreyScene s;
    requireInChild(TQDappDev::getExtGuiPolicySelected() &&
                       std::strcmp(TQDappDev::getExtGuiPolicyName().getString(), "Modern1") == 0,
                   "the look file selected Modern1");
    requireInChild(s.pixel(249, 50) == kLight && s.pixel(200, 79) == kLight,
                   "the child form's right and bottom edges: the grey around it + 16");
    requireInChild(s.pixel(150, 50) == kDark && s.pixel(200, 20) == kDark,
                   "its left and top edges: the grey - 16");
    requireInChild(s.pixel(10, 10) == kGrey && s.pixel(89, 39) == kGrey,
                   "the button's corners take the colour around it");
    requireInChild(s.pixel(89, 25) == kLight && s.pixel(40, 10) == kDark,
                   "the button's outline is shaded from the colour around it");

    s.scene.post(WM_MOUSEMOVE, 0, 50, 25);
    s.scene.post(WM_LBUTTONDOWN, MK_LBUTTON, 50, 25);
    requireInChild(s.pixel(16, 34) == RGB(0x40, 0x60, 0x80), "pressed: the face is F - 32");
    s.scene.post(WM_LBUTTONUP, 0, 50, 25);

    TQDappDev::setExtGuiPolicy("", 1);
    s.settle();
    requireInChild(s.pixel(249, 50) != kLight && s.pixel(10, 10) != kGrey,
                   "deselected: the classic frames are back");
    passInChild();
}

void unknownLookScenario()
{
    armWatchdog(90000, "the unknown look scenario hung");
    UserLookFile file("Modern9");
    GreyScene s;
    requireInChild(TQDappDev::getExtGuiPolicySelected() &&
                       TQDappDev::getExtGuiPolicyProc("TQCvbtn::draw") == nullptr,
                   "a look of another name is selected, without procedures");
    auto before = captureWindow(s.scene.hwnd(), 0, 0, 320, 200);
    TQDappDev::setExtGuiPolicy("", 1);
    s.settle();
    auto after = captureWindow(s.scene.hwnd(), 0, 0, 320, 200);
    int same = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 320; ++x)
            same += before->pixel(x, y) == after->pixel(x, y);
    requireInChild(same == 320 * 200, "it draws exactly as the classic look");
    passInChild();
}

// Three rows of 20 in a frame of thickness 2 at (200, 150), 100 wide.
void popupScenario()
{
    armWatchdog(90000, "the Modern1 pop-up frame scenario hung");
    UserLookFile file("Modern1");
    startGuiScenario(TQCguiPolicy::LOOK_B);
    TQCpopupFrame* frame = static_cast<TQCpopupFrame*>(TQCpopupFrame_create(nullptr));
    frame->setPropertyV(_TQNmenuItems(), "Red:1,Green:2,Blue:3");
    frame->setPropertyV(_TQNmenuItemHeight(), static_cast<unsigned short>(20));
    frame->setPropertyV(_TQNshadowThickness(), static_cast<unsigned char>(2));
    frame->setPropertyV(_TQNshadowType(), static_cast<char>(0));
    GuiControlScene::place(frame, 200, 150, 100, 64);
    frame->setVisible(1);
    pumpPendingMessages(kPatience);
    HWND menu = static_cast<TQDwinwinDev*>(frame->getowndev()->cast("TQDwinwinDev"))->getShell();

    long value = 0;
    requireInChild(drawnWithPointerAt(frame, 250, 150 + 2 + 20 + 10, &value) == 1 && value == 2,
                   "the row under the pointer gives the value 2 and is chosen");
    requireInChild(windowPixel(menu, 90, 32) == GetSysColor(COLOR_HIGHLIGHT),
                   "it is filled in the highlight colour");
    auto row = captureWindow(menu, 4, 23, 60, 18);
    requireInChild(row->count(0, 0, 60, 18, GetSysColor(COLOR_HIGHLIGHTTEXT)) > 0,
                   "its text is in the highlight text colour");
    requireInChild(windowPixel(menu, 90, 12) == GetSysColor(COLOR_MENU),
                   "the row above is not highlighted");
    requireInChild(windowPixel(menu, 99, 30) == shifted(COLOR_MENU, +16) &&
                       windowPixel(menu, 0, 30) == shifted(COLOR_MENU, -16),
                   "the flat frame is shaded from the frame's own back colour");
    requireInChild(drawnWithPointerAt(frame, 10, 10, &value) == 0,
                   "the pointer outside: nothing chosen");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(Modern1WindowDeathTest, FramesAreShadedFromTheColourAroundAndGoWithTheLook,
                      framesScenario(), "")

TQ_FRESH_PROCESS_TEST(Modern1WindowDeathTest, AnUnknownLookLeavesTheClassicDrawing,
                      unknownLookScenario(), "")

TQ_FRESH_PROCESS_TEST(Modern1WindowDeathTest, PopupFrameHighlightsAndChoosesTheRowUnderThePointer,
                      popupScenario(), "")
