// Split form: construction and the ten properties, the bar positions and
// their repair, the layout of the panes, the managed children, dragging a
// bar with the ghost bar that the shared 20 ms timer moves, and the keys
// that end a drag.
#include "_TQCsform.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include "_TQCbaseList.h"
#include "_TQCstring.h"
#include "_TQCtypeServerFrame.h"
#include "_TQCwindow.h"
#include "_TQDdev.h"
#include "_TQDkeyboard.h"
#include "_TQDprivateTimer.h"
#include "_TQDwindowDev.h"
#include "_TQGFseparatorWindow.h"
#include "_TQGFstring.h"
#include "_TQGFtrigger.h"

TQ_TYPE_SERVER_FRAME(TQCsform, TQCform);

namespace {

const char* const kUnmanaged = "sform-managed";
const long kTimerRate = 20;
// Mouse press, release and move on the form's own window.
const long kPressEvents = 0xe000;
// How far beside a bar a press still takes it.
const long kHitReach = 10;
// Cursors over a bar of orientation 0 and 1.
const unsigned short kCursorAcrossRows = 186;
const unsigned short kCursorAcrossColumns = 182;

TQCsform* g_timerOwner = nullptr;

} // namespace

TQCsform::TQCsform(TQCbase* parent, const char* name)
    : TQCform(parent, name), m_marginTop(2), m_marginBottom(2), m_marginLeft(2),
      m_marginRight(2), m_orientation(1), m_refreshing(0), m_dragging(0), m_parsed(0),
      m_notifyChildren(0), m_adjustChildren(1), m_layoutPending(0)
{
    // The texts' defaults are installed by initialize().
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, separator, ",");
        TQ_WATCH(r, barThickness, 5);
        TQ_WATCH(r, barValue, "50");
        TQ_WATCH_BITS(r, orientation, 1, orientation);
        TQ_REGISTER_MARGINS(r, 2);
        TQ_WATCH_FLAG(r, refreshing, 0, bool3);
        TQ_WATCH(r, minimum, 30);
        r.triggers({TQEV_VALUE_CH});
    });
}

TQCsform::~TQCsform()
{
    if (g_timerOwner == this) {
        m_dragging = 0;
        endGhost();
    }
    delete[] m_barValue;
    delete[] m_separator;
}

// ---------------------------------------------------------------------------
// Shared timer and ghost bar

TQDprivateTimer* TQCsform::sharedTimer()
{
    static TQDprivateTimer* timer = nullptr;
    if (timer == nullptr) {
        timer = TQDprivateTimer::getNewInstance();
        if (timer != nullptr)
            timer->setRate(kTimerRate);
    }
    return timer;
}

TQCwindow*& TQCsform::separatorWindow()
{
    static TQCwindow* window = nullptr;
    return window;
}

// Hides the ghost bar, stops the timer and lets go of the keys, when they
// serve this form.
void TQCsform::endGhost()
{
    if (g_timerOwner != this)
        return;
    g_timerOwner = nullptr;
    TQDkeyboard* keyboard = TQGIappKeyboard();
    if (keyboard != nullptr && keyboard->getSpecialFocusInstance() == this)
        keyboard->resetSpecialInputWorkProc();
    TQCwindow* ghost = separatorWindow();
    if (ghost != nullptr && ghost->getOwnVisible())
        ghost->setVisible(0);
    if (TQDprivateTimer* timer = sharedTimer())
        timer->stopTimer();
}

void TQCsform::_move_adjust_work(void* data)
{
    TQCsform* form = static_cast<TQCsform*>(data);
    if (form == nullptr || form != g_timerOwner)
        return;
    if (TQDkeyboard* keyboard = TQGIappKeyboard())
        keyboard->setSpecialInputWorkProc(_special_key_handler, form, form);
    if (!form->m_dragging) {
        form->endGhost();
        return;
    }
    TQDdev* dev = form->getowndev();
    if (dev == nullptr)
        return;
    short X = 0, Y = 0;
    dev->getDispAddr(&X, &Y);
    long position = form->m_positions.at(form->m_dragBar);
    long half = form->m_barThickness / 2;
    long x = X, y = Y, w = form->m_width, h = form->m_height;
    if (form->m_orientation) {
        x = X + position - half;
        w = form->m_barThickness;
    } else {
        y = Y + position - half;
        h = form->m_barThickness;
    }
    TQCwindow*& ghost = separatorWindow();
    if (ghost == nullptr)
        ghost = TQGFnewSeparatorWindow();
    TQGFplaceSeparatorWindow(ghost, x, y, w, h);
}

