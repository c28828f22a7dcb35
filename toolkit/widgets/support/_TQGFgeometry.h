// Geometry helpers shared by the drawing code of every widget: geometry and
// margins through properties, the 3-D shadow frames, derived shade colours
// and filled arrow heads (rectangle arithmetic is in _TQGFarea.h). Drawing
// goes through the device, so its scale and offsets apply.
#ifndef _TQGFGEOMETRY_H
#define _TQGFGEOMETRY_H

#include "TQtypes.h"

class TQCbase;
class TQDdev;

// Shadow types (the shadowType property); any other value draws nothing.
enum {
    TQSHADOW_OUT = 0,
    TQSHADOW_IN = 1,
    TQSHADOW_ETCHED_OUT = 2,
    TQSHADOW_ETCHED_IN = 3,
    TQSHADOW_BORDER = 4
};

// Arrow directions; any other value draws nothing.
enum { TQARROW_LEFT = 0, TQARROW_RIGHT = 1, TQARROW_UP = 3, TQARROW_DOWN = 4 };

// Sets x, y, width and height; 1, or 0 when height could not be set as an
// unsigned short property (of the object or its property-inheriting child).
long TQGFsetGeometry(TQCbase* object, short x, short y, unsigned short w, unsigned short h);
// All four margins take the low 8 bits of m.
void TQGFsetMargin(TQCbase* object, unsigned short m);

// The shadow frame of type inside (x, y, w, h), t pixels thick (at most
// half of either side). Colours are colour-set numbers; the accent colour
// and noInner only matter in the look of GUI-policy bit 1.
void TQGFdrawShadow(TQDdev* dev, char type, unsigned short t, short frameColor, short topColor,
                    short bottomColor, short accentColor, short x, short y, unsigned short w,
                    unsigned short h, unsigned char noInner);
// The same, except that the raised frame (type 0) has the button's look.
void TQGFdrawBtnShadow(TQDdev* dev, char type, unsigned short t, short frameColor,
                       short topColor, short bottomColor, short accentColor, short x, short y,
                       unsigned short w, unsigned short h, unsigned char noInner);

// Colour numbers of a lighter (+4), a darker (-8) and a shade (-4) variant
// of the colour, each component clamped to 0..255; made in the colour set
// when new.
void TQGFgetShadowColor(short color, short* light, short* dark, short* shade);

// A filled arrow head pointing in direction and filling (x, y, w, h):
// shaded with light and dark bands of width t, or flat (one triangle in
// the shape the GUI policy chooses).
void TQGFdrawArrow(TQDdev* dev, unsigned char flat, unsigned short t, short bodyColor,
                   short lightColor, short darkColor, char direction, short x, short y,
                   unsigned short w, unsigned short h);

#endif
