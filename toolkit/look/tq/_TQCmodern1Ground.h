// What the "Modern1" procedures of the form and of the containers built on
// it (menu bar, tab form) paint alike: the drawing opened on the whole
// widget with its exposed area, the background, the edit-mode dot grid and
// the flat frame.
#ifndef _TQCMODERN1GROUND_H
#define _TQCMODERN1GROUND_H

#include "_TQCform.h"

// One drawing of a form-like widget from its draw block.
class TQCmodern1Ground {
public:
    explicit TQCmodern1Ground(const TQCformDrawBlock& block);

    // Opens the drawing on the whole widget, notes the exposed area (all of
    // it when the widget draws whole) and clears the widget's update marks;
    // false when the device cannot draw now.
    bool open();
    // Without a back image: fill in the fill colour, or the block's
    // gradation between its shadow colours around the back colour. With one
    // the device has painted the ground already.
    void paintBackground(short fill);
    // In the builder's dot mode, a dot in the fore colour every ten pixels
    // of the exposed area, its far edges included.
    void drawDotGrid();
    // The flat frame, shaded from the colour around the widget, when the
    // widget has a shadow thickness.
    void drawFrame(short around);
    // The parent's backColor (its workBackColor aside); "DEF1" without a
    // parent or without that property.
    short parentBackColor() const;
    void close();

    const TQCformDrawBlock& b;
    TQCform* form;
    TQDdev* dev;
    long w, h;

private:
    short m_ex = 0, m_ey = 0;
    unsigned short m_ew = 0, m_eh = 0;
};

#endif
