// The wire of remote calls by hand, for tests: the bytes of call headers
// and argument records, a reader of records, a client that sends one
// request from a thread of its own, and a listener that answers each
// connection from a script. All on 127.0.0.1; every wait is bounded.
#ifndef REMOTEWIRE_H
#define REMOTEWIRE_H

#include <atomic>
#include <functional>
#include <mutex>
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

// A listener at 127.0.0.1:port (0: a free one). Each connection's records
// go to the script as they arrive; once it answers true the reply is sent
// and the connection closed.
class WireServer {
public:
    typedef std::function<bool(const std::vector<WireRecord>& request, std::string* reply)>
        Script;

    // Waits up to a minute for the port while another program holds it.
    WireServer(unsigned short port, Script script);
    ~WireServer();
    bool listening() const { return m_thread.joinable(); }
    unsigned short port() const { return m_port; }
    // Each connection's request bytes, in arrival order.
    std::vector<std::string> requests() const;
    // A port nothing listens on.
    static unsigned short freePort();

private:
    void serve(unsigned listener);

    Script m_script;
    unsigned short m_port = 0;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_lock;
    std::vector<std::string> m_requests;
    std::thread m_thread;
};

// A script that completes the n-th request once its header and
// steps[n].arguments records are in, and replies steps[n].reply (empty:
// closed unanswered); later requests are closed once their header is in.
struct WireStep {
    size_t arguments;
    std::string reply;
};
WireServer::Script inOrder(std::vector<WireStep> steps);

// Whether 127.0.0.1:port is free, or becomes free within a minute.
bool waitForFreePort(unsigned short port);

#endif
