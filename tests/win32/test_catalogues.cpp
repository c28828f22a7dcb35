// The catalogues of the two extra widget libraries, read back through the
// Win32 converter: what the initialize manager's two registration runs leave
// in each of the ten locales.
#include <gtest/gtest.h>

#include "SystemEncoding.h"
#include "_TQCinitializeManager.h"
#include "_TQClocale.h"
#include "_TQClocaleSet.h"

#include <string>

namespace {

// Two keys of each library, as UTF-8 in every locale: a short word, a text
// with a line feed, a label, and a format with characters between its
// conversions.
const char* const kKeys[] = {"K:TQSTR WED", "G:TQSTR.", "d:TQSTR < Back", "T:TQSTR %4d/%2d/%2d"};

const struct {
    const char* name;
    int encoding;
    const char* texts[4];
} kLocales[] = {
    {"en_US", 1, {"WED", "", "< Back", "%4d/%2d/%2d"}},
    {"ja_JP.eucjp", 20, {"水", "\nが作成できません。", "< 戻る", "%4d年%2d月%2d日"}},
    {"ja_JP.sjis", 21, {"水", "\nが作成できません。", "< 戻る", "%4d年%2d月%2d日"}},
    {"ja_JP.utf8", 16, {"水", "\nが作成できません。", "< 戻る", "%4d年%2d月%2d日"}},
    {"ko_KR.euckr", 30, {"수", "\n를(을) 작성 못합니다.", "< 뒤로", "%4d년%2d월%2d일"}},
    {"zh_CN", 40, {"星期三", "\n生成失败。", "< 返回", "%4d年%2d月%2d日"}},
    {"es_ES", 1, {"MIÉ", "", "< Volver", "%4d/%2d/%2d"}},
    {"es_AR", 1, {"MIE", "", "< Volver", "%4d/%2d/%2d"}},
    {"es_ES.utf8", 16, {"MIÉ", "", "< Volver", "%4d/%2d/%2d"}},
    {"es_AR.utf8", 16, {"MIE", "", "< Volver", "%4d/%2d/%2d"}},
};

std::string toUtf8(const char* stored, int encoding)
{
    return convertedText(stored, encoding, 16);
}

// Both registration runs of start-up: device initialisation and the start
// of the event loop. The application converter is the Win32 one, as for every
// other test of this program: the first converter made stays for the process.
class Catalogues : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        useWinCodeConverter();
        TQGIappInitializeManager()->execInitializeProcs();
        englishAfterFirstRun = TQGIappLocaleSet()->getLocale("en_US")->getNum();
        TQGIappInitializeManager()->execInitializeProcs();
    }
    static long englishAfterFirstRun;
};

long Catalogues::englishAfterFirstRun = 0;

} // namespace

TEST_F(Catalogues, SecondRunReplacesEntriesInsteadOfAddingThem)
{
    TQClocaleSet* set = TQGIappLocaleSet();
    EXPECT_EQ(englishAfterFirstRun, set->getLocale("en_US")->getNum());
    for (const char* only : {"ja_JP.utf8", "es_ES", "es_AR", "es_ES.utf8", "es_AR.utf8"})
        EXPECT_EQ(6 + 21, set->getLocale(only)->getNum()) << only;
}

TEST_F(Catalogues, EveryLocaleHoldsItsTextsInItsOwnEncoding)
{
    TQClocaleSet* set = TQGIappLocaleSet();
    for (const auto& locale : kLocales) {
        ASSERT_NE(nullptr, set->getLocale(locale.name)) << locale.name;
        for (size_t i = 0; i < 4; ++i)
            EXPECT_EQ(locale.texts[i],
                      toUtf8(set->getLocaleString(locale.name, kKeys[i], 0), locale.encoding))
                << locale.name << " " << kKeys[i];
    }
}

TEST_F(Catalogues, StoredBytesFollowTheLocaleEncoding)
{
    TQClocaleSet* set = TQGIappLocaleSet();
    EXPECT_STREQ("MI\xC9", set->getLocaleString("es_ES", "K:TQSTR WED", 0));
    EXPECT_STREQ("MI\xC3\x89", set->getLocaleString("es_ES.utf8", "K:TQSTR WED", 0));
    EXPECT_STREQ("MIE", set->getLocaleString("es_AR", "K:TQSTR WED", 0));
    EXPECT_STREQ("Cannot create directory:\n",
                 set->getLocaleString("en_US", "F:TQSTRCannot create directory:", 0));
    EXPECT_STREQ("", set->getLocaleString("en_US", "G:TQSTR.", 0));
}

TEST_F(Catalogues, LocaleWithoutCatalogueAnswersInEnglish)
{
    TQClocaleSet set;
    set.setDefaultLocale("de_DE");
    TQClocale* german = set.getDefaultLocale();
    for (const char* key : kKeys)
        EXPECT_EQ(TQGIappLocaleSet()->getLocaleString("en_US", key, 0), german->getString(key, 1));
}
