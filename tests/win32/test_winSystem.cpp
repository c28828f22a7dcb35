// Command lines run as processes, with and without waiting for their end.
#include "FreshApp.h"
#include "FreshProcess.h"
#include "TQGFsystem.h"
#include "TQGFwinMain.h"

#include <gtest/gtest.h>

namespace {

void commandLinesScenario()
{
    armWatchdog(20000, "_system did not return");
    // The real code converter hands the line on in the system's encoding.
    TQGFdeviceInitialize();
    char waited[] = "  cmd /c exit 3  ";
    requireInChild(_system(waited) == 3, "the exit code after the end");
    char stillActive[] = "cmd /c exit 259";
    requireInChild(_system(stillActive) == 259, "an exit code equal to STILL_ACTIVE ends the wait");
    char background[] = "cmd /c exit 3 &";
    requireInChild(_system(background) == 0, "0 without waiting");
    char missing[] = "tq-no-such-program";
    requireInChild(_system(missing) == -1, "-1 when it cannot start");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(WinSystemDeathTest, AnswersExitCodeOrZeroInTheBackgroundOrMinusOne,
                      commandLinesScenario(), "")
