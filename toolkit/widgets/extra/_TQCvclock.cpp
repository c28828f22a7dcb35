// Clock: its four formats, the tick that rewrites the label, and the
// composition of the text from the time numbers and the catalogue.
#include "_TQCvclock.h"

#include "_TQClocaleSet.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDtimer.h"
#include "_TQGFdebug.h"

#include <cstdio>
#include <cstring>

TQ_TYPE_SERVER_FRAME(TQCvclock, TQCvlabel);

namespace {

// Every part is formatted into a buffer of this size and the joined text
// into one of kTextSize: a translation that is too long is cut, never
// written past them.
const size_t kPartSize = 64;
const size_t kTextSize = 256;

const char* const kDayKeys[] = {"H:TQSTR SUN", "I:TQSTR MON", "J:TQSTR TUE", "K:TQSTR WED",
                                "L:TQSTR THU", "M:TQSTR FRI", "N:TQSTR SAT"};
const char* const kHalfDayKeys[] = {"O:TQSTR A.M.", "P:TQSTR P.M."};
const char* const kShortHalfDayKeys[] = {"Q:TQSTR AM", "R:TQSTR PM"};

// The catalogue's text of a key; a plain format is used as it stands.
const char* text(const char* format, bool translated)
{
    return translated ? TQGFgettext(format) : format;
}

template <class... Numbers>
std::string formatted(const char* format, Numbers... numbers)
{
    char part[kPartSize];
    if (std::snprintf(part, sizeof part, format, numbers...) < 0)
        return std::string();
    return part;
}

// The numbers a date layout passes, in its order.
enum DateNumber { YEAR_FULL, MONTH_NUMBER, DAY_NUMBER, YEAR_OF_CENTURY, YEAR_FROM_1988 };

struct DateLayout {
    const char* format;
    bool translated;
    DateNumber other[3];
    DateNumber asian[3];
};

// Formats 1 to 6, then the one that serves 7 to 15. Format 4 outside the
// Asian locales shows the year of the century, as its title "yy/mm/dd" says.
const DateLayout kDateLayouts[] = {
    {"S:TQSTR %2d/%2d/%4d", true, {MONTH_NUMBER, DAY_NUMBER, YEAR_FULL},
     {YEAR_FROM_1988, MONTH_NUMBER, DAY_NUMBER}},
    {"T:TQSTR %4d/%2d/%2d", true, {YEAR_FULL, MONTH_NUMBER, DAY_NUMBER},
     {YEAR_FULL, MONTH_NUMBER, DAY_NUMBER}},
    {"U:TQSTR %2d/%2d/%2d", true, {MONTH_NUMBER, DAY_NUMBER, YEAR_OF_CENTURY},
     {YEAR_OF_CENTURY, MONTH_NUMBER, DAY_NUMBER}},
    {"V:TQSTR %2d/%2d/%2d", true, {YEAR_OF_CENTURY, MONTH_NUMBER, DAY_NUMBER},
     {YEAR_FROM_1988, MONTH_NUMBER, DAY_NUMBER}},
    {"W:TQSTR %2d/%2d/%4d", true, {DAY_NUMBER, MONTH_NUMBER, YEAR_FULL},
     {YEAR_FULL, MONTH_NUMBER, DAY_NUMBER}},
    {"%2d/%2d/%2d", false, {DAY_NUMBER, MONTH_NUMBER, YEAR_OF_CENTURY},
     {YEAR_OF_CENTURY, MONTH_NUMBER, DAY_NUMBER}},
    {"X:TQSTR %4d/%2d/%2d", true, {YEAR_FULL, MONTH_NUMBER, DAY_NUMBER},
     {YEAR_FROM_1988, MONTH_NUMBER, DAY_NUMBER}},
};

int dateNumber(DateNumber which, const long* time)
{
    switch (which) {
    case YEAR_FULL:
        return static_cast<int>(time[TQCvclock::YEAR]);
    case MONTH_NUMBER:
        return static_cast<int>(time[TQCvclock::MONTH]);
    case DAY_NUMBER:
        return static_cast<int>(time[TQCvclock::DAY]);
    case YEAR_OF_CENTURY:
        return static_cast<int>(time[TQCvclock::YEAR] % 100);
    case YEAR_FROM_1988:
        return static_cast<int>(time[TQCvclock::YEAR] - 1988);
    }
    return 0;
}

struct TimeLayout {
    const char* format;
    bool translated;
    bool twelveHours;
    const char* const* halfDays;  // the pair of half-day names, or none
    const char* seconds;
    bool secondsTranslated;
};

// Formats 1 to 6, then the one that serves 3 and 7 to 15.
const TimeLayout kTimeLayouts[] = {
    {"Z:TQSTR %2d:%2d", true, true, nullptr, "b:TQSTR :%2d", true},
    {"Z:TQSTR %2d:%2d", true, false, nullptr, "b:TQSTR :%2d", true},
    {"a:TQSTR %s %2d:%2d", true, true, kHalfDayKeys, "b:TQSTR :%2d", true},
    {"%2d:%02d", false, true, nullptr, ":%02d", false},
    {"%2d:%02d", false, false, nullptr, ":%02d", false},
    {"%s%2d:%02d", false, true, kShortHalfDayKeys, ":%02d", false},
};
const unsigned char kLastDistinctTimeFormat = 6;
const unsigned char kAmPmTimeFormat = 3;

void appendJoined(std::string& joined, const std::string& part)
{
    if (!joined.empty() && !part.empty())
        joined += ' ';
    joined += part;
}

} // namespace

