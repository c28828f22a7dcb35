// The TCP server component: while running is on it listens on ip:port (an
// empty ip: every local address) and, for each client that connects, runs
// the ACTIVATE procedures on that connection, which it then closes. The
// procedures move raw bytes with read and write, and getDestAddr() names
// the client. Connections are served one after another on the application
// thread.
#ifndef _TQCVSSOCKET_H
#define _TQCVSSOCKET_H

#include "_TQCsocketComponent.h"

class TQCvssocket : public TQCsocketComponent {
public:
    TQ_CLASS_FRAME(TQCvssocket, TQCngbase, 1000, 1000)
    // Makes no device socket.
    TQCvssocket(TQCbase* parent, const char* name);

    // A new address or port closes the listener; running keeps its value
    // and listening starts again when running goes to 0 and back to 1.
    void setWorkTQNip(char* ip) override;
    void setWorkTQNport(unsigned short port) override;
    // The time-out of reads and writes on the clients' connections.
    void setWorkTQNtimeout(unsigned long seconds) override;
    // On: listens, unless it does already; a failure (the address in use)
    // leaves running on and the error text saying why. Off: the listener
    // is closed at once. Nothing in the builder's edit mode.
    TQ_PROPERTY_WORK_HOOK(running, TQCbool)

    // On the connection being served: the device's count, or -1 when no
    // connection's procedures are running.
    long read(unsigned char* buffer, long length);
    long write(unsigned char* buffer, long length);
    // The client of the connection being served, dotted; "" without a
    // device socket.
    TQCstring getDestAddr();

    // The device's hand-over of one accepted connection, on the application
    // thread: connection and client address (host order).
    static void _accepted_work(TQDsocket* listener, void* connection, unsigned long peer);

private:
    void startListening();
    void stopListening();

    void* m_connection = nullptr;
    TQCbool m_running = 0;
};

void* TQCvssocket_create(void* parent);
void TQCvssocket_delete(void* object);

#endif
