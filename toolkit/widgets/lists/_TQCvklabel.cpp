// Row label: construction and the two select colours, the focus and the
// keyboard procedure, the key map (focus moves, single moves, Shift and
// Control ranges), presses (right-button pre-selection, the tree expander,
// single, Control and Shift selection), the double click, and drawing in
// the list's row style.
#include "_TQCvklabel.h"

#include <cstdint>
#include <string>

#include "_TQCindexVariantData.h"
#include "_TQClist.h"
#include "_TQClist_internal.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDdev.h"
#include "_TQDkeyboard.h"
#include "_TQDmouse.h"
#include "_TQGFdebug.h"
#include "_TQGFtrigger.h"

TQ_TYPE_SERVER_FRAME(TQCvklabel, TQCvlabel);

using namespace tqlist;

namespace {

const char* const kSourceName = "_TQCvklabel.cpp";
const char* const kAnchor = "mselect-pos1";
const char* const kCurrent = "mselect-pos2";
const char* const kPopupMenu = "PM-SERVER";
// Modifier bits of the mouse service's status.
const unsigned long kShift = 1;
const unsigned long kControl = 4;

long variantLong(TQCbase* object, const char* key)
{
    TQCvariant* value = object->getVariantData(key);
    return value != nullptr ? value->getLong() : 0;
}

unsigned long mouseStatus()
{
    TQDmouse* mouse = TQGIappMouse();
    return mouse != nullptr ? mouse->getMouseStatus() : 0;
}

} // namespace

TQCvklabel::TQCvklabel(TQCbase* parent, const char* name) : TQCvlabel(parent, name)
{
    _register_focus_move();
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        // The defaults are only reported: a new row starts unselected, with
        // 0 and 0, so initialize() does not apply them.
        TQ_WATCH(r, selectColor, -7)->setInit(0);
        TQ_WATCH(r, selectForeColor, -18)->setInit(0);
        r.triggers({TQEV_KEY_PRESS, TQEV_KEY_RELEASE, TQEV_FOCUS_CH, TQEV_ACTIVATE});
    });
}

// Unselected: the constructor's 0 and 0 in place of the reported defaults.
void TQCvklabel::getMadeValues(TQCindexVariantData* values)
{
    TQCvlabel::getMadeValues(values);
    values->setData(_TQNselectColor(), TQCvariant(static_cast<short>(0)));
    values->setData(_TQNselectForeColor(), TQCvariant(static_cast<short>(0)));
}

TQCvklabel::~TQCvklabel()
{
    TQDkeyboard* keyboard = TQGIappKeyboard();
    if (keyboard != nullptr && keyboard->getFocusInstance() == this)
        keyboard->resetFocusInputWorkProc();
}

// The colours drawn behind and in the text of the row.
void TQCvklabel::setWorkTQNselectColor(short color)
{
    _select_back_color = color;
}

void TQCvklabel::setWorkTQNselectForeColor(short color)
{
    _select_fore_color = color;
}

long TQCvklabel::_device_initialize()
{
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return -1;
    dev->setEnableEvent(TQEV_MOUSE_PRESS);
    TQCvlabel::_device_initialize();
    return 0;
}

void TQCvklabel::onActivate()
{
    execProcedure(TQEV_ACTIVATE);
}

// ---------------------------------------------------------------------------
// The list around the row

TQClist* TQCvklabel::getList()
{
    TQCbase* parent = getParent();
    return parent != nullptr ? static_cast<TQClist*>(parent->cast("TQClist")) : nullptr;
}

long TQCvklabel::getOwnIndex()
{
    TQClist* list = getList();
    if (list == nullptr)
        return -1;
    TQClistData& rows = list->getLabels();
    for (long i = 0; i < rows.getNum(); ++i) {
        TQCbase* row = static_cast<TQCbase*>(rows.getData(i));
        if (row != nullptr && row->cast("TQCvklabel") == this)
            return i;
    }
    return -1;
}

// The nearest row after (or before) from whose vis is on; -1 for none.
long TQCvklabel::neighbour(TQClist* list, long from, bool down)
{
    long n = list->getNum();
    for (long i = down ? from + 1 : from - 1; i >= 0 && i < n; i += down ? 1 : -1)
        if (list->getLabel(i)->getOwnVisible())
            return i;
    return -1;
}

