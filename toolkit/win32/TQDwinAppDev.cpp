// The application device on Win32: the event loop, the cross-thread lock,
// the messages kept while it is held, and the device's factory.
#include "TQDwinAppDev.h"

#include "TQGFwinAppWindow.h"
#include "TQwin32.h"
#include "WinEvent.h"
#include "_TQCbase.h"
#include "_TQCdevice.h"
#include "_TQCinitializeManager.h"
#include "_TQClistData.h"
#include "_TQDmouse.h"
#include "_TQDsemaphore.h"
#include "_TQDtimer.h"
#include "_TQDwindowDev.h"

namespace {

// Touched only on the application thread.
TQClistData& pendingEvents()
{
    static TQClistData events;
    return events;
}

bool samePaint(const WinEvent* a, const WinEvent* b)
{
    return a->message == WM_PAINT && b->message == WM_PAINT && a->hwnd == b->hwnd &&
           a->wParam == b->wParam && a->lParam == b->lParam;
}

long asLong(const void* handle)
{
    return static_cast<long>(reinterpret_cast<std::intptr_t>(handle));
}

} // namespace

TQDwinAppDev::TQDwinAppDev()
    : instanceHandle(nullptr), commandLineText(nullptr), window(nullptr), lastMessage(new MSG()),
      mouseFocusDev(nullptr), palette(nullptr), grabbedWindow(nullptr), wndProcHook(nullptr),
      semaphore(nullptr), appThreadId(GetCurrentThreadId()), lockOwner(0), allowed(0),
      cursorShown(1), busy(0), cursorState(0), grabFlag(0)
{
}

TQDwinAppDev::~TQDwinAppDev()
{
    delete semaphore.load();
    delete lastMessage;
}

long TQDwinAppDev::getDeviceResource()
{
    return asLong(instanceHandle);
}

long TQDwinAppDev::getWindowResource()
{
    return asLong(window);
}

long TQDwinAppDev::getContextResource()
{
    return 0;
}

long TQDwinAppDev::getSpecialResource()
{
    return 0;
}

// ---------------------------------------------------------------------------
// The event loop

long TQDwinAppDev::dispatchEvent()
{
    return _dispatchEvent(1);
}

long TQDwinAppDev::processEvent()
{
    return _dispatchEvent(0);
}

long TQDwinAppDev::_dispatchEvent(unsigned char wait)
{
    bool onAppThread = GetCurrentThreadId() == appThreadId;
    if (wait && !onAppThread && busy.load())
        return SendMessageA(window, WM_USER, TQ_WM_USER_PUMP, 0);
    // Other threads pump their own queues into a message of their own.
    MSG own;
    MSG& message = onAppThread ? *lastMessage : own;
    if (!wait) {
        BOOL taken = PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);
        if (taken) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        return taken;
    }
    // -1 from GetMessageA is taken like a message: the loop goes on.
    BOOL result = GetMessageA(&message, nullptr, 0, 0);
    TranslateMessage(&message);
    DispatchMessageA(&message);
    return result;
}

long TQDwinAppDev::handleEvents()
{
    TQGIappInitializeManager()->execInitializeProcs();
    for (;;) {
        long result = dispatchEvent();
        TQGIappDevice()->clearDeleteList();
        if (result == 0 || getExitFlag())
            break;
    }
    return static_cast<long>(lastMessage->wParam);
}

// ---------------------------------------------------------------------------
// The lock

TQDsemaphore* TQDwinAppDev::lockSemaphore()
{
    std::lock_guard<std::mutex> guard(semaphoreMaking);
    if (semaphore.load() == nullptr) {
        TQDsemaphore* made = TQDsemaphore::getNewInstance();
        made->initialize();
        semaphore.store(made);
    }
    return semaphore.load();
}

// The acknowledgement comes from ReplyMessage, which answers only a sender
// on another thread: the application thread would lock itself out.
long TQDwinAppDev::lock()
{
    unsigned long self = GetCurrentThreadId();
    if (self == appThreadId)
        return -1;
    TQDsemaphore* held = lockSemaphore();
    if (lockOwner.load() == self)
        return -1;
    held->lock();
    lockOwner.store(self);
    if (SendMessageA(window, WM_USER, TQ_WM_USER_LOCK, 0) == 1)
        return 0;
    lockOwner.store(0);
    held->unlock();
    return -1;
}

