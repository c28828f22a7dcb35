// The driver registry of the database front end: the process-wide tables of
// database and record create handlers by driver name, the module file of
// each driver name, the loading of a driver's module, and the three C entry
// points that the program exports for driver modules.
//
// A driver module links no toolkit code. While it loads it finds the entry
// points in the program that loads it, by name, with
// GetProcAddress(GetModuleHandleA(NULL), ...), and registers its handlers
// through them: they land in the program's own tables, whichever program
// links the front end. The third entry point makes the strings a driver's
// record hands back (TQCdbDrvRecord::textMaker); the fourth converts texts
// with the program's code converter, so that a driver reads and writes the
// program's system encoding (encoding -1, which the locale decides: UTF-8
// under a UTF-8 locale, whatever the ANSI code page) as the program itself
// understands it.
#ifndef _TQGFDBDRIVER_H
#define _TQGFDBDRIVER_H

#include "_TQCstring.h"

class TQCdbDrvDatabase;
class TQCdbDrvRecord;

// A database handler makes a new driver database, or null.
typedef TQCdbDrvDatabase* (*TQCdbDatabaseCreateHandler)();
// A record handler makes a new driver record on the connection, or null.
typedef TQCdbDrvRecord* (*TQCdbRecordCreateHandler)(TQCdbDrvDatabase* database);

extern "C" {
// Sets or replaces the handler of driverName; a null handler withdraws it.
void TQGFdbSetDatabaseCreateHandler(void* handler, const char* driverName);
void TQGFdbSetRecordCreateHandler(void* handler, const char* driverName);
// A string of text in encoding (-1 the system encoding, -2 the program's
// default).
TQCstring TQGFdbDriverText(const char* text, long encoding);
// Converts text (null as "") from encoding from into encoding to (-1 the
// system encoding, 16 UTF-8, as the toolkit numbers them) and writes at most
// size - 1 bytes of it and a NUL into buffer; the result is the byte length
// of the whole converted text, so that a null buffer of size 0 measures it.
long TQGFdbDriverConvert(char* buffer, long size, long to, const char* text, long from);
}

// The names a module looks the entry points up by.
#define TQ_DB_SET_DATABASE_HANDLER "TQGFdbSetDatabaseCreateHandler"
#define TQ_DB_SET_RECORD_HANDLER "TQGFdbSetRecordCreateHandler"
#define TQ_DB_DRIVER_TEXT "TQGFdbDriverText"
#define TQ_DB_DRIVER_CONVERT "TQGFdbDriverConvert"

typedef void (*TQCdbSetCreateHandler)(void* handler, const char* driverName);
typedef long (*TQCdbDriverConvert)(char* buffer, long size, long to, const char* text,
                                   long from);

// Null when the name has none.
TQCdbDatabaseCreateHandler TQGFdbDatabaseCreateHandler(const char* driverName);
TQCdbRecordCreateHandler TQGFdbRecordCreateHandler(const char* driverName);

// The module file of a driver name ("SQLITE" -> "libtqsqlite395.dll"), or
// null.
const char* TQGFdbDriverLibrary(const char* driverName);

// Defines Class::name as the operation of the same name and arguments of
// the driver object m_driver, or as the answer without while there is none.
#define TQ_DB_FORWARD(Class, Result, name, params, args, without)                \
    Result Class::name params { return m_driver != nullptr ? m_driver->name args : (without); }

// Closes and deletes a driver object and forgets it: the close result, or
// -1 when there is none.
template <class Driver>
long TQGFdbCloseDriver(Driver*& driver)
{
    if (driver == nullptr)
        return -1;
    long result = driver->close();
    delete driver;
    driver = nullptr;
    return result;
}

// Copies at most size - 1 bytes of text and a NUL; nothing for a size
// below 1.
void TQGFdbCopyText(char* buffer, const char* text, long size);

enum class TQCdbDriverLoad {
    Registered,  // the module registered the wanted handler; it stays loaded
    NoLibrary,   // the driver name has no module file
    NotFound,    // the module file could not be loaded
    Invalid      // it loaded but registered no such handler; it is unloaded
};

// Loads the module of driverName; it counts as registered when afterwards
// the database handler (wantRecord false) or the record handler (true) of
// the name is there. A module that is unloaded again takes every handler it
// set while loading with it: the tables are as they were before.
TQCdbDriverLoad TQGFdbLoadDriver(const char* driverName, bool wantRecord);

#endif
