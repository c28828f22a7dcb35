// Drawing area: the usePixmap property, the drawing pass with its guarded
// operations, the expose that runs the owner's procedures inside a pass,
// and the edit-mode caption.
#include "_TQCvdrawingArea.h"

#include "_TQCcolorSet.h"
#include "_TQCimageSet.h"
#include "_TQCstring.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDdev.h"
#include "_TQGFtrigger.h"

TQ_TYPE_SERVER_FRAME(TQCvdrawingArea, TQCnwbase);

namespace {

const char kClassName[] = "TQCvdrawingArea";
const char kEditCaption[] = "DrawingArea";
const char kEditFrameColor[] = "gray55";

// The image of a file name in the image set, loaded when new; null when
// the set cannot give it.
TQDimage* namedImage(const char* name)
{
    TQCimageSet* images = TQGIappImageSet();
    short no = images->getImageNo(name);
    return no == -1 ? nullptr : images->getImage(no);
}

short colorNo(const char* name)
{
    return TQGIappColorSet()->getColorNo(name);
}

// The device takes its text as a string: a negative length is the whole
// text, any other at most that many bytes of it.
long textOnDevice(TQDdev* dev, bool fill, long x, long y, unsigned long w, unsigned long h,
                  char font, char alignment, const char* text, long length)
{
    TQCstring string;
    if (length < 0)
        string.setString(text, -2);
    else
        string.setStringEx(text, length);
    if (fill)
        return dev->drawFillString(x, y, w, h, &string, font, alignment, -1, 0);
    return dev->drawString(x, y, w, h, &string, font, alignment, -1, 0, 0, 0);
}

} // namespace

TQCvdrawingArea::TQCvdrawingArea(TQCbase* parent, const char* name)
    : TQCnwbase(parent, name), m_usePixmap(0), m_drawing(0)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH_FLAG(r, usePixmap, 0, bool4);
        // A drawing area does not blink.
        for (const char* blink : {_TQNblinkColor(), _TQNblinkRate(), _TQNtwinBlink(),
                                  _TQNblinkFlag(), _TQNblinkRefreshing()})
            r.hide(blink);
    });
}

void TQCvdrawingArea::sendUsePixmap(TQDdev* dev)
{
    unsigned char on = m_usePixmap;
    dev->setValue(TQDdev::VALUE_USE_PIXMAP, &on);
}

long TQCvdrawingArea::_device_initialize()
{
    TQCnwbase::_device_initialize();
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return -1;
    if (m_usePixmap)
        sendUsePixmap(dev);
    return 0;
}

void TQCvdrawingArea::setWorkTQNusePixmap(TQCbool)
{
    if (TQDdev* dev = getowndev())
        sendUsePixmap(dev);
}

// ---------------------------------------------------------------------------
// Drawing pass

// The device hears usePixmap at every pass it opens, so a device made later
// follows the property too.
long TQCvdrawingArea::beginDraw()
{
    long drawing = drawable(kClassName, __LINE__);
    if (drawing != 1)
        return drawing;
    if (!drawWanted(kClassName, __LINE__))
        return -1;
    sendUsePixmap(getowndev());
    if (!openDrawing(kClassName, __LINE__))
        return -1;
    m_drawing = 1;
    return 0;
}

// A pass that is open is closed even when the area was hidden meanwhile.
long TQCvdrawingArea::endDraw()
{
    TQDdev* dev = getowndev();
    if (m_drawing && dev != nullptr) {
        m_drawing = 0;
        dev->endDraw();
        return 0;
    }
    if (!getVisible())
        return 0;
    return dev == nullptr ? -1 : 0;
}

long TQCvdrawingArea::draw()
{
    long drawing = drawable(kClassName, __LINE__);
    if (drawing != 1)
        return drawing;
    if (!drawWanted(kClassName, __LINE__))
        return 0;
    bool editing = getPropertyEditMode();
    if (!editing && !m_usePixmap) {
        TQCbase::update();
        setAbsoluteDraw(0);
        return 0;
    }
    if (!openDrawing(kClassName, __LINE__))
        return 0;
    TQDdev* dev = getowndev();
    if (m_usePixmap) {
        dev->setForeColor(m_foreColor);
        dev->drawFillRect(0, 0, m_width, m_height);
    }
    if (editing)
        drawEditFrame(dev);
    dev->endDraw();
    return 0;
}

void TQCvdrawingArea::drawEditFrame(TQDdev* dev)
{
    dev->setForeColor(colorNo(kEditFrameColor));
    dev->setLineWidth(1);
    dev->drawRect(0, 0, m_width, m_height);
    textOnDevice(dev, false, 0, 0, m_width, m_height, 0, 2, kEditCaption, -1);
}

long TQCvdrawingArea::execEventProc(long event, void* data)
{
    if (event != TQEV_EXPOSE || data == nullptr)
        return TQCnwbase::execEventProc(event, data);
    LifeGuard guard(this);
    onExpose(static_cast<TQCrect*>(data));
    if (guard.alive())
        draw();
    if (!guard.alive() || !hasExposeProcedures() || beginDraw() != 0)
        return 0;
    if (TQDdev* dev = getowndev())
        dev->setForeColor(m_foreColor);
    execProcedure(TQEV_EXPOSE);
    if (guard.alive())
        endDraw();
    return 0;
}

// ---------------------------------------------------------------------------
// Drawing operations

