// Menu title: construction, properties, the builders of the entry text, the
// entry states kept by its menu window, and the events and keys. Opening,
// closing and the pointer are in _TQCpulldownMenu_open.cpp, the drawing in
// _TQCpulldownMenu_draw.cpp.
#include "_TQCpulldownMenu.h"

#include "_TQCindexVariantData.h"
#include "_TQCprocedure.h"
#include "_TQCpulldownMenuPopup.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDappDev.h"
#include "_TQDkeyboard.h"
#include "_TQDmouse.h"
#include "_TQDwindowDev.h"
#include "_TQGFdebug.h"
#include "_TQGFstring.h"
#include "_TQGFtrigger.h"

TQ_TYPE_SERVER_FRAME(TQCpulldownMenu, TQCvlabel);

namespace {

// The property's default names no ids; a new title starts with the same
// entries numbered 1 to 3.
const char kDefaultItems[] =
    "item1(key1):ep1_name:key1,item2(key2):ep2_name:key2,SP,item3(key3):ep3_name:key3";
const char kNewTitleItems[] = "item1(key1):ep1_name:key1:1,item2(key2):ep2_name:key2:2,SP,"
                              "item3(key3):ep3_name:key3:3";
// Role colours: menu text, menu background, 3-D highlight, button shadow.
const short kMenuText = -6;
const short kMenuBack = -5;
const short kHighlight3d = -8;
const short kButtonShadow = -9;
// The shadow type "out".
const char kShadowOut = 0;
// Mouse out, press, release and move.
const long kPointerEvents = 0xF000;
const char kWindowPrefix[] = "pm-";

} // namespace

TQCpulldownMenu* TQCpulldownMenu::_ptarget = nullptr;
TQCpulldownMenu* TQCpulldownMenu::__popup_instance = nullptr;
const char* const TQCpulldownMenu::PRESSED_KEY = "PLD-PUSHED";
const char* const TQCpulldownMenu::POPPED_KEY = "TQ-PM-POPUPED";

TQCpulldownMenu::TQCpulldownMenu(TQCbase* parent, const char* name)
    : TQCvlabel(parent, name), m_menuItems(TQGFstrdup(kNewTitleItems)),
      m_separator(TQGFstrdup(":")), m_separator2(TQGFstrdup(",")), m_opened(0), m_grabed(0),
      m_byKey(0)
{
    m_foreColor = kMenuText;
    m_backColor = kMenuBack;
    m_topShadowColor = kHighlight3d;
    m_bottomShadowColor = kButtonShadow;
    m_shadowType = kShadowOut;
    setOutSideMouseMove(1);
    TQCregisterClass(this, VERSION, registerProperties);
    _register_focus_move();
    if (TQDappDev* app = TQGIappDev())
        app->addMenu(this);
}

void TQCpulldownMenu::registerProperties(Registrar& r)
{
    // The new title's own entries are not replaced by the default.
    TQ_WATCH(r, menuItems, kDefaultItems)->setInit(0);
    TQ_WATCH(r, shortcut, "");
    TQ_WATCH(r, leftward, "");
    TQ_WATCH(r, rightward, "");
    TQ_WATCH(r, itemHeight, -1);
    TQ_WATCH(r, separator, ":");
    TQ_WATCH(r, separator2, ",");
    r.changeDefault<&TQCpulldownMenu::m_foreColor>(_TQNforeColor(), kMenuText);
    r.changeDefault<&TQCpulldownMenu::m_backColor>(_TQNbackColor(), kMenuBack);
    r.changeDefault<&TQCpulldownMenu::m_topShadowColor>(_TQNtopShadowColor(), kHighlight3d);
    r.changeDefault<&TQCpulldownMenu::m_bottomShadowColor>(_TQNbottomShadowColor(),
                                                            kButtonShadow);
    // The open title shows raised.
    r.changeDefault<m_shadowTypeSlot>(_TQNshadowType(), kShadowOut);
    for (const char* unused : {_TQNorientation(), _TQNalignmentV(), _TQNlabelPixmap(),
                               _TQNblinkPixmap(), _TQNshadowType(), _TQNmaxLength()})
        r.withdraw(unused);
    r.triggers({TQEV_ACTIVATE});
    r.info()->setExtTrigger(TRIGGER_MENU_POPUP, "MENU-POPUP");
    for (long code : {TQEV_MOUSE_MOVE, TQEV_MOUSE_PRESS, TQEV_MOUSE_RELEASE})
        r.info()->setDelTrigger(code);
}

