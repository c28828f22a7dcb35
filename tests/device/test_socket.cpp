// The base socket: its settings, and the messages of the network operations
// it does not have.
#include <gtest/gtest.h>

#include <string>

#include "CapturedText.h"
#include "_TQDsocket.h"
#include "_TQDsocketSerialize.h"

TEST(SocketDevice, BaseFailsEveryNetworkOperationWithItsMessage)
{
    // The platform layer linked here has installed its factory.
    TQDsocket::CreateInstanceHandler installed =
        reinterpret_cast<TQDsocket::CreateInstanceHandler>(TQDsocket::getCreateInstanceHandler());
    TQDsocket::setCreateHandler(nullptr);
    TQDsocket* s = TQDsocket::getNewInstance();
    TQDsocket::setCreateHandler(installed);
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

    // The socket serialiser hands counts above 0 to its socket unchanged.
    TQDsocketSerialize serialize;
    serialize.setSocket(s);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(0, serialize._read(buffer, 0));
    EXPECT_EQ(-1, serialize._read(buffer, 4));
    EXPECT_EQ("TQDsocket::read(): this version does not support read().\n", capturedStderr());
    delete s;
}

TEST(SocketDevice, SettingsKeepTheirValuesAndPeersReadAsDottedAddresses)
{
    TQDsocket s;
    s.setAddr("10.0.0.2");
    s.setPort(4000);
    s.setDestAddr("example");
    s.setDestPort(4001);
    s.setTimeout(3);
    s.setClTimeout(4);
    s.setIsUdp(1);
    EXPECT_STREQ("10.0.0.2", s.getAddr().getString());
    EXPECT_EQ(4000, s.getPort());
    EXPECT_STREQ("example", s.getDestAddr().getString());
    EXPECT_EQ(4001, s.getDestPort());
    EXPECT_EQ(3u, s.getTimeout());
    EXPECT_EQ(4u, s.getClTimeout());
    EXPECT_EQ(1, s.getIsUdp());
    EXPECT_EQ(0, s.getAcceptStarted());
    EXPECT_EQ(0, s.stopAcceptEx());

    const struct {
        unsigned long address;
        const char* text;
    } peers[] = {{0, "0.0.0.0"}, {0xC0A80001, "192.168.0.1"}, {0x7F000001, "127.0.0.1"},
                 {0xFFFFFFFF, "255.255.255.255"}};
    for (const auto& peer : peers) {
        s._set_dest_addr_(peer.address);
        EXPECT_STREQ(peer.text, s.getDestAddr().getString());
    }
    EXPECT_EQ(4001, s.getDestPort()) << "recording a peer keeps the port";
}
