// Input field: construction and destruction, the properties and their hooks,
// the text model (buffer, labelString cache, length limit, padding and the
// VALUE_CH rule), the text operations and the data-source binding. Keys,
// focus and drawing have files of their own.
#include "_TQCvifield.h"

#include <cstring>
#include <memory>

#include "_TQCbaseList.h"
#include "_TQClocaleSet.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDappDev.h"
#include "_TQDdev.h"
#include "_TQDkeyboard.h"
#include "_TQDtimer.h"
#include "_TQGFfile.h"
#include "_TQGFstring.h"
#include "_TQGFtrigger.h"

TQ_TYPE_SERVER_FRAME(TQCvifield, TQCvlabel);

long TQCvifield::s_blinkTimer = 0;
TQCvifield* TQCvifield::s_blinkOwner = nullptr;

namespace {

const long kUtf8 = 16;
// Pressing, releasing and moving the mouse.
const long kPointerEvents = 0xe000;

bool japaneseLocale()
{
    const char* name = TQGIappLocaleSet()->getSystemLocaleName();
    if (name == nullptr)
        return false;
    for (const char* japanese : {"ja_JP.eucjp", "ja_JP.sjis", "ja_JP.utf8"}) {
        if (std::strcmp(name, japanese) == 0)
            return true;
    }
    return false;
}

u16* emptyText()
{
    u16* text = new u16[1];
    text[0] = 0;
    return text;
}

bool sameText(const u16* a, const u16* b)
{
    long n = TQGFstrlenUCS2(a);
    return n == TQGFstrlenUCS2(b) && std::memcmp(a, b, n * sizeof(u16)) == 0;
}

} // namespace

TQCvifield::TQCvifield(TQCbase* parent, const char* name)
    : TQCvlabel(parent, name), m_dataSource(SOURCE_NONE), m_enableFep(1), m_interCur(1),
      m_enableFocusMove(0), m_fillSpace(0), m_cursorAdjust(1), m_multiLine(0),
      m_ifieldSkipMode(0), m_lengthLimit(1), m_cursorShown(0), m_noHatch(0), m_keepScroll(0),
      m_mouseDrag(0), m_destroying(0), m_returnKeyFocus(0), m_keyInputDisabled(0),
      m_fepStartPending(0), m_displayOnly(0), m_sourcePending(0), m_setByProgram(1)
{
    _register_focus_move();
    m_backColor = -11;
    m_buf = emptyText();
    TQCregisterClass(this, VERSION, registerProperties);
}

void TQCvifield::registerProperties(Registrar& r)
{
    TQ_WATCH_SLOT(r, cursorPos, CursorPosSlot, 0);
    if (japaneseLocale())
        TQ_WATCH_BITS(r, enableFep, 1, fepStatus);
    else
        TQ_WATCH_BITS(r, enableFep, 1, bool1);
    TQ_WATCH_FLAG(r, interCur, 1, bool1);
    TQ_REGISTER_FOCUS_NAMES(r);
    TQ_WATCH_FLAG(r, enableFocusMove, 0, bool1);
    TQ_WATCH_FLAG(r, fillSpace, 0, bool1);
    TQ_WATCH_FLAG(r, cursorAdjust, 1, bool1);
    TQ_WATCH_FLAG(r, ifieldSkipMode, 0, bool1);
    TQ_WATCH_FLAG(r, noHatch, 0, bool1);
    TQ_WATCH_FLAG(r, returnKeyFocus, 0, bool1);
    TQ_WATCH_BITS(r, dataSource, 0, dataSource);
    TQ_WATCH(r, dataSourceName, nullptr);
    TQ_WATCH_FLAG(r, displayOnly, 0, bool3);
    for (const char* unused : {_TQNemboss(), _TQNorientation(), _TQNalignmentH(),
                               _TQNalignmentV(), _TQNautoLineFeeding()})
        r.withdraw(unused);
    r.changeDefault<&TQCvifield::m_backColor>(_TQNbackColor(), -11);
    r.triggers({TQEV_ACTIVATE, TQEV_KEY_PRESS, TQEV_KEY_RELEASE, TQEV_KEY_HOOK, TQEV_FOCUS_CH,
                TQEV_VALUE_CH});
}

