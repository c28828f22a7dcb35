// The address 127.0.0.1:port, for the tests' own sockets.
#ifndef LOOPBACKADDRESS_H
#define LOOPBACKADDRESS_H

#include <winsock2.h>

inline sockaddr_in loopback(unsigned short port)
{
    sockaddr_in at = {};
    at.sin_family = AF_INET;
    at.sin_port = htons(port);
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return at;
}

#endif
