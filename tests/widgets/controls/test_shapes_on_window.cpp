// A rectangle and an arrow button in a real top-level window under Xvfb,
// drawn through GDI and read back: the rectangle's background, hatch and
// outline in that order, and the arrow in its box, a pixel lower while a
// posted press holds the button. Each scenario runs in a process of its own.
#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "_TQCcolorSet.h"
#include "_TQCguiPolicy.h"
#include "_TQCvarrow.h"
#include "_TQCvrect.h"
#include "_TQCwindow.h"
#include "_TQGFgeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

const DWORD kPatience = 5000;
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);

short colorNo(const char* name)
{
    return TQGIappColorSet()->getColorNo(name);
}

TQCwindow* shownWindow()
{
    requireInChild(startGuiApp() != nullptr, "the application window exists");
    TQGIappGuiPolicy()->setGuiPolicy(TQCguiPolicy::LOOK_A, 0);
    return makeToolkitWindow("w", 50, 60, 200, 100);
}

// The rectangle is 100 x 60 at (10, 10) with a pen of 4.
void rectangleScenario()
{
    armWatchdog(30000, "the rectangle scenario hung");
    TQCwindow* window = shownWindow();
    TQCvrect* rect = new TQCvrect(window, "r");
    rect->initialize();
    TQGFsetGeometry(rect, 10, 10, 100, 60);
    rect->setPropertyV("lineWidth", static_cast<unsigned short>(4));
    rect->setPropertyV("stippled", static_cast<unsigned char>(1));
    rect->setPropertyV("hatchPattern", static_cast<unsigned char>(3));
    rect->setPropertyV("backColorFlag", static_cast<unsigned char>(1));
    rect->setPropertyV("backColor", colorNo("#ff0000"));
    rect->setPropertyV("hatchColor", colorNo("#0000ff"));
    rect->setPropertyV("foreColor", colorNo("#000000"));
    rect->setVisible(1);
    requireInChild(showAndPaint(window), "the window is painted");
    auto shot = captureWindow(clientWindowOf(window), 0, 0, 200, 100);
    // The outline is drawn on the rectangle (12, 12, 96, 56) where the
    // fills end, so its inner half covers their edges.
    requireInChild(shot->count(10, 40, 4, 1, kBlack) == 4 &&
                       shot->count(105, 40, 4, 1, kBlack) == 4 &&
                       shot->count(60, 10, 1, 4, kBlack) == 4 &&
                       shot->count(60, 65, 1, 4, kBlack) == 4,
                   "the pen's 4 pixels inside the widget, over the fill's edge");
    requireInChild(shot->pixel(9, 40) != kBlack && shot->pixel(60, 9) != kBlack &&
                       shot->pixel(110, 40) != kBlack && shot->pixel(60, 70) != kBlack,
                   "and nothing outside it");
    const int inside = 91 * 51;
    int red = shot->count(14, 14, 91, 51, kRed);
    int blue = shot->count(14, 14, 91, 51, kBlue);
    requireInChild(red > blue && blue > 0 && red + blue == inside,
                   "the hatch over the background, nothing else inside the outline");
    int column = 14;
    while (column < 105 && shot->pixel(column, 14) != kBlue)
        ++column;
    requireInChild(shot->count(column, 14, 1, 51, kBlue) == 51, "the hatch lines are vertical");
    passInChild();
}

// The pixels of the colour in the button's rectangle, one bit per pixel.
std::vector<bool> pixelsOf(HWND client, COLORREF color)
{
    auto shot = captureWindow(client, 130, 20, 20, 12);
    std::vector<bool> on;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 20; ++x)
            on.push_back(shot->pixel(x, y) == color);
    return on;
}

// The arrow button is 20 x 12 at (130, 20); a frame of 4 leaves no room for
// a focus frame, so the arrow is all that is drawn in its colour.
void arrowScenario()
{
    armWatchdog(30000, "the arrow scenario hung");
    TQCwindow* window = shownWindow();
    TQCvarrow* arrow = new TQCvarrow(window, "a");
    arrow->initialize();
    TQGFsetGeometry(arrow, 130, 20, 20, 12);
    arrow->setPropertyV("foreColor", colorNo("#00ff00"));
    arrow->setPropertyV("shadowThickness", static_cast<unsigned char>(4));
    arrow->setVisible(1);
    requireInChild(showAndPaint(window), "the window is painted");
    HWND client = clientWindowOf(window);
    std::vector<bool> raised = pixelsOf(client, kGreen);
    int top = 12, bottom = -1, widthTop = 0, widthBottom = 0;
    bool inBox = true;
    for (int i = 0; i < 240; ++i) {
        int x = i % 20, y = i / 20;
        if (!raised[i])
            continue;
        inBox = inBox && x >= 7 && x < 13 && y >= 3 && y < 9;
        widthTop += y < top ? -widthTop + 1 : y == top ? 1 : 0;
        widthBottom += y > bottom ? -widthBottom + 1 : y == bottom ? 1 : 0;
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    requireInChild(bottom >= 0 && inBox, "the arrow lies in the 6 x 6 box at (7, 3)");
    requireInChild(widthTop < widthBottom, "and points up");

    PostMessageA(client, WM_MOUSEMOVE, 0, MAKELPARAM(135, 25));
    PostMessageA(client, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(135, 25));
    pumpPendingMessages(kPatience);
    std::vector<bool> pressed = pixelsOf(client, kGreen);
    bool dropped = true;
    for (int i = 0; i < 240; ++i)
        dropped = dropped && pressed[i] == (i >= 20 && raised[i - 20]);
    requireInChild(dropped, "pressed, the same arrow one pixel lower");
    PostMessageA(client, WM_LBUTTONUP, 0, MAKELPARAM(135, 25));
    pumpPendingMessages(kPatience);
    requireInChild(pixelsOf(client, kGreen) == raised, "released, back in place");
    passInChild();
}

} // namespace

TEST(ShapesOnWindowDeathTest, RectangleShowsBackgroundUnderItsHatchInsideItsOutline)
{
    EXPECT_EXIT(rectangleScenario(), ::testing::ExitedWithCode(0), "");
}

TEST(ShapesOnWindowDeathTest, ArrowFillsItsBoxAndDropsAPixelWhilePressed)
{
    EXPECT_EXIT(arrowScenario(), ::testing::ExitedWithCode(0), "");
}
