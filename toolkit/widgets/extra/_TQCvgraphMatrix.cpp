// Graph matrix: vertical lines through the slots' centres from left to
// right, or horizontal ones from top to bottom, each spanning the widget.
#include "_TQCvgraphMatrix.h"

#include "_TQCgraphSlots.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDdev.h"

TQ_TYPE_SERVER_FRAME(TQCvgraphMatrix, TQCnwbase);

namespace {

const char kClassName[] = "TQCvgraphMatrix";

} // namespace

TQCvgraphMatrix::TQCvgraphMatrix(TQCbase* parent, const char* name)
    : TQCgraph(parent, name, 11, 0)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, columns, 11);
        TQ_WATCH(r, orientation, 0, orientation);
        TQ_WATCH(r, lineWidth, 2);
        TQ_WATCH_BITS(r, lineType, 0, lineType);
    });
}

long TQCvgraphMatrix::draw()
{
    long drawing = openGraphDrawing(kClassName, __LINE__, false);
    if (drawing != 1)
        return drawing;
    TQDdev* dev = getowndev();
    TQCgraphSlots slots(vertical() ? m_width : m_height, m_lineWidth, m_columns);
    setGridPen(dev);
    const short w = static_cast<short>(m_width), h = static_cast<short>(m_height);
    for (long i = 0; i < m_columns; ++i) {
        const short c = slots.centre(i);
        if (vertical())
            dev->drawLine(c, 0, c, h);
        else
            dev->drawLine(0, c, w, c);
    }
    dev->endDraw();
    return 0;
}
