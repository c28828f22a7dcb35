// Toggle: construction, properties, the toggle list and the group rules,
// the mouse, the keys with their focus moves, the Alt shortcut and the
// focus. Drawing has a file of its own.
#include "_TQCvtoggle.h"

#include <cstring>

#include "_TQCbaseList.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDappDev.h"
#include "_TQDdev.h"
#include "_TQDkeyboard.h"
#include "_TQGFtrigger.h"

TQ_TYPE_SERVER_FRAME(TQCvtoggle, TQCvlabel);

namespace {

// MOUSE_OUT, MOUSE_PRESS, MOUSE_RELEASE and MOUSE_MOVE.
const long kPressEvents = 0xf000;
// The same with MOUSE_IN.
const long kPointerEvents = 0xf800;

bool listed(TQClistData* list, void* entry)
{
    for (long i = 0; i < list->getNum(); ++i) {
        if (list->getData(i) == entry)
            return true;
    }
    return false;
}

} // namespace

TQCvtoggle::TQCvtoggle(TQCbase* parent, const char* name)
    : TQCvlabel(parent, name), m_indicatorSize(20), m_indicatorType(INDICATOR_IN_OUT),
      m_indicatorShadow(2), m_indicatorOn(1), m_enableFocusMove(1), m_unique(0),
      m_selectReset(0), m_status(0), m_statusProperty(0), m_returnKeyFocus(0),
      m_shortcutRegistered(0)
{
    _get_toggle_list()->add(this);
    _register_focus_move();
    TQCregisterClass(this, VERSION, registerProperties);
}

void TQCvtoggle::registerProperties(Registrar& r)
{
    TQ_WATCH(r, selectString, nullptr);
    TQ_WATCH_INDICATOR(r, 20, -13);
    TQ_WATCH_FLAG(r, unique, 0, bool3);
    TQ_WATCH(r, group, nullptr);
    TQ_WATCH_FLAG(r, selectReset, 0, bool1);
    TQ_WATCH(r, id, 0);
    TQ_WATCH_FLAG(r, enableFocusMove, 1, bool1);
    TQ_REGISTER_ARROW_NAMES(r);
    TQ_REGISTER_TAB_NAMES(r);
    TQ_WATCH_SLOT(r, status, TQCflagOf<m_statusPropertySlot>, 0, bool3);
    TQ_WATCH_FLAG(r, returnKeyFocus, 0, bool1);
    TQ_WATCH(r, shortcut, nullptr);
    // The toggle draws its frame by its own rule.
    r.withdraw(_TQNshadowType());
    r.triggers({TQEV_VALUE_CH, TQEV_KEY_PRESS, TQEV_KEY_RELEASE, TQEV_FOCUS_CH});
}

TQCvtoggle::~TQCvtoggle()
{
    if (m_shortcutRegistered) {
        m_shortcutRegistered = 0;
        if (TQDappDev* app = TQGIappDev())
            app->delAltFocusInstance(this);
    }
    if (getFocus()) {
        if (TQDkeyboard* keyboard = TQGIappKeyboard())
            keyboard->resetFocusInputWorkProc();
        setFocus(0);
    }
    if (m_returnKeyFocus && getSpecialFocus())
        setSpecialFocus(0);
    _get_toggle_list()->del(this);
    for (char* text : {m_shortcut, m_selectString, m_group, m_upward, m_downward, m_leftward,
                       m_rightward, m_tab, m_backtab})
        delete[] text;
}

TQClistData* TQCvtoggle::_get_toggle_list()
{
    static TQClistData* toggles = new TQClistData;
    return toggles;
}

// The pointer events come with the device.
long TQCvtoggle::_device_initialize()
{
    return initializeDeviceWith(kPointerEvents);
}

long TQCvtoggle::addProcedure(TQCprocedure* procedure)
{
    return addProcedureWithEvents(procedure, TQEV_VALUE_CH, kPressEvents);
}

long TQCvtoggle::execEventProc(long event, void* data)
{
    LifeGuard guard(this);
    switch (event) {
    case TQEV_KEY_PRESS:
    case TQEV_KEY_RELEASE:
        onKey(TQGIappKeyboard(), event == TQEV_KEY_PRESS ? 1 : 0);
        break;
    case TQEV_VALUE_CH:
        onValueChange(m_status);
        break;
    case TQEV_MOUSE_RELEASE:
        if (!getSensitive()) {
            setMouseGrabed(0);
            return 0;
        }
        break;
    default:
        break;
    }
    if (!guard.alive())
        return 0;
    return TQCvlabel::execEventProc(event, data);
}

// ---------------------------------------------------------------------------
// Status and groups

void TQCvtoggle::onValueChange(unsigned char) {}

