// The rules the "Modern1" procedures of the controls built on the label
// (button, toggle, radio and option button) share: blinking, sensitivity,
// face, picture and text colours. Block is the control's draw block; every
// one of them has the fields read here under the same names.
#ifndef _TQCMODERN1LABEL_H
#define _TQCMODERN1LABEL_H

#include "_TQCimageSet.h"
#include "_TQClookHook.h"
#include "_TQDdev.h"
#include "_TQGFmodern1.h"
#include "_TQCvlabel.h"

class TQDimage;

// What a procedure decides first, from the block's label part and the
// control.
struct TQCmodern1Label {
    bool blinking;     // blinkFlag and blinkPhase
    bool labelBlinks;  // blinking, and blinkType lets picture and text blink
    bool sensitive;    // sensitive, and in property edit mode sensitive there too
    char code;         // the combined alignment code, 0 to 8
};

TQCmodern1Label modern1Label(TQCvlabel* control, const TQClabelLook& look);

// One drawing of a control: its block, the control, its own device, the
// label rules and its size and frame thickness. The procedures keep what
// they work out on the way in a structure built on it.
template <class Block, class Control>
struct TQCmodern1Drawing {
    explicit TQCmodern1Drawing(void* block)
        : b(*static_cast<const Block*>(block)),
          control(static_cast<Control*>(b.head.instance)),
          dev(b.head.device),
          l(modern1Label(control, b.label)),
          w(b.head.width),
          h(b.head.height),
          t(b.head.shadowThickness)
    {
    }
    // Opens the drawing on the control's area and clears its update marks;
    // false when the device cannot draw now.
    bool open() { return TQGFopenModern1Drawing(b.head, b.head.x, b.head.y); }

    const Block& b;
    Control* control;
    TQDdev* dev;
    TQCmodern1Label l;
    long w, h, t;
};

// A fresh copy of the text (null counts as empty) with every backslash-n
// made a line break, or made vertical.
TQCstring* modern1Text(const char* text, bool vertical);

// The face colour: the back colour, or the fore colour in reverse video;
// their blink colours while blinking with a blinkType other than 0.
template <class Block>
short modern1FaceColor(const Block& b, const TQCmodern1Label& l)
{
    bool blinkFace = l.blinking && b.label.blinkType != 0;
    if (b.reverseFlag == 1)
        return blinkFace ? b.label.blinkColor : b.label.foreColor;
    return blinkFace ? b.backBlinkColor : b.label.backColor;
}

// The text colour: the blink colour in a blinking phase with twinBlink, the
// bottom shadow colour for embossed insensitive text, else the fore colour
// (the back colour in reverse video).
template <class Block>
short modern1TextColor(const Block& b, const TQCmodern1Label& l)
{
    if (l.labelBlinks && b.label.twinBlink)
        return b.reverseFlag == 1 ? b.backBlinkColor : b.label.blinkColor;
    if (b.emboss && !l.sensitive)
        return b.bottomShadowColor;
    return b.reverseFlag == 1 ? b.label.backColor : b.label.foreColor;
}

// The label picture; in a blinking phase the blink picture, shown only with
// twinBlink. Null for none.
template <class Block>
TQDimage* modern1Picture(const Block& b, const TQCmodern1Label& l)
{
    short no = b.labelPixmap;
    if (l.labelBlinks)
        no = b.label.twinBlink ? b.blinkPixmap : -1;
    return no != -1 ? TQGIappImageSet()->getImage(no) : nullptr;
}

// Whether an embossed insensitive label draws its light copy: not while it
// blinks, nor with twinBlink.
template <class Block>
bool modern1EmbossShows(const Block& b, const TQCmodern1Label& l)
{
    return !(b.label.blinkFlag && (l.labelBlinks || b.label.twinBlink));
}

// Whether the text is left out: a blinking phase without twinBlink hides it.
template <class Block>
bool modern1TextHidden(const Block& b, const TQCmodern1Label& l)
{
    return l.labelBlinks && !b.label.twinBlink;
}

// The insensitive look of the toggle and the option button: hatched, or the
// light copy of the text at (x + 1, y + 1) on the back colour; a sensitive
// control clears the hatch. An empty text area draws no copy.
template <class Block>
void modern1Insensitive(TQDdev* dev, const Block& b, const TQCmodern1Label& l, TQCstring* text,
                        long x, long y, long w, long h)
{
    if (l.sensitive) {
        dev->setHatchPattern(0);
        return;
    }
    if (!b.emboss) {
        dev->setHatchPattern(8);
        return;
    }
    dev->setForeColor(b.topShadowColor);
    dev->setBackColor(b.label.backColor);
    if (modern1EmbossShows(b, l) && w > 0 && h > 0)
        dev->drawString(x + 1, y + 1, w, h, text, b.font, l.code, -1, 0, 0, 0);
}

#endif
