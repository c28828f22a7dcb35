// Floating form without a window: its class and properties, the stacking
// of its children, its anchors, and its switches on a ticked timer.
#include <gtest/gtest.h>

#include "FakeResources.h"
#include "FreshProcess.h"
#include "WinCodeConverter.h"
#include "_TQCclassInformation.h"
#include "_TQCfform.h"
#include "_TQCproperty.h"


namespace {

long g_statusChanges = 0;

void countStatusChange(TQCbase*)
{
    ++g_statusChanges;
}

// A pointer left of the screen, where the real one cannot go.
class OffScreenMouse : public FakeMouse {
public:
    using TQDmouse::getMousePosition;
    long getMousePosition(short* x, short* y) override
    {
        *x = -30;
        *y = 3;
        return 1;
    }
    static TQDmouse* make() { return new OffScreenMouse; }
};

long value(TQCbase* form, const char* name)
{
    return form->getProperty(name).getLong();
}

void set(TQCbase* form, const char* name, long v)
{
    form->setProperty(name, TQCvariant(v));
}

struct FloatingForm : ::testing::Test {
    FloatingForm() { form->initialize(); }
    long value(const char* name) { return ::value(form, name); }
    void set(const char* name, long v) { ::set(form, name, v); }

    TQCfform own{nullptr, "ff"};
    TQCfform* form = &own;
};

} // namespace

TEST_F(FloatingForm, DefaultsPropertiesStackingAndAClassThatIsNoForm)
{
    EXPECT_EQ(100, value("x"));
    EXPECT_EQ(100, value("y"));
    EXPECT_EQ(100, value("width"));
    EXPECT_EQ(30, value("height"));
    EXPECT_EQ(8, value("barThickness"));
    EXPECT_EQ(1, value("orientation"));
    EXPECT_EQ(0, value("pixmapStyle"));
    set("font", 17);
    EXPECT_EQ(1, value("font")) << "four bits kept";
    EXPECT_EQ(nullptr, form->cast("TQCform")) << "not taken for a form";
    EXPECT_EQ(6, form->getObjectType());

    TQClistData* own = form->getClassInformation()->getPropertyList();
    ASSERT_EQ(36, own->getNum());
    EXPECT_STREQ("titleString", static_cast<TQCproperty*>(own->getData(2))->getPropObjName());

    TQCfform* children[3];
    for (TQCfform*& child : children) {
        child = new TQCfform(form, "c");
        child->initialize();
    }
    EXPECT_EQ(0, form->restackChild(children[0], 0));
    EXPECT_EQ(children[0], form->getChildren().getData(2)) << "position 0 puts it last";
    EXPECT_EQ(0, form->restackChild(children[0], 7));
    EXPECT_EQ(children[0], form->getChildren().getData(0)) << "the count or more, first";
    TQCfform stranger(nullptr, "s");
    EXPECT_EQ(-1, form->restackChild(&stranger, 0));
}

TEST_F(FloatingForm, AnchorsPlaceAndSizeItInItsParent)
{
    set("x", 40);
    set("anchorLeft", 10);
    set("anchorRight", 20);
    set("anchorLeftFlag", 1);
    set("anchorRightFlag", 1);
    form->_adjust_for_anchors(25, 0);
    EXPECT_EQ(1, value("width")) << "a parent narrower than both anchors";
    EXPECT_EQ(40, value("x"));
    form->_adjust_for_anchors(30, 0);
    EXPECT_EQ(0, value("width")) << "an exact fit";
    EXPECT_EQ(10, value("x"));
    set("height", 0);
    EXPECT_EQ(1, value("height")) << "a size of 0 set by the program is raised";

    set("anchorLeftFlag", 0);
    set("width", 50);
    form->_adjust_for_anchors(60, 0);
    EXPECT_EQ(-10, value("x")) << "the right anchor alone may place it left of the parent";
}

namespace {

// On a ticked application timer, with the pointer left of the screen: one
// request at a time, each on the next tick, each running STATUS-CH once,
// and docking restores the dock position.
void switchScenario()
{
    useWinCodeConverter();
    TQDtimer::setCreateInstanceHandler(FakeTimer::create);
    TQDmouse::setCreateInstanceHandler(OffScreenMouse::make);
    FakeTimer* timer = static_cast<FakeTimer*>(TQGIappTimer());
    TQCfform form(nullptr, "ff");
    form.initialize();
    set(&form, "x", 40);
    set(&form, "y", 50);
    form.addProcedureV("s", "countStatusChange", countStatusChange, TQCfform::TRIGGER_STATUS);

    form.setFloated(1);
    form.setFloated(0);
    requireInChild(g_statusChanges == 0, "nothing switches before the tick");
    timer->tick(2);
    requireInChild(g_statusChanges == 1 && form.getFloated() == 1,
                   "one switch, to the state first asked for");
    requireInChild(value(&form, "x") == 0 && value(&form, "y") == -2,
                   "x 0 for a pointer left of the screen, y 3 - 5");
    form.setFloated(1);
    timer->tick(2);
    requireInChild(g_statusChanges == 2, "the state the form has switches once more");
    form.setFloated(0);
    timer->tick();
    requireInChild(g_statusChanges == 3 && value(&form, "x") == 40 && value(&form, "y") == 50,
                   "docking restores the dock position");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(FloatingFormDeathTest, SwitchesOnTheNextTickOneAtATime, switchScenario(),
                      "")
