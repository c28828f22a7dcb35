// Message catalogue of the libtqc library: the wizard dialog's button labels
// and the file selector's message when a directory cannot be created, in
// ten locales.
#include "_TQCinitializeManager.h"
#include "_TQClocaleSet.h"

namespace {

// Every locale holds every key, in this order; the locale set keeps these
// pointers, so all of them are literals.
const char* const kKeys[] = {
    "F:TQSTRCannot create directory:",
    "G:TQSTR.",
    "c:TQSTR < Back,Next >,Finish",
    "d:TQSTR < Back",
    "e:TQSTR Next >",
    "f:TQSTR Finish",
};

const int kKeyCount = sizeof kKeys / sizeof kKeys[0];

// Texts of en_US
const char* const kEnUs[kKeyCount] = {
    "Cannot create directory:\n",
    "",
    "< Back,Next >,Finish",
    "< Back",
    "Next >",
    "Finish",
};

// Texts of ja_JP.eucjp
const char* const kJaJpEucjp[kKeyCount] = {
    "\xA5\xC7\xA5\xA3\xA5\xEC\xA5\xAF\xA5\xC8\xA5\xEA:",
    "\n\xA4\xAC\xBA\xEE\xC0\xAE\xA4\xC7\xA4\xAD\xA4\xDE\xA4\xBB\xA4\xF3\xA1\xA3",
    "< \xCC\xE1\xA4\xEB,\xBC\xA1\xA4\xD8 >,\xB4\xB0\xCE\xBB",
    "< \xCC\xE1\xA4\xEB",
    "\xBC\xA1\xA4\xD8 >",
    "\xB4\xB0\xCE\xBB",
};

// Texts of ja_JP.sjis
const char* const kJaJpSjis[kKeyCount] = {
    "\x83" "f\x83" "B\x83\x8C\x83N\x83g\x83\x8A:",
    "\n\x82\xAA\x8D\xEC\x90\xAC\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x81" "B",
    "< \x96\xDF\x82\xE9,\x8E\x9F\x82\xD6 >,\x8A\xAE\x97\xB9",
    "< \x96\xDF\x82\xE9",
    "\x8E\x9F\x82\xD6 >",
    "\x8A\xAE\x97\xB9",
};

// Texts of ja_JP.utf8
const char* const kJaJpUtf8[kKeyCount] = {
    "\xE3\x83\x87\xE3\x82\xA3\xE3\x83\xAC\xE3\x82\xAF\xE3\x83\x88\xE3\x83\xAA:",
    "\n\xE3\x81\x8C\xE4\xBD\x9C\xE6\x88\x90\xE3\x81\xA7\xE3\x81\x8D\xE3\x81\xBE\xE3\x81\x9B\xE3\x82\x93\xE3\x80\x82",
    "< \xE6\x88\xBB\xE3\x82\x8B,\xE6\xAC\xA1\xE3\x81\xB8 >,\xE5\xAE\x8C\xE4\xBA\x86",
    "< \xE6\x88\xBB\xE3\x82\x8B",
    "\xE6\xAC\xA1\xE3\x81\xB8 >",
    "\xE5\xAE\x8C\xE4\xBA\x86",
};

// Texts of ko_KR.euckr
const char* const kKoKrEuckr[kKeyCount] = {
    "\xB5\xF0\xB7\xBA\xC5\xCD\xB8\xAE:",
    "\n\xB8\xA6(\xC0\xBB) \xC0\xDB\xBC\xBA \xB8\xF8\xC7\xD5\xB4\xCF\xB4\xD9.",
    "< \xB5\xDA\xB7\xCE,\xBE\xD5\xC0\xB8\xB7\xCE >,\xB3\xA1",
    "< \xB5\xDA\xB7\xCE",
    "\xBE\xD5\xC0\xB8\xB7\xCE >",
    "\xB3\xA1",
};

// Texts of zh_CN
const char* const kZhCn[kKeyCount] = {
    "\xC4\xBF\xC2\xBC:",
    "\n\xC9\xFA\xB3\xC9\xCA\xA7\xB0\xDC\xA1\xA3",
    "< \xB7\xB5\xBB\xD8,\xCF\xC2\xD2\xBB\xB2\xBD >,\xBD\xE1\xCA\xF8",
    "< \xB7\xB5\xBB\xD8",
    "\xCF\xC2\xD2\xBB\xB2\xBD >",
    "\xBD\xE1\xCA\xF8",
};

// Texts of es_ES and es_ES.utf8 (ASCII only, so the same bytes in both)
const char* const kEsEs[kKeyCount] = {
    "No se puede crear el directorio\n",
    "",
    "< Volver,Siguiente >,Terminar",
    "< Volver",
    "Siguiente >",
    "Terminar",
};

// Texts of es_AR and es_AR.utf8 (ASCII only, so the same bytes in both)
const char* const kEsAr[kKeyCount] = {
    "No puede crear directorio\n",
    "",
    "< Volver,Siguiente >,Terminar",
    "< Volver",
    "Siguiente >",
    "Terminar",
};

void registerTexts(const char* locale, const char* const (&texts)[kKeyCount])
{
    TQGIappLocaleSet()->setLocaleStrings(locale, kKeys, texts, kKeyCount);
}

} // namespace

void _libtqc_lang_init_proc()
{
    registerTexts("en_US", kEnUs);
}

void _libtqc_lang_init_proc1()
{
    registerTexts("ja_JP.eucjp", kJaJpEucjp);
}

void _libtqc_lang_init_proc2()
{
    registerTexts("ja_JP.sjis", kJaJpSjis);
}

void _libtqc_lang_init_proc3()
{
    registerTexts("ja_JP.utf8", kJaJpUtf8);
}

void _libtqc_lang_init_proc4()
{
    registerTexts("ko_KR.euckr", kKoKrEuckr);
}

void _libtqc_lang_init_proc5()
{
    registerTexts("zh_CN", kZhCn);
}

void _libtqc_lang_init_proc6()
{
    registerTexts("es_ES", kEsEs);
    registerTexts("es_AR", kEsAr);
}

void _libtqc_lang_init_proc7()
{
    registerTexts("es_ES.utf8", kEsEs);
    registerTexts("es_AR.utf8", kEsAr);
}

namespace {

// The initialize manager runs the procedures once the devices exist and
// again when the event loop starts.
const TQCinitializeManager::Registration registration{
    _libtqc_lang_init_proc, _libtqc_lang_init_proc1, _libtqc_lang_init_proc2,
    _libtqc_lang_init_proc3, _libtqc_lang_init_proc4, _libtqc_lang_init_proc5,
    _libtqc_lang_init_proc6, _libtqc_lang_init_proc7};

} // namespace
