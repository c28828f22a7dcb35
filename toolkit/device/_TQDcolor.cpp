// Colour resource: naming, and the platform-free reading of "#" names.
#include "_TQDcolor.h"

#include <cstring>

namespace {

long hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

} // namespace

TQDcolor::TQDcolor() : m_usePrivateCell(0)
{
}

long TQDcolor::setColorName(const char* name)
{
    long result = setSrc(name);
    if (result == 0)
        initialize();
    return result;
}

long TQDcolor::setUsePrivateCell(unsigned char on)
{
    m_usePrivateCell = on ? 1 : 0;
    return 0;
}

// "#abc" scales each digit by 16 (0xa0, 0xb0, 0xc0); "#aabbcc" reads two
// digits per component; any other "#" length gives black.
long TQDcolor::getRGB(long* r, long* g, long* b)
{
    const char* name = getSrc();
    if (name[0] != '#')
        return -1;
    switch (std::strlen(name)) {
    case 4:
        *r = hexDigit(name[1]) * 16;
        *g = hexDigit(name[2]) * 16;
        *b = hexDigit(name[3]) * 16;
        break;
    case 7:
        *r = hexDigit(name[1]) * 16 + hexDigit(name[2]);
        *g = hexDigit(name[3]) * 16 + hexDigit(name[4]);
        *b = hexDigit(name[5]) * 16 + hexDigit(name[6]);
        break;
    default:
        *r = *g = *b = 0;
        break;
    }
    return 0;
}

long TQDcolor::getAlpha()
{
    return 255;
}
