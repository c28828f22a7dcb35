// What every procedure of the extended look "Modern1" draws with: the colour
// around a widget, colours shifted by a fixed step in each component, and
// the two flat frames, of containers and of buttons.
#ifndef _TQGFMODERN1_H
#define _TQGFMODERN1_H

class TQCbase;
class TQDdev;
struct TQClookHead;

// Opens the drawing of the head's widget on its device at (x, y) of the
// device (its own place, for a widget without a window), whole or only
// where exposed as the widget's absolute-draw flag asks, and clears the
// widget's update marks; false when the device cannot draw now.
bool TQGFopenModern1Drawing(const TQClookHead& head, short x, short y);

// The colour around the widget: its parent's "workBackColor", else the
// parent's "backColor", else (no parent, or neither property) "DEF1".
short TQGFgetParentBackColor(TQCbase* obj);
// The three components shifted by delta and clamped on the side delta moves
// them to: at 255 for a positive delta, at 0 otherwise.
void TQGFgetFixedRGB(long r, long g, long b, long delta, long* outR, long* outG, long* outB);
// The colour-set number of the colour shifted by delta, named "#rrggbb" and
// made on first use. A colour whose components cannot be read comes back
// unchanged.
short TQGFgetFixedColor(short colour, long delta);

// c1 to c4 are the colours TQGFdrawShadow takes, in its order; c5 the colour
// the flat frame's colours are derived from. Both clamp the thickness to half
// of either side and draw nothing when that leaves 0; otherwise they leave
// the device drawing solid lines one pixel wide.
//
// Types Out and In: the same flat frame, an outline in c5 + 16 whose left
// and top edges are c5 - 16, and an inner outline in c3. Other types: the
// classic frame.
void TQGFdrawModern1Shadow(TQDdev* dev, long type, unsigned short thickness, short c1, short c2,
                           short c3, short c4, short c5, short x, short y, unsigned short w,
                           unsigned short h, unsigned char flag);
// Type Out: the rounded button frame, whose outer corners take c5, with
// shading lines at the sides unless flat is set. Other types, In included:
// the classic frame.
void TQGFdrawModern1BtnShadow(TQDdev* dev, long type, unsigned short thickness, short c1,
                              short c2, short c3, short c4, short c5, short x, short y,
                              unsigned short w, unsigned short h, unsigned char flag,
                              unsigned char flat);

#endif
