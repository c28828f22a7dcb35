// Number formatting and parsing, byte strings, paths and UCS-2 text.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <memory>
#include <vector>

#include "FakeCodeConvert.h"
#include "_TQCstring.h"
#include "_TQGFstring.h"

namespace {

// UCS-2 literals from ASCII, for readable expectations.
std::vector<u16> units(const char* ascii)
{
    std::vector<u16> u(ascii, ascii + strlen(ascii));
    u.push_back(0);
    return u;
}

std::string ascii(const u16* text)
{
    std::string s;
    for (; text && *text; ++text)
        s += static_cast<char>(*text);
    return s;
}

// Takes a new[] UCS-2 result, returns it as ASCII and frees it.
std::string taken(u16* text)
{
    std::string s = ascii(text);
    delete[] text;
    return s;
}

std::string taken(char* text)
{
    std::string s = text ? text : "(null)";
    delete[] text;
    return s;
}

} // namespace

TEST(NumberText, IntegerFormatting)
{
    EXPECT_STREQ(TQGFltoa(LONG_MIN), "-2147483648");
    EXPECT_STREQ(TQGFltoa(LONG_MAX), "2147483647");
    EXPECT_STREQ(TQGFltoa(-7), "-7");
    EXPECT_STREQ(TQGFultoa(0), "0");
    EXPECT_STREQ(TQGFultoa(4294967295UL), "4294967295");
    char buf[32];
    EXPECT_EQ(TQGFltoa(-12, buf), buf);
    EXPECT_STREQ(buf, "-12");
    EXPECT_EQ(TQGFultoa(34, buf), buf);
    EXPECT_STREQ(buf, "34");
}

TEST(NumberText, FloatingFormatting)
{
    EXPECT_STREQ(TQGFftoa(1.5f), "1.5000000000");
    EXPECT_STREQ(TQGFlftoa(-0.25), "-0.2500000000");
    EXPECT_EQ(strlen(TQGFlftoa(1e300)), 301u + 11u); // no overflow of the buffer
}

TEST(NumberText, AtolChoosesSignedOrAutomaticBase)
{
    EXPECT_EQ(TQGFatol("0x1f"), 31);
    EXPECT_EQ(TQGFatol("010"), 8);
    EXPECT_EQ(TQGFatol("-010"), -10);
    EXPECT_EQ(TQGFatol("a-5"), 0);
    EXPECT_EQ(TQGFatol(""), 0);
    EXPECT_EQ(TQGFatol(nullptr), 0);
    EXPECT_EQ(TQGFatol("4294967295"), -1); // unsigned read, kept in 32 bits
}

TEST(NumberText, AdjustNumberTruncatesTowardZero)
{
    EXPECT_EQ(TQGFadjustNumber(17, 8), 16);
    EXPECT_EQ(TQGFadjustNumber(-17, 8), -16);
    EXPECT_EQ(TQGFadjustNumber(17, -8), 16);
    EXPECT_EQ(TQGFadjustNumber(LONG_MIN, -1), LONG_MIN);
    EXPECT_EQ(TQGFadjustNumber(5, 0), 5);
}

TEST(ByteStrings, Duplicates)
{
    EXPECT_EQ(taken(TQGFstrdup("abc")), "abc");
    EXPECT_EQ(taken(TQGFstrdup("abcdef", 3)), "abc");
    EXPECT_EQ(taken(TQGFstrdup("ab", 10)), "ab");
    EXPECT_EQ(taken(TQGFstrdup("ab", 0)), "");
    EXPECT_EQ(TQGFstrdup(nullptr), nullptr);
}

TEST(ByteStrings, CaseFoldingComparisons)
{
    EXPECT_EQ(TQGFstricmp("Hello", "hELLO"), 0);
    EXPECT_EQ(TQGFstricmp("abc", "abd"), 'c' - 'd');
    EXPECT_EQ(TQGFstricmp("ab", "abc"), -'c');
    EXPECT_EQ(TQGFstricmp("B", "a"), 'B' - 'a'); // unfolded bytes
    EXPECT_LT(TQGFstricmp("\xE9", "e"), 0);      // signed bytes
    EXPECT_NE(TQGFstricmp("\xC9", "\xE9"), 0);   // only A-Z fold
    EXPECT_EQ(TQGFstrnccmp("ABCx", "abcy", 3), 0);
    EXPECT_NE(TQGFstrnccmp("ABCx", "abcy", 4), 0);
    EXPECT_EQ(TQGFstrnccmp("ab", "AB", 10), 0);
}

