// Geometry, shadow frames, shade colours and arrow heads.
#include "_TQGFgeometry.h"

#include <cstdio>
#include <initializer_list>

#include "_TQCbase.h"
#include "_TQCcolorSet.h"
#include "_TQCguiPolicy.h"
#include "_TQDappDev.h"
#include "_TQDcolor.h"
#include "_TQDdev.h"
#include "_TQN.h"

namespace {

// GUI-policy bits that choose a look.
const long kFullArrows = 0x01;
const long kRingLook = 0x02;
// Role colour of the outermost dark ring in the ring look.
const long kOuterDarkRole = -17;

long larger(long a, long b)
{
    return a > b ? a : b;
}

// Thin wrapper over the device's primitives, in long arithmetic; columns
// and rows are one pixel wide.
class Pen {
public:
    explicit Pen(TQDdev* devArg) : dev(devArg) {}

    void color(short no) { dev->setForeColor(no); }
    void fill(long x, long y, long w, long h)
    {
        dev->drawFillRect(static_cast<short>(x), static_cast<short>(y),
                          static_cast<unsigned short>(w), static_cast<unsigned short>(h));
    }
    void column(long x, long y, long n) { fill(x, y, 1, n); }
    void row(long x, long y, long n) { fill(x, y, n, 1); }
    void outline(long x, long y, long w, long h)
    {
        dev->drawRect(static_cast<short>(x), static_cast<short>(y),
                      static_cast<unsigned short>(w), static_cast<unsigned short>(h));
    }
    void polygon(std::initializer_list<TQCpoint> points)
    {
        TQCpoint buffer[6];
        long n = 0;
        for (const TQCpoint& p : points) {
            if (n < 6)
                buffer[n++] = p;
        }
        dev->drawFillPoly(buffer, n);
    }

private:
    TQDdev* dev;
};

// One frame to draw: the rectangle, the thickness after clamping and the
// colours.
struct Frame {
    long x, y, w, h, t;
    short frame, top, bottom, accent;
    unsigned char noInner;
    bool ringLook;

