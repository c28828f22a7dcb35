// The one window procedure of the toolkit's windows: private messages of
// other threads and applications first, then keys, then the message to the
// device of the window, followed by the object queues.
#include "TQDwinAppDev.h"

#include "TQDwinKeyboard.h"
#include "TQDwinMessage.h"
#include "TQDwinPrivateTimer.h"
#include "TQDwinformDev.h"
#include "TQDwinwinDev.h"
#include "TQGFcreateWindow.h"
#include "TQGFwinAppWindow.h"
#include "TQGFwinWorkers.h"
#include "TQwin32.h"
#include "TQwinHandOverQueue.h"
#include "WinEvent.h"
#include "_TQCbaseList.h"
#include "_TQDmouse.h"

#include <type_traits>

static_assert(std::is_same<decltype(&TQDwinAppDev::WndProc), WNDPROC>::value,
              "WndProc has the Win32 window procedure's type");

namespace {

HWND g_eventWindow = nullptr;
bool g_localPump = false;

// The deferred INITIALIZE procedures, then the updates queued by setters.
void runObjectQueues()
{
    TQCbaseList* objects = TQGIappObjectList();
    objects->execInitialize();
    objects->execUpdate();
}

bool isKeyMessage(UINT message)
{
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR ||
           message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
}

bool isButtonDown(UINT message)
{
    return message == WM_LBUTTONDOWN || message == WM_MBUTTONDOWN || message == WM_RBUTTONDOWN;
}

// Only a single notch of the wheel with no key or button held is kept.
bool isKeptDeviceMessage(UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_MOUSEWHEEL:
        return wParam == 0x00780000 || wParam == 0xFF880000;
    case WM_MOUSEMOVE:
    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MOVE:
    case WM_SIZE:
    case WM_CLOSE:
    case WM_CANCELMODE:
    case WM_KILLFOCUS:
    case WM_SETFOCUS:
        return true;
    default:
        return false;
    }
}

void tellKeyboardOpenStatus(HWND hwnd)
{
    TQDwinKeyboard* keyboard = TQGIwinKeyboard();
    if (keyboard == nullptr)
        return;
    keyboard->setHwnd(hwnd);
    keyboard->updateFepStatus();
}

// false when the keyboard consumed the key.
bool keyGoesOn(UINT message, WPARAM wParam, LPARAM lParam)
{
    TQDwinKeyboard* keyboard = TQGIwinKeyboard();
    if (keyboard == nullptr)
        return true;
    MSG msg = {};
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    return keyboard->_dispatch_key(&msg);
}

// A wake-up of a worker's hand-over queue; the caller has already let the
// lock keep it. A thread callback is followed by the object queues (a child
// process's procedure runs the updates itself, a socket's runs neither).
LRESULT handleWorkerMessage(WPARAM wParam, LPARAM lParam)
{
    TQwinHandOverQueue::takeNext(lParam);
    if (wParam == TQ_WM_USER_THREAD_CALLBACK)
        runObjectQueues();
    return 0;
}

// After a press with the focus on the window, in application mode 1: the
// messages that follow are dispatched here while the focus stays. An empty
// queue ends it, so that it never waits.
LRESULT pumpLocally(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, long handled)
{
    LRESULT result = handled != 0 ? DefWindowProcA(hwnd, message, wParam, lParam) : 0;
    g_localPump = true;
    do {
        MSG next;
        if (!PeekMessageA(&next, nullptr, 0, 0, PM_NOREMOVE) || next.hwnd == nullptr ||
            next.message == WM_DESTROY || next.message == WM_NCDESTROY)
            break;
        if (GetMessageA(&next, nullptr, 0, 0) > 0) {
            TranslateMessage(&next);
            DispatchMessageA(&next);
        }
    } while (GetFocus() == hwnd);
    g_localPump = false;
    return result;
}

DWORD WINAPI activateDefault(void* parameter)
{
    WinEvent* event = static_cast<WinEvent*>(parameter);
    DefWindowProcA(event->hwnd, event->message, event->wParam, event->lParam);
    delete event;
    return 0;
}

// A top-level window inside a foreign parent window: the default
// activation runs on a thread of its own, so that this thread does not
// wait on the foreign window's thread.
void activateOnOwnThread(const WinEvent& event)
{
    WinEvent* copy = new WinEvent(event);
    HANDLE thread = TQGFstartWorker(activateDefault, copy);
    if (thread == nullptr)
        delete copy;
    else
        CloseHandle(thread);
}

// Wine, drawing its own frames, raises the window the user activates above
// every other on the screen, the topmost ones included, while the system
// still counts those on top. Moving them out of the band and back after
// the activation puts the screen right again.
BOOL CALLBACK stackAboveAgain(HWND window, LPARAM activated)
{
    if (window == reinterpret_cast<HWND>(activated) || !IsWindowVisible(window) ||
        !(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST))
        return TRUE;
    const UINT keep = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, keep);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, keep);
    return TRUE;
}

} // namespace

