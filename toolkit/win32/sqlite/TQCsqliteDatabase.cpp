// SQLite driver: opening and closing the connection, statements run whole,
// transactions and the connection's last failure.
#include "TQCsqliteDatabase.h"

long TQCsqliteDatabase::open(char*, char*, char*, char* dbname, char*)
{
    close();
    if (dbname == nullptr || *dbname == '\0')
        return m_error.take(SQLITE_CANTOPEN, "no database file given");
    std::string name = utf8FromSystem(dbname);
    sqlite3* connection = nullptr;
    int result = sqlite3_open_v2(name.c_str(), &connection, SQLITE_OPEN_READWRITE, nullptr);
    if (result != SQLITE_OK) {
        std::string reason = sqlite3_errmsg(connection) + (": " + name);
        m_error.take(sqlite3_extended_errcode(connection), reason.c_str());
        sqlite3_close(connection);
        return -1;
    }
    m_connection = connection;
    return 0;
}

long TQCsqliteDatabase::close()
{
    if (m_connection == nullptr)
        return 0;
    sqlite3* connection = m_connection;
    m_connection = nullptr;
    if (sqlite3_close(connection) == SQLITE_OK)
        return 0;
    m_error.take(connection);
    sqlite3_close_v2(connection);
    return -1;
}

long TQCsqliteDatabase::run(const char* utf8Sql)
{
    if (m_connection == nullptr)
        return m_error.take(SQLITE_MISUSE, "the database is not open");
    char* reason = nullptr;
    int result = sqlite3_exec(m_connection, utf8Sql, nullptr, nullptr, &reason);
    if (result == SQLITE_OK)
        return 0;
    m_error.take(sqlite3_extended_errcode(m_connection), reason);
    sqlite3_free(reason);
    return -1;
}

long TQCsqliteDatabase::sqlExecute(const char* sql)
{
    return run(utf8FromSystem(sql).c_str());
}

void TQCsqliteDatabase::getErrorMsg(char* buffer, long size)
{
    copySystemText(buffer, m_error.message(), size);
}
