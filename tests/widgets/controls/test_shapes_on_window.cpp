// A rectangle, an arc and an arrow button in a real top-level window under
// Xvfb, drawn through GDI and read back: the rectangle's background, hatch
// and outline in that order, the arc's outline round the window, and the
// arrow in its box, a pixel lower while a posted press holds the button. The scenario runs in a process of its own.
#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "_TQCcolorSet.h"
#include "_TQCguiPolicy.h"
#include "_TQCvarc.h"
#include "_TQCvarrow.h"
#include "_TQCvrect.h"
#include "_TQCwindow.h"
#include "_TQGFgeometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);

template <class Shape>
Shape* add(TQCwindow* window, short x, short y, unsigned short w, unsigned short h)
{
    Shape* shape = new Shape(window, "s");
    shape->initialize();
    TQGFsetGeometry(shape, x, y, w, h);
    shape->setVisible(1);
    return shape;
}

void set(TQCbase* shape, const char* name, long value)
{
    shape->setProperty(name, TQCvariant(value));
}

// The arrow's pixels, row by row, in the button at (130, 20).
std::vector<bool> arrowPixels(HWND client)
{
    auto shot = captureWindow(client, 130, 20, 20, 12);
    std::vector<bool> on;
    for (int i = 0; i < 240; ++i)
        on.push_back(shot->pixel(i % 20, i / 20) == kGreen);
    return on;
}

void post(HWND client, UINT message, WPARAM flags)
{
    postInput(client, message, flags, MAKELPARAM(135, 25));
    pumpPendingMessages(5000);
}

// The rectangle is 100 x 60 at (10, 10) with a pen of 4; the arrow button
// 20 x 12 at (130, 20), with a frame of 4 that leaves no room for a focus
// frame, so that the arrow is all that is drawn in its colour.
void shapesScenario()
{
    armWatchdog(30000, "the shapes scenario hung");
    requireInChild(startGuiApp() != nullptr, "the application window exists");
    TQGIappGuiPolicy()->setGuiPolicy(TQCguiPolicy::LOOK_A, 0);
    TQCwindow* window = makeToolkitWindow("w", 50, 60, 200, 100);
    TQCvrect* rect = add<TQCvrect>(window, 10, 10, 100, 60);
    for (auto [name, value] : {std::pair{"lineWidth", 4L}, {"stippled", 1L}, {"hatchPattern", 3L},
                               {"backColorFlag", 1L}})
        set(rect, name, value);
    auto color = [](const char* name) { return TQGIappColorSet()->getColorNo(name); };
    set(rect, "backColor", color("#ff0000"));
    set(rect, "hatchColor", color("#0000ff"));
    set(rect, "foreColor", color("#000000"));
    TQCvarrow* arrow = add<TQCvarrow>(window, 130, 20, 20, 12);
    set(arrow, "foreColor", color("#00ff00"));
    set(arrow, "shadowThickness", 4);
    TQCvarc* arc = add<TQCvarc>(window, 130, 40, 60, 50);
    set(arc, "foreColor", color("#000000"));
    requireInChild(showAndPaint(window), "the window is painted");

    HWND client = clientWindowOf(window);
    auto shot = captureWindow(client, 0, 0, 120, 80);
    // The outline lies on the rectangle (12, 12, 96, 56) where the fills
    // end, so its inner half covers their edges.
    requireInChild(shot->count(10, 40, 4, 1, kBlack) == 4 &&
                       shot->count(105, 40, 4, 1, kBlack) == 4 &&
                       shot->count(60, 10, 1, 4, kBlack) == 4 &&
                       shot->count(60, 65, 1, 4, kBlack) == 4 && shot->pixel(9, 40) != kBlack,
                   "the pen's 4 pixels inside the widget, over the fills' edges");
    int red = shot->count(14, 14, 91, 51, kRed);
    int blue = shot->count(14, 14, 91, 51, kBlue);
    requireInChild(red > blue && blue > 0 && red + blue == 91 * 51,
                   "the hatch over the background, nothing else inside the outline");
    int column = 14;
    while (column < 105 && shot->pixel(column, 14) != kBlue)
        ++column;
    requireInChild(shot->count(column, 14, 1, 51, kBlue) == 51, "the hatch lines are vertical");

    auto arrowShot = captureWindow(client, 130, 20, 20, 12);
    int drawn = arrowShot->count(0, 0, 20, 12, kGreen);
    requireInChild(drawn > 0 && arrowShot->count(7, 3, 6, 6, kGreen) == drawn,
                   "the arrow lies in the 6 x 6 box at (7, 3)");
    auto arcShot = captureWindow(client, 130, 40, 60, 50);
    requireInChild(arcShot->count(0, 23, 4, 4, kBlack) > 0 &&
                       arcShot->count(56, 23, 4, 4, kBlack) > 0 &&
                       arcShot->count(28, 0, 4, 4, kBlack) > 0,
                   "the ellipse's outline in the foreground colour at its left, right and top");
    requireInChild(arcShot->pixel(30, 25) == windowPixel(client, 195, 95),
                   "an arc that is not stippled shows the window at its centre");
    std::vector<bool> raised = arrowPixels(client);
    post(client, WM_MOUSEMOVE, 0);
    post(client, WM_LBUTTONDOWN, MK_LBUTTON);
    std::vector<bool> pressed = arrowPixels(client);
    bool dropped = true;
    for (int i = 0; i < 240; ++i)
        dropped = dropped && pressed[i] == (i >= 20 && raised[i - 20]);
    requireInChild(dropped, "pressed, the same arrow one pixel lower");
    post(client, WM_LBUTTONUP, 0);
    requireInChild(arrowPixels(client) == raised, "released, back in place");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(ShapesOnWindowDeathTest,
                      RectangleLayersItsFillsUnderTheOutlineArcOutlinesAndArrowDropsWhilePressed,
                      shapesScenario(), "")
