// Test classes for the application object list.
#include "ObjectListProbes.h"

#include "_TQCbaseList.h"

ProbeItem::ProbeItem(const char* name, int idArg, std::vector<int>* logArg, long code)
    : TQCbase(nullptr, name), id(idArg), log(logArg), eventCode(code)
{
    if (eventCode >= 0)
        TQGIappObjectList()->addEvent(this, eventCode);
}

ProbeItem::~ProbeItem()
{
    if (eventCode >= 0 && !forgetsToUnregister)
        TQGIappObjectList()->delEvent(this, eventCode);
}

void ProbeItem::update()
{
    if (log != nullptr)
        log->push_back(id);
    if (onUpdate)
        onUpdate();
    TQCbase::update();
}

long ProbeItem::execEventProc(long event, void* data)
{
    if (log != nullptr)
        log->push_back(id);
    lastEventData = data;
    if (onEvent)
        onEvent();
    return TQCbase::execEventProc(event, data);
}
