// Named in-memory files: the registry, reading and writing in place, the
// bounds of the position.
#include <gtest/gtest.h>

#include "_TQDfile.h"

#include <cstring>
#include <memory>

namespace {

char kName[] = "mem:test_file/four";

class MemoryFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::memcpy(bytes, "wxyz----", 8);
        TQDfile::setFileHandle(kName, bytes, 4);
        file.setType(TQDfile::TYPE_MEMORY);
        ASSERT_EQ(0, file.open(kName, const_cast<char*>("r")));
    }
    void TearDown() override { TQDfile::delFileHandle(kName); }

    // Four registered bytes followed by four that are not the file's.
    unsigned char bytes[8];
    TQDfile file;
};

} // namespace

TEST(FileRegistry, RegistersReplacesAndRemovesNames)
{
    char name[] = "mem:test_file/registry";
    unsigned char first[3] = {1, 2, 3};
    unsigned char second[5] = {9, 8, 7, 6, 5};
    u32 size = 0;

    EXPECT_EQ(nullptr, TQDfile::getFileHandle(name, &size));
    EXPECT_EQ(0, TQDfile::setFileHandle(name, first, 3));
    EXPECT_EQ(first, TQDfile::getFileHandle(name, &size));
    EXPECT_EQ(3u, size);
    EXPECT_EQ(1, TQDfile::getFileHandleRegistered());

    EXPECT_EQ(0, TQDfile::setFileHandle(name, second, 5));
    EXPECT_EQ(second, TQDfile::getFileHandle(name, &size));
    EXPECT_EQ(5u, size);

    // The registry keeps its own copy of the name.
    char copy[sizeof name];
    std::memcpy(copy, name, sizeof name);
    copy[0] = 'X';
    EXPECT_EQ(nullptr, TQDfile::getFileHandle(copy, &size));

    EXPECT_EQ(0, TQDfile::delFileHandle(name));
    EXPECT_EQ(nullptr, TQDfile::getFileHandle(name, &size));
    EXPECT_EQ(0, TQDfile::delFileHandle(name));
    EXPECT_EQ(-1, TQDfile::setFileHandle(nullptr, first, 3));
    EXPECT_EQ(nullptr, TQDfile::getFileHandle(nullptr, &size));
}

TEST(FileRegistry, RemovingOneNameKeepsTheOthersAligned)
{
    char a[] = "mem:test_file/a";
    char b[] = "mem:test_file/b";
    char c[] = "mem:test_file/c";
    unsigned char da[1], db[2], dc[3];
    TQDfile::setFileHandle(a, da, 1);
    TQDfile::setFileHandle(b, db, 2);
    TQDfile::setFileHandle(c, dc, 3);
    TQDfile::delFileHandle(b);

    u32 size = 0;
    EXPECT_EQ(dc, TQDfile::getFileHandle(c, &size));
    EXPECT_EQ(3u, size);
    EXPECT_EQ(da, TQDfile::getFileHandle(a, &size));
    EXPECT_EQ(1u, size);
    TQDfile::delFileHandle(a);
    TQDfile::delFileHandle(c);
}

TEST(File, PlainObjectOpensOnlyAsMemoryFile)
{
    char name[] = "mem:test_file/plain";
    unsigned char data[2] = {'h', 'i'};
    TQDfile::setFileHandle(name, data, 2);

    std::unique_ptr<TQDfile> file(TQDfile::getNewInstance());
    EXPECT_EQ(0, file->getType());
    EXPECT_EQ(-1, file->open(name, nullptr));

    file->setType(TQDfile::TYPE_MEMORY);
    char missing[] = "mem:test_file/missing";
    EXPECT_EQ(-1, file->open(missing, nullptr));
    EXPECT_EQ(0, file->getSize());
    EXPECT_EQ(0, file->open(name, nullptr));
    EXPECT_EQ(2, file->getSize());
    TQDfile::delFileHandle(name);
}

TEST_F(MemoryFile, ReadStopsAtTheEnd)
{
    char buf[10] = {};
    EXPECT_EQ(0, file.eof());
    EXPECT_EQ(4, file.read(buf, 10));
    EXPECT_EQ(0, std::memcmp(buf, "wxyz", 4));
    EXPECT_EQ(0, buf[4]);
    EXPECT_EQ(1, file.eof());
    EXPECT_EQ(0, file.read(buf, 10));
    EXPECT_EQ(0, file.read(buf, -3));
}

TEST_F(MemoryFile, WriteOverwritesInPlaceAndNeverGrows)
{
    file.seek(2);
    char in[] = "ABCDEF";
    EXPECT_EQ(2, file.write(in, 6));
    EXPECT_EQ(0, std::memcmp(bytes, "wxAB----", 8));
    EXPECT_EQ(4, file.getSize());
    EXPECT_EQ(4, file.tell());
}

TEST_F(MemoryFile, PositionStaysInsideTheData)
{
    EXPECT_EQ(0, file.seek(100));
    EXPECT_EQ(4, file.tell());
    EXPECT_EQ(1, file.eof());

    // A negative position is the start: nothing before the data is read.
    EXPECT_EQ(0, file.seek(-2));
    EXPECT_EQ(0, file.tell());
    char buf[4] = {};
    EXPECT_EQ(4, file.read(buf, 4));
    EXPECT_EQ(0, std::memcmp(buf, "wxyz", 4));

    EXPECT_EQ(0, file.seekSet());
    EXPECT_EQ(0, file.tell());
    EXPECT_EQ(4, file.seekEnd());
    EXPECT_EQ(4, file.tell());
}

TEST_F(MemoryFile, CloseLeavesAPlainObjectThatRefusesEverything)
{
    EXPECT_EQ(0, file.close());
    EXPECT_EQ(0, file.getType());
    EXPECT_EQ(-1, file.close());

    char buf[4] = {};
    EXPECT_EQ(0, file.read(buf, 4));
    EXPECT_EQ(0, file.write(buf, 4));
    EXPECT_EQ(1, file.eof());
    EXPECT_EQ(-1, file.seek(1));
    EXPECT_EQ(0, file.getSize());
    EXPECT_EQ(0, file.tell());
    // Closed, it opens again only when made a memory file once more.
    EXPECT_EQ(-1, file.open(kName, nullptr));
}
