// Sockets under Wine on 127.0.0.1, at ports found free at run time: error
// texts, connecting and timed transfers, connections and datagrams handed to
// the application thread, workers ended with their sockets, and a record
// transaction over a connection. Peers are plain sockets on test threads.
#include <winsock2.h>

#include "FreshApp.h"
#include "FreshProcess.h"
#include "LoopbackSockets.h"
#include "TestAppWindow.h"
#include "TestTypeServers.h"

#include "TQDwinAppDev.h"
#include "TQDwinsocket.h"
#include "TQGFwinSockets.h"
#include "_TQCconductor.h"
#include "_TQDsocketSerialize.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

const DWORD kPatience = 10000;

// What a socket's callback was given; the socket's user data points here.
struct Delivery {
    DWORD thread;
    TQDsocket* socket;
    void* connection;
    unsigned long peer;
    std::string data;
};
struct Deliveries {
    std::vector<Delivery> seen;
    std::function<void(TQDsocket*, void*)> then;
};

// Notes a delivery; a UDP socket's datagram is read into the note.
void noteDelivery(TQDsocket* socket, void* connection, unsigned long peer)
{
    Deliveries* deliveries = static_cast<Deliveries*>(socket->getUserData());
    unsigned char got[64];
    long n = socket->getIsUdp() ? socket->read(got, sizeof got) : 0;
    deliveries->seen.push_back({GetCurrentThreadId(), socket, connection, peer,
                                std::string(reinterpret_cast<char*>(got), n > 0 ? n : 0)});
    if (deliveries->then)
        deliveries->then(socket, connection);
}

std::string lastError(TQDsocket& socket)
{
    return socket.getLastError().getString();
}

unsigned char* bytes(const char* text)
{
    return reinterpret_cast<unsigned char*>(const_cast<char*>(text));
}

} // namespace

TEST(WinSocket, FailuresNameTheirCause)
{
    TQDwinsocket s;
    s.seterr(12345);
    EXPECT_EQ("Unknown error", lastError(s));
    s.seterr(10060);
    EXPECT_EQ("WSAETIMEDOUT - Command timed out", lastError(s));
    unsigned short port = freePort();
    s.setAddr("127.0.0.1");
    s.setPort(port);
    ASSERT_EQ(0, s.listen());
    EXPECT_EQ("No error occurred!", lastError(s));
    EXPECT_FALSE(canBind(port, SOCK_STREAM)) << "while it listens";
    EXPECT_EQ(-1, s.close(nullptr));
    EXPECT_TRUE(canBind(port, SOCK_STREAM)) << "close(null) dropped the listener";

    TQDwinsocket client;
    client.setDestAddr("127.0.0.1");
    client.setDestPort(port);
    EXPECT_EQ(-1, client.connect());
    EXPECT_EQ("WSAECONNREFUSED - Connection refused", lastError(client));
    client.setTimeout(2);
    DWORD start = GetTickCount();
    EXPECT_EQ(-1, client.connect());
    EXPECT_LT(GetTickCount() - start, 1500u) << "a refusal does not wait for the time-out";
    EXPECT_EQ("WSAECONNREFUSED - Connection refused", lastError(client));
    unsigned char got[4];
    EXPECT_EQ(-1, client.read(got, 4)) << "a failed connect drops the socket";
    EXPECT_EQ("WSAENOTCONN - Socket is not connected", lastError(client));
    client.setDestAddr("no-such-host.invalid");
    EXPECT_EQ(-1, client.connect());
    EXPECT_EQ("WSAHOST_NOT_FOUND - Host not found", lastError(client));

    TQDwinsocket udp;
    udp.setIsUdp(1);
    EXPECT_EQ(-1, udp.connect());
    EXPECT_EQ(-1, udp.listen());
    EXPECT_EQ(nullptr, udp.accept());
    EXPECT_EQ(-1, udp._continue_udp_read_accept());
    unsigned long host = 0;
    ASSERT_TRUE(TQDwinsocket::destinationAddress("", true, &host));
    EXPECT_EQ(0xFFFFFFFFul, host) << "an empty UDP destination is the broadcast address";
    ASSERT_TRUE(TQDwinsocket::destinationAddress("", false, &host));
    EXPECT_EQ(0x7F000001ul, host) << "an empty TCP destination is the local host";
}

