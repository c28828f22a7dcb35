// The titled frame form on a real window under Xvfb: the frame set in by
// half the title's height, the title box over its top edge, the title kept
// as the form's own copy, and the edit-mode dots inside the area drawn.
#include "FreshProcess.h"
#include "GuiControlScene.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "_TQCbaseList.h"
#include "_TQCcolorSet.h"
#include "_TQCfontSet.h"
#include "_TQCtform.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

namespace {

const COLORREF kYellow = RGB(255, 255, 0);
const COLORREF kBlack = RGB(0, 0, 0);

// The frame's window, 200 x 120, once the updates and messages are done.
std::unique_ptr<DibSurface> shot(TQCtform* frame)
{
    TQGIappObjectList()->execUpdate();
    pumpPendingMessages(5000);
    return captureWindow(formWindowOf(frame), 0, 0, 200, 120);
}

// A shadow in red or blue, on yellow; the title in black.
bool shadowAt(const DibSurface& s, long x, long y)
{
    COLORREF c = s.pixel(static_cast<int>(x), static_cast<int>(y));
    return c == RGB(255, 0, 0) || c == RGB(0, 0, 255);
}

void titledScenario()
{
    GuiControlScene scene(50, 60, 240, 160);
    TQCtform* frame = scene.add<TQCtform>("tf", 10, 10, 200, 120);
    const std::pair<const char*, const char*> colours[] = {{_TQNbackColor(), "#ffff00"},
                                                           {_TQNtopShadowColor(), "#ff0000"},
                                                           {_TQNbottomShadowColor(), "#0000ff"},
                                                           {_TQNforeColor(), "#000000"}};
    for (auto [name, colour] : colours)
        frame->setPropertyV(name, TQGIappColorSet()->getColorNo(colour));
    requireInChild(frame->getProperty(_TQNshadowType()).getLong() == 3, "etched in by default");
    unsigned char font = 0;
    frame->getPropertyV(_TQNfont(), &font);
    frame->setPropertyV(_TQNfont(), static_cast<unsigned char>(17));
    long font17 = frame->getProperty(_TQNfont()).getLong();
    frame->setPropertyV(_TQNfont(), font);
    char title[] = "Group", *kept = nullptr;
    frame->setPropertyV(_TQNtitleString(), title);
    std::strcpy(title, "Xxxxx");
    frame->getPropertyV(_TQNtitleString(), &kept);
    requireInChild(font17 == 1 && std::strcmp(kept, "Group") == 0,
                   "font 17 is kept as 1, and the title as the form's own copy");
    scene.show();

    TQCstring text(" Group ");
    long tw = TQGIappFontSet()->getStringWidth(font, &text);
    long th = TQGIappFontSet()->getStringHeight(font, &text);
    long half = th / 2;
    requireInChild(th > 8 && th + tw + 10 < 200, "the scene's font is of a usable size");
    auto s = shot(frame);
    requireInChild(shadowAt(*s, half, 60) && s->pixel(half - 1, 60) == kYellow &&
                       shadowAt(*s, 199, 60) && shadowAt(*s, 100, 119),
                   "the frame runs from th / 2 on the left to the right and bottom edges");
    requireInChild(shadowAt(*s, th + tw + 4, half) && s->pixel(th + 1, half) == kYellow,
                   "its top edge lies at th / 2, broken by the title box at th");
    requireInChild(s->count(th, 1, tw, th, kBlack) > 10, "the title is written in its box");

    frame->setPropertyV(_TQNtitleString(), "");
    TQCstring blanks("  ");
    long blanksWidth = TQGIappFontSet()->getStringWidth(font, &blanks);
    s = shot(frame);
    requireInChild(s->pixel(th + 1, half) == kYellow && shadowAt(*s, th + blanksWidth + 2, half),
                   "an empty title still breaks the frame by two blanks");

    frame->setPropertyEditMode(1);
    frame->redraw();
    s = shot(frame);
    requireInChild(s->pixel(10, 30) == kBlack && s->pixel(150, 10) == kBlack &&
                       s->pixel(0, 30) == kYellow && s->pixel(150, 0) == kYellow,
                   "edit-mode dots every ten pixels, none on the first column or row");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(TitledFrameOnWindowDeathTest, FrameIsSetInAndBrokenByItsTitle,
                      titledScenario(), "")
