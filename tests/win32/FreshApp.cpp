// The real application device in a process of its own, and its watchdog.
#include "FreshApp.h"

#include "FreshProcess.h"
#include "TQGFwinMain.h"

#include <cstdio>
#include <cstdlib>

namespace {

struct Watch {
    DWORD ms;
    const char* what;
};

DWORD WINAPI watch(void* parameter)
{
    Watch* w = static_cast<Watch*>(parameter);
    Sleep(w->ms);
    std::fprintf(stderr, "watchdog: %s\n", w->what);
    std::fflush(stderr);
    std::_Exit(4);
}

} // namespace

TQDwinAppDev* startAppDevice()
{
    TQGFdeviceInitialize();
    _win_main2(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOWNORMAL);
    TQDwinAppDev* app = TQGIwinAppDev();
    requireInChild(app != nullptr && app->getHWND() != nullptr, "the application window exists");
    return app;
}

void armWatchdog(DWORD ms, const char* what)
{
    HANDLE thread = CreateThread(nullptr, 0, watch, new Watch{ms, what}, 0, nullptr);
    if (thread != nullptr)
        CloseHandle(thread);
}
