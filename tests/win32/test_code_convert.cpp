// The Win32 code converter on real text in every script it carries, its
// byte-level rules, and the system locale it derives.
#include <gtest/gtest.h>

#include "EnvGuard.h"
#include "TQDwinCodeConvert.h"
#include "XUconvert.h"
#include "XUtables.h"

#include "TQwin32.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Runs the converter's two steps (measure, then convert into length + 1).
std::string convert(TQDcodeConvert& cc, const char* text, int from, int to)
{
    const int need = cc.codeConvert(nullptr, 0, to, text, -1, from);
    std::string out(static_cast<size_t>(need) + 1, '\x7F');
    const int got = cc.codeConvert(&out[0], need + 1, to, text, -1, from);
    EXPECT_EQ(need, got) << "measured and converted lengths differ";
    EXPECT_EQ('\0', out[static_cast<size_t>(need)]) << "no terminator";
    out.resize(static_cast<size_t>(need));
    return out;
}

struct ScriptSample {
    int encoding;
    const char* bytes;
    const char* utf8;
};

// Byte sequences of each set, checked against independent codecs.
const ScriptSample kSamples[] = {
    {21, "\x93\xFA\x96{\x8C\xEA\x82\xCC\x83" "e\x83L\x83X\x83g\x81" "A\x83J\x83^\x83J\x83i\x82\xC6\xB6\xC0\xB6\xC5",
     "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE3\x83\x86\xE3\x82\xAD\xE3\x82\xB9\xE3\x83\x88\xE3\x80\x81\xE3\x82\xAB\xE3\x82\xBF\xE3\x82\xAB\xE3\x83\x8A\xE3\x81\xA8\xEF\xBD\xB6\xEF\xBE\x80\xEF\xBD\xB6\xEF\xBE\x85"},
    {20, "\xC6\xFC\xCB\xDC\xB8\xEC\xA4\xCE\xA5\xC6\xA5\xAD\xA5\xB9\xA5\xC8\xA1\xA2\xA5\xAB\xA5\xBF\xA5\xAB\xA5\xCA\xA4\xC8\x8E\xB6\x8E\xC0\x8E\xB6\x8E\xC5",
     "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE3\x83\x86\xE3\x82\xAD\xE3\x82\xB9\xE3\x83\x88\xE3\x80\x81\xE3\x82\xAB\xE3\x82\xBF\xE3\x82\xAB\xE3\x83\x8A\xE3\x81\xA8\xEF\xBD\xB6\xEF\xBE\x80\xEF\xBD\xB6\xEF\xBE\x85"},
    {30, "\xC7\xD1\xB1\xB9\xBE\xEE \xC5\xD8\xBD\xBA\xC6\xAE\xC0\xD4\xB4\xCF\xB4\xD9",
     "\xED\x95\x9C\xEA\xB5\xAD\xEC\x96\xB4 \xED\x85\x8D\xEC\x8A\xA4\xED\x8A\xB8\xEC\x9E\x85\xEB\x8B\x88\xEB\x8B\xA4"},
    {40, "\xD6\xD0\xCE\xC4\xBC\xF2\xCC\xE5\xCE\xC4\xB1\xBE\xA3\xAC\xC4\xE3\xBA\xC3",
     "\xE4\xB8\xAD\xE6\x96\x87\xE7\xAE\x80\xE4\xBD\x93\xE6\x96\x87\xE6\x9C\xAC\xEF\xBC\x8C\xE4\xBD\xA0\xE5\xA5\xBD"},
    {50, "\xA4\xA4\xA4\xE5\xC1" "c\xC5\xE9\xA4\xE5\xA6r\xA1" "A\xB1z\xA6n",
     "\xE4\xB8\xAD\xE6\x96\x87\xE7\xB9\x81\xE9\xAB\x94\xE6\x96\x87\xE5\xAD\x97\xEF\xBC\x8C\xE6\x82\xA8\xE5\xA5\xBD"},
    {17, "\xF0\xD2\xC9\xD7\xC5\xD4, \xCD\xC9\xD2! \xB3\xCC\xCB\xC1",
     "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82, \xD0\xBC\xD0\xB8\xD1\x80! \xD0\x81\xD0\xBB\xD0\xBA\xD0\xB0"},
    // Guillemets, an em dash and the euro: the dash and the euro lie outside
    // the Cyrillic reverse ranges and must still come back.
    {60, "\xAB\xD1\xFA\xE5\xF8\xFC \xE6\xE5 \xE5\xF9\xB8 \xFD\xF2\xE8\xF5 \xEC\xFF\xE3\xEA\xE8\xF5 \xF4\xF0\xE0\xED\xF6\xF3\xE7\xF1\xEA\xE8\xF5 \xE1\xF3\xEB\xEE\xEA\xBB \x97 5 \x88",
     "\xC2\xAB\xD0\xA1\xD1\x8A\xD0\xB5\xD1\x88\xD1\x8C \xD0\xB6\xD0\xB5 \xD0\xB5\xD1\x89\xD1\x91 \xD1\x8D\xD1\x82\xD0\xB8\xD1\x85 \xD0\xBC\xD1\x8F\xD0\xB3\xD0\xBA\xD0\xB8\xD1\x85 \xD1\x84\xD1\x80\xD0\xB0\xD0\xBD\xD1\x86\xD1\x83\xD0\xB7\xD1\x81\xD0\xBA\xD0\xB8\xD1\x85 \xD0\xB1\xD1\x83\xD0\xBB\xD0\xBE\xD0\xBA\xC2\xBB \xE2\x80\x94 5 \xE2\x82\xAC"},
    {1, "Caf\xE9 d\xE9j\xE0 vu, na\xEFve fa\xE7" "ade",
     "Caf\xC3\xA9 d\xC3\xA9j\xC3\xA0 vu, na\xC3\xAFve fa\xC3\xA7" "ade"},
    {15, "\xA4 5, \xBDuvre, \xA6\xE1rka \xB4i\xB8ka",
     "\xE2\x82\xAC 5, \xC5\x93uvre, \xC5\xA0\xC3\xA1rka \xC5\xBDi\xC5\xBEka"},
    {5, "\xBF\xE0\xD8\xD2\xD5\xE2", "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82"},
    // The two sets the platform lacks, from our own tables.
    {10, "\xAF \xBB \xFF \xD9\xBE", "\xC5\x8A \xC5\xA7 \xC4\xB8 \xC5\xB2\xC5\xAB"},
    {14, "\xD0 \xFE \xB8 \xBD \xF7", "\xC5\xB4 \xC5\xB7 \xE1\xBA\x81 \xE1\xBA\x84 \xE1\xB9\xAB"},
};

