// The SQLite driver's connection: the database file named by dbname, opened
// for reading and writing (a missing file is an error, not a new database);
// host, user, password and port are not used.
#ifndef TQCSQLITEDATABASE_H
#define TQCSQLITEDATABASE_H

#include "TQCsqliteError.h"
#include "_TQCdbDrvDatabase.h"

class TQCsqliteDatabase : public TQCdbDrvDatabase {
public:
    TQCsqliteDatabase() = default;
    ~TQCsqliteDatabase() override { close(); }

    long open(char* host, char* user, char* password, char* dbname, char* port) override;
    // Fails while a statement on the connection is still open; the
    // connection then goes when the last statement does.
    long close() override;
    long beginTran() override { return run("BEGIN"); }
    long commitTran() override { return run("COMMIT"); }
    long abortTran() override { return run("ROLLBACK"); }
    // Every statement of sql, in the toolkit's system encoding.
    long sqlExecute(const char* sql) override;
    unsigned char isOpen() override { return m_connection != nullptr ? 1 : 0; }
    void getErrorMsg(char* state, char* message) override { m_error.write(state, message); }
    void getErrorMsg(char* buffer, long size) override;

    sqlite3* connection() { return m_connection; }
    // The last failure of the connection or of a statement on it.
    TQCsqliteError& error() { return m_error; }

private:
    long run(const char* utf8Sql);

    sqlite3* m_connection = nullptr;
    TQCsqliteError m_error;
};

#endif