TEST(WinSocket, TimedTransfersEndWhenAWaitExpiresOrThePeerCloses)
{
    unsigned short port = freePort();
    SOCKET listener = boundTo(port, SOCK_STREAM);
    ASSERT_EQ(0, listen(listener, 1));
    HANDLE more = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    {
        Peer peer([&] {
            SOCKET c = accept(listener, nullptr, nullptr);
            send(c, "abcd", 4, 0);
            WaitForSingleObject(more, kPatience);
            send(c, "ef", 2, 0);
            closesocket(c);
        });
        TQDwinsocket client;
        client.setDestPort(port);
        ASSERT_EQ(0, client.connect());
        client.setTimeout(2);
        unsigned char got[8];
        DWORD start = GetTickCount();
        EXPECT_EQ(4, client.read(got, 8)) << "half of what was asked";
        DWORD spent = GetTickCount() - start;
        EXPECT_GE(spent, 1500u);
        EXPECT_LT(spent, 4000u);
        EXPECT_EQ("WSAETIMEDOUT - Command timed out", lastError(client));
        EXPECT_EQ("abcd", std::string(reinterpret_cast<char*>(got), 4));

        SetEvent(more);
        start = GetTickCount();
        EXPECT_EQ(2, client.read(got, 8)) << "the peer closed";
        EXPECT_LT(GetTickCount() - start, 1500u);
        EXPECT_EQ("No error occurred!", lastError(client));
        client.setDestPort(port);
        EXPECT_EQ(-1, client.read(got, 8)) << "changing the port dropped the connection";
    }

    // A peer that reads nothing: the write gives up after one wait.
    {
        Peer peer([&] {
            SOCKET silent = accept(listener, nullptr, nullptr);
            WaitForSingleObject(more, kPatience);
            closesocket(silent);
        });
        TQDwinsocket client;
        client.setDestPort(port);
        client.setTimeout(1);
        ASSERT_EQ(0, client.connect());
        std::vector<unsigned char> lots(64 << 20, 'x');
        long count = static_cast<long>(lots.size());
        long sent = client.write(lots.data(), count);
        EXPECT_GT(sent, 0);
        EXPECT_LT(sent, count);
        EXPECT_EQ("WSAETIMEDOUT - Command timed out", lastError(client));
        SetEvent(more);
    }
    closesocket(listener);
    CloseHandle(more);
}

TEST(WinSocket, ConnectionsReachTheApplicationThreadUntilTheWorkerIsStopped)
{
    TestAppWindow app;
    unsigned short port = freePort();
    auto server = std::make_unique<TQDwinsocket>();
    Deliveries deliveries;
    deliveries.then = [](TQDsocket* s, void* connection) {
        unsigned char got[4] = {};
        bool ping = s->read(connection, got, 4) == 4 && std::memcmp(got, "ping", 4) == 0;
        s->write(connection, bytes(ping ? "pong" : "????"), 4);
        s->close(connection);
    };
    server->setUserData(&deliveries);
    server->setAddr("127.0.0.1");
    server->setPort(port);
    server->setClTimeout(5);
    ASSERT_EQ(0, server->acceptEx(noteDelivery));
    EXPECT_EQ(-1, server->acceptEx(noteDelivery)) << "one worker per socket";
    auto exchangeWhilePumping = [&] {
        std::string answer = "none";
        Peer peer([&] { answer = exchange(port, "ping"); });
        EXPECT_TRUE(app.pumpUntil([&] { return peer.ended(); }, kPatience));
        return answer;
    };
    EXPECT_EQ("pong", exchangeWhilePumping());
    ASSERT_EQ(1u, deliveries.seen.size());
    EXPECT_EQ(GetCurrentThreadId(), deliveries.seen[0].thread);
    EXPECT_EQ(server.get(), deliveries.seen[0].socket);
    EXPECT_NE(nullptr, deliveries.seen[0].connection);
    EXPECT_EQ(0x7F000001ul, deliveries.seen[0].peer);

    // After a stop, the next connection is closed, neither delivered nor
    // left open.
    EXPECT_EQ(0, server->stopAcceptEx());
    EXPECT_EQ("", exchangeWhilePumping());
    EXPECT_EQ(1u, deliveries.seen.size());
    EXPECT_EQ(-1, server->acceptEx(noteDelivery)) << "accepting stays started until destroy";
    EXPECT_EQ(0, server->destroy());
    EXPECT_EQ(0, server->getAcceptStarted());
    ASSERT_EQ(0, server->acceptEx(noteDelivery)) << "listening anew on the same port";

    // Deleted while a connection waits for the application thread: the
    // worker ends and the connection is closed.
    {
        std::string answer = "none";
        Peer peer([&] { answer = exchange(port, "ping"); });
        ASSERT_EQ(WAIT_OBJECT_0 + 0u,
                  MsgWaitForMultipleObjects(0, nullptr, FALSE, kPatience, QS_POSTMESSAGE))
            << "the worker posts the connection's wake-up";
        DWORD start = GetTickCount();
        server.reset();
        EXPECT_LT(GetTickCount() - start, 2000u);
        EXPECT_TRUE(app.pumpUntil([&] { return peer.ended(); }, kPatience));
        EXPECT_EQ("", answer);
    }
    EXPECT_EQ(1u, deliveries.seen.size());
    EXPECT_TRUE(canBind(port, SOCK_STREAM)) << "the listener was closed";
}

