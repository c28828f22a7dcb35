// The abstract drawing interface: the primitives a platform renders, all in
// device coordinates, and the bookkeeping of one drawing pass that every
// implementation shares. Devices forward to the one process-wide current
// drawing object kept here.
#ifndef _TQDDRAW_H
#define _TQDDRAW_H

#include "TQtypes.h"
#include "_TQCroot.h"

class TQDdev;
class TQDcolor;
class TQDimage;
class TQCstring;

class TQDdraw : public TQCroot {
public:
    // Operations of setOperation: plain drawing, or drawing combined with
    // the target by exclusive-or.
    enum { OPERATION_PLAIN = 0, OPERATION_XOR = 1 };
    // Keys of setValue that the drawing objects which print share: the page,
    // the rectangle of device coordinates that fills the paper; and for a
    // PostScript document the print mode (0 PostScript, 1 EPS, 2 printer),
    // the paper (a row of its paper table) and the orientation (1 upright).
    enum {
        VALUE_PAGE_WIDTH = 7,
        VALUE_PAGE_HEIGHT = 8,
        VALUE_PAGE_X = 9,
        VALUE_PAGE_Y = 10,
        VALUE_PRINT_MODE = 33,
        VALUE_PAPER = 34,
        VALUE_UPRIGHT = 35
    };

    // What an implementation knows of the pass it is bound to. beginDraw
    // resets it, endDraw clears it.
    struct PassState {
        TQDdev* dev;           // device of the latest beginDraw
        long contextResource;  // its drawing surface; 0 while unbound
        short lineWidth;
        char hatchPattern;
        char lineDashType;
        unsigned char operation;
        long underLine1;       // the two values of setUnderLineChar
        long underLine2;
        unsigned char exclusiveOr;  // a scratch image collects the drawing
    };

    TQDdraw();
    ~TQDdraw() override;
    TQ_ROOT_FRAME(TQDdraw, TQCroot)
    static const char* getThisClassName() { return "TQDdraw"; }

    // Attributes. Colours are numbers of the colour set or colour resources.
    virtual long setForeColor(short color) = 0;
    virtual long setBackColor(short color) = 0;
    virtual long setForeColor(TQDcolor* color) = 0;
    virtual long setBackColor(TQDcolor* color) = 0;
    virtual long setLineWidth(short width) = 0;
    virtual long setHatchPattern(char pattern) = 0;
    virtual long setLineDashType(char dashType) = 0;

    // One pass: beginDraw, setRegion once, attributes and primitives,
    // endDraw. Implementations keep the protocol with bindPass and
    // unbindPass.
    virtual long setRegion(short x, short y, unsigned short w, unsigned short h) = 0;
    virtual long beginDraw(TQDdev* dev, long deviceResource, long windowResource,
                           long contextResource) = 0;
    virtual long endDraw() = 0;

    // Primitives: 0 when drawn, -1 when they cannot draw.
    virtual long drawArc(short x, short y, unsigned short w, unsigned short h,
                         short angle1, short angle2) = 0;
    virtual long drawFillArc(short x, short y, unsigned short w, unsigned short h,
                             short angle1, short angle2, char fillMode) = 0;
    virtual long drawLine(short x1, short y1, short x2, short y2) = 0;
    virtual long drawLines(TQCpoint* points, long count) = 0;
    virtual long drawRect(short x, short y, unsigned short w, unsigned short h) = 0;
    // The leading long and shorts and the last byte describe the gradation;
    // only the rectangle is in device coordinates.
    virtual long drawGradation(long kind, short value1, short value2, short value3,
                               short x, short y, unsigned short w, unsigned short h,
                               unsigned char direction) = 0;
    virtual long drawFillRect(short x, short y, unsigned short w, unsigned short h) = 0;
    virtual long drawRects(TQCrect* rects, long count) = 0;
    virtual long drawFillRects(TQCrect* rects, long count) = 0;
    virtual long drawPoly(TQCpoint* points, long count) = 0;
    virtual long drawFillPoly(TQCpoint* points, long count) = 0;
    virtual long drawImage(short x, short y, unsigned short w, unsigned short h,
                           TQDimage* image, char mode) = 0;
    // The part of the image at (sx, sy) of size w x h, drawn at (dx, dy).
    virtual long drawImage(short dx, short dy, short sx, short sy, unsigned short w,
                           unsigned short h, TQDimage* image) = 0;
    virtual long drawStretchedImage(short x, short y, unsigned short w,
                                    unsigned short h, TQDimage* image) = 0;

    // Text in a rectangle. The font number is one of the font set (the
    // default font when no font carries it); charPos is -1 for none; a
    // selection with start == end is none, a reversed one is taken in order.
    virtual long drawString(long x, long y, unsigned long w, unsigned long h,
                            TQCstring* text, char fontNo, char alignment, long charPos,
                            unsigned char charMode, long selStart, long selEnd) = 0;
    virtual long drawUString(long x, long y, unsigned long w, unsigned long h,
                             unsigned short* text, char fontNo, char alignment,
                             long charPos, unsigned char charMode, long selStart,
                             long selEnd) = 0;
    virtual long drawFillString(long x, long y, unsigned long w, unsigned long h,
                                TQCstring* text, char fontNo, char alignment,
                                long charPos, unsigned char charMode) = 0;
    virtual long drawFillUString(long x, long y, unsigned long w, unsigned long h,
                                 unsigned short* text, char fontNo, char alignment,
                                 long charPos, unsigned char charMode) = 0;

    // Keys are the implementation's own; the base knows none.
    virtual long setValue(long key, long value);
    // The base draws plainly whatever is asked; implementations that can
    // combine by exclusive-or keep the operation with applyOperation.
    virtual long setOperation(unsigned char operation);
    // Two values kept for later string drawing; the base keeps nothing.
    virtual void setUnderLineChar(long value1, long value2);

    const PassState& getPassState() const { return pass; }
    unsigned char isBound() const { return pass.contextResource != 0 ? 1 : 0; }

    // The process-wide current drawing object. The first one ever set also
    // becomes the native one, which setNativeDraw may replace. Setters
    // return 0.
    static long setCurrentDraw(TQDdraw* draw);
    static TQDdraw* getCurrentDraw();
    static long setNativeDraw(TQDdraw* draw);
    static TQDdraw* getNativeDraw();

protected:
    // The start of a pass: refuses a null context (-1); otherwise closes any
    // exclusive-or drawing of the previous binding, binds to dev and its
    // context and resets every attribute. Passes do not nest: a window-less
    // device's pass replaces its parent's.
    long bindPass(TQDdev* dev, long contextResource);
    // The end of a pass: -1 and nothing done while unbound; otherwise
    // finishes exclusive-or drawing and unbinds.
    long unbindPass();
    // Stores the operation within a pass (-1 outside one). Entering
    // exclusive-or opens the scratch image, leaving it combines the scratch
    // onto the target; when the scratch cannot be made the drawing stays
    // plain and the result is -1.
    long applyOperation(unsigned char operation);

    // The scratch image of exclusive-or drawing: opened with the size of the
    // last opened area, combined onto the target and discarded when the
    // operation is set back or the pass ends. The base has no surface to
    // combine with and accepts both.
    virtual long beginExclusiveOr();
    virtual long endExclusiveOr();

    PassState pass;

private:
    TQDdraw(const TQDdraw&) = delete;
    TQDdraw& operator=(const TQDdraw&) = delete;

    void resetPass(TQDdev* dev, long contextResource);
    void finishExclusiveOr();
};

#endif
