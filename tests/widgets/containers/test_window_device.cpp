// Top-level windows on the real window device under Xvfb: the first show and
// its RESIZE, frames moved, sized and minimised, the native focus making a
// window active, closing from the frame with and without leave, the exit
// rule ending the program, and what draw() paints, read back as pixels. Each
// scenario runs in a process of its own.
#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "TQDwinwinDev.h"
#include "_TQCcolorSet.h"
#include "_TQCguiPolicy.h"
#include "_TQCwindow.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

const DWORD kPatience = 5000;
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);

Log g_log;

void logClosed(TQCbase*) { g_log.push_back("closed"); }
void logExit1(TQCbase*) { g_log.push_back("exit1"); }
void logExit2(TQCbase*) { g_log.push_back("exit2"); }
void logHandler() { g_log.push_back("handler"); }

// A window on "windowDev" that logs its RESIZE events and close notices.
class ShownWindow : public TQCwindow {
public:
    ShownWindow(const char* name, short x, short y, unsigned short w, unsigned short h)
        : TQCwindow(nullptr, name)
    {
        initialize();
        setPropertyV(_TQNx(), x);
        setPropertyV(_TQNy(), y);
        setPropertyV(_TQNwidth(), w);
        setPropertyV(_TQNheight(), h);
    }
    void onResize(TQCrect* r) override
    {
        g_log.push_back("resize " + std::to_string(r->x) + "," + std::to_string(r->y) + "," +
                        std::to_string(r->width) + "," + std::to_string(r->height));
        TQCwindow::onResize(r);
    }
    void onWindowClose() override { g_log.push_back("onWindowClose"); }

    TQDwinwinDev* device() { return static_cast<TQDwinwinDev*>(getowndev()->cast("TQDwinwinDev")); }
    HWND shell() { return device()->getShell(); }
    HWND inner() { return device()->getHWND(); }
    // Shown, and painted once.
    void show()
    {
        setVisible(1);
        requireInChild(pumpMessagesUntil([this] { return device()->getExposed() != 0; }, kPatience),
                       "the window is painted");
        pumpPendingMessages(kPatience);
    }
    // Closed from the frame, as the system's close button does.
    bool closeFromFrame(const std::function<bool()>& done)
    {
        PostMessageA(shell(), WM_CLOSE, 0, 0);
        return pumpMessagesUntil(done, kPatience);
    }
};

void startApp()
{
    requireInChild(startGuiApp() != nullptr, "the application window exists");
}

bool logged(const std::string& entry)
{
    return std::find(g_log.begin(), g_log.end(), entry) != g_log.end();
}

void showScenario()
{
    armWatchdog(30000, "the show scenario hung");
    startApp();
    ShownWindow* w = new ShownWindow("w", 50, 60, 120, 80);
    w->show();
    RECT frame, area;
    GetWindowRect(w->shell(), &frame);
    requireInChild(frame.left == 50 && frame.top == 60, "the frame's outer corner at x, y");
    requireInChild(g_log == Log{"resize 50,60,120,80"}, "the first show: one RESIZE, own geometry");
    w->setVisible(0);
    w->show();
    w->setWindowStatus(1);
    pumpPendingMessages(kPatience);
    requireInChild(w->getWindowStatus() == 1 && g_log.size() == 1,
                   "minimised, and no RESIZE from showing again or minimising");
    w->setWindowStatus(0);

    // The user drags and sizes the frame: the window follows, the inner
    // window follows the window.
    MoveWindow(w->shell(), 70, 90, frame.right - frame.left + 30, frame.bottom - frame.top + 20,
               TRUE);
    pumpPendingMessages(kPatience);
    GetClientRect(w->inner(), &area);
    requireInChild(w->getProperty(_TQNx()).getShort() == 70 &&
                       w->getProperty(_TQNy()).getShort() == 90 &&
                       w->getProperty(_TQNwidth()).getUnsignedShort() == 150 &&
                       w->getProperty(_TQNheight()).getUnsignedShort() == 100 &&
                       area.right == 150 && area.bottom == 100,
                   "a dragged frame moves and sizes the window and its inner window");

    // The native focus makes a window active, also while another holds the
    // toolkit's focus.
    ShownWindow* other = new ShownWindow("other", 300, 60, 100, 50);
    other->show();
    other->setFocus(1);
    requireInChild(TQGFgetActiveWindow() == other, "the window that took the focus is active");
    SendMessageA(w->shell(), WM_SETFOCUS, 0, 0);
    requireInChild(TQGFgetActiveWindow() == w && TQGFgetPreActiveWindow() == other,
                   "the native focus makes the window active");
    TQGFsetActiveWindow(nullptr);
    requireInChild(TQGFgetActiveWindow() == nullptr && TQGFgetPreActiveWindow() == w,
                   "cleared, the window that was active is the pre-active one");

    // The system widens a captioned window narrower than it allows; the
    // window and its inner window take the width the frame has.
    ShownWindow* narrow = new ShownWindow("narrow", 300, 200, 20, 30);
    narrow->show();
    RECT inner;
    GetClientRect(narrow->shell(), &area);
    GetClientRect(narrow->inner(), &inner);
    requireInChild(area.right > 20 && inner.right == area.right &&
                       narrow->getProperty(_TQNwidth()).getUnsignedShort() == area.right,
                   "a widened frame widens the window");
    passInChild();
}

