// Base private timer: holds rate, procedure and flags; never fires.
#include "_TQDprivateTimer.h"

TQDprivateTimer::TQDprivateTimer()
    : rate(50), workProc(nullptr), data(nullptr), continuous(1), running(0)
{
}

TQDprivateTimer::~TQDprivateTimer() = default;

void TQDprivateTimer::startTimer() {}
void TQDprivateTimer::stopTimer() {}

void TQDprivateTimer::setRate(long milliseconds)
{
    rate = milliseconds;
    if (running) {
        stopTimer();
        startTimer();
    }
}

void TQDprivateTimer::setWorkProc(WorkProc proc, void* procData)
{
    workProc = proc;
    data = procData;
}

void TQDprivateTimer::setCont(unsigned char cont)
{
    continuous = cont;
}
