// Counts the bytes that the code of this program asks of the heaps, on the
// thread that made the count: the C runtime's malloc, calloc and realloc
// (operator new, libpng, zlib and libjpeg come down to them) and Win32's
// HeapAlloc. The program's import slots of those functions point at
// counting stand-ins for the count's lifetime; one count at a time.
#ifndef ALLOCATIONCOUNT_H
#define ALLOCATIONCOUNT_H

#include <cstddef>

class AllocationCount {
public:
    AllocationCount();
    ~AllocationCount();
    AllocationCount(const AllocationCount&) = delete;
    AllocationCount& operator=(const AllocationCount&) = delete;

    // Starts again from nothing.
    void reset();
    // Bytes asked since the last reset, every request added.
    unsigned long long total() const;
    // The largest single request since the last reset.
    unsigned long long largest() const;
    // Whether the program's malloc goes through the count at all.
    bool counting() const;
};

#endif
