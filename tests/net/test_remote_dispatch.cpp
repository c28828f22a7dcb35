// The test's own dispatcher fed hand-made requests by a client thread while
// the application thread pumps: widget calls on the named instance, the
// answers for what is missing, refused calls, and the order of handler,
// queued updates and close.
#include "ByteStreamSerialize.h"
#include "GuiTestApp.h"
#include "LoopbackSockets.h"
#include "RemoteScene.h"
#include "SampleWidgets.h"
#include "TestTypeServers.h"

#include "_TQCbaseList.h"
#include "_TQCconductor.h"
#include "_TQCremoteCall.h"
#include "_TQDserialize.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

std::string widgetCall(const char* instance, const char* operation)
{
    return wireCall("TQCbase", instance, operation);
}

std::string labelText(const char* text)
{
    return wireText("prop", "labelString") + (text != nullptr ? wireText("val", text) : "");
}

int g_rings = 0;

void ring(TQCbase*)
{
    ++g_rings;
}

} // namespace

TEST(RemoteDispatch, WidgetCallsRunOnTheNamedInstance)
{
    startRemoteScene();
    SampleButton probe(nullptr, "rd-probe");
    probe.initialize();
    probe.addProcedureV("ring", "ring", ring, 2);
    OwnDispatcher own;

    auto call = [&](const char* instance, const char* operation, const std::string& arguments) {
        return own.exchange(widgetCall(instance, operation) + arguments);
    };
    EXPECT_EQ(wireFlag("ret", 1), call("rd-probe", "setProperty", labelText("hi")));
    EXPECT_EQ(wireText("ret", "hi"), call("rd-probe", "getProperty", labelText(0)));
    EXPECT_EQ(wireText("ret", "0"), call("rd-nobody", "getProperty", labelText(0)));
    EXPECT_EQ(wireFlag("ret", 0), call("rd-probe", "setProperty", labelText(0)));
    EXPECT_STREQ("hi", probe.labelString) << "without a value nothing changes";
    EXPECT_EQ("", call("rd-probe", "setfocus", wireFlag("fl", 1)))
        << "operation names are compared exactly";
    EXPECT_EQ(wireLong("ret", 0), call("rd-nobody", "setFocus", wireFlag("fl", 1)));

    sampleLog().clear();
    std::string threeOfFour = wireLong("x", 1) + wireLong("y", 2) + wireLong("w", 3);
    EXPECT_EQ("", call("rd-probe", "onExpose", threeOfFour));
    EXPECT_EQ(wireLong("ret", 0), call("rd-probe", "draw", ""));
    EXPECT_EQ((std::vector<std::string>{"rd-probe.onExpose", "rd-probe.draw"}), sampleLog());
    EXPECT_EQ("", call("rd-probe", "execProcedureS", wireText("pn", "ring")));
    EXPECT_EQ(1, g_rings);
}

TEST(RemoteDispatch, BadCallsAreClosedUnansweredAndTheNextIsServed)
{
    startRemoteScene();
    SampleWidget probe(nullptr, "rd-bad");
    probe.initialize();
    OwnDispatcher own;
    int deletions = testTypeDeletions();

    std::string names = wireText(">cl", "TQCbase") + wireText(">in", "rd-bad");
    EXPECT_EQ("", own.exchange(structRecord("call1", "TQCremoteCall", 2, names)));
    EXPECT_EQ("", own.exchange("GET / HTTP/1.0\r\n\r\n"));
    EXPECT_EQ("", own.exchange(std::string(1, '\xFF')));
    EXPECT_EQ("", own.exchange(wireCall("NoSuchClass", "rd-bad", "getVisible")));
    EXPECT_EQ("", own.exchange(structRecord("call1", "TestShape", 0)));
    EXPECT_EQ(deletions, testTypeDeletions()) << "a header of another type makes nothing";

    EXPECT_EQ(wireText("ret", "10"),
              own.exchange(wireCall("TQCbase", "rd-bad", "getProperty", "any") +
                           wireText("prop", "width")))
        << "a header of any name is served";

    auto withoutInstance = [](const char* className, const char* operation) {
        return structRecord("call1", "TQCremoteCall", 2,
                            wireText(">cl", className) + wireText(">op", operation));
    };
    EXPECT_EQ(wireFlag("ret", 1), own.exchange(withoutInstance("TQCbaseList", "checkAlive")))
        << "only the class and the operation are needed";
    EXPECT_EQ(wireLong("ret", 0), own.exchange(withoutInstance("TQCbase", "draw")))
        << "no instance is named, so none draws";
}

