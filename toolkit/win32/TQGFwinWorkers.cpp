// The register of the Win32 layer's worker threads, and their end with the
// process.
#include "TQGFwinWorkers.h"

#include "TQwinSectionLock.h"
#include "_TQGFdebug.h"

#include <cstdlib>
#include <vector>

namespace {

// The longest the end of the process waits for all workers together.
const DWORD kEndingPatienceMs = 3000;

// Never destroyed: workers and exit handlers may reach it until the
// process is gone.
struct Workers {
    CRITICAL_SECTION lock;
    HANDLE ending;
    // Handles of the workers started, each closed once it has ended.
    std::vector<HANDLE> threads;
    bool endHooked;
};

Workers& workers()
{
    static Workers* made = [] {
        Workers* w = new Workers();
        InitializeCriticalSection(&w->lock);
        w->ending = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        w->endHooked = false;
        return w;
    }();
    return *made;
}

void endAtExit()
{
    TQGFendWorkers();
}

// Registered at the first start, so that exit runs it before the static
// destructors of everything that existed by then.
void hookProcessEnd(Workers& w)
{
    if (w.endHooked)
        return;
    w.endHooked = true;
    std::atexit(endAtExit);
    TQGFsetEndThreadsHandler(TQGFendWorkers);
}

void dropEnded(std::vector<HANDLE>& threads)
{
    for (auto at = threads.begin(); at != threads.end();) {
        if (WaitForSingleObject(*at, 0) == WAIT_OBJECT_0) {
            CloseHandle(*at);
            at = threads.erase(at);
        } else {
            ++at;
        }
    }
}

struct Start {
    LPTHREAD_START_ROUTINE function;
    void* parameter;
    HANDLE running;
};

// The starter's record lives on its stack: it is copied before the starter
// hears that the thread runs.
DWORD WINAPI runOwnCode(void* parameter)
{
    Start start = *static_cast<Start*>(parameter);
    SetEvent(start.running);
    return start.function(start.parameter);
}

} // namespace

HANDLE TQGFworkersEnding()
{
    return workers().ending;
}

bool TQGFworkersEnd()
{
    return WaitForSingleObject(workers().ending, 0) == WAIT_OBJECT_0;
}

HANDLE TQGFstartWorker(LPTHREAD_START_ROUTINE function, void* parameter)
{
    Workers& w = workers();
    {
        TQwinSectionLock guard(w.lock);
        hookProcessEnd(w);
    }
    if (TQGFworkersEnd())
        return nullptr;
    Start start = {function, parameter, CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    if (start.running == nullptr)
        return nullptr;
    HANDLE thread = CreateThread(nullptr, 0, runOwnCode, &start, 0, nullptr);
    if (thread != nullptr) {
        HANDLE either[2] = {start.running, thread};
        WaitForMultipleObjects(2, either, FALSE, INFINITE);
        HANDLE kept = nullptr;
        if (DuplicateHandle(GetCurrentProcess(), thread, GetCurrentProcess(), &kept, 0, FALSE,
                            DUPLICATE_SAME_ACCESS)) {
            TQwinSectionLock guard(w.lock);
            dropEnded(w.threads);
            w.threads.push_back(kept);
        }
    }
    CloseHandle(start.running);
    return thread;
}

void TQGFendWorkers()
{
    Workers& w = workers();
    SetEvent(w.ending);
    std::vector<HANDLE> threads;
    {
        TQwinSectionLock guard(w.lock);
        threads.swap(w.threads);
    }
    DWORD start = GetTickCount();
    for (HANDLE thread : threads) {
        DWORD spent = GetTickCount() - start;
        if (GetThreadId(thread) != GetCurrentThreadId() && spent < kEndingPatienceMs)
            TQGFwaitHandlingSentMessages(thread, kEndingPatienceMs - spent);
        CloseHandle(thread);
    }
}

bool TQGFwaitHandlingSentMessages(HANDLE thread, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        DWORD spent = GetTickCount() - start;
        if (spent >= timeoutMs)
            return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0;
        DWORD woken =
            MsgWaitForMultipleObjects(1, &thread, FALSE, timeoutMs - spent, QS_SENDMESSAGE);
        if (woken == WAIT_OBJECT_0)
            return true;
        if (woken != WAIT_OBJECT_0 + 1)
            return false;
    }
}
