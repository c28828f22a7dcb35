// Scrolled form: when each bar shows, where the bars and the view go, how
// the bars' ranges follow the work and view sizes, how a bar move snaps to
// the scrolling unit and moves the view, the work-size limits, virtual
// scrolling, no-scroll mode, anchoring to the work area, the view's pointer
// events and the wheel.
#include "_TQCscrForm.h"

#include "_TQCguiPolicy.h"
#include "_TQCscrFrame.h"
#include "_TQCvscrBar.h"
#include "_TQDdev.h"
#include "_TQDmouse.h"

#include <cstdlib>

namespace {

// Target buttons of the mouse service for the wheel.
const u32 kWheelUp = 0x800;
const u32 kWheelDown = 0x1000;
// Work sizes are kept as signed 16-bit values.
const unsigned short kLargestWork = 32767;
// In virtual-scroll mode the frame's work width stays within this much of
// the form's width.
const long kVirtualSlack = 256;

// Sizes handed to the bars and the view never fall below 1.
long atLeastOne(long size)
{
    return size < 1 ? 1 : size;
}

// True, and the record updated, when value (as 16 bits) is not the one
// recorded.
bool changed(unsigned short* record, long value)
{
    unsigned short v = static_cast<unsigned short>(value);
    if (v == *record)
        return false;
    *record = v;
    return true;
}

void setNumber(TQCbase* object, const char* property, long value)
{
    object->setProperty(property, TQCvariant(value));
}

} // namespace

// One axis of the form as the bar procedures, the offset hooks and the
// work-size hooks see it.
struct TQCscrForm::Axis {
    TQCvscrBar* bar;
    unsigned short* value;
    short* offset;
    unsigned short* work;
    unsigned short* recordedSlider;
    unsigned short unit;
    unsigned short size;
    const char* valueName;
    const char* workName;
    void (TQCscrFrame::*moveView)(unsigned short);
    unsigned short (TQCscrFrame::*viewAt)() const;
    unsigned short (TQCscrFrame::*frameWork)() const;
};

TQCscrForm::Axis TQCscrForm::axis(bool horizontal)
{
    if (horizontal)
        return {m_hbar,          &m_hbarValue,   &m_xOffset,
                &m_workWidth,    &m_lastHSlider, m_scrollWidth,
                m_width,         _TQNhbarValue(), _TQNworkWidth(),
                &TQCscrFrame::setHbarValue, &TQCscrFrame::getHbarValue,
                &TQCscrFrame::getWorkWidth};
    return {m_vbar,          &m_vbarValue,   &m_yOffset,
            &m_workHeight,   &m_lastVSlider, m_scrollHeight,
            m_height,        _TQNvbarValue(), _TQNworkHeight(),
            &TQCscrFrame::setVbarValue, &TQCscrFrame::getVbarValue,
            &TQCscrFrame::getWorkHeight};
}

// ---------------------------------------------------------------------------
// Which bars show. An available size below 0 wraps to a large 16-bit
// number, so a form smaller than its shadows and bars shows no bar.

unsigned char TQCscrForm::_get_hbar_visible()
{
    if (!m_hbarVisible)
        return 0;
    long st = m_shadowThickness;
    if (m_workWidth > static_cast<unsigned short>(m_width - 2 * st))
        return 1;
    bool vbarAlone = m_vbarVisible &&
                     m_workHeight > static_cast<unsigned short>(m_height - 2 * st - m_titleBand);
    long beside = m_width - 2 * st - m_barThickness - marginInLook();
    return vbarAlone && m_workWidth > static_cast<unsigned short>(beside);
}

// The height beside a horizontal bar leaves out the title band too, as the
// view's height does.
unsigned char TQCscrForm::_get_vbar_visible()
{
    if (!m_vbarVisible)
        return 0;
    long st = m_shadowThickness;
    if (m_workHeight > static_cast<unsigned short>(m_height - 2 * st - m_titleBand))
        return 1;
    bool hbarAlone = m_hbarVisible && m_workWidth > static_cast<unsigned short>(m_width - 2 * st);
    long beside = m_height - 2 * st - m_barThickness - marginInLook() - m_titleBand;
    return hbarAlone && m_workHeight > static_cast<unsigned short>(beside);
}

