// Slider: construction, the ten properties, value clamping, the device
// set-up, the knob geometry and drawing. Pointer handling has a file of its
// own.
#include "_TQCvslider.h"

#include "_TQCtypeServerFrame.h"
#include "_TQDdev.h"
#include "_TQGFgeometry.h"
#include "_TQGFtrigger.h"

TQ_TYPE_SERVER_FRAME(TQCvslider, TQCnwbase);

TQCvslider::TQCvslider(TQCbase* parent, const char* name)
    : TQCnwbase(parent, name), m_shadowThickness(2), m_pressArea(AREA_NONE), m_orientation(0),
      m_repeatArmed(0)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH_BITS(r, shadowThickness, 2);
        TQ_WATCH(r, backColor, -13);
        TQ_WATCH(r, topShadowColor, -15);
        TQ_WATCH(r, bottomShadowColor, -16);
        TQ_WATCH(r, sliderSize, 30);
        TQ_WATCH(r, maximum, 1000);
        TQ_WATCH(r, minimum, 0);
        TQ_WATCH(r, dragInterval, 30);
        TQ_WATCH(r, value, 0);
        TQ_WATCH_BITS(r, orientation, 0, orientation);
        for (const char* unused : {_TQNblinkFlag(), _TQNblinkRate(), _TQNtwinBlink(),
                                   _TQNforeColor(), _TQNblinkColor(), _TQNblinkRefreshing()})
            r.withdraw(unused);
        r.triggers({TQEV_VALUE_CH, TQEV_ACTIVATE});
        // Procedures cannot be bound to the raw pointer events.
        for (long raw : {TQEV_MOUSE_MOVE, TQEV_MOUSE_PRESS, TQEV_MOUSE_RELEASE})
            r.info()->setDelTrigger(raw);
    });
}

TQCvslider::~TQCvslider()
{
    stopRepeat();
}

long TQCvslider::_device_initialize()
{
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return -1;
    for (long event : {TQEV_MOUSE_MOVE, TQEV_MOUSE_OUT, TQEV_MOUSE_PRESS, TQEV_MOUSE_RELEASE})
        dev->setEnableEvent(event);
    TQCnwbase::_device_initialize();
    unsigned char on = 1;
    dev->setValue(TQDdev::VALUE_USE_PIXMAP, &on);
    return 0;
}

void TQCvslider::onActivate()
{
    execProcedure(TQEV_ACTIVATE);
}

void TQCvslider::onValueChange()
{
    execProcedure(TQEV_VALUE_CH);
}

// ---------------------------------------------------------------------------
// Value

// Minimum first, so that a range with minimum above maximum leaves maximum.
void TQCvslider::clampValue()
{
    if (m_value < m_minimum)
        m_value = m_minimum;
    if (m_value > m_maximum)
        m_value = m_maximum;
}

void TQCvslider::setWorkTQNvalue(short)
{
    clampValue();
    if (getInitialized())
        onValueChange();
}

void TQCvslider::getWorkTQNvalue(short* value)
{
    clampValue();
    *value = m_value;
}

// ---------------------------------------------------------------------------
// Geometry and drawing

double TQCvslider::fraction(long value) const
{
    long range = static_cast<long>(m_maximum) - m_minimum;
    if (range <= 0)
        return 0.0;
    return static_cast<double>(value - m_minimum) / static_cast<double>(range);
}

long TQCvslider::knobStart(unsigned short length, unsigned short t, double f) const
{
    long travel = static_cast<long>(length) - 2 * t - m_sliderSize;
    if (travel <= 0)
        return t;
    return t + static_cast<long>(travel * f);
}

// A sunken track with the knob as two raised halves side by side, both in
// backColor; only the bevels tell the knob from the track. The knob keeps
// to the track even while the stored value lies outside a changed range.
long TQCvslider::draw()
{
    long drawing = drawable("TQCvslider", __LINE__);
    if (drawing <= 0)
        return drawing;
    if (!drawWanted("TQCvslider", __LINE__) || !openDrawing("TQCvslider", __LINE__))
        return 0;
    TQDdev* dev = getowndev();

    unsigned short t = m_shadowThickness;
    TQGFdrawShadow(dev, TQSHADOW_IN, t, m_backColor, m_topShadowColor, m_bottomShadowColor,
                   m_backColor, 0, 0, m_width, m_height, 0);
    long innerW = static_cast<long>(m_width) - 2 * t;
    long innerH = static_cast<long>(m_height) - 2 * t;
    unsigned short length = horizontal() ? m_width : m_height;
    if (innerW > 0 && innerH > 0) {
        dev->setForeColor(m_backColor);
        dev->drawFillRect(t, t, innerW, innerH);
    }
    if (innerW > 0 && innerH > 0 && length > 2 * t + 2) {
        double f = fraction(m_value);
        long knob = knobStart(length, t, f < 0.0 ? 0.0 : f > 1.0 ? 1.0 : f);
        unsigned short half = m_sliderSize / 2;
        if (horizontal()) {
            dev->drawFillRect(knob, t, m_sliderSize, innerH);
            for (long at : {knob, knob + half})
                TQGFdrawShadow(dev, TQSHADOW_OUT, t, m_backColor, m_topShadowColor,
                               m_bottomShadowColor, m_backColor, at, t, half, innerH, 0);
        } else {
            dev->drawFillRect(t, knob, innerW, m_sliderSize);
            for (long at : {knob, knob + half})
                TQGFdrawShadow(dev, TQSHADOW_OUT, t, m_backColor, m_topShadowColor,
                               m_bottomShadowColor, m_backColor, t, at, innerW, half, 0);
        }
    }
    dev->endDraw();
    return 0;
}
