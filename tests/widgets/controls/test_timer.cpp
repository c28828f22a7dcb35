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
long g_restartAt = 0;  // the activation whose procedure starts the timer again

void setFlag(TQCbase* timer, const char* name, long on)
{
    timer->setPropertyV(name, static_cast<unsigned char>(on));
}

void onActivate(TQCbase* timer)
{
    if (++g_activations == g_restartAt)
        setFlag(timer, _TQNrunning(), 1);
}

// The count reached within a generous deadline, then no activation for
// 600 ms.
bool firesUpTo(long count, bool thenQuiet = true)
{
    if (!pumpMessagesUntil([count] { return g_activations >= count; }, 20000))
        return false;
    long reached = g_activations;
    pumpMessagesFor(thenQuiet ? 600 : 0);
    return !thenQuiet || g_activations == reached;
}

std::string caption(TQCvtimer* timer)
{
    return static_cast<char*>(timer->getTitleString());
}

void timerScenario()
{
    armWatchdog(90000, "the timer scenario hung");
    GuiControlScene scene;
    TQCvtimer* timer = scene.add<TQCvtimer>("t", 0, 0, 40, 40);
    timer->addProcedureV("count", "onActivate", onActivate, TQEV_ACTIVATE);
    requireInChild(caption(timer) == "Timer\n1000ms", "a new timer's caption shows 1000 ms");
    timer->setPropertyV(_TQNinterval(), 500UL);
    requireInChild(caption(timer) == "Timer\n500ms", "the caption follows the interval");
    timer->setPropertyEditMode(1);
    setFlag(timer, _TQNrunning(), 1);
    requireInChild(timer->getPrivateTimer() == nullptr, "in edit mode no private timer is made");
    setFlag(timer, _TQNrunning(), 0);
    timer->setPropertyEditMode(0);

    timer->setPropertyV(_TQNinterval(), 100UL);
    setFlag(timer, _TQNcont(), 0);
    setFlag(timer, _TQNrunning(), 1);
    requireInChild(firesUpTo(1) && g_activations == 1, "a one-shot fires exactly once");
    requireInChild(timer->getProperty(_TQNrunning()).getLong() == 0, "and reads back stopped");
    g_restartAt = 2;
    setFlag(timer, _TQNrunning(), 1);
    requireInChild(firesUpTo(3) && g_activations == 3,
                   "started again, it fires once, and once more when its procedure starts it");

    setFlag(timer, _TQNcont(), 1);
    setFlag(timer, _TQNrunning(), 1);
    requireInChild(firesUpTo(6, false), "a repeating timer keeps firing");
    setFlag(timer, _TQNrunning(), 0);
    requireInChild(firesUpTo(g_activations), "stopped, it fires no more");
    setFlag(timer, _TQNrunning(), 1);
    requireInChild(firesUpTo(g_activations + 1, false), "started again, it fires");
    delete timer;
    requireInChild(firesUpTo(g_activations), "deleted, it fires no more");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(TimerObjectDeathTest, FiresOnRealTicksOnceOrUntilStoppedOrDeleted,
                      timerScenario(), "")
