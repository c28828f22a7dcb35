// Pop-up menu: construction and destruction, the clients it is attached to
// (four internal procedures and user data on each), the presses, moves and
// releases they pass on, and the builders of the menu text.
#include "_TQCpopupMenu.h"

#include <vector>

#include "_TQCnwbase.h"
#include "_TQCprocedure.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDappDev.h"
#include "_TQDmouse.h"
#include "_TQDtimer.h"
#include "_TQGFtrigger.h"

TQ_TYPE_SERVER_FRAME(TQCpopupMenu, TQCpulldownMenuPopup);

TQCpopupMenu* TQCpopupMenu::_popuped_instance = nullptr;

namespace {

// User data on a client.
const char kRegistered[] = "PM-RGST";
const char kServer[] = "PM-SERVER";
const char kRecursive[] = "PM-RECURSIVE";
const char kModalTarget[] = "PM-MODAL-TARGET";
const char kPopped[] = "PM-POPUP";
const char kShown[] = "TQ-PM-POPUPED";

// The four procedures a client carries, the user-data key of each record,
// and, on a window-less target, the records of the mouse flags switched on.
struct ClientHook {
    const char* procName;
    long trigger;
    const char* key;
};
const ClientHook kHooks[] = {
    {"PM_btn_press", TQEV_MOUSE_PRESS, "PM-BTNPRESS"},
    {"PM_btn_release", TQEV_MOUSE_RELEASE, "PM-BTNRELEASE"},
    {"PM_btn_move", TQEV_MOUSE_MOVE, "PM-BTNMOVE"},
    {"PM_idelete", TQEV_DELETE, "PM-DELETE"},
};
const char* const kFlagRecords[] = {"OSMP-ch", "OSMM-ch", "OSMR-ch", "MG-ch"};

const unsigned long kThirdButton = TQDmouse::STATUS_BUTTON3;

void* flag(bool on)
{
    return reinterpret_cast<void*>(on ? 1 : 0);
}

TQCpopupMenu* serverOf(TQCbase* w)
{
    return static_cast<TQCpopupMenu*>(w->getUserData(kServer));
}

// Records of clients that went while their DELETE procedures ran: they are
// taken off at once and deleted once that pass is over.
std::vector<TQCprocedure*>& retiredRecords()
{
    static std::vector<TQCprocedure*> records;
    return records;
}

} // namespace

TQCpopupMenu::TQCpopupMenu(TQCbase* parent, const char* name)
    : TQCpulldownMenuPopup(parent, name), m_clientList(4), m_pressPopped(0),
      m_pointerGrabbed(0), m_inModalLoop(0)
{
    TQCregisterClass(this, VERSION, registerProperties);
}

// VALUE_CH is how a program hears of a choice, so it may be bound.
void TQCpopupMenu::registerProperties(Registrar& r)
{
    TQ_WATCH(r, client, nullptr);
    r.triggers({TQEV_VALUE_CH});
}

TQCpopupMenu::~TQCpopupMenu()
{
    if (getVisible() || m_pressPopped || m_inModalLoop || m_pointerGrabbed)
        popdown();
    if (_popuped_instance == this)
        _popuped_instance = nullptr;
    if (TQDappDev* app = TQGIappDev())
        app->setFocusDialog(this, 0);
    TQClistData clients(m_clientList);
    for (long i = 0; i < clients.getNum(); ++i)
        detach(static_cast<TQCbase*>(clients.getData(i)), true);
    deleteRetired(0, nullptr);
}

void TQCpopupMenu::onActivate()
{
    execProcedure(TQEV_ACTIVATE);
}

// ---------------------------------------------------------------------------
// Clients

long TQCpopupMenu::registerClient(TQCbase* client, unsigned char recursive)
{
    if (client != nullptr)
        attach(client, recursive, false);
    return 0;
}

void TQCpopupMenu::attach(TQCbase* client, unsigned char recursive, bool descendant)
{
    deleteRetired(0, nullptr);
    if (client->getUserData(kRegistered) != nullptr)
        return;
    m_clientList.add(client, -1);
    client->setUserData(kRegistered, flag(true));
    client->setUserData(kServer, this);
    const TQCprocedureFunction onClient[] = {_on_btn_press, _on_btn_release, _on_btn_move,
                                             _on_delete};
    const TQCprocedureFunction onDescendant[] = {
        _on_btn_press_recursive, _on_btn_release_recursive, _on_btn_move_recursive, _on_delete};
    const char* const functionNames[] = {"_on_btn_press", "_on_btn_release", "_on_btn_move",
                                         "_on_delete"};
    for (int i = 0; i < 4; ++i) {
        TQCprocedure* record = new TQCprocedure(kHooks[i].procName, kHooks[i].trigger);
        record->setInternal(1);
        record->setFunction(descendant ? onDescendant[i] : onClient[i], functionNames[i]);
        client->addProcedure(record);
        client->setUserData(kHooks[i].key, record);
    }
    if (!recursive)
        return;
    client->setUserData(kRecursive, reinterpret_cast<void*>(static_cast<long>(recursive)));
    TQClistData children(client->getChildren());
    for (long i = 0; i < children.getNum(); ++i) {
        TQCbase* child = static_cast<TQCbase*>(children.getData(i));
        if (child != nullptr && (child->getObjectType() & OBJECT_CONTAINER))
            attach(child, 1, true);
    }
}

