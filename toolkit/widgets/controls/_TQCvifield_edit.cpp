// Input field: editing by keys and the mouse. One key event runs KEY_HOOK,
// then the edit (VALUE_CH), then ACTIVATE for Return, then KEY_PRESS; cursor
// keys move the cursor and, at an edge, the focus; the mouse places the
// cursor and drags a selection.
#include "_TQCvifield.h"

#include <memory>

#include "_TQCfontSet.h"
#include "_TQDappDev.h"
#include "_TQDkeyboard.h"
#include "_TQDmouse.h"
#include "_TQGFstring.h"
#include "_TQGFtextLayout.h"
#include "_TQGFtrigger.h"

namespace {

const long kUtf8 = 16;
const long kCtrlC = TQDkeyboard::KEY_CHAR + 'C';
const long kCtrlc = TQDkeyboard::KEY_CHAR + 'c';
const long kCtrlV = TQDkeyboard::KEY_CHAR + 'V';
const long kCtrlv = TQDkeyboard::KEY_CHAR + 'v';

bool isCopyKey(TQDkeyboard* k, long key)
{
    if (!k->withCntl())
        return false;
    return key == kCtrlC || key == kCtrlc || (key == TQDkeyboard::KEY_INSERT && k->isTtyFunction());
}

bool isPasteKey(TQDkeyboard* k, long key)
{
    if (key == TQDkeyboard::KEY_INSERT && k->isTtyFunction() && k->withShift())
        return true;
    return k->withCntl() && (key == kCtrlV || key == kCtrlv);
}

// What display-only mode lets through: moving about and copying.
bool displayOnlyKey(TQDkeyboard* k, long key)
{
    return key == TQDkeyboard::KEY_TAB || k->isCursorKey() ||
           (k->withCntl() && (key == kCtrlC || key == kCtrlc)) ||
           (key == TQDkeyboard::KEY_INSERT && (k->withCntl() || k->withShift()));
}

// The keys of the key table; the others are text.
bool isTableKey(TQDkeyboard* k, long key)
{
    switch (key) {
    case TQDkeyboard::KEY_TAB:
    case TQDkeyboard::KEY_BACKSPACE:
    case TQDkeyboard::KEY_HOME:
    case TQDkeyboard::KEY_END:
        return true;
    case TQDkeyboard::KEY_INSERT:
        return k->isTtyFunction() && !k->withShift() && !k->withCntl();
    case TQDkeyboard::KEY_DELETE:
        return k->isTtyFunction() != 0;
    default:
        return k->isCursorKey() != 0;
    }
}

// The field's own handling, then its onKey, then its key procedures, for as
// long as the field lives.
void deliverKey(TQCvifield* field, TQDkeyboard* keyboard, unsigned char press)
{
    TQCbase::LifeGuard guard(field);
    field->_on_key_input(keyboard, press);
    if (guard.alive())
        field->onKey(keyboard, press ? 1 : 0);
    if (guard.alive())
        field->execProcedure(press ? TQEV_KEY_PRESS : TQEV_KEY_RELEASE);
}

} // namespace

// ---------------------------------------------------------------------------
// Key procedures

void TQCvifield::_key_handler(void* data, TQDkeyboard* keyboard, unsigned char press)
{
    TQCvifield* field = static_cast<TQCvifield*>(data);
    if (!field->getVisible() || !field->getSensitive() || keyboard->withAlt())
        return;
    deliverKey(field, keyboard, press);
}

// Only Return, which it takes (0); any other key goes on (1).
unsigned char TQCvifield::_special_key_handler(void* data, TQDkeyboard* keyboard,
                                                unsigned char press)
{
    TQCvifield* field = static_cast<TQCvifield*>(data);
    if (!field->getVisible() || !field->getSensitive() ||
        keyboard->getKey() != TQDkeyboard::KEY_RETURN)
        return 1;
    deliverKey(field, keyboard, press);
    return 0;
}

void TQCvifield::onKeyHook(TQDkeyboard*) {}

void TQCvifield::onKeyInput(TQDkeyboard* keyboard, unsigned char press)
{
    _on_key_input(keyboard, press);
}

void TQCvifield::onKey(TQDkeyboard* keyboard, unsigned char press)
{
    if (press && keyboard->getKey() == TQDkeyboard::KEY_RETURN)
        onActivate();
}

void TQCvifield::onActivate()
{
    execProcedure(TQEV_ACTIVATE);
}

