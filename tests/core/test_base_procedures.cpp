// Event procedures: attaching, the order of a pass, changes and deletions
// during a pass, event dispatch and functions bound by name.
#include "CapturedText.h"
#include "EnvGuard.h"
#include "FileBytes.h"
#include "FreshProcess.h"
#include "SampleWidgets.h"
#include "TempDir.h"
#include "_TQCbaseList.h"
#include "_TQCfunctionRegister.h"
#include "_TQCprocedure.h"
#include "_TQDappDev.h"
#include "_TQGFdebug.h"
#include "_TQGFtrigger.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <regex>
#include <sstream>
#include <string>

namespace {

typedef std::vector<std::string> Log;

template <int N>
void note(TQCbase*)
{
    sampleLog().push_back("p" + std::to_string(N));
}

TQCprocedure* attach(TQCbase& object, TQCprocedureFunction function, long trigger,
                     unsigned char internal = 0, const char* name = "proc")
{
    TQCprocedure* p = new TQCprocedure(name, trigger);
    p->setFunction(function, "fn");
    p->setInternal(internal);
    if (object.addProcedure(p) != 0) {
        delete p;
        return nullptr;
    }
    return p;
}

// Objects and procedures the procedures below reach.
TQCbase* g_other = nullptr;
TQCprocedure* g_target = nullptr;

class Procedures : public testing::Test {
protected:
    void SetUp() override
    {
        button.initialize();
        TQGIappObjectList()->execUpdate();
        sampleLog().clear();
        g_other = nullptr;
        g_target = nullptr;
    }

    SampleButton button{nullptr, "procButton"};
};

} // namespace

TEST_F(Procedures, ExternalOnesRunBeforeInternalOnesEachInAttachOrder)
{
    attach(button, note<1>, TQEV_ACTIVATE, 1);
    attach(button, note<2>, TQEV_ACTIVATE);
    attach(button, note<3>, TQEV_ACTIVATE, 1);
    attach(button, note<4>, TQEV_ACTIVATE);
    attach(button, note<5>, TQEV_MOUSE_OUT);
    button.execProcedure(TQEV_ACTIVATE);
    EXPECT_EQ(sampleLog(), (Log{"p2", "p4", "p1", "p3"}));
}

TEST_F(Procedures, AttachingChecksTheClassAndCollectsTheMask)
{
    EXPECT_EQ(button.existTrigger(TQEV_VALUE_CH), 0);
    EXPECT_EQ(attach(button, note<1>, TQEV_VALUE_CH), nullptr);
    EXPECT_NE(attach(button, note<2>, TQEV_VALUE_CH, 1), nullptr) << "internal wiring is accepted";
    TQCprocedure* refused = button.addProcedure("v", "fn", TQEV_VALUE_CH);
    ASSERT_NE(refused, nullptr) << "handed back although refused";
    EXPECT_EQ(button.getProcedureList()->getNum(), 1);
    delete refused;

    TQCprocedure* press = attach(button, note<3>, TQEV_MOUSE_PRESS);
    attach(button, note<4>, TQEV_MOUSE_MOVE);
    EXPECT_EQ(button.getEventMask() & 0xA000ul, 0xA000ul);
    EXPECT_EQ(button.delProcedure(press), 0);
    EXPECT_EQ(button.delProcedure(press), -1);
    delete press;
    EXPECT_EQ(button.getEventMask() & 0xA000ul, 0xA000ul) << "removal never narrows the mask";

    SampleCombo combo(nullptr, "procCombo");
    combo.initialize();
    EXPECT_EQ(combo.existTrigger(TQEV_MOUSE_PRESS), 0);
    EXPECT_EQ(combo.existTrigger(TQEV_MOUSE_DOUBLE_CLICK), 0) << "shares the press bit";
    EXPECT_EQ(combo.existTrigger(TQEV_DELETE), 1);
    EXPECT_EQ(combo.existTrigger(36), 1) << "the form's extension trigger";
}

