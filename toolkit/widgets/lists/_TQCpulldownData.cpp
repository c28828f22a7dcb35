// Menu entries: reading a menu text into entries and records, measuring a
// menu, and finding, reading and changing one entry's flags.
#include "_TQCpulldownData.h"

#include <cstdlib>
#include <cstring>

#include "_TQCfontSet.h"

namespace {

const long kUtf8 = 16;
const long kShiftJis = 21;
const long kBig5 = 50;
// Extra height of a separator under GUI-policy bit 1.
const long kSeparatorExtraB = 4;

bool isSeparatorLabel(const std::string& label)
{
    return label == "SP" || label == "SEPARATOR";
}

std::vector<std::string> splitFields(const std::string& word, const char* separator)
{
    std::vector<std::string> fields;
    TQCstring text(word.c_str(), -2);
    const char* bytes = text.getString(-2);
    for (const TQCstring::Span& span : text.getWordSpans(separator, -2))
        fields.emplace_back(bytes + span.start, span.length);
    return fields;
}

// The text of the cascade whose entry starts at from: after the first "{",
// up to the "}" that closes it, or to the end. Braces are counted in UTF-8,
// where no byte of another character can look like one; the encodings
// whose second bytes can are read through it.
std::string cascadeTextFrom(const char* from, long encoding)
{
    bool convert = encoding == kShiftJis || encoding == kBig5;
    TQCstring tail(from, -2);
    std::string text = convert ? tail.getString(kUtf8) : from;
    size_t open = text.find('{');
    if (open == std::string::npos)
        return "";
    size_t begin = open + 1;
    size_t end = text.size();
    long depth = 0;
    for (size_t p = begin; p < text.size(); ++p) {
        if (text[p] == '{') {
            ++depth;
        } else if (text[p] == '}') {
            if (depth == 0) {
                end = p;
                break;
            }
            --depth;
        }
    }
    std::string inner = text.substr(begin, end - begin);
    if (!convert)
        return inner;
    TQCstring back(inner.c_str(), kUtf8);
    return back.getString(-2);
}

} // namespace

const std::string& TQCmenuEntry::field(size_t n) const
{
    static const std::string none;
    return n < fields.size() ? fields[n] : none;
}

// As the runtime's atoi reads it, a value past the range ending at the
// range's end.
long TQCmenuEntry::value() const
{
    return std::strtol(field(3).c_str(), nullptr, 10);
}

// ---------------------------------------------------------------------------
// Reading a menu text

TQCpulldownData::TQCpulldownData()
    : m_next(nullptr), m_sub(nullptr), m_id(-1), m_separator(0), m_cascaded(0), m_sensitive(1),
      m_toggle(0), m_toggleState(0)
{
}

// The chain is taken apart record by record, so that a long menu does not
// nest one destructor in the next.
TQCpulldownData::~TQCpulldownData()
{
    TQCpulldownData* rest = m_next;
    m_next = nullptr;
    while (rest != nullptr) {
        TQCpulldownData* after = rest->m_next;
        rest->m_next = nullptr;
        delete rest;
        rest = after;
    }
    delete m_sub;
}

std::vector<TQCmenuEntry> TQCpulldownData::entries(const char* text, const char* separator,
                                                   const char* separator2)
{
    std::vector<TQCmenuEntry> out;
    TQCstring whole(text != nullptr ? text : "", -2);
    const char* bytes = whole.getString(-2);
    std::vector<TQCstring::Span> words = whole.getWordSpans(separator2, -2);
    for (size_t i = 0; i < words.size(); ++i) {
        if (words[i].length == 0)
            continue;
        TQCmenuEntry entry;
        entry.fields = splitFields(std::string(bytes + words[i].start, words[i].length),
                                   separator);
        entry.separator = isSeparatorLabel(entry.field(0));
        entry.cascade = !entry.separator && entry.field(1).compare(0, 1, "{") == 0;
        if (entry.cascade) {
            entry.cascadeText = cascadeTextFrom(bytes + words[i].start, whole.getEncoding());
            // The sub-menu's entries are read with it, not again here.
            TQCstring inner(entry.cascadeText.c_str(), -2);
            long spanned = inner.getWords(separator2, -2);
            if (spanned > 1)
                i += static_cast<size_t>(spanned - 1);
        }
        out.push_back(std::move(entry));
    }
    return out;
}

TQCpulldownData* TQCpulldownData::parse(char* text, char* separator, char* separator2)
{
    return build(text, separator, separator2, 0);
}

