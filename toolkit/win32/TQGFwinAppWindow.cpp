// Registration of the application window and palette.
#include "TQGFwinAppWindow.h"

#include "TQwin32.h"

#include <atomic>

namespace {

// Written once on the application thread, read by worker threads.
std::atomic<HWND> g_appWindow{nullptr};
// Used on the application thread only.
HPALETTE g_appPalette = nullptr;

} // namespace

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
