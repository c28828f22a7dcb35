// Sockets on Windows Sockets, and the background worker that accepts
// connections or watches for datagrams and hands them to the application
// thread.
#include <winsock2.h>

#include "TQDwinsocket.h"

#include "TQGFwinAppWindow.h"
#include "TQGFwinSockets.h"
#include "TQGFwinWorkers.h"
#include "TQwin32.h"
#include "TQwinHandOverQueue.h"
#include "TQwinSectionLock.h"
#include "_TQGFdebug.h"

#include <cstring>

namespace {

// A worker waits in slices of this length, so that it sees promptly that
// its socket let it go; an expired slice is simply waited again.
const long kWorkerSliceMs = 200;
// The longest letting a worker go waits for it to end.
const DWORD kWorkerEndMs = 3000;
// Connections accepted and waiting for the application thread; beyond them
// the system's backlog holds the next ones.
const std::size_t kMostWaitingConnections = 128;
const int kListenBacklog = 5;
// Longer waits are cut to this many seconds (about 23 days), which
// select's millisecond arithmetic still holds.
const unsigned long kLongestWaitSeconds = 2000000;

SOCKET native(std::uintptr_t handle)
{
    return static_cast<SOCKET>(handle);
}

// The error table's text for code (-1: the thread's last socket error),
// clearing the thread's last socket error as it is taken.
const char* errorTextOf(int code)
{
    if (code == -1)
        code = WSAGetLastError();
    if (code != 0)
        WSASetLastError(0);
    return TQGFwinsocketErrorText(code);
}

bool setBlocking(SOCKET socket, bool blocking)
{
    u_long nonBlocking = blocking ? 0 : 1;
    return ioctlsocket(socket, FIONBIO, &nonBlocking) == 0;
}

timeval secondsOf(unsigned long seconds)
{
    timeval wait = {};
    wait.tv_sec = static_cast<long>(seconds < kLongestWaitSeconds ? seconds : kLongestWaitSeconds);
    return wait;
}

// Waits until the socket can be read (or written) for at most seconds: 0
// when it can, WSAETIMEDOUT when the wait expired, else the error's code.
int waitReady(SOCKET socket, bool forWriting, unsigned long seconds)
{
    fd_set ready;
    FD_ZERO(&ready);
    FD_SET(socket, &ready);
    timeval wait = secondsOf(seconds);
    int count = forWriting ? select(0, nullptr, &ready, nullptr, &wait)
                           : select(0, &ready, nullptr, nullptr, &wait);
    if (count > 0)
        return 0;
    if (count == 0)
        return WSAETIMEDOUT;
    int code = WSAGetLastError();
    return code == WSAEALREADY ? 0 : code;
}

// The local address and port to bind to; an empty address means any.
// False for an address that is not dotted.
bool localEndpoint(const char* address, unsigned short port, sockaddr_in* endpoint)
{
    std::memset(endpoint, 0, sizeof *endpoint);
    endpoint->sin_family = AF_INET;
    endpoint->sin_port = htons(port);
    if (address == nullptr || address[0] == '\0') {
        endpoint->sin_addr.s_addr = htonl(INADDR_ANY);
        return true;
    }
    endpoint->sin_addr.s_addr = inet_addr(address);
    return endpoint->sin_addr.s_addr != INADDR_NONE
           || std::strcmp(address, "255.255.255.255") == 0;
}

sockaddr_in remoteEndpoint(unsigned long hostOrder, unsigned short port)
{
    sockaddr_in endpoint = {};
    endpoint.sin_family = AF_INET;
    endpoint.sin_port = htons(port);
    endpoint.sin_addr.s_addr = htonl(hostOrder);
    return endpoint;
}

// Waits for a non-blocking connect to finish: 0 connected, else the code
// of why it did not.
int awaitConnection(SOCKET socket, unsigned long seconds)
{
    fd_set writable;
    fd_set failed;
    FD_ZERO(&writable);
    FD_ZERO(&failed);
    FD_SET(socket, &writable);
    FD_SET(socket, &failed);
    timeval wait = secondsOf(seconds);
    int count = select(0, nullptr, &writable, &failed, &wait);
    if (count == 0)
        return WSAETIMEDOUT;
    if (count < 0) {
        int code = WSAGetLastError();
        if (code != WSAEALREADY)
            return code;
    }
    int reason = 0;
    int length = sizeof reason;
    getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&reason), &length);
    if (reason != 0)
        return reason;
    return FD_ISSET(socket, &failed) ? WSAECONNREFUSED : 0;
}

