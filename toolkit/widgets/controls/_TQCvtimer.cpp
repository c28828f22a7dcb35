// Interval timer object: its three properties, the private timer they drive
// and the caption that shows the interval.
#include "_TQCvtimer.h"

#include "_TQCtypeServerFrame.h"
#include "_TQDprivateTimer.h"
#include "_TQGFtrigger.h"

#include <string>

TQ_TYPE_SERVER_FRAME(TQCvtimer, TQCngbase);

TQCvtimer::TQCvtimer(TQCbase* parent, const char* name)
    : TQCngbase(parent, name), m_cont(1), m_running(0)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, interval, 1000);
        TQ_WATCH_FLAG(r, cont, 1, bool);
        TQ_WATCH_FLAG(r, running, 0, bool3);
        r.triggers({TQEV_ACTIVATE});
    });
    showInterval();
}

TQCvtimer::~TQCvtimer()
{
    delete m_timer;
    m_timer = nullptr;
}

void TQCvtimer::showInterval()
{
    _set_title_string(("Timer\n" + std::to_string(m_interval) + "ms").c_str());
}

void TQCvtimer::setWorkTQNinterval(unsigned long)
{
    if (m_timer != nullptr)
        m_timer->setRate(static_cast<long>(m_interval));
    showInterval();
}

void TQCvtimer::setWorkTQNcont(TQCbool)
{
    if (m_timer != nullptr)
        m_timer->setCont(m_cont);
}

void TQCvtimer::setWorkTQNrunning(TQCbool)
{
    if (getPropertyEditMode())
        return;
    if (m_timer == nullptr) {
        m_timer = TQDprivateTimer::getNewInstance();
        if (m_timer == nullptr)
            return;
        m_timer->setWorkProc(_timer_proc, this);
    }
    if (!m_running) {
        m_timer->stopTimer();
        return;
    }
    m_timer->setCont(m_cont);
    m_timer->setRate(static_cast<long>(m_interval));
    m_timer->startTimer();
}

// running is cleared before the procedures run: one of them may delete the
// object, or start it again.
void TQCvtimer::_timer_proc(void* object)
{
    TQCvtimer* timer = static_cast<TQCvtimer*>(object);
    if (!timer->m_cont)
        timer->m_running = 0;
    timer->onActivate();
}

void TQCvtimer::onActivate()
{
    execProcedure(TQEV_ACTIVATE);
}
