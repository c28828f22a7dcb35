// Drag-and-drop service: the refusing base and the process-wide instance.
#include "_TQDdragDrop.h"

long TQDdragDrop::registerDragSite(TQCbase*, char*)
{
    return -1;
}

long TQDdragDrop::unregisterDragSite(TQCbase*)
{
    return -1;
}

long TQDdragDrop::registerDropSite(TQCbase*, char*, void (*)(TQCbase*, TQCbase*))
{
    return -1;
}

long TQDdragDrop::unregisterDropSite(TQCbase*)
{
    return -1;
}

TQDdragDrop* TQGIappDragDrop()
{
    static TQDdragDrop* service = nullptr;
    if (service == nullptr) {
        service = TQDdragDrop::createFromHandler();
        if (service == nullptr)
            service = new TQDdragDrop();
    }
    return service;
}