// A connection accepted by the worker, waiting for the application thread.
struct Arrival {
    SOCKET connection;
    unsigned long peer;
};

} // namespace

// The background worker of one socket and what it shares with the socket
// object, with the queue of its events for the application thread: each
// accepted connection, or the note that a datagram waits. The object, the
// worker thread and every wake-up on its way hold a reference, so that
// either may go first. A worker that was let go touches the object no more.
struct TQDwinsocketWorker : TQwinHandOverQueue {
    TQDwinsocketWorker(TQDwinsocket* owner, TQDsocket::AcceptCallback callback, SOCKET socket,
                       bool udp)
        : TQwinHandOverQueue(TQ_WM_USER_SOCKET_EVENT), owner(owner), callback(callback),
          socket(socket), udp(udp)
    {
    }
    ~TQDwinsocketWorker() override
    {
        if (thread != nullptr)
            CloseHandle(thread);
    }

    // On the application thread, which alone lets the worker go. A
    // connection whose socket let its worker go meanwhile is closed.
    void deliver(void* item) override
    {
        if (udp) {
            if (owner != nullptr)
                callback(owner, reinterpret_cast<void*>(socket), 0);
            return;
        }
        Arrival* arrival = static_cast<Arrival*>(item);
        if (owner != nullptr)
            callback(owner, reinterpret_cast<void*>(arrival->connection), arrival->peer);
        else
            closesocket(arrival->connection);
        delete arrival;
    }
    void discard(void* item) override
    {
        if (udp)
            return;
        Arrival* arrival = static_cast<Arrival*>(item);
        closesocket(arrival->connection);
        delete arrival;
    }

    // Whether the owner still wants deliveries. A stop request is obeyed
    // here: it is cleared, and the answer is no.
    bool stillWanted()
    {
        TQwinSectionLock guard(lock);
        if (owner == nullptr)
            return false;
        return owner->m_stop.exchange(0) == 0;
    }

    bool held()
    {
        TQwinSectionLock guard(lock);
        return owner != nullptr && !TQGFworkersEnd();
    }

    // A failure of the worker becomes the owner's last error while it has
    // one. Its successes are not recorded: they would overwrite, at any
    // moment, an error the application is about to read.
    void record(int code)
    {
        const char* text = errorTextOf(code);
        TQwinSectionLock guard(lock);
        if (owner != nullptr)
            owner->m_lastError = text;
    }

    // Makes the semaphore a delivered datagram waits on; null when the
    // owner let the worker go or none can be made.
    HANDLE openHandOver()
    {
        TQwinSectionLock guard(lock);
        if (owner != nullptr)
            handOverDone = CreateSemaphoreA(nullptr, 0, 1, nullptr);
        return handOverDone;
    }

    void closeHandOver()
    {
        TQwinSectionLock guard(lock);
        if (handOverDone != nullptr)
            CloseHandle(handOverDone);
        handOverDone = nullptr;
    }

    // Lets the next datagram come: false when none waits.
    bool releaseHandOver()
    {
        TQwinSectionLock guard(lock);
        return handOverDone != nullptr && ReleaseSemaphore(handOverDone, 1, nullptr);
    }

    // The application thread lets the worker go: it delivers nothing more
    // and ends at its next step; a datagram's wait is released, and the
    // connections still waiting are closed.
    void letGo()
    {
        {
            TQwinSectionLock guard(lock);
            owner = nullptr;
            if (handOverDone != nullptr)
                ReleaseSemaphore(handOverDone, 1, nullptr);
        }
        discardWaiting();
    }

    // After a wait for the worker's end that ran out: the socket is closed
    // by the worker when it ends. False when it has ended meanwhile.
    bool takeOverClosing()
    {
        TQwinSectionLock guard(lock);
        closeAtEnd = !ended;
        return closeAtEnd;
    }

    void finish()
    {
        TQwinSectionLock guard(lock);
        ended = true;
        if (closeAtEnd)
            closesocket(socket);
    }

