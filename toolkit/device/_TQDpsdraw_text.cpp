// PostScript text: each line is placed by the toolkit font's metrics and
// shown in a composite font of "Times-Roman" and "Ryumin-Light-EUC-H",
// stretched to the width the toolkit font gives it.
#include "_TQDpsdraw.h"

#include "_TQCfontSet.h"
#include "_TQClocaleSet.h"
#include "_TQCstring.h"
#include "_TQDcodeConvert.h"
#include "_TQDfont.h"
#include "_TQDpsdraw_internal.h"
#include "_TQGFstring.h"
#include "_TQGFtextLayout.h"

#include <memory>
#include <string>
#include <utility>

namespace {

const char kFontSetUp[] =
    "/Times-Roman-Ryumin-Light-EUC-H /Times-Roman /Ryumin-Light-EUC-H eucfont\n"
    "/Times-Roman-Ryumin-Light-EUC-H findfont [";

// The font of a number, else the default font; null when neither exists.
// The number is a signed byte, as the drawing interface passes it.
TQDfont* fontOf(char fontNo)
{
    TQCfontSet* fonts = TQGIappFontSet();
    TQDfont* font = fonts->getFont(static_cast<short>(static_cast<signed char>(fontNo)));
    return font != nullptr ? font : fonts->getDefaultFont();
}

// Japanese systems print in EUC-JP, the encoding of the double-byte font;
// others send the application's text through the same font unchanged.
long outputEncoding()
{
    long system = TQGIappLocaleSet()->getSystemLocaleEncoding();
    return system == TQENC_EUCJP || system == TQENC_SJIS ? TQENC_EUCJP : TQENC_APP_DEFAULT;
}

// The line's bytes as the inside of a string literal: bytes from 0x80 as
// three-digit octal escapes, the parentheses and the backslash escaped.
void putEscaped(TQCstring* s, TQCstring* line)
{
    static const char digits[] = "01234567";
    std::string out;
    for (const char* p = line->getString(outputEncoding()); *p != '\0'; ++p) {
        unsigned char byte = static_cast<unsigned char>(*p);
        if (byte >= 0x80) {
            const char escape[] = {'\\', digits[byte >> 6], digits[byte >> 3 & 7],
                                   digits[byte & 7], '\0'};
            out += escape;
        } else {
            if (byte == '(' || byte == ')' || byte == '\\')
                out += '\\';
            out += static_cast<char>(byte);
        }
    }
    *s << out.c_str();
}

// One show command: the move to the bottom left of the line's box, then the
// text stretched to width and at most height high.
void putShow(TQCstring* s, TQCstring* line, const TQCpoint& origin, TQDfont* font, long fh)
{
    tqps::putNumbers(s, {origin.x, fh + origin.y});
    *s << " moveto (";
    putEscaped(s, line);
    *s << ") ";
    tqps::putNumbers(s, {font->getStringWidth(line), fh});
    *s << " tq_whshow\n";
}

} // namespace

long TQDpsdraw::drawString(long x, long y, unsigned long w, unsigned long h, TQCstring* text,
                           char fontNo, char alignment, long, unsigned char, long, long)
{
    if (!hasDocument() || text == nullptr)
        return -1;
    TQDfont* font = fontOf(fontNo);
    if (font == nullptr)
        return -1;
    long fh = font->getFontHeight();
    TQCrect box = {x, y, w, h};

    TQCstring s;
    putcolor(m_foreColor, &s);
    s << kFontSetUp;
    tqps::putNumbers(&s, {fh, 0, 0, -fh, 0, 0});
    s << "] tq_makefont setfont\ngsave\n";
    if (m_region)
        putregion(&s);
    putregion(static_cast<short>(x), static_cast<short>(y), static_cast<unsigned short>(w),
              static_cast<unsigned short>(h), &s);

    if (text->isExist("\n", TQENC_APP_DEFAULT) < 0) {
        // An unknown alignment code places the text at the box's top left.
        TQCpoint origin = {x, y};
        TQGFcalcOneLineStringAddr(text, &box, alignment, font, &origin);
        putShow(&s, text, origin, font, fh);
    } else {
        TQCpoint* origins = nullptr;
        long count = 0;
        TQGFcalcStringAddr(text, &box, alignment, font, &origins, &count);
        std::unique_ptr<TQCpoint[]> owned(origins);
        text->seek(0);
        for (long i = 0; i < count; ++i) {
            TQCstring line = text->gets();
            putShow(&s, &line, origins[i], font, fh);
        }
        text->seek(0);
    }
    s << "grestore\n";
    return writeText(&s);
}

long TQDpsdraw::drawFillString(long x, long y, unsigned long w, unsigned long h,
                               TQCstring* text, char fontNo, char alignment, long charPos,
                               unsigned char charMode)
{
    // Checked first, so that a string that cannot be shown leaves no box.
    if (!hasDocument() || text == nullptr || fontOf(fontNo) == nullptr)
        return -1;
    swapColors();
    drawFillRect(static_cast<short>(x), static_cast<short>(y), static_cast<unsigned short>(w),
                 static_cast<unsigned short>(h));
    swapColors();
    return drawString(x, y, w, h, text, fontNo, alignment, charPos, charMode, 0, 0);
}

long TQDpsdraw::drawUString(long x, long y, unsigned long w, unsigned long h,
                            unsigned short* text, char fontNo, char alignment, long charPos,
                            unsigned char charMode, long selStart, long selEnd)
{
    if (text == nullptr)
        return -1;
    std::unique_ptr<char[]> utf8(TQGFgetString(text, TQENC_UTF8));
    TQCstring string(utf8.get(), TQENC_UTF8);
    return drawString(x, y, w, h, &string, fontNo, alignment, charPos, charMode, selStart,
                      selEnd);
}

long TQDpsdraw::drawFillUString(long x, long y, unsigned long w, unsigned long h,
                                unsigned short* text, char fontNo, char alignment,
                                long charPos, unsigned char charMode)
{
    if (text == nullptr)
        return -1;
    std::unique_ptr<char[]> utf8(TQGFgetString(text, TQENC_UTF8));
    TQCstring string(utf8.get(), TQENC_UTF8);
    return drawFillString(x, y, w, h, &string, fontNo, alignment, charPos, charMode);
}

void TQDpsdraw::swapColors()
{
    std::swap(m_foreColorNo, m_backColorNo);
    std::swap(m_foreColor, m_backColor);
}
