// The Win32 file system on real files and folders in a temporary folder.
#include <gtest/gtest.h>

#include "EnvGuard.h"
#include "FileBytes.h"
#include "SystemEncoding.h"
#include "TQDwinFS.h"
#include "TQDwinFile.h"
#include "TempDir.h"
#include "_TQClistData.h"

#include "TQwin32.h"

#include <winnetwk.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// Takes the list and its names, as a caller of the listings owns them.
std::vector<std::string> names(TQClistData* list)
{
    std::vector<std::string> result;
    if (list == nullptr)
        return result;
    for (long i = 0; i < list->getNum(); ++i) {
        char* name = static_cast<char*>(list->getData(i));
        result.push_back(name);
        delete[] name;
    }
    delete list;
    return result;
}

char* text(std::string& s)
{
    return &s[0];
}

class WinFileSystem : public ::testing::Test {
protected:
    void SetUp() override { useWinCodeConverter(); }
    TQDwinFS fs;
    TempDir dir;
};

} // namespace

TEST_F(WinFileSystem, AdjustedNamesLoseLeadingBlanksAndLineFeedsAndUseSlashes)
{
    EXPECT_STREQ("a/b/c", fs.adjustFileName(const_cast<char*>("  a\\b\\c\n")));
    EXPECT_STREQ("x y /z", fs.adjustFileName(const_cast<char*>("x\n y \\z")));
    EnvGuard home("TQTESTROOT", "C:\\data");
    EXPECT_STREQ("C:/data/f.txt", fs.adjustFileName(const_cast<char*>(" $(TQTESTROOT)\\f.txt")));
}

TEST_F(WinFileSystem, CheckTellsFilesDirectoriesAndDrives)
{
    std::string file = dir.file("plain.txt");
    std::string locked = dir.file("locked.txt");
    writeFileBytes(file, "x");
    writeFileBytes(locked, "x");
    ASSERT_TRUE(SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY));
    std::string folder = dir.path();
    std::string missing = dir.file("missing");

    EXPECT_EQ(1, fs.check(text(file)));
    EXPECT_EQ(5, fs.check(text(locked))) << "a read-only file";
    EXPECT_EQ(2, fs.check(text(folder)));
    EXPECT_EQ(0, fs.check(text(missing)));
    EXPECT_EQ(8, fs.check(const_cast<char*>("C:")));

    DWORD drives = GetLogicalDrives();
    char absent[3] = "A:";
    while (absent[0] <= 'Z' && (drives & (1UL << (absent[0] - 'A'))))
        ++absent[0];
    ASSERT_LE(absent[0], 'Z');
    EXPECT_EQ(24, fs.check(absent)) << "a drive that cannot be read";
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(WinFileSystem, ListingsGiveDrivesInOrderAndSortedEntriesOfAFolder)
{
    std::vector<std::string> drives = names(fs.showDir(const_cast<char*>("")));
    std::vector<std::string> expected;
    DWORD present = GetLogicalDrives();
    for (int bit = 0; bit < 32; ++bit) {
        if (present & (1UL << bit))
            expected.push_back(std::string(1, static_cast<char>('A' + bit)) + ":");
    }
    EXPECT_EQ(expected, drives);

    for (const char* sub : {"zeta", "Alpha", "mid"}) {
        std::string subPath = dir.file(sub);
        ASSERT_EQ(0, fs.createDir(text(subPath)));
    }
    writeFileBytes(dir.file("b.txt"), "b");
    writeFileBytes(dir.file("a.txt"), "a");
    std::string path = dir.path();
    std::string slashed = path;
    for (char& c : slashed)
        c = c == '\\' ? '/' : c;

    EXPECT_EQ((std::vector<std::string>{"Alpha", "mid", "zeta"}), names(fs.showDir(text(slashed))));
    EXPECT_EQ((std::vector<std::string>{"a.txt", "b.txt"}), names(fs.showFile(text(path))));
    EXPECT_TRUE(names(fs.showFile(const_cast<char*>(""))).empty());
    std::string missing = dir.file("missing");
    TQClistData* none = fs.showDir(text(missing));
    ASSERT_NE(nullptr, none) << "a listing is never null";
    EXPECT_TRUE(names(none).empty());

    std::string mid = dir.file("mid");
    EXPECT_EQ(0, fs.deleteDir(text(mid)));
    EXPECT_EQ(-1, fs.deleteDir(text(mid)));
}

