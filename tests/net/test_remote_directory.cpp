// The instance directory: served by the test's own dispatcher to hand-made
// requests (in a process of its own, for its port counter), and the
// publishing passes of the conductor against a directory listening on the
// fixed port 9105 that records what it is sent.
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

std::string record(const char* publicName, const char* address, unsigned short port)
{
    return wireInstance("inst", publicName, "w1", "TQCvbtn", address, port);
}

void directoryScenario()
{
    startGuiApp();
    TQGIconductor()->setTimeout(2);
    OwnDispatcher own;
    TQClistData* held = TQGIappObjectList()->getRemoteInstanceList();
    auto answered = [&](const std::string& request, const std::string& expected, const char* what) {
        requireInChild(own.exchange(request) == expected, what);
    };

    answered(directoryCall("getBindPort"), wireShort("ret", 9201), "a fresh directory hands out 9201");
    answered(directoryCall("getBindPort"), wireShort("ret", 9202), "then 9202");
    answered(directoryCall("addRemoteInstanceData") + record("pub", "127.0.0.1", 9203),
             wireLong("ret", 0), "added");
    answered(directoryCall("addRemoteInstanceData") + record("pub", "127.0.0.1", 9203),
             wireLong("ret", 0), "added again");
    requireInChild(held->getNum() == 1, "an equal record is held once");
    answered(directoryCall("getBindPort"), wireShort("ret", 9204), "a loopback record holds 9203");
    answered(directoryCall("addRemoteInstanceData") + record("pub", "10.0.0.9", 9205),
             wireLong("ret", 0), "the same name elsewhere");
    answered(directoryCall("getBindPort"), wireShort("ret", 9205), "only loopback records hold ports");
    answered(directoryCall("delRemoteInstanceData") + record("pub", "127.0.0.1", 9299),
             wireLong("ret", -1), "a record differing in its port is not held");
    requireInChild(held->getNum() == 2, "nothing was removed");
    answered(directoryCall("getRemoteInstanceData") + wireText("pn", "pub"),
             wireInstance("ret", "pub", "w1", "TQCvbtn", "127.0.0.1", 9203),
             "the first record of the name");
    answered(directoryCall("getRemoteInstanceData") + wireText("pn", "nobody"),
             wireInstance("ret", "", "", "", "", 0), "an empty record for an unknown name");
    answered(directoryCall("delRemoteInstanceData") + record("pub", "127.0.0.1", 9203),
             wireLong("ret", 0), "deleted");
    answered(directoryCall("addRemoteInstanceData"), wireLong("ret", -1), "no record arrived");
    answered(directoryCall("checkalive"), "", "operation names are compared exactly");
    requireInChild(held->getNum() == 1, "one record left");

    requireInChild(_TQCbaseList_port_after(32766) == 32767, "the last port");
    requireInChild(_TQCbaseList_port_after(32767) == 9201, "no port handed out is negative");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(RemoteDirectoryDeathTest, ServedToHandMadeRequests, directoryScenario(), "")

namespace {

// A directory on port 9105 that answers 0 to additions and deletions
// unless told otherwise, and 1 to "checkAlive".
class RecordingDirectory {
public:
    RecordingDirectory()
        : m_server(TQCconductor::DIRECTORY_PORT,
                   [this](const std::vector<WireRecord>& request, std::string* reply) {
                       std::string operation = wireOperation(request);
                       bool withRecord = operation != "checkAlive";
                       if (request.size() < (withRecord ? 2u : 1u))
                           return false;
                       if (operation == "addRemoteInstanceData")
                           *reply = wireLong("ret", m_refuseAdds > 0 && m_refuseAdds-- ? -1 : 0);
                       else if (operation == "delRemoteInstanceData")
                           *reply = m_silentDeletes ? "" : wireLong("ret", m_deleteAnswer);
                       else
                           *reply = wireFlag("ret", 1);
                       return true;
                   })
    {
    }

    bool listening() const { return m_server.listening(); }
    // What arrived since the last call, as "add alpha", "del beta".
    std::vector<std::string> calls()
    {
        std::vector<std::string> requests = m_server.requests();
        std::vector<std::string> seen;
        for (size_t i = m_read; i < requests.size(); ++i) {
            std::vector<WireRecord> records = wireRecords(requests[i]);
            std::string operation = wireOperation(records).substr(0, 3);
            seen.push_back(operation + " " + (records.size() > 1 ? records[1].child(">pn").text() : ""));
        }
        m_read = requests.size();
        return seen;
    }

    std::atomic<int> m_refuseAdds{0};
    std::atomic<long> m_deleteAnswer{0};
    std::atomic<bool> m_silentDeletes{false};

private:
    WireServer m_server;
    size_t m_read = 0;
};

typedef std::vector<std::string> Calls;

void pass()
{
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
    pass();
    EXPECT_EQ(full, directory.calls()) << "pass 1 publishes the new exports";
    pass();
    pass();
    EXPECT_EQ(Calls(), directory.calls());
    pass();
    EXPECT_EQ(full, directory.calls()) << "pass 4";
    pass();
    pass();
    EXPECT_EQ(std::string("\x03" "ret" "\x04\x00\x00\x00\x00\x01\x01", 11),
              own.exchange(wireCall("TQCbaseList", "tmp", "checkAlive")));
    pass();
    pass();
    pass();
    EXPECT_EQ(Calls(), directory.calls()) << "the check restarted the count";
    pass();
    EXPECT_EQ(full, directory.calls()) << "pass 10";

    directory.m_refuseAdds = 1;
    pass();
    pass();
    pass();
    pass();
    EXPECT_EQ(Calls{"add alpha"}, directory.calls()) << "the first refusal ends the pass";
    pass();
    EXPECT_EQ(full, directory.calls()) << "the publication stayed due";

    alpha->setExported(0);
    beta.reset();
    directory.m_deleteAnswer = -1;
    directory.m_silentDeletes = true;
    pass();
    EXPECT_EQ(Calls{"del alpha"}, directory.calls()) << "unanswered: the pass ends";
    directory.m_silentDeletes = false;
    pass();
    EXPECT_EQ((Calls{"del alpha", "del rpub-b"}), directory.calls())
        << "a record the directory does not hold counts as withdrawn";
    pass();
    pass();
    EXPECT_EQ(Calls(), directory.calls());

    alpha->setExported(1);
    pass();
    EXPECT_EQ(Calls{"add alpha"}, directory.calls());
    directory.m_deleteAnswer = 0;
    EXPECT_EQ(0, TQGIconductor()->stopDispatch());
    EXPECT_EQ(Calls{"del alpha"}, directory.calls()) << "stopping withdraws what was published";
    alpha->setExported(0);
    TQGIconductor()->startDispatch();
    pass();
    EXPECT_EQ(Calls{"del alpha"}, directory.calls());
}
