// Floating form: tearing off, moving, resizing and docking back. Drags are
// polled by two shared 50 ms timers that follow the pointer with a rubber
// band of four bars; the form itself moves once, when the drag ends. A
// switch of state waits for the next tick of the application timer.
#include "_TQCfform.h"

#include <algorithm>

#include "_TQCwindow.h"
#include "_TQDappDev.h"
#include "_TQDdev.h"
#include "_TQDkeyboard.h"
#include "_TQDmouse.h"
#include "_TQDprivateTimer.h"
#include "_TQDtimer.h"
#include "_TQGFseparatorWindow.h"
#include "_TQN.h"

TQDprivateTimer* TQCfform::_move_timer = nullptr;
TQDprivateTimer* TQCfform::_resize_timer = nullptr;

TQCwindow* __resize_frame_top = nullptr;
TQCwindow* __resize_frame_left = nullptr;
TQCwindow* __resize_frame_right = nullptr;
TQCwindow* __resize_frame_bottom = nullptr;

namespace {

const long kTimerRate = 50;
// How far the pointer goes from the press before a docked drag starts, and
// how near the dock position a floating drag docks back.
const long kDragThreshold = 100;
const long kDockReach = 100;
// Where the grip strip and the resize corner end.
const long kGripDepth = 14;
const long kCornerSize = 15;
// The form lands this far up and left of the pointer.
const long kPointerInset = 5;
const long kSmallestResize = 20;
const long kBarThickness = 5;
// The map status that raises a window above the others.
const long kRaise = 3;
const unsigned long kButtons =
    TQDmouse::STATUS_BUTTON1 | TQDmouse::STATUS_BUTTON2 | TQDmouse::STATUS_BUTTON3;

bool buttonHeld(TQDmouse* mouse)
{
    return (mouse->getMouseStatus() & kButtons) != 0;
}

// Where a drag that left the pointer at d from the press point puts the
// form: 5 pixels up and left, but never above or left of the screen.
long landing(short d)
{
    return d - kPointerInset < 0 ? 0 : d - kPointerInset;
}

bool frameExists()
{
    return __resize_frame_top != nullptr;
}

void stopTimer(TQDprivateTimer* timer)
{
    if (timer != nullptr)
        timer->stopTimer();
}

// A drag's tick: the form takes the keys while the drag lasts. The mouse to
// poll, or null when there is no form or no mouse.
TQDmouse* beginTick(TQCfform* form)
{
    TQDmouse* mouse = TQGIappMouse();
    if (form == nullptr || mouse == nullptr)
        return nullptr;
    if (TQDkeyboard* keyboard = TQGIappKeyboard())
        keyboard->setSpecialInputWorkProc(TQCfform::_special_key_handler, form, form);
    return mouse;
}

} // namespace

// ---------------------------------------------------------------------------
// Rubber band

void _create_resize_frame_()
{
    if (frameExists())
        return;
    __resize_frame_top = TQGFnewSeparatorWindow();
    __resize_frame_left = TQGFnewSeparatorWindow();
    __resize_frame_right = TQGFnewSeparatorWindow();
    __resize_frame_bottom = TQGFnewSeparatorWindow();
}

void _move_resize_frame_(long x, long y, unsigned long w, unsigned long h)
{
    if (!frameExists())
        return;
    long width = static_cast<long>(w), height = static_cast<long>(h);
    TQGFplaceSeparatorWindow(__resize_frame_top, x, y, width, kBarThickness);
    TQGFplaceSeparatorWindow(__resize_frame_left, x, y, kBarThickness, height);
    TQGFplaceSeparatorWindow(__resize_frame_right, x + width - kBarThickness, y, kBarThickness,
                             height);
    TQGFplaceSeparatorWindow(__resize_frame_bottom, x, y + height - kBarThickness, width,
                             kBarThickness);
    for (TQCwindow* bar : {__resize_frame_top, __resize_frame_left, __resize_frame_right,
                           __resize_frame_bottom})
        bar->setMapStatus(kRaise);
    for (TQCwindow* bar : {__resize_frame_left, __resize_frame_right, __resize_frame_bottom,
                           __resize_frame_top})
        bar->update();
}

