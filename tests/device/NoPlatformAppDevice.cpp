// The device tests drive the portable application device through stand-ins.
// The Win32 layer linked into this program installs its own factory at start
// up; left in place, the first test that asks for the application device
// would make a platform device that stays for the process, and every later
// test that installs a stand-in would find the place taken.
#include "_TQDappDev.h"

#include <gtest/gtest.h>

namespace {

class NoPlatformAppDevice : public ::testing::Environment {
public:
    void SetUp() override { TQDappDev::setCreateInstanceHandler(nullptr); }
};

const auto* const kInstalled =
    ::testing::AddGlobalTestEnvironment(new NoPlatformAppDevice);

}  // namespace