    // Under the lock, but for owner, which only the application thread
    // changes and reads there without it.
    TQDwinsocket* owner;       // null once let go
    TQDsocket::AcceptCallback callback;
    SOCKET socket;
    bool udp;
    HANDLE thread = nullptr;
    // A UDP worker's own semaphore while a delivered datagram waits for
    // the application; null otherwise.
    HANDLE handOverDone = nullptr;
    bool closeAtEnd = false;   // the object left closing the socket to the worker
    bool ended = false;
};

namespace {

// Until the worker is let go or the process ends: 0 when its socket can be
// read, else -1 with the error recorded.
int waitForTraffic(TQDwinsocketWorker* worker)
{
    for (;;) {
        if (!worker->held())
            return -1;
        if (worker->waiting() >= kMostWaitingConnections) {
            WaitForSingleObject(TQGFworkersEnding(), kWorkerSliceMs);
            continue;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(worker->socket, &readable);
        timeval slice = {0, kWorkerSliceMs * 1000};
        int count = select(0, &readable, nullptr, nullptr, &slice);
        if (count > 0)
            return 0;
        int code = count < 0 ? WSAGetLastError() : 0;
        if (code != 0 && code != WSAEALREADY) {
            worker->record(code);
            return -1;
        }
    }
}

// Each connection waits in the worker's queue for the application thread,
// however long that thread is busy; the worker goes on accepting.
DWORD WINAPI acceptConnections(void* parameter)
{
    TQDwinsocketWorker* worker = static_cast<TQDwinsocketWorker*>(parameter);
    while (waitForTraffic(worker) == 0) {
        __dbprintf("TQDwinsocket::_asccept_thread_() accept start...\n");
        sockaddr_in from = {};
        int length = sizeof from;
        SOCKET connection =
            ::accept(worker->socket, reinterpret_cast<sockaddr*>(&from), &length);
        if (connection == INVALID_SOCKET) {
            worker->record(-1);
            __dbprintf("TQDwinsocket::_asccept_thread_() accept return1\n");
            break;
        }
        unsigned long peer = ntohl(from.sin_addr.s_addr);
        __dbprintf("TQDwinsocket::_asccept_thread_() accept done... sock=0x%x from_addr=0x%x\n",
                   static_cast<unsigned>(connection), static_cast<unsigned>(peer));
        // A connection nobody will take is closed, not left open.
        if (!worker->stillWanted()) {
            closesocket(connection);
            __dbprintf("TQDwinsocket::_asccept_thread_() accept return2\n");
            break;
        }
        Arrival* arrival = new Arrival{connection, peer};
        if (!worker->handOver(arrival))
            worker->discard(arrival);
    }
    worker->finish();
    worker->release();
    return 0;
}

// Offers one datagram to the application and waits until it lets the next
// one come: false when the worker is to end.
bool offerDatagram(TQDwinsocketWorker* worker)
{
    HANDLE handOverDone = worker->openHandOver();
    if (handOverDone == nullptr)
        return false;
    bool offered = worker->handOver(worker);
    if (offered) {
        HANDLE either[2] = {handOverDone, TQGFworkersEnding()};
        WaitForMultipleObjects(2, either, FALSE, INFINITE);
    }
    worker->closeHandOver();
    return offered;
}

DWORD WINAPI watchDatagrams(void* parameter)
{
    TQDwinsocketWorker* worker = static_cast<TQDwinsocketWorker*>(parameter);
    while (waitForTraffic(worker) == 0 && worker->stillWanted() && offerDatagram(worker)
           && worker->stillWanted()) {
    }
    worker->finish();
    worker->release();
    return 0;
}

} // namespace

// ---------------------------------------------------------------------------
// The socket object

TQDwinsocket::TQDwinsocket()
    : m_socket(0), m_listening(0), m_worker(nullptr), m_lastError("")
{
}

TQDwinsocket::~TQDwinsocket()
{
    m_stop = 1;
    destroy();
}

void TQDwinsocket::seterr(int code)
{
    m_lastError = errorTextOf(code);
}

TQCstring TQDwinsocket::getLastError()
{
    return TQCstring(m_lastError.load());
}

bool TQDwinsocket::destinationAddress(const char* address, bool udp, unsigned long* hostOrder)
{
    if (address == nullptr || address[0] == '\0') {
        if (udp) {
            *hostOrder = INADDR_BROADCAST;
            return true;
        }
        address = "localhost";
    }
    int code = TQGFwinStartSockets();
    if (code == 0) {
        hostent* host = gethostbyname(address);
        if (host != nullptr && host->h_addrtype == AF_INET && host->h_addr_list[0] != nullptr) {
            u_long network;
            std::memcpy(&network, host->h_addr_list[0], sizeof network);
            *hostOrder = ntohl(network);
            return true;
        }
        code = WSAGetLastError();
    }
    u_long dotted = inet_addr(address);
    if (dotted != INADDR_NONE || std::strcmp(address, "255.255.255.255") == 0) {
        *hostOrder = ntohl(dotted);
        return true;
    }
    WSASetLastError(code != 0 ? code : WSAHOST_NOT_FOUND);
    return false;
}

int TQDwinsocket::initialize()
{
    if (m_socket == 0) {
        int code = TQGFwinStartSockets();
        if (code != 0) {
            seterr(code);
            return -1;
        }
        SOCKET made = m_isUdp ? ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP)
                              : ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        if (made == INVALID_SOCKET) {
            seterr(-1);
            return -1;
        }
        m_socket = made;
        if (m_isUdp)
            m_bound = 0;
    }
    return TQDsocket::initialize();
}

