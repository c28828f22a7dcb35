// The application tick on Win32.
#include "TQDwintimer.h"

#include "TQGFwinAppWindow.h"
#include "TQwin32.h"

namespace {

const UINT_PTR kTickTimerId = 1;
const UINT kTickMs = 250;

void CALLBACK tickProc(HWND, UINT, UINT_PTR, DWORD)
{
    TQDwintimer::_timer_callback();
}

} // namespace

TQDwintimer::TQDwintimer()
{
    _timer_set();
}

TQDwintimer::~TQDwintimer()
{
    _timer_stop();
}

// Without the application window there is nothing to arm: SetTimer would
// make a thread timer under another id, which _timer_stop could not find.
void TQDwintimer::_timer_set()
{
    HWND window = TQGFgetAppWindow();
    if (window != nullptr)
        SetTimer(window, kTickTimerId, kTickMs, tickProc);
}

void TQDwintimer::_timer_stop()
{
    HWND window = TQGFgetAppWindow();
    if (window != nullptr)
        KillTimer(window, kTickTimerId);
}

void TQDwintimer::_timer_callback()
{
    TQDtimer* appTimer = TQGIappTimer();
    TQDwintimer* timer = appTimer != nullptr
                             ? static_cast<TQDwintimer*>(appTimer->cast("TQDwintimer"))
                             : nullptr;
    if (timer == nullptr)
        return;
    timer->addTick();
    timer->execProcs();
    // The next period counts from the end of this tick.
    timer->_timer_set();
}

TQDtimer* _wintimer_create_handler()
{
    return new TQDwintimer;
}
