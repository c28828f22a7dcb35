// Pop-up menu while it is open: opening at the pointer, the modal run of
// popup(), the pointer grab, choosing an entry, closing, and the keys.
// Every way of closing leaves no claim behind: grab, pointer owner, modal
// and pop-up modal client, focus dialog, key procedure and the one-open
// mark all let go of the menu.
#include "_TQCpopupMenu.h"

#include "_TQCdevice.h"
#include "_TQDappDev.h"
#include "_TQDdev.h"
#include "_TQDkeyboard.h"
#include "_TQDmouse.h"
#include "_TQGFtrigger.h"

namespace {

const long kImageRoom = 32;
const long kCheckRoom = 32;
const long kCascadeRoom = 30;
// Look B draws every pop-up menu with this frame.
const unsigned char kFrameB = 2;
// Mouse in, out, press, release and move.
const long kPointerEvents = 0xF800;

void setGrab(TQDdev* dev, unsigned char on)
{
    if (dev != nullptr)
        dev->setValue(TQDdev::VALUE_GRAB, &on);
}

} // namespace

// ---------------------------------------------------------------------------
// Opening

// Its ACTIVATE procedures may still change the text: everything after them
// reads it anew.
long TQCpopupMenu::_popup_menu()
{
    if (_popuped_instance != nullptr) {
        forgetOpening();
        return -1;
    }
    _popuped_instance = this;
    LifeGuard guard(this);
    onActivate();
    if (!guard.alive())
        return -1;
    short x = 0, y = 0;
    TQDmouse* mouse = TQGIappMouse();
    if (mouse == nullptr || mouse->getMousePosition(&x, &y) == 0) {
        forgetOpening();
        return -1;
    }
    placeAt(x, y);
    setVisible(1);
    if (!guard.alive())
        return -1;
    if (!getVisible()) {
        forgetOpening();
        return -1;
    }
    setFocus(1);
    if (TQDkeyboard* keyboard = TQGIappKeyboard())
        keyboard->setFocusInputWorkProc(_key_handler, nullptr, this, this);
    return 0;
}

// The top-left corner at the pointer, moved left or up only as far as the
// screen's edge needs; a point left of or above the screen is kept.
void TQCpopupMenu::placeAt(short x, short y)
{
    long policy = TQGIappGuiPolicy()->getGuiPolicy();
    if (policy & TQCguiPolicy::LOOK_B)
        setPropertyV(_TQNshadowThickness(), kFrameB);
    TQCmenuExtent extent = TQCpulldownData::measure(
        TQCpulldownData::entries(getMenuItems(), getSeparator(), getSeparator2()),
        m_shadowThickness, getItemHeight(), getFontNo(), policy);
    long w = extent.width + (extent.images ? kImageRoom : 0) + (isToggle() ? kCheckRoom : 0) +
             (extent.cascade ? kCascadeRoom : 0);
    long h = extent.height;
    long left = x, top = y, right = 0, bottom = 0;
    if (passesScreenEdge(x, w, true, &right))
        left = right - w;
    if (passesScreenEdge(y, h, false, &bottom))
        top = bottom - h;
    setPropertyV(_TQNx(), static_cast<short>(left));
    setPropertyV(_TQNy(), static_cast<short>(top));
    setPropertyV(_TQNwidth(), static_cast<unsigned short>(w));
    setPropertyV(_TQNheight(), static_cast<unsigned short>(h));
    set_id_value(0);
    set_use_pixmap(extent.images);
}

// A failed opening leaves the menu as closing leaves it.
void TQCpopupMenu::forgetOpening()
{
    if (_popuped_instance == this)
        _popuped_instance = nullptr;
    releaseClient();
    m_pressPopped = 0;
    m_inModalLoop = 0;
    m_client = nullptr;
    if (getOwnVisible())
        setVisible(0);
}

// The run ends with a choice or a close, and also when the menu was hidden
// another way or its object is deleted; a quit request ends it too and is
// put back for the loops outside.
long TQCpopupMenu::popup()
{
    if (_popuped_instance != nullptr)
        return -1;
    LifeGuard guard(this);
    m_inModalLoop = 1;
    if (_popup_menu() != 0)
        return -1;
    TQDappDev* app = TQGIappDev();
    if (TQDdev* dev = getowndev()) {
        takeGrab(this);
        dev->setEnableEventBit(kPointerEvents);
    }
    while (guard.alive() && m_inModalLoop && getVisible() && app != nullptr) {
        app->setFocusDialog(this, 1);
        if (app->dispatchEvent() == 0) {
            if (guard.alive())
                popdown();
            app->repostQuit();
            break;
        }
        TQGIappDevice()->clearDeleteList();
    }
    if (!guard.alive())
        return 0;
    if (m_inModalLoop || getVisible())
        popdown();
    if (app != nullptr)
        app->setFocusDialog(this, 0);
    return 0;
}

// ---------------------------------------------------------------------------
// The pointer grab

// The grab is held on a window-less target's parent device, else on the
// target's own.
TQDdev* TQCpopupMenu::grabDevice(TQCbase* target)
{
    if (target == nullptr)
        return nullptr;
    return target->cast("TQCnwbase") != nullptr ? target->getParentDev() : target->getowndev();
}

void TQCpopupMenu::takeGrab(TQCbase* target)
{
    if (TQDmouse* mouse = TQGIappMouse())
        mouse->setMouseUngrabClient(this);
    setGrab(grabDevice(target), 1);
    m_pointerGrabbed = 1;
    m_grabTarget = target;
}

