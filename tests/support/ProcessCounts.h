// What the process holds, for tests that check that work leaves nothing
// behind: its handles and the bytes in use on its heaps.
#ifndef PROCESSCOUNTS_H
#define PROCESSCOUNTS_H

#include <cstddef>

struct ProcessCounts {
    unsigned long handles;
    std::size_t heapBytes;
};

// Walks every heap of the process; the heaps are locked one at a time.
ProcessCounts processCounts();

#endif
