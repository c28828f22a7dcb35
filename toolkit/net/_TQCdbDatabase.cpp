// Database front end: opening through the driver registry, the error texts
// of the front end itself, and the list of records opened on the database.
#include "_TQCdbDatabase.h"

#include "_TQCdbDrvDatabase.h"
#include "_TQCdbRecord.h"
#include "_TQGFdbDriver.h"
#include "_TQGFstring.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

const char kNone[] = "None.";
const long kMessageSize = 256;

} // namespace

TQCdbDatabase::TQCdbDatabase() = default;

TQCdbDatabase::~TQCdbDatabase()
{
    delete[] m_errorText;
    m_errorText = nullptr;
    close();
}

long TQCdbDatabase::setDatabase(const char* driverName)
{
    if (driverName == nullptr || std::strlen(driverName) >= sizeof m_driverName)
        return -1;
    std::strcpy(m_driverName, driverName);
    return 0;
}

long TQCdbDatabase::fail(const char* before, const char* name, const char* after)
{
    delete[] m_errorText;
    m_errorText = TQGFstrdup((std::string(before) + name + after).c_str());
    return -1;
}

long TQCdbDatabase::open(char* host, char* user, char* password, char* dbname, char* port)
{
    close();
    TQCdbDatabaseCreateHandler create = TQGFdbDatabaseCreateHandler(m_driverName);
    if (create == nullptr) {
        const char* file = TQGFdbDriverLibrary(m_driverName);
        switch (TQGFdbLoadDriver(m_driverName, false)) {
        case TQCdbDriverLoad::NoLibrary:
            return fail("Driver: ", m_driverName, " not fund.");
        case TQCdbDriverLoad::NotFound:
            return fail("library: ", file, " not fund.");
        case TQCdbDriverLoad::Invalid:
            return fail("library: ", file, " invalid library.");
        case TQCdbDriverLoad::Registered:
            break;
        }
        create = TQGFdbDatabaseCreateHandler(m_driverName);
    }
    m_driver = create();
    if (m_driver == nullptr)
        return -1;
    return m_driver->open(host, user, password, dbname, port);
}

long TQCdbDatabase::close()
{
    for (TQCdbRecord* record : m_records)
        if (record != nullptr)
            record->close();
    m_records.clear();
    return TQGFdbCloseDriver(m_driver);
}

TQ_DB_FORWARD(TQCdbDatabase, long, beginTran, (), (), -1)
TQ_DB_FORWARD(TQCdbDatabase, long, commitTran, (), (), -1)
TQ_DB_FORWARD(TQCdbDatabase, long, abortTran, (), (), -1)
TQ_DB_FORWARD(TQCdbDatabase, long, sqlExecute, (const char* sql), (sql), -1)
TQ_DB_FORWARD(TQCdbDatabase, unsigned char, isOpen, (), (), 0)
TQ_DB_FORWARD(TQCdbDatabase, long, getEncode, (), (), -1)

void TQCdbDatabase::getErrorMsg(char* state, char* message)
{
    if (m_driver != nullptr) {
        m_driver->getErrorMsg(state, message);
        return;
    }
    state[0] = '\0';
    TQGFdbCopyText(message, m_errorText != nullptr ? m_errorText : kNone, kMessageSize);
}

void TQCdbDatabase::getErrorMsg(char* buffer, long size)
{
    if (size < 1)
        return;
    if (m_driver != nullptr)
        m_driver->getErrorMsg(buffer, size);
    else
        TQGFdbCopyText(buffer, m_errorText != nullptr ? m_errorText : kNone, size);
}

void TQCdbDatabase::setEncode(long encoding)
{
    if (m_driver != nullptr)
        m_driver->setEncode(encoding);
}

void TQCdbDatabase::setCreateHandler(void* handler, const char* driverName)
{
    TQGFdbSetDatabaseCreateHandler(handler, driverName);
}

void TQCdbDatabase::addRecord(TQCdbRecord* record)
{
    if (record == nullptr)
        return;
    if (std::find(m_records.begin(), m_records.end(), record) != m_records.end())
        return;
    auto empty = std::find(m_records.begin(), m_records.end(), nullptr);
    if (empty != m_records.end())
        *empty = record;
    else
        m_records.push_back(record);
}

void TQCdbDatabase::removeRecord(TQCdbRecord* record)
{
    std::replace(m_records.begin(), m_records.end(), record, static_cast<TQCdbRecord*>(nullptr));
}
