// The last failure of an SQLite connection or statement: SQLite's extended
// result code as the state, and its reason as SQLite words it, in UTF-8,
// written out in the toolkit's system encoding.
#ifndef TQCSQLITEERROR_H
#define TQCSQLITEERROR_H

#include "sqlite3.h"
#include "sqliteText.h"

#include <string>

class TQCsqliteError {
public:
    // -1, for the caller to return.
    long take(int code, const char* utf8Message)
    {
        m_code = code;
        m_message = utf8Message != nullptr ? utf8Message : sqlite3_errstr(code);
        return -1;
    }
    long take(sqlite3* connection)
    {
        return take(sqlite3_extended_errcode(connection), sqlite3_errmsg(connection));
    }
    long take(const TQCsqliteError& other)
    {
        *this = other;
        return -1;
    }

    // 27 and 255 bytes at most.
    void write(char* state, char* message) const
    {
        copySystemText(state, std::to_string(m_code), 28);
        copySystemText(message, m_message, 256);
    }
    // In UTF-8.
    const std::string& message() const { return m_message; }

private:
    int m_code = SQLITE_OK;
    std::string m_message = sqlite3_errstr(SQLITE_OK);
};

#endif
