// Labels, a push button and a slider on a form in a top-level window, on the
// real devices under Xvfb: posted mouse and key messages press, leave and
// activate, a held track press repeats in real time, and the pixels read
// back show frames, backgrounds, text and a picture from a PNG file. Colours
// and widths come from the system and the font set. Each scenario runs in a
// process of its own.
#include "FreshProcess.h"
#include "GuiControlScene.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "TempDir.h"
#include "_TQCcolorSet.h"
#include "_TQCfontSet.h"
#include "_TQCvbtn.h"
#include "_TQCvslider.h"
#include "_TQCwindow.h"
#include "_TQGFimage.h"
#include "_TQGFtrigger.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_log;

void logActivate(TQCbase* object)
{
    g_log.push_back(std::string(object->getInstanceName()) + " activate");
}

// The button's left frame column, a pixel inside the special-focus outline.
const int kFrameX = 11;
const int kFrameY = 20;

TQCvbtn* saveButton(GuiControlScene& scene)
{
    TQCvbtn* button = scene.add<TQCvbtn>("b", 10, 10, 80, 24);
    button->setPropertyV(_TQNlabelString(), "Save");
    button->addProcedureV("a", "logActivate", logActivate, TQEV_ACTIVATE);
    return button;
}

void mouseScenario()
{
    armWatchdog(30000, "the button mouse scenario hung");
    GuiControlScene scene;
    saveButton(scene);
    scene.show();
    const COLORREF raised = GetSysColor(COLOR_3DHIGHLIGHT);
    const COLORREF sunken = GetSysColor(COLOR_BTNSHADOW);

    scene.post(WM_MOUSEMOVE, 0, 20, 20);
    scene.post(WM_LBUTTONDOWN, MK_LBUTTON, 20, 20);
    requireInChild(scene.pixel(kFrameX, kFrameY) == sunken, "pressed: the sunken frame");
    requireInChild(scene.pixel(kFrameX - 1, kFrameY) == GetSysColor(COLOR_3DDKSHADOW),
                   "the special-focus outline in the dark shadow");
    scene.post(WM_MOUSEMOVE, MK_LBUTTON, 200, 100);
    requireInChild(scene.pixel(kFrameX, kFrameY) == raised, "left: raised again at once");
    scene.post(WM_MOUSEMOVE, MK_LBUTTON, 20, 20);
    scene.post(WM_LBUTTONUP, 0, 20, 20);
    requireInChild(g_log.empty(), "press, leave, return, release: no ACTIVATE");

    scene.post(WM_LBUTTONDOWN, MK_LBUTTON, 20, 20);
    scene.post(WM_LBUTTONUP, 0, 20, 20);
    requireInChild(g_log == std::vector<std::string>{"b activate"}, "press, release: one ACTIVATE");
    requireInChild(scene.pixel(kFrameX, kFrameY) == raised, "raised after the release");
    passInChild();
}

void keyScenario()
{
    armWatchdog(30000, "the button key scenario hung");
    GuiControlScene scene;
    TQCvbtn* button = saveButton(scene);
    button->setPropertyV(_TQNshortcut(), "Save");
    scene.show();
    button->setFocus(1);
    requireInChild(TQGFgetActiveWindow() == scene.window, "the window is the active one");

    scene.hold({VK_MENU}, true);
    scene.post(WM_SYSKEYDOWN, 'S', 0x00000001);
    scene.post(WM_SYSKEYUP, 'S', 0xC0000001);
    scene.hold({VK_MENU}, false);
    requireInChild(g_log == std::vector<std::string>{"b activate"}, "Alt+S activates");

    g_log.clear();
    scene.post(WM_KEYDOWN, VK_RETURN, 0x00000001);
    requireInChild(scene.pixel(kFrameX, kFrameY) == GetSysColor(COLOR_BTNSHADOW) && g_log.empty(),
                   "Return down: pressed, not yet activated");
    scene.post(WM_KEYUP, VK_RETURN, 0xC0000001);
    requireInChild(g_log == std::vector<std::string>{"b activate"}, "Return up activates");
    passInChild();
}