// The stored copy of "status" follows the live status, so that a later
// write of either value is never taken for no change.
void TQCvtoggle::storeStatus(unsigned char on)
{
    m_status = on ? 1 : 0;
    m_statusProperty = m_status;
    setAbsoluteDraw(1);
    needUpdate();
}

void TQCvtoggle::notifyStatus()
{
    LifeGuard guard(this);
    onValueChange(m_status);
    if (guard.alive())
        execProcedure(TQEV_VALUE_CH);
}

void TQCvtoggle::_set_status(unsigned char status, unsigned char notify)
{
    storeStatus(status);
    if (notify == 1)
        notifyStatus();
}

bool TQCvtoggle::inGroupOf(const TQCvtoggle* other) const
{
    return hasGroup() && other->hasGroup() && std::strcmp(m_group, other->m_group) == 0;
}

// Members may go while they are told; the walk keeps to those still there.
template <class Step>
void TQCvtoggle::forAllMembers(Step step)
{
    TQClistData* live = _get_toggle_list();
    TQClistData members(*live);
    for (long i = 0; i < members.getNum(); ++i) {
        TQCvtoggle* member = static_cast<TQCvtoggle*>(members.getData(i));
        if (listed(live, member) && (member == this || inGroupOf(member)))
            step(member);
    }
}

template <class Step>
void TQCvtoggle::forOtherMembers(Step step)
{
    forAllMembers([this, &step](TQCvtoggle* member) {
        if (member != this)
            step(member);
    });
}

void TQCvtoggle::switchOffForGroup(TQCvtoggle* member, unsigned char notify)
{
    LifeGuard guard(member);
    unsigned char saved = member->m_selectReset;
    member->m_selectReset = 1;
    member->setStatus(0, notify);
    if (!guard.alive())
        return;
    member->m_selectReset = saved;
    if (notify)
        member->draw();
}

// On in a unique group: all the others go off before anyone is told, then
// each is told in list order, this one last.
long TQCvtoggle::setStatus(unsigned char status, unsigned char notify)
{
    LifeGuard guard(this);
    if (status) {
        storeStatus(1);
        if (m_unique && hasGroup()) {
            forOtherMembers([this](TQCvtoggle* m) { switchOffForGroup(m, 0); });
            forOtherMembers([this](TQCvtoggle* m) { switchOffForGroup(m, 1); });
        }
        if (guard.alive() && notify == 1)
            notifyStatus();
        return 0;
    }
    if (hasGroup() && m_unique && !m_selectReset) {
        forOtherMembers([this](TQCvtoggle* m) { switchOffForGroup(m, 1); });
        return 0;
    }
    _set_status(0, notify);
    return 0;
}

long TQCvtoggle::getGroupValue()
{
    if (!hasGroup())
        return 0;
    unsigned long value = 0;
    bool found = false;
    forAllMembers([this, &value, &found](TQCvtoggle* m) {
        if (!m->m_status || found)
            return;
        if (m_unique) {
            value = static_cast<unsigned long>(static_cast<long>(m->m_id));
            found = true;
        } else if (m->m_id >= 1 && m->m_id <= 32) {
            value |= 1UL << (m->m_id - 1);
        }
    });
    return static_cast<long>(value);
}

long TQCvtoggle::setGroupValue(long value)
{
    if (!hasGroup())
        return 0;
    unsigned long bits = static_cast<unsigned long>(value);
    bool unique = m_unique;
    forAllMembers([unique, value, bits](TQCvtoggle* m) {
        LifeGuard guard(m);
        if (unique) {
            m->_set_status(m->m_id == value ? 1 : 0, 1);
            if (guard.alive())
                m->draw();
            return;
        }
        unsigned char on = m->m_id >= 1 && m->m_id <= 32 ? (bits >> (m->m_id - 1)) & 1 : 0;
        unsigned char saved = m->m_selectReset;
        m->m_selectReset = 1;
        m->setStatus(on, 1);
        if (guard.alive())
            m->m_selectReset = saved;
    });
    return 0;
}

// The stored copy is the live status again after the switch: a unique
// member may refuse to go off.
void TQCvtoggle::setWorkTQNstatus(unsigned char on)
{
    if (!getInitialized() || on == m_status)
        return;
    LifeGuard guard(this);
    setStatus(on, 1);
    if (guard.alive())
        m_statusProperty = m_status;
}

void TQCvtoggle::getWorkTQNstatus(unsigned char* on)
{
    m_statusProperty = m_status;
    *on = m_status;
}

// ---------------------------------------------------------------------------
// Mouse

void TQCvtoggle::onMousePress(TQCpoint* point)
{
    if (getSensitive()) {
        LifeGuard guard(this);
        setFocus(1);
        if (guard.alive())
            setStatus(m_status ? 0 : 1, 1);
        if (!guard.alive())
            return;
        redraw();
    }
    TQCvlabel::onMousePress(point);
}