long TQCpopupMenu::unregisterClient(TQCbase* client)
{
    if (client != nullptr)
        detach(client, true);
    return 0;
}

// A client let go of, or deleted, while the menu follows it closes the
// menu first.
void TQCpopupMenu::detach(TQCbase* client, bool deleteNow)
{
    if (m_client == client || m_grabTarget == client || m_pressTarget == client)
        popdown();
    m_clientList.del(client);
    if (client->getUserData(kRegistered) == nullptr || serverOf(client) != this)
        return;
    client->setUserData(kRegistered, flag(false));
    client->setUserData(kServer, nullptr);
    for (const ClientHook& hook : kHooks) {
        TQCprocedure* record = static_cast<TQCprocedure*>(client->getUserData(hook.key));
        if (record == nullptr)
            continue;
        client->setUserData(hook.key, nullptr);
        client->delProcedure(record);
        if (deleteNow) {
            delete record;
        } else {
            retiredRecords().push_back(record);
            if (TQDtimer* timer = TQGIappTimer())
                timer->addTriggerProc(deleteRetired, 1, nullptr);
        }
    }
    if (client->getUserData(kRecursive) == nullptr)
        return;
    client->setUserData(kRecursive, nullptr);
    TQClistData children(client->getChildren());
    for (long i = 0; i < children.getNum(); ++i) {
        TQCbase* child = static_cast<TQCbase*>(children.getData(i));
        if (child != nullptr && (child->getObjectType() & OBJECT_CONTAINER))
            detach(child, deleteNow);
    }
}

void TQCpopupMenu::deleteRetired(unsigned char, void*)
{
    std::vector<TQCprocedure*> records;
    records.swap(retiredRecords());
    for (TQCprocedure* record : records)
        delete record;
}

void TQCpopupMenu::_on_delete(TQCbase* w)
{
    if (TQCpopupMenu* menu = serverOf(w))
        menu->detach(w, false);
}

// ---------------------------------------------------------------------------
// Presses, moves and releases on clients

TQCbase* TQCpopupMenu::takeTarget(TQCbase* w)
{
    TQCbase* target = static_cast<TQCbase*>(w->getUserData(kModalTarget));
    w->setUserData(kModalTarget, nullptr);
    return target != nullptr ? target : w;
}

// The event climbs from a container descendant to the registered client,
// with the widget where it happened as the target.
void TQCpopupMenu::climb(TQCbase* d, const char* procName, bool target)
{
    TQCbase* parent = d->getParent();
    if (parent == nullptr || parent->getUserData(kServer) != d->getUserData(kServer))
        return;
    if (target) {
        void* inner = d->getUserData(kModalTarget);
        parent->setUserData(kModalTarget, inner != nullptr ? inner : d);
        d->setUserData(kModalTarget, nullptr);
    }
    parent->execProcedure(procName);
}

void TQCpopupMenu::_on_btn_press_recursive(TQCbase* d)
{
    climb(d, kHooks[0].procName, true);
}

void TQCpopupMenu::_on_btn_release_recursive(TQCbase* d)
{
    climb(d, kHooks[1].procName, true);
}

void TQCpopupMenu::_on_btn_move_recursive(TQCbase* d)
{
    climb(d, kHooks[2].procName, false);
}

// Switches the window-less target's outside and grab flags on, noting
// which it switched; or off again, those it noted.
void TQCpopupMenu::outsideFlags(TQCbase* target, bool on)
{
    TQCnwbase* nw = static_cast<TQCnwbase*>(target->cast("TQCnwbase"));
    if (nw == nullptr)
        return;
    typedef unsigned char (TQCnwbase::*Getter)() const;
    typedef void (TQCnwbase::*Setter)(unsigned char);
    const Getter getters[] = {&TQCnwbase::getOutSideMousePress, &TQCnwbase::getOutSideMouseMove,
                              &TQCnwbase::getOutSideMouseRelease, &TQCnwbase::getMouseGrabed};
    const Setter setters[] = {&TQCnwbase::setOutSideMousePress, &TQCnwbase::setOutSideMouseMove,
                              &TQCnwbase::setOutSideMouseRelease, &TQCnwbase::setMouseGrabed};
    for (int i = 0; i < 4; ++i) {
        if (on && !(nw->*getters[i])()) {
            (nw->*setters[i])(1);
            nw->setUserData(kFlagRecords[i], flag(true));
        } else if (!on && nw->getUserData(kFlagRecords[i]) != nullptr) {
            (nw->*setters[i])(0);
            nw->setUserData(kFlagRecords[i], flag(false));
        }
    }
}

