// The tests' HTTP server: a listening socket polled for connections, each
// answered on the server's thread and closed.
#include "LoopbackHttpServer.h"

#include "LoopbackAddress.h"

namespace {

// A TCP socket bound to 127.0.0.1 at a free port, and that port.
SOCKET boundSocket(unsigned short* port)
{
    WSADATA data;
    WSAStartup(MAKEWORD(2, 0), &data);
    SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in at = loopback(0);
    int length = sizeof at;
    bind(s, reinterpret_cast<sockaddr*>(&at), length);
    getsockname(s, reinterpret_cast<sockaddr*>(&at), &length);
    *port = ntohs(at.sin_port);
    return s;
}

std::string requestOn(SOCKET connection)
{
    DWORD patienceMs = 5000;
    setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<char*>(&patienceMs),
               sizeof patienceMs);
    std::string request;
    char chunk[512];
    int n;
    while (request.find("\r\n\r\n") == std::string::npos &&
           (n = recv(connection, chunk, sizeof chunk, 0)) > 0)
        request.append(chunk, static_cast<size_t>(n));
    return request;
}

} // namespace

LoopbackHttpServer::LoopbackHttpServer(Script script) : m_script(std::move(script))
{
    SOCKET listener = boundSocket(&m_port);
    listen(listener, SOMAXCONN);
    m_thread = std::thread([this, listener] { serve(static_cast<unsigned>(listener)); });
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    m_stop = true;
    m_thread.join();
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

void LoopbackHttpServer::serve(unsigned listener)
{
    while (!m_stop) {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(listener, &ready);
        timeval pause = {0, 50000};
        if (select(0, &ready, nullptr, nullptr, &pause) != 1)
            continue;
        SOCKET connection = accept(listener, nullptr, nullptr);
        std::string request = requestOn(connection);
        {
            std::lock_guard<std::mutex> guard(m_lock);
            m_requests.push_back(request);
        }
        std::string reply = m_script(request);
        send(connection, reply.data(), static_cast<int>(reply.size()), 0);
        shutdown(connection, SD_SEND);
        closesocket(connection);
    }
    closesocket(listener);
}

std::string httpResponse(const char* status, const std::vector<std::string>& headers,
                         const std::string& body)
{
    std::string response = std::string("HTTP/1.0 ") + status + "\r\n";
    for (const std::string& header : headers)
        response += header + "\r\n";
    return response + "\r\n" + body;
}
