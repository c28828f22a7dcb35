// Line graph: the runs of values between missing ones, each filled down to
// the baseline before any line is drawn, then drawn as a polyline, or as a
// dash of the pen's length when it holds one value.
#include "_TQCvlineGraph.h"

#include "_TQCgraphSlots.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDdev.h"

TQ_TYPE_SERVER_FRAME(TQCvlineGraph, TQCnwbase);

namespace {

const char kClassName[] = "TQCvlineGraph";
const char kSeries[] = "0,30,20,40,10,50,10,80,50,70";

} // namespace

TQCvlineGraph::TQCvlineGraph(TQCbase* parent, const char* name)
    : TQCgraphSeries(parent, name, kSeries, nullptr)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) { registerSeries(r, kSeries, nullptr); });
}

TQCpoint TQCvlineGraph::Series::baseUnder(const TQCpoint& p) const
{
    return vertical ? TQCpoint{p.x, baseline} : TQCpoint{baseline, p.y};
}

size_t TQCvlineGraph::Series::runEnd(size_t run) const
{
    return run + 1 < runStarts.size() ? runStarts[run + 1] : points.size();
}

// The first position lies on the near edge and the last on the far one, so
// one column is taken as two (and kept so). The baseline lies half the pen
// inside the zero edge.
TQCvlineGraph::Series TQCvlineGraph::series()
{
    if (m_columns == 1)
        m_columns = 2;
    Series s;
    s.vertical = vertical();
    const long halfPen = m_lineWidth / 2;
    const long long extent = TQGFgraphExtent(s.vertical ? m_height : m_width, m_lineWidth);
    const double step = static_cast<double>(s.vertical ? m_width : m_height) / (m_columns - 1);
    s.baseline = TQGFgraphCoordinate(m_reverseFlag ? halfPen : extent - halfPen);
    TQCgraphFields fields = seriesFields();
    bool broken = true;
    for (long i = 0; i < fields.count(); ++i) {
        if (fields.missing(i)) {
            broken = true;
            continue;
        }
        if (broken)
            s.runStarts.push_back(s.points.size());
        broken = false;
        const long long scaled = extent * fields.number(i) / 100;
        const short value =
            TQGFgraphCoordinate(m_reverseFlag ? scaled + halfPen : extent - scaled + halfPen);
        const short index = TQGFgraphCoordinate(i * step);
        s.points.push_back(s.vertical ? TQCpoint{index, value} : TQCpoint{value, index});
    }
    return s;
}

void TQCvlineGraph::fillRuns(TQDdev* dev, const Series& s)
{
    for (size_t run = 0; run < s.runStarts.size(); ++run) {
        const size_t first = s.runStarts[run], end = s.runEnd(run);
        std::vector<TQCpoint> area(s.points.begin() + first, s.points.begin() + end);
        area.push_back(s.baseUnder(s.points[end - 1]));
        area.push_back(s.baseUnder(s.points[first]));
        dev->drawFillPoly(area.data(), static_cast<long>(area.size()));
    }
}

void TQCvlineGraph::drawRuns(TQDdev* dev, Series& s)
{
    for (size_t run = 0; run < s.runStarts.size(); ++run) {
        const size_t first = s.runStarts[run], end = s.runEnd(run);
        if (end - first > 1) {
            dev->drawLines(s.points.data() + first, static_cast<long>(end - first));
            continue;
        }
        const short x = static_cast<short>(s.points[first].x);
        const short y = static_cast<short>(s.points[first].y);
        const short pen = m_lineWidth;
        if (s.vertical)
            dev->drawLine(x, y, static_cast<short>(x + pen), y);
        else
            dev->drawLine(x, y, x, static_cast<short>(y + pen));
    }
}

long TQCvlineGraph::draw()
{
    long drawing = openGraphDrawing(kClassName, __LINE__, true);
    if (drawing != 1)
        return drawing;
    TQDdev* dev = getowndev();
    Series s = series();
    if (m_stippled) {
        beginFillPass(dev);
        fillRuns(dev, s);
    }
    beginLinePass(dev);
    drawRuns(dev, s);
    dev->endDraw();
    return 0;
}
