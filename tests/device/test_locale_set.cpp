// The locale set: storing and looking up texts, the converted copies, the
// "en_US" fallback and the choice of the default locale.
#include <gtest/gtest.h>

#include "FakeCodeConvert.h"
#include "_TQClocale.h"
#include "_TQClocaleSet.h"

#include <cstring>
#include <string>

namespace {

class LocaleSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FakeCodeConvert::install();
        cc = TQGIappCodeConvert();
        savedDefaultEncoding = TQGFgetDefaultEncoding();
    }
    void TearDown() override
    {
        cc->initialize();  // back to the converter's own system locale name
        TQGIappLocaleSet()->setDefaultEncoding(savedDefaultEncoding);
        TQGFsetDefaultEncoding(savedDefaultEncoding);
    }

    TQDcodeConvert* cc = nullptr;
    long savedDefaultEncoding = -1;
};

} // namespace

TEST_F(LocaleSetTest, LaterRegistrationOfAKeyReplacesItsText)
{
    TQClocaleSet set;
    set.setLocaleString("ja_JP.sjis", "a:TQSTR One", "first");
    set.setLocaleString("ja_JP.sjis", "a:TQSTR One", "second");
    EXPECT_EQ(1, set.getLocale("ja_JP.sjis")->getNum());
    EXPECT_STREQ("second", set.getLocaleString("ja_JP.sjis", "a:TQSTR One", 0));
}

TEST_F(LocaleSetTest, StoredEncodingOrZeroGivesTheRegisteredPointer)
{
    TQClocaleSet set;
    static const char text[] = "\x82\xA0";
    set.setLocaleString("ja_JP.sjis", "a:TQSTR A", text);
    EXPECT_EQ(text, set.getLocaleString("ja_JP.sjis", "a:TQSTR A", 21));
    EXPECT_EQ(text, set.getLocaleString("ja_JP.sjis", "a:TQSTR A", 0));
    EXPECT_EQ(21, set.getLocale("ja_JP.sjis")->getEncoding());
    set.setLocaleString("de_DE", "x", "y");
    EXPECT_EQ(1, set.getLocale("de_DE")->getEncoding()) << "a name without encoding";
}

TEST_F(LocaleSetTest, ConvertedTextIsMadeOncePerKeyAndEncoding)
{
    TQClocaleSet set;
    set.setLocaleString("ja_JP.utf8", "a:TQSTR A", "\xE3\x81\x82");
    set.setLocaleString("ja_JP.utf8", "b:TQSTR Empty", "");
    char* sjis = set.getLocaleString("ja_JP.utf8", "a:TQSTR A", 21);
    EXPECT_STREQ("\x82\xA0", sjis);
    EXPECT_EQ(sjis, set.getLocaleString("ja_JP.utf8", "a:TQSTR A", 21));
    EXPECT_STREQ("\xA4\xA2", set.getLocaleString("ja_JP.utf8", "a:TQSTR A", 20));
    EXPECT_STREQ("", set.getLocaleString("ja_JP.utf8", "b:TQSTR Empty", 21));
}

// Keys "k:TQSTR p" and "k:TQSTR x" share a bucket. A caller's buffer that
// held one and now holds the other must not find the first one's copy.
TEST_F(LocaleSetTest, ConvertedCopiesDoNotDependOnTheCallersKeyBuffer)
{
    TQClocaleSet set;
    set.setLocaleString("ja_JP.utf8", "k:TQSTR p", "\xE3\x81\x82");
    set.setLocaleString("ja_JP.utf8", "k:TQSTR x", "\xE3\x81\x84");
    char key[16];
    std::strcpy(key, "k:TQSTR p");
    EXPECT_STREQ("\x82\xA0", set.getLocaleString("ja_JP.utf8", key, 21));
    std::strcpy(key, "k:TQSTR x");
    EXPECT_STREQ("\x82\xA2", set.getLocaleString("ja_JP.utf8", key, 21));
    std::strcpy(key, "k:TQSTR p");
    EXPECT_STREQ("\x82\xA0", set.getLocaleString("ja_JP.utf8", key, 21));
}

