// Encoding-tagged strings, driven through the test code converter.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "FakeCodeConvert.h"
#include "_TQCstring.h"
#include "_TQDcodeConvert.h"

namespace {

// UTF-8 and Shift_JIS forms of the characters the test converter knows.
const char* const kNichiU = "\xE6\x97\xA5"; // 日
const char* const kHonU = "\xE6\x9C\xAC";   // 本
const char* const kHyouU = "\xE8\xA1\xA8";  // 表
const char* const kNichiS = "\x93\xFA";
const char* const kHonS = "\x96\x7B";
const char* const kHyouS = "\x95\x5C"; // trail byte is a backslash

std::string cat(std::initializer_list<const char*> parts)
{
    std::string s;
    for (const char* p : parts)
        s += p;
    return s;
}

class String : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake = FakeCodeConvert::install();
        ASSERT_NE(fake, nullptr);
        savedDefault = TQGFgetDefaultEncoding();
        savedSystem = TQGFgetSystemDefaultEncoding();
        TQGFsetDefaultEncoding(TQENC_UTF8);
        TQGFsetSystemDefaultEncoding(TQENC_UTF8);
    }

    void TearDown() override
    {
        TQGFsetDefaultEncoding(savedDefault);
        TQGFsetSystemDefaultEncoding(savedSystem);
    }

    FakeCodeConvert* fake = nullptr;
    long savedDefault = 0;
    long savedSystem = 0;
};

} // namespace

TEST_F(String, NoTextReadsAsEmpty)
{
    TQCstring s;
    EXPECT_STREQ(s.getString(-2), "");
    EXPECT_STREQ(s.getString(TQENC_SJIS), "");
    EXPECT_EQ(s.getChars(), 0);
    EXPECT_EQ(s.getInternalUcs2(), nullptr);
    EXPECT_EQ(s.eof(), 1);
    EXPECT_EQ(s.getWords(), 0);
    EXPECT_EQ(s.getWords(","), 0);
    EXPECT_EQ(s.seek(4), 0);
    EXPECT_EQ(TQCstring("").getInternalUcs2(), nullptr);
}

TEST_F(String, DefaultTagIsResolvedWhenUsed)
{
    TQCstring followsDefault("abc", -2);
    TQCstring setWithDefault;
    setWithDefault.setString("abc", -2);
    TQGFsetDefaultEncoding(TQENC_SJIS);
    EXPECT_EQ(followsDefault.getEncoding(), TQENC_SJIS);
    EXPECT_EQ(setWithDefault.getEncoding(), TQENC_UTF8);

    TQGFsetDefaultEncoding(-1); // unset: the system default stands in
    TQGFsetSystemDefaultEncoding(TQENC_EUCJP);
    EXPECT_EQ(followsDefault.getEncoding(), TQENC_EUCJP);
    TQCstring system("x", -1);
    EXPECT_EQ(system.getEncoding(), TQENC_EUCJP);
}

TEST_F(String, ConvertedCopiesAreCachedUntilTheTextChanges)
{
    std::string utf8 = cat({kNichiU, kHonU});
    TQCstring s(utf8.c_str(), TQENC_UTF8);
    EXPECT_EQ(s.getString(TQENC_UTF8), s.getString(0));
    EXPECT_EQ(s.getString(-2), s.getString(TQENC_UTF8));

    char* sjis = s.getString(TQENC_SJIS);
    EXPECT_EQ(std::string(sjis), cat({kNichiS, kHonS}));
    int calls = fake->convertCalls;
    EXPECT_EQ(s.getString(TQENC_SJIS), sjis);
    EXPECT_EQ(fake->convertCalls, calls);

    s += kHyouU;
    EXPECT_EQ(std::string(s.getString(TQENC_SJIS)), cat({kNichiS, kHonS, kHyouS}));
    EXPECT_EQ(s.getChars(), 3);
}

