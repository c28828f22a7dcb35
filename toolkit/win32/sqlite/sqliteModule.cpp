// The SQLite driver module: while it loads it registers the driver "SQLITE"
// with the program that loads it, through the entry points the program
// exports. In a program without the database front end it registers
// nothing.
#include "TQCsqliteDatabase.h"
#include "TQCsqliteRecord.h"
#include "_TQGFdbDriver.h"

#include <windows.h>

#include <new>

namespace {

TQCdbDrvDatabase* createDatabase()
{
    return new (std::nothrow) TQCsqliteDatabase;
}

// Only on a connection of this driver.
TQCdbDrvRecord* createRecord(TQCdbDrvDatabase* database)
{
    auto* connection = dynamic_cast<TQCsqliteDatabase*>(database);
    return connection != nullptr ? new (std::nothrow) TQCsqliteRecord(connection) : nullptr;
}

template <class Entry>
Entry programEntry(const char* name)
{
    return reinterpret_cast<Entry>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA(nullptr), name)));
}

void registerWithProgram()
{
    auto setDatabaseHandler = programEntry<TQCdbSetCreateHandler>(TQ_DB_SET_DATABASE_HANDLER);
    auto setRecordHandler = programEntry<TQCdbSetCreateHandler>(TQ_DB_SET_RECORD_HANDLER);
    auto text = programEntry<TQCdbDrvRecord::TextMaker>(TQ_DB_DRIVER_TEXT);
    auto convert = programEntry<TQCdbDriverConvert>(TQ_DB_DRIVER_CONVERT);
    if (setDatabaseHandler == nullptr || setRecordHandler == nullptr || text == nullptr ||
        convert == nullptr)
        return;
    TQCdbDrvRecord::textMaker = text;
    useProgramConverter(convert);
    setDatabaseHandler(reinterpret_cast<void*>(createDatabase), "SQLITE");
    setRecordHandler(reinterpret_cast<void*>(createRecord), "SQLITE");
}

} // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        registerWithProgram();
    return TRUE;
}