// ---------------------------------------------------------------------------
// Bars and view

void TQCscrForm::_adjust()
{
    if (m_hbar == nullptr || m_vbar == nullptr)
        return;
    rangeBars();
    if (m_frame == nullptr)
        return;
    long s = (lookPolicy() & TQCguiPolicy::LOOK_B) ? m_shadowThickness : 0;
    placeHBar(s, marginInLook());
    placeVBar(s, marginInLook());
}

// The slider sizes are the view's size without the margin; each range is
// handed over only when it changed.
void TQCscrForm::rangeBars()
{
    long st = m_shadowThickness;
    unsigned short viewHeight = static_cast<unsigned short>(
        (_get_hbar_visible() ? m_height - m_barThickness : m_height) - 2 * st - m_titleBand);
    if (m_workHeight != m_lastVMaximum || viewHeight != m_lastVSlider) {
        m_lastVMaximum = m_workHeight;
        m_lastVSlider = viewHeight;
        setNumber(m_vbar, _TQNmaximum(), m_workHeight);
        setNumber(m_vbar, _TQNsliderSize(), viewHeight);
    }
    unsigned short viewWidth = static_cast<unsigned short>(
        (_get_vbar_visible() ? m_width - m_barThickness : m_width) - 2 * st);
    if (m_workWidth != m_lastHMaximum || viewWidth != m_lastHSlider) {
        m_lastHMaximum = m_workWidth;
        m_lastHSlider = viewWidth;
        setNumber(m_hbar, _TQNmaximum(), m_workWidth);
        setNumber(m_hbar, _TQNsliderSize(), viewWidth);
    }
}

// s: how far the bars are inset (the shadow under look bit 1).
void TQCscrForm::placeHBar(long s, long margin)
{
    if (!_get_hbar_visible()) {
        if (m_hbar->getOwnVisible())
            m_hbar->setVisible(0);
        return;
    }
    long length = atLeastOne(_get_vbar_visible() ? m_width - m_barThickness - margin : m_width);
    long y = m_height - m_barThickness - s;
    if (changed(&m_lastHBarY, y)) {
        setNumber(m_hbar, _TQNx(), s);
        setNumber(m_hbar, _TQNy(), y);
    }
    if (changed(&m_lastHBarWidth, atLeastOne(length - 2 * s)))
        setNumber(m_hbar, _TQNwidth(), m_lastHBarWidth);
    if (changed(&m_lastHBarHeight, atLeastOne(m_barThickness)))
        setNumber(m_hbar, _TQNheight(), m_lastHBarHeight);
    if (!m_hbar->getOwnVisible())
        m_hbar->setVisible(1);
}

// Under look bit 0 the vertical bar starts below the title band.
void TQCscrForm::placeVBar(long s, long margin)
{
    if (!_get_vbar_visible()) {
        if (m_vbar->getOwnVisible())
            m_vbar->setVisible(0);
        return;
    }
    bool lookB = (lookPolicy() & TQCguiPolicy::LOOK_B) != 0;
    long full = lookB ? m_height : m_height - m_titleBand;
    long length = atLeastOne(_get_hbar_visible() ? full - m_barThickness - margin : full);
    long x = m_width - m_barThickness - s;
    if (changed(&m_lastVBarX, x)) {
        setNumber(m_vbar, _TQNx(), x);
        setNumber(m_vbar, _TQNy(), lookB ? s : m_titleBand);
    }
    if (changed(&m_lastVBarWidth, atLeastOne(m_barThickness)))
        setNumber(m_vbar, _TQNwidth(), m_lastVBarWidth);
    if (changed(&m_lastVBarHeight, atLeastOne(length - 2 * s)))
        setNumber(m_vbar, _TQNheight(), m_lastVBarHeight);
    if (!m_vbar->getOwnVisible())
        m_vbar->setVisible(1);
}