wchar_t encodeOne(const char* bytes, int len, int enc, int* used)
{
    return XUCharEncode(bytes, len, enc, used);
}

} // namespace

TEST(WinCodeConvert, RealTextOfEveryScriptRoundTripsThroughUtf8)
{
    TQDwinCodeConvert cc;
    for (const ScriptSample& s : kSamples) {
        EXPECT_EQ(s.utf8, convert(cc, s.bytes, s.encoding, 16)) << "encoding " << s.encoding;
        EXPECT_EQ(s.bytes, convert(cc, s.utf8, 16, s.encoding)) << "encoding " << s.encoding;
    }
}

TEST(WinCodeConvert, ConvertsDirectlyBetweenTwoByteSets)
{
    TQDwinCodeConvert cc;
    EXPECT_EQ(kSamples[1].bytes, convert(cc, kSamples[0].bytes, 21, 20));
    EXPECT_EQ(kSamples[0].bytes, convert(cc, kSamples[1].bytes, 20, 21));
}

TEST(WinCodeConvert, EncodeAndDecodeMeasureAsTheyConvert)
{
    TQDwinCodeConvert cc;
    const char* sjis = "\x82\xA0\xB1" "A";  // あ ｱ A
    EXPECT_EQ(3, cc.encode(nullptr, 0, sjis, -1, 21));
    u16 units[4] = {1, 1, 1, 1};
    EXPECT_EQ(3, cc.encode(units, 4, sjis, -1, 21));
    EXPECT_EQ(0x3042, units[0]);
    EXPECT_EQ(0xFF71, units[1]);
    EXPECT_EQ(0x41, units[2]);
    EXPECT_EQ(0, units[3]);

    EXPECT_EQ(4, cc.decode(nullptr, 0, units, 3, 21));
    char bytes[5];
    EXPECT_EQ(4, cc.decode(bytes, 5, units, -1, 21));
    EXPECT_STREQ(sjis, bytes);
}

