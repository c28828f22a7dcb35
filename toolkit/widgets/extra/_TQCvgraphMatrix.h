// The graph matrix: a window-less grid of parallel lines across the whole
// widget, one through the centre of each of its slots.
#ifndef _TQCVGRAPHMATRIX_H
#define _TQCVGRAPHMATRIX_H

#include "_TQCnwbase.h"

class TQCvgraphMatrix : public TQCnwbase {
public:
    TQ_CLASS_FRAME(TQCvgraphMatrix, TQCnwbase, 1000, 1000)
    TQCvgraphMatrix(TQCbase* parent, const char* name);

    long draw() override;

    TQ_PROPERTY_HOOKS(columns, unsigned short)
    TQ_PROPERTY_HOOKS(orientation, unsigned char)
    TQ_PROPERTY_HOOKS(lineWidth, unsigned char)
    TQ_PROPERTY_HOOKS(lineType, unsigned char)

protected:
    unsigned short m_columns = 11;
    unsigned char m_orientation = 0;
    unsigned char m_lineWidth = 2;
    unsigned char m_lineType : 4;
    TQ_BIT_FIELD_SLOT(m_lineType)
};

void* TQCvgraphMatrix_create(void* parent);
void TQCvgraphMatrix_delete(void* object);

#endif
