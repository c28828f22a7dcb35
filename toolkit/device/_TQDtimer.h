// The application's coarse clock: one process-wide tick that the platform
// advances every 250 ms, with periodic procedures (run every rate ticks) and
// one-shot trigger procedures (run once, then dropped). The platform derives
// from it, owns the system timer and calls the tick steps below.
#ifndef _TQDTIMER_H
#define _TQDTIMER_H

#include "TQtypes.h"
#include "_TQClistData.h"
#include "_TQCroot.h"
#include "_TQDcreateInstance.h"

class TQDtimer : public TQCroot {
public:
    // Called with the low byte of the tick count and the registration's data.
    typedef void (*TimerProc)(unsigned char tick, void* data);

    TQDtimer();
    ~TQDtimer() override;
    TQ_ROOT_FRAME(TQDtimer, TQCroot)

    TQ_CREATE_HANDLER_FRAME(TQDtimer)

    // Rates are 1..255 ticks; 0 is taken as 1. The id is the registration's
    // address and is never 0.
    long addTimerProc(TimerProc proc, unsigned char rate, void* data);
    long addTriggerProc(TimerProc proc, unsigned char rate, void* data);
    // -1 for an id the list does not hold (never registered, already removed,
    // or a trigger that has fired).
    long delTimerProc(long id);
    long delTriggerProc(long id);

    u32 getTick() const { return m_tick; }

protected:
    // One tick is addTick() followed by execProcs(); the platform may do its
    // own work in between.
    u32 addTick();
    // Runs the due periodic procedures, then the due triggers, for the
    // current tick count.
    void execProcs();

private:
    struct ProcRecord {
        TimerProc proc;
        unsigned char rate;
        unsigned char phase;
        unsigned char flag;
        void* data;
        u32 serial;  // tells a record from a later one at the same address
    };
    struct Snapshot;

    long addRecord(TQClistData& list, TimerProc proc, unsigned char rate, void* data);
    static long delRecord(TQClistData& list, long id);
    static bool isDue(const ProcRecord* record, u32 tick);
    void runTimerProcs(u32 tick);
    void runTriggerProcs(u32 tick);

    TQClistData m_timerProcs;
    TQClistData m_triggerProcs;
    u32 m_tick;
    u32 m_lastSerial;
};

// The application timer, made by the installed handler on first call; null
// while none is installed.
TQDtimer* TQGIappTimer();

#endif
