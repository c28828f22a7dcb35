// Worker threads with a deadline.
#include "WorkThread.h"

namespace {

DWORD WINAPI runWork(void* parameter)
{
    auto* work = static_cast<std::function<void()>*>(parameter);
    (*work)();
    delete work;
    return 0;
}

} // namespace

HANDLE startWork(std::function<void()> work)
{
    auto* heapWork = new std::function<void()>(std::move(work));
    HANDLE thread = CreateThread(nullptr, 0, runWork, heapWork, 0, nullptr);
    if (thread == nullptr)
        delete heapWork;
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
