// Worker threads on Win32 threads, and the hand-over of their callbacks to
// the application thread.
#include "TQDwinThread.h"

#include "TQGFwinAppWindow.h"
#include "TQwin32.h"
#include "TQwinSectionLock.h"

#include <cstdint>
#include <new>

// What the object and its thread share. The thread may outlive the object
// (nobody is then left to join it, so the thread closes its own handle), and
// a callback message may arrive after both are gone: whoever lets go last
// frees the block.
struct TQDwinThreadBlock {
    CRITICAL_SECTION lock;
    volatile LONG references;
    TQDwinThread* owner;            // null once the object is deleted
    HANDLE handle;                  // kept after the end until joined
    DWORD id;
    unsigned long generation;       // counts the threads started
    bool running;
    volatile LONG started;          // the thread has reached its start handler
    TQDthread::ThreadFunction function;
    TQDthread* startObject;
    void* argument;
};

namespace {

const UINT kCallbackTimeoutMs = 1000;

TQDwinThreadBlock* newBlock(TQDwinThread* owner)
{
    TQDwinThreadBlock* block = new TQDwinThreadBlock();
    InitializeCriticalSection(&block->lock);
    block->references = 1;
    block->owner = owner;
    return block;
}

void retain(TQDwinThreadBlock* block)
{
    InterlockedIncrement(&block->references);
}

void release(TQDwinThreadBlock* block)
{
    if (InterlockedDecrement(&block->references) != 0)
        return;
    if (block->handle != nullptr)
        CloseHandle(block->handle);
    DeleteCriticalSection(&block->lock);
    delete block;
}

// Gives up the handle of an ended thread; called under the block's lock.
void closeHandle(TQDwinThreadBlock* block)
{
    if (block->handle != nullptr)
        CloseHandle(block->handle);
    block->handle = nullptr;
    block->id = 0;
}

struct CallbackRecord {
    TQDwinThreadBlock* block;
    void* data;
};

} // namespace

TQDwinThread::TQDwinThread() : block(newBlock(this))
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
    release(block);
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
    retain(block);  // the thread's own reference
    DWORD id = 0;
    HANDLE handle = CreateThread(nullptr, 0, _thread_start_handler, block, 0, &id);
    if (handle == nullptr) {
        InterlockedDecrement(&block->references);  // the object still holds one
        return -1;
    }
    block->handle = handle;
    block->id = id;
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
    release(block);
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
    release(block);  // the reference the ended thread can no longer give back
    return 0;
}

long TQDwinThread::getStatus()
{
    TQwinSectionLock guard(block->lock);
    return block->running ? 1 : 0;
}

long TQDwinThread::execCallback(void* data)
{
    CallbackRecord* record = new (std::nothrow) CallbackRecord{block, data};
    if (record == nullptr)
        return -1;
    retain(block);
    long result = TQGFsendToAppWindow(TQ_WM_USER_THREAD_CALLBACK, record, kCallbackTimeoutMs);
    if (result == -1) {
        // Never delivered: the window procedure will not free it.
        release(block);
        delete record;
    }
    return result;
}

void TQDwinThread::_exec_callback_message(void* message)
{
    CallbackRecord* record = static_cast<CallbackRecord*>(message);
    if (record == nullptr)
        return;
    // The message may arrive after a timed-out send, when the object is gone.
    TQDwinThread* thread = nullptr;
    {
        TQwinSectionLock guard(record->block->lock);
        thread = record->block->owner;
    }
    if (thread != nullptr && thread->getCallbackFunction() != nullptr)
        thread->getCallbackFunction()(thread, record->data);
    release(record->block);
    delete record;
}

TQ_PLATFORM_FACTORY(TQDthread, TQDwinThread, _win_th_chandler, TQGFinitializeWinThread)
