// Record front end: the driver record made through the driver registry, and
// the operations forwarded to it.
#include "_TQCdbRecord.h"

#include "_TQCdbDatabase.h"
#include "_TQCdbDrvRecord.h"
#include "_TQCvdb.h"
#include "_TQGFdbDriver.h"

TQCdbRecord::TQCdbRecord(TQCdbDatabase* database) : m_database(database)
{
}

TQCdbRecord::TQCdbRecord(TQCvdb* database)
    : m_database(database != nullptr ? database->getDBDatabase() : nullptr)
{
}

TQCdbRecord::~TQCdbRecord()
{
    TQGFdbCloseDriver(m_driver);
    if (m_database != nullptr)
        m_database->removeRecord(this);
}

void TQCdbRecord::setCreateHandler(void* handler, const char* driverName)
{
    TQGFdbSetRecordCreateHandler(handler, driverName);
}

void TQCdbRecord::Cleanup(TQCdbDatabase* database)
{
    m_database = database;
    m_driver = nullptr;
}

long TQCdbRecord::_init_record()
{
    if (m_database == nullptr)
        return -1;
    const char* driverName = m_database->getDriverName();
    TQCdbRecordCreateHandler create = TQGFdbRecordCreateHandler(driverName);
    if (create == nullptr) {
        if (TQGFdbLoadDriver(driverName, true) != TQCdbDriverLoad::Registered)
            return -1;
        create = TQGFdbRecordCreateHandler(driverName);
    }
    TQCdbDrvDatabase* connection = m_database->getDriverDatabase();
    if (connection == nullptr)
        return -1;
    m_driver = create(connection);
    return m_driver != nullptr ? 0 : -1;
}

bool TQCdbRecord::prepare()
{
    close();
    if (_init_record() != 0)
        return false;
    m_database->addRecord(this);
    return true;
}

long TQCdbRecord::open(const char* sql, short a, short b)
{
    return prepare() ? m_driver->open(sql, a, b) : -1;
}

long TQCdbRecord::sendQuery(const char* sql, short a, short b)
{
    return prepare() ? m_driver->sendQuery(sql, a, b) : -1;
}

long TQCdbRecord::close()
{
    return TQGFdbCloseDriver(m_driver);
}

// The answers without a driver record are those the header gives.
TQ_DB_FORWARD(TQCdbRecord, unsigned char, isEOF, (), (), 1)
TQ_DB_FORWARD(TQCdbRecord, unsigned char, isOpen, (), (), 0)
TQ_DB_FORWARD(TQCdbRecord, long, getColValue, (long column, TQCvariant* value), (column, value), -1)
TQ_DB_FORWARD(TQCdbRecord, long, getColValue, (const char* name, TQCvariant* value),
              (name, value), -1)
TQ_DB_FORWARD(TQCdbRecord, long, getColStringValue, (long column, char* buffer),
              (column, buffer), -1)
TQ_DB_FORWARD(TQCdbRecord, long, getColStringValue, (const char* name, char* buffer),
              (name, buffer), -1)
TQ_DB_FORWARD(TQCdbRecord, long, setColValue, (long column, TQCvariant value), (column, value), -1)
TQ_DB_FORWARD(TQCdbRecord, long, setColValue, (const char* name, TQCvariant value),
              (name, value), -1)
TQ_DB_FORWARD(TQCdbRecord, long, edit, (), (), -1)
TQ_DB_FORWARD(TQCdbRecord, long, update, (), (), -1)
TQ_DB_FORWARD(TQCdbRecord, long, addnew, (), (), -1)
TQ_DB_FORWARD(TQCdbRecord, long, deleterow, (), (), -1)
TQ_DB_FORWARD(TQCdbRecord, long, moveNext, (), (), -1)
TQ_DB_FORWARD(TQCdbRecord, long, movePrevious, (), (), -1)
TQ_DB_FORWARD(TQCdbRecord, long, moveFirst, (), (), -1)
TQ_DB_FORWARD(TQCdbRecord, long, moveLast, (), (), -1)
TQ_DB_FORWARD(TQCdbRecord, long, getColName, (long column, char* buffer), (column, buffer), -1)
TQ_DB_FORWARD(TQCdbRecord, long, getColIndex, (const char* name), (name), -1)
TQ_DB_FORWARD(TQCdbRecord, long, getColType, (long column), (column), -1)
TQ_DB_FORWARD(TQCdbRecord, long, getColType, (const char* name), (name), -1)
TQ_DB_FORWARD(TQCdbRecord, long, getColLength, (long column), (column), -1)
TQ_DB_FORWARD(TQCdbRecord, long, getColLength, (const char* name), (name), -1)
TQ_DB_FORWARD(TQCdbRecord, long, getRowCount, (), (), 0)
TQ_DB_FORWARD(TQCdbRecord, long, getColCount, (), (), 0)
TQ_DB_FORWARD(TQCdbRecord, long, getResult, (unsigned char flag), (flag), -1)
TQ_DB_FORWARD(TQCdbRecord, long, cancelQuery, (), (), -1)
TQ_DB_FORWARD(TQCdbRecord, unsigned char, isBusy, (), (), 0)

void TQCdbRecord::getErrorMsg(char* state, char* message)
{
    if (m_driver != nullptr)
        m_driver->getErrorMsg(state, message);
}

TQCstring TQCdbRecord::getErrorMessage()
{
    if (m_driver == nullptr)
        return TQCstring("", -2);
    return m_driver->getErrorMessage();
}

