// The file selection dialog's text rules: the mask, going up a level and
// the "." forms of a directory, cut rather than overrun.
#include "_TQCfileSelect_internal.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tqfileselect;

TEST(FileSelectRules, MaskMatchesSuffixesInEitherCaseButNotFollowedByADot)
{
    std::vector<std::string> wav = maskPatterns(" wav ,\n");
    EXPECT_EQ(std::vector<std::string>{".wav"}, wav);
    for (const char* shown : {"x.wav", "X.WAV", "x.wavy"})
        EXPECT_TRUE(passesMask(shown, wav)) << shown;
    for (const char* hidden : {"x.wav.bak", "a.wav.wav", "x.csv", "wav"})
        EXPECT_FALSE(passesMask(hidden, wav)) << hidden;
    EXPECT_TRUE(maskPatterns(" , ,").empty()) << "blank fields give no pattern";
    EXPECT_TRUE(passesMask("any.thing", maskPatterns("")));
    EXPECT_FALSE(passesMask("x.wav", maskPatterns("*"))) << "a star is a plain character";
    EXPECT_TRUE(passesMask("t.csv", maskPatterns("wav,csv")));
}

TEST(FileSelectRules, GoingUpDropsTheLastLevel)
{
    EXPECT_EQ("C:", parentDirectory("C:/wav"));
    EXPECT_EQ("C:/wav", parentDirectory("C:/wav/x/"));
    EXPECT_EQ("", parentDirectory("C:"));
    EXPECT_EQ("", parentDirectory(""));
    EXPECT_TRUE(isNetworkHost("//host"));
    EXPECT_FALSE(isNetworkHost("//host/share"));
    EXPECT_FALSE(isNetworkHost("C:/host"));
}

TEST(FileSelectRules, DotFormsExpandAgainstTheWorkingDirectoryWithinTheBuffer)
{
    EXPECT_EQ("C:/work", expandDirName(".", "C:\\work"));
    EXPECT_EQ("C:/work/..", expandDirName("..", "C:\\work"));
    EXPECT_EQ("C:/work/sub", expandDirName("./sub", "C:\\work"));
    EXPECT_EQ("D:/other", expandDirName("D:\\other", "C:\\work"));
    std::string deep(3000, 'd');
    EXPECT_EQ(kDirBufferSize - 1, expandDirName("./x", deep).size());
}
