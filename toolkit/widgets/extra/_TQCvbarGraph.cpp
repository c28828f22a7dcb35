// Bar graph: a bar centred in each slot, its length the field's percentage
// of the extent the pen leaves; every fill before the first outline.
#include "_TQCvbarGraph.h"

#include <algorithm>
#include <climits>

#include "_TQCgraphSlots.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDdev.h"

TQ_TYPE_SERVER_FRAME(TQCvbarGraph, TQCnwbase);

namespace {

const char kClassName[] = "TQCvbarGraph";
const char kSeries[] = "0,20,40,60,80,100";

} // namespace

TQCvbarGraph::TQCvbarGraph(TQCbase* parent, const char* name)
    : TQCgraphSeries(parent, name, kSeries, "")
{
    TQCregisterClass(this, VERSION, [](Registrar& r) { registerSeries(r, kSeries, ""); });
}

// A field of 0 (or no number) leaves its slot empty, and so does a negative
// one: its length would reach the device as a wrapped, huge extent. A bar
// far beyond 100 percent is kept within 16-bit coordinates; the widget's
// rectangle clips it.
std::vector<TQCvbarGraph::Bar> TQCvbarGraph::bars()
{
    const long extent = TQGFgraphExtent(vertical() ? m_height : m_width, m_lineWidth);
    const double pitch = static_cast<double>(vertical() ? m_width : m_height) / m_columns;
    const long halfPen = m_lineWidth / 2;
    TQCgraphFields fields = seriesFields();
    std::vector<Bar> out;
    for (long i = 0; i < fields.count(); ++i) {
        const long long v = fields.number(i);
        const long long length = std::min<long long>(extent * v / 100, SHRT_MAX);
        if (v == 0 || length < 0)
            continue;
        const short across = TQGFgraphCoordinate(pitch * 0.5 + i * pitch - m_barThickness / 2);
        const short along =
            TQGFgraphCoordinate(m_reverseFlag ? halfPen : extent - length + halfPen);
        const unsigned short len = static_cast<unsigned short>(length);
        if (vertical())
            out.push_back({across, along, m_barThickness, len});
        else
            out.push_back({along, across, len, m_barThickness});
    }
    return out;
}

long TQCvbarGraph::draw()
{
    long drawing = openGraphDrawing(kClassName, __LINE__, true);
    if (drawing != 1)
        return drawing;
    TQDdev* dev = getowndev();
    const std::vector<Bar> all = bars();
    if (m_stippled) {
        beginFillPass(dev);
        for (const Bar& b : all)
            dev->drawFillRect(b.x, b.y, b.width, b.height);
    }
    beginLinePass(dev);
    for (const Bar& b : all)
        dev->drawRect(b.x, b.y, b.width, b.height);
    dev->endDraw();
    return 0;
}
