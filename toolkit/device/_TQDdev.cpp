// Abstract device: event registration, client link and deferred deletion.
#include "_TQDdev.h"

#include "_TQCdevice.h"

TQDdev::TQDdev()
    : client(nullptr), eventMask(0), scalePtr(nullptr), xOffsetPtr(nullptr),
      yOffsetPtr(nullptr), parentDev(nullptr), eventParentDev(nullptr), flags()
{
}

TQDdev::~TQDdev()
{
    TQDdev::detachClient();
    flags.initialized = 0;
}

long TQDdev::setEventOrder(TQDdev*, char)
{
    return 0;
}

long TQDdev::cancelEvent(TQDdev* dev)
{
    if (dev == this)
        setEventRegistered(0);
    TQDdev* eventParent = getEventParentDev();
    if (eventParent != nullptr)
        eventParent->cancelEvent(this);
    return 0;
}

long TQDdev::detachClient()
{
    if (client == nullptr)
        return 0;
    setVisible(0);
    cancelEvent(this);
    client = nullptr;
    parentDev = nullptr;
    eventParentDev = nullptr;
    return 0;
}

long TQDdev::initialize()
{
    flags.initialized = 1;
    return 0;
}

long TQDdev::setValue(long key, void* value)
{
    switch (key) {
    case VALUE_SCALE_PTR:
        scalePtr = static_cast<double*>(value);
        break;
    case VALUE_X_OFFSET_PTR:
        xOffsetPtr = static_cast<short*>(value);
        break;
    case VALUE_Y_OFFSET_PTR:
        yOffsetPtr = static_cast<short*>(value);
        break;
    default:
        break;
    }
    return 0;
}

long TQDdev::setVisible(unsigned char on)
{
    flags.visible = on ? 1 : 0;
    if (on && !flags.initialized) {
        initialize();
        flags.initialized = 1;
    }
    return 0;
}

long TQDdev::setEnableEvent(long)
{
    flags.eventRegistered = 1;
    return 0;
}

long TQDdev::setEnableEventBit(long)
{
    flags.eventRegistered = 1;
    return 0;
}

// Without an event parent of its own a device dispatches through its parent.
TQDdev* TQDdev::getEventParentDev()
{
    if (eventParentDev == nullptr)
        eventParentDev = parentDev;
    return eventParentDev;
}

void TQDdev::setEventRegistered(unsigned char on)
{
    flags.eventRegistered = on ? 1 : 0;
    if (!on)
        eventMask = 0;
}

void TQDdev::deleteInstance()
{
    if (flags.scheduledForDeletion)
        return;
    detachClient();
    flags.initialized = 0;
    flags.scheduledForDeletion = 1;
    TQGIappDevice()->addDeleteInstance(this);
}