// Given back where it was taken; a target that held the modal input for it
// gives that back too.
void TQCpopupMenu::releaseGrab()
{
    if (!m_pointerGrabbed)
        return;
    TQCbase* target = m_grabTarget;
    m_pointerGrabbed = 0;
    m_grabTarget = nullptr;
    TQDmouse* mouse = TQGIappMouse();
    if (mouse != nullptr && mouse->getMouseUngrabClient() == this)
        mouse->setMouseUngrabClient(nullptr);
    setGrab(grabDevice(target), 0);
    TQDappDev* app = TQGIappDev();
    if (target != this && app != nullptr && app->getModalClient() == target)
        app->setModalClient(m_savedModalClient);
    m_savedModalClient = nullptr;
}

// ---------------------------------------------------------------------------
// Choosing and closing

void TQCpopupMenu::flipToggle(short id)
{
    if (getValueToggleMenu(id) && getValueSensitive(id))
        setValueToggleState(id, getValueToggleState(id) ? 0 : 1);
}

// VALUE_CH runs while the menu is up; the entry's own procedures once it
// is hidden.
void TQCpopupMenu::choose()
{
    LifeGuard guard(this);
    flipToggle(static_cast<short>(getValue()));
    execProcedure(TQEV_VALUE_CH);
    if (guard.alive())
        _popdown_and_execute();
}

// The entry's procedure still finds the client the menu was opened for.
void TQCpopupMenu::_popdown_and_execute()
{
    LifeGuard guard(this);
    TQCstring chosen(getProcName(), -2);
    if (!close())
        return;
    if (chosen.getString(-2)[0] != '\0') {
        execProcedure(chosen.getString(-2));
        if (!guard.alive())
            return;
    }
    forgetChoice();
}

long TQCpopupMenu::popdown()
{
    if (close())
        forgetChoice();
    return 0;
}

void TQCpopupMenu::forgetChoice()
{
    setSelected(0);
    m_inModalLoop = 0;
    m_client = nullptr;
}

bool TQCpopupMenu::close()
{
    LifeGuard guard(this);
    releaseGrab();
    TQDkeyboard* keyboard = TQGIappKeyboard();
    if (keyboard != nullptr && keyboard->getFocusInstance() == this)
        keyboard->resetFocusInputWorkProc();
    if (_popuped_instance == this)
        _popuped_instance = nullptr;
    releaseClient();
    m_pressPopped = 0;
    if (TQDappDev* app = TQGIappDev()) {
        if (app->getPopupModalClient() == this)
            app->setPopupModalClient(nullptr);
        app->setFocusDialog(this, 0);
    }
    setVisible(0);
    return guard.alive();
}

long TQCpopupMenu::execEventProc(long event, void* data)
{
    LifeGuard guard(this);
    if (event == TQDwindowDev::TRIGGER_GRAB_LOST)
        popdown();
    return guard.alive() ? TQCpulldownMenuPopup::execEventProc(event, data) : 0;
}

// In the modal run the menu holds the pointer itself: a release over an
// entry that may be chosen chooses it, any other release closes the menu.
void TQCpopupMenu::onMouseRelease(TQCpoint*)
{
    if (!m_inModalLoop)
        return;
    releaseGrab();
    if (getSelected())
        choose();
    else
        popdown();
}

void TQCpopupMenu::onMouseMove(TQCpoint*)
{
    if (!m_inModalLoop)
        return;
    setAbsoluteDraw(1);
    draw();
}

// ---------------------------------------------------------------------------
// Keys

void TQCpopupMenu::_key_handler(void* data, TQDkeyboard* keyboard, unsigned char pressed)
{
    TQCpopupMenu* menu = static_cast<TQCpopupMenu*>(data);
    if (!pressed || !menu->getVisible())
        return;
    unsigned char c = keyboard->shortcutLetter();
    if (c != 0 && menu->runShortcut(c))
        return;
    long key = keyboard->getKey();
    switch (key) {
    case TQDkeyboard::KEY_UP:
    case TQDkeyboard::KEY_DOWN:
    case TQDkeyboard::KEY_LEFT:
    case TQDkeyboard::KEY_RIGHT:
        menu->setUserData("KEY_PROCESSED", nullptr);
        menu->onKeyPress(keyboard, pressed);
        return;
    default:
        if (key == TQDkeyboard::KEY_RETURN || TQDkeyboard::isCancelKey(key))
            menu->closeByKey(keyboard);
        return;
    }
}

// The shortcut's entry runs after the menu is hidden, whatever the arrow
// keys had highlighted; its value is not recorded.
bool TQCpopupMenu::runShortcut(unsigned char c)
{
    char shortcut[2] = {static_cast<char>(c), '\0'};
    int id = -1;
    TQCstring found = _get_proc_name_by_sc(shortcut, &id);
    if (found.getString(-2)[0] == '\0')
        return false;
    LifeGuard guard(this);
    popdown();
    if (!guard.alive())
        return true;
    flipToggle(static_cast<short>(id));
    execProcedure(TQEV_VALUE_CH);
    if (!guard.alive() || !getSensitive())
        return true;
    onActivate();
    if (guard.alive())
        execProcedure(found.getString(-2));
    return true;
}

// Return chooses only in a menu a client's press opened; every close key
// closes any other, also one whose client was set by the program.
void TQCpopupMenu::closeByKey(TQDkeyboard* keyboard)
{
    long key = keyboard->getKey();
    keyboard->setKey(0);
    if (!getVisible())
        return;
    if (TQCbase* client = static_cast<TQCbase*>(m_client)) {
        bool popped = finishWithClient(client, takeTarget(client));
        if (key == TQDkeyboard::KEY_RETURN && popped && getSelected()) {
            choose();
            return;
        }
    }
    popdown();
}
