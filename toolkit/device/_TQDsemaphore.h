// A counting semaphore (count 1 after initialize, at most 1024). The base
// object fails every operation; the platform layer installs a factory.
#ifndef _TQDSEMAPHORE_H
#define _TQDSEMAPHORE_H

#include "_TQCroot.h"
#include "_TQDcreateInstance.h"

class TQDsemaphore : public TQCroot {
public:
    TQDsemaphore();
    ~TQDsemaphore() override;
    TQ_ROOT_FRAME(TQDsemaphore, TQCroot)

    // Replaces any semaphore the object has with a fresh one of count 1.
    virtual long initialize();
    virtual long destroy();
    // Waits until the count is above 0 and takes one; not recursive.
    virtual long lock();
    // Gives one count back; any thread may call it.
    virtual long unlock();

    TQ_CREATE_INSTANCE_FRAME(TQDsemaphore)
};

#endif