void TQCvtoggle::onMouseRelease(TQCpoint* point)
{
    if (getSensitive())
        TQCvlabel::onMouseRelease(point);
}

// ---------------------------------------------------------------------------
// Keyboard and focus

void TQCvtoggle::_key_handler(void* data, TQDkeyboard* keyboard, unsigned char press)
{
    TQCvtoggle* toggle = static_cast<TQCvtoggle*>(data);
    if (!toggle->getVisible() || !toggle->getSensitive())
        return;
    LifeGuard guard(toggle);
    if (!press) {
        toggle->onKey(keyboard, 0);
        if (guard.alive())
            toggle->execProcedure(TQEV_KEY_RELEASE);
        return;
    }
    long key = keyboard->getKey();
    if (key == TQDkeyboard::KEY_RETURN || key == TQDkeyboard::KEY_SPACE) {
        toggle->setStatus(toggle->m_status ? 0 : 1, 1);
        if (guard.alive())
            toggle->draw();
    } else if (long direction = focusDirectionOf(keyboard); direction >= 0) {
        // After an arrow the status follows the focus; after Tab it stays.
        toggle->moveFocus(direction, key != TQDkeyboard::KEY_TAB);
    }
    if (guard.alive())
        toggle->onKey(keyboard, 1);
    if (guard.alive())
        toggle->execProcedure(TQEV_KEY_PRESS);
}

void TQCvtoggle::moveFocus(long direction, bool statusFollows)
{
    if (getProperty(_TQNenableFocusMove()).getLong() != 1)
        return;
    TQCbase* target = getFocusMoveInstance(direction);
    if (target == nullptr) {
        _extra_focus_move(direction);
        return;
    }
    LifeGuard targetAlive(target);
    LifeGuard guard(this);
    target->setFocus(1);
    if (statusFollows && guard.alive() && targetAlive.alive())
        _status_move(target);
    if (targetAlive.alive())
        target->draw();
}

// In a unique group the selection follows the focus; a target outside
// unique mode only takes the special focus.
void TQCvtoggle::_status_move(TQCbase* target)
{
    TQCvtoggle* toggle = static_cast<TQCvtoggle*>(target->cast("TQCvtoggle"));
    if (toggle == nullptr || !inGroupOf(toggle))
        return;
    if (m_unique && toggle->m_unique)
        toggle->setStatus(1, 1);
    else if (!toggle->m_unique)
        toggle->setSpecialFocus(1);
}

void TQCvtoggle::_extra_focus_move(long direction)
{
    TQCbase* group = getParent();
    if (group != nullptr && group->cast("TQCradioGroup") != nullptr &&
        group->getProperty(_TQNenableFocusMove()).getLong() != 0)
        moveFocusFrom(group, direction);
}

void TQCvtoggle::onKey(TQDkeyboard* keyboard, unsigned char press)
{
    if (keyboard == nullptr || !getVisible() || !getSensitive() || !keyboard->withAlt() ||
        press != 1 || !keyboard->matchesShortcut(m_shortcut))
        return;
    LifeGuard guard(this);
    setStatus(m_status ? 0 : 1, 1);
    if (guard.alive())
        setFocus(1);
    char consumed[] = "";
    keyboard->setText(consumed, -2);
}

void TQCvtoggle::setWorkTQNshortcut(char*)
{
    TQDappDev* app = TQGIappDev();
    if (m_shortcutRegistered || app == nullptr)
        return;
    m_shortcutRegistered = 1;
    app->addAltFocusInstance(this);
}

// The special focus only marks the toggle that owns Return; its key goes
// to the focus procedure.
void TQCvtoggle::onFocusChange(unsigned char on)
{
    if (on && !getSensitive())
        return;
    TQDkeyboard* keyboard = TQGIappKeyboard();
    LifeGuard guard(this);
    if (on) {
        takeFocusKeys(keyboard, _key_handler);
        if (m_returnKeyFocus) {
            if (keyboard != nullptr)
                keyboard->resetSpecialInputWorkProc();
            setSpecialFocus(1);
        }
    } else {
        if (keyboard != nullptr)
            keyboard->resetFocusInputWorkProc();
        if (m_returnKeyFocus) {
            if (keyboard != nullptr)
                keyboard->resetSpecialInputWorkProc();
            setSpecialFocus(0);
        }
    }
    if (!guard.alive())
        return;
    setAbsoluteDraw(1);
    needUpdate();
}

void TQCvtoggle::onSensitiveChange(unsigned char on)
{
    LifeGuard guard(this);
    if (!on)
        setFocus(0);
    if (!guard.alive())
        return;
    setAbsoluteDraw(1);
    needUpdate();
}

