// Application device: instance name, base lock, focus dialog and selection
// owner; and, each in a process of its own because they set process-wide
// state for good, the singleton, the start-up sequence, the second-device
// exit and the trace switch of the application's own channel.
#include "CapturedText.h"
#include "FakeAppDev.h"
#include "FreshProcess.h"
#include "VisibilityProbes.h"
#include "_TQCbaseList.h"
#include "_TQGFtrigger.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

typedef std::vector<std::string> Log;

} // namespace

TEST(AppDevice, InstanceNameIsEmptyUntilSetAndThenACopy)
{
    FakeAppDev app;
    EXPECT_STREQ(app.getInstanceName(), "");
    char name[] = "Marrowfen";
    app.setInstanceName(name);
    name[0] = 'X';
    EXPECT_STREQ(app.getInstanceName(), "Marrowfen");
    app.setInstanceName(nullptr);
    EXPECT_STREQ(app.getInstanceName(), "");
}

TEST(AppDevice, BaseLockAndUnlockRefuseWithAMessage)
{
    FakeAppDev app;
    ::testing::internal::CaptureStderr();
    long locked = app.lock();
    long unlocked = app.unlock();
    std::string err = capturedStderr();
    EXPECT_EQ(locked, -1);
    EXPECT_EQ(unlocked, -1);
    EXPECT_EQ(err, "TQDappDev::lock() this version does not supported.\n"
                   "TQDappDev::unlock() this version does not supported.\n");
    EXPECT_EQ(app.getLockStatus(), 0);
}

TEST(AppDevice, FocusDialogIsClearedOnlyByItsOwnDialog)
{
    FakeAppDev app;
    std::unique_ptr<VisProbe> dialog(VisProbe::make(nullptr, "fd-dialog"));
    std::unique_ptr<VisProbe> other(VisProbe::make(nullptr, "fd-other"));
    app.setFocusDialog(dialog.get(), 1);
    app.setFocusDialog(other.get(), 0);
    EXPECT_EQ(app.getFocusDialog(), dialog.get());
    app.setFocusDialog(dialog.get(), 0);
    EXPECT_EQ(app.getFocusDialog(), nullptr);
}

TEST(AppDevice, SelectionOwnerChangeTellsTheOldOwnerThenTheNewOne)
{
    FakeAppDev app;
    std::unique_ptr<VisProbe> a(VisProbe::make(nullptr, "sel-a"));
    std::unique_ptr<VisProbe> b(VisProbe::make(nullptr, "sel-b"));
    visLog().clear();
    app.setSelectionOwner(a.get());
    app.setSelectionOwner(a.get());
    app.setSelectionOwner(b.get());
    app.setSelectionOwner(nullptr);
    EXPECT_EQ(visLog(), (Log{"sel-a.onSelectionChange(1)", "sel-a.onSelectionChange(0)",
                             "sel-b.onSelectionChange(1)", "sel-b.onSelectionChange(0)"}));
    EXPECT_EQ(app.getSelectionOwner(), nullptr);
}

// ---------------------------------------------------------------------------
// Process-wide state, each scenario in a fresh process

