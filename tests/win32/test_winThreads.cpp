// Worker threads, their callbacks to the application thread, mutexes and
// semaphores, on real Win32 threads. Tests wait on events and thread ends,
// every wait bounded; a thread that should be blocked is watched for a
// short while and must not end in it.
#include "TestAppWindow.h"

#include "TQDwinMutex.h"
#include "TQDwinSemaphore.h"
#include "TQDwinThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <vector>

namespace {

const DWORD kPatience = 5000;
const DWORD kBlockedWatch = 100;

// A manual-reset event that thread functions wait on, so that a test decides
// when its thread ends.
struct Gate {
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ~Gate() { CloseHandle(event); }
    void open() { SetEvent(event); }
    bool waitOpen(DWORD ms = kPatience) { return WaitForSingleObject(event, ms) == WAIT_OBJECT_0; }
};

bool ends(HANDLE thread)
{
    return WaitForSingleObject(thread, kPatience) == WAIT_OBJECT_0;
}

bool staysBlocked(HANDLE thread)
{
    return WaitForSingleObject(thread, kBlockedWatch) == WAIT_TIMEOUT;
}

// One run of watchedRun: the run's own thread, opened for waiting on its real
// end (past the object's end step), a gate it opens once that is known, and
// one it waits at before it returns result.
struct WatchedRun {
    HANDLE thread = nullptr;
    Gate started;
    Gate release;
    void* result = nullptr;
    ~WatchedRun()
    {
        if (thread != nullptr)
            CloseHandle(thread);
    }
    bool ended() { return started.waitOpen() && ends(thread); }
};

void* watchedRun(TQDthread*, void* parameter)
{
    WatchedRun* run = static_cast<WatchedRun*>(parameter);
    run->thread = OpenThread(SYNCHRONIZE, FALSE, GetCurrentThreadId());
    run->started.open();
    run->release.waitOpen();
    return run->result;
}

void* returnArgument(TQDthread*, void* argument)
{
    return argument;
}

std::unique_ptr<TQDthread> newThread(TQDthread::ThreadFunction function)
{
    std::unique_ptr<TQDthread> thread(TQDthread::getNewInstance());
    thread->setFunction(function);
    return thread;
}

} // namespace

TEST(WinThread, CreateWithoutFunctionFailsAndStaysIdle)
{
    std::unique_ptr<TQDthread> thread(TQDthread::getNewInstance());
    EXPECT_EQ(-1, thread->createThread(nullptr));
    EXPECT_EQ(0, thread->getStatus());
    EXPECT_EQ(-1, thread->joinThread(nullptr));
    EXPECT_EQ(-1, thread->terminateThread());
    EXPECT_EQ(0, thread->detachThread());
}

TEST(WinThread, RunsFunctionOnceAtATimeAndCanStartAgain)
{
    WatchedRun run;
    run.result = reinterpret_cast<void*>(7);
    auto thread = newThread(watchedRun);
    ASSERT_EQ(0, thread->createThread(&run));
    EXPECT_EQ(1, thread->getStatus());
    EXPECT_EQ(-1, thread->createThread(&run)) << "a second start while running";
    run.release.open();
    void* result = nullptr;
    ASSERT_EQ(0, thread->joinThread(&result));
    EXPECT_EQ(reinterpret_cast<void*>(7), result);
    EXPECT_EQ(0, thread->getStatus());

    thread->setFunction(returnArgument);
    ASSERT_EQ(0, thread->createThread(reinterpret_cast<void*>(99)));
    ASSERT_EQ(0, thread->joinThread(&result));
    EXPECT_EQ(reinterpret_cast<void*>(99), result);
}

