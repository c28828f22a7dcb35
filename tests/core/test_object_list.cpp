// Application object list: lookup by class and instance name, the deferred
// queues, application-wide events, global event procedures, process-wide
// user data, export lists and lookup by id.
#include "CapturedText.h"
#include "EnvGuard.h"
#include "FakeAppDev.h"
#include "FileBytes.h"
#include "FreshProcess.h"
#include "ObjectListProbes.h"
#include "TempDir.h"
#include "_TQGFdebug.h"
#include "_TQCbaseList.h"
#include "_TQCprocedure.h"
#include "_TQDappDev.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <regex>
#include <sstream>
#include <string>

namespace {

const long LOOK_CHANGE = 0x22;

TQCbaseList* objects()
{
    return TQGIappObjectList();
}

template <typename T>
std::unique_ptr<T> made(const char* name, int id, std::vector<int>* log, long code = -1)
{
    std::unique_ptr<T> object(new T(name, id, log, code));
    object->initialize();
    return object;
}

int procedureRuns = 0;

void countRun(TQCbase*)
{
    ++procedureRuns;
}

// An internal procedure is accepted whatever triggers the class supports.
void attachInternal(TQCbase* object, const char* procName, long trigger)
{
    TQCprocedure* procedure = new TQCprocedure(procName, trigger);
    procedure->setFunction(countRun, "countRun");
    procedure->setInternal(1);
    ASSERT_EQ(object->addProcedure(procedure), 0);
}

long timesListed(TQClistData* list, void* object)
{
    long n = 0;
    for (long i = 0; i < list->getNum(); ++i)
        n += list->getData(i) == object;
    return n;
}

} // namespace

// ---------------------------------------------------------------------------
// Lookup

TEST(ObjectList, GetInstanceUnderTQCbaseFindsAnyClassButAClassNameSkipsSubclasses)
{
    auto item = made<ProbeItem>("ol-item", 1, nullptr);
    auto sub = made<ProbeSubItem>("ol-sub", 2, nullptr);

    EXPECT_EQ(objects()->getInstance("TQCbase", "ol-sub"), sub.get());
    EXPECT_EQ(objects()->getInstance("TQCbase", "ol-item"), item.get());
    EXPECT_EQ(objects()->getInstance("ProbeSubItem", "ol-sub"), sub.get());
    EXPECT_EQ(objects()->getInstance("ProbeItem", "ol-sub"), nullptr);
    EXPECT_EQ(objects()->getInstance("ProbeItem", "ol-item"), item.get());
    EXPECT_EQ(objects()->getInstance("probeitem", "ol-item"), nullptr);
    EXPECT_EQ(objects()->getInstance("ProbeItem", "ol-none"), nullptr);
    EXPECT_EQ(objects()->searchInstance("ProbeItem", "ol-item"), item.get());
}

TEST(ObjectList, DuplicateNamesGiveTheFirstCreatedThenTheSecond)
{
    auto first = made<ProbeItem>("ol-dup", 1, nullptr);
    auto second = made<ProbeItem>("ol-dup", 2, nullptr);
    EXPECT_EQ(objects()->getInstance("ProbeItem", "ol-dup"), first.get());
    EXPECT_EQ(objects()->getInstance("TQCbase", "ol-dup"), first.get());
    first.reset();
    EXPECT_EQ(objects()->getInstance("ProbeItem", "ol-dup"), second.get());
    second.reset();
    EXPECT_EQ(objects()->getInstance("ProbeItem", "ol-dup"), nullptr);
}

TEST(ObjectList, CountsInstancesPerClassAndClassesThatEverHadOne)
{
    long classesBefore = objects()->countObject("TQCbase");
    EXPECT_EQ(objects()->countObject("ProbeCounted"), 0);
    EXPECT_EQ(objects()->getInstanceList("ProbeCounted"), nullptr);
    {
        auto a = made<ProbeCounted>("ol-c1", 1, nullptr);
        auto b = made<ProbeCounted>("ol-c2", 2, nullptr);
        EXPECT_EQ(objects()->countObject("ProbeCounted"), 2);
        EXPECT_EQ(objects()->countObject("TQCbase"), classesBefore + 1);
        TQClistData* instances = objects()->getInstanceList("ProbeCounted");
        ASSERT_NE(instances, nullptr);
        EXPECT_EQ(instances->getData(0), a.get());
        EXPECT_EQ(instances->getData(1), b.get());
        EXPECT_EQ(objects()->existInstance(a.get()), 1);
    }
    EXPECT_EQ(objects()->countObject("ProbeCounted"), 0);
    EXPECT_EQ(objects()->countObject("TQCbase"), classesBefore + 1);
}

