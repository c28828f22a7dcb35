// The wire of remote calls by hand, for tests: the bytes of call headers
// and argument records, a reader of records, a client that sends one
// request from a thread of its own, and scripts for a loopback server that
// answer by the records received. All on 127.0.0.1; every wait is bounded.
#ifndef REMOTEWIRE_H
#define REMOTEWIRE_H

#include "LoopbackServer.h"

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

// "#str", "#chr", "#sht" and "#lng" records, a call header, a directory
// record.
std::string wireText(const std::string& name, const std::string& text);
std::string wireFlag(const std::string& name, unsigned char value);
std::string wireShort(const std::string& name, short value);
std::string wireLong(const std::string& name, long value);
std::string wireCall(const std::string& className, const std::string& instanceName,
                     const std::string& operation, const std::string& recordName = "call1");
std::string wireInstance(const std::string& name, const std::string& publicName,
                         const std::string& instanceName, const std::string& className,
                         const std::string& address, unsigned short port);

struct WireRecord {
    std::string name;
    std::string data;
    std::vector<WireRecord> children;
    // The text of child childName; "" when there is none.
    std::string text(const std::string& childName) const;
};
// The complete records at the start of bytes, in order.
std::vector<WireRecord> wireRecords(const std::string& bytes);

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