TEST_F(String, SetEncodingConvertsTheStoredText)
{
    TQCstring s(kNichiU, TQENC_UTF8);
    EXPECT_EQ(s.setEncoding(TQENC_SJIS), TQENC_UTF8);
    EXPECT_EQ(s.getEncoding(), TQENC_SJIS);
    EXPECT_EQ(std::string(s.getString(0)), kNichiS);
    EXPECT_EQ(s.setEncoding(TQENC_SJIS), TQENC_SJIS);
    EXPECT_EQ(std::string(s.getString(TQENC_UTF8)), kNichiU);

    TQCstring none;
    EXPECT_EQ(none.setEncoding(TQENC_SJIS), TQENC_UTF8);
    EXPECT_EQ(none.getEncoding(), TQENC_SJIS);
}

TEST_F(String, AppendKeepsOrChangesTheEncoding)
{
    TQCstring sjis(kNichiS, TQENC_SJIS);
    sjis.addString(kHonS, TQENC_SJIS);
    EXPECT_EQ(sjis.getEncoding(), TQENC_SJIS);
    EXPECT_EQ(std::string(sjis.getString(0)), cat({kNichiS, kHonS}));

    TQCstring mixed("a", TQENC_UTF8);
    mixed.addString(kHyouS, TQENC_SJIS);
    EXPECT_EQ(mixed.getEncoding(), TQENC_UTF8);
    EXPECT_EQ(std::string(mixed.getString(0)), cat({"a", kHyouU}));

    TQCstring other(kHonS, TQENC_SJIS);
    TQCstring joined = TQCstring(kNichiU, TQENC_UTF8) + other;
    EXPECT_EQ(std::string(joined.getString(TQENC_UTF8)), cat({kNichiU, kHonU}));

    TQCstring none;
    none.addString(kNichiS, TQENC_SJIS);
    EXPECT_EQ(none.getEncoding(), TQENC_SJIS);
    none.addString("", TQENC_UTF8);
    none.addString(nullptr, TQENC_UTF8);
    EXPECT_EQ(std::string(none.getString(0)), kNichiS);

    // Appending or setting its own text.
    TQCstring s("ab", TQENC_UTF8);
    s += s;
    EXPECT_STREQ(s.getString(-2), "abab");
    s.addString(s.getString(TQENC_SJIS), TQENC_SJIS);
    EXPECT_STREQ(s.getString(-2), "abababab");
    s.setString(s.getString(-2), TQENC_UTF8);
    EXPECT_STREQ(s.getString(-2), "abababab");
}

TEST_F(String, ReservedBufferTakesAppendsInPlace)
{
    TQCstring s;
    s.setAddStringWorkLen(8);
    char* buffer = s.getString(0);
    s << "abc" << "def";
    EXPECT_EQ(s.getString(0), buffer);
    EXPECT_STREQ(s.getString(-2), "abcdef");
    EXPECT_EQ(s.getChars(), 6);
    s << "gh"; // exactly fills the reservation
    EXPECT_EQ(s.getString(0), buffer);
    s << "i";
    EXPECT_NE(s.getString(0), buffer);
    EXPECT_STREQ(s.getString(-2), "abcdefghi");
    EXPECT_EQ(s.getChars(), 9);

    TQCstring grown("xy", TQENC_UTF8);
    grown.setAddStringWorkLen(-4);
    grown << "z";
    EXPECT_STREQ(grown.getString(-2), "xyz");
}

TEST_F(String, NumbersAndVariantsAppendAsText)
{
    TQCstring s;
    s << 12L << -3 << 7UL << 8U;
    EXPECT_STREQ(s.getString(-2), "12-378");
    TQCstring f;
    f << 1.5 << "|" << 0.25f;
    EXPECT_STREQ(f.getString(-2), "1.5000000000|0.2500000000");

    TQCvariant v(42L);
    TQCstring fromVariant(v);
    EXPECT_STREQ(fromVariant.getString(-2), "42");
    fromVariant += TQCvariant(-1L);
    EXPECT_STREQ(fromVariant.getString(-2), "42-1");
    TQCvariant back = fromVariant;
    EXPECT_EQ(back.getType(), TQVT_CHARPTR);
    EXPECT_STREQ(back.getCharPtr(), "42-1");
}

