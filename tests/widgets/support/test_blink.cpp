// Blink manager: redraws by rate on the application timer, the blink colour,
// registration and removal, and redraws that delete widgets.
#include "FakeResources.h"
#include "SampleWidgets.h"
#include "_TQCblink.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

typedef std::vector<std::string> Log;
Log g_log;

// A window-less widget (unless told otherwise) that logs its redraws with
// the colour of rate 2, and leaves the manager when destroyed.
class BlinkProbe : public SampleWidget {
public:
    BlinkProbe(const char* name, TQCblink* m, bool windowLess = true)
        : SampleWidget(nullptr, name), manager(m), windowLess(windowLess) {}
    ~BlinkProbe() override
    {
        if (windowLess)
            manager->delBlinkInstance(this);
    }
    void* cast(const char* name) override
    {
        if (windowLess && name != nullptr && sameClassName(name, "TQCnwbase"))
            return this;
        return SampleWidget::cast(name);
    }
    long redraw() override
    {
        g_log.push_back(std::string(getInstanceName()) + (manager->getBlinkFore(2) ? "+" : "-"));
        if (onRedraw)
            onRedraw();
        return 0;
    }

    TQCblink* manager;
    bool windowLess;
    std::function<void()> onRedraw;
};

class Blink : public ::testing::Test {
protected:
    void SetUp() override
    {
        TQDtimer::setCreateInstanceHandler(FakeTimer::create);
        timer = dynamic_cast<FakeTimer*>(TQGIappTimer());
        ASSERT_NE(nullptr, timer);
        g_log.clear();
    }
    void ticks(unsigned char from, unsigned char to)
    {
        for (unsigned b = from; b <= to; ++b)
            TQCblink::_blink_proc(static_cast<unsigned char>(b), &manager);
    }

    FakeTimer* timer = nullptr;
    TQCblink manager;
};

} // namespace

TEST_F(Blink, RateTwoRedrawsOnEvenTicksWithTheColourAlternating)
{
    BlinkProbe label("a", &manager);
    EXPECT_EQ(0, manager.getBlinkFore(2)) << "off before the first tick";
    manager.addBlinkInstance(&label, 2, 1);
    ticks(0, 7);
    EXPECT_EQ((Log{ "a-", "a+", "a-", "a+" }), g_log);
}

TEST_F(Blink, RateZeroBlinksEveryTickWithoutDividingByZero)
{
    BlinkProbe label("z", &manager);
    manager.addBlinkInstance(&label, 0, 1);
    ticks(3, 4);
    EXPECT_EQ(2u, g_log.size());
    EXPECT_EQ(1, manager.getBlinkFore(0)) << "counter -5";
}

TEST_F(Blink, RemovingTheLastWidgetUnhooksTheTimerProcedure)
{
    BlinkProbe label("t", &manager);
    manager.addBlinkInstance(&label, 1, 1);
    timer->tick(2);
    EXPECT_EQ(0, manager.delBlinkInstance(&label));
    timer->tick(2);
    EXPECT_EQ(2u, g_log.size());
    manager.addBlinkInstance(&label, 1, 1);
    timer->tick();
    EXPECT_EQ(3u, g_log.size()) << "adding again hooks a new one";
}

TEST_F(Blink, RemovalIsPositionalAndOnlyForWindowLessWidgets)
{
    BlinkProbe a("a", &manager), b("b", &manager), form("form", &manager, false);
    manager.addBlinkInstance(&a, 4, 0);
    manager.addBlinkInstance(&b, 3, 1);
    manager.addBlinkInstance(&form, 5, 1);
    EXPECT_EQ(-1, manager.delBlinkInstance(&form));
    EXPECT_EQ(0, manager.delBlinkInstance(&a));
    ticks(3, 5);
    EXPECT_EQ((Log{ "b-", "form+" }), g_log) << "b keeps rate 3 and mode 1";
}

TEST_F(Blink, AWidgetDeletedByAnEarlierRedrawIsSkipped)
{
    BlinkProbe first("first", &manager), last("last", &manager);
    BlinkProbe* second = new BlinkProbe("second", &manager);
    manager.addBlinkInstance(&first, 1, 1);
    manager.addBlinkInstance(second, 1, 1);
    manager.addBlinkInstance(&last, 1, 1);
    first.onRedraw = [&second] { delete second; second = nullptr; };
    ticks(1, 1);
    EXPECT_EQ((Log{ "first+", "last+" }), g_log);
}
