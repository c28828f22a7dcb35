// What the three socket components (TCP client, TCP server, UDP) share: the
// address, port and time-out properties, the text of the last error with
// its two accessors, the ACTIVATE procedures that a connection or a
// datagram runs, and the caption. Each component is an object-model class
// of its own with TQCngbase as parent; this part of them has no class
// record.
//
// The components are used on the application thread only: their device
// sockets hand connections and datagrams over to it, and the procedures
// that run there read and write. Errors are returned (-1), never printed.
#ifndef _TQCSOCKETCOMPONENT_H
#define _TQCSOCKETCOMPONENT_H

#include "_TQCclassFrame.h"
#include "_TQCngbase.h"
#include "_TQCstring.h"
#include "_TQGFtrigger.h"

class TQDsocket;

class TQCsocketComponent : public TQCngbase {
public:
    // caption is the builder's label; port the default of the port.
    TQCsocketComponent(TQCbase* parent, const char* name, const char* caption,
                       unsigned short port);
    // Deleting the device socket closes what it holds.
    ~TQCsocketComponent() override;

    TQ_PROPERTY_HOOKS(ip, char*)
    TQ_PROPERTY_HOOKS(port, unsigned short)
    TQ_PROPERTY_HOOKS(timeout, unsigned long)

    // The last error text in at most size bytes, NUL-padded, the last byte
    // always NUL; nothing at all when size is not positive.
    void getErrorMsg(char* buffer, long size);
    TQCstring getErrorMessage();
    // Runs the ACTIVATE procedures; the components call it for each
    // connection or datagram.
    virtual void onActivate();
    // The client's socket, the server's listener or the UDP receive socket;
    // null until first needed.
    TQDsocket* getSocket() const { return m_socket; }

    // ip, port (with its default) and timeout in this order, and the
    // ACTIVATE trigger.
    template <class Class>
    static void registerEndpoint(TQCclassRegistrar<Class>& r, unsigned short defaultPort);

protected:
    // ip as the device sockets take it: "" while none is set.
    const char* ipText() const { return m_ip != nullptr ? m_ip : ""; }
    // The socket in slot, made when missing (a UDP one when udp); null
    // when none can be made.
    static TQDsocket* made(TQDsocket*& slot, bool udp = false);
    // The socket's last error becomes the component's.
    void takeError(TQDsocket* socket);
    // Reads or writes on connection (null: the socket's own) and takes the
    // socket's error text: the device's count, or -1 without a socket.
    long transfer(TQDsocket* socket, void* connection, unsigned char* buffer, long length,
                  bool writing);

    TQDsocket* m_socket = nullptr;
    char* m_ip = nullptr;
    unsigned short m_port;
    unsigned long m_timeout = 60;

private:
    TQCstring m_errorText;
};

template <class Class>
void TQCsocketComponent::registerEndpoint(TQCclassRegistrar<Class>& r, unsigned short defaultPort)
{
    typedef Class ThisClass;
    TQ_WATCH(r, ip, "");
    TQ_WATCH(r, port, defaultPort);
    TQ_WATCH(r, timeout, 60);
    r.triggers({TQEV_ACTIVATE});
}

#endif
