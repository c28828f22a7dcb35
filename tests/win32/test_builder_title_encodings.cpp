// libtq's builder titles and choice labels in a started program, read back
// through the Win32 code converter: absent until asked for, then the same
// texts in each locale's own encoding. EUC-KR and GB 2312 are read through
// code pages 949 and 936, as Wine has no code page of their own.
#include <gtest/gtest.h>

#include "FreshProcess.h"
#include "VocabularyKeys.h"
#include "WinCodeConverter.h"
#include "_TQCinitializeManager.h"
#include "_TQClocale.h"
#include "_TQClocaleSet.h"
#include "_lang.h"

#include <cstring>
#include <string>

namespace {

const struct {
    const char* name;
    long keys;
} kLocales[] = {{"en_US", 328},       {"ja_JP.eucjp", 333}, {"ja_JP.sjis", 333}, {"ja_JP.utf8", 333},
                {"ko_KR.euckr", 328}, {"zh_CN", 328},       {"es_ES", 328},      {"es_AR", 328},
                {"es_ES.utf8", 328},  {"es_AR.utf8", 328}};
const int kLocaleCount = sizeof kLocales / sizeof kLocales[0];

// Texts as UTF-8, whatever each locale stores.
const struct {
    const char* key;
    const char* japanese;
    const char* korean;
    const char* chinese;
} kSamples[] = {
    {"g:TQSTR Normal", "ノーマル", "표준", "通常"},
    {"A1:TQSTR Title string", "タイトル文字列", "제목 문자열", "标题字符串"},
    {"o2:TQSTR Password", "パスワード", "패스워드", "密码"},
    {"y:TQSTR False", "False", "False", "False"},
};

const char* stored(const char* locale, const char* key)
{
    return TQGIappLocaleSet()->getLocale(locale)->getString(key, 0);
}

std::string utf8Of(const char* locale, int encoding, const char* key)
{
    return convertedText(stored(locale, key), encoding, 16);
}

// What the start-up catalogues left in a locale: its entry count, and
// whether the empty key, which the platform's catalogue also registers, is
// among them. A buffer of our own tells a miss (it comes back) from a hit.
struct Held {
    long entries = 0;
    bool emptyKey = false;
};

Held heldIn(const char* name)
{
    Held held;
    if (TQClocale* locale = TQGIappLocaleSet()->getLocale(name)) {
        char empty[1] = "";
        held.entries = locale->getNum();
        held.emptyKey = locale->getString(empty, 0) != empty;
    }
    return held;
}

// Korean and Chinese texts must survive the trip to UTF-8 and back whole:
// a cell the code page lacks comes back as "?".
void checkRoundTrip(const char* locale, int encoding, const char* key, std::string& failures)
{
    const std::string utf8 = utf8Of(locale, encoding, key);
    if (utf8.find('?') != std::string::npos || convertedText(utf8.c_str(), 16, encoding) != stored(locale, key))
        failures += std::string(locale) + " does not decode " + key + "\n";
}

void startedProgramThenEnabled()
{
    useWinCodeConverter();
    TQGIappInitializeManager()->execInitializeProcs();
    Held before[kLocaleCount];
    for (int i = 0; i < kLocaleCount; ++i)
        before[i] = heldIn(kLocales[i].name);

    TQGFenablePropertyBuilderTitle();
    // Every key added an entry, save the empty key where start-up had it:
    // the started program held none of the others.
    for (int i = 0; i < kLocaleCount; ++i)
        requireInChild(heldIn(kLocales[i].name).entries ==
                           before[i].entries + kLocales[i].keys - (before[i].emptyKey ? 1 : 0),
                       (std::string("entries added to ") + kLocales[i].name).c_str());

    const VocabularyKeys vocabulary = vocabularyKeys();
    std::vector<const char*> keys = vocabulary.everyLocale;
    keys.push_back("n1:TQSTR Mouse image");
    std::string failures;
    for (const char* key : keys) {
        for (const char* spanish : {"es_ES", "es_AR"})
            if (utf8Of(spanish, 1, key) != stored((std::string(spanish) + ".utf8").c_str(), key))
                failures += std::string(spanish) + " and its UTF-8 twin differ on " + key + "\n";
        checkRoundTrip("ko_KR.euckr", 30, key, failures);
        checkRoundTrip("zh_CN", 40, key, failures);
    }
    keys.insert(keys.end(), vocabulary.japaneseOnly.begin(), vocabulary.japaneseOnly.end());
    for (const char* key : keys) {
        const char* japanese = stored("ja_JP.utf8", key);
        if (utf8Of("ja_JP.eucjp", 20, key) != japanese || utf8Of("ja_JP.sjis", 21, key) != japanese)
            failures += std::string("Japanese locales differ on ") + key + "\n";
    }
    requireInChild(failures.empty(), failures.c_str());

    for (const auto& sample : kSamples) {
        requireInChild(utf8Of("ja_JP.sjis", 21, sample.key) == sample.japanese, sample.key);
        requireInChild(utf8Of("ko_KR.euckr", 30, sample.key) == sample.korean, sample.key);
        requireInChild(utf8Of("zh_CN", 40, sample.key) == sample.chinese, sample.key);
    }
    requireInChild(utf8Of("ja_JP.eucjp", 20, "X:TQSTR Enable Input Method") == "有効",
                   "the Japanese status label");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(BuilderTitleEncodingsDeathTest, StartedProgramThenEnabled,
                      startedProgramThenEnabled(), "")