void closeScenario()
{
    armWatchdog(30000, "the close scenario hung");
    startApp();
    ShownWindow* w = new ShownWindow("w", 50, 60, 120, 80);
    w->addProcedureV("c", "logClosed", logClosed, TQDwindowDev::TRIGGER_WINDOW_CLOSED);
    w->show();
    HWND shell = w->shell();
    w->setEnableClose(0);
    g_log.clear();
    requireInChild(w->closeFromFrame([] { return logged("closed"); }), "told of the close");
    requireInChild(g_log == (Log{"onWindowClose", "closed"}) && IsWindowVisible(shell) &&
                       w->getVisible() == 1,
                   "a window that may not be closed stays, and is told");
    w->setEnableClose(1);
    g_log.clear();
    requireInChild(w->closeFromFrame([shell] { return !IsWindow(shell); }) &&
                       g_log == (Log{"onWindowClose", "closed"}) && w->getVisible() == 0,
                   "a window that may be closed goes, hidden, then told");
    w->show();
    requireInChild(IsWindowVisible(w->shell()), "and can be shown again");
    passInChild();
}

// Closing exit windows from the frame: with a handler and two "EXIT"
// procedures the program lives on; with neither it ends with code 0.
void exitScenario()
{
    armWatchdog(30000, "the exit scenario hung");
    startApp();
    TQGIappDev()->setMode(0);
    ShownWindow* main = new ShownWindow("main", 50, 60, 120, 80);
    main->setPropertyV(_TQNexit(), static_cast<unsigned char>(1));
    main->addProcedureV("e1", "logExit1", logExit1, TQCwindow::TRIGGER_EXIT);
    main->addProcedureV("e2", "logExit2", logExit2, TQCwindow::TRIGGER_EXIT);
    main->show();
    TQCwindow::setGlobalExitHandler(logHandler);
    g_log.clear();
    HWND shell = main->shell();
    main->closeFromFrame([shell] { return !IsWindow(shell); });
    requireInChild(g_log == (Log{"handler", "exit1", "exit2", "onWindowClose"}),
                   "the handler, each exit procedure once, then the close notice");
    std::fprintf(stderr, "lived on\n");
    TQCwindow::setGlobalExitHandler(nullptr);
    ShownWindow* last = new ShownWindow("last", 50, 60, 120, 80);
    last->setPropertyV(_TQNexit(), static_cast<unsigned char>(1));
    last->show();
    shell = last->shell();
    last->closeFromFrame([shell] { return !IsWindow(shell); });
    requireInChild(false, "the program ended");
}

// ---------------------------------------------------------------------------
// Drawing

short colour(const char* name)
{
    return TQGIappColorSet()->getColorNo(name);
}

