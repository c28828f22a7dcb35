// The socket serialiser: its byte stream is the socket's connection.
#include "_TQDsocketSerialize.h"

#include <cstring>

#include "_TQCconductor.h"
#include "_TQDcreateInstance.h"
#include "_TQDsocket.h"

namespace {

void registerSocketPrototype()
{
    TQGIconductor()->addSerialize(new TQDsocketSerialize);
}

} // namespace

TQ_RUN_AT_START_UP(registerSocketPrototype)

TQDsocketSerialize::TQDsocketSerialize()
    : m_socket(nullptr), m_connection(nullptr)
{
    m_flags |= FLAG_STREAM_MODE;
}

TQDsocketSerialize::~TQDsocketSerialize() = default;

long TQDsocketSerialize::_open(const char*, long) { return 0; }
long TQDsocketSerialize::_close() { return 0; }

long TQDsocketSerialize::_read(void* buf, long n)
{
    if (m_socket == nullptr || buf == nullptr || n <= 0)
        return 0;
    unsigned char* to = static_cast<unsigned char*>(buf);
    return m_connection != nullptr ? m_socket->read(m_connection, to, n)
                                   : m_socket->read(to, n);
}

long TQDsocketSerialize::_write(const void* buf, long n)
{
    if (m_socket == nullptr || buf == nullptr || n <= 0)
        return 0;
    unsigned char* from = static_cast<unsigned char*>(const_cast<void*>(buf));
    return m_connection != nullptr ? m_socket->write(m_connection, from, n)
                                   : m_socket->write(from, n);
}

long TQDsocketSerialize::_eof() { return 0; }
long TQDsocketSerialize::_seek(long) { return 0; }
long TQDsocketSerialize::_seek_set() { return 0; }
long TQDsocketSerialize::_seek_end() { return 0; }
long TQDsocketSerialize::_size() { return 0; }
long TQDsocketSerialize::_tell() { return 0; }

unsigned char TQDsocketSerialize::type(const char* name)
{
    return name != nullptr && std::strcmp(name, "SOCKET") == 0 ? 1 : 0;
}

TQDserialize* TQDsocketSerialize::createSerialize()
{
    return new TQDsocketSerialize;
}

long TQDsocketSerialize::endTransaction() { return 0; }
long TQDsocketSerialize::beginTransaction(const char*) { return 0; }
