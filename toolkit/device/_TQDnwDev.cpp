// Window-less device: translation towards the parent device for drawing,
// exposing, clearing, copying and event registration.
#include "_TQDnwDev.h"

#include "_TQCbase.h"
#include "_TQDdraw.h"
#include "_TQGFtrigger.h"
#include "_TQN.h"

namespace {

// One own-pixmap drawing pass at a time, shared by every window-less device.
short g_backX = 0;
short g_backY = 0;
short g_copyX = 0;
short g_copyY = 0;
unsigned short g_copyW = 0;
unsigned short g_copyH = 0;

} // namespace

TQDnwDev::TQDnwDev() : usePixmap(0), savedExposeSequence(0), exposeSequenceTaken(0)
{
    setNoChildDev(1);
}

void TQDnwDev::getBackXY(short* x, short* y)
{
    *x = g_backX;
    *y = g_backY;
}

void TQDnwDev::getCopyPixmapGeom(short* x, short* y, unsigned short* w, unsigned short* h)
{
    *x = g_copyX;
    *y = g_copyY;
    *w = g_copyW;
    *h = g_copyH;
}

long TQDnwDev::setValue(long key, void* value)
{
    if (key == VALUE_USE_PIXMAP) {
        usePixmap = *static_cast<unsigned char*>(value) & 1;
        return 0;
    }
    return TQDdev::setValue(key, value);
}

unsigned char TQDnwDev::getUsePixmap()
{
    if (!usePixmap)
        return 0;
    TQDdev* parent = getParentDev();
    return (parent == nullptr || parent->getPixmapStyle() == 0) ? 1 : 0;
}

// ---- resources of the parent ----

long TQDnwDev::getDeviceResource()
{
    TQDdev* parent = getParentDev();
    return parent != nullptr ? parent->getDeviceResource() : -1;
}

long TQDnwDev::getWindowResource()
{
    TQDdev* parent = getParentDev();
    return parent != nullptr ? parent->getWindowResource() : -1;
}

long TQDnwDev::getContextResource()
{
    TQDdev* parent = getParentDev();
    return parent != nullptr ? parent->getContextResource() : -1;
}

long TQDnwDev::getSpecialResource()
{
    TQDdev* parent = getParentDev();
    return parent != nullptr ? parent->getSpecialResource() : -1;
}

long TQDnwDev::getReady()
{
    TQDdev* parent = getParentDev();
    if (parent == nullptr)
        return 0;
    return (parent->getDeviceResource() != -1 && parent->getWindowResource() != -1 &&
            parent->getContextResource() != -1)
               ? 1
               : 0;
}

// ---- addresses ----

long TQDnwDev::setAbsoluteAddrChangeHandler(AbsoluteAddrChangeHandler handler, void* data)
{
    TQDdev* parent = getParentDev();
    if (parent != nullptr)
        parent->setAbsoluteAddrChangeHandler(handler, data);
    return 0;
}

long TQDnwDev::getAbsoluteAddr(short x, short y, short* ax, short* ay)
{
    short px = 0, py = 0;
    TQDdev* parent = getParentDev();
    if (parent != nullptr)
        parent->getAbsoluteAddr(x, y, &px, &py);
    px = static_cast<short>(px + getXOffset());
    py = static_cast<short>(py + getYOffset());
    if (getScaled()) {
        px = truncToShort(getScale() * px);
        py = truncToShort(getScale() * py);
    }
    *ax = px;
    *ay = py;
    return 0;
}

long TQDnwDev::getDispAddr(short* x, short* y)
{
    *x = 0;
    *y = 0;
    if (client == nullptr)
        return 0;
    short px = 0, py = 0;
    if (client->existProperty(_TQNx()))
        client->getPropertyV(_TQNx(), &px);
    if (client->existProperty(_TQNy()))
        client->getPropertyV(_TQNy(), &py);
    px = static_cast<short>(px + getXOffset());
    py = static_cast<short>(py + getYOffset());
    if (getScaled()) {
        px = truncToShort(getScale() * px);
        py = truncToShort(getScale() * py);
    }
    TQDdev* parent = getParentDev();
    if (parent == nullptr)
        return 0;
    short ax = 0, ay = 0;
    parent->getAbsoluteAddr(px, py, &ax, &ay);
    short dx = 0, dy = 0;
    parent->getDispAddr(&dx, &dy);
    *x = static_cast<short>(ax + dx);
    *y = static_cast<short>(ay + dy);
    return 0;
}

