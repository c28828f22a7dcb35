// Slider: the hit test, presses on the knob and the track, the repeat of a
// held track press, dragging and the release.
#include "_TQCvslider.h"

#include "_TQDtimer.h"
#include "_TQGFtrigger.h"

namespace {

// A pop-up menu on the slider keeps the outside-pointer switches for itself.
const char* const kPopupMenuKey = "PM-POPUP";
// Ticks after the repeat's first call before it steps.
const unsigned char kRepeatDelay = 2;

} // namespace

unsigned char TQCvslider::_bar_in(short px, short py, short x0, short y0, unsigned short width,
                                  unsigned short height, unsigned short t)
{
    bool across = horizontal();
    long along = across ? px : py;
    long start = across ? x0 : y0;
    unsigned short length = across ? width : height;
    long cross = across ? py : px;
    long crossStart = across ? y0 : x0;
    unsigned short crossLength = across ? height : width;
    if (length <= 2 * t + 2)
        return AREA_NONE;
    long value = m_value;
    if (m_value < m_minimum)
        value = m_minimum;
    if (m_maximum < m_value)
        value = m_maximum;
    long knob = start + knobStart(length, t, fraction(value));
    if (!(crossStart + t < cross && cross < crossStart + crossLength - t))
        return AREA_NONE;
    if (start + t < along && along < knob)
        return AREA_BEFORE;
    if (knob < along && along < knob + m_sliderSize)
        return AREA_KNOB;
    if (knob + m_sliderSize < along && along < start + length)
        return AREA_AFTER;
    return AREA_NONE;
}

long TQCvslider::execEventProc(long event, void* data)
{
    if (event == TQEV_MOUSE_PRESS && data != nullptr) {
        TQCpoint* point = static_cast<TQCpoint*>(data);
        m_pressX = static_cast<short>(point->x - m_x);
        m_pressY = static_cast<short>(point->y - m_y);
    }
    return TQCnwbase::execEventProc(event, data);
}

// The step is taken in 32 bits, so that it cannot wrap past the range.
void TQCvslider::stepValue(unsigned char area)
{
    long value = m_value;
    if (area == AREA_BEFORE) {
        value -= m_dragInterval;
        if (value < m_minimum)
            value = m_minimum;
    } else {
        value += m_dragInterval;
        if (value > m_maximum)
            value = m_maximum;
    }
    m_value = static_cast<short>(value);
    onDragInterval();
}

void TQCvslider::reportChange()
{
    LifeGuard guard(this);
    onValueChange();
    if (!guard.alive())
        return;
    setAbsoluteDraw(1);
    draw();
}

// The slider keeps the pointer's moves and release after it leaves it.
void TQCvslider::onMousePress(TQCpoint* point)
{
    setOutSideMouseRelease(1);
    setOutSideMouseMove(1);
    short before = m_value;
    m_pressArea = _bar_in(static_cast<short>(point->x), static_cast<short>(point->y), 0, 0,
                          m_width, m_height, m_shadowThickness);
    if (m_pressArea == AREA_KNOB) {
        m_pressValue = m_value;
    } else if (m_pressArea != AREA_NONE) {
        stepValue(m_pressArea);
        m_repeatArmed = 0;
        startRepeat();
    }
    if (m_pressArea != AREA_NONE) {
        if (getowndev() == nullptr)
            return;
        if (m_value != before) {
            LifeGuard guard(this);
            reportChange();
            if (!guard.alive())
                return;
        }
    }
    TQCnwbase::onMousePress(point);
}

void TQCvslider::startRepeat()
{
    stopRepeat();
    if (TQDtimer* timer = TQGIappTimer())
        m_repeatTimer = timer->addTimerProc(_timer_work, 1, this);
}

void TQCvslider::stopRepeat()
{
    m_repeatArmed = 0;
    if (m_repeatTimer == 0)
        return;
    if (TQDtimer* timer = TQGIappTimer())
        timer->delTimerProc(m_repeatTimer);
    m_repeatTimer = 0;
}

// Once stepping, the noted tick is kept three behind, so that a hold that
// outlasts the 8-bit tick count goes on stepping.
void TQCvslider::_timer_work(unsigned char tick, void* data)
{
    TQCvslider* slider = static_cast<TQCvslider*>(data);
    if (!slider->m_repeatArmed) {
        slider->m_repeatArmed = 1;
        slider->m_pressTick = tick;
        return;
    }
    if (static_cast<unsigned char>(tick - slider->m_pressTick) <= kRepeatDelay)
        return;
    slider->m_pressTick = static_cast<unsigned char>(tick - kRepeatDelay - 1);
    if (slider->m_pressArea != AREA_BEFORE && slider->m_pressArea != AREA_AFTER)
        return;
    short before = slider->m_value;
    slider->stepValue(slider->m_pressArea);
    if (slider->m_value != before)
        slider->reportChange();
}

// The value follows the pointer from where the knob was pressed; moving
// right or down raises it. A knob that fills the track does not move.
void TQCvslider::onMouseMove(TQCpoint* point)
{
    if (m_pressArea != AREA_KNOB)
        return;
    short d = static_cast<short>(horizontal() ? point->x - m_pressX : point->y - m_pressY);
    long travel = static_cast<long>(horizontal() ? m_width : m_height) - 2 * m_shadowThickness -
                  m_sliderSize;
    if (travel <= 0)
        return;
    double perPixel = (static_cast<double>(m_maximum) - m_minimum) / travel;
    double wanted = m_pressValue + d * perPixel;
    short value = wanted > m_maximum   ? m_maximum
                  : wanted < m_minimum ? m_minimum
                                       : static_cast<short>(wanted);
    if (value == m_value)
        return;
    m_value = value;
    reportChange();
}

void TQCvslider::onMouseRelease(TQCpoint*)
{
    if (getUserData(kPopupMenuKey) == nullptr) {
        setOutSideMouseRelease(0);
        setOutSideMouseMove(0);
    }
    stopRepeat();
    if (m_pressArea != AREA_NONE) {
        LifeGuard guard(this);
        onActivate();
        if (!guard.alive())
            return;
    }
    m_pressArea = AREA_NONE;
    setAbsoluteDraw(1);
    draw();
}
