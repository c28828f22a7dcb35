// Framed label: draw, in layers from the background up (background or
// gradation, highlight, picture, frame, embossed copy, tree lines, text), in
// the colours that reverse video and the blink phase choose.
#include "_TQCvlabel.h"

#include <memory>

#include "_TQCimageSet.h"
#include "_TQDdev.h"
#include "_TQGFgeometry.h"

namespace {

const char* const kClassName = "TQCvlabel";

} // namespace

void TQCvlabel::underlineShortcut(TQDdev* dev, const TQCstring& text, const char* shortcut)
{
    long at = shortcutPosition(text, shortcut);
    if (at >= 0)
        dev->setUnderLineChar(at, 1);
}

long TQCvlabel::shortcutPosition(const TQCstring& text, const char* shortcut)
{
    if (shortcut == nullptr || shortcut[0] == '\0')
        return -1;
    TQCstring lowered(text);
    lowered.to_lower();
    TQCstring key(shortcut, -2);
    key.to_lower();
    return lowered.isExist(key.getString());
}

long TQCvlabel::draw()
{
    long drawing = drawable(kClassName, __LINE__);
    if (drawing <= 0)
        return drawing;
    if (!drawWanted(kClassName, __LINE__))
        return 0;
    TQDdev* dev = getowndev();
    bool transparent = m_shadowType == -1;
    if (transparent && _transparent_dirty && getAbsoluteDraw() &&
        !dev->isExposed(m_x, m_y, m_width, m_height, 1))
        return 0;
    BlinkState blink = blinkState();
    if (transparent && blink.phase && !m_twinBlink) {
        traceDraw(kClassName, __LINE__, "not draw..");
        return 0;
    }
    unsigned short t = transparent ? 0 : m_shadowThickness;
    std::unique_ptr<TQCstring> text(preparedText(t));
    if (!openDrawing(kClassName, __LINE__))
        return 0;
    Layout l;
    layOut(l, t);

    if (!transparent)
        drawBackground(dev, l, blink);
    if (_select_back_color != 0 || _focus_frame)
        drawHighlight(dev, l);
    drawPicture(dev, l, blink);
    if (!transparent && t != 0)
        TQGFdrawShadow(dev, m_shadowType, t, m_topShadowColor, m_topShadowColor,
                       m_bottomShadowColor, m_backColor, 0, 0, m_width, m_height, 0);
    if (m_emboss) {
        dev->setForeColor(m_topShadowColor);
        if (!(m_blinkFlag && m_twinBlink) && !blink.fore)
            drawText(dev, l, text.get(), 1, 1);
    }
    if (get_vk_draw() == ROW_TREE)
        drawTreeLines(dev, l);
    short color = m_reverseFlag ? m_backColor : textColor();
    if (blink.fore && m_twinBlink)
        color = m_reverseFlag ? m_backBlinkColor : m_blinkColor;
    else if (m_emboss)
        color = m_bottomShadowColor;
    dev->setForeColor(color);
    if (!(blink.fore && !m_twinBlink))
        drawText(dev, l, text.get(), 0, 0);
    dev->endDraw();
    return 0;
}

void TQCvlabel::layOut(Layout& l, unsigned short t)
{
    l.width = m_width;
    l.height = m_height;
    l.t = t;
    l.content = contentRect(t);
    l.alignment = getAlignment();
    l.textX = l.content.x;
    l.highlightX = 0;
    l.pictureX = l.content.x;
    l.pictureWidth = l.content.width;
    l.pictureAlignment = l.alignment;
    l.depth = 0;
    rowPositions(l);
}

// The gradation ignores reverse video and blinking.
void TQCvlabel::drawBackground(TQDdev* dev, const Layout& l, const BlinkState& blink)
{
    short color = m_reverseFlag ? (blink.back ? m_blinkColor : textColor())
                                : (blink.back ? m_backBlinkColor : m_backColor);
    dev->setForeColor(color);
    if (m_gradation != 0)
        dev->drawGradation(m_gradation, m_topShadowColor, m_backColor, m_bottomShadowColor, 0, 0,
                           l.width, l.height, m_gradationMargin);
    else
        dev->drawFillRect(0, 0, l.width, l.height);
}

// A tree row frames its highlight in the highlight colour even when that
// is 0; other labels in the colour they fill with.
void TQCvlabel::drawHighlight(TQDdev* dev, const Layout& l)
{
    dev->setForeColor(_select_back_color != 0 ? _select_back_color : textColor());
    long hx = l.highlightX;
    if (l.width <= hx)
        return;
    unsigned short w = static_cast<unsigned short>(l.width - hx);
    if (_select_back_color != 0) {
        if (_focus_frame)
            dev->drawFillRect(hx + 1, 1, w - 2, l.height - 2);
        else
            dev->drawFillRect(hx, 0, w, l.height);
    }
    if (!_focus_frame)
        return;
    if (get_vk_draw() == ROW_TREE && _select_back_color == 0)
        dev->setForeColor(_select_back_color);
    dev->setLineDashType(8);
    dev->drawRect(hx, 0, w, l.height);
    dev->setLineDashType(0);
}

// In the foreground's blink phase the picture is the blink picture, shown
// only with twinBlink.
void TQCvlabel::drawPicture(TQDdev* dev, const Layout& l, const BlinkState& blink)
{
    short no = m_labelPixmap;
    if (blink.fore)
        no = m_blinkPixmap != -1 && m_twinBlink ? m_blinkPixmap : -1;
    if (no == -1)
        return;
    TQDimage* image = TQGIappImageSet()->getImage(no);
    if (image != nullptr)
        dev->drawImage(l.pictureX, l.content.y, l.pictureWidth, l.content.height, image,
                       l.pictureAlignment);
}

// A column row draws the text column by column.
void TQCvlabel::drawText(TQDdev* dev, const Layout& l, TQCstring* text, long dx, long dy)
{
    if (get_vk_draw() == ROW_COLUMNS) {
        drawColumns(dev, l, text, dx, dy);
        return;
    }
    dev->drawString(l.textX + dx, l.content.y + dy, l.content.width, l.content.height, text,
                    m_font, l.alignment, -1, 0, 0, 0);
}
