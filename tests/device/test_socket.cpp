// The base socket: the messages of the network operations it does not have,
// and the peer address it records.
#include <gtest/gtest.h>

#include <string>

#include "CapturedText.h"
#include "_TQDsocket.h"
#include "_TQDsocketSerialize.h"

TEST(SocketDevice, BaseFailsNetworkOperationsWithTheirMessagesAndRecordsPeersDotted)
{
    TQDsocket* s = TQDsocket::getNewInstance();
    EXPECT_STREQ("TQDsocket", s->getClassName());

    unsigned char buffer[4] = {};
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(-1, s->connect());
    EXPECT_EQ(nullptr, s->accept());
    EXPECT_EQ(-1, s->acceptEx([](TQDsocket*, void*, unsigned long) {}));
    EXPECT_EQ(-1, s->_continue_udp_read_accept());
    EXPECT_EQ(-1, s->listen());
    EXPECT_EQ(-1, s->close(nullptr));
    EXPECT_EQ(-1, s->read(buffer, 4));
    EXPECT_EQ(-1, s->write(s, buffer, 4));
    EXPECT_EQ("TQDsocket::connet(): this version does not support connect().\n"
              "TQDsocket::accept(): this version does not support accept().\n"
              "TQDsocket::accept(): this version does not support acceptEx().\n"
              "TQDsocket::_continue_udp_read_accept(): this version does not support "
              "_continue_udp_read_accept().\n"
              "TQDsocket::listen(): this version does not support listen().\n"
              "TQDsocket::close(): this version does not support close().\n"
              "TQDsocket::read(): this version does not support read().\n"
              "TQDsocket::write(): this version does not support write().\n",
              capturedStderr());
    EXPECT_STREQ("", s->getLastError().getString());

    // A peer is written as a dotted address, without dropping the socket.
    s->_set_dest_addr_(0);
    EXPECT_STREQ("0.0.0.0", s->getDestAddr().getString());
    s->_set_dest_addr_(0xC0A80001);
    EXPECT_STREQ("192.168.0.1", s->getDestAddr().getString());

    // The socket serialiser hands counts above 0 to its socket unchanged.
    TQDsocketSerialize serialize;
    serialize.setSocket(s);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(0, serialize._read(buffer, 0));
    EXPECT_EQ(-1, serialize._read(buffer, 4));
    EXPECT_EQ("TQDsocket::read(): this version does not support read().\n", capturedStderr());
    delete s;
}
