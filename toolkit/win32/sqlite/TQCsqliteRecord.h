// The SQLite driver's statement: opening runs it and stands on its first
// row; the values of the current row are read as text in the toolkit's
// system encoding. It only reads forward: editing, the other moves,
// variants and asynchronous queries are not supported and answer -1.
#ifndef TQCSQLITERECORD_H
#define TQCSQLITERECORD_H

#include "TQCsqliteDatabase.h"
#include "_TQCdbDrvRecord.h"

#include <string>

class TQCsqliteRecord : public TQCdbDrvRecord {
public:
    explicit TQCsqliteRecord(TQCsqliteDatabase* database)
        : TQCdbDrvRecord(database), m_database(database)
    {
    }
    ~TQCsqliteRecord() override { close(); }

    using TQCdbDrvRecord::open;
    // Only the first statement of sql runs.
    long open(const char* sql, short, short) override;
    long close() override;
    unsigned char isEOF() override { return m_statement == nullptr || m_atEnd ? 1 : 0; }
    unsigned char isOpen() override { return m_statement != nullptr ? 1 : 0; }
    // 0, or -1 after the last row and on failure.
    long moveNext() override;

    long getColCount() override;
    long getColName(long column, char* buffer) override;
    // The first column of that name, ignoring ASCII case; -1 for none.
    long getColIndex(const char* name) override;
    // SQLite's type of the current value: 1 integer, 2 real, 3 text, 4 blob,
    // 5 null; -1 without a current row.
    long getColType(long column) override;
    long getColType(const char* name) override { return getColType(getColIndex(name)); }
    // The bytes of the value as text and its NUL; -1 without a current row.
    long getColLength(long column) override;
    long getColLength(const char* name) override { return getColLength(getColIndex(name)); }
    long getColStringValue(long column, char* buffer) override;
    long getColStringValue(const char* name, char* buffer) override
    {
        return getColStringValue(getColIndex(name), buffer);
    }
    unsigned char isNull(long column) override { return getColType(column) == SQLITE_NULL; }
    unsigned char isNull(const char* name) override { return isNull(getColIndex(name)); }
    void getErrorMsg(char* state, char* message) override { m_error.write(state, message); }
    TQCstring getErrorMessage() override
    {
        return textMaker(m_error.message().c_str(), kUtf8Encoding);
    }

    // Not supported.
    long getColValue(long, TQCvariant*) override { return -1; }
    long getColValue(const char*, TQCvariant*) override { return -1; }
    long setColValue(long, TQCvariant) override { return -1; }
    long setColValue(const char*, TQCvariant) override { return -1; }
    long edit() override { return -1; }
    long update() override { return -1; }
    long addnew() override { return -1; }
    long deleterow() override { return -1; }
    long movePrevious() override { return -1; }
    long moveFirst() override { return -1; }
    long moveLast() override { return -1; }
    long getRowCount() override { return -1; }
    using TQCdbDrvRecord::sendQuery;
    long sendQuery(const char*, short, short) override { return -1; }
    long getResult(unsigned char) override { return -1; }
    long cancelQuery() override { return -1; }

private:
    // Steps to the next row: 0, or -1 on failure, which ends the rows.
    long step();
    bool onRow(long column);
    std::string valueText(long column);
    // Keeps the failure here and on the connection: -1.
    long fail();
    long fail(int code, const char* utf8Message);

    TQCsqliteDatabase* m_database;
    sqlite3_stmt* m_statement = nullptr;
    bool m_atEnd = true;
    TQCsqliteError m_error;
};

#endif
