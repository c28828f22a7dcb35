// A device that records its own deletion in a shared log, and may hand a
// follow-up device to a registry from its destructor, the way a device that
// owns further devices does.
#ifndef RECORDINGDEVICE_H
#define RECORDINGDEVICE_H

#include "_TQCdevice.h"
#include "_TQDdev.h"

#include <string>
#include <vector>

class RecordingDevice : public TQDdev {
public:
    RecordingDevice(std::string nameArg, std::vector<std::string>* logArg)
        : name(std::move(nameArg)), log(logArg)
    {
    }
    ~RecordingDevice() override
    {
        if (log != nullptr)
            log->push_back(name);
        if (followUpRegistry != nullptr)
            followUpRegistry->addDeleteInstance(followUp);
    }

    // Queued into registry when this device is deleted.
    void queueOnDelete(TQCdevice* registry, TQDdev* dev)
    {
        followUpRegistry = registry;
        followUp = dev;
    }

    // A recording device has no surface.
    long getDeviceResource() override { return -1; }
    long getWindowResource() override { return -1; }
    long getContextResource() override { return -1; }
    long getSpecialResource() override { return -1; }

    std::string name;

private:
    std::vector<std::string>* log;
    TQCdevice* followUpRegistry = nullptr;
    TQDdev* followUp = nullptr;
};

#endif
