// The TCP client, TCP server and UDP components on 127.0.0.1, at ports found
// free at run time. A client and a server of one process cannot meet (the
// client's exec holds the application thread that the server's hand-over
// needs), so each meets a plain socket on a test thread, and the two meet
// across processes with the test helper serving once.
#include "GuiTestApp.h"
#include "LoopbackAddress.h"
#include "LoopbackSockets.h"
#include "ProcessCounts.h"
#include "_TQCvcsocket.h"
#include "_TQCvssocket.h"
#include "_TQCvudpsocket.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// What the components' procedures saw.
struct Seen {
    int runs = 0;
    long count = 0;
    std::string data;
    std::string destBefore;
    std::string destAfter;
    std::string error;
};
Seen g_seen;
// Bytes a server procedure reads; 0: a client procedure does nothing.
long g_want = 4;

unsigned char* bytes(const char* text)
{
    return reinterpret_cast<unsigned char*>(const_cast<char*>(text));
}

template <class Component>
std::string error(Component& component)
{
    return component.getErrorMessage().getString();
}

template <class Component>
Component* made(Component* component, TQCprocedureFunction procedure)
{
    component->initialize();
    component->addProcedureV("work", "work", procedure, TQEV_ACTIVATE);
    return component;
}

template <class Component>
void aim(Component& component, const char* ip, unsigned short port, unsigned long timeout)
{
    component.setPropertyV(_TQNip(), ip);
    component.setPropertyV(_TQNport(), port);
    component.setPropertyV(_TQNtimeout(), timeout);
}

void setRunning(TQCbase& component, int on)
{
    component.setPropertyV(_TQNrunning(), static_cast<TQCbool>(on));
}

long running(TQCbase& component)
{
    return component.getProperty(_TQNrunning()).getLong();
}

// A procedure's read and the error text it left.
template <class Component>
void noteRead(Component& component, long length)
{
    unsigned char got[64] = {};
    long count = component.read(got, length);
    ++g_seen.runs;
    g_seen.count = count;
    g_seen.data.assign(reinterpret_cast<char*>(got), count > 0 ? count : 0);
    g_seen.error = error(component);
}

// Client: with g_want, writes "ping" and reads the answer.
void clientWork(TQCbase* object)
{
    TQCvcsocket* client = static_cast<TQCvcsocket*>(object);
    if (g_want == 0) {
        ++g_seen.runs;
        return;
    }
    client->write(bytes("ping"), 4);
    noteRead(*client, 4);
}

// Server: reads g_want bytes, notes the client, answers "pong".
void serverWork(TQCbase* object)
{
    TQCvssocket* server = static_cast<TQCvssocket*>(object);
    noteRead(*server, g_want);
    g_seen.destAfter = server->getDestAddr().getString();
    server->write(bytes("pong"), 4);
}

// Server: deletes itself without a word to the client.
void serverDeletesItself(TQCbase* object)
{
    ++g_seen.runs;
    delete object;
}

// UDP: takes the datagram, noting the sender before and after.
void udpWork(TQCbase* object)
{
    TQCvudpsocket* udp = static_cast<TQCvudpsocket*>(object);
    g_seen.destBefore = udp->getDestAddr().getString();
    noteRead(*udp, 64);
    g_seen.destAfter = udp->getDestAddr().getString();
}

// A plain client's exchange with a server component, pumped until it ends.
std::string exchangeWhilePumping(unsigned short port, const char* text)
{
    std::string answer = "none";
    Peer peer([&] { answer = exchange(port, text); });
    EXPECT_TRUE(pumpMessagesUntil([&] { return peer.ended(); }, kLoopbackPatienceMs));
    return answer;
}

// The next connection on a listening plain socket, or INVALID_SOCKET when
// none comes in time.
SOCKET acceptWithin(SOCKET listener)
{
    fd_set ready;
    FD_ZERO(&ready);
    FD_SET(listener, &ready);
    timeval wait = {static_cast<long>(kLoopbackPatienceMs / 1000), 0};
    if (select(0, &ready, nullptr, nullptr, &wait) != 1)
        return INVALID_SOCKET;
    return accept(listener, nullptr, nullptr);
}

} // namespace

