// Stretch animation of pop-ups: the opening grows the height in 15 steps and
// then sets the full height; the closing shrinks it in 14 steps and then hides
// the object with its full height restored.
#include "_TQGFstretchPopup.h"

#include "_TQCbase.h"
#include "_TQCvariant.h"
#include "_TQDprivateTimer.h"
#include "_TQN.h"

namespace {

// User-data keys on the animated object.
const char* const kSize = "size";
const char* const kOpenCount = "stretch-cnt";
const char* const kCloseCount = "stretch-cnt2";
const char* const kOpening = "stretch_popup";
const char* const kClosing = "stretch_popdown";
const char* const kOpenTimer = "stretch-timer";
const char* const kCloseTimer = "stretch-timer2";
// The partial height a cancelled animation left behind, plus one; 0 when
// none is left.
const char* const kPartial = "stretch-partial";

// Milliseconds between steps.
const long kStepRate = 5;

// Opening step n shows (d - 1) / d of the full height; step 15 shows all of it.
const unsigned long kOpenDivisors[] = { 2, 3, 4, 5, 6, 8, 11, 15, 20, 26, 33, 41, 50, 60, 80 };
const long kOpenSteps = sizeof(kOpenDivisors) / sizeof(kOpenDivisors[0]);

// Closing step n (14 down to 1) shows num / den of the full height; step 0
// hides the object.
struct Fraction {
    unsigned long num;
    unsigned long den;
};
const Fraction kCloseFractions[] = {
    { 1, 1 },   { 1, 64 }, { 1, 32 }, { 1, 24 },  { 1, 16 },  { 1, 12 },  { 1, 8 },  { 1, 4 },
    { 1, 2 },   { 3, 4 },  { 7, 8 },  { 15, 16 }, { 23, 24 }, { 31, 32 }, { 63, 64 },
};
const long kCloseFirstStep = sizeof(kCloseFractions) / sizeof(kCloseFractions[0]) - 1;

unsigned long readHeight(TQCbase* object)
{
    return object->getProperty(_TQNheight()).getUnsignedShort();
}

void writeHeight(TQCbase* object, unsigned long height)
{
    object->setProperty(_TQNheight(), TQCvariant(static_cast<unsigned short>(height)));
}

unsigned long storedSize(TQCbase* object)
{
    return static_cast<unsigned short>(object->getUserLongData(kSize));
}

bool isSet(TQCbase* object, const char* flag)
{
    return object->getUserLongData(flag) == 1;
}

long readCount(TQCbase* object, const char* key)
{
    return static_cast<long>(object->getUserLongData(key));
}

void writeCount(TQCbase* object, const char* key, long n)
{
    object->setUserLongData(key, static_cast<unsigned long>(n));
}

TQDprivateTimer* timerOf(TQCbase* object, const char* key)
{
    return static_cast<TQDprivateTimer*>(object->getUserData(key));
}

void stopTimerOf(TQCbase* object, const char* key)
{
    if (TQDprivateTimer* timer = timerOf(object, key))
        timer->stopTimer();
}

// The timer is made on first use and kept for every later animation.
TQDprivateTimer* timerFor(TQCbase* object, const char* key, TQDprivateTimer::WorkProc step)
{
    TQDprivateTimer* timer = timerOf(object, key);
    if (timer == nullptr) {
        timer = TQDprivateTimer::getNewInstance();
        timer->setRate(kStepRate);
        timer->setWorkProc(step, object);
        object->setUserData(key, timer);
    }
    return timer;
}

// Visibility procedures may destroy the object: false when they did.
bool showSurvived(TQCbase* object, unsigned char on)
{
    TQCbase::LifeGuard guard(object);
    object->setVisible(on);
    return guard.alive();
}

// An object hidden by someone else gets its full height back and the
// animation ends. Its flag is cleared too, so that a set flag always means
// a running animation whose partial height must not be taken as the full one.
bool abandonedWhileHidden(TQCbase* object, const char* timerKey, const char* flag)
{
    if (object->getVisible())
        return false;
    writeHeight(object, storedSize(object));
    stopTimerOf(object, timerKey);
    writeCount(object, flag, 0);
    return true;
}

void openStep(void* data)
{
    TQCbase* object = static_cast<TQCbase*>(data);
    if (abandonedWhileHidden(object, kOpenTimer, kOpening))
        return;
    unsigned long size = storedSize(object);
    long n = readCount(object, kOpenCount);
    if (n >= 0 && n < kOpenSteps) {
        unsigned long d = kOpenDivisors[n];
        writeHeight(object, size * (d - 1) / d);
    } else if (n == kOpenSteps) {
        writeHeight(object, size);
        stopTimerOf(object, kOpenTimer);
        writeCount(object, kOpening, 0);
    }
    writeCount(object, kOpenCount, n + 1);
}

void closeStep(void* data)
{
    TQCbase* object = static_cast<TQCbase*>(data);
    if (abandonedWhileHidden(object, kCloseTimer, kClosing))
        return;
    unsigned long size = storedSize(object);
    long n = readCount(object, kCloseCount);
    if (n >= 1 && n <= kCloseFirstStep) {
        writeHeight(object, size * kCloseFractions[n].num / kCloseFractions[n].den);
    } else if (n == 0) {
        if (!showSurvived(object, 0))
            return;
        // The next opening starts from the full height.
        writeHeight(object, size);
        writeCount(object, kClosing, 0);
        stopTimerOf(object, kCloseTimer);
    }
    writeCount(object, kCloseCount, n - 1);
}

// A cancelled animation leaves a partial height that is not the full one.
void markPartialHeight(TQCbase* object)
{
    object->setUserLongData(kPartial, readHeight(object) + 1);
}

// While the same animation runs, or while a cancelled one's partial height
// is still there, the full height stored before is kept, so that a drop-down
// does not shrink a little each time. A height the owner set since then is
// the new full height.
void rememberFullHeight(TQCbase* object, const char* runningFlag)
{
    unsigned long height = readHeight(object);
    bool partial = object->getUserLongData(kPartial) == height + 1;
    if (!isSet(object, runningFlag) && !partial)
        object->setUserLongData(kSize, height);
    writeCount(object, kPartial, 0);
}

} // namespace

