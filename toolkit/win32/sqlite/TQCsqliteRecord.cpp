// SQLite driver: a statement read forward, its column names and its values
// as text.
#include "TQCsqliteRecord.h"

#include <cstring>

long TQCsqliteRecord::fail()
{
    m_error.take(m_database->connection());
    return m_database->error().take(m_error);
}

long TQCsqliteRecord::fail(int code, const char* utf8Message)
{
    m_error.take(code, utf8Message);
    return m_database->error().take(m_error);
}

long TQCsqliteRecord::open(const char* sql, short, short)
{
    close();
    sqlite3* connection = m_database->connection();
    if (connection == nullptr)
        return fail(SQLITE_MISUSE, "the database is not open");
    std::string text = utf8FromSystem(sql);
    if (sqlite3_prepare_v2(connection, text.c_str(), -1, &m_statement, nullptr) != SQLITE_OK)
        return fail();
    // Blank text or a comment prepares to no statement: no rows.
    if (m_statement == nullptr)
        return 0;
    m_atEnd = false;
    return step();
}

long TQCsqliteRecord::close()
{
    sqlite3_finalize(m_statement);
    m_statement = nullptr;
    m_atEnd = true;
    return 0;
}

long TQCsqliteRecord::step()
{
    int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return 0;
    m_atEnd = true;
    return result == SQLITE_DONE ? 0 : fail();
}

long TQCsqliteRecord::moveNext()
{
    return isEOF() ? -1 : step();
}

long TQCsqliteRecord::getColCount()
{
    return m_statement != nullptr ? sqlite3_column_count(m_statement) : 0;
}

long TQCsqliteRecord::getColName(long column, char* buffer)
{
    if (column < 0 || column >= getColCount())
        return -1;
    const char* name = sqlite3_column_name(m_statement, column);
    copySystemText(buffer, name != nullptr ? name : "", 1024);
    return 0;
}

long TQCsqliteRecord::getColIndex(const char* name)
{
    if (name == nullptr)
        return -1;
    std::string wanted = utf8FromSystem(name);
    for (long column = 0; column < getColCount(); ++column)
        if (sqlite3_stricmp(sqlite3_column_name(m_statement, column), wanted.c_str()) == 0)
            return column;
    return -1;
}

bool TQCsqliteRecord::onRow(long column)
{
    return !isEOF() && column >= 0 && column < getColCount();
}

long TQCsqliteRecord::getColType(long column)
{
    return onRow(column) ? sqlite3_column_type(m_statement, column) : -1;
}

std::string TQCsqliteRecord::valueText(long column)
{
    return systemFromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column)));
}

long TQCsqliteRecord::getColLength(long column)
{
    return onRow(column) ? static_cast<long>(valueText(column).size()) + 1 : -1;
}

long TQCsqliteRecord::getColStringValue(long column, char* buffer)
{
    if (!onRow(column))
        return -1;
    std::string text = valueText(column);
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return 0;
}