TQCpulldownData* TQCpulldownData::build(const char* text, const char* separator,
                                        const char* separator2, int depth)
{
    TQCpulldownData* chain = nullptr;
    TQCpulldownData* last = nullptr;
    for (const TQCmenuEntry& entry : entries(text, separator, separator2)) {
        TQCpulldownData* item = new TQCpulldownData;
        if (last == nullptr)
            chain = item;
        else
            last->m_next = item;
        last = item;
        if (entry.separator) {
            item->m_separator = 1;
            continue;
        }
        item->m_label.setString(entry.field(0).c_str(), -2);
        if (entry.cascade) {
            item->m_procName.setString(entry.cascadeText.c_str(), -2);
            item->cascade(separator, separator2, depth + 1);
            continue;
        }
        item->m_procName.setString(entry.field(1).c_str(), -2);
        item->m_shortcut.setString(entry.field(2).c_str(), -2);
        item->m_id = static_cast<short>(entry.value());
        item->m_imageName.setString(entry.field(4).c_str(), -2);
    }
    return chain;
}

void TQCpulldownData::cascade(const char* separator, const char* separator2, int depth)
{
    m_cascaded = 1;
    delete m_sub;
    m_sub = depth <= kDeepestCascade ? build(m_procName.getString(-2), separator, separator2, depth)
                                     : nullptr;
}

long TQCpulldownData::setCascaded(unsigned char on, char* separator, char* separator2)
{
    if (on) {
        cascade(separator, separator2, 1);
        return 0;
    }
    m_cascaded = 0;
    delete m_sub;
    m_sub = nullptr;
    return 0;
}

void TQCpulldownData::add(TQCpulldownData* item)
{
    TQCpulldownData* last = this;
    while (last->m_next != nullptr)
        last = last->m_next;
    last->m_next = item;
}

TQCmenuExtent TQCpulldownData::measure(const std::vector<TQCmenuEntry>& entries, long t,
                                       long itemHeight, unsigned char font, long policy)
{
    TQCmenuExtent extent = {0, 2 * t, false, false};
    TQCfontSet* fonts = TQGIappFontSet();
    long blank = fonts->getStringWidth(font, " ", -2);
    size_t longest = 0;
    for (const TQCmenuEntry& entry : entries) {
        if (entry.separator)
            extent.height += 2 * t + ((policy & 2) ? kSeparatorExtraB : 0);
        else
            extent.height += itemHeight;
        extent.cascade = extent.cascade || entry.cascade;
        if (!entry.field(4).empty() && entry.field(1).find('{') == std::string::npos)
            extent.images = true;
        // The label with the most bytes sets the width, the first of equals.
        const std::string& label = entry.field(0);
        if (label.size() > longest) {
            longest = label.size();
            extent.width = fonts->getStringWidth(font, label.c_str(), -2) + 4 * t + blank;
        }
    }
    return extent;
}

// ---------------------------------------------------------------------------
// Building a menu text

namespace {

const char* orEmpty(const char* text)
{
    return text != nullptr ? text : "";
}

} // namespace

TQCstring TQCpulldownData::textWithItem(const char* text, const char* separator,
                                        const char* separator2, const char* label,
                                        const char* procName, const char* shortcut, long id,
                                        const char* imageName)
{
    std::string before = orEmpty(text);
    TQCstring out(before.c_str(), -2);
    if (!before.empty() && before.back() != '{')
        out << orEmpty(separator2);
    out << orEmpty(label) << orEmpty(separator) << orEmpty(procName) << orEmpty(separator)
        << orEmpty(shortcut) << orEmpty(separator) << id;
    if (imageName != nullptr)
        out << orEmpty(separator) << imageName;
    return out;
}

TQCstring TQCpulldownData::textWithCascade(const char* text, const char* separator,
                                           const char* separator2, const char* label)
{
    TQCstring out(orEmpty(text), -2);
    out.delHeadSpace();
    out.delTailSpace();
    if (out.getString(-2)[0] != '\0')
        out << orEmpty(separator2);
    out << orEmpty(label) << orEmpty(separator) << "{";
    return out;
}

TQCstring TQCpulldownData::textWithCascadeEnd(const char* text)
{
    TQCstring out(orEmpty(text), -2);
    out << "}";
    return out;
}

// ---------------------------------------------------------------------------
// Finding entries

TQCpulldownData* TQCpulldownData::getItem(long n)
{
    if (n < 0)
        return nullptr;
    for (TQCpulldownData* item = this; item != nullptr; item = item->m_next) {
        if (item->m_separator)
            continue;
        if (n-- == 0)
            return item;
    }
    return nullptr;
}

// A deep sub-chain is walked by a list of its own rather than by nesting.
TQCpulldownData* TQCpulldownData::getItemWithId(long id)
{
    std::vector<TQCpulldownData*> pending{this};
    while (!pending.empty()) {
        TQCpulldownData* item = pending.back();
        pending.pop_back();
        if (item->m_id == id)
            return item;
        if (item->m_next != nullptr)
            pending.push_back(item->m_next);
        if (item->m_sub != nullptr)
            pending.push_back(item->m_sub);
    }
    return nullptr;
}

