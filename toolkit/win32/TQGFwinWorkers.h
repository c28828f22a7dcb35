// The threads the Win32 layer starts for its services: socket watchers,
// child-process readers and watchers, thread objects. Each runs its own
// code before its start returns, and all are asked to end and waited for
// before the process ends, whether by exit (from an exit handler) or by
// TQGFendThreads before a quicker way out. A thread the system has made but
// that has not yet reached its own code must not meet the end of the
// process: Wine's ending of it faults there and takes the process down.
// For the Win32 layer's own .cpp files.
#ifndef TQGFWINWORKERS_H
#define TQGFWINWORKERS_H

#include "TQwin32.h"

// Starts function(parameter) on a new thread and returns its handle, which
// the caller closes, once the thread runs; null when no thread could be
// made or the process is ending.
HANDLE TQGFstartWorker(LPTHREAD_START_ROUTINE function, void* parameter);

// A manual-reset event set when the process ends: workers wait on it beside
// their own events and end when it is set.
HANDLE TQGFworkersEnding();
bool TQGFworkersEnd();

// Sets the ending event and waits for every worker to end, at most a few
// seconds in all, handling meanwhile the messages other threads send to
// this one. A worker calling it does not wait for itself.
void TQGFendWorkers();

// Waits at most timeoutMs for the thread to end, handling meanwhile the
// messages other threads send to this one: whether it ended.
bool TQGFwaitHandlingSentMessages(HANDLE thread, DWORD timeoutMs);

#endif
