// A timer of one object's own: runs one work procedure at its own rate,
// repeatedly or once. The platform layer installs the factory and does the
// timing; the base object's start and stop do nothing.
#ifndef _TQDPRIVATETIMER_H
#define _TQDPRIVATETIMER_H

#include "_TQCroot.h"
#include "_TQDcreateInstance.h"

class TQDprivateTimer : public TQCroot {
public:
    typedef void (*WorkProc)(void* data);

    TQDprivateTimer();
    ~TQDprivateTimer() override;
    TQ_ROOT_FRAME(TQDprivateTimer, TQCroot)

    virtual void startTimer();
    virtual void stopTimer();

    TQ_CREATE_INSTANCE_FRAME(TQDprivateTimer)

    // Period in milliseconds; a running timer restarts its period now.
    void setRate(long milliseconds);
    // Takes effect at the next expiry. The timer does not own data.
    void setWorkProc(WorkProc proc, void* data);
    // Non-zero repeats, 0 runs once per startTimer.
    void setCont(unsigned char continuous);
    void* getData() { return data; }
    // Non-zero between startTimer and stopTimer (or the run of a one-shot).
    unsigned char isRunning() const { return running; }

protected:
    long rate;
    WorkProc workProc;
    void* data;
    unsigned char continuous;
    unsigned char running;
};

#endif
