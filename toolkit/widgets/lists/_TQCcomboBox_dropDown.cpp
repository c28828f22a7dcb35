// Combo box: the drop-down, a frameless window below the box holding a list
// of the items. It opens from the button or from Up and Down in the field;
// while it is open a timer selects the row under the pointer, its keys come
// first, and its list holds the pointer, so that a press on a row chooses
// the row and a press anywhere else closes it unchanged.
#include "_TQCcomboBox.h"

#include "_TQClist.h"
#include "_TQClist_internal.h"
#include "_TQCstring.h"
#include "_TQCvifield.h"
#include "_TQCwindow.h"
#include "_TQDappDev.h"
#include "_TQDdev.h"
#include "_TQDkeyboard.h"
#include "_TQDmouse.h"
#include "_TQDprivateTimer.h"
#include "_TQGFstretchPopup.h"
#include "_TQGFtrigger.h"

using namespace tqlist;

namespace {

const char kBackPointer[] = "_CMB";
// 1 once the current opening was cancelled.
const char kCancelled[] = "Selected-cleard";
const long kTrackingRate = 20;
// Drop-downs this high or higher grow and shrink instead of just showing.
const long kStretchHeight = 300;
// Window keys: no frame of the window manager; above other windows.
const long kPopupKey = TQDwindowDev::VALUE_POPUP;
const long kKeepAboveKey = 30;

// Where the pointer was at the last tracking step, relative to the box.
short g_lastX = 0;
short g_lastY = 0;
// The box the tracking timer serves.
TQCcomboBox* g_trackedBox = nullptr;

void setDeviceFlag(TQDdev* dev, long key, unsigned char on)
{
    if (dev != nullptr)
        dev->setValue(key, &on);
}

bool isAsciiAlnum(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// The widget the list's rows are drawn in: its visible part.
TQCbase* scrolledFrameOf(TQClist* list)
{
    TQDdev* dev = list->getdev();
    return dev != nullptr ? dev->getAttachedClient() : nullptr;
}

long numberOf(TQCbase* object, const char* name)
{
    return object != nullptr ? object->getProperty(name).getLong() : 0;
}

} // namespace

// A field ending in a backslash that stands alone (not the second byte of
// a double-byte character) had its comma escaped: it continues with the
// next field after a comma.
std::vector<std::string> TQCcomboBox::itemTexts(const char* items)
{
    std::vector<std::string> rows;
    TQCstring text(items != nullptr ? items : "", -2);
    long n = text.getWords(",", -2);
    bool continues = false;
    for (long i = 0; i < n; ++i) {
        TQCstring field = text.getWord(i, ",", -2);
        std::string bytes = field.getString(-2);
        long pieces = field.getWords("\\", -2);
        bool escaped = i + 1 < n && pieces > 1 &&
                       std::string(field.getWord(pieces - 1, "\\", -2).getString(-2)).empty();
        if (escaped)
            bytes.pop_back();
        if (continues)
            rows.back() += "," + bytes;
        else
            rows.push_back(bytes);
        continues = escaped;
    }
    if (rows.empty())
        rows.emplace_back();
    return rows;
}

bool TQCcomboBox::isOpen() const
{
    return m_popup != nullptr && m_popup->getVisible();
}

TQDprivateTimer* TQCcomboBox::trackingTimer(bool make)
{
    static TQDprivateTimer* timer = nullptr;
    if (timer == nullptr && make) {
        timer = TQDprivateTimer::getNewInstance();
        if (timer != nullptr)
            timer->setRate(kTrackingRate);
    }
    return timer;
}

// ---------------------------------------------------------------------------
// Opening

// The drop-down always opens below the box, as high as its rows unless
// maxHeight or the bottom of the display stops it.
long TQCcomboBox::_menu_popup()
{
    setUserLongData(kCancelled, 0);
    trackingTimer(true);
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return -1;
    short x = 0, y = 0;
    dev->getDispAddr(&x, &y);
    long top = y + static_cast<long>(m_height);
    std::vector<std::string> rows = itemTexts(m_menuItems);
    long h = static_cast<long>(m_itemHeight) * static_cast<long>(rows.size()) +
             2 * static_cast<long>(m_shadowThickness);
    if (m_maxHeight != 0 && h > m_maxHeight)
        h = m_maxHeight;
    TQDappDev* app = TQGIappDev();
    if (app != nullptr && h > app->getHeight() - top) {
        h = app->getHeight() - top;
        if (h <= 9)
            h = 10;
    }
    if (m_popup == nullptr)
        makeDropDown();
    frameDropDown(x, top, h);
    fillList(rows);
    TQDdev* windowDev = m_popup->attachdev();
    setDeviceFlag(windowDev, kPopupKey, 1);
    setDeviceFlag(windowDev, kKeepAboveKey, 1);
    LifeGuard guard(this);
    m_list->setVisible(1);
    if (h < kStretchHeight)
        m_popup->setVisible(1);
    else
        TQGFstretchPopup(m_popup);
    if (!guard.alive())
        return 0;
    takeInput();
    if (!guard.alive())
        return 0;
    startTracking();
    if (TQDmouse* mouse = TQGIappMouse())
        mouse->setMouseFocusClient(m_list);
    return 0;
}

void TQCcomboBox::makeDropDown()
{
    std::string name = getInstanceName();
    m_popup = new TQCwindow(nullptr, ("cw-" + name).c_str());
    m_popup->setInternalObject(1);
    m_popup->initialize();
    m_list = new TQClist(m_popup, ("cw-list-" + name).c_str());
    m_list->setInternalObject(1);
    m_list->initialize();
    m_list->setUserData(kBackPointer, this);
    m_list->addProcedureV("select proc", "_list_work", _list_work, TQEV_ACTIVATE);
    m_list->addProcedureV("click proc", "_list_ptr_work", _list_ptr_work, TQEV_MOUSE_PRESS);
    const std::pair<const char*, long> settings[] = {
        {_TQNhbarVisible(), 0},
        {_TQNreverseSelect(), 0},
        {_TQNmargin(), static_cast<long>(m_shadowThickness)},
        {_TQNitemHeight(), m_itemHeight},
        {_TQNincrement(), m_increment},
        {_TQNpageIncrement(), m_pageIncrement},
        {_TQNscrollHeight(), m_itemHeight}};
    for (const auto& [property, value] : settings)
        setNumber(m_list, property, value);
    // Choosing the row that is already selected still counts as a choice.
    m_list->setAbsoluteChangeSelectFlag(1);
    raiseMaxHeight();
}

// Window and list take the box's colours; the look decides the frame.
void TQCcomboBox::frameDropDown(long x, long y, long h)
{
    long t = m_shadowThickness, w = m_width;
    long policy = TQDappDev::getGuiPolicy();
    for (TQCbase* part : {static_cast<TQCbase*>(m_popup), static_cast<TQCbase*>(m_list)}) {
        setNumber(part, _TQNforeColor(), m_foreColor);
        setNumber(part, _TQNbackColor(), m_backColor);
        setNumber(part, _TQNtopShadowColor(), m_topShadowColor);
        setNumber(part, _TQNbottomShadowColor(), m_bottomShadowColor);
    }
    if (policy & 1) {
        setNumber(m_popup, _TQNshadowThickness(), t);
        setNumber(m_popup, _TQNshadowType(), 0);
    } else if (policy & 2) {
        setNumber(m_popup, _TQNshadowThickness(), 1);
        setNumber(m_popup, _TQNshadowType(), 4);
    }
    const std::pair<const char*, long> window[] = {
        {_TQNx(), x}, {_TQNy(), y}, {_TQNwidth(), w}, {_TQNheight(), h}, {_TQNtitleBar(), 0}};
    for (const auto& [property, value] : window)
        setNumber(m_popup, property, value);
    setNumber(m_list, _TQNworkBackColor(), m_workBackColor);
    long inset = (policy & 1) ? t + 2 : t;
    if (policy & 3) {
        const std::pair<const char*, long> place[] = {
            {_TQNx(), inset},
            {_TQNy(), inset},
            {_TQNwidth(), atLeastOne(w - 2 * inset)},
            {_TQNheight(), atLeastOne(h - 2 * inset)},
            {_TQNshadowThickness(), (policy & 1) ? t : 0}};
        for (const auto& [property, value] : place)
            setNumber(m_list, property, value);
    }
}

// Every opening starts at the top with no row selected; the box's own
// text is not looked up.
void TQCcomboBox::fillList(const std::vector<std::string>& rows)
{
    setNumber(m_list, _TQNpixmapStyle(), 1);
    m_list->delAll();
    m_list->setSelectItemChanged(0);
    setNumber(m_list, _TQNvbarValue(), 0);
    for (const std::string& row : rows)
        m_list->addItem(row.c_str(), -1);
}

// The list holds the pointer and the focus, and the keys come here first.
// A list given the focus selects its first row; the opening keeps none.
void TQCcomboBox::takeInput()
{
    TQDdev* listDev = m_list->getowndev();
    if (listDev == nullptr)
        return;
    setDeviceFlag(listDev, TQDdev::VALUE_GRAB, 1);
    LifeGuard guard(this);
    m_list->setEnableActivate(0);
    m_list->setFocus(1);
    if (!guard.alive())
        return;
    long selected = m_list->getSelectedPos();
    if (selected >= 0)
        m_list->setSelected(selected, 0, 0);
    m_list->setSelectItemChanged(0);
    m_list->setEnableActivate(1);
    if (TQDkeyboard* keyboard = TQGIappKeyboard())
        keyboard->setSpecialInputWorkProc(_special_key_handler, this, this);
}

void TQCcomboBox::startTracking()
{
    TQDprivateTimer* timer = trackingTimer(true);
    if (timer == nullptr)
        return;
    g_trackedBox = this;
    timer->setWorkProc(_list_timer_work, this);
    timer->startTimer();
}

// ---------------------------------------------------------------------------
// Closing

long TQCcomboBox::_menu_popdown()
{
    releaseGrab();
    hideDropDown();
    if (TQDprivateTimer* timer = trackingTimer(false))
        timer->stopTimer();
    forgetMouseFocus();
    LifeGuard guard(this);
    if (getUserLongData(kCancelled) == 0) {
        commitSelection();
        if (!guard.alive())
            return 0;
        resetSpecialKeys();
        setFocus(1);
        return 0;
    }
    setFocus(1);
    if (guard.alive())
        resetSpecialKeys();
    return 0;
}

void TQCcomboBox::cancel()
{
    setUserLongData(kCancelled, 1);
    _menu_popdown();
}

void TQCcomboBox::releaseGrab()
{
    if (m_list != nullptr)
        setDeviceFlag(m_list->getowndev(), TQDdev::VALUE_GRAB, 0);
}

void TQCcomboBox::hideDropDown()
{
    if (m_popup == nullptr)
        return;
    if (numberOf(m_popup, _TQNheight()) < kStretchHeight)
        m_popup->setVisible(0);
    else
        TQGFstretchPopdown(m_popup);
}

// The hidden list keeps no claim on the pointer.
void TQCcomboBox::forgetMouseFocus()
{
    TQDmouse* mouse = TQGIappMouse();
    if (mouse != nullptr && m_list != nullptr && mouse->getMouseFocusClient() == m_list)
        mouse->setMouseFocusClient(nullptr);
}

void TQCcomboBox::resetSpecialKeys()
{
    TQDkeyboard* keyboard = TQGIappKeyboard();
    if (keyboard != nullptr && keyboard->getSpecialFocusInstance() == this)
        keyboard->resetSpecialInputWorkProc();
}

void TQCcomboBox::commitSelection()
{
    if (m_list == nullptr || m_list->getSelectedPos() < 0 || m_field == nullptr)
        return;
    TQCstring text = m_list->getSelectedItem();
    m_field->setPropertyV(_TQNlabelString(), text.getString(-2));
    onActivate();
}

// A box that goes takes nothing, runs nothing and moves no focus: it only
// lets go of what its drop-down holds.
void TQCcomboBox::closeForGood()
{
    releaseGrab();
    if (m_popup != nullptr && m_popup->getOwnVisible())
        m_popup->setVisible(0);
    if (g_trackedBox == this) {
        g_trackedBox = nullptr;
        if (TQDprivateTimer* timer = trackingTimer(false)) {
            timer->stopTimer();
            timer->setWorkProc(nullptr, nullptr);
        }
    }
    forgetMouseFocus();
    resetSpecialKeys();
}

// ---------------------------------------------------------------------------
// Pointer

void TQCcomboBox::_list_timer_work(void* box)
{
    if (box != nullptr && box == g_trackedBox)
        static_cast<TQCcomboBox*>(box)->trackPointer();
}

// A moved pointer takes the selection over from the keys; a resting one
// leaves their choice alone.
void TQCcomboBox::trackPointer()
{
    if (m_list == nullptr)
        return;
    short px = 0, py = 0;
    getMouseAddr(&px, &py);
    if (px != g_lastX || py != g_lastY) {
        m_keySelection = 0;
        g_lastX = px;
        g_lastY = py;
    }
    if (m_keySelection)
        return;
    long viewWidth = numberOf(scrolledFrameOf(m_list), _TQNwidth());
    TQClistData& rows = m_list->getLabels();
    for (long i = 0; i < rows.getNum(); ++i) {
        TQCbase* row = static_cast<TQCbase*>(rows.getData(i));
        short qx = 0, qy = 0;
        row->getMouseAddr(&qx, &qy);
        if (qx > 0 && qx < viewWidth && qy > 0 && qy < numberOf(row, _TQNheight())) {
            LifeGuard guard(this);
            selectQuietly(i);
            if (guard.alive())
                m_list->cdraw();
            return;
        }
    }
}

// Selects without running the list's ACTIVATE and without marking a
// change, so that nothing is chosen yet.
void TQCcomboBox::selectQuietly(long row)
{
    LifeGuard guard(m_list);
    m_list->setEnableActivate(0);
    m_list->setSelectPos(row, 1);
    if (!guard.alive())
        return;
    m_list->setSelectItemChanged(0);
    m_list->setEnableActivate(1);
}

// While the list holds the pointer, presses outside it come here too.
void TQCcomboBox::_list_ptr_work(TQCbase* list)
{
    if (TQCcomboBox* box = boxOf(list))
        box->pressOnList();
}

// Outside the list cancels; inside the rows' view chooses the row under
// the pointer; the list's margin and scroll bar do neither.
void TQCcomboBox::pressOnList()
{
    LifeGuard guard(this);
    trackPointer();
    if (!guard.alive() || m_list == nullptr)
        return;
    short mx = 0, my = 0;
    m_list->getMouseAddr(&mx, &my);
    long x = mx - numberOf(m_list, _TQNhbarValue());
    long y = my - numberOf(m_list, _TQNvbarValue());
    if (x < 0 || x > numberOf(m_list, _TQNwidth()) || y < 0 ||
        y > numberOf(m_list, _TQNheight())) {
        releaseGrab();
        cancel();
        return;
    }
    TQCbase* view = scrolledFrameOf(m_list);
    if (x > 0 && x < numberOf(view, _TQNwidth()) && y > 0 && y < numberOf(view, _TQNheight())) {
        m_list->setSelectItemChanged(1);
        m_list->onActivate();
    }
}

void TQCcomboBox::_list_work(TQCbase* list)
{
    TQCcomboBox* box = boxOf(list);
    if (box == nullptr || box->m_list == nullptr || !box->m_list->getSelectItemChanged())
        return;
    box->releaseGrab();
    box->_menu_popdown();
}

// The button opens and closes; a press with the third button does
// neither. It is released at once: the list holds the pointer now.
void TQCcomboBox::_btn_work(TQCbase* button)
{
    TQCcomboBox* box = boxOf(button);
    if (box == nullptr)
        return;
    LifeGuard guard(button);
    TQDmouse* mouse = TQGIappMouse();
    if (mouse == nullptr || !(mouse->getStatus() & TQDmouse::STATUS_BUTTON3)) {
        if (box->isOpen())
            box->_menu_popdown();
        else
            box->_menu_popup();
    }
    if (!guard.alive())
        return;
    short x = 0, y = 0;
    button->getMouseAddr(&x, &y);
    TQCpoint point = {x, y};
    button->execEventProc(TQEV_MOUSE_RELEASE, &point);
}

void TQCcomboBox::_btn_key_press_work(TQCbase* button)
{
    TQDkeyboard* keyboard = TQGIappKeyboard();
    long key = keyboard != nullptr ? keyboard->getKey() : 0;
    if (key != TQDkeyboard::KEY_RETURN && key != TQDkeyboard::KEY_UP &&
        key != TQDkeyboard::KEY_DOWN)
        return;
    LifeGuard guard(button);
    _btn_work(button);
    if (guard.alive())
        button->onMouseOut();
}

// ---------------------------------------------------------------------------
// Keys

// Up or Down in the field opens the drop-down and goes no further.
void TQCcomboBox::_key_hook_work(TQCbase* field)
{
    TQCcomboBox* box = boxOf(field);
    if (box == nullptr)
        return;
    LifeGuard guard(box);
    box->execProcedure(TQEV_KEY_HOOK);
    TQDkeyboard* keyboard = TQGIappKeyboard();
    if (!guard.alive() || keyboard == nullptr)
        return;
    long key = keyboard->getKey();
    if ((key == TQDkeyboard::KEY_UP || key == TQDkeyboard::KEY_DOWN) && !box->isOpen()) {
        box->_menu_popup();
        keyboard->setKey(0);
    }
}

unsigned char TQCcomboBox::_special_key_handler(void* box, TQDkeyboard* keyboard,
                                                unsigned char pressed)
{
    return static_cast<TQCcomboBox*>(box)->keyWhileOpen(keyboard, pressed);
}

// Every release while open is swallowed, and so is every key used here.
unsigned char TQCcomboBox::keyWhileOpen(TQDkeyboard* keyboard, unsigned char pressed)
{
    if (m_popup == nullptr)
        return 1;
    if (!m_popup->getVisible()) {
        resetSpecialKeys();
        return 1;
    }
    long key = keyboard->getKey();
    if (TQDkeyboard::isCancelKey(key)) {
        if (pressed) {
            releaseGrab();
            cancel();
        }
        return 0;
    }
    switch (key) {
    case TQDkeyboard::KEY_RETURN:
        if (pressed) {
            LifeGuard guard(this);
            _menu_popdown();
            if (guard.alive() && m_list != nullptr)
                m_list->onActivate();
        }
        return 0;
    case TQDkeyboard::KEY_UP:
    case TQDkeyboard::KEY_DOWN:
        if (pressed)
            moveSelection(key == TQDkeyboard::KEY_DOWN);
        return 0;
    default:
        return pressed ? selectByInitial(keyboard) : 0;
    }
}

// Up from no selection goes to the first row, Down to the last; neither
// goes past an end.
void TQCcomboBox::moveSelection(bool down)
{
    m_keySelection = 1;
    long selected = m_list->getSelectedPos();
    long last = m_list->getNum() - 1;
    if (down)
        selectByKey(selected < 0 ? last : (selected < last ? selected + 1 : last), SCROLL_DOWN);
    else
        selectByKey(selected <= 0 ? 0 : selected - 1, SCROLL_UP);
}

// A letter or digit selects the first row that begins with it, scrolled to
// the top; any other key, or one no row begins with, goes on.
unsigned char TQCcomboBox::selectByInitial(TQDkeyboard* keyboard)
{
    const char* text = keyboard->getText(-2);
    unsigned char c = text != nullptr ? static_cast<unsigned char>(text[0]) : 0;
    if (!isAsciiAlnum(c))
        return 1;
    for (long row = 0; row < m_list->getNum(); ++row) {
        TQCstring item = m_list->getItem(row, -1);
        const char* bytes = item.getString(-2);
        if (bytes != nullptr && static_cast<unsigned char>(bytes[0]) == c) {
            selectByKey(row, SCROLL_TO_TOP);
            return 0;
        }
    }
    return 1;
}

// The row is selected without the list's ACTIVATE, brought into view and
// given the focus; nothing is chosen yet.
void TQCcomboBox::selectByKey(long row, int scroll)
{
    LifeGuard guard(m_list);
    m_list->setEnableActivate(0);
    m_list->setSelectPos(row, 1);
    if (!guard.alive())
        return;
    if (scroll == SCROLL_TO_TOP || (scroll == SCROLL_UP && row < m_list->getTopPos()))
        m_list->setTopPos(row);
    else if (scroll == SCROLL_DOWN && row > m_list->getBottomPos())
        m_list->setBottomPos(row);
    if (TQCbase* label = m_list->getLabel(row))
        label->setFocus(1);
    if (!guard.alive())
        return;
    m_list->setSelectItemChanged(0);
    m_list->setEnableActivate(1);
}
