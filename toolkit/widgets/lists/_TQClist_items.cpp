// List: the programming interface on the rows. Adding, replacing, reading
// and deleting items, the tree values of a row, the selection with its
// events, and the list's side of the keyboard focus.
#include "_TQClist.h"

#include <string>

#include "_TQClist_internal.h"
#include "_TQCscrFrame.h"
#include "_TQCvlabel.h"
#include "_TQDdev.h"
#include "_TQDkeyboard.h"
#include "_TQGFgeometry.h"
#include "_TQGFtrigger.h"

using namespace tqlist;

namespace {

const char* const kAnchor = "mselect-pos1";
const char* const kCurrent = "mselect-pos2";

std::string textOf(TQCbase* row)
{
    return TQCstring(row->getProperty(_TQNlabelString())).getString();
}

} // namespace

long TQClist::itemPos(long pos) const
{
    if (pos == -1)
        pos = getNum() - 1;
    return pos >= 0 && pos < getNum() ? pos : -1;
}

long TQClist::selectionPos(long pos) const
{
    if (pos < 0)
        pos = getNum() - 1;
    return pos < getNum() ? pos : -1;
}

// ---------------------------------------------------------------------------
// Items

TQCbase* TQClist::makeRow(const char* text, long pos)
{
    cancelInput();
    TQCbase* row = TQCbase::getNewInstance(m_labelClass.getString(), this, "lblist-l");
    if (row == nullptr)
        return nullptr;
    long n = getNum();
    row->setInternalObject(1);
    row->initialize();
    long y = n * m_itemHeight - (getNoScroll() ? getVbarValue() : 0);
    const std::pair<const char*, long> geometry[] = {{_TQNx(), 0},
                                                     {_TQNy(), y},
                                                     {_TQNwidth(), m_labelWidth},
                                                     {_TQNheight(), m_itemHeight},
                                                     {_TQNshadowThickness(), 0},
                                                     {_TQNfont(), static_cast<long>(m_font)},
                                                     {_TQNalignmentH(), 0},
                                                     {_TQNbackColor(), getWorkBackColor()},
                                                     {_TQNusePixmap(), 1}};
    for (const auto& [name, value] : geometry)
        setNumber(row, name, value);
    row->setPropertyV(_TQNlabelString(), text != nullptr ? text : "");
    TQGFsetMargin(row, 0);
    short icon = -1;
    row->getPropertyV(_TQNlabelPixmap(), &icon);
    if (m_useIcon && m_iconPixmap != -1 && icon == -1)
        row->setPropertyV(_TQNlabelPixmap(), m_iconPixmap);
    passPointerToView(row);
    row->setVisible(1);
    m_labels.add(row, pos >= 0 && pos < n ? pos : -1);
    needUpdate();
    m_updateFlag = 1;
    return row;
}

// A row takes the presses and releases on it; it hands them on to the view
// as if they had reached it, for the list's and the scrolled form's own
// handling.
void TQClist::passPointerToView(TQCbase* row)
{
    row->addInternalProcedure("scr-press", TQEV_MOUSE_PRESS, _row_press, "_row_press");
    row->addInternalProcedure("scr-release", TQEV_MOUSE_RELEASE, _row_release, "_row_release");
}

void TQClist::_row_press(TQCbase* row)
{
    TQCbase* list = row->getParent();
    if (list != nullptr && list->cast("TQClist") != nullptr)
        _scr_mouse_press(static_cast<TQClist*>(list->cast("TQClist"))->getScrFrame());
}

void TQClist::_row_release(TQCbase* row)
{
    TQCbase* list = row->getParent();
    if (list != nullptr && list->cast("TQClist") != nullptr)
        _scr_mouse_release(static_cast<TQClist*>(list->cast("TQClist"))->getScrFrame());
}

long TQClist::addItem(const char* text, long pos)
{
    return makeRow(text, pos) != nullptr ? 0 : -1;
}

long TQClist::replaceItem(const char* text, long pos)
{
    long at = itemPos(pos);
    if (at >= 0)
        rowAt(at)->setPropertyV(_TQNlabelString(), text != nullptr ? text : "");
    needUpdate();
    m_updateFlag = 1;
    return at >= 0 ? 0 : -1;
}

TQCstring TQClist::getItem(long pos, long col)
{
    long at = itemPos(pos);
    if (at < 0)
        return TQCstring("", -2);
    TQCstring text(textOf(rowAt(at)).c_str(), -2);
    if (col < 0)
        return text;
    return text.getWord(col, getSeparator(), -2);
}

