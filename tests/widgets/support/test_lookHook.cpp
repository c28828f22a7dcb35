// The extended-look hook as a class written on the frame gets it from one
// line: the procedure found by class name, the head every block starts with,
// the renewal when another look is selected, and one registration for the
// look broadcast however many classes of the chain carry a hook.
#include <gtest/gtest.h>

#include <vector>

#include "GuiPolicyScope.h"
#include "_TQCbaseList.h"
#include "_TQCclassFrame.h"
#include "_TQClookHook.h"

namespace {

struct GaugeDrawBlock {
    TQClookHead head;
    short value;
};

// A widget written the way the next classes will be: one frame line, one
// line a property, one look line.
class Gauge : public TQCbase {
public:
    TQ_CLASS_FRAME(Gauge, TQCbase, 1000, 1000)
    TQ_LOOK_HOOK(Gauge, GaugeDrawBlock)
    Gauge(TQCbase* parent, const char* name) : TQCbase(parent, name)
    {
        TQCregisterClass(this, VERSION, [](Registrar& r) { TQ_WATCH(r, value, 0); });
    }
    TQ_PROPERTY_HOOKS(value, short)

    short m_value = 0;
    short m_x = 3;
    short m_y = 4;
    unsigned short m_width = 50;
    unsigned short m_height = 20;
    unsigned char m_shadowThickness = 2;
};

void Gauge::fillDrawBlock(GaugeDrawBlock& block)
{
    block.value = m_value;
}

// A class built on it with a look procedure of its own.
class RoundGauge : public Gauge {
public:
    TQ_CLASS_FRAME(RoundGauge, Gauge, 1000, 1000)
    TQ_LOOK_HOOK(RoundGauge, GaugeDrawBlock)
    using Gauge::Gauge;
};

void RoundGauge::fillDrawBlock(GaugeDrawBlock& block)
{
    Gauge::fillDrawBlock(block);
    block.value = static_cast<short>(-block.value);
}

std::vector<GaugeDrawBlock> g_drawn;
std::vector<const char*> g_by;

void drawFirst(void* block)
{
    g_drawn.push_back(*static_cast<GaugeDrawBlock*>(block));
    g_by.push_back("first");
}

void drawSecond(void* block)
{
    g_drawn.push_back(*static_cast<GaugeDrawBlock*>(block));
    g_by.push_back("second");
}

class LookHook : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_drawn.clear();
        g_by.clear();
    }
};

TEST_F(LookHook, DrawsThroughTheSelectedLookWithTheHeadFilled)
{
    Gauge gauge(nullptr, "gauge");
    TQDdev* dev = reinterpret_cast<TQDdev*>(&gauge);  // only handed on
    EXPECT_FALSE(gauge.drawThroughLook(dev)) << "no extended look selected";

    gauge.m_value = 7;
    {
        ExtLookScope look("HookLookA", "Gauge::draw", drawFirst);
        ASSERT_TRUE(gauge.drawThroughLook(dev));
        ASSERT_EQ(g_drawn.size(), 1u);
        const GaugeDrawBlock& b = g_drawn[0];
        EXPECT_EQ(b.head.instance, &gauge);
        EXPECT_EQ(b.head.device, dev);
        EXPECT_EQ(b.head.x, 3);
        EXPECT_EQ(b.head.y, 4);
        EXPECT_EQ(b.head.width, 50);
        EXPECT_EQ(b.head.height, 20);
        EXPECT_EQ(b.head.shadowThickness, 2);
        EXPECT_EQ(b.value, 7);

        RoundGauge round(nullptr, "round");
        EXPECT_FALSE(round.drawThroughLook(dev)) << "the look has no RoundGauge::draw";
    }
    EXPECT_FALSE(gauge.drawThroughLook(dev)) << "the look was cleared";
}

TEST_F(LookHook, AnotherLookSelectedRenewsTheProcedure)
{
    Gauge gauge(nullptr, "gauge");
    TQDdev* dev = reinterpret_cast<TQDdev*>(&gauge);
    TQGIappGuiPolicy()->setExtGuiPolicyProc("HookLookB", "Gauge::draw", drawSecond);
    {
        ExtLookScope look("HookLookA", "Gauge::draw", drawFirst);
        gauge.drawThroughLook(dev);
        // Selecting the other look is broadcast to the gauge, which renews
        // its procedure.
        TQGIappGuiPolicy()->setExtGuiPolicy("HookLookB", 1);
        gauge.drawThroughLook(dev);
    }
    EXPECT_EQ(g_by, (std::vector<const char*>{"first", "second"}));
}

TEST_F(LookHook, AChainOfHooksRegistersForTheBroadcastOnce)
{
    TQCbaseList* objects = TQGIappObjectList();
    const long code = TQCbase::TRIGGER_GUI_POLICY;
    TQCbase* gone = nullptr;
    {
        RoundGauge round(nullptr, "round");
        gone = &round;
        // Exactly one entry: the first removal finds it, the second none.
        ASSERT_EQ(objects->delEvent(&round, code), 0);
        EXPECT_EQ(objects->delEvent(&round, code), -1) << "registered twice";
        objects->addEvent(&round, code);
    }
    EXPECT_FALSE(objects->isRegistered(gone, code)) << "the listener left with the object";
}

} // namespace
