// Font set: fonts by number with a default, and measuring by font number.
#include "_TQCfontSet.h"

#include "_TQCstring.h"
#include "_TQDfont.h"

TQCfontSet::TQCfontSet()
    : m_fonts(16),
      m_createHandler(nullptr),
      m_setupHandler(nullptr),
      m_defaultInitializeHandler(nullptr),
      m_defaultFontNo(0)
{
}

TQCfontSet::~TQCfontSet()
{
    for (long i = 0; i < m_fonts.getNum(); ++i)
        delete static_cast<TQDfont*>(m_fonts.getData(i));
}

long TQCfontSet::setCreateHandler(TQDfont* (*handler)())
{
    m_createHandler = handler;
    return 0;
}

long TQCfontSet::setSetupHandler(long (*handler)(TQDfont*, char*))
{
    m_setupHandler = handler;
    return 0;
}

long TQCfontSet::setDefaultInitializeHandler(long (*handler)(TQCfontSet*))
{
    m_defaultInitializeHandler = handler;
    return 0;
}

long TQCfontSet::initializeDefault()
{
    if (m_defaultInitializeHandler != nullptr)
        m_defaultInitializeHandler(this);
    return 0;
}

long TQCfontSet::addFont(TQDfont* font)
{
    m_fonts.add(font);
    return 0;
}

TQDfont* TQCfontSet::findFont(short no) const
{
    for (long i = 0; i < m_fonts.getNum(); ++i) {
        TQDfont* font = static_cast<TQDfont*>(m_fonts.getData(i));
        if (font->getId() == no)
            return font;
    }
    return nullptr;
}

TQDfont* TQCfontSet::getFont(short no)
{
    TQDfont* font = findFont(no);
    return font != nullptr ? font : findFont(m_defaultFontNo);
}

TQDfont* TQCfontSet::getDefaultFont()
{
    return findFont(m_defaultFontNo);
}

long TQCfontSet::setDefaultFont(short no)
{
    m_defaultFontNo = no;
    return 0;
}

long TQCfontSet::getStringWidth(short no, TQCstring* text)
{
    TQDfont* font = getFont(no);
    return font != nullptr ? font->getStringWidth(text) : 0;
}

long TQCfontSet::getStringHeight(short no, TQCstring* text)
{
    TQDfont* font = getFont(no);
    return font != nullptr ? font->getStringHeight(text) : 0;
}

long TQCfontSet::getStringWidth(short no, const char* text, long encoding)
{
    TQCstring string(text, encoding);
    return getStringWidth(no, &string);
}

long TQCfontSet::getStringHeight(short no, const char* text, long encoding)
{
    TQCstring string(text, encoding);
    return getStringHeight(no, &string);
}

unsigned char TQCfontSet::getReady(short no, unsigned char realise)
{
    TQDfont* font = getFont(no);
    return font != nullptr ? font->getReady(realise) : 0;
}

TQCfontSet* TQGIappFontSet()
{
    static TQCfontSet* set = new TQCfontSet();
    return set;
}

void TQGFdefaultFontNo(void* value)
{
    *static_cast<unsigned char*>(value) =
        static_cast<unsigned char>(TQGIappFontSet()->getDefaultFontNo());
}
