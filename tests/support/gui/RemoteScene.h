// What the remote-object tests share beyond the wire: the toolkit started
// in the test process with short call time-outs, proxies aimed at a port
// of 127.0.0.1, and the test's own dispatcher.
#ifndef REMOTESCENE_H
#define REMOTESCENE_H

#include "RemoteWire.h"

class TQCRroot;

// Once per test: the application window and a 2-second time-out.
void startRemoteScene();
// Address 127.0.0.1, port and instance name.
void aim(TQCRroot& proxy, unsigned short port, const char* instanceName = "tmp");

// The test's own dispatcher on a free port, stopped when the scope ends.
class OwnDispatcher {
public:
    OwnDispatcher();
    ~OwnDispatcher();
    unsigned short port() const { return m_port; }
    // Sends request from a thread while this thread pumps: the answer.
    std::string exchange(const std::string& request);

private:
    unsigned short m_port;
};

#endif