TEST(ObjectList, DelClientOfAnObjectNotInItsArrayGivesMinusOne)
{
    auto item = made<ProbeItem>("ol-del", 1, nullptr);
    void* array = item->getClassInformation()->getClassInstanceList();
    EXPECT_EQ(objects()->delClient(item.get(), array), 0);
    EXPECT_EQ(objects()->existInstance(item.get()), 0);
    EXPECT_EQ(objects()->delClient(item.get(), array), -1);
    objects()->addClient(item.get(), array);  // back, so its destructor finds it
}

// ---------------------------------------------------------------------------
// Queues

TEST(UpdateQueue, ALoneEntryIsUpdatedWithItsFlagClearButTwoSuchAreNot)
{
    std::vector<int> log;
    auto a = made<ProbeItem>("ol-u1", 1, &log);
    auto b = made<ProbeItem>("ol-u2", 2, &log);
    ASSERT_EQ(a->isNeedUpdate(), 0);
    objects()->addNeedUpdate(a.get());
    objects()->execUpdate();
    EXPECT_EQ(log, std::vector<int>{1});

    log.clear();
    objects()->addNeedUpdate(a.get());
    objects()->addNeedUpdate(b.get());
    objects()->execUpdate();
    EXPECT_TRUE(log.empty());
    objects()->execUpdate();  // each run emptied the queue
    EXPECT_TRUE(log.empty());
}

TEST(UpdateQueue, ObjectQueuedDuringARunWaitsForTheNextRun)
{
    std::vector<int> log;
    auto a = made<ProbeItem>("ol-u1", 1, &log);
    auto b = made<ProbeItem>("ol-u2", 2, &log);
    a->onUpdate = [&] { objects()->addNeedUpdate(b.get()); };
    objects()->addNeedUpdate(a.get());
    objects()->execUpdate();
    EXPECT_EQ(log, std::vector<int>{1});
    objects()->execUpdate();
    EXPECT_EQ(log, (std::vector<int>{1, 2}));
}

TEST(UpdateQueue, DestroyedObjectLeavesTheQueue)
{
    std::vector<int> log;
    auto a = made<ProbeItem>("ol-u1", 1, &log);
    objects()->addNeedUpdate(a.get());
    objects()->addNeedUpdate(a.get());
    a.reset();
    objects()->execUpdate();
    EXPECT_TRUE(log.empty());
}

TEST(InitializeQueue, NothingRunsBeforeTheFirstInitRun)
{
    ASSERT_EQ(TQDappDev::getInitializeExecuted(), 0);
    procedureRuns = 0;
    auto a = made<ProbeItem>("ol-i1", 1, nullptr);
    a->addProcedureV("init", "countRun", countRun, 0);
    objects()->execInitialize();
    EXPECT_EQ(procedureRuns, 0);
    objects()->execInitialize();
    EXPECT_EQ(procedureRuns, 0);
}

namespace {

const char kTraceFolder[] = "TQTEST_OBJECT_LIST_TRACE_FOLDER";

// Runs in a process of its own: the debug log, once open, stays open, and
// the initialisation run can happen only once.
void traceQueueRuns()
{
    std::filesystem::current_path(std::getenv(kTraceFolder));
    __dbprintf_init();
    std::vector<int> log;
    ProbeItem item("ol-trace", 1, &log);
    item.initialize();
    TQCbaseList* list = TQGIappObjectList();
    list->execUpdate();
    for (int queued : {1, 2, 65}) {
        for (int i = 0; i < queued; ++i)
            list->addNeedUpdate(&item);
        list->execUpdate();
    }
    list->execInitialize();
    TQDappDev::setCreateInstanceHandler(FakeAppDev::create);
    TQGIappDev()->initialize();
    TQGIappDev()->execInitHandler();
    list->execInitialize();
    passInChild();
}

// The object list's own trace lines, with the source place blanked out.
std::string objectListTraces(const std::string& text)
{
    static const std::regex place(" [^ ]+:[0-9]+ ");
    std::istringstream lines(text);
    std::string line, kept;
    while (std::getline(lines, line)) {
        if (line.rfind("TQCbaseList::", 0) == 0)
            kept += std::regex_replace(line, place, " @ ") + "\n";
    }
    return kept;
}

} // namespace

