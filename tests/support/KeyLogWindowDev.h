// A window device that logs what a widget asks of it, for checks of the
// order in which a widget hands its settings over: each key with its value
// ("5=7", "22=Title", "27=<object name>"), each request for event bits
// ("events 0xe00"), each show and hide, and the restacking of its native
// children ("restack").
#ifndef KEYLOGWINDOWDEV_H
#define KEYLOGWINDOWDEV_H

#include "FakeDevices.h"
#include "_TQCbase.h"

#include <cstdio>
#include <string>
#include <vector>

class KeyLogWindowDev : public FakeWindowDev {
public:
    explicit KeyLogWindowDev(std::vector<std::string>* keysArg) : keys(keysArg) {}

    long setValue(long key, void* value) override
    {
        keys->push_back(std::to_string(key) + "=" + describe(key, value));
        return FakeWindowDev::setValue(key, value);
    }
    long setEnableEventBit(long bits) override
    {
        char text[32];
        std::snprintf(text, sizeof text, "events 0x%lx", bits);
        keys->push_back(text);
        return FakeWindowDev::setEnableEventBit(bits);
    }
    long setVisible(unsigned char on) override
    {
        keys->push_back(on ? "show" : "hide");
        return FakeWindowDev::setVisible(on);
    }
    void restackChildren() override { keys->push_back("restack"); }

private:
    // The value as the key's type gives it.
    static std::string describe(long key, void* value)
    {
        switch (key) {
        case 0: case 1: case 4: case 16:
            return std::to_string(*static_cast<short*>(value));
        case 2: case 3: case 28:
            return std::to_string(*static_cast<unsigned short*>(value));
        case 5:
            return std::to_string(static_cast<int>(*static_cast<char*>(value)));
        case 6: case 25: case 29:
            return std::to_string(*static_cast<unsigned char*>(value));
        case 22:
            return static_cast<const char*>(value);
        case 27:
            return static_cast<TQCbase*>(value)->getInstanceName();
        default:
            return "?";
        }
    }

    std::vector<std::string>* keys;
};

#endif
