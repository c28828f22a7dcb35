// Worker threads on Win32 threads, and the hand-over of their callbacks to
// the application thread.
#include "TQDwinThread.h"

#include "TQGFwinAppWindow.h"
#include "TQGFwinWorkers.h"
#include "TQwin32.h"
#include "TQwinHandOverQueue.h"
#include "TQwinSectionLock.h"
#include "_TQCbaseList.h"

#include <cstdint>
#include <new>

namespace {

// One callback handed to the application thread: the worker waits for done
// a while, the application thread sets it; whoever lets go last frees it.
struct CallbackCall {
    void* data;
    HANDLE done;
    volatile LONG references;
};

void releaseCall(CallbackCall* call)
{
    if (InterlockedDecrement(&call->references) != 0)
        return;
    CloseHandle(call->done);
    delete call;
}

} // namespace

// What the object and its thread share, with the queue of callbacks for the
// application thread. The thread may outlive the object (nobody is then left
// to join it, so the thread closes its own handle), and a callback may be
// delivered after both are gone: whoever lets go last frees the block.
struct TQDwinThreadBlock : TQwinHandOverQueue {
    explicit TQDwinThreadBlock(TQDwinThread* owner)
        : TQwinHandOverQueue(TQ_WM_USER_THREAD_CALLBACK), owner(owner)
    {
    }
    ~TQDwinThreadBlock() override
    {
        if (handle != nullptr)
            CloseHandle(handle);
    }

    // Runs the object's callback function, when the object still exists
    // and has one.
    void deliver(void* item) override
    {
        CallbackCall* call = static_cast<CallbackCall*>(item);
        TQDwinThread* thread = nullptr;
        {
            TQwinSectionLock guard(lock);
            thread = owner;
        }
        if (thread != nullptr && thread->getCallbackFunction() != nullptr)
            thread->getCallbackFunction()(thread, call->data);
        SetEvent(call->done);
        releaseCall(call);
    }
    void discard(void* item) override { releaseCall(static_cast<CallbackCall*>(item)); }

    // Under the lock:
    TQDwinThread* owner = nullptr;  // null once the object is deleted
    HANDLE handle = nullptr;        // kept after the end until joined
    DWORD id = 0;
    unsigned long generation = 0;   // counts the threads started
    bool running = false;
    volatile LONG started = 0;      // the thread has reached its start handler
    TQDthread::ThreadFunction function = nullptr;
    TQDthread* startObject = nullptr;
    void* argument = nullptr;
};

