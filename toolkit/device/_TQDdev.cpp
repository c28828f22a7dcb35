// Abstract device: client link, event registration and delivery, the open
// drawing area and the mapping of every primitive onto the drawing interface.
#include "_TQDdev.h"

#include "_TQCbase.h"
#include "_TQCdevice.h"
#include "_TQCstring.h"
#include "_TQDappDev.h"
#include "_TQDdraw.h"
#include "_TQGFtrigger.h"

#include <cmath>

namespace {

unsigned short g_lastWidth = 0;
unsigned short g_lastHeight = 0;

// Arrays up to this length are converted on the stack.
const long kStackElements = 16;

} // namespace

TQDdev::TQDdev()
    : client(nullptr), eventMask(0), originX(0), originY(0), scalePtr(nullptr),
      xOffsetPtr(nullptr), yOffsetPtr(nullptr), addrHandler(nullptr),
      addrHandlerData(nullptr), parentDev(nullptr), eventParentDev(nullptr), flags()
{
}

TQDdev::~TQDdev()
{
    TQDdev::detachClient();
    flags.initialized = 0;
}

// ---- virtual operations with base behaviour ----

long TQDdev::setEventOrder(TQDdev*, char)
{
    return 0;
}

long TQDdev::setEvent(TQDdev*, unsigned char)
{
    return 0;
}

long TQDdev::execEvent(long, void*)
{
    return 0;
}

long TQDdev::cancelEvent(TQDdev* dev)
{
    if (dev == this)
        setEventRegistered(0);
    TQDdev* eventParent = getEventParentDev();
    if (eventParent != nullptr)
        eventParent->cancelEvent(this);
    return 0;
}

long TQDdev::detachClient()
{
    if (client == nullptr)
        return 0;
    setVisible(0);
    cancelEvent(this);
    addrHandler = nullptr;
    addrHandlerData = nullptr;
    client = nullptr;
    parentDev = nullptr;
    eventParentDev = nullptr;
    return 0;
}

long TQDdev::initialize()
{
    flags.initialized = 1;
    return 0;
}

long TQDdev::setValue(long key, void* value)
{
    switch (key) {
    case VALUE_SCALE_PTR:
        scalePtr = static_cast<double*>(value);
        break;
    case VALUE_X_OFFSET_PTR:
        xOffsetPtr = static_cast<short*>(value);
        break;
    case VALUE_Y_OFFSET_PTR:
        yOffsetPtr = static_cast<short*>(value);
        break;
    default:
        break;
    }
    return 0;
}

long TQDdev::getValue(long, void*)
{
    return 0;
}

void TQDdev::setExposedArea(short, short, unsigned short, unsigned short)
{
}

long TQDdev::getExposedArea(short* x, short* y, unsigned short* w, unsigned short* h,
                            unsigned char clientCoordinates)
{
    TQDdev* eventParent = getEventParentDev();
    if (eventParent == nullptr)
        return -1;
    eventParent->getExposedArea(x, y, w, h, 0);
    if (clientCoordinates)
        unmapArea(x, y, w, h);
    return 0;
}

long TQDdev::isExposed(short x, short y, unsigned short w, unsigned short h,
                       unsigned char mapped)
{
    if (mapped)
        mapArea(&x, &y, &w, &h);
    short ex = 0, ey = 0;
    unsigned short ew = 0, eh = 0;
    if (getExposedArea(&ex, &ey, &ew, &eh, 0) != 0)
        return 0;
    bool touches = ex <= x + w && ey <= y + h && x <= ex + ew && y <= ey + eh;
    return touches ? 1 : 0;
}

