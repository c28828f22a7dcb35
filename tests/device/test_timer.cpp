// The application timer: rates and phases, one-shot triggers, and the walks
// surviving procedures that add and delete records while they run.
#include <gtest/gtest.h>

#include "FakeResources.h"
#include "_TQDtimer.h"

#include <vector>

namespace {

struct Calls {
    std::vector<unsigned long> ticks;  // the timer's own count at each call
    std::vector<unsigned char> received;
    FakeTimer* timer = nullptr;
};

void record(unsigned char tick, void* data)
{
    Calls* calls = static_cast<Calls*>(data);
    calls->received.push_back(tick);
    calls->ticks.push_back(calls->timer != nullptr ? calls->timer->getTick() : 0);
}

std::vector<unsigned long> runsOf(FakeTimer& timer, unsigned char rate, long ticks)
{
    Calls calls;
    calls.timer = &timer;
    timer.addTimerProc(record, rate, &calls);
    timer.tick(ticks);
    return calls.ticks;
}

} // namespace

TEST(Timer, RateSetsThePeriodAndRegistrationSetsThePhase)
{
    FakeTimer every;
    EXPECT_EQ((std::vector<unsigned long>{ 1, 2, 3, 4, 5 }), runsOf(every, 1, 5));

    FakeTimer fourth;  // registered at tick 0: first run at 0 - 1 + 4
    EXPECT_EQ((std::vector<unsigned long>{ 3, 7, 11 }), runsOf(fourth, 4, 12));

    FakeTimer later;
    later.tick(5);     // registered at tick 5: first run at 5 - 1 + 3
    EXPECT_EQ((std::vector<unsigned long>{ 7, 10, 13 }), runsOf(later, 3, 8));

    FakeTimer zero;    // rate 0 would divide by zero; it runs as rate 1
    EXPECT_EQ((std::vector<unsigned long>{ 1, 2 }), runsOf(zero, 0, 2));
}

TEST(Timer, ProcedureReceivesTheTickModulo256)
{
    FakeTimer timer;
    Calls calls;
    timer.addTimerProc(record, 1, &calls);
    timer.tick(300);
    ASSERT_EQ(300u, calls.received.size());
    EXPECT_EQ(255, calls.received[254]);
    EXPECT_EQ(0, calls.received[255]);
    EXPECT_EQ(300 % 256, calls.received.back());
    EXPECT_EQ(300u, timer.getTick());
}

TEST(Timer, TriggerRunsOnceAndItsIdDiesWithIt)
{
    FakeTimer timer;
    Calls calls;
    calls.timer = &timer;
    long id = timer.addTriggerProc(record, 2, &calls);
    timer.tick(6);
    EXPECT_EQ((std::vector<unsigned long>{ 1 }), calls.ticks);
    EXPECT_EQ(-1, timer.delTriggerProc(id));

    long pending = timer.addTriggerProc(record, 3, &calls);
    EXPECT_EQ(-1, timer.delTimerProc(pending));  // not in the periodic list
    EXPECT_EQ(0, timer.delTriggerProc(pending));
    EXPECT_EQ(-1, timer.delTriggerProc(pending));
    timer.tick(6);
    EXPECT_EQ(1u, calls.ticks.size());
}

namespace {

// A procedure that deletes a record (possibly its own) and counts its runs.
struct Deleter {
    FakeTimer* timer = nullptr;
    long victim = 0;
    bool trigger = false;
    int runs = 0;
};

void deleteVictim(unsigned char, void* data)
{
    Deleter* d = static_cast<Deleter*>(data);
    ++d->runs;
    if (d->victim != 0) {
        if (d->trigger)
            d->timer->delTriggerProc(d->victim);
        else
            d->timer->delTimerProc(d->victim);
        d->victim = 0;
    }
}

void count(unsigned char, void* data)
{
    ++*static_cast<int*>(data);
}

} // namespace

TEST(Timer, WalkSurvivesProceduresThatDeleteRecords)
{
    FakeTimer timer;
    int first = 0;
    int third = 0;
    int last = 0;
    Deleter own;
    Deleter earlier;
    Deleter later;
    own.timer = earlier.timer = later.timer = &timer;

    long firstId = timer.addTimerProc(count, 1, &first);
    long ownId = timer.addTimerProc(deleteVictim, 1, &own);
    own.victim = ownId;
    timer.addTimerProc(deleteVictim, 1, &earlier);
    earlier.victim = firstId;                       // already run this tick
    timer.addTimerProc(count, 1, &third);
    timer.addTimerProc(deleteVictim, 1, &later);
    timer.addTimerProc(count, 1, &last);
    later.victim = timer.addTimerProc(count, 1, &last);  // not yet reached

    timer.tick();
    EXPECT_EQ(1, first);
    EXPECT_EQ(1, own.runs);
    EXPECT_EQ(1, earlier.runs);
    EXPECT_EQ(1, third);  // not skipped although an earlier record went
    EXPECT_EQ(1, later.runs);
    EXPECT_EQ(1, last);   // the deleted one did not run

    timer.tick();
    EXPECT_EQ(1, first);
    EXPECT_EQ(1, own.runs);
    EXPECT_EQ(2, third);
    EXPECT_EQ(2, last);
}

TEST(Timer, TriggerWalkSurvivesTriggersThatDeleteOthers)
{
    FakeTimer timer;
    Deleter killer;
    Deleter self;
    killer.timer = self.timer = &timer;
    killer.trigger = self.trigger = true;
    int victim = 0;
    int survivor = 0;

    timer.addTriggerProc(deleteVictim, 1, &killer);
    self.victim = timer.addTriggerProc(deleteVictim, 1, &self);  // deletes itself while running
    killer.victim = timer.addTriggerProc(count, 1, &victim);
    timer.addTriggerProc(count, 1, &survivor);

    timer.tick();
    EXPECT_EQ(1, killer.runs);
    EXPECT_EQ(1, self.runs);
    EXPECT_EQ(0, victim);
    EXPECT_EQ(1, survivor);
    timer.tick(3);
    EXPECT_EQ(1, killer.runs);
    EXPECT_EQ(1, self.runs);
    EXPECT_EQ(0, victim);
    EXPECT_EQ(1, survivor);
}

namespace {

struct Rearm {
    FakeTimer* timer = nullptr;
    std::vector<unsigned long> ticks;
    int left = 0;
};

void rearm(unsigned char, void* data)
{
    Rearm* r = static_cast<Rearm*>(data);
    r->ticks.push_back(r->timer->getTick());
    if (--r->left > 0)
        r->timer->addTriggerProc(rearm, 1, r);
}

void addPeriodic(unsigned char, void* data)
{
    Calls* calls = static_cast<Calls*>(data);
    if (calls->timer == nullptr)
        return;  // added already
    calls->timer->addTimerProc(record, 1, calls);
    calls->timer = nullptr;
}

} // namespace

TEST(Timer, RecordsAddedDuringATickWaitForTheNext)
{
    FakeTimer timer;
    Rearm r;
    r.timer = &timer;
    r.left = 3;
    timer.addTriggerProc(rearm, 1, &r);
    timer.tick(5);
    EXPECT_EQ((std::vector<unsigned long>{ 1, 2, 3 }), r.ticks);

    FakeTimer other;
    Calls calls;
    calls.timer = &other;
    other.addTimerProc(addPeriodic, 1, &calls);
    other.tick();
    EXPECT_TRUE(calls.received.empty());
    other.tick();
    EXPECT_EQ(1u, calls.received.size());
}
