// Scroll bar: drawing in the classic looks (trough, back image, frame,
// buttons, arrows and thumb) or through the extended look's procedure.
#include "_TQCvscrBar.h"

#include "_TQCimageSet.h"
#include "_TQDdev.h"
#include "_TQGFgeometry.h"

namespace {

const char kClassName[] = "TQCvscrBar";

// A length handed to the device: a negative one draws nothing.
unsigned short extent(long length)
{
    return static_cast<unsigned short>(length < 0 ? 0 : length > 0xFFFF ? 0xFFFF : length);
}

} // namespace

// Under look bit 1 the layout leaves the shadow out, while the frames keep
// their thickness.
long TQCvscrBar::draw()
{
    long drawing = drawable(kClassName, __LINE__);
    if (drawing != 1)
        return drawing;
    clampForDrawing();
    if (!drawWanted(kClassName, __LINE__))
        return 0;
    TQDdev* dev = getowndev();
    if (drawThroughLook(dev))
        return 0;
    if (!openDrawing(kClassName, __LINE__))
        return 0;
    long policy = TQGIappGuiPolicy()->getGuiPolicy();
    long s = (policy & TQCguiPolicy::LOOK_B) ? 0 : m_shadowThickness;
    drawTrough(dev);
    if (m_backPixmap != -1) {
        if (TQDimage* image = TQGIappImageSet()->getImage(m_backPixmap))
            dev->drawImage(0, 0, 0, 0, m_width, m_height, image);
    }
    if (policy & TQCguiPolicy::LOOK_A)
        TQGFdrawShadow(dev, TQSHADOW_IN, m_shadowThickness, m_foreColor, m_topShadowColor,
                       m_bottomShadowColor, m_backColor, 0, 0, m_width, m_height, 0);
    if (along() > 2 && along() > 2 * s + 2)
        drawParts(dev, s);
    dev->endDraw();
    return 0;
}

void TQCvscrBar::fillDrawBlock(TQCvscrBarDrawBlock& b)
{
    b.sliderSize = m_sliderSize;
    b.maximum = m_maximum;
    b.value = m_value;
    b.pressedPart = m_pressedPart;
    b.orientation = m_orientation;
    b.foreColor = m_foreColor;
    b.backColor = m_backColor;
    b.barShadowColor = m_barShadowColor;
    b.topShadowColor = m_topShadowColor;
    b.bottomShadowColor = m_bottomShadowColor;
    b.backPixmap = m_backPixmap;
    b.gradation = m_gradation;
}

void TQCvscrBar::drawTrough(TQDdev* dev)
{
    dev->setForeColor(m_barShadowColor);
    if (!m_gradation) {
        dev->drawFillRect(0, 0, m_width, m_height);
        return;
    }
    dev->drawGradation(1, m_topShadowColor, m_backColor, m_bottomShadowColor,
                       static_cast<short>(-(m_width >> 1)), static_cast<short>(-(m_height >> 1)),
                       extent(2L * m_width), extent(2L * m_height), 0);
}

// From the begin end to the far end: begin button, decrement arrow, thumb,
// increment arrow, end button.
void TQCvscrBar::drawParts(TQDdev* dev, long s)
{
    long a = along();
    long halfB = across() >> 1;
    long threeHalvesB = (3L * across()) >> 1;
    bool vertical = m_orientation != 0;
    drawButton(dev, 2 * s, s, s, PART_BEGIN);
    drawArrow(dev, halfB - s, s, PART_DECREMENT, vertical ? TQARROW_UP : TQARROW_LEFT);
    drawThumb(dev, s);
    drawArrow(dev, a + 3 * s - threeHalvesB, s, PART_INCREMENT,
              vertical ? TQARROW_DOWN : TQARROW_RIGHT);
    drawButton(dev, a + 2 * s - halfB, a + s - halfB, s, PART_END);
}

void TQCvscrBar::drawButton(TQDdev* dev, long faceAt, long frameAt, long s, unsigned char part)
{
    long b = across();
    long faceLength = (b >> 1) - 4 * s;
    long faceBreadth = b - 4 * s;
    dev->setForeColor(m_backColor);
    fillPart(dev, faceAt, 2 * s, faceLength < 1 ? 1 : faceLength,
             faceBreadth < 1 ? 1 : faceBreadth);
    framePart(dev, m_pressedPart == part ? TQSHADOW_IN : TQSHADOW_OUT, frameAt, s,
              (b >> 1) - 2 * s, b - 2 * s);
}

