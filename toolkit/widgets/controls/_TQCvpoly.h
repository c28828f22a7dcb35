// The polygon: a closed polygon through up to 255 vertices, given as two
// texts of numbers read by the line's points grammar, filled, hatched and
// outlined by the shape attributes. The outline is centred on the vertices.
#ifndef _TQCVPOLY_H
#define _TQCVPOLY_H

#include "_TQCpointAxes.h"
#include "_TQCvpolyAttr.h"

class TQCvpoly : public TQCvpolyAttr {
public:
    TQ_CLASS_FRAME(TQCvpoly, TQCvpolyAttr, 1000, 1000)
    TQCvpoly(TQCbase* parent, const char* name);
    TQ_POINT_LIST_MEMBERS(TQCvpoly)

    // Nothing while lineNum is 0.
    long draw() override;

protected:
    TQCpointAxes m_points;
    char* m_lineX = nullptr;
    char* m_lineY = nullptr;
    unsigned char m_lineNum = 4;

private:
    void drawPolygon(TQDdev* dev);
};

void* TQCvpoly_create(void* parent);
void TQCvpoly_delete(void* object);

#endif
