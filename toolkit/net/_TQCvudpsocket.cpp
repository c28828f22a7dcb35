// UDP component: a receive socket whose worker reports each datagram to
// the procedures, and a send socket aimed at ip:port.
#include "_TQCvudpsocket.h"

#include "_TQCtypeServerFrame.h"
#include "_TQDsocket.h"

TQ_TYPE_SERVER_FRAME(TQCvudpsocket, TQCngbase);

TQCvudpsocket::TQCvudpsocket(TQCbase* parent, const char* name)
    : TQCsocketComponent(parent, name, "UDP\nSocket", 9001)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        registerEndpoint(r, 9001);
        TQ_WATCH_SLOT(r, running, TQCflag<&ThisClass::m_running>, 0, bool3);
    });
}

TQCvudpsocket::~TQCvudpsocket()
{
    delete m_send;
}

void TQCvudpsocket::setWorkTQNip(char* ip)
{
    if (m_send == nullptr)
        _init();
    if (m_send != nullptr)
        m_send->setDestAddr(ip);
}

void TQCvudpsocket::setWorkTQNport(unsigned short port)
{
    if (made(m_socket, true) != nullptr)
        m_socket->setPort(port);
    if (made(m_send, true) != nullptr)
        m_send->setDestPort(port);
}

void TQCvudpsocket::setWorkTQNtimeout(unsigned long seconds)
{
    for (TQDsocket** slot : {&m_socket, &m_send})
        if (made(*slot, true) != nullptr)
            (*slot)->setTimeout(seconds);
}

void TQCvudpsocket::setWorkTQNrunning(TQCbool on)
{
    if (getPropertyEditMode())
        return;
    if (on == 1)
        start();
    else
        stop();
}

// The receive socket (the component's own) takes the bind address even
// when it is empty, so that clearing it takes effect too; the send socket
// is aimed at ip:port.
void TQCvudpsocket::_init()
{
    if (made(m_socket, true) != nullptr) {
        m_socket->setAddr(m_bindAddr.getString());
        m_socket->setPort(m_port);
        m_socket->setTimeout(m_timeout);
    }
    if (made(m_send, true) != nullptr) {
        m_send->setDestAddr(ipText());
        m_send->setDestPort(m_port);
        m_send->setTimeout(m_timeout);
    }
}

// Reception may have ended without a stop (a new port): started alone does
// not say that it runs. A failed start leaves the component stopped, so
// that the next start tries again.
int TQCvudpsocket::start()
{
    if (m_started && m_socket != nullptr && m_socket->getAcceptStarted())
        return 0;
    _init();
    if (m_socket == nullptr)
        return 0;
    m_started = 1;
    m_socket->setUserData(this);
    int result = m_socket->acceptEx(_udp_read_work);
    if (result != 0) {
        m_started = 0;
        takeError(m_socket);
    }
    return result;
}

int TQCvudpsocket::stop()
{
    if (m_socket == nullptr || !m_started)
        return 0;
    m_started = 0;
    return m_socket->stopAcceptEx();
}

// The procedures may delete the component; its receive socket then let its
// worker go already.
void TQCvudpsocket::_udp_read_work(TQDsocket* receiver, void*, unsigned long)
{
    TQCvudpsocket* udp = static_cast<TQCvudpsocket*>(receiver->getUserData());
    LifeGuard guard(udp);
    udp->onActivate();
    if (guard.alive())
        receiver->_continue_udp_read_accept();
}

long TQCvudpsocket::read(unsigned char* buffer, long length)
{
    if (m_socket == nullptr)
        _init();
    return transfer(m_socket, nullptr, buffer, length, false);
}

long TQCvudpsocket::write(unsigned char* buffer, long length)
{
    if (m_send == nullptr)
        _init();
    return transfer(m_send, nullptr, buffer, length, true);
}

TQCstring TQCvudpsocket::getDestAddr()
{
    return m_socket != nullptr ? m_socket->getDestAddr() : TQCstring("");
}
