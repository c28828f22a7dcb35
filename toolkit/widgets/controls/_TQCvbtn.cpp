// Push button: construction, properties, the press state machine (mouse,
// Return, Alt shortcut), the keyboard focus and the special focus, focus
// moves. Drawing has a file of its own.
#include "_TQCvbtn.h"

#include <cctype>
#include <cstring>

#include "_TQCbaseList.h"
#include "_TQCprocedure.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDappDev.h"
#include "_TQDdev.h"
#include "_TQDkeyboard.h"
#include "_TQGFstring.h"
#include "_TQGFtrigger.h"

TQ_TYPE_SERVER_FRAME(TQCvbtn, TQCvlabel);

namespace {

// MOUSE_OUT, MOUSE_PRESS, MOUSE_RELEASE and MOUSE_MOVE: what a press needs.
const long kPressEvents = 0xf000;

} // namespace

TQCvbtn::TQCvbtn(TQCbase* parent, const char* name)
    : TQCvlabel(parent, name), m_enableFocusMove(1), m_pressed(0), m_drawFocusBorder(1),
      m_mouseIn(0), m_noBackground(0), m_pixmapOverlap(1), m_altRegistered(0), m_closing(0)
{
    _register_focus_move();
    m_emboss = 1;
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, pushPixmap, -1);
        TQ_WATCH_FLAG(r, enableFocusMove, 1, bool4);
        TQ_REGISTER_ARROW_NAMES(r);
        TQ_REGISTER_TAB_NAMES(r);
        r.changeDefault<TQCflagOf<m_embossSlot>>(_TQNemboss(), 1);
        TQ_WATCH_FLAG(r, pixmapOverlap, 1, bool3);
        TQ_WATCH(r, shortcut, nullptr);
        // The button draws a frame of its own.
        r.withdraw(_TQNshadowType());
        r.triggers({TQEV_ACTIVATE, TQEV_KEY_PRESS, TQEV_KEY_RELEASE, TQEV_FOCUS_CH});
    });
}

TQCvbtn::~TQCvbtn()
{
    m_closing = 1;
    if (m_altRegistered) {
        m_altRegistered = 0;
        if (TQDappDev* app = TQGIappDev())
            app->delAltFocusInstance(this);
    }
    if (TQDkeyboard* keyboard = TQGIappKeyboard()) {
        if (keyboard->getFocusInstance() == this)
            keyboard->resetFocusInputWorkProc();
        if (keyboard->getSpecialFocusInstance() == this)
            keyboard->resetSpecialInputWorkProc();
    }
    // Either focus kept by a deleted button would later be taken away from
    // it, calling into freed memory.
    setSpecialFocus(0);
    setFocus(0);
    for (char* text : {m_shortcut, m_upward, m_downward, m_leftward, m_rightward, m_tab,
                       m_backtab})
        delete[] text;
}

// The press events come with the device.
long TQCvbtn::_device_initialize()
{
    return initializeDeviceWith(kPressEvents);
}

// An ACTIVATE procedure needs the press events.
long TQCvbtn::addProcedure(TQCprocedure* procedure)
{
    if (!acceptsProcedure(procedure))
        return -1;
    if (procedure->getTrigger() == TQEV_ACTIVATE)
        attachWithEvents(procedure, kPressEvents, kPressEvents);
    else
        TQCvlabel::addProcedure(procedure);
    return 0;
}

long TQCvbtn::execEventProc(long event, void* data)
{
    switch (event) {
    case TQEV_KEY_PRESS:
    case TQEV_KEY_RELEASE: {
        LifeGuard guard(this);
        onKey(TQGIappKeyboard(), event == TQEV_KEY_PRESS ? 1 : 0);
        if (!guard.alive())
            return 0;
        break;
    }
    case TQEV_ACTIVATE:
        onActivate();
        return 0;
    case TQEV_MOUSE_RELEASE:
        if (!getSensitive()) {
            setMouseGrabed(0);
            return 0;
        }
        break;
    default:
        break;
    }
    return TQCvlabel::execEventProc(event, data);
}

void TQCvbtn::onActivate()
{
    execProcedure(TQEV_ACTIVATE);
}

// ---------------------------------------------------------------------------
// Press state

void TQCvbtn::showPressed(bool on)
{
    if (m_pressed == (on ? 1 : 0))
        return;
    m_pressed = on ? 1 : 0;
    setAbsoluteDraw(1);
    redraw();
}

void TQCvbtn::completePress()
{
    if (!m_pressed)
        return;
    LifeGuard guard(this);
    showPressed(false);
    if (guard.alive() && getSensitive())
        onActivate();
}

void TQCvbtn::onMousePress(TQCpoint* point)
{
    if (getSensitive()) {
        LifeGuard guard(this);
        setFocus(1);
        if (guard.alive())
            setSpecialFocus(1);
        if (!guard.alive())
            return;
        showPressed(true);
    }
    TQCvlabel::onMousePress(point);
}

// Where the pointer is let go does not matter: leaving the button already
// took the press back.
void TQCvbtn::onMouseRelease(TQCpoint* point)
{
    if (!getSensitive())
        return;
    TQCvlabel::onMouseRelease(point);
    completePress();
}

void TQCvbtn::onMouseIn(TQCpoint* point)
{
    m_mouseIn = 1;
    TQCvlabel::onMouseIn(point);
}

