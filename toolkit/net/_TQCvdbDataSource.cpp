// Query data source: the statement built from the properties, the rows read
// through a record, and the data-source answers its clients ask for.
#include "_TQCvdbDataSource.h"

#include "_TQCdbRecord.h"
#include "_TQCtypeServerFrame.h"
#include "_TQGFstring.h"
#include "_TQGFtrigger.h"

#include <memory>
#include <new>

TQ_TYPE_SERVER_FRAME(TQCvdbDataSource, TQCvdb);

namespace {

const char kValue[] = "value";
const long kNameSize = 1024;

const char* textOf(const char* text)
{
    return text != nullptr ? text : "";
}

// The fields between commas, neither merged nor trimmed; none for "".
std::vector<std::string> wordsOf(const char* text)
{
    TQCstring whole(textOf(text), -2);
    std::vector<std::string> words;
    long n = whole.getWords(",", -2);
    for (long i = 0; i < n; ++i)
        words.push_back(whole.getWord(i, ",", -2).getString(-2));
    return words;
}

// A length of 0 or less gives an empty value; the buffer ends in a NUL
// whatever the driver wrote.
std::string columnValue(TQCdbRecord& record, long column)
{
    long length = record.getColLength(column);
    if (length <= 0)
        return "";
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[length]());
    if (buffer == nullptr)
        return "";
    record.getColStringValue(column, buffer.get());
    buffer[length - 1] = '\0';
    return buffer.get();
}

std::string columnName(TQCdbRecord& record, long column)
{
    char name[kNameSize] = "";
    record.getColName(column, name);
    name[kNameSize - 1] = '\0';
    return TQCstring(name, -1).getString(-2);
}

} // namespace

TQCvdbDataSource::TQCvdbDataSource(TQCbase* parent, const char* name) : TQCvdb(parent, name)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, dbTableName, "");
        TQ_WATCH(r, item, "");
        TQ_WATCH(r, showItem, "");
        TQ_WATCH(r, sortItems, "");
        TQ_WATCH(r, sort, "");
        TQ_WATCH(r, filter, "");
        TQ_WATCH(r, value, "");
        r.triggers({TQEV_ACTIVATE});
    });
}

TQCvdbDataSource::~TQCvdbDataSource()
{
    for (char* text : {m_dbTableName, m_item, m_showItem, m_sortItems, m_sort, m_filter, m_value})
        delete[] text;
}

void TQCvdbDataSource::setWorkTQNshowItem(char* text)
{
    m_showList = wordsOf(text);
}

void TQCvdbDataSource::setWorkTQNsortItems(char* text)
{
    m_sortItemList = wordsOf(text);
}

void TQCvdbDataSource::setWorkTQNsort(char* text)
{
    m_sortList = wordsOf(text);
}

void TQCvdbDataSource::setWorkTQNvalue(char*)
{
}

long TQCvdbDataSource::isShow(const char* name)
{
    for (const std::string& word : m_showList)
        if (TQGFstricmp(word.c_str(), textOf(name)) == 0)
            return 1;
    return 0;
}

// A sort item without a direction at its place in sort takes none.
std::string TQCvdbDataSource::selectStatement() const
{
    std::string sql = std::string("select ") + textOf(m_item) + " from " + textOf(m_dbTableName);
    if (textOf(m_filter)[0] != '\0')
        sql += std::string(" where ") + m_filter + " ";
    std::string order;
    for (size_t i = 0; i < m_sortItemList.size(); ++i) {
        if (m_sortItemList[i].empty())
            continue;
        if (!order.empty())
            order += ",";
        order += m_sortItemList[i] + " " + (i < m_sortList.size() ? m_sortList[i] : "");
    }
    order.erase(0, order.find_first_not_of(' '));
    if (!order.empty())
        sql += " order by " + order;
    return sql;
}

// A driver that fails to move on ends the rows.
void TQCvdbDataSource::readRows()
{
    m_rows.clear();
    TQCdbRecord record(this);
    if (TQCvdb::open() != 0)
        return;
    std::string sql = TQCstring(selectStatement().c_str(), -2).getString(-1);
    record.open(sql.c_str());
    while (!record.isEOF()) {
        std::string row;
        bool first = true;
        long columns = record.getColCount();
        for (long c = 0; c < columns; ++c) {
            std::string value = columnValue(record, c);
            if (!isShow(columnName(record, c).c_str()))
                continue;
            if (!first)
                row += ",";
            row += value;
            first = false;
        }
        if (!row.empty())
            m_rows.push_back(row);
        if (record.moveNext() != 0)
            break;
    }
    record.close();
}

void TQCvdbDataSource::getWorkTQNvalue(char** out)
{
    delete[] m_value;
    m_value = nullptr;
    if (textOf(m_dbTableName)[0] == '\0') {
        m_value = TQGFstrdup("");
    } else {
        readRows();
        std::string joined;
        for (size_t i = 0; i < m_rows.size(); ++i)
            joined += (i > 0 ? "\n" : "") + m_rows[i];
        m_value = TQGFstrdup(TQCstring(joined.c_str(), -1).getString(-2));
    }
    *out = m_value;
}

void TQCvdbDataSource::setData(TQCvariant*, long)
{
}

long TQCvdbDataSource::getDataSourceType()
{
    return 1;
}

const char* TQCvdbDataSource::getDataSourcePropertyName()
{
    return kValue;
}

const char* TQCvdbDataSource::getDefaultProperty()
{
    return kValue;
}