// Escape, the system and menu keys, Control and Alt end the drag where the
// bar is; other keys go on.
unsigned char TQCsform::_special_key_handler(void* data, TQDkeyboard* keyboard,
                                             unsigned char press)
{
    TQCsform* form = static_cast<TQCsform*>(data);
    TQCwindow* ghost = separatorWindow();
    if (ghost == nullptr)
        return 1;
    if (!ghost->getOwnVisible()) {
        keyboard->resetSpecialInputWorkProc();
        return 1;
    }
    if (!TQDkeyboard::isCancelKey(keyboard->getKey()))
        return 1;
    if (press && form != nullptr && form == g_timerOwner)
        form->finishDrag();
    return 0;
}

// ---------------------------------------------------------------------------
// Positions

void TQCsform::_parse_pos(const char* text)
{
    m_positions.clear();
    m_parsed = 1;
    TQCstring copy(text != nullptr ? text : "", -2);
    copy.delHeadSpace();
    copy.delTailSpace();
    if (copy.getChars() == 0) {
        m_positions.push_back(mainSize());
        return;
    }
    long fields = copy.getWords(m_separator, -2);
    long previous = 0;
    for (long i = 0; i < fields; ++i) {
        TQCstring field = copy.getWord(i, m_separator, -2);
        long value = std::strtol(field.getString(), nullptr, 10);
        if (value < previous)
            value = previous + m_minimum;
        m_positions.push_back(value);
        previous = value;
    }
}

void TQCsform::ensureParsed()
{
    if (!m_parsed)
        _parse_pos(m_barValue);
}

void TQCsform::rebuildText()
{
    TQCstring text("", -2);
    for (size_t i = 0; i < m_positions.size(); ++i) {
        if (i > 0)
            text << m_separator;
        text << m_positions[i];
    }
    delete[] m_barValue;
    m_barValue = TQGFstrdup(text.getString());
}

// Bars too close to each other or to an end are spread evenly.
void TQCsform::_adjust_pos()
{
    long k = static_cast<long>(m_positions.size());
    long main = mainSize();
    bool tooNarrow = false;
    for (long i = 0; i <= k && !tooNarrow; ++i) {
        long start = i == 0 ? leadingMargin() : m_positions[i - 1];
        long end = i < k ? m_positions[i] : main - trailingMargin();
        tooNarrow = end - start < m_minimum;
    }
    if (!tooNarrow || k < 1)
        return;
    long step = (main - leadingMargin() - trailingMargin()) / (k + 1);
    for (long i = 0; i < k; ++i)
        m_positions[i] = step * (i + 1);
    rebuildText();
    m_layoutPending = 1;
}

// ---------------------------------------------------------------------------
// Managed children and the layout pass

void TQCsform::_get_ext_children(TQClistData& managed)
{
    TQClistData& children = getChildren();
    for (long i = 0; i < children.getNum(); ++i) {
        TQCbase* child = static_cast<TQCbase*>(children.getData(i));
        if (child->cast("TQCgripHand") != nullptr || child->getUserData(kUnmanaged) != nullptr ||
            !child->getOwnVisible())
            continue;
        managed.add(child);
    }
}

unsigned char TQCsform::getManaged(TQCbase* child)
{
    return child != nullptr && child->getUserData(kUnmanaged) == nullptr ? 1 : 0;
}

long TQCsform::setManaged(TQCbase* child, unsigned char managed)
{
    if (child == nullptr || child->getParent() != this)
        return -1;
    if (getManaged(child) == (managed ? 1 : 0))
        return 0;
    child->setUserData(kUnmanaged, managed ? nullptr : reinterpret_cast<void*>(1));
    m_layoutPending = 1;
    _adjust_pos();
    _adjust();
    return 0;
}

void TQCsform::_adjust()
{
    if (!m_layoutPending)
        return;
    m_layoutPending = 0;
    ensureParsed();
    TQClistData managed;
    _get_ext_children(managed);
    long k = static_cast<long>(m_positions.size());
    long panes = k + 1;
    if (!getPropertyEditMode() && managed.getNum() < panes)
        panes = managed.getNum();
    long half = m_barThickness / 2;
    long main = mainSize();
    LifeGuard guard(this);
    for (long i = 0; i < panes && guard.alive(); ++i) {
        if (i >= managed.getNum())
            break;
        long start = i == 0 ? 0 : m_positions[i - 1] + half;
        long end = i < panes - 1 ? m_positions[i] - half
                                 : main - 2 * m_shadowThickness - leadingMargin() -
                                       trailingMargin();
        if (end > main)
            end = main;
        if (end == 0)
            end = inset() + half + 1;
        placeChild(static_cast<TQCbase*>(managed.getData(i)), start, end);
    }
}

