// The point list of a line or polygon: the x values and the y values, each
// parsed from a text of numbers by the line's points grammar, and the
// points handed to the device.
#ifndef _TQCPOINTAXES_H
#define _TQCPOINTAXES_H

#include <vector>

#include "TQtypes.h"

class TQCpointAxes {
public:
    enum Axis { X = 0, Y = 1 };

    // The axis takes the first n numbers of the text (zeros where it has
    // fewer); an empty or absent text changes nothing.
    void parse(Axis axis, const char* text, long n);
    // Both axes made anew with n entries each, parsed from their texts (all
    // zeros where a text is absent): 0. For n of 1 or less nothing changes
    // and the result is -1.
    long rebuild(long n, const char* textX, const char* textY);
    // The first n points, as many as both axes hold.
    std::vector<TQCpoint> points(long n) const;

private:
    std::vector<short> m_x;
    std::vector<short> m_y;
};

#endif
