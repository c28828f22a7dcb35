// The channel chooser in a real top-level window under Xvfb: presses posted
// to its radio toggles change its value and run its VALUE_CH procedures
// once, and its frame and title are drawn through GDI; in a modal dialog,
// posted clicks choose a channel and answer OK. Each scenario runs in a
// process of its own.
#include "DialogScript.h"
#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "_TQCfontSet.h"
#include "_TQCguiPolicy.h"
#include "_TQCdialog.h"
#include "_TQCradioGroup.h"
#include "_TQCvbtn.h"
#include "_TQCwindow.h"
#include "_TQGFgeometry.h"
#include "_TQGFtrigger.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const DWORD kPatience = 5000;

std::vector<std::string> g_log;

void logValue(TQCbase* group)
{
    g_log.push_back("value " + std::to_string(group->getProperty("value").getLong()));
}

// A press and release posted to the group's window in the middle of the
// left part of toggle n, then every message they lead to.
void click(TQCradioGroup* group, short n)
{
    TQCbase* toggle = group->getItem(n);
    long x = toggle->getProperty("x").getLong() + 20;
    long y = toggle->getProperty("y").getLong() + toggle->getProperty("height").getLong() / 2;
    HWND hwnd = formWindowOf(group);
    postInput(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    postInput(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    postInput(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    pumpPendingMessages(kPatience);
}

void clickScenario()
{
    armWatchdog(30000, "the radio group scenario hung");
    startGuiScenario(TQCguiPolicy::LOOK_B);
    TQCwindow* window = makeToolkitWindow("w", 50, 60, 300, 90);
    TQCradioGroup* group = new TQCradioGroup(window, "newradi_002");
    group->initialize();
    group->setPropertyV("menuItems", "Left Channel,Right Channel");
    group->setPropertyV("titleString", "Select Channel");
    group->setProperty("value", TQCvariant(1L));
    TQGFsetGeometry(group, 0, 0, 283, 70);
    group->addProcedureV("v", "logValue", logValue, TQEV_VALUE_CH);
    group->setVisible(1);
    requireInChild(showAndPaint(window), "the window is painted");
    const char* title = " Select Channel ";
    short font = static_cast<short>(group->getProperty("font").getLong());
    int th = static_cast<int>(TQGIappFontSet()->getStringHeight(font, title, -2));
    int tw = static_cast<int>(TQGIappFontSet()->getStringWidth(font, title, -2));
    auto shot = captureWindow(formWindowOf(group), 0, 0, 283, 70);
    COLORREF frame = shot->pixel(th / 2 + 2, th / 2);
    requireInChild(th > 0 && frame != shot->pixel(th / 2 + 4, th / 2 + 4),
                   "the frame's top edge at half the title height");
    requireInChild(shot->count(th, th / 2, tw, 1, frame) == 0 &&
                       shot->pixel(th + tw + 2, th / 2) == frame,
                   "the title's box breaks it");
    requireInChild(shot->count(th, 1, tw, th, RGB(0, 0, 0)) > 0, "the title is written in it");

    click(group, 1);
    requireInChild(group->getProperty("value").getLong() == 2 &&
                       g_log == std::vector<std::string>{"value 2"},
                   "a click on the right channel: value 2, told once");
    click(group, 1);
    requireInChild(g_log.size() == 1, "a second click tells nothing");
    passInChild();
}

// The answer hides the dialog, as the program's channel dialog does.
void hideOnAnswer(TQCbase* dialog)
{
    dialog->setVisible(0);
}

void channelDialogScenario()
{
    armWatchdog(30000, "the channel dialog scenario hung");
    startGuiScenario(TQCguiPolicy::LOOK_B);
    TQCdialog* dialog = new TQCdialog(nullptr, "newdial_001");
    dialog->initialize();
    TQGFsetGeometry(dialog, 100, 100, 300, 150);
    dialog->addProcedureV("answer", "hideOnAnswer", hideOnAnswer, TQEV_ACTIVATE);
    TQCradioGroup* group = new TQCradioGroup(dialog, "newradi_002");
    group->initialize();
    group->setPropertyV("menuItems", "Left Channel,Right Channel");
    group->setProperty("value", TQCvariant(1L));
    TQGFsetGeometry(group, 5, 5, 283, 70);
    group->setVisible(1);
    DialogScript user(dialog);
    user.click(group->getItem(1), 300);
    user.click(dialog->getOkButton(), 600);
    long answer = dialog->popup();
    requireInChild(!user.watchdogFired(), "the posted clicks ended the modal loop");
    requireInChild(answer == 1, "OK: popup() answers 1");
    requireInChild(group->getProperty("value").getLong() == 2, "the right channel is chosen");
    std::fprintf(stderr, "scenario done\n");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(RadioGroupOnWindowDeathTest,
                      ChannelChosenInAModalDialogAnsweredByPostedClicks,
                      channelDialogScenario(), "scenario done")

TQ_FRESH_PROCESS_TEST(RadioGroupOnWindowDeathTest, PostedClicksChooseTheOtherChannelOnce,
                      clickScenario(), "")
