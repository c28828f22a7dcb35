// The PostScript drawing object: every drawing operation becomes PostScript
// text written to an output file, framed by a prolog of "tq_" procedures, a
// page set-up that maps the device rectangle onto the paper, and a footer.
//
// How a printer device drives it, for one page to a file:
//   1. open a TQDfile for writing;
//   2. setValue 33 (print mode), 34 (paper code), 35 (upright flag), then
//      9, 10, 7, 8 (page x, y, width, height) -- the page set-up is written
//      with the values standing at the first beginDraw;
//   3. make the object current (TQDdev::setDraw) and call
//      beginDraw(dev, (long)file, 0, 0): the first beginDraw on a file writes
//      the prolog and page set-up, later ones only count;
//   4. draw through the devices;
//   5. endDraw once per beginDraw: the last one writes the footer;
//   6. restore the previous drawing object, delete this one, close the file.
#ifndef _TQDPSDRAW_H
#define _TQDPSDRAW_H

#include "TQtypes.h"
#include "_TQDdraw.h"

class TQCstring;
class TQDcolor;
class TQDfile;
class TQDimage;
class TQDmwindowDev;

class TQDpsdraw : public TQDdraw {
public:
    // The keys of setValue are TQDdraw's page keys; the print mode changes
    // nothing in the text; paper rows run 0 A4 ... 13 Executive, 14 free.
    // Every other key is accepted and ignored.
    // Paper codes with a meaning of their own.
    enum { PAPER_A4 = 0, PAPER_FREE = 14 };

    TQDpsdraw();
    ~TQDpsdraw() override;
    TQ_ROOT_FRAME(TQDpsdraw, TQDdraw)
    static const char* getThisClassName() { return "TQDpsdraw"; }

    // Settings write nothing (except setRegion) and return the previous
    // value; the hatch pattern is one value for every PostScript object.
    long setForeColor(short color) override;
    long setBackColor(short color) override;
    long setForeColor(TQDcolor* color) override;
    long setBackColor(TQDcolor* color) override;
    long setLineWidth(short width) override;
    long setHatchPattern(char pattern) override;
    long setLineDashType(char dashType) override;
    // Writes the region for later clipping; nothing outside a document.
    long setRegion(short x, short y, unsigned short w, unsigned short h) override;

    // deviceResource is the output TQDfile*, not owned; the other arguments
    // play no part. -1 for a null file, which opens nothing.
    long beginDraw(TQDdev* dev, long deviceResource, long windowResource,
                   long contextResource) override;
    long endDraw() override;

    // Drawing writes only into an open document: between a beginDraw and
    // the endDraw that closes the file's document. Outside one every
    // operation writes nothing and fails.

    // Shapes: -1 outside a document, else each simple shape is one write of
    // "colour gsave ... grestore".
    long drawArc(short x, short y, unsigned short w, unsigned short h, short angle1,
                 short angle2) override;
    long drawFillArc(short x, short y, unsigned short w, unsigned short h, short angle1,
                     short angle2, char mode) override;
    long drawLine(short x1, short y1, short x2, short y2) override;
    long drawLines(TQCpoint* points, long count) override;
    long drawRect(short x, short y, unsigned short w, unsigned short h) override;
    // Writes nothing: 0 inside a document, else -1.
    long drawGradation(long kind, short value1, short value2, short value3, short x, short y,
                       unsigned short w, unsigned short h, unsigned char direction) override;
    long drawFillRect(short x, short y, unsigned short w, unsigned short h) override;
    long drawRects(TQCrect* rects, long count) override;
    long drawFillRects(TQCrect* rects, long count) override;
    long drawPoly(TQCpoint* points, long count) override;
    long drawFillPoly(TQCpoint* points, long count) override;

    // Images are rendered by the native drawing object into an off-screen
    // device and written as a colour table and hexadecimal pixel data.
    long drawImage(short x, short y, unsigned short w, unsigned short h, TQDimage* image,
                   char alignment) override;
    // Writes nothing: 0 inside a document, else -1.
    long drawImage(short dx, short dy, short sx, short sy, unsigned short w, unsigned short h,
                   TQDimage* image) override;
    long drawStretchedImage(short x, short y, unsigned short w, unsigned short h,
                            TQDimage* image) override;

