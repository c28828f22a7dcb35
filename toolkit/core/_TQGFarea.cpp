// Rectangle arithmetic.
#include "_TQGFarea.h"

namespace {

long smaller(long a, long b)
{
    return a < b ? a : b;
}

long larger(long a, long b)
{
    return a > b ? a : b;
}

// The far edge of a side as a 16-bit value, as the intersection compares it.
short edge(short start, unsigned short length)
{
    return static_cast<short>(start + length);
}

} // namespace

unsigned char TQGFareaInclude(short x1, short y1, unsigned short w1, unsigned short h1,
                              short x2, short y2, unsigned short w2, unsigned short h2)
{
    long ax = x1, ay = y1, bx = x2, by = y2;
    return ax + w1 >= bx && ay + h1 >= by && bx + w2 >= ax && by + h2 >= ay ? 1 : 0;
}

long TQGForArea(short x1, short y1, unsigned short w1, unsigned short h1, short x2, short y2,
                unsigned short w2, unsigned short h2, long* x, long* y, unsigned long* w,
                unsigned long* h)
{
    long left = smaller(x1, x2);
    long top = smaller(y1, y2);
    *x = left;
    *y = top;
    *w = static_cast<unsigned long>(larger(x1 + w1, x2 + w2) - left);
    *h = static_cast<unsigned long>(larger(y1 + h1, y2 + h2) - top);
    return 0;
}

long TQGFandArea(short x1, short y1, unsigned short w1, unsigned short h1, short x2, short y2,
                 unsigned short w2, unsigned short h2, long* x, long* y, unsigned long* w,
                 unsigned long* h)
{
    short left = static_cast<short>(larger(x1, x2));
    short top = static_cast<short>(larger(y1, y2));
    short right = static_cast<short>(smaller(edge(x1, w1), edge(x2, w2)));
    short bottom = static_cast<short>(smaller(edge(y1, h1), edge(y2, h2)));
    short width = static_cast<short>(right - left);
    short height = static_cast<short>(bottom - top);
    if (width < 1 || height < 1) {
        *x = 0;
        *y = 0;
        *w = 0;
        *h = 0;
        return -1;
    }
    *x = left;
    *y = top;
    *w = static_cast<unsigned long>(width);
    *h = static_cast<unsigned long>(height);
    return 0;
}