TEST_F(String, CharacterEditingCountsUtf8Characters)
{
    const char* greek = "\xCE\xB1\xCE\xB2\xCE\xB3"; // αβγ
    TQCstring s(greek, TQENC_UTF8);
    EXPECT_EQ(s.getChars(), 3);
    s.cutString(2);
    EXPECT_EQ(std::strlen(s.getString(0)), 4u);
    EXPECT_EQ(s.getChars(), 2);
    s.cutString(5);
    EXPECT_EQ(s.getChars(), 2);

    TQCstring d("abcdef", TQENC_UTF8);
    d.deleteChar(0);
    d.deleteChar(9);
    EXPECT_STREQ(d.getString(-2), "bcdef");
    d.deleteChars(3, 10);
    EXPECT_STREQ(d.getString(-2), "bcd");
    d.deleteChars(1, 1);
    EXPECT_STREQ(d.getString(-2), "bd");

    TQCstring ins("X", TQENC_UTF8);
    d.insertString(1, ins);
    d.insertString(99, ins);
    EXPECT_STREQ(d.getString(-2), "bXdX");

    // Shift_JIS text stays Shift_JIS; an insert into no text takes the other.
    std::string sjis = cat({kNichiS, kHonS, kHyouS});
    TQCstring j(sjis.c_str(), TQENC_SJIS);
    j.deleteChar(1);
    EXPECT_EQ(std::string(j.getString(0)), cat({kNichiS, kHyouS}));
    TQCstring hon(kHonU, TQENC_UTF8);
    j.insertString(1, hon);
    EXPECT_EQ(std::string(j.getString(0)), sjis);
    EXPECT_EQ(j.getEncoding(), TQENC_SJIS);
    TQCstring none;
    TQCstring hello("hello", TQENC_UTF8);
    none.insertString(3, hello);
    EXPECT_STREQ(none.getString(-2), "hello");
}

TEST_F(String, IsExistGivesCharacterPosition)
{
    std::string text = cat({kNichiU, kHonU, "abc"});
    TQCstring s(text.c_str(), TQENC_UTF8);
    EXPECT_EQ(s.isExist(kNichiU), 0);
    EXPECT_EQ(s.isExist("bc"), 3);
    EXPECT_EQ(s.isExist(kHonS, TQENC_SJIS), 1);
    EXPECT_EQ(s.isExist("zz"), -1);
    EXPECT_EQ(s.isExist(""), -1);
    EXPECT_EQ(s.isExist(nullptr), -1);
}

TEST_F(String, ReplaceHonoursTheCount)
{
    TQCstring all("aXa", TQENC_UTF8);
    EXPECT_EQ(all.replaceString("a", "bb", 0), 2);
    EXPECT_STREQ(all.getString(-2), "bbXbb");

    TQCstring first("aXa", TQENC_UTF8);
    EXPECT_EQ(first.replaceString("a", "bb", 1), 1);
    EXPECT_STREQ(first.getString(-2), "bbXa");

    TQCstring s("aaaa", TQENC_UTF8);
    EXPECT_EQ(s.replaceString("aa", "b", -3), 2); // matches do not overlap
    EXPECT_STREQ(s.getString(-2), "bb");
    EXPECT_EQ(s.replaceString("q", "z"), 0);
    EXPECT_EQ(s.replaceString(nullptr, "z"), 0);
    EXPECT_EQ(s.replaceString("", "z"), 0);
    EXPECT_EQ(s.replaceString("b", nullptr), 2);
    EXPECT_STREQ(s.getString(-2), "");

    TQCstring d("a-b-c", TQENC_UTF8);
    EXPECT_EQ(d.delString("-", 1), 1);
    EXPECT_STREQ(d.getString(-2), "ab-c");
}

