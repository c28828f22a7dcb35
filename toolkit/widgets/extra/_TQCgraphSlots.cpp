// Slots, extents and coordinates of the graph widgets.
#include "_TQCgraphSlots.h"

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

TQCgraphSlots::TQCgraphSlots(unsigned short size, unsigned char lineWidth,
                             unsigned short columns)
    : m_halfPen(lineWidth / 2),
      m_pitch(static_cast<double>(TQGFgraphExtent(size, lineWidth)) / (columns ? columns : 1))
{
}