TEST(ByteStrings, TrimSpaceAndLines)
{
    char text[] = "  a b \n c  \n \n";
    TQGFtrimSpace(text);
    EXPECT_STREQ(text, "a b  c");
    char none[] = "";
    TQGFtrimSpace(none);
    EXPECT_STREQ(none, "");
    EXPECT_EQ(TQGFgetLines("a\nb\n"), 3);
    EXPECT_EQ(TQGFgetLines(""), 1);
    EXPECT_EQ(TQGFgetLines(nullptr), 1);
}

TEST(ByteStrings, FileAndDirectoryNames)
{
    FakeCodeConvert::install();
    EXPECT_STREQ(TQGFgetFileName("  C:\\dir\\file.wav ").getString(0), "file.wav");
    EXPECT_STREQ(TQGFgetFileName("C:file.wav").getString(0), "file.wav");
    EXPECT_STREQ(TQGFgetFileName("plain").getString(0), "plain");
    EXPECT_STREQ(TQGFgetFileName("dir/").getString(0), "");
    EXPECT_STREQ(TQGFgetDirName(" C:\\dir\\file.wav").getString(0), "C:/dir");
    EXPECT_STREQ(TQGFgetDirName("C:").getString(0), ".");
    EXPECT_STREQ(TQGFgetDirName("/top").getString(0), "");
}

TEST(Ucs2Text, CopyJoinInsertDelete)
{
    auto abc = units("abc");
    auto xy = units("xy");
    EXPECT_EQ(TQGFstrlenUCS2(abc.data()), 3);
    EXPECT_EQ(TQGFstrlenUCS2(nullptr), 0);
    EXPECT_EQ(taken(TQGFstrdupUCS2(nullptr)), "");
    EXPECT_EQ(taken(TQGFaddStringUCS2(abc.data(), xy.data())), "abcxy");
    EXPECT_EQ(taken(TQGFinsertStringUCS2(abc.data(), 1, xy.data())), "axybc");
    EXPECT_EQ(taken(TQGFinsertStringUCS2(abc.data(), 3, xy.data())), "abcxy");

    auto text = units("abcdef");
    TQGFdelStringUCS2(text.data(), 4, 10); // clipped to the end
    EXPECT_EQ(ascii(text.data()), "abcd");
    TQGFdelStringUCS2(text.data(), 4, 1); // beyond the end: nothing
    TQGFdelStringUCS2(text.data(), 1, 0);
    EXPECT_EQ(ascii(text.data()), "abcd");
    TQGFdelStringUCS2(text.data(), 1, 2);
    EXPECT_EQ(ascii(text.data()), "ad");
}

TEST(Ucs2Text, SpacesAndLineFeeds)
{
    auto text = units("a \nb\n  ");
    TQGFdelTailSpaceUCS2(text.data());
    EXPECT_EQ(ascii(text.data()), "a \nb\n");
    EXPECT_EQ(TQGFdelLineFeedUCS2(text.data()), 2);
    EXPECT_EQ(ascii(text.data()), "a b");
    EXPECT_EQ(TQGFgetLinesUCS2(units("a\nb\n").data()), 3);
    EXPECT_EQ(TQGFgetLinesUCS2(nullptr), 1);
}

