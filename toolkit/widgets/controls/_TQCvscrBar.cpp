// Scroll bar: construction, the 14 properties and their value rules, the
// hit test, presses with auto-repeat, dragging, release and the reaction to
// a new look. Drawing has a file of its own.
#include "_TQCvscrBar.h"

#include "_TQCbaseList.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDdev.h"
#include "_TQDtimer.h"
#include "_TQGFstring.h"
#include "_TQGFtrigger.h"

#include <string>

TQ_TYPE_SERVER_FRAME(TQCvscrBar, TQCnwbase);

namespace {

// Ticks after the first timer call before the first repetition.
const unsigned char kRepeatDelay = 3;
// The shortest thumb, in pixels.
const long kMinimumThumb = 10;

} // namespace

TQCvscrBar::TQCvscrBar(TQCbase* parent, const char* name)
    : TQCnwbase(parent, name), m_shadowThickness(2), m_pressedPart(PART_NONE),
      m_orientation(0), m_repeatStarted(0), m_gradation(0)
{
    setOutSideMouseMove(1);
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH_BITS(r, shadowThickness, 2);
        TQ_WATCH(r, backColor, -13);
        TQ_WATCH(r, barShadowColor, -12);
        TQ_WATCH(r, topShadowColor, -15);
        TQ_WATCH(r, bottomShadowColor, -16);
        TQ_WATCH(r, sliderSize, 100);
        TQ_WATCH(r, maximum, 1000);
        TQ_WATCH(r, increment, 10);
        TQ_WATCH(r, pageIncrement, 30);
        TQ_WATCH(r, value, 0);
        TQ_WATCH_BITS(r, orientation, 0, orientation);
        TQ_WATCH(r, backPixmap, -1);
        // Titled in the builder as the second gradation.
        r.watched<TQCflagOf<m_gradationSlot>>(_TQNgradation(), 0, TQ_HOOKS(gradation),
                                              {_TQSgradation2(), _TQRbool3(), _TQRbool3D()});
        TQCbaseProperties::keepPixmapCache(r);
        for (const char* blink : {_TQNblinkFlag(), _TQNblinkRate(), _TQNtwinBlink(),
                                  _TQNblinkColor(), _TQNblinkRefreshing()})
            r.withdraw(blink);
        r.triggers({TQEV_VALUE_CH, TQEV_ACTIVATE});
        for (long raw : {TQEV_MOUSE_MOVE, TQEV_MOUSE_PRESS, TQEV_MOUSE_RELEASE})
            r.info()->setDelTrigger(raw);
        r.info()->setExtTrigger(TRIGGER_BEGIN, "BEGIN");
        r.info()->setExtTrigger(TRIGGER_END, "END");
        r.info()->setExtTrigger(TRIGGER_INCREMENT, "INCREMENT");
        r.info()->setExtTrigger(TRIGGER_PAGE_INCREMENT, "PAGE-INCREMENT");
        r.info()->setExtTrigger(TRIGGER_DECREMENT, "DECREMENT");
        r.info()->setExtTrigger(TRIGGER_PAGE_DECREMENT, "PAGE-DECREMENT");
    });
}

void TQCscrBarClassChoice::set(const char* className)
{
    delete[] m_name;
    m_name = TQGFstrdup(className);
}

TQCvscrBar* TQCvscrBar::makePart(TQCbase* owner, const char* className, const char* suffix,
                                 unsigned char orientation, const PartProcedures& procedures)
{
    std::string name = std::string(owner->getInstanceName()) + suffix;
    TQCbase* made = TQCbase::getNewInstance(className, owner, name.c_str());
    TQCvscrBar* bar =
        made != nullptr ? static_cast<TQCvscrBar*>(made->cast("TQCvscrBar")) : nullptr;
    if (bar == nullptr) {
        delete made;
        bar = new TQCvscrBar(owner, name.c_str());
    }
    bar->setInternalObject(1);
    bar->setUseParentBaseDev(1);
    bar->initialize();
    if (orientation != 0)
        bar->setProperty(_TQNorientation(), TQCvariant(static_cast<long>(orientation)));
    bar->addInternalProcedure("value-ch", TQEV_VALUE_CH, procedures.value, procedures.valueName);
    bar->addInternalProcedure("activate", TQEV_ACTIVATE, procedures.activate,
                              procedures.activateName);
    return bar;
}

