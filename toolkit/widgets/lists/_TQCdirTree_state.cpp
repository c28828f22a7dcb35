// Directory tree: selecting a path by name, the selected path, and the rows
// written to a text and read back.
#include "_TQCdirTree.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include "_TQClist_internal.h"
#include "_TQCvlabel.h"
#include "_TQGFstring.h"

using namespace tqlist;

namespace {

// The byte a quoted comma stands in for while a row is split.
const char kQuotedComma = '\xFF';
const long kFields = 7;
const long kTextFields = 3;

std::string labelOf(TQCbase* row)
{
    return TQCstring(row->getProperty(_TQNlabelString())).getString(-2);
}

// Backslashes and slashes, single or in runs, part the words.
std::vector<std::string> pathWords(const char* path)
{
    std::vector<std::string> words(1);
    char previous = '\0';
    for (const char* c = path; *c != '\0'; ++c) {
        bool separator = *c == '/' || *c == '\\';
        if (separator && !(previous == '/' || previous == '\\'))
            words.emplace_back();
        else if (!separator)
            words.back() += *c;
        previous = *c;
    }
    return words;
}

void keepText(char*& field, const std::string& text)
{
    if (field != nullptr && text == field)
        return;
    delete[] field;
    field = TQGFstrdup(text.c_str());
}

std::string quoteCommas(const std::string& text)
{
    std::string quoted;
    for (char c : text) {
        if (c == ',')
            quoted += '\\';
        quoted += c;
    }
    return quoted;
}

// One row of a state text.
struct RowState {
    std::string path, text, icon;
    long flags = 0, level = 0, selected = 0, shown = 0;
};

// A number field is empty (0) or a whole decimal number within a long.
bool readNumber(const std::string& field, long* value)
{
    *value = 0;
    if (field.empty())
        return true;
    errno = 0;
    char* end = nullptr;
    *value = std::strtol(field.c_str(), &end, 10);
    return errno == 0 && end != field.c_str() && *end == '\0';
}

// Missing fields read as empty; more than seven, a number that is not one
// or a negative level make the row malformed.
bool readRow(std::string line, RowState* row)
{
    for (size_t at = line.find("\\,"); at != std::string::npos; at = line.find("\\,", at))
        line.replace(at, 2, 1, kQuotedComma);
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == ',')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    if (static_cast<long>(fields.size()) > kFields)
        return false;
    fields.resize(kFields);
    for (long i = 0; i < kTextFields; ++i)
        for (char& c : fields[i])
            if (c == kQuotedComma)
                c = ',';
    row->path = fields[0];
    row->text = fields[1];
    row->icon = fields[2];
    long* numbers[] = {&row->flags, &row->level, &row->selected, &row->shown};
    for (long i = 0; i < 4; ++i)
        if (!readNumber(fields[kTextFields + i], numbers[i]))
            return false;
    return row->level >= 0;
}

// A line feed after the last row is allowed; an empty line elsewhere is not.
bool readRows(const std::string& text, std::vector<RowState>* rows)
{
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        RowState row;
        if (end == start || !readRow(text.substr(start, end - start), &row))
            return false;
        rows->push_back(row);
        start = end + 1;
    }
    return true;
}

} // namespace

// ---------------------------------------------------------------------------
// The selected path

long TQCdirTree::setSelectedDirName(const char* path, unsigned char open)
{
    if (path == nullptr)
        return -1;
    std::vector<std::string> words = pathWords(path);
    // Before its first layout the tree has no row to start from.
    if (getNum() == 0)
        _lb_adjust();
    if (getNum() == 0)
        return -1;
    LifeGuard guard(this);
    openRow(getLabel(0));
    long start = 0;
    for (size_t k = 0; k < words.size(); ++k) {
        long found = -1;
        for (long i = start; i < getNum() && found < 0; ++i) {
            TQCbase* row = getLabel(i);
            if (row->getOwnVisible() && labelOf(row) == words[k])
                found = i;
        }
        if (found < 0) {
            _redraw_scr();
            return -1;
        }
        bool last = k + 1 == words.size();
        if (last) {
            clearSelectedFlags();
            if (found != getSelectedPos())
                setSelectPos(found, 1);
            if (!guard.alive())
                return 0;
        }
        if (!last || open)
            openRow(getLabel(found));
        start = found;
    }
    _redraw_scr();
    return 0;
}