TEST(WinSocket, DatagramsReachTheirOwnWatcherWhichWaitsForItsRelease)
{
    TestAppWindow app;
    unsigned short portA = freePort(SOCK_DGRAM);
    unsigned short portB = freePort(SOCK_DGRAM);
    Deliveries a;
    Deliveries b;
    auto receiver = [](unsigned short port, Deliveries* deliveries) {
        auto s = std::make_unique<TQDwinsocket>();
        s->setIsUdp(1);
        s->setAddr("127.0.0.1");
        s->setPort(port);
        s->setUserData(deliveries);
        return s;
    };
    auto receiverA = receiver(portA, &a);
    auto receiverB = receiver(portB, &b);
    ASSERT_EQ(0, receiverA->acceptEx(noteDelivery));
    ASSERT_EQ(0, receiverB->acceptEx(noteDelivery));
    TQDwinsocket sender;
    sender.setIsUdp(1);
    sender.setDestAddr("127.0.0.1");
    auto sendTo = [&](unsigned short port, const char* text) {
        sender.setDestPort(port);
        return sender.write(bytes(text), static_cast<long>(std::strlen(text)));
    };
    auto seen = [&](Deliveries& d, size_t count) {
        return app.pumpUntil([&] { return d.seen.size() >= count; }, kPatience);
    };

    EXPECT_EQ(3, sendTo(portA, "one"));
    EXPECT_EQ(3, sendTo(portB, "two"));
    ASSERT_TRUE(seen(a, 1) && seen(b, 1));
    EXPECT_EQ(GetCurrentThreadId(), a.seen[0].thread);
    EXPECT_EQ("one", a.seen[0].data);
    EXPECT_EQ(0ul, a.seen[0].peer);
    EXPECT_EQ("two", b.seen[0].data);
    EXPECT_EQ("127.0.0.1", std::string(receiverA->getDestAddr().getString()))
        << "the sender becomes the destination";
    EXPECT_EQ(0, receiverA->write(bytes("x"), 1)) << "a bound receiver sends nothing";

    EXPECT_EQ(0, receiverA->_continue_udp_read_accept());
    EXPECT_EQ(5, sendTo(portB, "again"));
    EXPECT_EQ(5, sendTo(portA, "three"));
    ASSERT_TRUE(seen(a, 2));
    EXPECT_EQ("three", a.seen[1].data);
    app.pumpFor(300);
    EXPECT_EQ(1u, b.seen.size()) << "B's watcher waits for B's own release";

    // A release from inside the callback lets the next datagram through.
    b.then = [](TQDsocket* s, void*) { s->_continue_udp_read_accept(); };
    EXPECT_EQ(0, receiverB->_continue_udp_read_accept());
    ASSERT_TRUE(seen(b, 2));
    EXPECT_EQ("again", b.seen[1].data);
    EXPECT_EQ(4, sendTo(portB, "four"));
    ASSERT_TRUE(seen(b, 3));
    EXPECT_EQ("four", b.seen[2].data);

    // Deleted while its watcher waits for a release, and deleted from
    // inside its own callback: either way the watcher ends and the port
    // is free again.
    EXPECT_FALSE(canBind(portA, SOCK_DGRAM)) << "while it is bound";
    DWORD start = GetTickCount();
    receiverA.reset();
    EXPECT_LT(GetTickCount() - start, 2000u);
    EXPECT_TRUE(canBind(portA, SOCK_DGRAM));
    b.then = [&](TQDsocket*, void*) { receiverB.reset(); };
    EXPECT_EQ(4, sendTo(portB, "five"));
    EXPECT_TRUE(app.pumpUntil([&] { return canBind(portB, SOCK_DGRAM); }, kPatience));
    EXPECT_EQ(4u, b.seen.size());
}