TEST(SocketComponents, StartWithTheirDefaultsAndCaptionsAndCheckTheirVersion)
{
    TQCvcsocket client(nullptr, "c");
    TQCvssocket server(nullptr, "s");
    TQCvudpsocket udp(nullptr, "u");
    struct Expected {
        TQCsocketComponent* component;
        const char* caption;
        long port;
    };
    for (const Expected& e : {Expected{&client, "Client\nSocket", 9000},
                              Expected{&server, "Server\nSocket", 9000},
                              Expected{&udp, "UDP\nSocket", 9001}}) {
        e.component->initialize();
        EXPECT_STREQ(e.caption, e.component->getTitleString().getString());
        char* ip = nullptr;
        e.component->getPropertyV(_TQNip(), &ip);
        EXPECT_STREQ("", ip);
        EXPECT_EQ(e.port, e.component->getProperty(_TQNport()).getLong()) << e.caption;
        EXPECT_EQ(60, e.component->getProperty(_TQNtimeout()).getLong());
        EXPECT_NE(nullptr, e.component->cast2("TQCngbase"));
    }
    EXPECT_EQ(0, running(server));
    EXPECT_EQ(0, running(udp));
    EXPECT_EQ(nullptr, TQCvcsocket_create(nullptr)) << "no component without a parent";
    EXPECT_EQ(nullptr, TQCvssocket_create(nullptr));
    EXPECT_EQ(nullptr, TQCvudpsocket_create(nullptr));

    ::testing::internal::CaptureStderr();
    EXPECT_EQ(0, TQCvcsocket::checkVersion(1010));
    EXPECT_EQ("VERSION error. class=TQCvcsocket object_version=1000  <- differ -> "
              "object_version=1010\n",
              ::testing::internal::GetCapturedStderr());
    EXPECT_EQ(1, TQCvudpsocket::checkVersion(1009));
}

// A refused connection runs nothing; a success keeps the earlier error
// text; every exec is a connection of its own, and outside exec there is
// none.
TEST(SocketComponents, ClientRunsItsProceduresOnANewConnectionPerExec)
{
    g_seen = {};
    TQCvcsocket client(nullptr, "client");
    made(&client, clientWork);
    aim(client, "127.0.0.1", freePort(), 0);
    EXPECT_EQ(-1, client.exec()) << "nothing listens";
    EXPECT_EQ(0, g_seen.runs);
    EXPECT_EQ("WSAECONNREFUSED - Connection refused", error(client));
    unsigned char buffer[8] = {'x', 'x'};
    EXPECT_EQ(-1, client.read(buffer, 4));
    EXPECT_EQ(-1, client.write(buffer, 4));
    client.getErrorMsg(reinterpret_cast<char*>(buffer), 0);
    EXPECT_EQ('x', buffer[0]) << "size 0 leaves the buffer alone";
    client.getErrorMsg(reinterpret_cast<char*>(buffer), 1);
    EXPECT_EQ('\0', buffer[0]);
    EXPECT_EQ('x', buffer[1]);

    unsigned short port = freePort();
    SOCKET listener = boundTo(port, SOCK_STREAM);
    ASSERT_EQ(0, listen(listener, 2));
    int connections = 0;
    {
        Peer peer([&] {
            for (int i = 0; i < 2; ++i) {
                SOCKET c = acceptWithin(listener);
                if (c == INVALID_SOCKET)
                    return;
                ++connections;
                char got[4];
                if (recv(c, got, 4, 0) == 4 && std::memcmp(got, "ping", 4) == 0)
                    send(c, "pong", 4, 0);
                closesocket(c);
            }
        });
        client.setPropertyV(_TQNport(), port);
        client.setPropertyV(_TQNtimeout(), 5UL);
        g_want = 0;
        std::string before = error(client);
        EXPECT_EQ(0, client.exec());
        EXPECT_EQ(1, g_seen.runs);
        EXPECT_EQ(before, error(client)) << "a success leaves the error text as it was";
        g_want = 4;
        EXPECT_EQ(0, client.exec());
        EXPECT_EQ(2, g_seen.runs);
        EXPECT_EQ("pong", g_seen.data);
        EXPECT_EQ("No error occurred!", g_seen.error);
    }
    closesocket(listener);
    EXPECT_EQ(2, connections);
    EXPECT_EQ(-1, client.read(buffer, 4)) << "exec closed its connection";

    client.setPropertyV(_TQNip(), "no-such-host.invalid");
    EXPECT_EQ(-1, client.exec());
    EXPECT_EQ(2, g_seen.runs);
    EXPECT_EQ("WSAHOST_NOT_FOUND - Host not found", error(client));
}

