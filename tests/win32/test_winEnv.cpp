// Environment lookup on Windows: the toolkit's names mapped onto Windows
// variables, and the fixed default toolkit directory.
#include "TQDwinEnv.h"

#include <gtest/gtest.h>

#include "EnvGuard.h"
#include "TempDir.h"

#include <direct.h>
#include <string>

namespace {

std::string currentDirectory()
{
    char buffer[2048];
    return _getcwd(buffer, sizeof buffer) != nullptr ? buffer : "";
}

} // namespace

TEST(WinEnv, ReadsHomeAndUserFromTheirWindowsVariablesAndEmptyTextForUnsetOnes)
{
    TQDwinEnv env;
    EnvGuard home("HOME", "C:\\h");
    EnvGuard profile("USERPROFILE", "C:\\Users\\a");
    EnvGuard user("USER", "unix");
    EnvGuard userName("USERNAME", "winname");
    EXPECT_STREQ("C:\\Users\\a", env.getEnv("HOME"));
    EXPECT_STREQ("C:\\Users\\a", env.getEnv("(HOME)"));
    EXPECT_STREQ("winname", env.getEnv("(USER)"));
    // Only the exact names are mapped; Windows finds "home" as HOME.
    EXPECT_STREQ("C:\\h", env.getEnv("home"));
    EXPECT_STREQ("winname", env.getEnv("((USER)) rest"));
    EXPECT_STREQ("", env.getEnv("(TQ_TEST_SURELY_UNSET)"));
}

TEST(WinEnv, KeepsTheDefaultToolkitDirectoryOfItsFirstLookup)
{
    TQDwinEnv env;
    EnvGuard toolkitDir("TQDIR", nullptr);
    std::string start = currentDirectory();
    EXPECT_EQ(start + "\\..", env.getEnv("TQDIR"));

    TempDir elsewhere;
    ASSERT_EQ(0, _chdir(elsewhere.path().c_str()));
    EXPECT_STRNE("", env.getEnv("WINDIR"));
    std::string later = env.getEnv("(TQDIR)");
    ASSERT_EQ(0, _chdir(start.c_str()));
    EXPECT_EQ(start + "\\..", later);

    EnvGuard setDir("TQDIR", "C:\\q");
    EXPECT_STREQ("C:\\q", env.getEnv("TQDIR"));
}