TEST_F(Procedures, ChangesDuringAPassApplyToWhatIsStillAhead)
{
    attach(button, [](TQCbase* self) {
        note<1>(self);
        self->delProcedure(reinterpret_cast<long>(g_target));
        attach(*self, note<9>, TQEV_ACTIVATE);
    }, TQEV_ACTIVATE);
    g_target = attach(button, note<2>, TQEV_ACTIVATE);
    attach(button, note<3>, TQEV_ACTIVATE);

    button.execProcedure(TQEV_ACTIVATE);
    EXPECT_EQ(sampleLog(), (Log{"p1", "p3"})) << "p2 detached, p9 attached during the pass";
    sampleLog().clear();
    g_target = nullptr;
    button.execProcedure(TQEV_ACTIVATE);
    EXPECT_EQ(sampleLog(), (Log{"p1", "p3", "p9"}));

    // A procedure that deletes its own record.
    SampleButton other(nullptr, "procOther");
    other.initialize();
    g_target = attach(other, [](TQCbase* self) {
        note<4>(self);
        self->delProcedure(reinterpret_cast<long>(g_target));
    }, TQEV_ACTIVATE);
    attach(other, note<5>, TQEV_ACTIVATE);
    sampleLog().clear();
    other.execProcedure(TQEV_ACTIVATE);
    other.execProcedure(TQEV_ACTIVATE);
    EXPECT_EQ(sampleLog(), (Log{"p4", "p5", "p5"}));
}

TEST_F(Procedures, AnObjectDestroyedByItsProcedureEndsThePass)
{
    SampleButton* doomed = new SampleButton(nullptr, "doomed");
    doomed->initialize();
    attach(*doomed, [](TQCbase* self) { note<1>(self); delete self; }, TQEV_ACTIVATE);
    attach(*doomed, note<2>, TQEV_ACTIVATE);
    attach(*doomed, note<3>, TQEV_ACTIVATE, 1);
    doomed->execProcedure(TQEV_ACTIVATE);
    EXPECT_EQ(sampleLog(), (Log{"p1"}));

    sampleLog().clear();
    doomed = new SampleButton(nullptr, "doomed");
    doomed->initialize();
    attach(*doomed, [](TQCbase* self) { note<1>(self); delete self; }, TQEV_MOUSE_PRESS);
    attach(*doomed, note<2>, TQEV_MOUSE_PRESS);
    TQCpoint point = {1, 2};
    EXPECT_EQ(doomed->execEventProc(TQEV_MOUSE_PRESS, &point), 0);
    EXPECT_EQ(sampleLog(), (Log{"doomed.onMousePress", "p1"}));
}

TEST_F(Procedures, AnObjectDestroyedFromAnotherObjectsPassStopsItsOwn)
{
    SampleButton* outer = new SampleButton(nullptr, "outer");
    outer->initialize();
    g_other = outer;
    attach(*outer, [](TQCbase* self) {
        note<1>(self);
        static_cast<TQCbase*>(self->getUserData("partner"))->execProcedure(TQEV_ACTIVATE);
    }, TQEV_ACTIVATE);
    attach(*outer, note<2>, TQEV_ACTIVATE);
    outer->setUserData("partner", &button);
    attach(button, [](TQCbase* self) { note<3>(self); delete g_other; }, TQEV_ACTIVATE);
    attach(button, note<4>, TQEV_ACTIVATE);

    outer->execProcedure(TQEV_ACTIVATE);
    EXPECT_EQ(sampleLog(), (Log{"p1", "p3", "p4"}));
}

TEST_F(Procedures, ANestedPassOnTheSameObjectLeavesTheOuterEntries)
{
    attach(button, [](TQCbase* self) {
        note<1>(self);
        self->execProcedure(TQEV_MOUSE_IN);
    }, TQEV_ACTIVATE);
    attach(button, note<2>, TQEV_ACTIVATE);
    attach(button, note<5>, TQEV_MOUSE_IN);
    attach(button, note<6>, TQEV_MOUSE_IN);
    attach(button, note<7>, TQEV_MOUSE_IN);
    button.execProcedure(TQEV_ACTIVATE);
    EXPECT_EQ(sampleLog(), (Log{"p1", "p5", "p6", "p7", "p2"}));
}

