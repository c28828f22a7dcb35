// "Modern1" push button: a light-to-dark face gradation, the rounded frame
// whose corners take the colour around the button, a darker face and the
// picture and text a pixel lower while pressed, and the label's own
// features (picture beside the text, emboss, blinking, shortcut, focus).
#include "_TQextguipolicy_tq.h"

#include <memory>

#include "_TQCfontSet.h"
#include "_TQCmodern1Label.h"
#include "_TQCvbtn.h"
#include "_TQDfont.h"
#include "_TQDimage.h"
#include "_TQGFmodern1.h"
#include "_TQGFmodern1Paint.h"

namespace {

// Role colour of the special-focus outline: the 3-D dark shadow.
const short kOutlineRole = -17;
// The face gradation: kind 5 runs top to bottom.
const long kTopToBottom = 5;

// Device alignments across: left, right, centre.
const char kLeft = 0;
const char kRight = 1;
const char kCentre = 2;
// How the text beside a picture is aligned across, by alignment code; for
// codes 3 to 8, where the two lie one above the other, the picture too.
const char kAcross[9] = {kLeft, kRight, kLeft, kCentre, kCentre, kLeft, kLeft, kRight, kRight};

struct Area {
    long x, y, w, h;
};

// One drawing of the button.
struct Button : TQCmodern1Drawing<TQCvbtnDrawBlock, TQCvbtn> {
    using TQCmodern1Drawing::TQCmodern1Drawing;
    long down = 0;  // 1 while pressed: picture and text move down
    short face = 0;
    TQCstring* text = nullptr;
    Area content = {};
    TQDimage* picture = nullptr;
    long pictureWidth = 0;
    long textWidth = 0;
};

// The face without a gradation of the button's own: light to dark, darker
// and flat while pressed, flat without a frame.
void drawModern1Face(Button& d)
{
    TQDdev* dev = d.dev;
    if (d.t != 0 && !d.b.pressed) {
        dev->drawGradation(kTopToBottom, TQGFgetFixedColor(d.face, +32), d.face,
                           TQGFgetFixedColor(d.face, -32), 0, 1, d.w, d.h,
                           static_cast<unsigned char>(2 * d.h / 3 % 256));
        return;
    }
    if (d.t != 0)
        dev->setForeColor(TQGFgetFixedColor(d.face, -32));
    modern1Fill(dev, 0, 0, d.w, d.h);
}

// noBackground keeps the face flat; a gradation of the button's own moves
// down a pixel while pressed.
void drawFace(Button& d)
{
    const TQCvbtnDrawBlock& b = d.b;
    d.dev->setForeColor(d.face);
    if (b.noBackground)
        modern1Fill(d.dev, 0, 0, d.w, d.h);
    if (b.margins.gradation != 0)
        d.dev->drawGradation(b.margins.gradation, b.topShadowColor, b.label.backColor,
                             b.bottomShadowColor, 0, static_cast<short>(d.down), d.w, d.h,
                             static_cast<unsigned char>(b.margins.gradationMargin));
    else if (!b.noBackground)
        drawModern1Face(d);
}

// Inside the frame and the margins; a side the margins leave nothing of is
// one pixel.
Area contentArea(const Button& d)
{
    const TQClabelMargins& m = d.b.margins;
    long w = d.w - 2 * d.t, h = d.h - 2 * d.t;
    long sides = m.marginLeft + m.marginRight, ends = m.marginTop + m.marginBottom;
    return {d.t + m.marginLeft, d.t + m.marginTop, w < sides ? 1 : w - sides,
            h < ends ? 1 : h - ends};
}

// While pressed the push picture stands for the label picture.
TQDimage* buttonPicture(const Button& d)
{
    const TQCvbtnDrawBlock& b = d.b;
    if (!d.l.labelBlinks && b.pressed && b.pushPixmap != -1)
        return TQGIappImageSet()->getImage(b.pushPixmap);
    return modern1Picture(b, d.l);
}

bool besideText(const Button& d)
{
    return d.picture != nullptr && !d.b.pixmapOverlap;
}

// Codes 0 and 1 put the picture at the side, code 2 centres picture and
// text together, the others give each half of the height.
void drawPicture(Button& d)
{
    d.picture = buttonPicture(d);
    d.pictureWidth = d.textWidth = 0;
    if (d.picture == nullptr)
        return;
    d.pictureWidth = d.picture->getImageWidth();
    if (TQDfont* font = TQGIappFontSet()->getFont(d.b.font))
        d.textWidth = font->getStringWidth(d.text);
    const Area& c = d.content;
    long top = c.y + d.down;
    char code = d.l.code;
    if (!besideText(d) || code == 0 || code == 1)
        d.dev->drawImage(c.x, top, c.w, c.h, d.picture, code);
    else if (code == 2)
        d.dev->drawImage(c.x + (c.w - d.textWidth - d.pictureWidth) / 2, top, c.w, c.h,
                         d.picture, kLeft);
    else
        d.dev->drawImage(c.x, code % 2 == 1 ? top + c.h / 2 : top, c.w, c.h / 2, d.picture,
                         kAcross[static_cast<int>(code)]);
}

// Sunk while pressed (the classic In frame), raised and rounded otherwise;
// the special-focus button has it a pixel inside its outline.
void drawFrame(Button& d)
{
    const TQCvbtnDrawBlock& b = d.b;
    if (d.t == 0)
        return;
    bool special = d.control->getSpecialFocus() && b.drawFocusBorder;
    long inset = special ? 1 : 0;
    TQGFdrawModern1BtnShadow(d.dev, d.l.sensitive && b.pressed ? 1 : 0, d.t, b.topShadowColor,
                             b.topShadowColor, b.bottomShadowColor, d.face,
                             TQGFgetParentBackColor(d.control), inset, inset, d.w - 2 * inset,
                             d.h - 2 * inset, 0, b.margins.gradation != 0);
    if (!special)
        return;
    d.dev->setForeColor(kOutlineRole);
    d.dev->setLineDashType(0);
    d.dev->setLineWidth(1);
    modern1Outline(d.dev, 0, 0, d.w, d.h);
}

// Where the text goes beside a picture.
Area textArea(const Button& d, char* align)
{
    Area a = d.content;
    *align = d.l.code;
    if (!besideText(d))
        return a;
    long pw = d.pictureWidth;
    switch (d.l.code) {
    case 0:
        a.x += pw;
        a.w = a.w > pw ? a.w - pw : 0;
        break;
    case 1:
        a.w = a.w > pw ? a.w - pw : 0;
        break;
    case 2:
        a.x += (a.w - d.textWidth - pw) / 2 + pw;
        break;
    default:
        if (d.l.code % 2 == 0)
            a.y += a.h / 2;
        a.h /= 2;
        break;
    }
    *align = kAcross[static_cast<int>(d.l.code)];
    return a;
}

// Hatched or embossed while insensitive, then the text in its colour and
// the dotted focus mark with it; a blinking phase without twinBlink shows
// neither.
void drawLabel(Button& d)
{
    const TQCvbtnDrawBlock& b = d.b;
    TQDdev* dev = d.dev;
    TQCvlabel::underlineShortcut(dev, *d.text, b.shortcut);
    const Area& c = d.content;
    if (!d.l.sensitive && !b.emboss) {
        dev->setHatchPattern(8);
    } else if (!d.l.sensitive && modern1EmbossShows(b, d.l)) {
        dev->setForeColor(b.topShadowColor);
        dev->drawString(c.x + 1, c.y + 1, c.w, c.h, d.text, b.font, d.l.code, -1, 0, 0, 0);
    }
    dev->setForeColor(modern1TextColor(b, d.l));
    if (modern1TextHidden(b, d.l))
        return;
    char align;
    Area a = textArea(d, &align);
    dev->drawString(a.x, a.y + d.down, a.w, a.h, d.text, b.font, align, -1, 0, 0, 0);

    long t = d.t;
    if (!d.control->getFocus() || !b.enableFocusMove || d.w <= 2 * t + 4 || d.h <= 2 * t + 4)
        return;
    dev->setLineWidth(0);
    dev->setLineDashType(8);
    modern1Outline(dev, t + 2, t + 2 + d.down, d.w - 2 * t - 4, d.h - 2 * t - 4);
}

} // namespace

// The button makes its own exposure test; the text is prepared on a fresh
// copy, as the classic drawing does, so the label keeps its text whichever
// look draws it.
void TQCvbtn_draw_mdr1(void* block)
{
    Button d(block);
    const TQCvbtnDrawBlock& b = d.b;
    const TQClookHead& head = b.head;
    if (!d.control->getAbsoluteDraw() &&
        !d.dev->isExposed(head.x, head.y, head.width, head.height, 1))
        return;
    if (b.label.shadowType == -1 && d.l.blinking && !b.label.twinBlink)
        return;
    std::unique_ptr<TQCstring> text(d.control->preparedText(head.shadowThickness));
    if (!d.open())
        return;

    d.down = b.pressed ? 1 : 0;
    d.face = modern1FaceColor(b, d.l);
    d.text = text.get();
    d.content = contentArea(d);
    drawFace(d);
    drawPicture(d);
    drawFrame(d);
    drawLabel(d);
    d.dev->endDraw();
}
