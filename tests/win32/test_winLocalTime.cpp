// The toolkit's local-time functions read the Win32 clock that the Win32
// layer installs at start-up, milliseconds included.
#include <gtest/gtest.h>

#include "_TQGFdebug.h"

#include "TQwin32.h"

#include <vector>

namespace {

long millisecondsSinceMidnight(const SYSTEMTIME& st)
{
    return st.wHour * 3600000L + st.wMinute * 60000L + st.wSecond * 1000L + st.wMilliseconds;
}

} // namespace

TEST(WinLocalTime, LocalTimeFunctionsReadTheWin32ClockWithItsMilliseconds)
{
    // A reading that straddles a second, or starts on a whole one, could not
    // tell milliseconds from whole seconds: such readings are taken again.
    for (int attempt = 0; attempt < 50; ++attempt) {
        SYSTEMTIME before, after;
        GetLocalTime(&before);
        long clock = TQGFclocktime();
        long t[7];
        TQGFgettimeofday(t);
        GetLocalTime(&after);
        if (before.wSecond != after.wSecond || before.wMilliseconds == 0)
            continue;
        EXPECT_LE(millisecondsSinceMidnight(before), clock) << "clock time before Win32's";
        EXPECT_GE(millisecondsSinceMidnight(after), clock) << "clock time after Win32's";
        EXPECT_EQ((std::vector<long>{before.wYear, before.wMonth, before.wDay, before.wHour,
                                     before.wMinute, before.wSecond, before.wDayOfWeek}),
                  std::vector<long>(t, t + 7));
        return;
    }
    FAIL() << "no reading stayed within one second";
}
