// Message catalogue of the Win32 layer: the parts of a font description and
// the font dialog's sample and error texts, in five locales.
#include "_TQCinitializeManager.h"
#include "_TQClocaleSet.h"

namespace {

// Every locale holds every key, in this order; the locale set keeps these
// pointers, so all of them are literals.
const char* const kKeys[] = {
    "",
    "A2:TQSTR Invalid font name: %s\n",
    "B2:TQSTR dots",
    "C2:TQSTR vendor",
    "D2:TQSTR code",
    "E2:TQSTR fmly",
    "F2:TQSTR wght",
    "G2:TQSTR slant",
    "H2:TQSTR ",
    "I2:TQSTR AaBbCcDd\\n12345",
};

const int kKeyCount = sizeof kKeys / sizeof kKeys[0];

// Texts of en_US
const char* const kEnUs[kKeyCount] = {
    "",
    "Invalid font name; %s\n",
    "dots",
    "vendor",
    "code",
    "fmly",
    "wght",
    "",
    "",
    "AaBbCcDd\\n12345",
};

// Texts of ja_JP.eucjp
const char* const kJaJpEucjp[kKeyCount] = {
    "",
    "\xA5\xD5\xA5\xA9\xA5\xF3\xA5\xC8\xA4\xCE\xBB\xD8\xC4\xEA\xA4\xAC\xC0\xB5\xA4\xB7\xA4\xAF\xA4\xA2\xA4\xEA\xA4\xDE\xA4\xBB\xA4\xF3\xA1\xA3 %s\n",
    "\xA5\xC9\xA5\xC3\xA5\xC8",
    "\xA5\xD9\xA5\xF3\xA5\xC0",
    "\xA5\xB3\xA1\xBC\xA5\xC9",
    "\xA5\xD5\xA5\xA1\xA5\xDF\xA5\xEA",
    "\xA5\xA6\xA5\xA7\xA5\xA4\xA5\xC8",
    "\xA5\xB9\xA5\xE9\xA5\xF3\xA5\xC8",
    "\xB3\xB0\xBB\xFA\xA5\xB3\xA1\xBC\xA5\xC9",
    "AaBbCcDd\\n\xA4\xA2\xA4\xA4\xA4\xA6\xA4\xA8\xA4\xAA\\n\xA3\xB1\xA3\xB2\xA3\xB3\xA3\xB4\xA3\xB5",
};

// Texts of ja_JP.sjis
const char* const kJaJpSjis[kKeyCount] = {
    "",
    "\x83t\x83H\x83\x93\x83g\x82\xCC\x8Ew\x92\xE8\x82\xAA\x90\xB3\x82\xB5\x82\xAD\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81" "B %s\n",
    "\x83h\x83" "b\x83g",
    "\x83x\x83\x93\x83_",
    "\x83R\x81[\x83h",
    "\x83t\x83@\x83~\x83\x8A",
    "\x83" "E\x83" "F\x83" "C\x83g",
    "\x83X\x83\x89\x83\x93\x83g",
    "\x8AO\x8E\x9A\x83R\x81[\x83h",
    "AaBbCcDd\\n\x82\xA0\x82\xA2\x82\xA4\x82\xA6\x82\xA8\\n\x82P\x82Q\x82R\x82S\x82T",
};

// Texts of ko_KR.euckr
const char* const kKoKrEuckr[kKeyCount] = {
    "",
    "\xC6\xF9\xC6\xAE\xC0\xC7 \xC1\xF6\xC1\xA4\xC0\xCC \xC6\xB2\xB7\xC8\xBD\xC0\xB4\xCF\xB4\xD9. %s\n",
    "\xB5\xB5\xC6\xAE",
    "\xBA\xA5\xB4\xF5",
    "\xC4\xDA\xB5\xE5",
    "\xC6\xD0\xB9\xD0\xB8\xAE",
    "\xBF\xFE\xC0\xCC\xC6\xAE",
    "\xBD\xBA\xB6\xF5\xC6\xAE",
    "\xBF\xDC\xC0\xDA\xC4\xDA\xB5\xE5",
    "AaBbCcDd\\n\xBE\xC6\xBE\xDF\xBE\xEE\xBF\xA9\\n\xA3\xB1\xA3\xB2\xA3\xB3\xA3\xB4\xA3\xB5",
};

// Texts of zh_CN
const char* const kZhCn[kKeyCount] = {
    "",
    "\xD7\xD6\xCC\xE5\xD6\xB8\xB6\xA8\xB7\xC7\xB7\xA8\xA1\xA3%s\n",
    "\xB5\xE3\xD5\xF3",
    "\xB9\xA9\xD3\xA6\xC9\xCC",
    "\xB1\xE0\xC2\xEB",
    "\xD7\xE5",
    "\xD7\xD6\xBA\xC5",
    "\xD0\xB1\xCC\xE5",
    "\xB7\xC7\xB7\xA8\xB1\xE0\xC2\xEB",
    "AaBbCcDd\\n12345",
};

void registerTexts(const char* locale, const char* const (&texts)[kKeyCount])
{
    TQGIappLocaleSet()->setLocaleStrings(locale, kKeys, texts, kKeyCount);
}

} // namespace

void _libtqwin_lang_init_proc()
{
    registerTexts("en_US", kEnUs);
    registerTexts("ja_JP.eucjp", kJaJpEucjp);
    registerTexts("ja_JP.sjis", kJaJpSjis);
    registerTexts("ko_KR.euckr", kKoKrEuckr);
    registerTexts("zh_CN", kZhCn);
}

namespace {

// The initialize manager runs the procedures once the devices exist and
// again when the event loop starts.
const TQCinitializeManager::Registration registration{_libtqwin_lang_init_proc};

} // namespace