    // Text is shown in one composite font of "Times-Roman" and
    // "Ryumin-Light-EUC-H", each line stretched to the width the toolkit
    // font measures. -1 outside a document or without a font.
    long drawString(long x, long y, unsigned long w, unsigned long h, TQCstring* text,
                    char fontNo, char alignment, long charPos, unsigned char charMode,
                    long selStart, long selEnd) override;
    long drawUString(long x, long y, unsigned long w, unsigned long h, unsigned short* text,
                     char fontNo, char alignment, long charPos, unsigned char charMode,
                     long selStart, long selEnd) override;
    long drawFillString(long x, long y, unsigned long w, unsigned long h, TQCstring* text,
                        char fontNo, char alignment, long charPos,
                        unsigned char charMode) override;
    long drawFillUString(long x, long y, unsigned long w, unsigned long h,
                         unsigned short* text, char fontNo, char alignment, long charPos,
                         unsigned char charMode) override;

    long setValue(long key, long value) override;

    // Prolog with page set-up, and footer; called by the first beginDraw and
    // the last endDraw of a file. Both return 0.
    virtual long outputHeader();
    virtual long outputFooter();
    // The w x h rectangle of src at (sx, sy), placed at (dx, dy); mask, when
    // given, is transparent where it is black. Both devices must have had
    // initBuffer. -1 without a source or outside a document.
    virtual long copyPixmap(TQDmwindowDev* src, short sx, short sy, unsigned short w,
                            unsigned short h, short dx, short dy, TQDmwindowDev* mask);

private:
    // The output file is set and its document open.
    bool hasDocument() const;
    typedef long (TQDpsdraw::*RectOperation)(short, short, unsigned short, unsigned short);
    long drawEachRect(TQCrect* rects, long count, RectOperation draw);
    // The block every simple shape writes: colour, gsave, the region's clip.
    void openBlock(TQCstring* s);
    // One write of the whole text; 0.
    long writeText(TQCstring* s);
    // Renders the image to w x h and writes it at (x, y); -1 for an empty
    // size or when it cannot be rendered.
    long writeImage(TQDimage* image, unsigned char stretch, short x, short y, short sx,
                    short sy, unsigned short w, unsigned short h);
    // Exchanges the foreground and background colours.
    void swapColors();

    TQDfile* m_file;
    long m_foreColorNo;
    long m_backColorNo;
    TQDcolor* m_foreColor;
    TQDcolor* m_backColor;
    short m_lineWidth;
    signed char m_dashType;
    unsigned char m_region;
    short m_pageX;
    short m_pageY;
    unsigned short m_pageWidth;
    unsigned short m_pageHeight;
    unsigned char m_printMode;
    unsigned char m_paper;
    unsigned char m_upright;

    static long s_fillType;
};

// Text builders shared by the drawing operations.
// The colour's red, green and blue (0 to 255) over 256, then " setrgbcolor\n";
// nothing for a null colour.
void putcolor(TQDcolor* color, TQCstring* s);
// "x y w h tq_cliprect\n".
void putregion(short x, short y, unsigned short w, unsigned short h, TQCstring* s);
// "tq_clipregion\n": the rectangle of the last setRegion.
void putregion(TQCstring* s);
// Hatch pattern over a box aligned to 16 units: "hatchN 8 x y w h
// tq_hatchfill\n"; nothing for a pattern the prolog lacks (other than 1-7).
void drawfill(long pattern, long x, long y, unsigned long w, unsigned long h, TQCstring* s);

// Renders image into a new w x h off-screen device with the native drawing
// object, at its natural size with its top left at (sx, sy) or, with
// stretch, stretched to the whole device; hands out the device (its buffer
// read) and a mask of (w + 7) / 8 bytes a row, 1 bits opaque, or null when
// every pixel is opaque. The caller deletes both. -1, with nothing handed
// out, when no off-screen device of that size can be made or no drawing
// object renders pixels (the native one is missing or is PostScript).
long psmakemdev(TQDimage* image, unsigned char stretch, short sx, short sy, unsigned short iw,
                unsigned short ih, unsigned short w, unsigned short h, TQDmwindowDev** dev,
                unsigned char** mask);
// Writes the w x h rectangle at (sx, sy) of dev's buffer as an image at
// (dx, dy), clipped to the last region when clip is set; mask may be null.
void psoutimage(TQDmwindowDev* dev, TQDfile* file, unsigned char clip, short sx, short sy,
                unsigned short w, unsigned short h, short dx, short dy, unsigned char* mask);

#endif
