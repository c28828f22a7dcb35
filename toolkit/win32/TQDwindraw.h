// The GDI drawing object: the one process-wide drawing interface of the Win32
// layer. Every device draws through it between beginDraw and endDraw, with
// the device's context as contextResource. It also prints: while a print job
// is open every pass draws on the printer, and every primitive maps the
// device coordinates it is given onto the printer's page.
#ifndef TQDWINDRAW_H
#define TQDWINDRAW_H

#include "TQtypes.h"
#include "_TQDdraw.h"

#include <vector>

class TQCstring;
class TQDfont;
struct tagPOINT;

class TQDwindraw : public TQDdraw {
public:
    // Keys of setValue beyond TQDdraw's page keys (7 to 10, the page a job
    // spreads over the printer's page): the job.
    enum { VALUE_PRINT_JOB = 36 };

    TQDwindraw();
    ~TQDwindraw() override;
    TQ_ROOT_FRAME(TQDwindraw, TQDdraw)
    static const char* getThisClassName() { return "TQDwindraw"; }

    // Colours by number of the application colour set, or given; an unknown
    // number or a null colour changes nothing. The answer is the previous
    // current number (the current one when there was none).
    long setForeColor(short color) override;
    long setBackColor(short color) override;
    long setForeColor(TQDcolor* color) override;
    long setBackColor(TQDcolor* color) override;
    // The previous width.
    long setLineWidth(short width) override;
    // The previous pattern of the whole process, sign-extended.
    long setHatchPattern(char pattern) override;
    // 0 when the type is the current one, else the previous type (0-255).
    long setLineDashType(char dashType) override;

    // Clips the context to the rectangle (sides at most 16384) and keeps it
    // as the current region of the process, which text and images respect.
    long setRegion(short x, short y, unsigned short w, unsigned short h) override;
    // contextResource is the device's HDC; 0 and -1 mean none (-1). While a
    // print job is open the printer's context takes its place.
    long beginDraw(TQDdev* dev, long deviceResource, long windowResource,
                   long contextResource) override;
    long endDraw() override;

    // Angles in 1/64 degree, counterclockwise from three o'clock; an extent
    // of a full turn or more draws the whole ellipse. fillMode 0 fills a
    // pie, any other a chord.
    long drawArc(short x, short y, unsigned short w, unsigned short h, short start,
                 short extent) override;
    long drawFillArc(short x, short y, unsigned short w, unsigned short h, short start,
                     short extent, char fillMode) override;
    long drawLine(short x1, short y1, short x2, short y2) override;
    long drawLines(TQCpoint* points, long count) override;
    // The outline covers w x h pixels; drawRects outlines (w + 1) x (h + 1).
    long drawRect(short x, short y, unsigned short w, unsigned short h) override;
    // Three colours of the colour set banded in one of eight directions;
    // margin is the percentage of plain middle colour.
    long drawGradation(long type, short color1, short color2, short color3, short x,
                       short y, unsigned short w, unsigned short h,
                       unsigned char margin) override;
    long drawFillRect(short x, short y, unsigned short w, unsigned short h) override;
    long drawRects(TQCrect* rects, long count) override;
    long drawFillRects(TQCrect* rects, long count) override;
    // A closed outline through the points.
    long drawPoly(TQCpoint* points, long count) override;
    long drawFillPoly(TQCpoint* points, long count) override;

    // Images: value 1 the bitmap or icon, value 2 the kind (0 bitmap,
    // 1 icon), value 3 the mask bitmap (0 or -1 for none). An image without
    // a handle draws nothing (0). align is one of the nine text alignments.
    long drawImage(short x, short y, unsigned short w, unsigned short h, TQDimage* image,
                   char align) override;
    long drawImage(short dx, short dy, short sx, short sy, unsigned short w,
                   unsigned short h, TQDimage* image) override;
    long drawStretchedImage(short x, short y, unsigned short w, unsigned short h,
                            TQDimage* image) override;

    long drawString(long x, long y, unsigned long w, unsigned long h, TQCstring* text,
                    char fontNo, char align, long cursor, unsigned char cursorMode,
                    long selStart, long selEnd) override;
    long drawUString(long x, long y, unsigned long w, unsigned long h, unsigned short* text,
                     char fontNo, char align, long cursor, unsigned char cursorMode,
                     long selStart, long selEnd) override;
    // Fills the rectangle with the background first; always 0.
    long drawFillString(long x, long y, unsigned long w, unsigned long h, TQCstring* text,
                        char fontNo, char align, long cursor,
                        unsigned char cursorMode) override;
    long drawFillUString(long x, long y, unsigned long w, unsigned long h,
                         unsigned short* text, char fontNo, char align, long cursor,
                         unsigned char cursorMode) override;