void TQCvifield::_on_key_input(TQDkeyboard* keyboard, unsigned char press)
{
    if (!getSensitive() || !press)
        return;
    LifeGuard guard(this);
    onKeyHook(keyboard);
    if (guard.alive())
        execProcedure(TQEV_KEY_HOOK);
    if (!guard.alive())
        return;
    long key = keyboard->getKey();
    if (m_displayOnly && !displayOnlyKey(keyboard, key))
        return;
    m_keepScroll = 0;
    if (key == TQDkeyboard::KEY_RETURN && !m_multiLine) {
        if (m_enableFocusMove) {
            focusMove(FOCUS_RETURN, 0);
            if (guard.alive())
                _focus_move_for_combo(FOCUS_RETURN);
        }
        return;
    }
    if (isTableKey(keyboard, key)) {
        editByKey(keyboard, key);
        bool moved = key != TQDkeyboard::KEY_TAB && key != TQDkeyboard::KEY_BACKSPACE &&
                     key != TQDkeyboard::KEY_DELETE && key != TQDkeyboard::KEY_INSERT;
        if (!guard.alive() || (moved && m_multiLine))
            return;
    } else {
        typeText(keyboard, key);
        if (!guard.alive())
            return;
    }
    setCursorFore(1);
    repaint();
}

void TQCvifield::editByKey(TQDkeyboard* keyboard, long key)
{
    static const char arrows[] = {FOCUS_LEFT, FOCUS_UP, FOCUS_RIGHT, FOCUS_DOWN};
    if (key >= TQDkeyboard::KEY_LEFT && key <= TQDkeyboard::KEY_DOWN) {
        moveByArrow(keyboard, arrows[key - TQDkeyboard::KEY_LEFT]);
        return;
    }
    switch (key) {
    case TQDkeyboard::KEY_HOME:
        moveToLineEdge(keyboard, false);
        break;
    case TQDkeyboard::KEY_END:
        moveToLineEdge(keyboard, true);
        break;
    case TQDkeyboard::KEY_TAB:
        tabKey(keyboard);
        break;
    case TQDkeyboard::KEY_BACKSPACE:
        backspaceKey();
        break;
    case TQDkeyboard::KEY_DELETE:
        deleteKey();
        break;
    case TQDkeyboard::KEY_INSERT:
        insertKey();
        break;
    default:
        _fep_cursor_adjust(keyboard);
        break;
    }
}

// Without Shift the selection collapses onto the moved cursor, with Shift
// its end follows it. At a left or right edge only the unshifted key moves
// the focus; up and down move it in any case.
void TQCvifield::moveByArrow(TQDkeyboard* keyboard, char direction)
{
    bool shift = keyboard->withShift() != 0;
    if (_cursor_move(direction) == -1) {
        bool vertical = direction == FOCUS_UP || direction == FOCUS_DOWN;
        if (!shift || vertical)
            focusMove(direction, direction == FOCUS_LEFT ? -1 : 0);
        return;
    }
    if (shift) {
        m_selEnd = m_cursor;
        repaint();
    } else {
        _reset_select_string();
    }
    _fep_cursor_adjust(keyboard);
}

void TQCvifield::moveToLineEdge(TQDkeyboard* keyboard, bool end)
{
    long length = textLength();
    long textEnd = length - (m_interCur ? 0 : 1);
    textEnd = textEnd < 0 ? 0 : textEnd;
    long at = cursorIndex();
    if (keyboard->withCntl()) {
        m_cursor = end ? textEnd : 0;
    } else if (end) {
        while (at < length && m_buf[at] != 0x0a)
            ++at;
        m_cursor = at < length ? at : textEnd;
    } else {
        if (at > 0 && at < length && m_buf[at] == 0x0a)
            --at;
        while (at > 0 && m_buf[at - 1] != 0x0a)
            --at;
        m_cursor = at;
    }
    if (keyboard->withShift()) {
        m_selEnd = m_cursor;
        repaint();
    } else {
        _reset_select_string();
    }
    _fep_cursor_adjust(keyboard);
}

void TQCvifield::tabKey(TQDkeyboard* keyboard)
{
    _reset_select_string();
    long direction = keyboard->withShift() ? FOCUS_BACKTAB : FOCUS_TAB;
    if (m_enableFocusMove) {
        LifeGuard guard(this);
        focusMove(direction, 0);
        if (guard.alive())
            _focus_move_for_combo(direction);
        return;
    }
    const char* named = direction == FOCUS_TAB ? m_tab : m_backtab;
    if (!m_multiLine || named == nullptr || named[0] == '\0')
        return;
    focusMove(direction, 0);
}

void TQCvifield::backspaceKey()
{
    if (m_keyInputDisabled || m_cursor < 0)
        return;
    bool atSelectionEnd = m_cursor == m_selEnd || (m_cursor == m_anchor && m_anchor > m_selEnd);
    if (hasSelection() && atSelectionEnd) {
        _delete_select_string();
    } else {
        _reset_select_string();
        long at = cursorIndex();
        if (at > 0) {
            deleteAt(at - 1);
            m_cursor = at - 1;
            m_setByProgram = 1;
        }
    }
    afterDeletion();
}

