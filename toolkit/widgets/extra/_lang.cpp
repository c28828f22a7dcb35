// Message catalogue of the libtqb library: the clock's weekday names,
// morning and afternoon labels and its date and time formats, in ten locales.
#include "_TQCinitializeManager.h"
#include "_TQClocaleSet.h"

namespace {

// Every locale holds every key, in this order; the locale set keeps these
// pointers, so all of them are literals.
const char* const kKeys[] = {
    "H:TQSTR SUN",
    "I:TQSTR MON",
    "J:TQSTR TUE",
    "K:TQSTR WED",
    "L:TQSTR THU",
    "M:TQSTR FRI",
    "N:TQSTR SAT",
    "O:TQSTR A.M.",
    "P:TQSTR P.M.",
    "Q:TQSTR AM",
    "R:TQSTR PM",
    "S:TQSTR %2d/%2d/%4d",
    "T:TQSTR %4d/%2d/%2d",
    "U:TQSTR %2d/%2d/%2d",
    "V:TQSTR %2d/%2d/%2d",
    "W:TQSTR %2d/%2d/%4d",
    "X:TQSTR %4d/%2d/%2d",
    "Y:TQSTR  %s ",
    "Z:TQSTR %2d:%2d",
    "a:TQSTR %s %2d:%2d",
    "b:TQSTR :%2d",
};

const int kKeyCount = sizeof kKeys / sizeof kKeys[0];

// Texts of en_US
const char* const kEnUs[kKeyCount] = {
    "SUN",
    "MON",
    "TUE",
    "WED",
    "THU",
    "FRI",
    "SAT",
    "A.M.",
    "P.M.",
    "AM",
    "PM",
    "%2d/%2d/%4d",
    "%4d/%2d/%2d",
    "%2d/%2d/%2d",
    "%2d/%2d/%2d",
    "%2d/%2d/%4d",
    "%4d/%2d/%2d",
    " %s ",
    "%2d:%2d",
    "%s %2d:%2d",
    ":%2d",
};

// Texts of ja_JP.eucjp
const char* const kJaJpEucjp[kKeyCount] = {
    "\xC6\xFC",
    "\xB7\xEE",
    "\xB2\xD0",
    "\xBF\xE5",
    "\xCC\xDA",
    "\xB6\xE2",
    "\xC5\xDA",
    "\xB8\xE1\xC1\xB0",
    "\xB8\xE1\xB8\xE5",
    "AM",
    "PM",
    "\xCA\xBF\xC0\xAE%2d\xC7\xAF%2d\xB7\xEE%2d\xC6\xFC",
    "%4d\xC7\xAF%2d\xB7\xEE%2d\xC6\xFC",
    "%2d\xC7\xAF%2d\xB7\xEE%2d\xC6\xFC",
    "H%2d/%2d/%2d",
    "%4d/%2d/%2d",
    "\xCA\xBF\xC0\xAE%2d\xC7\xAF%2d\xB7\xEE%2d\xC6\xFC",
    "%s\xCD\xCB\xC6\xFC",
    "%2d\xBB\xFE%2d\xCA\xAC",
    "%s %2d\xBB\xFE%2d\xCA\xAC",
    "%2d\xC9\xC3",
};

// Texts of ja_JP.sjis
const char* const kJaJpSjis[kKeyCount] = {
    "\x93\xFA",
    "\x8C\x8E",
    "\x89\xCE",
    "\x90\x85",
    "\x96\xD8",
    "\x8B\xE0",
    "\x93y",
    "\x8C\xDF\x91O",
    "\x8C\xDF\x8C\xE3",
    "AM",
    "PM",
    "\x95\xBD\x90\xAC%2d\x94N%2d\x8C\x8E%2d\x93\xFA",
    "%4d\x94N%2d\x8C\x8E%2d\x93\xFA",
    "%2d\x94N%2d\x8C\x8E%2d\x93\xFA",
    "H%2d/%2d/%2d",
    "%4d/%2d/%2d",
    "\x95\xBD\x90\xAC%2d\x94N%2d\x8C\x8E%2d\x93\xFA",
    "%s\x97j\x93\xFA",
    "%2d\x8E\x9E%2d\x95\xAA",
    "%s %2d\x8E\x9E%2d\x95\xAA",
    "%2d\x95" "b",
};

// Texts of ja_JP.utf8
const char* const kJaJpUtf8[kKeyCount] = {
    "\xE6\x97\xA5",
    "\xE6\x9C\x88",
    "\xE7\x81\xAB",
    "\xE6\xB0\xB4",
    "\xE6\x9C\xA8",
    "\xE9\x87\x91",
    "\xE5\x9C\x9F",
    "\xE5\x8D\x88\xE5\x89\x8D",
    "\xE5\x8D\x88\xE5\xBE\x8C",
    "AM",
    "PM",
    "\xE5\xB9\xB3\xE6\x88\x90%2d\xE5\xB9\xB4%2d\xE6\x9C\x88%2d\xE6\x97\xA5",
    "%4d\xE5\xB9\xB4%2d\xE6\x9C\x88%2d\xE6\x97\xA5",
    "%2d\xE5\xB9\xB4%2d\xE6\x9C\x88%2d\xE6\x97\xA5",
    "H%2d/%2d/%2d",
    "%4d/%2d/%2d",
    "\xE5\xB9\xB3\xE6\x88\x90%2d\xE5\xB9\xB4%2d\xE6\x9C\x88%2d\xE6\x97\xA5",
    "%s\xE6\x9B\x9C\xE6\x97\xA5",
    "%2d\xE6\x99\x82%2d\xE5\x88\x86",
    "%s %2d\xE6\x99\x82%2d\xE5\x88\x86",
    "%2d\xE7\xA7\x92",
};

// Texts of ko_KR.euckr
const char* const kKoKrEuckr[kKeyCount] = {
    "\xC0\xCF",
    "\xBF\xF9",
    "\xC8\xAD",
    "\xBC\xF6",
    "\xB8\xF1",
    "\xB1\xDD",
    "\xC5\xE4",
    "\xBF\xC0\xC0\xFC",
    "\xBF\xC0\xC8\xC4",
    "AM",
    "PM",
    "%2d\xB3\xE2%2d\xBF\xF9%2d\xC0\xCF",
    "%4d\xB3\xE2%2d\xBF\xF9%2d\xC0\xCF",
    "%2d\xB3\xE2%2d\xBF\xF9%2d\xC0\xCF",
    "%2d/%2d/%2d",
    "%4d/%2d/%2d",
    "%2d\xB3\xE2%2d\xBF\xF9%2d\xC0\xCF",
    "%s\xBF\xE4\xC0\xCF",
    "%2d\xBD\xC3%2d\xBA\xD0",
    "%s %2d\xBD\xC3%2d\xBA\xD0",
    "%2d\xC3\xCA",
};

// Texts of zh_CN
const char* const kZhCn[kKeyCount] = {
    "\xD0\xC7\xC6\xDA\xC8\xD5",
    "\xD0\xC7\xC6\xDA\xD2\xBB",
    "\xD0\xC7\xC6\xDA\xB6\xFE",
    "\xD0\xC7\xC6\xDA\xC8\xFD",
    "\xD0\xC7\xC6\xDA\xCB\xC4",
    "\xD0\xC7\xC6\xDA\xCE\xE5",
    "\xD0\xC7\xC6\xDA\xC1\xF9",
    "\xC9\xCF\xCE\xE7",
    "\xCF\xC2\xCE\xE7",
    "AM",
    "PM",
    "%2d\xC4\xEA%2d\xD4\xC2%2d\xC8\xD5",
    "%4d\xC4\xEA%2d\xD4\xC2%2d\xC8\xD5",
    "%2d\xC4\xEA%2d\xD4\xC2%2d\xC8\xD5",
    "%2d/%2d/%2d",
    "%4d/%2d/%2d",
    "%2d\xC4\xEA%2d\xD4\xC2%2d\xC8\xD5",
    "%s\xD0\xC7\xC6\xDA",
    "%2d\xCA\xB1%2d\xB7\xD6",
    "%s %2d\xCA\xB1%2d\xB7\xD6",
    "%2d\xC3\xEB",
};

// Texts of es_ES
const char* const kEsEs[kKeyCount] = {
    "DOM",
    "LUN",
    "MAR",
    "MI\xC9",
    "JUE",
    "VIE",
    "S\xC1" "B",
    "A.M.",
    "P.M.",
    "AM",
    "PM",
    "%2d/%2d/%4d",
    "%4d/%2d/%2d",
    "%2d/%2d/%2d",
    "%2d/%2d/%2d",
    "%2d/%2d/%4d",
    "%4d/%2d/%2d",
    " %s ",
    "%2d:%2d",
    "%s %2d:%2d",
    ":%2d",
};

// Texts of es_AR and es_AR.utf8 (ASCII only, so the same bytes in both)
const char* const kEsAr[kKeyCount] = {
    "DOM",
    "LUN",
    "MAR",
    "MIE",
    "JUE",
    "VIE",
    "SAB",
    "A.M.",
    "P.M.",
    "AM",
    "PM",
    "%2d/%2d/%4d",
    "%4d/%2d/%2d",
    "%2d/%2d/%2d",
    "%2d/%2d/%2d",
    "%2d/%2d/%4d",
    "%4d/%2d/%2d",
    " %s ",
    "%2d:%2d",
    "%s %2d:%2d",
    ":%2d",
};

// Texts of es_ES.utf8
const char* const kEsEsUtf8[kKeyCount] = {
    "DOM",
    "LUN",
    "MAR",
    "MI\xC3\x89",
    "JUE",
    "VIE",
    "S\xC3\x81" "B",
    "A.M.",
    "P.M.",
    "AM",
    "PM",
    "%2d/%2d/%4d",
    "%4d/%2d/%2d",
    "%2d/%2d/%2d",
    "%2d/%2d/%2d",
    "%2d/%2d/%4d",
    "%4d/%2d/%2d",
    " %s ",
    "%2d:%2d",
    "%s %2d:%2d",
    ":%2d",
};

void registerTexts(const char* locale, const char* const (&texts)[kKeyCount])
{
    TQGIappLocaleSet()->setLocaleStrings(locale, kKeys, texts, kKeyCount);
}

} // namespace