TEST_F(Procedures, TheUpdateQueueRunsAfterEachProcedureOfATriggerPass)
{
    SampleWidget* watcher = new SampleWidget(nullptr, "watcher");
    watcher->initialize();
    g_other = watcher;
    auto queueWatcher = [](TQCbase* self) {
        note<1>(self);
        TQGIappObjectList()->addNeedUpdate(g_other);
    };
    attach(button, queueWatcher, TQEV_ACTIVATE, 0, "queue");
    attach(button, note<2>, TQEV_ACTIVATE);
    button.execProcedure(TQEV_ACTIVATE);
    EXPECT_EQ(sampleLog(), (Log{"p1", "watcher.update", "p2"}));

    sampleLog().clear();
    button.execProcedure("queue");
    EXPECT_EQ(sampleLog(), (Log{"p1"})) << "a run by name leaves the queue alone";
    TQGIappObjectList()->execUpdate();

    sampleLog().clear();
    SampleWidget* leaving = new SampleWidget(nullptr, "leaving");
    leaving->initialize();
    attach(*leaving, queueWatcher, TQEV_DELETE);
    delete leaving;
    EXPECT_EQ(sampleLog(), (Log{"p1"})) << "nor do the DELETE procedures";
    TQGIappObjectList()->execUpdate();
    delete watcher;
}

TEST_F(Procedures, RunsByNameSpanTriggers)
{
    attach(button, note<1>, TQEV_ACTIVATE, 1, "click");
    attach(button, note<2>, TQEV_MOUSE_OUT, 0, "click");
    attach(button, note<3>, TQEV_ACTIVATE, 0, "other");
    TQCprocedure* unnamed = new TQCprocedure(nullptr, TQEV_ACTIVATE);
    unnamed->setFunction(note<4>, "fn");
    button.addProcedure(unnamed);
    button.execProcedure("click");
    button.execProcedure("");
    EXPECT_EQ(sampleLog(), (Log{"p2", "p1", "p4"}));
}

TEST_F(Procedures, DispatchCallsTheHookThenTheProcedures)
{
    TQCpoint point = {3, 4};
    TQCrect area = {0, 0, 5, 5};
    EXPECT_EQ(button.execEventProc(TQEV_EXPOSE, &area), 0);
    EXPECT_EQ(sampleLog(), (Log{"procButton.onExpose", "procButton.draw"}));

    const long events[] = { TQEV_EXPOSE, TQEV_MOUSE_PRESS, TQEV_MOUSE_DOUBLE_CLICK,
                            TQEV_MOUSE_RELEASE, TQEV_MOUSE_OUT, TQEV_MOUSE_MOVE, TQEV_RESIZE,
                            TQEV_ACTIVATE };
    for (long e : events) {
        TQCprocedure* p = new TQCprocedure("proc", e);
        p->setFunction([](TQCbase*) { sampleLog().push_back("proc"); }, "fn");
        ASSERT_EQ(button.addProcedure(p), 0) << e;
    }
    struct Case {
        long event;
        void* data;
        long result;
        Log log;
    };
    const Case cases[] = {
        {TQEV_EXPOSE, &area, 0, {"procButton.onExpose", "procButton.draw", "proc"}},
        {TQEV_EXPOSE, nullptr, -1, {"proc"}},
        {TQEV_MOUSE_PRESS, &point, 0, {"procButton.onMousePress", "proc"}},
        {TQEV_MOUSE_PRESS, nullptr, -1, {"proc"}},
        {TQEV_MOUSE_DOUBLE_CLICK, &point, 0, {"procButton.onMouseDoubleClick", "proc"}},
        {TQEV_MOUSE_RELEASE, &point, 0, {"procButton.onMouseRelease", "proc"}},
        {TQEV_MOUSE_OUT, nullptr, 0, {"procButton.onMouseOut", "proc"}},
        {TQEV_MOUSE_MOVE, &point, -1, {"procButton.onMouseMove", "proc"}},
        {TQEV_MOUSE_MOVE, nullptr, -1, {"proc"}},
        {TQEV_RESIZE, nullptr, 0, {"procButton.onResize(null)", "proc"}},
        {TQEV_ACTIVATE, nullptr, -1, {"proc"}},
        {TQEV_MOUSE_IN, &point, 0, {}},
    };
    for (const Case& c : cases) {
        sampleLog().clear();
        EXPECT_EQ(button.execEventProc(c.event, c.data), c.result) << c.event;
        EXPECT_EQ(sampleLog(), c.log) << c.event;
    }

    sampleLog().clear();
    attach(button, note<1>, TQCbase::TRIGGER_GUI_POLICY, 1);
    attach(button, note<2>, TQEV_ACTIVATE, 1);
    EXPECT_EQ(button.execEventProc(TQCbase::TRIGGER_GUI_POLICY, reinterpret_cast<void*>(2)), 0);
    EXPECT_EQ(sampleLog(), (Log{"p1"}));
}

