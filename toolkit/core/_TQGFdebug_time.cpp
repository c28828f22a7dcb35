// Local time and calendar. The system's clock is read through a reader the
// platform layer installs at start-up, so this unit needs no platform header.
#include "_TQGFdebug.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <ctime>

namespace {

// Whole seconds from the C library, for a process without a platform layer.
void readPortableTime(TQGFlocalTime* now)
{
    std::time_t seconds = std::time(nullptr);
    const std::tm* local = std::localtime(&seconds);
    if (local == nullptr)
        return;
    now->year = local->tm_year + 1900;
    now->month = local->tm_mon + 1;
    now->dayOfWeek = local->tm_wday;
    now->day = local->tm_mday;
    now->hour = local->tm_hour;
    now->minute = local->tm_min;
    now->second = local->tm_sec;
    now->millisecond = 0;
}

// Constant-initialised, so a reader installed from another unit's static
// initialiser is never overwritten afterwards.
void (*g_timeReader)(TQGFlocalTime*) = readPortableTime;
void (*g_timeSource)(TQGFlocalTime*) = nullptr;
TQGFlocalTime g_timePoint = {};

const long kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Leap years among 1 .. year (year >= 0).
int64_t leapYearsUpTo(int64_t year)
{
    return year / 4 - year / 100 + year / 400;
}

} // namespace

TQGFlocalTime _TQGFlocalNow()
{
    TQGFlocalTime now = {};
    (g_timeSource != nullptr ? g_timeSource : g_timeReader)(&now);
    return now;
}

long TQGFclocktime()
{
    TQGFlocalTime now = _TQGFlocalNow();
    return now.hour * 3600000 + now.minute * 60000 + now.second * 1000 + now.millisecond;
}

void TQGFsetTimePoint()
{
    g_timePoint = _TQGFlocalNow();
}

// Only minutes, seconds and milliseconds are compared: an interval that
// crosses the hour comes out negative and is taken to end in the next hour.
long TQGFdiffTimePoint()
{
    const int64_t kMicrosPerHour = 3600000000LL;
    TQGFlocalTime now = _TQGFlocalNow();
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
    TQGFlocalTime now = _TQGFlocalNow();
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

void _TQGFsetLocalTimeReader(void (*reader)(TQGFlocalTime* now))
{
    g_timeReader = reader != nullptr ? reader : readPortableTime;
}

void _TQGFsetLocalTimeSource(void (*source)(TQGFlocalTime* now))
{
    g_timeSource = source;
}
