// The multi-line input field: the input field with Return taken as a line
// feed and no length limit, whose view a program may place. The view
// scrolls by copying what stays visible and exposing only the strips it
// uncovers, and a cursor move repaints only the cells around the cursor.
#ifndef _TQCVMIFIELD_H
#define _TQCVMIFIELD_H

#include "_TQCvifield.h"

class TQCvmifield : public TQCvifield {
public:
    TQ_CLASS_FRAME(TQCvmifield, TQCvifield, 1000, 1001)
    TQCvmifield(TQCbase* parent, const char* name);

    // The view origin, the cursor base: the text is painted moved left by
    // x and up by y. A null pointer is skipped.
    void getCursorBase(long* x, long* y);
    // Makes (x, y) the origin, stored as given; it stays there until the
    // next key input. A shown field copies the part that stays visible and
    // exposes the strips uncovered; hidden, it only stores.
    void setCursorBase(long x, long y);
    // The base's move, then the view follows the cursor: a scroll, or an
    // expose around the cursor when the view stays.
    long _cursor_move(char direction) override;

private:
    long fontHeight();
    void exposeAroundCursor(TQDdev* dev, long ox, long oy, long cx, long cy);
    void scrollShown(TQDdev* dev, long dx, long dy);

    // Set only while a cursor move scrolls: the strips then reach two lines
    // further, so the old and new cursor places are repainted with them.
    unsigned char m_scrollingForCursor = 0;
};

void* TQCvmifield_create(void* parent);
void TQCvmifield_delete(void* object);

#endif
