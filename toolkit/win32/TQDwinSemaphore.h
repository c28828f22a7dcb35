// A counting semaphore on a Win32 semaphore: count 1 after initialize, at
// most 1024.
#ifndef TQDWINSEMAPHORE_H
#define TQDWINSEMAPHORE_H

#include "_TQDsemaphore.h"

class TQDwinSemaphore : public TQDsemaphore {
public:
    TQDwinSemaphore();
    ~TQDwinSemaphore() override;
    TQ_ROOT_FRAME(TQDwinSemaphore, TQDsemaphore)

    long initialize() override;
    long destroy() override;
    // lock and unlock answer -1 when there is no semaphore.
    long lock() override;
    long unlock() override;

private:
    void* semaphore;  // the Win32 semaphore's HANDLE
};

TQDsemaphore* _win_sem_chandler();
void TQGFinitializeWinSemaphore();

#endif
