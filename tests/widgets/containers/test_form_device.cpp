// Forms and window-less widgets in a real top-level window under Xvfb:
// pointer events from mouse messages posted to the form's window, recorded
// by the widgets' procedures; anchors following the resized window; and what
// forms and window-less widgets paint, read back as pixels. Each scenario
// runs in a process of its own.
#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "TQDwinformDev.h"
#include "TQDwinwinDev.h"
#include "_TQCbaseList.h"
#include "_TQCcolorSet.h"
#include "_TQCform.h"
#include "_TQCguiPolicy.h"
#include "_TQCnwbase.h"
#include "_TQCwindow.h"
#include "_TQGFgeometry.h"
#include "_TQGFtrigger.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

const DWORD kPatience = 5000;
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kYellow = RGB(255, 255, 0);

Log g_log;

short colour(const char* name)
{
    return TQGIappColorSet()->getColorNo(name);
}

std::string nameOf(TQCbase* object)
{
    return object->getInstanceName();
}

template <long Code>
void logTrigger(TQCbase* widget)
{
    static const char* const words[] = {"in", "out", "press", "release", "move"};
    g_log.push_back(nameOf(widget) + " " + words[Code - TQEV_MOUSE_IN]);
}

void logResize(TQCbase* form)
{
    g_log.push_back(nameOf(form) + " resize " +
                    std::to_string(form->getProperty(_TQNwidth()).getLong()));
}

long number(TQCbase* object, const char* name)
{
    return object->getProperty(name).getLong();
}

// A window-less widget that fills its rectangle in its foreground colour and
// records its pointer triggers.
class Patch : public TQCnwbase {
public:
    Patch(TQCbase* parent, const char* name, short x, short y, unsigned short w, unsigned short h,
          const char* colourName)
        : TQCnwbase(parent, name)
    {
        initialize();
        TQGFsetGeometry(this, x, y, w, h);
        setPropertyV(_TQNforeColor(), colour(colourName));
        addProcedureV("in", "logIn", logTrigger<TQEV_MOUSE_IN>, TQEV_MOUSE_IN);
        addProcedureV("out", "logOut", logTrigger<TQEV_MOUSE_OUT>, TQEV_MOUSE_OUT);
        addProcedureV("press", "logPress", logTrigger<TQEV_MOUSE_PRESS>, TQEV_MOUSE_PRESS);
        addProcedureV("release", "logRelease", logTrigger<TQEV_MOUSE_RELEASE>,
                      TQEV_MOUSE_RELEASE);
        addProcedureV("move", "logMove", logTrigger<TQEV_MOUSE_MOVE>, TQEV_MOUSE_MOVE);
        setVisible(1);
    }
    long draw() override
    {
        TQDdev* dev = getowndev();
        if (dev == nullptr)
            return -1;
        if (dev->beginDraw(m_x, m_y, m_width, m_height, getAbsoluteDraw(), 1) != 0)
            return 0;
        dev->setForeColor(m_foreColor);
        dev->drawFillRect(0, 0, m_width, m_height);
        dev->endDraw();
        return 0;
    }
    void onMouseRelease(TQCpoint* point) override { lastRelease = *point; }

    TQCpoint lastRelease = {0, 0};
};

// A frameless window at (50, 60) holding the form "f" at (10, 10).
struct Scene {
    Scene(unsigned short w, unsigned short h, unsigned short formW, unsigned short formH)
        : window(new TQCwindow(nullptr, "w")), form(nullptr)
    {
        TQGIappGuiPolicy()->setGuiPolicy(0x02, 0);
        window->initialize();
        window->setPropertyV(_TQNtitleBar(), static_cast<char>(0));
        TQGFsetGeometry(window, 50, 60, w, h);
        form = new TQCform(window, "f");
        form->initialize();
        TQGFsetGeometry(form, 10, 10, formW, formH);
        form->setVisible(1);
    }
    TQDwinwinDev* windowDevice()
    {
        return static_cast<TQDwinwinDev*>(window->getowndev()->cast("TQDwinwinDev"));
    }
    TQDwinformDev* formDevice()
    {
        return static_cast<TQDwinformDev*>(form->getowndev()->cast("TQDwinformDev"));
    }
    HWND formWindow() { return formDevice()->getHWND(); }
    void show()
    {
        window->setVisible(1);
        requireInChild(pumpMessagesUntil([this] { return formDevice()->getExposed() != 0; },
                                         kPatience),
                       "the form's window is painted");
        settle();
    }
    // The queued updates run, and the messages they cause.
    void settle()
    {
        TQGIappObjectList()->execUpdate();
        pumpPendingMessages(kPatience);
    }
    // What the form's window shows.
    std::unique_ptr<DibSurface> shot()
    {
        settle();
        return captureWindow(formWindow(), 0, 0, number(form, _TQNwidth()),
                             number(form, _TQNheight()));
    }
    // Posted to the form's window, as the system delivers the mouse, and
    // dispatched alone: the application tick would tell the form that the
    // system's pointer, parked far away, is not over it.
    Log mouse(UINT message, int x, int y)
    {
        g_log.clear();
        WPARAM keys = message == WM_LBUTTONDOWN || message == WM_MOUSEMOVE ? MK_LBUTTON : 0;
        PostMessageA(formWindow(), message, keys, MAKELPARAM(x, y));
        MSG posted;
        while (PeekMessageA(&posted, formWindow(), WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE))
            DispatchMessageA(&posted);
        return g_log;
    }