TQCvifield::~TQCvifield()
{
    TQDkeyboard* keyboard = TQGIappKeyboard();
    if (keyboard != nullptr) {
        if (getFocus() || keyboard->getFocusInstance() == this) {
            stopBlinking();
            keyboard->resetFocusInputWorkProc();
        }
        if (keyboard->getSpecialFocusInstance() == this)
            keyboard->resetSpecialInputWorkProc();
    }
    if (s_blinkOwner == this)
        stopBlinking();
    TQDappDev* app = TQGIappDev();
    if (app != nullptr && app->getSelectionOwner() == this) {
        m_destroying = 1;
        app->setSelectionOwner(nullptr);
    }
    if (keyboard != nullptr && getowndev() != nullptr)
        keyboard->resetFep(getowndev());
    m_destroying = 1;
    setFocus(0);
    setSpecialFocus(0);
    for (char* text : {m_upward, m_downward, m_leftward, m_rightward, m_return, m_tab,
                       m_backtab, m_dataSourceName})
        delete[] text;
    delete[] m_buf;
}

// Presses, releases and moves come with the device.
long TQCvifield::_device_initialize()
{
    return initializeDeviceWith(kPointerEvents);
}

void TQCvifield::update()
{
    if (m_sourcePending) {
        m_sourcePending = 0;
        bindInstance();
    }
    TQCvlabel::update();
}

// ---------------------------------------------------------------------------
// Text model

long TQCvifield::textLength() const
{
    return TQGFstrlenUCS2(m_buf);
}

// A cursor past the end of the text inserts and deletes at the end.
long TQCvifield::cursorIndex() const
{
    long length = textLength();
    return m_cursor < 0 ? 0 : (m_cursor > length ? length : m_cursor);
}

long TQCvifield::endPosition() const
{
    return m_interCur ? m_maxLength : static_cast<long>(m_maxLength) - 1;
}

void TQCvifield::dropLabelCache()
{
    delete[] m_labelString;
    m_labelString = nullptr;
}

void TQCvifield::_set_text(unsigned short* text)
{
    delete[] m_buf;
    m_buf = text != nullptr ? text : emptyText();
    m_setByProgram = 1;
    _update_text();
}

// The text as it was is kept only where the update itself may change it (a
// single line's line feeds, the length limit) and a change decides the
// report: a long multi-line text is not copied for nothing.
void TQCvifield::_update_text()
{
    dropLabelCache();
    if (m_buf == nullptr)
        m_buf = emptyText();
    bool mayChange = !m_multiLine || m_lengthLimit;
    std::unique_ptr<u16[]> before(mayChange && !m_setByProgram ? TQGFstrdupUCS2(m_buf)
                                                               : nullptr);
    m_lineCount = -1;
    m_cursorCache.cursor = -1;
    _reset_select_string();
    if (!m_multiLine)
        replaceLineFeeds();
    _adjust_max_len();
    _fill_space();
    bool report = m_setByProgram || (before != nullptr && !sameText(before.get(), m_buf));
    m_setByProgram = 0;
    if (report)
        onValueChange();
}

// A single line shows a line feed as backslash and n.
void TQCvifield::replaceLineFeeds()
{
    static const u16 lineFeed[] = {0x0a, 0};
    static const u16 escaped[] = {0x5c, 0x6e, 0};
    for (const u16* p = m_buf; *p != 0; ++p) {
        if (*p != 0x0a)
            continue;
        long all = 0;
        u16* replaced = TQGFreplaceStringUCS2(m_buf, lineFeed, escaped, &all);
        delete[] m_buf;
        m_buf = replaced;
        return;
    }
}