// An undefined cell gives "?" and its trail byte is read again; measuring
// must count the same characters, or the measured buffer overflows.
TEST(WinCodeConvert, UndefinedCellsCountTheSameWhenMeasured)
{
    TQDwinCodeConvert cc;
    const char* text = "\x85\x40\x82\xA0";  // 0x8540 is an empty cell
    EXPECT_EQ(3, XULen(text, -1, 21));
    EXPECT_EQ("?@\xE3\x81\x82", convert(cc, text, 21, 16));
}

TEST(WinCodeConvert, ShiftJisByteRules)
{
    int used = 0;
    EXPECT_EQ(0x3042, encodeOne("\x82\xA0", 2, 21, &used));
    EXPECT_EQ(2, used);
    EXPECT_EQ(0xFF71, encodeOne("\xB1", 1, 21, &used));
    EXPECT_EQ(1, used);
    EXPECT_EQ(L'?', encodeOne("\x81\x7F", 2, 21, &used));
    EXPECT_EQ(1, used);
    EXPECT_EQ(L'?', encodeOne("\x82\xA0", 1, 21, &used)) << "only one byte left";
    EXPECT_EQ(1, used);
    for (int enc : {1, 5, 15, 16, 17, 20, 21, 30, 40, 50, 60}) {
        EXPECT_EQ(0x41, encodeOne("A", 1, enc, &used)) << "encoding " << enc;
        EXPECT_EQ(1, used);
    }
}

// JIS X 0208 meanings of the cells where code page 932 differs.
TEST(WinCodeConvert, AmbiguousJisCellsFollowJis)
{
    int used = 0;
    EXPECT_EQ(0x005C, encodeOne("\x81\x5F", 2, 21, &used));
    EXPECT_EQ(0x301C, encodeOne("\x81\x60", 2, 21, &used));
    EXPECT_EQ(0x00A2, encodeOne("\x81\x91", 2, 21, &used));
    EXPECT_EQ(0x00AC, encodeOne("\x81\xCA", 2, 21, &used));
    char out[3] = {};
    EXPECT_EQ(2, XUCharDecode(out, 2, 0x301C, 21));
    EXPECT_EQ("\x81\x60", std::string(out, 2));
    EXPECT_EQ(2, XUCharDecode(out, 2, 0x00AC, 20));
    EXPECT_EQ("\xA2\xCC", std::string(out, 2));
}

// EUC-KR has no code page under Wine: the Korean set is read from code page
// 949 (Unified Hangul Code) within its own byte ranges.
TEST(WinCodeConvert, KoreanComesFromUnifiedHangulCode)
{
    int used = 0;
    EXPECT_EQ(0xAC00, encodeOne("\xB0\xA1", 2, 30, &used));  // 가, KS X 1001
    EXPECT_EQ(0xAC02, encodeOne("\x81\x41", 2, 30, &used));  // an extended syllable
    EXPECT_EQ(2, used);
    EXPECT_EQ(L'?', encodeOne("\xC9\xA1", 2, 30, &used)) << "user-defined lead";
    EXPECT_EQ(1, used);
    EXPECT_EQ(L'?', encodeOne("\x81\x5B", 2, 30, &used)) << "trail outside the set";
    char out[2];
    EXPECT_EQ(2, XUCharDecode(out, 2, 0xD55C, 30));  // 한
    EXPECT_EQ("\xC7\xD1", std::string(out, 2));
}

