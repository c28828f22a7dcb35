// Code converter: system locale name, the single instance and the
// process-wide encoding defaults.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "FreshProcess.h"
#include "_TQDcodeConvert.h"

namespace {

std::string localeName(const char* name, long encoding)
{
    TQDplainCodeConvert cc;
    cc.setSystemLocaleName(name, encoding);
    return cc.getSystemLocaleName();
}

} // namespace

TEST(CodeConvertLocaleName, FollowsTheLanguageAndTheEncoding)
{
    const struct {
        const char* name;
        long encoding;
        const char* expected;
    } cases[] = {
        {"es", 16, "es_ES.utf8"}, {"es", 1, "es_ES"}, {"de", 2, "de_DE"}, {"yi", 16, "yi_US.utf8"},
        {"es_ES", 1, "es_ES"},  // whole-string comparison only
        {"es_AR.UTF-8", 16, "es_AR.utf8"}, {"es.a.b", 1, "es_ES"},  // cut at the first dot
        {"de_DE", 20, "ja_JP.eucjp"}, {"C", 21, "ja_JP.sjis"}, {"", 30, "ko_KR.euckr"},
        {"ja", 40, "zh_CN"},  // fixed encodings ignore the name
        {"C", 16, "en_US"}, {"", 2, "en_US"}, {nullptr, 1, "en_US"}, {"ja", 16, "ja_JP.utf8"},
        {"ja", 2, "ja"}, {"en", 16, "en.utf8"}, {"ko", 1, "ko"}, {"zh_TW", 50, "zh_TW"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, localeName(c.name, c.encoding))
            << (c.name != nullptr ? c.name : "null") << " " << c.encoding;
}

TEST(CodeConvertLocaleName, LongNamesAreBounded)
{
    std::string huge(100, 'x');
    std::string got = localeName(huge.c_str(), 16);
    EXPECT_EQ(got.size(), 31u);
    EXPECT_EQ(got, std::string(31, 'x'));
    EXPECT_EQ(localeName(std::string(28, 'y').c_str(), 16), std::string(28, 'y') + ".ut");
}

TEST(PlainCodeConvert, MeasuresThenConverts)
{
    TQDplainCodeConvert cc;
    const char* text = "abc\xE9";
    int n = cc.codeConvert(nullptr, 0, 16, text, -1, 2);
    ASSERT_EQ(n, 4);
    char buf[5];
    EXPECT_EQ(cc.codeConvert(buf, n + 1, 16, text, -1, 2), n);
    EXPECT_STREQ(buf, text);
    EXPECT_EQ(cc.codeConvert(buf, 3, 16, text, -1, 2), 2); // cut to fit
    EXPECT_STREQ(buf, "ab");
}

TEST(PlainCodeConvert, MapsBytesOntoUnitsOneToOne)
{
    TQDplainCodeConvert cc;
    ASSERT_EQ(cc.encode(nullptr, 0, "a\xE9z", -1, 1), 3);
    u16 units[4];
    ASSERT_EQ(cc.encode(units, 4, "a\xE9z", 2, 1), 2);
    EXPECT_EQ(units[0], u16('a'));
    EXPECT_EQ(units[1], u16(0xE9));
    EXPECT_EQ(units[2], u16(0));

    const u16 wide[] = {'o', 0x3042, 'k', 0};
    ASSERT_EQ(cc.decode(nullptr, 0, wide, -1, 1), 3);
    char bytes[4];
    EXPECT_EQ(cc.decode(bytes, 4, wide, -1, 1), 3);
    EXPECT_STREQ(bytes, "o?k");
}

TEST(PlainCodeConvert, Utf8CharLenStaysWithinTheTextAndEndsBrokenSequences)
{
    TQDplainCodeConvert cc;
    EXPECT_EQ(cc.utf8CharLen("\xE3\x81\x82", 3), 3);
    EXPECT_EQ(cc.utf8CharLen("\xE3\x81\x82", 2), 2);  // never past the given length
    EXPECT_EQ(cc.utf8CharLen("\xE3\x81\x82", 0), 1);
    EXPECT_EQ(cc.utf8CharLen("\x81x", 2), 1);   // cannot start a sequence
    EXPECT_EQ(cc.utf8CharLen("\xE3x", 2), 1);   // broken sequence
    EXPECT_EQ(cc.utf8CharLen("\0x", 2), 1);
}

// A fresh process: no factory has been installed and no default set yet.
// Without a factory the converter says so on standard output.
static void checkFreshProcessState()
{
    if (TQGFgetDefaultEncoding() != -1 || TQGFgetSystemDefaultEncoding() != 0)
        exit(2);
    ::testing::internal::CaptureStdout();
    TQDcodeConvert* cc = TQGIappCodeConvert();
    if (::testing::internal::GetCapturedStdout() != "ERROR: TQDcodeConvert create global instance..\n")
        exit(6);
    if (!cc || TQGIappCodeConvert() != cc)
        exit(3);
    if (strcmp(cc->getSystemLocaleName(), "en_US") != 0)
        exit(4);
    char buf[8];
    if (cc->codeConvert(buf, sizeof buf, 16, "abc", -1, 1) != 3 || strcmp(buf, "abc") != 0)
        exit(5);
    fflush(stdout);
    exit(0);
}

TQ_FRESH_PROCESS_TEST(CodeConvertDeathTest, FreshProcessHandsOutAPlainConverterAndInitialDefaults,
                      checkFreshProcessState(), "")

