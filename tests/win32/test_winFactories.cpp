// The Win32 layer's factories: each service holds its Win32 factory from
// start-up, and the installer puts it back.
#include <gtest/gtest.h>

#include "TQDwinEnv.h"
#include "TQDwinExecute.h"
#include "TQDwinExternal.h"
#include "TQDwinMessage.h"
#include "TQDwinFS.h"
#include "TQDwinFile.h"
#include "TQDwinKeyboard.h"
#include "TQDwinMouse.h"
#include "TQDwinMutex.h"
#include "TQDwinPrivateTimer.h"
#include "TQDwinSemaphore.h"
#include "TQDwinThread.h"

#include <memory>

namespace {

template <class Factory>
void* address(Factory factory)
{
    return reinterpret_cast<void*>(factory);
}

} // namespace

TEST(WinFactories, EveryServiceHoldsItsWin32FactoryFromStartUp)
{
    EXPECT_EQ(address(_win_env_chandler), TQDenv::getCreateInstanceHandler());
    EXPECT_EQ(address(_win_mutex_chandler), TQDmutex::getCreateInstanceHandler());
    EXPECT_EQ(address(_win_sem_chandler), TQDsemaphore::getCreateInstanceHandler());
    EXPECT_EQ(address(_win_th_chandler), TQDthread::getCreateInstanceHandler());
    EXPECT_EQ(address(_winPrivatetimer_create), TQDprivateTimer::getCreateInstanceHandler());
    EXPECT_EQ(address(_win_execute_chandler), TQDexecute::getCreateInstanceHandler());
    EXPECT_EQ(address(_win_external_create), TQDexternal::getCreateInstanceHandler());
    EXPECT_EQ(address(_winclient_msg_create), TQDmessage::getCreateInstanceHandler());
    EXPECT_EQ(address(_win_file_chandler), TQDfile::getCreateInstanceHandler());
    EXPECT_EQ(address(_win_fs_chandler), TQDfileSystem::getCreateInstanceHandler());
    EXPECT_EQ(address(_winMouse_create_handler), TQDmouse::getCreateInstanceHandler());
    EXPECT_EQ(address(_winKeyboard_create_handler), TQDkeyboard::getCreateInstanceHandler());
}

TEST(WinFactories, InstallerPutsTheFactoryBack)
{
    TQDsemaphore::setCreateInstanceHandler(nullptr);
    TQGFinitializeWinSemaphore();
    std::unique_ptr<TQDsemaphore> semaphore(TQDsemaphore::getNewInstance());
    EXPECT_NE(nullptr, semaphore->cast("TQDwinSemaphore")) << "made by the Win32 factory";
}