void TQCpopupMenu::_on_btn_press(TQCbase* w)
{
    TQCbase* target = takeTarget(w);
    TQDmouse* mouse = TQGIappMouse();
    if (_popuped_instance != nullptr || mouse == nullptr || mouse->getTargetBtn() != kThirdButton)
        return;
    TQCpopupMenu* menu = serverOf(w);
    if (menu == nullptr || (menu->m_client != nullptr && menu->m_client != w) ||
        !w->getSensitive() || menu->m_pressPopped)
        return;
    w->setUserData(kPopped, flag(true));
    menu->m_pressPopped = 1;
    outsideFlags(target, true);
    menu->m_client = w;
    menu->m_pressTarget = target;
    LifeGuard guard(menu);
    if (menu->_popup_menu() != 0 || !guard.alive())
        return;
    if (TQDappDev* app = TQGIappDev())
        app->setPopupModalClient(menu, target);
    w->setUserData(kShown, flag(true));
}

void TQCpopupMenu::_on_btn_move(TQCbase* w)
{
    TQCpopupMenu* menu = serverOf(w);
    TQDmouse* mouse = TQGIappMouse();
    if (menu == nullptr || mouse == nullptr)
        return;
    if (!menu->m_pointerGrabbed && !(mouse->getStatus() & kThirdButton))
        return;
    short x, y;
    if (w->getUserData(kPopped) == nullptr || mouse->getMousePosition(&x, &y) == 0)
        return;
    menu->setAbsoluteDraw(1);
    menu->draw();
}

// The first release away from every entry keeps the menu open with the
// pointer held (click mode); the next release, or one over an entry,
// chooses.
void TQCpopupMenu::_on_btn_release(TQCbase* w)
{
    TQCpopupMenu* menu = serverOf(w);
    if (menu == nullptr || !menu->getVisible())
        return;
    TQCbase* target = takeTarget(w);
    if (menu->m_client != nullptr && menu->m_client != w)
        return;
    TQDmouse* mouse = TQGIappMouse();
    if (!menu->m_pointerGrabbed && (mouse == nullptr || mouse->getTargetBtn() != kThirdButton))
        return;
    if (!menu->m_pointerGrabbed && !menu->getSelected()) {
        if (menu->grabDevice(target) == nullptr)
            return;
        TQDappDev* app = TQGIappDev();
        menu->m_savedModalClient = app != nullptr ? app->getModalClient() : nullptr;
        if (app != nullptr)
            app->setModalClient(target);
        menu->takeGrab(target);
        if (TQCnwbase* nw = static_cast<TQCnwbase*>(target->cast("TQCnwbase")))
            nw->setMouseGrabed(1);
        return;
    }
    if (menu->finishWithClient(w, target))
        menu->choose();
}

void TQCpopupMenu::releaseClient()
{
    if (m_pressTarget != nullptr)
        outsideFlags(m_pressTarget, false);
    m_pressTarget = nullptr;
    if (TQCbase* client = static_cast<TQCbase*>(m_client))
        client->setUserData(kShown, flag(false));
}

bool TQCpopupMenu::finishWithClient(TQCbase* client, TQCbase* target)
{
    releaseGrab();
    if (client->getUserData(kPopped) == nullptr)
        return false;
    outsideFlags(target, false);
    client->setUserData(kShown, flag(false));
    return true;
}

// ---------------------------------------------------------------------------
// Building the text

long TQCpopupMenu::addItem(char* label, char* procName, char* shortcut, long id,
                           char* imageName)
{
    TQCstring text = TQCpulldownData::textWithItem(getMenuItems(), getSeparator(),
                                                   getSeparator2(), label, procName, shortcut,
                                                   id, imageName);
    setPropertyV(_TQNmenuItems(), text.getString(-2));
    return 0;
}

long TQCpopupMenu::beginCascade(char* label)
{
    TQCstring text =
        TQCpulldownData::textWithCascade(getMenuItems(), getSeparator(), getSeparator2(), label);
    setPropertyV(_TQNmenuItems(), text.getString(-2));
    return 0;
}

long TQCpopupMenu::endCascade()
{
    TQCstring text = TQCpulldownData::textWithCascadeEnd(getMenuItems());
    setPropertyV(_TQNmenuItems(), text.getString(-2));
    return 0;
}