bool TQDwinsocket::haveSocket()
{
    if (m_socket == 0)
        initialize();
    return m_socket != 0;
}

// The worker never waits for the application thread, so it is waited for
// here even inside one of its own callbacks.
bool TQDwinsocket::endWorker()
{
    TQDwinsocketWorker* worker = m_worker;
    if (worker == nullptr)
        return false;
    m_worker = nullptr;
    worker->letGo();
    bool ended = TQGFwaitHandlingSentMessages(worker->thread, kWorkerEndMs);
    bool workerCloses = !ended && worker->takeOverClosing();
    worker->release();
    return workerCloses;
}

int TQDwinsocket::destroy()
{
    bool workerCloses = endWorker();
    if (m_socket != 0) {
        bool closed = workerCloses || closesocket(native(m_socket)) == 0;
        seterr(closed ? 0 : -1);
        m_socket = 0;
    }
    m_listening = 0;
    m_acceptStarted = 0;
    return TQDsocket::destroy();
}

int TQDwinsocket::connect()
{
    if (!haveSocket() || m_isUdp)
        return -1;
    const char* destination = m_destAddr.getString();
    if (destination[0] == '\0')
        __dbprintf("TQDwinsocket::connect() dest addr is local host\n");
    else
        __dbprintf("TQDwinsocket::connect() dest addr is %s\n", destination);
    __dbprintf("TQDwinsocket::connect() dest port is %d\n", m_destPort);

    unsigned long host = 0;
    if (!destinationAddress(destination, false, &host)) {
        seterr(-1);
        return -1;
    }
    if (!setBlocking(native(m_socket), m_timeout == 0)) {
        seterr(-1);
        return -1;
    }
    sockaddr_in to = remoteEndpoint(host, m_destPort);
    int code = 0;
    if (::connect(native(m_socket), reinterpret_cast<sockaddr*>(&to), sizeof to) != 0) {
        code = WSAGetLastError();
        if (m_timeout != 0 && (code == WSAEWOULDBLOCK || code == WSAEINPROGRESS))
            code = awaitConnection(native(m_socket), m_timeout);
    }
    if (code != 0) {
        __dbprintf("TQDwinsocket::connect() connect err.\n");
        // A socket whose connect failed takes no second one (Wine answers
        // WSAECONNABORTED), so a retry starts from a fresh socket.
        close(nullptr);
    }
    seterr(code);
    return code == 0 ? 0 : -1;
}

