// Debug logs, tracing, local time and process hooks. This is the one unit of
// the object model that asks the system for the local time.
#include "_TQGFdebug.h"

#include <algorithm>
#include <climits>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "_TQCbase.h"
#include "_TQDappDev.h"
#include "_TQDmessage.h"

// Last, so that its macros reach none of the toolkit's headers.
#include "TQwin32.h"

namespace {

// ---------------------------------------------------------------------------
// Debug log

FILE* g_debugFile = nullptr;
bool g_memoryDebug = false;
bool g_memoryDebug2 = false;

// Called through volatile pointers so that the compiler cannot drop blocks
// that are filled and never read.
void* (*volatile allocateBlock)(std::size_t) = std::malloc;
void (*volatile releaseBlock)(void*) = std::free;

// Allocates blocks of 0, step, 2·step, ... bytes, fills them and frees them
// all, so that heap damage shows up near the debug line that follows.
void stressHeap(int blocks, std::size_t step)
{
    void* held[100];
    blocks = std::min(blocks, 100);
    for (int i = 0; i < blocks; ++i) {
        std::size_t size = step * static_cast<std::size_t>(i);
        held[i] = allocateBlock(size);
        if (held[i] != nullptr)
            std::memset(held[i], 0xFF, size);
    }
    for (int i = 0; i < blocks; ++i)
        releaseBlock(held[i]);
}

void stressHeapIfAsked()
{
    if (g_memoryDebug2)
        stressHeap(10, 1000);
    else if (g_memoryDebug)
        stressHeap(100, 10);
}

const std::size_t kMessageSize = 4096;

// ---------------------------------------------------------------------------
// Local time

void readSystemTime(TQGFlocalTime* now)
{
    SYSTEMTIME st;
    GetLocalTime(&st);
    now->year = st.wYear;
    now->month = st.wMonth;
    now->dayOfWeek = st.wDayOfWeek;
    now->day = st.wDay;
    now->hour = st.wHour;
    now->minute = st.wMinute;
    now->second = st.wSecond;
    now->millisecond = st.wMilliseconds;
}

void (*g_timeSource)(TQGFlocalTime*) = nullptr;
TQGFlocalTime g_timePoint = {};

TQGFlocalTime localNow()
{
    TQGFlocalTime now = {};
    (g_timeSource != nullptr ? g_timeSource : readSystemTime)(&now);
    return now;
}

const long kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Leap years among 1 .. year (year >= 0).
int64_t leapYearsUpTo(int64_t year)
{
    return year / 4 - year / 100 + year / 400;
}

// ---------------------------------------------------------------------------
// Hooks

void* g_beepFunction = nullptr;
long (*g_languageHandler)() = nullptr;
long (*g_mappingHandler)() = nullptr;
long g_langVal = 0;
char g_langName[32] = "";
TQCbase* g_appWindowList = nullptr;
TQCbool (*g_enableCloseReader)(TQCbase*) = nullptr;

} // namespace

// ---------------------------------------------------------------------------
// Debug output

int __dbprintf_init()
{
    if (std::getenv("TQDEBUG") != nullptr && g_debugFile == nullptr)
        g_debugFile = std::fopen("tqdbg.txt", "a+");
    g_memoryDebug = std::getenv("TQMEMDEBUG") != nullptr;
    g_memoryDebug2 = std::getenv("TQMEMDEBUG2") != nullptr;
    return 0;
}

int __dbprintf(const char* format, ...)
{
    if (g_debugFile == nullptr)
        return -1;
    stressHeapIfAsked();
    va_list args;
    va_start(args, format);
    int written = std::vfprintf(g_debugFile, format, args);
    va_end(args);
    std::fflush(g_debugFile);
    return written;
}

void DBG_msg(const char* format, ...)
{
    static char message[kMessageSize];
    va_list args;
    va_start(args, format);
    std::vsnprintf(message, sizeof message, format, args);
    va_end(args);
    FILE* log = std::fopen("udebug.log", "a");
    if (log != nullptr) {
        std::fprintf(log, "%s\n", message);
        std::fclose(log);
    }
    std::printf("%s\n", message);
}

void TQGFtimetrace()
{
    if (g_debugFile == nullptr)
        return;
    TQGFlocalTime now = localNow();
    std::fprintf(g_debugFile, "%2d:%2d:%2d %dmsec\n", static_cast<int>(now.hour),
                 static_cast<int>(now.minute), static_cast<int>(now.second),
                 static_cast<int>(now.millisecond));
    std::fflush(g_debugFile);
}

// ---------------------------------------------------------------------------
// Local time

long TQGFclocktime()
{
    TQGFlocalTime now = localNow();
    return now.hour * 3600000 + now.minute * 60000 + now.second * 1000 + now.millisecond;
}

