// A round trip across two processes: a helper application serves its
// button "newvbtn_000" and the instance directory on port 9105; this
// process finds the button by its public name and works it through a proxy.
#include "GuiTestApp.h"
#include "RemoteScene.h"

#include "_TQCRbase.h"
#include "_TQCRbaseList.h"
#include "_TQCbaseList.h"
#include "_TQCconductor.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace {

// The helper, ended at once when the test stops early instead of serving
// on for half a minute into the tests after this one.
struct Helper {
    HANDLE process;
    ~Helper()
    {
        if (process != nullptr)
            exitCodeWithin(process, 0);
    }
    DWORD endedWithin(DWORD ms) { return exitCodeWithin(std::exchange(process, nullptr), ms); }
};

} // namespace

TEST(RemoteRoundTrip, AButtonOfAnotherProcessFoundByNameAndWorked)
{
    startRemoteScene();
    ASSERT_TRUE(LoopbackServer::waitForFreePort(TQCconductor::DIRECTORY_PORT))
        << "port 9105 stayed taken";
    Helper helper{startProcess(besideTestProgram("tq_remote_helper.exe") + " 9105")};
    ASSERT_NE(nullptr, helper.process);

    std::unique_ptr<TQCRbase> button;
    pumpMessagesUntil(
        [&] {
            button.reset(TQGIappObjectList()->getRemoteInstance("newvbtn_000"));
            if (!button)
                pumpMessagesFor(200);
            return button != nullptr;
        },
        30000);
    ASSERT_NE(nullptr, button) << "the helper published its button to itself";
    EXPECT_EQ(TQCconductor::DIRECTORY_PORT, button->getPort());

    EXPECT_EQ(1, button->setProperty("labelString", TQCvariant("worked remotely")));
    EXPECT_STREQ("worked remotely", button->getProperty("labelString").getCharPtr());
    EXPECT_EQ(1, button->getVisible());
    EXPECT_EQ(0, button->setFocus(1));
    EXPECT_EQ(1, button->getFocus());
    button->setSensitive(0);
    EXPECT_EQ(0, button->getSensitive());

    EXPECT_EQ(nullptr, TQGIappObjectList()->getRemoteInstance("nobody"));
    TQCRbaseList directory;
    directory.setPort(TQCconductor::DIRECTORY_PORT);
    EXPECT_EQ(1, directory.checkAlive());

    button->execProcedure("quit");
    EXPECT_EQ(0u, helper.endedWithin(15000)) << "the helper ended when asked";
}
