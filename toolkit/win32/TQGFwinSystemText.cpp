// Conversion of names and texts to and from the system locale's encoding.
#include "TQGFwinSystemText.h"

#include "_TQClocaleSet.h"
#include "_TQCstring.h"

namespace {

std::string convert(const char* text, long from, long to)
{
    if (text == nullptr)
        return std::string();
    TQCstring string(text, from);
    const char* converted = string.getString(to);
    return converted != nullptr ? converted : "";
}

} // namespace

long TQGFwinSystemEncoding()
{
    return TQGIappLocaleSet()->getSystemLocaleEncoding();
}

std::string TQGFtoSystemText(const char* text, long encoding)
{
    return convert(text, encoding, TQGFwinSystemEncoding());
}

std::string TQGFfromSystemText(const char* text, long encoding)
{
    return convert(text, TQGFwinSystemEncoding(), encoding);
}
