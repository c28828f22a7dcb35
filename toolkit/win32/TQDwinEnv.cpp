// Environment lookup on Windows.
#include "TQDwinEnv.h"

#include "TQwin32.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <direct.h>
#include <string>

namespace {

const size_t dirBufferSize = 2048;

char g_windowsDir[dirBufferSize];
char g_defaultToolkitDir[dirBufferSize];
bool g_defaultToolkitDirKnown = false;

bool separatesWords(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

// "(HOME)" and "HOME" name the same variable; anything after the first
// word is ignored.
std::string variableName(const char* name)
{
    std::string word;
    bool started = false;
    for (const char* p = name; *p != '\0'; ++p) {
        if (*p == '(' || *p == ')')
            continue;
        if (separatesWords(*p)) {
            if (started)
                break;
            continue;
        }
        started = true;
        word += *p;
    }
    return word;
}

char* windowsDirectory()
{
    UINT n = GetWindowsDirectoryA(g_windowsDir, dirBufferSize);
    if (n == 0 || n >= dirBufferSize)
        g_windowsDir[0] = '\0';
    return g_windowsDir;
}

// Fixed at the first lookup, so a later change of the working directory
// does not move the toolkit directory.
char* defaultToolkitDirectory()
{
    if (!g_defaultToolkitDirKnown) {
        char cwd[2001];
        if (_getcwd(cwd, sizeof cwd) == nullptr)
            cwd[0] = '\0';
        std::snprintf(g_defaultToolkitDir, dirBufferSize, "%s\\..", cwd);
        g_defaultToolkitDirKnown = true;
    }
    return g_defaultToolkitDir;
}

} // namespace

TQDwinEnv::~TQDwinEnv()
{
}

char* TQDwinEnv::getEnv(const char* name)
{
    static char empty[1] = "";
    if (name == nullptr)
        return empty;

    std::string word = variableName(name);
    if (word == "WINDIR")
        return windowsDirectory();
    bool isToolkitDir = word == "TQDIR";
    if (word == "HOME")
        word = "USERPROFILE";
    else if (word == "USER")
        word = "USERNAME";

    if (char* value = std::getenv(word.c_str()))
        return value;
    if (isToolkitDir)
        return defaultToolkitDirectory();
    return empty;
}

TQ_PLATFORM_FACTORY(TQDenv, TQDwinEnv, _win_env_chandler, TQGFwinEnvInit)
