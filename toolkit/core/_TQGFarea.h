// Rectangle arithmetic in the toolkit's 16-bit coordinates: whether two
// rectangles meet, their bounding rectangle and their intersection.
#ifndef _TQGFAREA_H
#define _TQGFAREA_H

// True when the rectangles overlap or touch.
unsigned char TQGFareaInclude(short x1, short y1, unsigned short w1, unsigned short h1,
                              short x2, short y2, unsigned short w2, unsigned short h2);
// Bounding rectangle of both; 0.
long TQGForArea(short x1, short y1, unsigned short w1, unsigned short h1, short x2, short y2,
                unsigned short w2, unsigned short h2, long* x, long* y, unsigned long* w,
                unsigned long* h);
// Intersection, edges compared as 16-bit values; 0, or -1 with all four
// outputs 0 when it is empty (rectangles that only touch included).
long TQGFandArea(short x1, short y1, unsigned short w1, unsigned short h1, short x2, short y2,
                 unsigned short w2, unsigned short h2, long* x, long* y, unsigned long* w,
                 unsigned long* h);

#endif
