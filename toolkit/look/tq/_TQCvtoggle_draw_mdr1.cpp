// "Modern1" toggle and radio button. Both draw the face, picture and text
// of the label a pixel lower while shown pressed (on without an indicator).
// The toggle adds the rounded frame and a square indicator with a rounded
// frame of its own; the radio has no frame, and its indicator is a shaded
// square with a tick, or a disc in unique mode.
#include "_TQextguipolicy_tq.h"

#include <memory>

#include "_TQCmodern1Label.h"
#include "_TQCvradio.h"
#include "_TQGFmodern1.h"
#include "_TQGFmodern1Paint.h"

namespace {

// Alignment of a picture in the indicator: centred both ways.
const char kCentred = 2;
// The radio square's gradation: kind 4 runs from bottom right to top left.
const long kBottomRightToTopLeft = 4;
// Arc angles of the device: the full circle, and the two halves of the rim
// from their starting angles.
const short kFullCircle = 23040;
const short kHalfCircle = 11520;
const short kLightRimStart = 15360;
const short kDarkRimStart = 3840;

// One drawing of a toggle or radio.
struct Toggle : TQCmodern1Drawing<TQCvtoggleDrawBlock, TQCvtoggle> {
    using TQCmodern1Drawing::TQCmodern1Drawing;
    long down = 0;  // 1 while shown pressed: on without an indicator
    TQCstring* text = nullptr;
    long tx = 0, ty = 0, tw = 0, th = 0;  // picture and text, right of the indicator
    long s = 0, ix = 0, iy = 0;           // the indicator's side and corner
};

// What the frame and the margins leave of a side, less the used length; 1
// when the margins take it all.
long innerLength(long length, long used, long margins)
{
    long inner = length > used ? length - used : 0;
    return inner < margins ? 1 : inner - margins;
}

// Indicator left with half the left margin, centred vertically, at the top
// of a control lower than it.
void layOut(Toggle& d)
{
    const TQClabelMargins& m = d.b.margins;
    long iw = d.b.indicatorOn == 1 ? d.b.indicatorSize : 0;
    d.tx = d.t + m.marginLeft + iw;
    d.ty = d.t + m.marginTop;
    d.tw = innerLength(d.w, iw + 2 * d.t, m.marginLeft + m.marginRight);
    d.th = innerLength(d.h, 2 * d.t, m.marginTop + m.marginBottom);
    d.s = d.b.indicatorSize;
    d.ix = m.marginLeft / 2 + d.t;
    d.iy = d.h < d.s ? 0 : (d.h - d.s) / 2;
}

// The face is flat: a toggle has no face gradation of the look's own.
void drawBackground(Toggle& d)
{
    const TQCvtoggleDrawBlock& b = d.b;
    d.dev->setForeColor(modern1FaceColor(b, d.l));
    if (b.margins.gradation == 0)
        modern1Fill(d.dev, 0, 0, d.w, d.h);
    else
        d.dev->drawGradation(b.margins.gradation, b.topShadowColor, b.label.backColor,
                             b.bottomShadowColor, 0, static_cast<short>(d.down), d.w, d.h,
                             static_cast<unsigned char>(b.margins.gradationMargin));
}

void drawPicture(Toggle& d)
{
    if (TQDimage* picture = modern1Picture(d.b, d.l))
        d.dev->drawImage(d.tx, d.ty + d.down, d.tw, d.th, picture, d.l.code);
}

// Dotted, inside the frame; beside the indicator when there is one.
void drawFocusFrame(Toggle& d)
{
    const TQCvtoggleDrawBlock& b = d.b;
    if (d.control->getFocus() != 1 || b.enableFocusMove != 1)
        return;
    TQDdev* dev = d.dev;
    dev->setLineWidth(1);
    dev->setLineDashType(8);
    long t = d.t, inner = d.h - 2 * t - 4;
    if (d.w <= 2 * t + 4 || inner <= 0)
        return;
    if (b.indicatorOn != 1) {
        modern1Outline(dev, t + 2, t + 2 + d.down, d.w - 2 * t - 4, inner);
        return;
    }
    long half = b.margins.marginLeft / 2;
    long used = half + 4 + b.indicatorSize + 2 * t;
    if (d.w > used)
        modern1Outline(dev, t + half + b.indicatorSize + 2, t + 2, d.w - used, inner);
}

// Shortcut, insensitive look, text and focus frame; an empty text area, or
// a blinking phase without twinBlink, shows no text and no focus frame.
void drawLabel(Toggle& d)
{
    const TQCvtoggleDrawBlock& b = d.b;
    TQDdev* dev = d.dev;
    TQCvlabel::underlineShortcut(dev, *d.text, b.shortcut);
    modern1Insensitive(dev, b, d.l, d.text, d.tx, d.ty, d.tw, d.th);
    dev->setForeColor(modern1TextColor(b, d.l));
    if (d.tw == 0 || d.th == 0 || modern1TextHidden(b, d.l))
        return;
    dev->drawString(d.tx, d.ty + d.down, d.tw, d.th, d.text, b.font, d.l.code, -1, 0, 0, 0);
    drawFocusFrame(d);
}

void drawToggleFrame(Toggle& d)
{
    const TQCvtoggleDrawBlock& b = d.b;
    if (d.t != 0)
        TQGFdrawModern1BtnShadow(d.dev, d.down, d.t, b.label.foreColor, b.topShadowColor,
                                 b.bottomShadowColor, b.label.backColor,
                                 TQGFgetParentBackColor(d.control), 0, 0, d.w, d.h, 0,
                                 b.margins.gradation != 0);
}

void noFrame(Toggle&)
{
}

// The picture or fill of the state, framed unless the type is None: sunk
// for In always and for In/Out while on. A missing picture leaves the fill.
void drawToggleIndicator(Toggle& d)
{
    const TQCvtoggleDrawBlock& b = d.b;
    TQDdev* dev = d.dev;
    bool on = b.status == 1;
    short no = on ? b.selectPixmap : b.indicatorPixmap;
    TQDimage* picture = no != -1 ? TQGIappImageSet()->getImage(no) : nullptr;
    if (picture != nullptr) {
        dev->drawImage(d.ix, d.iy, d.s, d.s, picture, kCentred);
    } else {
        dev->setForeColor(on ? b.selectColor : b.indicatorColor);
        modern1Fill(dev, d.ix, d.iy, d.s, d.s);
    }
    if (b.indicatorType == TQCvtoggle::INDICATOR_NONE)
        return;
    bool sunk = b.indicatorType == TQCvtoggle::INDICATOR_IN ||
                (b.indicatorType == TQCvtoggle::INDICATOR_IN_OUT && on);
    TQGFdrawModern1BtnShadow(dev, sunk ? 1 : 0, b.indicatorShadow, b.label.foreColor,
                             b.topShadowColor, b.bottomShadowColor, b.label.backColor,
                             b.label.backColor, d.ix, d.iy, d.s, d.s, 0,
                             b.margins.gradation != 0);
}

// A square shaded from light at the top left to dark, a tick while on, and
// the flat frame.
void drawRadioSquare(Toggle& d)
{
    const TQCvtoggleDrawBlock& b = d.b;
    TQDdev* dev = d.dev;
    long s = d.s, t = d.t;
    if (modern1Sized(s, s))
        dev->drawGradation(kBottomRightToTopLeft, TQGFgetFixedColor(b.indicatorColor, +32),
                           b.indicatorColor, TQGFgetFixedColor(b.indicatorColor, -32),
                           d.ix, d.iy, s, s, static_cast<unsigned char>(s / 2));
    if (b.status == 1) {
        dev->setForeColor(b.selectColor);
        dev->setLineDashType(0);
        dev->setLineWidth(1);
        long n = s - 2 * t, x = d.ix + t, y = d.iy + t;
        for (long k = 0; k < n / 3; ++k) {
            dev->drawLine(x + n / 8, y + n / 2 + k, x + 3 * n / 8, y + 5 * n / 8 + k);
            dev->drawLine(x + 3 * n / 8, y + 5 * n / 8 + k, x + 7 * n / 8, y + n / 8 + k);
        }
    }
    TQGFdrawModern1Shadow(dev, 1, t, b.label.foreColor, b.topShadowColor, b.bottomShadowColor,
                          b.label.backColor, b.label.backColor, d.ix, d.iy, s, s, 0);
}

// A rim light above and dark below, a ring in the bottom shadow colour, the
// indicator colour inside, and a dot in the select colour while on.
void drawRadioDisc(Toggle& d)
{
    const TQCvtoggleDrawBlock& b = d.b;
    TQDdev* dev = d.dev;
    long s = d.s, t = d.t, x = d.ix, y = d.iy;
    dev->setHatchPattern(0);
    dev->setForeColor(TQGFgetFixedColor(b.label.backColor, +16));
    modern1FillArc(dev, x, y, s, s, kLightRimStart, kHalfCircle);
    dev->setForeColor(TQGFgetFixedColor(b.label.backColor, -16));
    modern1FillArc(dev, x, y, s, s, kDarkRimStart, kHalfCircle);
    dev->setForeColor(b.bottomShadowColor);
    modern1FillArc(dev, x + t - 1, y + t - 1, s - 2 * t + 2, s - 2 * t + 2, 0, kFullCircle);
    dev->setForeColor(b.indicatorColor);
    modern1FillArc(dev, x + t, y + t, s - 2 * t, s - 2 * t, 0, kFullCircle);
    if (b.status != 1)
        return;
    dev->setForeColor(b.selectColor);
    modern1FillArc(dev, x + 2 * t, y + 2 * t, s - 4 * t, s - 4 * t, 0, kFullCircle);
}

void drawRadioIndicator(Toggle& d)
{
    if (d.b.unique)
        drawRadioDisc(d);
    else
        drawRadioSquare(d);
}

// What the toggle and the radio share: no exposure test and no blink exit
// of its own; the frame and the indicator are the class's.
void drawToggleLike(void* block, void (*drawFrame)(Toggle&), void (*drawIndicator)(Toggle&))
{
    Toggle d(block);
    const TQCvtoggleDrawBlock& b = d.b;
    bool selected = b.status != 0 && b.selectString != nullptr && b.selectString[0] != '\0';
    std::unique_ptr<TQCstring> text(
        modern1Text(selected ? b.selectString : b.labelString, b.orientation == 1));
    if (!d.open())
        return;

    d.down = b.status == 1 && b.indicatorOn == 0 ? 1 : 0;
    d.text = text.get();
    layOut(d);
    drawBackground(d);
    drawPicture(d);
    drawFrame(d);
    drawLabel(d);
    if (b.indicatorOn == 1)
        drawIndicator(d);
    d.dev->endDraw();
}

} // namespace

void TQCvtoggle_draw_mdr1(void* block)
{
    drawToggleLike(block, drawToggleFrame, drawToggleIndicator);
}

void TQCvradio_draw_mdr1(void* block)
{
    drawToggleLike(block, noFrame, drawRadioIndicator);
}
