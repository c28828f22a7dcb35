// The printer device: a device without a window or events on which a
// window is printed. It holds the page (the rectangle of device coordinates
// that fills the paper), the print mode, the paper code, the orientation and
// the output file, and hands them to the current drawing object when a
// drawing begins: a PostScript drawing object writes them into the file's
// page set-up; the GDI one, already started on a print job by the owner,
// gets only the drawing.
//
// The owner prints one page so:
//   1. for file output, open a TQDfile for writing and give it with setFile;
//   2. set the page with setValue 9, 10, 7, 8, 33, 34 and 35;
//   3. for file output make a TQDpsdraw the current drawing object
//      (TQDdev::setDraw), for printer output start the GDI job;
//   4. beginDraw(0, 0, w, h, 1, 1), draw, endDraw();
//   5. restore the drawing object and close the file, or end the job.
#ifndef _TQDPRDEV_H
#define _TQDPRDEV_H

#include "_TQDdev.h"

class TQDfile;

class TQDprDev : public TQDdev {
public:
    // The keys of setValue are TQDdraw's page keys, each read from the value
    // pointed to: the page as a long cut to 16 bits, the print mode, paper
    // and orientation as a byte, kept in 2, 4 and 1 bits.
    enum { MODE_POSTSCRIPT = 0, MODE_EPS = 1, MODE_PRINTER = 2 };

    // No file, page (0, 0, 512, 724), A4, PostScript, upright.
    TQDprDev();
    ~TQDprDev() override;
    TQ_ROOT_FRAME(TQDprDev, TQDdev)
    static const char* getThisClassName() { return "TQDprDev"; }

    long initialize() override { return 0; }
    // Every other key, the geometry of other devices among them, is ignored;
    // always 0.
    long setValue(long key, void* value) override;
    long getValue(long, void*) override { return 0; }
    // The origin and the size of the last drawing area, scaled by the
    // device's scale when scaled is set.
    long getExposedArea(short* x, short* y, unsigned short* w, unsigned short* h,
                        unsigned char scaled) override;
    // Every area counts as exposed.
    long isExposed(short, short, unsigned short, unsigned short, unsigned char) override
    {
        return 1;
    }
    // Maps the rectangle when map is set, opens it and hands the page and
    // the file to the current drawing object; -1 without one.
    long beginDraw(short x, short y, unsigned short w, unsigned short h, unsigned char flag,
                   unsigned char map) override;
    // -1 without a drawing object; the draw flag is cleared either way.
    long endDraw() override;

    // The output file, not owned; null for none.
    void setFile(TQDfile* file) { m_file = file; }
    long getDeviceResource() override;
    long getWindowResource() override { return 0; }
    long getContextResource() override { return 0; }
    long getSpecialResource() override { return 0; }
    long getReady() override { return 1; }

    short getPageX() const { return m_pageX; }
    short getPageY() const { return m_pageY; }
    unsigned short getPageWidth() const { return m_pageWidth; }
    unsigned short getPageHeight() const { return m_pageHeight; }
    unsigned char getPrintMode() const { return m_printMode; }
    unsigned char getPaper() const { return m_paper; }
    unsigned char getUpright() const { return m_upright; }

private:
    TQDfile* m_file;
    short m_pageX;
    short m_pageY;
    unsigned short m_pageWidth;
    unsigned short m_pageHeight;
    unsigned char m_paper : 4;
    unsigned char m_printMode : 2;
    unsigned char m_upright : 1;
};

#endif