// ---- event registration, all through the parent ----

long TQDnwDev::isAvailableEvent(long event)
{
    return (TQGFeventToMaskBit(event) & AVAILABLE_EVENT_BITS) != 0 ? 1 : 0;
}

long TQDnwDev::getAvailableEventBit()
{
    return AVAILABLE_EVENT_BITS;
}

long TQDnwDev::setEnableEventBit(long bits)
{
    long wanted = bits & getAvailableEventBit();
    if (getEventRegistered()) {
        setEventMaskBit(getEventMaskBit() | wanted);
        return 0;
    }
    TQDdev* parent = getParentDev();
    if (parent == nullptr || wanted == 0)
        return -1;
    parent->setEvent(this, 1);
    setEventMaskBit(wanted);
    setEventRegistered(1);
    return 0;
}

long TQDnwDev::setEnableEvent(long event)
{
    bool available = isAvailableEvent(event) != 0;
    long bit = TQGFeventToMaskBit(event);
    if (getEventRegistered()) {
        if (available)
            setEventMaskBit(getEventMaskBit() | bit);
        return 0;
    }
    TQDdev* parent = getParentDev();
    if (parent == nullptr || !available)
        return -1;
    setEventRegistered(1);
    setEventMaskBit(bit);
    parent->setEvent(this, 1);
    return 0;
}

long TQDnwDev::setDisableEvent(long event)
{
    setEventMaskBit(getEventMaskBit() & ~TQGFeventToMaskBit(event));
    TQDdev* parent = getParentDev();
    if (parent == nullptr)
        return -1;
    if (getEventMaskBit() != 0)
        return -1;
    // The parent only takes the device off its list; without its own mark
    // cleared the device could never enter the list again.
    setEventRegistered(0);
    parent->setEvent(this, 0);
    return 0;
}

long TQDnwDev::cancelEvent(TQDdev* dev)
{
    if (!getEventRegistered())
        return 0;
    if (dev == this)
        setEventRegistered(0);
    TQDdev* parent = getParentDev();
    if (parent == nullptr)
        return -1;
    parent->cancelEvent(dev);
    return 0;
}

long TQDnwDev::setEventOrder(TQDdev* dev, char order)
{
    TQDdev* parent = getParentDev();
    return parent != nullptr ? parent->setEventOrder(dev, order) : 0;
}

long TQDnwDev::setEvent(TQDdev* dev, unsigned char on)
{
    TQDdev* parent = getParentDev();
    return parent != nullptr ? parent->setEvent(dev, on) : 0;
}

// ---- expose, clear, copy through the event parent ----

// The offsets always apply: they carry the widget's place in the window.
// The scale applies only to mapped requests.
void TQDnwDev::mapToEventParent(long* x, long* y, unsigned long* w, unsigned long* h,
                                unsigned char mapped)
{
    if (getScaled() && mapped) {
        double s = getScale();
        *x = truncToShort((*x + getXOffset()) * s);
        *y = truncToShort((*y + getYOffset()) * s);
        *w = static_cast<unsigned short>(truncToInt64(*w * s));
        *h = static_cast<unsigned short>(truncToInt64(*h * s));
    } else {
        *x += getXOffset();
        *y += getYOffset();
    }
}

long TQDnwDev::exposeArea(long x, long y, unsigned long w, unsigned long h,
                          unsigned char mapped)
{
    TQDdev* eventParent = getEventParentDev();
    if (eventParent == nullptr)
        return 0;
    mapToEventParent(&x, &y, &w, &h, mapped);
    eventParent->exposeArea(x, y, w, h, 0);
    return 0;
}

