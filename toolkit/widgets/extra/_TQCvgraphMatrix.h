// The graph matrix: a window-less grid of parallel lines across the whole
// widget, one through the centre of each of its slots.
#ifndef _TQCVGRAPHMATRIX_H
#define _TQCVGRAPHMATRIX_H

#include "_TQCgraph.h"

class TQCvgraphMatrix : public TQCgraph {
public:
    TQ_CLASS_FRAME(TQCvgraphMatrix, TQCnwbase, 1000, 1000)
    TQCvgraphMatrix(TQCbase* parent, const char* name);

    long draw() override;
};

void* TQCvgraphMatrix_create(void* parent);
void TQCvgraphMatrix_delete(void* object);

#endif
