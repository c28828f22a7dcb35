// The clock: a label that shows the local date, day of the week and time
// and rewrites them at every tick of the application timer. The layouts
// come from the library's catalogue; Japanese, Korean and Chinese locales
// order the date their own way and count some years from 1988.
#ifndef _TQCVCLOCK_H
#define _TQCVCLOCK_H

#include "_TQCvlabel.h"

#include <string>

class TQCvclock : public TQCvlabel {
public:
    TQ_CLASS_FRAME(TQCvclock, TQCvlabel, 1010, 1000)
    // Registers the tick procedure with the application timer.
    TQCvclock(TQCbase* parent, const char* name);
    // Removes the tick procedure first.
    ~TQCvclock() override;

    // The positions of the local time TQGFgettimeofday fills in.
    enum { YEAR, MONTH, DAY, HOUR, MINUTE, SECOND, WEEKDAY, TIME_NUMBERS };

    TQ_PROPERTY_HOOKS(dateFormat, unsigned char)
    TQ_PROPERTY_HOOKS(weekFormat, unsigned char)
    TQ_PROPERTY_HOOKS(clockFormat, unsigned char)
    TQ_PROPERTY_HOOKS(secondOn, TQCbool)

    // The timer procedure: the text of the local time becomes labelString
    // and the whole label is repainted. clock is the TQCvclock.
    static void _clock_handler(unsigned char tick, void* clock);
    // The text the formats give for the time numbers (as TQGFgettimeofday
    // fills them) in an Asian locale or another; at most 255 bytes.
    std::string composeText(const long* time, bool asian);
    // Whether the system locale counts as Asian: its encoding is EUC-JP,
    // Shift_JIS, EUC-KR or GB2312, or its name begins with "ja".
    static bool isAsianLocale(long encoding, const char* localeName);

private:
    std::string dateText(const long* time, bool asian);
    std::string weekText(const long* time);
    std::string timeText(const long* time);

    long m_timerId = 0;
    unsigned char m_dateFormat : 4;
    unsigned char m_weekFormat : 2;
    unsigned char m_clockFormat : 4;
    TQCbool m_secondOn : 1;
    TQ_BIT_FIELD_SLOT(m_dateFormat)
    TQ_BIT_FIELD_SLOT(m_weekFormat)
    TQ_BIT_FIELD_SLOT(m_clockFormat)
    TQ_BIT_FIELD_SLOT(m_secondOn)
};

void* TQCvclock_create(void* parent);
void TQCvclock_delete(void* object);

#endif
