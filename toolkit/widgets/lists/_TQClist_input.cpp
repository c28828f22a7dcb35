// List: editing a row, or one cell of a Detail row, where it stands. A
// second press on a row within 249 ms lays an input field over it; Return,
// leaving the field or starting on another cell writes the text back. The
// per-cell table chooses another input class, or makes a cell read-only or
// digits-only.
#include "_TQClist.h"

#include <cstdlib>
#include <string>

#include "_TQClist_internal.h"
#include "_TQCscrFrame.h"
#include "_TQCvlabel.h"
#include "_TQDkeyboard.h"
#include "_TQGFdebug.h"
#include "_TQGFgeometry.h"
#include "_TQGFstring.h"
#include "_TQGFtrigger.h"

using namespace tqlist;

namespace {

const char* const kRecords = "TQ-input-status";
const char* const kRow = "No.";
const char* const kColumn = "bno";
const char* const kOwner = "plist";
const char* const kTarget = "selected-target";
const char* const kDigitsOnly = "TQ_LIST_NUMONLY";
const char* const kPressTime = "ctime";
const char* const kArmed = "onfire";
const char* const kPressedRow = "target";
const char* const kPressedPos = "pos";
const char* const kDefaultInputClass = "TQCvifield";
const char* const kTextProperty = "labelString";
// A second press this many milliseconds after the first, or sooner, edits.
const long kDoublePress = 249;
enum { STATUS_EDITABLE = 0, STATUS_READ_ONLY = 1, STATUS_DIGITS = 2 };

long numberOf(TQCbase* object, const char* name)
{
    return object->getProperty(name).getLong();
}

// The property of a field that holds its text.
std::string textPropertyOf(TQCbase* field)
{
    char* name = nullptr;
    field->getPropertyV(_TQNuserString(), &name);
    return name != nullptr && name[0] != '\0' ? name : kTextProperty;
}

TQCstring fieldText(TQCbase* field)
{
    return TQCstring(field->getProperty(textPropertyOf(field).c_str()), -2);
}

// Keys a digits-only cell lets through.
bool digitKey(TQDkeyboard* keyboard)
{
    long key = keyboard->getKey();
    return keyboard->isCursorKey() || (key >= 0x130 && key <= 0x139) ||
           (key >= 0x60 && key <= 0x69) || key == 0x12B || key == 0x12D ||
           key == TQDkeyboard::KEY_BACKSPACE || key == TQDkeyboard::KEY_DELETE ||
           key == TQDkeyboard::KEY_INSERT || key == TQDkeyboard::KEY_SPACE ||
           (key >= TQDkeyboard::KEY_LEFT && key <= TQDkeyboard::KEY_DOWN) ||
           key == TQDkeyboard::KEY_RETURN;
}

} // namespace

struct TQClist::InputRecord {
    short pos;
    short col;
    long status;
    TQCvariant value;
    char* className;
    char* propertyName;
};

// ---------------------------------------------------------------------------
// Fields

void TQClist::attachInputProcedures(TQCbase* field, bool focusLose)
{
    if (focusLose)
        field->addInternalProcedure("focus-lose", TQEV_FOCUS_CH, _input_focus_lose,
                                    "_input_focus_lose");
    field->addInternalProcedure("input-fix", TQEV_KEY_HOOK, _input_fix_work, "_input_fix_work");
}

void TQClist::makeDefaultInput()
{
    if (TQCscrFrame* frame = getScrFrame())
        frame->setUserData("scrparent", this);
    TQCbase* field = TQCbase::getNewInstance(kDefaultInputClass, this, "list-in");
    if (field == nullptr)
        return;
    field->initialize();
    field->setInternalObject(1);
    field->setPropertyV(_TQNuserString(), kTextProperty);
    m_defaultInput = field;
    m_currentInput = field;
    attachInputProcedures(field, true);
}

TQClist::InputRecord* TQClist::findRecord(long pos, long col, bool create)
{
    TQClistData* records = static_cast<TQClistData*>(getUserData(kRecords));
    if (records != nullptr) {
        for (long i = 0; i < records->getNum(); ++i) {
            InputRecord* record = static_cast<InputRecord*>(records->getData(i));
            if (record->pos == pos && record->col == col)
                return record;
        }
    }
    if (!create)
        return nullptr;
    if (records == nullptr) {
        records = new TQClistData(8);
        setUserData(kRecords, records);
    }
    InputRecord* record = new InputRecord{static_cast<short>(pos), static_cast<short>(col),
                                          STATUS_EDITABLE, TQCvariant(), nullptr, nullptr};
    records->add(record);
    return record;
}