// Without a holder a release would raise the semaphore's count and let two
// threads in at once later.
long TQDwinAppDev::unlock()
{
    if (GetCurrentThreadId() == appThreadId)
        return -1;
    TQDsemaphore* held = semaphore.load();
    if (held == nullptr || lockOwner.load() == 0)
        return -1;
    LRESULT answer = SendMessageA(window, TQ_WM_UNLOCK, 0, 0);
    if (answer != 0)
        lockOwner.store(0);
    held->unlock();
    return answer != 0 ? 0 : -1;
}

bool TQDwinAppDev::queues() const
{
    return busy.load() && !allowed && GetCurrentThreadId() == appThreadId;
}

void TQDwinAppDev::setBusy(unsigned char on)
{
    busy.store(on);
    setLockStatus(on);
}

void TQDwinAppDev::_add_pending_event(WinEvent* event)
{
    TQClistData& events = pendingEvents();
    for (long i = 0; i < events.getNum(); i++) {
        if (samePaint(static_cast<WinEvent*>(events.getData(i)), event)) {
            Sleep(10);
            return;
        }
    }
    events.add(new WinEvent(*event));
}

// A replayed message may be kept again when the lock is taken meanwhile.
void TQDwinAppDev::_execute_pending_events()
{
    TQClistData& events = pendingEvents();
    if (events.getNum() == 0)
        return;
    TQClistData taken(events);
    events.clear();
    for (long i = 0; i < taken.getNum(); i++) {
        WinEvent* event = static_cast<WinEvent*>(taken.getData(i));
        WndProc(event->hwnd, event->message, event->wParam, event->lParam);
        delete event;
    }
}

// ---------------------------------------------------------------------------
// Accessors

void TQDwinAppDev::setWnd(HWND hwnd)
{
    window = hwnd;
    TQGFsetAppWindow(hwnd);
    TQGIappTimer();
}

long TQDwinAppDev::setInitPrm(char* text)
{
    commandLineText = text;
    return 0;
}

long TQDwinAppDev::setInitPrm(int argc, char** argv)
{
    TQDappDev::setInitPrm(argc, argv);
    return 0;
}

long TQDwinAppDev::setWndProc(void* proc)
{
    wndProcHook = proc;
    return 0;
}

// Only a capture the toolkit holds is let go: one that another window took
// meanwhile stays with it.
void TQDwinAppDev::setGrabedWnd(HWND hwnd)
{
    HWND held = grabbedWindow;
    grabbedWindow = hwnd;
    if (hwnd != nullptr)
        SetCapture(hwnd);
    else if (held == nullptr || GetCapture() == held)
        ReleaseCapture();
}

void TQDwinAppDev::noteGrabLost(unsigned char cancelMode)
{
    if (grabFlag && window != nullptr)
        PostMessageA(window, TQ_WM_GRAB_LOST, cancelMode, 0);
}

void TQDwinAppDev::_tell_grab_lost(unsigned char cancelMode)
{
    if (!grabFlag || (!cancelMode && GetCapture() == grabbedWindow))
        return;
    TQDmouse* mouse = TQGIappMouse();
    TQCbase* owner = mouse != nullptr ? mouse->getMouseUngrabClient() : nullptr;
    if (owner != nullptr)
        owner->execEventProc(TQDwindowDev::TRIGGER_GRAB_LOST, nullptr);
}

void TQDwinAppDev::repostQuit()
{
    PostQuitMessage(static_cast<int>(lastMessage->wParam));
}

void TQDwinAppDev::showCursor(unsigned char show)
{
    if (show == cursorShown)
        return;
    ShowCursor(show);
    cursorShown = show;
}

// ---------------------------------------------------------------------------
// The device of the process

TQ_PLATFORM_FACTORY(TQDappDev, TQDwinAppDev, _win_app_dev_create_handler, TQGFinitializeWinAppDev)

TQDwinAppDev* TQGIwinAppDev()
{
    if (TQDappDev::getCreateInstanceHandler() == nullptr)
        TQGFinitializeWinAppDev();
    TQDappDev* dev = TQGIappDev();
    return dev != nullptr ? static_cast<TQDwinAppDev*>(dev->cast("TQDwinAppDev")) : nullptr;
}
