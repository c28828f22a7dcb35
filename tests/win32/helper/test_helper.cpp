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
//   serve PORT         runs the toolkit's event loop with a TCP server
//                      component on 127.0.0.1:PORT that serves one client:
//                      exit code 0 when it read "ping" from 127.0.0.1 (it
//                      answers "pong" either way), 1 when not, 2 when no
//                      client came within 60 seconds
#include "TQDwinMessage.h"
#include "TQGFwinAppWindow.h"
#include "TQGFwinMain.h"
#include "_TQCvssocket.h"
#include "_TQCvtimer.h"
#include "_TQDappDev.h"
#include "_TQGFtrigger.h"
#include "_TQN.h"
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

unsigned short g_servePort = 0;
int g_served = 2;

void answerPing(TQCbase* object)
{
    TQCvssocket* server = static_cast<TQCvssocket*>(object);
    unsigned char got[4] = {};
    bool ping = server->read(got, 4) == 4 && std::memcmp(got, "ping", 4) == 0;
    bool local = std::strcmp(server->getDestAddr().getString(), "127.0.0.1") == 0;
    unsigned char pong[] = {'p', 'o', 'n', 'g'};
    server->write(pong, 4);
    g_served = ping && local ? 0 : 1;
    TQGIappDev()->exitEventLoop();
}

void giveUp(TQCbase*)
{
    TQGIappDev()->exitEventLoop();
}

void serveOnce()
{
    TQCvtimer* deadline = new TQCvtimer(nullptr, "deadline");
    deadline->initialize();
    deadline->addProcedureV("giveUp", "giveUp", giveUp, TQEV_ACTIVATE);
    deadline->setPropertyV(_TQNinterval(), 60000UL);
    deadline->setPropertyV(_TQNcont(), static_cast<TQCbool>(0));
    deadline->setPropertyV(_TQNrunning(), static_cast<TQCbool>(1));

    TQCvssocket* server = new TQCvssocket(nullptr, "server");
    server->initialize();
    server->addProcedureV("answer", "answerPing", answerPing, TQEV_ACTIVATE);
    server->setPropertyV(_TQNip(), "127.0.0.1");
    server->setPropertyV(_TQNport(), g_servePort);
    server->setPropertyV(_TQNtimeout(), 10UL);
    server->setPropertyV(_TQNrunning(), static_cast<TQCbool>(1));
}

void helperStartUp()
{
    TQGFdeviceInitialize();
    TQDappDev::setInitHandler(g_servePort != 0 ? serveOnce : checkClassAndEndLoop);
}

const TQGFappInitializer g_startUp(helperStartUp);

} // namespace

int main(int argc, char** argv)
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    std::string what = argc > 1 ? argv[1] : "";
    if (what == "serve" && argc > 2) {
        g_servePort = static_cast<unsigned short>(std::atoi(argv[2]));
        __win_main(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_HIDE);
        return g_served;
    }
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
