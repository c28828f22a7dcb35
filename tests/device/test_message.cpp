// Inter-application message channels: handlers, the channel factory and the
// send entry points, with a transport that stands in for the platform's.
#include "_TQDmessage.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A platform-like channel: it records the name it publishes and hands
// arriving texts to the handlers.
class FakeChannel : public TQDmessage {
public:
    void initialize() override { published.push_back(getName()); }
    void sendMessage(char* text) override { deliver(text); }
    std::vector<std::string> published;
};

TQDmessage* makeFakeChannel()
{
    return new FakeChannel;
}

struct Received {
    std::string plainText;
    std::string dataText;
    void* data = nullptr;
    int plainCalls = 0;
    int dataCalls = 0;
};
Received g_received;

void plainHandler(char* text)
{
    g_received.plainText = text;
    ++g_received.plainCalls;
}

void dataHandler(char* text, void* data)
{
    g_received.dataText = text;
    g_received.data = data;
    ++g_received.dataCalls;
}

class Channel : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_received = Received();
        TQDmessage::setCreateHandler(makeFakeChannel);
    }
    void TearDown() override { TQDmessage::setCreateHandler(nullptr); }
};

TEST_F(Channel, DataHandlerReceivesTheTextAndTheUserData)
{
    std::unique_ptr<TQDmessage> channel(TQDmessage::getNewInstance());
    FakeChannel* fake = static_cast<FakeChannel*>(channel.get());
    ASSERT_STREQ(channel->getClassName(), "TQDmessage");
    int userData = 0;
    channel->setupMessage("Marrowfen", dataHandler, &userData);
    ASSERT_EQ(fake->published, std::vector<std::string>{"Marrowfen"});

    char text[] = "hello";
    channel->sendMessage(text);
    EXPECT_EQ(g_received.dataCalls, 1);
    EXPECT_EQ(g_received.dataText, "hello");
    EXPECT_EQ(g_received.data, &userData);
    EXPECT_EQ(g_received.plainCalls, 0);
}

TEST_F(Channel, SetupWithOneHandlerKindReplacesTheOther)
{
    std::unique_ptr<TQDmessage> channel(TQDmessage::getNewInstance());
    int userData = 0;
    char text[] = "t";
    channel->setupMessage("a", dataHandler, &userData);
    channel->setupMessage("b", plainHandler);
    channel->sendMessage(text);
    EXPECT_EQ(g_received.plainCalls, 1);
    EXPECT_EQ(g_received.dataCalls, 0);

    channel->setupMessage("c", dataHandler, &userData);
    channel->sendMessage(text);
    EXPECT_EQ(g_received.plainCalls, 1);
    EXPECT_EQ(g_received.dataCalls, 1);
    EXPECT_EQ(static_cast<FakeChannel*>(channel.get())->published,
              (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(Channel, WithoutFactoryABaseChannelPublishesAndReceivesNothing)
{
    TQDmessage::setCreateHandler(nullptr);
    std::unique_ptr<TQDmessage> channel(TQDmessage::getNewInstance());
    ASSERT_NE(channel, nullptr);
    channel->setupMessage("quiet", plainHandler);
    char text[] = "dropped";
    channel->sendMessage(text);
    EXPECT_EQ(g_received.plainCalls, 0);
}

// ---------------------------------------------------------------------------
// Sending

struct Sent {
    std::string procedure;
    std::string host;
    std::string target;
    std::string text;
};
std::vector<Sent> g_sent;

long sendProc(const char* host, const char* target, const char* text)
{
    g_sent.push_back({"send", host != nullptr ? host : "(null)", target, text});
    return -1;
}

long sendNewProc(const char* host, const char* target, const char* text)
{
    g_sent.push_back({"send-new", host != nullptr ? host : "(null)", target, text});
    return 5;
}

TEST(MessageSend, BeforeTheTransportIsInstalledNothingIsSentAndTheResultIs0)
{
    TQDmessage::_setup_ext_send_msg_proc(nullptr, nullptr);
    EXPECT_EQ(TQDmessage::extSendMessage(nullptr, "peer", "x"), 0);
    EXPECT_EQ(TQDmessage::sendMessageEx(nullptr, "peer", "x"), 0);
    EXPECT_EQ(TQDmessage::extSendNewMessage(nullptr, "peer", "x"), 0);
}

TEST(MessageSend, EachEntryPointUsesItsProcedureAndReports0)
{
    g_sent.clear();
    TQDmessage::_setup_ext_send_msg_proc(reinterpret_cast<void*>(sendProc),
                                         reinterpret_cast<void*>(sendNewProc));
    EXPECT_EQ(TQDmessage::extSendMessage("host", "peer", "one"), 0);
    EXPECT_EQ(TQDmessage::sendMessageEx(nullptr, "peer", "two"), 0);
    EXPECT_EQ(TQDmessage::extSendNewMessage(nullptr, "other", "three"), 0);
    TQDmessage::_setup_ext_send_msg_proc(nullptr, nullptr);

    ASSERT_EQ(g_sent.size(), 3u);
    EXPECT_EQ(g_sent[0].procedure + " " + g_sent[0].host + " " + g_sent[0].target + " " +
                  g_sent[0].text,
              "send host peer one");
    EXPECT_EQ(g_sent[1].procedure + " " + g_sent[1].host + " " + g_sent[1].text,
              "send (null) two");
    EXPECT_EQ(g_sent[2].procedure + " " + g_sent[2].target + " " + g_sent[2].text,
              "send-new other three");
}

} // namespace
