// Drag and drop between real forms of one window under Xvfb: a press on the
// drag site, the pointer put over a drop site, the release; the drop
// procedure, the source's cursor and where the release goes.
#include "FreshProcess.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "TQDwinDragDrop.h"
#include "TQDwinformDev.h"
#include "_TQCform.h"
#include "_TQCscrForm.h"
#include "_TQCscrFrame.h"
#include "_TQCwindow.h"
#include "_TQGFtrigger.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const DWORD kPatience = 5000;
// The window's client area on the screen.
const int kLeft = 50;
const int kTop = 60;

std::vector<std::string> g_log;

void noteDrop(TQCbase* target, TQCbase* source)
{
    g_log.push_back(std::string("drop ") + target->getInstanceName() + " <- " +
                    source->getInstanceName());
}

void noteRelease(TQCbase* widget)
{
    g_log.push_back(std::string("release ") + widget->getInstanceName());
}

template <class Form>
Form* placed(TQCbase* parent, const char* name, short x, short y, unsigned short w,
             unsigned short h)
{
    Form* form = new Form(parent, name);
    form->initialize();
    form->setPropertyV(_TQNx(), x);
    form->setPropertyV(_TQNy(), y);
    form->setPropertyV(_TQNwidth(), w);
    form->setPropertyV(_TQNheight(), h);
    form->setVisible(1);
    form->addProcedureV("release", "noteRelease", noteRelease, TQEV_MOUSE_RELEASE);
    return form;
}

TQDwinformDev* formDeviceOf(TQCbase* widget)
{
    return static_cast<TQDwinformDev*>(widget->getdev()->cast("TQDwinformDev"));
}

// A source form, a plain form and a scrolled form whose frame shares its
// window; presses and releases go to the source's window, which a press
// grabs, with the pointer put where the drop should land.
void dragScenario()
{
    armWatchdog(30000, "the drag-and-drop scenario hung");
    requireInChild(startGuiApp() != nullptr, "the application window exists");
    TQCwindow* window = makeToolkitWindow("w", kLeft, kTop, 320, 220);
    TQCform* source = placed<TQCform>(window, "src", 10, 10, 60, 40);
    placed<TQCform>(window, "plain", 10, 150, 60, 40);
    TQCscrForm* scrolled = placed<TQCscrForm>(window, "scr", 100, 10, 200, 150);
    requireInChild(showAndPaint(window), "the window is painted");
    TQDwinformDev* sourceDev = formDeviceOf(source);
    short cursor = 2;
    sourceDev->setValue(TQDdev::VALUE_MOUSE_CURSOR, &cursor);
    auto post = [&](UINT message, WPARAM wParam) {
        PostMessageA(sourceDev->getHWND(), message, wParam, MAKELPARAM(5, 5));
        pumpPendingMessages(kPatience);
    };
    auto press = [&] { post(WM_LBUTTONDOWN, MK_LBUTTON); };
    auto releaseAt = [&](int x, int y) {
        SetCursorPos(kLeft + x, kTop + y);
        pumpPendingMessages(kPatience);
        post(WM_LBUTTONUP, 0);
    };

    TQDwinDragDrop* service = TQGIwinAppDragDrop();
    char message[] = "payload";
    requireInChild(service != nullptr && service->registerDragSite(source, message) == 0 &&
                       service->registerDropSite(scrolled->getScrFrame(), message, noteDrop) == 0 &&
                       service->registerDropSite(scrolled, message, noteDrop) == 0,
                   "a drag site, and two drop sites on one window");
    press();
    requireInChild(service->getDragState() == 1 &&
                       sourceDev->getMouseNo() == TQDwinDragDrop::DRAG_CURSOR,
                   "the press starts a drag with the drag cursor on the source");
    press();
    releaseAt(200, 80);
    requireInChild(g_log == std::vector<std::string>{"drop scr <- src"},
                   "the site registered last wins, and the release reaches no widget");
    requireInChild(service->getDragState() == 0 && sourceDev->getMouseNo() == 2,
                   "the second press changed nothing: the cursor is the first's again");

    g_log.clear();
    press();
    releaseAt(30, 170);
    requireInChild(g_log.empty() && sourceDev->getMouseNo() == 2,
                   "a drop outside every site only restores the cursor");

    service->unregisterDropSite(scrolled);
    press();
    service->unregisterDragSite(source);
    releaseAt(200, 80);
    requireInChild(g_log == std::vector<std::string>{"drop scr-scr <- src"} &&
                       source->getUserData("TQDRAG-MSG") == nullptr,
                   "the drag outlives its site's unregistering; the frame is the site left");

    g_log.clear();
    press();
    post(WM_LBUTTONUP, 0);
    requireInChild(service->getDragState() == 0 &&
                       g_log == std::vector<std::string>{"release src"},
                   "no longer a drag site: a press and release are the widget's own");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(WinDragDropDeathTest, DropGoesToTheLastSiteUnderThePointer,
                      dragScenario(), "")