// The view stays inset by the shadow unless no bar shows and frame is off.
void TQCscrForm::_adjust_scr_area()
{
    if (m_frame == nullptr)
        return;
    bool hbar = _get_hbar_visible(), vbar = _get_vbar_visible();
    long inset = (!hbar && !vbar && !m_frameFlag) ? 0 : m_shadowThickness;
    long gap = m_barThickness + marginInLook();
    setNumber(m_frame, _TQNx(), inset);
    setNumber(m_frame, _TQNy(), m_titleBand + inset);
    long width = atLeastOne(m_width - 2 * inset - (vbar ? gap : 0));
    if (width != m_visibleWidth) {
        m_visibleWidth = static_cast<unsigned short>(width);
        setNumber(m_frame, _TQNwidth(), width);
        if (m_virtualScroll)
            setNumber(m_frame, _TQNworkWidth(), width);
        m_frame->setAbsoluteDraw(0);
    }
    long height = atLeastOne(m_height - 2 * inset - (hbar ? gap : 0) - m_titleBand);
    if (height != m_visibleHeight) {
        m_visibleHeight = static_cast<unsigned short>(height);
        setNumber(m_frame, _TQNheight(), height);
        if (m_virtualScroll)
            setNumber(m_frame, _TQNworkHeight(), height);
        m_frame->setAbsoluteDraw(0);
    }
}

void TQCscrForm::update()
{
    LifeGuard guard(this);
    _adjust();
    _adjust_scr_area();
    if (isNeedUpdate()) {
        if (m_pixmapStyle == 0) {
            setAbsoluteDraw(1);
            draw();
        } else {
            TQCform::redraw();
        }
        if (!guard.alive())
            return;
    }
    TQCbase::update();
}

void TQCscrForm::_redraw_scr()
{
    if (m_frame == nullptr)
        return;
    if (m_pixmapStyle == 0)
        m_frame->redraw();
    else if (TQDdev* dev = m_frame->getowndev())
        dev->exposeArea(0, 0, m_workWidth, m_workHeight, 1);
}

// ---------------------------------------------------------------------------
// Scrolling

// The program moves the view; the bar then checks the value against its
// own limit through its VALUE_CH procedure.
void TQCscrForm::scrollTo(bool horizontal, unsigned short value)
{
    if (m_frame == nullptr)
        return;
    Axis a = axis(horizontal);
    *a.offset = static_cast<short>(-value);
    if (m_virtualScroll)
        _redraw_scr();
    else
        (m_frame->*a.moveView)(value);
    LifeGuard guard(a.bar);
    setNumber(a.bar, _TQNvalue(), value);
    if (!guard.alive())
        return;
    a.bar->setAbsoluteDraw(1);
    a.bar->draw();
}

void TQCscrForm::setWorkTQNhbarValue(unsigned short value)
{
    scrollTo(true, value);
}

void TQCscrForm::setWorkTQNvbarValue(unsigned short value)
{
    scrollTo(false, value);
}

TQCscrForm* TQCscrForm::formOf(TQCbase* part)
{
    TQCbase* parent = part != nullptr ? part->getParent() : nullptr;
    return parent != nullptr ? static_cast<TQCscrForm*>(parent->cast("TQCscrForm")) : nullptr;
}