long TQCvdrawingArea::drawArc(short x, short y, unsigned short w, unsigned short h,
                              short angle1, short angle2)
{
    return inPass([&](TQDdev* d) { return d->drawArc(x, y, w, h, angle1, angle2); });
}

long TQCvdrawingArea::drawFillArc(short x, short y, unsigned short w, unsigned short h,
                                  short angle1, short angle2, char mode)
{
    return inPass([&](TQDdev* d) { return d->drawFillArc(x, y, w, h, angle1, angle2, mode); });
}

long TQCvdrawingArea::drawLine(short x1, short y1, short x2, short y2)
{
    return inPass([&](TQDdev* d) { return d->drawLine(x1, y1, x2, y2); });
}

long TQCvdrawingArea::drawLines(TQCpoint* points, long count)
{
    return inPass([&](TQDdev* d) { return d->drawLines(points, count); });
}

long TQCvdrawingArea::drawRect(short x, short y, unsigned short w, unsigned short h)
{
    return inPass([&](TQDdev* d) { return d->drawRect(x, y, w, h); });
}

long TQCvdrawingArea::drawFillRect(short x, short y, unsigned short w, unsigned short h)
{
    return inPass([&](TQDdev* d) { return d->drawFillRect(x, y, w, h); });
}

long TQCvdrawingArea::drawRects(TQCrect* rects, long count)
{
    return inPass([&](TQDdev* d) { return d->drawRects(rects, count); });
}

long TQCvdrawingArea::drawFillRects(TQCrect* rects, long count)
{
    return inPass([&](TQDdev* d) { return d->drawFillRects(rects, count); });
}

long TQCvdrawingArea::drawPoly(TQCpoint* points, long count)
{
    return inPass([&](TQDdev* d) { return d->drawPoly(points, count); });
}

long TQCvdrawingArea::drawFillPoly(TQCpoint* points, long count)
{
    return inPass([&](TQDdev* d) { return d->drawFillPoly(points, count); });
}

long TQCvdrawingArea::drawGradation(long kind, short color1, short color2, short color3,
                                    short x, short y, unsigned short w, unsigned short h,
                                    unsigned char margin)
{
    return inPass([&](TQDdev* d) {
        return d->drawGradation(kind, color1, color2, color3, x, y, w, h, margin);
    });
}

long TQCvdrawingArea::drawGradation(long kind, const char* color1, const char* color2,
                                    const char* color3, short x, short y, unsigned short w,
                                    unsigned short h, unsigned char margin)
{
    return inPass([&](TQDdev* d) {
        return d->drawGradation(kind, colorNo(color1), colorNo(color2), colorNo(color3), x, y,
                                w, h, margin);
    });
}

long TQCvdrawingArea::drawImage(short x, short y, unsigned short w, unsigned short h,
                                TQDimage* image, char mode)
{
    return inPass([&](TQDdev* d) { return d->drawImage(x, y, w, h, image, mode); });
}

long TQCvdrawingArea::drawImage(short x, short y, unsigned short w, unsigned short h,
                                const char* image, char mode)
{
    return inPass([&](TQDdev* d) {
        TQDimage* found = namedImage(image);
        return found != nullptr ? d->drawImage(x, y, w, h, found, mode) : -1;
    });
}

long TQCvdrawingArea::drawStretchedImage(short x, short y, unsigned short w, unsigned short h,
                                         TQDimage* image)
{
    return inPass([&](TQDdev* d) { return d->drawStretchedImage(x, y, w, h, image); });
}

long TQCvdrawingArea::drawStretchedImage(short x, short y, unsigned short w, unsigned short h,
                                         const char* image)
{
    return inPass([&](TQDdev* d) {
        TQDimage* found = namedImage(image);
        return found != nullptr ? d->drawStretchedImage(x, y, w, h, found) : -1;
    });
}

long TQCvdrawingArea::drawString(long x, long y, unsigned long w, unsigned long h, char font,
                                 char alignment, const char* text, long length)
{
    return inPass([&](TQDdev* d) {
        return textOnDevice(d, false, x, y, w, h, font, alignment, text, length);
    });
}

long TQCvdrawingArea::drawFillString(long x, long y, unsigned long w, unsigned long h,
                                     char font, char alignment, const char* text, long length)
{
    return inPass([&](TQDdev* d) {
        return textOnDevice(d, true, x, y, w, h, font, alignment, text, length);
    });
}

long TQCvdrawingArea::setForeColor(const char* color)
{
    return inPass([&](TQDdev* d) { return d->setForeColor(colorNo(color)); });
}

long TQCvdrawingArea::setBackColor(const char* color)
{
    return inPass([&](TQDdev* d) { return d->setBackColor(colorNo(color)); });
}

long TQCvdrawingArea::setLineWidth(short width)
{
    return inPass([&](TQDdev* d) { return d->setLineWidth(width); });
}

long TQCvdrawingArea::setLineDashType(char type)
{
    return inPass([&](TQDdev* d) { return d->setLineDashType(type); });
}

long TQCvdrawingArea::setHatchPattern(char pattern)
{
    return inPass([&](TQDdev* d) { return d->setHatchPattern(pattern); });
}

long TQCvdrawingArea::setRegion(short x, short y, unsigned short w, unsigned short h)
{
    return inPass([&](TQDdev* d) { return d->setRegion(x, y, w, h); });
}

long TQCvdrawingArea::setOperation(unsigned char operation)
{
    return inPass([&](TQDdev* d) { return d->setOperation(operation); });
}