// A bar destroyed while an arrow is held takes its timer procedure along:
// the timer must not call a bar that no longer exists.
TQCvscrBar::~TQCvscrBar()
{
    stopRepeat();
}

// The window-less device draws the bar through its own pixmap.
long TQCvscrBar::_device_initialize()
{
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return -1;
    dev->setEnableEventBit((1L << TQEV_MOUSE_OUT) | (1L << TQEV_MOUSE_PRESS) |
                           (1L << TQEV_MOUSE_RELEASE) | (1L << TQEV_MOUSE_MOVE));
    TQCnwbase::_device_initialize();
    unsigned char usePixmap = 1;
    dev->setValue(TQDdev::VALUE_USE_PIXMAP, &usePixmap);
    return 0;
}

// ---------------------------------------------------------------------------
// Value rules. The setter has stored the new value; the hooks bring value,
// sliderSize and maximum back in line.

void TQCvscrBar::setWorkTQNsliderSize(unsigned long size)
{
    unsigned long before = m_value;
    if (size > m_maximum) {
        m_value = 0;
        m_sliderSize = m_maximum;
    } else if (m_value + size > m_maximum) {
        m_value = m_maximum - size;
    }
    if (m_value != before)
        onValueChange();
}

void TQCvscrBar::setWorkTQNmaximum(unsigned long maximum)
{
    if (maximum == 0)
        maximum = 1;
    if (m_sliderSize > maximum) {
        m_value = 0;
        m_sliderSize = maximum;
    } else if (maximum < m_sliderSize + m_value) {
        m_value = maximum - m_sliderSize;
    }
    m_maximum = maximum;
}

// A limited value is still a change the procedures hear of.
void TQCvscrBar::setWorkTQNvalue(unsigned long value)
{
    if (value + m_sliderSize > m_maximum)
        m_value = m_sliderSize > m_maximum ? 0 : m_maximum - m_sliderSize;
    if (getInitialized())
        onValueChange();
}

void TQCvscrBar::clampForDrawing()
{
    if (m_sliderSize > m_maximum) {
        m_value = 0;
        m_sliderSize = m_maximum;
    } else if (m_maximum < m_sliderSize + m_value) {
        m_value = m_maximum - m_sliderSize;
    }
}

long TQCvscrBar::getMaxSlideValue()
{
    return m_sliderSize >= m_maximum ? 0 : static_cast<long>(m_maximum - m_sliderSize);
}

void TQCvscrBar::decrementBy(unsigned long step)
{
    m_value = m_value < step ? 0 : m_value - step;
}

void TQCvscrBar::incrementBy(unsigned long step)
{
    unsigned long limit = static_cast<unsigned long>(getMaxSlideValue());
    m_value = m_value + step > limit ? limit : m_value + step;
}

// ---------------------------------------------------------------------------
// Notifications

void TQCvscrBar::onActivate()
{
    execProcedure(TQEV_ACTIVATE);
}

void TQCvscrBar::onValueChange()
{
    execProcedure(TQEV_VALUE_CH);
}

// Each part's own trigger, then VALUE_CH, unless the first destroyed the bar.
#define TQ_PART_NOTICE(Hook, Trigger)                                            \
    void TQCvscrBar::Hook()                                                      \
    {                                                                            \
        LifeGuard guard(this);                                                   \
        execProcedure(Trigger);                                                  \
        if (guard.alive())                                                       \
            execProcedure(TQEV_VALUE_CH);                                        \
    }
TQ_PART_NOTICE(onBegin, TRIGGER_BEGIN)
TQ_PART_NOTICE(onEnd, TRIGGER_END)
TQ_PART_NOTICE(onIncrement, TRIGGER_INCREMENT)
TQ_PART_NOTICE(onDecrement, TRIGGER_DECREMENT)
TQ_PART_NOTICE(onPageIncrement, TRIGGER_PAGE_INCREMENT)
TQ_PART_NOTICE(onPageDecrement, TRIGGER_PAGE_DECREMENT)
#undef TQ_PART_NOTICE

