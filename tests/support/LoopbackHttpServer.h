// An HTTP server for tests on a thread of its own at a free port of
// 127.0.0.1: each connection's request (up to its empty line) is recorded,
// the script's reply for it sent, and the connection closed; an empty reply
// closes without answering. Every wait is bounded.
#ifndef LOOPBACKHTTPSERVER_H
#define LOOPBACKHTTPSERVER_H

#include "LoopbackServer.h"

#include <functional>
#include <string>
#include <vector>

class LoopbackHttpServer {
public:
    typedef std::function<std::string(const std::string& request)> Script;

    explicit LoopbackHttpServer(Script script);

    // "http://127.0.0.1:<port>" followed by path.
    std::string url(const std::string& path) const;
    unsigned short port() const { return m_server.port(); }
    // In arrival order; a request is recorded before its reply goes out.
    std::vector<std::string> requests() const { return m_server.requests(); }

    // A port of 127.0.0.1 that nothing listens on.
    static unsigned short freePort() { return LoopbackServer::freePort(); }

private:
    LoopbackServer m_server;
};

// The status line, the header lines (without CR LF), the empty line, body.
std::string httpResponse(const char* status, const std::vector<std::string>& headers,
                         const std::string& body);

#endif
