// The base private timer: defaults, the restart on a new rate, the factory.
#include "_TQDprivateTimer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// Records the platform calls the base makes and exposes the fields.
class RecordingTimer : public TQDprivateTimer {
public:
    void startTimer() override { calls += "start "; running = 1; }
    void stopTimer() override { calls += "stop "; running = 0; }

    long getRate() const { return rate; }
    unsigned char getCont() const { return continuous; }
    unsigned char getRunning() const { return running; }
    WorkProc getWorkProc() const { return workProc; }

    std::string calls;
};

void noWork(void*) {}

} // namespace

TEST(PrivateTimerBase, StartsWithRate50ContinuousIdleAndNoProcedure)
{
    RecordingTimer timer;
    EXPECT_EQ(50, timer.getRate());
    EXPECT_EQ(1, timer.getCont());
    EXPECT_EQ(0, timer.getRunning());
    EXPECT_EQ(nullptr, timer.getWorkProc());
    EXPECT_EQ(nullptr, timer.getData());
    EXPECT_STREQ("TQDprivateTimer", TQDprivateTimer::getThisClassName());
    EXPECT_EQ(&timer, timer.cast("TQDprivateTimer"));
    EXPECT_EQ(nullptr, timer.cast2("TQDprivateTimerX"));
}

TEST(PrivateTimerBase, SetRateRestartsOnlyARunningTimer)
{
    RecordingTimer timer;
    timer.setRate(120);
    EXPECT_EQ(120, timer.getRate());
    EXPECT_EQ("", timer.calls);

    timer.startTimer();
    timer.calls.clear();
    timer.setRate(30);
    EXPECT_EQ(30, timer.getRate());
    EXPECT_EQ("stop start ", timer.calls);
}

TEST(PrivateTimerBase, KeepsProcedureDataAndRepeatFlag)
{
    RecordingTimer timer;
    int owner = 0;
    timer.setWorkProc(noWork, &owner);
    timer.setCont(0);
    EXPECT_EQ(&owner, timer.getData());
    EXPECT_EQ(noWork, timer.getWorkProc());
    EXPECT_EQ(0, timer.getCont());
}

TEST(PrivateTimerBase, WithoutFactoryTimersNeverRun)
{
    void* saved = TQDprivateTimer::getCreateInstanceHandler();
    TQDprivateTimer::setCreateInstanceHandler(nullptr);
    std::unique_ptr<TQDprivateTimer> timer(TQDprivateTimer::getNewInstance());
    TQDprivateTimer::setCreateInstanceHandler(saved);
    EXPECT_STREQ("TQDprivateTimer", timer->getClassName());
    timer->startTimer();
    timer->setRate(10);  // would restart a running timer
    timer->stopTimer();
}