void TQCvbtn::onMouseOut()
{
    m_mouseIn = 0;
    showPressed(false);
    TQCvlabel::onMouseOut();
}

void TQCvbtn::onVisibleChange(unsigned char on)
{
    if (!on)
        m_pressed = 0;
    TQCvlabel::onVisibleChange(on);
}

void TQCvbtn::onParentVisibleChange(unsigned char on)
{
    if (!on)
        m_pressed = 0;
    TQCvlabel::onParentVisibleChange(on);
}

// ---------------------------------------------------------------------------
// Keyboard

// The FOCUS_CH procedures are run by the focus change itself.
void TQCvbtn::onFocusChange(unsigned char on)
{
    if (on && !getSensitive())
        return;
    TQDkeyboard* keyboard = TQGIappKeyboard();
    LifeGuard guard(this);
    if (on) {
        takeFocusKeys(keyboard, _key_handler);
        setSpecialFocus(1);
    } else {
        if (keyboard != nullptr)
            keyboard->resetFocusInputWorkProc();
        leaveSpecialFocus();
    }
    if (!guard.alive() || m_closing)
        return;
    setAbsoluteDraw(1);
    draw();
}

// The special focus came with the keyboard focus (or the press) and goes
// with it, so that Return typed into the field the user moved to does not
// press the button again. Inside a shown dialog it goes back to the
// dialog, which hands it to its default button.
void TQCvbtn::leaveSpecialFocus()
{
    if (!getSpecialFocus() || m_closing)
        return;
    LifeGuard guard(this);
    setSpecialFocus(0);
    if (!guard.alive())
        return;
    for (TQCbase* up = getParent(); up != nullptr; up = up->getParent()) {
        if (up->cast("TQCbaseDialog") != nullptr) {
            if (up->getVisible())
                up->setSpecialFocus(1);
            return;
        }
    }
}

void TQCvbtn::onSpecialFocusChange(unsigned char on)
{
    if (on && !getSensitive())
        return;
    if (TQDkeyboard* keyboard = TQGIappKeyboard()) {
        if (on) {
            keyboard->setSpecialInputWorkProc(_special_key_handler, this, this);
            if (getowndev() != nullptr)
                keyboard->resetFep(getowndev());
        } else {
            keyboard->resetSpecialInputWorkProc();
        }
    }
    if (!m_closing) {
        setAbsoluteDraw(1);
        draw();
    }
    TQCvlabel::onSpecialFocusChange(on);
}

void TQCvbtn::_key_handler(void* data, TQDkeyboard* keyboard, unsigned char press)
{
    TQCvbtn* button = static_cast<TQCvbtn*>(data);
    if (!button->getVisible() || !button->getSensitive())
        return;
    LifeGuard guard(button);
    if (keyboard->getKey() == TQDkeyboard::KEY_RETURN) {
        if (press)
            button->showPressed(true);
        else
            button->completePress();
    } else if (press) {
        long direction = focusDirectionOf(keyboard);
        if (direction >= 0)
            button->moveFocus(direction);
    }
    if (guard.alive())
        button->execEventProc(press ? TQEV_KEY_PRESS : TQEV_KEY_RELEASE, keyboard);
}

// Only Return, which it takes (0); any other key goes on (1).
unsigned char TQCvbtn::_special_key_handler(void* data, TQDkeyboard* keyboard,
                                            unsigned char press)
{
    TQCvbtn* button = static_cast<TQCvbtn*>(data);
    if (!button->getVisible() || !button->getSensitive() ||
        keyboard->getKey() != TQDkeyboard::KEY_RETURN)
        return 1;
    LifeGuard guard(button);
    if (press)
        button->showPressed(true);
    else
        button->completePress();
    if (guard.alive())
        button->execEventProc(press ? TQEV_KEY_PRESS : TQEV_KEY_RELEASE, keyboard);
    return 0;
}

void TQCvbtn::moveFocus(long direction)
{
    if (getProperty(_TQNenableFocusMove()).getLong() != 1)
        return;
    if (TQCbase* target = giveFocusToward(direction))
        target->redraw();
}

// A shortcut that is empty is none, and so is a key without text: otherwise
// Alt alone would match every such button.
void TQCvbtn::onKey(TQDkeyboard* keyboard, unsigned char press)
{
    if (keyboard == nullptr || !hasShortcut() || !getVisible() || !getSensitive())
        return;
    LifeGuard guard(this);
    if (!press && m_pressed)
        showPressed(false);
    if (!guard.alive() || !keyboard->withAlt() || press != 1)
        return;
    const char* key = keyboard->getText(-2);
    if (key == nullptr || key[0] == '\0' ||
        std::toupper(static_cast<unsigned char>(key[0])) !=
            std::toupper(static_cast<unsigned char>(m_shortcut[0])))
        return;
    if (m_pressed) {
        showPressed(false);
    } else {
        showPressed(true);
        if (guard.alive())
            setFocus(1);
    }
    if (guard.alive())
        onActivate();
    char consumed[] = "";
    keyboard->setText(consumed, -2);
}

void TQCvbtn::setWorkTQNshortcut(char*)
{
    if (m_altRegistered)
        return;
    TQDappDev* app = TQGIappDev();
    if (app == nullptr)
        return;
    m_altRegistered = 1;
    app->addAltFocusInstance(this);
}
