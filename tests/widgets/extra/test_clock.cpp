// The clock's text as a function of fixed time numbers and the locale, with
// the library's English catalogue: the default layout, seconds, the twelve-
// and twenty-four-hour forms, empty formats, the Asian year, translations
// too long for the buffers; and the tick that writes the label.
#include "ControlScene.h"
#include "_TQClocaleSet.h"
#include "_TQCvclock.h"

#include <string>

void _libtqb_lang_init_proc();

namespace {

// Sunday 5 January 2025, 15:07:09.
const long kSunday[TQCvclock::TIME_NUMBERS] = {2025, 1, 5, 15, 7, 9, 0};
const long kHalfPastNoon[TQCvclock::TIME_NUMBERS] = {2025, 1, 5, 12, 30, 0, 0};

class Clock : public ControlScene {
protected:
    Clock() { _libtqb_lang_init_proc(); }
    TQCvclock* clock = add<TQCvclock>("c", 0, 0, 200, 30);
    void formats(long date, long week, long time, long second)
    {
        for (auto [name, v] : {std::pair{"dateFormat", date}, {"weekFormat", week},
                               {"clockFormat", time}, {"secondOn", second}})
            clock->setProperty(name, TQCvariant(v));
    }
};

} // namespace

TEST_F(Clock, ComposesDateWeekAndTimeFromTheFormats)
{
    EXPECT_EQ(" 1/ 5/2025 (SUN) P.M.  3: 7", clock->composeText(kSunday, false));
    formats(1, 2, 3, 1);
    EXPECT_EQ(" 1/ 5/2025 (SUN) P.M.  3: 7: 9", clock->composeText(kSunday, false));
    formats(0, 0, 5, 1);
    EXPECT_EQ("15:07:09", clock->composeText(kSunday, false));
    formats(0, 0, 4, 0);
    EXPECT_EQ(" 0:30", clock->composeText(kHalfPastNoon, false)) << "noon is hour 0";
    formats(0, 1, 0, 1);
    EXPECT_EQ(" SUN ", clock->composeText(kSunday, false)) << "no blank added before the week";
    formats(0, 0, 0, 1);
    EXPECT_EQ("", clock->composeText(kSunday, false));
    formats(4, 0, 0, 0);
    EXPECT_EQ("25/ 1/ 5", clock->composeText(kSunday, false)) << "yy/mm/dd: the year of the century";
    formats(1, 0, 0, 0);
    EXPECT_EQ("37/ 1/   5", clock->composeText(kSunday, true)) << "Asian: year - 1988 first";
    EXPECT_TRUE(TQCvclock::isAsianLocale(21, "en_US") && TQCvclock::isAsianLocale(16, "ja_JP"));
    EXPECT_FALSE(TQCvclock::isAsianLocale(16, "en_US"));
}

TEST_F(Clock, CutsTranslationsTooLongForItsBuffersAndWritesTheLabelOnEveryTick)
{
    static const std::string date = std::string(300, 'd') + "%2d/%2d/%4d";
    static const std::string week = std::string(300, 'w') + "%s";
    static const std::string time = "%s" + std::string(300, 't') + "%2d:%2d";
    TQClocaleSet* locales = TQGIappLocaleSet();
    std::string previous = locales->getDefaultLocaleName();
    locales->setLocaleString("xx_LONG", "S:TQSTR %2d/%2d/%4d", date.c_str());
    locales->setLocaleString("xx_LONG", "Y:TQSTR  %s ", week.c_str());
    locales->setLocaleString("xx_LONG", "a:TQSTR %s %2d:%2d", time.c_str());
    locales->setDefaultLocale("xx_LONG");
    formats(1, 1, 3, 1);
    std::string text = clock->composeText(kSunday, false);
    locales->setDefaultLocale(previous.c_str());
    EXPECT_EQ(std::string(63, 'd') + " " + std::string(63, 'w') + " P.M." + std::string(59, 't') +
                  ": 9",
              text)
        << "each part cut at 63 bytes";

    formats(1, 2, 3, 0);
    timer()->tick();
    EXPECT_GT(std::string(clock->getProperty("labelString").getCharPtr()).size(), 10u);
    formats(0, 0, 0, 0);
    timer()->tick();
    EXPECT_EQ("", std::string(clock->getProperty("labelString").getCharPtr()));
    delete clock;
    timer()->tick();
}
