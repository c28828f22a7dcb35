// A program built with the container tests: the main window as the
// application's builder makes it, on the real event loop. Once shown, its
// frame is moved as a user would, and the window's x and y read back as
// text with "%ld", the frame's corner and the frame's handle go to the file
// the first argument names.
#include "TQDwinwinDev.h"
#include "TQGFwinMain.h"
#include "TQwin32.h"
#include "_TQCbaseList.h"
#include "_TQCmainWindow.h"
#include "_TQCstring.h"
#include "_TQDappDev.h"

#include <cstdio>

namespace {

const char* g_reportPath = nullptr;

// As the file-reading procedure finds the window and reads its place.
long readBack(const char* property)
{
    TQCbase* window = TQGIappObjectList()->getInstance("TQCmainWindow", "newwin000");
    long value = -1;
    if (window != nullptr)
        std::sscanf(TQCstring(window->getProperty(property), -2).getString(-2), "%ld", &value);
    return value;
}

// The builder adds no procedure to the main window.
void buildMainWindow()
{
    TQCmainWindow* main = new TQCmainWindow(nullptr, "newwin000");
    main->initialize();
    main->setProperty("name", "newwin000");
    main->setProperty("titleString", "Tidewell ver.0.91");
    main->setProperty("x", 100);
    main->setProperty("y", 100);
    main->setProperty("width", 1008);
    main->setProperty("height", 613);
    main->setProperty("vis", 1);
    main->setVisible(true);

    HWND shell = static_cast<TQDwinwinDev*>(main->getowndev())->getShell();
    SetWindowPos(shell, nullptr, 130, 140, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT frame = {};
    GetWindowRect(shell, &frame);
    if (std::FILE* file = std::fopen(g_reportPath, "w")) {
        std::fprintf(file, "%ld %ld %ld %ld %lu\n", readBack("x"), readBack("y"),
                     frame.left, frame.top, static_cast<unsigned long>(UINT_PTR(shell)));
        std::fclose(file);
    }
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
