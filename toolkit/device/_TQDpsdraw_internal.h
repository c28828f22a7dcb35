// What the parts of the PostScript drawing object share: the prolog text and
// the appending of integers to a text being built.
#ifndef _TQDPSDRAW_INTERNAL_H
#define _TQDPSDRAW_INTERNAL_H

#include "_TQCstring.h"

#include <initializer_list>

namespace tqps {

// The prolog: a dictionary of "tq_" procedures, then the saved memory
// state that the footer restores.
extern const char kProlog[];

// The values in plain decimal, separated by single blanks.
inline void putNumbers(TQCstring* s, std::initializer_list<long> values)
{
    const char* separator = "";
    for (long value : values) {
        *s << separator << value;
        separator = " ";
    }
}

// The hatch number a shape paints with: 1 to 7, or 0 (solid) for any value
// the prolog has no pattern for.
long hatchOf(long fillType);

} // namespace tqps

#endif
