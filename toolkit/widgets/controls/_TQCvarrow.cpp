// Arrow button: the direction property, the label properties it does not
// use, and its drawing.
#include "_TQCvarrow.h"

#include <algorithm>

#include "_TQCtypeServerFrame.h"
#include "_TQDdev.h"
#include "_TQGFgeometry.h"

TQ_TYPE_SERVER_FRAME(TQCvarrow, TQCvbtn);

namespace {

const char kClassName[] = "TQCvarrow";

// The hatch of an insensitive arrow and its focus frame.
const char kInsensitiveHatch = 8;
const char kFocusDash = 8;

} // namespace

TQCvarrow::TQCvarrow(TQCbase* parent, const char* name) : TQCvbtn(parent, name)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, arrowDirection, 3, arrowDirection);
        for (const char* unused :
             {_TQNshadowType(), _TQNlabelString(), _TQNalignmentH(), _TQNmarginTop(),
              _TQNmarginBottom(), _TQNalignmentV(), _TQNmarginRight(), _TQNmarginLeft(),
              _TQNmaxLength(), _TQNfont(), _TQNlabelString(), _TQNlabelPixmap(),
              _TQNblinkPixmap(), _TQNemboss()})
            r.withdraw(unused);
    });
}

long TQCvarrow::draw()
{
    long drawing = drawable(kClassName, __LINE__);
    if (drawing != 1)
        return drawing;
    if (!drawWanted(kClassName, __LINE__))
        return 0;
    bool blinkOn = getBlinkPhase() != 0;
    if (m_shadowType == -1 && blinkOn && !m_twinBlink) {
        traceDraw(kClassName, __LINE__, "not draw..");
        return 0;
    }
    if (!openDrawing(kClassName, __LINE__))
        return 0;
    TQDdev* dev = getowndev();
    drawFace(dev, blinkOn);
    if (m_shadowThickness != 0)
        TQGFdrawBtnShadow(dev, m_pressed ? 1 : 0, m_shadowThickness, m_foreColor,
                          m_topShadowColor, m_bottomShadowColor, m_backColor, 0, 0, m_width,
                          m_height, 0);
    if (!getSensitive() || (getPropertyEditMode() && !_get_sensitive_work()))
        dev->setHatchPattern(kInsensitiveHatch);
    // Blinking the foreground without blink colours hides the arrow.
    if (!(blinkOn && m_blinkType != 1 && !m_twinBlink)) {
        unsigned short s = std::min(m_width / 2, m_height / 2);
        _draw_arrow(dev, m_pressed, static_cast<short>((m_width - s) / 2),
                    static_cast<short>((m_height - s) / 2), s, s);
        drawFocusFrame(dev);
    }
    dev->endDraw();
    return 0;
}

// A gradation covers the face in place of the face colour.
void TQCvarrow::drawFace(TQDdev* dev, bool blinkOn)
{
    if (m_gradation != 0) {
        dev->drawGradation(m_gradation, m_topShadowColor, m_backColor, m_bottomShadowColor, 0, 0,
                           m_width, m_height, m_gradationMargin);
        return;
    }
    bool blink = blinkOn && m_blinkType != 0 && m_twinBlink;
    if (m_reverseFlag)
        dev->setForeColor(blink ? m_blinkColor : m_foreColor);
    else
        dev->setForeColor(blink ? m_backBlinkColor : m_backColor);
    dev->drawFillRect(0, 0, m_width, m_height);
}

short TQCvarrow::arrowColor(bool blinkOn)
{
    bool blink = blinkOn && m_blinkType != 1 && m_twinBlink;
    if (m_reverseFlag)
        return blink ? m_backBlinkColor : m_backColor;
    return blink ? m_blinkColor : m_foreColor;
}

// The bevel colours change places while pressed.
void TQCvarrow::_draw_arrow(TQDdev* dev, unsigned char pressed, short x, short y,
                            unsigned short w, unsigned short h)
{
    short first = pressed ? m_topShadowColor : m_bottomShadowColor;
    short second = pressed ? m_bottomShadowColor : m_topShadowColor;
    TQGFdrawArrow(dev, 1, m_shadowThickness, arrowColor(getBlinkPhase() != 0), first, second,
                  m_arrowDirection, x, static_cast<short>(y + (pressed ? 1 : 0)), w, h);
}

// Dotted, inside the frame, one pixel lower while pressed; only when the
// button is large enough for it.
void TQCvarrow::drawFocusFrame(TQDdev* dev)
{
    if (!getFocus())
        return;
    dev->setLineWidth(0);
    dev->setLineDashType(kFocusDash);
    long t = m_shadowThickness;
    if (m_width > 2 * t + 4 && m_height > 2 * t + 4)
        dev->drawRect(static_cast<short>(t + 2), static_cast<short>(t + 2 + m_pressed),
                      static_cast<unsigned short>(m_width - 2 * t - 4),
                      static_cast<unsigned short>(m_height - 2 * t - 4));
}