// Bevelled under look bit 0; a framed box with a flat triangle under bit 1;
// no arrow under neither.
void TQCvscrBar::drawArrow(TQDdev* dev, long frameAt, long s, unsigned char part,
                           char direction)
{
    long policy = TQGIappGuiPolicy()->getGuiPolicy();
    long b = across();
    long box = b - 2 * s;
    bool pressed = m_pressedPart == part;
    unsigned short thickness = static_cast<unsigned short>(2 * m_shadowThickness);
    dev->setForeColor(m_backColor);
    if (policy & TQCguiPolicy::LOOK_A) {
        long x = m_orientation ? s : frameAt;
        long y = m_orientation ? frameAt : s;
        TQGFdrawArrow(dev, 0, thickness, m_backColor,
                      pressed ? m_bottomShadowColor : m_topShadowColor,
                      pressed ? m_topShadowColor : m_bottomShadowColor, direction,
                      static_cast<short>(x), static_cast<short>(y), extent(box), extent(box));
        return;
    }
    if (!(policy & TQCguiPolicy::LOOK_B))
        return;
    long face = b - 4 * s;
    fillPart(dev, frameAt + s, 2 * s, face < 1 ? 1 : face, face < 1 ? 1 : face);
    framePart(dev, pressed ? TQSHADOW_IN : TQSHADOW_OUT, frameAt, s, box, box);
    long arrowAt = frameAt - s + (b >> 2);
    long x = m_orientation ? b >> 2 : arrowAt;
    long y = m_orientation ? arrowAt : b >> 2;
    TQGFdrawArrow(dev, 1, thickness, m_foreColor, m_bottomShadowColor, m_topShadowColor,
                  direction, static_cast<short>(x), static_cast<short>(y), extent(b >> 1),
                  extent(b >> 1));
}

// Floating point with the exact 1.5 B; the face lies S inside the frame
// along the bar, and the frame is never shorter than 2.
void TQCvscrBar::drawThumb(TQDdev* dev, long s)
{
    long a = along();
    long b = across();
    long trough = a - 3 * b + 6 * s;
    if (trough == 0)
        trough = 1;
    double p, z;
    thumbUnits(trough, &p, &z);
    double maximum = m_maximum != 0 ? m_maximum : 1;
    double lead = p * trough / maximum;
    double rest = static_cast<u32>(m_maximum - static_cast<u32>(p) - static_cast<u32>(z)) *
                  static_cast<double>(trough) / maximum;
    double oneAndHalfB = 1.5 * b;
    long faceFrom = static_cast<long>(oneAndHalfB - 2 * s + lead);
    long faceTo = static_cast<long>(a + 2 * s - oneAndHalfB - rest);
    double frameFrom = oneAndHalfB - 3 * s + lead;
    long frameLength = static_cast<long>(a + 3 * s - oneAndHalfB - rest - frameFrom);
    dev->setForeColor(m_backColor);
    fillPart(dev, faceFrom, 2 * s, faceTo - faceFrom, b - 4 * s);
    framePart(dev, TQSHADOW_OUT, static_cast<long>(frameFrom), s,
              frameLength < 2 ? 2 : frameLength, b - 2 * s);
}

void TQCvscrBar::fillPart(TQDdev* dev, long along, long across, long length, long breadth)
{
    if (m_orientation)
        dev->drawFillRect(static_cast<short>(across), static_cast<short>(along), extent(breadth),
                          extent(length));
    else
        dev->drawFillRect(static_cast<short>(along), static_cast<short>(across), extent(length),
                          extent(breadth));
}

void TQCvscrBar::framePart(TQDdev* dev, char type, long along, long across, long length,
                           long breadth)
{
    short x = static_cast<short>(m_orientation ? across : along);
    short y = static_cast<short>(m_orientation ? along : across);
    unsigned short w = extent(m_orientation ? breadth : length);
    unsigned short h = extent(m_orientation ? length : breadth);
    TQGFdrawShadow(dev, type, m_shadowThickness, m_foreColor, m_topShadowColor,
                   m_bottomShadowColor, m_backColor, x, y, w, h, 0);
}
