// The code converter's platform-neutral half: the single instance, the
// system locale name and the two process-wide encoding defaults.
#include "_TQDcodeConvert.h"
#include "_TQClocaleSet.h"

#include <cstdio>
#include <cstring>

namespace {

TQDcodeConvert* g_instance = nullptr;

long __tqgv_default_encoding = -1;
long __tqgv_system_default_encoding = 0;

const size_t kNameSize = 32;

// Two-letter language codes and the locale name each one stands for.
const char* const kLanguageLocales[][2] = {
    {"es", "es_ES"}, {"cs", "cs_CZ"}, {"he", "he_IL"},
    {"hr", "hr_HR"}, {"hu", "hu_HU"}, {"pl", "pl_PL"},
    {"ro", "ro_RO"}, {"ru", "ru_RU"}, {"zh", "zh_CN"},
    {"af", "af_ZA"}, {"be", "be_BY"}, {"bg", "bg_BG"},
    {"br", "br_FR"}, {"bs", "bs_BA"}, {"ca", "ca_ES"},
    {"cy", "cy_GB"}, {"da", "da_DK"}, {"de", "de_DE"},
    {"el", "el_GR"}, {"et", "et_EE"}, {"eu", "eu_ES"},
    {"fa", "fa_IR"}, {"fi", "fi_FI"}, {"fo", "fo_FO"},
    {"fr", "fr_FR"}, {"ga", "ga_IE"}, {"gl", "gl_ES"},
    {"gv", "gv_GB"}, {"hi", "hi_IN"}, {"id", "id_ID"},
    {"is", "is_IS"}, {"it", "it_IT"}, {"iw", "iw_IL"},
    {"ka", "ka_GE"}, {"kl", "kl_GL"}, {"kw", "kw_GB"},
    {"lt", "lt_LT"}, {"mi", "mi_NZ"}, {"mk", "mk_MK"},
    {"mr", "mr_IN"}, {"ms", "ms_MY"}, {"mt", "mt_MT"},
    {"nl", "nl_NL"}, {"nn", "nn_NO"}, {"no", "no_NO"},
    {"oc", "oc_FR"}, {"pt", "pt_PT"}, {"se", "se_NO"},
    {"sk", "sk_SK"}, {"sl", "sl_SI"}, {"sq", "sq_AL"},
    {"sr", "sr_YU"}, {"ta", "ta_IN"}, {"tg", "tg_IN"},
    {"th", "th_TH"}, {"tl", "tl_PH"}, {"tr", "tr_TR"},
    {"uk", "uk_UA"}, {"ur", "ur_PK"}, {"uz", "uz_UZ"},
    {"vi", "vi_VN"}, {"wa", "wa_BE"}, {"yi", "yi_US"},
};

// Encodings whose system locale name is fixed whatever the platform says.
const char* fixedLocaleName(long encoding)
{
    switch (encoding) {
    case TQENC_EUCJP: return "ja_JP.eucjp";
    case TQENC_SJIS: return "ja_JP.sjis";
    case TQENC_EUCKR: return "ko_KR.euckr";
    case TQENC_EUCCN: return "zh_CN";
    default: return nullptr;
    }
}

const char* localeOfLanguage(const char* language)
{
    for (const auto& row : kLanguageLocales) {
        if (strcmp(language, row[0]) == 0)
            return row[1];
    }
    return nullptr;
}

// The platform's name is copied with a bound (it comes from the user's LANG)
// and cut at its first '.'.
void copyLanguagePart(char* work, const char* name)
{
    memset(work, 0, kNameSize);
    if (name)
        strncpy(work, name, kNameSize - 1);
    char* dot = strchr(work, '.');
    if (dot)
        *dot = '\0';
}

size_t measuredLength(const char* src, int srcLength)
{
    if (!src)
        return 0;
    return srcLength < 0 ? strlen(src) : static_cast<size_t>(srcLength);
}

size_t measuredUnits(const u16* src, int srcLength)
{
    if (!src)
        return 0;
    if (srcLength >= 0)
        return static_cast<size_t>(srcLength);
    size_t n = 0;
    while (src[n])
        ++n;
    return n;
}

} // namespace

TQDcodeConvert::TQDcodeConvert()
{
    memset(m_systemLocaleName, 0, sizeof m_systemLocaleName);
    strcpy(m_systemLocaleName, "en_US");
}

TQDcodeConvert::~TQDcodeConvert() = default;

