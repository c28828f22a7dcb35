// What every graph widget shares: its extent divided into columns slots
// that run along its orientation, the width and dash type of its lines, and
// the opening of its drawing. The four graphs are object-model classes of
// their own with TQCnwbase as parent; this part of them has no class record.
#ifndef _TQCGRAPH_H
#define _TQCGRAPH_H

#include "_TQCnwbase.h"
#include "_TQDdev.h"

class TQCgraph : public TQCnwbase {
public:
    typedef TQCgraph ThisClass;

    TQCgraph(TQCbase* parent, const char* name, unsigned short columns,
             unsigned char orientation);

    TQ_PROPERTY_HOOKS(columns, unsigned short)
    TQ_PROPERTY_HOOKS(orientation, unsigned char)
    TQ_PROPERTY_HOOKS(lineWidth, unsigned char)
    TQ_PROPERTY_HOOKS(lineType, unsigned char)

protected:
    bool vertical() const { return m_orientation == 1; }
    // The opening steps of draw(): 1 with the drawing open; else what draw
    // returns. Without columns nothing at all is drawn. A blinking graph
    // is not drawn in its blink phase unless twinBlink gives it colours.
    long openGraphDrawing(const char* className, int line, bool blinking);
    // The pen of an axis, its ticks and grid lines, in foreColor.
    void setGridPen(TQDdev* dev);

    unsigned short m_columns;
    unsigned char m_orientation;
    unsigned char m_lineWidth = 2;
    unsigned char m_lineType : 4;
    TQ_BIT_FIELD_SLOT(m_lineType)
};

#endif