// Each client runs the procedures on the application thread; running 0
// closes the listener at once and running 1 listens anew; a new port stops
// accepting until then.
TEST(SocketComponents, ServerServesEachClientWhileRunning)
{
    ASSERT_NE(nullptr, startGuiApp());
    g_seen = {};
    g_want = 4;
    unsigned short port = freePort();
    TQCvssocket server(nullptr, "server");
    made(&server, serverWork);
    aim(server, "127.0.0.1", port, 5);
    unsigned char buffer[4];
    EXPECT_EQ(-1, server.read(buffer, 4)) << "before the first client";
    setRunning(server, 1);
    EXPECT_EQ("No error occurred!", error(server));
    EXPECT_EQ("pong", exchangeWhilePumping(port, "ping"));
    EXPECT_EQ(1, g_seen.runs);
    EXPECT_EQ("ping", g_seen.data);
    EXPECT_EQ("127.0.0.1", g_seen.destAfter);
    EXPECT_EQ(-1, server.read(buffer, 4)) << "after the procedure returned";
    EXPECT_EQ(-1, server.write(buffer, 4));

    server.setPropertyV(_TQNtimeout(), 1UL);
    g_want = 8;
    EXPECT_EQ("pong", exchangeWhilePumping(port, "ab"));
    EXPECT_EQ(2, g_seen.count) << "the bytes that came before the time-out";
    EXPECT_EQ("WSAETIMEDOUT - Command timed out", g_seen.error);
    g_want = 4;

    setRunning(server, 0);
    EXPECT_TRUE(canBind(port, SOCK_STREAM)) << "the listener is closed at once";
    setRunning(server, 1);
    EXPECT_EQ("pong", exchangeWhilePumping(port, "ping")) << "running again, it serves";
    EXPECT_EQ(3, g_seen.runs);

    unsigned short other = freePort();
    server.setPropertyV(_TQNport(), other);
    EXPECT_EQ(1, running(server));
    EXPECT_TRUE(canBind(port, SOCK_STREAM)) << "a new port closes the listener";
    EXPECT_TRUE(canBind(other, SOCK_STREAM)) << "and does not listen on the new one";
    setRunning(server, 0);
    setRunning(server, 1);
    EXPECT_EQ("pong", exchangeWhilePumping(other, "ping"));
    EXPECT_EQ(4, g_seen.runs);

    TQCvssocket* doomed = made(new TQCvssocket(nullptr, "doomed"), serverDeletesItself);
    aim(*doomed, "127.0.0.1", port, 5);
    setRunning(*doomed, 1);
    EXPECT_EQ("", exchangeWhilePumping(port, "ping"))
        << "a server deleted by its procedure still closes the connection";
    EXPECT_EQ(5, g_seen.runs);
    // Deleted inside its own delivery, the server cannot wait for its
    // worker: the worker closes the listener when it ends, a moment later.
    EXPECT_TRUE(pumpMessagesUntil([&] { return canBind(port, SOCK_STREAM); },
                                  kLoopbackPatienceMs));
}

TEST(SocketComponents, ServerThatCannotListenSaysWhyAndKeepsRunningOn)
{
    ASSERT_NE(nullptr, startGuiApp());
    unsigned short held = freePort();
    SOCKET holder = boundTo(held, SOCK_STREAM);
    ASSERT_EQ(0, listen(holder, 1));
    TQCvssocket busy(nullptr, "busy");
    made(&busy, serverWork);
    aim(busy, "127.0.0.1", held, 5);
    setRunning(busy, 1);
    EXPECT_EQ(1, running(busy));
    EXPECT_EQ("WSAEADDRINUSE - Address is in use", error(busy));
    closesocket(holder);

    unsigned short port = freePort();
    TQCvssocket editing(nullptr, "editing");
    made(&editing, serverWork);
    editing.setPropertyEditMode(1);
    aim(editing, "127.0.0.1", port, 5);
    setRunning(editing, 1);
    EXPECT_EQ(1, running(editing));
    EXPECT_TRUE(canBind(port, SOCK_STREAM)) << "nothing listens in edit mode";
}