// The keys are let go only when a floating form holds them: another
// widget's drag keeps its own.
void _popdown_resize_frame_()
{
    if (frameExists()) {
        for (TQCwindow* bar : {__resize_frame_top, __resize_frame_bottom, __resize_frame_left,
                               __resize_frame_right})
            bar->setVisible(0);
    }
    TQDkeyboard* keyboard = TQGIappKeyboard();
    TQCbase* holder = keyboard != nullptr ? keyboard->getSpecialFocusInstance() : nullptr;
    if (holder != nullptr && holder->cast(TQCfform::getThisClassName()) != nullptr)
        keyboard->resetSpecialInputWorkProc();
}

// ---------------------------------------------------------------------------
// Pointer

bool TQCfform::inGripStrip(const TQCpoint* p) const
{
    if (m_orientation == 0)
        return p->x >= 1 && p->x < m_width - m_margin && p->y >= 1 && p->y <= kGripDepth;
    return p->x >= 1 && p->x <= kGripDepth && p->y >= 1 && p->y < m_height - m_margin;
}

bool TQCfform::inResizeCorner(const TQCpoint* p) const
{
    return p->x > m_width - kCornerSize && p->x < m_width && p->y > m_height - kCornerSize &&
           p->y < m_height;
}

// Stopped, given its procedure and this form, then started again.
void TQCfform::startTimer(TQDprivateTimer*& timer, void (*proc)(void*))
{
    if (timer == nullptr)
        timer = TQDprivateTimer::getNewInstance();
    if (timer == nullptr)
        return;
    timer->stopTimer();
    timer->setWorkProc(proc, this);
    timer->setRate(kTimerRate);
    timer->setCont(1);
    timer->startTimer();
}

// A docked form starts no timer here: its drag starts once the pointer has
// gone far enough.
void TQCfform::onMousePress(TQCpoint* point)
{
    TQCbase::onMousePress(point);
    if (inGripStrip(point)) {
        m_pressX = static_cast<short>(point->x);
        m_pressY = static_cast<short>(point->y);
        m_pressed = 1;
        m_dragStarted = 0;
    }
    if (!m_floating)
        return;
    if (m_indicatorOn && inResizeCorner(point)) {
        m_resizing = 1;
        startTimer(_resize_timer, _resize_proc);
    }
    if (m_pressed && !m_resizing)
        startTimer(_move_timer, _move_proc);
}

// The position stays as it is when the drag starts: docking back and a
// cancelled drag find the dock position untouched.
void TQCfform::onMouseMove(TQCpoint* point)
{
    TQCbase::onMouseMove(point);
    if (m_floating || !m_pressed || m_dragStarted)
        return;
    long dx = m_pressX - point->x;
    long dy = m_pressY - point->y;
    if (dx <= kDragThreshold && dx >= -kDragThreshold && dy <= kDragThreshold &&
        dy >= -kDragThreshold)
        return;
    startTimer(_move_timer, _move_proc);
    m_dragStarted = 1;
}

// A floating form is placed where the pointer left it; a docked drag and a
// resize are completed by their timers' next tick.
void TQCfform::onMouseRelease(TQCpoint* point)
{
    TQCbase::onMouseRelease(point);
    TQDmouse* mouse = TQGIappMouse();
    if (m_pressed && m_floating && mouse != nullptr) {
        short mx = 0, my = 0;
        mouse->getMousePosition(&mx, &my);
        if (frameExists())
            _popdown_resize_frame_();
        placeAt(landing(static_cast<short>(mx - m_pressX)),
                landing(static_cast<short>(my - m_pressY)));
    }
    m_pressed = 0;
    m_resizing = 0;
    m_dragStarted = 0;
}

void TQCfform::placeAt(long x, long y)
{
    setProperty(_TQNx(), TQCvariant(x));
    setProperty(_TQNy(), TQCvariant(y));
    _update_only_xy();
}

