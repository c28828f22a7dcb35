// GDI drawing object: text in a rectangle, one line or many, with cursor,
// reversed selection and underline. Text is drawn as UCS-2 from its UTF-8
// form; every width is measured with the font of the text on the screen,
// and on a printer the text is placed on the page in a font scaled to it.
#include "TQDwindraw.h"

#include "TQDwinfont.h"
#include "TQGFwinGdi.h"
#include "TQwin32.h"
#include "_TQCfontSet.h"
#include "_TQCstring.h"
#include "_TQDfont.h"
#include "_TQGFstring.h"
#include "_TQGFtextLayout.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

const long kUtf8 = 16;

// Width of exactly n characters, which need not end the text.
long unitsWidth(TQDfont* font, const u16* chars, long n)
{
    if (n <= 0)
        return 0;
    std::vector<u16> prefix(chars, chars + n);
    prefix.push_back(0);
    return font->getStringWidthUCS2(prefix.data());
}

std::unique_ptr<u16[]> ucs2Of(TQCstring* text)
{
    return std::unique_ptr<u16[]>(TQGFgetUCS2(text->getString(kUtf8), kUtf8));
}

// Width of the first n characters (all of them when there are fewer).
long widthOf(TQDfont* font, const u16* chars, long n)
{
    return n <= 0 ? 0 : unitsWidth(font, chars, std::min(n, TQGFstrlenUCS2(chars)));
}

// A UCS-2 text as a string tagged UTF-8.
TQCstring stringOf(const unsigned short* text)
{
    std::unique_ptr<char[]> utf8(TQGFgetString(text, kUtf8));
    return TQCstring(utf8.get(), kUtf8);
}

} // namespace

struct TQDwindraw::TextRun {
    HDC dc;
    TQDfont* font;
    TQCstring* text;
    const u16* chars;  // the whole text
    long length;
    long lineHeight;
    TQCrect rect;
    char align;
    long cursor;
    unsigned char cursorMode;
    long selStart;
    long selEnd;
};

void* TQDwindraw::textFont(TQDfont* font) const
{
    long handle = font->getValue1();
    void* own = handle != -1 ? reinterpret_cast<void*>(handle) : nullptr;
    if (!m_printing)
        return own;
    TQDwinfont* winFont = static_cast<TQDwinfont*>(font->cast("TQDwinfont"));
    void* scaled = winFont != nullptr ? winFont->getScaledFont(pageScaleX(), pageScaleY())
                                      : nullptr;
    return scaled != nullptr ? scaled : own;
}

// Positions come in device units.
void TQDwindraw::textOut(const TextRun& run, long x, long y, const u16* chars, long n)
{
    TextOutW(run.dc, pageX(x), pageY(y), reinterpret_cast<const wchar_t*>(chars), n);
}

// Text colour and background swap places for the run.
void TQDwindraw::drawReversed(const TextRun& run, long x, long y, const u16* chars, long n)
{
    if (n <= 0)
        return;
    SetTextColor(run.dc, m_background);
    SetBkColor(run.dc, m_foreground);
    SetBkMode(run.dc, OPAQUE);
    textOut(run, x, y, chars, n);
    SetBkMode(run.dc, TRANSPARENT);
    SetTextColor(run.dc, m_foreground);
}

long TQDwindraw::drawString(long x, long y, unsigned long w, unsigned long h, TQCstring* text,
                            char fontNo, char align, long cursor, unsigned char cursorMode,
                            long selStart, long selEnd)
{
    HDC dc = static_cast<HDC>(context());
    if (dc == nullptr)
        return -1;
    Box saved = currentRegion();
    Box clip = clipToRegion(x, y, static_cast<long>(w), static_cast<long>(h));
    setRegion(clip);
    TQDfont* font = TQGIappFontSet()->getFont(fontNo);
    if (font == nullptr) {
        setRegion(saved);
        return -1;
    }
    TQCstring none;
    if (text == nullptr)
        text = &none;

    tqgdi::Selection selectFont(dc, static_cast<HGDIOBJ>(textFont(font)));
    SetTextColor(dc, m_foreground);
    SetBkMode(dc, TRANSPARENT);
    std::unique_ptr<u16[]> chars = ucs2Of(text);
    TextRun run = {dc, font, text, chars.get(), TQGFstrlenUCS2(chars.get()),
                   font->getFontHeight(), TQCrect{x, y, w, h}, align, cursor, cursorMode,
                   selStart, selEnd};
    if (text->isExist("\n", kUtf8) != -1)
        drawTextLines(run, clip);
    else
        drawTextLine(run);
    SetBkMode(dc, OPAQUE);
    setRegion(saved);
    return 0;
}

