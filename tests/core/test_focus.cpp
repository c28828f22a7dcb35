// Focus: the two holders, their hand-over with FOCUS_CH procedures, and the
// search for the object a focus move goes to.
#include "FakeDevices.h"
#include "SampleWidgets.h"
#include "_TQCbaseList.h"
#include "_TQCclassInformation.h"
#include "_TQCdevice.h"
#include "_TQGFgeometry.h"
#include "_TQGFtrigger.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

typedef std::vector<std::string> Log;

Log& focusLog()
{
    static Log entries;
    return entries;
}

// FOCUS_CH procedure: "<name>+" when the object now holds the focus,
// "<name>-" when it lost it.
void noteFocus(TQCbase* object)
{
    focusLog().push_back(std::string(object->getInstanceName()) + (object->getFocus() ? "+" : "-"));
}

// A focusable widget with the "tab" direction property and FOCUS_CH.
class FocusButton : public SampleWidget {
public:
    TQ_CLASS_FRAME(FocusButton, SampleWidget, 1000, 1000)
    FocusButton(TQCbase* parent, const char* name) : SampleWidget(parent, name)
    {
        TQCregisterClass(this, VERSION, [](Registrar& r) {
            r.field<&FocusButton::tab>(_TQNtab(), nullptr);
            r.triggers({ TQEV_FOCUS_CH });
        });
    }
    ~FocusButton() override { delete[] tab; }

private:
    char* tab = nullptr;
};

// A shown top-level container with FOCUS_CH.
class FocusWindow : public SampleForm {
public:
    explicit FocusWindow(const char* name) : SampleForm(nullptr, name)
    {
        static bool registered = false;
        if (!registered)
            getClassInformation()->setTrigger(TQEV_FOCUS_CH);
        registered = true;
        initialize();
        setVisible(1);
        addProcedureV("fw", "noteFocus", noteFocus, TQEV_FOCUS_CH);
    }
    TQ_ROOT_FRAME(FocusWindow, SampleForm)
    TQ_CLASS_INFORMATION_FRAME(FocusWindow, SampleForm)

    long getObjectType() override { return OBJECT_TOP_LEVEL | OBJECT_CONTAINER; }
};

class Focus : public ::testing::Test {
protected:
    void SetUp() override { focusLog().clear(); }
    void TearDown() override
    {
        delete window;
        TQGIappObjectList()->execUpdate();
        TQGIappDevice()->clearDeleteList();
    }

    // A shown button in the window's focus order, placed at (x, y), 80 x 20.
    FocusButton* button(const char* name, short x, short y = 10)
    {
        FocusButton* b = new FocusButton(window, name);
        b->initialize();
        b->setVisible(1);
        TQGFsetGeometry(b, x, y, 80, 20);
        b->_register_focus_move();
        b->addProcedureV("fb", "noteFocus", noteFocus, TQEV_FOCUS_CH);
        return b;
    }

    FocusWindow* window = new FocusWindow("fc-win");
};

} // namespace

TEST_F(Focus, TabMovesRightInARowAndFindsNothingAfterTheLast)
{
    FocusButton* a = button("fc-a", 10);
    FocusButton* b = button("fc-b", 100);
    FocusButton* c = button("fc-c", 200);

    EXPECT_EQ(b, a->getFocusMoveInstance(TQCbase::FOCUS_TAB));
    EXPECT_EQ(c, b->getFocusMoveInstance(TQCbase::FOCUS_TAB));
    EXPECT_EQ(a, b->getFocusMoveInstance(TQCbase::FOCUS_LEFT));
    // Wraps downward from the left edge: a single row has no next row.
    EXPECT_EQ(nullptr, c->getFocusMoveInstance(TQCbase::FOCUS_TAB));
}

TEST_F(Focus, TabAndBackTabWrapBetweenRows)
{
    FocusButton* a = button("fc-a", 10);
    button("fc-b", 100);
    FocusButton* c = button("fc-c", 200);
    FocusButton* d = button("fc-d", 10, 50);
    button("fc-e", 100, 50);

    EXPECT_EQ(d, c->getFocusMoveInstance(TQCbase::FOCUS_TAB));
    // Back-Tab from the row's start wraps upward from the right edge.
    EXPECT_EQ(c, d->getFocusMoveInstance(TQCbase::FOCUS_BACKTAB));
    EXPECT_EQ(nullptr, a->getFocusMoveInstance(TQCbase::FOCUS_BACKTAB));
}

TEST_F(Focus, OverlapBelowScoresItsGapAndOnePixelOverlapStillCountsAsLeft)
{
    FocusButton* a = button("fc-a", 21);
    FocusButton* b = button("fc-b", 100);
    button("fc-near", 10, 40);                  // 90 across, 10 down: 8200
    FocusButton* far = button("fc-far", 150, 90);  // overlaps, 60 down: 3600
    EXPECT_EQ(far, b->getFocusMoveInstance(TQCbase::FOCUS_DOWN));

    EXPECT_EQ(a, b->getFocusMoveInstance(TQCbase::FOCUS_LEFT));
    a->setProperty(_TQNx(), TQCvariant(22L));
    EXPECT_EQ(nullptr, b->getFocusMoveInstance(TQCbase::FOCUS_LEFT));
}

