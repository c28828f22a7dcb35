// A statement with its result rows, as a database driver supplies it: the
// base a driver's record derives from, with the answers of a driver that
// supports nothing. As for the driver's database every body is here; the
// strings a record hands back are made by the program's string code, which
// a driver module reaches through textMaker (see _TQGFdbDriver.h).
#ifndef _TQCDBDRVRECORD_H
#define _TQCDBDRVRECORD_H

#include "_TQCdbDrvDatabase.h"
#include "_TQCstring.h"
#include "_TQCvariant.h"

class TQCdbDrvRecord {
public:
    // The base keeps no link to the connection: a driver's record stores
    // what it needs.
    explicit TQCdbDrvRecord(TQCdbDrvDatabase*) {}
    virtual ~TQCdbDrvRecord() {}

    // Runs a statement and stands on its first row; after an empty result
    // or a failure isEOF answers true at once.
    virtual long open(const char* sql) { return open(sql, 3, 2); }
    virtual long open(const char*, short, short) { return 0; }
    virtual long close() { return 0; }
    // True while there is no current row.
    virtual unsigned char isEOF() { return 1; }
    virtual unsigned char isOpen() { return 0; }
    // Columns are numbered from 0.
    virtual long getColValue(long, TQCvariant*) { return 0; }
    virtual long getColValue(const char*, TQCvariant*) { return 0; }
    // The current row's value as NUL-terminated text, getColLength bytes
    // with the NUL.
    virtual long getColStringValue(long, char*) { return 0; }
    virtual long getColStringValue(const char*, char*) { return 0; }
    virtual long setColValue(long, TQCvariant) { return 0; }
    virtual long setColValue(const char*, TQCvariant) { return 0; }
    virtual long edit() { return 0; }
    virtual long update() { return 0; }
    virtual long addnew() { return 0; }
    virtual long deleterow() { return 0; }
    virtual long moveNext() { return 0; }
    virtual long movePrevious() { return 0; }
    virtual long moveFirst() { return 0; }
    virtual long moveLast() { return 0; }
    // At most 1023 characters and a NUL.
    virtual long getColName(long, char*) { return 0; }
    virtual long getColIndex(const char*) { return 0; }
    virtual long getColType(long) { return 0; }
    virtual long getColType(const char*) { return 0; }
    virtual long getColLength(long) { return 0; }
    virtual long getColLength(const char*) { return 0; }
    virtual long getRowCount() { return 0; }
    virtual long getColCount() { return 0; }
    virtual void getErrorMsg(char*, char*) {}
    virtual TQCstring getErrorMessage() { return textMaker("", -2); }
    virtual unsigned char isNull(long) { return 0; }
    virtual unsigned char isNull(const char*) { return 0; }
    virtual long sendQuery(const char* sql) { return sendQuery(sql, 3, 2); }
    virtual long sendQuery(const char*, short, short) { return 0; }
    virtual long getResult(unsigned char) { return 0; }
    virtual long cancelQuery() { return 0; }
    virtual unsigned char isBusy() { return 0; }

    void Cleanup(TQCdbDrvDatabase*) {}
    long BindCols() { return 0; }
    void ReleaseCols() {}
    void getValue(int, TQCvariant*) {}
    void setValue(int, TQCvariant*) {}
    void getError() {}

    // Makes a string of text in encoding with the program's string code:
    // the program's TQGFdbDriverText. The toolkit sets it for the program
    // at start-up, a driver module for its own copy while it loads; the
    // string it returns is built in place, so a driver never constructs,
    // copies or destroys one itself.
    typedef TQCstring (*TextMaker)(const char* text, long encoding);
    static inline TextMaker textMaker = nullptr;
};

#endif
