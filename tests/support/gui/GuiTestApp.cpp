// The toolkit's start-up in a test process, windows, pump, watchdog and
// clock.
#include "GuiTestApp.h"

#include "FreshProcess.h"
#include "TQDwinfont.h"
#include "TQGFwinMain.h"
#include "WorkThread.h"
#include "_TQCguiPolicy.h"
#include "_TQGFdebug.h"

#include <cstdio>
#include <cstdlib>

namespace {

long g_clockMs = 0;

void readTestClock(TQGFlocalTime* now)
{
    *now = TQGFlocalTime{2024, 1, 1, 1, 0, 0, 0, 0};
    now->hour = g_clockMs / 3600000;
    now->minute = g_clockMs / 60000 % 60;
    now->second = g_clockMs / 1000 % 60;
    now->millisecond = g_clockMs % 1000;
}

} // namespace

TQDwinAppDev* startGuiApp()
{
    static TQDwinAppDev* app = nullptr;
    if (app == nullptr) {
        TQGFdeviceInitialize();
        _win_main2(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOWNORMAL);
        TQDwinAppDev* made = TQGIwinAppDev();
        if (made != nullptr && made->getHWND() != nullptr)
            app = made;
    }
    return app;
}

void startGuiScenario(long guiPolicy)
{
    requireInChild(startGuiApp() != nullptr, "the application window exists");
    _win_font_init();
    // An extended look that a look file selected at start-up stays selected.
    TQCguiPolicy* policy = TQGIappGuiPolicy();
    long extended = policy->getExtGuiPolicySelected() ? TQCguiPolicy::EXTENDED_LOOK : 0;
    policy->setGuiPolicy(guiPolicy | extended, 0);
}

std::string besideTestProgram(const char* fileName)
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1) + fileName;
}

HANDLE startProcess(std::string commandLine, const char* folder)
{
    STARTUPINFOA start = {};
    start.cb = sizeof start;
    PROCESS_INFORMATION child = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder,
                        &start, &child))
        return nullptr;
    CloseHandle(child.hThread);
    return child.hProcess;
}

bool pumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (!done()) {
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return done();
        // Short slices: done() may turn true without any message arriving.
        DWORD slice = timeoutMs - elapsed < 10 ? timeoutMs - elapsed : 10;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, slice, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return true;
}

void pumpMessagesFor(DWORD ms)
{
    pumpMessagesUntil([] { return false; }, ms);
}

bool pumpPendingMessages(DWORD timeoutMs)
{
    return pumpMessagesUntil([] { return GetQueueStatus(QS_ALLINPUT) == 0; }, timeoutMs);
}

DWORD exitCodeWithin(HANDLE process, DWORD ms)
{
    DWORD code = 99;
    if (WaitForSingleObject(process, ms) == WAIT_OBJECT_0)
        GetExitCodeProcess(process, &code);
    else if (TerminateProcess(process, 98))
        code = 98;
    CloseHandle(process);
    return code;
}

void armWatchdog(DWORD ms, const char* what)
{
    HANDLE thread = startWork([ms, what] {
        Sleep(ms);
        std::fprintf(stderr, "watchdog: %s\n", what);
        std::fflush(stderr);
        std::_Exit(4);
    });
    if (thread != nullptr)
        CloseHandle(thread);
}

HWND makeTopLevelWindow(int x, int y, int w, int h, DWORD style)
{
    RECT frame = {x, y, x + w, y + h};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    return CreateWindowExA(0, TQGFwindowClassName, "test", style | WS_VISIBLE, frame.left,
                           frame.top, frame.right - frame.left, frame.bottom - frame.top,
                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

GuiTestClock::GuiTestClock(long msOfDay)
{
    g_clockMs = msOfDay;
    _TQGFsetLocalTimeSource(readTestClock);
}

GuiTestClock::~GuiTestClock()
{
    _TQGFsetLocalTimeSource(nullptr);
}

void GuiTestClock::set(long msOfDay)
{
    g_clockMs = msOfDay;
}

long GuiTestClock::now()
{
    return g_clockMs;
}
