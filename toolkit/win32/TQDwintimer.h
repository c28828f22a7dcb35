// The application tick on Win32: timer 1 of the application window, every
// 250 ms, advancing the application timer, telling the device under the
// pointer when the pointer has left its window, and running the procedures.
#ifndef TQDWINTIMER_H
#define TQDWINTIMER_H

#include "_TQDtimer.h"

class TQDwintimer : public TQDtimer {
public:
    // Arms the tick on the application window, which must exist by then.
    TQDwintimer();
    ~TQDwintimer() override;
    TQ_ROOT_FRAME(TQDwintimer, TQDtimer)

    // One tick, run by the timer procedure; it works on TQGIappTimer().
    static void _timer_callback();

private:
    void _timer_set();
    void _timer_stop();
};

TQDtimer* _wintimer_create_handler();
void TQGFinitializeWinTimer();

#endif
