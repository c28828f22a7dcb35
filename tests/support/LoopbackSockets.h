// Plain Windows Sockets on 127.0.0.1 for the tests of the toolkit's own
// sockets: ports found free at run time, a client that sends a text and
// collects the answer, and peers on test threads that the test waits for.
#ifndef LOOPBACKSOCKETS_H
#define LOOPBACKSOCKETS_H

#include <winsock2.h>

#include <functional>
#include <string>

// The longest a peer or an exchange is waited for.
const DWORD kLoopbackPatienceMs = 20000;

// A plain socket of type (SOCK_STREAM, SOCK_DGRAM) bound to
// 127.0.0.1:port (0: any free port), or INVALID_SOCKET.
SOCKET boundTo(unsigned short port, int type, BOOL reuse = FALSE);
// A TCP port counts as free when no socket listens on it; connections that
// were closed may still linger there.
bool canBind(unsigned short port, int type);
unsigned short freePort(int type = SOCK_STREAM);

// Connects to 127.0.0.1:port and sends the bytes, keeping the connection
// open: the connection, or INVALID_SOCKET when it cannot be made.
SOCKET sendOn(unsigned short port, const std::string& bytes);
// Collects what comes back on the connection until the server closes, and
// closes it: "" when the server closes (or resets) without answering or
// there is no connection, "(open)" when it neither answers nor closes in
// time.
std::string answerOn(SOCKET connection);
// The two in one.
std::string exchange(unsigned short port, const char* text);

// A peer on a test thread; the test waits for its end (a failure when it
// does not end in time) before it returns.
class Peer {
public:
    explicit Peer(std::function<void()> work);
    ~Peer();
    Peer(const Peer&) = delete;
    Peer& operator=(const Peer&) = delete;
    bool ended() const;

private:
    HANDLE m_thread;
};

#endif
