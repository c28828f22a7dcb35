// The opening of a graph's drawing.
#include "_TQCgraph.h"

TQCgraph::TQCgraph(TQCbase* parent, const char* name, unsigned short columns,
                   unsigned char orientation)
    : TQCnwbase(parent, name), m_columns(columns), m_orientation(orientation), m_lineType(0)
{
}

long TQCgraph::openGraphDrawing(const char* className, int line, bool blinking)
{
    if (blinking && m_columns != 0)
        return openBlinkingDrawing(className, line);
    long drawing = drawable(className, line);
    if (drawing != 1 || m_columns == 0)
        return drawing == -1 ? -1 : 0;
    return drawWanted(className, line) && openDrawing(className, line) ? 1 : 0;
}

void TQCgraph::setGridPen(TQDdev* dev)
{
    dev->setLineWidth(m_lineWidth);
    dev->setHatchPattern(0);
    dev->setForeColor(m_foreColor);
    dev->setLineDashType(static_cast<char>(m_lineType));
}
