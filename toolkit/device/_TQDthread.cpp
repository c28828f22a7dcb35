// Base thread object: holds the functions and fails every thread operation.
#include "_TQDthread.h"

TQDthread::TQDthread()
    : threadData(nullptr), threadFunction(nullptr), callbackFunction(nullptr)
{
}

TQDthread::~TQDthread() = default;

long TQDthread::createThread(void*) { return -1; }
long TQDthread::detachThread() { return -1; }
long TQDthread::joinThread(void**) { return 0; }
long TQDthread::terminateThread() { return 0; }
long TQDthread::getStatus() { return 0; }
long TQDthread::execCallback(void*) { return 0; }
