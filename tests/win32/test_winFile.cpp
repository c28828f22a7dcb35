// Win32 file objects on real files in a temporary folder, registered
// in-memory files, and the Win32-handle fallback with the runtime library's
// streams used up.
#include <gtest/gtest.h>

#include "FileBytes.h"
#include "LoopbackHttpServer.h"
#include "SystemEncoding.h"
#include "TQDwinFile.h"
#include "TempDir.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string contents(TQDwinFile& file)
{
    std::string text(static_cast<size_t>(file.getSize()), '\0');
    file.seekSet();
    text.resize(static_cast<size_t>(file.read(&text[0], static_cast<long>(text.size()))));
    return text;
}

long openFile(TQDwinFile& file, std::string name, const char* mode)
{
    return file.open(&name[0], const_cast<char*>(mode));
}

long writeText(TQDwinFile& file, const char* text)
{
    return file.write(const_cast<char*>(text), static_cast<long>(std::strlen(text)));
}

class WinFile : public ::testing::Test {
protected:
    void SetUp() override { useWinCodeConverter(); }
    TempDir dir;
    TQDwinFile file;
};

} // namespace

TEST_F(WinFile, DiskFilesReadWriteSeekAndMeasure)
{
    std::string path = dir.file("x.txt");
    writeFileBytes(path, "hello");
    ASSERT_EQ(0, openFile(file, "  " + path, "r+")) << "leading blanks are dropped";
    EXPECT_EQ(5, file.getSize());
    EXPECT_EQ(0, file.seek(1));
    char two[3] = "";
    EXPECT_EQ(2, file.read(two, 2));
    EXPECT_STREQ("el", two);
    EXPECT_EQ(3, file.tell()) << "getSize keeps the position";
    EXPECT_EQ(0, file.seekEnd());
    EXPECT_EQ(0, file.eof());
    EXPECT_EQ(0, file.read(two, 2));
    EXPECT_EQ(1, file.eof());
    EXPECT_EQ(-1, file.seek(-5)) << "a negative offset fails in the runtime library";
    EXPECT_EQ(0, file.close());
    EXPECT_EQ(0, file.read(two, 2)) << "closed";
    EXPECT_EQ(-1, file.seek(0)) << "closed";
}

TEST_F(WinFile, ReadWriteOnAMissingFileCreatesIt)
{
    std::string path = dir.file("new.txt");
    ASSERT_EQ(0, openFile(file, path, "r+"));
    EXPECT_EQ(3, writeText(file, "abc"));
    file.close();
    ASSERT_EQ(0, openFile(file, path, "r"));
    EXPECT_EQ("abc", contents(file));
}

TEST_F(WinFile, HttpInCapitalsIsADiskNameAndAnUnreachableRemoteNameDoesNotOpen)
{
    EXPECT_EQ(-1, openFile(file, "HTTP://127.0.0.1/x.txt", "r")) << "a disk name";
    std::string unreachable = "http://127.0.0.1:" + std::to_string(LoopbackHttpServer::freePort());
    EXPECT_EQ(-1, openFile(file, unreachable + "/x.txt", "r"));
    EXPECT_EQ(-1, openFile(file, dir.file("missing.txt"), "r"));
}

TEST_F(WinFile, RegisteredNamesOpenTheInMemoryFile)
{
    unsigned char data[] = {'m', 'e', 'm'};
    char name[] = "registered-for-win-file";
    TQDfile::setFileHandle(name, data, sizeof data);
    ASSERT_EQ(0, openFile(file, std::string(" ") + name, "r"));
    EXPECT_EQ(TQDfile::TYPE_MEMORY, file.getType());
    EXPECT_EQ("mem", contents(file));
    EXPECT_EQ(0, file.close());
    EXPECT_EQ(0, file.getType()) << "closed, the object is a plain file again";
    TQDfile::delFileHandle(name);

    std::string path = dir.file("disk.txt");
    writeFileBytes(path, "disk");
    ASSERT_EQ(0, openFile(file, path, "r"));
    EXPECT_EQ("disk", contents(file));
}

// With no stream left in the runtime library, files open through Win32
// handles: "r+", "a" and "a+" keep what a file holds, "w" empties it.
TEST_F(WinFile, WithoutStreamsFilesOpenThroughHandles)
{
    std::string keep = dir.file("keep.txt");
    std::string append = dir.file("append.txt");
    std::string empty = dir.file("empty.txt");
    writeFileBytes(keep, "kept");
    writeFileBytes(append, "one");
    writeFileBytes(empty, "gone");

    std::vector<std::FILE*> held;
    int oldMax = _getmaxstdio();
    ASSERT_NE(-1, _setmaxstdio(20));
    while (held.size() < 100) {
        std::FILE* f = std::fopen(keep.c_str(), "r");
        if (f == nullptr)
            break;
        held.push_back(f);
    }
    ASSERT_EQ(nullptr, std::fopen(keep.c_str(), "r")) << "streams used up";

    TQDwinFile kept, appended, emptied, created, refused;
    EXPECT_EQ(0, openFile(kept, keep, "r+"));
    EXPECT_EQ(0, openFile(appended, append, "a+"));
    EXPECT_EQ(3, writeText(appended, "two"));
    EXPECT_EQ(0, openFile(emptied, empty, "w"));
    EXPECT_EQ(0, openFile(created, dir.file("made.txt"), "a"));
    EXPECT_EQ(-1, openFile(refused, keep, "rb")) << "not a mode of the fallback";

    EXPECT_EQ("kept", contents(kept));
    EXPECT_EQ("onetwo", contents(appended));
    EXPECT_EQ(0, emptied.getSize());
    EXPECT_EQ(1, emptied.eof());
    EXPECT_EQ(2, writeText(created, "ok"));
    created.close();
    EXPECT_EQ(0, openFile(created, dir.file("made.txt"), "r"));
    EXPECT_EQ("ok", contents(created));

    for (std::FILE* f : held)
        std::fclose(f);
    _setmaxstdio(oldMax);
}
