// The bar graph: a window-less row of bars, one per slot, whose lengths are
// the percentages of its value, standing on the far edge or hanging from the
// near one; filled with a hatch and outlined.
#ifndef _TQCVBARGRAPH_H
#define _TQCVBARGRAPH_H

#include "_TQCgraphSeries.h"

#include <vector>

class TQCvbarGraph : public TQCgraphSeries {
public:
    TQ_CLASS_FRAME(TQCvbarGraph, TQCnwbase, 1000, 1000)
    TQCvbarGraph(TQCbase* parent, const char* name);

    long draw() override;

private:
    struct Bar {
        short x, y;
        unsigned short width, height;
    };
    std::vector<Bar> bars();
};

void* TQCvbarGraph_create(void* parent);
void TQCvbarGraph_delete(void* object);

#endif
