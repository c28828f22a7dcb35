// Window save and load: one transaction each, begun and ended here.
#include "_TQGFwindowSave.h"

#include "_TQCbase.h"
#include "_TQCconductor.h"
#include "_TQDserialize.h"

namespace {

// Ends a transaction still open, with the serialiser's own result, so that
// a write that failed at the end is not reported as success.
long endIfOpen(TQDserialize* s)
{
    return s->underTransaction() ? s->endTransaction() : 0;
}

// A serialiser made because every prototype was busy has no other owner.
void releaseIfUnregistered(TQDserialize* s)
{
    if (!TQGIconductor()->isRegistered(s))
        delete s;
}

} // namespace

long TQGFsaveWindow(const char* type, const char* path, TQCbase* window, long encoding)
{
    if (window == nullptr)
        return -1;
    TQCconductor* conductor = TQGIconductor();
    TQDserialize* s = conductor->beginTransaction(type, path, 2);
    if (s == nullptr)
        return -1;
    s->setEncoding(encoding);
    long saved = conductor->saveGUI(s, window->getInstanceName(), window);
    long ended = endIfOpen(s);
    releaseIfUnregistered(s);
    return saved != 0 ? saved : ended;
}

long TQGFloadWindow(const char* type, const char* path, TQCbase** window, TQCbase* parent,
                    long encoding)
{
    TQCconductor* conductor = TQGIconductor();
    TQDserialize* s = conductor->beginTransaction(type, path, 0);
    if (s == nullptr)
        return -1;
    s->setEncoding(encoding);
    long loaded = conductor->loadGUI(s, window, parent);
    long ended = endIfOpen(s);
    releaseIfUnregistered(s);
    return loaded != 0 ? loaded : ended;
}

long TQGFdestroyWindow(TQCbase* window)
{
    delete window;
    return 0;
}
