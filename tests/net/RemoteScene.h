// What the remote-object tests share: the toolkit started in the test
// process with short call time-outs, proxies aimed at a port of 127.0.0.1,
// the test's own dispatcher, and a listener that answers a fixed sequence
// of requests.
#ifndef REMOTESCENE_H
#define REMOTESCENE_H

#include "RemoteWire.h"

#include <string>
#include <vector>

class TQCRroot;

// Once per test: the application window and a 2-second time-out.
void startRemoteScene();
// Address 127.0.0.1, port and instance name.
void aim(TQCRroot& proxy, unsigned short port, const char* instanceName = "tmp");

// The test's own dispatcher on a free port (or on port), which it answers;
// dispatch stops when the scope ends.
class OwnDispatcher {
public:
    explicit OwnDispatcher(unsigned short port = 0);
    ~OwnDispatcher();
    unsigned short port() const { return m_port; }
    // Sends request from a thread while this thread pumps; what came back.
    std::string exchange(const std::string& request);

private:
    unsigned short m_port;
};

// One step of a listener's sequence: the request is complete with its
// header and `arguments` records, and gets `reply` (empty: closed
// unanswered).
struct WireStep {
    size_t arguments;
    std::string reply;
};
// Serves the steps in order; connections past the last step are closed
// unanswered once their header is in.
WireServer::Script inOrder(std::vector<WireStep> steps);

#endif
