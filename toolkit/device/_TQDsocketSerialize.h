// The serialiser of type "SOCKET": in stream mode, each record is sent or
// received through a socket the moment it is saved or loaded; positioning
// does nothing. It carries the conductor's remote calls.
#ifndef _TQDSOCKETSERIALIZE_H
#define _TQDSOCKETSERIALIZE_H

#include "_TQDserialize.h"

class TQDsocket;

// Use, on either end of a connection:
//   1. getNewSerialize("SOCKET") from the conductor and begin a transaction
//      (mode 2) while no socket is attached: it then reads no count and
//      starts empty;
//   2. setSocket(socket) and, on the serving side inside an accept
//      callback, setSocket(connection); without a connection the socket's
//      own connection is used;
//   3. each save writes one record, each load or loadAlloc reads one;
//   4. endTransaction sends nothing; delete the serialiser. The socket and
//      the connection are not closed: they stay their owners'.
class TQDsocketSerialize : public TQDserialize {
public:
    TQDsocketSerialize();
    ~TQDsocketSerialize() override;

    // _read and _write give the socket's result unchanged (the count, or
    // -1), 0 without a socket. Reads on a connection are bounded by the
    // socket's client time-out, on its own connection by its time-out.
    // Every other stream operation, and endTransaction, does nothing.
    TQ_SERIALIZE_FRAME(TQDsocketSerialize)
    using TQDserialize::beginTransaction;
    // Does nothing; the conductor begins with the two-argument form.
    virtual long beginTransaction(const char* name);

    void setSocket(TQDsocket* socket) { m_socket = socket; }
    void setSocket(void* connection) { m_connection = connection; }

private:
    TQDsocket* m_socket;
    void* m_connection;
};

#endif
