// Mutual exclusion between threads. The base object fails every operation;
// the platform layer installs a factory for working objects.
#ifndef _TQDMUTEX_H
#define _TQDMUTEX_H

#include "_TQCroot.h"
#include "_TQDcreateInstance.h"

class TQDmutex : public TQCroot {
public:
    TQDmutex();
    ~TQDmutex() override;
    TQ_ROOT_FRAME(TQDmutex, TQCroot)

    // initialize before any other operation, destroy after the last one.
    virtual long initialize();
    virtual long destroy();
    // Recursive for the holding thread: unlock once per lock.
    virtual long lock();
    // Takes the mutex exactly as lock does, waiting while another thread
    // holds it.
    virtual long trylock();
    virtual long unlock();

    TQ_CREATE_INSTANCE_FRAME(TQDmutex)
};

#endif
