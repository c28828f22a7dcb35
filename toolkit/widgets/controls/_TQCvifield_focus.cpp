// Input field: the keyboard focus, the focus of its window and the special
// focus; the one cursor-blink timer of all fields; and the input method,
// opened at the cursor on focus, moved with it and closed on leaving.
#include "_TQCvifield.h"

#include "_TQDdev.h"
#include "_TQDkeyboard.h"
#include "_TQDtimer.h"

namespace {

// The input-method status a field opens in, by enableFep mode (2 native,
// 3 katakana, 4 half-width katakana); 0 for the modes that open nothing.
long openingStatus(unsigned char mode)
{
    switch (mode) {
    case 2:
        return 1;
    case 3:
        return 3;
    case 4:
        return 4;
    default:
        return 0;
    }
}

// The closed status the input method passes through before it opens in
// another.
const long kClosedStatus = 2;

} // namespace

void TQCvifield::onFocusChange(unsigned char on)
{
    if (on && !getSensitive())
        return;
    if (on)
        gainFocus(TQGIappKeyboard(), false);
    else
        loseFocus(TQGIappKeyboard(), false);
}

// The window's focus gives the keys and the blinking back; losing it keeps
// them while the keyboard keeps the focus. The special focus stays as it is.
void TQCvifield::onWindowFocusChange(unsigned char on)
{
    TQDkeyboard* keyboard = TQGIappKeyboard();
    if (on)
        gainFocus(keyboard, true);
    else
        loseFocus(keyboard, true);
}

void TQCvifield::gainFocus(TQDkeyboard* keyboard, bool windowSide)
{
    LifeGuard guard(this);
    if (keyboard != nullptr)
        keyboard->setFocusInputWorkProc(_key_handler, nullptr, this, this);
    if (m_returnKeyFocus) {
        if (keyboard != nullptr)
            keyboard->setSpecialInputWorkProc(_special_key_handler, this, this);
        if (!windowSide)
            setSpecialFocus(1);
        if (!guard.alive())
            return;
    }
    TQDdev* dev = getowndev();
    if (keyboard != nullptr)
        keyboard->setEnableFep(dev, m_enableFep != 0 ? 1 : 0);
    if (openingStatus(m_enableFep) != 0)
        m_fepStartPending = 1;
    startBlinking();
    _fep_cursor_adjust(keyboard);
    if (keyboard != nullptr && m_enableFep != 0 && m_fepStartPending && dev != nullptr) {
        m_fepStartPending = 0;
        short x = 0, y = 0;
        screenCursor(&x, &y);
        keyboard->startFep(dev, x, y, m_font, m_foreColor, m_backColor);
        keyboard->setFepStatus(openingStatus(m_enableFep));
    }
    repaint();
}

// The window side keeps keys and blinking while the keyboard keeps the
// focus, and never gives up the special focus itself.
void TQCvifield::loseFocus(TQDkeyboard* keyboard, bool windowSide)
{
    LifeGuard guard(this);
    stopUnfocusedPixmap();
    TQDdev* dev = getowndev();
    if (!windowSide || keyboard == nullptr || !keyboard->getKeepFocus()) {
        if (keyboard != nullptr) {
            keyboard->setEnableFep(dev, 0);
            keyboard->resetFocusInputWorkProc();
        }
        stopBlinking();
    }
    if (m_returnKeyFocus) {
        if (!windowSide)
            setSpecialFocus(0);
        if (!guard.alive())
            return;
        if (keyboard != nullptr)
            keyboard->resetSpecialInputWorkProc();
    }
    if (m_destroying)
        return;
    repaint();
    if (guard.alive() && keyboard != nullptr && dev != nullptr)
        keyboard->resetFep(dev);
}

void TQCvifield::onSpecialFocusChange(unsigned char on)
{
    if (TQDkeyboard* keyboard = TQGIappKeyboard()) {
        if (on)
            keyboard->setSpecialInputWorkProc(_special_key_handler, this, this);
        else
            keyboard->resetSpecialInputWorkProc();
    }
    TQCvlabel::onSpecialFocusChange(on);
}

// Focused, the field draws through the device's pixmap (see draw) so that
// blinking does not flicker; unfocused only when usePixmap asks for it.
void TQCvifield::stopUnfocusedPixmap()
{
    TQDdev* dev = getowndev();
    if (dev == nullptr || m_usePixmap)
        return;
    unsigned char off = 0;
    dev->setValue(TQDdev::VALUE_USE_PIXMAP, &off);
}