void TQDcodeConvert::setSystemLocaleName(const char* name, long encoding)
{
    const char* fixed = fixedLocaleName(encoding);
    if (fixed) {
        snprintf(m_systemLocaleName, kNameSize, "%s", fixed);
        return;
    }

    char work[kNameSize];
    copyLanguagePart(work, name);
    const char* suffix = encoding == TQENC_UTF8 ? ".utf8" : "";

    if (strcmp(work, "ja") == 0 && encoding == TQENC_UTF8) {
        snprintf(m_systemLocaleName, kNameSize, "%s", "ja_JP.utf8");
        return;
    }
    if (work[0] == '\0' || strcmp(work, "C") == 0) {
        snprintf(m_systemLocaleName, kNameSize, "%s", "en_US");
        return;
    }
    const char* locale = localeOfLanguage(work);
    snprintf(m_systemLocaleName, kNameSize, "%s%s", locale ? locale : work, suffix);
}

char* TQDcodeConvert::getSystemLocaleName()
{
    return m_systemLocaleName;
}

int TQDplainCodeConvert::codeConvert(char* dst, int dstSize, int, const char* src,
                                     int srcLength, int)
{
    size_t n = measuredLength(src, srcLength);
    if (!dst || dstSize < 1)
        return static_cast<int>(n);
    if (n > static_cast<size_t>(dstSize - 1))
        n = static_cast<size_t>(dstSize - 1);
    if (n)
        memmove(dst, src, n);
    dst[n] = '\0';
    return static_cast<int>(n);
}

long TQDplainCodeConvert::getSystemEncoding()
{
    return TQENC_C;
}

void TQDplainCodeConvert::initialize()
{
    TQGFsetSystemDefaultEncoding(getSystemEncoding());
    setSystemLocaleName("C", getSystemEncoding());
}

int TQDplainCodeConvert::utf8CharLen(const char* s, int length)
{
    if (!s || length <= 1)
        return 1;
    unsigned char lead = static_cast<unsigned char>(s[0]);
    int want = lead >= 0xF0 && lead < 0xF8 ? 4
             : lead >= 0xE0 ? 3
             : lead >= 0xC0 ? 2
             : 1;
    if (lead >= 0xF8)
        want = 1;
    if (want > length)
        want = length;
    // Stop at the first byte that does not continue the sequence.
    for (int i = 1; i < want; ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            return i;
    }
    return want;
}

int TQDplainCodeConvert::encode(u16* dst, int dstLength, const char* src,
                                int srcLength, int)
{
    size_t n = measuredLength(src, srcLength);
    if (!dst || dstLength < 1)
        return static_cast<int>(n);
    if (n > static_cast<size_t>(dstLength - 1))
        n = static_cast<size_t>(dstLength - 1);
    for (size_t i = 0; i < n; ++i)
        dst[i] = static_cast<unsigned char>(src[i]);
    dst[n] = 0;
    return static_cast<int>(n);
}

int TQDplainCodeConvert::decode(char* dst, int dstLength, const u16* src,
                                int srcLength, int)
{
    size_t n = measuredUnits(src, srcLength);
    if (!dst || dstLength < 1)
        return static_cast<int>(n);
    if (n > static_cast<size_t>(dstLength - 1))
        n = static_cast<size_t>(dstLength - 1);
    for (size_t i = 0; i < n; ++i)
        dst[i] = src[i] < 256 ? static_cast<char>(src[i]) : '?';
    dst[n] = '\0';
    return static_cast<int>(n);
}

TQDcodeConvert* TQGIappCodeConvert()
{
    if (g_instance)
        return g_instance;
    g_instance = TQDcodeConvert::createFromHandler();
    if (g_instance)
        return g_instance;

    // Every caller needs a converter: until the platform installs its factory
    // a plain one stands in, and the next call tries the factory again.
    static TQDplainCodeConvert plain;
    printf("ERROR: TQDcodeConvert create global instance..\n");
    return &plain;
}

void TQGFsetDefaultEncoding(long encoding)
{
    __tqgv_default_encoding = encoding;
    TQGIappLocaleSet()->setDefaultEncoding(encoding);
}

long TQGFgetDefaultEncoding()
{
    return __tqgv_default_encoding;
}

void TQGFsetSystemDefaultEncoding(long encoding)
{
    __tqgv_system_default_encoding = encoding;
}

long TQGFgetSystemDefaultEncoding()
{
    return __tqgv_system_default_encoding;
}
