// Start-up: the command line as words, device initialisation, and the real
// entry from the application's initialiser to the end of the event loop.
#include "FreshApp.h"
#include "FreshProcess.h"
#include "TQDwinCodeConvert.h"
#include "TQDwinPrivateTimer.h"
#include "TQGFwinMain.h"
#include "TestAppWindow.h"
#include "_TQCdevice.h"
#include "_TQCimageSet.h"
#include "_TQDtimer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <algorithm>
#include <string>
#include <vector>

namespace {

using Words = std::vector<std::string>;

Words split(const char* line)
{
    int argc = -1;
    char** argv = TQGFsplitCommandLine(line, &argc);
    Words words(argv, argv + argc);
    EXPECT_EQ(nullptr, argv[argc]) << "argv ends with null";
    return words;
}

} // namespace

TEST(WinCommandLine, BlanksAndTabsSeparateAndQuotesKeepBlanks)
{
    EXPECT_EQ((Words{"prog", "a", "b c", "d"}), split("prog a \"b c\"  d"));
    EXPECT_EQ((Words{"prog", "a"}), split("prog\t \ta"));
    EXPECT_EQ((Words{}), split(""));
}

TEST(WinCommandLine, QuotesOpenAndCloseWordsWithoutEscapes)
{
    EXPECT_EQ((Words{"prog", ""}), split("prog \"\""));
    EXPECT_EQ((Words{"prog", "cd"}), split("prog ab\"cd\"")) << "text before a quote is dropped";
    EXPECT_EQ((Words{"prog", "ab", "cd"}), split("prog \"ab\"cd"));
    EXPECT_EQ((Words{"prog"}), split("prog \"open")) << "an open quote is dropped";
}

namespace {

void* defaultImage(const char* file)
{
    return TQGIappImageSet()->getDefaultImageHandle(
        (std::string("$(TQDIR)/sys/pixmaps/") + file).c_str());
}

void* id(std::intptr_t n)
{
    return reinterpret_cast<void*>(n);
}

// The device kinds registered so far, in the order of registration.
std::vector<std::string> deviceKinds()
{
    const TQClistData& names = TQGIappDevice()->getDeviceNames();
    std::vector<std::string> kinds;
    for (long i = 0; i < names.getNum(); ++i)
        kinds.push_back(static_cast<const char*>(names.getData(i)));
    return kinds;
}

void deviceInitialisationScenario()
{
    std::vector<std::string> before = deviceKinds();
    for (const char* kind : {"formDev", "windowDev", "nwDev", "scrFrameDev", "mwindowDev"})
        requireInChild(std::count(before.begin(), before.end(), kind) == 1,
                       (std::string(kind) + " registered once, before start-up").c_str());
    TQGFdeviceInitialize();
    requireInChild(deviceKinds() == before, "start-up registers no device kind again");
    requireInChild(defaultImage("psave.ico") == id(202) && defaultImage("endbtn.ico") == id(223) &&
                       defaultImage("pcreate.ico") == id(230) && defaultImage("bi43.ico") == id(235),
                   "icons 202 to 235 bound to the picture files");
    requireInChild(dynamic_cast<TQDwinCodeConvert*>(TQGIappCodeConvert()) != nullptr,
                   "the Win32 code converter");
    std::unique_ptr<TQDdev> form(TQGIappDevice()->getDevObject("formDev", nullptr));
    requireInChild(form && form->cast("TQDwinformDev") != nullptr, "formDev is the form device");
    std::unique_ptr<TQDdev> window(TQGIappDevice()->getDevObject("windowDev", nullptr));
    requireInChild(window && window->cast("TQDwinwinDev") != nullptr,
                   "windowDev is the top-level window device");

    TQDtimer::setCreateInstanceHandler(nullptr);
    TQGIappImageSet()->setDefaultImageHandle("$(TQDIR)/sys/pixmaps/psave.ico", nullptr);
    TQGFdeviceInitialize();
    requireInChild(TQDtimer::getCreateInstanceHandler() == nullptr &&
                       defaultImage("psave.ico") == nullptr,
                   "a second call changes nothing");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(WinStartUpDeathTest, DeviceInitialisationBindsIconsAndInstallsOnce,
                      deviceInitialisationScenario(), "")

namespace {

bool g_appInitializerRan = false;
bool g_initHandlerRan = false;

void endLoop(void*)
{
    TQGIappDev()->exitEventLoop();
}

void checkStartedApplication()
{
    TQDwinAppDev* app = TQGIwinAppDev();
    HWND window = app->getHWND();
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    requireInChild(std::strcmp(className, "Quorvane Application") == 0, "the toolkit's class");
    requireInChild(GetClassLongA(window, GCL_STYLE) == 0x803, "class style 0x803");
    // This program carries the built-in icons, so icon 101 is the class's.
    requireInChild(GetClassLongA(window, GCL_HICON) != 0, "icon 101 on the class");
    requireInChild(!IsWindowVisible(window), "the application window stays hidden");
    requireInChild(TQGIappTimer() != nullptr && TQGIappTimer()->cast("TQDwintimer") != nullptr,
                   "the tick runs on the window");
    long argc = app->getArgc();
    char** argv = app->getArgv();
    requireInChild(argc >= 2 && argv[argc] == nullptr && std::strstr(argv[0], "test_win32") &&
                       std::strncmp(argv[1], "--gtest", 7) == 0,
                   "argv holds the process's command line");
    TQDprivateTimer* timer = TQDprivateTimer::getNewInstance();
    timer->setWorkProc(endLoop, nullptr);
    timer->setCont(0);
    timer->setRate(50);
    timer->startTimer();
    g_initHandlerRan = true;
}

// The program's own start-up, registered the way a program registers it.
void testProgramStartUp()
{
    g_appInitializerRan = true;
    TQGFdeviceInitialize();
    TQDappDev::setInitHandler(checkStartedApplication);
}

const TQGFappInitializer g_startUp(testProgramStartUp);

void realStartUpScenario()
{
    armWatchdog(20000, "__win_main did not return");
    requireInChild(GetFileAttributesA("main.ico") == INVALID_FILE_ATTRIBUTES,
                   "no main.ico in the working directory");
    requireInChild(!g_appInitializerRan, "the program's start-up waits for the entry");
    DWORD start = GetTickCount();
    int result = __win_main(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOWNORMAL);
    requireInChild(result == 0, "__win_main answers 0");
    requireInChild(g_appInitializerRan && g_initHandlerRan, "start-up, then the init handler");
    requireInChild(GetTickCount() - start < 10000, "within seconds");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(WinStartUpDeathTest, EntryRunsProgramStartUpInitHandlersAndLoopToItsEnd,
                      realStartUpScenario(), "")

// A program that carries no icon resource and has no "main.ico" still
// registers its class and runs.
TEST(WinStartUp, RegistersTheClassWithoutAnyIcon)
{
    HANDLE child = startProcess("\"" + besideTestProgram("tq_test_helper.exe") + "\" startup");
    ASSERT_NE(nullptr, child);
    DWORD code = 99;
    if (WaitForSingleObject(child, 20000) == WAIT_OBJECT_0)
        GetExitCodeProcess(child, &code);
    else
        TerminateProcess(child, 98);
    CloseHandle(child);
    EXPECT_EQ(0u, code) << "start-up without an icon: 0 registered and ended, 1 failed, 98 hung";
}