void _libtqb_lang_init_proc()
{
    registerTexts("en_US", kEnUs);
}

void _libtqb_lang_init_proc1()
{
    registerTexts("ja_JP.eucjp", kJaJpEucjp);
}

void _libtqb_lang_init_proc2()
{
    registerTexts("ja_JP.sjis", kJaJpSjis);
}

void _libtqb_lang_init_proc3()
{
    registerTexts("ja_JP.utf8", kJaJpUtf8);
}

void _libtqb_lang_init_proc4()
{
    registerTexts("ko_KR.euckr", kKoKrEuckr);
}

void _libtqb_lang_init_proc5()
{
    registerTexts("zh_CN", kZhCn);
}

void _libtqb_lang_init_proc6()
{
    registerTexts("es_ES", kEsEs);
    registerTexts("es_AR", kEsAr);
}

void _libtqb_lang_init_proc7()
{
    registerTexts("es_ES.utf8", kEsEsUtf8);
    registerTexts("es_AR.utf8", kEsAr);
}

namespace {

// The initialize manager runs the procedures once the devices exist and
// again when the event loop starts.
const TQCinitializeManager::Registration registration{
    _libtqb_lang_init_proc, _libtqb_lang_init_proc1, _libtqb_lang_init_proc2,
    _libtqb_lang_init_proc3, _libtqb_lang_init_proc4, _libtqb_lang_init_proc5,
    _libtqb_lang_init_proc6, _libtqb_lang_init_proc7};

} // namespace