// A move of less than one unit, not to 0 and not to the end, leaves the
// view; any other lands a whole number of units from where the view is, or
// at the end. The limit is never below 0, so a work area smaller than the
// view gives nothing to scroll.
void TQCscrForm::barMoved(TQCbase* part, bool horizontal)
{
    TQCscrForm* form = formOf(part);
    if (form == nullptr || form->m_frame == nullptr)
        return;
    Axis a = form->axis(horizontal);
    long long unit = a.unit != 0 ? a.unit : 1;
    long long current = (form->m_frame->*a.viewAt)();
    long long v = static_cast<long long>(a.bar->getValue());
    long long limit = a.bar->getMaxSlideValue();
    long long distance = std::llabs(current - v);
    if (v != 0 && distance < unit && v < limit)
        return;
    v = v >= limit ? limit : v - distance % unit;
    if (v < 0)
        v = 0;
    a.bar->_set_internal_value(static_cast<long>(v));
    if (v == *a.value)
        return;
    *a.value = static_cast<unsigned short>(v);
    *a.offset = static_cast<short>(-v);
    LifeGuard guard(form);
    if (form->m_noScroll) {
        form->_adjust_no_scroll();
    } else if (form->m_virtualScroll) {
        form->_adjust_children();
        form->_redraw_scr();
    } else {
        (form->m_frame->*a.moveView)(static_cast<unsigned short>(v));
    }
    if (guard.alive())
        form->onValueChange();
}

void TQCscrForm::_h_scr_work_op(TQCbase* bar)
{
    barMoved(bar, true);
}

void TQCscrForm::_v_scr_work_op(TQCbase* bar)
{
    barMoved(bar, false);
}

void TQCscrForm::_ha_scr_work_op(TQCbase* bar)
{
    if (TQCscrForm* form = formOf(bar))
        form->onActivate();
}

void TQCscrForm::_va_scr_work_op(TQCbase* bar)
{
    _ha_scr_work_op(bar);
}

// Wheel up and down move the vertical bar by pageIncrement; the horizontal
// bar never moves by the wheel.
void TQCscrForm::onMousePress(TQCpoint* point)
{
    TQDmouse* mouse = TQGIappMouse();
    u32 button = mouse != nullptr ? mouse->getTargetBtn() : 0;
    if (button == kWheelUp || button == kWheelDown) {
        if (getVisible() && getSensitive() && m_vbar != nullptr)
            wheel(button == kWheelDown);
        return;
    }
    takeMouseFocus();
    TQCbase::onMousePress(point);
}

void TQCscrForm::wheel(bool down)
{
    long target = down ? m_vbarValue + m_pageIncrement : m_vbarValue - m_pageIncrement;
    if (down && target > m_vbar->getMaxSlideValue())
        target = m_vbar->getMaxSlideValue();
    if (target < 0)
        target = 0;
    setNumber(m_vbar, _TQNvalue(), target);
}

// ---------------------------------------------------------------------------
// Work size

void TQCscrForm::setWorkTQNworkWidth(unsigned short width)
{
    workSizeChanged(true, width);
}

void TQCscrForm::setWorkTQNworkHeight(unsigned short height)
{
    workSizeChanged(false, height);
}

// Shrinking below the value plus the slider pulls the value back to one
// less than the bar's own limit. In virtual-scroll mode the frame's work
// size stays within 256 pixels above the form's size, on both axes.
void TQCscrForm::workSizeChanged(bool horizontal, unsigned short size)
{
    Axis a = axis(horizontal);
    if (size > kLargestWork) {
        size = kLargestWork;
        *a.work = size;
    }
    if (m_frame == nullptr)
        return;
    m_reanchor = 1;
    LifeGuard guard(this);
    long slider = static_cast<long>(a.bar->getSliderSize());
    if (size < static_cast<long>(a.bar->getValue()) + slider) {
        long pulledBack = size - slider - 1;
        setNumber(this, a.valueName, pulledBack < 1 ? 0 : pulledBack);
        if (!guard.alive())
            return;
    }
    if (!m_virtualScroll) {
        setNumber(m_frame, a.workName, size);
        if (!horizontal)
            m_frame->setAbsoluteDraw(0);
    } else {
        long frameWork = (m_frame->*a.frameWork)();
        if (frameWork > a.size + kVirtualSlack)
            setNumber(m_frame, a.workName, a.size);
        else if (frameWork < a.size)
            setNumber(m_frame, a.workName, a.size + kVirtualSlack);
    }
    if (size < *a.recordedSlider)
        setNumber(a.bar, _TQNsliderSize(), *a.recordedSlider);
    setNumber(a.bar, _TQNmaximum(), size);
    _adjust();
}