// ---------------------------------------------------------------------------
// Geometry and hit test

void TQCvscrBar::thumbUnits(long troughLength, double* start, double* extent) const
{
    double maximum = m_maximum != 0 ? m_maximum : 1;
    *start = m_value;
    *extent = m_sliderSize;
    long pixels = static_cast<long>(m_sliderSize * static_cast<double>(troughLength) / maximum);
    if (static_cast<unsigned long>(pixels) >= kMinimumThumb || troughLength == 0)
        return;
    u32 tenPixels = static_cast<u32>(m_maximum * 10u);
    double z = static_cast<double>(static_cast<long>(tenPixels / troughLength));
    if (z > m_maximum)
        z = m_maximum;
    *extent = z;
    *start = 0;
    if (m_maximum != m_sliderSize) {
        double p = (m_maximum - z) * static_cast<double>(m_value) /
                   static_cast<double>(m_maximum - m_sliderSize);
        *start = p < 0 ? 0 : static_cast<double>(static_cast<long>(p));
    }
}

unsigned char TQCvscrBar::_bar_in(short px, short py, short x0, short y0, unsigned short w,
                                  unsigned short h, unsigned short thickness)
{
    long a = m_orientation ? h : w;
    long b = m_orientation ? w : h;
    long s = thickness;
    long at = m_orientation ? py - y0 : px - x0;
    long across = m_orientation ? px - x0 : py - y0;
    if (a <= 2 * s + 2 || across <= s || across >= b - s)
        return PART_NONE;
    long trough = a - 3 * b + 6 * s;
    double p, z;
    thumbUnits(trough, &p, &z);
    double maximum = m_maximum != 0 ? m_maximum : 1;
    long halfB = b >> 1;
    long threeHalvesB = (3 * b) >> 1;
    long troughStart = threeHalvesB - 3 * s;
    long thumbStart = troughStart + static_cast<long>(p * trough / maximum);
    long thumbEnd = troughStart + static_cast<long>((p + z) * trough / maximum);
    const struct {
        unsigned char part;
        long from;
        long to;
    } parts[] = {{PART_BEGIN, s, halfB - s},
                 {PART_DECREMENT, halfB - s, threeHalvesB - s},
                 {PART_PAGE_DECREMENT, threeHalvesB - s, thumbStart},
                 {PART_THUMB, thumbStart, thumbEnd},
                 {PART_PAGE_INCREMENT, thumbEnd, a + 3 * s - threeHalvesB},
                 {PART_INCREMENT, a + 3 * s - threeHalvesB, a + s - halfB},
                 {PART_END, a + s - halfB, a - s}};
    for (const auto& part : parts) {
        if (part.from < at && at < part.to)
            return part.part;
    }
    return PART_NONE;
}

// ---------------------------------------------------------------------------
// Pointer

long TQCvscrBar::execEventProc(long event, void* data)
{
    if (event == TQEV_MOUSE_PRESS && data != nullptr) {
        TQCpoint* point = static_cast<TQCpoint*>(data);
        m_pressX = static_cast<short>(point->x - m_x);
        m_pressY = static_cast<short>(point->y - m_y);
    }
    return TQCnwbase::execEventProc(event, data);
}

bool TQCvscrBar::stepPart(unsigned char part)
{
    switch (part) {
    case PART_BEGIN:
        m_value = 0;
        onBegin();
        return true;
    case PART_END:
        m_value = static_cast<unsigned long>(getMaxSlideValue());
        onEnd();
        return true;
    case PART_DECREMENT:
        decrementBy(m_increment);
        onDecrement();
        return true;
    case PART_PAGE_DECREMENT:
        decrementBy(m_pageIncrement);
        onPageDecrement();
        return true;
    case PART_INCREMENT:
        incrementBy(m_increment);
        onIncrement();
        return true;
    case PART_PAGE_INCREMENT:
        incrementBy(m_pageIncrement);
        onPageIncrement();
        return true;
    case PART_THUMB:
        return true;
    default:
        return false;
    }
}