// Sizes that shrink are set before the position moves, so the child never
// reaches past its pane on the way.
void TQCsform::placeChild(TQCbase* child, long start, long end)
{
    long st = m_shadowThickness;
    long x, y, w, h;
    if (m_orientation) {
        x = st + m_marginLeft + start;
        y = st + m_marginTop;
        w = end - start;
        h = m_height - 2 * st - m_marginTop - m_marginBottom;
    } else {
        x = st + m_marginLeft;
        y = st + m_marginTop + start;
        w = m_width - 2 * st - m_marginLeft - m_marginRight;
        h = end - start;
    }
    long& mainExtent = m_orientation ? w : h;
    long& crossExtent = m_orientation ? h : w;
    long crossLimit = m_orientation ? m_height : m_width;
    if (mainExtent <= 0)
        mainExtent = 1;
    if (crossExtent <= 0 || crossExtent > crossLimit)
        crossExtent = 1;
    const char* mainPos = m_orientation ? _TQNx() : _TQNy();
    const char* mainSizeName = m_orientation ? _TQNwidth() : _TQNheight();
    const char* crossPos = m_orientation ? _TQNy() : _TQNx();
    const char* crossSize = m_orientation ? _TQNheight() : _TQNwidth();
    unsigned short current = 0;
    child->getPropertyV(mainSizeName, &current);
    LifeGuard guard(child);
    if (current > mainExtent) {
        child->setPropertyV(mainSizeName, static_cast<unsigned short>(mainExtent));
        child->setPropertyV(mainPos, static_cast<short>(m_orientation ? x : y));
    } else {
        child->setPropertyV(mainPos, static_cast<short>(m_orientation ? x : y));
        child->setPropertyV(mainSizeName, static_cast<unsigned short>(mainExtent));
    }
    child->setPropertyV(crossPos, static_cast<short>(m_orientation ? y : x));
    child->setPropertyV(crossSize, static_cast<unsigned short>(crossExtent));
    if (!guard.alive())
        return;
    if (m_refreshing || m_notifyChildren) {
        TQCrect rect = {x, y, static_cast<unsigned long>(w), static_cast<unsigned long>(h)};
        child->execEventProc(TQEV_RESIZE, &rect);
        if (!guard.alive())
            return;
    }
    if (m_orientation) {
        child->update();
    } else if (TQDdev* dev = child->getowndev()) {
        if (TQDwindowDev* window = static_cast<TQDwindowDev*>(dev->cast("TQDwindowDev")))
            window->exposeArea(0, 0, static_cast<unsigned long>(w),
                               static_cast<unsigned long>(h), 1);
    }
}

void TQCsform::runLayout()
{
    m_layoutPending = 1;
    _adjust();
}

// ---------------------------------------------------------------------------
// Property hooks

void TQCsform::setWorkTQNseparator(char*)
{
    _parse_pos(m_barValue);
    runLayout();
}

void TQCsform::setWorkTQNbarValue(char*)
{
    _parse_pos(m_barValue);
    runLayout();
}

void TQCsform::setWorkTQNbarThickness(unsigned short)
{
    if (getInitialized())
        m_layoutPending = 1;
}

void TQCsform::setWorkTQNorientation(unsigned char)
{
    if (getInitialized())
        m_layoutPending = 1;
}

void TQCsform::setWorkTQNmarginTop(unsigned char)
{
    setWorkTQNorientation(0);
}

void TQCsform::setWorkTQNmarginBottom(unsigned char)
{
    setWorkTQNorientation(0);
}

void TQCsform::setWorkTQNmarginLeft(unsigned char)
{
    setWorkTQNorientation(0);
}

void TQCsform::setWorkTQNmarginRight(unsigned char)
{
    setWorkTQNorientation(0);
}

void TQCsform::setWorkTQNminimum(unsigned char)
{
    _adjust();
}

void TQCsform::setWorkTQNwidth(unsigned short width)
{
    TQCform::setWorkTQNwidth(width);
    if (m_orientation)
        mainSizeChanged();
    else
        m_layoutPending = 1;
}