void TQCvklabel::bringIntoView(TQClist* list, long pos)
{
    if (pos < list->getTopPos())
        list->setTopPos(pos);
    else if (pos > list->getBottomPos())
        list->setBottomPos(pos);
}

void TQCvklabel::focusRow(TQClist* list, long pos)
{
    if (TQCbase* row = list->getLabel(pos))
        row->setFocus(1);
}

void TQCvklabel::setAnchors(TQClist* list, long anchor, long current)
{
    list->setVariantData(kAnchor, TQCvariant(anchor));
    list->setVariantData(kCurrent, TQCvariant(current));
}

// Every row, shown or not, is selected when it lies between anchor and
// end, and unselected otherwise; nothing fires for a single row.
void TQCvklabel::selectRange(TQClist* list, long anchor, long end)
{
    long low = anchor < end ? anchor : end;
    long high = anchor < end ? end : anchor;
    for (long j = 0; j < list->getNum(); ++j)
        list->setSelected(j, j >= low && j <= high ? 1 : 0, 0);
}

void TQCvklabel::_focus_move(long direction)
{
    if (TQCbase* target = giveFocusToward(direction)) {
        target->setAbsoluteDraw(1);
        target->draw();
    }
}

// ---------------------------------------------------------------------------
// Focus and keys

void TQCvklabel::onFocusChange(unsigned char focus)
{
    if (focus && !getSensitive())
        return;
    LifeGuard guard(this);
    if (TQClist* list = getList()) {
        if (list->getReturnKeyFocus()) {
            list->setSpecialFocus(focus);
            if (!guard.alive())
                return;
        }
        unsigned long status = mouseStatus();
        if (!(list->getMultiSelect() && (status & (kShift | kControl)))) {
            long selected = list->getSelectedPos();
            setAnchors(list, selected, selected);
        }
    }
    if (focus) {
        if (TQDkeyboard* keyboard = TQGIappKeyboard())
            keyboard->setFocusInputWorkProc(_key_handler, nullptr, this, this);
    }
    // The FOCUS_CH procedures are run by the focus change itself.
    setAbsoluteDraw(1);
    draw();
}

void TQCvklabel::_key_handler(void* data, TQDkeyboard* keyboard, unsigned char press)
{
    TQCvklabel* row = static_cast<TQCvklabel*>(data);
    if (!row->getVisible() || !row->getSensitive())
        return;
    LifeGuard guard(row);
    if (TQClist* list = row->getList()) {
        list->onKey(keyboard, press);
        if (!guard.alive())
            return;
    }
    row->onKey(keyboard, press);
    if (guard.alive())
        row->execProcedure(press ? TQEV_KEY_PRESS : TQEV_KEY_RELEASE);
}

void TQCvklabel::onKey(TQDkeyboard* keyboard, unsigned char press)
{
    if (!press || keyboard == nullptr || getParent() == nullptr)
        return;
    TQClist* list = getList();
    bool shift = keyboard->withShift() != 0;
    bool control = keyboard->withCntl() != 0;
    long direction = -1;
    switch (keyboard->getKey()) {
    case TQDkeyboard::KEY_TAB:
        direction = shift ? FOCUS_BACKTAB : FOCUS_TAB;
        break;
    case TQDkeyboard::KEY_RIGHT:
        direction = FOCUS_RIGHT;
        break;
    case TQDkeyboard::KEY_LEFT:
        direction = FOCUS_LEFT;
        break;
    case TQDkeyboard::KEY_SPACE:
        if (list != nullptr && getOwnIndex() >= 0)
            list->setSelectPos(getOwnIndex(), 1);
        return;
    case TQDkeyboard::KEY_UP:
    case TQDkeyboard::KEY_DOWN: {
        bool down = keyboard->getKey() == TQDkeyboard::KEY_DOWN;
        if (list == nullptr)
            direction = down ? FOCUS_DOWN : FOCUS_UP;
        else if (!list->getMultiSelect())
            moveSingle(list, down);
        else
            moveMultiple(list, down, shift, control);
        break;
    }
    default:
        return;
    }
    if (direction < 0)
        return;
    if (list != nullptr)
        list->_focus_move(direction);
    else
        _focus_move(direction);
}