int TQDwinsocket::listen()
{
    if (!haveSocket() || m_isUdp)
        return -1;
    const char* address = m_addr.getString();
    if (address[0] == '\0')
        __dbprintf("TQDwinsocket::listen() bind addr is INADDR_ANY\n");
    else
        __dbprintf("TQDwinsocket::listen() bind addr is %s\n", address);
    __dbprintf("TQDwinsocket::listen() bind port is %d\n", m_port);

    sockaddr_in at;
    if (!localEndpoint(address, m_port, &at)) {
        seterr(WSAEADDRNOTAVAIL);
        return -1;
    }
    BOOL reuse = TRUE;
    setsockopt(native(m_socket), SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<char*>(&reuse),
               sizeof reuse);
    if (bind(native(m_socket), reinterpret_cast<sockaddr*>(&at), sizeof at) != 0) {
        __dbprintf("TQDwinsocket::listen() bind error\n");
        // With address reuse on, Wine refuses a port that another socket
        // holds without sharing it for access; to the program that is the
        // address in use, which the error table names.
        int code = WSAGetLastError();
        seterr(code == WSAEACCES ? WSAEADDRINUSE : code);
        return -1;
    }
    if (::listen(native(m_socket), kListenBacklog) != 0) {
        __dbprintf("TQDwinsocket::listen() listen error\n");
        seterr(-1);
        return -1;
    }
    m_listening = 1;
    seterr(0);
    return 0;
}

void* TQDwinsocket::accept()
{
    if (!haveSocket() || m_isUdp)
        return nullptr;
    if (!m_listening && listen() != 0)
        return nullptr;
    sockaddr_in from = {};
    int length = sizeof from;
    SOCKET connection = ::accept(native(m_socket), reinterpret_cast<sockaddr*>(&from), &length);
    if (connection == INVALID_SOCKET) {
        seterr(-1);
        return nullptr;
    }
    seterr(0);
    unsigned long peer = ntohl(from.sin_addr.s_addr);
    __dbprintf("TQDwinsocket::accept() sock=0x%x from_addr=0x%x\n",
               static_cast<unsigned>(connection), static_cast<unsigned>(peer));
    _set_dest_addr_(peer);
    return reinterpret_cast<void*>(connection);
}

// A UDP socket is bound before its worker starts, as a TCP socket listens
// first: a datagram sent once acceptEx has answered is not missed.
int TQDwinsocket::acceptEx(AcceptCallback callback)
{
    if (m_acceptStarted || callback == nullptr || !haveSocket())
        return -1;
    if (m_isUdp ? !bindUdp() : !m_listening && listen() != 0)
        return -1;
    TQDwinsocketWorker* worker =
        new TQDwinsocketWorker(this, callback, native(m_socket), m_isUdp != 0);
    worker->retain();
    worker->thread = TQGFstartWorker(m_isUdp ? watchDatagrams : acceptConnections, worker);
    if (worker->thread == nullptr) {
        worker->release();
        worker->release();
        return -1;
    }
    m_worker = worker;
    m_acceptStarted = 1;
    return 0;
}

bool TQDwinsocket::bindUdp()
{
    if (m_bound != 0)
        return true;
    sockaddr_in at;
    if (!localEndpoint(m_addr.getString(), m_port, &at)) {
        seterr(WSAEADDRNOTAVAIL);
        return false;
    }
    if (bind(native(m_socket), reinterpret_cast<sockaddr*>(&at), sizeof at) != 0) {
        seterr(-1);
        return false;
    }
    m_bound = 1;
    return true;
}

int TQDwinsocket::_continue_udp_read_accept()
{
    return m_worker != nullptr && m_worker->releaseHandOver() ? 0 : -1;
}

int TQDwinsocket::close(void* connection)
{
    if (connection == nullptr) {
        destroy();
        return -1;
    }
    // The socket's own handle is never closed behind its back.
    if (reinterpret_cast<std::uintptr_t>(connection) == m_socket) {
        destroy();
        return 0;
    }
    seterr(closesocket(reinterpret_cast<SOCKET>(connection)) == 0 ? 0 : -1);
    return 0;
}

long TQDwinsocket::receiveOnce(std::uintptr_t connection, unsigned char* buffer, long count)
{
    char* into = reinterpret_cast<char*>(buffer);
    if (!m_isUdp)
        return recv(native(connection), into, static_cast<int>(count), 0);
    sockaddr_in from = {};
    int length = sizeof from;
    int received = recvfrom(native(connection), into, static_cast<int>(count), 0,
                            reinterpret_cast<sockaddr*>(&from), &length);
    if (received >= 0) {
        // A reply goes back to the sender.
        _set_dest_addr_(ntohl(from.sin_addr.s_addr));
        m_destPort = ntohs(from.sin_port);
    }
    return received;
}

