// The object list's queue runs walk a snapshot of their queue: an object
// destroyed by an earlier entry of the same run must be passed over, not
// called. The sample widgets overwrite their memory when deleted, so a call
// through a stale snapshot entry would crash.
#include "FakeAppDev.h"
#include "FreshProcess.h"
#include "ObjectListProbes.h"
#include "SampleWidgets.h"
#include "_TQCbaseList.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ObjectListSnapshot, UpdateRunSkipsAnObjectTheFirstUpdateDestroyed)
{
    std::vector<int> log;
    ProbeItem first("snap-u1", 1, &log);
    first.initialize();
    SampleWidget* second = new SampleWidget(nullptr, "snap-u2");
    second->initialize();
    ProbeItem third("snap-u3", 3, &log);
    third.initialize();
    for (TQCbase* object : {static_cast<TQCbase*>(&first), static_cast<TQCbase*>(second),
                            static_cast<TQCbase*>(&third)}) {
        object->setVisible(1);
        ASSERT_EQ(object->isNeedUpdate(), 1);
    }
    first.onUpdate = [second] { delete second; };
    sampleLog().clear();

    TQGIappObjectList()->execUpdate();
    EXPECT_EQ(log, (std::vector<int>{1, 3}));
    EXPECT_TRUE(sampleLog().empty()) << "the destroyed widget was updated";
}

namespace {

int g_initRuns = 0;
TQCbase* g_victim = nullptr;

void destroyVictim(TQCbase*)
{
    ++g_initRuns;
    delete g_victim;
    g_victim = nullptr;
}

void countInit(TQCbase*)
{
    ++g_initRuns;
}

// The first initialisation run has to have happened, which only the
// application device's start-up brings about.
void initialisationRunSkipsAnObjectAnEarlierProcedureDestroyed()
{
    TQDappDev::setCreateInstanceHandler(FakeAppDev::create);
    TQDappDev* app = TQGIappDev();
    app->initialize();
    app->execInitHandler();

    SampleWidget* first = new SampleWidget(nullptr, "snap-i1");
    first->initialize();
    SampleWidget* victim = new SampleWidget(nullptr, "snap-i2");
    victim->initialize();
    SampleWidget* last = new SampleWidget(nullptr, "snap-i3");
    last->initialize();
    first->addProcedureV("init", "destroyVictim", destroyVictim, 0);
    victim->addProcedureV("init", "countInit", countInit, 0);
    last->addProcedureV("init", "countInit", countInit, 0);
    g_victim = victim;

    TQGIappObjectList()->execInitialize();
    requireInChild(g_initRuns == 2, "the first and the last object ran their procedures");
    passInChild();
}

} // namespace

TEST(ObjectListSnapshotDeathTest, InitialisationRunSkipsAnObjectAnEarlierProcedureDestroyed)
{
    EXPECT_EXIT(initialisationRunSkipsAnObjectAnEarlierProcedureDestroyed(),
                ::testing::ExitedWithCode(0), "");
}
