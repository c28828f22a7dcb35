// "Modern1" colours and frames.
#include "_TQGFmodern1.h"

#include <cstdio>
#include <initializer_list>

#include "_TQCbase.h"
#include "_TQCcolorSet.h"
#include "_TQClookHook.h"
#include "_TQDcolor.h"
#include "_TQGFgeometry.h"
#include "_TQGFmodern1Paint.h"
#include "_TQN.h"

namespace {

// The type number of the raised frame; Out and In share the flat frame.
const long kOut = 0;
const unsigned long kLastFlatType = 1;

long clampComponent(long c, long delta)
{
    if (delta >= 1)
        return c > 255 ? 255 : c;
    return c < 0 ? 0 : c;
}

// Half of either side at most. 0 draws nothing; any other thickness sets the
// solid one-pixel line first.
unsigned short clampedThickness(TQDdev* dev, unsigned short t, unsigned short w,
                                unsigned short h)
{
    if (2 * t > w)
        t = w / 2;
    if (2 * t > h)
        t = h / 2;
    if (t != 0) {
        dev->setLineDashType(0);
        dev->setLineWidth(1);
    }
    return t;
}

// The outline both flat frames start with, in the light colour.
void lightOutline(TQDdev* dev, short light, long x, long y, long w, long h)
{
    dev->setForeColor(light);
    modern1Outline(dev, x, y, w, h);
}

// The left and top edges of the outline again, darker.
void darkEdges(TQDdev* dev, short dark, long x, long y, long w, long h)
{
    dev->setForeColor(dark);
    modern1Fill(dev, x, y, 1, h);
    modern1Fill(dev, x, y, w, 1);
}

// The shading lines a button without gradation has inside its sides: light
// at the left, dark at the right.
void sideShading(TQDdev* dev, short c4, long x, long y, long w, long h)
{
    dev->setForeColor(TQGFgetFixedColor(c4, +16));
    modern1Fill(dev, x + 2, y + 2, 1, h - 4);
    dev->setForeColor(TQGFgetFixedColor(c4, +8));
    modern1Fill(dev, x + 3, y + 4, 1, h - 8);
    dev->setForeColor(TQGFgetFixedColor(c4, -16));
    modern1Fill(dev, x + w - 3, y + 2, 1, h - 4);
    dev->setForeColor(TQGFgetFixedColor(c4, -8));
    modern1Fill(dev, x + w - 4, y + 4, 1, h - 8);
}

// The inner outline with its corners rounded off: a pixel inside each of its
// corners in c3, the corners themselves in the outline's colours, and the
// outer corners in the colour around the button.
void roundedCorners(TQDdev* dev, short c3, short c5, short light, short dark, long x, long y,
                    long w, long h)
{
    dev->setForeColor(c3);
    modern1Outline(dev, x + 1, y + 1, w - 2, h - 2);
    modern1Dot(dev, x + 2, y + 2);
    modern1Dot(dev, x + w - 3, y + 2);
    modern1Dot(dev, x + 2, y + h - 3);
    modern1Dot(dev, x + w - 3, y + h - 3);
    dev->setForeColor(dark);
    modern1Dot(dev, x + 1, y + 1);
    modern1Dot(dev, x + w - 2, y + 1);
    modern1Dot(dev, x + 1, y + h - 2);
    dev->setForeColor(light);
    modern1Dot(dev, x + w - 2, y + h - 2);
    dev->setForeColor(c5);
    modern1Dot(dev, x, y);
    modern1Dot(dev, x + w - 1, y + h - 1);
    modern1Dot(dev, x, y + h - 1);
    modern1Dot(dev, x + w - 1, y);
}

} // namespace

bool TQGFopenModern1Drawing(const TQClookHead& head, short x, short y)
{
    TQCbase* widget = head.instance;
    if (head.device->beginDraw(x, y, head.width, head.height, widget->getAbsoluteDraw(), 1) != 0)
        return false;
    widget->TQCbase::update();
    widget->setAbsoluteDraw(0);
    return true;
}

short TQGFgetParentBackColor(TQCbase* obj)
{
    TQCbase* parent = obj != nullptr ? obj->getParent() : nullptr;
    if (parent != nullptr) {
        short colour = 0;
        for (const char* name : {_TQNworkBackColor(), _TQNbackColor()}) {
            if (parent->existProperty(name) && parent->getPropertyV(name, &colour))
                return colour;
        }
    }
    return TQGIappColorSet()->getColorNo("DEF1");
}

void TQGFgetFixedRGB(long r, long g, long b, long delta, long* outR, long* outG, long* outB)
{
    *outR = clampComponent(r + delta, delta);
    *outG = clampComponent(g + delta, delta);
    *outB = clampComponent(b + delta, delta);
}

short TQGFgetFixedColor(short colour, long delta)
{
    TQCcolorSet* colours = TQGIappColorSet();
    TQDcolor* known = colours->getColor(colour);
    long r, g, b;
    if (known == nullptr || known->getRGB(&r, &g, &b) != 0)
        return colour;
    TQGFgetFixedRGB(r, g, b, delta, &r, &g, &b);
    char name[16];
    std::snprintf(name, sizeof name, "#%02x%02x%02x", static_cast<unsigned>(r & 0xFF),
                  static_cast<unsigned>(g & 0xFF), static_cast<unsigned>(b & 0xFF));
    short shifted = colours->getColorNo(name);
    return shifted != -1 ? shifted : colour;
}

// The type is compared unsigned: None (-1) is not a flat type.
void TQGFdrawModern1Shadow(TQDdev* dev, long type, unsigned short thickness, short c1, short c2,
                           short c3, short c4, short c5, short x, short y, unsigned short w,
                           unsigned short h, unsigned char flag)
{
    thickness = clampedThickness(dev, thickness, w, h);
    if (thickness == 0)
        return;
    if (static_cast<unsigned long>(type) > kLastFlatType) {
        TQGFdrawShadow(dev, static_cast<char>(type), thickness, c1, c2, c3, c4, x, y, w, h,
                       flag);
        return;
    }
    lightOutline(dev, TQGFgetFixedColor(c5, +16), x, y, w, h);
    darkEdges(dev, TQGFgetFixedColor(c5, -16), x, y, w, h);
    dev->setForeColor(c3);
    modern1Outline(dev, x + 1, y + 1, static_cast<long>(w) - 2, static_cast<long>(h) - 2);
}

void TQGFdrawModern1BtnShadow(TQDdev* dev, long type, unsigned short thickness, short c1,
                              short c2, short c3, short c4, short c5, short x, short y,
                              unsigned short w, unsigned short h, unsigned char flag,
                              unsigned char flat)
{
    thickness = clampedThickness(dev, thickness, w, h);
    if (thickness == 0)
        return;
    if (type != kOut) {
        TQGFdrawShadow(dev, static_cast<char>(type), thickness, c1, c2, c3, c4, x, y, w, h,
                       flag);
        return;
    }
    short light = TQGFgetFixedColor(c5, +16);
    short dark = TQGFgetFixedColor(c5, -16);
    lightOutline(dev, light, x, y, w, h);
    if (flat == 0)
        sideShading(dev, c4, x, y, w, h);
    darkEdges(dev, dark, x, y, w, h);
    roundedCorners(dev, c3, c5, light, dark, x, y, w, h);
}
