// The system locale name and system encoding, found once per process from
// the system default locale identifier and the LANG variable.
#include "TQwin32.h"

#include "XUconvert.h"
#include "XUtables.h"
#include "_TQDcodeConvert.h"
#include "_TQGFstring.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// -1: the platform's ANSI code page; 0: not yet known.
long g_encoding = 0;
// A copy of LANG of any length, one of the fixed names, or null for "C".
char* g_lang = nullptr;
bool g_initDone = false;

const struct {
    unsigned short lcid;
    const char* name;
} kLocaleNames[] = {
    {0x0401, "ar_SA"}, {0x0402, "bg_BG"}, {0x0403, "ca_ES"}, {0x0404, "zh_TW"},
    {0x0405, "cs_CZ"}, {0x0406, "da_DK"}, {0x0407, "de_DE"}, {0x0408, "el_GR"},
    {0x0409, "en_US"}, {0x040A, "es_ES"}, {0x040B, "fi_FI"}, {0x040C, "fr_FR"},
    {0x040D, "he_IL"}, {0x040E, "hu_HU"}, {0x040F, "is_IS"}, {0x0410, "it_IT"},
    {0x0411, "ja_JP"}, {0x0412, "ko_KP"}, {0x0413, "nl_NL"}, {0x0414, "nb_NO"},
    {0x0415, "pl_PL"}, {0x0416, "pt_BR"}, {0x0418, "ro_RO"}, {0x0419, "ru_RU"},
    {0x041A, "hr_HR"}, {0x041B, "sk_SK"}, {0x041C, "sq_AL"}, {0x041D, "sv_SE"},
    {0x041E, "th_TH"}, {0x041F, "tr_TR"}, {0x0421, "id_ID"}, {0x0422, "uk_UA"},
    {0x0423, "be_BY"}, {0x0424, "sl_SI"}, {0x0425, "et_EE"}, {0x0426, "lv_LV"},
    {0x0427, "lt_LT"}, {0x0429, "fa_IR"}, {0x042D, "eu_ES"}, {0x0436, "af_ZA"},
    {0x0438, "fo_FO"}, {0x0801, "ar_IQ"}, {0x0804, "zh_CN"}, {0x0807, "de_CH"},
    {0x0809, "en_GB"}, {0x080A, "es_MX"}, {0x080C, "fr_BE"}, {0x0810, "it_CH"},
    {0x0812, "ko_KR"}, {0x0813, "nl_BE"}, {0x0814, "nn_NO"}, {0x0816, "pt_PT"},
    {0x081A, "sr_CS"}, {0x081D, "sv_FI"}, {0x0C01, "ar_EG"}, {0x0C04, "zh_HK"},
    {0x0C07, "de_AT"}, {0x0C09, "en_AU"}, {0x0C0A, "es_ES"}, {0x0C0C, "fr_CA"},
    {0x0C1A, "sr_CS"}, {0x1001, "ar_LY"}, {0x1004, "zh_SG"}, {0x1007, "de_LU"},
    {0x1009, "en_CA"}, {0x100A, "es_GT"}, {0x100C, "fr_CH"}, {0x1401, "ar_DZ"},
    {0x1407, "de_LI"}, {0x1409, "en_NZ"}, {0x140A, "es_CR"}, {0x140C, "fr_LU"},
    {0x1801, "ar_MA"}, {0x1809, "en_IE"}, {0x180A, "es_PA"}, {0x1C01, "ar_TN"},
    {0x1C09, "en_ZA"}, {0x1C0A, "es_DO"}, {0x2001, "ar_OM"}, {0x2009, "en_JM"},
    {0x200A, "es_VE"}, {0x2401, "ar_YE"}, {0x2409, "en_??"}, {0x240A, "es_CO"},
    {0x2801, "ar_SY"}, {0x2809, "en_BZ"}, {0x280A, "es_PE"}, {0x2C01, "ar_JO"},
    {0x2C09, "en_TT"}, {0x2C0A, "es_AR"}, {0x3001, "ar_LB"}, {0x300A, "es_EC"},
    {0x3401, "ar_KW"}, {0x340A, "es_CL"}, {0x3801, "ar_AE"}, {0x380A, "es_UY"},
    {0x3C01, "ar_BH"}, {0x3C0A, "es_PY"}, {0x4001, "ar_QA"}, {0x400A, "es_BO"},
    {0x440A, "es_SV"}, {0x480A, "es_HN"}, {0x4C0A, "es_NI"}, {0x500A, "es_PR"},
};

