// The arc: part of the ellipse inscribed in the widget, from angle1 over
// angle2 degrees counter-clockwise, drawn open, closed by its chord or as a
// pie, and filled by the shape attributes.
#ifndef _TQCVARC_H
#define _TQCVARC_H

#include "_TQCvpolyAttr.h"

class TQCvarc : public TQCvpolyAttr {
public:
    TQ_CLASS_FRAME(TQCvarc, TQCvpolyAttr, 1020, 1000)
    TQCvarc(TQCbase* parent, const char* name);

    enum { ARC_OPEN = 0, ARC_CLOSED = 1, ARC_PIE = 2 };

    long draw() override;

    TQ_PROPERTY_HOOKS(angle1, short)
    TQ_PROPERTY_HOOKS(angle2, short)
    TQ_PROPERTY_HOOKS(arcType, char)

protected:
    // Degrees; 0 points right, positive angles turn counter-clockwise. A
    // sweep of exactly 360 is the whole ellipse whatever the type.
    short m_angle1 = 0;
    short m_angle2 = 360;
    char m_arcType = ARC_OPEN;

private:
    // The outline: the chord or the radii the type asks for, then the arc
    // of the box at (at, at), w x h.
    void drawOutline(TQDdev* dev, short at, unsigned short w, unsigned short h);
};

void* TQCvarc_create(void* parent);
void TQCvarc_delete(void* object);

#endif