// A title that goes while it holds the pointer gives it back first, so
// that nothing names it afterwards.
TQCpulldownMenu::~TQCpulldownMenu()
{
    if (__popup_instance == this)
        __popup_instance = nullptr;
    if (_ptarget == this)
        _ptarget = nullptr;
    if (TQDappDev* app = TQGIappDev())
        app->delMenu(this);
    setParentPressed(nullptr);
    if (m_popup != nullptr) {
        if (m_popup->getVisible() || m_opened)
            _menu_popdown();
        releaseGrab();
        delete m_popup;
        m_popup = nullptr;
    }
    for (char* text : {m_menuItems, m_shortcut, m_leftward, m_rightward, m_separator,
                       m_separator2})
        delete[] text;
}

long TQCpulldownMenu::initialize()
{
    TQCvlabel::initialize();
    TQCstring name(kWindowPrefix, -2);
    name << getInstanceName();
    m_popup = new TQCpulldownMenuPopup(nullptr, name.getString(-2));
    m_popup->initialize();
    m_popup->setInternalObject(1);
    for (const char* geometry : {_TQNx(), _TQNy()})
        m_popup->setPropertyV(geometry, static_cast<short>(10));
    for (const char* size : {_TQNwidth(), _TQNheight()})
        m_popup->setPropertyV(size, static_cast<unsigned short>(10));
    // The entry states can be read and set before the menu first opens.
    m_popup->setPropertyV(_TQNseparator(), m_separator);
    m_popup->setPropertyV(_TQNseparator2(), m_separator2);
    m_popup->setPropertyV(_TQNmenuItems(), m_menuItems);
    return 0;
}

// The numbered entries the constructor stores.
void TQCpulldownMenu::getMadeValues(TQCindexVariantData* values)
{
    TQCvlabel::getMadeValues(values);
    values->setData(_TQNmenuItems(), TQCvariant(kNewTitleItems));
}

long TQCpulldownMenu::_device_initialize()
{
    return initializeDeviceWith(kPointerEvents);
}

// ACTIVATE procedures ask for the pointer events that choosing needs.
long TQCpulldownMenu::addProcedure(TQCprocedure* procedure)
{
    return addProcedureWithEvents(procedure, TQEV_ACTIVATE, kPointerEvents);
}

void TQCpulldownMenu::onActivate()
{
    execProcedure(TQEV_ACTIVATE);
}

void TQCpulldownMenu::onMenuPopup()
{
    execProcedure(TRIGGER_MENU_POPUP);
}

// ---------------------------------------------------------------------------
// Properties handed on to the menu window

void TQCpulldownMenu::setWorkTQNmenuItems(char* text)
{
    if (m_popup != nullptr)
        m_popup->setPropertyV(_TQNmenuItems(), text);
}

void TQCpulldownMenu::setWorkTQNseparator(char* text)
{
    if (m_popup != nullptr)
        m_popup->setPropertyV(_TQNseparator(), text);
}

void TQCpulldownMenu::setWorkTQNseparator2(char* text)
{
    if (m_popup != nullptr)
        m_popup->setPropertyV(_TQNseparator2(), text);
}

void TQCpulldownMenu::setWorkTQNshadowThickness(unsigned char t)
{
    if (t == 0)
        m_shadowThickness = 1;
}

void TQCpulldownMenu::setWorkTQNemboss(unsigned char on)
{
    if (m_popup != nullptr)
        m_popup->setEmboss(on);
}

