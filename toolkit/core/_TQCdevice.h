// Device registry: device creators by device type name, installed by the
// platform layer at start-up, and the list of devices whose deletion waits
// until the current message has been handled.
#ifndef _TQCDEVICE_H
#define _TQCDEVICE_H

#include "_TQClistData.h"

class TQCbase;
class TQDdev;

class TQCdevice {
public:
    typedef TQDdev* (*CreateHandler)();

    TQCdevice();
    // Frees the name copies; devices still queued are not deleted.
    virtual ~TQCdevice();

    // Appends the creator under a copy of the name; an earlier registration
    // of the same name stays and keeps winning. -1 for a null name, else 0.
    long setCreateHandler(const char* name, CreateHandler creator);
    // A new device from the first creator registered under exactly this
    // name, or null. The client is not consulted.
    TQDdev* getDevObject(const char* name, TQCbase* client);
    // The names of every registration, in the order they were made.
    const TQClistData& getDeviceNames() const { return deviceNames; }

    // The registry owns a queued device until clearDeleteList deletes it.
    void addDeleteInstance(TQDdev* dev);
    void clearDeleteList();

private:
    TQClistData creators;
    TQClistData deviceNames;
    TQClistData deleteList;
};

// The process's device registry, created on first use and never destroyed.
TQCdevice* TQGIappDevice();

#endif