void TQCfform::_move_proc(void* data)
{
    TQCfform* form = static_cast<TQCfform*>(data);
    TQDmouse* mouse = beginTick(form);
    if (mouse == nullptr)
        return;
    short mx = 0, my = 0;
    mouse->getMousePosition(&mx, &my);
    _create_resize_frame_();
    if (!frameExists())
        return;
    long px = landing(static_cast<short>(mx - form->m_pressX));
    long py = landing(static_cast<short>(my - form->m_pressY));
    _move_resize_frame_(px, py, form->m_width, form->m_height);
    if (!buttonHeld(mouse)) {
        stopTimer(_move_timer);
        _popdown_resize_frame_();
        form->m_pressed = 0;
        if (form->m_floating) {
            form->placeAt(px, py);
        } else {
            // The new window is placed from the pointer.
            mouse->setMousePosition(static_cast<short>(px), static_cast<short>(py));
            form->setFloated(1);
        }
        return;
    }
    TQCbase* parent = form->getParent();
    if (!form->m_floating || parent == nullptr)
        return;
    short qx = 0, qy = 0;
    mouse->getMousePosition(&qx, &qy, parent);
    long ox = qx - form->m_dockX, oy = qy - form->m_dockY;
    if (ox <= -kDockReach || ox >= kDockReach || oy <= -kDockReach || oy >= kDockReach)
        return;
    stopTimer(_move_timer);
    form->m_pressed = 0;
    form->setFloated(0);
    if (frameExists())
        _popdown_resize_frame_();
}

// The size follows the pointer, 5 pixels beyond it, at least 25 on each
// axis and at most the screen's.
void TQCfform::_resize_proc(void* data)
{
    TQCfform* form = static_cast<TQCfform*>(data);
    TQDmouse* mouse = beginTick(form);
    if (mouse == nullptr)
        return;
    short px = 0, py = 0;
    mouse->getMousePosition(&px, &py, form);
    long x = px, y = py;
    if (!buttonHeld(mouse)) {
        form->m_pressed = 0;
        form->m_resizing = 0;
    }
    if (form->m_resizing) {
        _create_resize_frame_();
        if (!frameExists())
            return;
        x = std::max(x, kSmallestResize);
        y = std::max(y, kSmallestResize);
        _move_resize_frame_(form->m_x, form->m_y, x + kPointerInset, y + kPointerInset);
        return;
    }
    if (frameExists())
        _popdown_resize_frame_();
    stopTimer(_resize_timer);
    TQDappDev* app = TQGIappDev();
    long screenWidth = app != nullptr ? app->getWidth() : 0;
    long screenHeight = app != nullptr ? app->getHeight() : 0;
    if (screenWidth < x + kPointerInset)
        x = screenWidth - kPointerInset;
    if (screenHeight < y + kPointerInset)
        y = screenHeight - kPointerInset;
    x = std::max(x, kSmallestResize);
    y = std::max(y, kSmallestResize);
    form->setProperty(_TQNwidth(), TQCvariant(x + kPointerInset));
    form->setProperty(_TQNheight(), TQCvariant(y + kPointerInset));
}

// ---------------------------------------------------------------------------
// Keys

void TQCfform::cancelDrag()
{
    if (frameExists())
        _popdown_resize_frame_();
    stopTimer(_move_timer);
    stopTimer(_resize_timer);
    m_pressed = 0;
    m_resizing = 0;
    m_dragStarted = 0;
}

unsigned char TQCfform::_special_key_handler(void* data, TQDkeyboard* keyboard,
                                             unsigned char press)
{
    if (keyboard == nullptr || !TQDkeyboard::isCancelKey(keyboard->getKey()))
        return 1;
    if (press && data != nullptr)
        static_cast<TQCfform*>(data)->cancelDrag();
    return 0;
}

// ---------------------------------------------------------------------------
// Switching between docked and floating

void TQCfform::setFloated(unsigned char floating)
{
    if (m_switchPending)
        return;
    TQDtimer* appTimer = TQGIappTimer();
    if (appTimer == nullptr)
        return;
    m_switchPending = 1;
    m_rememberedVisible = getVisible();
    floating = floating ? 1 : 0;
    if (floating != m_floating) {
        if (getowndev() != nullptr && getVisible())
            setVisible(0);
        m_floating = floating;
    }
    m_switchId = appTimer->addTriggerProc(_delay_proc, 1, this);
    if (!floating && frameExists())
        _popdown_resize_frame_();
}