// ---------------------------------------------------------------------------
// Building the entry text

long TQCpulldownMenu::addItem(char* label, char* procName, char* shortcut, long id,
                              char* imageName)
{
    setPropertyV(_TQNmenuItems(),
                 TQCpulldownData::textWithItem(m_menuItems, m_separator, m_separator2, label,
                                               procName, shortcut, id, imageName)
                     .getString(-2));
    return 0;
}

long TQCpulldownMenu::beginCascade(char* label)
{
    setPropertyV(_TQNmenuItems(),
                 TQCpulldownData::textWithCascade(m_menuItems, m_separator, m_separator2, label)
                     .getString(-2));
    return 0;
}

long TQCpulldownMenu::endCascade()
{
    setPropertyV(_TQNmenuItems(), TQCpulldownData::textWithCascadeEnd(m_menuItems).getString(-2));
    return 0;
}

// ---------------------------------------------------------------------------
// Entry states

long TQCpulldownMenu::getValue()
{
    return m_popup != nullptr ? m_popup->getValue() : 0;
}

long TQCpulldownMenu::getItems()
{
    return m_popup != nullptr ? m_popup->getItems() : 0;
}

long TQCpulldownMenu::setValueSensitive(short id, unsigned char on)
{
    return m_popup != nullptr ? m_popup->setValueSensitive(id, on) : -1;
}

unsigned char TQCpulldownMenu::getValueSensitive(short id)
{
    return m_popup != nullptr ? m_popup->getValueSensitive(id) : 0;
}

long TQCpulldownMenu::setValueToggleMenu(short id, unsigned char on)
{
    return id < 0 || m_popup == nullptr ? -1 : m_popup->setValueToggleMenu(id, on);
}

unsigned char TQCpulldownMenu::getValueToggleMenu(short id)
{
    return m_popup != nullptr ? m_popup->getValueToggleMenu(id) : 0;
}

long TQCpulldownMenu::setValueToggleState(short id, unsigned char on)
{
    return id < 0 || m_popup == nullptr ? -1 : m_popup->setValueToggleState(id, on);
}

unsigned char TQCpulldownMenu::getValueToggleState(short id)
{
    return m_popup != nullptr ? m_popup->getValueToggleState(id) : 0;
}

long TQCpulldownMenu::setItemSensitive(short n, unsigned char on)
{
    return n < 0 || m_popup == nullptr ? -1 : m_popup->setItemSensitive(n, on);
}

unsigned char* TQCpulldownMenu::getItemSensitive()
{
    return m_popup != nullptr ? m_popup->getItemSensitive() : nullptr;
}

TQCstring TQCpulldownMenu::_get_proc_name_by_sc(char* sc, int* id)
{
    if (m_popup == nullptr || !m_popup->getVisible())
        return TQCstring("", -2);
    return m_popup->_get_proc_name_by_sc(sc, id);
}

// ---------------------------------------------------------------------------
// Events and keys

long TQCpulldownMenu::execEventProc(long event, void* data)
{
    __dbprintf("TQCpulldownMenu::execEventProc ev=%d\n", static_cast<int>(event));
    if (event == TQDwindowDev::TRIGGER_GRAB_LOST) {
        __dbprintf("TQCpulldownMenu::execEventProc _grabed=%d\n", static_cast<int>(m_grabed));
        LifeGuard guard(this);
        closeForHiding();
        setAbsoluteDraw(1);
        redraw();
        return guard.alive() ? TQCvlabel::execEventProc(event, data) : 0;
    }
    if (event == TQEV_KEY_PRESS && !getPropertyEditMode() && getVisible()) {
        TQDkeyboard* keyboard = TQGIappKeyboard();
        if (keyboard != nullptr && altKey(keyboard))
            return 0;
    }
    return TQCvlabel::execEventProc(event, data);
}

