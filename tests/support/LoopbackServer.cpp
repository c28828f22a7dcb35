// The tests' TCP server: a listening socket polled for connections, each
// served on the server's thread and closed.
#include "LoopbackServer.h"

#include "LoopbackAddress.h"

#include <chrono>

namespace {

const DWORD kPatienceMs = 8000;

// Bound to 127.0.0.1:port, tried again for a minute while another program
// holds the port; INVALID_SOCKET when it stays taken.
SOCKET boundSocket(unsigned short port)
{
    WSADATA data;
    WSAStartup(MAKEWORD(2, 0), &data);
    SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in at = loopback(port);
    auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (bind(s, reinterpret_cast<sockaddr*>(&at), sizeof at) != 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            closesocket(s);
            return INVALID_SOCKET;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return s;
}

unsigned short portOf(SOCKET s)
{
    sockaddr_in at = {};
    int length = sizeof at;
    getsockname(s, reinterpret_cast<sockaddr*>(&at), &length);
    return ntohs(at.sin_port);
}

} // namespace

std::string receiveOn(unsigned connection, const std::function<bool(const std::string&)>& check)
{
    SOCKET s = static_cast<SOCKET>(connection);
    DWORD patience = kPatienceMs;
    setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<char*>(&patience), sizeof patience);
    std::string bytes;
    char chunk[512];
    int n = 0;
    while (!check(bytes) && (n = recv(s, chunk, sizeof chunk, 0)) > 0)
        bytes.append(chunk, static_cast<size_t>(n));
    return n < 0 && WSAGetLastError() == WSAETIMEDOUT ? "(open)" : bytes;
}

LoopbackServer::LoopbackServer(unsigned short port, Script script) : m_script(std::move(script))
{
    SOCKET listener = boundSocket(port);
    if (listener == INVALID_SOCKET)
        return;
    m_port = portOf(listener);
    listen(listener, SOMAXCONN);
    m_thread = std::thread([this, listener] { serve(static_cast<unsigned>(listener)); });
}

LoopbackServer::~LoopbackServer()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

std::vector<std::string> LoopbackServer::requests() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_requests;
}

unsigned short LoopbackServer::freePort()
{
    SOCKET s = boundSocket(0);
    unsigned short port = portOf(s);
    closesocket(s);
    return port;
}

bool LoopbackServer::waitForFreePort(unsigned short port)
{
    SOCKET s = boundSocket(port);
    closesocket(s);
    return s != INVALID_SOCKET;
}

void LoopbackServer::serve(unsigned listener)
{
    while (!m_stop) {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(listener, &ready);
        timeval pause = {0, 50000};
        if (select(0, &ready, nullptr, nullptr, &pause) != 1)
            continue;
        SOCKET connection = accept(listener, nullptr, nullptr);
        std::string reply;
        bool complete = false;
        auto check = [&](const std::string& got) {
            return complete = !got.empty() && m_script(got, &reply);
        };
        std::string request = receiveOn(static_cast<unsigned>(connection), check);
        {
            std::lock_guard<std::mutex> guard(m_lock);
            m_requests.push_back(request);
        }
        if (complete)
            send(connection, reply.data(), static_cast<int>(reply.size()), 0);
        shutdown(connection, SD_SEND);
        closesocket(connection);
    }
    closesocket(listener);
}
