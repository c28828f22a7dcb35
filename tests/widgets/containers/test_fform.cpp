// Floating form without a window: its class frame and properties, the
// stacking of its children and its anchors in a parent.
#include <gtest/gtest.h>

#include "CapturedText.h"
#include "FakeResources.h"
#include "FreshProcess.h"
#include "WinCodeConverter.h"
#include "_TQCclassInformation.h"
#include "_TQCfform.h"
#include "_TQCproperty.h"

#include <memory>
#include <string>

namespace {

long g_statusChanges = 0;

void countStatusChange(TQCbase*)
{
    ++g_statusChanges;
}

class FloatingForm : public ::testing::Test {
protected:
    FloatingForm() : form(new TQCfform(nullptr, "ff")) { form->initialize(); }
    long value(const char* name) { return form->getProperty(name).getLong(); }
    void set(const char* name, long v) { form->setProperty(name, TQCvariant(v)); }
    TQCfform* child(const char* name)
    {
        TQCfform* made = new TQCfform(form.get(), name);
        made->initialize();
        return made;
    }

    std::unique_ptr<TQCfform> form;
};

} // namespace

TEST_F(FloatingForm, DefaultsPropertiesAndAClassThatIsNoForm)
{
    EXPECT_EQ(100, value("x"));
    EXPECT_EQ(100, value("y"));
    EXPECT_EQ(100, value("width"));
    EXPECT_EQ(30, value("height"));
    EXPECT_EQ(8, value("barThickness"));
    EXPECT_EQ(2, value("shadowThickness"));
    EXPECT_EQ(1, value("orientation"));
    EXPECT_EQ(1, value("indicatorOn"));
    EXPECT_EQ(0, value("pixmapStyle"));
    set("font", 17);
    EXPECT_EQ(1, value("font")) << "four bits kept";

    EXPECT_EQ(nullptr, form->cast("TQCform")) << "not taken for a form";
    EXPECT_EQ(form.get(), form->cast("TQCbase"));
    EXPECT_EQ(6, form->getObjectType());
    EXPECT_EQ(0, form->getFloated());

    TQClistData* own = form->getClassInformation()->getPropertyList();
    ASSERT_EQ(36, own->getNum());
    auto nameAt = [own](long i) {
        return std::string(static_cast<TQCproperty*>(own->getData(i))->getPropObjName());
    };
    EXPECT_EQ("titleString", nameAt(2));
    EXPECT_EQ("orientation", nameAt(29));
    EXPECT_EQ("keepPixmapCache", nameAt(35));

    ::testing::internal::CaptureStderr();
    EXPECT_EQ(0, TQCfform::checkVersion(1020));
    EXPECT_EQ("VERSION error. class=TQCfform object_version=1010  <- differ -> "
              "object_version=1020\n",
              capturedStderr());
}

TEST_F(FloatingForm, RestackCountsTheChildrenThatFollow)
{
    TQCfform* a = child("a");
    TQCfform* b = child("b");
    TQCfform* c = child("c");
    EXPECT_EQ(0, form->restackChild(a, 0));
    EXPECT_EQ(a, form->getChildren().getData(2)) << "position 0 puts the child last";
    EXPECT_EQ(0, form->restackChild(a, 7));
    EXPECT_EQ(a, form->getChildren().getData(0)) << "the count or more puts it first";
    EXPECT_EQ(b, form->getChildren().getData(1));
    EXPECT_EQ(c, form->getChildren().getData(2));
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
    form->_adjust_for_anchors(0, 0);
    EXPECT_EQ(-10, value("x"));
    EXPECT_EQ(50, value("width"));
}

namespace {

// Switches on a ticked application timer, with the pointer placed left of
// the screen: one request at a time, each on the next tick, each running
// STATUS-CH once; docking restores the dock position; a form deleted with a
// switch pending is dropped from the timer.
void switchScenario()
{
    useWinCodeConverter();
    TQDtimer::setCreateInstanceHandler(FakeTimer::create);
    TQDmouse::setCreateInstanceHandler(FakeMouse::create);
    FakeTimer* timer = static_cast<FakeTimer*>(TQGIappTimer());
    static_cast<FakeMouse*>(TQGIappMouse())->place(-30, 3);
    TQCfform form(nullptr, "ff");
    form.initialize();
    form.setProperty("x", TQCvariant(40L));
    form.setProperty("y", TQCvariant(50L));
    form.addProcedureV("s", "countStatusChange", countStatusChange, TQCfform::TRIGGER_STATUS);

    form.setFloated(1);
    form.setFloated(0);
    requireInChild(g_statusChanges == 0, "nothing switches before the tick");
    timer->tick(2);
    requireInChild(g_statusChanges == 1 && form.getFloated() == 1,
                   "one switch, to the state first asked for");
    requireInChild(form.getProperty("x").getLong() == 0 &&
                       form.getProperty("y").getLong() == -2,
                   "x 0 for a pointer left of the screen, y 3 - 5");
    form.setFloated(1);
    timer->tick(2);
    requireInChild(g_statusChanges == 2 && form.getFloated() == 1,
                   "the state the form has switches once more");
    form.setFloated(0);
    timer->tick();
    requireInChild(g_statusChanges == 3 && form.getProperty("x").getLong() == 40 &&
                       form.getProperty("y").getLong() == 50,
                   "docking restores the dock position");

    TQCfform* doomed = new TQCfform(nullptr, "doomed");
    doomed->initialize();
    doomed->setFloated(1);
    delete doomed;
    timer->tick();
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(FloatingFormDeathTest, SwitchesOnTheNextTickOneAtATime, switchScenario(),
                      "")
