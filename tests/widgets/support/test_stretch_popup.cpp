// Stretch animation of pop-ups: step heights, cancelling, repeating a running
// animation, and the timers.
#include "SampleWidgets.h"
#include "_TQCbaseList.h"
#include "_TQDprivateTimer.h"
#include "_TQGFstretchPopup.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A private timer that fires when the test says so.
class StepTimer : public TQDprivateTimer {
public:
    void startTimer() override { running = 1; }
    void stopTimer() override { running = 0; }
    bool fire() { return running && (workProc(data), true); }
    static TQDprivateTimer* create() { return new StepTimer; }
};

// A drop-down list: a top-level pop-up, visible on its own.
class PopupList : public SampleWidget {
public:
    PopupList() : SampleWidget(nullptr, "stretch-list") { initialize(); }
    long getObjectType() override { return OBJECT_TOP_LEVEL | OBJECT_NATIVE_WINDOW | OBJECT_POPUP; }
    unsigned long h() { return getProperty(_TQNheight()).getUnsignedShort(); }
    StepTimer* timer(const char* key) { return static_cast<StepTimer*>(getUserData(key)); }
};

typedef std::vector<unsigned long> Heights;
const Heights kOpening = { 50, 66, 75, 80, 83, 87, 90, 93, 95, 96, 96, 97, 98, 98, 98, 100 };
const Heights kClosing = { 98, 96, 95, 93, 87, 75, 50, 25, 12, 8, 6, 4, 3, 1, 100 };

class StretchPopup : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous = TQDprivateTimer::getCreateInstanceHandler();
        TQDprivateTimer::setCreateInstanceHandler(reinterpret_cast<void*>(&StepTimer::create));
        list.setProperty(_TQNheight(), TQCvariant(static_cast<unsigned short>(100)));
    }
    void TearDown() override
    {
        TQGFcleanupStretchAction(&list);
        TQDprivateTimer::setCreateInstanceHandler(previous);
        TQGIappObjectList()->execUpdate();
    }
    // Fires n times, or until the timer stops; the heights after each step.
    Heights steps(const char* key, size_t n = 40)
    {
        Heights seen;
        while (seen.size() < n && list.timer(key)->fire())
            seen.push_back(list.h());
        return seen;
    }

    void* previous = nullptr;
    PopupList list;
};

} // namespace

TEST_F(StretchPopup, OpensAndClosesThroughTheStepHeights)
{
    TQGFstretchPopup(&list);
    EXPECT_EQ(1u, list.h());
    EXPECT_EQ(1, list.getVisible());
    EXPECT_EQ(kOpening, steps("stretch-timer"));

    TQGFstretchPopdown(&list);
    EXPECT_EQ(kClosing, steps("stretch-timer2"));
    EXPECT_EQ(0, list.getVisible());

    StepTimer* opening = list.timer("stretch-timer");
    TQGFstretchPopup(&list);
    EXPECT_EQ(opening, list.timer("stretch-timer")) << "the timer is reused";
}

TEST_F(StretchPopup, ClosingDuringTheOpeningHidesAtOnce)
{
    TQGFstretchPopup(&list);
    steps("stretch-timer", 3);
    TQGFstretchPopdown(&list);
    EXPECT_EQ(0, list.getVisible());
    EXPECT_EQ(75u, list.h()) << "the partial height stays";
    EXPECT_FALSE(list.timer("stretch-timer")->fire());
    EXPECT_EQ(nullptr, list.timer("stretch-timer2")) << "no closing animation";

    TQGFstretchPopup(&list);
    EXPECT_EQ(kOpening, steps("stretch-timer")) << "the next opening reaches the full height";
}

// A height the owner sets after a cancel is the new full height, as a combo
// box sets its drop-down's height before every opening.
TEST_F(StretchPopup, AHeightSetAfterACancelIsTheNewFullHeight)
{
    TQGFstretchPopup(&list);
    steps("stretch-timer", 3);
    TQGFstretchPopdown(&list);
    list.setProperty(_TQNheight(), TQCvariant(static_cast<unsigned short>(200)));
    TQGFstretchPopup(&list);
    EXPECT_EQ(200u, steps("stretch-timer").back());

    TQGFstretchPopdown(&list);
    steps("stretch-timer2", 3);
    TQGFstretchPopup(&list);
    list.setProperty(_TQNheight(), TQCvariant(static_cast<unsigned short>(60)));
    TQGFstretchPopdown(&list);
    Heights closing = steps("stretch-timer2");
    EXPECT_EQ(59u, closing.front()) << "60 * 63 / 64";
    EXPECT_EQ(60u, closing.back());
}

TEST_F(StretchPopup, OpeningDuringTheClosingKeepsTheFullHeightForLater)
{
    TQGFstretchPopup(&list);
    steps("stretch-timer");
    TQGFstretchPopdown(&list);
    steps("stretch-timer2", 7);
    TQGFstretchPopup(&list);
    EXPECT_EQ(1, list.getVisible());
    EXPECT_EQ(50u, list.h()) << "the partial height stays";

    TQGFstretchPopdown(&list);
    EXPECT_EQ(kClosing, steps("stretch-timer2"));
}

// Repeating an animation while it runs keeps the full height it began with.
TEST_F(StretchPopup, RepeatingARunningAnimationKeepsTheFullHeight)
{
    TQGFstretchPopup(&list);
    steps("stretch-timer", 2);
    TQGFstretchPopup(&list);
    EXPECT_EQ(kOpening, steps("stretch-timer"));

    TQGFstretchPopdown(&list);
    steps("stretch-timer2", 5);
    TQGFstretchPopdown(&list);
    EXPECT_EQ(kClosing, steps("stretch-timer2"));
}

TEST_F(StretchPopup, AnObjectHiddenMidwayGetsItsFullHeightBack)
{
    TQGFstretchPopup(&list);
    steps("stretch-timer", 1);
    list.setVisible(0);
    EXPECT_TRUE(list.timer("stretch-timer")->fire());
    EXPECT_EQ(100u, list.h());
    TQGFstretchPopup(&list);
    EXPECT_EQ(kOpening, steps("stretch-timer"));
}