// EUC-CN has no code page under Wine either: code page 936 is read only
// where GB 2312 has characters.
TEST(WinCodeConvert, Gb2312KeepsOnlyItsOwnCells)
{
    int cells = 0;
    for (u16 c : xutables::tables().gb2312)
        cells += c != 0;
    EXPECT_EQ(7445, cells);

    int used = 0;
    EXPECT_EQ(0x554A, encodeOne("\xB0\xA1", 2, 40, &used));  // 啊
    EXPECT_EQ(L'?', encodeOne("\xA2\xA1", 2, 40, &used)) << "a GBK-only Roman numeral";
    EXPECT_EQ(L'?', encodeOne("\xAA\xA1", 2, 40, &used)) << "row 10 is empty";
    EXPECT_EQ(L'?', encodeOne("\x81\x40", 2, 40, &used)) << "a GBK lead byte";
    char out[2];
    EXPECT_EQ(1, XUCharDecode(out, 2, 0x2170, 40));
    EXPECT_EQ('?', out[0]);
    EXPECT_EQ(1, XUCharDecode(out, 2, 0x4E02, 40)) << "a GBK-only ideograph";
}

TEST(WinCodeConvert, SingleByteSetsDecodeOnlyTheirCharacters)
{
    char out[2] = {};
    EXPECT_EQ(1, XUCharDecode(out, 1, 0x00E9, 5));
    EXPECT_EQ('?', out[0]);
    EXPECT_EQ(1, XUCharDecode(out, 1, 0x0085, 5)) << "C1 controls are their own byte";
    EXPECT_EQ('\x85', out[0]);
    EXPECT_EQ(1, XUCharDecode(out, 1, 0x2320, 17));  // ⌠ in KOI8-R
    EXPECT_EQ('\x93', out[0]);
    int used = 0;
    EXPECT_EQ(L'?', encodeOne("\xE9", 1, 11, &used)) << "set 11 is empty";
}