void TQGFstretchPopup(TQCbase* object)
{
    if (object == nullptr)
        return;
    if (isSet(object, kClosing)) {
        // Cancelled: the height stays where the closing left it.
        writeCount(object, kClosing, 0);
        markPartialHeight(object);
        if (!showSurvived(object, 1))
            return;
        stopTimerOf(object, kCloseTimer);
        return;
    }
    rememberFullHeight(object, kOpening);
    writeHeight(object, 1);
    if (!showSurvived(object, 1))
        return;
    TQDprivateTimer* timer = timerFor(object, kOpenTimer, openStep);
    writeCount(object, kOpenCount, 0);
    writeCount(object, kOpening, 1);
    timer->startTimer();
}

void TQGFstretchPopdown(TQCbase* object)
{
    if (object == nullptr)
        return;
    if (isSet(object, kOpening)) {
        // Cancelled: hidden at once with the height the opening left.
        stopTimerOf(object, kOpenTimer);
        markPartialHeight(object);
        if (!showSurvived(object, 0))
            return;
        writeCount(object, kOpening, 0);
        return;
    }
    TQDprivateTimer* timer = timerFor(object, kCloseTimer, closeStep);
    rememberFullHeight(object, kClosing);
    writeCount(object, kCloseCount, kCloseFirstStep);
    writeCount(object, kClosing, 1);
    timer->startTimer();
}

void TQGFcleanupStretchAction(TQCbase* object)
{
    if (object == nullptr)
        return;
    const char* const keys[] = { kOpenTimer, kCloseTimer };
    for (const char* key : keys) {
        if (TQDprivateTimer* timer = timerOf(object, key)) {
            delete timer;
            object->setUserData(key, nullptr);
        }
    }
}