TEST_F(LocaleSetTest, MissingKeysFallBackToEnglishOrComeBackThemselves)
{
    TQGIappLocaleSet()->setLocaleString("en_US", "t1:TQSTR Only English", "Only English");
    TQClocaleSet set;
    set.setLocaleString("ja_JP.sjis", "t2:TQSTR Null", nullptr);

    ::testing::internal::CaptureStderr();
    EXPECT_STREQ("Only English", set.getLocaleString("ja_JP.sjis", "t1:TQSTR Only English", 0));
    const char* untagged = "no tag here";
    EXPECT_EQ(untagged, set.getLocaleString("ja_JP.sjis", untagged, 0));
    EXPECT_EQ("", ::testing::internal::GetCapturedStderr());

    ::testing::internal::CaptureStderr();
    const char* nowhere = "t2:TQSTR Null";
    EXPECT_EQ(nowhere, set.getLocaleString("ja_JP.sjis", nowhere, 0)) << "a null text is missing";
    EXPECT_EQ("TQClocale::getString locale=en_US index=t2:TQSTR Null not found.\n",
              ::testing::internal::GetCapturedStderr());
}

TEST_F(LocaleSetTest, UnknownLocaleGivesTheLocaleArgument)
{
    TQClocaleSet set;
    const char* name = "xx_XX";
    EXPECT_EQ(name, set.getLocaleString(name, "a:TQSTR A", 0));
}

TEST_F(LocaleSetTest, SystemLocaleWithoutCatalogueBecomesAnEmptyDefault)
{
    cc->setSystemLocaleName("de", 1);
    TQGIappLocaleSet()->setLocaleString("en_US", "t3:TQSTR Hello", "Hello");
    TQClocaleSet set;
    set.setLocaleString("ja_JP.sjis", "t3:TQSTR Hello", "\x82\xA0");
    EXPECT_STREQ("de_DE", set.getDefaultLocaleName());
    EXPECT_EQ(0, set.getDefaultLocale()->getNum());
    EXPECT_STREQ("Hello", set.getDefaultLocale()->getString("t3:TQSTR Hello", 0));
}

TEST_F(LocaleSetTest, SystemLocaleCatalogueWinsOverAnEarlierDefault)
{
    cc->setSystemLocaleName("ja", 21);
    TQClocaleSet set;
    set.setLocaleString("ja_JP.sjis", "a:TQSTR A", "\x82\xA0");
    set.setDefaultLocale("es_ES");
    EXPECT_STREQ("ja_JP.sjis", set.getDefaultLocaleName());
    set.setDefaultLocale("es_ES");
    EXPECT_STREQ("es_ES", set.getDefaultLocaleName());
}

// The system locale name comes from LANG, which may be of any length.
TEST_F(LocaleSetTest, LongSystemLocaleNameGivesABoundedDefaultLocale)
{
    cc->setSystemLocaleName(std::string(300, 'z').c_str(), 2);
    TQClocaleSet set;
    EXPECT_EQ(31u, std::strlen(set.getDefaultLocaleName()));
}

TEST_F(LocaleSetTest, ApplicationSetAndApplicationDefaultShareOneEncoding)
{
    TQClocaleSet local;
    EXPECT_EQ(cc->getSystemEncoding(), local.getDefaultEncoding()) << "none set yet";
    local.setDefaultEncoding(20);
    EXPECT_EQ(20, local.getDefaultEncoding());
    EXPECT_EQ(savedDefaultEncoding, TQGFgetDefaultEncoding()) << "a private set leaves it";

    TQGIappLocaleSet()->setDefaultEncoding(21);
    EXPECT_EQ(21, TQGFgetDefaultEncoding());
    TQGIappLocaleSet()->setLocaleString("en_US", "t4:TQSTR Text", "Text");
    EXPECT_STREQ("Text", TQGFgettext("t4:TQSTR Text"));

    TQGFsetDefaultEncoding(20);
    EXPECT_EQ(20, TQGIappLocaleSet()->getDefaultEncoding());
}