void TQClist::freeInputRecords()
{
    TQClistData* records = static_cast<TQClistData*>(getUserData(kRecords));
    if (records == nullptr)
        return;
    for (long i = 0; i < records->getNum(); ++i) {
        InputRecord* record = static_cast<InputRecord*>(records->getData(i));
        delete[] record->className;
        delete[] record->propertyName;
        delete record;
    }
    delete records;
    setUserData(kRecords, nullptr);
}

// A cell with a class of its own gets a field of that class, made once and
// kept for every cell of the class.
TQCbase* TQClist::_get_input_instance(long pos, long col)
{
    InputRecord* record = findRecord(pos, col, false);
    if (record == nullptr || record->className == nullptr)
        return m_defaultInput;
    for (long i = 0; i < m_extraInputs.getNum(); ++i) {
        TQCbase* field = static_cast<TQCbase*>(m_extraInputs.getData(i));
        if (std::string(field->getClassName()) == record->className)
            return field;
    }
    TQCbase* field = TQCbase::getNewInstance(record->className, this, "list-in");
    if (field == nullptr)
        return m_defaultInput;
    field->initialize();
    field->setInternalObject(1);
    attachInputProcedures(field, field->existTrigger(TQEV_FOCUS_CH) != 0);
    field->setPropertyV(_TQNuserString(),
                        record->propertyName != nullptr ? record->propertyName : kTextProperty);
    m_extraInputs.add(field);
    return field;
}

// ---------------------------------------------------------------------------
// Starting, fixing and ending an edit

// The field leaves the row, which takes input again.
void TQClist::hideInput(TQCbase* field)
{
    TQCbase* row = static_cast<TQCbase*>(field->getUserData(kTarget));
    field->setUserData(kTarget, nullptr);
    field->setVisible(0);
    if (row != nullptr) {
        row->setSensitive(1);
        row->redraw();
    }
}

// The edit in progress is written back.
void TQClist::fixInput(TQCbase* field)
{
    long col = m_type == TYPE_DETAIL ? userLong(field, kColumn) : 0;
    LifeGuard guard(this);
    onInputFixed(fieldText(field), userLong(field, kRow), col);
    if (guard.alive())
        hideInput(field);
}

void TQClist::_adjust_input(TQCbase* label, long pos, unsigned char show, short x, short)
{
    if (m_currentInput == nullptr)
        return;
    if (label == nullptr) {
        m_currentInput->setVisible(0);
        return;
    }
    if (!show) {
        hideInput(m_currentInput);
        return;
    }
    long rowX = numberOf(label, _TQNx());
    long rowWidth = numberOf(label, _TQNwidth());
    long inner = numberOf(label, _TQNheight()) - 2 * numberOf(label, _TQNshadowThickness());
    long iconCell = inner / 4 + inner;
    long col = 0;
    long fieldX = rowX;
    long fieldWidth = rowWidth;
    if (m_type == TYPE_NORMAL && m_useIcon) {
        fieldX += iconCell;
        fieldWidth -= iconCell;
    } else if (m_type == TYPE_TREE) {
        long depth = userLong(label, TQCvlabel::ROW_LEVEL);
        long indent = m_useIcon ? inner / 4 + (depth + 2) * inner : iconCell + depth * inner;
        fieldX += indent;
        fieldWidth -= indent;
    } else if (m_type == TYPE_DETAIL) {
        const char* separator = getSeparator();
        TQCstring positions(getBarValue(), -2);
        long bars = positions.getWords(separator, -2);
        long left = 0;
        long right = rowWidth;
        col = bars;
        for (long k = 0; k < bars; ++k) {
            long bar = std::atoi(positions.getWord(k, separator, -2).getString());
            if (bar > x) {
                col = k;
                right = bar;
                break;
            }
            left = bar;
        }
        fieldX = m_useIcon ? rowX + left : left;
        fieldWidth = right - left;
        if (m_useIcon && col == 0) {
            fieldX = rowX + iconCell;
            fieldWidth = right - iconCell;
        }
    }
    startEdit(label, pos, col, fieldX, fieldWidth);
}