TEST_F(String, ReplaceRefusesAResultTooLongToMeasure)
{
    // 65536 matches growing by 32768 bytes each would need 2^31 bytes more.
    std::string text(65536, 'a');
    std::string to(32769, 'b');
    TQCstring s(text.c_str(), TQENC_UTF8);
    EXPECT_EQ(s.replaceString("a", to.c_str(), 0, TQENC_UTF8), 0);
    EXPECT_EQ(std::string(s.getString(0)), text);
}

TEST_F(String, BackslashReplaceInShiftJisLeavesTrailBytesAlone)
{
    std::string sjis = cat({kHyouS, "\\x"});
    TQCstring s(sjis.c_str(), TQENC_SJIS);
    EXPECT_EQ(s.replaceString("\\", "/", 0, TQENC_SJIS), 1);
    EXPECT_EQ(s.getEncoding(), TQENC_SJIS);
    EXPECT_EQ(std::string(s.getString(0)), cat({kHyouS, "/x"}));

    // A two-byte replacement arrives as Shift_JIS, not as raw bytes.
    EXPECT_EQ(s.replaceString("/", kNichiS, 0, TQENC_SJIS), 1);
    TQCstring t("\\", TQENC_SJIS);
    EXPECT_EQ(t.replaceString("\\", kNichiS, 0, TQENC_SJIS), 1);
    EXPECT_EQ(std::string(t.getString(0)), kNichiS);
}

TEST_F(String, FieldsCountEmptyFields)
{
    TQCstring s("a,,b", TQENC_UTF8);
    EXPECT_EQ(s.getWords(","), 3);
    EXPECT_STREQ(s.getWord(0, ",").getString(-2), "a");
    EXPECT_STREQ(s.getWord(1, ",").getString(-2), "");
    EXPECT_STREQ(s.getWord(2, ",").getString(-2), "b");
    EXPECT_STREQ(s.getWord(3, ",").getString(-2), "");
    EXPECT_STREQ(s.getWord(0, "").getString(-2), "");
    EXPECT_EQ(s.getWords(""), 1);
    EXPECT_EQ(s.getWords(nullptr), 1);

    EXPECT_EQ(s.getWordCharPos(0, ","), 0);
    EXPECT_EQ(s.getWordCharPos(2, ","), 3);
    EXPECT_EQ(s.getWordCharPos(3, ","), -1);
    EXPECT_EQ(s.getWordCharPos(-1, ","), -1);
    EXPECT_EQ(s.getWordCharPos(1, nullptr), -1); // one blank-separated word

    TQCstring lines("one\ntwo\n", TQENC_UTF8);
    EXPECT_EQ(lines.getLines(), 3);

    // Positions count characters, not bytes.
    std::string text = cat({kNichiU, kHonU, "::", kHyouU});
    TQCstring wide(text.c_str(), TQENC_UTF8);
    EXPECT_EQ(wide.getWordCharPos(1, "::"), 4);
    EXPECT_EQ(std::string(wide.getWord(1, "::").getString(0)), kHyouU);
}

TEST_F(String, ShiftJisTrailByteIsNotASeparator)
{
    std::string hyou = cat({kHyouS, "\\a"});
    TQCstring s(hyou.c_str(), TQENC_SJIS);
    EXPECT_EQ(s.getWords("\\"), 2);
    EXPECT_EQ(std::string(s.getWord(0, "\\").getString(0)), kHyouS);
    EXPECT_STREQ(s.getWord(1, "\\").getString(0), "a");

    // A real backslash right after a character whose trail byte is high.
    std::string nichi = cat({kNichiS, "\\a"});
    TQCstring t(nichi.c_str(), TQENC_SJIS);
    EXPECT_EQ(t.getWords("\\"), 2);
    EXPECT_EQ(std::string(t.getWord(0, "\\").getString(0)), kNichiS);

    // The same bytes in another encoding split at every backslash byte.
    TQCstring latin(hyou.c_str(), 2);
    EXPECT_EQ(latin.getWords("\\"), 3);
}

