// Device registry and deferred device deletion.
#include "_TQCdevice.h"

#include "_TQDdev.h"
#include "_TQGFstring.h"

#include <cstring>

namespace {

bool sameDeviceName(const char* a, const char* b)
{
    return a[0] == b[0] && std::strcmp(a, b) == 0;
}

} // namespace

TQCdevice::TQCdevice() {}

TQCdevice::~TQCdevice()
{
    for (long i = 0; i < deviceNames.getNum(); ++i)
        delete[] static_cast<char*>(deviceNames.getData(i));
}

long TQCdevice::setCreateHandler(const char* name, CreateHandler creator)
{
    if (name == nullptr)
        return -1;
    creators.add(reinterpret_cast<void*>(creator));
    deviceNames.add(TQGFstrdup(name));
    return 0;
}

TQDdev* TQCdevice::getDevObject(const char* name, TQCbase* /*client*/)
{
    if (name == nullptr)
        return nullptr;
    for (long i = 0; i < deviceNames.getNum(); ++i) {
        if (!sameDeviceName(static_cast<const char*>(deviceNames.getData(i)), name))
            continue;
        CreateHandler creator = reinterpret_cast<CreateHandler>(creators.getData(i));
        return creator ? creator() : nullptr;
    }
    return nullptr;
}

void TQCdevice::addDeleteInstance(TQDdev* dev)
{
    deleteList.add(dev);
}

// The queue is taken over and emptied before any destructor runs: a device
// that a destructor queues lands in the fresh list and waits for the next
// call, so nothing is deleted twice or read from a list that changed.
void TQCdevice::clearDeleteList()
{
    if (deleteList.getNum() == 0)
        return;
    TQClistData pending(deleteList);
    deleteList.clear();
    for (long i = 0; i < pending.getNum(); ++i)
        delete static_cast<TQDdev*>(pending.getData(i));
}

TQCdevice* TQGIappDevice()
{
    static TQCdevice* registry = new TQCdevice;
    return registry;
}
