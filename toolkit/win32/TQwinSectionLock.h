// Holds a Win32 critical section for the rest of a scope. For the Win32
// layer's own .cpp files.
#ifndef TQWINSECTIONLOCK_H
#define TQWINSECTIONLOCK_H

#include "TQwin32.h"

class TQwinSectionLock {
public:
    explicit TQwinSectionLock(CRITICAL_SECTION& section) : section(section)
    {
        EnterCriticalSection(&section);
    }
    ~TQwinSectionLock() { LeaveCriticalSection(&section); }
    TQwinSectionLock(const TQwinSectionLock&) = delete;
    TQwinSectionLock& operator=(const TQwinSectionLock&) = delete;

private:
    CRITICAL_SECTION& section;
};

#endif
