// Input field: draw, and keeping the cursor in view. A single line scrolls
// by whole characters until the text left of the cursor fits; a multi-line
// field scrolls by pixels. The cursor's pixel position is kept until the
// text, the cursor, the view or the geometry changes.
#include "_TQCvifield.h"

#include <algorithm>
#include <memory>

#include "_TQCfontSet.h"
#include "_TQCimageSet.h"
#include "_TQDdev.h"
#include "_TQDfont.h"
#include "_TQGFgeometry.h"
#include "_TQGFstring.h"
#include "_TQGFtextLayout.h"

namespace {

const char* const kClassName = "TQCvifield";

long positive(long v)
{
    return v > 0 ? v : 0;
}

} // namespace

// What one drawing decides before it paints.
struct TQCvifield::Look {
    BlinkState blink;
    short background;
    TQCrect area;
};

void TQCvifield::repaint()
{
    setAbsoluteDraw(1);
    if (getBlinkRefresh())
        redraw();
    else
        draw();
}

TQCrect TQCvifield::textArea() const
{
    long t = m_shadowThickness;
    return {t + m_marginLeft, t + m_marginTop,
            static_cast<unsigned long>(positive(m_width - 2 * t - m_marginLeft - m_marginRight)),
            static_cast<unsigned long>(positive(m_height - 2 * t - m_marginTop - m_marginBottom))};
}

long TQCvifield::draw()
{
    long drawing = drawable(kClassName, __LINE__);
    if (drawing <= 0)
        return drawing;
    TQDdev* dev = getowndev();
    if (getFocus() && !m_usePixmap) {
        unsigned char on = 1;
        dev->setValue(TQDdev::VALUE_USE_PIXMAP, &on);
    }
    if (!drawWanted(kClassName, __LINE__))
        return 0;
    Look look;
    look.blink = blinkState();
    if (m_shadowType == -1 && look.blink.phase && !m_twinBlink) {
        traceDraw(kClassName, __LINE__, "not draw..");
        return 0;
    }
    _adjust_cbase();
    if (!openDrawing(kClassName, __LINE__))
        return 0;
    look.area = textArea();
    look.background = m_reverseFlag ? (look.blink.back ? m_blinkColor : m_foreColor)
                                    : (look.blink.back ? m_backBlinkColor : m_backColor);
    drawBackground(dev, look);
    drawPicture(dev, look);
    drawText(dev, look);
    dev->endDraw();
    return 0;
}

void TQCvifield::drawBackground(TQDdev* dev, const Look& look)
{
    if (m_shadowType == -1)
        return;
    dev->setForeColor(look.background);
    if (m_gradation == 0)
        dev->drawFillRect(0, 0, m_width, m_height);
    else
        dev->drawGradation(m_gradation, m_topShadowColor, m_backColor, m_bottomShadowColor, 0, 0,
                           m_width, m_height, m_gradationMargin);
}

// The picture sits at the text area's corner; the frame goes over it.
void TQCvifield::drawPicture(TQDdev* dev, const Look& look)
{
    short no = m_labelPixmap;
    if (look.blink.fore)
        no = m_blinkPixmap != -1 && m_twinBlink ? m_blinkPixmap : -1;
    TQDimage* image = no != -1 ? TQGIappImageSet()->getImage(no) : nullptr;
    const TQCrect& a = look.area;
    if (image != nullptr)
        dev->drawImage(a.x, a.y, a.width > 0 ? a.width : 1, a.height > 0 ? a.height : 1, image,
                       2);
    drawFrame(dev);
}

void TQCvifield::drawFrame(TQDdev* dev)
{
    if (m_shadowType != -1 && m_shadowThickness != 0)
        TQGFdrawShadow(dev, m_shadowType, m_shadowThickness, m_topShadowColor, m_topShadowColor,
                       m_bottomShadowColor, m_backColor, 0, 0, m_width, m_height, 0);
}

