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

// What the data handler was given last, and how often it ran.
std::string g_text;
void* g_data = nullptr;
int g_calls = 0;

void dataHandler(char* text, void* data)
{
    g_text = text;
    g_data = data;
    ++g_calls;
}

TEST(Channel, DataHandlerReceivesTheTextAndTheUserData)
{
    TQDmessage::setCreateHandler(makeFakeChannel);
    std::unique_ptr<TQDmessage> channel(TQDmessage::getNewInstance());
    TQDmessage::setCreateHandler(nullptr);
    FakeChannel* fake = static_cast<FakeChannel*>(channel.get());
    int userData = 0;
    channel->setupMessage("Marrowfen", dataHandler, &userData);
    ASSERT_EQ(fake->published, std::vector<std::string>{"Marrowfen"});

    char text[] = "hello";
    channel->sendMessage(text);
    EXPECT_EQ(g_calls, 1);
    EXPECT_EQ(g_text, "hello");
    EXPECT_EQ(g_data, &userData);
}

// ---------------------------------------------------------------------------
// Sending

// "<procedure> <host> <target> <text>" per send.
std::vector<std::string> g_sent;

std::string sent(const char* procedure, const char* host, const char* target, const char* text)
{
    return std::string(procedure) + " " + (host != nullptr ? host : "(null)") + " " + target +
           " " + text;
}

long sendProc(const char* host, const char* target, const char* text)
{
    g_sent.push_back(sent("send", host, target, text));
    return -1;
}

long sendNewProc(const char* host, const char* target, const char* text)
{
    g_sent.push_back(sent("send-new", host, target, text));
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

    EXPECT_EQ(g_sent, (std::vector<std::string>{"send host peer one", "send (null) peer two",
                                                "send-new (null) other three"}));
}

} // namespace
