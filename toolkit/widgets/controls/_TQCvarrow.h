// The arrow button: a push button that shows a triangle pointing up, down,
// left or right instead of a label. Presses, keys, activation and focus are
// the push button's; only the drawing is its own.
#ifndef _TQCVARROW_H
#define _TQCVARROW_H

#include "_TQCvbtn.h"

class TQCvarrow : public TQCvbtn {
public:
    TQ_CLASS_FRAME(TQCvarrow, TQCvbtn, 1000, 1000)
    TQCvarrow(TQCbase* parent, const char* name);

    // Face, button frame, then the arrow in a centred square box of half
    // the shorter side, one pixel lower while pressed, and the focus frame.
    long draw() override;

    // 3 up, 4 down, 0 left, 1 right.
    TQ_PROPERTY_HOOKS(arrowDirection, char)

    // The arrow into the box (x, y, w, h).
    void _draw_arrow(TQDdev* dev, unsigned char pressed, short x, short y, unsigned short w,
                     unsigned short h);

protected:
    char m_arrowDirection = 3;

private:
    void drawFace(TQDdev* dev, bool blinkOn);
    void drawFocusFrame(TQDdev* dev);
    short arrowColor(bool blinkOn);
};

void* TQCvarrow_create(void* parent);
void TQCvarrow_delete(void* object);

#endif
