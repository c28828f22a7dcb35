// Sockets on Windows Sockets: TCP clients and servers and UDP sockets,
// blocking or with time-outs, and a background worker per socket that
// accepts connections or watches for datagrams and hands each one to the
// application thread through its hand-over queue (woken by the private
// WM_USER message 2).
#ifndef TQDWINSOCKET_H
#define TQDWINSOCKET_H

#include "_TQDsocket.h"

#include <atomic>
#include <cstdint>

struct TQDwinsocketWorker;

class TQDwinsocket : public TQDsocket {
public:
    TQDwinsocket();
    // Ends the worker (see destroy), then drops the socket.
    ~TQDwinsocket() override;
    TQ_ROOT_FRAME(TQDwinsocket, TQDsocket)

    // Ends the background worker, closes the socket and clears the
    // listening and accept-started flags. Connections still waiting for the
    // application thread are closed, and the worker is waited for, also
    // inside one of its own callbacks.
    int destroy() override;
    int initialize() override;
    void* accept() override;
    int acceptEx(AcceptCallback callback) override;
    int _continue_udp_read_accept() override;
    int listen() override;
    int connect() override;
    // The socket's own handle is closed as close(null) would, but gives 0.
    int close(void* connection) override;
    long read(void* connection, unsigned char* buffer, long count) override;
    long write(void* connection, unsigned char* buffer, long count) override;
    long read(unsigned char* buffer, long count) override;
    long write(unsigned char* buffer, long count) override;
    TQCstring getLastError() override;

    // Records the text of a Windows Sockets error code as the last error;
    // -1 takes the thread's last socket error, 0 is "No error occurred!".
    // A non-zero code also clears the thread's last socket error.
    void seterr(int code);
    // Where a connect (TCP) or a datagram (UDP) goes for a destination
    // address: an IPv4 address in host order, or false when the name is
    // neither known nor a dotted address. Empty means the local host for
    // TCP and the broadcast address for UDP.
    static bool destinationAddress(const char* address, bool udp, unsigned long* hostOrder);

private:
    friend struct TQDwinsocketWorker;

    // The native socket, made when none is held: false when it cannot be.
    bool haveSocket();
    // Binds a UDP socket once to its local address and port.
    bool bindUdp();
    // The socket's own handle; null, with the error noted, when a TCP
    // socket has none (a UDP socket makes one).
    void* ownConnection();
    long transfer(void* connection, unsigned char* buffer, long count, bool writing);
    long transferAll(std::uintptr_t connection, unsigned char* buffer, long count,
                     unsigned long seconds, bool writing);
    long transferOnce(std::uintptr_t connection, unsigned char* buffer, long count,
                      bool writing);
    long sendOnce(std::uintptr_t connection, const unsigned char* buffer, long count);
    // A UDP receive records the sender as the destination.
    long receiveOnce(std::uintptr_t connection, unsigned char* buffer, long count);
    // Lets the worker go and waits for its end when it may; whether the
    // worker took over closing the native socket.
    bool endWorker();

    std::uintptr_t m_socket;  // 0 when there is none
    unsigned char m_listening;
    TQDwinsocketWorker* m_worker;
    // Points at a constant text of the error table; the worker records its
    // own failures here too.
    std::atomic<const char*> m_lastError;
};

// The text of a Windows Sockets error code: "No error occurred!" for 0,
// "Unknown error" for a code not in the table.
const char* TQGFwinsocketErrorText(int code);

TQDsocket* _winsocket_create_handler();
void TQGFinitializeWinSocket();

#endif
