// The builder's undo history: its limit, the status event on every change
// between empty and not, and property snapshots put back, also onto an
// object that has gone.
#include <gtest/gtest.h>

#include "SampleWidgets.h"
#include "_TQCbaseList.h"
#include "_TQCpropUndoProc.h"
#include "_TQCundoManager.h"

#include <cstdint>
#include <vector>

namespace {

long g_statusChanges = 0;
std::vector<int> g_ran;
std::vector<int> g_deleted;

void countStatusChange(void*)
{
    ++g_statusChanges;
}

class NumberedStep : public TQCundoProc {
public:
    explicit NumberedStep(int n) : number(n) {}
    ~NumberedStep() override { g_deleted.push_back(number); }
    void execute() override { g_ran.push_back(number); }
    int number;
};

class UndoHistory : public ::testing::Test {
protected:
    UndoHistory()
    {
        TQGIappObjectList()->addEventProc(countStatusChange, "ve-undo-status-changed", nullptr);
        g_statusChanges = 0;
        g_ran.clear();
        g_deleted.clear();
    }
    ~UndoHistory() override
    {
        history.clear();
        TQGIappObjectList()->delEventProc(countStatusChange, "ve-undo-status-changed");
    }

    TQCundoManager history;
};

SampleWidget* widget(const char* name)
{
    SampleWidget* made = new SampleWidget(nullptr, name);
    made->initialize();
    return made;
}

} // namespace

TEST_F(UndoHistory, KeepsSixteenStepsAndReportsEmptyAndNonEmpty)
{
    EXPECT_EQ(nullptr, history.getLastUndoProc());
    history.execUndoProc();
    EXPECT_EQ(0, g_statusChanges) << "undo on an empty history does nothing";
    for (int i = 1; i <= 17; ++i)
        history.addUndoProc(new NumberedStep(i));
    EXPECT_EQ(1, g_statusChanges) << "only the first add changes the status";
    EXPECT_EQ(16, history.getNum());
    EXPECT_EQ(std::vector<int>{1}, g_deleted) << "the oldest step was dropped";
    EXPECT_EQ(2, static_cast<NumberedStep*>(history.getUndoProc(0))->number);
    EXPECT_EQ(17, static_cast<NumberedStep*>(history.getUndoProc(-1))->number);
    EXPECT_EQ(nullptr, history.getUndoProc(16));
    EXPECT_EQ(nullptr, history.getUndoProc(-2));

    history.execUndoProc();
    EXPECT_EQ(std::vector<int>{17}, g_ran);
    EXPECT_EQ(15, history.getNum());
    history.clear();
    EXPECT_EQ(0, history.getNum());
    EXPECT_EQ(2, g_statusChanges) << "clearing a non-empty history reports once";
    history.clear();
    EXPECT_EQ(2, g_statusChanges) << "clearing an empty one reports nothing";

    history.addUndoProc(new NumberedStep(30));
    history.execUndoProc();
    EXPECT_EQ(30, g_ran.back());
    EXPECT_EQ(4, g_statusChanges) << "adding to empty, then undoing the only step";
}

TEST_F(UndoHistory, SnapshotsPutPropertiesBackAndRememberVisibility)
{
    SampleWidget* target = widget("target");
    target->setProperty("x", TQCvariant(5L));
    target->setProperty("labelString", TQCvariant("before"));
    TQCpropUndoProc* step = new TQCpropUndoProc;
    step->setTarget(target);
    EXPECT_EQ(target, step->getTarget());
    EXPECT_NE(nullptr, step->cast("TQCundoProc"));
    history.addUndoProc(step);

    target->setProperty("x", TQCvariant(40L));
    target->setProperty("labelString", TQCvariant("after"));
    target->setProperty("vis", TQCvariant(0L));
    history.execUndoProc();
    EXPECT_EQ(5, target->x);
    EXPECT_STREQ("before", target->labelString);
    EXPECT_EQ(0, target->vis) << "the visibility itself is left alone";
    EXPECT_EQ(1, reinterpret_cast<intptr_t>(target->getUserData("TQ-VIS")));

    target->setProperty("vis", TQCvariant(0L));
    TQCpropUndoProc* hidden = new TQCpropUndoProc;
    hidden->setTarget(target);
    target->setProperty("vis", TQCvariant(1L));
    hidden->execute();
    EXPECT_EQ(0, reinterpret_cast<intptr_t>(target->getUserData("TQ-VIS")));
    EXPECT_EQ(1, target->vis);
    delete hidden;
    delete target;
}

// The widgets' memory is overwritten when they are deleted: touching the
// target of such a step would show.
TEST_F(UndoHistory, AStepWhoseObjectWentIsConsumedWithoutEffect)
{
    SampleWidget* target = widget("gone");
    TQCpropUndoProc* step = new TQCpropUndoProc;
    step->setTarget(target);
    history.addUndoProc(step);
    delete target;
    sampleLog().clear();
    history.execUndoProc();
    EXPECT_EQ(0, history.getNum());
    EXPECT_TRUE(sampleLog().empty());
    EXPECT_EQ(2, g_statusChanges);
}
