// List: the item text and its grammar (one row per line, fields split by the
// separator, an icon field first with useIcon, level and open mark first in
// a tree), the text written back from the rows, and the data sources: a
// server's pushed value, another instance's default property, a text file.
#include "_TQClist.h"

#include <cstdlib>
#include <cstring>
#include <memory>

#include "_TQCbaseList.h"
#include "_TQClist_internal.h"
#include "_TQCvlabel.h"
#include "_TQGFfile.h"
#include "_TQGFstring.h"

using namespace tqlist;

namespace {

// What a row without an image writes in its icon field: the property
// system's own name for no image, so that the row reads back without one
// even where the list's default icon would be given to it.
const char* const kNoImage = "NONE";

// Field i of a line as the separator splits it; an empty separator leaves
// the line one field.
std::string field(const std::string& line, long i, const char* separator)
{
    if (separator == nullptr || separator[0] == '\0')
        return i == 0 ? line : std::string();
    TQCstring text(line.c_str(), -2);
    return text.getWord(i, separator, -2).getString(-2);
}

long fieldCount(const std::string& line, const char* separator)
{
    if (separator == nullptr || separator[0] == '\0')
        return 1;
    TQCstring text(line.c_str(), -2);
    return text.getWords(separator, -2);
}

} // namespace

// ---------------------------------------------------------------------------
// Parsing

void TQClist::_set_data(const char* text)
{
    TQCstring converted(text != nullptr ? text : "", -2);
    std::string work = converted.getString(-2);
    delAll();
    m_data = TQGFstrdup(work.c_str());
    size_t start = 0;
    while (start < work.size()) {
        size_t end = work.find('\n', start);
        bool fed = end != std::string::npos;
        if (!fed)
            end = work.size();
        size_t length = end - start;
        if (fed && length > 0 && work[end - 1] == '\r')
            --length;
        parseLine(work.substr(start, length));
        start = fed ? end + 1 : end;
    }
    _adjust();
    updateList();
}

void TQClist::parseLine(const std::string& line)
{
    const char* separator = getSeparator();
    long n = fieldCount(line, separator);
    std::string first = field(line, 0, separator);
    TQCstring iconName(first.c_str(), -2);
    iconName.delHeadSpace();
    iconName.delTailSpace();
    std::string rest;
    if (n >= 2)
        rest = line.substr(std::min(line.size(), first.size() + std::strlen(separator)));
    bool withIcon = m_useIcon && iconName.getChars() > 0;
    TQCbase* row = nullptr;
    if (m_type == TYPE_TREE) {
        std::string tree = !m_useIcon ? line : (n >= 2 ? rest : std::string());
        row = makeRow(field(tree, 2, separator).c_str(), -1);
        if (row == nullptr)
            return;
        for (auto [key, at] : {std::pair{TQCvlabel::ROW_LEVEL, 0L}, {TQCvlabel::ROW_OPEN, 1L}})
            setUserLong(row, key, std::strtol(field(tree, at, separator).c_str(), nullptr, 10));
    } else {
        row = makeRow(m_useIcon && n >= 2 ? rest.c_str() : line.c_str(), -1);
        withIcon = withIcon && n >= 2;
    }
    if (row != nullptr && withIcon)
        row->setPropertyV(_TQNlabelPixmap(), iconName.getString(-2));
}

// ---------------------------------------------------------------------------
// Writing the rows back

TQCstring TQClist::_get_data()
{
    const char* separator = getSeparator();
    std::string text;
    for (long i = 0; i < getNum(); ++i) {
        TQCbase* row = rowAt(i);
        if (i > 0)
            text += '\n';
        if (m_useIcon) {
            short icon = -1;
            row->getPropertyV(_TQNlabelPixmap(), &icon);
            text += icon == -1 ? std::string(kNoImage)
                               : TQCstring(row->getProperty(_TQNlabelPixmap())).getString();
            text += separator;
        }
        if (m_type == TYPE_TREE) {
            text += std::to_string(userLong(row, TQCvlabel::ROW_LEVEL)) + separator;
            text += std::to_string(userLong(row, TQCvlabel::ROW_OPEN)) + separator;
        }
        text += TQCstring(row->getProperty(_TQNlabelString())).getString();
    }
    return TQCstring(text.c_str(), -2);
}

// Data that comes from a source is not saved with the list.
void TQClist::getWorkTQNdata(char** text)
{
    if (getPropertyEditMode() && m_dataSource != 0) {
        *text = nullptr;
        return;
    }
    TQCstring rows = _get_data();
    const char* now = rows.getString();
    if (m_data == nullptr || std::strcmp(m_data, now) != 0) {
        delete[] m_data;
        m_data = TQGFstrdup(now);
    }
    *text = m_data;
}

// A text set as data leaves the source; its backslash-n pairs are lines.
void TQClist::setWorkTQNdata(char*)
{
    _clear_ds_instance();
    TQCstring text(m_data != nullptr ? m_data : "", -2);
    text.replaceString("\\n", "\n");
    std::string copy = text.getString();
    _set_data(copy.c_str());
}

// ---------------------------------------------------------------------------
// Sources

void TQClist::setData(TQCvariant* value, long encoding)
{
    if (value != nullptr)
        setData(*value, encoding);
}

void TQClist::setData(const TQCvariant& value, long encoding)
{
    TQCstring text(value, encoding);
    std::string copy = text.getString(-2);
    _set_data(copy.c_str());
}

void TQClist::_clear_ds_instance()
{
    followDataSource(nullptr);
}

// A missing instance empties the list and is looked for again later.
void TQClist::_set_ds_instance()
{
    TQCbase* server = findDataSource(m_dataSourceName);
    if (server == nullptr) {
        m_dataSourceFlag = 1;
        delAll();
        return;
    }
    followDataSource(server);
    TQCstring text(server->getProperty(server->getDefaultProperty()));
    std::string copy = text.getString(-2);
    _set_data(copy.c_str());
}

// A file that cannot be read changes nothing.
void TQClist::_data_from_file(const char* fileName)
{
    std::unique_ptr<TQCstring> text(TQGFreadTextFile(fileName, -2));
    if (!text)
        return;
    delAll();
    std::string copy = text->getString(-2);
    _set_data(copy.c_str());
}

void TQClist::setWorkTQNdataSource(unsigned char source)
{
    if (m_dataSourceName == nullptr || m_dataSourceName[0] == '\0')
        return;
    if (source == 2)
        _data_from_file(m_dataSourceName);
    else if (source == 1)
        _set_ds_instance();
    if (source != 1)
        _clear_ds_instance();
}

void TQClist::setWorkTQNdataSourceName(char* name)
{
    if (m_dataSource == 1)
        _set_ds_instance();
    else if (m_dataSource == 2 && name != nullptr)
        _data_from_file(name);
}
