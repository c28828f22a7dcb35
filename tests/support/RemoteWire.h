// The wire of remote calls by hand, for tests: a client that sends one
// request from a thread of its own, and scripts for a loopback server that
// answer by the records received (RemoteRecords.h makes and reads them). All
// on 127.0.0.1; every wait is bounded.
#ifndef REMOTEWIRE_H
#define REMOTEWIRE_H

#include "LoopbackServer.h"
#include "RemoteRecords.h"

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

// Sends request to 127.0.0.1:port, ends its sending side and collects
// what comes back until the peer closes ("(open)" when it does not).
class WireExchange {
public:
    WireExchange(unsigned short port, std::string request);
    ~WireExchange() { m_thread.join(); }
    bool done() const { return m_done; }
    std::string answer() const { return m_done ? m_answer : "(pending)"; }

private:
    std::string m_answer;
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};

// A loopback server's script from one that reads the records that arrived.
typedef std::function<bool(const std::vector<WireRecord>& request, std::string* reply)>
    WireScript;
LoopbackServer::Script onRecords(WireScript script);

// A script that completes the n-th request once its header and
// steps[n].arguments records are in, and replies steps[n].reply (empty:
// closed unanswered); later requests are closed once their header is in.
struct WireStep {
    size_t arguments;
    std::string reply;
};
LoopbackServer::Script inOrder(std::vector<WireStep> steps);

#endif
