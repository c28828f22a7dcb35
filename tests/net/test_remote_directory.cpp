// The instance directory: served by the test's own dispatcher to hand-made
// requests (in a process of its own, for its port counter), and the
// conductor's publishing passes against a directory on the fixed port 9105
// that records what it is sent.
#include "FreshProcess.h"
#include "GuiTestApp.h"
#include "RemoteScene.h"
#include "SampleWidgets.h"

#include "_TQCbaseList.h"
#include "_TQCbaseList_remote_call.h"
#include "_TQCconductor.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace {

std::string directoryCall(const char* operation)
{
    return wireCall("TQCbaseList", "tmp", operation);
}

std::string record(const char* name, const char* address, unsigned short port)
{
    return wireInstance(name, "pub", "w1", "TQCvbtn", address, port);
}

void directoryScenario()
{
    startGuiApp();
    TQGIconductor()->setTimeout(2);
    OwnDispatcher own;
    TQClistData* held = TQGIappObjectList()->getRemoteInstanceList();
    auto answers = [&](const std::string& request, const std::string& expected, const char* what) {
        requireInChild(own.exchange(request) == expected, what);
    };
    const std::string add = directoryCall("addRemoteInstanceData");
    const std::string del = directoryCall("delRemoteInstanceData");
    const std::string bindPort = directoryCall("getBindPort");

    answers(bindPort, wireShort("ret", 9201), "a fresh directory hands out 9201");
    answers(bindPort, wireShort("ret", 9202), "then 9202");
    answers(add + record("inst", "127.0.0.1", 9203), wireLong("ret", 0), "added");
    answers(add + record("inst", "127.0.0.1", 9203), wireLong("ret", 0), "added again");
    requireInChild(held->getNum() == 1, "an equal record is held once");
    answers(bindPort, wireShort("ret", 9204), "a loopback record holds 9203");
    answers(add + record("inst", "10.0.0.9", 9205), wireLong("ret", 0), "held elsewhere");
    answers(bindPort, wireShort("ret", 9205), "only loopback records hold ports");
    answers(del + record("inst", "127.0.0.1", 9299), wireLong("ret", -1), "another port");
    requireInChild(held->getNum() == 2, "nothing was removed");
    answers(directoryCall("getRemoteInstanceData") + wireText("pn", "pub"),
            record("ret", "127.0.0.1", 9203), "the first record of the name");
    answers(directoryCall("getRemoteInstanceData") + wireText("pn", "nobody"),
            wireInstance("ret", "", "", "", "", 0), "an empty record for an unknown name");
    answers(del + record("inst", "127.0.0.1", 9203), wireLong("ret", 0), "deleted");
    answers(add, wireLong("ret", -1), "no record arrived");
    answers(directoryCall("checkalive"), "", "operation names are compared exactly");
    requireInChild(held->getNum() == 1, "one record left");

    requireInChild(_TQCbaseList_port_after(32766) == 32767, "the last port");
    requireInChild(_TQCbaseList_port_after(32767) == 9201, "no port handed out is negative");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(RemoteDirectoryDeathTest, ServedToHandMadeRequests, directoryScenario(), "")

namespace {

typedef std::vector<std::string> Calls;

// A directory on port 9105 that answers 0 to additions and deletions
// unless told otherwise, and notes them as "add alpha", "del beta".
class RecordingDirectory {
public:
    RecordingDirectory()
        : m_server(TQCconductor::DIRECTORY_PORT,
                   onRecords([this](const std::vector<WireRecord>& request, std::string* reply) {
              std::string operation = request.empty() ? "" : request[0].text(">op");
              if (request.size() < (operation == "checkAlive" ? 1u : 2u))
                  return false;
              if (operation == "addRemoteInstanceData")
                  *reply = wireLong("ret", refuseAdds > 0 && refuseAdds-- ? -1 : 0);
              else if (operation == "delRemoteInstanceData")
                  *reply = silentDeletes ? "" : wireLong("ret", deleteAnswer);
              return true;
          }))
    {
    }

    bool listening() const { return m_server.listening(); }
    // What arrived since the last call.
    Calls calls()
    {
        std::vector<std::string> requests = m_server.requests();
        Calls seen;
        for (; m_read < requests.size(); ++m_read) {
            std::vector<WireRecord> records = wireRecords(requests[m_read]);
            records.resize(2);
            seen.push_back(records[0].text(">op").substr(0, 3) + " " + records[1].text(">pn"));
        }
        return seen;
    }

    std::atomic<int> refuseAdds{0};
    std::atomic<long> deleteAnswer{0};
    std::atomic<bool> silentDeletes{false};

private:
    LoopbackServer m_server;
    size_t m_read = 0;
};

void passes(int n)
{
    for (int i = 0; i < n; ++i)
        TQCconductor::_timer_work(0, TQGIconductor());
}

} // namespace

TEST(RemotePublishing, PassesAgainstTheDirectoryOnPort9105)
{
    startRemoteScene();
    RecordingDirectory directory;
    ASSERT_TRUE(directory.listening()) << "port 9105 stayed taken";
    auto alpha = std::make_unique<SampleWidget>(nullptr, "rpub-a");
    alpha->initialize();
    alpha->setExportName("alpha");
    alpha->setExported(1);
    auto beta = std::make_unique<SampleWidget>(nullptr, "rpub-b");
    beta->initialize();
    beta->setExported(1);
    OwnDispatcher own;
    const Calls full = {"add alpha", "add rpub-b"};

    passes(1);
    EXPECT_EQ(full, directory.calls()) << "pass 1 publishes the new exports";
    passes(2);
    EXPECT_EQ(Calls(), directory.calls());
    passes(1);
    EXPECT_EQ(full, directory.calls()) << "pass 4";
    passes(2);
    EXPECT_EQ(std::string("\x03" "ret" "\x04\x00\x00\x00\x00\x01\x01", 11),
              own.exchange(directoryCall("checkAlive")));
    passes(3);
    EXPECT_EQ(Calls(), directory.calls()) << "the check restarted the count";
    passes(1);
    EXPECT_EQ(full, directory.calls()) << "pass 10";

    directory.refuseAdds = 1;
    passes(4);
    EXPECT_EQ(Calls{"add alpha"}, directory.calls()) << "the first refusal ends the pass";
    passes(1);
    EXPECT_EQ(full, directory.calls()) << "the publication stayed due";

    alpha->setExported(0);
    beta.reset();
    directory.deleteAnswer = -1;
    directory.silentDeletes = true;
    passes(1);
    EXPECT_EQ(Calls{"del alpha"}, directory.calls()) << "unanswered: the pass ends";
    directory.silentDeletes = false;
    passes(1);
    EXPECT_EQ((Calls{"del alpha", "del rpub-b"}), directory.calls())
        << "a record the directory does not hold counts as withdrawn";
    passes(2);
    EXPECT_EQ(Calls(), directory.calls()) << "what was withdrawn is not published again";

    alpha->setExported(1);
    passes(1);
    EXPECT_EQ(Calls{"add alpha"}, directory.calls());
    directory.deleteAnswer = 0;
    EXPECT_EQ(0, TQGIconductor()->stopDispatch());
    EXPECT_EQ(Calls{"del alpha"}, directory.calls()) << "stopping withdraws what was published";
    alpha->setExported(0);
    TQGIconductor()->startDispatch();
    passes(1);
    EXPECT_EQ(Calls{"del alpha"}, directory.calls());
}