void TQGFsetTimePoint()
{
    g_timePoint = localNow();
}

// Only minutes, seconds and milliseconds are compared: an interval that
// crosses the hour comes out negative and is taken to end in the next hour.
long TQGFdiffTimePoint()
{
    const int64_t kMicrosPerHour = 3600000000LL;
    TQGFlocalTime now = localNow();
    int64_t seconds = static_cast<int64_t>(now.minute - g_timePoint.minute) * 60 +
                      (now.second - g_timePoint.second);
    int64_t micros = seconds * 1000000 +
                     static_cast<int64_t>(now.millisecond - g_timePoint.millisecond) * 1000;
    if (micros < 0)
        micros += kMicrosPerHour;
    return static_cast<long>(std::clamp<int64_t>(micros, LONG_MIN, LONG_MAX));
}

void TQGFgettimeofday(long* t)
{
    if (t == nullptr)
        return;
    TQGFlocalTime now = localNow();
    t[0] = now.year;
    t[1] = now.month;
    t[2] = now.day;
    t[3] = now.hour;
    t[4] = now.minute;
    t[5] = now.second;
    t[6] = now.dayOfWeek;
}

long IsLeap(long year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days since Monday 1 January 1900, counted in 64 bits so that no year can
// overflow them.
long TQgetwday(long* date)
{
    if (date == nullptr)
        return 0;
    int64_t years = date[0] >= 1900 ? static_cast<int64_t>(date[0]) - 1900 : date[0];
    int64_t year = 1900 + years;
    long month = date[1];
    int64_t days = 0;
    if (years > 0)
        days += 365 * years + leapYearsUpTo(year - 1) - leapYearsUpTo(1899);
    for (long m = 1; m < month && m <= 12; ++m)
        days += kMonthDays[m - 1];
    if (month > 2 && IsLeap(static_cast<long>(year)))
        days += 1;
    days += static_cast<int64_t>(date[2]) - 1;
    return static_cast<long>((days % 7 + 7) % 7);
}

// ---------------------------------------------------------------------------
// Messages and tracing

long TQGFsendMessage(const char* name, const char* text)
{
    return TQDmessage::extSendMessage(nullptr, name, text);
}

void TQGFtrace(TQCstring text)
{
    if (TQDappDev::getTraceMode() == 0)
        return;
    const long kUtf8 = 16;
    TQGFsendMessage("TQ-TRACER", text.getString(kUtf8));
}

// ---------------------------------------------------------------------------
// Process hooks

void TQGFexit(int status)
{
    std::exit(status);
}

void TQGFsetBeepFunction(void* function)
{
    g_beepFunction = function;
}

void TQGFbeep()
{
    if (g_beepFunction != nullptr)
        reinterpret_cast<void (*)()>(g_beepFunction)();
}

void TQGFsetGetLanguageHandler(long (*handler)())
{
    g_languageHandler = handler;
}

long TQGFgetLanguage()
{
    return g_languageHandler != nullptr ? g_languageHandler() : 0;
}

void TQGFsetGetMappingHandler(long (*handler)())
{
    g_mappingHandler = handler;
}

long TQGFgetMapping()
{
    return g_mappingHandler != nullptr ? g_mappingHandler() : 0;
}

void TQGFsetLangVal(long value)
{
    g_langVal = value;
}

char* TQGFsetLangName(const char* name)
{
    std::snprintf(g_langName, sizeof g_langName, "%s", name != nullptr ? name : "");
    return g_langName;
}

TQCbase* TQGIappWindowList()
{
    return g_appWindowList;
}

long TQGFsetAppWindowList(TQCbase* list)
{
    g_appWindowList = list;
    return 0;
}

TQCbool TQGFgetWindowEnableClose(TQCbase* object)
{
    if (object == nullptr || object->cast("TQCwindow") == nullptr)
        return 1;
    return g_enableCloseReader != nullptr ? g_enableCloseReader(object) : 1;
}

void _TQGFsetWindowEnableCloseReader(TQCbool (*reader)(TQCbase* window))
{
    g_enableCloseReader = reader;
}

unsigned char TQGFblinkRate(long ms)
{
    return static_cast<unsigned char>(ms / 250);
}

TQCprocedure* TQGFidToProcedure(unsigned long id)
{
    return reinterpret_cast<TQCprocedure*>(static_cast<uintptr_t>(id));
}

unsigned long TQGFprocedureToId(TQCprocedure* procedure)
{
    return static_cast<unsigned long>(reinterpret_cast<uintptr_t>(procedure));
}

void _TQGFsetLocalTimeSource(void (*source)(TQGFlocalTime* now))
{
    g_timeSource = source;
}