// One pass finds the lines; only those that reach into the clip are
// measured and drawn, so a long text costs a walk over its characters and
// the lines on view. A line is drawn without the carriage return that may
// end it.
long TQDwindraw::drawTextLines(TextRun& run, const Box& clip)
{
    const u16* chars = run.chars;
    long lines = 1 + std::count(chars, chars + run.length, u16('\n'));
    long selStart = std::min(run.selStart, run.selEnd);
    long selEnd = std::max(run.selStart, run.selEnd);
    long lineStart = 0;

    for (long i = 0; i < lines; ++i) {
        long end = std::find(chars + lineStart, chars + run.length, u16('\n')) - chars;
        long lineLen = end + 1 - lineStart;  // with its line feed
        TQCpoint o = {0, 0};
        TQGFcalcLineAddr(&run.rect, run.align, run.lineHeight, lines, i, 0, &o);
        if (o.y > clip.y + clip.h)
            break;
        if (o.y + run.lineHeight >= clip.y) {
            const u16* line = chars + lineStart;
            long n = end - lineStart;
            if (n > 0 && line[n - 1] == '\r')
                --n;
            TQGFcalcLineAddr(&run.rect, run.align, run.lineHeight, lines, i,
                             unitsWidth(run.font, line, n), &o);
            textOut(run, o.x, o.y, line, n);

            if (run.cursor >= lineStart && run.cursor < lineStart + lineLen) {
                long p = unitsWidth(run.font, line, std::min(run.cursor - lineStart, n));
                if (run.cursorMode == 0) {
                    drawReversed(run, o.x + p, o.y, chars + run.cursor,
                                 run.cursor < run.length ? 1 : 0);
                } else {
                    drawFillRect(static_cast<short>(o.x + p), static_cast<short>(o.y - 2), 2,
                                 static_cast<unsigned short>(run.lineHeight));
                    // The bar leaves the context opaque; later lines are not.
                    SetBkMode(run.dc, TRANSPARENT);
                }
            }

            if (selStart >= 0 && selStart != selEnd && lineStart <= selEnd &&
                selStart <= lineStart + lineLen) {
                long s = std::max(selStart, lineStart);
                long e = std::min({selEnd, lineStart + lineLen, run.length});
                long offset = unitsWidth(run.font, line, s - lineStart);
                std::vector<u16> part;
                for (long k = s; k < e; ++k) {
                    if (chars[k] != '\n')
                        part.push_back(chars[k]);
                }
                drawReversed(run, o.x + offset, o.y, part.data(),
                             static_cast<long>(part.size()));
            }
        }
        lineStart += lineLen;
    }
    return 0;
}

long TQDwindraw::drawTextLine(TextRun& run)
{
    TQCpoint o = {0, 0};
    TQGFcalcOneLineStringAddr(run.text, &run.rect, run.align, run.font, &o);
    textOut(run, o.x, o.y, run.chars, run.length);

    long first = pass.underLine1;
    long count = pass.underLine2;
    if (count > 0 && first + count > 0) {
        first = std::max(first, 0L);
        long x0 = widthOf(run.font, run.chars, first);
        long x1 = widthOf(run.font, run.chars, first + count);
        long underY = o.y + run.lineHeight - 1;
        short width = pass.lineWidth;
        setLineWidth(1);
        drawLine(static_cast<short>(o.x + x0), static_cast<short>(underY),
                 static_cast<short>(o.x + x1), static_cast<short>(underY));
        setLineWidth(width);
    }

    if (run.cursor >= 0) {
        long p = widthOf(run.font, run.chars, run.cursor);
        if (run.cursorMode == 0) {
            drawReversed(run, o.x + p, o.y, run.chars + std::min(run.cursor, run.length),
                         run.cursor < run.length ? 1 : 0);
        } else {
            // The bar stands at the rectangle's x, not the line's.
            drawFillRect(static_cast<short>(run.rect.x + p), static_cast<short>(o.y - 2), 2,
                         static_cast<unsigned short>(run.lineHeight));
        }
    }

    long s = std::max(run.selStart, 0L);
    long e = std::max(run.selEnd, 0L);
    if (s != e) {
        if (s > e)
            std::swap(s, e);
        s = std::min(s, run.length);
        e = std::min(e, run.length);
        drawReversed(run, o.x + widthOf(run.font, run.chars, s), o.y, run.chars + s, e - s);
    }
    return 0;
}

long TQDwindraw::drawUString(long x, long y, unsigned long w, unsigned long h,
                             unsigned short* text, char fontNo, char align, long cursor,
                             unsigned char cursorMode, long selStart, long selEnd)
{
    TQCstring string = stringOf(text);
    return drawString(x, y, w, h, &string, fontNo, align, cursor, cursorMode, selStart, selEnd);
}

long TQDwindraw::drawFillString(long x, long y, unsigned long w, unsigned long h,
                                TQCstring* text, char fontNo, char align, long cursor,
                                unsigned char cursorMode)
{
    std::swap(m_foreground, m_background);
    drawFillRect(static_cast<short>(x), static_cast<short>(y), static_cast<unsigned short>(w),
                 static_cast<unsigned short>(h));
    std::swap(m_foreground, m_background);
    drawString(x, y, w, h, text, fontNo, align, cursor, cursorMode, 0, 0);
    return 0;
}

long TQDwindraw::drawFillUString(long x, long y, unsigned long w, unsigned long h,
                                 unsigned short* text, char fontNo, char align, long cursor,
                                 unsigned char cursorMode)
{
    TQCstring string = stringOf(text);
    return drawFillString(x, y, w, h, &string, fontNo, align, cursor, cursorMode);
}