// One component sends to its own port; a start that fails leaves it
// stopped, so that the next start binds.
TEST(SocketComponents, UdpRunsItsProceduresOncePerDatagram)
{
    ASSERT_NE(nullptr, startGuiApp());
    g_seen = {};
    unsigned short port = freePort(SOCK_DGRAM);
    TQCvudpsocket udp(nullptr, "udp");
    made(&udp, udpWork);
    aim(udp, "127.0.0.1", port, 0);
    EXPECT_EQ("", std::string(udp.getDestAddr().getString()));
    setRunning(udp, 1);
    EXPECT_EQ(10, udp.write(bytes("0123456789"), 10));
    EXPECT_TRUE(pumpMessagesUntil([] { return g_seen.runs >= 1; }, kLoopbackPatienceMs));
    pumpMessagesFor(500);
    EXPECT_EQ(1, g_seen.runs);
    EXPECT_EQ(10, g_seen.count);
    EXPECT_EQ("0123456789", g_seen.data);
    EXPECT_EQ("", g_seen.destBefore) << "no sender before the first read";
    EXPECT_EQ("127.0.0.1", g_seen.destAfter);

    unsigned short held = freePort(SOCK_DGRAM);
    SOCKET holder = boundTo(held, SOCK_DGRAM);
    TQCvudpsocket second(nullptr, "second");
    made(&second, udpWork);
    aim(second, "127.0.0.1", held, 0);
    EXPECT_EQ(-1, second.start());
    EXPECT_EQ("WSAEADDRINUSE - Address is in use", error(second));
    closesocket(holder);
    EXPECT_EQ(0, second.start()) << "the failed start left it stopped";
    EXPECT_EQ(3, second.write(bytes("abc"), 3));
    EXPECT_TRUE(pumpMessagesUntil([] { return g_seen.runs >= 2; }, kLoopbackPatienceMs));
    EXPECT_EQ("abc", g_seen.data);

    unsigned short unused = freePort(SOCK_DGRAM);
    TQCvudpsocket editing(nullptr, "editing");
    made(&editing, udpWork);
    editing.setPropertyEditMode(1);
    aim(editing, "127.0.0.1", unused, 0);
    setRunning(editing, 1);
    EXPECT_TRUE(canBind(unused, SOCK_DGRAM)) << "nothing is bound in edit mode";
}

namespace {

// What the turn-taking server and the UDP component did, in order, and an
// event per server turn begun (the first ones only).
std::vector<std::string> g_turns;
HANDLE g_turnBegun[2] = {};
size_t g_turnCount = 0;
bool g_datagramTaken = false;

// Server: reads four bytes and answers "pong". A client that sends "loop"
// is served in a message loop, as a dialog would hold it, that runs until
// a datagram has been taken.
void turnTakingWork(TQCbase* object)
{
    TQCvssocket* server = static_cast<TQCvssocket*>(object);
    if (g_turnCount < 2)
        SetEvent(g_turnBegun[g_turnCount]);
    ++g_turnCount;
    unsigned char got[4] = {};
    long count = server->read(got, 4);
    std::string data(reinterpret_cast<char*>(got), count > 0 ? count : 0);
    g_turns.push_back("server " + data);
    if (data == "loop") {
        pumpMessagesUntil([] { return g_datagramTaken; }, kLoopbackPatienceMs);
        g_turns.push_back("server loop ends");
    }
    server->write(bytes("pong"), 4);
}

void datagramWork(TQCbase* object)
{
    unsigned char got[16] = {};
    long count = static_cast<TQCvudpsocket*>(object)->read(got, sizeof got);
    g_turns.push_back("udp " + std::string(reinterpret_cast<char*>(got), count > 0 ? count : 0));
    g_datagramTaken = true;
}

struct TurnTaking {
    TurnTaking()
    {
        std::vector<std::string>().swap(g_turns);
        g_turnCount = 0;
        g_datagramTaken = false;
        for (HANDLE& begun : g_turnBegun)
            begun = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    }
    ~TurnTaking()
    {
        for (HANDLE begun : g_turnBegun)
            CloseHandle(begun);
    }
    bool begun(int turn) { return WaitForSingleObject(g_turnBegun[turn], kLoopbackPatienceMs) == 0; }
};

} // namespace