long TQClist::delPos(long pos)
{
    cancelInput();
    long at = itemPos(pos);
    if (at >= 0) {
        TQCbase* row = rowAt(at);
        m_labels.delPos(at);
        delete row;
    }
    needUpdate();
    m_updateFlag = 1;
    m_redrawPending = 1;
    return at >= 0 ? 0 : -1;
}

long TQClist::delAll()
{
    TQClistData rows(m_labels);
    m_labels.clear();
    for (long i = 0; i < rows.getNum(); ++i)
        delete static_cast<TQCbase*>(rows.getData(i));
    needUpdate();
    if (TQCscrFrame* frame = getScrFrame())
        frame->setAbsoluteDraw(1);
    if (getPixmapStyle() == 1)
        redrawFramePixmap();
    delete[] m_data;
    m_data = nullptr;
    m_updateFlag = 1;
    m_redrawPending = 1;
    return 0;
}

TQCbase* TQClist::getLabel(long pos)
{
    long at = itemPos(pos);
    return at >= 0 ? rowAt(at) : nullptr;
}

void TQClist::setLabelProperty(const char* name, const char* value)
{
    for (long i = 0; i < getNum(); ++i)
        rowAt(i)->setPropertyV(name, value);
}

// A position past the last row names no row: nothing changes.
long TQClist::setItemVisible(long pos, unsigned char on)
{
    long at = selectionPos(pos);
    if (at < 0)
        return -1;
    rowAt(at)->setVisible(on ? 1 : 0);
    needUpdate();
    m_updateFlag = 1;
    return 0;
}

long TQClist::setItemValue(long pos, long kind, long value)
{
    long n = getNum();
    if (n == 0)
        return -1;
    long at = pos < 0 || pos >= n ? n - 1 : pos;
    TQCbase* row = rowAt(at);
    switch (kind) {
    case 0:
        setUserLong(row, TQCvlabel::ROW_OPEN, value != 0 ? 1 : 0);
        m_updateFlag = 1;
        break;
    case 1:
        setUserLong(row, TQCvlabel::ROW_LEVEL, value);
        break;
    case 2: {
        if (value == 0)
            break;
        long level = userLong(row, TQCvlabel::ROW_LEVEL);
        for (long i = at - 1; i >= 0 && level >= 1; --i) {
            long depth = userLong(rowAt(i), TQCvlabel::ROW_LEVEL);
            if (depth >= level)
                continue;
            setUserLong(rowAt(i), TQCvlabel::ROW_OPEN, 1);
            m_updateFlag = 1;
            level = depth;
        }
        break;
    }
    case 3:
        if (m_useIcon)
            row->setPropertyV(_TQNlabelPixmap(), reinterpret_cast<const char*>(value));
        break;
    default:
        break;
    }
    return 0;
}

long TQClist::getItemValue(long pos, long kind, long* value)
{
    long at = selectionPos(pos);
    if (at < 0 || (kind != 0 && kind != 1))
        return -1;
    long found = userLong(rowAt(at), kind == 0 ? TQCvlabel::ROW_OPEN : TQCvlabel::ROW_LEVEL);
    if (value != nullptr)
        *value = found;
    return 0;
}

// ---------------------------------------------------------------------------
// Selection

// A selected row shows the list's select colours; 0 and 0 mark a row that
// is not selected.
void TQClist::markSelected(TQCbase* row, bool on)
{
    row->setPropertyV(_TQNselectColor(), on ? m_selectColor : static_cast<short>(0));
    row->setPropertyV(_TQNselectForeColor(), on ? m_selectForeColor : static_cast<short>(0));
    setUserLong(row, TQCvlabel::ROW_SELECTED, on ? 1 : 0);
}

// The row asked for: selected, or with reverseSelect toggled. True when
// that counts as a change of the selection.
bool TQClist::selectOne(TQCbase* row)
{
    bool was = row->getUserData(TQCvlabel::ROW_SELECTED) != nullptr;
    if (m_reverseSelect) {
        markSelected(row, !was);
        return true;
    }
    markSelected(row, true);
    return !was || m_absoluteChange;
}

void TQClist::fireSelection(unsigned char fire)
{
    if (!fire)
        return;
    LifeGuard guard(this);
    if (m_enableActivate)
        onActivate();
    if (guard.alive())
        onItemSelected();
}

