// Conversions between colour-property text and colour numbers.
#include "_TQGFcolor.h"

#include "_TQCcolorSet.h"

#include <cstdlib>

namespace {

// 0 means the text is no number (or zero) and has to be looked up by name.
short numberOf(const char* text)
{
    long v = std::atol(text);
    if (v > 0)
        return static_cast<short>(v);
    return v < 0 ? -1 : 0;
}

} // namespace

short TQGFcolor(const char* text)
{
    if (text == nullptr)
        return -1;
    short no = numberOf(text);
    return no != 0 ? no : TQGIappColorSet()->getStaticColorNo(text);
}

short TQGFindexColor(const char* text)
{
    if (text == nullptr)
        return -1;
    short no = numberOf(text);
    return no != 0 ? no : TQGIappColorSet()->getColorNo(text);
}

char* TQGFcolorName(short no)
{
    return TQGIappColorSet()->getColorName(no);
}
