// The analysis's messages reach the user in the shared message dialog once
// the program's dialog handlers and the message sink are installed as the
// application's dialog road describes.
#include "DialogScript.h"
#include "FreshProcess.h"
#include "GuiTestApp.h"
#include "_TQCmessageDialog.h"
#include "_TQCvbtn.h"
#include "analysisMessage.h"
#include "appDialogs.h"
#include "fftPlus.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

long popupDialog(TQCbase* dialog)
{
    return static_cast<TQCbaseDialog*>(dialog->cast("TQCbaseDialog"))->popup();
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
    DialogScript user(dialog);
    user.at(300, [&] {
        TQCvariant text = dialog->getLabel()->getProperty("labelString");
        shown = text.getCharPtrConst() + std::string(" at ") +
                std::to_string(dialog->getProperty("x").getLong()) + "," +
                std::to_string(dialog->getProperty("y").getLong());
    });
    user.click(dialog->getOkButton(), 400);
    std::vector<double> p{3, 2, 1, 0}, pDB(4), spare(4), restored(4, 0.0), restoredDB(4);
    calc_dB(p.data(), pDB.data(), spare.data(), restored.data(), restoredDB.data(), 4);
    requireInChild(!user.watchdogFired(), "OK closed the message");
    requireInChild(shown == "signal too flat, could't calculate dB at 100,100",
                   "the analysis's message, at the place it gives, is the dialog's text");
    std::fprintf(stderr, "scenario done\n");
    passInChild();
}

} // namespace

TEST(AppMessagesDeathTest, FlatSpectrumIsShownInTheMessageDialog)
{
    EXPECT_EXIT(flatSpectrumScenario(), ::testing::ExitedWithCode(0), "scenario done");
}