// ---------------------------------------------------------------------------
// Virtual scrolling and no-scroll mode

// The children that draw through windows of their own (not the bars and the
// frame) move by the form's offsets. With onlyNew, only those without
// pointers get them, and are redrawn whole.
void TQCscrForm::giveOffsetPointers(bool on, bool onlyNew)
{
    TQClistData children(getChildren());
    for (long i = 0; i < children.getNum(); ++i) {
        TQCbase* child = static_cast<TQCbase*>(children.getData(i));
        if (child->getUseParentBaseDev() || (onlyNew && child->getXOffsetPtr() != nullptr))
            continue;
        child->setXOffsetPtr(on ? &m_xOffset : nullptr);
        child->setYOffsetPtr(on ? &m_yOffset : nullptr);
        if (onlyNew) {
            child->setAbsoluteDraw(1);
            child->needUpdate();
        }
    }
}

void TQCscrForm::setWorkTQNvirtualScroll(TQCbool on)
{
    if (m_frame == nullptr)
        return;
    setWorkTQNworkWidth(m_workWidth);
    setWorkTQNworkHeight(m_workHeight);
    setNumber(m_frame, _TQNvbarValue(), on ? 0 : m_vbarValue);
    setNumber(m_frame, _TQNhbarValue(), on ? 0 : m_hbarValue);
    giveOffsetPointers(on, false);
}

void TQCscrForm::onChildAdded(TQCbase* child)
{
    if (m_virtualScroll && child != nullptr && !child->getUseParentBaseDev()) {
        child->setXOffsetPtr(&m_xOffset);
        child->setYOffsetPtr(&m_yOffset);
        child->setAbsoluteDraw(1);
        child->needUpdate();
        child->update();
    }
    TQCform::onChildAdded(child);
}

void TQCscrForm::_adjust_children()
{
    TQClistData children(getChildren());
    for (long i = 0; i < children.getNum(); ++i) {
        TQCbase* child = static_cast<TQCbase*>(children.getData(i));
        if (child == m_frame || !(child->getObjectType() & OBJECT_CONTAINER))
            continue;
        child->setAbsoluteDraw(1);
        child->needUpdate();
    }
}

void TQCscrForm::_set_no_scroll(unsigned char on)
{
    m_noScroll = on ? 1 : 0;
    if (m_frame != nullptr)
        m_frame->_set_no_scroll(on);
}

void TQCscrForm::_exec_child_adjust_for_anchors()
{
    if (!adjustAnchor() || !(getGeometryChanged() || m_reanchor))
        return;
    m_reanchor = 0;
    anchorChildren(m_workWidth, m_workHeight);
}

// ---------------------------------------------------------------------------
// Pointer in the view: the frame's events as the form's, with the pointer
// relative to the frame.

namespace {

void passViewPointer(TQCbase* frame, TQCscrForm* form, void (TQCscrForm::*handler)(TQCpoint*))
{
    if (form == nullptr)
        return;
    short x = 0, y = 0;
    frame->getMouseAddr(&x, &y);
    TQCpoint point = {x, y};
    (form->*handler)(&point);
}

} // namespace

void TQCscrForm::_scr_mouse_press(TQCbase* frame)
{
    passViewPointer(frame, formOf(frame), &TQCscrForm::onScrMousePress);
}

void TQCscrForm::_scr_mouse_release(TQCbase* frame)
{
    passViewPointer(frame, formOf(frame), &TQCscrForm::onScrMouseRelease);
}

void TQCscrForm::_scr_mouse_move(TQCbase* frame)
{
    passViewPointer(frame, formOf(frame), &TQCscrForm::onScrMouseMove);
}

void TQCscrForm::_scr_mouse_dclick(TQCbase* frame)
{
    passViewPointer(frame, formOf(frame), &TQCscrForm::onScrMouseDoubleClick);
}