// At or after the end of the text there is nothing to delete, and nothing
// changes.
void TQCvifield::deleteKey()
{
    if (m_keyInputDisabled)
        return;
    if (hasSelection()) {
        _delete_select_string();
    } else if (m_cursor >= 0 && m_cursor < textLength()) {
        deleteAt(m_cursor);
        m_setByProgram = 1;
    }
    afterDeletion();
}

void TQCvifield::afterDeletion()
{
    _update_text();
    _fep_cursor_adjust(TQGIappKeyboard());
}

void TQCvifield::insertKey()
{
    if (m_keyInputDisabled)
        return;
    static const u16 blank[] = {0x20, 0};
    _set_text(TQGFinsertStringUCS2(m_buf, cursorIndex(), blank));
    _fep_cursor_adjust(TQGIappKeyboard());
}

void TQCvifield::deleteAt(long index)
{
    TQGFdelStringUCS2(m_buf, index, 1);
}

// The key's text, without line feeds (a single Return line feed in a
// multi-line field); copy and paste keys move it through the keyboard.
// Neither a display-only field nor one whose key input is disabled takes
// pasted text.
void TQCvifield::typeText(TQDkeyboard* keyboard, long key)
{
    if (isCopyKey(keyboard, key)) {
        copySelection(keyboard);
        return;
    }
    if (isPasteKey(keyboard, key)) {
        if (!m_displayOnly && !m_keyInputDisabled)
            paste(keyboard);
        return;
    }
    std::unique_ptr<u16[]> text;
    if (key == TQDkeyboard::KEY_RETURN) {
        text.reset(new u16[2]{0x0a, 0});
    } else {
        text.reset(TQGFgetUCS2(keyboard->getText(kUtf8), kUtf8));
        TQGFdelLineFeedUCS2(text.get());
    }
    if (m_keyInputDisabled || text[0] == 0)
        return;
    LifeGuard guard(this);
    _replace_string(text.get());
    if (!guard.alive())
        return;
    _fep_cursor_adjust(keyboard);
    _update_text();
}

void TQCvifield::copySelection(TQDkeyboard* keyboard)
{
    if (!hasSelection())
        return;
    if (TQDappDev* app = TQGIappDev())
        app->setSelectionOwner(this);
    TQCstring text = getSelectedString();
    keyboard->setSelectedString(text.getString(kUtf8), kUtf8);
}

void TQCvifield::paste(TQDkeyboard* keyboard)
{
    std::unique_ptr<u16[]> text(TQGFgetUCS2(keyboard->getSelectedString(kUtf8), kUtf8));
    LifeGuard guard(this);
    _replace_string(text.get());
    if (!guard.alive())
        return;
    _fep_cursor_adjust(keyboard);
    _update_text();
}

// ---------------------------------------------------------------------------
// Cursor moves and edits

bool TQCvifield::atRightEdge() const
{
    return m_enableFocusMove && m_lengthLimit && m_cursor == endPosition();
}

long TQCvifield::_cursor_move(char direction)
{
    if (m_buf == nullptr) {
        m_cursor = 0;
        return 0;
    }
    switch (direction) {
    case FOCUS_LEFT:
        if (m_enableFocusMove && m_cursor == 0)
            return -1;
        if (m_cursor > 0)
            --m_cursor;
        return 0;
    case FOCUS_RIGHT: {
        if (atRightEdge())
            return -1;
        if (!(m_lengthLimit && m_cursor >= endPosition()))
            ++m_cursor;
        long length = textLength();
        m_cursor = m_cursor > length ? length : m_cursor;
        return 0;
    }
    case FOCUS_UP:
    case FOCUS_DOWN: {
        long column = 0, line = 0;
        TQGFcalcStringXYPos(m_buf, cursorIndex(), &column, &line);
        if (direction == FOCUS_UP) {
            if (m_enableFocusMove && line == 0)
                return -1;
            line = line > 0 ? line - 1 : line;
        } else {
            if (m_lineCount < 0)
                m_lineCount = TQGFgetLinesUCS2(m_buf);
            long last = m_lineCount - 1;
            if (m_enableFocusMove && line >= last)
                return -1;
            line = line < last ? line + 1 : line;
        }
        long pos = 0;
        TQGFcalcStringXYPosToPos(m_buf, column, line, &pos);
        m_cursor = m_lengthLimit && pos > endPosition() ? endPosition() : pos;
        return 0;
    }
    default:
        return -1;
    }
}