TQCvclock::TQCvclock(TQCbase* parent, const char* name)
    : TQCvlabel(parent, name), m_dateFormat(1), m_weekFormat(2), m_clockFormat(3), m_secondOn(0)
{
    m_usePixmap = 1;
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH_BITS(r, dateFormat, 1, dateFormat);
        TQ_WATCH_BITS(r, weekFormat, 2, weekFormat);
        TQ_WATCH_BITS(r, clockFormat, 3, clockFormat);
        TQ_WATCH_FLAG(r, secondOn, 0, bool2);
        r.changeDefault<TQCflagOf<m_usePixmapSlot>>(_TQNusePixmap(), 1);
        // The clock writes the text itself.
        r.hide(_TQNlabelString());
        r.withdraw(_TQNorientation());
        r.withdraw(_TQNmaxLength());
    });
    if (TQDtimer* timer = TQGIappTimer())
        m_timerId = timer->addTimerProc(_clock_handler, 1, this);
}

TQCvclock::~TQCvclock()
{
    if (m_timerId != 0 && TQGIappTimer() != nullptr)
        TQGIappTimer()->delTimerProc(m_timerId);
}

bool TQCvclock::isAsianLocale(long encoding, const char* localeName)
{
    return encoding == 20 || encoding == 21 || encoding == 30 || encoding == 40 ||
           (localeName != nullptr && std::strncmp(localeName, "ja", 2) == 0);
}

void TQCvclock::_clock_handler(unsigned char, void* data)
{
    TQCvclock* clock = static_cast<TQCvclock*>(data);
    long time[TIME_NUMBERS] = {};
    TQGFgettimeofday(time);
    TQClocaleSet* locales = TQGIappLocaleSet();
    bool asian = isAsianLocale(locales->getSystemLocaleEncoding(), locales->getSystemLocaleName());
    clock->setPropertyV(_TQNlabelString(), clock->composeText(time, asian).c_str());
    clock->setAbsoluteDraw(1);
    if (clock->m_shadowType == -1)
        clock->redraw();
    else
        clock->draw();
}

std::string TQCvclock::composeText(const long* time, bool asian)
{
    std::string joined = dateText(time, asian);
    appendJoined(joined, weekText(time));
    appendJoined(joined, timeText(time));
    if (joined.size() >= kTextSize)
        joined.resize(kTextSize - 1);
    return joined;
}

std::string TQCvclock::dateText(const long* time, bool asian)
{
    if (m_dateFormat == 0)
        return std::string();
    const size_t last = sizeof kDateLayouts / sizeof kDateLayouts[0];
    const DateLayout& layout = kDateLayouts[m_dateFormat <= last ? m_dateFormat - 1 : last - 1];
    const DateNumber* order = asian ? layout.asian : layout.other;
    return formatted(text(layout.format, layout.translated), dateNumber(order[0], time),
                     dateNumber(order[1], time), dateNumber(order[2], time));
}

// A day outside the week shows no name.
std::string TQCvclock::weekText(const long* time)
{
    const long day = time[WEEKDAY];
    const char* name = day >= 0 && day < 7 ? TQGFgettext(kDayKeys[day]) : "";
    switch (m_weekFormat) {
    case 0:
        return std::string();
    case 1:
        return formatted(TQGFgettext("Y:TQSTR  %s "), name);
    default:
        return formatted("(%s)", name);
    }
}

// Noon and midnight both show hour 0 in the twelve-hour formats.
std::string TQCvclock::timeText(const long* time)
{
    if (m_clockFormat == 0)
        return std::string();
    const unsigned char used =
        m_clockFormat <= kLastDistinctTimeFormat ? m_clockFormat : kAmPmTimeFormat;
    const TimeLayout& layout = kTimeLayouts[used - 1];
    const long hour = time[HOUR];
    const int shown = static_cast<int>(layout.twelveHours && hour >= 12 ? hour - 12 : hour);
    const int minute = static_cast<int>(time[MINUTE]);
    const char* pattern = text(layout.format, layout.translated);
    std::string shownTime =
        layout.halfDays != nullptr
            ? formatted(pattern, TQGFgettext(layout.halfDays[hour < 12 ? 0 : 1]), shown, minute)
            : formatted(pattern, shown, minute);
    if (m_secondOn)
        shownTime += formatted(text(layout.seconds, layout.secondsTranslated),
                               static_cast<int>(time[SECOND]));
    return shownTime;
}
