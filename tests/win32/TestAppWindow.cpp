// Message-only application window for the Win32 tests.
#include "TestAppWindow.h"

#include "TQDwinMessage.h"
#include "TQDwinPrivateTimer.h"
#include "TQGFwinAppWindow.h"
#include "TQwinHandOverQueue.h"

namespace {

const char kClassName[] = "TQ test application window";

// WM_USER codes 1 to 5 are the application window's own; any other is
// an inter-application message for the channel it names.
const WPARAM kLastPrivateCode = 5;

LRESULT CALLBACK testWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_USER && wParam >= TQ_WM_USER_CHILD_PROCESS
        && wParam <= TQ_WM_USER_THREAD_CALLBACK) {
        TQwinHandOverQueue::takeNext(lParam);
        return 0;
    }
    if (message == WM_USER && (wParam == 0 || wParam > kLastPrivateCode)
        && TQDwinMessage::receiveMessage(wParam, lParam) != 0)
        return 0;
    if (message == WM_TIMER) {
        TQDwinPrivateTimer::_timer_callback(wParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void registerClassOnce()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = testWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    registered = RegisterClassA(&windowClass) != 0;
}

} // namespace

TestAppWindow::TestAppWindow()
{
    registerClassOnce();
    window = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    TQGFsetAppWindow(window);
}

TestAppWindow::~TestAppWindow()
{
    TQGFsetAppWindow(nullptr);
    if (window != nullptr)
        DestroyWindow(window);
}

bool TestAppWindow::pumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    return pumpMessagesUntil(done, timeoutMs);
}

void TestAppWindow::pumpFor(DWORD ms)
{
    pumpUntil([] { return false; }, ms);
}
