// "Modern1" menu title: flat text on the title's colour, without frame or
// gradation; the title of the open menu is filled with the highlight and
// its text drawn in the highlight's text colour.
#include "_TQextguipolicy_tqc.h"

#include <memory>

#include "_TQCcolorSet.h"
#include "_TQCmodern1Label.h"
#include "_TQCpulldownMenu.h"

namespace {

// The menu role colour, which the title paints as the first role colour.
const short kMenuRole = -5;
const short kFirstRole = -1;
const long kHighlightRole = -7;
const long kHighlightTextRole = -18;
const long kBlinkBackOnly = 1;

struct Title : TQCmodern1Drawing<TQCpulldownMenuDrawBlock, TQCpulldownMenu> {
    using TQCmodern1Drawing::TQCmodern1Drawing;
    std::unique_ptr<TQCstring> text;
    long underline = -1;
    long tx = 0, ty = 0, tw = 0, th = 0;  // 0 wide or high when the margins leave nothing
};

// Out of the blink phase, without twinBlink, the text is not drawn.
bool textOff(const Title& d)
{
    const TQClabelLook& l = d.b.label;
    return l.blinkFlag && !l.blinkPhase && l.blinkType != kBlinkBackOnly && !l.twinBlink;
}

void drawBackground(const Title& d)
{
    const TQCpulldownMenuDrawBlock& b = d.b;
    if (d.w == 0 || d.h == 0)
        return;
    bool blinkBack = b.label.blinkType != 0 && d.l.blinking && b.label.twinBlink;
    short face = blinkBack ? b.backBlinkColor : b.label.backColor;
    short other = blinkBack ? b.label.blinkColor : b.label.foreColor;
    d.dev->setForeColor(b.reverseFlag ? other : face);
    d.dev->drawFillRect(0, 0, b.head.width, b.head.height);
    if (!b.popupOpen)
        return;
    d.dev->setForeColor(TQGIappColorSet()->getDefaultColorNo(kHighlightRole));
    d.dev->drawFillRect(0, 0, b.head.width, b.head.height);
}

void layOut(Title& d)
{
    const TQClabelMargins& m = d.b.margins;
    d.tx = m.marginLeft;
    d.ty = m.marginTop;
    d.tw = d.w > m.marginLeft + m.marginRight ? d.w - m.marginLeft - m.marginRight : 0;
    d.th = d.h > m.marginTop + m.marginBottom ? d.h - m.marginTop - m.marginBottom : 0;
}

void drawString(const Title& d, long x, long y)
{
    d.dev->setUnderLineChar(d.underline >= 0 ? d.underline : 0, d.underline >= 0 ? 1 : 0);
    d.dev->drawString(x, y, d.tw, d.th, d.text.get(), d.b.font, d.l.code, -1, 0, 0, 0);
}

// Hatched, or embossed: a light copy a pixel right and down, left out while
// the title blinks with twinBlink or is out of its blink phase.
void drawInsensitive(const Title& d)
{
    const TQCpulldownMenuDrawBlock& b = d.b;
    if (d.l.sensitive) {
        d.dev->setHatchPattern(0);
        return;
    }
    if (!b.emboss) {
        d.dev->setHatchPattern(8);
        return;
    }
    d.dev->setForeColor(b.topShadowColor);
    d.dev->setBackColor(b.label.backColor);
    bool copyLeftOut = b.label.blinkFlag &&
                       (b.label.twinBlink ||
                        (!b.label.blinkPhase && b.label.blinkType != kBlinkBackOnly));
    if (!copyLeftOut)
        drawString(d, d.tx + 1, d.ty + 1);
}

void drawText(const Title& d)
{
    const TQCpulldownMenuDrawBlock& b = d.b;
    short fore = modern1TextColor(b, d.l);
    if (b.popupOpen)
        fore = TQGIappColorSet()->getDefaultColorNo(kHighlightTextRole);
    d.dev->setForeColor(fore);
    d.dev->setBackColor(b.reverseFlag ? b.label.foreColor : b.label.backColor);
    if (!textOff(d))
        drawString(d, d.tx, d.ty);
}

} // namespace

// The title draws on the menu bar's device at its own place. The menu role
// colour is painted as the first role colour throughout.
void TQCpulldownMenu_draw_mdr1(void* block)
{
    TQCpulldownMenuDrawBlock b = *static_cast<TQCpulldownMenuDrawBlock*>(block);
    if (b.label.backColor == kMenuRole)
        b.label.backColor = kFirstRole;
    Title d(&b);
    if (!d.open())
        return;
    d.text.reset(modern1Text(b.labelString, false));
    d.underline = TQCvlabel::shortcutPosition(*d.text, b.shortcut);
    drawBackground(d);
    layOut(d);
    drawInsensitive(d);
    drawText(d);
    d.dev->endDraw();
}
