// Worker threads with a deadline.
#include "WorkThread.h"

namespace {

struct Work {
    std::function<void()> work;
    HANDLE running;
};

DWORD WINAPI runWork(void* parameter)
{
    Work* work = static_cast<Work*>(parameter);
    SetEvent(work->running);
    work->work();
    delete work;
    return 0;
}

} // namespace

// The thread runs before this returns: one the system has only begun to
// start must not meet the end of the process (Wine then faults in it).
HANDLE startWork(std::function<void()> work)
{
    HANDLE running = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    Work* heapWork = new Work{std::move(work), running};
    HANDLE thread = CreateThread(nullptr, 0, runWork, heapWork, 0, nullptr);
    if (thread == nullptr)
        delete heapWork;
    else
        WaitForSingleObject(running, INFINITE);
    CloseHandle(running);
    return thread;
}

bool finishesWithin(DWORD timeoutMs, std::function<void()> work)
{
    HANDLE thread = startWork(std::move(work));
    if (thread == nullptr)
        return false;
    bool finished = WaitForSingleObject(thread, timeoutMs) == WAIT_OBJECT_0;
    CloseHandle(thread);
    return finished;
}
