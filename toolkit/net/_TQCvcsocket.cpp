// TCP client component: its properties reach the device socket, and exec()
// runs the procedures on a connection of its own.
#include "_TQCvcsocket.h"

#include "_TQCtypeServerFrame.h"
#include "_TQDsocket.h"

TQ_TYPE_SERVER_FRAME(TQCvcsocket, TQCngbase);

TQCvcsocket::TQCvcsocket(TQCbase* parent, const char* name)
    : TQCsocketComponent(parent, name, "Client\nSocket", 9000)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) { registerEndpoint(r, 9000); });
}

void TQCvcsocket::setWorkTQNip(char* ip)
{
    if (made(m_socket) != nullptr)
        m_socket->setDestAddr(ip);
}

void TQCvcsocket::setWorkTQNport(unsigned short port)
{
    if (made(m_socket) != nullptr)
        m_socket->setDestPort(port);
}

void TQCvcsocket::setWorkTQNtimeout(unsigned long seconds)
{
    if (made(m_socket) != nullptr)
        m_socket->setTimeout(seconds);
}

void TQCvcsocket::_init()
{
    m_socket->setDestAddr(ipText());
    m_socket->setDestPort(m_port);
    m_socket->setTimeout(m_timeout);
}

// Setting the destination again drops any connection left open. A
// procedure may delete the component: its device socket then closed the
// connection as it went.
int TQCvcsocket::exec()
{
    if (made(m_socket) == nullptr)
        return -1;
    if (m_bindAddr.getString()[0] != '\0')
        m_socket->setAddr(m_bindAddr.getString());
    _init();
    if (m_socket->connect() != 0) {
        takeError(m_socket);
        return -1;
    }
    LifeGuard guard(this);
    onActivate();
    if (guard.alive())
        m_socket->close(nullptr);
    return 0;
}

long TQCvcsocket::read(unsigned char* buffer, long length)
{
    return transfer(m_socket, nullptr, buffer, length, false);
}

long TQCvcsocket::write(unsigned char* buffer, long length)
{
    return transfer(m_socket, nullptr, buffer, length, true);
}