// What one whole repaint by draw() leaves in the window, over white.
std::unique_ptr<DibSurface> repaint(ShownWindow* w)
{
    pumpPendingMessages(kPatience);
    HWND inner = w->inner();
    HDC dc = GetDC(inner);
    RECT area;
    GetClientRect(inner, &area);
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(inner, dc);
    w->setAbsoluteDraw(1);
    w->draw();
    return captureWindow(inner, 0, 0, area.right, area.bottom);
}

void drawScenario()
{
    armWatchdog(30000, "the draw scenario hung");
    startApp();
    TQGIappGuiPolicy()->setGuiPolicy(0x02, 0);
    ShownWindow* w = new ShownWindow("w", 50, 60, 100, 30);
    // Without a frame: the system makes a captioned window wider than 100.
    w->setPropertyV(_TQNtitleBar(), static_cast<char>(0));
    w->setPropertyV(_TQNbackColor(), colour("#ff0000"));
    w->setPropertyV(_TQNtopShadowColor(), colour("#00ff00"));
    w->setPropertyV(_TQNbottomShadowColor(), colour("#0000ff"));
    w->setPropertyV(_TQNemboss(), static_cast<unsigned char>(1));
    w->show();

    // The sunken bar from (2, 12) to (97, 27), the grip in its corner, closed
    // off by two lines in the background colour.
    auto shot = repaint(w);
    requireInChild(shot->pixel(50, 5) == kRed && shot->pixel(50, 20) == kRed,
                   "the background around and inside the status bar");
    requireInChild(shot->pixel(50, 12) == kBlue && shot->pixel(2, 20) == kBlue &&
                       shot->pixel(50, 27) == kGreen && shot->pixel(97, 14) == kGreen,
                   "the status bar's sunken edge");
    requireInChild(shot->pixel(95, 25) == kGreen && shot->pixel(95, 26) == kBlue &&
                       shot->pixel(90, 27) == kRed && shot->pixel(97, 20) == kRed,
                   "the grip in the status bar");

    w->setPropertyV(_TQNheight(), static_cast<unsigned short>(18));
    shot = repaint(w);
    requireInChild(shot->pixel(50, 0) == kRed && shot->pixel(2, 10) == kRed, "no status bar");
    requireInChild(shot->pixel(95, 15) == kGreen && shot->pixel(96, 14) == kGreen &&
                       shot->pixel(96, 15) == kBlue,
                   "the plain grip");
    // The other built-in look: one of the two is always chosen.
    TQGIappGuiPolicy()->setGuiPolicy(0x01, 0);
    shot = repaint(w);
    requireInChild(shot->count(0, 0, 100, 18, kRed) == 1800, "no grip without GUI-policy bit 0x02");

    TQGIappGuiPolicy()->setGuiPolicy(0x02, 0);
    w->setPropertyV(_TQNindicatorOn(), static_cast<unsigned char>(0));
    w->setPropertyV(_TQNemboss(), static_cast<unsigned char>(0));
    requireInChild(repaint(w)->count(0, 0, 100, 18, kRed) == 1800,
                   "gradation 0: the client area in the background colour");
    w->setPropertyV(_TQNbackPixmap(), static_cast<short>(5));
    requireInChild(repaint(w)->count(0, 0, 100, 18, kWhite) == 1800,
                   "an image background is the device's: the window paints none");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(WindowOnDeviceDeathTest,
                      FirstShowResizesOnceAndTheWindowFollowsItsFrameAndFocus, showScenario(), "")

TQ_FRESH_PROCESS_TEST(WindowOnDeviceDeathTest, ClosingFromTheFrameKeepsOrHidesTheWindowAndTellsIt,
                      closeScenario(), "")

TQ_FRESH_PROCESS_TEST(WindowOnDeviceDeathTest, ClosingExitWindowsRunsTheRuleThenEndsTheProgram,
                      exitScenario(), "lived on")

TQ_FRESH_PROCESS_TEST(WindowOnDeviceDeathTest, DrawsBackgroundStatusBarAndGrip, drawScenario(), "")
