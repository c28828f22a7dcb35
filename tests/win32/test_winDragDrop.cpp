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

struct DragScene {
    DragScene()
    {
        armWatchdog(30000, "the drag-and-drop scenario hung");
        requireInChild(startGuiApp() != nullptr, "the application window exists");
        window = makeToolkitWindow("w", kLeft, kTop, 320, 220);
        source = placed<TQCform>(window, "src", 10, 10, 60, 40);
        plain = placed<TQCform>(window, "plain", 10, 150, 60, 40);
        scrolled = placed<TQCscrForm>(window, "scr", 100, 10, 200, 150);
        requireInChild(showAndPaint(window), "the window is painted");
        service = TQGIwinAppDragDrop();
        requireInChild(service != nullptr, "the Win32 service is installed");
        short cursor = 2;
        formDeviceOf(source)->setValue(TQDdev::VALUE_MOUSE_CURSOR, &cursor);
    }
    void press() { post(WM_LBUTTONDOWN, MK_LBUTTON); }
    // The pointer at (x, y) of the window's client area, then the release,
    // which goes to the source's window that the press grabbed.
    void releaseAt(int x, int y)
    {
        SetCursorPos(kLeft + x, kTop + y);
        pumpPendingMessages(kPatience);
        post(WM_LBUTTONUP, 0);
    }
    void post(UINT message, WPARAM wParam)
    {
        PostMessageA(formDeviceOf(source)->getHWND(), message, wParam, MAKELPARAM(5, 5));
        pumpPendingMessages(kPatience);
    }
    unsigned short sourceCursor() { return formDeviceOf(source)->getMouseNo(); }

    TQCwindow* window;
    TQCform* source;
    TQCform* plain;
    TQCscrForm* scrolled;
    TQDwinDragDrop* service;
};

void dragScenario()
{
    DragScene scene;
    TQDwinDragDrop* service = scene.service;
    TQCbase* frame = scene.scrolled->getScrFrame();
    char message[] = "payload";
    requireInChild(service->registerDragSite(scene.source, message) == 0, "a drag site");
    requireInChild(service->registerDropSite(frame, message, noteDrop) == 0 &&
                       service->registerDropSite(scene.scrolled, message, noteDrop) == 0,
                   "the scrolled form and its frame: two sites on one window");

    scene.press();
    requireInChild(service->getDragState() == 1, "the press starts a drag");
    requireInChild(scene.sourceCursor() == TQDwinDragDrop::DRAG_CURSOR,
                   "the source's cursor is the drag cursor");
    scene.press();
    requireInChild(service->getDragState() == 1, "a second press changes nothing");
    scene.releaseAt(200, 80);
    requireInChild(g_log == std::vector<std::string>{"drop scr <- src"},
                   "the site registered last wins, and the release reaches no widget");
    requireInChild(service->getDragState() == 0 && scene.sourceCursor() == 2,
                   "the drag is over and the cursor as before the first press");

    g_log.clear();
    scene.press();
    scene.releaseAt(30, 170);
    requireInChild(g_log.empty() && scene.sourceCursor() == 2,
                   "a drop outside every site only restores the cursor");

    service->unregisterDropSite(scene.scrolled);
    scene.press();
    service->unregisterDragSite(scene.source);
    scene.releaseAt(200, 80);
    requireInChild(g_log == std::vector<std::string>{"drop scr-scr <- src"},
                   "the drag outlives its site's unregistering; the frame is the site left");
    requireInChild(scene.source->getUserData("TQDRAG-MSG") == nullptr,
                   "the message copy is gone with the site");

    g_log.clear();
    scene.press();
    scene.post(WM_LBUTTONUP, 0);
    requireInChild(service->getDragState() == 0 &&
                       g_log == std::vector<std::string>{"release src"},
                   "no longer a drag site: a press and release are the widget's own");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(WinDragDropDeathTest, DropGoesToTheLastSiteUnderThePointer,
                      dragScenario(), "")