TEST_F(Focus, NamedTargetsSkipThoseThatCannotTakeTheFocus)
{
    FocusButton* a = button("fc-a", 10);
    FocusButton* b = button("fc-b", 100);
    FocusButton* c = button("fc-c", 200);
    b->setSensitive(0);

    a->setProperty(_TQNtab(), TQCvariant(" fc-b , nobody, fc-c "));
    EXPECT_EQ(c, a->getFocusMoveInstance(TQCbase::FOCUS_TAB));
}

// An empty name (a stray comma) names nothing: it must not pick some
// object that was given no name.
TEST_F(Focus, EmptyNamesInADirectionPropertyAreSkipped)
{
    FocusButton* a = button("fc-a", 10);
    FocusButton* b = button("fc-b", 100);
    FocusButton* c = button("fc-c", 200);
    FocusButton* unnamed = new FocusButton(window, nullptr);
    unnamed->initialize();
    unnamed->setVisible(1);
    b->setSensitive(0);

    a->setProperty(_TQNtab(), TQCvariant("fc-b, ,"));
    EXPECT_EQ(c, a->getFocusMoveInstance(TQCbase::FOCUS_TAB));
}

TEST_F(Focus, NamedTargetsThatAllFailPassTheSearchOn)
{
    FocusButton* a = button("fc-a", 10);
    button("fc-b", 100);
    FocusButton* x = button("fc-x", 10, 50);
    FocusButton* y = button("fc-y", 100, 50);
    x->setSensitive(0);
    a->setProperty(_TQNtab(), TQCvariant("fc-x"));

    // Tab from fc-x, not from fc-a.
    EXPECT_EQ(y, a->getFocusMoveInstance(TQCbase::FOCUS_TAB));
}

TEST_F(Focus, NamesThatPointAtEachOtherEndTheSearch)
{
    FocusButton* a = button("fc-a", 10);
    FocusButton* b = button("fc-b", 100);
    FocusButton* c = button("fc-c", 200);
    FocusButton* d = button("fc-d", 300);
    b->setSensitive(0);
    c->setSensitive(0);
    a->setProperty(_TQNtab(), TQCvariant("fc-b"));
    b->setProperty(_TQNtab(), TQCvariant("fc-c"));
    c->setProperty(_TQNtab(), TQCvariant("fc-b"));

    EXPECT_EQ(d, a->getFocusMoveInstance(TQCbase::FOCUS_TAB));
}

TEST_F(Focus, HolderChangeTellsTheOldHolderFirstAndRepeatsNothing)
{
    FocusButton* a = button("fc-a", 10);
    FocusButton* b = button("fc-b", 100);

    EXPECT_EQ(0, a->setFocus(1));
    a->setFocus(1);
    b->setFocus(0);
    EXPECT_EQ((Log{ "fc-a+" }), focusLog());

    b->setFocus(1);
    EXPECT_EQ((Log{ "fc-a+", "fc-a-", "fc-b+" }), focusLog());
    EXPECT_EQ(b, TQCbase::getFocusInstance());
    EXPECT_EQ(0, a->getFocus());
}

TEST_F(Focus, ContainerGivesTheFocusBackToTheDescendantThatHadIt)
{
    FocusButton* a = button("fc-a", 10);
    a->setFocus(1);
    focusLog().clear();

    window->setFocus(1);
    EXPECT_EQ((Log{ "fc-a-", "fc-win+", "fc-win-", "fc-a+" }), focusLog());
    EXPECT_EQ(a, TQCbase::getFocusInstance());
}

TEST_F(Focus, DeletedHoldersLeaveNoHolderBehind)
{
    FocusButton* a = button("fc-a", 10);
    FocusButton* b = button("fc-b", 100);
    a->setFocus(1);
    b->setSpecialFocus(1);
    EXPECT_EQ(b, TQCbase::getSpecialFocusInstance());
    a->setSpecialFocus(1);
    EXPECT_EQ(1, a->getSpecialFocus());

    delete a;
    EXPECT_EQ(nullptr, TQCbase::getFocusInstance());
    EXPECT_EQ(nullptr, TQCbase::getSpecialFocusInstance());
    // The deleted button left the focus order too.
    EXPECT_EQ(nullptr, b->getFocusMoveInstance(TQCbase::FOCUS_LEFT));
}

TEST_F(Focus, WindowDeviceFocusGoesToItsClient)
{
    FakeWindowDev dev;
    dev.attachClient(window);
    dev.onFocusChange();
    EXPECT_EQ(window, TQCbase::getFocusInstance());
    dev.detachClient();
}