// The press hands the hit test the shadowThickness property, whatever the
// look draws with.
void TQCvscrBar::onMousePress(TQCpoint* point)
{
    if (!getSensitive()) {
        TQCbase::onMousePress(point);
        return;
    }
    setOutSideMouseRelease(1);
    m_pressedPart = _bar_in(static_cast<short>(point->x), static_cast<short>(point->y), 0, 0,
                            m_width, m_height, m_shadowThickness);
    if (m_pressedPart == PART_NONE) {
        TQCbase::onMousePress(point);
        return;
    }
    if (m_pressedPart == PART_THUMB)
        m_valueAtPress = m_value;
    if (m_pressedPart != PART_THUMB && m_pressedPart != PART_BEGIN &&
        m_pressedPart != PART_END)
        startRepeat();
    if (actOnPart(m_pressedPart))
        TQCbase::onMousePress(point);
}

// Without a device the step and its notice are all that happens.
bool TQCvscrBar::actOnPart(unsigned char part)
{
    LifeGuard guard(this);
    if (!stepPart(part) || !guard.alive() || getowndev() == nullptr)
        return false;
    onValueChange();
    if (!guard.alive())
        return false;
    setAbsoluteDraw(1);
    draw();
    return guard.alive();
}

// The drag uses the shadowThickness property in its trough length, and 64
// bits for the product; a trough of length 0 leaves the value alone.
void TQCvscrBar::onMouseMove(TQCpoint* point)
{
    if (!getSensitive() || m_pressedPart != PART_THUMB)
        return;
    unsigned short trough =
        static_cast<unsigned short>(along() - 3 * across() + 6 * m_shadowThickness);
    long long offset = m_orientation ? point->y - m_pressY : point->x - m_pressX;
    if (trough != 0) {
        long long n = static_cast<long long>(m_valueAtPress) +
                      offset * static_cast<long long>(m_maximum) / trough;
        long long limit = getMaxSlideValue();
        if (n > limit)
            n = limit;
        if (n < 0)
            n = 0;
        if (static_cast<unsigned long>(n) != m_value) {
            m_value = static_cast<unsigned long>(n);
            LifeGuard guard(this);
            onValueChange();
            if (!guard.alive())
                return;
        }
    }
    setAbsoluteDraw(1);
    _draw_sl_bar();
}

void TQCvscrBar::onMouseRelease(TQCpoint*)
{
    if (!getSensitive())
        return;
    setOutSideMouseRelease(0);
    stopRepeat();
    if (m_pressedPart != PART_NONE) {
        LifeGuard guard(this);
        onActivate();
        if (!guard.alive())
            return;
    }
    m_pressedPart = PART_NONE;
    setAbsoluteDraw(1);
    draw();
}

// ---------------------------------------------------------------------------
// Auto-repeat

void TQCvscrBar::startRepeat()
{
    stopRepeat();
    TQDtimer* timer = TQGIappTimer();
    if (timer != nullptr)
        m_repeatId = timer->addTimerProc(_timer_work, 1, this);
}

void TQCvscrBar::stopRepeat()
{
    m_repeatStarted = 0;
    if (m_repeatId == 0)
        return;
    if (TQDtimer* timer = TQGIappTimer())
        timer->delTimerProc(m_repeatId);
    m_repeatId = 0;
}

void TQCvscrBar::_timer_work(unsigned char tick, void* bar)
{
    static_cast<TQCvscrBar*>(bar)->repeatTick(tick);
}

// The first call marks the start; from the third tick after it every tick
// steps. The count is 8 bits: once stepping, the start is kept three ticks
// behind, so the wrap after 255 never pauses the repetition.
void TQCvscrBar::repeatTick(unsigned char tick)
{
    if (!m_repeatStarted) {
        m_repeatStarted = 1;
        m_firstTick = tick;
        return;
    }
    if (static_cast<unsigned char>(tick - m_firstTick) < kRepeatDelay)
        return;
    m_firstTick = static_cast<unsigned char>(tick - kRepeatDelay);
    actOnPart(m_pressedPart);
}