namespace {

void logStep(const char* step)
{
    channelLog().push_back(step);
}

void firstHandler()
{
    logStep("handler 1");
    // The window a handler builds: its INITIALIZE procedure waits for the
    // initialisation pass, which stays out of the handlers.
    VisProbe* main = VisProbe::make(nullptr, "main-window", 7);
    main->addProcedureV("init", "noteInit", [](TQCbase*) { logStep("initialize"); }, 0);
    TQGIappObjectList()->execInitialize();
}

void secondHandler()
{
    logStep(TQGIappDev()->getUnderExecInitialize() ? "handler 2 under way" : "handler 2");
}

void lateHandler()
{
    logStep("late handler");
}

void accessorIsNullUntilAFactoryIsInstalled()
{
    requireInChild(TQGIappDev() == nullptr, "no factory: null");
    requireInChild(TQGIappDev() == nullptr, "still null");
    requireInChild(!TQDappDev::getInstanceExist(), "no instance");
    TQDappDev::setCreateInstanceHandler(FakeAppDev::create);
    TQDappDev* app = TQGIappDev();
    requireInChild(app != nullptr && app->cast("FakeAppDev") != nullptr, "made by the factory");
    requireInChild(TQGIappDev() == app, "made once");
    requireInChild(!TQDappDev::getInstanceExist(), "recorded only by initialize()");
    passInChild();
}

void startUpRunsHandlersThenInitialisationThenOpensTheChannel()
{
    RecordingChannel::install();
    TQDappDev::setCreateInstanceHandler(FakeAppDev::create);
    TQDappDev::setInitHandler(firstHandler);
    TQDappDev::setInitHandler(secondHandler);
    requireInChild(channelLog().empty(), "handlers wait for the start-up");
    TQDappDev* app = TQGIappDev();
    app->setInstanceName("Marrowfen");
    app->initialize();
    requireInChild(TQDappDev::getInitializeExecuted() == 0, "not before execInitHandler");

    requireInChild(app->execInitHandler() == 0, "result 0");
    requireInChild(channelLog() == Log({"handler 1", "handler 2 under way", "initialize",
                                        "publish Marrowfen"}),
                   "handlers in order, then the initialisation pass, then the channel");
    requireInChild(app->getUnderExecInitialize() == 0, "no longer under way");
    requireInChild(TQDappDev::getInitializeExecuted() == 1, "initialisation has run");

    channelLog().clear();
    TQDappDev::setInitHandler(lateHandler);
    requireInChild(channelLog() == Log({"late handler"}), "a late handler runs at once");
    requireInChild(TQDappDev::getInitHandler()->getNum() == 2, "and is not kept");
    passInChild();
}

void secondDeviceAfterInitialisation()
{
    FakeAppDev* first = new FakeAppDev;
    FakeAppDev* early = new FakeAppDev;
    delete early;
    first->initialize();
    new FakeAppDev;
    std::_Exit(5);
}

void ownChannelSwitchesTracing()
{
    RecordingChannel::install();
    TQDappDev::setCreateInstanceHandler(FakeAppDev::create);
    TQDappDev* app = TQGIappDev();
    app->setInstanceName("tracee");
    app->initialize();
    app->execInitHandler();
    RecordingChannel* channel = RecordingChannel::last;
    requireInChild(channel != nullptr, "the channel was made by the transport");
    channelLog().clear();

    char on[] = "1 please";
    channel->sendMessage(on);
    requireInChild(TQDappDev::getTraceMode() == 1, "'1' switches tracing on");
    requireInChild(channelLog() == Log({"send TR-START 0"}), "and answers TR-START");

    // Every external procedure run is announced to the tracer.
    channelLog().clear();
    VisProbe* probe = VisProbe::make(nullptr, "traced");
    probe->execProcedure(TQEV_VISIBLE_CH);
    requireInChild(channelLog() ==
                       Log({"send TQ-TRACER VisProbe traced execute event procedure <vis>\n",
                            "send TQ-TRACER function noteTrigger5() start  ev=TQEV_VISIBLE_CH\n",
                            "send TQ-TRACER function noteTrigger5() end\n"}),
                   "a procedure run is traced");

    channelLog().clear();
    char off[] = "0";
    channel->sendMessage(off);
    requireInChild(TQDappDev::getTraceMode() == 0, "anything else switches it off");
    probe->execProcedure(TQEV_VISIBLE_CH);
    requireInChild(channelLog().empty(), "no answer and no more tracing");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(AppDeviceDeathTest, AccessorIsNullUntilAFactoryIsInstalled,
                      accessorIsNullUntilAFactoryIsInstalled(), "")

TEST(AppDeviceDeathTest, StartUpRunsHandlersInOrderThenInitialisationThenOpensTheChannel)
{
    EXPECT_EXIT(startUpRunsHandlersThenInitialisationThenOpensTheChannel(),
                ::testing::ExitedWithCode(0), "");
}

TEST(AppDeviceDeathTest, SecondDeviceAfterInitialisationEndsTheProcessWithStatus1)
{
    EXPECT_EXIT(secondDeviceAfterInitialisation(), ::testing::ExitedWithCode(1), "");
}

TQ_FRESH_PROCESS_TEST(AppDeviceDeathTest, OwnChannelSwitchesProcedureTracingOnAndOff,
                      ownChannelSwitchesTracing(), "")