long TQDdev::setRegion(short x, short y, unsigned short w, unsigned short h)
{
    short ex = 0, ey = 0;
    unsigned short ew = 0, eh = 0;
    if (getExposedArea(&ex, &ey, &ew, &eh, 0) != 0)
        return -1;
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    short mx = mapX(x), my = mapY(y);
    unsigned short mw = mapSize(w), mh = mapSize(h);
    if (flags.wholeArea) {
        draw->setRegion(mx, my, mw, mh);
        return 0;
    }
    // Unlike the clip of beginDraw, a region outside the exposed area is
    // empty rather than negative.
    long left = mx > ex ? mx : ex;
    long top = my > ey ? my : ey;
    long right = (mx + mw < ex + ew) ? mx + mw : ex + ew;
    long bottom = (my + mh < ey + eh) ? my + mh : ey + eh;
    if (right <= left || bottom <= top)
        draw->setRegion(0, 0, 0, 0);
    else
        draw->setRegion(static_cast<short>(left), static_cast<short>(top),
                        static_cast<unsigned short>(right - left),
                        static_cast<unsigned short>(bottom - top));
    return 0;
}

long TQDdev::beginDraw(short x, short y, unsigned short w, unsigned short h,
                       unsigned char whole, unsigned char mapped)
{
    flags.wholeArea = whole & 1;
    if (mapped)
        mapArea(&x, &y, &w, &h);
    TQDdev* parent = getParentDev();
    if (parent != nullptr)
        parent->beginDraw(x, y, w, h, whole, 0);
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    setOrigin(x, y);
    setWH(w, h);
    short ex = 0, ey = 0;
    unsigned short ew = 0, eh = 0;
    if (getExposedArea(&ex, &ey, &ew, &eh, 0) != 0)
        return -1;
    if (!getReady())
        return -1;
    openPass(draw, x, y, w, h, whole, ex, ey, ew, eh);
    return 0;
}

void TQDdev::openPass(TQDdraw* draw, short x, short y, unsigned short w, unsigned short h,
                      unsigned char whole, short ex, short ey, unsigned short ew,
                      unsigned short eh)
{
    draw->beginDraw(this, getDeviceResource(), getWindowResource(), getContextResource());
    if (whole == 0) {
        short cx, cy;
        unsigned short cw, ch;
        clipArea(x, y, w, h, ex, ey, ew, eh, &cx, &cy, &cw, &ch);
        draw->setRegion(cx, cy, cw, ch);
    } else {
        draw->setRegion(x, y, w, h);
    }
}

long TQDdev::internalBeginDraw(short x, short y, unsigned short w, unsigned short h,
                               unsigned char whole, unsigned char mapped)
{
    return beginDraw(x, y, w, h, whole, mapped);
}

long TQDdev::endDraw()
{
    flags.wholeArea = 0;
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    draw->endDraw();
    TQDdev* parent = getParentDev();
    if (parent != nullptr)
        parent->endDraw();
    return 0;
}

long TQDdev::internalEndDraw()
{
    return endDraw();
}

long TQDdev::exposeArea(long, long, unsigned long, unsigned long, unsigned char)
{
    return 0;
}

long TQDdev::clearArea(long, long, unsigned long, unsigned long, unsigned char, unsigned char)
{
    return 0;
}

long TQDdev::setVisible(unsigned char on)
{
    flags.visible = on ? 1 : 0;
    if (on && !flags.initialized) {
        initialize();
        flags.initialized = 1;
    }
    return 0;
}

long TQDdev::isAvailableEvent(long)
{
    return 0;
}

long TQDdev::setEnableEvent(long)
{
    flags.eventRegistered = 1;
    return 0;
}

long TQDdev::setEnableEventBit(long)
{
    flags.eventRegistered = 1;
    return 0;
}

long TQDdev::setDisableEvent(long)
{
    return 0;
}

long TQDdev::setAbsoluteAddrChangeHandler(AbsoluteAddrChangeHandler handler, void* data)
{
    addrHandler = handler;
    addrHandlerData = data;
    return 0;
}

long TQDdev::getAvailableEventBit()
{
    return 0;
}

long TQDdev::getAbsoluteAddr(short x, short y, short* ax, short* ay)
{
    double s = getScale();
    *ax = truncToShort((x + getXOffset()) * s);
    *ay = truncToShort((y + getYOffset()) * s);
    return 0;
}

long TQDdev::getDispAddr(short* x, short* y)
{
    *x = 0;
    *y = 0;
    return 0;
}

