// The titled frame form on a real window under Xvfb: the frame set in by
// half the title's height, the title box over its top edge, the title kept
// as the form's own copy, and the edit-mode dots inside the area drawn. The scenario runs in a process of its own.
#include "FreshProcess.h"
#include "GuiControlScene.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "_TQCbaseList.h"
#include "_TQCcolorSet.h"
#include "_TQCfontSet.h"
#include "_TQCstring.h"
#include "_TQCtform.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

const DWORD kPatience = 5000;
const COLORREF kYellow = RGB(255, 255, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const int kWidth = 200;
const int kHeight = 120;

// A frame 200 x 120 in yellow, its shadows red and blue, its text black.
TQCtform* paintedFrame(TQCbase* parent)
{
    TQCtform* frame = new TQCtform(parent, "tf");
    frame->initialize();
    GuiControlScene::place(frame, 10, 10, kWidth, kHeight);
    TQCcolorSet* colours = TQGIappColorSet();
    frame->setPropertyV(_TQNbackColor(), colours->getColorNo("#ffff00"));
    frame->setPropertyV(_TQNtopShadowColor(), colours->getColorNo("#ff0000"));
    frame->setPropertyV(_TQNbottomShadowColor(), colours->getColorNo("#0000ff"));
    frame->setPropertyV(_TQNforeColor(), colours->getColorNo("#000000"));
    frame->setVisible(1);
    return frame;
}

std::unique_ptr<DibSurface> shot(TQCtform* frame)
{
    TQGIappObjectList()->execUpdate();
    pumpPendingMessages(kPatience);
    return captureWindow(formWindowOf(frame), 0, 0, kWidth, kHeight);
}

bool shadowAt(const DibSurface& s, int x, int y)
{
    return s.pixel(x, y) == kRed || s.pixel(x, y) == kBlue;
}

void titledScenario()
{
    GuiControlScene scene(50, 60, 240, 160);
    TQCtform* frame = paintedFrame(scene.form);
    requireInChild(frame->getProperty(_TQNshadowType()).getLong() == 3,
                   "a titled frame is etched in by default");
    unsigned char font = 0;
    frame->getPropertyV(_TQNfont(), &font);
    frame->setPropertyV(_TQNfont(), static_cast<unsigned char>(17));
    requireInChild(frame->getProperty(_TQNfont()).getLong() == 1, "font 17 is kept as 1");
    frame->setPropertyV(_TQNfont(), font);

    char title[] = "Group";
    frame->setPropertyV(_TQNtitleString(), title);
    std::strcpy(title, "Xxxxx");
    requireInChild(std::strcmp(TQCstring(frame->getProperty(_TQNtitleString())).getString(),
                               "Group") == 0,
                   "the form keeps its own copy of the title");
    scene.show();

    TQCstring text(" Group ");
    long tw = TQGIappFontSet()->getStringWidth(font, &text);
    long th = TQGIappFontSet()->getStringHeight(font, &text);
    int half = static_cast<int>(th / 2);
    requireInChild(th > 8 && th + tw + 10 < kWidth, "the scene has a font of usable size");
    auto s = shot(frame);
    requireInChild(shadowAt(*s, half, 60) && s->pixel(half - 1, 60) == kYellow,
                   "the left edge of the frame lies at th / 2");
    requireInChild(shadowAt(*s, kWidth - 1, 60) && shadowAt(*s, 100, kHeight - 1),
                   "the right and bottom edges lie on the form's edges");
    requireInChild(shadowAt(*s, th + tw + 4, half) && s->pixel(th + 1, half) == kYellow,
                   "the top edge lies at th / 2, broken by the title box at th");
    requireInChild(s->count(static_cast<int>(th), 1, static_cast<int>(tw), static_cast<int>(th),
                            kBlack) > 10,
                   "the title is written in its box");

    frame->setPropertyV(_TQNtitleString(), "");
    TQCstring blanks("  ");
    long emptyWidth = TQGIappFontSet()->getStringWidth(font, &blanks);
    s = shot(frame);
    requireInChild(s->pixel(th + 1, half) == kYellow &&
                       shadowAt(*s, static_cast<int>(th + emptyWidth + 2), half),
                   "an empty title still breaks the frame with two blanks' width");

    frame->setPropertyEditMode(1);
    frame->redraw();
    s = shot(frame);
    requireInChild(s->pixel(10, 30) == kBlack && s->pixel(150, 10) == kBlack,
                   "in edit mode the dots are drawn every ten pixels");
    requireInChild(s->pixel(0, 30) == kYellow && s->pixel(150, 0) == kYellow,
                   "but none on the first column or the first row");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(TitledFrameOnWindowDeathTest, FrameIsSetInAndBrokenByItsTitle,
                      titledScenario(), "")