    TQCwindow* window;
    TQCform* form;
};

void startApp()
{
    requireInChild(startGuiApp() != nullptr, "the application window exists");
}

// a lies at (10, 10, 50, 30) and the later b at (40, 20, 50, 30) over it.
void pointerScenario()
{
    armWatchdog(30000, "the pointer scenario hung");
    startApp();
    // Presses a second apart: none of them is a double click.
    GuiTestClock clock(36000000);
    SetCursorPos(1270, 1010);
    Scene scene(300, 200, 200, 100);
    Patch* a = new Patch(scene.form, "a", 10, 10, 50, 30, "#ff0000");
    Patch* b = new Patch(scene.form, "b", 40, 20, 50, 30, "#0000ff");
    scene.show();

    requireInChild(scene.mouse(WM_MOUSEMOVE, 20, 20) == Log{"a in"},
                   "entering the form inside a: one MOUSE_IN for a");
    clock.advance(1000);
    requireInChild(scene.mouse(WM_LBUTTONDOWN, 20, 20) == Log{"a press"} &&
                       scene.mouse(WM_MOUSEMOVE, 25, 22) == Log{"a move"} &&
                       scene.mouse(WM_LBUTTONUP, 25, 22) == Log{"a release"},
                   "press, move and release inside a reach a alone");

    clock.advance(1000);
    requireInChild(scene.mouse(WM_LBUTTONDOWN, 45, 25) == (Log{"b press", "b in"}),
                   "a press where b lies over a: b takes it, a never sees it");
    requireInChild(scene.mouse(WM_LBUTTONUP, 45, 25) == Log{"b release"} &&
                       scene.mouse(WM_MOUSEMOVE, 46, 25) == (Log{"a move", "b move"}),
                   "b takes the release; a move reaches both");
    TQCpoint edge = {90, 30};
    clock.advance(1000);
    requireInChild(scene.mouse(WM_LBUTTONDOWN, 90, 30) == (Log{"b out", "a out"}) &&
                       b->_get_child_with_point(&edge, 0) == nullptr &&
                       b->_get_child_with_point(&edge, 1) == b,
                   "b's right edge is outside b, and found there only when edges count");
    scene.mouse(WM_LBUTTONUP, 90, 30);

    a->setOutSideMouseRelease(1);
    a->setOutSideMouseMove(1);
    clock.advance(1000);
    scene.mouse(WM_LBUTTONDOWN, 15, 15);
    requireInChild(scene.mouse(WM_LBUTTONUP, 150, 80) == Log{"a release"} &&
                       a->lastRelease.x == 140 && a->lastRelease.y == 70 &&
                       a->getMouseGrabed() == 1,
                   "a release outside reaches the grabbing a, relative to it, and the grab stays");
    requireInChild(scene.mouse(WM_MOUSEMOVE, 160, 80) == Log{"a move"},
                   "so does a later move outside");
    passInChild();
}

void anchor(TQCbase* object, unsigned short left, unsigned short right)
{
    object->setProperty(_TQNanchorLeft(), TQCvariant(static_cast<long>(left)));
    object->setProperty(_TQNanchorRight(), TQCvariant(static_cast<long>(right)));
    object->setProperty(_TQNanchorLeftFlag(), TQCvariant(1L));
    object->setProperty(_TQNanchorRightFlag(), TQCvariant(1L));
}

// Sized as the user sizes it; the layout follows.
void resizeWindow(Scene& scene, int width)
{
    MoveWindow(scene.windowDevice()->getShell(), 50, 60, width, 150, TRUE);
    scene.settle();
}

// The form, 10 and 20 from the window's sides, holds p 10 and 20 from its
// own.
void anchorScenario()
{
    armWatchdog(30000, "the anchor scenario hung");
    startApp();
    Scene scene(200, 150, 100, 100);
    TQCform* form = scene.form;
    anchor(form, 10, 20);
    form->addProcedureV("resize", "logResize", logResize, TQEV_RESIZE);
    Patch* p = new Patch(form, "p", 0, 0, 50, 30, "#0000ff");
    anchor(p, 10, 20);
    scene.show();
    requireInChild(number(form, _TQNx()) == 10 && number(form, _TQNwidth()) == 170 &&
                       number(p, _TQNwidth()) == 140,
                   "shown, the form and p keep their distances");

    g_log.clear();
    resizeWindow(scene, 300);
    RECT area, frame, inner;
    GetClientRect(scene.formWindow(), &area);
    GetWindowRect(scene.formWindow(), &frame);
    GetWindowRect(scene.windowDevice()->getHWND(), &inner);
    requireInChild(!g_log.empty() && g_log[0] == "f resize 270",
                   "a wider window: the form reports its new width at once");
    requireInChild(number(form, _TQNx()) == 10 && area.right == 270 &&
                       frame.left - inner.left == 10,
                   "the form's window stays 10 from the left and grows to 270");
    requireInChild(number(p, _TQNx()) == 10 && number(p, _TQNwidth()) == 240, "p follows the form");

    resizeWindow(scene, 63);
    requireInChild(number(form, _TQNwidth()) == 33 && number(p, _TQNwidth()) == 5,
                   "p is 5 wide at the least while its anchors fit");
    resizeWindow(scene, 59);
    requireInChild(number(p, _TQNwidth()) == 2 && number(p, _TQNx()) == 10,
                   "p is 2 wide, in place, once they do not");
    resizeWindow(scene, 25);
    GetClientRect(scene.formWindow(), &area);
    requireInChild(number(form, _TQNwidth()) == 1 && number(form, _TQNx()) == 10 &&
                       area.right == 1,
                   "a form whose anchors do not fit is 1 wide, in place");
    passInChild();
}

