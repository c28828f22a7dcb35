// From the program's entry function to the event loop: the application's
// initialisers, the window class, the hidden application window, the
// command line as words, the init handlers and the loop.
#include "TQGFwinMain.h"

#include "TQDwindraw.h"

#include "TQDwinAppDev.h"
#include "TQGFwinAppWindow.h"
#include "TQwin32.h"
#include "_TQCbaseList.h"
#include "_TQDmouse.h"
#include "_TQGFdebug.h"
#include "_TQGFstring.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace {

const char kSource[] = "TQGFwinMain";
const int kAppIconId = 101;
// No CS_DBLCLKS: a second press must arrive as a press, and the devices
// tell double clicks by the time between presses.
const UINT kClassStyle = CS_VREDRAW | CS_HREDRAW | CS_SAVEBITS;
const DWORD kAppWindowStyle = 0x00CF0000;

unsigned int addressOf(const void* p)
{
    return static_cast<unsigned int>(reinterpret_cast<std::uintptr_t>(p));
}

std::vector<void (*)()>& appInitializers()
{
    static std::vector<void (*)()> initializers;
    return initializers;
}

bool g_appInitializersRun = false;

void runAppInitializers()
{
    g_appInitializersRun = true;
    for (void (*initializer)() : appInitializers())
        initializer();
}

// Icon 101 of the program, else "main.ico" of the working directory.
HICON applicationIcon(HINSTANCE instance)
{
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(kAppIconId));
    if (icon != nullptr)
        return icon;
    return static_cast<HICON>(
        LoadImageA(nullptr, "main.ico", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_LOADFROMFILE));
}

int hostStartUp()
{
    static int calls = 0;
    HINSTANCE module = GetModuleHandleA(nullptr);
    __dbprintf("TQGFtqInitialize() %s:%d start hInst=0x%x cnt=%d\n", kSource, __LINE__,
               addressOf(module), ++calls);
    return _win_main2(module, nullptr, GetCommandLineA(), 1);
}

} // namespace

const char TQGFwindowClassName[] = "Quorvane Application";

void TQGFsetAppInitializer(void (*initializer)())
{
    if (initializer == nullptr)
        return;
    if (g_appInitializersRun)
        initializer();
    else
        appInitializers().push_back(initializer);
}

int __win_main(HINSTANCE instance, HINSTANCE previous, char* commandLine, int show)
{
    runAppInitializers();
    return _TQGFtqMain(instance, previous, commandLine, show);
}

// The loop's own result, the code of the quit message, is not passed on.
int _TQGFtqMain(HINSTANCE instance, HINSTANCE previous, char* commandLine, int show)
{
    __dbprintf_init();
    _win_main2(instance, previous, commandLine, show);
    TQDappDev* app = TQGIappDev();
    if (app == nullptr)
        TQGFexit(0);
    app->execInitHandler();
    TQGIappObjectList()->execInitialize();
    app->handleEvents();
    return 0;
}

int _win_main2(HINSTANCE instance, HINSTANCE previous, char* commandLine, int show)
{
    TQGFinitializeWinDraw();
    TQDwinAppDev* app = TQGIwinAppDev();
    if (previous == nullptr && InitApplication(instance) == 0 && app != nullptr &&
        app->getMode() == 0)
        __dbprintf("_win_main2 %s:%d done1 appdev=0x%x\n", kSource, __LINE__, addressOf(app));
    if (!InitInstance(instance, show) || app == nullptr) {
        __dbprintf("_win_main2 %s:%d done2 hInsntace=0x%x\n", kSource, __LINE__,
                   addressOf(instance));
        return 0;
    }
    __dbprintf("_win_main2 %s:%d winapp=0x%x\n", kSource, __LINE__, addressOf(app));
    app->setInitPrm(commandLine);
    app->setWnd(TQGFgetAppWindow());
    app->setInstanceHandle(instance);
    app->initialize();
    if (TQDmouse* mouse = TQGIappMouse())
        mouse->initialize();
    int argc = 0;
    char** argv = TQGFsplitCommandLine(GetCommandLineA(), &argc);
    app->setInitPrm(argc, argv);
    __dbprintf("_win_main2 %s:%d done\n", kSource, __LINE__);
    return 0;
}

unsigned short InitApplication(HINSTANCE instance)
{
    WNDCLASSA windowClass = {};
    windowClass.style = kClassStyle;
    windowClass.lpfnWndProc = TQDwinAppDev::WndProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = applicationIcon(instance);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszMenuName = TQGFwindowClassName;
    windowClass.lpszClassName = TQGFwindowClassName;
    ATOM atom = RegisterClassA(&windowClass);
    __dbprintf("InitApp %s:%d ret=%d\n", kSource, __LINE__, atom);
    return atom;
}

// The window is never shown: it carries the private messages, the timers
// and the inter-application messages.
bool InitInstance(HINSTANCE instance, int)
{
    HWND window =
        CreateWindowExA(0, TQGFwindowClassName, TQGFwindowClassName, kAppWindowStyle,
                        CW_USEDEFAULT, 0, CW_USEDEFAULT, 0, nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return false;
    TQGFsetAppWindow(window);
    return true;
}

int TQGFtqInitialize()
{
    return hostStartUp();
}

int TQGFtqInitialize2(int)
{
    return hostStartUp();
}

// One pass over a private copy, its terminating NUL included: a quote opens
// a word (dropping unquoted text read before it) or closes one; outside
// quotes, blanks, tabs and the NUL end a word. A word still open in quotes
// at the end is dropped.
char** TQGFsplitCommandLine(const char* commandLine, int* argc)
{
    std::vector<char*> words;
    if (commandLine != nullptr) {
        std::unique_ptr<char[]> line(TQGFstrdup(commandLine));
        char* text = line.get();
        std::size_t length = std::strlen(text);
        bool inQuote = false;
        bool inWord = false;
        std::size_t start = 0;
        for (std::size_t i = 0; i <= length; i++) {
            char c = text[i];
            if (c == '"' && !inQuote) {
                start = i + 1;
                inQuote = inWord = true;
            } else if (c == '"') {
                text[i] = '\0';
                words.push_back(TQGFstrdup(text + start));
                inQuote = inWord = false;
            } else if (inQuote) {
                continue;
            } else if (c == ' ' || c == '\t' || c == '\0') {
                if (inWord) {
                    text[i] = '\0';
                    words.push_back(TQGFstrdup(text + start));
                    inWord = false;
                }
            } else if (!inWord) {
                start = i;
                inWord = true;
            }
        }
    }
    char** argv = new char*[words.size() + 1];
    for (std::size_t i = 0; i < words.size(); i++)
        argv[i] = words[i];
    argv[words.size()] = nullptr;
    *argc = static_cast<int>(words.size());
    return argv;
}
