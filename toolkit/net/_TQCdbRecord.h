// One statement on a TQCdbDatabase: it makes the driver record of the
// database's driver and forwards every operation to it. Without a driver
// record it answers as a record with no rows. A record must not outlive its
// database.
#ifndef _TQCDBRECORD_H
#define _TQCDBRECORD_H

#include "_TQCstring.h"
#include "_TQCvariant.h"

class TQCdbDatabase;
class TQCdbDrvRecord;
class TQCvdb;

class TQCdbRecord {
public:
    explicit TQCdbRecord(TQCdbDatabase* database);
    // On the database of a database object, made if needed.
    explicit TQCdbRecord(TQCvdb* database);
    // Closes the driver record and leaves the database's list.
    virtual ~TQCdbRecord();
    TQCdbRecord(const TQCdbRecord&) = delete;
    TQCdbRecord& operator=(const TQCdbRecord&) = delete;

    // The record handler of driverName for every record.
    static void setCreateHandler(void* handler, const char* driverName);
    // Binds the record to database and forgets the driver record unclosed.
    void Cleanup(TQCdbDatabase* database);
    // Makes the driver record: 0, or -1 without a record handler, a
    // driver database or a record from the handler.
    long _init_record();
    TQCdbDatabase* getDatabase() { return m_database; }

    // Close, make the driver record, list the record in its database, then
    // the driver's open (or sendQuery); -1 when no driver record is made.
    virtual long open(const char* sql) { return open(sql, 3, 2); }
    virtual long open(const char* sql, short a, short b);
    // The driver record's close, which is then deleted; -1 without one.
    virtual long close();
    // The rest forward to the driver record; the answer without one follows
    // each.
    virtual unsigned char isEOF();                                 // 1
    virtual unsigned char isOpen();                                // 0
    virtual long getColValue(long column, TQCvariant* value);      // -1
    virtual long getColValue(const char* name, TQCvariant* value); // -1
    virtual long getColStringValue(long column, char* buffer);     // -1
    virtual long getColStringValue(const char* name, char* buffer);// -1
    virtual long setColValue(long column, TQCvariant value);       // -1
    virtual long setColValue(const char* name, TQCvariant value);  // -1
    virtual long edit();                                           // -1
    virtual long update();                                         // -1
    virtual long addnew();                                         // -1
    virtual long deleterow();                                      // -1
    virtual long moveNext();                                       // -1
    virtual long movePrevious();                                   // -1
    virtual long moveFirst();                                      // -1
    virtual long moveLast();                                       // -1
    virtual long getColName(long column, char* buffer);            // -1
    virtual long getColIndex(const char* name);                    // -1
    virtual long getColType(long column);                          // -1
    virtual long getColType(const char* name);                     // -1
    virtual long getColLength(long column);                        // -1
    virtual long getColLength(const char* name);                   // -1
    virtual long getRowCount();                                    // 0
    virtual long getColCount();                                    // 0
    virtual void getErrorMsg(char* state, char* message);          // nothing
    virtual TQCstring getErrorMessage();                           // ""
    virtual long sendQuery(const char* sql) { return sendQuery(sql, 3, 2); }
    virtual long sendQuery(const char* sql, short a, short b);
    virtual long getResult(unsigned char flag);                    // -1
    virtual long cancelQuery();                                    // -1
    virtual unsigned char isBusy();                                // 0

private:
    // close, _init_record and the listing that open and sendQuery share.
    bool prepare();

    TQCdbDatabase* m_database;
    TQCdbDrvRecord* m_driver = nullptr;
};

#endif
