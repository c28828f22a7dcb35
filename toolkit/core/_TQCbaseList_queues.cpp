// The application object list: the update and initialise queues.
#include "_TQCbaseList.h"

#include <cstring>
#include <memory>

#include "_TQCbase.h"
#include "_TQDappDev.h"
#include "_TQGFdebug.h"
#include "_TQCbaseList_internal.h"

using tqbaselist::FrameScope;

namespace {

// Source name in the debug log's trace lines.
const char kSource[] = "_TQCbaseList";

} // namespace

void TQCbaseList::addNeedUpdate(TQCbase* object)
{
    updateQueue->add(object);
}

void TQCbaseList::addNeedInitialize(TQCbase* object)
{
    initializeQueue->add(object);
}

// A lone queued object is updated whatever its need-update flag says; from
// two on, only those still flagged are. Objects queued meanwhile wait for
// the next run.
void TQCbaseList::execUpdate()
{
    __dbprintf("TQCbaseList::execUpdate %s:%d start.\n", kSource, __LINE__);
    long n = updateQueue->getNum();
    if (n == 0)
        return;
    if (n == 1) {
        TQCbase* only = static_cast<TQCbase*>(updateQueue->getData(0));
        updateQueue->clear();
        only->update();
        __dbprintf("TQCbaseList::execUpdate %s:%d done3.\n", kSource, __LINE__);
        return;
    }
    enum { STACK_SNAPSHOT = 64 };
    TQCbase* onStack[STACK_SNAPSHOT];
    std::unique_ptr<TQCbase*[]> onHeap;
    TQCbase** snapshot = onStack;
    if (n > STACK_SNAPSHOT) {
        onHeap.reset(new TQCbase*[n]);
        snapshot = onHeap.get();
    }
    std::memcpy(snapshot, updateQueue->getBuf(), sizeof(TQCbase*) * n);
    updateQueue->clear();
    runUpdates(snapshot, n);
    if (onHeap)
        __dbprintf("TQCbaseList::execUpdate %s:%d done1.\n", kSource, __LINE__);
    else
        __dbprintf("TQCbaseList::execUpdate %s:%d done2.\n", kSource, __LINE__);
}

void TQCbaseList::runUpdates(TQCbase** snapshot, long n)
{
    RunFrame frame = {snapshot, n, runningFrames};
    FrameScope<RunFrame> scope(runningFrames, &frame);
    for (long i = 0; i < n; ++i) {
        TQCbase* object = snapshot[i];
        if (object != nullptr && object->isNeedUpdate())
            object->update();
    }
}

// Nothing runs before the application device's first initialise run has
// happened, nor while it is under way. The device is asked only once that
// process-wide flag is set, so this never brings the device into being.
void TQCbaseList::execInitialize()
{
    __dbprintf("TQCbaseList::execInitialize %s:%d start.\n", kSource, __LINE__);
    if (!TQDappDev::getInitializeExecuted())
        return;
    TQDappDev* app = TQGIappDev();
    if (app != nullptr && app->getUnderExecInitialize())
        return;
    runInitializeQueue();
    __dbprintf("TQCbaseList::execInitialize %s:%d done.\n", kSource, __LINE__);
}

void TQCbaseList::runInitializeQueue()
{
    long n = initializeQueue->getNum();
    if (n == 0)
        return;
    std::unique_ptr<TQCbase*[]> snapshot(new TQCbase*[n]);
    std::memcpy(snapshot.get(), initializeQueue->getBuf(), sizeof(TQCbase*) * n);
    initializeQueue->clear();

    RunFrame frame = {snapshot.get(), n, runningFrames};
    FrameScope<RunFrame> scope(runningFrames, &frame);
    for (long i = 0; i < n; ++i) {
        TQCbase* object = snapshot[i];
        if (object != nullptr)
            object->execProcedure(0L);
    }
}
