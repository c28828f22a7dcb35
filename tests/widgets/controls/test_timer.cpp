// The timer object on the real private timers under Xvfb: its caption, no
// private timer in edit mode, a one-shot that fires once and reads back
// stopped (its own procedure may start it again), a repeating timer that
// stops when told and when deleted. Ticks are waited for with bounded
// pumps. The scenario runs in a process of its own.
#include "FreshProcess.h"
#include "GuiControlScene.h"
#include "GuiTestApp.h"
#include "_TQCvtimer.h"
#include "_TQGFtrigger.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <string>

namespace {

long g_activations = 0;

void countActivation(TQCbase*)
{
    ++g_activations;
}

void setFlag(TQCbase* timer, const char* name, long on)
{
    timer->setPropertyV(name, static_cast<unsigned char>(on));
}

// Starts the timer again from its first ACTIVATE that runs it.
bool g_restarted = false;

void restartOnce(TQCbase* timer)
{
    if (!g_restarted)
        setFlag(timer, _TQNrunning(), 1);
    g_restarted = true;
}

bool activatedWithin(long count, DWORD ms)
{
    return pumpMessagesUntil([count] { return g_activations >= count; }, ms);
}

// No activation while the pump runs for ms.
bool quietFor(DWORD ms)
{
    long before = g_activations;
    pumpMessagesFor(ms);
    return g_activations == before;
}

void timerScenario()
{
    armWatchdog(90000, "the timer scenario hung");
    GuiControlScene scene;
    TQCvtimer* timer = scene.add<TQCvtimer>("t", 0, 0, 40, 40);
    timer->addProcedureV("count", "countActivation", countActivation, TQEV_ACTIVATE);
    requireInChild(std::string(static_cast<char*>(timer->getTitleString())) == "Timer\n1000ms",
                   "a new timer's caption shows 1000 ms");
    timer->setPropertyV(_TQNinterval(), 500UL);
    requireInChild(std::string(static_cast<char*>(timer->getTitleString())) == "Timer\n500ms",
                   "the caption follows the interval");
    timer->setPropertyEditMode(1);
    setFlag(timer, _TQNrunning(), 1);
    requireInChild(timer->getPrivateTimer() == nullptr, "in edit mode no private timer is made");
    setFlag(timer, _TQNrunning(), 0);
    timer->setPropertyEditMode(0);

    timer->setPropertyV(_TQNinterval(), 100UL);
    setFlag(timer, _TQNcont(), 0);
    setFlag(timer, _TQNrunning(), 1);
    requireInChild(activatedWithin(1, 10000) && quietFor(600) && g_activations == 1,
                   "a one-shot fires exactly once");
    requireInChild(timer->getProperty(_TQNrunning()).getLong() == 0,
                   "and reads back stopped");
    setFlag(timer, _TQNrunning(), 1);
    requireInChild(activatedWithin(2, 10000) && quietFor(600) && g_activations == 2,
                   "started again, it fires once more");
    timer->addProcedureV("restart", "restartOnce", restartOnce, TQEV_ACTIVATE);
    setFlag(timer, _TQNrunning(), 1);
    requireInChild(activatedWithin(4, 10000) && quietFor(600) && g_activations == 4,
                   "started again from its own procedure, it fires once more");

    setFlag(timer, _TQNcont(), 1);
    setFlag(timer, _TQNrunning(), 1);
    requireInChild(activatedWithin(5, 20000), "a repeating timer keeps firing");
    setFlag(timer, _TQNrunning(), 0);
    requireInChild(quietFor(600), "stopped, it fires no more");
    setFlag(timer, _TQNrunning(), 1);
    requireInChild(activatedWithin(g_activations + 1, 10000), "started again, it fires");
    delete timer;
    requireInChild(quietFor(600), "deleted, it fires no more");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(TimerObjectDeathTest, FiresOnRealTicksOnceOrUntilStoppedOrDeleted,
                      timerScenario(), "")
