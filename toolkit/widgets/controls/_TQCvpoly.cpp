// Polygon: its point properties and the background, fill and outline
// through its vertices.
#include "_TQCvpoly.h"

#include "_TQCtypeServerFrame.h"

TQ_TYPE_SERVER_FRAME(TQCvpoly, TQCvpolyAttr);

namespace {

const char kClassName[] = "TQCvpoly";
const char kDefaultX[] = "0,100,100,0";
const char kDefaultY[] = "0,0,100,100";

} // namespace

TQCvpoly::TQCvpoly(TQCbase* parent, const char* name) : TQCvpolyAttr(parent, name)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, lineX, kDefaultX);
        TQ_WATCH(r, lineY, kDefaultY);
        TQ_WATCH(r, lineNum, 4);
    });
    m_points.rebuild(m_lineNum, kDefaultX, kDefaultY);
}

TQ_POINT_LIST_DEFINITIONS(TQCvpoly)

long TQCvpoly::draw()
{
    long drawing = openBlinkingDrawing(kClassName, __LINE__);
    if (drawing != 1)
        return drawing;
    TQDdev* dev = getowndev();
    if (m_lineNum != 0)
        drawPolygon(dev);
    dev->endDraw();
    return 0;
}

void TQCvpoly::drawPolygon(TQDdev* dev)
{
    setPen(dev, m_lineWidth, m_lineType);
    std::vector<TQCpoint> points = m_points.points(m_lineNum);
    long n = static_cast<long>(points.size());
    Colours colours = passColours();
    fillArea(dev, colours, [&](TQDdev* d) { d->drawFillPoly(points.data(), n); });
    if (m_stippled)
        dev->setHatchPattern(0);
    dev->setForeColor(colours.outline);
    if (m_lineWidth != 0)
        dev->drawPoly(points.data(), n);
}
