// Small value types shared by every part of the toolkit.
#ifndef TQTYPES_H
#define TQTYPES_H

#include <cstdint>

typedef uint16_t u16;
typedef uint32_t u32;
typedef unsigned char TQCbool;
typedef unsigned char TQCuchar;
typedef unsigned short TQCushort;
typedef unsigned long TQCulong;
typedef unsigned int TQCuint;

// Pointer events carry a point, expose and resize events a rectangle.
struct TQCpoint {
    long x;
    long y;
};

struct TQCrect {
    long x;
    long y;
    unsigned long width;
    unsigned long height;
};

#endif