// With nothing selected the arrows move only the focus, from this row.
void TQCvklabel::moveSingle(TQClist* list, bool down)
{
    long start = list->getSelectedPos();
    bool focusOnly = start < 0;
    if (focusOnly)
        start = getOwnIndex();
    if (start < 0)
        return;
    long target = neighbour(list, start, down);
    if (target < 0) {
        list->_focus_move(down ? FOCUS_DOWN : FOCUS_UP);
        return;
    }
    LifeGuard guard(list);
    if (!focusOnly) {
        list->setSelectPos(target, 1);
        if (!guard.alive())
            return;
        list->TQCbase::update();
    }
    focusRow(list, target);
    if (!guard.alive())
        return;
    bringIntoView(list, target);
    if (!focusOnly)
        return;
    list->resetUpdateFlag();
    setAnchors(list, target, target);
    if (TQCbase* row = list->getLabel(target))
        row->redraw();
}

void TQCvklabel::moveMultiple(TQClist* list, bool down, bool shift, bool control)
{
    LifeGuard guard(list);
    if (shift) {
        long anchor = variantLong(list, kAnchor);
        long target = neighbour(list, variantLong(list, kCurrent), down);
        if (target < 0)
            return;
        bringIntoView(list, target);
        list->setVariantData(kCurrent, TQCvariant(target));
        focusRow(list, target);
        if (!guard.alive())
            return;
        selectRange(list, anchor, target);
        list->TQCbase::update();
        if (list->getEnableActivate())
            list->onActivate();
        if (guard.alive())
            list->onItemSelected();
        return;
    }
    if (control) {
        long start = getOwnIndex();
        long target = start < 0 ? -1 : neighbour(list, start, down);
        if (target < 0)
            return;
        bringIntoView(list, target);
        setAnchors(list, target, target);
        focusRow(list, target);
        return;
    }
    // A plain arrow makes a single selection, as in a single-selection list.
    long start = variantLong(list, kCurrent);
    bool reverse = list->getReverseSelect() != 0;
    if (reverse)
        setNumber(list, _TQNreverseSelect(), 0);
    setNumber(list, _TQNmultiSelect(), 0);
    long target = neighbour(list, start, down);
    if (target >= 0) {
        list->setSelectPos(target, 1);
        if (!guard.alive())
            return;
        list->resetUpdateFlag();
        setAnchors(list, target, target);
        focusRow(list, target);
        if (!guard.alive())
            return;
        bringIntoView(list, target);
        if (down)
            list->resetUpdateFlag();
    }
    setNumber(list, _TQNmultiSelect(), 1);
    if (reverse)
        setNumber(list, _TQNreverseSelect(), 1);
    list->resetUpdateFlag();
    if (target < 0)
        list->_focus_move(down ? FOCUS_DOWN : FOCUS_UP);
}

// ---------------------------------------------------------------------------
// Mouse

// The open/close box of a tree row: one content height per level in.
bool TQCvklabel::hitsExpander(TQClist* list, const TQCpoint* point)
{
    if (list->getType() != TQClist::TYPE_TREE)
        return false;
    long h = m_height;
    long s = h - 2 * static_cast<long>(m_shadowThickness);
    long level = userLong(this, ROW_LEVEL);
    return s * level < point->x && point->x < s * level + h && 0 < point->y && point->y < h;
}

void TQCvklabel::toggleBranch(TQClist* list)
{
    setUserLong(this, ROW_OPEN, userLong(this, ROW_OPEN) == 0 ? 1 : 0);
    setUserLong(this, ROW_OPEN_CHANGED, 1);
    LifeGuard guard(this);
    list->updateList();
    if (!guard.alive())
        return;
    redraw();
    list->cdraw();
    if (guard.alive())
        setFocus(1);
}

void TQCvklabel::selectByPress(TQClist* list, bool shift, bool control)
{
    long i = getOwnIndex();
    long selected = list->getSelectedPos();
    if (i < 0 || (i == selected && !list->getReverseSelect()))
        return;
    LifeGuard guard(this);
    bool multi = list->getMultiSelect() != 0;
    if (multi && shift) {
        long anchor = variantLong(list, kAnchor);
        list->setVariantData(kCurrent, TQCvariant(i));
        selectRange(list, anchor, i);
        if (list->getEnableActivate())
            list->onActivate();
        if (!guard.alive())
            return;
        list->onItemSelected();
        if (!guard.alive())
            return;
        list->TQCbase::update();
        setAnchors(list, anchor, i);
        setFocus(1);
        return;
    }
    // A plain click in a multi-selection list makes a single selection.
    bool single = multi && !control;
    if (single)
        setNumber(list, _TQNmultiSelect(), 0);
    list->setSelectPos(i, 1);
    if (!guard.alive())
        return;
    list->TQCbase::update();
    setAnchors(list, i, i);
    setFocus(1);
    if (single && guard.alive())
        setNumber(list, _TQNmultiSelect(), 1);
}

