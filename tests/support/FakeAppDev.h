// Stand-ins for the platform's application device and message transport:
//   FakeAppDev        an application device without an event loop;
//   RecordingChannel  a channel that logs where it is published and hands
//                     arriving texts to its handler;
// and a send procedure that logs what is sent. The log holds, in order,
// "publish <name>" and "send <target> <text>".
#ifndef FAKEAPPDEV_H
#define FAKEAPPDEV_H

#include "_TQDappDev.h"
#include "_TQDmessage.h"

#include <string>
#include <vector>

std::vector<std::string>& channelLog();

class FakeAppDev : public TQDappDev {
public:
    TQ_ROOT_FRAME(FakeAppDev, TQDappDev)
    // The factory the platform would install.
    static TQDappDev* create() { return new FakeAppDev; }

    long dispatchEvent() override { return 0; }
    long processEvent() override { return 0; }
    long handleEvents() override { return 0; }
    long loadGuiPolicy() override { return -1; }
    long saveGuiPolicy() override { return -1; }
    long getDeviceResource() override { return 0; }
    long getWindowResource() override { return 0; }
    long getContextResource() override { return 0; }
    long getSpecialResource() override { return 0; }
};

class RecordingChannel : public TQDmessage {
public:
    TQ_ROOT_FRAME(RecordingChannel, TQDmessage)
    // The channel made last.
    static RecordingChannel* last;
    // Installs the channel factory and the logging send procedures.
    static void install();

    void initialize() override;
    void sendMessage(char* text) override { deliver(text); }
};

#endif