LRESULT CALLBACK TQDwinAppDev::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    TQDwinAppDev* app = TQGIwinAppDev();
    if (app == nullptr)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    auto keptForLater = [&]() {
        if (!app->queues())
            return false;
        WinEvent event = {message, static_cast<std::uint32_t>(wParam),
                          static_cast<std::int32_t>(lParam), hwnd};
        _add_pending_event(&event);
        return true;
    };

    if (message == WM_IME_NOTIFY && wParam == IMN_SETOPENSTATUS)
        tellKeyboardOpenStatus(hwnd);
    if (!app->busy.load() && GetCurrentThreadId() == app->appThreadId)
        _execute_pending_events();

    if (message == WM_USER && wParam == TQ_WM_USER_PUMP) {
        app->allowed = 1;
        MSG pumped;
        if (GetMessageA(&pumped, nullptr, 0, 0) > 0) {
            TranslateMessage(&pumped);
            DispatchMessageA(&pumped);
        }
        ReplyMessage(1);
        app->allowed = 0;
        return 0;
    }
    if (message == TQ_WM_UNLOCK) {
        app->setBusy(0);
        ReplyMessage(1);
        runObjectQueues();
        return 0;
    }
    if (message == WM_USER && wParam == TQ_WM_USER_LOCK) {
        app->setBusy(1);
        ReplyMessage(1);
        return 0;
    }

    if (TQDmouse* mouse = TQGIappMouse()) {
        unsigned char state = mouse->getGlobalMouseIdStatus();
        if (state != app->cursorState) {
            app->cursorState = state;
            SetCursor(reinterpret_cast<HCURSOR>(mouse->getMouseCursor(0)));
        }
    }

    if (message == WM_TIMER && hwnd == app->window) {
        if (!keptForLater())
            TQDwinPrivateTimer::_timer_callback(wParam);
        return 0;
    }
    if (message == WM_USER && wParam >= TQ_WM_USER_CHILD_PROCESS &&
        wParam <= TQ_WM_USER_THREAD_CALLBACK)
        return keptForLater() ? 0 : handleWorkerMessage(wParam, lParam);
    if (message == TQ_WM_CREATE_WINDOW_EX) {
        TQGFreplyCreateWindowRequestEx(reinterpret_cast<void*>(wParam));
        return 0;
    }
    if (message == TQ_WM_CREATE_WINDOW) {
        TQGFreplyCreateWindowRequest(reinterpret_cast<void*>(wParam));
        return 0;
    }
    if (message == TQ_WM_DESTROY_WINDOW) {
        TQGFreplyDestroyWindowRequest(reinterpret_cast<HWND>(wParam));
        return 0;
    }
    if (message == TQ_WM_GRAB_LOST) {
        if (!keptForLater()) {
            app->_tell_grab_lost(static_cast<unsigned char>(wParam));
            runObjectQueues();
        }
        return 0;
    }
    if (message == TQ_WM_KEEP_TOPMOST) {
        EnumThreadWindows(GetCurrentThreadId(), stackAboveAgain, reinterpret_cast<LPARAM>(hwnd));
        return 0;
    }
    // Only once the activation is over: the raise comes after this message.
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE)
        PostMessageA(hwnd, TQ_WM_KEEP_TOPMOST, 0, 0);
    if (message == WM_USER) {
        if (keptForLater())
            return 0;
        if (TQDwinMessage::receiveMessage(wParam, lParam) != 0)
            return 0;
    }

    TQDwinformDev* dev = static_cast<TQDwinformDev*>(GetPropA(hwnd, "frm"));

    if (isKeyMessage(message)) {
        if (keptForLater())
            return 0;
        if (!keyGoesOn(message, wParam, lParam)) {
            runObjectQueues();
            return 0;
        }
    }
    if (message == WM_NCHITTEST) {
        if (keptForLater())
            return 0;
        LRESULT area = DefWindowProcA(hwnd, message, wParam, lParam);
        if (area == HTCLIENT)
            return HTCLIENT;
        if (TQDwinformDev* focus = app->mouseFocusDev) {
            app->mouseFocusDev = nullptr;
            focus->onMouseOut();
        }
        return area;
    }
    if (dev == nullptr)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    if (isKeptDeviceMessage(message, wParam) && keptForLater())
        return 0;

    g_eventWindow = hwnd;
    WinEvent event = {message, static_cast<std::uint32_t>(wParam),
                      static_cast<std::int32_t>(lParam), hwnd};
    TQDwinwinDev* topLevel = static_cast<TQDwinwinDev*>(dev->cast("TQDwinwinDev"));
    // A pop-up (a menu) leaves the activation where it is when clicked.
    if (message == WM_MOUSEACTIVATE && topLevel != nullptr && topLevel->isPopup())
        return MA_NOACTIVATE;
    if (message == WM_ACTIVATE && topLevel != nullptr && topLevel->getRebaseHandle() != nullptr) {
        activateOnOwnThread(event);
        return 0;
    }
    long handled = dev->dispatchEvent(&event);

    if (!g_localPump && GetFocus() == hwnd && isButtonDown(message) && app->getMode() == 1)
        return pumpLocally(hwnd, message, wParam, lParam, handled);
    if (handled != 0)
        return message == WM_SYSCHAR ? 0 : DefWindowProcA(hwnd, message, wParam, lParam);
    runObjectQueues();
    return 0;
}

HWND TQDwinAppDev::getEventWnd()
{
    return g_eventWindow;
}