TQDdev* TQDdev::getParentDev()
{
    if (parentDev == nullptr && client != nullptr)
        parentDev = client->getParentDev();
    return parentDev;
}

// Without an event parent of its own a device dispatches through its parent.
TQDdev* TQDdev::getEventParentDev()
{
    if (eventParentDev == nullptr)
        eventParentDev = parentDev;
    return eventParentDev;
}

TQDdev* TQDdev::getVisibleParentDev()
{
    return parentDev;
}

long TQDdev::getReady()
{
    return 0;
}

long TQDdev::copyArea(long, long, unsigned long, unsigned long, long, long)
{
    return 0;
}

// ---- open area, registration, client ----

void TQDdev::getGeom(short* x, short* y, unsigned short* w, unsigned short* h)
{
    *x = originX;
    *y = originY;
    getWH(w, h);
}

void TQDdev::getWH(unsigned short* w, unsigned short* h)
{
    *w = g_lastWidth;
    *h = g_lastHeight;
}

void TQDdev::setWH(unsigned short w, unsigned short h)
{
    g_lastWidth = w;
    g_lastHeight = h;
}

void TQDdev::setEventRegistered(unsigned char on)
{
    flags.eventRegistered = on ? 1 : 0;
    if (!on)
        eventMask = 0;
}

long TQDdev::attachClient(TQCbase* newClient)
{
    if (client != nullptr)
        detachClient();
    scalePtr = nullptr;
    xOffsetPtr = nullptr;
    yOffsetPtr = nullptr;
    client = newClient;
    if (!flags.initialized) {
        initialize();
        flags.initialized = 1;
    }
    return 0;
}

void TQDdev::deleteInstance()
{
    if (flags.scheduledForDeletion)
        return;
    detachClient();
    flags.initialized = 0;
    flags.scheduledForDeletion = 1;
    TQGIappDevice()->addDeleteInstance(this);
}

// ---- event delivery ----

// True when the modal client keeps this device's client from the event:
// neither a grabbing device on the way up nor the modal client as an
// ancestor lets it through.
bool TQDdev::modalBlocks(TQCbase* modal)
{
    for (TQDdev* dev = this; dev != nullptr; dev = dev->getParentDev()) {
        unsigned char grab = 0;
        dev->getValue(VALUE_GRAB, &grab);
        if (grab != 0)
            return false;
    }
    for (TQCbase* up = client->getParent(); up != nullptr; up = up->getParent())
        if (up == modal)
            return false;
    return true;
}

long TQDdev::informEventToClient(long event, void* data)
{
    if (client == nullptr || !client->getVisible())
        return -1;
    if (event == TQEV_EXPOSE)
        return client->execEventProc(event, data);

    TQDappDev* app = TQGIappDev();
    if (app != nullptr) {
        TQCbase* modal = app->getModalClient();
        if (modal != nullptr && modal != client && event != TQEV_RESIZE && modalBlocks(modal)) {
            TQDappDev::ModalProc proc = app->getModalProc();
            if (proc == nullptr)
                return -1;
            proc(this, event, data);
            return 0;
        }
        TQCbase* popupModal = app->getPopupModalClient();
        if (popupModal != nullptr && popupModal != client &&
            app->getPopupModalFollows() != client)
            return -1;
    }

    switch (event) {
    case TQEV_MOUSE_IN:
    case TQEV_MOUSE_PRESS:
    case TQEV_MOUSE_RELEASE:
    case TQEV_MOUSE_MOVE: {
        if (data == nullptr)
            return -1;
        TQCpoint local = *static_cast<TQCpoint*>(data);
        unmapPoint(&local);
        // A window-less client answers 0 for a press or release it hit, which
        // ends the window's offer of it to the widgets below.
        if (client->getSensitive() || client->getPropertyEditMode())
            return client->execEventProc(event, &local);
        return -1;
    }
    default:
        return client->execEventProc(event, data);
    }
}

// ---- drawing interfaces ----

// The drawing object itself keeps the process-wide current and native ones.
long TQDdev::setDraw(TQDdraw* draw)
{
    return TQDdraw::setCurrentDraw(draw);
}

