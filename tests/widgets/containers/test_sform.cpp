// Split form without a window: the panes between the bars, positions read
// from barValue and repaired, bars spread when panes get too narrow, the
// margin's four bits, managed children and VALUE_CH on a release.
#include <gtest/gtest.h>

#include "WinCodeConverter.h"
#include "_TQCsform.h"
#include "_TQCstring.h"
#include "_TQDprivateTimer.h"
#include "_TQGFtrigger.h"

#include <memory>
#include <string>
#include <vector>

namespace {

long g_valueChanges = 0;

// The shared timer of the ghost bar, seen from outside: running or not.
class WatchedTimer : public TQDprivateTimer {
public:
    static bool running;
    static TQDprivateTimer* make() { return new WatchedTimer; }
    void startTimer() override { running = true; }
    void stopTimer() override { running = false; }
};
bool WatchedTimer::running = false;

void countValueChange(TQCbase*)
{
    ++g_valueChanges;
}

std::vector<long> rect(TQCbase* object)
{
    std::vector<long> r;
    for (const char* name : {"x", "y", "width", "height"})
        r.push_back(object->getProperty(name).getLong());
    return r;
}

// A 300 x 100 split form, shadow 2, margins 2, never shown.
class SplitForm : public ::testing::Test {
protected:
    SplitForm()
    {
        // Texts go through the platform's own code converter.
        useWinCodeConverter();
        form.reset(new TQCsform(nullptr, "sf"));
        form->initialize();
        set("width", 300);
        set("height", 100);
        set("shadowThickness", 2);
    }
    TQCform* child(const char* name)
    {
        TQCform* made = new TQCform(form.get(), name);
        made->initialize();
        made->setVisible(1);
        return made;
    }
    void set(const char* name, long value) { form->setProperty(name, TQCvariant(value)); }
    std::string barValue() { return TQCstring(form->getProperty("barValue")).getString(); }

    std::unique_ptr<TQCsform> form;
};

} // namespace

TEST_F(SplitForm, TwoPanesLieEitherSideOfTheDefaultBar)
{
    TQCform* left = child("a");
    TQCform* right = child("b");
    form->update();
    EXPECT_EQ((std::vector<long>{4, 4, 48, 92}), rect(left));
    EXPECT_EQ((std::vector<long>{56, 4, 240, 92}), rect(right));
}

TEST_F(SplitForm, PositionsAreRepairedAndSpreadWhenPanesGetTooNarrow)
{
    form->setPropertyV("barValue", "100,50");
    EXPECT_EQ((std::vector<long>{100, 130}), form->getPositions());
    form->setPropertyV("barValue", "50,");
    EXPECT_EQ((std::vector<long>{50, 80}), form->getPositions());

    form->setPropertyV("barValue", "10,20");
    set("width", 299);
    set("width", 300);
    EXPECT_EQ("98,196", barValue());

    form->setPropertyV("barValue", "100,200");
    set("width", 150);
    EXPECT_EQ("48,96", barValue());

    set("marginLeft", 20);
    EXPECT_EQ(4, form->getProperty("marginLeft").getLong());
}

TEST_F(SplitForm, OnlyOwnChildrenAreManagedAndAReleaseAloneFiresValueChange)
{
    TQCsform other(nullptr, "other");
    other.initialize();
    TQCform* stranger = new TQCform(&other, "x");
    stranger->initialize();
    EXPECT_EQ(-1, form->setManaged(stranger, 0));

    TQCform* first = child("a");
    TQCform* second = child("b");
    EXPECT_EQ(0, form->setManaged(first, 0));
    EXPECT_EQ(0, form->getManaged(first));
    EXPECT_EQ((std::vector<long>{4, 4, 292, 92}), rect(second))
        << "the one child left managed fills the inner area";

    g_valueChanges = 0;
    form->addProcedureV("v", "countValueChange", countValueChange, TQEV_VALUE_CH);
    TQCpoint point = {200, 50};
    form->onMouseRelease(&point);
    EXPECT_EQ(1, g_valueChanges);
}

// The ghost bar's timer is shared by every split form: one destroyed in the
// middle of a drag must not be left in it.
TEST_F(SplitForm, AFormDestroyedWhileABarIsDraggedStopsTheSharedTimer)
{
    TQDprivateTimer::setCreateInstanceHandler(WatchedTimer::make);
    child("a");
    child("b");
    form->update();
    TQCpoint onBar = {54, 50};
    form->onMousePress(&onBar);
    ASSERT_TRUE(form->getStatus()) << "the bar at 50, 4 pixels in, is grabbed";
    EXPECT_TRUE(WatchedTimer::running);
    form.reset();
    EXPECT_FALSE(WatchedTimer::running);
    TQDprivateTimer::setCreateInstanceHandler(nullptr);
}