long TQCpulldownData::getItems()
{
    long n = 0;
    for (TQCpulldownData* item = this; item != nullptr; item = item->m_next)
        if (!item->m_separator)
            ++n;
    return n;
}

// ---------------------------------------------------------------------------
// Flags

unsigned char TQCpulldownData::flagAt(long n, Flag flag)
{
    TQCpulldownData* item = getItem(n);
    return item != nullptr ? item->*flag : 0;
}

unsigned char TQCpulldownData::flagWithId(long id, Flag flag)
{
    TQCpulldownData* item = getItemWithId(id);
    return item != nullptr ? item->*flag : 0;
}

unsigned char TQCpulldownData::flagThrough(TQCpulldownData* item, Flag flag, void* states)
{
    if (item == nullptr)
        return 0;
    if (item->m_id >= 0 && states != nullptr)
        return static_cast<TQCpulldownData*>(states)->flagWithId(item->m_id, flag);
    return item->*flag;
}

long TQCpulldownData::setFlagAt(long n, Flag flag, unsigned char on)
{
    if (n < 0)
        return -1;
    TQCpulldownData* item = getItem(n);
    if (item == nullptr)
        return -2;
    item->*flag = on;
    return 0;
}

long TQCpulldownData::setFlagWithId(long id, Flag flag, unsigned char on)
{
    TQCpulldownData* item = getItemWithId(id);
    if (item == nullptr)
        return -2;
    item->*flag = on;
    return 0;
}

unsigned char TQCpulldownData::getSensitive(long n)
{
    return flagAt(n, &TQCpulldownData::m_sensitive);
}

unsigned char TQCpulldownData::getToggle(long n)
{
    return flagAt(n, &TQCpulldownData::m_toggle);
}

unsigned char TQCpulldownData::getToggleState(long n)
{
    return flagAt(n, &TQCpulldownData::m_toggleState);
}

unsigned char TQCpulldownData::getSensitiveWithId(long id)
{
    return flagWithId(id, &TQCpulldownData::m_sensitive);
}

unsigned char TQCpulldownData::getToggleWithId(long id)
{
    return flagWithId(id, &TQCpulldownData::m_toggle);
}

unsigned char TQCpulldownData::getToggleStateWithId(long id)
{
    return flagWithId(id, &TQCpulldownData::m_toggleState);
}

unsigned char TQCpulldownData::_get_sensitive(long n, void* states)
{
    return flagThrough(getItem(n), &TQCpulldownData::m_sensitive, states);
}

unsigned char TQCpulldownData::_get_toggle(long n, void* states)
{
    return flagThrough(getItem(n), &TQCpulldownData::m_toggle, states);
}

unsigned char TQCpulldownData::_get_toggle_state(long n, void* states)
{
    return flagThrough(getItem(n), &TQCpulldownData::m_toggleState, states);
}

unsigned char TQCpulldownData::_get_sensitive_with_id(long id, void* states)
{
    return flagThrough(getItemWithId(id), &TQCpulldownData::m_sensitive, states);
}

unsigned char TQCpulldownData::_get_toggle_with_id(long id, void* states)
{
    return flagThrough(getItemWithId(id), &TQCpulldownData::m_toggle, states);
}

unsigned char TQCpulldownData::_get_toggle_state_with_id(long id, void* states)
{
    return flagThrough(getItemWithId(id), &TQCpulldownData::m_toggleState, states);
}

long TQCpulldownData::isToggle()
{
    for (TQCpulldownData* item = this; item != nullptr; item = item->m_next)
        if (item->m_toggle)
            return 1;
    return 0;
}

long TQCpulldownData::_is_toggle(void* states)
{
    if (states == nullptr)
        return isToggle();
    TQCpulldownData* list = static_cast<TQCpulldownData*>(states);
    for (TQCpulldownData* item = this; item != nullptr; item = item->m_next)
        if (item->m_id >= 0 && list->getToggleWithId(item->m_id))
            return 1;
    return 0;
}

long TQCpulldownData::setSensitive(long n, unsigned char on)
{
    return setFlagAt(n, &TQCpulldownData::m_sensitive, on);
}

long TQCpulldownData::setToggle(long n, unsigned char on)
{
    return setFlagAt(n, &TQCpulldownData::m_toggle, on);
}

long TQCpulldownData::setToggleState(long n, unsigned char on)
{
    return setFlagAt(n, &TQCpulldownData::m_toggleState, on);
}

long TQCpulldownData::setSensitiveWithId(long id, unsigned char on)
{
    return setFlagWithId(id, &TQCpulldownData::m_sensitive, on);
}

long TQCpulldownData::setToggleWithId(long id, unsigned char on)
{
    return setFlagWithId(id, &TQCpulldownData::m_toggle, on);
}

long TQCpulldownData::setToggleStateWithId(long id, unsigned char on)
{
    return setFlagWithId(id, &TQCpulldownData::m_toggleState, on);
}
