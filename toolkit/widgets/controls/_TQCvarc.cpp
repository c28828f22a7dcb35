// Arc: fill and outline of the arc of the ellipse inset by half the pen;
// the chord and the radii end on the ellipse of the whole widget.
#include "_TQCvarc.h"

#include "_TQCtypeServerFrame.h"

#include <cmath>

TQ_TYPE_SERVER_FRAME(TQCvarc, TQCvpolyAttr);

namespace {

const char kClassName[] = "TQCvarc";
const long kWholeTurn = 360;
// The device takes angles in 64ths of a degree, as 16-bit numbers.
const long kDeviceUnitsPerDegree = 64;
// Fill modes of the device's arc fill.
const char kFillPie = 0;
const char kFillChord = 1;

short deviceAngle(long degrees)
{
    return static_cast<short>(degrees * kDeviceUnitsPerDegree);
}

// The point at degrees on the ellipse inscribed in w x h, truncated toward
// zero.
TQCpoint pointAt(long degrees, unsigned short w, unsigned short h)
{
    const double rx = w * 0.5;
    const double ry = h * 0.5;
    const double r = degrees / 180.0 * 3.141592653;
    return {static_cast<long>(rx + rx * std::cos(r)), static_cast<long>(ry - ry * std::sin(r))};
}

} // namespace

TQCvarc::TQCvarc(TQCbase* parent, const char* name) : TQCvpolyAttr(parent, name)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, angle1, 0);
        TQ_WATCH(r, angle2, kWholeTurn);
        TQ_WATCH(r, arcType, ARC_OPEN, arcType);
    });
}

// A pen as wide as the widget leaves no ellipse: nothing is filled or
// outlined rather than a box that wraps round to 65535 pixels.
long TQCvarc::draw()
{
    long drawing = openBlinkingDrawing(kClassName, __LINE__);
    if (drawing != 1)
        return drawing;
    TQDdev* dev = getowndev();
    setPen(dev, m_lineWidth, m_lineType);
    const long w = static_cast<long>(m_width) - m_lineWidth;
    const long h = static_cast<long>(m_height) - m_lineWidth;
    if (w > 0 && h > 0) {
        const short at = static_cast<short>(m_lineWidth / 2);
        const unsigned short boxW = static_cast<unsigned short>(w);
        const unsigned short boxH = static_cast<unsigned short>(h);
        const char mode = m_arcType == ARC_PIE ? kFillPie : kFillChord;
        Colours colours = passColours();
        fillArea(dev, colours, [&](TQDdev* d) {
            d->drawFillArc(at, at, boxW, boxH, deviceAngle(m_angle1), deviceAngle(m_angle2),
                           mode);
        });
        dev->setHatchPattern(0);
        dev->setForeColor(colours.outline);
        if (m_lineWidth != 0)
            drawOutline(dev, at, boxW, boxH);
    }
    dev->endDraw();
    return 0;
}

void TQCvarc::drawOutline(TQDdev* dev, short at, unsigned short w, unsigned short h)
{
    const short from = deviceAngle(m_angle1);
    if (m_angle2 == kWholeTurn) {
        dev->drawArc(at, at, w, h, from, deviceAngle(kWholeTurn));
        return;
    }
    const long end = static_cast<long>(m_angle1) + m_angle2;
    TQCpoint start = pointAt(m_angle1, m_width, m_height);
    TQCpoint stop = pointAt(end, m_width, m_height);
    switch (m_arcType) {
    case ARC_OPEN:
        break;
    case ARC_CLOSED:
        dev->drawLine(static_cast<short>(start.x), static_cast<short>(start.y),
                      static_cast<short>(stop.x), static_cast<short>(stop.y));
        break;
    case ARC_PIE: {
        TQCpoint radii[3] = {start,
                             {static_cast<long>(m_width * 0.5), static_cast<long>(m_height * 0.5)},
                             stop};
        dev->drawLines(radii, 3);
        break;
    }
    default:
        return;
    }
    dev->drawArc(at, at, w, h, from, deviceAngle(m_angle2));
}
