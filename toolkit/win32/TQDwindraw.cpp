// GDI drawing object: colours, pens and brushes, the drawing pass with its
// clip and XOR layer, the geometric primitives and the gradation. Every
// primitive makes its pen and brush for the call and deletes them after, and
// while printing first maps its coordinates onto the page.
#include "TQDwindraw.h"

#include "TQGFwinAppWindow.h"
#include "TQGFwinGdi.h"
#include "TQwin32.h"
#include "_TQCcolorSet.h"
#include "_TQDcolor.h"
#include "_TQDdev.h"

#include <algorithm>
#include <cmath>
#include <vector>

long TQDwindraw::s_foreColorNo = -100;
long TQDwindraw::s_backColorNo = -100;
char TQDwindraw::s_hatchPattern = static_cast<char>(255);
// No region set yet: unbounded.
TQDwindraw::Box TQDwindraw::s_region = {0, 0, 0x7FFFFFFF, 0x7FFFFFFF};

namespace {

const unsigned short kMaxRegionSide = 16384;
const short kFullTurn = 23040;  // 360 degrees in 1/64 degree
const int kStippleHatch = 8;

HDC asDC(void* dc)
{
    return static_cast<HDC>(dc);
}

int penStyleOf(char dashType)
{
    switch (static_cast<unsigned char>(dashType)) {
    case 1:
    case 8:
        return PS_DOT;
    case 2:
    case 3:
        return PS_DASH;
    case 4:
    case 6:
        return PS_DASHDOT;
    case 5:
    case 7:
        return PS_DASHDOTDOT;
    default:
        return PS_SOLID;
    }
}

// Patterns 1 to 6 are hatches; 7 is the stipple of drawFillRect, which the
// other fills draw solid; everything else fills solid.
int hatchStyleOf(char pattern)
{
    static const int hatches[] = {HS_BDIAGONAL, HS_FDIAGONAL, HS_VERTICAL,
                                  HS_HORIZONTAL, HS_DIAGCROSS, HS_CROSS};
    unsigned char p = static_cast<unsigned char>(pattern);
    if (p >= 1 && p <= 6)
        return hatches[p - 1];
    return p == 7 ? kStippleHatch : -1;
}

HBRUSH hollowBrush()
{
    LOGBRUSH hollow = {BS_HOLLOW, 0, 0};
    return CreateBrushIndirect(&hollow);
}

// The common frame of a primitive: its pen and brush selected for the call,
// the background transparent while it draws and opaque after it.
class PrimitiveFrame {
public:
    PrimitiveFrame(HDC dc, HGDIOBJ pen, HGDIOBJ brush)
        : m_pen(pen), m_brush(brush), m_selectPen(dc, pen), m_selectBrush(dc, brush), m_dc(dc)
    {
        SetBkMode(dc, TRANSPARENT);
    }
    ~PrimitiveFrame() { SetBkMode(m_dc, OPAQUE); }

private:
    tqgdi::Object m_pen;
    tqgdi::Object m_brush;
    tqgdi::Selection m_selectPen;
    tqgdi::Selection m_selectBrush;
    HDC m_dc;
};

// One-pixel dotted line: every second pixel from the lower end point, the
// higher end point never.
void drawDots(HDC dc, long x1, long y1, long x2, long y2)
{
    if (x1 == x2) {
        for (long v = std::min(y1, y2); v < std::max(y1, y2); v += 2) {
            MoveToEx(dc, x1, v, nullptr);
            LineTo(dc, x1, v + 1);
        }
        return;
    }
    for (long u = std::min(x1, x2); u < std::max(x1, x2); u += 2) {
        MoveToEx(dc, u, y1, nullptr);
        LineTo(dc, u + 1, y1);
    }
}

void drawDottedEdges(HDC dc, long left, long top, long right, long bottom)
{
    drawDots(dc, left, top, left, bottom);
    drawDots(dc, left, top, right, top);
    drawDots(dc, left, bottom, right, bottom);
    drawDots(dc, right, top, right, bottom);
}

POINT radialPoint(long cx, long cy, double dx, double dy, long angle)
{
    double a = angle * 3.141592 * 0.015625 / 180;
    POINT p;
    p.x = static_cast<LONG>(cx + std::cos(a) * dx);
    p.y = static_cast<LONG>(cy - std::sin(a) * dy);
    return p;
}

// The two radial points of an arc in the box. GDI goes counterclockwise
// from the first to the second, so a clockwise (negative) extent is given
// from its end to its start.
void arcRadials(short x, short y, unsigned short w, unsigned short h, short start,
                short extent, POINT* from, POINT* to)
{
    long cx = x + w / 2;
    long cy = y + h / 2;
    double dx = w;
    double dy = h;
    // Under a degree the radials would fall on neighbouring pixels and GDI
    // could not tell the direction; far away they stay apart.
    if (extent != 0 && extent > -64 && extent < 64 && w <= 999 && h <= 999) {
        dx = 10.0 * w;
        dy = 10.0 * h;
    }
    POINT a = radialPoint(cx, cy, dx, dy, start);
    POINT b = radialPoint(cx, cy, dx, dy, static_cast<long>(start) + extent);
    *from = extent < 0 ? b : a;
    *to = extent < 0 ? a : b;
}

long clampChannel(long value)
{
    return value < 0 ? 0 : (value > 255 ? 255 : value);
}

struct Rgb {
    long r;
    long g;
    long b;
};

Rgb rgbOf(TQDcolor* color)
{
    Rgb c = {0, 0, 0};
    color->getRGB(&c.r, &c.g, &c.b);
    return c;
}

// The band colour at step d of length L: from the end colour p at d = 0
// through the middle colour m at L/2 to the end colour q at L.
COLORREF bandColor(long d, long L, const Rgb& p, const Rgb& m, const Rgb& q)
{
    auto mix = [&](long pc, long mc, long qc) {
        if (d < L / 2)
            return clampChannel(((L - 2 * d) * pc + 2 * d * mc) / L);
        return clampChannel(((2 * d - L) * qc + 2 * (L - d) * mc) / L);
    };
    return 0x02000000 | (mix(p.b, m.b, q.b) << 16) | (mix(p.g, m.g, q.g) << 8) |
           mix(p.r, m.r, q.r);
}

void drawLineWithPen(HDC dc, COLORREF color, int width, long x1, long y1, long x2, long y2)
{
    PrimitiveFrame frame(dc, CreatePen(PS_SOLID, width, color), nullptr);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

// The colour with number 0 stays in the set for good once a gradation has
// been drawn.
void ensureGradationColor()
{
    TQCcolorSet* set = TQGIappColorSet();
    if (set->getColor(static_cast<short>(0)) != nullptr)
        return;
    TQDcolor* color = set->getNewColor();
    if (color == nullptr)
        return;
    color->setId(0);
    color->setUsePrivateCell(1);
    set->addColor(color);
}

} // namespace

struct TQDwindraw::Layer {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ initialBitmap = nullptr;
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    HGDIOBJ initialPen = nullptr;
    HGDIOBJ initialBrush = nullptr;
    int width = 0;
    int height = 0;

