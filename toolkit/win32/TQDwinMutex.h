// A mutex on a Win32 critical section: recursive for the holding thread.
#ifndef TQDWINMUTEX_H
#define TQDWINMUTEX_H

#include "_TQDmutex.h"

class TQDwinMutex : public TQDmutex {
public:
    TQDwinMutex();
    ~TQDwinMutex() override;
    TQ_ROOT_FRAME(TQDwinMutex, TQDmutex)

    long initialize() override;
    long destroy() override;
    // lock, trylock and unlock answer -1 on a mutex that is not initialised.
    long lock() override;
    long trylock() override;
    long unlock() override;

private:
    struct Section;  // the critical section, made by initialize
    Section* section;
};

TQDmutex* _win_mutex_chandler();
void TQGFinitializeWinMutex();

#endif
