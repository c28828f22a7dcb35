// The analysis's messages reach the user through the shared message dialog
// once the program's dialog handlers and the message sink are installed as
// the dialog road of the application describes.
#include "DialogScript.h"
#include "FreshProcess.h"
#include "GuiTestApp.h"
#include "analysisMessage.h"
#include "appDialogs.h"
#include "fftPlus.h"
#include "_TQCmessageDialog.h"
#include "_TQCvbtn.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

long popupDialog(TQCbase* dialog)
{
    TQCbaseDialog* base = static_cast<TQCbaseDialog*>(dialog->cast("TQCbaseDialog"));
    return base != nullptr ? base->popup() : -1;
}

TQCbase* messageDialog()
{
    return TQGIappMessageDialog();
}

void flatSpectrumScenario()
{
    armWatchdog(30000, "the message scenario hung");
    requireInChild(startGuiApp() != nullptr, "the application window exists");
    setAppDialogHandlers({popupDialog, nullptr, messageDialog, nullptr});
    setAnalysisMessageSink(showAppMessage);

    TQCmessageDialog* dialog = TQGIappMessageDialog();
    std::string shown;
    long x = 0, y = 0;
    DialogScript user(dialog);
    user.at(300, [&] {
        TQCvariant text = dialog->getLabel()->getProperty("labelString");
        shown = text.getCharPtrConst();
        x = dialog->getProperty("x").getLong();
        y = dialog->getProperty("y").getLong();
    });
    user.click(dialog->getOkButton(), 400);
    std::vector<double> p{3, 2, 1, 0}, pDB(4), spare(4), restored(4, 0.0), restoredDB(4);
    calc_dB(p.data(), pDB.data(), spare.data(), restored.data(), restoredDB.data(), 4);
    requireInChild(!user.watchdogFired(), "OK closed the message");
    requireInChild(shown == "signal too flat, could't calculate dB",
                   "the analysis's message is the dialog's text");
    requireInChild(x == 100 && y == 100, "at the place the analysis gives");
    std::fprintf(stderr, "scenario done\n");
    passInChild();
}

} // namespace

TEST(AppMessagesDeathTest, FlatSpectrumIsShownInTheMessageDialog)
{
    EXPECT_EXIT(flatSpectrumScenario(), ::testing::ExitedWithCode(0), "scenario done");
}
