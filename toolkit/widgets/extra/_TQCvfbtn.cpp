// Flat button: the frame that follows the pointer and Return, and the
// Return key that presses and activates.
#include "_TQCvfbtn.h"

#include "_TQCtypeServerFrame.h"
#include "_TQDkeyboard.h"

TQ_TYPE_SERVER_FRAME(TQCvfbtn, TQCvbtn);

TQCvfbtn::TQCvfbtn(TQCbase* parent, const char* name) : TQCvbtn(parent, name)
{
    TQCregisterClass(this, VERSION, [](Registrar&) {});
}

void TQCvfbtn::onMouseIn(TQCpoint* point)
{
    TQCvbtn::onMouseIn(point);
    redraw();
}

void TQCvfbtn::onMouseOut()
{
    TQCvbtn::onMouseOut();
    redraw();
}

// The thickness is taken away only for this drawing, not through the
// property.
long TQCvfbtn::draw()
{
    if (m_shadowThickness == 0 || m_mouseIn)
        return TQCvbtn::draw();
    const unsigned char thickness = m_shadowThickness;
    m_shadowThickness = 0;
    long drawn = TQCvbtn::draw();
    m_shadowThickness = thickness;
    return drawn;
}

// The FOCUS_CH procedures are run by the focus change itself.
void TQCvfbtn::onFocusChange(unsigned char on)
{
    if (on && !getSensitive())
        return;
    TQDkeyboard* keyboard = TQGIappKeyboard();
    if (on)
        takeFocusKeys(keyboard, _key_handler);
    else if (keyboard != nullptr)
        keyboard->resetFocusInputWorkProc();
    setAbsoluteDraw(1);
    draw();
}

// Return runs neither the KEY_PRESS nor the KEY_RELEASE procedures.
void TQCvfbtn::_key_handler(void* data, TQDkeyboard* keyboard, unsigned char press)
{
    TQCvfbtn* button = static_cast<TQCvfbtn*>(data);
    if (!button->getVisible() || !button->getSensitive())
        return;
    if (keyboard->getKey() != TQDkeyboard::KEY_RETURN || press > 1) {
        TQCvbtn::_key_handler(data, keyboard, press);
        return;
    }
    if (press == (button->m_pressed ? 1 : 0))
        return;
    button->m_pressed = press;
    button->m_mouseIn = press;
    button->setAbsoluteDraw(1);
    LifeGuard guard(button);
    button->redraw();
    if (!press && guard.alive() && button->getSensitive())
        button->onActivate();
}