void TQCvifield::_adjust_max_len()
{
    if (m_lengthLimit && textLength() > m_maxLength)
        m_buf[m_maxLength] = 0;
}

void TQCvifield::_fill_space()
{
    if (!m_lengthLimit || !(m_fillSpace || !m_interCur))
        return;
    long length = textLength();
    if (length >= m_maxLength)
        return;
    u16* padded = new u16[m_maxLength + 1];
    std::memcpy(padded, m_buf, length * sizeof(u16));
    for (long i = length; i < m_maxLength; ++i)
        padded[i] = 0x20;
    padded[m_maxLength] = 0;
    delete[] m_buf;
    m_buf = padded;
}

void TQCvifield::onValueChange()
{
    TQClistData* clients = getDataSourceClients();
    if (clients != nullptr && clients->getNum() > 0) {
        std::unique_ptr<char[]> text(TQGFgetString(m_buf, -2));
        TQCvariant value(text.get());
        setDataToDataSourceClients(&value);
    }
    execProcedure(TQEV_VALUE_CH);
}

// ---------------------------------------------------------------------------
// Property hooks

void TQCvifield::setWorkTQNlabelString(char* text)
{
    if (text == nullptr || text[0] == '\0') {
        setCurPos(0);
        _set_text(nullptr);
        return;
    }
    u16* units = TQGFgetUCS2(text, -2);
    if (m_lengthLimit && TQGFstrlenUCS2(units) > m_maxLength)
        units[m_maxLength] = 0;
    setCurPos(0);
    _set_text(units);
}

void TQCvifield::getWorkTQNlabelString(char** text)
{
    if (getPropertyEditMode() && m_dataSource != SOURCE_NONE) {
        *text = nullptr;
        return;
    }
    if (m_labelString == nullptr)
        m_labelString = TQGFgetString(m_buf, -2);
    *text = m_labelString;
}

// A limit switched off by 0 comes back with the next non-zero length.
void TQCvifield::setWorkTQNmaxLength(unsigned short length)
{
    if (!getInitialized() && length == 64)
        return;
    m_lengthLimit = length != 0 ? 1 : 0;
    TQCvlabel::setWorkTQNmaxLength(length);
    if (m_lengthLimit)
        _update_text();
}

void TQCvifield::setWorkTQNcursorPos(short pos)
{
    if (!getInitialized() && pos == 0)
        return;
    setCurPos(pos);
}

// Insert mode shows the text without the blanks overwriting padded it with.
void TQCvifield::setWorkTQNinterCur(unsigned char on)
{
    if (!getInitialized() || !on)
        return;
    TQCstring text(getProperty(_TQNlabelString()));
    text.delTailSpace();
    setPropertyV(_TQNlabelString(), text.getString());
}

// Switched off, the padding goes at once, quietly.
void TQCvifield::setWorkTQNfillSpace(unsigned char on)
{
    if (!getInitialized() || on)
        return;
    TQGFdelTailSpaceUCS2(m_buf);
    dropLabelCache();
    m_cursorCache.cursor = -1;
}

// ---------------------------------------------------------------------------
// Text operations

TQCstring TQCvifield::getString()
{
    std::unique_ptr<char[]> text(TQGFgetString(m_buf, kUtf8));
    return TQCstring(text.get(), kUtf8);
}

void TQCvifield::addString(const char* text, long encoding)
{
    std::unique_ptr<u16[]> added(TQGFgetUCS2(text, encoding));
    _set_text(TQGFaddStringUCS2(m_buf, added.get()));
}

long TQCvifield::setCurPos(long pos)
{
    long end = m_lengthLimit ? endPosition() : 0;
    if (pos == -1 || (m_lengthLimit && pos >= end))
        pos = end;
    else if (pos < -1)
        pos = 0;
    m_cursor = m_anchor = m_selEnd = pos;
    return 1;
}