TEST_F(String, WordsAreRunsOfNonBlanks)
{
    TQCstring s(" one\ttwo\n  three ", TQENC_UTF8);
    EXPECT_EQ(s.getWords(), 3);
    EXPECT_STREQ(s.getWord(1).getString(-2), "two");
    EXPECT_STREQ(s.getWord(3).getString(-2), "");
    EXPECT_STREQ(s.getWord(-1).getString(-2), "");
    EXPECT_EQ(s.getWordCharPos(0), 1);
    EXPECT_EQ(s.getWordCharPos(2), 11);
    EXPECT_EQ(s.getWordCharPos(3), -1);
    EXPECT_EQ(s.getWordCharPos(-1), -1);
}

TEST_F(String, ReplaceWordSwapsOneField)
{
    TQCstring s("a,bb,c", TQENC_UTF8);
    EXPECT_EQ(s.replaceWord(1, ",", "X"), 0);
    EXPECT_STREQ(s.getString(-2), "a,X,c");
    EXPECT_EQ(s.replaceWord(2, ",", nullptr), 0);
    EXPECT_STREQ(s.getString(-2), "a,X,");
    EXPECT_EQ(s.replaceWord(3, ",", "y"), -1);
    EXPECT_EQ(s.replaceWord(-1, ",", "y"), -1);
    EXPECT_EQ(s.replaceWord(0, nullptr, "y"), -1);

    TQCstring one("abc", TQENC_UTF8);
    EXPECT_EQ(one.replaceWord(0, ",", "z"), 0);
    EXPECT_STREQ(one.getString(-2), "z");

    // The new text may be the string's own text or one of its copies.
    TQCstring self("first,second,third", TQENC_UTF8);
    EXPECT_EQ(self.replaceWord(1, ",", self.getString(-2)), 0);
    EXPECT_STREQ(self.getString(-2), "first,first,second,third,third");
    TQCstring copy("abcdefgh,ijklmnop", TQENC_UTF8);
    EXPECT_EQ(copy.replaceWord(0, ",", copy.getString(TQENC_SJIS), TQENC_SJIS), 0);
    EXPECT_STREQ(copy.getString(-2), "abcdefgh,ijklmnop,ijklmnop");
}

TEST_F(String, GetsReadsLinesWithoutLineEnds)
{
    TQCstring s("ab\r\ncd", TQENC_UTF8);
    EXPECT_STREQ(s.gets().getString(-2), "ab");
    EXPECT_EQ(s.tell(), 4);
    EXPECT_STREQ(s.gets().getString(-2), "cd");
    EXPECT_EQ(s.eof(), 1);
    EXPECT_STREQ(s.gets().getString(-2), "");
    EXPECT_EQ(s.tell(), 6);

    TQCstring cr("x\r", TQENC_UTF8);
    EXPECT_STREQ(cr.gets().getString(-2), "x");

    TQCstring blank("\n\nz", TQENC_UTF8);
    EXPECT_STREQ(blank.gets().getString(-2), "");
    EXPECT_EQ(blank.eof(), 0);
    EXPECT_STREQ(blank.gets().getString(-2), "");
    EXPECT_STREQ(blank.gets().getString(-2), "z");
}

