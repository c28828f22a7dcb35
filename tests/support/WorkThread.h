// Work on a thread of its own, for tests that must not hang when the code
// under test does.
#ifndef WORKTHREAD_H
#define WORKTHREAD_H

#include "TQwin32.h"

#include <functional>

// Runs work on a new thread, which owns it; the caller closes the handle.
HANDLE startWork(std::function<void()> work);
// Runs work on a thread of its own and answers whether it finished within
// timeoutMs. A thread that did not finish is left behind, so a blocked test
// fails instead of hanging.
bool finishesWithin(DWORD timeoutMs, std::function<void()> work);

#endif
