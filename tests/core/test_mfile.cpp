// Memory file.
#include <gtest/gtest.h>

#include <cstring>

#include "_TQCmfile.h"

TEST(MemoryFile, ReadStopsAtTheEnd)
{
    TQCmfile f;
    char b[16] = {};
    EXPECT_EQ(f.eof(), 1) << "a file never opened is at its end";
    EXPECT_EQ(f.read(b, 4), 0);
    ASSERT_EQ(f.open("0123456789", 10), 0);
    EXPECT_EQ(f.seek(6), 0);
    EXPECT_EQ(f.read(b, 10), 4);
    EXPECT_STREQ(b, "6789");
    EXPECT_EQ(f.tell(), 10);
    EXPECT_EQ(f.read(b, 10), 0);
    EXPECT_EQ(f.eof(), 1);
}

TEST(MemoryFile, SeekOutsideClampsAndFails)
{
    TQCmfile f;
    f.open("abcde", 5);
    EXPECT_EQ(f.seek(-1), -1);
    EXPECT_EQ(f.tell(), 0);
    EXPECT_EQ(f.seek(6), -1);
    EXPECT_EQ(f.tell(), 5);
    EXPECT_EQ(f.seekSet(), 0);
    EXPECT_EQ(f.tell(), 0);
    EXPECT_EQ(f.seekEnd(), 0);
    EXPECT_EQ(f.tell(), 5);
}

TEST(MemoryFile, WritePastTheEndGrowsFromThePosition)
{
    TQCmfile f;
    f.open("abcde", 5);
    f.seek(2);
    EXPECT_EQ(f.write("12345678", 8), 8);
    EXPECT_EQ(f.getSize(), 10);
    EXPECT_EQ(f.tell(), 10);
    char b[11] = {};
    f.seekSet();
    f.read(b, 10);
    EXPECT_STREQ(b, "ab12345678");

    f.seek(1);
    EXPECT_EQ(f.write("XY", 2), 2);
    EXPECT_EQ(f.getSize(), 10) << "inside the file it overwrites";
    EXPECT_EQ(f.tell(), 3);
    f.seekSet();
    f.read(b, 10);
    EXPECT_STREQ(b, "aXY2345678");
}

TEST(MemoryFile, OpenCopiesAndSetBufTakesOver)
{
    char data[] = "xyz";
    TQCmfile f;
    f.open(data, 3);
    data[0] = 'Q';
    char b[4] = {};
    f.read(b, 3);
    EXPECT_STREQ(b, "xyz");

    char* owned = new char[2]{'h', 'i'};
    f.setBuf(owned, 2);
    EXPECT_EQ(f.tell(), 0);
    EXPECT_EQ(f.getSize(), 2);
    EXPECT_EQ(f.close(), 0);
    EXPECT_EQ(f.eof(), 1);
    EXPECT_EQ(f.write("new", 3), 3); // a closed file starts again
    EXPECT_EQ(f.getSize(), 3);
}
