// Conversions between colour-property text and colour numbers.
#include "_TQGFcolor.h"

#include "_TQCcolorSet.h"

#include <cstdlib>

namespace {

// False when the text is no number (or zero) and has to be looked up by
// name. A positive number is cut to 16 bits, which may give 0 (65536).
bool numberOf(const char* text, short* no)
{
    long v = std::atol(text);
    if (v == 0)
        return false;
    *no = v > 0 ? static_cast<short>(v) : -1;
    return true;
}

} // namespace

short TQGFcolor(const char* text)
{
    if (text == nullptr)
        return -1;
    short no = 0;
    return numberOf(text, &no) ? no : TQGIappColorSet()->getStaticColorNo(text);
}

short TQGFindexColor(const char* text)
{
    if (text == nullptr)
        return -1;
    short no = 0;
    return numberOf(text, &no) ? no : TQGIappColorSet()->getColorNo(text);
}

char* TQGFcolorName(short no)
{
    return TQGIappColorSet()->getColorName(no);
}