// A closed row opens as a press on its box would open it.
void TQCdirTree::openRow(TQCbase* row)
{
    if (row == nullptr || userLong(row, TQCvlabel::ROW_OPEN) != 0)
        return;
    setUserLong(row, TQCvlabel::ROW_OPEN, 1);
    setUserLong(row, TQCvlabel::ROW_OPEN_CHANGED, 1);
    _lb_adjust();
}

char* TQCdirTree::getSelectedDirName()
{
    long selected = getSelectedPos();
    keepText(m_dirName, selected < 0 ? "/" : pathOf(getLabel(selected)));
    return m_dirName;
}

void TQCdirTree::getWorkTQNdirName(char** path)
{
    long selected = getSelectedPos();
    keepText(m_dirName, selected < 0 ? "" : pathOf(getLabel(selected)));
    *path = m_dirName;
}

void TQCdirTree::getWorkTQNfileName(char** path)
{
    long selected = getSelectedPos();
    keepText(m_fileName, selected < 0 ? "" : pathOf(getLabel(selected)));
    *path = m_fileName;
}

// ---------------------------------------------------------------------------
// State text

TQCstring TQCdirTree::getDirInf()
{
    std::string text;
    for (long i = 0; i < getNum(); ++i) {
        TQCbase* row = getLabel(i);
        std::string path = pathOf(row);
        std::string icon = TQCstring(row->getProperty(_TQNlabelPixmap())).getString(-2);
        if (i > 0)
            text += '\n';
        text += quoteCommas(path) + ',' + quoteCommas(labelOf(row)) + ',' + quoteCommas(icon);
        for (long number : {nodeFlags(path), userLong(row, TQCvlabel::ROW_LEVEL),
                            userLong(row, TQCvlabel::ROW_SELECTED) != 0 ? 1L : 0L,
                            row->getOwnVisible() ? 1L : 0L})
            text += ',' + std::to_string(number);
    }
    return TQCstring(text.c_str(), -2);
}

// The whole text is read before any row changes. The list's own selection
// rule then applies to the remembered row: with reverseSelect a row that
// is already selected is unselected.
long TQCdirTree::setDirInf(TQCstring text)
{
    std::vector<RowState> rows;
    if (!readRows(text.getString(-2), &rows))
        return -1;
    if (rows.empty())
        return 0;
    long remembered = 0;
    for (long i = 0; i < static_cast<long>(rows.size()); ++i) {
        const RowState& state = rows[static_cast<size_t>(i)];
        TQCbase* row = i < getNum() ? getLabel(i) : nullptr;
        if (row != nullptr)
            row->setPropertyV(_TQNlabelString(), state.text.c_str());
        else if (addItem(state.text.c_str(), -1) == 0)
            row = getLabel(i);
        if (row == nullptr)
            return -1;
        row->setPropertyV(_TQNuserString(), state.path.c_str());
        row->setPropertyV(_TQNlabelPixmap(), state.icon.c_str());
        setUserLong(row, TQCvlabel::ROW_LEVEL, state.level);
        setNodeFlags(state.path, state.flags);
        setUserLong(row, TQCvlabel::ROW_OPEN, (state.flags & NODE_OPEN) != 0 ? 1 : 0);
        row->setVisible(state.shown != 0 ? 1 : 0);
        if (state.selected != 0)
            remembered = i;
    }
    LifeGuard guard(this);
    setSelectPos(remembered, 1);
    if (guard.alive())
        updateList();
    return 0;
}
