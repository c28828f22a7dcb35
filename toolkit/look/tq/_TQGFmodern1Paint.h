// The primitives of the "Modern1" procedures, in 32-bit arithmetic: a
// rectangle or arc whose computed size is 0 or less is skipped, where the
// device's 16-bit sizes would wrap it to a huge one.
#ifndef _TQGFMODERN1PAINT_H
#define _TQGFMODERN1PAINT_H

#include "_TQDdev.h"

inline bool modern1Sized(long w, long h)
{
    return w > 0 && h > 0;
}

inline void modern1Fill(TQDdev* dev, long x, long y, long w, long h)
{
    if (modern1Sized(w, h))
        dev->drawFillRect(static_cast<short>(x), static_cast<short>(y),
                          static_cast<unsigned short>(w), static_cast<unsigned short>(h));
}

inline void modern1Outline(TQDdev* dev, long x, long y, long w, long h)
{
    if (modern1Sized(w, h))
        dev->drawRect(static_cast<short>(x), static_cast<short>(y),
                      static_cast<unsigned short>(w), static_cast<unsigned short>(h));
}

inline void modern1Dot(TQDdev* dev, long x, long y)
{
    modern1Fill(dev, x, y, 1, 1);
}

// A filled pie of the ellipse in (x, y, w, h), in the device's angle units.
inline void modern1FillArc(TQDdev* dev, long x, long y, long w, long h, short start,
                           short extent)
{
    if (modern1Sized(w, h))
        dev->drawFillArc(static_cast<short>(x), static_cast<short>(y),
                         static_cast<unsigned short>(w), static_cast<unsigned short>(h), start,
                         extent, 2);
}

#endif
