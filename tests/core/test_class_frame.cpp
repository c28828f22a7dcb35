// Widget properties of the class frame: the set rule, get hooks, bit fields,
// text ownership, and the type text taken from the member.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "_TQCbaseList.h"
#include "_TQCclassFrame.h"
#include "_TQN.h"
#include "_TQR.h"
#include "_TQS.h"

namespace {

class Meter : public TQCbase {
public:
    TQ_CLASS_FRAME(Meter, TQCbase, 1000, 1000)
    Meter(TQCbase* parent, const char* name) : TQCbase(parent, name), margin(0)
    {
        TQCregisterClass(this, VERSION, [](Registrar& r) {
            r.watched<&Meter::level>(_TQNvalue(), 5, TQ_HOOKS(value));
            r.watched<&Meter::label>(_TQNlabelString(), "idle", TQ_HOOKS(labelString));
            r.watched<Meter::marginSlot>(_TQNmargin(), 2, TQ_HOOKS(margin));
            r.field<TQCflag<&Meter::on>>(_TQNindicatorOn(), 1,
                                         {_TQSindicatorOn(), _TQRbool1(), _TQRbool1D()});
        });
    }
    ~Meter() override { delete[] label; }
    long getObjectType() override { return OBJECT_TOP_LEVEL; }
    TQ_PROPERTY_HOOKS(value, short)
    TQ_PROPERTY_HOOKS(labelString, char*)
    TQ_PROPERTY_HOOKS(margin, unsigned char)

    short level = 0;
    char* label = nullptr;
    unsigned char margin : 4;
    TQ_BIT_FIELD_SLOT(margin)
    TQCbool on = 0;
};

// Records its hooks; its get hook reports the level plus 1000.
class LoggedMeter : public Meter {
public:
    TQ_CLASS_FRAME(LoggedMeter, Meter, 1000, 1000)
    using Meter::Meter;
    void setWorkTQNvalue(short v) override { log.push_back("value " + std::to_string(v)); }
    void getWorkTQNvalue(short* v) override { *v += 1000; }
    void setWorkTQNlabelString(char* s) override { seenText = s; }
    void setWorkTQNmargin(unsigned char m) override { log.push_back("margin " + std::to_string(m)); }
    void update() override { ++updates; Meter::update(); }

    std::vector<std::string> log;
    char* seenText = nullptr;
    int updates = 0;
};

class ClassFrame : public ::testing::Test {
protected:
    void SetUp() override
    {
        meter.initialize();
        meter.setVisible(1);
        TQGIappObjectList()->execUpdate();
        meter.setAbsoluteDraw(0);
        meter.log.clear();
        meter.updates = 0;
    }
    void TearDown() override { TQGIappObjectList()->execUpdate(); }

    LoggedMeter meter{nullptr, "meter"};
};

} // namespace

TEST_F(ClassFrame, EqualValueChangesNothingAChangeIsQueuedOnceAndGetHooksAdjust)
{
    meter.setPropertyV("value", static_cast<short>(5));
    EXPECT_TRUE(meter.log.empty()) << "5 is the stored default";
    EXPECT_EQ(meter.isNeedUpdate(), 0);
    EXPECT_EQ(meter.getAbsoluteDraw(), 0);

    meter.setPropertyV("value", static_cast<short>(9));
    meter.setPropertyV("value", static_cast<short>(10));
    EXPECT_EQ(meter.log, (std::vector<std::string>{"value 9", "value 10"}));
    EXPECT_EQ(meter.isNeedUpdate(), 1);
    EXPECT_EQ(meter.getAbsoluteDraw(), 1);
    TQGIappObjectList()->execUpdate();
    EXPECT_EQ(meter.updates, 1) << "queued once for two changes";

    short read = 0;
    meter.getPropertyV("value", &read);
    EXPECT_EQ(read, 1010) << "the get hook's answer";
    EXPECT_EQ(meter.level, 10);
}

TEST_F(ClassFrame, BitFieldComparesTheWholeValueAndKeepsItsBits)
{
    meter.setPropertyV("margin", static_cast<unsigned char>(18));
    EXPECT_EQ(meter.margin, 2);
    EXPECT_EQ(meter.log, (std::vector<std::string>{"margin 2"}))
        << "18 differs from the stored 2, and the hook sees what was stored";
}

TEST_F(ClassFrame, TextIsKeptAsHandedOverAndTheSamePointerChangesNothing)
{
    EXPECT_STREQ(meter.label, "idle");
    const char* given = "busy";
    meter.setPropertyV("labelString", given);
    ASSERT_STREQ(meter.label, "busy");
    EXPECT_NE(meter.label, given) << "the object owns a copy";
    EXPECT_EQ(meter.seenText, meter.label);

    meter.seenText = nullptr;
    char* same = meter.label;
    meter.getPropObj("labelString")->setValue(&meter, &same);
    EXPECT_EQ(meter.seenText, nullptr);
}

TEST_F(ClassFrame, TypeTextFollowsTheMemberAndTheBuilderEntryIsKept)
{
    EXPECT_EQ(meter.getPropObj("value")->getPropObjType(), TQPROP_SHORT);
    EXPECT_EQ(meter.getPropObj("labelString")->getPropObjType(), TQPROP_STRING);
    EXPECT_EQ(meter.getPropObj("margin")->getPropObjType(), TQPROP_UCHAR);
    TQCproperty* on = meter.getPropObj("indicatorOn");
    EXPECT_EQ(on->getPropObjType(), TQPROP_BOOL);
    EXPECT_EQ(on->getBuilderTitleKey(), _TQSindicatorOn());
    char** display = nullptr;
    char** values = nullptr;
    on->getBuilderSelectValues(&display, &values);
    EXPECT_EQ(display, _TQRbool1());
    EXPECT_EQ(values, _TQRbool1D());
}