TEST(WinThread, JoinOfAFinishedThreadGivesItsExitValueOnce)
{
    WatchedRun run;
    run.result = reinterpret_cast<void*>(1234);
    run.release.open();
    auto thread = newThread(watchedRun);
    ASSERT_EQ(0, thread->createThread(&run));
    ASSERT_TRUE(run.ended());
    EXPECT_EQ(0, thread->getStatus());
    void* result = nullptr;
    EXPECT_EQ(0, thread->joinThread(&result));
    EXPECT_EQ(reinterpret_cast<void*>(1234), result);
    EXPECT_EQ(-1, thread->joinThread(&result)) << "already joined";
}

TEST(WinThread, CreateReportsAThreadThatCouldNotStart)
{
    // Reserve the whole free address space, so that no thread stack fits.
    std::vector<void*> reserved;
    for (SIZE_T size = 64u << 20; size >= 64u << 10; size /= 2) {
        while (void* block = VirtualAlloc(nullptr, size, MEM_RESERVE, PAGE_NOACCESS))
            reserved.push_back(block);
    }
    auto thread = newThread(returnArgument);
    long started = thread->createThread(nullptr);
    long status = thread->getStatus();
    if (started == 0)
        thread->joinThread(nullptr);
    for (void* block : reserved)
        VirtualFree(block, 0, MEM_RELEASE);

    EXPECT_EQ(-1, started);
    EXPECT_EQ(0, status);
    EXPECT_EQ(-1, thread->joinThread(nullptr));
    EXPECT_EQ(0, thread->createThread(nullptr)) << "starts once memory is back";
    EXPECT_EQ(0, thread->joinThread(nullptr));
}

TEST(WinThread, TerminateEndsTheThreadAndLeavesTheObjectReusable)
{
    auto thread = newThread(watchedRun);
    WatchedRun starting;
    ASSERT_EQ(0, thread->createThread(&starting));
    EXPECT_EQ(0, thread->terminateThread()) << "while the thread may still start up";
    EXPECT_EQ(0, thread->getStatus());

    WatchedRun running;
    ASSERT_EQ(0, thread->createThread(&running));
    ASSERT_TRUE(running.started.waitOpen());
    EXPECT_EQ(0, thread->terminateThread());
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(running.thread, 0))
        << "the function goes on running";
    EXPECT_EQ(0, thread->getStatus());
    EXPECT_EQ(-1, thread->terminateThread()) << "nothing left to end";
    EXPECT_EQ(-1, thread->joinThread(nullptr));

    thread->setFunction(returnArgument);
    ASSERT_EQ(0, thread->createThread(reinterpret_cast<void*>(5)));
    void* result = nullptr;
    EXPECT_EQ(0, thread->joinThread(&result));
    EXPECT_EQ(reinterpret_cast<void*>(5), result);
}

TEST(WinThread, DeletingTheObjectWhileItsThreadRunsIsSafe)
{
    WatchedRun doomedRun;
    TQDthread* doomed = TQDthread::getNewInstance();
    doomed->setFunction(watchedRun);
    ASSERT_EQ(0, doomed->createThread(&doomedRun));
    delete doomed;

    // A new object likely takes the freed memory; the old thread's end must
    // not show in it.
    WatchedRun successorRun;
    auto successor = newThread(watchedRun);
    ASSERT_EQ(0, successor->createThread(&successorRun));
    doomedRun.release.open();
    ASSERT_TRUE(doomedRun.ended());
    EXPECT_EQ(1, successor->getStatus());
    successorRun.release.open();
    EXPECT_EQ(0, successor->joinThread(nullptr));
}

namespace {

struct CallbackLog {
    std::atomic<int> calls{0};
    std::atomic<DWORD> threadId{0};
    TQDthread* thread = nullptr;
    void* data = nullptr;
};

CallbackLog* g_log = nullptr;

void logCallback(TQDthread* thread, void* data)
{
    g_log->thread = thread;
    g_log->data = data;
    g_log->threadId = GetCurrentThreadId();
    g_log->calls++;
}

struct WorkerCall {
    void* data = nullptr;
    std::atomic<long> result{99};
    Gate done;
};

void* callBack(TQDthread* thread, void* parameter)
{
    WorkerCall* call = static_cast<WorkerCall*>(parameter);
    call->result = thread->execCallback(call->data);
    call->done.open();
    return nullptr;
}

class WinThreadCallback : public ::testing::Test {
protected:
    void SetUp() override { g_log = &log; }
    void TearDown() override { g_log = nullptr; }