void TQClist::startEdit(TQCbase* label, long pos, long col, long x, long width)
{
    TQCbase* current = m_currentInput;
    bool detail = m_type == TYPE_DETAIL;
    if (current->getOwnVisible() && userLong(current, kRow) == pos &&
        (!detail || userLong(current, kColumn) == col))
        return;
    LifeGuard guard(this);
    if (current->getOwnVisible() && current->getUserData(kTarget) != nullptr) {
        fixInput(current);
        if (!guard.alive())
            return;
    }
    TQCstring text(label->getProperty(_TQNlabelString()), -2);
    if (detail)
        text = text.getWord(col, getSeparator(), -2);
    TQCbase* field = _get_input_instance(pos, col);
    if (field == nullptr)
        return;
    m_currentInput = field;
    for (auto [name, value] : {std::pair{_TQNx(), x},
                               {_TQNy(), numberOf(label, _TQNy())},
                               {_TQNwidth(), width},
                               {_TQNheight(), numberOf(label, _TQNheight())}})
        setNumber(field, name, value);
    TQGFsetMargin(field, 0);
    setUserLong(field, kDigitsOnly, 0);
    InputRecord* record = findRecord(pos, col, false);
    if (record != nullptr && record->status == STATUS_READ_ONLY) {
        field->setVisible(0);
        return;
    }
    if (record != nullptr && record->status == STATUS_DIGITS)
        setUserLong(field, kDigitsOnly, 1);
    field->setPropertyV(_TQNlabelString(), text.getString());
    setUserLong(field, kRow, pos);
    if (detail)
        setUserLong(field, kColumn, col);
    field->setUserData(kOwner, this);
    field->setUserData(kTarget, label);
    label->setSensitive(0);
    onInputStarted(text, pos, col);
    if (!guard.alive())
        return;
    LifeGuard fieldAlive(field);
    field->setVisible(1);
    if (fieldAlive.alive())
        field->setSpecialFocus(1);
    if (fieldAlive.alive())
        field->setFocus(1);
}

// Return writes the text back; a digits-only cell takes no other keys than
// digits, signs and the editing keys.
void TQClist::_input_fix_work(TQCbase* field)
{
    TQClist* list = static_cast<TQClist*>(field->getUserData(kOwner));
    TQDkeyboard* keyboard = TQGIappKeyboard();
    if (list == nullptr || keyboard == nullptr)
        return;
    LifeGuard guard(field);
    if (keyboard->getKey() == TQDkeyboard::KEY_RETURN && field->getUserData(kTarget) != nullptr) {
        list->fixInput(field);
        if (!guard.alive())
            return;
    }
    if (userLong(field, kDigitsOnly) && !digitKey(keyboard))
        keyboard->setKey(0);
}

void TQClist::_input_focus_lose(TQCbase* field)
{
    TQClist* list = static_cast<TQClist*>(field->getUserData(kOwner));
    if (list == nullptr)
        return;
    if (field->getFocus())
        field->setSpecialFocus(1);
    else if (field->getUserData(kTarget) != nullptr)
        list->fixInput(field);
}

void TQClist::onInputStarted(TQCstring, long, long)
{
    execProcedure(TRIGGER_INPUT_STARTED);
}

// Procedures on INPUT-FIXED still see the row as it was and read the new
// text from the input.
void TQClist::onInputFixed(TQCstring, long pos, long col)
{
    LifeGuard guard(this);
    execProcedure(TRIGGER_INPUT_FIXED);
    if (!guard.alive())
        return;
    TQCstring text = getInputString();
    if (m_type == TYPE_DETAIL)
        replaceItem(text.getString(), pos, col);
    else
        replaceItem(text.getString(), pos);
}

// ---------------------------------------------------------------------------
// Pressing on rows

// The first shown row from the top of the view whose slot holds the point.
TQCbase* TQClist::rowUnder(TQCpoint* point, long* pos)
{
    for (long i = getTopPos(); point != nullptr && i >= 0 && i < getNum(); ++i) {
        TQCbase* row = rowAt(i);
        if (!row->getVisible())
            continue;
        long y = numberOf(row, _TQNy());
        if (y <= point->y && point->y <= y + m_itemHeight) {
            *pos = i;
            return row;
        }
    }
    return nullptr;
}

void TQClist::onScrMousePress(TQCpoint* point)
{
    long pos = -1;
    if (TQCbase* row = rowUnder(point, &pos)) {
        long now = TQGFclocktime();
        if (now - userLong(this, kPressTime) <= kDoublePress) {
            setUserLong(this, kArmed, 1);
            setUserData(kPressedRow, row);
            setUserLong(this, kPressedPos, pos);
        } else {
            setUserLong(this, kPressTime, now);
            setUserLong(this, kArmed, 0);
        }
    }
    TQCscrForm::onScrMousePress(point);
}

