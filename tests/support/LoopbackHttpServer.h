// An HTTP server for tests on a thread of its own at a free port of
// 127.0.0.1: each connection's request (up to its empty line) is recorded,
// the script's reply for it sent, and the connection closed; an empty reply
// closes without answering. Every wait is bounded.
#ifndef LOOPBACKHTTPSERVER_H
#define LOOPBACKHTTPSERVER_H

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class LoopbackHttpServer {
public:
    typedef std::function<std::string(const std::string& request)> Script;

    explicit LoopbackHttpServer(Script script);
    ~LoopbackHttpServer();

    // "http://127.0.0.1:<port>" followed by path.
    std::string url(const std::string& path) const;
    unsigned short port() const { return m_port; }
    // In arrival order; a request is recorded before its reply goes out.
    std::vector<std::string> requests() const;

    // A port of 127.0.0.1 that nothing listens on.
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

// The status line, the header lines (without CR LF), the empty line, body.
std::string httpResponse(const char* status, const std::vector<std::string>& headers,
                         const std::string& body);

#endif
