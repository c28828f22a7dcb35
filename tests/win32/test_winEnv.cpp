// Environment lookup on Windows: the toolkit's names mapped onto Windows
// variables, the fixed default toolkit directory, and the platform's object
// as the application's environment.
#include "TQDwinEnv.h"

#include "_TQCguiPolicy.h"

#include <gtest/gtest.h>

#include "CapturedText.h"
#include "EnvGuard.h"
#include "FileBytes.h"
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

TEST(WinEnv, IsTheApplicationsEnvironmentAndReadsTheProcessEnvironment)
{
    TQDenv* environment = TQGIappEnvironment();
    ASSERT_NE(nullptr, dynamic_cast<TQDwinEnv*>(environment));
    EXPECT_EQ(environment, TQGIappEnvironment());

    EnvGuard toolkitDir("TQDIR", "C:\\q");
    EXPECT_STREQ("C:\\q/sys/pixmaps/bi23.xpm",
                 environment->getPlaneString("$(TQDIR)/sys/pixmaps/bi23.xpm"));
    EXPECT_STREQ("xy", environment->getPlaneString("x$(TQ_TEST_SURELY_UNSET)y"));
}

TEST(WinEnv, TheLookFileLivesInTheUserProfileByDefault)
{
    TempDir dir;
    EnvGuard profile("USERPROFILE", dir.path().c_str());
    TQCguiPolicy policy;
    policy.setGuiPolicy(1, 0);
    EXPECT_EQ(0, policy.saveLookFile());
    EXPECT_EQ("#POLICY\n1\n#EXPOLICY\n\n", withoutCR(readFileBytes(dir.file(".tqrc"))));
    TQCguiPolicy reread;
    long marker = -1;
    EXPECT_EQ(0, reread.loadLookFile(&marker));
    EXPECT_EQ(1, reread.getGuiPolicy());
}
