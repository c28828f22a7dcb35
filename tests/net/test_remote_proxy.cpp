// The proxies as a client sees them: each request captured byte for byte by
// a listener that answers canned bytes, and the results when no answer or
// no connection comes.
#include "RemoteScene.h"
#include "SampleWidgets.h"

#include "_TQCRbase.h"
#include "_TQCRbaseList.h"
#include "_TQCremoteInstanceData.h"

#include <gtest/gtest.h>

#include <memory>

using namespace std::string_literals;

TEST(RemoteWire, RequestsAndAnswersTravelByteForByte)
{
    startRemoteScene();
    LoopbackServer server(0, inOrder({{0, "\x03" "ret" "\x04\x00\x00\x00\x00\x01\x01"s},
                                  {1, wireLong("ret", 0x01020304)},
                                  {2, wireFlag("ret", 1)},
                                  {0, wireShort("ret", -2)},
                                  {1, wireText("ret", "hello")},
                                  {1, wireInstance("ret", "pub", "w", "TQCvbtn", "10.1.2.3", 9301)},
                                  {1, wireLong("ret", -1)}}));
    TQCRbaseList directory;
    aim(directory, server.port());
    TQCRbase button;
    aim(button, server.port(), "newvbtn_000");

    EXPECT_EQ(1, directory.checkAlive());
    EXPECT_EQ(0x01020304, button.setFocus(1)) << "most significant byte first";
    EXPECT_EQ(1, button.setProperty("labelString", TQCvariant(3.5)));
    EXPECT_EQ(-2, directory.getBindPort()) << "widened with its sign";
    EXPECT_STREQ("hello", button.getProperty("labelString").getCharPtr());
    std::unique_ptr<TQCremoteInstanceData> record(directory.getRemoteInstanceData("pub"));
    ASSERT_NE(nullptr, record);
    EXPECT_STREQ("10.1.2.3", record->getAddr().getString());
    EXPECT_EQ(9301, record->getPort());
    EXPECT_EQ(-1, directory.delRemoteInstanceData(record.get()));
    EXPECT_EQ(1, directory.wasAnswered()) << "the directory said it holds no such record";

    std::vector<std::string> requests = server.requests();
    ASSERT_EQ(7u, requests.size());
    const std::string checkAlive = "\x05" "call1" "\x00\x0D" "TQCremoteCall" "\x00\x00\x00\x03"
                                   "\x03" ">cl" "\x05\x00\x00\x00\x00\x0C" "TQCbaseList" "\x00"
                                   "\x03" ">in" "\x05\x00\x00\x00\x00\x04" "tmp" "\x00"
                                   "\x03" ">op" "\x05\x00\x00\x00\x00\x0B" "checkAlive" "\x00"s;
    EXPECT_EQ(82u, checkAlive.size());
    EXPECT_EQ(checkAlive, requests[0]);
    EXPECT_EQ(94u, requests[1].size());
    EXPECT_EQ(wireCall("TQCbase", "newvbtn_000", "setFocus"), requests[1].substr(0, 84));
    EXPECT_EQ("\x02" "fl" "\x04\x00\x00\x00\x00\x01\x01"s, requests[1].substr(84));
    EXPECT_EQ(wireCall("TQCbase", "newvbtn_000", "setProperty") + wireText("prop", "labelString") +
                  wireText("val", "3.5000000000"),
              requests[2]);
    EXPECT_EQ(wireCall("TQCbaseList", "tmp", "getRemoteInstanceData") + wireText("pn", "pub"),
              requests[5]);
}

TEST(RemoteProxy, FailureValuesWhenNoCallOrNoAnswer)
{
    startRemoteScene();
    LoopbackServer silent(0, inOrder({}));
    auto expectFailures = [](TQCRbase& proxy, unsigned char variantKind, const char* what) {
        EXPECT_EQ(-1, proxy.setFocus(1)) << what;
        EXPECT_EQ(0, proxy.getVisible()) << what;
        EXPECT_EQ(0, proxy.draw()) << what;
        EXPECT_EQ(0, proxy.setProperty("labelString", TQCvariant("x"))) << what;
        TQCvariant value = proxy.getProperty("labelString");
        EXPECT_EQ(variantKind, value.getType()) << what;
        EXPECT_EQ(0, static_cast<long>(value)) << what;
    };

    TQCRbase unnamed;
    aim(unnamed, silent.port(), "");
    expectFailures(unnamed, TQVT_UCHAR, "without an instance name");
    EXPECT_EQ(0u, silent.requests().size()) << "nothing was sent";
    TQCRbase nowhere;
    aim(nowhere, LoopbackServer::freePort(), "newvbtn_000");
    expectFailures(nowhere, TQVT_UCHAR, "where nothing listens");
    TQCRbase unanswered;
    aim(unanswered, silent.port(), "newvbtn_000");
    expectFailures(unanswered, TQVT_LONG, "closed unanswered");
    EXPECT_EQ(5u, silent.requests().size());

    SampleWidget probe(nullptr, "rp-local");
    probe.initialize();
    unanswered.setLocalInstance(&probe);
    EXPECT_EQ(1, unanswered.setProperty("labelString", TQCvariant("near")));
    EXPECT_STREQ("near", unanswered.getProperty("labelString").getCharPtr());
    sampleLog().clear();
    EXPECT_EQ(0, unanswered.draw());
    EXPECT_EQ(std::vector<std::string>{"rp-local.draw"}, sampleLog());
    EXPECT_EQ(5u, silent.requests().size()) << "bound to a local instance, it never connects";
}

namespace {

template <int N>
TQCRbase* numberedProxy()
{
    TQCRbase* proxy = new TQCRbase;
    proxy->setPort(N);
    return proxy;
}

} // namespace

TEST(RemoteProxy, FactoriesByClassName)
{
    std::unique_ptr<TQCRbase> plain(TQCRbase::getNewInstance("RemoteNoFactory"));
    EXPECT_STREQ("TQCRbase", plain->getClassName());
    EXPECT_NE(nullptr, plain->cast("TQCroot"));
    EXPECT_EQ(nullptr, plain->cast("TQCRbaseList"));

    TQCRbase::setCreateHandler("RemoteGauge", numberedProxy<1>);
    TQCRbase::setCreateHandler("RemoteGauge", numberedProxy<2>);
    std::unique_ptr<TQCRbase> made(TQCRbase::getNewInstance("RemoteGauge"));
    EXPECT_EQ(2, made->getPort()) << "the second factory replaced the first";
}
