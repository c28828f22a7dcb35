// The toolkit's small process-wide services: the debug log and the plain
// log "udebug.log", procedure tracing to another application, local-time
// functions, and the replaceable exit, beep and language hooks.
#ifndef _TQGFDEBUG_H
#define _TQGFDEBUG_H

#include "TQtypes.h"
#include "_TQCstring.h"

class TQCbase;
class TQCprocedure;

// Debug log. With TQDEBUG set, the first call opens "tqdbg.txt" in the
// current directory for appending; it stays open until the process ends.
// TQMEMDEBUG and TQMEMDEBUG2 switch on a heap stress before every line.
int __dbprintf_init();
// -1 when the log is not open, else the count of characters written.
int __dbprintf(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));
// Appends the text and a line feed to "udebug.log" and prints both on
// standard output. Texts longer than the message buffer are cut.
void DBG_msg(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));
// Writes the local time of day to the debug log when it is open.
void TQGFtimetrace();

// Local time.
// Milliseconds since local midnight.
long TQGFclocktime();
void TQGFsetTimePoint();
// Microseconds since TQGFsetTimePoint(), for intervals shorter than an hour.
long TQGFdiffTimePoint();
// Year, month (1-12), day, hour, minute, second, day of week (0 = Sunday).
void TQGFgettimeofday(long* t);
long IsLeap(long year);
// Day of week (0 = Monday) of {year, month 1-12, day}; years below 1900
// count from 1900.
long TQgetwday(long* date);

// Messages and tracing.
// Sends a text to the application whose channel is published as name.
long TQGFsendMessage(const char* name, const char* text);
// In the application's trace mode, sends the text in UTF-8 to "TQ-TRACER".
void TQGFtrace(TQCstring text);

// Process hooks.
// The standard exit: static destructors and exit handlers run.
[[noreturn]] void TQGFexit(int status);
// Asks the threads that the platform layer started for its services to end,
// and waits for them. Exit does it by itself; a process that ends another
// way (_Exit) calls it first. Without a handler it does nothing.
void TQGFendThreads();
void TQGFsetEndThreadsHandler(void (*handler)());
// The function takes no arguments and returns nothing.
void TQGFsetBeepFunction(void* function);
void TQGFbeep();
void TQGFsetGetLanguageHandler(long (*handler)());
// The handler's answer, or 0 without handler.
long TQGFgetLanguage();
void TQGFsetGetMappingHandler(long (*handler)());
long TQGFgetMapping();
void TQGFsetLangVal(long value);
// Keeps at most 31 characters of the name; returns the kept copy.
char* TQGFsetLangName(const char* name);

// The object that lists the application's windows.
TQCbase* TQGIappWindowList();
long TQGFsetAppWindowList(TQCbase* list);
// Whether the user may close the object's window: true for anything that is
// not a window, else the window's own may-close flag.
TQCbool TQGFgetWindowEnableClose(TQCbase* object);

// A blink rate in steps of 250 ms.
unsigned char TQGFblinkRate(long ms);
// A procedure's identifier is its address.
TQCprocedure* TQGFidToProcedure(unsigned long id);
unsigned long TQGFprocedureToId(TQCprocedure* procedure);

// Seams for the window class and for tests.
// The window class installs the reader of its may-close flag; a window met
// before that may be closed.
void _TQGFsetWindowEnableCloseReader(TQCbool (*reader)(TQCbase* window));

struct TQGFlocalTime {
    long year;
    long month;
    long dayOfWeek;
    long day;
    long hour;
    long minute;
    long second;
    long millisecond;
};
// The reader of the system's local time. The platform layer installs its
// own at start-up; null puts back the portable one, which reads whole
// seconds from the C library (milliseconds 0).
void _TQGFsetLocalTimeReader(void (*reader)(TQGFlocalTime* now));
// Replaces the system clock of the local-time functions; null restores it.
void _TQGFsetLocalTimeSource(void (*source)(TQGFlocalTime* now));
// The local time as the local-time functions read it.
TQGFlocalTime _TQGFlocalNow();

#endif