// Selection and cursor are handed to the device relative to the first
// character handed over; tabs show as blanks.
void TQCvifield::drawText(TQDdev* dev, const Look& look)
{
    bool twinPhase = look.blink.fore && m_twinBlink;
    dev->setForeColor(m_reverseFlag ? (twinPhase ? m_backBlinkColor : m_backColor)
                                    : (twinPhase ? m_blinkColor : m_foreColor));
    bool hatched = (!getSensitive() || getPropertyEditMode()) && !m_noHatch;
    dev->setHatchPattern(hatched ? 8 : 0);
    if (look.blink.fore && !m_twinBlink)
        return;

    dev->setBackColor(m_backColor);
    bool withCursor = getFocus() && getSensitive() && m_cursorShown;
    if (withCursor)
        dev->setBackColor(look.background);
    const TQCrect& a = look.area;
    if (!m_multiLine) {
        Shown shown = shownText(m_firstShown, textLength(), withCursor && !m_keyInputDisabled);
        dev->drawUString(a.x, a.y, a.width, a.height, shown.text.get(), m_font, 0, shown.cursor,
                         m_interCur, shown.selStart, shown.selEnd);
        return;
    }
    if (!m_keepScroll)
        followCursor();
    // The view is the whole inside of the frame, margins included: a
    // scrolled view moves the text under the frame, which goes over it
    // again, so that a view scrolled by copying shows what a repaint shows.
    long inset = m_shadowType != -1 ? m_shadowThickness : 0;
    long x = a.x - m_scrollX, y = a.y - m_scrollY;
    long from = 0, to = 0;
    linesInView(dev, &y, &from, &to);
    Shown shown = shownText(from, to, withCursor);
    dev->drawUString(x, y, positive(m_width - inset - x), positive(m_height - inset - y),
                     shown.text.get(), m_font, 5, shown.cursor, m_interCur, shown.selStart,
                     shown.selEnd);
    dev->setHatchPattern(0);
    drawFrame(dev);
}

// Characters from to to of the buffer, with the cursor (-1 without one)
// and the selection relative to the first; a selection reaching beyond
// them ends at their edges, which they show the same.
TQCvifield::Shown TQCvifield::shownText(long from, long to, bool withCursor)
{
    Shown shown;
    shown.text.reset(new u16[to - from + 1]);
    u16* out = shown.text.get();
    for (long i = from; i < to; ++i)
        *out++ = m_buf[i] == 0x09 ? 0x20 : m_buf[i];
    *out = 0;
    shown.cursor = withCursor ? m_cursor - from : -1;
    if (hasSelection()) {
        shown.selStart = std::min(std::max(m_selEnd - from, 0L), to - from);
        shown.selEnd = std::min(std::max(m_anchor - from, 0L), to - from);
    }
    return shown;
}

// The lines of a multi-line text drawn from *y (the top of its first line)
// that reach into the field: the range from the start of the line before
// the first of them to the end of the line after the last, and the top of
// the range's first line. That line lies above the field, so that the
// device clips the range as it clips the whole text, and the range holds a
// line feed when the text does. A device that scales, or a field without a
// font, takes the whole text.
void TQCvifield::linesInView(TQDdev* dev, long* y, long* from, long* to)
{
    TQDfont* font = TQGIappFontSet()->getFont(m_font);
    long fh = font != nullptr ? font->getFontHeight() : 0;
    *from = 0;
    if (fh <= 0 || dev->getScaled()) {
        *to = textLength();
        return;
    }
    long first = *y < 0 ? std::max(-*y / fh - 1, 0L) : 0;
    long last = std::max(m_height - *y, 0L) / fh + 1;
    // The start of line `line`, and of the line before it; the text is read
    // no further than the view.
    long line = 0, start = 0, before = 0, i = 0;
    for (; m_buf[i] != 0 && line < first; ++i) {
        if (m_buf[i] == 0x0a) {
            before = start;
            start = i + 1;
            ++line;
        }
    }
    // A view below the end of the text starts with its last two lines.
    if (line < first) {
        first = std::max(line - 1, 0L);
        start = line > 0 ? before : 0;
        line = first;
    }
    *from = start;
    for (i = start; m_buf[i] != 0; ++i) {
        if (m_buf[i] == 0x0a && ++line > last)
            break;
    }
    *to = i;
    *y += first * fh;
}

