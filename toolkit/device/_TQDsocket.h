// A TCP or UDP endpoint: addresses, ports, time-outs, connecting, listening,
// accepting (once, or in the background with a callback), raw transfers and
// the text of the last error. The base object fails every network
// operation; the platform layer installs a factory for working objects.
#ifndef _TQDSOCKET_H
#define _TQDSOCKET_H

#include <atomic>

#include "_TQCroot.h"
#include "_TQCstring.h"
#include "_TQDcreateInstance.h"

// What users of a socket may rely on:
// - A connection handle (void*) stands for one accepted TCP connection; for
//   a connected client and for any UDP socket it is the socket's own native
//   handle. Null is never a connection.
// - Every callback of acceptEx runs on the application thread, as
//   callback(socket, connection, peer address in host order; 0 for UDP).
//   The callback owns a TCP connection it is given and closes it with
//   close(connection); the worker never closes a delivered connection. A
//   UDP callback reads the datagram with read(buffer, count) and calls
//   _continue_udp_read_accept() (there or later) to let the next one come.
// - Only the application thread changes addresses and ports, calls destroy
//   and deletes socket objects. Deleting a socket (or destroy, or changing
//   an address or port) ends its background worker; connections that
//   arrive meanwhile are closed, never delivered to a gone owner.
// - Results are 0, -1, a count or null; the reason is in getLastError().
class TQDsocket : public TQCroot {
public:
    typedef void (*AcceptCallback)(TQDsocket* socket, void* connection,
                                   unsigned long peerAddress);

    TQDsocket();
    // Runs the base destroy().
    ~TQDsocket() override;
    TQ_ROOT_FRAME(TQDsocket, TQCroot)

    // Drops the native socket, listener and connection; clears the stop flag.
    virtual int destroy();
    // Makes the native socket when there is none: 0, or -1.
    virtual int initialize();
    // Waits for one peer (listening first when needed) and records its
    // address as the destination: its connection handle, or null.
    virtual void* accept();
    // Starts accepting connections (TCP) or watching for datagrams (UDP) on
    // a worker of this socket: 0, or -1 when accepting has already started
    // (until destroy), the callback is null or the worker cannot start.
    virtual int acceptEx(AcceptCallback callback);
    // Lets a UDP worker that delivered a datagram go on: 0, or -1 when no
    // worker waits.
    virtual int _continue_udp_read_accept();
    // Asks the worker to end at its next connection or datagram, which it
    // then does not deliver.
    virtual int stopAcceptEx();
    // TCP: binds to the local address and port and listens. 0, or -1.
    virtual int listen();
    // TCP: connects to the destination within the time-out. 0, or -1.
    virtual int connect();
    // Closes one connection: 0. Null drops the socket itself: -1.
    virtual int close(void* connection);
    // Transfers on a connection: the count, or -1. A time-out above 0 bounds
    // each wait; the count so far is returned when it expires or the peer
    // closes.
    virtual long read(void* connection, unsigned char* buffer, long count);
    virtual long write(void* connection, unsigned char* buffer, long count);
    // The same on the socket's own connection; a UDP socket receives or
    // sends one datagram, a UDP read recording the sender as destination.
    virtual long read(unsigned char* buffer, long count);
    virtual long write(unsigned char* buffer, long count);
    virtual TQCstring getLastError();

    TQ_CREATE_INSTANCE_FRAME(TQDsocket)
    static void setCreateHandler(CreateInstanceHandler handler)
    {
        setCreateInstanceHandler(handler);
    }

    // Changing an address or a port drops the current native socket first.
    // An empty destination means the local host for TCP and the broadcast
    // address for UDP.
    int setAddr(const char* address);
    int setDestAddr(const char* address);
    int setPort(unsigned short port);
    int setDestPort(unsigned short port);
    TQCstring getAddr() const { return m_addr; }
    TQCstring getDestAddr() const { return m_destAddr; }
    unsigned short getPort() const { return m_port; }
    unsigned short getDestPort() const { return m_destPort; }
    // Seconds; 0 blocks. The time-out bounds the socket's own connection,
    // the client time-out accepted connections.
    void setTimeout(unsigned long seconds) { m_timeout = seconds; }
    unsigned long getTimeout() const { return m_timeout; }
    void setClTimeout(unsigned long seconds) { m_clTimeout = seconds; }
    unsigned long getClTimeout() const { return m_clTimeout; }
    void setUserData(void* data) { m_userData = data; }
    void* getUserData() const { return m_userData; }
    // Takes effect when the native socket is next made.
    void setIsUdp(unsigned char udp) { m_isUdp = udp; }
    unsigned char getIsUdp() const { return m_isUdp; }
    unsigned char getAcceptStarted() const { return m_acceptStarted; }
    // Writes an IPv4 address given in host order as the dotted destination,
    // without dropping the socket.
    void _set_dest_addr_(unsigned long address);

protected:
    unsigned short m_port;
    TQCstring m_addr;
    TQCstring m_destAddr;
    unsigned short m_destPort;
    unsigned long m_timeout;
    unsigned long m_clTimeout;
    void* m_userData;
    unsigned char m_acceptStarted;
    // Written by the application thread and by the worker that obeys it.
    std::atomic<unsigned char> m_stop;
    unsigned char m_isUdp;
    // A UDP socket bound by its first read or by acceptEx.
    unsigned char m_bound;
};

#endif
