// Private timers on Win32 timers of the application window: the timer id is
// the object's address, and the window procedure hands every WM_TIMER to
// _timer_callback.
#ifndef TQDWINPRIVATETIMER_H
#define TQDWINPRIVATETIMER_H

#include "_TQDprivateTimer.h"

#include <cstdint>

class TQDwinPrivateTimer : public TQDprivateTimer {
public:
    TQDwinPrivateTimer();
    ~TQDwinPrivateTimer() override;
    TQ_ROOT_FRAME(TQDwinPrivateTimer, TQDprivateTimer)

    // Arms the Win32 timer; when that fails the timer stays stopped.
    void startTimer() override;
    void stopTimer() override;

    // The window procedure's handling of WM_TIMER on the application window:
    // runs the work procedure of the live timer with that id, if any.
    static void _timer_callback(uintptr_t id);

private:
    bool _timer_set();
};

TQDprivateTimer* _winPrivatetimer_create();
void TQGFinitializeWinPrivateTimer();

#endif
