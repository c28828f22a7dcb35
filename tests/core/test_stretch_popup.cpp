// Stretch animation of pop-ups: the heights of the opening and closing steps,
// cancelling one by the other, repeating one while it runs, and the timers.
#include "SampleWidgets.h"
#include "_TQCbaseList.h"
#include "_TQDprivateTimer.h"
#include "_TQGFstretchPopup.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// A private timer that fires only when the test says so.
class StepTimer : public TQDprivateTimer {
public:
    StepTimer() { made().push_back(this); }
    ~StepTimer() override
    {
        std::vector<StepTimer*>& all = made();
        all.erase(std::remove(all.begin(), all.end(), this), all.end());
    }
    void startTimer() override { running = 1; }
    void stopTimer() override { running = 0; }

    bool isRunning() const { return running != 0; }
    long getRate() const { return rate; }
    // One expiry; false when the timer is not started.
    bool fire()
    {
        if (!running || workProc == nullptr)
            return false;
        workProc(data);
        return true;
    }

    static std::vector<StepTimer*>& made()
    {
        static std::vector<StepTimer*> timers;
        return timers;
    }
    static TQDprivateTimer* create() { return new StepTimer; }
};

// A drop-down list: a top-level pop-up, so that it is visible on its own.
class PopupList : public SampleWidget {
public:
    PopupList() : SampleWidget(nullptr, "stretch-list") { initialize(); }
    long getObjectType() override { return OBJECT_TOP_LEVEL | OBJECT_NATIVE_WINDOW | OBJECT_POPUP; }

    unsigned long heightNow() { return getProperty(_TQNheight()).getUnsignedShort(); }
    void setHeight(unsigned short h) { setProperty(_TQNheight(), TQCvariant(h)); }
    StepTimer* timer(const char* key) { return static_cast<StepTimer*>(getUserData(key)); }
};

typedef std::vector<unsigned long> Heights;

// Fires until the timer stops, noting the height after each step.
Heights runToEnd(PopupList& list, StepTimer* timer)
{
    Heights seen;
    while (seen.size() < 40 && timer->fire())
        seen.push_back(list.heightNow());
    return seen;
}

class StretchPopup : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous = TQDprivateTimer::getCreateInstanceHandler();
        TQDprivateTimer::setCreateInstanceHandler(reinterpret_cast<void*>(&StepTimer::create));
        list.setHeight(100);
    }
    void TearDown() override
    {
        TQGFcleanupStretchAction(&list);
        TQDprivateTimer::setCreateInstanceHandler(previous);
        TQGIappObjectList()->execUpdate();
    }

    void* previous = nullptr;
    PopupList list;
};

const Heights kOpening = { 50, 66, 75, 80, 83, 87, 90, 93, 95, 96, 96, 97, 98, 98, 98, 100 };
const Heights kClosing = { 98, 96, 95, 93, 87, 75, 50, 25, 12, 8, 6, 4, 3, 1, 100 };

} // namespace

TEST_F(StretchPopup, OpensFromOnePixelThroughFifteenStepsToTheFullHeight)
{
    TQGFstretchPopup(&list);
    EXPECT_EQ(1u, list.heightNow());
    EXPECT_EQ(1, list.getVisible());
    StepTimer* timer = list.timer("stretch-timer");
    ASSERT_NE(nullptr, timer);
    EXPECT_EQ(5, timer->getRate());

    EXPECT_EQ(kOpening, runToEnd(list, timer));
    EXPECT_EQ(0u, list.getUserLongData("stretch_popup"));
    EXPECT_EQ(1, list.getVisible());
}

TEST_F(StretchPopup, ClosesThroughFourteenStepsThenHidesWithTheFullHeight)
{
    list.setVisible(1);
    TQGFstretchPopdown(&list);
    StepTimer* timer = list.timer("stretch-timer2");
    ASSERT_NE(nullptr, timer);
    EXPECT_EQ(5, timer->getRate());

    EXPECT_EQ(kClosing, runToEnd(list, timer));
    EXPECT_EQ(0, list.getVisible());
    EXPECT_EQ(0u, list.getUserLongData("stretch_popdown"));
}

TEST_F(StretchPopup, EachDirectionCancelsTheOtherAtOnce)
{
    TQGFstretchPopup(&list);
    StepTimer* opening = list.timer("stretch-timer");
    for (int i = 0; i < 3; ++i)
        opening->fire();
    TQGFstretchPopdown(&list);
    EXPECT_EQ(0, list.getVisible()) << "hidden at once";
    EXPECT_EQ(75u, list.heightNow()) << "the partial height stays";
    EXPECT_FALSE(opening->isRunning());
    EXPECT_EQ(nullptr, list.timer("stretch-timer2")) << "no closing animation";

    list.setHeight(100);
    list.setVisible(1);
    TQGFstretchPopdown(&list);
    StepTimer* closing = list.timer("stretch-timer2");
    closing->fire();
    closing->fire();
    TQGFstretchPopup(&list);
    EXPECT_EQ(1, list.getVisible());
    EXPECT_EQ(96u, list.heightNow());
    EXPECT_FALSE(closing->isRunning());
    EXPECT_FALSE(opening->isRunning()) << "no opening animation";
}

// Repeating an animation while it runs must not take the partial height it
// reached for the full one.
TEST_F(StretchPopup, RepeatingARunningAnimationKeepsTheFullHeight)
{
    TQGFstretchPopup(&list);
    StepTimer* opening = list.timer("stretch-timer");
    opening->fire();
    opening->fire();
    TQGFstretchPopup(&list);
    EXPECT_EQ(1u, list.heightNow()) << "the opening starts over";
    EXPECT_EQ(kOpening, runToEnd(list, opening));

    TQGFstretchPopdown(&list);
    StepTimer* closing = list.timer("stretch-timer2");
    for (int i = 0; i < 5; ++i)
        closing->fire();
    TQGFstretchPopdown(&list);
    EXPECT_EQ(kClosing, runToEnd(list, closing));
    EXPECT_EQ(0, list.getVisible());
}

TEST_F(StretchPopup, AnObjectHiddenMidwayGetsItsFullHeightAndOpensWholeAgain)
{
    TQGFstretchPopup(&list);
    StepTimer* opening = list.timer("stretch-timer");
    opening->fire();
    list.setVisible(0);
    EXPECT_TRUE(opening->fire());
    EXPECT_EQ(100u, list.heightNow());
    EXPECT_FALSE(opening->isRunning());

    TQGFstretchPopup(&list);
    EXPECT_EQ(kOpening, runToEnd(list, opening));
}

TEST_F(StretchPopup, TimersAreReusedAndDeletedByTheCleanup)
{
    TQGFstretchPopup(&list);
    StepTimer* opening = list.timer("stretch-timer");
    runToEnd(list, opening);
    TQGFstretchPopdown(&list);
    runToEnd(list, list.timer("stretch-timer2"));
    TQGFstretchPopup(&list);
    EXPECT_EQ(opening, list.timer("stretch-timer"));
    EXPECT_EQ(2u, StepTimer::made().size());

    TQGFcleanupStretchAction(&list);
    EXPECT_TRUE(StepTimer::made().empty());
    EXPECT_EQ(nullptr, list.getUserData("stretch-timer"));
    EXPECT_EQ(nullptr, list.getUserData("stretch-timer2"));
}
