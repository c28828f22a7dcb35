// Private timers on Win32 timers of a real (message-only) application window.
#include "TestAppWindow.h"

#include "TQDwinPrivateTimer.h"
#include "TQGFwinAppWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <new>

namespace {

const DWORD kPatience = 3000;

class ProbeTimer : public TQDwinPrivateTimer {
public:
    bool isRunning() const { return running != 0; }
};

struct Expiries {
    int count = 0;
    ProbeTimer* timer = nullptr;
};

void countExpiry(void* data)
{
    static_cast<Expiries*>(data)->count++;
}

void countAndStop(void* data)
{
    Expiries* expiries = static_cast<Expiries*>(data);
    expiries->count++;
    expiries->timer->stopTimer();
}

void countAndDelete(void* data)
{
    Expiries* expiries = static_cast<Expiries*>(data);
    expiries->count++;
    delete expiries->timer;
    expiries->timer = nullptr;
}

} // namespace

TEST(WinPrivateTimer, OneShotRunsOnceAndStopsWithOrWithoutAProcedure)
{
    TestAppWindow app;
    ProbeTimer timer;
    Expiries expiries;
    timer.setWorkProc(countExpiry, &expiries);
    timer.setCont(0);
    timer.setRate(10);
    timer.startTimer();
    EXPECT_TRUE(timer.isRunning());
    EXPECT_TRUE(app.pumpUntil([&] { return expiries.count > 0; }, kPatience));
    app.pumpFor(100);
    EXPECT_EQ(1, expiries.count);
    EXPECT_FALSE(timer.isRunning());

    timer.startTimer();
    EXPECT_TRUE(app.pumpUntil([&] { return expiries.count > 1; }, kPatience));
    app.pumpFor(100);
    EXPECT_EQ(2, expiries.count);

    // Without a work procedure it stops all the same.
    timer.setWorkProc(nullptr, nullptr);
    timer.startTimer();
    EXPECT_TRUE(app.pumpUntil([&] { return !timer.isRunning(); }, kPatience));
}

TEST(WinPrivateTimer, ContinuousRepeatsUntilStopped)
{
    TestAppWindow app;
    ProbeTimer timer;
    Expiries expiries;
    timer.setWorkProc(countExpiry, &expiries);
    timer.setRate(10);
    timer.startTimer();
    EXPECT_TRUE(app.pumpUntil([&] { return expiries.count >= 3; }, kPatience));
    EXPECT_TRUE(timer.isRunning());
    timer.stopTimer();
    int stoppedAt = expiries.count;
    app.pumpFor(100);
    EXPECT_EQ(stoppedAt, expiries.count);
}

TEST(WinPrivateTimer, ProcedureThatStopsItsTimerIsNotCalledAgain)
{
    TestAppWindow app;
    ProbeTimer timer;
    Expiries expiries;
    expiries.timer = &timer;
    timer.setWorkProc(countAndStop, &expiries);
    timer.setRate(10);
    timer.startTimer();
    EXPECT_TRUE(app.pumpUntil([&] { return expiries.count > 0; }, kPatience));
    app.pumpFor(100);
    EXPECT_EQ(1, expiries.count);
    EXPECT_FALSE(timer.isRunning());
}

TEST(WinPrivateTimer, SetRateOnARunningTimerTakesTheNewPeriod)
{
    TestAppWindow app;
    ProbeTimer timer;
    Expiries expiries;
    timer.setWorkProc(countExpiry, &expiries);
    timer.setRate(60000);
    timer.startTimer();
    app.pumpFor(50);
    EXPECT_EQ(0, expiries.count);
    timer.setRate(10);
    EXPECT_TRUE(timer.isRunning());
    EXPECT_TRUE(app.pumpUntil([&] { return expiries.count > 0; }, kPatience));
}

TEST(WinPrivateTimer, MessageOfADeletedTimerIsIgnored)
{
    TestAppWindow app;
    Expiries expiries;
    ProbeTimer* timer = new ProbeTimer;
    timer->setWorkProc(countExpiry, &expiries);
    timer->setRate(10);
    timer->startTimer();
    UINT_PTR id = reinterpret_cast<UINT_PTR>(timer);
    delete timer;
    PostMessageA(app.handle(), WM_TIMER, id, 0);
    app.pumpFor(100);
    EXPECT_EQ(0, expiries.count);
}

TEST(WinPrivateTimer, ProcedureMayDeleteItsOwnTimer)
{
    TestAppWindow app;
    Expiries expiries;
    expiries.timer = new ProbeTimer;
    expiries.timer->setWorkProc(countAndDelete, &expiries);
    expiries.timer->setRate(10);
    expiries.timer->startTimer();
    EXPECT_TRUE(app.pumpUntil([&] { return expiries.count > 0; }, kPatience));
    app.pumpFor(100);
    EXPECT_EQ(1, expiries.count);
    EXPECT_EQ(nullptr, expiries.timer);
}

namespace {

// A procedure that replaces its timer by a new one-shot timer in the same
// memory, as an allocator commonly hands out the block just freed.
struct Replacement {
    alignas(ProbeTimer) unsigned char storage[sizeof(ProbeTimer)];
    ProbeTimer* timer = nullptr;
    Expiries first;
    Expiries second;
};

void replaceByOneShot(void* data)
{
    Replacement* r = static_cast<Replacement*>(data);
    r->first.count++;
    r->timer->~ProbeTimer();
    r->timer = new (r->storage) ProbeTimer;
    r->timer->setWorkProc(countExpiry, &r->second);
    r->timer->setCont(0);
    r->timer->setRate(10);
    r->timer->startTimer();
}

} // namespace

TEST(WinPrivateTimer, TimerMadeInTheMemoryOfOneItsProcedureDeletedStillRuns)
{
    TestAppWindow app;
    Replacement r;
    r.timer = new (r.storage) ProbeTimer;
    r.timer->setWorkProc(replaceByOneShot, &r);
    r.timer->setRate(10);
    r.timer->startTimer();
    EXPECT_TRUE(app.pumpUntil([&] { return r.second.count > 0; }, kPatience))
        << "the replacement was stopped as if it were the deleted timer";
    app.pumpFor(100);
    EXPECT_EQ(1, r.first.count);
    EXPECT_EQ(1, r.second.count);
    EXPECT_FALSE(r.timer->isRunning());
    r.timer->~ProbeTimer();
}

TEST(WinPrivateTimer, FailingToArmLeavesTheTimerStopped)
{
    ProbeTimer timer;
    timer.startTimer();
    EXPECT_FALSE(timer.isRunning()) << "no application window";

    HWND gone;
    {
        TestAppWindow app;
        gone = app.handle();
    }
    TQGFsetAppWindow(gone);
    timer.startTimer();
    EXPECT_FALSE(timer.isRunning()) << "the application window is destroyed";
    TQGFsetAppWindow(nullptr);
}
