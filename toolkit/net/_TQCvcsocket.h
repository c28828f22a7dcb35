// The TCP client component: exec() connects to ip:port, runs the ACTIVATE
// procedures with the connection open (they move raw bytes with read and
// write) and closes it again. Every exec() makes a new connection.
#ifndef _TQCVCSOCKET_H
#define _TQCVCSOCKET_H

#include "_TQCsocketComponent.h"

class TQCvcsocket : public TQCsocketComponent {
public:
    TQ_CLASS_FRAME(TQCvcsocket, TQCngbase, 1000, 1000)
    // Makes no device socket.
    TQCvcsocket(TQCbase* parent, const char* name);

    // The device socket follows each change.
    void setWorkTQNip(char* ip) override;
    void setWorkTQNport(unsigned short port) override;
    void setWorkTQNtimeout(unsigned long seconds) override;

    // Connects (an empty ip is the local host) within timeout seconds (0:
    // without a limit), runs the procedures and closes: 0. -1 when no
    // connection was made, with the device's error text; no procedure runs
    // then. A success leaves the error text as it was.
    int exec();
    // On the connection exec() holds open: the device's count, or -1
    // (outside exec there is none).
    long read(unsigned char* buffer, long length);
    long write(unsigned char* buffer, long length);

    // Handed to the device socket as its local address before each connect.
    void setBindAddr(const char* address) { m_bindAddr.setString(address ? address : ""); }
    TQCstring getBindAddr() { return m_bindAddr; }

private:
    // Aims the device socket at ip:port with the time-out.
    void _init();

    TQCstring m_bindAddr;
};

void* TQCvcsocket_create(void* parent);
void TQCvcsocket_delete(void* object);

#endif
