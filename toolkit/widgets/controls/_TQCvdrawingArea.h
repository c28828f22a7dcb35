// The drawing area: a window-less widget that draws nothing of its own at
// run time. Its owner draws into it from procedures on EXPOSE, which run
// inside a drawing pass, or between beginDraw() and endDraw(); the drawing
// operations work only inside a pass, in the area's own coordinates.
#ifndef _TQCVDRAWINGAREA_H
#define _TQCVDRAWINGAREA_H

#include "_TQCnwbase.h"

class TQDimage;

class TQCvdrawingArea : public TQCnwbase {
public:
    TQ_CLASS_FRAME(TQCvdrawingArea, TQCnwbase, 1000, 1000)
    TQCvdrawingArea(TQCbase* parent, const char* name);

    long _device_initialize() override;
    // Fills the area with foreColor when it draws through a pixmap; in
    // edit mode it shows a framed caption.
    long draw() override;
    // An EXPOSE with its area draws, then runs the EXPOSE procedures inside
    // a pass with foreColor as the device's colour.
    long execEventProc(long event, void* data) override;

    TQ_PROPERTY_WORK_HOOK(usePixmap, TQCbool)

    // Opens a pass: 0, also when the area is hidden (then nothing opens);
    // -1 without a device, when the area is not exposed or the device
    // refuses.
    virtual long beginDraw();
    // Closes the pass that is open; 0, or -1 without a device.
    virtual long endDraw();
    unsigned char getDrawing() const { return m_drawing; }

    // Each forwards to the device's operation of that name and answers it;
    // -1 outside a pass or without a device.
    long drawArc(short x, short y, unsigned short w, unsigned short h, short angle1,
                 short angle2);
    long drawFillArc(short x, short y, unsigned short w, unsigned short h, short angle1,
                     short angle2, char mode);
    long drawLine(short x1, short y1, short x2, short y2);
    long drawLines(TQCpoint* points, long count);
    long drawRect(short x, short y, unsigned short w, unsigned short h);
    long drawFillRect(short x, short y, unsigned short w, unsigned short h);
    long drawRects(TQCrect* rects, long count);
    long drawFillRects(TQCrect* rects, long count);
    long drawPoly(TQCpoint* points, long count);
    long drawFillPoly(TQCpoint* points, long count);
    long drawGradation(long kind, short color1, short color2, short color3, short x, short y,
                       unsigned short w, unsigned short h, unsigned char margin);
    // Colour names are made in the colour set when new.
    long drawGradation(long kind, const char* color1, const char* color2, const char* color3,
                       short x, short y, unsigned short w, unsigned short h,
                       unsigned char margin);
    long drawImage(short x, short y, unsigned short w, unsigned short h, TQDimage* image,
                   char mode);
    // -1 also when the image set has no image of that name.
    long drawImage(short x, short y, unsigned short w, unsigned short h, const char* image,
                   char mode);
    long drawStretchedImage(short x, short y, unsigned short w, unsigned short h,
                            TQDimage* image);
    long drawStretchedImage(short x, short y, unsigned short w, unsigned short h,
                            const char* image);
    // The device's string drawing takes the first code as the font number
    // and the second as the alignment (2 centres both ways). A negative
    // length draws the whole text, any other at most that many bytes.
    long drawString(long x, long y, unsigned long w, unsigned long h, char font,
                    char alignment, const char* text, long length);
    long drawFillString(long x, long y, unsigned long w, unsigned long h, char font,
                        char alignment, const char* text, long length);
    long setForeColor(const char* color);
    long setBackColor(const char* color);
    long setLineWidth(short width);
    long setLineDashType(char type);
    long setHatchPattern(char pattern);
    long setRegion(short x, short y, unsigned short w, unsigned short h);
    long setOperation(unsigned char operation);

private:
    // f(device) inside a pass, else -1.
    template <class Draw>
    long inPass(Draw f)
    {
        TQDdev* dev = getowndev();
        return m_drawing && dev != nullptr ? f(dev) : -1;
    }
    void sendUsePixmap(TQDdev* dev);
    void drawEditFrame(TQDdev* dev);

    TQCbool m_usePixmap : 1;
    unsigned char m_drawing : 1;
    TQ_BIT_FIELD_SLOT(m_usePixmap)
};

void* TQCvdrawingArea_create(void* parent);
void TQCvdrawingArea_delete(void* object);

#endif
