// The Win32 layer's own message catalogue, as the initialize manager
// registers it at start-up.
#include <gtest/gtest.h>

#include "TQDwinCodeConvert.h"
#include "_TQCinitializeManager.h"
#include "_TQClocaleSet.h"

#include <string>

namespace {

std::string toUtf8(const char* stored, int encoding)
{
    TQDwinCodeConvert cc;
    char out[256];
    cc.codeConvert(out, sizeof out, 16, stored, -1, encoding);
    return out;
}

class PlatformCatalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite() { TQGIappInitializeManager()->execInitializeProcs(); }
};

} // namespace

TEST_F(PlatformCatalogue, EnglishTexts)
{
    TQClocaleSet* set = TQGIappLocaleSet();
    EXPECT_STREQ("", set->getLocaleString("en_US", "", 0));
    EXPECT_STREQ("Invalid font name; %s\n",
                 set->getLocaleString("en_US", "A2:TQSTR Invalid font name: %s\n", 0));
    EXPECT_STREQ("dots", set->getLocaleString("en_US", "B2:TQSTR dots", 0));
    EXPECT_STREQ("", set->getLocaleString("en_US", "G2:TQSTR slant", 0));
    EXPECT_STREQ("AaBbCcDd\\n12345", set->getLocaleString("en_US", "I2:TQSTR AaBbCcDd\\n12345", 0));
}

TEST_F(PlatformCatalogue, TextsOfTheFourOtherLocales)
{
    const struct {
        const char* locale;
        int encoding;
        const char* dots;
        const char* sample;
    } rows[] = {
        {"ja_JP.eucjp", 20, "ドット", "AaBbCcDd\\nあいうえお\\n１２３４５"},
        {"ja_JP.sjis", 21, "ドット", "AaBbCcDd\\nあいうえお\\n１２３４５"},
        {"ko_KR.euckr", 30, "도트", "AaBbCcDd\\n아야어여\\n１２３４５"},
        {"zh_CN", 40, "点阵", "AaBbCcDd\\n12345"},
    };
    TQClocaleSet* set = TQGIappLocaleSet();
    for (const auto& row : rows) {
        EXPECT_EQ(row.dots, toUtf8(set->getLocaleString(row.locale, "B2:TQSTR dots", 0), row.encoding))
            << row.locale;
        EXPECT_EQ(row.sample, toUtf8(set->getLocaleString(row.locale, "I2:TQSTR AaBbCcDd\\n12345", 0),
                                     row.encoding))
            << row.locale;
    }
    EXPECT_EQ("外字コード", toUtf8(set->getLocaleString("ja_JP.sjis", "H2:TQSTR ", 0), 21));
}

// A set of its own: an entry added to the application's set would stay
// there for every later test.
TEST_F(PlatformCatalogue, OtherLocalesAnswerInEnglish)
{
    TQClocaleSet set;
    set.setLocaleString("es_ES", "x:TQSTR unrelated", "x");
    EXPECT_STREQ("dots", set.getLocaleString("es_ES", "B2:TQSTR dots", 0));
}