long TQDnwDev::clearArea(long x, long y, unsigned long w, unsigned long h,
                         unsigned char expose, unsigned char mapped)
{
    TQDdev* eventParent = getEventParentDev();
    if (eventParent == nullptr)
        return 0;
    // Drawing through the own pixmap needs the parent to clear through its
    // pixmap as well, for the duration of this call.
    char savedStyle = 0;
    bool styleChanged = false;
    if (usePixmap) {
        eventParent->getValue(VALUE_PIXMAP_STYLE, &savedStyle);
        if (savedStyle != 1) {
            char one = 1;
            eventParent->setValue(VALUE_PIXMAP_STYLE, &one);
            styleChanged = true;
        }
    }
    mapToEventParent(&x, &y, &w, &h, mapped);
    eventParent->clearArea(x, y, w, h, expose, 0);
    if (styleChanged)
        eventParent->setValue(VALUE_PIXMAP_STYLE, &savedStyle);
    return 0;
}

long TQDnwDev::copyArea(long x, long y, unsigned long w, unsigned long h, long dx, long dy)
{
    TQDdev* eventParent = getEventParentDev();
    if (eventParent == nullptr)
        return 0;
    unsigned long dw = w, dh = h;
    mapToEventParent(&x, &y, &w, &h, 1);
    mapToEventParent(&dx, &dy, &dw, &dh, 1);
    eventParent->copyArea(x, y, w, h, dx, dy);
    return 0;
}

// ---- drawing ----

long TQDnwDev::beginDraw(short x, short y, unsigned short w, unsigned short h,
                         unsigned char whole, unsigned char mapped)
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    setWH(1, 1);
    if (!getReady())
        return -1;
    setWholeArea(whole);
    if (mapped) {
        double s = getScale();
        x = truncToShort((x + getXOffset()) * s);
        y = truncToShort((y + getYOffset()) * s);
        w = static_cast<unsigned short>(truncToInt64(w * s));
        h = static_cast<unsigned short>(truncToInt64(h * s));
    }
    exposeSequenceTaken = 0;
    TQDdev* parent = getParentDev();
    if (parent == nullptr)
        return -1;
    // A whole-area drawing inside the parent's expose takes the parent's
    // expose flag, so the parent copies this area to the window at once.
    if (whole) {
        savedExposeSequence = parent->getExposeSequence();
        if (savedExposeSequence) {
            parent->setExposeSequence(0);
            exposeSequenceTaken = 1;
        }
    }
    parent->beginDraw(x, y, w, h, whole, 0);
    bool ownPixmap = getUsePixmap() != 0;
    if (ownPixmap) {
        g_backX = x;
        g_backY = y;
        setOrigin(0, 0);
    } else {
        setOrigin(x, y);
    }
    setWH(w, h);
    short ex, ey;
    unsigned short ew, eh;
    if (getExposedArea(&ex, &ey, &ew, &eh, 0) != 0)
        return -1;
    if (!ownPixmap) {
        openPass(draw, x, y, w, h, whole, ex, ey, ew, eh);
        return 0;
    }
    draw->beginDraw(this, getDeviceResource(), getWindowResource(), getContextResource());
    short cx, cy;
    unsigned short cw, ch;
    clipArea(x, y, w, h, ex, ey, ew, eh, &cx, &cy, &cw, &ch);
    if (whole == 0) {
        g_copyX = static_cast<short>(cx - x);
        g_copyY = static_cast<short>(cy - y);
        g_copyW = cw;
        g_copyH = ch;
    } else {
        g_copyX = 0;
        g_copyY = 0;
        g_copyW = w;
        g_copyH = h;
    }
    draw->setRegion(0, 0, w, h);
    return 0;
}

long TQDnwDev::endDraw()
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr) {
        setWholeArea(0);
        return -1;
    }
    draw->endDraw();
    if (getUsePixmap())
        _copy_pixmap_to_window();
    TQDdev* parent = getParentDev();
    if (parent != nullptr) {
        parent->endDraw();
        if (getWholeArea() && exposeSequenceTaken)
            parent->setExposeSequence(savedExposeSequence);
    }
    setWholeArea(0);
    return 0;
}
