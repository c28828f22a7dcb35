// The wire of remote calls by hand, for tests: the bytes of call headers
// and argument records, a reader of records, a client that sends one
// request from a thread of its own and collects what comes back, and a
// listener that answers each connection from a script. Everything is on
// 127.0.0.1 and every wait is bounded.
#ifndef REMOTEWIRE_H
#define REMOTEWIRE_H

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Records of the wire: "#str", "#chr", "#sht" and "#lng" values, a call
// header, and a directory record.
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
    int kind = 0;
    std::string type;
    std::string data;
    std::vector<WireRecord> children;

    // A "#str" without its NUL; a big-endian number of any width.
    std::string text() const;
    long number() const;
    // The child of that name; an empty record when there is none.
    const WireRecord& child(const std::string& childName) const;
};

// The complete records at the start of bytes, in order.
std::vector<WireRecord> wireRecords(const std::string& bytes);

// Sends request to 127.0.0.1:port from a thread of its own, ends its
// sending side and collects what comes back until the peer closes; the
// answer is "(open)" when the peer neither closes nor resets in time.
class WireExchange {
public:
    WireExchange(unsigned short port, std::string request);
    // Waits for the thread, which ends within its patience.
    ~WireExchange();
    bool done() const { return m_done; }
    std::string answer() const;

private:
    std::string m_answer;
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};

// A listener at 127.0.0.1:port (0: a free port) on a thread of its own.
// Each connection's records go to the script as they arrive; once it
// answers true the reply is sent and the connection closed. A connection
// the peer closes first is closed unanswered.
class WireServer {
public:
    typedef std::function<bool(const std::vector<WireRecord>& request, std::string* reply)>
        Script;

    // Waits up to patienceMs for the port while another program holds it.
    WireServer(unsigned short port, Script script, unsigned patienceMs = 60000);
    ~WireServer();
    bool listening() const { return m_listener != ~0u; }
    unsigned short port() const { return m_port; }
    // Each connection's request bytes, in arrival order.
    std::vector<std::string> requests() const;

    // A port of 127.0.0.1 nothing listens on.
    static unsigned short freePort();

private:
    void serve();
    void serveConnection(unsigned connection);

    Script m_script;
    unsigned short m_port = 0;
    unsigned m_listener = ~0u;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_lock;
    std::vector<std::string> m_requests;
    std::thread m_thread;
};

// Whether 127.0.0.1:port is free, or becomes free within patienceMs.
bool waitForFreePort(unsigned short port, unsigned patienceMs);

// The operation name of a request's header record.
std::string wireOperation(const std::vector<WireRecord>& request);

#endif