TEST(QueueTraceDeathTest, EachRunTellsTheDebugLogHowItEnded)
{
    const char* inherited = std::getenv(kTraceFolder);
    std::unique_ptr<TempDir> own(inherited == nullptr ? new TempDir : nullptr);
    const std::string folder = inherited != nullptr ? inherited : own->path();
    EnvGuard sharedFolder(kTraceFolder, folder.c_str());
    EnvGuard debug("TQDEBUG", "1");
    EXPECT_EXIT(traceQueueRuns(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(objectListTraces(withoutCR(readFileBytes(folder + "/tqdbg.txt"))),
              "TQCbaseList::execUpdate @ start.\n"
              "TQCbaseList::execUpdate @ start.\n"
              "TQCbaseList::execUpdate @ done3.\n"
              "TQCbaseList::execUpdate @ start.\n"
              "TQCbaseList::execUpdate @ done2.\n"
              "TQCbaseList::execUpdate @ start.\n"
              "TQCbaseList::execUpdate @ done1.\n"
              "TQCbaseList::execInitialize @ start.\n"
              // the start-up's own pass, then the one after it
              "TQCbaseList::execInitialize @ start.\n"
              "TQCbaseList::execInitialize @ done.\n"
              "TQCbaseList::execInitialize @ start.\n"
              "TQCbaseList::execInitialize @ done.\n");
}

// ---------------------------------------------------------------------------
// Application-wide events

TEST(AppEvents, BroadcastCallsEachRegistrationInOrderWithTheData)
{
    std::vector<int> log;
    auto a = made<ProbeItem>("ol-e1", 1, &log, LOOK_CHANGE);
    auto b = made<ProbeItem>("ol-e2", 2, &log, LOOK_CHANGE);
    objects()->addEvent(a.get(), LOOK_CHANGE);  // a second registration

    int data = 0;
    objects()->execEvent(LOOK_CHANGE, &data);
    EXPECT_EQ(log, (std::vector<int>{1, 2, 1}));
    EXPECT_EQ(b->lastEventData, &data);

    log.clear();
    objects()->execEvent(0x23L, &data);
    EXPECT_TRUE(log.empty());
    objects()->delEvent(a.get(), LOOK_CHANGE);
}

TEST(AppEvents, ObjectDestroyedByAnEarlierCallIsSkipped)
{
    // Whether or not its destructor withdrew the registration.
    for (bool forgets : {false, true}) {
        std::vector<int> log;
        auto a = made<ProbeItem>("ol-e1", 1, &log, LOOK_CHANGE);
        auto b = made<ProbeItem>("ol-e2", 2, &log, LOOK_CHANGE);
        auto c = made<ProbeItem>("ol-e3", 3, &log, LOOK_CHANGE);
        b->forgetsToUnregister = forgets;
        TQCbase* gone = b.get();
        a->onEvent = [&] { b.reset(); };
        objects()->execEvent(LOOK_CHANGE, nullptr);
        EXPECT_EQ(log, (std::vector<int>{1, 3})) << "registration left behind: " << forgets;
        if (forgets)
            objects()->delEvent(gone, LOOK_CHANGE);  // only compares the pointer
    }
}

TEST(AppEvents, RegistrationWithdrawnOrAddedDuringABroadcastCountsFromTheNextOne)
{
    std::vector<int> log;
    auto a = made<ProbeItem>("ol-e1", 1, &log, LOOK_CHANGE);
    auto b = made<ProbeItem>("ol-e2", 2, &log, LOOK_CHANGE);
    auto c = made<ProbeItem>("ol-e3", 3, &log);
    a->onEvent = [&] {
        objects()->delEvent(b.get(), LOOK_CHANGE);
        objects()->addEvent(c.get(), LOOK_CHANGE);
    };
    objects()->execEvent(LOOK_CHANGE, nullptr);
    EXPECT_EQ(log, std::vector<int>{1});

    a->onEvent = nullptr;
    log.clear();
    objects()->execEvent(LOOK_CHANGE, nullptr);
    EXPECT_EQ(log, (std::vector<int>{1, 3}));
    objects()->delEvent(c.get(), LOOK_CHANGE);
}

TEST(AppEvents, ProcedureBroadcastsRunByTriggerOrByProcedureName)
{
    auto a = made<ProbeItem>("ol-e1", 1, nullptr, 21);
    auto b = made<ProbeItem>("ol-e2", 2, nullptr, 22);
    attachInternal(a.get(), "ol-proc", 21);
    attachInternal(b.get(), "ol-proc", 22);

    procedureRuns = 0;
    objects()->execEvent(21L);
    EXPECT_EQ(procedureRuns, 1);
    objects()->execEvent("ol-proc");
    EXPECT_EQ(procedureRuns, 3);
}

// ---------------------------------------------------------------------------
// Global event procedures

namespace {

std::vector<std::string> eventProcLog;

void eventProcA(void* data)
{
    eventProcLog.push_back("A:" + std::string(static_cast<const char*>(data)));
}

void eventProcHandler(char* functionName, void* data)
{
    eventProcLog.push_back(std::string(functionName) + ":" + static_cast<const char*>(data));
}

} // namespace

TEST(EventProcs, SameFunctionAndEventOnlyTakesTheNewData)
{
    eventProcLog.clear();
    char first[] = "1";
    char second[] = "2";
    EXPECT_EQ(objects()->addEventProc(eventProcA, "ol-ev", first), 0);
    EXPECT_EQ(objects()->addEventProc(eventProcA, "ol-ev", second), 1);
    objects()->execEventProc("ol-ev");
    EXPECT_EQ(eventProcLog, std::vector<std::string>{"A:2"});

    EXPECT_EQ(objects()->delEventProc(eventProcA, "ol-ev"), 0);
    EXPECT_EQ(objects()->delEventProc(eventProcA, "ol-ev"), -1);
    objects()->execEventProc("ol-ev");
    EXPECT_EQ(eventProcLog.size(), 1u);
}

TEST(EventProcs, EntriesByFunctionNameRunThroughTheHandlerInOrder)
{
    eventProcLog.clear();
    char data[] = "d";
    objects()->addEventProc("fnB", "ol-ev2", data);
    objects()->addEventProc(eventProcA, "ol-ev2", data);
    objects()->addEventProc("fnC", "ol-other", data);

    objects()->execEventProc("ol-ev2");  // no handler: the named entry is silent
    EXPECT_EQ(eventProcLog, std::vector<std::string>{"A:d"});

    objects()->setEventProcHandler(eventProcHandler);
    eventProcLog.clear();
    objects()->execEventProc("ol-ev2");
    EXPECT_EQ(eventProcLog, (std::vector<std::string>{"fnB:d", "A:d"}));
    objects()->setEventProcHandler(nullptr);

    EXPECT_EQ(objects()->delEventProc("fnB", "ol-ev2"), 0);
    EXPECT_EQ(objects()->delEventProc(eventProcA, "ol-ev2"), 0);
    EXPECT_EQ(objects()->delEventProc("fnC", "ol-other"), 0);
}

// ---------------------------------------------------------------------------
// User data and export lists

TEST(ObjectListUserData, AbsentKeysGiveEmptyValuesAndStringsAreReplaced)
{
    EXPECT_STREQ(objects()->getUserStringData("ol-never"), "");
    EXPECT_EQ(objects()->getUserData("ol-never"), nullptr);
    EXPECT_EQ(objects()->getUserLongData("ol-never"), 0u);

    objects()->setUserStringData("ol-text", "one");
    objects()->setUserStringData("ol-text", "two");
    EXPECT_STREQ(objects()->getUserStringData("ol-text"), "two");
    objects()->setUserLongData("ol-number", 42);
    EXPECT_EQ(objects()->getUserLongData("ol-number"), 42u);
}

TEST(ExportLists, AnObjectIsListedOnce)
{
    auto a = made<ProbeItem>("ol-x1", 1, nullptr);
    EXPECT_EQ(objects()->addExportInstanceList(a.get()), 0);
    EXPECT_EQ(objects()->addExportInstanceList(a.get()), -1);
    EXPECT_EQ(timesListed(objects()->getExportInstanceList(), a.get()), 1);
    EXPECT_EQ(objects()->delExportInstanceList(a.get()), 0);
    EXPECT_EQ(objects()->addExportInstanceUpdateList(a.get()), 0);
    EXPECT_EQ(objects()->addExportInstanceUpdateList(a.get()), -1);
    objects()->delExportInstanceUpdateList(a.get());
}

TEST(ExportLists, DestroyedExportLeavesTheListsAndKeepsItsNamesForTheDeleteList)
{
    auto a = made<ProbeItem>("ol-x2", 1, nullptr);
    TQCbase* gone = a.get();
    a->setExportName("public-x2");
    a->setExported(1);
    EXPECT_EQ(timesListed(objects()->getExportInstanceUpdateList(), gone), 1);
    objects()->addExportInstanceList(gone);
    TQClistData* entries = objects()->getExportInstanceDeleteList();
    long before = entries->getNum();
    a.reset();

    EXPECT_EQ(timesListed(objects()->getExportInstanceList(), gone), 0);
    EXPECT_EQ(timesListed(objects()->getExportInstanceUpdateList(), gone), 0);
    ASSERT_EQ(entries->getNum(), before + 1);
    auto* entry = static_cast<TQCbaseList::ExportDeleteEntry*>(entries->getData(-1));
    EXPECT_EQ(entry->object, gone);
    EXPECT_STREQ(entry->publicName, "public-x2");
    EXPECT_STREQ(entry->instanceName, "ol-x2");
    EXPECT_STREQ(entry->className, "ProbeItem");
    EXPECT_EQ(objects()->addExportInstanceDeleteList(gone), -1);
    EXPECT_EQ(objects()->delExportInstanceDeleteList(gone), 0);
    EXPECT_EQ(entries->getNum(), before);

    ProbeItem plain("ol-x3", 2, nullptr);
    plain.setExported(0);
    EXPECT_EQ(entries->getNum(), before) << "switching off what was never on lists nothing";
}

// ---------------------------------------------------------------------------
// Lookup by id

TEST(ObjectListIds, InstancesAndWalksByKind)
{
    auto a = made<ProbeItem>("ol-id1", 1, nullptr);
    auto b = made<ProbeItem>("ol-id2", 2, nullptr);
    unsigned long idA = objects()->getIdFromInstance(a.get());
    unsigned long idB = objects()->getIdFromInstance(b.get());
    EXPECT_EQ(objects()->getInstanceFromId(idA), a.get());
    EXPECT_EQ(std::strcmp(objects()->getInstanceData(idB, 10, 0), "ol-id2"), 0);

    objects()->setInstanceId(5, idA);
    objects()->setInstanceId(5, idB);
    objects()->setInstanceId(5, idA);
    EXPECT_EQ(objects()->getInstanceId(0, 7, 0), idA);
    EXPECT_EQ(objects()->getInstanceId(idA, 7, 0), idB);
    EXPECT_EQ(objects()->getInstanceId(idB, 7, 0), 0u);
    objects()->setInstanceId(6, idA);
    objects()->setInstanceId(6, idB);
    EXPECT_EQ(objects()->getInstanceId(0, 7, 0), 0u);

    objects()->setInstanceId(46, idB);
    EXPECT_EQ(objects()->getInstanceId(0, 46, 0), idB);

    b.reset();
    EXPECT_EQ(objects()->getInstanceFromId(idB), nullptr);
    EXPECT_EQ(std::strcmp(objects()->getInstanceData(idB, 10, 0), ""), 0);
}

TEST(ObjectListIds, ProcedureWalkSkipsInternalProcedures)
{
    auto a = made<ProbeItem>("ol-id3", 1, nullptr);
    a->addProcedureV("first", "countRun", countRun, 0);
    attachInternal(a.get(), "wiring", 0);
    a->addProcedureV("second", "countRun", countRun, 0);
    unsigned long id = objects()->getIdFromInstance(a.get());

    unsigned long first = objects()->getInstanceId(id, 21, 0);
    ASSERT_NE(first, 0u);
    EXPECT_EQ(std::strcmp(objects()->getInstanceData(first, 1, 0), "first"), 0);
    EXPECT_EQ(std::strcmp(objects()->getInstanceData(first, 15, 0), "countRun"), 0);
    unsigned long second = objects()->getInstanceId(id, 21, first);
    ASSERT_NE(second, 0u);
    EXPECT_EQ(std::strcmp(objects()->getInstanceData(second, 1, 0), "second"), 0);
    EXPECT_EQ(objects()->getInstanceId(id, 21, second), 0u);
    EXPECT_EQ(objects()->getInstanceId(id, 21, 12345), 0u);
}