long TQDwinsocket::sendOnce(std::uintptr_t connection, const unsigned char* buffer, long count)
{
    const char* from = reinterpret_cast<const char*>(buffer);
    if (!m_isUdp)
        return send(native(connection), from, static_cast<int>(count), 0);
    unsigned long host = 0;
    if (!destinationAddress(m_destAddr.getString(), true, &host))
        return -1;
    sockaddr_in to = remoteEndpoint(host, m_destPort);
    return sendto(native(connection), from, static_cast<int>(count), 0,
                  reinterpret_cast<sockaddr*>(&to), sizeof to);
}

long TQDwinsocket::read(void* connection, unsigned char* buffer, long count)
{
    if (m_isUdp && connection != nullptr
        && reinterpret_cast<std::uintptr_t>(connection) == m_socket && !bindUdp())
        return -1;
    return transfer(connection, buffer, count, false);
}

long TQDwinsocket::write(void* connection, unsigned char* buffer, long count)
{
    if (m_isUdp && connection != nullptr) {
        // A bound socket receives; the sending is another socket's.
        if (m_bound != 0) {
            seterr(0);
            return 0;
        }
        BOOL broadcast = TRUE;
        if (setsockopt(native(reinterpret_cast<std::uintptr_t>(connection)), SOL_SOCKET,
                       SO_BROADCAST, reinterpret_cast<char*>(&broadcast), sizeof broadcast) != 0) {
            seterr(-1);
            return 0;
        }
    }
    return transfer(connection, buffer, count, true);
}

// The time-out of the socket's own connection, or the client time-out of
// an accepted one, decides between one blocking transfer and bounded waits.
long TQDwinsocket::transfer(void* connection, unsigned char* buffer, long count, bool writing)
{
    if (connection == nullptr) {
        seterr(WSAENOTSOCK);
        return -1;
    }
    if (buffer == nullptr || count <= 0)
        return 0;
    std::uintptr_t handle = reinterpret_cast<std::uintptr_t>(connection);
    unsigned long seconds = handle == m_socket ? m_timeout : m_clTimeout;
    if (!setBlocking(native(handle), seconds == 0)) {
        seterr(-1);
        return 0;
    }
    if (seconds == 0) {
        long moved = transferOnce(handle, buffer, count, writing);
        seterr(moved >= 0 ? 0 : -1);
        return moved;
    }
    return transferAll(handle, buffer, count, seconds, writing);
}

long TQDwinsocket::transferOnce(std::uintptr_t connection, unsigned char* buffer, long count,
                                bool writing)
{
    return writing ? sendOnce(connection, buffer, count) : receiveOnce(connection, buffer, count);
}

// Moves bytes until the count is complete, a wait expires, the peer closes
// or an error comes, and gives the count moved. A UDP read gathers
// datagrams the same way; an empty datagram is no end.
long TQDwinsocket::transferAll(std::uintptr_t connection, unsigned char* buffer, long count,
                               unsigned long seconds, bool writing)
{
    long total = 0;
    while (total < count) {
        long moved = transferOnce(connection, buffer + total, count - total, writing);
        if (moved == 0 && m_isUdp && !writing)
            continue;
        if (moved == 0)
            break;
        if (moved > 0) {
            total += moved;
            continue;
        }
        int code = WSAGetLastError();
        if (code == WSAEWOULDBLOCK)
            code = waitReady(native(connection), writing, seconds);
        if (code != 0) {
            seterr(code);
            return total;
        }
    }
    seterr(0);
    return total;
}

void* TQDwinsocket::ownConnection()
{
    if (m_isUdp)
        haveSocket();
    if (m_socket == 0)
        seterr(WSAENOTCONN);
    return reinterpret_cast<void*>(m_socket);
}

long TQDwinsocket::read(unsigned char* buffer, long count)
{
    void* own = ownConnection();
    return own != nullptr ? read(own, buffer, count) : -1;
}

long TQDwinsocket::write(unsigned char* buffer, long count)
{
    void* own = ownConnection();
    return own != nullptr ? write(own, buffer, count) : -1;
}

TQ_PLATFORM_FACTORY(TQDsocket, TQDwinsocket, _winsocket_create_handler, TQGFinitializeWinSocket)