// With a time-out a UDP read gathers datagrams until the count asked for is
// in or a wait runs out; one too large for the room left ends it.
TEST(WinSocket, TimedUdpReadsGatherDatagramsUntilTheCountOrTheWait)
{
    unsigned short port = freePort(SOCK_DGRAM);
    TQDwinsocket receiver;
    receiver.setIsUdp(1);
    receiver.setAddr("127.0.0.1");
    receiver.setPort(port);
    receiver.setTimeout(2);
    unsigned char got[16] = {};
    EXPECT_EQ(0, receiver.read(got, 0)) << "binds the receiver";
    TQDwinsocket sender;
    sender.setIsUdp(1);
    sender.setDestAddr("127.0.0.1");
    sender.setDestPort(port);
    auto send = [&](const char* text) {
        return sender.write(bytes(text), static_cast<long>(std::strlen(text)));
    };

    EXPECT_EQ(5, send("abcde"));
    EXPECT_EQ(5, send("fghij"));
    DWORD start = GetTickCount();
    EXPECT_EQ(10, receiver.read(got, 10));
    EXPECT_LT(GetTickCount() - start, 1500u) << "the count was in: no wait for the time-out";
    EXPECT_EQ("abcdefghij", std::string(reinterpret_cast<char*>(got), 10));
    EXPECT_EQ("No error occurred!", lastError(receiver));

    EXPECT_EQ(5, send("klmno"));
    start = GetTickCount();
    EXPECT_EQ(5, receiver.read(got, 10));
    EXPECT_GE(GetTickCount() - start, 1500u) << "the wait for more ran out";
    EXPECT_EQ("WSAETIMEDOUT - Command timed out", lastError(receiver));

    EXPECT_EQ(3, send("pqr"));
    EXPECT_EQ(8, send("stuvwxyz"));
    EXPECT_EQ(3, receiver.read(got, 10)) << "the second datagram does not fit the room left";
    EXPECT_EQ("WSAEMSGSIZE - Data size too large", lastError(receiver));
}

namespace {

DWORD g_servedOn = 0;

// A "SOCKET" serialiser in a transaction over a connection of the socket
// (null: its own), attached once the transaction has begun.
TQDserialize* socketTransaction(TQDsocket* socket, void* connection)
{
    TQDserialize* s = TQGIconductor()->getNewSerialize("SOCKET");
    s->beginTransaction("call", 2);
    auto* over = static_cast<TQDsocketSerialize*>(s->cast("TQDsocketSerialize"));
    over->setSocket(socket);
    if (connection != nullptr)
        over->setSocket(connection);
    return s;
}

// The serving side of a remote call: the record that came goes back.
void serveCall(TQDsocket* socket, void* connection, unsigned long peer)
{
    g_servedOn = peer == 0x7F000001 ? GetCurrentThreadId() : 0;
    TQDserialize* s = socketTransaction(socket, connection);
    void* call = nullptr;
    if (s->loadAlloc("TestShape", "call", &call, nullptr) == 0) {
        TestShape* shape = static_cast<TestShape*>(call);
        s->save(shape->typeName(), "echo", shape);
        delete shape;
    }
    s->endTransaction();
    delete s;
    socket->close(connection);
}

void remoteCallScenario()
{
    armWatchdog(30000, "the remote call hung");
    TQDwinAppDev* app = startAppDevice();
    registerTestTypes();
    unsigned short port = freePort();
    std::unique_ptr<TQDsocket> server(TQDsocket::getNewInstance());
    server->setPort(port);
    server->setClTimeout(5);
    requireInChild(server->acceptEx(serveCall) == 0, "the server accepts");
    TestCircle* echo = nullptr;
    {
        Peer caller([&] {
            std::unique_ptr<TQDsocket> client(TQDsocket::getNewInstance());
            client->setDestPort(port);
            client->setTimeout(5);
            if (client->connect() != 0)
                return;
            TQDserialize* s = socketTransaction(client.get(), nullptr);
            TestCircle circle;
            circle.id = 21;
            circle.label = "ring";
            circle.radius = 1.5;
            s->save("TestCircle", "call", &circle);
            void* back = nullptr;
            if (s->loadAlloc("TestCircle", "echo", &back, nullptr) == 0)
                echo = static_cast<TestCircle*>(back);
            s->endTransaction();
            delete s;
        });
        requireInChild(pumpMessagesUntil([&] { return caller.ended(); }, kPatience),
                       "the call is answered");
    }
    requireInChild(g_servedOn == app->getAppThreadId(),
                   "the call from 127.0.0.1 is served on the application thread");
    requireInChild(echo != nullptr && echo->id == 21 && echo->label == "ring"
                       && echo->radius == 1.5,
                   "the structure comes back as it was saved");
    delete echo;
    server.reset();
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(WinSocketDeathTest, RecordTransactionCrossesAConnectionAsSaved,
                      remoteCallScenario(), "")
