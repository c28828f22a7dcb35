// Replacing a whole text file keeps its previous content as a ".bak" copy,
// also when an older copy is already there.
#include <gtest/gtest.h>

#include <string>

#include "FileBytes.h"
#include "TempDir.h"
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
