// Graph scale: the axis from half a slot in to the last slot's centre, then
// slot by slot the tick (when its length is above 0) and the label.
#include "_TQCvgraphScale.h"

#include "_TQCfontSet.h"
#include "_TQCgraphFields.h"
#include "_TQCgraphSlots.h"
#include "_TQCstring.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDdev.h"
#include "_TQGFstring.h"

TQ_TYPE_SERVER_FRAME(TQCvgraphScale, TQCnwbase);

namespace {

const char kClassName[] = "TQCvgraphScale";
const char kLabels[] = "0,1,2,3,4,5,6,7,8,9,10";
const char kTicks[] = "10,5,5,5,5,10,5,5,5,5,10";

} // namespace

TQCvgraphScale::TQCvgraphScale(TQCbase* parent, const char* name)
    : TQCgraph(parent, name, 11, 0), m_value(TQGFstrdup(kLabels)),
      m_barThickness(TQGFstrdup(kTicks)), m_font(static_cast<unsigned char>(TQGIappFontSet()->getDefaultFontNo()))
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, value, kLabels);
        TQ_WATCH(r, columns, 11);
        TQ_WATCH(r, barThickness, kTicks);
        TQ_WATCH(r, orientation, 0, orientation);
        TQ_WATCH_SLOT(r, reverseFlag, TQCflag<&ThisClass::m_reverseFlag>, 0, bool);
        TQ_WATCH(r, lineWidth, 2);
        TQ_WATCH_BITS(r, lineType, 0, lineType);
        TQ_WATCH(r, margin, 10);
        TQ_WATCH_BITS(r, font, 0)->setGetDefaultValueHandler(TQGFdefaultFontNo);
    });
}

TQCvgraphScale::~TQCvgraphScale()
{
    delete[] m_value;
    delete[] m_barThickness;
}

// The axis lies along the top edge of a horizontal scale and the right edge
// of a vertical one, or along the opposite edge when reversed; distances
// across it are measured from that edge.
short TQCvgraphScale::fromAxisEdge(long distance) const
{
    const bool nearEdge = vertical() ? m_reverseFlag != 0 : m_reverseFlag == 0;
    const long size = vertical() ? m_width : m_height;
    return TQGFgraphCoordinate(nearEdge ? distance : size - distance);
}

void TQCvgraphScale::line(TQDdev* dev, short a1, short c1, short a2, short c2)
{
    if (vertical())
        dev->drawLine(c1, a1, c2, a2);
    else
        dev->drawLine(a1, c1, a2, c2);
}

void TQCvgraphScale::drawAxis(TQDdev* dev, const TQCgraphSlots& slots)
{
    const double p = slots.pitch();
    const short axis = fromAxisEdge(m_lineWidth / 2);
    line(dev, TQGFgraphCoordinate(p * 0.5), axis,
         TQGFgraphCoordinate(m_lineWidth / 2 + (m_columns - 1) * p + p * 0.5), axis);
}

// A slot is drawn for each tick field; a label field that is missing
// draws no text. Without a font the labels go unmeasured, starting at
// their ticks.
void TQCvgraphScale::drawSlots(TQDdev* dev, const TQCgraphSlots& slots)
{
    TQCgraphFields ticks(m_barThickness, m_columns);
    TQCgraphFields labels(m_value, ticks.count());
    const short axis = fromAxisEdge(m_lineWidth / 2);
    for (long i = 0; i < ticks.count(); ++i) {
        const short centre = slots.centre(i);
        const long tick = ticks.number(i);
        if (tick > 0)
            line(dev, centre, axis, centre, fromAxisEdge(tick));
        if (i >= labels.count())
            continue;
        TQCstring label;
        label.setStringEx(labels.field(i).data(), static_cast<long>(labels.field(i).size()), -2);
        TQCfontSet* fonts = TQGIappFontSet();
        const long extent = vertical() ? fonts->getStringHeight(m_font, &label)
                                       : fonts->getStringWidth(m_font, &label);
        const short along = TQGFgraphCoordinate(slots.middle(i) - extent / 2);
        const short across = fromAxisEdge(m_margin);
        const long x = vertical() ? across : along, y = vertical() ? along : across;
        dev->drawString(x, y, 100, 100, &label, static_cast<char>(m_font), 5, -1, 0, 0, 0);
    }
}

long TQCvgraphScale::draw()
{
    long drawing = openGraphDrawing(kClassName, __LINE__, false);
    if (drawing != 1)
        return drawing;
    TQDdev* dev = getowndev();
    TQCgraphSlots slots(vertical() ? m_height : m_width, m_lineWidth, m_columns);
    setGridPen(dev);
    drawAxis(dev, slots);
    drawSlots(dev, slots);
    dev->endDraw();
    return 0;
}