// A quick second press released on its own row edits it. Released over
// another row, or over no row, it starts nothing and the timing begins
// afresh.
void TQClist::onScrMouseRelease(TQCpoint* point)
{
    long pos = -1;
    TQCbase* row = rowUnder(point, &pos);
    bool armed = userLong(this, kArmed) != 0;
    if (row == nullptr || armed) {
        LifeGuard guard(this);
        if (row != nullptr && pos == userLong(this, kPressedPos))
            _adjust_input(static_cast<TQCbase*>(getUserData(kPressedRow)), pos, 1,
                          static_cast<short>(point->x), static_cast<short>(point->y));
        if (!guard.alive())
            return;
        setUserLong(this, kArmed, 0);
        setUserLong(this, kPressTime, 0);
    }
    TQCscrForm::onScrMouseRelease(point);
}

// ---------------------------------------------------------------------------
// The input from the program

TQCstring TQClist::getInputString()
{
    if (m_currentInput == nullptr)
        return TQCstring("", -2);
    return fieldText(m_currentInput);
}

void TQClist::setInputString(TQCstring text)
{
    if (m_currentInput != nullptr)
        m_currentInput->setPropertyV(textPropertyOf(m_currentInput).c_str(), text.getString());
}

long TQClist::getInputPos(long* pos, long* col)
{
    if (m_currentInput == nullptr)
        return -1;
    if (pos != nullptr)
        *pos = userLong(m_currentInput, kRow);
    if (col != nullptr)
        *col = m_type == TYPE_DETAIL ? userLong(m_currentInput, kColumn) : 0;
    return 0;
}

// In a Detail row only the one field changes; a column past the row's
// fields leaves the text as it is.
long TQClist::replaceItem(const char* text, long pos, long col)
{
    if (m_type != TYPE_DETAIL)
        return replaceItem(text, pos);
    long at = itemPos(pos);
    if (at < 0)
        return replaceItem(text, pos);
    const char* separator = getSeparator();
    TQCstring row(rowAt(at)->getProperty(_TQNlabelString()), -2);
    long fields = row.getWords(separator, -2);
    std::string joined;
    for (long i = 0; i < fields; ++i) {
        if (i > 0)
            joined += separator;
        joined += i == col ? std::string(text != nullptr ? text : "")
                           : std::string(row.getWord(i, separator, -2).getString());
    }
    return replaceItem(col < fields ? joined.c_str() : row.getString(), pos);
}

void TQClist::cancelInput()
{
    if (m_currentInput != nullptr && m_currentInput->getOwnVisible())
        m_currentInput->setUserData(kTarget, nullptr);
}

long TQClist::setInputStatus(long status, long pos, long col)
{
    findRecord(pos, col, true)->status = status;
    return 0;
}

// On the cell being edited, a new input class takes over at once with the
// text typed so far.
long TQClist::setInputType(const char* className, const char* propertyName, TQCvariant value,
                           long pos, long col)
{
    InputRecord* record = findRecord(pos, col, true);
    record->status = STATUS_EDITABLE;
    delete[] record->className;
    delete[] record->propertyName;
    record->className = TQGFstrdup(className);
    record->propertyName = TQGFstrdup(propertyName);
    record->value = value;
    long editPos = -1, editCol = -1;
    TQCbase* old = m_currentInput;
    if (old == nullptr || getInputPos(&editPos, &editCol) != 0 || editPos != pos ||
        editCol != col)
        return 0;
    TQCbase* field = _get_input_instance(pos, col);
    if (field == nullptr || field == old)
        return 0;
    // Hidden with its row still set, the old field would write it back.
    TQCbase* target = static_cast<TQCbase*>(old->getUserData(kTarget));
    old->setUserData(kTarget, nullptr);
    old->setVisible(0);
    for (const char* name : {_TQNx(), _TQNy(), _TQNwidth(), _TQNheight()})
        setNumber(field, name, numberOf(old, name));
    TQGFsetMargin(field, 0);
    setUserLong(field, kDigitsOnly, 0);
    std::string property = textPropertyOf(old);
    field->setPropertyV(property.c_str(), fieldText(old).getString());
    setUserLong(field, kRow, userLong(old, kRow));
    if (m_type == TYPE_DETAIL)
        setUserLong(field, kColumn, userLong(old, kColumn));
    field->setUserData(kOwner, this);
    field->setUserData(kTarget, target);
    if (target != nullptr)
        target->setSensitive(0);
    m_currentInput = field;
    field->setVisible(1);
    return 0;
}
