// GDI fonts: descriptions parsed into logical fonts, heights and widths as
// GDI measures them, printer copies, set-up strings and the default lists
// chosen by locale and LANG.
#include <gtest/gtest.h>

#include "DibSurface.h"
#include "EnvGuard.h"
#include "TQDwinfont.h"
#include "TQwin32.h"
#include "WinCodeConverter.h"
#include "_TQCfontSet.h"
#include "_TQCstring.h"

#include <string>

namespace {

LOGFONTA logFontOf(const char* description)
{
    TQDwinfont font;
    font.setFontName(description);
    font.initialize();
    return *font.getLogFont();
}

} // namespace

TEST(WinFont, DescriptionGivesTheLogicalFont)
{
    LOGFONTA lf = logFontOf("20,0,0,0,700,1,0,0,0,0,0,0,0,Arial");
    EXPECT_EQ(20, lf.lfHeight);
    EXPECT_EQ(700, lf.lfWeight);
    EXPECT_EQ(1, lf.lfItalic);
    EXPECT_STREQ("Arial", lf.lfFaceName);

    EXPECT_STREQ("", logFontOf("12,0,0,0,400,0,0,0,0,0,0,0,0,NULL").lfFaceName);
    EXPECT_STREQ("Courier", logFontOf("12,0,0,0,400,0,0,0,0,0,0,0,0,Courier New").lfFaceName)
        << "the face ends at the first blank";
    EXPECT_EQ(0, logFontOf("15,3").lfWeight) << "missing fields are 0";

    std::string longFace(40, 'F');
    lf = logFontOf(("12,0,0,0,400,0,0,0,0,0,0,0,0," + longFace).c_str());
    EXPECT_EQ(std::string(31, 'F'), lf.lfFaceName) << "at most 31 characters are read";
}

TEST(WinFont, AFontWithoutDescriptionUsesTheBuiltInOne)
{
    TQDwinfont font;
    EXPECT_NE(-1, font.getValue1());
    EXPECT_EQ(13, font.getLogFont()->lfHeight);
    EXPECT_EQ(128, font.getLogFont()->lfCharSet);
}

TEST(WinFont, VirtualFontTakesItsHeightFromItsName)
{
    TQDwinfont font;
    font.setFontName("20,0,0,0,400,0,0,0,0,0,0,0,0,Arial");
    font.setVirtualFlag(1);
    font.setFontName(("30 " + std::string(200, 'x')).c_str());
    EXPECT_EQ(30, font.getFontHeight());
    EXPECT_STREQ("Arial", font.getLogFont()->lfFaceName);
}

TEST(WinFont, HeightIsTheDescribedOneWidthIsWhatGdiMeasures)
{
    useWinCodeConverter();
    TQDwinfont font;
    font.setFontName("18,0,0,0,400,0,0,0,0,0,0,0,0,Arial");
    TQCstring empty("", 16);
    TQCstring text("Wide text", 16);
    EXPECT_EQ(18, font.getStringHeight(&empty));
    EXPECT_EQ(18, font.getStringHeight(&text));
    EXPECT_EQ(18, font.getFontHeight());

    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(font.getValue1()));
    SIZE size = {0, 0};
    GetTextExtentPoint32W(dc, L"Wide text", 9, &size);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    EXPECT_GT(size.cx, 0);
    EXPECT_EQ(size.cx, font.getStringWidth(&text));
    EXPECT_EQ(metrics.tmAscent, font.getAscent());
    EXPECT_EQ(metrics.tmDescent, font.getDescent());
}

TEST(WinFont, ScaledCopyIsKeptWhileTheScaleStays)
{
    TQDwinfont font;
    font.setFontName("10,4,0,0,400,0,0,0,0,0,0,0,0,Arial");
    void* twice = font.getScaledFont(2.0, 2.0);
    ASSERT_NE(nullptr, twice);
    EXPECT_EQ(twice, font.getScaledFont(2.0, 2.0));
    void* thrice = font.getScaledFont(3.0, 3.0);
    LOGFONTA lf = {};
    GetObjectA(static_cast<HGDIOBJ>(thrice), sizeof lf, &lf);
    EXPECT_EQ(30, lf.lfHeight);
    EXPECT_EQ(12, lf.lfWidth);
    EXPECT_EQ(10, font.getLogFont()->lfHeight) << "the screen font is unchanged";
}

TEST(WinFont, SetUpStringGivesNumberAndDescription)
{
    TQDwinfont font;
    char setup[] = "3,20,0,0,0,700,0,0,0,0,0,0,0,0,Arial";
    EXPECT_EQ(0, _winfont_setup_handler(&font, setup));
    EXPECT_EQ(3, font.getId());
    EXPECT_STREQ("20,0,0,0,700,0,0,0,0,0,0,0,0,Arial", font.getFontName());

    char shortSetup[] = "5";
    _winfont_setup_handler(&font, shortSetup);
    EXPECT_EQ(5, font.getId());
    EXPECT_STREQ("", font.getFontName()) << "nothing is read past the end";

    char noDigit[] = "x,1";
    _winfont_setup_handler(&font, noDigit);
    EXPECT_EQ(0, font.getId());
}

TEST(WinFont, DefaultListFollowsLocaleAndExactLang)
{
    auto firstOf = [](unsigned long locale, const char* lang) {
        EnvGuard guard("LANG", lang);
        TQCfontSet set;
        _winfont_default_init_for_locale(&set, locale);
        return std::string(set.getFont(0)->getFontName()) + " | " + set.getFont(8)->getFontName();
    };
    EXPECT_EQ("13,0,0,0,400,0,0,0,1,3,2,1,1,Courier New | 15,0,0,0,400,0,0,0,1,3,2,1,1,Courier New",
              firstOf(0x409, nullptr));
    EXPECT_EQ("13,0,0,0,400,0,0,0,129,3,2,1,49,\xB1\xBC\xB8\xB2\xC3\xBC | "
              "13,0,0,0,400,0,0,0,129,3,2,1,49,\xB1\xBC\xB8\xB2\xC3\xBC",
              firstOf(0x409, "ko"));
    EXPECT_EQ(firstOf(0x409, nullptr), firstOf(0x409, "kor"));
    EXPECT_EQ(firstOf(0x804, nullptr), firstOf(0x409, "zh"));
    EXPECT_NE(std::string::npos, firstOf(0x804, nullptr).find(",134,3,2,1,49,NSimSun"));
    EXPECT_NE(std::string::npos, firstOf(0x411, nullptr).find(",128,3,2,1,1,\x82\x6C\x82\x72"));

    EnvGuard guard("LANG", nullptr);
    TQCfontSet taiwan;
    _winfont_default_init_for_locale(&taiwan, 0x404);
    EXPECT_EQ(nullptr, taiwan.getFont(0)) << "other Chinese locales get no numbered fonts";
}
