// A drawing area in a real top-level window under Xvfb: its expose
// procedure copies an off-screen image onto it, and with usePixmap the area
// is filled with foreColor before the procedure runs. The scenario runs in a
// process of its own.
#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "_TQCcolorSet.h"
#include "_TQCvdrawingArea.h"
#include "_TQCwindow.h"
#include "_TQDmwindowDev.h"
#include "_TQGFgeometry.h"
#include "_TQN.h"

#include <gtest/gtest.h>

namespace {

const DWORD kPatience = 5000;
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

TQDmwindowDev* g_red = nullptr;
unsigned short g_copyWidth = 0;

// The application's way: the off-screen image copied into the area's pass.
void copyRed(TQCbase* area)
{
    g_red->copyToWindow(area->getdev(), 0, 0, g_copyWidth, 40, 0, 0);
}

TQDmwindowDev* redImage(unsigned short w, unsigned short h)
{
    TQDmwindowDev* image = TQDmwindowDev::getNewInstance();
    requireInChild(image != nullptr && image->createPixmap(w, h) == 0, "an off-screen image");
    image->beginDraw(0, 0, w, h, 1, 0);
    image->setForeColor(TQGIappColorSet()->getColorNo("#ff0000"));
    image->drawFillRect(0, 0, w, h);
    image->endDraw();
    return image;
}

// The area is 100 x 40 at (20, 20) of the window.
void exposeScenario()
{
    armWatchdog(30000, "the drawing area scenario hung");
    requireInChild(startGuiApp() != nullptr, "the application window exists");
    TQCwindow* window = makeToolkitWindow("w", 50, 60, 200, 100);
    TQCvdrawingArea* area = new TQCvdrawingArea(window, "da");
    area->initialize();
    TQGFsetGeometry(area, 20, 20, 100, 40);
    area->addProcedureV("expose", "copyRed", copyRed, 9);
    g_red = redImage(100, 40);
    g_copyWidth = 100;
    area->setVisible(1);
    requireInChild(showAndPaint(window), "the window is painted");
    HWND client = clientWindowOf(window);
    auto shot = captureWindow(client, 0, 0, 200, 100);
    requireInChild(shot->count(20, 20, 100, 40, kRed) == 100 * 40,
                   "the copied image covers the area");
    requireInChild(shot->pixel(19, 30) != kRed && shot->pixel(120, 30) != kRed &&
                       shot->pixel(60, 19) != kRed && shot->pixel(60, 60) != kRed,
                   "and nothing beside it");

    area->setPropertyV(_TQNusePixmap(), static_cast<unsigned char>(1));
    area->setPropertyV(_TQNforeColor(), TQGIappColorSet()->getColorNo("#0000ff"));
    g_copyWidth = 50;
    area->redraw();
    pumpPendingMessages(kPatience);
    shot = captureWindow(client, 0, 0, 200, 100);
    requireInChild(shot->count(20, 20, 50, 40, kRed) == 50 * 40 &&
                       shot->count(70, 20, 50, 40, kBlue) == 50 * 40,
                   "foreColor fills the area, then the procedure copies over its left half");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(DrawingAreaOnWindowDeathTest, ExposeProcedureCopiesAnImageOverTheFill,
                      exposeScenario(), "")