// Locales whose text the ANSI code page carries as it is.
const char* const kAnsiLocales[] = {
    "es_ES", "ca_ES", "eu_ES", "fr_FR", "fr_BE", "fr_LU", "en_GB", "en_IE",
    "de_DE", "de_AT", "de_LU", "it_IT", "pt_PT", "nl_NL", "nl_BE",
};

void setLang(const char* name)
{
    delete[] g_lang;
    g_lang = nullptr;
    if (name) {
        g_lang = new char[std::strlen(name) + 1];
        std::strcpy(g_lang, name);
    }
}

// The first guess from the primary language: the encoding, and for the
// languages with a fixed name that name (null otherwise).
long guessFromLanguage(unsigned long lcid, const char** fixedName)
{
    const unsigned long language = lcid & 0x3FF;
    const unsigned long sublanguage = (lcid >> 10) & 0x3F;
    *fixedName = nullptr;
    switch (language) {
    case 0x11: *fixedName = "ja_JP.sjis"; return 21;
    case 0x12: *fixedName = "ko_KR.euckr"; return 30;
    case 0x19: *fixedName = "ru_RU"; return 60;
    case 0x04:
        if (sublanguage == 2) {
            *fixedName = "zh_CN";
            return 40;
        }
        if (sublanguage == 1) {
            *fixedName = "zh_TW";
            return 50;
        }
        return 0;
    default:
        return -1;
    }
}

void XUInitEncoding()
{
    const char* name = XUGetLang();
    for (const char* ansi : kAnsiLocales) {
        if (std::strcmp(name, ansi) == 0) {
            g_encoding = -1;
            return;
        }
    }
    if (g_encoding == 0)
        g_encoding = TQGFgetEncoding(name);
}

void XUInitLocale()
{
    setLang(std::getenv("LANG"));
    XUInitEncoding();
}

// LANG for a system that has none, from the full locale identifier. The
// environment keeps the entry, so it lives in static storage.
void setLangFromLcid(unsigned long lcid)
{
    static char entry[16];
    char* name = nullptr;
    lcid2locale(static_cast<long>(lcid), &name);
    std::snprintf(entry, sizeof entry, "LANG=%s",
                  std::strncmp(name, "es", 2) == 0 ? "es_ES" : name);
    delete[] name;
    _putenv(entry);
}

} // namespace

void XUInitSystemLocale(unsigned long lcid)
{
    const char* fixedName = nullptr;
    g_encoding = guessFromLanguage(lcid, &fixedName);
    setLang(fixedName);

    if (std::getenv("LANG")) {
        g_encoding = 0;
        XUInitLocale();
    } else if (g_encoding == -1) {
        setLangFromLcid(lcid);
        g_encoding = 0;
        XUInitLocale();
    }
    TQGFsetSystemDefaultEncoding(g_encoding);
}

void XUInit()
{
    if (g_initDone)
        return;
    g_initDone = true;
    XUInitSystemLocale(GetSystemDefaultLCID());
    XUInitTable();
}

char* XUGetLang()
{
    static char plain[] = "C";
    return g_lang ? g_lang : plain;
}

long XUGetLocale()
{
    return g_encoding;
}

void XUInitTable()
{
    xutables::rebuildReverse();
}

int lcid2locale(long lcid, char** name)
{
    const char* found = "C";
    int known = 0;
    for (const auto& row : kLocaleNames) {
        if (row.lcid == lcid) {
            found = row.name;
            known = 1;
            break;
        }
    }
    *name = new char[6];
    std::snprintf(*name, 6, "%s", found);
    return known;
}
