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
    if (m_driver != nullptr) {
        m_driver->close();
        delete m_driver;
    }
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
    if (m_driver == nullptr)
        return -1;
    long result = m_driver->close();
    delete m_driver;
    m_driver = nullptr;
    return result;
}

unsigned char TQCdbRecord::isEOF()
{
    return m_driver != nullptr ? m_driver->isEOF() : 1;
}

unsigned char TQCdbRecord::isOpen()
{
    return m_driver != nullptr ? m_driver->isOpen() : 0;
}

long TQCdbRecord::getColValue(long column, TQCvariant* value)
{
    return m_driver != nullptr ? m_driver->getColValue(column, value) : -1;
}

long TQCdbRecord::getColValue(const char* name, TQCvariant* value)
{
    return m_driver != nullptr ? m_driver->getColValue(name, value) : -1;
}

long TQCdbRecord::getColStringValue(long column, char* buffer)
{
    return m_driver != nullptr ? m_driver->getColStringValue(column, buffer) : -1;
}

long TQCdbRecord::getColStringValue(const char* name, char* buffer)
{
    return m_driver != nullptr ? m_driver->getColStringValue(name, buffer) : -1;
}

long TQCdbRecord::setColValue(long column, TQCvariant value)
{
    return m_driver != nullptr ? m_driver->setColValue(column, value) : -1;
}

long TQCdbRecord::setColValue(const char* name, TQCvariant value)
{
    return m_driver != nullptr ? m_driver->setColValue(name, value) : -1;
}

long TQCdbRecord::edit()
{
    return m_driver != nullptr ? m_driver->edit() : -1;
}

long TQCdbRecord::update()
{
    return m_driver != nullptr ? m_driver->update() : -1;
}

long TQCdbRecord::addnew()
{
    return m_driver != nullptr ? m_driver->addnew() : -1;
}

long TQCdbRecord::deleterow()
{
    return m_driver != nullptr ? m_driver->deleterow() : -1;
}

long TQCdbRecord::moveNext()
{
    return m_driver != nullptr ? m_driver->moveNext() : -1;
}

long TQCdbRecord::movePrevious()
{
    return m_driver != nullptr ? m_driver->movePrevious() : -1;
}

long TQCdbRecord::moveFirst()
{
    return m_driver != nullptr ? m_driver->moveFirst() : -1;
}

long TQCdbRecord::moveLast()
{
    return m_driver != nullptr ? m_driver->moveLast() : -1;
}

long TQCdbRecord::getColName(long column, char* buffer)
{
    return m_driver != nullptr ? m_driver->getColName(column, buffer) : -1;
}

long TQCdbRecord::getColIndex(const char* name)
{
    return m_driver != nullptr ? m_driver->getColIndex(name) : -1;
}

long TQCdbRecord::getColType(long column)
{
    return m_driver != nullptr ? m_driver->getColType(column) : -1;
}

long TQCdbRecord::getColType(const char* name)
{
    return m_driver != nullptr ? m_driver->getColType(name) : -1;
}

long TQCdbRecord::getColLength(long column)
{
    return m_driver != nullptr ? m_driver->getColLength(column) : -1;
}

long TQCdbRecord::getColLength(const char* name)
{
    return m_driver != nullptr ? m_driver->getColLength(name) : -1;
}

long TQCdbRecord::getRowCount()
{
    return m_driver != nullptr ? m_driver->getRowCount() : 0;
}

long TQCdbRecord::getColCount()
{
    return m_driver != nullptr ? m_driver->getColCount() : 0;
}

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

long TQCdbRecord::getResult(unsigned char flag)
{
    return m_driver != nullptr ? m_driver->getResult(flag) : -1;
}

long TQCdbRecord::cancelQuery()
{
    return m_driver != nullptr ? m_driver->cancelQuery() : -1;
}

unsigned char TQCdbRecord::isBusy()
{
    return m_driver != nullptr ? m_driver->isBusy() : 0;
}