TEST(Ucs2Text, ReplaceCountsAndResets)
{
    auto text = units("aaaa");
    auto from = units("aa");
    auto to = units("b");
    long all = 0;
    EXPECT_EQ(taken(TQGFreplaceStringUCS2(text.data(), from.data(), to.data(), &all)), "bb");
    EXPECT_EQ(all, 0);
    long one = 1;
    EXPECT_EQ(taken(TQGFreplaceStringUCS2(text.data(), from.data(), to.data(), &one)), "baa");
    EXPECT_EQ(one, 0);
    long none = 0;
    auto empty = units("");
    EXPECT_EQ(taken(TQGFreplaceStringUCS2(text.data(), empty.data(), to.data(), &none)), "aaaa");
    auto missing = units("z");
    EXPECT_EQ(taken(TQGFreplaceStringUCS2(text.data(), missing.data(), to.data(), &none)), "aaaa");
}

TEST(Ucs2Text, LinesAndFields)
{
    auto text = units("ab\ncd\nef");
    EXPECT_EQ(TQGFgetWordPosUCS2(text.data(), 1), 0);
    EXPECT_EQ(TQGFgetWordPosUCS2(text.data(), 3), 6);
    EXPECT_EQ(TQGFgetWordPosUCS2(text.data(), 9), 8);

    auto fields = units("a,,bc,");
    auto comma = units(",");
    auto empty = units("");
    EXPECT_EQ(taken(TQGFgetWordUCS2(fields.data(), 0, comma.data())), "a");
    EXPECT_EQ(taken(TQGFgetWordUCS2(fields.data(), 1, comma.data())), "");
    EXPECT_EQ(taken(TQGFgetWordUCS2(fields.data(), 2, comma.data())), "bc");
    EXPECT_EQ(taken(TQGFgetWordUCS2(fields.data(), 3, comma.data())), "");
    EXPECT_EQ(taken(TQGFgetWordUCS2(fields.data(), 4, comma.data())), "");
    EXPECT_EQ(taken(TQGFgetWordUCS2(fields.data(), 0, empty.data())), "");
    EXPECT_EQ(TQGFgetWordCharPosUCS2(fields.data(), 0, comma.data()), 0);
    EXPECT_EQ(TQGFgetWordCharPosUCS2(fields.data(), 2, comma.data()), 3);
    EXPECT_EQ(TQGFgetWordCharPosUCS2(fields.data(), 4, comma.data()), -1);
    EXPECT_EQ(TQGFgetWordCharPosUCS2(fields.data(), 1, empty.data()), -1);
}

TEST(Ucs2Text, ConvertsThroughTheCodeConverter)
{
    ASSERT_NE(FakeCodeConvert::install(), nullptr);
    const char* sjis = "a\x82\xA0\x95\x5C"; // a, hiragana A, a kanji with trail 0x5C
    u16* wide = TQGFgetUCS2(sjis, 21);
    ASSERT_EQ(TQGFstrlenUCS2(wide), 3);
    EXPECT_EQ(wide[1], 0x3042);
    EXPECT_EQ(wide[2], 0x8868);
    EXPECT_EQ(TQGFgetUcs2len(sjis, 21, 3), 2);
    EXPECT_EQ(taken(TQGFgetString(wide, 16)), "a\xE3\x81\x82\xE8\xA1\xA8");
    EXPECT_EQ(taken(TQGFgetString(wide, 21)), sjis);
    delete[] wide;

    long old = TQGFgetDefaultEncoding();
    TQGFsetDefaultEncoding(21); // -2 stands for it
    u16* again = TQGFgetUCS2(sjis, -2);
    EXPECT_EQ(TQGFstrlenUCS2(again), 3);
    delete[] again;
    TQGFsetDefaultEncoding(old);
}

TEST(Ucs2Text, VerticalStringPutsALineFeedAfterEachCharacter)
{
    ASSERT_NE(FakeCodeConvert::install(), nullptr);
    long old = TQGFgetDefaultEncoding();
    TQGFsetDefaultEncoding(16);
    TQCstring s("a\xE3\x81\x82" "b", 16);
    TQGFcreateVerticalString(&s);
    EXPECT_STREQ(s.getString(16), "a\n\xE3\x81\x82\nb\n");
    TQCstring empty("", 16);
    TQGFcreateVerticalString(&empty);
    EXPECT_STREQ(empty.getString(16), "");
    TQGFsetDefaultEncoding(old);
}