TQDdraw* TQDdev::getDraw()
{
    return TQDdraw::getCurrentDraw();
}

long TQDdev::setNativeDraw(TQDdraw* draw)
{
    return TQDdraw::setNativeDraw(draw);
}

TQDdraw* TQDdev::getNativeDraw()
{
    return TQDdraw::getNativeDraw();
}

long TQDdev::setOperation(unsigned char op)
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    flags.operation = op & 3;
    draw->setOperation(op);
    return 0;
}

void TQDdev::setUnderLineChar(long a, long b)
{
    TQDdraw* draw = getDraw();
    if (draw != nullptr)
        draw->setUnderLineChar(a, b);
}

// ---- coordinate mapping ----

long long TQDdev::truncToInt64(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= 9.2e18)
        return INT64_MAX;
    if (v <= -9.2e18)
        return INT64_MIN;
    return static_cast<long long>(v);
}

void TQDdev::mapArea(short* x, short* y, unsigned short* w, unsigned short* h)
{
    if (getScaled()) {
        double s = getScale();
        *x = truncToShort((*x + getXOffset()) * s);
        *y = truncToShort((*y + getYOffset()) * s);
        *w = static_cast<unsigned short>(truncToInt64(*w * s));
        *h = static_cast<unsigned short>(truncToInt64(*h * s));
    } else {
        *x = static_cast<short>(*x + getXOffset());
        *y = static_cast<short>(*y + getYOffset());
    }
}

short TQDdev::mapX(short x) const
{
    short scaled = getScaled() ? truncToShort(x * getScale()) : x;
    return static_cast<short>(scaled + originX);
}

short TQDdev::mapY(short y) const
{
    short scaled = getScaled() ? truncToShort(y * getScale()) : y;
    return static_cast<short>(scaled + originY);
}

unsigned short TQDdev::mapSize(unsigned short size) const
{
    if (!getScaled())
        return size;
    return static_cast<unsigned short>(truncToInt64(size * getScale()));
}

long TQDdev::mapLongX(long x) const
{
    long scaled = getScaled() ? static_cast<long>(truncToInt64(x * getScale())) : x;
    return scaled + originX;
}

long TQDdev::mapLongY(long y) const
{
    long scaled = getScaled() ? static_cast<long>(truncToInt64(y * getScale())) : y;
    return scaled + originY;
}

unsigned long TQDdev::mapLongSize(unsigned long size) const
{
    if (!getScaled())
        return size;
    return static_cast<unsigned long>(truncToInt64(size * getScale()));
}

void TQDdev::mapPoint(const TQCpoint& in, TQCpoint* out) const
{
    if (getScaled()) {
        double s = getScale();
        out->x = truncToShort(in.x * s) + originX;
        out->y = truncToShort(in.y * s) + originY;
    } else {
        out->x = in.x + originX;
        out->y = in.y + originY;
    }
}

void TQDdev::mapRect(const TQCrect& in, TQCrect* out) const
{
    TQCpoint corner = {in.x, in.y};
    TQCpoint mapped;
    mapPoint(corner, &mapped);
    out->x = mapped.x;
    out->y = mapped.y;
    if (getScaled()) {
        double s = getScale();
        out->width = static_cast<unsigned short>(truncToInt64(in.width * s));
        out->height = static_cast<unsigned short>(truncToInt64(in.height * s));
    } else {
        out->width = in.width;
        out->height = in.height;
    }
}

void TQDdev::unmapPoint(TQCpoint* point) const
{
    if (getScaled()) {
        double s = getScale();
        point->x = truncToShort(point->x / s) - getXOffset();
        point->y = truncToShort(point->y / s) - getYOffset();
    } else {
        point->x -= getXOffset();
        point->y -= getYOffset();
    }
}

void TQDdev::unmapArea(short* x, short* y, unsigned short* w, unsigned short* h) const
{
    TQCpoint corner = {*x, *y};
    unmapPoint(&corner);
    *x = static_cast<short>(corner.x);
    *y = static_cast<short>(corner.y);
    if (getScaled()) {
        double s = getScale();
        *w = static_cast<unsigned short>(truncToInt64(*w / s));
        *h = static_cast<unsigned short>(truncToInt64(*h / s));
    }
}

