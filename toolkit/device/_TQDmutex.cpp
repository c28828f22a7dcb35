// Base mutex: every operation fails.
#include "_TQDmutex.h"

TQDmutex::TQDmutex() = default;
TQDmutex::~TQDmutex() = default;

long TQDmutex::initialize() { return -1; }
long TQDmutex::destroy() { return -1; }
long TQDmutex::lock() { return -1; }
long TQDmutex::trylock() { return -1; }
long TQDmutex::unlock() { return -1; }
