// The local time as Win32 keeps it, with milliseconds, installed at start-up
// as the toolkit's reader of the local time.
#include "_TQDcreateInstance.h"
#include "_TQGFdebug.h"

#include "TQwin32.h"

namespace {

void readWinLocalTime(TQGFlocalTime* now)
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

void installWinLocalTime()
{
    _TQGFsetLocalTimeReader(readWinLocalTime);
}

} // namespace

TQ_RUN_AT_START_UP(installWinLocalTime)
