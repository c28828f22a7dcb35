// The base private timer: its defaults and the restart on a new rate.
#include "_TQDprivateTimer.h"

#include <gtest/gtest.h>

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

    std::string calls;
};

} // namespace

TEST(PrivateTimerBase, StartsAtRate50ContinuousIdleAndANewRateRestartsOnlyARunningTimer)
{
    RecordingTimer timer;
    EXPECT_EQ(50, timer.getRate());
    EXPECT_EQ(1, timer.getCont());
    EXPECT_EQ(0, timer.getRunning());
    EXPECT_EQ(nullptr, timer.getData());

    timer.setRate(120);
    EXPECT_EQ(120, timer.getRate());
    EXPECT_EQ("", timer.calls);
    timer.startTimer();
    timer.calls.clear();
    timer.setRate(30);
    EXPECT_EQ(30, timer.getRate());
    EXPECT_EQ("stop start ", timer.calls);
}

TEST(PrivateTimerBase, WithoutAPlatformFactoryATimerIsMadeThatNeverFires)
{
    TQDprivateTimer* timer = TQDprivateTimer::getNewInstance();

    ASSERT_NE(nullptr, timer);
    EXPECT_STREQ("TQDprivateTimer", timer->getClassName());
    int fired = 0;
    timer->setWorkProc([](void* count) { ++*static_cast<int*>(count); }, &fired);
    timer->setRate(1);
    timer->startTimer();
    timer->stopTimer();
    EXPECT_EQ(0, fired);
    delete timer;
}