namespace {

// The longest a worker waits for its callback to have run.
const DWORD kCallbackTimeoutMs = 1000;

// Gives up the handle of an ended thread; called under the block's lock.
void closeHandle(TQDwinThreadBlock* block)
{
    if (block->handle != nullptr)
        CloseHandle(block->handle);
    block->handle = nullptr;
    block->id = 0;
}

bool onApplicationThread()
{
    HWND window = TQGFgetAppWindow();
    return window != nullptr && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

} // namespace

TQDwinThread::TQDwinThread() : block(new TQDwinThreadBlock(this))
{
}

TQDwinThread::~TQDwinThread()
{
    {
        TQwinSectionLock guard(block->lock);
        block->owner = nullptr;
        // A thread still running closes its handle itself when it ends.
        if (!block->running)
            closeHandle(block);
    }
    block->release();
}

long TQDwinThread::createThread(void* argument)
{
    TQwinSectionLock guard(block->lock);
    if (threadFunction == nullptr || block->running)
        return -1;
    // An earlier thread that ended without a join gives up its exit value.
    closeHandle(block);
    threadData = argument;
    block->function = threadFunction;
    block->started = 0;
    block->startObject = this;
    block->argument = argument;
    block->retain();  // the thread's own reference
    HANDLE handle = TQGFstartWorker(_thread_start_handler, block);
    if (handle == nullptr) {
        block->release();  // the object still holds one
        return -1;
    }
    block->handle = handle;
    block->id = GetThreadId(handle);
    block->generation++;
    block->running = true;
    return 0;
}

DWORD WINAPI TQDwinThread::_thread_start_handler(void* parameter)
{
    TQDwinThreadBlock* block = static_cast<TQDwinThreadBlock*>(parameter);
    InterlockedExchange(&block->started, 1);
    void* result = nullptr;
    if (block->function != nullptr)
        result = block->function(block->startObject, block->argument);
    {
        TQwinSectionLock guard(block->lock);
        block->running = false;
        if (block->owner == nullptr)
            closeHandle(block);
    }
    block->release();
    return static_cast<DWORD>(reinterpret_cast<uintptr_t>(result));
}

long TQDwinThread::detachThread()
{
    return 0;
}

long TQDwinThread::joinThread(void** result)
{
    HANDLE waitHandle = nullptr;
    unsigned long generation = 0;
    {
        TQwinSectionLock guard(block->lock);
        if (block->handle == nullptr)
            return -1;
        // Wait on a copy, so that nothing else closing the handle meanwhile
        // can pull it from under the wait.
        if (!DuplicateHandle(GetCurrentProcess(), block->handle, GetCurrentProcess(),
                             &waitHandle, 0, FALSE, DUPLICATE_SAME_ACCESS))
            return -1;
        generation = block->generation;
    }
    DWORD exitCode = 0;
    bool ended = WaitForSingleObject(waitHandle, INFINITE) == WAIT_OBJECT_0
                 && GetExitCodeThread(waitHandle, &exitCode);
    CloseHandle(waitHandle);
    if (!ended)
        return -1;
    {
        TQwinSectionLock guard(block->lock);
        if (block->generation == generation && !block->running)
            closeHandle(block);
    }
    if (result != nullptr)
        *result = reinterpret_cast<void*>(static_cast<uintptr_t>(exitCode));
    return 0;
}

long TQDwinThread::terminateThread()
{
    {
        TQwinSectionLock guard(block->lock);
        if (!block->running)
            return -1;
        // The thread cannot hold the block's lock now: it takes it only in
        // its end step, which it has not passed while it is marked running.
        // It is not ended before it has finished starting up: a thread
        // killed inside the system's start-up code can bring the process
        // down (Wine does).
        while (InterlockedCompareExchange(&block->started, 0, 0) == 0
               && WaitForSingleObject(block->handle, 1) == WAIT_TIMEOUT) {
        }
        TerminateThread(block->handle, 0);
        WaitForSingleObject(block->handle, INFINITE);
        closeHandle(block);
        block->running = false;
    }
    block->release();  // the reference the ended thread can no longer give back
    return 0;
}

long TQDwinThread::getStatus()
{
    TQwinSectionLock guard(block->lock);
    return block->running ? 1 : 0;
}

// On the application thread the callback runs at once. A worker waits for
// it at most a second; a callback that has not run by then still runs once
// the application thread takes it.
long TQDwinThread::execCallback(void* data)
{
    if (TQGFgetAppWindow() == nullptr)
        return -1;
    if (onApplicationThread()) {
        if (getCallbackFunction() != nullptr)
            getCallbackFunction()(this, data);
        TQCbaseList* objects = TQGIappObjectList();
        objects->execInitialize();
        objects->execUpdate();
        return 0;
    }
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (done == nullptr)
        return -1;
    CallbackCall* call = new (std::nothrow) CallbackCall{data, done, 2};
    if (call == nullptr) {
        CloseHandle(done);
        return -1;
    }
    if (!block->handOver(call)) {
        delete call;
        CloseHandle(done);
        return -1;
    }
    HANDLE either[2] = {done, TQGFworkersEnding()};
    bool ran = WaitForMultipleObjects(2, either, FALSE, kCallbackTimeoutMs) == WAIT_OBJECT_0;
    releaseCall(call);
    if (ran)
        return 0;
    SetLastError(ERROR_TIMEOUT);
    return -2;
}

TQ_PLATFORM_FACTORY(TQDthread, TQDwinThread, _win_th_chandler, TQGFinitializeWinThread)
