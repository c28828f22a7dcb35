// Plain loopback sockets and peer threads for the socket tests.
#include "LoopbackSockets.h"

#include "LoopbackAddress.h"
#include "TQGFwinSockets.h"
#include "WorkThread.h"

#include <gtest/gtest.h>

#include <cstring>

SOCKET boundTo(unsigned short port, int type, BOOL reuse)
{
    TQGFwinStartSockets();
    SOCKET s = socket(AF_INET, type, 0);
    setsockopt(s, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<char*>(&reuse), sizeof reuse);
    sockaddr_in at = loopback(port);
    if (bind(s, reinterpret_cast<sockaddr*>(&at), sizeof at) != 0) {
        closesocket(s);
        return INVALID_SOCKET;
    }
    return s;
}

bool canBind(unsigned short port, int type)
{
    SOCKET s = boundTo(port, type, type == SOCK_STREAM);
    closesocket(s);
    return s != INVALID_SOCKET;
}

unsigned short freePort(int type)
{
    SOCKET s = boundTo(0, type);
    sockaddr_in at = {};
    int length = sizeof at;
    getsockname(s, reinterpret_cast<sockaddr*>(&at), &length);
    closesocket(s);
    return ntohs(at.sin_port);
}

SOCKET sendOn(unsigned short port, const std::string& bytes)
{
    SOCKET s = boundTo(0, SOCK_STREAM);
    DWORD patience = kLoopbackPatienceMs / 2;
    setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<char*>(&patience), sizeof patience);
    sockaddr_in to = loopback(port);
    if (connect(s, reinterpret_cast<sockaddr*>(&to), sizeof to) != 0) {
        closesocket(s);
        return INVALID_SOCKET;
    }
    send(s, bytes.data(), static_cast<int>(bytes.size()), 0);
    return s;
}

std::string answerOn(SOCKET connection)
{
    std::string answer;
    if (connection == INVALID_SOCKET)
        return answer;
    char got[64];
    int n;
    while ((n = recv(connection, got, sizeof got, 0)) > 0)
        answer.append(got, static_cast<size_t>(n));
    if (n < 0 && WSAGetLastError() == WSAETIMEDOUT)
        answer = "(open)";
    closesocket(connection);
    return answer;
}

std::string exchange(unsigned short port, const char* text)
{
    return answerOn(sendOn(port, text));
}

Peer::Peer(std::function<void()> work) : m_thread(startWork(std::move(work))) {}

Peer::~Peer()
{
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(m_thread, kLoopbackPatienceMs))
        << "the peer ended";
    CloseHandle(m_thread);
}

bool Peer::ended() const
{
    return WaitForSingleObject(m_thread, 0) == WAIT_OBJECT_0;
}