TEST_F(Procedures, FunctionsNamedAreLookedUpOnEveryRun)
{
    button.addProcedureV("named", "base_test_named_ep", nullptr, TQEV_ACTIVATE);
    button.addProcedure("missing", "base_test_missing_ep", TQEV_ACTIVATE);
    {
        TQCfunctionRegister registration("base_test_named_ep", reinterpret_cast<void*>(note<1>));
        button.execProcedure(TQEV_ACTIVATE);
    }
    EXPECT_EQ(sampleLog(), (Log{"p1"}));

    static Log handled;
    handled.clear();
    TQGFsetProcedureHandler(reinterpret_cast<void*>(+[](char* name, TQCbase* object) {
        handled.push_back(std::string(name) + "@" + object->getInstanceName());
    }));
    button.execProcedure(TQEV_ACTIVATE);
    TQGFsetProcedureHandler(nullptr);
    EXPECT_EQ(handled, (Log{"base_test_named_ep@procButton", "base_test_missing_ep@procButton"}));
}

TEST_F(Procedures, DeleteAllKeepsTheDeleteProcedures)
{
    SampleButton* object = new SampleButton(nullptr, "keeper");
    object->initialize();
    attach(*object, note<1>, TQEV_ACTIVATE);
    attach(*object, note<2>, TQEV_DELETE);
    attach(*object, note<3>, TQEV_MOUSE_OUT, 1);
    EXPECT_EQ(object->delAllProcedure(), 0);
    EXPECT_EQ(object->getProcedureList()->getNum(), 1);
    object->execProcedure(TQEV_ACTIVATE);
    delete object;
    EXPECT_EQ(sampleLog(), (Log{"p2"}));
}

TEST_F(Procedures, TracingWithoutAnApplicationDeviceOnlyRuns)
{
    ASSERT_EQ(TQGIappDev(), nullptr);
    TQDappDev::setTraceMode(1);
    attach(button, note<1>, TQEV_ACTIVATE);
    button.execProcedure(TQEV_ACTIVATE);
    TQDappDev::setTraceMode(0);
    EXPECT_EQ(sampleLog(), (Log{"p1"}));
}

TEST(ProcedureRecord, KeepsCopiesAndALowByteTrigger)
{
    char name[] = "rec";
    TQCprocedure p(name, TQEV_MOUSE_MOVE);
    name[0] = 'x';
    EXPECT_STREQ(p.getProcName(), "rec");
    EXPECT_EQ(p.getEffectiveTriggerMask(), 0x8000);

    p.setTrigger(200);
    EXPECT_EQ(p.getTrigger(), -56);
    EXPECT_EQ(p.getEffectiveTriggerMask(), 0x8000) << "the mask stays";
    p.setProcName(nullptr);
    EXPECT_STREQ(p.getProcName(), "");
    p.setFunction(nullptr, "base_test_record_ep");
    EXPECT_EQ(p.getProc(), nullptr) << "not registered";
    TQCfunctionRegister registration("base_test_record_ep", reinterpret_cast<void*>(note<2>));
    EXPECT_EQ(p.getProc(), note<2>);
}

