// A font resource: its source is the platform's font description. A
// virtual font keeps its own name instead. Measuring is the platform's; the
// base measures everything as 0.
#ifndef _TQDFONT_H
#define _TQDFONT_H

#include "TQtypes.h"
#include "_TQCstring.h"
#include "_TQDres.h"

class TQDfont : public TQDres {
public:
    TQDfont();
    TQ_ROOT_FRAME(TQDfont, TQDres)

    virtual long setPrm(long a, long b);
    virtual long getStringWidth(TQCstring* text);
    virtual long getStringHeight(TQCstring* text);
    virtual long getStringWidthUCS2(u16* text);
    virtual long getStringHeightUCS2(u16* text);
    // How many characters of text fit in width: the index of the first
    // character that overflows, the index after a line feed that has more
    // text behind it (the line feed itself when it ends the text), or 0 when
    // everything fits.
    virtual long getCharsByWidth(TQCstring* text, u16 width);
    virtual long getAscent();
    virtual long getDescent();
    // 1 when the font is realised; with realise set, realises it first.
    virtual unsigned char getReady(unsigned char realise);

    long getStringWidth(const char* text, long encoding);
    long getStringHeight(const char* text, long encoding);
    long getFontHeight();

    long setFontStyle(unsigned char style);
    unsigned char getFontStyle() const { return m_fontStyle; }
    long setVirtualFlag(unsigned char on);
    unsigned char getVirtualFlag() const { return m_virtual; }

    // A virtual font drops its realised platform font when renamed, so that
    // the next use makes one of the new name.
    long setFontName(const char* name);
    char* getFontName();

private:
    TQCstring m_ownName;
    unsigned char m_virtual;
    unsigned char m_fontStyle;
};

#endif