void TQDdev::clipArea(short x, short y, unsigned short w, unsigned short h, short ex, short ey,
                      unsigned short ew, unsigned short eh, short* cx, short* cy,
                      unsigned short* cw, unsigned short* ch)
{
    long left = x > ex ? x : ex;
    long top = y > ey ? y : ey;
    long right = (x + w < ex + ew) ? x + w : ex + ew;
    long bottom = (y + h < ey + eh) ? y + h : ey + eh;
    *cx = static_cast<short>(left);
    *cy = static_cast<short>(top);
    // Areas that do not overlap give an empty region.
    *cw = static_cast<unsigned short>(right > left ? right - left : 0);
    *ch = static_cast<unsigned short>(bottom > top ? bottom - top : 0);
}

// ---- drawing family ----

long TQDdev::setForeColor(short color)
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    draw->setForeColor(color);
    return 0;
}

long TQDdev::setBackColor(short color)
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    draw->setBackColor(color);
    return 0;
}

long TQDdev::setForeColor(TQDcolor* color)
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    draw->setForeColor(color);
    return 0;
}

long TQDdev::setBackColor(TQDcolor* color)
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    draw->setBackColor(color);
    return 0;
}

long TQDdev::setLineWidth(short width)
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    draw->setLineWidth(width);
    return 0;
}

long TQDdev::setLineDashType(char type)
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    draw->setLineDashType(type);
    return 0;
}

long TQDdev::setHatchPattern(char pattern)
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    draw->setHatchPattern(pattern);
    return 0;
}

long TQDdev::drawArc(short x, short y, unsigned short w, unsigned short h, short angle1,
                     short angle2)
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    draw->drawArc(mapX(x), mapY(y), mapSize(w), mapSize(h), angle1, angle2);
    return 0;
}

long TQDdev::drawFillArc(short x, short y, unsigned short w, unsigned short h, short angle1,
                         short angle2, char mode)
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    draw->drawFillArc(mapX(x), mapY(y), mapSize(w), mapSize(h), angle1, angle2, mode);
    return 0;
}

long TQDdev::drawLine(short x1, short y1, short x2, short y2)
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    draw->drawLine(mapX(x1), mapY(y1), mapX(x2), mapY(y2));
    return 0;
}

// Converts the points into a stack buffer, or a heap buffer of exactly
// count elements when there are more than fit on the stack, and sends them.
template <typename Send>
long TQDdev::forwardPoints(TQCpoint* points, long count, Send send)
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    TQCpoint onStack[kStackElements];
    TQCpoint* mapped = count > kStackElements ? new TQCpoint[count] : onStack;
    for (long i = 0; i < count; ++i)
        mapPoint(points[i], &mapped[i]);
    send(draw, mapped, count);
    if (mapped != onStack)
        delete[] mapped;
    return 0;
}

template <typename Send>
long TQDdev::forwardRects(TQCrect* rects, long count, Send send)
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    TQCrect onStack[kStackElements];
    TQCrect* mapped = count > kStackElements ? new TQCrect[count] : onStack;
    for (long i = 0; i < count; ++i)
        mapRect(rects[i], &mapped[i]);
    send(draw, mapped, count);
    if (mapped != onStack)
        delete[] mapped;
    return 0;
}

long TQDdev::drawLines(TQCpoint* points, long count)
{
    return forwardPoints(points, count,
                         [](TQDdraw* d, TQCpoint* p, long n) { d->drawLines(p, n); });
}

long TQDdev::drawPoly(TQCpoint* points, long count)
{
    return forwardPoints(points, count,
                         [](TQDdraw* d, TQCpoint* p, long n) { d->drawPoly(p, n); });
}

long TQDdev::drawFillPoly(TQCpoint* points, long count)
{
    return forwardPoints(points, count,
                         [](TQDdraw* d, TQCpoint* p, long n) { d->drawFillPoly(p, n); });
}

