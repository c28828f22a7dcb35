// Blink manager: redraws by rate and mode on the application timer, the blink
// colour per rate, registration and removal, and redraws that remove widgets.
#include "FakeResources.h"
#include "SampleWidgets.h"
#include "_TQCblink.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// What the blinking widgets did, as "<name>.<call>".
std::vector<std::string>& blinkLog()
{
    static std::vector<std::string> entries;
    return entries;
}

// A blinking widget; window-less unless told otherwise. It leaves its
// manager when destroyed, as window-less widgets do.
class BlinkProbe : public SampleWidget {
public:
    BlinkProbe(const char* name, TQCblink* manager, bool windowLess = true)
        : SampleWidget(nullptr, name), manager(manager), windowLess(windowLess)
    {
    }
    ~BlinkProbe() override
    {
        if (windowLess)
            manager->delBlinkInstance(this);
    }
    void* cast(const char* name) override
    {
        if (windowLess && name != nullptr && TQCroot::sameClassName(name, "TQCnwbase"))
            return this;
        return SampleWidget::cast(name);
    }

    long clear() override { return note("clear"); }
    long draw() override
    {
        return note(getAbsoluteDraw() ? "draw(full)" : "draw");
    }
    long redraw() override
    {
        note(manager->getBlinkFore(2) ? "redraw(on)" : "redraw(off)");
        if (onRedraw)
            onRedraw();
        return 0;
    }

    std::function<void()> onRedraw;

private:
    long note(const char* call)
    {
        blinkLog().push_back(std::string(getInstanceName()) + "." + call);
        return 0;
    }

    TQCblink* manager;
    bool windowLess;
};

typedef std::vector<std::string> Log;

class Blink : public ::testing::Test {
protected:
    void SetUp() override
    {
        TQDtimer::setCreateInstanceHandler(FakeTimer::create);
        timer = dynamic_cast<FakeTimer*>(TQGIappTimer());
        ASSERT_NE(nullptr, timer);
        blinkLog().clear();
    }

    // Runs the ticks with these low bytes, straight into the manager.
    void ticks(std::initializer_list<unsigned char> bytes)
    {
        for (unsigned char b : bytes)
            TQCblink::_blink_proc(b, &manager);
    }

    FakeTimer* timer = nullptr;
    TQCblink manager;
};

} // namespace

TEST_F(Blink, RateTwoRedrawsOnEvenTicksWithTheColourAlternating)
{
    BlinkProbe label("b2", &manager);
    EXPECT_EQ(0, manager.getBlinkFore(2)) << "off before the first tick";
    EXPECT_EQ(0, manager.addBlinkInstance(&label, 2, 1));
    ticks({ 0, 1, 2, 3, 4, 5, 6, 7 });
    EXPECT_EQ((Log{ "b2.redraw(off)", "b2.redraw(on)", "b2.redraw(off)", "b2.redraw(on)" }),
              blinkLog());
}

TEST_F(Blink, ModeZeroRepaintsInFull)
{
    BlinkProbe shape("m0", &manager);
    manager.addBlinkInstance(&shape, 1, 0);
    ticks({ 9 });
    EXPECT_EQ((Log{ "m0.clear", "m0.draw(full)" }), blinkLog());
}

TEST_F(Blink, RateZeroBlinksEveryTickWithoutDividingByZero)
{
    BlinkProbe label("r0", &manager);
    manager.addBlinkInstance(&label, 0, 1);
    ticks({ 3, 4 });
    EXPECT_EQ(2u, blinkLog().size());
    EXPECT_EQ(1, manager.getBlinkFore(0)) << "tick 4: counter -5, odd";
}

TEST_F(Blink, TheTimerProcedureIsHungOnlyWhileSomethingBlinks)
{
    BlinkProbe label("t1", &manager);
    manager.addBlinkInstance(&label, 1, 1);
    timer->tick(2);
    EXPECT_EQ(2u, blinkLog().size());

    EXPECT_EQ(0, manager.delBlinkInstance(&label));
    timer->tick(2);
    EXPECT_EQ(2u, blinkLog().size()) << "the last removal unhooks the tick";

    manager.addBlinkInstance(&label, 1, 1);
    timer->tick();
    EXPECT_EQ(3u, blinkLog().size()) << "adding again hooks a new one";
}

TEST_F(Blink, RemovalIsPositionalAndOnlyForWindowLessWidgets)
{
    BlinkProbe a("a", &manager);
    BlinkProbe b("b", &manager);
    BlinkProbe form("form", &manager, false);
    manager.addBlinkInstance(&a, 4, 0);
    manager.addBlinkInstance(&b, 3, 1);
    manager.addBlinkInstance(&form, 5, 1);

    EXPECT_EQ(-1, manager.delBlinkInstance(&form)) << "not window-less";
    EXPECT_EQ(0, manager.delBlinkInstance(&a));
    BlinkProbe stranger("stranger", &manager);
    EXPECT_EQ(0, manager.delBlinkInstance(&stranger));
    ASSERT_EQ(2, manager.getBlinkClients()->getNum());
    EXPECT_EQ(&b, manager.getBlinkClients()->getData(0));

    ticks({ 3, 4, 5 });
    EXPECT_EQ((Log{ "b.redraw(off)", "form.redraw(on)" }), blinkLog())
        << "b keeps rate 3 and mode 1, form stays registered";
    manager.delBlinkInstance(&b);
    manager.getBlinkClients()->clear();
}

TEST_F(Blink, AWidgetDeletedByAnEarlierRedrawIsNotRedrawn)
{
    BlinkProbe first("first", &manager);
    BlinkProbe* second = new BlinkProbe("second", &manager);
    BlinkProbe last("last", &manager);
    manager.addBlinkInstance(&first, 1, 1);
    manager.addBlinkInstance(second, 1, 1);
    manager.addBlinkInstance(&last, 1, 1);
    first.onRedraw = [&second] {
        delete second;
        second = nullptr;
    };

    ticks({ 1 });
    EXPECT_EQ((Log{ "first.redraw(off)", "last.redraw(off)" }), blinkLog());
    EXPECT_EQ(2, manager.getBlinkClients()->getNum());
}