// The cursor ends right after the inserted text; past the end position it
// stays on it, and in skip mode the focus then moves on.
void TQCvifield::_replace_string(unsigned short* text)
{
    long n = TQGFstrlenUCS2(text);
    if (m_buf == nullptr || m_buf[0] == 0) {
        delete[] m_buf;
        m_buf = TQGFstrdupUCS2(text);
        m_cursor = n;
        m_setByProgram = 1;
        _update_text();
    } else {
        if (hasSelection())
            _delete_select_string();
        long at = cursorIndex();
        if (!m_interCur && at < textLength())
            deleteAt(at);
        u16* inserted = TQGFinsertStringUCS2(m_buf, at, text);
        m_cursor = at + n;
        _set_text(inserted);
    }
    if (!m_lengthLimit || m_cursor < endPosition())
        return;
    m_cursor = endPosition();
    if (m_ifieldSkipMode && atRightEdge()) {
        LifeGuard guard(this);
        focusMove(FOCUS_RIGHT, 0);
        if (guard.alive())
            _focus_move_for_combo(FOCUS_RIGHT);
    }
}

void TQCvifield::_delete_select_string()
{
    if (!hasSelection())
        return;
    long length = textLength();
    long from = getSelectedPos();
    long to = m_anchor < m_selEnd ? m_selEnd : m_anchor;
    from = from > length ? length : from;
    to = to > length ? length : to;
    TQGFdelStringUCS2(m_buf, from, to - from);
    m_cursor = m_anchor = m_selEnd = from;
    m_setByProgram = 1;
}

// ---------------------------------------------------------------------------
// Focus moves

void TQCvifield::focusMove(long direction, long position)
{
    TQCbase* target = getFocusMoveInstance(direction);
    if (target == nullptr || target == this)
        return;
    if (target->cast("TQCvifield") != nullptr)
        target->setPropertyV(_TQNcursorPos(), static_cast<short>(position));
    LifeGuard guard(target);
    target->setFocus(1);
    if (guard.alive())
        target->draw();
}

void TQCvifield::_focus_move_for_combo(long direction)
{
    TQCbase* combo = getParent();
    if (combo != nullptr && combo->cast("TQCcomboBox") != nullptr)
        moveFocusFrom(combo, direction);
}

// ---------------------------------------------------------------------------
// Mouse

void TQCvifield::onMousePress(TQCpoint* point)
{
    TQCvlabel::onMousePress(point);
    if (!getSensitive() || point == nullptr)
        return;
    m_mouseDrag = 1;
    setOutSideMouseMove(1);
    setOutSideMouseRelease(1);
    TQDkeyboard* keyboard = TQGIappKeyboard();
    if (m_cursorAdjust) {
        m_cursor = m_firstShown + _get_absolute_pos(point->x, point->y);
        _reset_select_string();
    }
    if (keyboard != nullptr) {
        if (m_enableFep == 0 && getowndev() != nullptr)
            keyboard->resetFep(getowndev());
        else
            _fep_cursor_adjust(keyboard);
    }
    LifeGuard guard(this);
    setFocus(1);
    if (guard.alive())
        repaint();
}

// At the first shown character the drag reaches one further left, so that
// the view scrolls back.
void TQCvifield::onMouseMove(TQCpoint* point)
{
    TQCvlabel::onMouseMove(point);
    TQDmouse* mouse = TQGIappMouse();
    if (mouse == nullptr || point == nullptr ||
        !(mouse->getMouseStatus() & TQDmouse::STATUS_BUTTON1) || !m_mouseDrag ||
        !getSensitive() || !m_cursorAdjust)
        return;
    long pos = _get_absolute_pos(point->x, point->y);
    if (pos == 0 && m_firstShown != 0)
        pos = -1;
    m_cursor = m_selEnd = m_firstShown + pos;
    repaint();
}

void TQCvifield::onMouseRelease(TQCpoint* point)
{
    TQCvlabel::onMouseRelease(point);
    setOutSideMouseMove(0);
    setOutSideMouseRelease(0);
    if (getSensitive())
        m_mouseDrag = 0;
}

long TQCvifield::_get_absolute_pos(long x, long y)
{
    TQCrect area = textArea();
    const u16* from = m_buf;
    char layout = 0;
    if (m_multiLine) {
        x += m_scrollX;
        y += m_scrollY;
        layout = 5;
    } else {
        y = area.y;
        long length = textLength();
        from = m_buf + (m_firstShown < length ? m_firstShown : length);
    }
    long pos = 0;
    TQGFcalcStringPosFromAddr(const_cast<u16*>(from), &area, layout,
                              TQGIappFontSet()->getFont(m_font), x, y, &pos, m_interCur);
    return pos;
}
