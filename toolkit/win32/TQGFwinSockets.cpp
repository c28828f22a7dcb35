// The process's one start of Windows Sockets and its clean-up at exit.
#include "TQGFwinSockets.h"

#include <winsock2.h>

#include <mutex>

namespace {

std::mutex g_startLock;
bool g_started = false;

// Static destruction runs at process exit, after the program's own end.
struct CleanUpAtExit {
    ~CleanUpAtExit()
    {
        if (g_started)
            WSACleanup();
    }
} g_cleanUpAtExit;

} // namespace

int TQGFwinStartSockets()
{
    std::lock_guard<std::mutex> guard(g_startLock);
    if (g_started)
        return 0;
    WSADATA data;
    int code = WSAStartup(MAKEWORD(2, 0), &data);
    if (code != 0)
        return code;
    g_started = true;
    return 0;
}
