// A database connection chosen by driver name: it finds the driver's
// database handler, loading the driver's module when needed, and forwards
// to the driver database it makes. It closes the statements opened on it
// before the connection itself.
#ifndef _TQCDBDATABASE_H
#define _TQCDBDATABASE_H

#include <vector>

class TQCdbDrvDatabase;
class TQCdbRecord;

class TQCdbDatabase {
public:
    TQCdbDatabase();
    // Frees the error text, then closes.
    virtual ~TQCdbDatabase();
    TQCdbDatabase(const TQCdbDatabase&) = delete;
    TQCdbDatabase& operator=(const TQCdbDatabase&) = delete;

    // Copies the driver name: -1 for null or for 80 characters or more,
    // which leave the name as it was.
    virtual long setDatabase(const char* driverName);
    // Closes first, then makes the driver database and opens it with the
    // five texts: the driver's result, or -1 when no driver could be made.
    virtual long open(char* host, char* user, char* password, char* dbname, char* port);
    // Closes the listed records, then the driver database: its result, or
    // -1 without one.
    virtual long close();
    // The driver's; -1 (isOpen 0) without a driver database.
    virtual long beginTran();
    virtual long commitTran();
    virtual long abortTran();
    virtual long sqlExecute(const char* sql);
    virtual unsigned char isOpen();
    // The driver's texts; without a driver database an empty state and the
    // front end's own message, "None." when nothing has failed.
    virtual void getErrorMsg(char* state, char* message);
    // The same message cut to size - 1 characters with a NUL; nothing at
    // all for a size below 1.
    virtual void getErrorMsg(char* buffer, long size);
    virtual void setEncode(long encoding);
    virtual long getEncode();

    // The database handler of driverName for every database.
    static void setCreateHandler(void* handler, const char* driverName);
    char* getDriverName() { return m_driverName; }
    // Null while closed.
    TQCdbDrvDatabase* getDriverDatabase() { return m_driver; }

    // A record is listed once; an emptied slot is used again.
    void addRecord(TQCdbRecord* record);
    void removeRecord(TQCdbRecord* record);
    const std::vector<TQCdbRecord*>& getRecords() const { return m_records; }

private:
    long fail(const char* before, const char* name, const char* after);

    char* m_errorText = nullptr;
    TQCdbDrvDatabase* m_driver = nullptr;
    char m_driverName[80] = "";
    std::vector<TQCdbRecord*> m_records;  // not owned; a slot may be null
};

#endif
