// A child program for the Win32 tests, built beside them. Its first argument
// picks what it does:
//   print TEXT [CODE]  writes TEXT (\r, \n and \0 decoded) and exits with CODE
//   fill COUNT [CODE]  writes COUNT bytes 'a' to 'z' over and over
//   echo               copies one line of its input to its output
//   cmdline            writes its own command line as the system gave it
//   send NAME TEXT     sends TEXT to the message channel NAME; exit code 0
//                      when that succeeded, else 1
//   startup            runs the toolkit's start-up and event loop without
//                      any icon resource; exit code 0 when the window class
//                      was registered without an icon and the loop ended
#include "TQDwinMessage.h"
#include "TQGFwinAppWindow.h"
#include "TQGFwinMain.h"
#include "_TQDappDev.h"
#include "TQwin32.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <string>

namespace {

std::string decoded(const char* text)
{
    std::string bytes;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p == '\\' && (p[1] == 'r' || p[1] == 'n' || p[1] == '0')) {
            ++p;
            bytes += *p == 'r' ? '\r' : *p == 'n' ? '\n' : '\0';
        } else {
            bytes += *p;
        }
    }
    return bytes;
}

int codeAt(int argc, char** argv, int index)
{
    return index < argc ? std::atoi(argv[index]) : 0;
}

void writeAll(const std::string& bytes)
{
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

bool g_startedWithoutIcon = false;

void checkClassAndEndLoop()
{
    HWND window = TQGIappDev() != nullptr ? static_cast<HWND>(TQGFgetAppWindow()) : nullptr;
    g_startedWithoutIcon = window != nullptr && GetClassLongA(window, GCL_HICON) == 0;
    TQGIappDev()->exitEventLoop();
}

void helperStartUp()
{
    TQGFdeviceInitialize();
    TQDappDev::setInitHandler(checkClassAndEndLoop);
}

const TQGFappInitializer g_startUp(helperStartUp);

} // namespace

int main(int argc, char** argv)
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    std::string what = argc > 1 ? argv[1] : "";
    if (what == "startup") {
        int result = __win_main(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_HIDE);
        return result == 0 && g_startedWithoutIcon ? 0 : 1;
    }
    if (what == "print" && argc > 2) {
        writeAll(decoded(argv[2]));
        return codeAt(argc, argv, 3);
    }
    if (what == "fill" && argc > 2) {
        std::string bytes;
        for (int i = 0; i < std::atoi(argv[2]); ++i)
            bytes += static_cast<char>('a' + i % 26);
        writeAll(bytes);
        return codeAt(argc, argv, 3);
    }
    if (what == "echo") {
        char line[256];
        if (std::fgets(line, sizeof line, stdin) != nullptr)
            writeAll(line);
        return 0;
    }
    if (what == "cmdline") {
        writeAll(GetCommandLineA());
        return 0;
    }
    if (what == "send" && argc > 3)
        return TQDwinMessage::extSendMessage(nullptr, argv[2], argv[3]) == 0 ? 0 : 1;
    std::fprintf(stderr, "test helper: unknown request\n");
    return 2;
}