void set(TQCbase* object, const char* name, const char* colourName)
{
    object->setPropertyV(name, colour(colourName));
}

// The form is 100 x 30, red with a blue and yellow frame and green dots;
// the window-less q, in cyan, is shifted by a scrolling parent's offset of
// 60 so that what it paints would show.
void drawScenario()
{
    armWatchdog(30000, "the draw scenario hung");
    startApp();
    Scene scene(300, 200, 100, 30);
    // The plain look: its frame has no rings.
    TQGIappGuiPolicy()->setGuiPolicy(0x01, 0);
    TQCform* form = scene.form;
    set(form, _TQNbackColor(), "#ff0000");
    set(form, _TQNforeColor(), "#00ff00");
    set(form, _TQNtopShadowColor(), "#0000ff");
    set(form, _TQNbottomShadowColor(), "#ffff00");
    const COLORREF cyan = RGB(0, 255, 255);
    short shift = 60;
    Patch* q = new Patch(form, "q", -100, 5, 50, 10, "#00ffff");
    q->setXOffsetPtr(&shift);
    scene.show();

    auto shot = scene.shot();
    requireInChild(shot->count(2, 2, 96, 26, kRed) == 96 * 26, "filled in the back colour");
    requireInChild(shot->pixel(50, 0) == kBlue && shot->pixel(1, 15) == kBlue &&
                       shot->pixel(50, 28) == kYellow && shot->pixel(99, 15) == kYellow &&
                       shot->pixel(2, 2) == kRed,
                   "a two-pixel frame, top shadow above and left, bottom shadow below and right");
    requireInChild(shot->count(0, 0, 100, 30, cyan) == 0, "q, wholly left of 0, paints nothing");

    form->setPropertyEditMode(1);
    form->setPropertyV(_TQNshadowType(), static_cast<char>(-1));
    shot = scene.shot();
    bool dots = shot->count(0, 0, 100, 30, kGreen) == 30;
    for (int y = 0; y < 30; y += 10)
        for (int x = 0; x < 100; x += 10)
            dots = dots && shot->pixel(x, y) == kGreen;
    requireInChild(dots, "in edit mode a dot every 10 pixels from 0 to 90 and 0 to 20");
    form->setPropertyEditMode(0);
    form->setPropertyV(_TQNshadowType(), static_cast<char>(0));

    q->setPropertyV(_TQNx(), static_cast<short>(-50));
    shot = scene.shot();
    requireInChild(shot->count(0, 0, 100, 30, cyan) == 500 && shot->pixel(10, 5) == cyan,
                   "q at -50, 50 wide, paints");

    set(form, _TQNbackColor(), "#ffff00");
    requireInChild(scene.shot()->pixel(50, 20) == kYellow, "a new back colour repaints");
    form->setNoRefresh(1);
    set(form, _TQNbackColor(), "#00ff00");
    shot = scene.shot();
    InvalidateRect(scene.formWindow(), nullptr, FALSE);
    auto exposed = scene.shot();
    requireInChild(shot->count(2, 2, 96, 26, kYellow) == exposed->count(2, 2, 96, 26, kYellow) &&
                       exposed->pixel(50, 20) == kYellow && exposed->pixel(10, 5) == cyan,
                   "with no-refresh on, the window keeps what it showed");
    q->setPropertyV(_TQNx(), static_cast<short>(-40));
    set(form, _TQNbackColor(), "#0000ff");
    shot = scene.shot();
    requireInChild(shot->pixel(65, 5) == cyan && shot->pixel(50, 20) == kYellow,
                   "a widget moved meanwhile still paints itself, and only itself");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(FormOnDeviceDeathTest, MouseMessagesReachTheWidgetUnderThePointer,
                      pointerScenario(), "")

TQ_FRESH_PROCESS_TEST(FormOnDeviceDeathTest, AnchoredFormAndWidgetFollowTheResizedWindow,
                      anchorScenario(), "")

TQ_FRESH_PROCESS_TEST(FormOnDeviceDeathTest, PaintsFillFrameDotsAndWindowLessWidgets,
                      drawScenario(), "")
