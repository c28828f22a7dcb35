#include "DbProbeDriver.h"

#include "_TQCdbDatabase.h"
#include "_TQCdbDrvRecord.h"
#include "_TQCdbRecord.h"

#include <cstring>

namespace {

class ProbeDatabase : public TQCdbDrvDatabase {
public:
    ProbeDatabase() { ++dbProbe().databasesMade; }
    ~ProbeDatabase() override { dbProbe().log.push_back("database delete"); }
    long open(char*, char*, char*, char* dbname, char* port) override
    {
        dbProbe().log.push_back(std::string("open ") + dbname + " " + port);
        m_open = 1;
        return 0;
    }
    long close() override
    {
        dbProbe().log.push_back("database close");
        m_open = 0;
        return 0;
    }
    long sqlExecute(const char* sql) override
    {
        dbProbe().log.push_back(std::string("exec ") + sql);
        return 0;
    }
    unsigned char isOpen() override { return m_open; }
    void getErrorMsg(char* state, char* message) override
    {
        std::strcpy(state, "P1");
        std::strcpy(message, "probe message");
    }

private:
    unsigned char m_open = 0;
};

class ProbeRecord : public TQCdbDrvRecord {
public:
    using TQCdbDrvRecord::TQCdbDrvRecord;
    ~ProbeRecord() override { dbProbe().log.push_back("record delete"); }
    using TQCdbDrvRecord::open;
    long open(const char* sql, short a, short b) override
    {
        dbProbe().log.push_back(std::string("record open ") + sql + " " + std::to_string(a) +
                                " " + std::to_string(b));
        m_row = 0;
        return 0;
    }
    long close() override
    {
        dbProbe().log.push_back("record close");
        return 0;
    }
    unsigned char isEOF() override { return m_row >= dbProbe().rows.size(); }
    long getColCount() override { return static_cast<long>(dbProbe().columns.size()); }
    long getColName(long column, char* buffer) override
    {
        std::strcpy(buffer, dbProbe().columns.at(static_cast<size_t>(column)).c_str());
        return 0;
    }
    long getColLength(long column) override
    {
        if (dbProbe().forceLength)
            return dbProbe().forcedLength;
        return static_cast<long>(value(column).size()) + 1;
    }
    long getColStringValue(long column, char* buffer) override
    {
        std::strcpy(buffer, value(column).c_str());
        return 0;
    }
    long moveNext() override
    {
        ++m_row;
        return 0;
    }

private:
    const std::string& value(long column)
    {
        return dbProbe().rows.at(m_row).at(static_cast<size_t>(column));
    }

    size_t m_row = 0;
};

TQCdbDrvDatabase* makeDatabase()
{
    return new ProbeDatabase;
}

TQCdbDrvRecord* makeRecord(TQCdbDrvDatabase* database)
{
    return new ProbeRecord(database);
}

} // namespace

DbProbeScript& dbProbe()
{
    static DbProbeScript script;
    return script;
}

void resetDbProbe()
{
    dbProbe() = DbProbeScript();
}

void registerDbProbe(const char* driverName)
{
    TQCdbDatabase::setCreateHandler(reinterpret_cast<void*>(makeDatabase), driverName);
    TQCdbRecord::setCreateHandler(reinterpret_cast<void*>(makeRecord), driverName);
}

void withdrawDbProbe(const char* driverName)
{
    TQCdbDatabase::setCreateHandler(nullptr, driverName);
    TQCdbRecord::setCreateHandler(nullptr, driverName);
}
