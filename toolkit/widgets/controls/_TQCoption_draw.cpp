// Option button: draw. An extended look's procedure paints it when the look
// has one; otherwise background, picture, frame (sunken while the menu is
// up), insensitive look, text, and the menu mark: a raised 15 x 7 bar at
// the right.
#include "_TQCoption.h"

#include <memory>

#include "_TQCimageSet.h"
#include "_TQDdev.h"
#include "_TQGFgeometry.h"

namespace {

const char* const kClassName = "TQCoption";

// The menu mark's room at the right, and its size.
const long kMarkRoom = 23;
const unsigned short kMarkWidth = 15;
const unsigned short kMarkHeight = 7;

} // namespace

// What one classic drawing decides before it paints.
struct TQCoption::Look {
    BlinkState blink;
    bool insensitive;
    bool phase;      // the blink replaces picture and text
    bool twinPhase;  // ... and twinBlink shows the blink colours
    TQCrect area;    // left of the menu mark
    char alignment;
    std::unique_ptr<TQCstring> text;
};

long TQCoption::draw()
{
    long drawing = drawable(kClassName, __LINE__);
    if (drawing <= 0)
        return drawing;
    if (!drawWanted(kClassName, __LINE__))
        return 0;
    if (m_shadowType == -1 && getBlinkPhase() && !m_twinBlink) {
        traceDraw(kClassName, __LINE__, "not draw..");
        return 0;
    }
    TQDdev* dev = getowndev();
    if (drawThroughLook(dev))
        return 0;
    if (!openDrawing(kClassName, __LINE__))
        return 0;

    Look look;
    look.blink = blinkState();
    look.insensitive = !getSensitive() || (getPropertyEditMode() && !_get_sensitive_work());
    look.phase = look.blink.fore;
    look.twinPhase = look.phase && m_twinBlink;
    long t = m_shadowThickness, w = m_width, h = m_height;
    long sideMargins = m_marginLeft + m_marginRight;
    long inner = h - 2 * t - m_marginTop - m_marginBottom;
    look.area = {t + m_marginLeft, t + m_marginTop,
                 static_cast<unsigned long>(2 * t + sideMargins + kMarkRoom < w
                                                ? w - 2 * t - sideMargins - kMarkRoom
                                                : 0),
                 static_cast<unsigned long>(inner > 0 ? inner : 0)};
    look.alignment = getAlignment();
    look.text.reset(new TQCstring(m_labelString != nullptr ? m_labelString : "", -2));
    look.text->replaceString("\\n", "\n");

    drawBackground(dev, look);
    drawPicture(dev, look);
    if (t != 0)
        TQGFdrawShadow(dev, m_menuPopped && !look.insensitive ? 1 : 0, t, m_foreColor,
                       m_topShadowColor, m_bottomShadowColor, m_backColor, 0, 0, m_width,
                       m_height, 0);
    drawLabel(dev, look);
    if (t + kMarkRoom < w)
        TQGFdrawShadow(dev, 0, 2, m_foreColor, m_topShadowColor, m_bottomShadowColor,
                       m_backColor, static_cast<short>(w - t - kMarkRoom),
                       static_cast<short>((h - kMarkHeight) / 2), kMarkWidth, kMarkHeight, 0);
    dev->endDraw();
    return 0;
}

void TQCoption::fillDrawBlock(TQCoptionDrawBlock& b)
{
    fillLabelLook(b.label);
    b.backBlinkColor = m_backBlinkColor;
    b.topShadowColor = m_topShadowColor;
    b.bottomShadowColor = m_bottomShadowColor;
    b.labelString = m_labelString;
    b.labelPixmap = m_labelPixmap;
    b.blinkPixmap = m_blinkPixmap;
    fillLabelMargins(b.margins);
    b.emboss = m_emboss;
    b.font = m_font;
    b.reverseFlag = m_reverseFlag;
    b.menuPopped = m_menuPopped;
}

// Inside the frame. A frame thicker than half the button leaves nothing to
// fill: the sizes would pass to the device as huge unsigned values.
void TQCoption::drawBackground(TQDdev* dev, const Look& look)
{
    bool blinking = m_blinkType != 0 && look.blink.phase && m_twinBlink;
    short fill = m_reverseFlag ? (blinking ? m_blinkColor : m_foreColor)
                               : (blinking ? m_backBlinkColor : m_backColor);
    short back = m_reverseFlag ? (blinking ? m_backBlinkColor : m_backColor)
                               : (blinking ? m_blinkColor : m_foreColor);
    dev->setForeColor(fill);
    dev->setBackColor(back);
    long t = m_shadowThickness;
    long w = m_width - 2 * t, h = m_height - 2 * t;
    if (w <= 0 || h <= 0)
        return;
    if (m_gradation == 0)
        dev->drawFillRect(t, t, w, h);
    else
        dev->drawGradation(m_gradation, m_topShadowColor, m_backColor, m_bottomShadowColor, t, t,
                           w, h, m_gradationMargin);
}

void TQCoption::drawPicture(TQDdev* dev, const Look& look)
{
    short no = m_labelPixmap;
    if (look.phase)
        no = m_blinkPixmap != -1 && m_twinBlink ? m_blinkPixmap : -1;
    TQDimage* image = no != -1 ? TQGIappImageSet()->getImage(no) : nullptr;
    if (image != nullptr)
        dev->drawImage(look.area.x, look.area.y, look.area.width, look.area.height, image,
                       look.alignment);
}

void TQCoption::drawLabel(TQDdev* dev, const Look& look)
{
    const TQCrect& a = look.area;
    if (!look.insensitive) {
        dev->setHatchPattern(0);
    } else if (!m_emboss) {
        dev->setHatchPattern(8);
    } else if (!look.phase && !(m_twinBlink && m_blinkFlag)) {
        dev->setForeColor(look.twinPhase ? m_blinkColor : m_topShadowColor);
        dev->setBackColor(m_backColor);
        dev->drawString(a.x + 1, a.y + 1, a.width, a.height, look.text.get(), m_font,
                        look.alignment, -1, 0, 0, 0);
    }
    short color = m_reverseFlag ? m_backColor : m_foreColor;
    if (look.twinPhase)
        color = m_reverseFlag ? m_backBlinkColor : m_blinkColor;
    else if (m_emboss && look.insensitive)
        color = m_bottomShadowColor;
    dev->setForeColor(color);
    dev->setBackColor(m_reverseFlag ? m_foreColor : m_backColor);
    if (look.phase && !m_twinBlink)
        return;
    dev->drawString(a.x, a.y, a.width, a.height, look.text.get(), m_font, look.alignment, -1, 0,
                    0, 0);
}