// While one client's turn holds the application thread, the next clients
// wait; each is served whole, in the order they came, even when a turn runs
// a message loop, in which the work of other components goes on.
TEST(SocketComponents, ClientsWaitingForABusyApplicationThreadAreServedInTurn)
{
    ASSERT_NE(nullptr, startGuiApp());
    TurnTaking turns;
    unsigned short port = freePort();
    unsigned short udpPort = freePort(SOCK_DGRAM);
    TQCvssocket server(nullptr, "turns");
    made(&server, turnTakingWork);
    aim(server, "127.0.0.1", port, 2);
    setRunning(server, 1);
    TQCvudpsocket udp(nullptr, "turns-udp");
    made(&udp, datagramWork);
    aim(udp, "127.0.0.1", udpPort, 0);
    setRunning(udp, 1);

    std::string answers[3];
    {
        // Two bytes of four, then silence: the turn holds the application
        // thread until the server's time-out.
        Peer stalling([&] { answers[0] = exchange(port, "ho"); });
        Peer waiting([&] {
            if (!turns.begun(0))
                return;
            SOCKET looping = sendOn(port, "loop");
            SOCKET pinging = sendOn(port, "ping");
            answers[1] = answerOn(looping);
            answers[2] = answerOn(pinging);
        });
        Peer datagram([&] {
            if (!turns.begun(1))
                return;
            SOCKET s = boundTo(0, SOCK_DGRAM);
            sockaddr_in to = loopback(udpPort);
            sendto(s, "dgram", 5, 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
            closesocket(s);
        });
        EXPECT_TRUE(pumpMessagesUntil(
            [&] { return stalling.ended() && waiting.ended() && datagram.ended(); },
            3 * kLoopbackPatienceMs));
    }
    EXPECT_EQ((std::vector<std::string>{"server ho", "server loop", "udp dgram",
                                        "server loop ends", "server ping"}),
              g_turns);
    EXPECT_EQ("pong", answers[0]) << "the silent client, at the time-out";
    EXPECT_EQ("pong", answers[1]);
    EXPECT_EQ("pong", answers[2]);
}

// A hundred clients wait while one turn holds the application thread; all
// are served, and what they used is given back.
TEST(SocketComponents, AHundredWaitingClientsLeaveNoHandleOrMemoryBehind)
{
    ASSERT_NE(nullptr, startGuiApp());
    unsigned short port = freePort();
    TQCvssocket server(nullptr, "hundred");
    made(&server, turnTakingWork);
    aim(server, "127.0.0.1", port, 1);
    setRunning(server, 1);
    auto round = [&](int clients) {
        TurnTaking turns;
        int pongs = 0;
        std::string held;
        {
            Peer stalling([&] { held = exchange(port, "ho"); });
            Peer many([&] {
                if (!turns.begun(0))
                    return;
                std::vector<SOCKET> connections;
                for (int i = 0; i < clients; ++i)
                    connections.push_back(sendOn(port, "ping"));
                for (SOCKET connection : connections)
                    pongs += answerOn(connection) == "pong" ? 1 : 0;
            });
            EXPECT_TRUE(pumpMessagesUntil([&] { return stalling.ended() && many.ended(); },
                                          3 * kLoopbackPatienceMs));
        }
        EXPECT_EQ("pong", held);
        EXPECT_EQ(static_cast<size_t>(clients) + 1, g_turns.size());
        return pongs;
    };
    EXPECT_EQ(5, round(5)) << "a first round makes what is made once";
    ProcessCounts before = processCounts();
    EXPECT_EQ(100, round(100));
    std::vector<std::string>().swap(g_turns);
    ProcessCounts after = processCounts();
    std::printf("handles %lu -> %lu, heap bytes in use %lu -> %lu\n", before.handles,
                after.handles, static_cast<unsigned long>(before.heapBytes),
                static_cast<unsigned long>(after.heapBytes));
    // A handle of the system's own may come or go between the two counts; a
    // leak of the connections would show a hundred.
    EXPECT_LE(after.handles, before.handles + 2) << "no handle left by the clients";
    EXPECT_LT(after.heapBytes, before.heapBytes + 4096) << "less than 41 bytes a client";
}

// The helper serves once with a server component; this process's client
// component connects as soon as it listens.
TEST(SocketComponents, ClientAndServerOfTwoProcessesTradePingForPong)
{
    g_seen = {};
    g_want = 4;
    unsigned short port = freePort();
    HANDLE helper = startProcess("\"" + besideTestProgram("tq_test_helper.exe") + "\" serve "
                                 + std::to_string(port));
    ASSERT_NE(nullptr, helper);
    TQCvcsocket client(nullptr, "client");
    made(&client, clientWork);
    aim(client, "127.0.0.1", port, 10);
    DWORD start = GetTickCount();
    int result = -1;
    while ((result = client.exec()) != 0 && GetTickCount() - start < 3 * kLoopbackPatienceMs)
        pumpMessagesFor(100);
    EXPECT_EQ(0, result) << error(client);
    EXPECT_EQ("pong", g_seen.data);
    EXPECT_EQ(0u, exitCodeWithin(helper, kLoopbackPatienceMs))
        << "the helper read \"ping\" from 127.0.0.1";
}