    std::unique_ptr<TQDthread> newCaller()
    {
        auto thread = newThread(callBack);
        thread->setCallbackFunction(logCallback);
        return thread;
    }

    CallbackLog log;
};

} // namespace

TEST_F(WinThreadCallback, WorkerCallbackRunsOnTheApplicationThread)
{
    TestAppWindow app;
    auto thread = newCaller();
    WorkerCall call;
    call.data = &call;
    ASSERT_EQ(0, thread->createThread(&call));
    EXPECT_TRUE(app.pumpUntil([&] { return call.result != 99; }, kPatience));
    EXPECT_EQ(0, call.result);
    EXPECT_EQ(1, log.calls);
    EXPECT_EQ(GetCurrentThreadId(), log.threadId);
    EXPECT_EQ(thread.get(), log.thread);
    EXPECT_EQ(&call, log.data);
    EXPECT_EQ(0, thread->joinThread(nullptr));
}

TEST_F(WinThreadCallback, WithoutCallbackFunctionNothingRuns)
{
    TestAppWindow app;
    auto thread = newThread(callBack);
    WorkerCall call;
    ASSERT_EQ(0, thread->createThread(&call));
    EXPECT_TRUE(app.pumpUntil([&] { return call.result != 99; }, kPatience));
    EXPECT_EQ(0, call.result);
    EXPECT_EQ(0, log.calls);
    EXPECT_EQ(0, thread->joinThread(nullptr));
}

TEST_F(WinThreadCallback, OnTheApplicationThreadItRunsAtOnce)
{
    TestAppWindow app;
    auto thread = newCaller();
    EXPECT_EQ(0, thread->execCallback(&log));
    EXPECT_EQ(1, log.calls);
    EXPECT_EQ(&log, log.data);
}

TEST_F(WinThreadCallback, WithoutApplicationWindowDeliveryFails)
{
    auto thread = newCaller();
    WorkerCall call;
    ASSERT_EQ(0, thread->createThread(&call));
    ASSERT_TRUE(call.done.waitOpen());
    EXPECT_EQ(-1, call.result);
    EXPECT_EQ(0, log.calls);
    EXPECT_EQ(0, thread->joinThread(nullptr));
}

TEST_F(WinThreadCallback, UnansweredAfterOneSecondReportsTimeOutAndRunsLater)
{
    TestAppWindow app;
    auto thread = newCaller();
    WorkerCall call;
    call.data = &call;
    ASSERT_EQ(0, thread->createThread(&call));
    // Not pumping: the callback cannot run yet.
    ASSERT_TRUE(call.done.waitOpen());
    EXPECT_EQ(-2, call.result);
    EXPECT_EQ(0, log.calls);
    EXPECT_TRUE(app.pumpUntil([&] { return log.calls > 0; }, kPatience))
        << "the callback waits for the application thread";
    EXPECT_EQ(1, log.calls);
    EXPECT_EQ(&call, log.data);
    EXPECT_EQ(GetCurrentThreadId(), log.threadId);
    EXPECT_EQ(0, thread->joinThread(nullptr));
}

