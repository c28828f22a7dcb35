// The file system on Win32.
#include "TQDwinFS.h"

#include "TQDwinEnv.h"
#include "TQGFwinSystemText.h"
#include "TQwin32.h"
#include "_TQClistData.h"
#include "_TQDenv.h"
#include "_TQGFdebug.h"
#include "_TQGFstring.h"

#include <winnetwk.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <direct.h>
#include <io.h>
#include <string>
#include <sys/stat.h>

namespace {

const size_t kAdjustedNameSize = 1024;
const size_t kRemoteNameSize = 1024;
const DWORD kNetBufferSize = 4096;
const unsigned long kMostNetEntries = 128;

template <typename Text> Text withBackslashes(Text path)
{
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// Names reach the system through its wide functions, so that a name
// beyond the ANSI code page is neither lost nor turned into "?".
std::wstring wideName(const char* name)
{
    return TQGFtoWideName(name);
}

// Probing an empty floppy or a missing disk must not put up a dialog.
DWORD quietAttributes(const std::wstring& path)
{
    UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    DWORD attributes = GetFileAttributesW(path.c_str());
    SetErrorMode(oldMode);
    return attributes;
}

bool isDotEntry(const wchar_t* name)
{
    return std::wcscmp(name, L".") == 0 || std::wcscmp(name, L"..") == 0;
}

void sortNames(TQClistData* list)
{
    char** names = reinterpret_cast<char**>(list->getBuf());
    std::sort(names, names + list->getNum(),
              [](const char* a, const char* b) { return std::strcmp(a, b) < 0; });
}

// The entries of dir that are directories (or, with wantDirs false, that
// are not), sorted, in the application's encoding.
TQClistData* listEntries(const char* dir, bool wantDirs)
{
    TQClistData* list = new TQClistData();
    std::wstring path = withBackslashes(wideName(dir));
    if (quietAttributes(path) == INVALID_FILE_ATTRIBUTES)
        return list;
    std::wstring pattern = path + L"\\*";
    __dbprintf("TQDwinFS::showDir dname=#%s\\*#\n", withBackslashes(std::string(dir)).c_str());

    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return list;
    do {
        bool isDir = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isDir != wantDirs || isDotEntry(found.cFileName))
            continue;
        list->add(TQGFstrdup(TQGFfromWideName(found.cFileName).c_str()));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    sortNames(list);
    return list;
}

TQClistData* listDrives()
{
    TQClistData* list = new TQClistData();
    DWORD drives = GetLogicalDrives();
    for (int bit = 0; bit < 32; ++bit) {
        if (drives & (1UL << bit)) {
            char name[3] = {static_cast<char>('A' + bit), ':', '\0'};
            list->add(TQGFstrdup(name));
        }
    }
    return list;
}

void removeFirst(std::string& text, const std::string& part)
{
    size_t at = text.find(part);
    if (at != std::string::npos)
        text.erase(at, part.size());
}

} // namespace

TQDwinFS::~TQDwinFS() = default;

char* TQDwinFS::adjustFileName(char* name)
{
    static char adjusted[kAdjustedNameSize];
    std::string text = name != nullptr ? name : "";
    if (TQDenv* env = TQGIappEnvironment())
        text = env->getPlaneString(text.c_str());
    size_t firstShown = text.find_first_not_of(' ');
    text.erase(0, firstShown == std::string::npos ? text.size() : firstShown);
    text.erase(std::remove(text.begin(), text.end(), '\n'), text.end());
    std::replace(text.begin(), text.end(), '\\', '/');
    std::snprintf(adjusted, sizeof adjusted, "%s", text.c_str());
    return adjusted;
}

// MoveFileEx replaces the target only as part of a rename that succeeds, so
// a failed rename never costs the target.
long TQDwinFS::rename(char* from, char* to)
{
    if (from == nullptr || to == nullptr)
        return -1;
    std::wstring source = wideName(from);
    std::wstring target = wideName(to);
    if (source == target)
        return -1;
    return MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : -1;
}

long TQDwinFS::deleteFile(char* name)
{
    return _wremove(wideName(name).c_str()) == 0 ? 0 : -1;
}

long TQDwinFS::createDir(char* name)
{
    return _wmkdir(wideName(name).c_str()) == 0 ? 0 : -1;
}

long TQDwinFS::deleteDir(char* name)
{
    return _wrmdir(wideName(name).c_str()) == 0 ? 0 : -1;
}

long TQDwinFS::check(char* name)
{
    if (name == nullptr)
        return 0;
    std::wstring path = wideName(name);
    if (path.size() == 2 && path[1] == L':') {
        if (quietAttributes(path) == INVALID_FILE_ATTRIBUTES)
            return CHECK_DRIVE | CHECK_DRIVE_NOT_READY;
        return CHECK_DRIVE;
    }
    struct _stat status;
    if (_wstat(path.c_str(), &status) != 0)
        return 0;
    long bits = 0;
    if (status.st_mode & _S_IFDIR)
        bits |= CHECK_DIR;
    else if (status.st_mode & _S_IFREG)
        bits |= CHECK_FILE;
    if (_waccess(path.c_str(), 2) != 0)
        bits |= CHECK_NOT_WRITABLE;
    return bits;
}

TQClistData* TQDwinFS::showDir(char* dir)
{
    const char* name = dir != nullptr ? dir : "";
    __dbprintf("TQDwinFS::showDir #%s#\n", name);
    if (name[0] == '\0')
        return listDrives();
    return listEntries(name, true);
}

TQClistData* TQDwinFS::showFile(char* dir)
{
    const char* name = dir != nullptr ? dir : "";
    __dbprintf("TQDwinFS::showFile #%s#\n", name);
    if (name[0] == '\0')
        return new TQClistData();
    return listEntries(name, false);
}

TQClistData* TQDwinFS::showNetDir(char* path, char* provider)
{
    std::string remote = withBackslashes(std::string(path != nullptr ? path : ""));
    if (remote.size() >= kRemoteNameSize)
        return nullptr;
    char remoteName[kRemoteNameSize];
    std::snprintf(remoteName, sizeof remoteName, "%s", remote.c_str());
    std::string providerName = provider != nullptr ? provider : "";

    NETRESOURCEA container = {};
    container.dwScope = RESOURCE_GLOBALNET;
    container.dwType = RESOURCETYPE_ANY;
    container.dwDisplayType = RESOURCEDISPLAYTYPE_DOMAIN;
    container.dwUsage = RESOURCEUSAGE_CONTAINER;
    container.lpRemoteName = remoteName;
    container.lpProvider = &providerName[0];

    HANDLE enumeration = nullptr;
    if (WNetOpenEnumA(RESOURCE_GLOBALNET, RESOURCETYPE_ANY, 0, &container, &enumeration) !=
        NO_ERROR)
        return nullptr;
    // DWORDs keep the records aligned.
    DWORD buffer[kNetBufferSize / sizeof(DWORD)];
    DWORD size = sizeof buffer;
    DWORD count = 0xFFFFFFFF;
    TQClistData* list = nullptr;
    if (WNetEnumResourceA(enumeration, &count, buffer, &size) == NO_ERROR)
        list = listNetResources(path != nullptr ? path : "",
                                reinterpret_cast<NETRESOURCEA*>(buffer), count);
    WNetCloseEnum(enumeration);
    return list;
}

TQClistData* TQDwinFS::listNetResources(const char* path, const NETRESOURCEA* entries,
                                        unsigned long count)
{
    std::string prefix;
    if (std::strncmp(path, "//", 2) == 0)
        prefix = std::string(path) + "/";
    else if (std::strncmp(path, "\\\\", 2) == 0)
        prefix = "//" + std::string(path + 2) + "/";

    TQClistData* list = nullptr;
    for (unsigned long i = 0; i < count && i < kMostNetEntries; ++i) {
        if (entries[i].lpRemoteName == nullptr)
            continue;
        std::string name = entries[i].lpRemoteName;
        std::replace(name.begin(), name.end(), '\\', '/');
        if (!prefix.empty())
            removeFirst(name, prefix);
        if (list == nullptr)
            list = new TQClistData();
        list->add(TQGFstrdup(name.c_str()));
    }
    return list;
}

TQ_PLATFORM_FACTORY(TQDfileSystem, TQDwinFS, _win_fs_chandler, installWinFileSystem)

// Names are expanded through the environment service, so it comes first.
void TQGFinitWinFileSystem()
{
    TQGFwinEnvInit();
    installWinFileSystem();
}
