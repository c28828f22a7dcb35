// Procedures that must run once the toolkit's devices exist (the message
// catalogues register theirs from static initialisers). Procedures added
// after the first run are called at once.
#ifndef _TQCINITIALIZEMANAGER_H
#define _TQCINITIALIZEMANAGER_H

#include "_TQClistData.h"

#include <initializer_list>

class TQCinitializeManager {
public:
    TQCinitializeManager();
    // Releases the list without running anything.
    virtual ~TQCinitializeManager();

    void addInitializeProc(void (*proc)());
    // Runs the procedures listed when the call starts, in the order they were
    // added; every call runs them again.
    void execInitializeProcs();

    // Adds procedures to the process's manager, in the order given, when it
    // is constructed. A library's catalogue defines one at namespace scope:
    //     const TQCinitializeManager::Registration registration{proc, proc1};
    struct Registration {
        Registration(std::initializer_list<void (*)()> procs);
    };

private:
    TQCinitializeManager(const TQCinitializeManager&) = delete;
    TQCinitializeManager& operator=(const TQCinitializeManager&) = delete;

    TQClistData procs;
    long executed;
};

// The process's initialize manager, created on first use and never destroyed.
TQCinitializeManager* TQGIappInitializeManager();

#endif