TEST_F(String, CursorNeverLeavesTheText)
{
    TQCstring s("abc", TQENC_UTF8);
    EXPECT_EQ(s.seek(-5), 0);
    EXPECT_EQ(s.seek(1000), 3);
    EXPECT_EQ(s.seek(1), 1);
    EXPECT_EQ(s.seek(-1), 3);
    EXPECT_EQ(s.eof(), 1);

    std::string text = cat({kNichiU, kHonU, "\r\nxyz"});
    TQCstring lines(text.c_str(), TQENC_UTF8);
    EXPECT_EQ(lines._seek_next_line(), 2) << "measured in characters";
    EXPECT_EQ(lines._seek_next_line(), 3);
    EXPECT_EQ(lines._seek_next_line(), 0);

    // An edit that shortens the text pulls the cursor back to its end.
    TQCstring cut("abcdef", TQENC_UTF8);
    cut.seek(5);
    cut.cutString(2);
    EXPECT_EQ(cut.tell(), 2);
    EXPECT_STREQ(cut.gets().getString(-2), "");
}

TEST_F(String, WhitespaceAndCase)
{
    TQCstring s("  a b\n c \n ", TQENC_UTF8);
    s.delTailSpace();
    EXPECT_STREQ(s.getString(-2), "  a b\n c");
    s.delHeadSpace();
    EXPECT_STREQ(s.getString(-2), "a b\n c");
    s.delLineFeed();
    EXPECT_STREQ(s.getString(-2), "a b c");

    std::string mixed = cat({"aZ", kNichiU, "q"});
    TQCstring c(mixed.c_str(), TQENC_UTF8);
    c.to_upper();
    EXPECT_EQ(std::string(c.getString(0)), cat({"AZ", kNichiU, "Q"}));
    c.to_lower();
    EXPECT_EQ(std::string(c.getString(0)), cat({"az", kNichiU, "q"}));
}

TEST_F(String, StaticTextIsReferencedButNeverWritten)
{
    char buffer[] = "keep";
    TQCstring s;
    s.setStaticString(buffer, TQENC_UTF8);
    EXPECT_EQ(s.getString(0), buffer);
    TQCstring copy(s);
    EXPECT_EQ(copy.getString(0), buffer);
    s.to_upper();
    s += "!";
    copy.replaceString("e", "E");
    EXPECT_STREQ(buffer, "keep");
    EXPECT_STREQ(s.getString(-2), "KEEP!");
    EXPECT_STREQ(copy.getString(-2), "kEEp");

    TQCstring none;
    none.setStaticString("", TQENC_UTF8);
    EXPECT_EQ(none.eof(), 1);
}

TEST_F(String, CopiesAndAssignmentsOwnTheirText)
{
    TQCstring a("one", TQENC_SJIS);
    TQCstring b(a);
    EXPECT_NE(b.getString(0), a.getString(0));
    EXPECT_EQ(b == a, 1);

    TQCstring c("other", TQENC_UTF8);
    c.seek(3);
    c = a;
    EXPECT_EQ(c.tell(), 0);
    EXPECT_STREQ(c.getString(0), "one");
    c = c;
    EXPECT_STREQ(c.getString(0), "one");
    c = "two";
    EXPECT_EQ(c.getEncoding(), TQENC_UTF8);
    EXPECT_EQ(c == a, 0);

    c.clear();
    EXPECT_STREQ(c.getString(-2), "");
    TQGFsetDefaultEncoding(TQENC_EUCJP);
    EXPECT_EQ(c.getEncoding(), TQENC_EUCJP);
}

TEST_F(String, Ucs2CopyFollowsTheText)
{
    std::string text = cat({"a", kNichiU});
    TQCstring s(text.c_str(), TQENC_UTF8);
    u16* units = s.getInternalUcs2();
    ASSERT_NE(units, nullptr);
    EXPECT_EQ(units[0], 'a');
    EXPECT_EQ(units[1], 0x65E5);
    EXPECT_EQ(units[2], 0);
    EXPECT_EQ(s.getInternalUcs2(), units);
    s += "b";
    EXPECT_EQ(s.getInternalUcs2()[2], 'b');
}
