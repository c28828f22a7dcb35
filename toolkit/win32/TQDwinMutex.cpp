// A mutex on a Win32 critical section.
#include "TQDwinMutex.h"

TQDwinMutex::TQDwinMutex() : section(), initialised(false)
{
}

TQDwinMutex::~TQDwinMutex()
{
    destroy();
}

long TQDwinMutex::initialize()
{
    // Initialising a section in use would lose its holders.
    if (!initialised) {
        InitializeCriticalSection(&section);
        initialised = true;
    }
    return 0;
}

long TQDwinMutex::destroy()
{
    if (initialised) {
        DeleteCriticalSection(&section);
        initialised = false;
    }
    return 0;
}

long TQDwinMutex::lock()
{
    if (!initialised)
        return -1;
    EnterCriticalSection(&section);
    return 0;
}

// Waits exactly like lock: callers rely on getting the mutex.
long TQDwinMutex::trylock()
{
    return lock();
}

long TQDwinMutex::unlock()
{
    if (!initialised)
        return -1;
    LeaveCriticalSection(&section);
    return 0;
}

TQDmutex* _win_mutex_chandler()
{
    return new TQDwinMutex;
}

void TQGFinitializeWinMutex()
{
    TQDmutex::setCreateInstanceHandler(reinterpret_cast<void*>(_win_mutex_chandler));
}

namespace {

struct InstallAtStartUp {
    InstallAtStartUp() { TQGFinitializeWinMutex(); }
} g_installAtStartUp;

} // namespace