long TQDdev::drawRect(short x, short y, unsigned short w, unsigned short h)
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    draw->drawRect(mapX(x), mapY(y), mapSize(w), mapSize(h));
    return 0;
}

long TQDdev::drawFillRect(short x, short y, unsigned short w, unsigned short h)
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    draw->drawFillRect(mapX(x), mapY(y), mapSize(w), mapSize(h));
    return 0;
}

long TQDdev::drawRects(TQCrect* rects, long count)
{
    return forwardRects(rects, count,
                        [](TQDdraw* d, TQCrect* r, long n) { d->drawRects(r, n); });
}

long TQDdev::drawFillRects(TQCrect* rects, long count)
{
    return forwardRects(rects, count,
                        [](TQDdraw* d, TQCrect* r, long n) { d->drawFillRects(r, n); });
}

long TQDdev::drawGradation(long kind, short value1, short value2, short value3, short x,
                           short y, unsigned short w, unsigned short h, unsigned char last)
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    draw->drawGradation(kind, value1, value2, value3, mapX(x), mapY(y), mapSize(w),
                        mapSize(h), last);
    return 0;
}

long TQDdev::drawImage(short x, short y, unsigned short w, unsigned short h, TQDimage* image,
                       char mode)
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    draw->drawImage(mapX(x), mapY(y), mapSize(w), mapSize(h), image, mode);
    return 0;
}

long TQDdev::drawImage(short dx, short dy, short sx, short sy, unsigned short w,
                       unsigned short h, TQDimage* image)
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    draw->drawImage(mapX(dx), mapY(dy), sx, sy, mapSize(w), mapSize(h), image);
    return 0;
}

long TQDdev::drawStretchedImage(short x, short y, unsigned short w, unsigned short h,
                                TQDimage* image)
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    draw->drawStretchedImage(mapX(x), mapY(y), mapSize(w), mapSize(h), image);
    return 0;
}

long TQDdev::drawString(long x, long y, unsigned long w, unsigned long h, TQCstring* text,
                        char font, char alignment, long charPos, unsigned char mode,
                        long selStart, long selEnd)
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    draw->drawString(mapLongX(x), mapLongY(y), mapLongSize(w), mapLongSize(h), text, font,
                     alignment, charPos, mode, selStart, selEnd);
    return 0;
}

long TQDdev::drawUString(long x, long y, unsigned long w, unsigned long h,
                         unsigned short* text, char font, char alignment, long charPos,
                         unsigned char mode, long selStart, long selEnd)
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    draw->drawUString(mapLongX(x), mapLongY(y), mapLongSize(w), mapLongSize(h), text, font,
                      alignment, charPos, mode, selStart, selEnd);
    return 0;
}

long TQDdev::drawFillString(long x, long y, unsigned long w, unsigned long h, TQCstring* text,
                            char font, char alignment, long charPos, unsigned char mode)
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    draw->drawFillString(mapLongX(x), mapLongY(y), mapLongSize(w), mapLongSize(h), text, font,
                         alignment, charPos, mode);
    return 0;
}

long TQDdev::drawFillUString(long x, long y, unsigned long w, unsigned long h,
                             unsigned short* text, char font, char alignment, long charPos,
                             unsigned char mode)
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    draw->drawFillUString(mapLongX(x), mapLongY(y), mapLongSize(w), mapLongSize(h), text,
                          font, alignment, charPos, mode);
    return 0;
}

long TQDdev::drawString(long x, long y, unsigned long w, unsigned long h, char font,
                        char alignment, char* text, long length)
{
    if (getDraw() == nullptr)
        return -1;
    TQCstring string;
    string.setStringEx(text, length);
    return drawString(x, y, w, h, &string, font, alignment, -1, 0, 0, 0);
}

long TQDdev::drawFillString(long x, long y, unsigned long w, unsigned long h, char font,
                            char alignment, char* text, long length)
{
    if (getDraw() == nullptr)
        return -1;
    TQCstring string;
    string.setStringEx(text, length);
    return drawFillString(x, y, w, h, &string, font, alignment, -1, 0);
}