// Callers that stall, lie about a length or close early are closed at their
// time-out or at once; those behind them are served in turn meanwhile.
TEST(RemoteDispatch, CallersBehindAStalledOneAreServedInTurn)
{
    startRemoteScene();
    OwnDispatcher own;
    std::string alive = wireCall("TQCbaseList", "tmp", "checkAlive");
    // A class name said to be 65536 bytes long, then nothing more.
    std::string lying = structRecord("call1", "TQCremoteCall", 3,
                                     std::string("\x03>cl\x05\x00\x00\x01\x00\x00TQC", 14));
    std::string answers[4];
    {
        Peer callers([&] {
            SOCKET stalled = sendOn(own.port(), alive.substr(0, 30));
            SOCKET whole = sendOn(own.port(), alive);
            SOCKET liar = sendOn(own.port(), lying);
            shutdown(liar, SD_SEND);
            SOCKET last = sendOn(own.port(), alive);
            answers[0] = answerOn(stalled);
            answers[1] = answerOn(whole);
            answers[2] = answerOn(liar);
            answers[3] = answerOn(last);
        });
        EXPECT_TRUE(pumpMessagesUntil([&] { return callers.ended(); }, 3 * kLoopbackPatienceMs));
    }
    EXPECT_EQ("", answers[0]) << "the stalled caller is closed unanswered at its time-out";
    EXPECT_EQ(wireFlag("ret", 1), answers[1]);
    EXPECT_EQ("", answers[2]) << "the caller that lied and closed";
    EXPECT_EQ(wireFlag("ret", 1), answers[3]);
}

namespace {

std::atomic<WireExchange*> g_client{nullptr};
bool g_updated = false;
bool g_updateWhileOpen = false;
std::string g_caller;
int g_firstHandlerRuns = 0;

// A widget whose update notes whether the caller still waits.
class UpdateProbe : public SampleWidget {
public:
    TQ_CLASS_FRAME(UpdateProbe, SampleWidget, 1000, 1000)
    UpdateProbe(TQCbase* parent, const char* name) : SampleWidget(parent, name)
    {
        TQCregisterClass(this, VERSION, [](Registrar&) {});
    }
    void update() override
    {
        WireExchange* client = g_client;
        g_updated = true;
        g_updateWhileOpen = client != nullptr && !client->done();
        SampleWidget::update();
    }
};

void firstHandler(TQDserialize*, TQCremoteCall*)
{
    ++g_firstHandlerRuns;
}

void probeHandler(TQDserialize* s, TQCremoteCall* call)
{
    g_caller = call->getData();
    TQGIappObjectList()->getInstance("TQCbase", call->getInstanceName())
        ->setProperty("labelString", TQCvariant("changed"));
    unsigned char notYet = g_updated ? 0 : 1;
    s->save("#chr", "ret", &notYet);
}

} // namespace

TEST(RemoteDispatch, HandlerSeesTheCallerAndUpdatesRunBeforeTheClose)
{
    startRemoteScene();
    UpdateProbe probe(nullptr, "rd-update");
    probe.initialize();
    probe.setVisible(1);
    TQGIconductor()->addNetServerHandler("RemoteProbe", reinterpret_cast<void*>(firstHandler));
    TQGIconductor()->addNetServerHandler("RemoteProbe", reinterpret_cast<void*>(probeHandler));
    OwnDispatcher own;

    WireExchange client(own.port(), wireCall("RemoteProbe", "rd-update", "poke"));
    g_client = &client;
    pumpMessagesUntil([&] { return client.done(); }, 15000);
    g_client = nullptr;

    EXPECT_EQ(wireFlag("ret", 1), client.answer()) << "the update waited for the handler";
    EXPECT_TRUE(g_updateWhileOpen) << "the update ran before the connection closed";
    EXPECT_EQ("127.0.0.1", g_caller);
    EXPECT_EQ(0, g_firstHandlerRuns) << "the second handler replaced the first";
}