// A range that ends before the start of the text, or starts past its end,
// would make the selection index outside the buffer.
long TQCvifield::setSelect(long pos, long len)
{
    long end = pos + len;
    long length = textLength();
    if (pos < 0 || end < 0 || pos > length || end > length ||
        (m_lengthLimit && (pos > m_maxLength || end > m_maxLength)))
        return -1;
    m_cursor = m_anchor = pos;
    m_selEnd = end;
    unsigned char keep = m_keepScroll;
    m_keepScroll = 0;
    repaint();
    m_keepScroll = keep;
    return 1;
}

long TQCvifield::getSelectedPos()
{
    return m_anchor < m_selEnd ? m_anchor : m_selEnd;
}

TQCstring TQCvifield::getSelectedString()
{
    long length = textLength();
    long from = getSelectedPos();
    long to = m_anchor < m_selEnd ? m_selEnd : m_anchor;
    from = from > length ? length : from;
    to = to > length ? length : to;
    std::unique_ptr<u16[]> part(new u16[to - from + 1]);
    std::memcpy(part.get(), m_buf + from, (to - from) * sizeof(u16));
    part[to - from] = 0;
    std::unique_ptr<char[]> text(TQGFgetString(part.get(), kUtf8));
    return TQCstring(text.get(), kUtf8);
}

void TQCvifield::replaceSelectedString(const char* text, long encoding)
{
    std::unique_ptr<u16[]> units(TQGFgetUCS2(text, encoding));
    _replace_string(units.get());
    setAbsoluteDraw(1);
    needUpdate();
}

void TQCvifield::deleteSelectedString()
{
    _delete_select_string();
    _update_text();
    setAbsoluteDraw(1);
    needUpdate();
}

void TQCvifield::_get_cur_pos(long* column, long* line, long* index)
{
    *column = m_cursor;
    *line = 0;
    *index = m_cursor;
}

void TQCvifield::onSelectionChange(unsigned char on)
{
    if (m_destroying)
        return;
    if (!on) {
        _reset_select_string();
        repaint();
    }
    TQCvlabel::onSelectionChange(on);
}

// ---------------------------------------------------------------------------
// Data source

void TQCvifield::setWorkTQNdataSource(unsigned char source)
{
    if (m_dataSourceName == nullptr || m_dataSourceName[0] == '\0')
        return;
    bindSource();
    if (source != SOURCE_INSTANCE && getDataSourceServer() != nullptr) {
        getDataSourceServer()->delDataSourceClient(this);
        setDataSourceServer(nullptr);
    }
}

void TQCvifield::setWorkTQNdataSourceName(char*)
{
    bindSource();
}

void TQCvifield::bindSource()
{
    if (m_dataSource == SOURCE_INSTANCE)
        bindInstance();
    else if (m_dataSource == SOURCE_FILE)
        readSourceFile();
}

// A name not found yet is looked up again at every update.
void TQCvifield::bindInstance()
{
    followDataSource(nullptr);
    if (m_dataSourceName == nullptr || m_dataSourceName[0] == '\0')
        return;
    TQCbase* server = findDataSource(m_dataSourceName);
    if (server == nullptr) {
        m_sourcePending = 1;
        return;
    }
    followDataSource(server);
    TQCstring text(server->getProperty(server->getDefaultProperty()));
    setPropertyV(_TQNlabelString(), text.getString());
}

// A file that cannot be read leaves the text as it is.
void TQCvifield::readSourceFile()
{
    if (m_dataSourceName == nullptr || m_dataSourceName[0] == '\0')
        return;
    std::unique_ptr<TQCstring> text(TQGFreadTextFile(m_dataSourceName, -2));
    if (text != nullptr)
        setPropertyV(_TQNlabelString(), text->getString());
}

void TQCvifield::setData(TQCvariant* value, long mode)
{
    if (value == nullptr)
        return;
    TQCstring text(*value, mode == -2 ? -2 : kUtf8);
    setPropertyV(_TQNlabelString(), text.getString());
}

const char* TQCvifield::getDataSourcePropertyName()
{
    return _TQNlabelString();
}
