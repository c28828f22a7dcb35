// "Modern1" scroll bar: a flat trough, and begin, end and arrow buttons and
// a knob shaded from the bar's back colour, light at the top (the left of a
// vertical bar) and dark at the bottom; a pressed button is flat and dark.
#include "_TQextguipolicy_tqc.h"

#include <algorithm>
#include <cmath>

#include "_TQCimageSet.h"
#include "_TQCvscrBar.h"
#include "_TQGFgeometry.h"
#include "_TQGFmodern1.h"
#include "_TQGFmodern1Paint.h"

namespace {

const long kSurround = 1;
const long kTopToBottom = 5;
const long kLeftToRight = 7;
const long kShade = 32;
// Below this length the knob is drawn this long.
const long kShortestKnob = 10;

struct Rect {
    long x, y, w, h;
};

// One drawing of a bar. Places are given along the bar (from its begin
// end) and across it, and turned into x and y for its orientation.
struct Bar {
    const TQCvscrBarDrawBlock& b;
    TQDdev* dev;
    bool vertical;
    long along, across, t;
    long half, whole;  // a button's painted half and whole lengths, never 0
    short light, dark;
    unsigned char margin;

    Rect place(long at, long length, long from, long breadth) const
    {
        return vertical ? Rect{from, at, breadth, length} : Rect{at, from, length, breadth};
    }
};

unsigned short extent(long length)
{
    return static_cast<unsigned short>(std::min(std::max(length, 0L), 0xFFFFL));
}

void drawTrough(const TQCvscrBarDrawBlock& b, TQDdev* dev)
{
    long w = b.head.width, h = b.head.height;
    dev->setForeColor(b.barShadowColor);
    if (b.gradation == 0)
        modern1Fill(dev, 0, 0, w, h);
    else
        dev->drawGradation(kSurround, b.topShadowColor, b.backColor, b.bottomShadowColor,
                           static_cast<short>(-(w / 2)), static_cast<short>(-(h / 2)),
                           extent(2 * w), extent(2 * h), 0);
    if (b.backPixmap == -1)
        return;
    if (TQDimage* image = TQGIappImageSet()->getImage(b.backPixmap))
        dev->drawImage(0, 0, 0, 0, b.head.width, b.head.height, image);
}

// Pressed: flat and dark; otherwise the shaded face.
void paintPart(const Bar& d, const Rect& r, bool pressed)
{
    if (pressed) {
        d.dev->setForeColor(d.dark);
        modern1Fill(d.dev, r.x, r.y, r.w, r.h);
        return;
    }
    d.dev->setForeColor(d.b.backColor);
    if (modern1Sized(r.w, r.h))
        d.dev->drawGradation(d.vertical ? kLeftToRight : kTopToBottom, d.light, d.b.backColor,
                             d.dark, static_cast<short>(r.x), static_cast<short>(r.y),
                             extent(r.w), extent(r.h), d.margin);
}

void framePart(const Bar& d, const Rect& r, bool pressed)
{
    const TQCvscrBarDrawBlock& b = d.b;
    TQGFdrawModern1Shadow(d.dev, pressed ? TQSHADOW_IN : TQSHADOW_OUT, extent(d.t), b.foreColor,
                          b.topShadowColor, b.bottomShadowColor, b.backColor, b.backColor,
                          static_cast<short>(r.x), static_cast<short>(r.y), extent(r.w),
                          extent(r.h), 0);
}

void drawButton(const Bar& d, long at, long painted, long framed, unsigned char part)
{
    bool pressed = d.b.pressedPart == part;
    paintPart(d, d.place(at, painted, 0, d.whole), pressed);
    framePart(d, d.place(at, framed, 0, d.across), pressed);
}

// A button a whole thickness long with a flat arrow in its middle half.
void drawArrowButton(const Bar& d, long at, unsigned char part, char direction)
{
    drawButton(d, at, d.whole, d.across, part);
    long quarter = d.across / 4, size = d.across / 2;
    Rect r = d.place(at + quarter, size, quarter, size);
    const TQCvscrBarDrawBlock& b = d.b;
    TQGFdrawArrow(d.dev, 1, extent(2 * d.t), b.foreColor, b.bottomShadowColor, b.topShadowColor,
                  direction, static_cast<short>(r.x), static_cast<short>(r.y), extent(size),
                  extent(size));
}

// The knob spans the track as the slider size spans the maximum. A knob
// that would be shorter than ten pixels is drawn ten long (at most the
// whole track): its size in value units is rounded up, since one rounded
// down can leave it a pixel short. The value is rescaled so that the knob
// still reaches both ends. A size above the maximum counts as the maximum,
// and a range of 0 as 1.
void drawKnob(const Bar& d)
{
    const TQCvscrBarDrawBlock& b = d.b;
    double track = d.along - 3 * d.across;
    if (track == 0)
        track = 1;
    double m = b.maximum != 0 ? b.maximum : 1;
    double s = std::min(static_cast<double>(b.sliderSize), m);
    double v = std::min(static_cast<double>(b.value), m - s);
    long k = static_cast<long>(s * track / m);
    if (k >= 0 && k < kShortestKnob && d.along != 3 * d.across && track > 0) {
        double longer = std::min(std::ceil(kShortestKnob * m / track), m);
        double rescaled = m != s ? std::trunc(v * (m - longer) / (m - s)) : 0;
        v = rescaled > 0 ? rescaled : 0;
        s = longer;
    }
    double k0 = 1.5 * d.across;
    double from = k0 + v * track / m;
    double to = (d.along - k0) - (m - v - s) * track / m;
    short start = static_cast<short>(static_cast<long>(from));
    paintPart(d, d.place(start, static_cast<long>(to - start), 0, d.across), false);
    long framed = static_cast<long>(to - from);
    framePart(d, d.place(static_cast<long>(from), std::max(framed, 2L), 0, d.across), false);
}

void drawParts(const Bar& d)
{
    using P = TQCvscrBar;
    long threeHalves = (3 * d.across) / 2;
    drawButton(d, 0, d.half, d.across / 2, P::PART_BEGIN);
    drawArrowButton(d, d.across / 2, P::PART_DECREMENT, d.vertical ? TQARROW_UP : TQARROW_LEFT);
    drawKnob(d);
    drawArrowButton(d, d.along - threeHalves, P::PART_INCREMENT,
                    d.vertical ? TQARROW_DOWN : TQARROW_RIGHT);
    drawButton(d, d.along - d.across / 2, d.half, d.across / 2, P::PART_END);
}

} // namespace

// A bar no longer than 2 pixels gets only its trough.
void TQCvscrBar_draw_mdr1(void* block)
{
    const TQCvscrBarDrawBlock& b = *static_cast<TQCvscrBarDrawBlock*>(block);
    TQDdev* dev = b.head.device;
    if (!TQGFopenModern1Drawing(b.head, b.head.x, b.head.y))
        return;
    drawTrough(b, dev);

    bool vertical = b.orientation != 0;
    long along = vertical ? b.head.height : b.head.width;
    long across = vertical ? b.head.width : b.head.height;
    long whole = across != 0 ? across : 1;
    long half = across / 2 != 0 ? across / 2 : 1;
    Bar d{b,
          dev,
          vertical,
          along,
          across,
          b.head.shadowThickness,
          half,
          whole,
          TQGFgetFixedColor(b.backColor, +kShade),
          TQGFgetFixedColor(b.backColor, -kShade),
          static_cast<unsigned char>(whole / 3 % 256)};
    if (along > 2)
        drawParts(d);
    dev->endDraw();
}
