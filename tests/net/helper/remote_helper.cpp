// A second application for the remote-object tests. It shows the window
// "newwin000" with the button "newvbtn_000", exports the button and serves
// remote calls on the port its command line names; on the directory port
// it is the directory too. It publishes the button at once instead of
// after the first ten seconds, ends when a call runs the button's
// procedure "quit", and ends by itself after half a minute.
#include "TQGFwinMain.h"
#include "TQwin32.h"
#include "_TQCconductor.h"
#include "_TQCmainWindow.h"
#include "_TQCvbtn.h"
#include "_TQDappDev.h"
#include "_TQDtimer.h"

#include <cstdlib>

namespace {

unsigned short g_port = 0;
int g_ticks = 0;

void quit_ep(TQCbase*)
{
    TQGIappDev()->exitEventLoop();
}

void giveUp(unsigned char, void*)
{
    if (++g_ticks > 30)
        TQGIappDev()->exitEventLoop();
}

TQCbase* shown(TQCbase* widget, const char* name, short x, short y, unsigned short w,
               unsigned short h)
{
    widget->initialize();
    widget->setPropertyV("name", name);
    widget->setPropertyV("x", x);
    widget->setPropertyV("y", y);
    widget->setPropertyV("width", w);
    widget->setPropertyV("height", h);
    widget->setPropertyV("vis", static_cast<unsigned char>(1));
    return widget;
}

void buildAndServe()
{
    TQCbase* window = shown(new TQCmainWindow(nullptr, "newwin000"), "newwin000", 50, 50, 240, 80);
    TQCbase* button = new TQCvbtn(window, "newvbtn_000");
    button->initialize();
    button->setPropertyV("labelString", "select WAV");
    shown(button, "newvbtn_000", 10, 10, 160, 20);
    button->addProcedureV("quit", "quit_ep", quit_ep, 2);
    button->setExported(1);

    TQCconductor* conductor = TQGIconductor();
    conductor->setPort(g_port);
    conductor->startDispatch();
    TQCconductor::_timer_work(0, conductor);
    TQGIappTimer()->addTimerProc(giveUp, 4, nullptr);
}

void helperStartUp()
{
    TQGFdeviceInitialize();
    TQDappDev::setInitHandler(buildAndServe);
}

const TQGFappInitializer g_startUp(helperStartUp);

} // namespace

int main(int argc, char** argv)
{
    g_port = static_cast<unsigned short>(argc > 1 ? std::atoi(argv[1]) : 0);
    return __win_main(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOW);
}
