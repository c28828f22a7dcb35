// A TCP server for tests on a thread of its own at 127.0.0.1: the bytes of
// each connection go to the script as they arrive; once it answers true,
// its reply is sent and the connection closed. Each connection's bytes are
// recorded. Every wait is bounded.
#ifndef LOOPBACKSERVER_H
#define LOOPBACKSERVER_H

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class LoopbackServer {
public:
    typedef std::function<bool(const std::string& request, std::string* reply)> Script;

    // Port 0 is a free port; another is waited for up to a minute while
    // another program holds it.
    LoopbackServer(unsigned short port, Script script);
    ~LoopbackServer();
    bool listening() const { return m_thread.joinable(); }
    unsigned short port() const { return m_port; }
    // In arrival order; a request is recorded before its reply goes out.
    std::vector<std::string> requests() const;

    // A port of 127.0.0.1 that nothing listens on.
    static unsigned short freePort();
    // Whether 127.0.0.1:port is free, or becomes free within a minute.
    static bool waitForFreePort(unsigned short port);

private:
    void serve(unsigned listener);

    Script m_script;
    unsigned short m_port = 0;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_lock;
    std::vector<std::string> m_requests;
    std::thread m_thread;
};

// What comes back on a connection until the peer closes, or check says
// the bytes are complete; "(open)" when the peer does neither in time.
std::string receiveOn(unsigned connection, const std::function<bool(const std::string&)>& check);

#endif
