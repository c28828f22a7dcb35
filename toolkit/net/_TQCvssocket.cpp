// TCP server component: running starts and stops the device socket's
// listener, whose accepted connections run the procedures one by one.
#include "_TQCvssocket.h"

#include "_TQCtypeServerFrame.h"
#include "_TQDsocket.h"

#include <memory>

TQ_TYPE_SERVER_FRAME(TQCvssocket, TQCngbase);

TQCvssocket::TQCvssocket(TQCbase* parent, const char* name)
    : TQCsocketComponent(parent, name, "Server\nSocket", 9000)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        registerEndpoint(r, 9000);
        TQ_WATCH_SLOT(r, running, TQCflag<&ThisClass::m_running>, 0, bool3);
    });
}

void TQCvssocket::setWorkTQNip(char* ip)
{
    if (made(m_socket) != nullptr)
        m_socket->setAddr(ip);
}

void TQCvssocket::setWorkTQNport(unsigned short port)
{
    if (made(m_socket) != nullptr)
        m_socket->setPort(port);
}

void TQCvssocket::setWorkTQNtimeout(unsigned long seconds)
{
    if (made(m_socket) != nullptr)
        m_socket->setClTimeout(seconds);
}

void TQCvssocket::setWorkTQNrunning(TQCbool on)
{
    if (made(m_socket) == nullptr || getPropertyEditMode())
        return;
    if (on)
        startListening();
    else
        stopListening();
}

// Whether listening worked is told by the error text alone.
void TQCvssocket::startListening()
{
    if (m_socket->getAcceptStarted())
        return;
    m_socket->setAddr(ipText());
    m_socket->setPort(m_port);
    m_socket->setClTimeout(m_timeout);
    m_socket->setUserData(this);
    m_socket->acceptEx(_accepted_work);
    takeError(m_socket);
}

// A stop request alone would leave the listener open until the next client
// came, to be accepted and dropped, and the device would go on reporting
// accepting as started, so that running 1 could never listen again. The
// listener is closed instead.
void TQCvssocket::stopListening()
{
    if (!m_socket->getAcceptStarted())
        return;
    m_socket->stopAcceptEx();
    m_socket->destroy();
    takeError(m_socket);
}

// The procedures may delete the component, and its device socket with it:
// the connection, which this hand-over owns, is then closed by a socket of
// its own.
void TQCvssocket::_accepted_work(TQDsocket* listener, void* connection, unsigned long peer)
{
    TQCvssocket* server = static_cast<TQCvssocket*>(listener->getUserData());
    server->m_connection = connection;
    listener->_set_dest_addr_(peer);
    LifeGuard guard(server);
    server->onActivate();
    if (!guard.alive()) {
        std::unique_ptr<TQDsocket> closer(TQDsocket::getNewInstance());
        closer->close(connection);
        return;
    }
    listener->close(connection);
    server->m_connection = nullptr;
}

long TQCvssocket::read(unsigned char* buffer, long length)
{
    if (m_connection == nullptr)
        return -1;
    return transfer(m_socket, m_connection, buffer, length, false);
}

long TQCvssocket::write(unsigned char* buffer, long length)
{
    if (m_connection == nullptr)
        return -1;
    return transfer(m_socket, m_connection, buffer, length, true);
}

TQCstring TQCvssocket::getDestAddr()
{
    return m_socket != nullptr ? m_socket->getDestAddr() : TQCstring("");
}
