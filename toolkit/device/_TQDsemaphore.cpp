// Base semaphore: every operation fails.
#include "_TQDsemaphore.h"

TQDsemaphore::TQDsemaphore() = default;
TQDsemaphore::~TQDsemaphore() = default;

long TQDsemaphore::initialize() { return -1; }
long TQDsemaphore::destroy() { return -1; }
long TQDsemaphore::lock() { return -1; }
long TQDsemaphore::unlock() { return -1; }
