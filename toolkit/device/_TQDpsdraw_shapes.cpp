// PostScript shapes: arcs, ellipses, lines, rectangles and polygons, stroked
// or filled solid, or painted with a hatch pattern clipped to the shape.
// Coordinates are device units, written unchanged; angles are 64ths of a
// degree, negated because the page's y axis points down.
#include "_TQDpsdraw.h"

#include "_TQCstring.h"
#include "_TQDpsdraw_internal.h"

#include <algorithm>
#include <cstdlib>

namespace {

const long kFullTurn = 360 * 64;

// Closes the shape's path as the clip and paints the pattern over its box.
void putHatch(long hatch, long x, long y, unsigned long w, unsigned long h, TQCstring* s)
{
    *s << "closepath clip newpath\n";
    drawfill(hatch, x, y, w, h, s);
}

// Centre and radii of the ellipse in a box; an odd size loses its last unit.
struct Ellipse {
    long cx, cy, rx, ry;
    Ellipse(short x, short y, unsigned short w, unsigned short h)
        : cx(x + w / 2), cy(y + h / 2), rx(w / 2), ry(h / 2)
    {
    }
    void put(TQCstring* s) const { tqps::putNumbers(s, {cx, cy, rx, ry}); }
    void putArc(TQCstring* s, long from, long to, const char* procedure) const
    {
        tqps::putNumbers(s, {cx, cy, rx, ry, from, to});
        *s << procedure;
    }
};

long startDegrees(short angle1)
{
    return -angle1 / 64;
}

long endDegrees(short angle1, short angle2)
{
    return -(angle1 + angle2) / 64;
}

bool isFullTurn(short angle2)
{
    return angle2 / kFullTurn != 0;
}

} // namespace

long TQDpsdraw::drawArc(short x, short y, unsigned short w, unsigned short h, short angle1,
                        short angle2)
{
    if (!hasDocument())
        return -1;
    long hatch = tqps::hatchOf(s_fillType);
    Ellipse e(x, y, w, h);
    TQCstring s;
    openBlock(&s);
    s << "gsave gsave newpath\n";
    if (isFullTurn(angle2)) {
        e.put(&s);
        s << " tq_ellipse\n";
        if (hatch != 0)
            putHatch(hatch, x, y, w, h, &s);
        s << " stroke grestore grestore\n";
    } else {
        long from = startDegrees(angle1), to = endDegrees(angle1, angle2);
        e.putArc(&s, from, to, " tq_arc\n");
        if (hatch != 0) {
            e.putArc(&s, to, from, " tq_arcn\n");
            putHatch(hatch, x, y, w, h, &s);
        }
        s << "stroke grestore grestore\n";
    }
    s << "grestore\n";
    return writeText(&s);
}

long TQDpsdraw::drawFillArc(short x, short y, unsigned short w, unsigned short h, short angle1,
                            short angle2, char mode)
{
    if (!hasDocument())
        return -1;
    long hatch = tqps::hatchOf(s_fillType);
    Ellipse e(x, y, w, h);
    long from = startDegrees(angle1), to = endDegrees(angle1, angle2);
    TQCstring s;
    openBlock(&s);
    if (isFullTurn(angle2)) {
        s << "newpath ";
        e.put(&s);
        s << (hatch != 0 ? " tq_ellipse closepath clip newpath\n" : " tq_ellipse fill\n");
    } else if (mode == 0) {
        s << "newpath\n";
        tqps::putNumbers(&s, {e.cx, e.cy});
        s << " moveto\n";
        e.putArc(&s, from, to, " tq_arc\n");
        tqps::putNumbers(&s, {e.cx, e.cy});
        s << (hatch != 0 ? " lineto\nclosepath clip newpath\n" : " lineto fill\n");
    } else {
        s << "newpath\n";
        e.putArc(&s, from, to,
                 hatch != 0 ? " tq_arc closepath clip newpath\n" : " tq_arc fill\n");
    }
    if (hatch != 0)
        drawfill(hatch, x, y, w, h, &s);
    s << "grestore\n";
    return writeText(&s);
}

long TQDpsdraw::drawLine(short x1, short y1, short x2, short y2)
{
    if (!hasDocument())
        return -1;
    long hatch = tqps::hatchOf(s_fillType);
    TQCstring s;
    openBlock(&s);
    s << "newpath\n";
    tqps::putNumbers(&s, {x1, y1});
    s << " moveto\n";
    tqps::putNumbers(&s, {x2, y2});
    s << " lineto\n" << static_cast<long>(m_lineWidth) << " setlinewidth\n";
    if (hatch != 0) {
        long w = std::max<long>(std::labs(x2 - x1), m_lineWidth);
        long h = std::max<long>(std::labs(y2 - y1), m_lineWidth);
        putHatch(hatch, std::min(x1, x2), std::min(y1, y2), w, h, &s);
    }
    s << "stroke grestore\n\n";
    return writeText(&s);
}

