// The geometry the graph widgets share: coordinates truncated to 16 bits,
// an extent less the pen, and the equal slots of a scale or a grid, whose
// centres line up when both have the same columns, pen and extent.
#ifndef _TQCGRAPHSLOTS_H
#define _TQCGRAPHSLOTS_H

// Truncated toward zero and kept within a signed 16-bit coordinate: a point
// far beyond the widget stays beyond the same edge, where it is clipped.
short TQGFgraphCoordinate(double v);

// size less the pen, never below 0: a widget narrower than its pen has no
// room left rather than a wrapped, huge one.
unsigned short TQGFgraphExtent(unsigned short size, unsigned short pen);

class TQCgraphSlots {
public:
    // size less the pen, divided into columns (at least 1) slots.
    TQCgraphSlots(unsigned short size, unsigned char lineWidth, unsigned short columns);

    double pitch() const { return m_pitch; }
    // The middle of slot i, half the pen in from the edge.
    double middle(long i) const { return m_halfPen + m_pitch * 0.5 + i * m_pitch; }
    short centre(long i) const { return TQGFgraphCoordinate(middle(i)); }

private:
    long m_halfPen;
    double m_pitch;
};

#endif
