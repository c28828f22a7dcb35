// Base socket: keeps the settings, fails every network operation with its
// message on standard error.
#include "_TQDsocket.h"

#include <cstdio>

namespace {

void unsupported(const char* operation, const char* named)
{
    std::fprintf(stderr, "TQDsocket::%s(): this version does not support %s().\n", operation,
                 named);
}

} // namespace

TQDsocket::TQDsocket()
    : m_port(0),
      m_destPort(0),
      m_timeout(0),
      m_clTimeout(0),
      m_userData(nullptr),
      m_acceptStarted(0),
      m_stop(0),
      m_isUdp(0),
      m_bound(0)
{
}

TQDsocket::~TQDsocket()
{
    TQDsocket::destroy();
}

int TQDsocket::destroy()
{
    m_stop = 0;
    return 0;
}

int TQDsocket::initialize()
{
    return 0;
}

void* TQDsocket::accept()
{
    unsupported("accept", "accept");
    return nullptr;
}

// The message names accept(), as the toolkit has always printed it.
int TQDsocket::acceptEx(AcceptCallback)
{
    unsupported("accept", "acceptEx");
    return -1;
}

int TQDsocket::_continue_udp_read_accept()
{
    unsupported("_continue_udp_read_accept", "_continue_udp_read_accept");
    return -1;
}

int TQDsocket::stopAcceptEx()
{
    m_stop = 1;
    return 0;
}

int TQDsocket::listen()
{
    unsupported("listen", "listen");
    return -1;
}

// "connet" is the message's own spelling, which logs may be searched for.
int TQDsocket::connect()
{
    unsupported("connet", "connect");
    return -1;
}

int TQDsocket::close(void*)
{
    unsupported("close", "close");
    return -1;
}

long TQDsocket::read(void*, unsigned char*, long)
{
    unsupported("read", "read");
    return -1;
}

long TQDsocket::write(void*, unsigned char*, long)
{
    unsupported("write", "write");
    return -1;
}

long TQDsocket::read(unsigned char*, long)
{
    unsupported("read", "read");
    return -1;
}

long TQDsocket::write(unsigned char*, long)
{
    unsupported("write", "write");
    return -1;
}

TQCstring TQDsocket::getLastError()
{
    return TQCstring("");
}

int TQDsocket::setAddr(const char* address)
{
    destroy();
    m_addr.setString(address != nullptr ? address : "");
    return 0;
}

int TQDsocket::setDestAddr(const char* address)
{
    destroy();
    m_destAddr.setString(address != nullptr ? address : "");
    return 0;
}

int TQDsocket::setPort(unsigned short port)
{
    destroy();
    m_port = port;
    return 0;
}

int TQDsocket::setDestPort(unsigned short port)
{
    destroy();
    m_destPort = port;
    return 0;
}

void TQDsocket::_set_dest_addr_(unsigned long address)
{
    char text[16];
    std::snprintf(text, sizeof text, "%lu.%lu.%lu.%lu", (address >> 24) & 0xFF,
                  (address >> 16) & 0xFF, (address >> 8) & 0xFF, address & 0xFF);
    m_destAddr.setString(text);
}