void TQCfform::_delay_proc(unsigned char, void* data)
{
    TQCfform* form = static_cast<TQCfform*>(data);
    if (form == nullptr)
        return;
    form->m_switchId = 0;
    LifeGuard guard(form);
    form->_set_floated();
    if (guard.alive())
        form->m_switchPending = 0;
}

// A form shown before the switch is hidden first, so that showing it again
// gives the descendants their devices under the new one.
void TQCfform::_set_floated()
{
    LifeGuard guard(this);
    if (getowndev() != nullptr && getOwnVisible() && getVisible()) {
        setVisible(0);
        if (!guard.alive())
            return;
    }
    _detach_dev();
    if (TQDdev* dev = getowndev()) {
        dev->detachClient();
        dev->deleteInstance();
        setdev(nullptr);
    }
    const char* deviceName = "formDev";
    if (!m_floating) {
        setProperty(_TQNx(), TQCvariant(static_cast<long>(m_dockX)));
        setProperty(_TQNy(), TQCvariant(static_cast<long>(m_dockY)));
    } else {
        short mx = 0, my = 0;
        if (TQDmouse* mouse = TQGIappMouse())
            mouse->getMousePosition(&mx, &my);
        if (mx < 0)
            mx = kPointerInset;
        if (my < 0)
            my = kPointerInset;
        setProperty(_TQNx(), TQCvariant(static_cast<long>(mx - kPointerInset)));
        setProperty(_TQNy(), TQCvariant(static_cast<long>(my - kPointerInset)));
        deviceName = "windowDev";
    }
    if (!guard.alive())
        return;
    if (TQDdev* dev = TQGIappDevice()->getDevObject(deviceName, nullptr)) {
        setdev(dev);
        dev->setEnableEventBit(getEventMask());
    }
    if (m_rememberedVisible) {
        setVisible(1);
        if (!guard.alive())
            return;
        setAbsoluteDraw(1);
        needUpdate();
    }
    onStatusChange(m_floating);
}

void TQCfform::_detach_dev()
{
    if (getowndev() == nullptr)
        return;
    forEachStillIn(m_children, [](TQCbase* child) { _detach_dev_sub(child); });
}

void TQCfform::_detach_dev_sub(TQCbase* child)
{
    TQDdev* dev = child->getowndev();
    if (dev == nullptr)
        return;
    TQClistData grandchildren(child->getChildren());
    for (long i = 0; i < grandchildren.getNum(); ++i)
        _detach_dev_sub(static_cast<TQCbase*>(grandchildren.getData(i)));
    dev->deleteInstance();
    child->setdev(nullptr);
}

void TQCfform::onStatusChange(unsigned char)
{
    execEventProc(TRIGGER_STATUS, nullptr);
}

void TQCfform::_update_only_xy()
{
    if (TQDdev* dev = getowndev())
        syncDevicePosition(dev, true);
    if (m_sizeChanged) {
        m_sizeChanged = 0;
        execResizeEvent();
    }
}

// ---------------------------------------------------------------------------
// Destruction

// Whatever of the shared machinery still works for this form lets go of it.
void TQCfform::releaseSharedState()
{
    bool dragging = false;
    for (TQDprivateTimer* timer : {_move_timer, _resize_timer}) {
        if (timer == nullptr || timer->getData() != this)
            continue;
        dragging = dragging || timer->isRunning();
        timer->stopTimer();
        timer->setWorkProc(nullptr, nullptr);
    }
    TQDkeyboard* keyboard = TQGIappKeyboard();
    if (keyboard != nullptr && keyboard->getSpecialFocusInstance() == this) {
        dragging = true;
        keyboard->resetSpecialInputWorkProc();
    }
    if (dragging && frameExists())
        _popdown_resize_frame_();
    if (m_switchPending && m_switchId != 0) {
        if (TQDtimer* appTimer = TQGIappTimer())
            appTimer->delTriggerProc(m_switchId);
    }
    m_switchId = 0;
}
