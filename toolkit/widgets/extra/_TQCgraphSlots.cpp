// Slots, extents and coordinates of the graph widgets.
#include "_TQCgraphSlots.h"

#include "_TQDdev.h"

#include <climits>

short TQGFgraphCoordinate(double v)
{
    if (v >= SHRT_MAX)
        return SHRT_MAX;
    if (v <= SHRT_MIN)
        return SHRT_MIN;
    return static_cast<short>(v);
}

unsigned short TQGFgraphExtent(unsigned short size, unsigned short pen)
{
    return size > pen ? static_cast<unsigned short>(size - pen) : 0;
}

void TQGFsetGraphPen(TQDdev* dev, unsigned char lineWidth, short color, unsigned char dashType)
{
    dev->setLineWidth(lineWidth);
    dev->setHatchPattern(0);
    dev->setForeColor(color);
    dev->setLineDashType(static_cast<char>(dashType));
}

TQCgraphSlots::TQCgraphSlots(unsigned short size, unsigned char lineWidth,
                             unsigned short columns)
    : m_halfPen(lineWidth / 2),
      m_pitch(static_cast<double>(TQGFgraphExtent(size, lineWidth)) / (columns ? columns : 1))
{
}