TEST(ProcedureRecord, TakingItsOwnNamesAgainKeepsThem)
{
    const char* procName = "a procedure name long enough to reach past the heap's bookkeeping";
    const char* functionName = "a_function_name_long_enough_to_reach_past_the_heaps_bookkeeping";
    TQCprocedure p(procName, TQEV_ACTIVATE);
    p.setFunction(nullptr, functionName);
    p.setProcName(p.getProcName());
    p.setFunction(nullptr, p.getFunctionName());
    EXPECT_STREQ(p.getProcName(), procName);
    EXPECT_STREQ(p.getFunctionName(), functionName);
}

// ---------------------------------------------------------------------------
// Debug log of runs. The log opens once per process, so the runs happen in
// a child process that re-runs the test body; it finds its parent's folder
// in the environment.

namespace {

const char kRunLogFolder[] = "TQTEST_RUN_LOG_FOLDER";

void logRunsOfEachKindAndExit()
{
    __dbprintf_init();
    SampleButton button(nullptr, "logged");
    button.initialize();
    attach(button, note<1>, TQEV_ACTIVATE, 0, "named");
    button.execProcedure(TQEV_ACTIVATE);
    button.execProcedure("named");
    button.execProcedure(TQEV_EXPOSE);
    button.execEventProc(TQEV_MOUSE_OUT, nullptr);
    passInChild();
}

// The run lines of the log, with their source line numbers taken out.
std::string runLines(const std::string& log)
{
    static const std::regex run("^TQCbase::(execProcedure|_exec_procedure|execEventProc) ");
    static const std::regex lineNumber(":[0-9]+ ");
    std::istringstream in(log);
    std::string line;
    std::string kept;
    while (std::getline(in, line)) {
        if (std::regex_search(line, run))
            kept += std::regex_replace(line, lineNumber, ":N ", std::regex_constants::format_first_only) + "\n";
    }
    return kept;
}

} // namespace

TEST(ProceduresDeathTest, RunsAreLoggedWhenTheDebugLogIsOpen)
{
    const char* inherited = std::getenv(kRunLogFolder);
    std::optional<TempDir> own;
    if (inherited == nullptr)
        own.emplace();
    const std::string folder = inherited != nullptr ? inherited : own->path();
    EnvGuard sharedFolder(kRunLogFolder, folder.c_str());
    EnvGuard debug("TQDEBUG", "1");
    const std::filesystem::path saved = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    EXPECT_EXIT(logRunsOfEachKindAndExit(), ::testing::ExitedWithCode(0), "");
    std::filesystem::current_path(saved);

    const std::string log = withoutCR(readFileBytes(folder + "/tqdbg.txt"));
    EXPECT_EQ(runLines(log),
              "TQCbase::execProcedure _TQCbase:N logged start ev=0x2\n"
              "TQCbase::_exec_procedure _TQCbase:N logged start op=fn\n"
              "TQCbase::_exec_procedure _TQCbase:N logged done op=fn\n"
              "TQCbase::execProcedure _TQCbase:N logged done2 ev=0x2\n"
              "TQCbase::execProcedure _TQCbase:N logged start opname=named\n"
              "TQCbase::_exec_procedure _TQCbase:N logged start op=fn\n"
              "TQCbase::_exec_procedure _TQCbase:N logged done op=fn\n"
              "TQCbase::execProcedure _TQCbase:N logged done opname=named\n"
              "TQCbase::execProcedure _TQCbase:N logged start ev=0x9\n"
              "TQCbase::execProcedure _TQCbase:N logged done ev=0x9\n"
              "TQCbase::execEventProc _TQCbase:N logged start ev=12\n"
              "TQCbase::execProcedure _TQCbase:N logged start ev=0xc\n"
              "TQCbase::execProcedure _TQCbase:N logged done2 ev=0xc\n"
              "TQCbase::execEventProc _TQCbase:N logged done ev=12\n");
}
