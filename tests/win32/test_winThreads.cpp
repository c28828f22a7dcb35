// Worker threads, their callbacks to the application thread, mutexes and
// semaphores, on real Win32 threads. Every wait is bounded.
#include "TestAppWindow.h"

#include "TQDwinMutex.h"
#include "TQDwinSemaphore.h"
#include "TQDwinThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

const DWORD kPatience = 5000;

// A manual-reset event that thread functions wait on, so that a test decides
// when its thread ends.
struct Gate {
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ~Gate() { CloseHandle(event); }
    void open() { SetEvent(event); }
    bool waitOpen(DWORD ms = kPatience) { return WaitForSingleObject(event, ms) == WAIT_OBJECT_0; }
};

void* waitForGate(TQDthread*, void* gate)
{
    static_cast<Gate*>(gate)->waitOpen();
    return reinterpret_cast<void*>(7);
}

void* returnArgument(TQDthread*, void* argument)
{
    return argument;
}

bool becomesIdle(TQDthread& thread)
{
    for (DWORD waited = 0; waited < kPatience; waited += 5) {
        if (thread.getStatus() == 0)
            return true;
        Sleep(5);
    }
    return false;
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
    Gate gate;
    auto thread = newThread(waitForGate);
    ASSERT_EQ(0, thread->createThread(&gate));
    EXPECT_EQ(1, thread->getStatus());
    EXPECT_EQ(-1, thread->createThread(&gate)) << "a second start while running";
    gate.open();
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
    auto thread = newThread(returnArgument);
    ASSERT_EQ(0, thread->createThread(reinterpret_cast<void*>(1234)));
    ASSERT_TRUE(becomesIdle(*thread));
    Sleep(20);  // let the thread leave its end step as well
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

namespace {

std::atomic<long> g_spins{0};

void* spinForever(TQDthread*, void*)
{
    for (;;) {
        g_spins++;
        Sleep(1);
    }
}

} // namespace

TEST(WinThread, TerminateEndsTheThreadAndLeavesTheObjectReusable)
{
    auto thread = newThread(spinForever);
    ASSERT_EQ(0, thread->createThread(nullptr));
    EXPECT_EQ(0, thread->terminateThread());
    long spinsAfterEnd = g_spins;
    Sleep(30);
    EXPECT_EQ(spinsAfterEnd, g_spins.load()) << "the function goes on running";
    EXPECT_EQ(0, thread->getStatus());
    EXPECT_EQ(-1, thread->terminateThread()) << "nothing left to end";
    EXPECT_EQ(-1, thread->joinThread(nullptr));

    thread->setFunction(returnArgument);
    ASSERT_EQ(0, thread->createThread(reinterpret_cast<void*>(5)));
    void* result = nullptr;
    EXPECT_EQ(0, thread->joinThread(&result));
    EXPECT_EQ(reinterpret_cast<void*>(5), result);
}

namespace {

struct EndSignal {
    Gate release;
    Gate returning;
};

void* waitThenSignalEnd(TQDthread*, void* parameter)
{
    EndSignal* signal = static_cast<EndSignal*>(parameter);
    signal->release.waitOpen();
    signal->returning.open();
    return nullptr;
}

} // namespace

TEST(WinThread, DeletingTheObjectWhileItsThreadRunsIsSafe)
{
    EndSignal signal;
    TQDthread* doomed = TQDthread::getNewInstance();
    doomed->setFunction(waitThenSignalEnd);
    ASSERT_EQ(0, doomed->createThread(&signal));
    delete doomed;

    // A new object likely takes the freed memory; the old thread's end must
    // not show in it.
    Gate gate;
    auto successor = newThread(waitForGate);
    ASSERT_EQ(0, successor->createThread(&gate));
    signal.release.open();
    ASSERT_TRUE(signal.returning.waitOpen());
    Sleep(50);
    EXPECT_EQ(1, successor->getStatus());
    gate.open();
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

TEST_F(WinThreadCallback, UnansweredAfterOneSecondReportsTimeOut)
{
    TestAppWindow app;
    auto thread = newCaller();
    WorkerCall call;
    ASSERT_EQ(0, thread->createThread(&call));
    // Not pumping: the send cannot be handled.
    ASSERT_TRUE(call.done.waitOpen());
    EXPECT_EQ(-2, call.result);
    EXPECT_EQ(0, log.calls);
    // Windows may still hand over the late message, Wine drops it; either
    // way it runs at most once.
    app.pumpFor(200);
    EXPECT_LE(log.calls, 1);
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
    TQDmutex* m = mutex.get();
    HANDLE other = startWork([m, &taken, &trylockResult] {
        trylockResult = m->trylock();
        taken = true;
        m->unlock();
    });
    ASSERT_NE(nullptr, other);
    Sleep(100);
    EXPECT_FALSE(taken) << "taken while held twice and released once";
    EXPECT_EQ(0, mutex->unlock());
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(other, kPatience));
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
    TQDsemaphore* s = semaphore.get();
    HANDLE worker = startWork([s, &locks] {
        for (int i = 0; i < 2; i++) {
            s->lock();
            locks++;
        }
    });
    ASSERT_NE(nullptr, worker);
    Sleep(100);
    EXPECT_EQ(1, locks) << "the first lock passes, the second waits";
    EXPECT_EQ(0, semaphore->unlock()) << "any thread may unlock";
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(worker, kPatience));
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
    EXPECT_FALSE(finishesWithin(100, [s] { s->lock(); })) << "a 1025th count";
    semaphore->unlock();  // frees the waiter left behind
    Sleep(20);
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