    // 7 to 10 set the page (kept for the whole process; 0). 36 with a value
    // other than 0 asks for a printer with the system's print dialog and
    // starts a job of one page: -1, with nothing left open, when the page
    // has no width or height, a job is open already, the dialog is cancelled
    // or gives no context, or the document does not start. 36 with 0 ends
    // the open job and prints its page (0; also when no job is open; -1 when
    // the printer refuses the document). Any other key: -1.
    long setValue(long key, long value) override;
    // 1 while a print job is open.
    unsigned char getPrinting() const { return m_printing; }

    // Operation 1 sends the drawing into a black layer that is XORed onto
    // the target when the operation changes or the pass ends. Always 0.
    long setOperation(unsigned char operation) override;
    // The run of characters a one-line string underlines; count 0 for none.
    void setUnderLineChar(long first, long count) override;

protected:
    long beginExclusiveOr() override;
    long endExclusiveOr() override;

private:
    struct Box {
        long x;
        long y;
        long w;
        long h;
    };
    struct Layer;
    struct TextRun;
    struct ImageBlit;

    // The page conversion, while a job is open: a position becomes its
    // distance from the page origin, and a size itself, each times the
    // printer's pixels per device unit on its axis, truncated. Without a
    // job they stay as they are.
    short pageX(long x) const;
    short pageY(long y) const;
    unsigned short pageWidth(long w) const;
    unsigned short pageHeight(long h) const;
    void toPage(short* x, short* y, unsigned short* w, unsigned short* h) const;
    // The points as GDI points on the page.
    std::vector<tagPOINT> pagePoints(const TQCpoint* points, long count) const;
    // Printer pixels per device unit; 1 without a job.
    double pageScaleX() const;
    double pageScaleY() const;
    // The job's printer context; null without a job.
    void* printerContext() const;
    long startPrintJob();
    long endPrintJob();
    // The font handle to draw text with: the font's own, or on the printer
    // its copy scaled to the page.
    void* textFont(TQDfont* font) const;
    void textOut(const TextRun& run, long x, long y, const u16* chars, long n);
    // The image part of blit, stretched to the page.
    void printImage(const ImageBlit& blit, void* bitmap, void* mask);

    // The context drawing goes to: the layer while one is open.
    void* context() const;
    void* makeFillBrush() const;
    static Box currentRegion();
    // (x, y, w, h) intersected with the current region.
    static Box clipToRegion(long x, long y, long w, long h);
    long setRegion(const Box& box);

    long drawTextLines(TextRun& run, const Box& clip);
    long drawTextLine(TextRun& run);
    void drawReversed(const TextRun& run, long x, long y, const u16* chars, long n);
    void blitImage(const ImageBlit& blit, void* bitmap, void* mask);

    unsigned long m_foreground;
    unsigned long m_background;
    void* m_palette;
    void* m_previousPalette;
    Layer* m_layer;
    unsigned char m_printing;

    // Shared by every drawing object of the process.
    static long s_foreColorNo;
    static long s_backColorNo;
    static char s_hatchPattern;
    static Box s_region;
};

// The system calls of a print job, which a test may replace to print on a
// surface of its own: the print dialog on a PRINTDLGA record (nonzero when a
// printer was chosen), the document calls on the printer's context
// (StartDocA with a DOCINFOA, StartPage, EndPage, EndDoc; above 0 when
// done), and the release of the context.
struct TQDprintCalls {
    int (*printDialog)(void* record);
    int (*startDoc)(void* context, const void* document);
    int (*startPage)(void* context);
    int (*endPage)(void* context);
    int (*endDoc)(void* context);
    int (*deleteContext)(void* context);
};
// Null puts the system's own calls back.
void TQGFsetPrintCalls(const TQDprintCalls* calls);

// The process-wide drawing object as the GDI one; null when the current
// drawing object is another.
TQDwindraw* TQGIwindraw();
// Makes the one GDI drawing object of the process and makes it the current
// drawing object of every device; later calls change nothing.
void TQGFinitializeWinDraw();

// Blend an image with its mask onto a context by pixel: mask 0 shows the
// image, 255 keeps what is there. The handles are the context's HDC, the
// memory contexts holding the image and the mask, the two HBITMAPs and the
// palette (may be null). The first draws the w x h image at (x, y); the
// second stretches the source area onto the destination area, and with
// operation 1 leaves the image out and XORs the kept background instead.
void _draw_image_with_mask(void* context, void* imageContext, void* maskContext,
                           void* image, void* mask, void* palette, int x, int y, int w,
                           int h);
void _draw_stretch_image_with_mask(void* context, void* imageContext, void* maskContext,
                                   void* image, void* mask, void* palette, int dx, int dy,
                                   int dw, int dh, int sx, int sy, int sw, int sh,
                                   unsigned char operation);

#endif