long TQDpsdraw::drawLines(TQCpoint* points, long count)
{
    if (!hasDocument() || (points == nullptr && count >= 2))
        return -1;
    for (long i = 0; i + 1 < count; ++i)
        drawLine(static_cast<short>(points[i].x), static_cast<short>(points[i].y),
                 static_cast<short>(points[i + 1].x), static_cast<short>(points[i + 1].y));
    return 0;
}

long TQDpsdraw::drawRect(short x, short y, unsigned short w, unsigned short h)
{
    if (!hasDocument())
        return -1;
    short right = static_cast<short>(x + w);
    short bottom = static_cast<short>(y + h);
    drawLine(x, y, right, y);
    drawLine(right, y, right, bottom);
    drawLine(right, bottom, x, bottom);
    drawLine(x, bottom, x, y);
    return 0;
}

long TQDpsdraw::drawFillRect(short x, short y, unsigned short w, unsigned short h)
{
    if (!hasDocument())
        return -1;
    long hatch = tqps::hatchOf(s_fillType);
    long right = x + w, bottom = y + h;
    TQCstring s;
    openBlock(&s);
    s << "newpath\n";
    tqps::putNumbers(&s, {x, y});
    s << " moveto ";
    tqps::putNumbers(&s, {right, y});
    s << " lineto ";
    tqps::putNumbers(&s, {right, bottom});
    s << " lineto ";
    tqps::putNumbers(&s, {x, bottom});
    s << " lineto\n";
    if (hatch != 0)
        putHatch(hatch, x, y, w, h, &s);
    else
        s << "closepath fill\n";
    s << "grestore\n";
    return writeText(&s);
}

long TQDpsdraw::drawRects(TQCrect* rects, long count)
{
    return drawEachRect(rects, count, &TQDpsdraw::drawRect);
}

long TQDpsdraw::drawFillRects(TQCrect* rects, long count)
{
    return drawEachRect(rects, count, &TQDpsdraw::drawFillRect);
}

// Each rectangle through the object's own (virtual) operation, with the
// low 16 bits of its fields.
long TQDpsdraw::drawEachRect(TQCrect* rects, long count, RectOperation draw)
{
    if (!hasDocument() || (rects == nullptr && count > 0))
        return -1;
    for (long i = 0; i < count; ++i)
        (this->*draw)(static_cast<short>(rects[i].x), static_cast<short>(rects[i].y),
                      static_cast<unsigned short>(rects[i].width),
                      static_cast<unsigned short>(rects[i].height));
    return 0;
}

long TQDpsdraw::drawPoly(TQCpoint* points, long count)
{
    if (!hasDocument() || points == nullptr || count < 2)
        return -1;
    for (long i = 0; i < count; ++i) {
        const TQCpoint& from = points[i];
        const TQCpoint& to = points[(i + 1) % count];
        drawLine(static_cast<short>(from.x), static_cast<short>(from.y),
                 static_cast<short>(to.x), static_cast<short>(to.y));
    }
    return 0;
}

// The hatch box is the points' bounding box in 16-bit coordinates.
long TQDpsdraw::drawFillPoly(TQCpoint* points, long count)
{
    if (!hasDocument() || points == nullptr || count < 1)
        return -1;
    long hatch = tqps::hatchOf(s_fillType);
    short left = static_cast<short>(points[0].x), right = left;
    short top = static_cast<short>(points[0].y), bottom = top;
    TQCstring s;
    openBlock(&s);
    s << "newpath\n";
    tqps::putNumbers(&s, {points[0].x, points[0].y});
    s << " moveto\n";
    for (long i = 1; i < count; ++i) {
        tqps::putNumbers(&s, {points[i].x, points[i].y});
        s << " lineto\n";
        left = std::min(left, static_cast<short>(points[i].x));
        right = std::max(right, static_cast<short>(points[i].x));
        top = std::min(top, static_cast<short>(points[i].y));
        bottom = std::max(bottom, static_cast<short>(points[i].y));
    }
    tqps::putNumbers(&s, {points[0].x, points[0].y});
    s << " lineto\n";
    if (hatch != 0)
        putHatch(hatch, left, top, right - left, bottom - top, &s);
    else
        s << "closepath fill\n";
    s << "grestore\n";
    return writeText(&s);
}
