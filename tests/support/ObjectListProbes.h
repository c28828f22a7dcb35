// Test classes for the application object list: objects that log their
// updates and application-wide events by number, may run an action from
// either, and register for one event code the way look-aware widgets do.
#ifndef OBJECTLISTPROBES_H
#define OBJECTLISTPROBES_H

#include "_TQCbase.h"

#include <functional>
#include <vector>

class ProbeItem : public TQCbase {
public:
    // With eventCode not negative, the object registers for that code and
    // withdraws the registration in its destructor unless told to forget it.
    ProbeItem(const char* name, int id, std::vector<int>* log, long eventCode = -1);
    ~ProbeItem() override;
    TQ_ROOT_FRAME(ProbeItem, TQCbase)
    TQ_CLASS_INFORMATION_FRAME(ProbeItem, TQCbase)

    void update() override;
    long execEventProc(long event, void* data) override;

    int id;
    std::vector<int>* log;
    long eventCode;
    bool forgetsToUnregister = false;
    void* lastEventData = nullptr;
    std::function<void()> onUpdate;
    std::function<void()> onEvent;
};

class ProbeSubItem : public ProbeItem {
public:
    using ProbeItem::ProbeItem;
    TQ_ROOT_FRAME(ProbeSubItem, ProbeItem)
    TQ_CLASS_INFORMATION_FRAME(ProbeSubItem, ProbeItem)
};

// A class that only the counting test instantiates.
class ProbeCounted : public ProbeItem {
public:
    using ProbeItem::ProbeItem;
    TQ_ROOT_FRAME(ProbeCounted, ProbeItem)
    TQ_CLASS_INFORMATION_FRAME(ProbeCounted, ProbeItem)
};

#endif
