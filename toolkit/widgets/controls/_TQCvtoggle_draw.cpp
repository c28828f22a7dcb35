// Toggle: draw. An extended look's procedure paints it when the look has
// one; otherwise background or gradation, picture, button frame, shortcut
// underline, insensitive look, text, focus frame and the indicator square,
// all one pixel lower in the pressed look (on, without an indicator).
#include "_TQCvtoggle.h"

#include <memory>

#include "_TQCimageSet.h"
#include "_TQDappDev.h"
#include "_TQDdev.h"
#include "_TQGFgeometry.h"
#include "_TQGFstring.h"

namespace {

const char* const kClassName = "TQCvtoggle";

// Alignment of a picture in the indicator: centred both ways.
const char kCentred = 2;

// What is left of length after the frame on both sides, the indicator and
// the two margins; 1 when the margins do not fit.
unsigned long innerLength(long length, long used, long margins)
{
    long inner = length > used ? length - used : 0;
    return inner < margins ? 1 : static_cast<unsigned long>(inner - margins);
}

} // namespace

long TQCvtoggle::draw()
{
    long drawing = drawable(getClassName(), __LINE__);
    if (drawing <= 0)
        return drawing;
    if (!drawWanted(getClassName(), __LINE__))
        return 0;
    if (m_shadowType == -1 && getBlinkPhase() && !m_twinBlink) {
        traceDraw(getClassName(), __LINE__, "not draw..");
        return 0;
    }
    TQDdev* dev = getowndev();
    if (drawThroughLook(dev))
        return 0;
    std::unique_ptr<TQCstring> text(shownText());
    if (!openDrawing(getClassName(), __LINE__))
        return 0;

    Look look;
    look.blink = blinkState();
    look.insensitive = !getSensitive() || (getPropertyEditMode() && !_get_sensitive_work());
    look.pressed = m_status && !m_indicatorOn ? 1 : 0;
    look.t = m_shadowThickness;
    look.ind = m_indicatorOn ? m_indicatorSize : 0;
    long t = look.t;
    look.area = {t + m_marginLeft + look.ind, t + m_marginTop,
                 innerLength(m_width, look.ind + 2 * t, m_marginLeft + m_marginRight),
                 innerLength(m_height, 2 * t, m_marginTop + m_marginBottom)};
    look.alignment = getAlignment();
    look.text = text.get();

    drawBackground(dev, look);
    drawPicture(dev, look);
    drawFrame(dev, look);
    drawLabel(dev, look);
    if (m_indicatorOn)
        drawIndicator(dev, look);
    dev->endDraw();
    return 0;
}

void TQCvtoggle::fillDrawBlock(TQCvtoggleDrawBlock& b)
{
    fillLabelLook(b.label);
    b.selectColor = m_selectColor;
    b.backBlinkColor = m_backBlinkColor;
    b.topShadowColor = m_topShadowColor;
    b.bottomShadowColor = m_bottomShadowColor;
    b.labelString = m_labelString;
    b.selectString = m_selectString;
    b.shortcut = m_shortcut;
    b.labelPixmap = m_labelPixmap;
    b.blinkPixmap = m_blinkPixmap;
    b.selectPixmap = m_selectPixmap;
    b.status = m_status;
    b.orientation = m_orientation;
    fillLabelMargins(b.margins);
    b.emboss = m_emboss;
    b.font = m_font;
    b.reverseFlag = m_reverseFlag;
    b.enableFocusMove = m_enableFocusMove;
    b.statusProperty = m_statusProperty;
    b.unique = m_unique;
    b.selectReset = m_selectReset;
    b.indicatorSize = m_indicatorSize;
    b.indicatorType = m_indicatorType;
    b.indicatorShadow = m_indicatorShadow;
    b.indicatorOn = m_indicatorOn;
    b.indicatorPixmap = m_indicatorPixmap;
    b.indicatorColor = m_indicatorColor;
}

// The select string while on, when there is one; a fresh copy with its
// escapes made line breaks, or vertical.
TQCstring* TQCvtoggle::shownText()
{
    const char* chosen = m_status && m_selectString != nullptr && m_selectString[0] != '\0'
                             ? m_selectString
                             : m_labelString;
    TQCstring* text = new TQCstring(chosen != nullptr ? chosen : "", -2);
    if (m_orientation == 1)
        TQGFcreateVerticalString(text);
    else
        text->replaceString("\\n", "\n");
    return text;
}

void TQCvtoggle::drawBackground(TQDdev* dev, const Look& look)
{
    bool back = look.blink.back;
    dev->setForeColor(m_reverseFlag ? (back ? m_blinkColor : m_foreColor)
                                    : (back ? m_backBlinkColor : m_backColor));
    if (m_gradation == 0)
        dev->drawFillRect(0, 0, m_width, m_height);
    else
        dev->drawGradation(m_gradation, m_topShadowColor, m_backColor, m_bottomShadowColor, 0,
                           static_cast<short>(look.pressed), m_width, m_height,
                           m_gradationMargin);
}

