// The tests' HTTP server: a listening socket polled for connections, each
// answered on the server's thread and closed.
#include "LoopbackHttpServer.h"

#include "LoopbackAddress.h"

namespace {

const DWORD kReadPatienceMs = 5000;
const long kPollMicroseconds = 50000;

// A TCP socket bound to 127.0.0.1 at a free port, and that port.
SOCKET boundSocket(unsigned short* port)
{
    WSADATA data;
    WSAStartup(MAKEWORD(2, 0), &data);
    SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in at = loopback(0);
    bind(s, reinterpret_cast<sockaddr*>(&at), sizeof at);
    int length = sizeof at;
    getsockname(s, reinterpret_cast<sockaddr*>(&at), &length);
    *port = ntohs(at.sin_port);
    return s;
}

} // namespace

LoopbackHttpServer::LoopbackHttpServer(Script script)
    : m_script(std::move(script)), m_listener(boundSocket(&m_port))
{
    listen(static_cast<SOCKET>(m_listener), SOMAXCONN);
    m_thread = std::thread([this] { serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    m_stop = true;
    m_thread.join();
    closesocket(static_cast<SOCKET>(m_listener));
}

std::string LoopbackHttpServer::url(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

std::vector<std::string> LoopbackHttpServer::requests() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_requests;
}

unsigned short LoopbackHttpServer::freePort()
{
    unsigned short port = 0;
    closesocket(boundSocket(&port));
    return port;
}

void LoopbackHttpServer::serve()
{
    SOCKET listener = static_cast<SOCKET>(m_listener);
    while (!m_stop) {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(listener, &ready);
        timeval pause = {0, kPollMicroseconds};
        if (select(0, &ready, nullptr, nullptr, &pause) != 1)
            continue;
        SOCKET connection = accept(listener, nullptr, nullptr);
        if (connection != INVALID_SOCKET)
            answer(connection);
    }
}

void LoopbackHttpServer::answer(std::uintptr_t handle)
{
    SOCKET connection = static_cast<SOCKET>(handle);
    DWORD patience = kReadPatienceMs;
    setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<char*>(&patience),
               sizeof patience);
    std::string request;
    char chunk[512];
    int n;
    while (request.find("\r\n\r\n") == std::string::npos &&
           (n = recv(connection, chunk, sizeof chunk, 0)) > 0)
        request.append(chunk, static_cast<size_t>(n));
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_requests.push_back(request);
    }
    std::string reply = m_script(request);
    for (size_t sent = 0; sent < reply.size();) {
        int count = send(connection, reply.data() + sent, static_cast<int>(reply.size() - sent), 0);
        if (count <= 0)
            break;
        sent += static_cast<size_t>(count);
    }
    shutdown(connection, SD_SEND);
    closesocket(connection);
}

std::string httpResponse(const char* status, const std::vector<std::string>& headers,
                         const std::string& body)
{
    std::string response = std::string("HTTP/1.0 ") + status + "\r\n";
    for (const std::string& header : headers)
        response += header + "\r\n";
    return response + "\r\n" + body;
}
