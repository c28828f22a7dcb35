// A keyboard that behaves as the base keyboard (the selection kept in it,
// the input method inert) and logs the input-method calls controls make, in
// call order: "setEnableFep(1)", "startFep(12,9,0,-14,-11)",
// "setFepPos(...)" (device point, font, colours), "resetFep",
// "setFepStatus(3)".
#ifndef RECORDINGKEYBOARD_H
#define RECORDINGKEYBOARD_H

#include "FakeDevices.h"
#include "_TQDkeyboard.h"

#include <string>
#include <vector>

class RecordingKeyboard : public TQDkeyboard {
public:
    void setEnableFep(TQDdev* dev, unsigned char enable) override
    {
        note("setEnableFep(" + std::to_string(enable) + ")");
        TQDkeyboard::setEnableFep(dev, enable);
    }
    long startFep(TQDdev*, short x, short y, short font, short fore, short back) override
    {
        note("startFep(" + numberList({x, y, font, fore, back}) + ")");
        return 0;
    }
    long setFepPos(TQDdev*, short x, short y, short font, short fore, short back) override
    {
        note("setFepPos(" + numberList({x, y, font, fore, back}) + ")");
        return 0;
    }
    long resetFep(TQDdev*) override
    {
        note("resetFep");
        return 0;
    }
    long setFepStatus(long status) override
    {
        note("setFepStatus(" + std::to_string(status) + ")");
        return 0;
    }

    std::vector<std::string> fepCalls;

private:
    void note(const std::string& entry) { fepCalls.push_back(entry); }
};

#endif