    // The outermost dark ring: the role colour, or the bottom colour when
    // the caller asks for no inner rings.
    short outerDark() const
    {
        return noInner ? bottom : TQGIappColorSet()->getDefaultColorNo(kOuterDarkRole);
    }
    // The bottom-right band with mitred corners.
    void bottomRightBand(Pen& pen) const
    {
        pen.polygon({ { x, y + h }, { x + w, y + h }, { x + w, y }, { x + w - t, y + t },
                      { x + w - t, y + h - t }, { x + t, y + h - t } });
    }
    void outerDarkRing(Pen& pen) const
    {
        pen.color(outerDark());
        pen.column(x + w - 1, y + 1, h - 1);
        pen.row(x + 1, y + h - 1, w - 1);
    }
};

// Half of either side at most; 0 means there is nothing to draw.
long clampThickness(unsigned short t, unsigned short w, unsigned short h)
{
    long k = t;
    if (2 * k > w)
        k = w / 2;
    if (2 * k > h)
        k = h / 2;
    return k;
}

bool makeFrame(Frame* f, TQDdev* dev, unsigned short t, short frameColor, short topColor,
               short bottomColor, short accentColor, short x, short y, unsigned short w,
               unsigned short h, unsigned char noInner)
{
    long k = clampThickness(t, w, h);
    if (dev == nullptr || k == 0)
        return false;
    long policy = TQGIappGuiPolicy()->getGuiPolicy();
    dev->setLineDashType(0);
    *f = Frame{ x, y, w, h, k, frameColor, topColor, bottomColor, accentColor, noInner,
                (policy & kRingLook) != 0 };
    return true;
}

// Out and in, one pixel: a is the colour of the bottom-right edges, b of
// the top-left ones.
void drawThinFrame(Pen& pen, const Frame& f, short a, short b)
{
    pen.color(a);
    pen.column(f.x + f.w - 1, f.y, f.h);
    pen.row(f.x, f.y + f.h - 1, f.w);
    pen.color(b);
    pen.column(f.x, f.y, f.h);
    pen.row(f.x, f.y, f.w);
}

// Out and in, two pixels, plain look.
void drawTwoPixelFrame(Pen& pen, const Frame& f, short a, short b)
{
    pen.color(b);
    pen.fill(f.x, f.y, 2, f.h);
    pen.fill(f.x, f.y, f.w, 2);
    pen.color(a);
    pen.column(f.x + f.w - 2, f.y + 2, f.h - 2);
    pen.row(f.x + 2, f.y + f.h - 2, f.w - 2);
    pen.column(f.x + f.w - 1, f.y + 1, f.h - 1);
    pen.row(f.x + 1, f.y + f.h - 1, f.w - 1);
}

// Out and in, two pixels, ring look: four one-pixel rings.
void drawFourRings(Pen& pen, const Frame& f, bool out)
{
    if (out) {
        pen.color(f.accent);
        pen.column(f.x, f.y, f.h);
        pen.row(f.x, f.y, f.w);
        pen.color(f.top);
        pen.column(f.x + 1, f.y + 1, f.h - 1);
        pen.row(f.x + 1, f.y + 1, f.w - 1);
        pen.color(f.bottom);
        pen.column(f.x + f.w - 2, f.y + 2, f.h - 2);
        pen.row(f.x + 2, f.y + f.h - 2, f.w - 2);
        f.outerDarkRing(pen);
        return;
    }
    pen.color(f.bottom);
    pen.column(f.x, f.y, f.h);
    pen.row(f.x, f.y, f.w);
    pen.color(f.outerDark());
    pen.column(f.x + 1, f.y + 1, f.h - 1);
    pen.row(f.x, f.y + 1, f.w - 1);
    pen.color(f.accent);
    pen.column(f.x + f.w - 2, f.y + 2, f.h - 2);
    pen.row(f.x + 2, f.y + f.h - 2, f.w - 2);
    pen.color(f.top);
    pen.column(f.x + f.w - 1, f.y + 1, f.h - 1);
    pen.row(f.x + 1, f.y + f.h - 1, f.w - 1);
}

// Out and in, three pixels or more.
void drawThickFrame(Pen& pen, const Frame& f, bool out, short a, short b)
{
    long x = f.x, y = f.y, w = f.w, h = f.h, t = f.t;
    pen.color(b);
    pen.fill(x, y, t, h);
    pen.fill(x, y, w, t);
    if (f.ringLook && out) {
        pen.color(f.accent);
        pen.column(x, y, h);
        pen.row(x, y, w);
    } else if (f.ringLook && !f.noInner) {
        pen.color(f.outerDark());
        pen.column(x + t - 1, y + t - 1, h - t);
        pen.row(x + t - 1, y + t - 1, w - t);
    }
    pen.color(a);
    f.bottomRightBand(pen);
    if (f.ringLook && !out) {
        pen.color(f.accent);
        pen.column(x + w - t, y + t, h - 2 * t + 1);
        pen.row(x + t, y + h - t, w - 2 * t + 1);
    } else if (f.ringLook && !f.noInner) {
        f.outerDarkRing(pen);
    }
}

void drawOutOrIn(Pen& pen, const Frame& f, bool out)
{
    short a = out ? f.bottom : f.top;
    short b = out ? f.top : f.bottom;
    if (f.t == 1)
        drawThinFrame(pen, f, a, b);
    else if (f.t == 2 && !f.ringLook)
        drawTwoPixelFrame(pen, f, a, b);
    else if (f.t == 2)
        drawFourRings(pen, f, out);
    else
        drawThickFrame(pen, f, out, a, b);
}

void drawEtched(Pen& pen, TQDdev* dev, const Frame& f, bool out)
{
    long x = f.x, y = f.y, w = f.w, h = f.h, t = f.t;
    long s = larger(t / 2, 1);
    short c1 = out ? f.top : f.bottom;
    short c2 = out ? f.bottom : f.top;
    if (s == 1) {
        dev->setLineWidth(1);
        pen.color(c1);
        pen.outline(x, y, w, h);
        pen.outline(x, y, w - 1, h - 1);
        pen.color(c2);
        pen.outline(x + 1, y + 1, w - 1, h - 1);
        return;
    }
    pen.color(c1);
    pen.fill(x, y, s, h);
    pen.fill(x, y, w, s);
    pen.fill(x + w - t, y, s, h);
    pen.fill(x, y + h - t, w, s);
    pen.color(c2);
    pen.polygon({ { x + w, y }, { x + w, y + h }, { x, y + h }, { x + s, y + h - s },
                  { x + w - s, y + h - s }, { x + w - s, y + s } });
    pen.polygon({ { x + s, y + s }, { x + w - s, y + s }, { x + w - t, y + t }, { x + t, y + t },
                  { x + t, y + h - t }, { x + s, y + h - s } });
}

void drawBorder(Pen& pen, const Frame& f)
{
    pen.color(f.frame);
    pen.fill(f.x, f.y, f.t, f.h);
    pen.fill(f.x, f.y, f.w, f.t);
    pen.fill(f.x + f.w - f.t, f.y, f.t, f.h);
    pen.fill(f.x, f.y + f.h - f.t, f.w, f.t);
}

bool knownShadowType(char type)
{
    return type >= TQSHADOW_OUT && type <= TQSHADOW_BORDER;
}

// The button's raised frame where it differs from the plain raised frame:
// no accent line, and a top-left band one pixel narrower.
void drawButtonFrame(Pen& pen, const Frame& f)
{
    long x = f.x, y = f.y, w = f.w, h = f.h, t = f.t;
    if (t == 2) {
        pen.color(f.top);
        pen.column(x, y, h);
        pen.row(x, y, w);
        pen.color(f.bottom);
        pen.column(x + w - 2, y + 2, h - 2);
        pen.row(x + 2, y + h - 2, w - 2);
        f.outerDarkRing(pen);
        return;
    }
    pen.color(f.top);
    pen.fill(x, y, t - 1, h);
    pen.fill(x, y, w, t - 1);
    pen.color(f.bottom);
    f.bottomRightBand(pen);
    if (f.ringLook && !f.noInner)
        f.outerDarkRing(pen);
}

// One colour component of each derived colour, kept within 0..255.
long lighter(long c)
{
    return c >= 252 ? 255 : c + 4;
}

long shaded(long c)
{
    return c < 5 ? 0 : c - 4;
}

long darker(long c)
{
    return c < 9 ? 0 : c - 8;
}

short colorNoOf(long r, long g, long b)
{
    char name[16];
    std::snprintf(name, sizeof name, "#%02x%02x%02x", static_cast<unsigned>(r & 0xFF),
                  static_cast<unsigned>(g & 0xFF), static_cast<unsigned>(b & 0xFF));
    return TQGIappColorSet()->getColorNo(name);
}

void drawShadedArrow(Pen& pen, char direction, long t, short body, short light, short dark,
                     long x, long y, long w, long h)
{
    long c = t * 173 / 200;
    long t2 = t / 2;
    switch (direction) {
    case TQARROW_LEFT:
        pen.color(body);
        pen.polygon({ { x, y + h / 2 }, { x + w, y }, { x + w, y + h } });
        pen.color(light);
        pen.polygon(
            { { x, y + h / 2 }, { x + t, y + h / 2 }, { x + w - t2, y + c }, { x + w, y } });
        pen.color(dark);
        pen.polygon({ { x, y + h / 2 }, { x + t, y + h / 2 }, { x + w - t2, y + h - c },
                      { x + w - t2, y + c }, { x + w, y }, { x + w, y + h } });
        break;
    case TQARROW_RIGHT:
        pen.color(body);
        pen.polygon({ { x, y }, { x + w, y + h / 2 }, { x, y + h } });
        pen.color(light);
        pen.polygon({ { x, y + h }, { x, y }, { x + w, y + h / 2 }, { x + w - t, y + h / 2 },
                      { x + t2, y + c }, { x + t2, y + h - c } });
        pen.color(dark);
        pen.polygon({ { x, y + h }, { x + w, y + h / 2 }, { x + w - t, y + h / 2 },
                      { x + t2, y + h - c } });
        break;
    case TQARROW_UP:
        pen.color(body);
        pen.polygon({ { x + w / 2, y }, { x, y + h }, { x + w, y + h } });
        pen.color(light);
        pen.polygon(
            { { x, y + h }, { x + w / 2, y }, { x + w / 2, y + t }, { x + c, y + h - t2 } });
        pen.color(dark);
        pen.polygon({ { x, y + h }, { x + w, y + h }, { x + w / 2, y }, { x + w / 2, y + t },
                      { x + w - c, y + h - t2 }, { x + c, y + h - t2 } });
        break;
    case TQARROW_DOWN:
        pen.color(body);
        pen.polygon({ { x, y }, { x + w, y }, { x + w / 2, y + h } });
        pen.color(light);
        pen.polygon({ { x + w / 2, y + h }, { x, y }, { x + w, y }, { x + w - c, y + t2 },
                      { x + c, y + t2 }, { x + w / 2, y + h - t } });
        pen.color(dark);
        pen.polygon({ { x + w / 2, y + h }, { x + w, y }, { x + w - c, y + t2 },
                      { x + w / 2, y + h - t } });
        break;
    default:
        break;
    }
}

void drawFullTriangle(Pen& pen, char direction, long x, long y, long w, long h)
{
    switch (direction) {
    case TQARROW_LEFT:
        pen.polygon({ { x, y + h / 2 }, { x + w, y }, { x + w, y + h } });
        break;
    case TQARROW_RIGHT:
        pen.polygon({ { x, y }, { x + w, y + h / 2 }, { x, y + h } });
        break;
    case TQARROW_UP:
        pen.polygon({ { x + w / 2, y }, { x + w, y + h }, { x, y + h } });
        break;
    default:
        pen.polygon({ { x, y }, { x + w, y }, { x + w / 2, y + h } });
        break;
    }
}

void drawNarrowTriangle(Pen& pen, char direction, long x, long y, long w, long h)
{
    switch (direction) {
    case TQARROW_LEFT:
        pen.polygon({ { x + w / 4, y + h / 2 }, { x + 3 * w / 4, y }, { x + 3 * w / 4, y + h } });
        break;
    case TQARROW_RIGHT:
        pen.polygon({ { x + w / 4, y }, { x + 3 * w / 4, y + h / 2 }, { x + w / 4, y + h } });
        break;
    case TQARROW_UP:
        pen.polygon({ { x + w / 2, y + h / 4 }, { x + w, y + 3 * h / 4 + 1 },
                      { x, y + 3 * h / 4 + 1 } });
        break;
    default:
        pen.polygon({ { x, y + h / 4 }, { x + w, y + h / 4 }, { x + w / 2, y + 3 * h / 4 } });
        break;
    }
}

bool knownArrowDirection(char direction)
{
    return direction == TQARROW_LEFT || direction == TQARROW_RIGHT || direction == TQARROW_UP ||
           direction == TQARROW_DOWN;
}

} // namespace

