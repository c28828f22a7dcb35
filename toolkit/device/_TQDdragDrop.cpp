// Drag-and-drop service: the refusing base and the process-wide instance.
#include "_TQDdragDrop.h"

namespace {

TQDdragDrop* (*g_createHandler)() = nullptr;

} // namespace

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

void TQDdragDrop::setCreateHandler(TQDdragDrop* (*handler)())
{
    g_createHandler = handler;
}

TQDdragDrop* TQGIappDragDrop()
{
    static TQDdragDrop* service = nullptr;
    if (service == nullptr) {
        if (g_createHandler != nullptr)
            service = g_createHandler();
        if (service == nullptr)
            service = new TQDdragDrop();
    }
    return service;
}
