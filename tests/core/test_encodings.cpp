// Encoding numbers and names, locale names, and JIS / EUC-JP conversion.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "FakeCodeConvert.h"
#include "_TQGFstring.h"

namespace {

std::string taken(char* text)
{
    std::string s = text;
    delete[] text;
    return s;
}

} // namespace

TEST(EncodingNames, NamesAndValues)
{
    EXPECT_STREQ(TQGFgetEncodingName(-1), "C");
    EXPECT_STREQ(TQGFgetEncodingName(1), "C");
    EXPECT_STREQ(TQGFgetEncodingName(0), "NONE");
    EXPECT_STREQ(TQGFgetEncodingName(2), "ISO8859-2");
    EXPECT_STREQ(TQGFgetEncodingName(15), "ISO8859-15");
    EXPECT_STREQ(TQGFgetEncodingName(21), "SJIS");
    EXPECT_STREQ(TQGFgetEncodingName(18), "NONE");
    EXPECT_EQ(TQGFgetEncodingValue("LOCALE"), -1);
    EXPECT_EQ(TQGFgetEncodingValue("DEFAULT"), -2);
    EXPECT_EQ(TQGFgetEncodingValue("C"), 1);
    EXPECT_EQ(TQGFgetEncodingValue("CP1251"), 60);
    EXPECT_EQ(TQGFgetEncodingValue("ISO8859-9"), 9);
    EXPECT_EQ(TQGFgetEncodingValue("utf8"), 0); // case matters
    EXPECT_EQ(TQGFgetEncodingValue(nullptr), 0);
}

TEST(EncodingNames, DefaultIsNamedAfterTheSystemEncoding)
{
    FakeCodeConvert* fake = FakeCodeConvert::install();
    ASSERT_NE(fake, nullptr);
    fake->setSystemEncoding(20);
    EXPECT_STREQ(TQGFgetEncodingName(-2), "EUCJP");
    fake->setSystemEncoding(16);
    EXPECT_STREQ(TQGFgetEncodingName(-2), "UTF8");
}

TEST(LocaleEncoding, EncodingPartThenLanguageThenPlain)
{
    EXPECT_EQ(TQGFgetEncoding("ja_JP.eucjp"), 20);
    EXPECT_EQ(TQGFgetEncoding("ja_JP.SJIS"), 21);
    EXPECT_EQ(TQGFgetEncoding("ja_JP.Shift_JIS"), 21);
    EXPECT_EQ(TQGFgetEncoding("de_DE.ISO-8859-15"), 15);
    EXPECT_EQ(TQGFgetEncoding("de_DE.UTF-8"), 16);
    EXPECT_EQ(TQGFgetEncoding("ru_RU.KOI8-R"), 17);
    EXPECT_EQ(TQGFgetEncoding("zh_TW.Big5"), 50);
    EXPECT_EQ(TQGFgetEncoding("pl_PL.utf8"), 16);
    // Then the language, then the plain set.
    EXPECT_EQ(TQGFgetEncoding("ru_RU"), 17);
    EXPECT_EQ(TQGFgetEncoding("pl_PL"), 2);
    EXPECT_EQ(TQGFgetEncoding("he"), 8);
    EXPECT_EQ(TQGFgetEncoding("ko_KR.foo"), 30);
    EXPECT_EQ(TQGFgetEncoding("de_DE.ISO-8859-99"), 1); // no usable part, no language
    EXPECT_EQ(TQGFgetEncoding("en_US"), 1);
    EXPECT_EQ(TQGFgetEncoding(""), 1);
    EXPECT_EQ(TQGFgetEncoding(nullptr), 1);
}

TEST(LocaleEncoding, EncodingPartMatching)
{
    EXPECT_TRUE(TQGFisEncoding("x.E-U_C-jp", "eucjp"));
    EXPECT_TRUE(TQGFisEncoding("x.utf8.more", "utf8"));
    EXPECT_FALSE(TQGFisEncoding("utf8", "utf8")); // no "."
    EXPECT_FALSE(TQGFisEncoding("x.ut", "utf8"));
    EXPECT_TRUE(TQGFisEncoding("x.abc", ""));
    EXPECT_EQ(TQGFgetISO8859("a.ISO-8859-1"), 1);
    EXPECT_EQ(TQGFgetISO8859("a.ISO-8859-16"), 0);
    EXPECT_EQ(TQGFgetISO8859("a.ISO8859"), 0);
}

TEST(JisEuc, EucToJis)
{
    // hiragana A (A4 A2), katakana KA (A5 AB), half-width A (8E B1)
    EXPECT_EQ(taken(TQGFcreateJisStringFromEucStr("\xA4\xA2\xA5\xAB")),
              "\x1B$(B\x24\x22\x25\x2B\x1B(B");
    EXPECT_EQ(taken(TQGFcreateJisStringFromEucStr("\x8E\xB1\xA4\xA2")),
              "\x1B)I\x31\x1B$(B\x24\x22\x1B(B");
    EXPECT_EQ(taken(TQGFcreateJisStringFromEucStr("")), "");
}

TEST(JisEuc, EucToJisStopsAtTheTerminatorOfOddInput)
{
    EXPECT_EQ(taken(TQGFcreateJisStringFromEucStr("ab")), "ab");
    EXPECT_EQ(taken(TQGFcreateJisStringFromEucStr("\xA4\xA2x\xA4\xA2")),
              "\x1B$(B\x24\x22\x1B(Bx\x1B$(B\x24\x22\x1B(B");
    // A lead byte without its second byte is dropped.
    EXPECT_EQ(taken(TQGFcreateJisStringFromEucStr("\xA4\xA2\xA4")), "\x1B$(B\x24\x22\x1B(B");
}

TEST(JisEuc, JisToEuc)
{
    EXPECT_EQ(taken(TQGFcreateEucStringFromJisStr("\x1B$(B\x24\x22\x25\x2B\x1B(Bok")),
              "\xA4\xA2\xA5\xAB" "ok");
    EXPECT_EQ(taken(TQGFcreateEucStringFromJisStr("\x1B)I\xB1\xB2\x1B(Bz")),
              "\x8E\xB1\x8E\xB2z");
    EXPECT_EQ(taken(TQGFcreateEucStringFromJisStr("a\x01" "b")), "ab"); // control bytes dropped
}

TEST(JisEuc, JisToEucStopsAtTheTerminatorAfterAnEscape)
{
    EXPECT_EQ(taken(TQGFcreateEucStringFromJisStr("a\x1B$(B")), "a");
    EXPECT_EQ(taken(TQGFcreateEucStringFromJisStr("a\x1B$(B\x24")), "a");
    EXPECT_EQ(taken(TQGFcreateEucStringFromJisStr("\x1B$(B\x24\x22\x25")), "\xA4\xA2");
    EXPECT_EQ(taken(TQGFcreateEucStringFromJisStr("\x1B)I")), "");
    EXPECT_EQ(taken(TQGFcreateEucStringFromJisStr("\x1B(B")), "");
    EXPECT_EQ(taken(TQGFcreateEucStringFromJisStr("\x1B$")), "$"); // not an escape: ESC dropped
}
