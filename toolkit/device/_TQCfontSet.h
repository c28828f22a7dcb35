// The process-wide font list. Fonts carry their number as resource id; a
// number that no font carries stands for the default font. The set owns its
// fonts and measures strings by font number.
#ifndef _TQCFONTSET_H
#define _TQCFONTSET_H

#include "_TQClistData.h"

class TQCstring;
class TQDfont;

class TQCfontSet {
public:
    TQCfontSet();
    virtual ~TQCfontSet();

    // The platform's handlers. The set itself calls only the default
    // initialiser; the other two are kept for the platform's own use.
    long setCreateHandler(TQDfont* (*handler)());
    long setSetupHandler(long (*handler)(TQDfont* font, char* entry));
    long setDefaultInitializeHandler(long (*handler)(TQCfontSet* set));
    // Lets the platform fill the set with its default fonts.
    long initializeDefault();

    long addFont(TQDfont* font);
    // Font n, else the default font, else null.
    TQDfont* getFont(short no);
    TQDfont* getDefaultFont();
    short getDefaultFontNo() const { return m_defaultFontNo; }
    long setDefaultFont(short no);

    // 0 when there is no font for the number.
    long getStringWidth(short no, TQCstring* text);
    long getStringHeight(short no, TQCstring* text);
    long getStringWidth(short no, const char* text, long encoding);
    long getStringHeight(short no, const char* text, long encoding);
    unsigned char getReady(short no, unsigned char realise);

private:
    TQDfont* findFont(short no) const;

    TQClistData m_fonts;
    TQDfont* (*m_createHandler)();
    long (*m_setupHandler)(TQDfont*, char*);
    long (*m_defaultInitializeHandler)(TQCfontSet*);
    short m_defaultFontNo;
};

// The application's font set, made on first call and kept for the process.
TQCfontSet* TQGIappFontSet();

// Default handler of a "font" property kept as an unsigned char: the set's
// default font number, which the platform fills in after the classes
// registered their properties.
void TQGFdefaultFontNo(void* value);

#endif
