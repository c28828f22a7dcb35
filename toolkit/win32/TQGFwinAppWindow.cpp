// Registration of the application window and palette, and the one send
// path by which worker threads reach the application thread.
#include "TQGFwinAppWindow.h"

#include "TQwin32.h"

#include <atomic>

namespace {

// Written once on the application thread, read by worker threads.
std::atomic<HWND> g_appWindow{nullptr};
// Used on the application thread only.
HPALETTE g_appPalette = nullptr;

} // namespace

void TQGFcallEventRecord(std::intptr_t lParam)
{
    WinEventRecord* record = reinterpret_cast<WinEventRecord*>(lParam);
    if (record == nullptr)
        return;
    if (record->function != nullptr)
        record->function(record->a, record->b, record->c);
    delete record;
}

void TQGFsetAppWindow(HWND window)
{
    g_appWindow.store(window);
}

HWND TQGFgetAppWindow()
{
    return g_appWindow.load();
}

void TQGFsetAppPalette(HPALETTE palette)
{
    g_appPalette = palette;
}

HPALETTE TQGFgetAppPalette()
{
    return g_appPalette;
}

long TQGFsendToAppWindow(std::uintptr_t code, void* record, unsigned int timeoutMs)
{
    HWND window = TQGFgetAppWindow();
    if (window == nullptr)
        return -1;
    DWORD_PTR answer = 0;
    SetLastError(0);
    if (SendMessageTimeoutA(window, WM_USER, code, reinterpret_cast<LPARAM>(record),
                            SMTO_BLOCK, timeoutMs, &answer) != 0)
        return 0;
    // A timed-out send stays queued for the window, which still handles it.
    if (GetLastError() == ERROR_TIMEOUT)
        return -2;
    return -1;
}
