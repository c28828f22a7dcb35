// An HTTP server for tests, on a thread of its own at a free port of
// 127.0.0.1: it takes each connection's request (up to its empty line),
// records its bytes, sends the reply the script gives for them and closes.
// Every wait is bounded; an empty reply closes without answering.
//
//     LoopbackHttpServer server([](const std::string& request) {
//         return std::string("HTTP/1.0 200 OK\r\n\r\nhello");
//     });
//     ... fetch server.url("/a.txt") ...
//     EXPECT_EQ(1u, server.requests().size());
#ifndef LOOPBACKHTTPSERVER_H
#define LOOPBACKHTTPSERVER_H

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class LoopbackHttpServer {
public:
    typedef std::function<std::string(const std::string& request)> Script;

    explicit LoopbackHttpServer(Script script);
    // Stops taking connections and waits for the thread.
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    unsigned short port() const { return m_port; }
    // "http://127.0.0.1:<port>" followed by path.
    std::string url(const std::string& path) const;
    // The requests so far, in arrival order; a request is recorded before
    // its reply goes out.
    std::vector<std::string> requests() const;

    // A free TCP port of 127.0.0.1 that nothing listens on.
    static unsigned short freePort();

private:
    void serve();
    void answer(std::uintptr_t connection);

    Script m_script;
    // Set when the listener is bound, which comes first.
    unsigned short m_port = 0;
    std::uintptr_t m_listener;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_lock;
    std::vector<std::string> m_requests;
    std::thread m_thread;
};

// A whole response: the status line, the header lines as given (each
// without its CR LF) and the body.
std::string httpResponse(const char* status, const std::vector<std::string>& headers,
                         const std::string& body);

#endif