// An Alt key press, offered to every title: with a menu open, the letter
// of one of its entries chooses it; else the letter of this title's
// shortcut opens it. The first title that acts clears the key's text, so
// one press acts once. True when the event is done with.
bool TQCpulldownMenu::altKey(TQDkeyboard* keyboard)
{
    TQCpulldownMenu* open = __popup_instance;
    if (open != nullptr && open->m_popup != nullptr && open->m_popup->getVisible()) {
        LifeGuard guard(this);
        if (open->runShortcut(keyboard->shortcutLetter())) {
            keyboard->setText(const_cast<char*>(""), -2);
            if (guard.alive())
                TQCvlabel::execEventProc(TQEV_KEY_PRESS, nullptr);
            return true;
        }
    }
    const char* text = keyboard->getText(-2);
    if (keyboard->getKey() == 0 || text == nullptr || text[0] == '\0' ||
        !keyboard->matchesShortcut(m_shortcut))
        return false;
    openByKey();
    keyboard->setText(const_cast<char*>(""), -2);
    return true;
}

void TQCpulldownMenu::openByKey()
{
    TQCpoint origin = {0, 0};
    LifeGuard guard(this);
    onMousePress(&origin);
    if (!guard.alive())
        return;
    m_byKey = 1;
    onMouseRelease(&origin);
    if (guard.alive())
        m_byKey = 0;
}

// The keys while the menu is open. A key release does nothing.
void TQCpulldownMenu::_key_handler(void* data, TQDkeyboard* keyboard, unsigned char pressed)
{
    TQCpulldownMenu* title = static_cast<TQCpulldownMenu*>(data);
    TQCpulldownMenuPopup* window = title->m_popup;
    if (!pressed || window == nullptr || !window->getVisible())
        return;
    if (title->runShortcut(keyboard->shortcutLetter()))
        return;
    long key = keyboard->getKey();
    switch (key) {
    case TQDkeyboard::KEY_UP:
    case TQDkeyboard::KEY_DOWN:
        window->setUserData("KEY_PROCESSED", nullptr);
        window->onKeyPress(keyboard, pressed);
        return;
    case TQDkeyboard::KEY_LEFT:
    case TQDkeyboard::KEY_RIGHT: {
        LifeGuard guard(title);
        window->setUserData("KEY_PROCESSED", nullptr);
        window->onKeyPress(keyboard, pressed);
        if (guard.alive() && window->getUserData("KEY_PROCESSED") == nullptr)
            title->handOver(key == TQDkeyboard::KEY_LEFT ? FOCUS_LEFT : FOCUS_RIGHT);
        return;
    }
    case TQDkeyboard::KEY_RETURN:
        title->closeAndRun(title->windowChoice());
        return;
    default:
        if (!TQDkeyboard::isCancelKey(key))
            return;
        keyboard->setKey(0);
        title->closeWithoutChoice();
        return;
    }
}

// The letter of a sensitive entry of the open menu (or of its deepest open
// cascade) runs that entry alone, whatever the arrows had picked.
bool TQCpulldownMenu::runShortcut(unsigned char c)
{
    if (c == 0)
        return false;
    char letter[2] = {static_cast<char>(c), '\0'};
    int id = -1;
    TQCstring found = _get_proc_name_by_sc(letter, &id);
    if (found.getString(-2)[0] == '\0')
        return false;
    closeAndRun(Choice{true, id, found});
    return true;
}

// Left or Right that no cascade took: the neighbour in that direction, a
// title, opens its menu for the keys; anything else takes the focus.
void TQCpulldownMenu::handOver(long direction)
{
    TQCbase* next = _get_focus_move_instance(direction, 0, this);
    if (next == nullptr)
        return;
    LifeGuard guard(next);
    closeWithoutChoice();
    if (!guard.alive())
        return;
    if (TQCpulldownMenu* title = static_cast<TQCpulldownMenu*>(next->cast("TQCpulldownMenu")))
        title->openByKey();
    else
        next->setFocus(1);
}
