// The part the socket components share: caption, error text and the
// ACTIVATE procedures.
#include "_TQCsocketComponent.h"

#include "_TQDsocket.h"

#include <cstring>

TQCsocketComponent::TQCsocketComponent(TQCbase* parent, const char* name, const char* caption,
                                       unsigned short port)
    : TQCngbase(parent, name), m_port(port), m_errorText("", -2)
{
    _set_title_string(caption);
}

TQCsocketComponent::~TQCsocketComponent()
{
    delete m_socket;
    delete[] m_ip;
}

void TQCsocketComponent::getErrorMsg(char* buffer, long size)
{
    if (buffer == nullptr || size <= 0)
        return;
    std::strncpy(buffer, m_errorText.getString(), static_cast<size_t>(size));
    buffer[size - 1] = '\0';
}

TQCstring TQCsocketComponent::getErrorMessage()
{
    return TQCstring(m_errorText.getString(), -2);
}

void TQCsocketComponent::onActivate()
{
    execProcedure(TQEV_ACTIVATE);
}

TQDsocket* TQCsocketComponent::made(TQDsocket*& slot, bool udp)
{
    if (slot == nullptr)
        slot = TQDsocket::getNewInstance();
    if (slot != nullptr && udp)
        slot->setIsUdp(1);
    return slot;
}

void TQCsocketComponent::takeError(TQDsocket* socket)
{
    m_errorText.setString(socket->getLastError().getString(), -2);
}

long TQCsocketComponent::transfer(TQDsocket* socket, void* connection, unsigned char* buffer,
                                  long length, bool writing)
{
    if (socket == nullptr)
        return -1;
    long result;
    if (connection == nullptr)
        result = writing ? socket->write(buffer, length) : socket->read(buffer, length);
    else
        result = writing ? socket->write(connection, buffer, length)
                         : socket->read(connection, buffer, length);
    takeError(socket);
    return result;
}