long TQGFsetGeometry(TQCbase* object, short x, short y, unsigned short w, unsigned short h)
{
    if (object == nullptr)
        return 0;
    object->setPropertyV(_TQNx(), x);
    object->setPropertyV(_TQNy(), y);
    object->setPropertyV(_TQNwidth(), w);
    return object->setPropertyV(_TQNheight(), h) ? 1 : 0;
}

void TQGFsetMargin(TQCbase* object, unsigned short m)
{
    if (object == nullptr)
        return;
    unsigned char margin = static_cast<unsigned char>(m & 0xFF);
    object->setPropertyV(_TQNmarginTop(), margin);
    object->setPropertyV(_TQNmarginBottom(), margin);
    object->setPropertyV(_TQNmarginRight(), margin);
    object->setPropertyV(_TQNmarginLeft(), margin);
}


void TQGFdrawShadow(TQDdev* dev, char type, unsigned short t, short frameColor, short topColor,
                    short bottomColor, short accentColor, short x, short y, unsigned short w,
                    unsigned short h, unsigned char noInner)
{
    Frame f;
    if (!knownShadowType(type) ||
        !makeFrame(&f, dev, t, frameColor, topColor, bottomColor, accentColor, x, y, w, h,
                   noInner))
        return;
    Pen pen(dev);
    switch (type) {
    case TQSHADOW_OUT:
    case TQSHADOW_IN:
        drawOutOrIn(pen, f, type == TQSHADOW_OUT);
        break;
    case TQSHADOW_ETCHED_OUT:
    case TQSHADOW_ETCHED_IN:
        drawEtched(pen, dev, f, type == TQSHADOW_ETCHED_OUT);
        break;
    default:
        drawBorder(pen, f);
        break;
    }
}