    ~Layer()
    {
        SelectObject(dc, initialPen);
        SelectObject(dc, initialBrush);
        SelectObject(dc, initialBitmap);
        DeleteObject(pen);
        DeleteObject(brush);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
};

TQDwindraw::TQDwindraw()
    : m_foreground(0), m_background(0), m_palette(nullptr), m_previousPalette(nullptr),
      m_layer(nullptr), m_printing(0)
{
    pass.lineWidth = -1;
    pass.lineDashType = static_cast<char>(255);
}

TQDwindraw::~TQDwindraw()
{
    endDraw();
}

// ---- colours and attributes ----

namespace {

long setColorNo(long* currentNo, unsigned long* value, TQDcolor* color)
{
    long previous = *currentNo;
    if (color != nullptr) {
        *currentNo = color->getId();
        *value = static_cast<unsigned long>(color->getValue1());
    }
    return previous == -1 ? *currentNo : previous;
}

} // namespace

long TQDwindraw::setForeColor(short color)
{
    return setColorNo(&s_foreColorNo, &m_foreground, TQGIappColorSet()->getColor(color));
}

long TQDwindraw::setBackColor(short color)
{
    return setColorNo(&s_backColorNo, &m_background, TQGIappColorSet()->getColor(color));
}

long TQDwindraw::setForeColor(TQDcolor* color)
{
    return setColorNo(&s_foreColorNo, &m_foreground, color);
}

long TQDwindraw::setBackColor(TQDcolor* color)
{
    return setColorNo(&s_backColorNo, &m_background, color);
}

long TQDwindraw::setLineWidth(short width)
{
    short previous = pass.lineWidth;
    pass.lineWidth = static_cast<short>(std::trunc(width * pageScaleX()));
    return previous;
}

long TQDwindraw::setLineDashType(char dashType)
{
    if (dashType == pass.lineDashType)
        return 0;
    unsigned char previous = static_cast<unsigned char>(pass.lineDashType);
    pass.lineDashType = dashType;
    return previous;
}

long TQDwindraw::setHatchPattern(char pattern)
{
    char previous = s_hatchPattern;
    s_hatchPattern = pattern;
    pass.hatchPattern = pattern;
    return previous;
}

void TQDwindraw::setUnderLineChar(long first, long count)
{
    pass.underLine1 = first;
    pass.underLine2 = count;
}

void* TQDwindraw::makeFillBrush() const
{
    int hatch = hatchStyleOf(pass.hatchPattern);
    if (hatch >= 0 && hatch != kStippleHatch)
        return CreateHatchBrush(hatch, m_foreground);
    return CreateSolidBrush(m_foreground);
}

// ---- the drawing pass ----

void* TQDwindraw::context() const
{
    if (m_layer != nullptr)
        return m_layer->dc;
    return isBound() ? reinterpret_cast<void*>(pass.contextResource) : nullptr;
}

long TQDwindraw::beginDraw(TQDdev* dev, long, long, long contextResource)
{
    if (void* printer = printerContext())
        contextResource = reinterpret_cast<long>(printer);
    if (contextResource == 0 || contextResource == -1)
        return -1;
    // A window-less device opens its pass inside its parent's: the parent's
    // palette goes back before the new binding takes over.
    if (isBound() && m_previousPalette != nullptr)
        SelectPalette(reinterpret_cast<HDC>(pass.contextResource),
                      static_cast<HPALETTE>(m_previousPalette), FALSE);
    bindPass(dev, contextResource);
    m_foreground = 0;
    m_background = 0;
    m_palette = TQGFgetAppPalette();
    m_previousPalette = nullptr;

    HDC dc = asDC(context());
    SelectClipRgn(dc, nullptr);
    if (m_palette != nullptr) {
        m_previousPalette = SelectPalette(dc, static_cast<HPALETTE>(m_palette), FALSE);
        RealizePalette(dc);
    }
    setLineDashType(0);
    setLineWidth(0);
    setHatchPattern(0);
    return 0;
}

long TQDwindraw::endDraw()
{
    if (!isBound())
        return -1;
    HDC dc = reinterpret_cast<HDC>(pass.contextResource);
    unbindPass();  // flushes the XOR layer onto the context
    if (m_previousPalette != nullptr)
        SelectPalette(dc, static_cast<HPALETTE>(m_previousPalette), FALSE);
    m_previousPalette = nullptr;
    return 0;
}

long TQDwindraw::setOperation(unsigned char operation)
{
    applyOperation(operation);
    return 0;
}

// The layer: a black bitmap of the drawing size that takes all drawing until
// it is XORed onto the real context, where black leaves the target as it was.
long TQDwindraw::beginExclusiveOr()
{
    if (pass.dev == nullptr)
        return -1;
    unsigned short w = 0;
    unsigned short h = 0;
    TQDdev::getWH(&w, &h);
    HDC target = reinterpret_cast<HDC>(pass.contextResource);

    HDC dc = CreateCompatibleDC(target);
    HBITMAP bitmap = dc != nullptr ? CreateCompatibleBitmap(target, w, h) : nullptr;
    if (bitmap == nullptr) {
        if (dc != nullptr)
            DeleteDC(dc);
        return -1;
    }
    Layer* layer = new Layer;
    layer->dc = dc;
    layer->bitmap = bitmap;
    layer->width = w;
    layer->height = h;
    TQDcolor* black = TQGIappColorSet()->getColor("#000000");
    COLORREF blackValue = black != nullptr ? static_cast<COLORREF>(black->getValue1()) : 0;
    layer->initialBitmap = SelectObject(layer->dc, layer->bitmap);
    layer->pen = CreatePen(PS_SOLID, 1, blackValue);
    layer->brush = CreateSolidBrush(blackValue);
    layer->initialPen = SelectObject(layer->dc, layer->pen);
    layer->initialBrush = SelectObject(layer->dc, layer->brush);
    SetMapMode(layer->dc, GetMapMode(target));
    RECT all = {0, 0, w, h};
    FillRect(layer->dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    m_layer = layer;
    return 0;
}

long TQDwindraw::endExclusiveOr()
{
    if (m_layer == nullptr)
        return 0;
    HDC target = reinterpret_cast<HDC>(pass.contextResource);
    BitBlt(target, 0, 0, m_layer->width, m_layer->height, m_layer->dc, 0, 0, SRCINVERT);
    delete m_layer;
    m_layer = nullptr;
    return 0;
}

// ---- clipping ----

TQDwindraw::Box TQDwindraw::currentRegion()
{
    return s_region;
}

TQDwindraw::Box TQDwindraw::clipToRegion(long x, long y, long w, long h)
{
    // Wider arithmetic keeps the unbounded region from wrapping.
    long long left = std::max<long long>(x, s_region.x);
    long long top = std::max<long long>(y, s_region.y);
    long long right = std::min(static_cast<long long>(x) + w,
                               static_cast<long long>(s_region.x) + s_region.w);
    long long bottom = std::min(static_cast<long long>(y) + h,
                                static_cast<long long>(s_region.y) + s_region.h);
    if (right <= left || bottom <= top)
        return Box{0, 0, 0, 0};
    return Box{static_cast<long>(left), static_cast<long>(top), static_cast<long>(right - left),
               static_cast<long>(bottom - top)};
}

long TQDwindraw::setRegion(short x, short y, unsigned short w, unsigned short h)
{
    HDC dc = asDC(context());
    if (dc == nullptr)
        return -1;
    w = std::min(w, kMaxRegionSide);
    h = std::min(h, kMaxRegionSide);
    // The region is kept in device units; the context clips on the page.
    tqgdi::Object region(CreateRectRgn(pageX(x), pageY(y), pageX(static_cast<long>(x) + w),
                                       pageY(static_cast<long>(y) + h)));
    SelectClipRgn(dc, static_cast<HRGN>(region.get()));
    s_region = Box{x, y, w, h};
    return 0;
}

long TQDwindraw::setRegion(const Box& box)
{
    return setRegion(static_cast<short>(box.x), static_cast<short>(box.y),
                     static_cast<unsigned short>(box.w), static_cast<unsigned short>(box.h));
}

// ---- primitives ----

// Each point from the caller's, the caller's array left as it is.
std::vector<POINT> TQDwindraw::pagePoints(const TQCpoint* points, long count) const
{
    std::vector<POINT> out(static_cast<size_t>(count));
    for (long i = 0; i < count; ++i)
        out[i] = POINT{pageX(points[i].x), pageY(points[i].y)};
    return out;
}

namespace {

// Lines and arcs draw with at least one pixel, and keep that width.
int clampedWidth(short* width)
{
    if (*width < 1)
        *width = 1;
    return *width;
}

} // namespace

long TQDwindraw::drawArc(short x, short y, unsigned short w, unsigned short h, short start,
                         short extent)
{
    toPage(&x, &y, &w, &h);
    HDC dc = asDC(context());
    if (dc == nullptr)
        return -1;
    // GDI would take coinciding radials for a whole ellipse.
    if (extent == 0)
        return 0;
    int width = clampedWidth(&pass.lineWidth);
    PrimitiveFrame frame(dc, CreatePen(penStyleOf(pass.lineDashType), width, m_foreground),
                         nullptr);
    if (extent >= kFullTurn) {
        int midY = y + h / 2;
        Arc(dc, x, y, x + w, y + h, x, midY, x + w, midY);
        Arc(dc, x, y, x + w, y + h, x + w, midY, x, midY);
        return 0;
    }
    POINT from, to;
    arcRadials(x, y, w, h, start, extent, &from, &to);
    Arc(dc, x, y, x + w, y + h, from.x, from.y, to.x, to.y);
    return 0;
}

long TQDwindraw::drawFillArc(short x, short y, unsigned short w, unsigned short h, short start,
                             short extent, char fillMode)
{
    toPage(&x, &y, &w, &h);
    HDC dc = asDC(context());
    if (dc == nullptr)
        return -1;
    if (extent == 0)
        return 0;
    int width = clampedWidth(&pass.lineWidth);
    PrimitiveFrame frame(dc, CreatePen(PS_NULL, width, m_foreground), makeFillBrush());
    POINT from, to;
    arcRadials(x, y, w, h, start, extent, &from, &to);
    if (fillMode == 0)
        Pie(dc, x, y, x + w, y + h, from.x, from.y, to.x, to.y);
    else
        Chord(dc, x, y, x + w, y + h, from.x, from.y, to.x, to.y);
    return 0;
}

long TQDwindraw::drawLine(short x1, short y1, short x2, short y2)
{
    x1 = pageX(x1);
    y1 = pageY(y1);
    x2 = pageX(x2);
    y2 = pageY(y2);
    HDC dc = asDC(context());
    if (dc == nullptr)
        return -1;
    int width = clampedWidth(&pass.lineWidth);
    PrimitiveFrame frame(dc, CreatePen(penStyleOf(pass.lineDashType), width, m_foreground),
                         nullptr);
    if (pass.lineDashType == 8 && width < 2 && (x1 == x2 || y1 == y2)) {
        drawDots(dc, x1, y1, x2, y2);
        return 0;
    }
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    return 0;
}

long TQDwindraw::drawLines(TQCpoint* points, long count)
{
    HDC dc = asDC(context());
    if (dc == nullptr)
        return -1;
    if (points == nullptr || count < 2)
        return 0;
    int width = clampedWidth(&pass.lineWidth);
    PrimitiveFrame frame(dc, CreatePen(penStyleOf(pass.lineDashType), width, m_foreground),
                         nullptr);
    std::vector<POINT> line = pagePoints(points, count);
    MoveToEx(dc, line[0].x, line[0].y, nullptr);
    for (long i = 1; i < count; ++i)
        LineTo(dc, line[i].x, line[i].y);
    return 0;
}

long TQDwindraw::drawRect(short x, short y, unsigned short w, unsigned short h)
{
    toPage(&x, &y, &w, &h);
    HDC dc = asDC(context());
    if (dc == nullptr)
        return -1;
    PrimitiveFrame frame(dc, CreatePen(penStyleOf(pass.lineDashType), pass.lineWidth,
                                       m_foreground),
                         hollowBrush());
    if (pass.lineDashType == 8 && pass.lineWidth < 2) {
        drawDottedEdges(dc, x, y, x + w - 1, y + h - 1);
        return 0;
    }
    Rectangle(dc, x, y, x + w, y + h);
    return 0;
}

long TQDwindraw::drawRects(TQCrect* rects, long count)
{
    HDC dc = asDC(context());
    if (dc == nullptr)
        return -1;
    if (rects == nullptr)
        return 0;
    PrimitiveFrame frame(dc, CreatePen(penStyleOf(pass.lineDashType), pass.lineWidth,
                                       m_foreground),
                         hollowBrush());
    bool dotted = pass.lineDashType == 9 && pass.lineWidth < 2;
    for (long i = 0; i < count; ++i) {
        long x = pageX(rects[i].x);
        long y = pageY(rects[i].y);
        long right = x + pageWidth(rects[i].width);
        long bottom = y + pageHeight(rects[i].height);
        if (dotted)
            drawDottedEdges(dc, x, y, right, bottom);
        else
            Rectangle(dc, x, y, right + 1, bottom + 1);
    }
    return 0;
}

long TQDwindraw::drawFillRect(short x, short y, unsigned short w, unsigned short h)
{
    HDC dc = asDC(context());
    if (dc == nullptr)
        return -1;
    if (hatchStyleOf(pass.hatchPattern) != kStippleHatch) {
        PrimitiveFrame frame(dc, CreatePen(PS_NULL, pass.lineWidth, m_foreground),
                             makeFillBrush());
        short px = x, py = y;
        unsigned short pw = w, ph = h;
        toPage(&px, &py, &pw, &ph);
        Rectangle(dc, px, py, px + pw + 1, py + ph + 1);
        return 0;
    }

    // The stipple: diagonals through every pixel whose distance sum from
    // the corner is odd, clipped to the rectangle within the current clip.
    PrimitiveFrame frame(dc, CreatePen(PS_SOLID, 1, m_foreground), nullptr);
    Box saved = currentRegion();
    setRegion(clipToRegion(x, y, w, h));
    long sum = static_cast<long>(w) + h;
    for (long i = 1; i < sum; i += 2) {
        MoveToEx(dc, pageX(x + i), pageY(y), nullptr);
        // One step past (x, y + i), so that the line's own last pixel, on
        // the rectangle's left side, is drawn too.
        LineTo(dc, pageX(x - 1), pageY(y + i + 1));
    }
    setRegion(saved);
    return 0;
}

long TQDwindraw::drawFillRects(TQCrect* rects, long count)
{
    HDC dc = asDC(context());
    if (dc == nullptr)
        return -1;
    if (rects == nullptr)
        return 0;
    PrimitiveFrame frame(dc, CreatePen(PS_NULL, pass.lineWidth, m_foreground), makeFillBrush());
    for (long i = 0; i < count; ++i) {
        long x = pageX(rects[i].x);
        long y = pageY(rects[i].y);
        Rectangle(dc, x, y, x + pageWidth(rects[i].width) + 1,
                  y + pageHeight(rects[i].height) + 1);
    }
    return 0;
}


long TQDwindraw::drawPoly(TQCpoint* points, long count)
{
    HDC dc = asDC(context());
    if (dc == nullptr)
        return -1;
    if (points == nullptr || count < 1)
        return 0;
    PrimitiveFrame frame(dc, CreatePen(penStyleOf(pass.lineDashType), pass.lineWidth,
                                       m_foreground),
                         nullptr);
    std::vector<POINT> closed = pagePoints(points, count);
    closed.push_back(closed.front());
    Polyline(dc, closed.data(), static_cast<int>(closed.size()));
    return 0;
}

long TQDwindraw::drawFillPoly(TQCpoint* points, long count)
{
    HDC dc = asDC(context());
    if (dc == nullptr)
        return -1;
    if (points == nullptr || count <= 0)
        return 0;
    PrimitiveFrame frame(dc, CreatePen(PS_NULL, pass.lineWidth, m_foreground), makeFillBrush());
    std::vector<POINT> corners = pagePoints(points, count);
    Polygon(dc, corners.data(), static_cast<int>(corners.size()));
    return 0;
}

// ---- gradation ----

long TQDwindraw::drawGradation(long type, short color1, short color2, short color3, short x,
                               short y, unsigned short w, unsigned short h, unsigned char margin)
{
    HDC dc = asDC(context());
    if (dc == nullptr)
        return -1;
    Box saved = currentRegion();
    // The fill and the clip map themselves onto the page; the margin and
    // the bands are drawn on the page box.
    Box clip = clipToRegion(x, y, w, h);

    setForeColor(color2);
    drawFillRect(x, y, w, h);
    toPage(&x, &y, &w, &h);
    TQCcolorSet* set = TQGIappColorSet();
    TQDcolor* c1 = set->getColor(color1);
    TQDcolor* c2 = set->getColor(color2);
    TQDcolor* c3 = set->getColor(color3);
    if (c1 == nullptr || c2 == nullptr || c3 == nullptr)
        return -1;

    setRegion(clip);
    // The next colour setting takes effect whatever was set before.
    s_foreColorNo = -100;
    s_backColorNo = -100;
    m_foreground = 0;
    m_background = 0;
    Rgb a1 = rgbOf(c1);
    Rgb a2 = rgbOf(c2);
    Rgb a3 = rgbOf(c3);
    ensureGradationColor();
    COLORREF middle = 0x02000000 | (a2.b << 16) | (a2.g << 8) | a2.r;

    if (margin != 0) {
        PrimitiveFrame frame(dc, CreatePen(PS_NULL, 1, middle), CreateSolidBrush(middle));
        Rectangle(dc, x, y, x + w + 1, y + h + 1);
    }

    long span = type >= 1 && type <= 4 ? static_cast<long>(w) + h
                                       : (type == 5 || type == 6 ? h : w);
    long L = span * (100 - margin) / 100;
    long step = L / 128 + 1;
    int penWidth = static_cast<int>(L / 128 + 2);
    bool firstToThird = type == 1 || type == 3 || type == 5 || type == 7;
    const Rgb& p = firstToThird ? a1 : a3;
    const Rgb& q = firstToThird ? a3 : a1;
    long shift = span * margin / 100;

    for (long d = 0; d < L; d += step) {
        COLORREF color = bandColor(d, L, p, a2, q);
        bool pastMiddle = (type == 1 || type == 4) ? d > L / 2 : d >= L / 2;
        long e = pastMiddle ? d + shift : d;
        // Thin lines close the gaps the wide diagonal lines leave.
        if (type == 1 || type == 4) {
            long outer = type == 1 ? e - step - 5 : e + L / 128 + 6;
            long inner = type == 1 ? e - step - 1 : e + L / 128 + 2;
            if (step > 7)
                drawLineWithPen(dc, color, 1, x + outer, y, x, y + outer);
            if (step > 3)
                drawLineWithPen(dc, color, 1, x + inner, y, x, y + inner);
        }
        if (type == 1 || type == 4)
            drawLineWithPen(dc, color, penWidth, x + e, y, x, y + e);
        else if (type == 2 || type == 3)
            drawLineWithPen(dc, color, penWidth, x, y + h - e, x + e, y + h);
        else if (type == 5 || type == 6)
            drawLineWithPen(dc, color, penWidth, x, y + e, x + w, y + e);
        else
            drawLineWithPen(dc, color, penWidth, x + e, y, x + e, y + h);
    }
    setRegion(saved);
    return 0;
}

// ---- the process-wide object ----

TQDwindraw* TQGIwindraw()
{
    TQDdraw* draw = TQDdev::getDraw();
    return draw != nullptr ? static_cast<TQDwindraw*>(draw->cast("TQDwindraw")) : nullptr;
}

void TQGFinitializeWinDraw()
{
    static TQDwindraw* draw = nullptr;
    if (draw != nullptr)
        return;
    draw = new TQDwindraw;
    TQDdev::setDraw(draw);
}
