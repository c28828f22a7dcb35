// Working dialog on real windows under Xvfb: its parts laid out for look A,
// setValue() repainting the bar and handling a waiting cancel click before
// it returns, a progress beyond 100, and its own modal loop ended by
// Escape. The scenario runs in a process of its own.
#include "DialogScript.h"
#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "_TQCcolorSet.h"
#include "_TQCform.h"
#include "_TQCguiPolicy.h"
#include "_TQCvbtn.h"
#include "_TQCvmeter.h"
#include "_TQCworkingDialog.h"
#include "_TQGFgeometry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const COLORREF kRed = RGB(255, 0, 0);

std::string text(TQCbase* o, const char* name)
{
    TQCvariant v = o->getProperty(name);
    return v.getCharPtrConst() != nullptr ? v.getCharPtrConst() : "";
}

bool placed(TQCbase* o, long x, long y, long w, long h)
{
    return o->getProperty("x").getLong() == x && o->getProperty("y").getLong() == y &&
           o->getProperty("width").getLong() == w && o->getProperty("height").getLong() == h;
}

// The right end of the bar's fill on the middle row of the bar frame: the
// last red pixel, -1 for none.
int barEnd(TQCworkingDialog* d)
{
    auto row = captureWindow(formWindowOf(d->getBarFrame()), 0, 10, 278, 1);
    int end = -1;
    for (int x = 0; x < 278; ++x)
        if (row->pixel(x, 0) == kRed)
            end = x;
    return end;
}

void workingScenario()
{
    armWatchdog(60000, "the working dialog scenario hung");
    startGuiScenario(TQCguiPolicy::LOOK_A);
    TQCworkingDialog* d = new TQCworkingDialog(nullptr, "work");
    d->initialize();
    requireInChild(d->getProperty("ok").getLong() == 0 && d->getProperty("no").getLong() == 0 &&
                       text(d->getCaption(), "labelString") == "Working...",
                   "a new dialog: only cancel, captioned Working...");
    d->setProperty("hatchColor", TQGIappColorSet()->getColorNo("#ff0000"));
    TQGFsetGeometry(d, 200, 150, 300, 150);
    requireInChild(placed(d->getWorkForm(), 0, 5, 300, 105) &&
                       placed(d->getBarFrame(), 10, 42, 278, 20) &&
                       placed(d->getCaption(), 10, 12, 278, 30) &&
                       placed(d->getPercentLabel(), 10, 62, 278, 30) &&
                       placed(d->getMeter(), 1, 1, 276, 18),
                   "the bar in the middle of the work form, caption above, percentage below");

    d->setVisible(1);
    pumpPendingMessages(5000);
    requireInChild(d->getStatus() == 1, "shown, it is running");
    d->setValue(42);
    requireInChild(text(d->getPercentLabel(), "labelString") == "42%",
                   "42 shows as 42%");
    // The fill starts inside the frame and the meter's pen at x 2; 42 % of
    // the 274 inside the pen is 115 wide, under the outline's right edge.
    const int at42 = barEnd(d);
    requireInChild(at42 >= 113 && at42 <= 116, "the bar fills 42 % before setValue returns");
    d->setValue(300);
    requireInChild(text(d->getPercentLabel(), "labelString") == "300%" &&
                       d->getMeter()->getProperty("value1").getLong() == 100 && barEnd(d) > 270,
                   "300 shows as 300% over a full bar");

    DialogScript::clickNow(d->getCancelButton());
    d->setValue(50);
    requireInChild(d->getStatus() == 0 && !d->getVisible(),
                   "a waiting cancel click is handled inside setValue");

    long answer = -2;
    {
        DialogScript user(d);
        user.escape(300);
        answer = d->popup();
        requireInChild(!user.watchdogFired(), "the loop ended before the watchdog");
    }
    requireInChild(answer == 1 && !d->getVisible(), "Escape hides it, still running: 1");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(WorkingDialogDeathTest, BarMovesAndCancelAnswersWhileATaskRuns,
                      workingScenario(), "")