TEST(WinCodeConvert, Utf8SequenceRules)
{
    int used = 0;
    EXPECT_EQ(0x00C0, XUutf8CharEncode("\xC0\x80", 2, &used)) << "overlong NUL";
    EXPECT_EQ(1, used);
    EXPECT_EQ(0x00E0, XUutf8CharEncode("\xE0\x80\x80", 3, &used));
    EXPECT_EQ(1, used);
    EXPECT_EQ(0xF600, XUutf8CharEncode("\xF0\x9F\x98\x80", 4, &used)) << "low 16 bits of U+1F600";
    EXPECT_EQ(4, used);
    EXPECT_EQ(0x00E3, XUutf8CharEncode("\xE3\x81", 2, &used)) << "cut short";
    EXPECT_EQ(1, used);

    char out[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(3, XUutf8CharDecode(out, 2, 0x20AC));
    EXPECT_EQ("\xE2\x82", std::string(out, 2));
    EXPECT_EQ('x', out[2]);

    EXPECT_EQ(3, XUutf8CharLen("\xE3\x81\x82", 3));
    EXPECT_EQ(1, XUutf8CharLen("\xE3\x81\x82", 1));
    EXPECT_EQ(1, XUutf8CharLen("\x81", 3));
    const char* text = "a\xE3\x81\x82";
    EXPECT_EQ(3, XUutf8CharRLen(text + 4, 4));
    EXPECT_EQ(1, XUutf8CharRLen(text + 1, 1));
}

// A decode into a buffer that is too small writes whole characters only and
// still reports the size of the whole text.
TEST(WinCodeConvert, ShortBufferKeepsWholeCharacters)
{
    const wchar_t text[] = {0x3042, 0x3044, L'a', 0};
    char out[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(5, XUDecode(out, 3, text, -1, 21)) << "the 'a' would fit, but after a gap";
    EXPECT_EQ("\x82\xA0", std::string(out, 2));
    EXPECT_EQ('x', out[2]);
}

// Each test sets LANG through an EnvGuard of its own, which puts LANG back
// before the system locale is initialised again for the next test.
class WinSystemLocale : public ::testing::Test {
protected:
    void TearDown() override { XUInitSystemLocale(GetSystemDefaultLCID()); }
};

TEST_F(WinSystemLocale, JapaneseSystemWithoutLangUsesShiftJis)
{
    EnvGuard lang("LANG", nullptr);
    XUInitSystemLocale(0x0411);
    EXPECT_EQ(21, XUGetLocale());
    EXPECT_STREQ("ja_JP.sjis", XUGetLang());
    EXPECT_EQ(nullptr, std::getenv("LANG"));

    TQDwinCodeConvert cc;
    cc.setSystemLocaleName(XUGetLang(), cc.getSystemEncoding());
    EXPECT_STREQ("ja_JP.sjis", cc.getSystemLocaleName());
}

TEST_F(WinSystemLocale, OtherSystemsWithoutLangSetIt)
{
    EnvGuard lang("LANG", nullptr);
    XUInitSystemLocale(0x0409);
    ASSERT_NE(nullptr, std::getenv("LANG"));
    EXPECT_STREQ("en_US", std::getenv("LANG"));
    EXPECT_EQ(1, XUGetLocale());

    EnvGuard langAgain("LANG", nullptr);
    XUInitSystemLocale(0x080A);  // Mexican Spanish
    EXPECT_STREQ("es_ES", std::getenv("LANG"));
    EXPECT_EQ(-1, XUGetLocale());
}

TEST_F(WinSystemLocale, LangDecidesWhenSet)
{
    EnvGuard lang("LANG", "en_GB");
    XUInitSystemLocale(0x0411);
    EXPECT_EQ(-1, XUGetLocale());
    EXPECT_STREQ("en_GB", XUGetLang());

    EnvGuard koi8("LANG", "ru_RU.KOI8-R");
    XUInitSystemLocale(0x0409);
    EXPECT_EQ(17, XUGetLocale());
}

// The ANSI code page serves encoding -1 when the system encoding is -1.
TEST_F(WinSystemLocale, AnsiCodePageServesTheSystemEncoding)
{
    EnvGuard lang("LANG", "de_DE");
    XUInitSystemLocale(0x0407);
    ASSERT_EQ(-1, XUGetLocale());
    const UINT acp = GetACP();
    char ansi[2] = {0, 0};
    WCHAR e = 0x00E9;
    ASSERT_EQ(1, WideCharToMultiByte(acp, 0, &e, 1, ansi, 1, nullptr, nullptr));
    TQDwinCodeConvert cc;
    EXPECT_EQ("\xC3\xA9", convert(cc, ansi, -1, 16));
    EXPECT_EQ(ansi, convert(cc, "\xC3\xA9", 16, -1));
}

// LANG comes from the user and may be of any length; the locale name built
// from it stays within its 31 characters.
TEST_F(WinSystemLocale, OverlongLangIsKeptWholeAndNameIsBounded)
{
    const std::string longLang = "xx_" + std::string(300, 'Y') + ".UTF-8";
    EnvGuard lang("LANG", longLang.c_str());
    XUInitSystemLocale(0x0409);
    EXPECT_EQ(longLang, XUGetLang());
    TQDwinCodeConvert cc;
    cc.setSystemLocaleName(XUGetLang(), cc.getSystemEncoding());
    EXPECT_EQ(31u, std::strlen(cc.getSystemLocaleName()));
}

TEST_F(WinSystemLocale, InitializeFixesTheSystemEncodingAndLocaleName)
{
    TQDwinCodeConvert cc;
    cc.initialize();
    EXPECT_EQ(cc.getSystemEncoding(), TQGFgetSystemDefaultEncoding());
    const char* lang = std::getenv("LANG");
    if (lang == nullptr || std::string(lang) != "en_US.UTF-8")
        GTEST_SKIP() << "the expected name assumes LANG=en_US.UTF-8";
    EXPECT_EQ(16, cc.getSystemEncoding());
    EXPECT_STREQ("en_US.utf8", cc.getSystemLocaleName());
}

TEST(WinLocaleNames, FullIdentifiersOnly)
{
    char* name = nullptr;
    EXPECT_EQ(1, lcid2locale(0x0812, &name));
    EXPECT_STREQ("ko_KR", name);
    delete[] name;
    EXPECT_EQ(1, lcid2locale(0x0412, &name));
    EXPECT_STREQ("ko_KP", name);
    delete[] name;
    EXPECT_EQ(1, lcid2locale(0x2409, &name));
    EXPECT_STREQ("en_??", name);
    delete[] name;
    EXPECT_EQ(0, lcid2locale(0x0009, &name));
    EXPECT_STREQ("C", name);
    delete[] name;
}
