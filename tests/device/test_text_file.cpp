// Replacing a whole text file keeps its previous content as a ".bak" copy,
// also when an older copy is already there; contents are kept byte for byte.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "FileBytes.h"
#include "TempDir.h"
#include "_TQCstring.h"
#include "_TQGFfile.h"

TEST(ReplaceFile, EveryChangeMovesThePreviousContentOverTheOldBackup)
{
    TempDir dir;
    const std::string path = dir.file("notes.txt");
    const std::string backup = path + ".bak";

    ASSERT_EQ(0, TQGFreplaceTextFile(path.c_str(), "one", 0));
    EXPECT_FALSE(fileExists(backup));
    for (const char* text : {"two", "three"}) {
        std::string previous = readFileBytes(path);
        ASSERT_EQ(0, TQGFreplaceTextFile(path.c_str(), text, 0)) << text;
        EXPECT_EQ(text, readFileBytes(path));
        EXPECT_EQ(previous, readFileBytes(backup));
    }

    // The same content is written again only when forced.
    EXPECT_EQ(0, TQGFreplaceTextFile(path.c_str(), "three", 0));
    EXPECT_EQ("two", readFileBytes(backup));
    EXPECT_EQ(0, TQGFreplaceTextFile(path.c_str(), "three", 1));
    EXPECT_EQ("three", readFileBytes(backup));
}

// Contents go to disk and come back byte for byte: no CR before a line feed,
// no end of the text at 0x1A.
TEST(ReplaceFile, DataIsWrittenComparedAndReadByteForByte)
{
    TempDir dir;
    const std::string path = dir.file("data.bin");
    const std::string data("a\0\n\x1a" "b", 5);
    ASSERT_EQ(0, TQGFreplaceFile(path.c_str(), data.data(), 5, 0));
    EXPECT_EQ(data, readFileBytes(path));
    EXPECT_EQ(0, TQGFcheckDiffFile(path.c_str(), data.data(), 5));

    writeFileBytes(path, "one\r\ntwo");
    EXPECT_EQ(1, TQGFcheckDiffTextFile(path.c_str(), "one\ntwo")) << "CR LF is not LF";
    ASSERT_EQ(0, TQGFreplaceTextFile(path.c_str(), "one\ntwo", 0));
    EXPECT_EQ("one\ntwo", readFileBytes(path));
    EXPECT_EQ("one\r\ntwo", readFileBytes(path + ".bak"));

    writeFileBytes(path, "one\x1atwo\r\n");
    std::unique_ptr<TQCstring> text(TQGFreadTextFile(path.c_str(), -2));
    ASSERT_NE(nullptr, text);
    EXPECT_STREQ("one\x1atwo\r\n", text->getString(-2));
}