// In the foreground's blink phase the picture is the blink picture, shown
// only with twinBlink.
void TQCvtoggle::drawPicture(TQDdev* dev, const Look& look)
{
    short no = m_labelPixmap;
    if (look.blink.fore)
        no = m_blinkPixmap != -1 && m_twinBlink ? m_blinkPixmap : -1;
    TQDimage* image = no != -1 ? TQGIappImageSet()->getImage(no) : nullptr;
    if (image != nullptr)
        dev->drawImage(look.area.x, look.area.y + look.pressed, look.area.width,
                       look.area.height, image, look.alignment);
}

void TQCvtoggle::drawFrame(TQDdev* dev, const Look& look)
{
    if (look.t != 0)
        TQGFdrawBtnShadow(dev, static_cast<char>(look.pressed), look.t, m_foreColor,
                          m_topShadowColor, m_bottomShadowColor, m_backColor, 0, 0, m_width,
                          m_height, 0);
}

// Underline, hatch or embossed copy, the text, and the focus frame with it.
void TQCvtoggle::drawLabel(TQDdev* dev, const Look& look)
{
    TQCstring* text = look.text;
    underlineShortcut(dev, *text, m_shortcut);
    const TQCrect& a = look.area;
    bool phase = look.blink.fore;
    if (!look.insensitive) {
        dev->setHatchPattern(0);
    } else if (!m_emboss) {
        dev->setHatchPattern(8);
    } else if (!(m_blinkFlag && m_twinBlink) && !phase) {
        dev->setForeColor(m_topShadowColor);
        dev->setBackColor(m_backColor);
        dev->drawString(a.x + 1, a.y + 1, a.width, a.height, text, m_font, look.alignment, -1,
                        0, 0, 0);
    }
    short color = m_reverseFlag ? m_backColor : m_foreColor;
    if (phase && m_twinBlink)
        color = m_reverseFlag ? m_backBlinkColor : m_blinkColor;
    else if (look.insensitive && m_emboss)
        color = m_bottomShadowColor;
    dev->setForeColor(color);
    if (a.width == 0 || a.height == 0 || (phase && !m_twinBlink))
        return;
    dev->drawString(a.x, a.y + look.pressed, a.width, a.height, text, m_font, look.alignment,
                    -1, 0, 0, 0);
    drawFocusFrame(dev, look);
}

// Dotted, inside the frame, beside the indicator when there is one.
void TQCvtoggle::drawFocusFrame(TQDdev* dev, const Look& look)
{
    long d = 2 * look.t;
    long w = m_width, h = m_height;
    if (!getFocus() || !m_enableFocusMove || w <= d + 4 || h <= d + 4)
        return;
    long half = m_indicatorOn ? m_marginLeft / 2 : 0;
    long x = m_indicatorOn ? look.ind + 2 + look.t + half : look.t + 2;
    long width = w - look.ind - d - half - 4;
    if (width <= 0)
        return;
    dev->setLineWidth(1);
    dev->setLineDashType(8);
    dev->drawRect(x, look.t + 2 + look.pressed, width, h - d - 4);
}

TQCpoint TQCvtoggle::indicatorCorner() const
{
    long s = m_indicatorSize;
    return {m_shadowThickness + m_marginLeft / 2, m_height < s ? 0 : (m_height - s) / 2};
}

// A picture or a fill in the colour of the state, framed unless the type
// says none: sunk for In always and for In/Out while on.
void TQCvtoggle::drawIndicator(TQDdev* dev, const Look&)
{
    TQCpoint at = indicatorCorner();
    unsigned short s = m_indicatorSize;
    if (s == 0)
        return;
    short no = m_status ? m_selectPixmap : m_indicatorPixmap;
    TQDimage* image = no != -1 ? TQGIappImageSet()->getImage(no) : nullptr;
    if (image != nullptr) {
        dev->drawImage(at.x, at.y, s, s, image, kCentred);
    } else {
        dev->setForeColor(m_status ? m_selectColor : m_indicatorColor);
        dev->drawFillRect(at.x, at.y, s, s);
    }
    if (m_indicatorType == INDICATOR_NONE)
        return;
    bool sunk = m_indicatorType == INDICATOR_IN || (m_indicatorType == INDICATOR_IN_OUT && m_status);
    TQGFdrawShadow(dev, sunk ? 1 : 0, m_indicatorShadow, m_foreColor, m_topShadowColor,
                   m_bottomShadowColor, m_backColor, at.x, at.y, s, s, 0);
}
