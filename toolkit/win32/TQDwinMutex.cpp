// A mutex on a Win32 critical section.
#include "TQDwinMutex.h"

#include "TQwin32.h"

struct TQDwinMutex::Section {
    CRITICAL_SECTION critical;
};

TQDwinMutex::TQDwinMutex() : section(nullptr)
{
}

TQDwinMutex::~TQDwinMutex()
{
    destroy();
}

long TQDwinMutex::initialize()
{
    // Initialising a section in use would lose its holders.
    if (section == nullptr) {
        section = new Section;
        InitializeCriticalSection(&section->critical);
    }
    return 0;
}

long TQDwinMutex::destroy()
{
    if (section != nullptr) {
        DeleteCriticalSection(&section->critical);
        delete section;
        section = nullptr;
    }
    return 0;
}

long TQDwinMutex::lock()
{
    if (section == nullptr)
        return -1;
    EnterCriticalSection(&section->critical);
    return 0;
}

// Waits exactly like lock: callers rely on getting the mutex.
long TQDwinMutex::trylock()
{
    return lock();
}

long TQDwinMutex::unlock()
{
    if (section == nullptr)
        return -1;
    LeaveCriticalSection(&section->critical);
    return 0;
}

TQ_PLATFORM_FACTORY(TQDmutex, TQDwinMutex, _win_mutex_chandler, TQGFinitializeWinMutex)
