// Driver registry of the database front end: the handler tables, the
// module files of the four drivers, module loading and the entry points
// that driver modules reach in the program.
#include "_TQGFdbDriver.h"

#include "_TQCdbDrvRecord.h"
#include "_TQCindexData.h"
#include "_TQClistData.h"
#include "_TQDcreateInstance.h"
#include "_TQDexternal.h"

#include <cstring>
#include <memory>

namespace {

// The tables live for the whole run: loaded modules are never unloaded and
// their handlers stay registered.
TQCindexData& databaseHandlers()
{
    static TQCindexData* table = new TQCindexData;
    return *table;
}

TQCindexData& recordHandlers()
{
    static TQCindexData* table = new TQCindexData;
    return *table;
}

TQCindexData* libname_init()
{
    TQCindexData* table = new TQCindexData;
    table->setData("ODBC", const_cast<char*>("libtqodbc395.dll"));
    table->setData("PGSQL", const_cast<char*>("libtqpostgres395.dll"));
    table->setData("MYSQL", const_cast<char*>("libtqmysql395.dll"));
    table->setData("SQLITE", const_cast<char*>("libtqsqlite395.dll"));
    return table;
}

TQCindexData& libraries()
{
    static TQCindexData* table = libname_init();
    return *table;
}

// The modules that registered, kept loaded for the rest of the run.
TQClistData& keptModules()
{
    static TQClistData* modules = new TQClistData;
    return *modules;
}

void setHandler(TQCindexData& table, void* handler, const char* driverName)
{
    if (driverName == nullptr)
        return;
    if (handler == nullptr)
        table.del(driverName);
    else
        table.setData(driverName, handler);
}

void* handlerOf(TQCindexData& table, const char* driverName)
{
    return driverName != nullptr ? table.getData(driverName) : nullptr;
}

void setProgramTextMaker()
{
    TQCdbDrvRecord::textMaker = TQGFdbDriverText;
}

} // namespace

TQ_RUN_AT_START_UP(setProgramTextMaker)

extern "C" __declspec(dllexport) void TQGFdbSetDatabaseCreateHandler(void* handler,
                                                                     const char* driverName)
{
    setHandler(databaseHandlers(), handler, driverName);
}

extern "C" __declspec(dllexport) void TQGFdbSetRecordCreateHandler(void* handler,
                                                                   const char* driverName)
{
    setHandler(recordHandlers(), handler, driverName);
}

extern "C" __declspec(dllexport) TQCstring TQGFdbDriverText(const char* text, long encoding)
{
    return TQCstring(text != nullptr ? text : "", encoding);
}

extern "C" __declspec(dllexport) long TQGFdbDriverConvert(char* buffer, long size, long to,
                                                          const char* text, long from)
{
    TQCstring source(text != nullptr ? text : "", from);
    const char* converted = source.getString(to);
    if (converted == nullptr)
        converted = "";
    if (buffer != nullptr)
        TQGFdbCopyText(buffer, converted, size);
    return static_cast<long>(std::strlen(converted));
}

TQCdbDatabaseCreateHandler TQGFdbDatabaseCreateHandler(const char* driverName)
{
    return reinterpret_cast<TQCdbDatabaseCreateHandler>(handlerOf(databaseHandlers(), driverName));
}

TQCdbRecordCreateHandler TQGFdbRecordCreateHandler(const char* driverName)
{
    return reinterpret_cast<TQCdbRecordCreateHandler>(handlerOf(recordHandlers(), driverName));
}

const char* TQGFdbDriverLibrary(const char* driverName)
{
    return static_cast<const char*>(handlerOf(libraries(), driverName));
}

void TQGFdbCopyText(char* buffer, const char* text, long size)
{
    if (size < 1)
        return;
    size_t n = std::strlen(text);
    if (n > static_cast<size_t>(size - 1))
        n = static_cast<size_t>(size - 1);
    std::memcpy(buffer, text, n);
    buffer[n] = '\0';
}

TQCdbDriverLoad TQGFdbLoadDriver(const char* driverName, bool wantRecord)
{
    const char* file = TQGFdbDriverLibrary(driverName);
    if (file == nullptr)
        return TQCdbDriverLoad::NoLibrary;
    TQCindexData databasesBefore(databaseHandlers());
    TQCindexData recordsBefore(recordHandlers());
    std::unique_ptr<TQDexternal> module(TQDexternal::getNewInstance());
    if (module == nullptr || module->open(file) != 0)
        return TQCdbDriverLoad::NotFound;
    TQCindexData& wanted = wantRecord ? recordHandlers() : databaseHandlers();
    if (handlerOf(wanted, driverName) != nullptr) {
        keptModules().add(module.release(), -1);
        return TQCdbDriverLoad::Registered;
    }
    // Whatever the module registered points into code that is about to go.
    module.reset();
    databaseHandlers() = databasesBefore;
    recordHandlers() = recordsBefore;
    return TQCdbDriverLoad::Invalid;
}
