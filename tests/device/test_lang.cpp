// libtq's catalogue of builder titles and choice labels: absent until a
// program asks for it, then held by ten locales, with the locale set's
// fallbacks for what a locale lacks. Each scenario registers it for good, so
// it runs in a process of its own.
#include <gtest/gtest.h>

#include "CapturedText.h"
#include "FreshProcess.h"
#include "VocabularyKeys.h"
#include "WinCodeConverter.h"
#include "_TQClocale.h"
#include "_TQClocaleSet.h"
#include "_lang.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

const char* const kLocales[] = {"en_US",       "ja_JP.eucjp", "ja_JP.sjis", "ja_JP.utf8",
                                "ko_KR.euckr", "zh_CN",       "es_ES",      "es_AR",
                                "es_ES.utf8",  "es_AR.utf8"};

// The en_US texts that are not the English inside their keys.
const struct {
    const char* key;
    const char* text;
} kEnglishExceptions[] = {
    {"C:TQSTR (None)", " (None)"},
    {"D:TQSTR SUN    ", " SUN    "},
    {"E:TQSTR (SUN)  ", " (SUN)  "},
    {"G:TQSTR   12:00", "  12 00"},
    {"H:TQSTR   24:00", "  24 00"},
    {"I:TQSTR AM 12:00:00", "AM 12 00 00"},
    {"J:TQSTR 11:00:00", "11 00 00"},
    {"K:TQSTR 23:00:00", "23 00 00"},
    {"L:TQSTR AM:00:00", "AM 00 00"},
    {"n1:TQSTR H. Alignment2", "H. Alignment"},
    {"o1:TQSTR V. Alignment2", "V. Alignment"},
    {"m1:TQSTR ItemHeight", "Item Height"},
};

bool isJapanese(const char* locale)
{
    return std::strncmp(locale, "ja_JP", 5) == 0;
}

bool same(const char* a, const char* b)
{
    return std::strcmp(a, b) == 0;
}

std::string notFound(const char* locale, const char* key)
{
    return std::string("TQClocale::getString locale=") + locale + " index=" + key + " not found.\n";
}

// The locale's own text of key, unconverted.
char* textIn(const char* locale, const char* key)
{
    return TQGIappLocaleSet()->getLocale(locale)->getString(key, 0);
}

struct Lookup {
    char* text;
    std::string errors;
};

Lookup gettext(const char* key)
{
    ::testing::internal::CaptureStderr();
    char* text = TQGFgettext(key);
    return {text, capturedStderr()};
}

void lookupsBeforeAndAfterEnabling()
{
    useWinCodeConverter();
    TQClocaleSet* set = TQGIappLocaleSet();
    set->getDefaultLocale();
    set->setDefaultLocale("en_US");

    const char* title = "A1:TQSTR Title string";
    Lookup before = gettext(title);
    requireInChild(before.text == title, "before registration the key itself comes back");
    requireInChild(before.errors == notFound("en_US", title), "one not-found line before registration");

    TQGFenablePropertyBuilderTitle();
    TQGFenablePropertyBuilderTitle();
    for (const char* locale : kLocales)
        requireInChild(set->getLocale(locale)->getNum() == (isJapanese(locale) ? 333 : 328),
                       (std::string("one entry per key after two calls in ") + locale).c_str());

    const char* const english[][2] = {{"n1:TQSTR H. Alignment2", "H. Alignment"},
                                       {"G:TQSTR   12:00", "  12 00"},
                                       {"C:TQSTR (None)", " (None)"},
                                       {"", ""}};
    for (const auto& row : english) {
        Lookup found = gettext(row[0]);
        requireInChild(same(found.text, row[1]) && found.errors.empty(), row[0]);
    }

    set->setDefaultLocale("es_AR");
    const char* japaneseOnly = "X:TQSTR Enable Input Method";
    Lookup spanish = gettext(japaneseOnly);
    requireInChild(spanish.text == japaneseOnly, "a Japanese-only label comes back as its key");
    requireInChild(spanish.errors == notFound("en_US", japaneseOnly),
                   "the miss is reported for en_US, where es_AR falls back");
    passInChild();
}

// en_US is registered last: until then a key that a locale lacks comes back
// as itself instead of in English.
void everyVocabularyKeyInEveryLocale()
{
    useWinCodeConverter();
    for (void (*procedure)() : {_libtq_lang_init_proc1, _libtq_lang_init_proc2, _libtq_lang_init_proc3,
                                _libtq_lang_init_proc4, _libtq_lang_init_proc5, _libtq_lang_init_proc6,
                                _libtq_lang_init_proc7})
        procedure();
    const VocabularyKeys vocabulary = vocabularyKeys();
    // The keys every locale holds: the vocabulary's, and two no accessor returns.
    std::vector<const char*> keys = vocabulary.everyLocale;
    keys.push_back("n1:TQSTR Mouse image");
    keys.push_back("");

    std::string failures;
    ::testing::internal::CaptureStderr();
    for (const char* locale : kLocales) {
        if (same(locale, "en_US"))
            continue;
        for (const char* key : keys)
            if (*key && textIn(locale, key) == key)
                failures += std::string(locale) + " lacks " + key + "\n";
        for (const char* key : vocabulary.japaneseOnly)
            if ((textIn(locale, key) != key) != isJapanese(locale))
                failures += std::string(locale) + " wrongly holds or lacks " + key + "\n";
    }
    const std::string misses = capturedStderr();
    requireInChild(failures.empty(), failures.c_str());
    requireInChild(std::count(misses.begin(), misses.end(), '\n') == 6 * 5,
                   "one line for each status label in each of the six other locales");

    _libtq_lang_init_proc();
    for (const char* key : keys) {
        std::string english = *key ? std::strstr(key, ":TQSTR ") + 7 : "";
        for (const auto& exception : kEnglishExceptions)
            if (same(exception.key, key))
                english = exception.text;
        if (textIn("en_US", key) != english)
            failures += std::string("en_US text of ") + key + "\n";
    }
    requireInChild(failures.empty(), failures.c_str());

    long differing = 0;
    for (const char* key : keys)
        differing += !same(textIn("es_ES", key), textIn("es_AR", key));
    requireInChild(differing == 161, "es_ES and es_AR differ in 161 texts");
    requireInChild(same(textIn("es_ES", "A1:TQSTR Title string"), "Texto del t\xEDtulo"), "es_ES title");
    requireInChild(same(textIn("es_AR", "A1:TQSTR Title string"), "Titulo de cadena de texto"),
                   "es_AR title");
    requireInChild(same(textIn("es_ES", "h:TQSTR Tree"), "\xC1rbol"), "es_ES tree");
    requireInChild(same(textIn("es_AR", "h:TQSTR Tree"), "Arbol"), "es_AR tree");
    requireInChild(same(textIn("es_AR", "y:TQSTR False"), "Falso"), "es_AR false");
    requireInChild(same(textIn("es_AR.utf8", "o2:TQSTR Password"), "Contrase\xC3\xB1" "a"),
                   "es_AR.utf8 password");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(BuilderTitlesDeathTest, LookupsBeforeAndAfterEnabling,
                      lookupsBeforeAndAfterEnabling(), "")
TQ_FRESH_PROCESS_TEST(BuilderTitlesDeathTest, EveryVocabularyKeyInEveryLocale,
                      everyVocabularyKeyInEveryLocale(), "")
