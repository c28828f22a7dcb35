// Font resource: naming, the measuring entry points, and line fitting by
// width on top of the platform's per-character measurement.
#include "_TQDfont.h"

TQDfont::TQDfont() : m_virtual(0), m_fontStyle(0)
{
}

long TQDfont::setPrm(long, long)
{
    return 0;
}

long TQDfont::getStringWidth(TQCstring*)
{
    return 0;
}

long TQDfont::getStringHeight(TQCstring*)
{
    return 0;
}

long TQDfont::getStringWidthUCS2(u16*)
{
    return 0;
}

long TQDfont::getStringHeightUCS2(u16*)
{
    return 0;
}

long TQDfont::getAscent()
{
    return 0;
}

long TQDfont::getDescent()
{
    return 0;
}

unsigned char TQDfont::getReady(unsigned char realise)
{
    if (realise)
        getValue1();
    return isRealised() ? 1 : 0;
}

long TQDfont::getCharsByWidth(TQCstring* text, u16 width)
{
    if (text == nullptr)
        return 0;
    u16* units = text->getInternalUcs2();
    if (units == nullptr)
        return 0;

    long total = 0;
    for (long i = 0; units[i] != 0; ++i) {
        if (units[i] == 0x0a)
            return units[i + 1] != 0 ? i + 1 : i;
        u16 one[2] = { units[i], 0 };
        total += getStringWidthUCS2(one);
        if (total > width)
            return i;
    }
    return 0;
}

long TQDfont::getStringWidth(const char* text, long encoding)
{
    TQCstring string(text, encoding);
    return getStringWidth(&string);
}

long TQDfont::getStringHeight(const char* text, long encoding)
{
    TQCstring string(text, encoding);
    return getStringHeight(&string);
}

long TQDfont::getFontHeight()
{
    return getStringHeight(static_cast<TQCstring*>(nullptr));
}

long TQDfont::setFontStyle(unsigned char style)
{
    m_fontStyle = style;
    return 0;
}

long TQDfont::setVirtualFlag(unsigned char on)
{
    m_virtual = on;
    return 0;
}

long TQDfont::setFontName(const char* name)
{
    if (!m_virtual)
        return setSrc(name);
    m_ownName.setString(name);
    if (isRealised())
        unrealise();
    return 0;
}

char* TQDfont::getFontName()
{
    if (!m_virtual)
        return getSrc();
    return m_ownName.getString(0);
}