void TQCvifield::onVisibleChange(unsigned char on)
{
    LifeGuard guard(this);
    TQCvlabel::onVisibleChange(on);
    if (guard.alive())
        keepFocusVisible();
}

void TQCvifield::onParentVisibleChange(unsigned char on)
{
    LifeGuard guard(this);
    TQCvlabel::onParentVisibleChange(on);
    if (guard.alive())
        keepFocusVisible();
}

// A focused field that goes out of sight gives the focus up; one that
// comes back moves the input method to its cursor.
void TQCvifield::keepFocusVisible()
{
    if (!getFocus())
        return;
    if (!getVisible())
        setFocus(0);
    else
        _fep_cursor_adjust(TQGIappKeyboard());
}

// ---------------------------------------------------------------------------
// Cursor blinking

// One timer for all fields, owned by the focused one: a field that takes
// the focus while another's timer still runs takes the timer over.
void TQCvifield::startBlinking()
{
    TQDtimer* timer = TQGIappTimer();
    if (timer == nullptr)
        return;
    if (s_blinkTimer != 0 && s_blinkOwner != this) {
        timer->delTimerProc(s_blinkTimer);
        s_blinkTimer = 0;
    }
    if (s_blinkTimer != 0)
        return;
    s_blinkTimer = timer->addTimerProc(_cursor_blink_handler, 2, this);
    s_blinkOwner = this;
    m_cursorShown = 1;
}

void TQCvifield::stopBlinking()
{
    m_cursorShown = 0;
    if (s_blinkOwner != this)
        return;
    if (TQDtimer* timer = TQGIappTimer())
        timer->delTimerProc(s_blinkTimer);
    s_blinkTimer = 0;
    s_blinkOwner = nullptr;
}

void TQCvifield::_cursor_blink_handler(unsigned char, void* data)
{
    TQCvifield* field = static_cast<TQCvifield*>(data);
    if (TQDkeyboard* keyboard = TQGIappKeyboard())
        keyboard->setFocusInputWorkProc(_key_handler, nullptr, field, field);
    field->setAbsoluteDraw(1);
    field->onCursorBlink();
}

void TQCvifield::onCursorBlink()
{
    m_cursorShown = m_cursorShown ? 0 : 1;
    repaint();
}

// ---------------------------------------------------------------------------
// Input method

// In the coordinates of the device the field draws on.
void TQCvifield::screenCursor(short* x, short* y)
{
    long cx = 0, cy = 0;
    _get_disp_cur_pos(&cx, &cy);
    if (m_multiLine) {
        cx += m_shadowThickness - m_scrollX;
        cy += m_shadowThickness - m_scrollY;
    }
    *x = static_cast<short>(m_x + cx);
    *y = static_cast<short>(m_y + cy);
}

void TQCvifield::_fep_cursor_adjust(TQDkeyboard* keyboard)
{
    TQDdev* dev = getowndev();
    if (keyboard == nullptr || dev == nullptr)
        return;
    short x = 0, y = 0;
    screenCursor(&x, &y);
    keyboard->setFepPos(dev, x, y, m_font, m_foreColor, m_backColor);
}

long TQCvifield::setFepStatus(unsigned char on)
{
    if (m_enableFep == 0)
        return -1;
    TQDdev* dev = getowndev();
    if (dev == nullptr) {
        if (!on)
            return -1;
        m_fepStartPending = 1;
        return 0;
    }
    TQDkeyboard* keyboard = TQGIappKeyboard();
    if (keyboard == nullptr)
        return -1;
    if (!on) {
        keyboard->resetFep(dev);
        return 0;
    }
    short x = 0, y = 0;
    screenCursor(&x, &y);
    keyboard->startFep(dev, x, y, m_font, m_foreColor, m_backColor);
    long status = openingStatus(m_enableFep);
    if (status != 0) {
        keyboard->setFepStatus(kClosedStatus);
        keyboard->setFepStatus(status);
    }
    return 0;
}

void TQCvifield::setWorkTQNenableFep(unsigned char mode)
{
    TQDkeyboard* keyboard = TQGIappKeyboard();
    TQDdev* dev = getowndev();
    if (!getInitialized() || dev == nullptr || !getFocus() || keyboard == nullptr)
        return;
    keyboard->setFocusInputWorkProc(_key_handler, nullptr, this, this);
    keyboard->setEnableFep(dev, mode != 0 ? 1 : 0);
}