void TQCsform::setWorkTQNheight(unsigned short height)
{
    TQCform::setWorkTQNheight(height);
    if (!m_orientation)
        mainSizeChanged();
    else
        m_layoutPending = 1;
}

// The form is never smaller than its bars and frame; with adjust children
// on, bars beyond the new end are pulled back before the check.
void TQCsform::mainSizeChanged()
{
    TQCstring text(m_barValue != nullptr ? m_barValue : "", -2);
    text.delHeadSpace();
    text.delTailSpace();
    if (text.getChars() == 0) {
        m_positions.assign(1, mainSize());
        m_parsed = 1;
        runLayout();
        return;
    }
    ensureParsed();
    long k = static_cast<long>(m_positions.size());
    long need = m_barThickness * k + 2 + leadingMargin() + trailingMargin() +
                2 * m_shadowThickness;
    if (mainSize() < need)
        (m_orientation ? m_width : m_height) = static_cast<unsigned short>(need);
    if (m_adjustChildren) {
        long limit = mainSize() - 2 * m_shadowThickness - leadingMargin() - trailingMargin() -
                     m_barThickness / 2;
        for (long& position : m_positions)
            if (position > limit)
                position = limit;
    }
    if (k > 0)
        rebuildText();
    _adjust_pos();
    m_layoutPending = 1;
}

// ---------------------------------------------------------------------------
// Drawing, update and the device

long TQCsform::draw()
{
    if (!getVisible())
        return 0;
    ensureParsed();
    if (m_layoutPending)
        _adjust();
    TQCform::draw();
    return 0;
}

void TQCsform::update()
{
    LifeGuard guard(this);
    if (m_layoutPending)
        _adjust();
    if (guard.alive() && isNeedUpdate())
        TQCform::update();
}

void TQCsform::onResize(TQCrect* rect)
{
    unsigned short width = m_width, height = m_height;
    TQCform::onResize(rect);
    if (width != m_width || height != m_height)
        m_layoutPending = 1;
    _adjust();
}

void TQCsform::onVisibleChange(unsigned char on)
{
    LifeGuard guard(this);
    TQCform::onVisibleChange(on);
    if (on && guard.alive())
        runLayout();
}

void TQCsform::onParentVisibleChange(unsigned char on)
{
    LifeGuard guard(this);
    TQCform::onParentVisibleChange(on);
    if (on && guard.alive())
        runLayout();
}

long TQCsform::_device_initialize()
{
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return -1;
    long result = TQCform::_device_initialize();
    dev->setEnableEventBit(kPressEvents);
    return result;
}

void TQCsform::_clear_area()
{
    TQDdev* dev = getowndev();
    if (dev == nullptr || !getVisible())
        return;
    if (dev->beginDraw(0, 0, m_width, m_height, 1, 1) != 0)
        return;
    long st = m_shadowThickness;
    long w = m_width - 2 * st - m_marginLeft - m_marginRight;
    long h = m_height - 2 * st - m_marginTop - m_marginBottom;
    dev->clearArea(st + m_marginLeft, st + m_marginTop, static_cast<unsigned long>(w < 0 ? 0 : w),
                   static_cast<unsigned long>(h < 0 ? 0 : h), 1, 1);
    dev->endDraw();
}

// ---------------------------------------------------------------------------
// Mouse

long TQCsform::activeBars()
{
    TQClistData managed;
    _get_ext_children(managed);
    long active = static_cast<long>(m_positions.size());
    if (managed.getNum() - 1 < active)
        active = managed.getNum() - 1;
    return active < 0 ? 0 : active;
}

// The first bar whose reach holds the pointer; -1 for none.
long TQCsform::barAt(long pointer)
{
    long active = activeBars();
    long half = m_barThickness / 2;
    for (long i = 0; i < active; ++i) {
        long p = m_positions[i] + inset();
        long hi = p + half + kHitReach;
        if (i + 1 < active && m_positions[i + 1] + inset() < hi)
            hi = m_positions[i + 1] + inset() + 1;
        if (p - half - kHitReach < pointer && pointer < hi)
            return i;
    }
    return -1;
}

