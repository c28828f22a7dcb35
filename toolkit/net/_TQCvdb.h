// The database as a component of the widget tree: its properties hold the
// connection parameters and the driver choice, and its operations reach one
// TQCdbDatabase, made on first need with the driver of the type at that
// moment. It opens only when asked; changing a property never opens, closes
// or reconnects.
#ifndef _TQCVDB_H
#define _TQCVDB_H

#include "_TQCngbase.h"
#include "_TQCstring.h"

#include <string>

class TQCdbDatabase;

class TQCvdb : public TQCngbase {
public:
    TQ_CLASS_FRAME(TQCvdb, TQCngbase, 1000, 1000)
    TQCvdb(TQCbase* parent, const char* name);
    // Deletes the database, which closes its records and the connection.
    ~TQCvdb() override;

    TQ_PROPERTY_HOOKS(hostname, char*)
    TQ_PROPERTY_HOOKS(username, char*)
    TQ_PROPERTY_HOOKS(password, char*)
    TQ_PROPERTY_HOOKS(dbname, char*)
    TQ_PROPERTY_HOOKS(port, unsigned short)
    TQ_PROPERTY_HOOKS(type, unsigned char)

    // Each operation makes the database first when there is none.
    TQCdbDatabase* getDBDatabase();
    long open(char* host, char* user, char* password, char* dbname, char* port);
    // With the properties, the port as decimal text; 0 at once while open.
    long open();
    long close();
    long beginTran();
    long commitTran();
    long abortTran();
    long sqlExecute(const char* sql);
    unsigned char isOpen();
    // "state: <state> ,message: <message>", cut to size - 1 characters with
    // a NUL; nothing for a size below 1.
    void getErrorMsg(char* buffer, long size);
    // The same text in the default encoding.
    TQCstring getErrorMessage();

    // Drops a database made during the load with a driver other than the
    // loaded type's: reading a data source's value while the window loads
    // makes one before type is read, and would keep the wrong driver.
    void onDataLoad(TQDserialize* serializer) override;
    // A new object names the local host in place of the registered default.
    void getMadeValues(TQCindexVariantData* values) override;

protected:
    void _init();

    TQCdbDatabase* m_database = nullptr;
    char* m_hostname = nullptr;
    char* m_username = nullptr;
    char* m_password = nullptr;
    char* m_dbname = nullptr;
    unsigned short m_port = 0;
    unsigned char m_type = 0;

private:
    // The driver of the type: "ODBC" for a value outside the table.
    const char* driverName() const;
    std::string composedError();
};

void* TQCvdb_create(void* parent);
void TQCvdb_delete(void* object);

#endif
