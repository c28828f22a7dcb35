// Private timers on Win32 timers of the application window, and the live
// list that tells a message of a deleted timer from one of a live timer.
#include "TQDwinPrivateTimer.h"

#include "TQGFwinAppWindow.h"
#include "TQwin32.h"
#include "_TQClistData.h"

namespace {

// Every existing timer in construction order. Touched only on the
// application thread, where timers are made, deleted and expire.
TQClistData& liveTimers()
{
    static TQClistData timers;
    return timers;
}

TQDwinPrivateTimer* findLiveTimer(uintptr_t id)
{
    TQClistData& timers = liveTimers();
    for (long i = 0; i < timers.getNum(); i++) {
        if (reinterpret_cast<uintptr_t>(timers.getData(i)) == id)
            return static_cast<TQDwinPrivateTimer*>(timers.getData(i));
    }
    return nullptr;
}

// One per work procedure running, innermost first (a procedure may pump
// messages and so run further timers). A timer deleted while its procedure
// runs marks its frames, which tells it from a new timer that has taken the
// same memory, and so the same id, meanwhile.
struct RunningProc {
    TQDwinPrivateTimer* timer;
    bool deleted;
    RunningProc* outer;
};

RunningProc* g_runningProcs = nullptr;

void markDeleted(TQDwinPrivateTimer* timer)
{
    for (RunningProc* proc = g_runningProcs; proc != nullptr; proc = proc->outer) {
        if (proc->timer == timer)
            proc->deleted = true;
    }
}

} // namespace

TQDwinPrivateTimer::TQDwinPrivateTimer()
{
    liveTimers().add(this);
}

TQDwinPrivateTimer::~TQDwinPrivateTimer()
{
    stopTimer();
    liveTimers().del(this);
    markDeleted(this);
}

void TQDwinPrivateTimer::startTimer()
{
    running = 1;
    if (!_timer_set())
        running = 0;
}

// Arming an armed timer replaces its period. Without an application window
// there is nothing to arm: SetTimer would make an unrelated thread timer.
bool TQDwinPrivateTimer::_timer_set()
{
    HWND window = TQGFgetAppWindow();
    if (window == nullptr)
        return false;
    return SetTimer(window, reinterpret_cast<UINT_PTR>(this),
                    static_cast<UINT>(rate), nullptr) != 0;
}

void TQDwinPrivateTimer::stopTimer()
{
    running = 0;
    HWND window = TQGFgetAppWindow();
    if (window != nullptr)
        KillTimer(window, reinterpret_cast<UINT_PTR>(this));
}

void TQDwinPrivateTimer::_timer_callback(uintptr_t id)
{
    TQDwinPrivateTimer* timer = findLiveTimer(id);
    if (timer == nullptr)
        return;
    // A one-shot is over before its procedure runs, so that the procedure
    // may start it again.
    bool oneShot = !timer->continuous;
    if (oneShot)
        timer->stopTimer();
    if (timer->workProc != nullptr) {
        RunningProc running = {timer, false, g_runningProcs};
        g_runningProcs = &running;
        timer->workProc(timer->data);
        g_runningProcs = running.outer;
        // The procedure may have deleted its own timer.
        if (running.deleted)
            return;
    }
    if (!oneShot && !(timer->continuous && timer->running == 1))
        timer->stopTimer();
}

TQ_PLATFORM_FACTORY(TQDprivateTimer, TQDwinPrivateTimer, _winPrivatetimer_create,
                    TQGFinitializeWinPrivateTimer)
