// The initialize manager.
#include "_TQCinitializeManager.h"

namespace {

typedef void (*InitializeProc)();

// Procedure addresses travel through the pointer list as data pointers;
// on this platform both have the same size.
void* asData(InitializeProc proc)
{
    return reinterpret_cast<void*>(proc);
}

InitializeProc asProc(void* data)
{
    return reinterpret_cast<InitializeProc>(data);
}

} // namespace

TQCinitializeManager::TQCinitializeManager() : executed(0) {}

TQCinitializeManager::~TQCinitializeManager() = default;

void TQCinitializeManager::addInitializeProc(void (*proc)())
{
    if (!proc)
        return;
    if (executed) {
        proc();
        return;
    }
    procs.add(asData(proc));
}

void TQCinitializeManager::execInitializeProcs()
{
    // Procedures that a running procedure adds are listed, but not run now.
    const long count = procs.getNum();
    for (long i = 0; i < count; ++i)
        asProc(procs.getData(i))();
    executed = 1;
}

TQCinitializeManager::Registration::Registration(std::initializer_list<void (*)()> procs)
{
    TQCinitializeManager* manager = TQGIappInitializeManager();
    for (void (*proc)() : procs)
        manager->addInitializeProc(proc);
}

TQCinitializeManager* TQGIappInitializeManager()
{
    static TQCinitializeManager* manager = new TQCinitializeManager;
    return manager;
}