// Points outside the row are not its own: the device hands a press to the
// widget under the pointer, but a grab may bring others.
void TQCvklabel::onMousePress(TQCpoint* point)
{
    LifeGuard guard(this);
    TQCvlabel::onMousePress(point);
    if (!guard.alive() || point == nullptr || point->x < 0 || point->y < 0 ||
        point->x >= m_width || point->y >= m_height)
        return;
    TQDmouse* mouse = TQGIappMouse();
    unsigned long buttons = mouse != nullptr ? mouse->getStatus() : 0;
    TQClist* list = getList();
    if (buttons & TQDmouse::STATUS_BUTTON3) {
        long i = getOwnIndex();
        if (list != nullptr && i >= 0)
            list->setPreSelectPos(i);
        return;
    }
    if (!(buttons & TQDmouse::STATUS_BUTTON1))
        return;
    unsigned long status = mouseStatus();
    TQCbase* menu = static_cast<TQCbase*>(getUserData(kPopupMenu));
    if (menu != nullptr && menu->getVisible())
        return;
    if (list == nullptr) {
        setFocus(1);
        return;
    }
    if (hitsExpander(list, point)) {
        toggleBranch(list);
        return;
    }
    selectByPress(list, (status & kShift) != 0, (status & kControl) != 0);
    if (!guard.alive())
        return;
    onActivate();
    if (guard.alive())
        setFocus(1);
}

void TQCvklabel::onMouseDoubleClick(TQCpoint* point)
{
    TQCvlabel::onMouseDoubleClick(point);
    if (point == nullptr || point->x < 0 || point->y < 0 || point->x >= m_width ||
        point->y >= m_height)
        return;
    TQDmouse* mouse = TQGIappMouse();
    if (mouse == nullptr || !(mouse->getStatus() & TQDmouse::STATUS_BUTTON1))
        return;
    TQClist* list = getList();
    if (list != nullptr && getOwnIndex() >= 0)
        list->onItemDoubleClicked();
}

// ---------------------------------------------------------------------------
// Drawing

// The class-wide row settings of the label are set for this drawing only.
long TQCvklabel::draw()
{
    __dbprintf("TQCvklabel::draw %s:%d strart this=0x%x %s\n", kSourceName, __LINE__,
               static_cast<unsigned>(reinterpret_cast<uintptr_t>(this)), getInstanceName());
    if (!getVisible()) {
        __dbprintf("TQCvklabel::draw %s:%d done1 vis=False %s\n", kSourceName, __LINE__,
                   getInstanceName());
        return 0;
    }
    _focus_frame = 0;
    TQClist* list = getList();
    __dbprintf("TQCvklabel::draw %s:%d %s ptr=0x%x\n", kSourceName, __LINE__, getInstanceName(),
               static_cast<unsigned>(reinterpret_cast<uintptr_t>(list)));
    if (list != nullptr) {
        unsigned char mode = list->getType();
        if (mode > ROW_COLUMNS)
            mode = ROW_PLAIN;
        set_vk_draw(mode);
        set_use_icon(list->getUseIcon() ? 1 : 0);
        long current = variantLong(list, kCurrent);
        _focus_frame = current >= 0 && list->getLabel(current) == this && getFocus() ? 1 : 0;
        if (mode == ROW_COLUMNS) {
            const char* positions = list->getBarValue();
            set_bar_pos(positions[0] != '\0'
                            ? TQCstring(positions, -2)
                            : TQCstring(std::to_string(m_width + 10).c_str(), -2));
        }
    }
    long result = TQCvlabel::draw();
    _focus_frame = 0;
    set_vk_draw(ROW_PLAIN);
    set_use_icon(0);
    set_bar_pos(TQCstring("", -2));
    __dbprintf("TQCvklabel::draw %s:%d done2 this=0x%x %s\n", kSourceName, __LINE__,
               static_cast<unsigned>(reinterpret_cast<uintptr_t>(this)), getInstanceName());
    return result;
}
