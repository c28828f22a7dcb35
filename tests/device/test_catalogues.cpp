// The catalogues of the two extra widget libraries: what the initialize
// manager's two registration runs leave in each of the ten locales.
#include <gtest/gtest.h>

#include "FakeCodeConvert.h"
#include "TQDwinCodeConvert.h"
#include "_TQCinitializeManager.h"
#include "_TQClocale.h"
#include "_TQClocaleSet.h"

#include <string>
#include <vector>

namespace {

enum Language { kEnglish, kJapanese, kKorean, kChinese, kSpain, kArgentina };

struct CatalogueLocale {
    const char* name;
    Language language;
    int encoding;
};

const CatalogueLocale kLocales[] = {
    {"en_US", kEnglish, 1},       {"ja_JP.eucjp", kJapanese, 20}, {"ja_JP.sjis", kJapanese, 21},
    {"ja_JP.utf8", kJapanese, 16}, {"ko_KR.euckr", kKorean, 30},  {"zh_CN", kChinese, 40},
    {"es_ES", kSpain, 1},          {"es_AR", kArgentina, 1},      {"es_ES.utf8", kSpain, 16},
    {"es_AR.utf8", kArgentina, 16},
};

struct LanguageTexts {
    Language language;
    std::vector<const char*> texts;  // UTF-8, in key order
};

const char* const kTqcKeys[] = {
    "F:TQSTRCannot create directory:", "G:TQSTR.", "c:TQSTR < Back,Next >,Finish",
    "d:TQSTR < Back", "e:TQSTR Next >", "f:TQSTR Finish",
};

const LanguageTexts kTqcTexts[] = {
    {kEnglish, {
        "Cannot create directory:\n", "", "< Back,Next >,Finish", "< Back", "Next >", "Finish",
    }},
    {kJapanese, {
        "ディレクトリ:", "\nが作成できません。", "< 戻る,次へ >,完了", "< 戻る", "次へ >", "完了",
    }},
    {kKorean, {
        "디렉터리:", "\n를(을) 작성 못합니다.", "< 뒤로,앞으로 >,끝", "< 뒤로", "앞으로 >", "끝",
    }},
    {kChinese, {
        "目录:", "\n生成失败。", "< 返回,下一步 >,结束", "< 返回", "下一步 >", "结束",
    }},
    {kSpain, {
        "No se puede crear el directorio\n", "", "< Volver,Siguiente >,Terminar", "< Volver",
        "Siguiente >", "Terminar",
    }},
    {kArgentina, {
        "No puede crear directorio\n", "", "< Volver,Siguiente >,Terminar", "< Volver",
        "Siguiente >", "Terminar",
    }},
};

const char* const kTqbKeys[] = {
    "H:TQSTR SUN", "I:TQSTR MON", "J:TQSTR TUE", "K:TQSTR WED", "L:TQSTR THU", "M:TQSTR FRI",
    "N:TQSTR SAT", "O:TQSTR A.M.", "P:TQSTR P.M.", "Q:TQSTR AM", "R:TQSTR PM",
    "S:TQSTR %2d/%2d/%4d", "T:TQSTR %4d/%2d/%2d", "U:TQSTR %2d/%2d/%2d", "V:TQSTR %2d/%2d/%2d",
    "W:TQSTR %2d/%2d/%4d", "X:TQSTR %4d/%2d/%2d", "Y:TQSTR  %s ", "Z:TQSTR %2d:%2d",
    "a:TQSTR %s %2d:%2d", "b:TQSTR :%2d",
};

const LanguageTexts kTqbTexts[] = {
    {kEnglish, {
        "SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT", "A.M.", "P.M.", "AM", "PM",
        "%2d/%2d/%4d", "%4d/%2d/%2d", "%2d/%2d/%2d", "%2d/%2d/%2d", "%2d/%2d/%4d",
        "%4d/%2d/%2d", " %s ", "%2d:%2d", "%s %2d:%2d", ":%2d",
    }},
    {kJapanese, {
        "日", "月", "火", "水", "木", "金", "土", "午前", "午後", "AM", "PM", "平成%2d年%2d月%2d日",
        "%4d年%2d月%2d日", "%2d年%2d月%2d日", "H%2d/%2d/%2d", "%4d/%2d/%2d", "平成%2d年%2d月%2d日",
        "%s曜日", "%2d時%2d分", "%s %2d時%2d分", "%2d秒",
    }},
    {kKorean, {
        "일", "월", "화", "수", "목", "금", "토", "오전", "오후", "AM", "PM", "%2d년%2d월%2d일",
        "%4d년%2d월%2d일", "%2d년%2d월%2d일", "%2d/%2d/%2d", "%4d/%2d/%2d", "%2d년%2d월%2d일", "%s요일",
        "%2d시%2d분", "%s %2d시%2d분", "%2d초",
    }},
    {kChinese, {
        "星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六", "上午", "下午", "AM", "PM",
        "%2d年%2d月%2d日", "%4d年%2d月%2d日", "%2d年%2d月%2d日", "%2d/%2d/%2d", "%4d/%2d/%2d",
        "%2d年%2d月%2d日", "%s星期", "%2d时%2d分", "%s %2d时%2d分", "%2d秒",
    }},
    {kSpain, {
        "DOM", "LUN", "MAR", "MIÉ", "JUE", "VIE", "SÁB", "A.M.", "P.M.", "AM", "PM",
        "%2d/%2d/%4d", "%4d/%2d/%2d", "%2d/%2d/%2d", "%2d/%2d/%2d", "%2d/%2d/%4d",
        "%4d/%2d/%2d", " %s ", "%2d:%2d", "%s %2d:%2d", ":%2d",
    }},
    {kArgentina, {
        "DOM", "LUN", "MAR", "MIE", "JUE", "VIE", "SAB", "A.M.", "P.M.", "AM", "PM",
        "%2d/%2d/%4d", "%4d/%2d/%2d", "%2d/%2d/%2d", "%2d/%2d/%2d", "%2d/%2d/%4d",
        "%4d/%2d/%2d", " %s ", "%2d:%2d", "%s %2d:%2d", ":%2d",
    }},
};

const std::vector<const char*>& textsOf(const LanguageTexts (&table)[6], Language language)
{
    for (const LanguageTexts& entry : table) {
        if (entry.language == language)
            return entry.texts;
    }
    return table[0].texts;
}

std::string toUtf8(const char* stored, int encoding)
{
    TQDwinCodeConvert cc;
    const int need = cc.codeConvert(nullptr, 0, 16, stored, -1, encoding);
    std::string out(static_cast<size_t>(need) + 1, '\0');
    cc.codeConvert(&out[0], need + 1, 16, stored, -1, encoding);
    out.resize(static_cast<size_t>(need));
    return out;
}

template <size_t N>
void expectCatalogue(const char* const (&keys)[N], const LanguageTexts (&table)[6])
{
    TQClocaleSet* set = TQGIappLocaleSet();
    for (const CatalogueLocale& locale : kLocales) {
        ASSERT_NE(nullptr, set->getLocale(locale.name)) << locale.name;
        const std::vector<const char*>& texts = textsOf(table, locale.language);
        ASSERT_EQ(N, texts.size());
        for (size_t i = 0; i < N; ++i) {
            const char* stored = set->getLocaleString(locale.name, keys[i], 0);
            EXPECT_EQ(texts[i], toUtf8(stored, locale.encoding))
                << locale.name << " " << keys[i];
        }
    }
}

// Both registration runs of start-up: device initialisation and the start
// of the event loop.
class Catalogues : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        FakeCodeConvert::install();
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

TEST_F(Catalogues, WidgetLibraryTextsInEveryLocale)
{
    expectCatalogue(kTqcKeys, kTqcTexts);
}

TEST_F(Catalogues, ClockTextsInEveryLocale)
{
    expectCatalogue(kTqbKeys, kTqbTexts);
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
    for (const char* key : kTqcKeys)
        EXPECT_EQ(TQGIappLocaleSet()->getLocaleString("en_US", key, 0), german->getString(key, 1));
    for (const char* key : kTqbKeys)
        EXPECT_EQ(TQGIappLocaleSet()->getLocaleString("en_US", key, 0), german->getString(key, 1));
}