TEST_F(WinFileSystem, RenameReplacesATargetOnlyWhenTheRenameHappens)
{
    std::string from = dir.file("from.txt");
    std::string to = dir.file("to.txt");
    writeFileBytes(to, "target");

    EXPECT_EQ(-1, fs.rename(text(from), text(to))) << "from is missing";
    EXPECT_EQ("target", readFileBytes(to));
    EXPECT_EQ(-1, fs.rename(text(to), text(to))) << "from is to";
    EXPECT_EQ("target", readFileBytes(to));
    writeFileBytes(from, "source");
    HANDLE held = CreateFileA(from.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_EQ(-1, fs.rename(text(from), text(to))) << "from is held open without sharing";
    CloseHandle(held);
    EXPECT_EQ("target", readFileBytes(to));

    EXPECT_EQ(0, fs.rename(text(from), text(to)));
    EXPECT_EQ("source", readFileBytes(to));
    EXPECT_FALSE(fileExists(from));

    EXPECT_EQ(0, fs.deleteFile(text(to)));
    EXPECT_EQ(-1, fs.deleteFile(text(to)));
}

// "tonalité" is in code page 1252 and not in 932, "音声" the other way
// round: whichever locale runs the test, one of them is beyond the ANSI code
// page (the suite runs under en_US.UTF-8 and ja_JP.UTF-8).
TEST_F(WinFileSystem, NamesBeyondTheCodePageAreListedCheckedChangedAndOpened)
{
    namespace stdfs = std::filesystem;
    const stdfs::path folder(dir.path());
    // Names joined as text: a narrow std::filesystem::path would read them
    // in the ANSI code page.
    auto inDir = [this](const std::string& name) { return dir.path() + "\\" + name; };
    std::string accented = u8"tonalité.wav", japanese = u8"音声.wav", sub = u8"données";
    writeFileBytes(folder / stdfs::u8path(accented), "RIFF");
    writeFileBytes(folder / stdfs::u8path(japanese), "data");
    std::string path = dir.path(), subPath = inDir(sub);
    ASSERT_EQ(0, fs.createDir(text(subPath)));

    EXPECT_EQ((std::vector<std::string>{sub}), names(fs.showDir(text(path))));
    EXPECT_EQ((std::vector<std::string>{accented, japanese}),
              names(fs.showFile(text(path))))
        << "the names as the application writes them, not \"?\"";
    std::string from = inDir(japanese), to = inDir(u8"音声2.wav");
    EXPECT_EQ(1, fs.check(text(from)));
    EXPECT_EQ(2, fs.check(text(subPath)));
    EXPECT_EQ(0, fs.rename(text(from), text(to)));
    TQDwinFile file;
    EXPECT_EQ(0, file.open(text(to), const_cast<char*>("r")));
    EXPECT_EQ(4, file.getSize()) << "the renamed file opens";
    file.close();
    EXPECT_EQ(0, fs.deleteFile(text(to)));
    EXPECT_EQ(0, fs.check(text(to)));
    EXPECT_EQ(0, fs.deleteDir(text(subPath)));
}

TEST(WinNetworkListing, RemoteNamesLoseTheListedPathAndUseSlashes)
{
    char share[] = "\\\\host\\share";
    char other[] = "\\\\other\\host\\x";
    NETRESOURCEA entries[3] = {};
    entries[0].lpRemoteName = share;
    entries[1].lpRemoteName = nullptr;
    entries[2].lpRemoteName = other;

    EXPECT_EQ((std::vector<std::string>{"share", "//other/host/x"}),
              names(TQDwinFS::listNetResources("//host", entries, 3)));
    EXPECT_EQ((std::vector<std::string>{"share", "//other/host/x"}),
              names(TQDwinFS::listNetResources("\\\\host", entries, 3)));
    EXPECT_EQ((std::vector<std::string>{"//host/share"}),
              names(TQDwinFS::listNetResources("", entries, 1)));
    EXPECT_EQ(nullptr, TQDwinFS::listNetResources("//host", entries, 0));
}

TEST(WinNetworkListing, PathsLongerThanARemoteNameAreRefused)
{
    TQDwinFS fs;
    std::string path = "//" + std::string(2000, 'h');
    EXPECT_EQ(nullptr, fs.showNetDir(&path[0], const_cast<char*>("")));
}
