// Environment lookup on Windows: the toolkit's names mapped onto Windows
// variables, and the fixed default toolkit directory.
#include "TQDwinEnv.h"

#include <gtest/gtest.h>

#include "TempDir.h"

#include <cstdlib>
#include <direct.h>
#include <string>

namespace {

// Sets a variable for one test and puts the old value back.
class ScopedVariable {
public:
    ScopedVariable(const std::string& name, const char* value) : name(name)
    {
        const char* old = std::getenv(name.c_str());
        hadValue = old != nullptr;
        if (hadValue)
            oldValue = old;
        _putenv((name + "=" + (value != nullptr ? value : "")).c_str());
    }
    ~ScopedVariable() { _putenv((name + "=" + (hadValue ? oldValue : "")).c_str()); }

private:
    std::string name;
    std::string oldValue;
    bool hadValue = false;
};

std::string currentDirectory()
{
    char buffer[2048];
    return _getcwd(buffer, sizeof buffer) != nullptr ? buffer : "";
}

} // namespace

TEST(WinEnv, ReadsHomeAndUserFromTheirWindowsVariables)
{
    TQDwinEnv env;
    ScopedVariable home("HOME", "C:\\h");
    ScopedVariable profile("USERPROFILE", "C:\\Users\\a");
    ScopedVariable user("USER", "unix");
    ScopedVariable userName("USERNAME", "winname");
    EXPECT_STREQ("C:\\Users\\a", env.getEnv("HOME"));
    EXPECT_STREQ("C:\\Users\\a", env.getEnv("(HOME)"));
    EXPECT_STREQ("winname", env.getEnv("(USER)"));
    // Only the exact names are mapped; Windows finds "home" as HOME.
    EXPECT_STREQ("C:\\h", env.getEnv("home"));
    EXPECT_STREQ("winname", env.getEnv("((USER)) rest"));
}

TEST(WinEnv, GivesEmptyTextForAVariableThatIsNotSet)
{
    TQDwinEnv env;
    const char* value = env.getEnv("(TQ_TEST_SURELY_UNSET)");
    ASSERT_NE(nullptr, value);
    EXPECT_STREQ("", value);
}

TEST(WinEnv, KeepsTheDefaultToolkitDirectoryOfItsFirstLookup)
{
    TQDwinEnv env;
    ScopedVariable toolkitDir("TQDIR", nullptr);
    std::string start = currentDirectory();
    EXPECT_EQ(start + "\\..", env.getEnv("TQDIR"));

    TempDir elsewhere;
    ASSERT_EQ(0, _chdir(elsewhere.path().c_str()));
    EXPECT_STRNE("", env.getEnv("WINDIR"));
    std::string later = env.getEnv("(TQDIR)");
    ASSERT_EQ(0, _chdir(start.c_str()));
    EXPECT_EQ(start + "\\..", later);

    ScopedVariable setDir("TQDIR", "C:\\q");
    EXPECT_STREQ("C:\\q", env.getEnv("TQDIR"));
}