void TQCsform::onChildAdded(TQCbase* child)
{
    TQCform::onChildAdded(child);
    if (child == nullptr || (child->getObjectType() & OBJECT_NATIVE_WINDOW) != 0 ||
        child->cast("TQCgripHand") != nullptr)
        return;
    child->addInternalProcedure("sform-press", TQEV_MOUSE_PRESS, _child_press, "_child_press");
    child->addInternalProcedure("sform-release", TQEV_MOUSE_RELEASE, _child_release,
                                "_child_release");
}

// The pointer as the form sees it.
namespace {

TQCsform* formUnder(TQCbase* child, TQCpoint* point)
{
    TQCbase* parent = child->getParent();
    TQCsform* form = parent != nullptr ? static_cast<TQCsform*>(parent->cast("TQCsform")) : nullptr;
    short x = 0, y = 0;
    if (form != nullptr)
        form->getMouseAddr(&x, &y);
    *point = {x, y};
    return form;
}

} // namespace

void TQCsform::_child_press(TQCbase* child)
{
    TQCpoint point;
    if (TQCsform* form = formUnder(child, &point))
        form->onMousePress(&point);
}

void TQCsform::_child_release(TQCbase* child)
{
    TQCpoint point;
    if (TQCsform* form = formUnder(child, &point))
        form->onMouseRelease(&point);
}

void TQCsform::onMousePress(TQCpoint* point)
{
    if (m_barValue == nullptr || m_barValue[0] == '\0' || point == nullptr) {
        TQCform::onMousePress(point);
        return;
    }
    ensureParsed();
    long bar = barAt(mainOf(point));
    if (bar >= 0) {
        m_dragging = 1;
        m_dragBar = static_cast<unsigned short>(bar);
    }
    LifeGuard guard(this);
    TQCform::onMousePress(point);
    if (!guard.alive() || !m_dragging || m_refreshing)
        return;
    TQDprivateTimer* timer = sharedTimer();
    if (timer == nullptr)
        return;
    g_timerOwner = this;
    timer->setWorkProc(_move_adjust_work, this);
    timer->startTimer();
}

void TQCsform::showCursor(long pointer)
{
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return;
    unsigned short cursor = m_mouse;
    if (barAt(pointer) >= 0)
        cursor = m_orientation ? kCursorAcrossColumns : kCursorAcrossRows;
    dev->setValue(TQDdev::VALUE_MOUSE_CURSOR, &cursor);
}

// The dragged bar keeps the minimum from its neighbours, or from 0 and the
// inner end.
void TQCsform::dragTo(long pointer)
{
    long v = pointer < 0 ? 0 : pointer;
    long bar = m_dragBar;
    long previous = bar > 0 ? m_positions[bar - 1] : 0;
    long next = bar + 1 < activeBars()
                    ? m_positions[bar + 1]
                    : mainSize() - leadingMargin() - trailingMargin() - 2 * m_shadowThickness;
    if (v < previous + m_minimum)
        v = previous + m_minimum + 2;
    if (next < v + m_minimum)
        v = next - m_minimum - 2;
    m_positions[bar] = v;
    rebuildText();
    if (m_refreshing) {
        runLayout();
        _clear_area();
    }
}

void TQCsform::onMouseMove(TQCpoint* point)
{
    if (m_barValue == nullptr || m_barValue[0] == '\0' || point == nullptr) {
        TQCform::onMouseMove(point);
        return;
    }
    ensureParsed();
    if (!m_dragging)
        showCursor(mainOf(point));
    else if (m_dragBar < m_positions.size())
        dragTo(mainOf(point));
    LifeGuard guard(this);
    TQCform::onMouseMove(point);
    if (guard.alive() && m_dragging)
        onValueChange();
}

// The children take their panes with a RESIZE each, then VALUE_CH runs.
void TQCsform::finishDrag()
{
    if (m_dragging && !m_refreshing)
        endGhost();
    m_dragging = 0;
    m_notifyChildren = 1;
    LifeGuard guard(this);
    runLayout();
    if (!guard.alive())
        return;
    m_notifyChildren = 0;
    onValueChange();
}

void TQCsform::onMouseRelease(TQCpoint* point)
{
    if (m_barValue == nullptr || m_barValue[0] == '\0') {
        TQCform::onMouseRelease(point);
        return;
    }
    if (m_dragging && !m_refreshing)
        endGhost();
    m_dragging = 0;
    LifeGuard guard(this);
    TQCform::onMouseRelease(point);
    if (guard.alive())
        finishDrag();
}

void TQCsform::onValueChange()
{
    execProcedure(TQEV_VALUE_CH);
}
