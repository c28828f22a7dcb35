// The application tick on Win32.
#include "TQDwintimer.h"

#include "TQDwinAppDev.h"
#include "TQDwinformDev.h"
#include "TQGFwinAppWindow.h"
#include "TQwin32.h"

namespace {

const UINT_PTR kTickTimerId = 1;
const UINT kTickMs = 250;

void CALLBACK tickProc(HWND, UINT, UINT_PTR, DWORD)
{
    TQDwintimer::_timer_callback();
}

// The device under the pointer hears that the pointer has left its window
// (the hit test finds no part of the window there, frame and caption count).
void checkPointerLeft()
{
    // Before start-up there is no device under the pointer to tell.
    if (!TQDappDev::getInstanceExist())
        return;
    TQDwinAppDev* app = TQGIwinAppDev();
    TQDwinformDev* focus = app != nullptr ? app->getMouseFocusDev() : nullptr;
    if (focus == nullptr || focus->getHWND() == nullptr)
        return;
    POINT pointer;
    if (!GetCursorPos(&pointer))
        return;
    if (DefWindowProcA(focus->getHWND(), WM_NCHITTEST, 0, MAKELPARAM(pointer.x, pointer.y)) !=
        HTNOWHERE)
        return;
    app->setMouseFocusDev(nullptr);
    focus->onMouseOut();
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
    checkPointerLeft();
    timer->execProcs();
    // The next period counts from the end of this tick.
    timer->_timer_set();
}

TQ_PLATFORM_FACTORY(TQDtimer, TQDwintimer, _wintimer_create_handler, TQGFinitializeWinTimer)
