// Blink manager: three parallel lists of registrations (widget, rate, mode)
// and the tick that redraws the widgets that are due.
#include "_TQCblink.h"

#include "_TQCbase.h"
#include "_TQDtimer.h"

#include <cstdint>
#include <vector>

namespace {

void* asEntry(unsigned char value)
{
    return reinterpret_cast<void*>(static_cast<uintptr_t>(value));
}

unsigned char fromEntry(void* entry)
{
    return static_cast<unsigned char>(reinterpret_cast<uintptr_t>(entry));
}

// A rate below one tick blinks as fast as the timer allows.
long usableRate(long rate)
{
    return rate == 0 ? 1 : rate;
}

} // namespace

struct TQCblink::Registration {
    TQCbase* object;
    unsigned char rate;
    unsigned char mode;
};

TQCblink::TQCblink() : timerId(0), counter(0)
{
}

TQCblink::~TQCblink()
{
    unhookTimer();
}

long TQCblink::addBlinkInstance(TQCbase* object, unsigned char rate, unsigned char mode)
{
    if (object == nullptr)
        return -1;
    instances.add(object);
    rates.add(asEntry(rate));
    modes.add(asEntry(mode));
    if (timerId == 0) {
        // Without a platform timer nothing blinks; the next registration
        // tries again.
        if (TQDtimer* timer = TQGIappTimer())
            timerId = timer->addTimerProc(_blink_proc, 1, this);
    }
    return 0;
}

long TQCblink::delBlinkInstance(TQCbase* object)
{
    if (object == nullptr || object->cast("TQCnwbase") == nullptr)
        return -1;
    for (long i = 0; i < instances.getNum(); ++i) {
        if (instances.getData(i) == object) {
            instances.delPos(i);
            rates.delPos(i);
            modes.delPos(i);
            break;
        }
    }
    if (instances.getNum() == 0)
        unhookTimer();
    return 0;
}

void TQCblink::unhookTimer()
{
    if (timerId == 0)
        return;
    if (TQDtimer* timer = TQGIappTimer())
        timer->delTimerProc(timerId);
    timerId = 0;
}

// counter / rate, truncated toward zero, is odd.
unsigned char TQCblink::getBlinkFore(long rate)
{
    return (counter / usableRate(rate)) % 2 != 0 ? 1 : 0;
}

void TQCblink::_blink_proc(unsigned char tick, void* manager)
{
    static_cast<TQCblink*>(manager)->redrawDue(tick);
}

// A redraw may register or remove widgets, or delete them (their destructors
// remove them): the walk goes over the registrations as they stood when the
// tick began, and skips widgets that are no longer registered.
void TQCblink::redrawDue(unsigned char tick)
{
    std::vector<Registration> due;
    due.reserve(static_cast<size_t>(instances.getNum()));
    for (long i = 0; i < instances.getNum(); ++i) {
        due.push_back(Registration{ static_cast<TQCbase*>(instances.getData(i)),
                                    fromEntry(rates.getData(i)), fromEntry(modes.getData(i)) });
    }
    counter = -1 - static_cast<long>(tick);
    for (const Registration& entry : due) {
        if (tick % usableRate(entry.rate) != 0 || !holds(entry.object))
            continue;
        if (entry.mode == 0) {
            entry.object->clear();
            entry.object->setAbsoluteDraw(1);
            entry.object->draw();
            entry.object->drawGriphand();
        } else {
            entry.object->redraw();
        }
    }
}

bool TQCblink::holds(TQCbase* object) const
{
    for (long i = 0; i < instances.getNum(); ++i) {
        if (instances.getData(i) == object)
            return true;
    }
    return false;
}

TQCblink* TQGIappBlink()
{
    static TQCblink* manager = new TQCblink();
    return manager;
}
