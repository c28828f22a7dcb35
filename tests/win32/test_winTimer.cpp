// The application tick on a real (message-only) application window.
#include "TestAppWindow.h"

#include "TQDwintimer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TickLog {
    std::vector<unsigned char> ticks;
    std::vector<DWORD> times;
    int triggers = 0;
};

void logTick(unsigned char tick, void* data)
{
    TickLog* log = static_cast<TickLog*>(data);
    log->ticks.push_back(tick);
    log->times.push_back(GetTickCount());
}

void countTrigger(unsigned char, void* data)
{
    static_cast<TickLog*>(data)->triggers++;
}

} // namespace

TEST(WinAppTimer, TicksEveryQuarterSecondAndRunsProceduresAndTriggersOnce)
{
    TestAppWindow app;
    TQDtimer::setCreateInstanceHandler(_wintimer_create_handler);
    TQDtimer* timer = TQGIappTimer();
    ASSERT_NE(nullptr, timer);

    TickLog log;
    long periodic = timer->addTimerProc(logTick, 1, &log);
    timer->addTriggerProc(countTrigger, 1, &log);
    ASSERT_TRUE(app.pumpUntil([&] { return log.ticks.size() >= 3; }, 5000));
    timer->delTimerProc(periodic);

    EXPECT_EQ(1, log.triggers);
    EXPECT_EQ(static_cast<unsigned char>(log.ticks[0] + 1), log.ticks[1]);
    EXPECT_EQ(static_cast<unsigned char>(log.ticks[0] + 2), log.ticks[2]);
    EXPECT_EQ(static_cast<unsigned char>(timer->getTick()), log.ticks[2]);
    DWORD twoPeriods = log.times[2] - log.times[0];
    EXPECT_GE(twoPeriods, 400u);
    EXPECT_LE(twoPeriods, 1500u);
}