// On an empty list nothing is marked and the pre-selected position is -1;
// the events still fire when asked.
long TQClist::setSelectPos(long pos, unsigned char fire)
{
    long n = getNum();
    if (pos > n - 1)
        return -1;
    if (pos < 0)
        pos = n - 1;
    m_preSelected = static_cast<short>(pos);
    if (!m_multiSelect) {
        setVariantData(kAnchor, TQCvariant(pos));
        setVariantData(kCurrent, TQCvariant(pos));
        for (long i = 0; i < n; ++i) {
            TQCbase* row = rowAt(i);
            if (i == pos) {
                if (selectOne(row))
                    m_selectChanged = 1;
            } else {
                if (row->getUserData(TQCvlabel::ROW_SELECTED) != nullptr)
                    m_selectChanged = 1;
                markSelected(row, false);
            }
        }
    } else if (pos >= 0 && selectOne(rowAt(pos))) {
        m_selectChanged = 1;
    }
    LifeGuard guard(this);
    fireSelection(fire);
    if (!guard.alive())
        return 0;
    needUpdate();
    m_updateFlag = 1;
    return 0;
}

long TQClist::setSelected(long pos, unsigned char on, unsigned char fire)
{
    long at = selectionPos(pos);
    if (at < 0)
        return 0;
    TQCbase* row = rowAt(at);
    long was = userLong(row, TQCvlabel::ROW_SELECTED);
    if (on) {
        if (!was)
            setSelectPos(at, fire);
        return was;
    }
    row->setPropertyV(_TQNselectColor(), static_cast<short>(0));
    row->setPropertyV(_TQNselectForeColor(), static_cast<short>(0));
    if (!was)
        return was;
    setUserLong(row, TQCvlabel::ROW_SELECTED, 0);
    m_selectChanged = 1;
    LifeGuard guard(this);
    fireSelection(fire);
    if (guard.alive()) {
        needUpdate();
        m_updateFlag = 1;
    }
    return was;
}

long TQClist::getSelected(long pos)
{
    long at = selectionPos(pos);
    return at >= 0 ? userLong(rowAt(at), TQCvlabel::ROW_SELECTED) : 0;
}

long TQClist::getSelectedNextPos(long pos)
{
    for (long i = pos < 0 ? 0 : pos + 1; i < getNum(); ++i)
        if (rowAt(i)->getUserData(TQCvlabel::ROW_SELECTED) != nullptr)
            return i;
    return -1;
}

long TQClist::getSelectedPos()
{
    return getSelectedNextPos(-1);
}

TQCstring TQClist::getSelectedNextItem(long pos)
{
    long at = getSelectedNextPos(pos);
    return TQCstring(at >= 0 ? textOf(rowAt(at)).c_str() : "", -2);
}

TQCstring TQClist::getSelectedItem()
{
    return getSelectedNextItem(-1);
}

void TQClist::getSelectedLabels(TQClistData& out)
{
    out.clear();
    for (long i = 0; i < getNum(); ++i)
        if (rowAt(i)->getUserData(TQCvlabel::ROW_SELECTED) != nullptr)
            out.add(rowAt(i));
}

long TQClist::setPreSelectPos(long pos)
{
    long n = getNum();
    if (pos > n - 1)
        return -1;
    m_preSelected = static_cast<short>(pos < 0 ? n - 1 : pos);
    onItemPreSelected();
    return 0;
}

void TQClist::onItemSelected()
{
    execProcedure(TRIGGER_ITEM_SELECTED);
}

void TQClist::onItemPreSelected()
{
    execProcedure(TRIGGER_ITEM_PRE_SELECTED);
}

void TQClist::onItemDoubleClicked()
{
    execProcedure(TRIGGER_ITEM_DOUBLE_CLICKED);
}

// ---------------------------------------------------------------------------
// Focus and keys

void TQClist::onKey(TQDkeyboard*, unsigned char press)
{
    execProcedure(press ? TQEV_KEY_PRESS : TQEV_KEY_RELEASE);
}

unsigned char TQClist::canFocus()
{
    for (long i = 0; i < getNum(); ++i)
        if (rowAt(i)->getOwnVisible())
            return 1;
    return 0;
}

// The focus goes on to the first selected row; with none, row 0 is
// selected first.
void TQClist::onFocusChange(unsigned char focus)
{
    TQDkeyboard* keyboard = TQGIappKeyboard();
    LifeGuard guard(this);
    if (m_returnKeyFocus) {
        if (keyboard != nullptr)
            keyboard->resetSpecialInputWorkProc();
        setSpecialFocus(focus ? 1 : 0);
        if (!guard.alive())
            return;
    }
    if (!focus || getNum() == 0)
        return;
    long selected = getSelectedPos();
    if (selected < 0) {
        setSelectPos(0, 1);
        if (!guard.alive() || getNum() == 0)
            return;
        selected = 0;
    }
    rowAt(selected)->setFocus(1);
}

void TQClist::_focus_move(long direction)
{
    if (!m_enableFocusMove)
        return;
    if (TQCbase* target = giveFocusToward(direction))
        target->redraw();
}