void TQGFdrawBtnShadow(TQDdev* dev, char type, unsigned short t, short frameColor,
                       short topColor, short bottomColor, short accentColor, short x, short y,
                       unsigned short w, unsigned short h, unsigned char noInner)
{
    long k = clampThickness(t, w, h);
    bool rings = (TQGIappGuiPolicy()->getGuiPolicy() & kRingLook) != 0;
    if (type != TQSHADOW_OUT || k == 1 || (k == 2 && !rings)) {
        TQGFdrawShadow(dev, type, t, frameColor, topColor, bottomColor, accentColor, x, y, w, h,
                       noInner);
        return;
    }
    Frame f;
    if (!makeFrame(&f, dev, t, frameColor, topColor, bottomColor, accentColor, x, y, w, h,
                   noInner))
        return;
    Pen pen(dev);
    drawButtonFrame(pen, f);
}

void TQGFgetShadowColor(short color, short* light, short* dark, short* shade)
{
    long r = 0, g = 0, b = 0;
    TQDcolor* source = TQGIappColorSet()->getColor(color);
    // An unknown colour, or one whose components cannot be read, counts
    // as black.
    if (source == nullptr || source->getRGB(&r, &g, &b) != 0)
        r = g = b = 0;
    short shadeNo = colorNoOf(shaded(r), shaded(g), shaded(b));
    short lightNo = colorNoOf(lighter(r), lighter(g), lighter(b));
    short darkNo = colorNoOf(darker(r), darker(g), darker(b));
    if (shade != nullptr)
        *shade = shadeNo;
    if (light != nullptr)
        *light = lightNo;
    if (dark != nullptr)
        *dark = darkNo;
}

void TQGFdrawArrow(TQDdev* dev, unsigned char flat, unsigned short t, short bodyColor,
                   short lightColor, short darkColor, char direction, short x, short y,
                   unsigned short w, unsigned short h)
{
    if (dev == nullptr || !knownArrowDirection(direction))
        return;
    Pen pen(dev);
    if (!flat) {
        drawShadedArrow(pen, direction, t, bodyColor, lightColor, darkColor, x, y, w, h);
        return;
    }
    long policy = TQDappDev::getGuiPolicy();
    if ((policy & (kFullArrows | kRingLook)) == 0)
        return;
    pen.color(bodyColor);
    if (policy & kFullArrows)
        drawFullTriangle(pen, direction, x, y, w, h);
    else
        drawNarrowTriangle(pen, direction, x, y, w, h);
}
