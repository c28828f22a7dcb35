// A counting semaphore on a Win32 semaphore.
#include "TQDwinSemaphore.h"

#include "TQwin32.h"

namespace {

const LONG kInitialCount = 1;
const LONG kMaximumCount = 1024;

} // namespace

TQDwinSemaphore::TQDwinSemaphore() : semaphore(nullptr)
{
}

TQDwinSemaphore::~TQDwinSemaphore()
{
    destroy();
}

long TQDwinSemaphore::initialize()
{
    destroy();
    semaphore = CreateSemaphoreA(nullptr, kInitialCount, kMaximumCount, nullptr);
    return semaphore != nullptr ? 0 : -1;
}

long TQDwinSemaphore::destroy()
{
    if (semaphore != nullptr)
        CloseHandle(semaphore);
    semaphore = nullptr;
    return 0;
}

long TQDwinSemaphore::lock()
{
    if (semaphore == nullptr)
        return -1;
    return WaitForSingleObject(semaphore, INFINITE) == WAIT_OBJECT_0 ? 0 : -1;
}

// A release beyond the maximum count fails in Win32 and changes nothing,
// which is what an unlock of a full semaphore should do.
long TQDwinSemaphore::unlock()
{
    if (semaphore == nullptr)
        return -1;
    ReleaseSemaphore(semaphore, 1, nullptr);
    return 0;
}

TQ_PLATFORM_FACTORY(TQDsemaphore, TQDwinSemaphore, _win_sem_chandler, TQGFinitializeWinSemaphore)
