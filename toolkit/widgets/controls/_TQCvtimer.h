// The interval timer object: a non-graphic component that runs its ACTIVATE
// procedures every interval milliseconds while running is on, or once when
// cont is off. A private timer of the device layer does the ticking; in the
// builder's edit mode the object only shows its interval.
#ifndef _TQCVTIMER_H
#define _TQCVTIMER_H

#include "_TQCngbase.h"

class TQDprivateTimer;

class TQCvtimer : public TQCngbase {
public:
    TQ_CLASS_FRAME(TQCvtimer, TQCngbase, 1000, 1000)
    TQCvtimer(TQCbase* parent, const char* name);
    // Deleting the private timer stops it: no tick follows.
    ~TQCvtimer() override;

    // A new period restarts a running private timer with it.
    TQ_PROPERTY_WORK_HOOK(interval, unsigned long)
    // A running timer obeys the new repeat flag from its next tick.
    TQ_PROPERTY_WORK_HOOK(cont, TQCbool)
    // Starts or stops the private timer, made on the first start; nothing
    // in edit mode.
    TQ_PROPERTY_WORK_HOOK(running, TQCbool)

    // Runs the ACTIVATE procedures.
    virtual void onActivate();
    // Each tick of the private timer; object is the TQCvtimer. A one-shot
    // timer reads back running 0 from its tick on.
    static void _timer_proc(void* object);

    // Null until the first start outside edit mode.
    TQDprivateTimer* getPrivateTimer() const { return m_timer; }

private:
    void showInterval();

    TQDprivateTimer* m_timer = nullptr;
    unsigned long m_interval = 1000;
    TQCbool m_cont : 1;
    TQCbool m_running : 1;
    TQ_BIT_FIELD_SLOT(m_cont)
    TQ_BIT_FIELD_SLOT(m_running)
};

void* TQCvtimer_create(void* parent);
void TQCvtimer_delete(void* object);

#endif