TEST(WinMutex, IsRecursiveForItsHolderAndTrylockWaitsForOthers)
{
    std::unique_ptr<TQDmutex> mutex(TQDmutex::getNewInstance());
    ASSERT_EQ(0, mutex->initialize());
    EXPECT_EQ(0, mutex->lock());
    EXPECT_EQ(0, mutex->lock());
    EXPECT_EQ(0, mutex->unlock());

    std::atomic<bool> taken{false};
    std::atomic<long> trylockResult{99};
    Gate trying;
    TQDmutex* m = mutex.get();
    HANDLE other = startWork([m, &taken, &trylockResult, &trying] {
        trying.open();
        trylockResult = m->trylock();
        taken = true;
        m->unlock();
    });
    ASSERT_NE(nullptr, other);
    ASSERT_TRUE(trying.waitOpen());
    EXPECT_TRUE(staysBlocked(other));
    EXPECT_FALSE(taken) << "taken while held twice and released once";
    EXPECT_EQ(0, mutex->unlock());
    EXPECT_TRUE(ends(other));
    CloseHandle(other);
    EXPECT_EQ(0, trylockResult);
    EXPECT_TRUE(taken);
    EXPECT_EQ(0, mutex->destroy());
}

TEST(WinMutex, RefusesUseBeforeInitialize)
{
    std::unique_ptr<TQDmutex> mutex(TQDmutex::getNewInstance());
    EXPECT_EQ(-1, mutex->lock());
    EXPECT_EQ(-1, mutex->trylock());
    EXPECT_EQ(-1, mutex->unlock());
    EXPECT_EQ(0, mutex->destroy());
}

TEST(WinSemaphore, SecondLockOfOneThreadWaitsForAnUnlock)
{
    std::unique_ptr<TQDsemaphore> semaphore(TQDsemaphore::getNewInstance());
    ASSERT_EQ(0, semaphore->initialize());
    std::atomic<int> locks{0};
    Gate firstPassed;
    TQDsemaphore* s = semaphore.get();
    HANDLE worker = startWork([s, &locks, &firstPassed] {
        s->lock();
        locks++;
        firstPassed.open();
        s->lock();
        locks++;
    });
    ASSERT_NE(nullptr, worker);
    ASSERT_TRUE(firstPassed.waitOpen());
    EXPECT_TRUE(staysBlocked(worker)) << "the second lock waits";
    EXPECT_EQ(1, locks);
    EXPECT_EQ(0, semaphore->unlock()) << "any thread may unlock";
    EXPECT_TRUE(ends(worker));
    CloseHandle(worker);
    EXPECT_EQ(2, locks);
}

TEST(WinSemaphore, CountsUpTo1024)
{
    std::unique_ptr<TQDsemaphore> semaphore(TQDsemaphore::getNewInstance());
    ASSERT_EQ(0, semaphore->initialize());
    for (int i = 0; i < 1100; i++)
        ASSERT_EQ(0, semaphore->unlock());
    TQDsemaphore* s = semaphore.get();
    EXPECT_TRUE(finishesWithin(kPatience, [s] {
        for (int i = 0; i < 1024; i++)
            s->lock();
    }));
    HANDLE waiter = startWork([s] { s->lock(); });
    ASSERT_NE(nullptr, waiter);
    EXPECT_TRUE(staysBlocked(waiter)) << "a 1025th count";
    EXPECT_EQ(0, semaphore->unlock());
    EXPECT_TRUE(ends(waiter)) << "the unlock frees the waiter";
    CloseHandle(waiter);
}

TEST(WinSemaphore, InitializeAgainGivesAFreshCountOfOne)
{
    std::unique_ptr<TQDsemaphore> semaphore(TQDsemaphore::getNewInstance());
    EXPECT_EQ(-1, semaphore->lock()) << "no semaphore before initialize";
    EXPECT_EQ(-1, semaphore->unlock());
    ASSERT_EQ(0, semaphore->initialize());
    ASSERT_EQ(0, semaphore->lock());
    ASSERT_EQ(0, semaphore->initialize());
    TQDsemaphore* s = semaphore.get();
    EXPECT_TRUE(finishesWithin(kPatience, [s] { s->lock(); }));
    EXPECT_EQ(0, semaphore->destroy());
    EXPECT_EQ(0, semaphore->destroy());
    EXPECT_EQ(-1, semaphore->lock());
}
