// The line: an open polyline through up to 255 points in the widget's own
// rectangle, drawn with the shapes' pen. Its points come as two texts of
// numbers, the x values and the y values, read by the points grammar
// (_str_to_addr), which the polygon uses too.
#ifndef _TQCVLINE_H
#define _TQCVLINE_H

#include "_TQCnwbase.h"
#include "_TQCpointAxes.h"

class TQCvline : public TQCnwbase {
public:
    TQ_CLASS_FRAME(TQCvline, TQCnwbase, 1000, 1000)
    TQCvline(TQCbase* parent, const char* name);
    TQ_POINT_LIST_MEMBERS(TQCvline)

    // In blinkColor during the blink phase with twinBlink, else foreColor;
    // nothing with lineWidth 0.
    long draw() override;

    TQ_PROPERTY_HOOKS(lineWidth, unsigned short)
    TQ_PROPERTY_HOOKS(lineType, unsigned char)

    // The points grammar. Every character that is not a decimal digit
    // separates numbers, so no sign is read ("-5" is 5). The first n runs
    // of digits fill array[0..n-1], the rest of the text is ignored, and
    // the entries left over are 0. A run longer than 17 digits is read from
    // its first 17, and a number above 32767 is stored as 32767. 0, or -1
    // without an array.
    static long _str_to_addr(const char* text, short* array, short n);

protected:
    unsigned short m_lineWidth = 2;
    char* m_lineX = nullptr;
    char* m_lineY = nullptr;
    TQCpointAxes m_points;
    unsigned char m_lineNum = 11;
    unsigned char m_lineType : 4;
    TQ_BIT_FIELD_SLOT(m_lineType)
};

void* TQCvline_create(void* parent);
void TQCvline_delete(void* object);

#endif
