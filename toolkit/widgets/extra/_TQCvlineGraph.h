// The line graph: a window-less polyline through the percentages of its
// value, one per index position from the near edge to the far one, broken
// where a field reads "NA"; the area down to the baseline may be hatched.
#ifndef _TQCVLINEGRAPH_H
#define _TQCVLINEGRAPH_H

#include "_TQCgraphSeries.h"

#include <vector>

class TQCvlineGraph : public TQCgraphSeries {
public:
    TQ_CLASS_FRAME(TQCvlineGraph, TQCnwbase, 1000, 1000)
    TQCvlineGraph(TQCbase* parent, const char* name);

    long draw() override;

private:
    // The points of the values in order, and where each unbroken run of
    // them starts.
    struct Series {
        std::vector<TQCpoint> points;
        std::vector<size_t> runStarts;
        TQCpoint baseUnder(const TQCpoint& p) const;
        size_t runEnd(size_t run) const;
        bool vertical;
        short baseline;
    };
    Series series();
    void fillRuns(TQDdev* dev, const Series& s);
    void drawRuns(TQDdev* dev, Series& s);
};

void* TQCvlineGraph_create(void* parent);
void TQCvlineGraph_delete(void* object);

#endif