void TQCvifield::followCursor()
{
    long cx = 0, cy = 0;
    _get_disp_cur_pos(&cx, &cy);
    viewOriginFor(cx, cy, &m_scrollX, &m_scrollY);
}

// The multi-line view keeps the cursor 2 pixels inside its edges.
void TQCvifield::viewOriginFor(long cx, long cy, long* x, long* y)
{
    TQCrect a = textArea();
    TQDfont* font = TQGIappFontSet()->getFont(m_font);
    long fh = font != nullptr ? font->getFontHeight() : 0;
    long w = a.width, h = a.height;
    *x = m_scrollX;
    *y = m_scrollY;
    if (cx > m_scrollX + w + a.x - 2)
        *x = cx + 2 - w - a.x;
    else if (cx < a.x + m_scrollX)
        *x = cx - a.x;
    if (cy > m_scrollY + h + a.y - fh - 2)
        *y = cy + fh + 2 - h - a.y;
    else if (cy < a.y + m_scrollY)
        *y = cy - a.y;
    *x = positive(*x);
    *y = positive(*y);
}

// The view moves right one character at a time until the text left of the
// cursor fits, and jumps left to a cursor that left it on the left.
void TQCvifield::_adjust_cbase()
{
    if (m_buf == nullptr) {
        m_firstShown = 0;
        return;
    }
    if (m_multiLine)
        return;
    long length = textLength();
    if (m_firstShown > length)
        m_firstShown = static_cast<unsigned short>(length);
    if (m_cursor < m_firstShown) {
        m_firstShown = static_cast<unsigned short>(m_cursor < 0 ? 0 : m_cursor);
        return;
    }
    long available = static_cast<long>(m_width) - m_marginLeft - m_marginRight -
                     2 * m_shadowThickness;
    TQDfont* font = TQGIappFontSet()->getFont(m_font);
    if (available <= 0 || font == nullptr)
        return;
    m_cursor = m_cursor > length ? length : m_cursor;
    std::unique_ptr<u16[]> left(new u16[length + 1]);
    while (m_firstShown < length) {
        long n = m_cursor - m_firstShown;
        std::copy(m_buf + m_firstShown, m_buf + m_cursor, left.get());
        left[n > 0 ? n : 0] = 0;
        if (font->getStringWidthUCS2(left.get()) <= available)
            break;
        ++m_firstShown;
    }
}

void TQCvifield::_get_disp_cur_pos(long* x, long* y)
{
    CursorCache& c = m_cursorCache;
    if (c.cursor == m_cursor && c.first == m_firstShown && c.width == m_width &&
        c.height == m_height && c.font == m_font && c.frame == m_shadowThickness &&
        c.left == m_marginLeft && c.top == m_marginTop) {
        *x = c.x;
        *y = c.y;
        return;
    }
    c.cursor = m_cursor;
    long length = textLength();
    long index = m_cursor;
    if (!m_fillSpace) {
        long last = m_interCur ? length : length - 1;
        index = index > last ? last : index;
        index = index < 0 ? 0 : index;
    }
    _adjust_cbase();
    long first = m_multiLine ? 0 : m_firstShown;
    TQCrect area = textArea();
    c.x = c.y = 0;
    TQGFcalcStringPosAddr(m_buf + first, &area, m_multiLine ? 5 : 0,
                          TQGIappFontSet()->getFont(m_font), index - first, &c.x, &c.y);
    c.first = m_firstShown;
    c.width = m_width;
    c.height = m_height;
    c.font = m_font;
    c.frame = m_shadowThickness;
    c.left = m_marginLeft;
    c.top = m_marginTop;
    *x = c.x;
    *y = c.y;
}
