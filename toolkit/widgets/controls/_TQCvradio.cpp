// Radio button: its defaults and withdrawn properties, and its indicator.
// The frame thickness is the ring of the disc and of the check square.
#include "_TQCvradio.h"

#include "_TQCtypeServerFrame.h"
#include "_TQDdev.h"
#include "_TQGFgeometry.h"

TQ_TYPE_SERVER_FRAME(TQCvradio, TQCvtoggle);

namespace {

// Angles in 1/64 degree, counter-clockwise from 3 o'clock.
const short kFullTurn = 23040;
const short kHalfTurn = 11520;
const short kLowerLeftFrom = 3840;    // 60 degrees: the shadowed half
const short kUpperRightFrom = 15360;  // 240 degrees: the lit half
const char kPieSlice = 0;

// Nothing of a side of 0 or less is drawn: as an unsigned size it would
// cover far more than the control.
void fillDisc(TQDdev* dev, short color, long x, long y, long side, short from, short sweep)
{
    if (side <= 0)
        return;
    dev->setForeColor(color);
    dev->drawFillArc(static_cast<short>(x), static_cast<short>(y),
                     static_cast<unsigned short>(side), static_cast<unsigned short>(side), from,
                     sweep, kPieSlice);
}

} // namespace

TQCvradio::TQCvradio(TQCbase* parent, const char* name) : TQCvtoggle(parent, name)
{
    m_indicatorSize = 16;
    m_indicatorColor = -11;
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        for (const char* unused : {_TQNindicatorOn(), _TQNindicatorType(), _TQNindicatorPixmap(),
                                   _TQNselectPixmap(), _TQNshadowType(), _TQNindicatorShadow()})
            r.withdraw(unused);
        r.changeDefault<&TQCvradio::m_indicatorColor>(_TQNindicatorColor(), -11);
        r.changeDefault<TQCvradio::m_indicatorSizeSlot>(_TQNindicatorSize(), 16);
    });
}

// The radio's look procedure is handed the toggle's block.
void TQCvradio::fillDrawBlock(TQCvradioDrawBlock& block)
{
    TQCvtoggle::fillDrawBlock(block);
}

void TQCvradio::drawIndicator(TQDdev* dev, const Look&)
{
    if (m_unique)
        drawDisc(dev, indicatorCorner());
    else
        drawCheck(dev, indicatorCorner());
}

// A ring shaded like a sunken frame round the disc, the dot inside while on.
void TQCvradio::drawDisc(TQDdev* dev, TQCpoint at)
{
    long s = m_indicatorSize;
    long t = m_shadowThickness;
    dev->setHatchPattern(0);
    fillDisc(dev, m_bottomShadowColor, at.x, at.y, s, kLowerLeftFrom, kHalfTurn);
    fillDisc(dev, m_topShadowColor, at.x, at.y, s, kUpperRightFrom, kHalfTurn);
    fillDisc(dev, m_indicatorColor, at.x + t, at.y + t, s - 2 * t, 0, kFullTurn);
    if (m_status)
        fillDisc(dev, m_selectColor, at.x + 2 * t, at.y + 2 * t, s - 4 * t, 0, kFullTurn);
}

// A tick in the square while on, then the sunken frame.
void TQCvradio::drawCheck(TQDdev* dev, TQCpoint at)
{
    long s = m_indicatorSize;
    long t = m_shadowThickness;
    if (s <= 0)
        return;
    dev->setForeColor(m_indicatorColor);
    dev->drawFillRect(at.x, at.y, s, s);
    if (m_status) {
        long d = s - 2 * t, q = d / 4, h = d / 2, half = s / 2;
        TQCpoint tick[] = {{at.x + t + q, at.y + t + q},
                           {at.x + t, at.y + t + h},
                           {at.x + half, at.y + s - t},
                           {at.x + s - t, at.y + t},
                           {at.x + half, at.y + half}};
        dev->setForeColor(m_selectColor);
        dev->drawFillPoly(tick, 5);
    }
    TQGFdrawShadow(dev, 1, t, m_foreColor, m_topShadowColor, m_bottomShadowColor, m_backColor,
                   at.x, at.y, s, s, 0);
}
