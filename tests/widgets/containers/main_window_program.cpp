// A toolkit program built with the container tests: it builds the main
// window as the application's window builder does and runs the real event
// loop until the window is closed. Once the window is up it moves the frame
// as a user would, then writes to the file its first argument names the
// window's x and y, read back as text with "%ld", the frame's outer corner
// and the frame's handle.
#include "TQDwinwinDev.h"
#include "TQGFwinMain.h"
#include "TQwin32.h"
#include "_TQCmainWindow.h"
#include "_TQCstring.h"
#include "_TQDappDev.h"

#include <cstdio>

namespace {

const long kMovedX = 130;
const long kMovedY = 140;

TQCmainWindow* g_main = nullptr;
const char* g_reportPath = nullptr;

HWND shell()
{
    return static_cast<TQDwinwinDev*>(g_main->getowndev()->cast("TQDwinwinDev"))->getShell();
}

long readBack(const char* property)
{
    long value = -1;
    TQCstring text(g_main->getProperty(property), -2);
    std::sscanf(text.getString(-2), "%ld", &value);
    return value;
}

void CALLBACK report(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    RECT frame = {};
    GetWindowRect(shell(), &frame);
    if (std::FILE* file = std::fopen(g_reportPath, "w")) {
        std::fprintf(file, "%ld %ld %ld %ld %lu\n", readBack("x"), readBack("y"), frame.left,
                     frame.top, static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(shell())));
        std::fclose(file);
    }
}

void CALLBACK moveFrame(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    SetWindowPos(shell(), nullptr, kMovedX, kMovedY, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetTimer(nullptr, 0, 200, report);
}

// What the builder does for the main window; it adds no procedure to it.
void buildMainWindow()
{
    g_main = new TQCmainWindow(nullptr, "newwin000");
    g_main->initialize();
    g_main->setProperty("name", "newwin000");
    g_main->setProperty("titleString", "Tidewell ver.0.91");
    g_main->setProperty("x", 100);
    g_main->setProperty("y", 100);
    g_main->setProperty("width", 1008);
    g_main->setProperty("height", 613);
    g_main->setProperty("vis", 1);
    g_main->setVisible(true);
    SetTimer(nullptr, 0, 200, moveFrame);
}

void startUp()
{
    TQGFdeviceInitialize();
    TQDappDev::setInitHandler(buildMainWindow);
}

const TQGFappInitializer g_startUp(startUp);

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    g_reportPath = argv[1];
    return __win_main(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOWNORMAL);
}
