// "Modern1" option button: the face gradation, darker and flat while its
// menu is held open, the rounded frame, the label, and the classic raised
// bar at the right.
#include "_TQextguipolicy_tq.h"

#include <memory>

#include "_TQCmodern1Label.h"
#include "_TQCoption.h"
#include "_TQGFgeometry.h"
#include "_TQGFmodern1.h"
#include "_TQGFmodern1Paint.h"

namespace {

// The bar's room at the right, and its size.
const long kBarRoom = 23;
const long kBarWidth = 15;
const long kBarHeight = 7;
const long kTopToBottom = 5;

// One drawing of an option button.
struct Option : TQCmodern1Drawing<TQCoptionDrawBlock, TQCoption> {
    using TQCmodern1Drawing::TQCmodern1Drawing;
    bool pressed = false;                 // the menu is held open
    long tx = 0, ty = 0, tw = 0, th = 0;  // left of the bar; 0 wide or high when nothing is left
};

void layOut(Option& d)
{
    const TQClabelMargins& m = d.b.margins;
    long sides = m.marginLeft + m.marginRight + kBarRoom + 2 * d.t;
    long ends = m.marginTop + m.marginBottom + 2 * d.t;
    d.tx = d.t + m.marginLeft;
    d.ty = d.t + m.marginTop;
    d.tw = sides < d.w ? d.w - sides : 0;
    d.th = ends < d.h ? d.h - ends : 0;
}

// Fore and back colours of the face: the blink pair in a twin-blinking
// phase, else back and fore colour, exchanged in reverse video.
void setFaceColours(Option& d)
{
    const TQCoptionDrawBlock& b = d.b;
    bool blinkFace = b.label.blinkType != 0 && d.l.blinking && b.label.twinBlink;
    short face = blinkFace ? b.backBlinkColor : b.label.backColor;
    short other = blinkFace ? b.label.blinkColor : b.label.foreColor;
    d.dev->setForeColor(b.reverseFlag == 1 ? other : face);
    d.dev->setBackColor(b.reverseFlag == 1 ? face : other);
}

// The face is shaded from the back colour; a gradation of the button's own
// goes inside the frame.
void drawBackground(Option& d)
{
    const TQCoptionDrawBlock& b = d.b;
    TQDdev* dev = d.dev;
    short back = b.label.backColor;
    if (b.margins.gradation != 0) {
        if (modern1Sized(d.w - 2 * d.t, d.h - 2 * d.t))
            dev->drawGradation(b.margins.gradation, b.topShadowColor, back, b.bottomShadowColor,
                               d.t, d.t, d.w - 2 * d.t, d.h - 2 * d.t,
                               static_cast<unsigned char>(b.margins.gradationMargin));
    } else if (d.t == 0) {
        modern1Fill(dev, 0, 0, d.w, d.h);
    } else if (d.pressed) {
        dev->setForeColor(TQGFgetFixedColor(back, -32));
        modern1Fill(dev, 0, 0, d.w, d.h);
    } else {
        dev->drawGradation(kTopToBottom, TQGFgetFixedColor(back, +32), back,
                           TQGFgetFixedColor(back, -32), 0, 1, d.w, d.h,
                           static_cast<unsigned char>(2 * d.h / 3 % 256));
    }
}

void drawFrame(Option& d)
{
    const TQCoptionDrawBlock& b = d.b;
    if (d.t != 0)
        TQGFdrawModern1BtnShadow(d.dev, d.pressed && d.l.sensitive ? 1 : 0, d.t,
                                 b.label.foreColor, b.topShadowColor, b.bottomShadowColor,
                                 b.label.backColor, TQGFgetParentBackColor(d.control), 0, 0, d.w,
                                 d.h, 0, b.margins.gradation != 0);
}

// No focus frame: the option button takes no keyboard focus of its own.
void drawLabel(Option& d, TQCstring* text)
{
    const TQCoptionDrawBlock& b = d.b;
    TQDdev* dev = d.dev;
    modern1Insensitive(dev, b, d.l, text, d.tx, d.ty, d.tw, d.th);
    dev->setForeColor(modern1TextColor(b, d.l));
    dev->setBackColor(b.reverseFlag == 1 ? b.label.foreColor : b.label.backColor);
    if (d.tw != 0 && d.th != 0 && !modern1TextHidden(b, d.l))
        dev->drawString(d.tx, d.ty, d.tw, d.th, text, b.font, d.l.code, -1, 0, 0, 0);
}

void drawBar(Option& d)
{
    const TQCoptionDrawBlock& b = d.b;
    if (d.t + kBarRoom < d.w)
        TQGFdrawShadow(d.dev, 0, 2, b.label.foreColor, b.topShadowColor, b.bottomShadowColor,
                       b.label.backColor, static_cast<short>(d.w - d.t - kBarRoom),
                       static_cast<short>((d.h - kBarHeight) / 2), kBarWidth, kBarHeight, 0);
}

} // namespace

void TQCoption_draw_mdr1(void* block)
{
    Option d(block);
    const TQCoptionDrawBlock& b = d.b;
    if (!d.open())
        return;
    std::unique_ptr<TQCstring> text(modern1Text(b.labelString, false));

    d.pressed = b.menuPopped != 0;
    layOut(d);
    setFaceColours(d);
    drawBackground(d);
    if (TQDimage* picture = modern1Picture(b, d.l))
        d.dev->drawImage(d.tx, d.ty, d.tw, d.th, picture, d.l.code);
    drawFrame(d);
    drawLabel(d, text.get());
    drawBar(d);
    d.dev->endDraw();
}
