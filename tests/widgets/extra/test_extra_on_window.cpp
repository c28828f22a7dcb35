// The image widget and the balloon-help component on a real window under
// Xvfb: a picture read from a PNG file fills exactly its fitted place, and
// the component binds its client at the application's balloon once the
// client's name is known. The scenario runs in a process of its own.
#include "FreshProcess.h"
#include "GuiControlScene.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "TempDir.h"
#include "_TQCballoonHelp.h"
#include "_TQCvballoonHelp.h"
#include "_TQCvimage.h"
#include "_TQCvlabel.h"
#include "_TQGFimage.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const COLORREF kRed = RGB(255, 0, 0);

bool captionIs(TQCvballoonHelp* help, const char* text)
{
    return std::strcmp(help->getTitleString(), text) == 0;
}

// The text the balloon keeps for a registered client.
std::string helpText(TQCbase* client)
{
    const char* text = static_cast<const char*>(client->getUserData("TQBH-TITLE"));
    return text != nullptr ? text : "(not registered)";
}

void extraScenario()
{
    armWatchdog(30000, "the extra widgets scenario hung");
    TempDir dir;
    std::string path = dir.file("red.png");
    requireInChild(writeSolidPng(path.c_str(), 200, 100, kRed), "the picture is written");
    GuiControlScene scene;
    TQCvimage* image = scene.add<TQCvimage>("i", 10, 10, 100, 80);
    image->setPropertyV(_TQNlabelPixmap(), TQGFimage(path.c_str()));
    scene.show();
    auto shot = captureWindow(scene.hwnd(), 10, 10, 100, 80);
    requireInChild(shot->count(0, 0, 100, 80, kRed) == 92 * 46 &&
                       shot->count(4, 17, 92, 46, kRed) == 92 * 46,
                   "fitted, the picture fills exactly (4, 17)-(95, 62)");

    TQCvlabel* label = scene.add<TQCvlabel>("help-me", 150, 10, 80, 30);
    TQCvballoonHelp* help = scene.add<TQCvballoonHelp>("h", 0, 0, 20, 20);
    help->setPropertyV(_TQNlabelString(), "Saves the file");
    help->setPropertyV(_TQNclient(), "nobody");
    requireInChild(captionIs(help, "b-help\nclient: none") && helpText(label) == "(not registered)",
                   "an unknown client: nothing bound");
    help->setPropertyV(_TQNclient(), "help-me");
    requireInChild(captionIs(help, "b-help\nclient:help-me") && helpText(label) == "Saves the file",
                   "the text set before the client is registered with it");
    help->setPropertyV(_TQNlabelString(), "Saves it");
    requireInChild(helpText(label) == "Saves it", "a new text replaces the balloon's");
    help->setPropertyV(_TQNlabelString(), static_cast<const char*>(nullptr));
    requireInChild(helpText(label).empty(), "no text registers the empty one");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(ExtraOnWindowDeathTest, PictureFillsItsFittedPlaceAndHelpBindsItsClient,
                      extraScenario(), "")
