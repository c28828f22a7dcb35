// The UDP component: write sends a datagram to ip:port (an empty ip, or one
// that is not a dotted address, is the broadcast address); while it is
// started (running, or start()) each datagram that arrives on port runs
// the ACTIVATE procedures, which take it with read. One port serves both
// directions. It holds two device sockets: the component's own socket
// receives, bound to the bind address and port; the other sends.
#ifndef _TQCVUDPSOCKET_H
#define _TQCVUDPSOCKET_H

#include "_TQCsocketComponent.h"

class TQCvudpsocket : public TQCsocketComponent {
public:
    TQ_CLASS_FRAME(TQCvudpsocket, TQCngbase, 1000, 1000)
    // Makes no device socket.
    TQCvudpsocket(TQCbase* parent, const char* name);
    ~TQCvudpsocket() override;

    void setWorkTQNip(char* ip) override;
    // A new port ends reception until it is started again.
    void setWorkTQNport(unsigned short port) override;
    void setWorkTQNtimeout(unsigned long seconds) override;
    // start() on 1, stop() otherwise; nothing in the builder's edit mode.
    TQ_PROPERTY_WORK_HOOK(running, TQCbool)

    // Binds the receive socket and reports arrivals from then on: 0, or -1
    // with the device's error text (the port in use). Reception that runs
    // already is left as it is.
    int start();
    // Reports no further arrival: the device's result, or 0 when it was not
    // started.
    int stop();
    // Datagrams from the receive socket; with timeout 0 one blocking
    // receive. The device's count, or -1.
    long read(unsigned char* buffer, long length);
    // One datagram to ip:port: the device's count, or -1.
    long write(unsigned char* buffer, long length);
    // The sender of the datagram read last, dotted; "" before any read.
    TQCstring getDestAddr();
    // The receive socket's local address from the next start or read;
    // empty is every local address.
    void setBindAddr(const char* address) { m_bindAddr.setString(address ? address : ""); }
    TQCstring getBindAddr() { return m_bindAddr; }

    // The receive socket's report of a waiting datagram, on the
    // application thread.
    static void _udp_read_work(TQDsocket* receiver, void* connection, unsigned long peer);

private:
    // Both sockets made when missing and set from the properties; this
    // ends a running reception.
    void _init();

    TQDsocket* m_send = nullptr;
    TQCbool m_running = 0;
    unsigned char m_started = 0;
    TQCstring m_bindAddr;
};

void* TQCvudpsocket_create(void* parent);
void TQCvudpsocket_delete(void* object);

#endif
