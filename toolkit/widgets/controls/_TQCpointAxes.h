// The point list of a line or polygon: the x values and the y values, each
// parsed from a text of numbers by the line's points grammar, and the
// points handed to the device; and the members that a shape class with a
// point list declares and defines through the two macros at the end.
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

// In the class: the destructor, which frees the texts m_lineX and m_lineY;
// the set hooks of lineX and lineY, each reading its axis again with the
// count m_lineNum, and of lineNum, which rebuilds both axes from both texts;
// and _set_data_num, the rebuild: -1 and no change for n of 1 or less (the
// count itself is already stored by then). The points live in m_points.
#define TQ_POINT_LIST_MEMBERS(Class)                                                  \
    ~Class() override;                                                               \
    TQ_PROPERTY_WORK_HOOK(lineX, char*)                                              \
    TQ_PROPERTY_WORK_HOOK(lineY, char*)                                              \
    TQ_PROPERTY_WORK_HOOK(lineNum, unsigned char)                                    \
    long _set_data_num(short n);

// At namespace scope in the class's source file.
#define TQ_POINT_LIST_DEFINITIONS(Class)                                              \
    Class::~Class()                                                                  \
    {                                                                                \
        delete[] m_lineX;                                                            \
        delete[] m_lineY;                                                            \
    }                                                                                \
    void Class::setWorkTQNlineX(char* text)                                          \
    {                                                                                \
        m_points.parse(TQCpointAxes::X, text, m_lineNum);                            \
    }                                                                                \
    void Class::setWorkTQNlineY(char* text)                                          \
    {                                                                                \
        m_points.parse(TQCpointAxes::Y, text, m_lineNum);                            \
    }                                                                                \
    void Class::setWorkTQNlineNum(unsigned char n)                                   \
    {                                                                                \
        _set_data_num(n);                                                            \
    }                                                                                \
    long Class::_set_data_num(short n)                                               \
    {                                                                                \
        return m_points.rebuild(n, m_lineX, m_lineY);                                \
    }

#endif