// A PNG of 8 x 8 blue pixels.
std::string bluePicture(const TempDir& dir)
{
    std::string path = dir.file("blue.png");
    requireInChild(writeSolidPng(path.c_str(), 8, 8, RGB(0, 0, 255)), "the picture is written");
    return path;
}

void labelScenario()
{
    armWatchdog(30000, "the label scenario hung");
    TempDir dir;
    GuiControlScene scene;
    TQCvlabel* red = scene.add<TQCvlabel>("red", 100, 10, 60, 30);
    red->setPropertyV(_TQNbackColor(), TQGIappColorSet()->getColorNo("#ff0000"));
    TQCvlabel* picture = scene.add<TQCvlabel>("picture", 170, 10, 60, 30);
    picture->setPropertyV(_TQNlabelPixmap(), TQGFimage(bluePicture(dir).c_str()));
    TQCvlabel* text = scene.add<TQCvlabel>("text", 100, 50, 120, 30);
    text->setPropertyV(_TQNlabelString(), "Save");
    scene.show();

    requireInChild(scene.pixel(130, 25) == RGB(255, 0, 0) && scene.pixel(100, 10) != RGB(255, 0, 0),
                   "the background inside the frame, the frame around it");
    requireInChild(scene.pixel(200, 25) == RGB(0, 0, 255) &&
                       scene.pixel(176, 25) == GetSysColor(COLOR_BTNFACE),
                   "the picture centred in the label's face");

    // The text lies within the width the font set gives it, centred.
    long width = TQGIappFontSet()->getStringWidth(0, "Save", -2);
    long left = 100 + 4 + (112 - width) / 2;
    auto shot = captureWindow(scene.hwnd(), 100, 50, 120, 30);
    COLORREF ink = GetSysColor(COLOR_BTNTEXT);
    int inside = shot->count(left - 100 - 1, 4, width + 2, 22, ink);
    int all = shot->count(4, 4, 112, 22, ink);
    requireInChild(width > 0 && inside > 0 && inside == all, "the text within its width");
    passInChild();
}

void sliderScenario()
{
    armWatchdog(30000, "the slider scenario hung");
    GuiControlScene scene;
    TQCvslider* slider = scene.add<TQCvslider>("s", 10, 100, 200, 20);
    slider->addProcedureV("a", "logActivate", logActivate, TQEV_ACTIVATE);
    scene.show();
    auto value = [slider] { return slider->getProperty(_TQNvalue()).getLong(); };

    scene.post(WM_MOUSEMOVE, 0, 110, 110);
    scene.post(WM_LBUTTONDOWN, MK_LBUTTON, 110, 110);
    requireInChild(value() == 30, "the press steps at once");
    requireInChild(pumpMessagesUntil([&value] { return value() >= 120; }, 20000),
                   "held, the press repeats");
    scene.post(WM_LBUTTONUP, 0, 110, 110);
    long released = value();
    pumpMessagesFor(600);
    requireInChild(value() == released, "the release stops the repeat");
    requireInChild(g_log == std::vector<std::string>{"s activate"}, "one ACTIVATE");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(ControlsOnWindowDeathTest, ButtonPressedByTheMouseActivatesOnlyWhenNotLeft,
                      mouseScenario(), "")

TQ_FRESH_PROCESS_TEST(ControlsOnWindowDeathTest, ButtonTakesItsAltShortcutAndReturn,
                      keyScenario(), "")

TQ_FRESH_PROCESS_TEST(ControlsOnWindowDeathTest, LabelsShowBackgroundPictureAndTextOnTheWindow,
                      labelScenario(), "")

TQ_FRESH_PROCESS_TEST(ControlsOnWindowDeathTest, HeldTrackPressRepeatsInRealTimeUntilRelease,
                      sliderScenario(), "")
