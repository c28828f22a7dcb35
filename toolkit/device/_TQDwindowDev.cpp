// Window device: event device list and dispatch, backing pixmap, expose,
// clear and copy, and the callbacks of native messages.
#include "_TQDwindowDev.h"

#include "_TQCbase.h"
#include "_TQDdraw.h"
#include "_TQDmouse.h"
#include "_TQGFtrigger.h"

#include <cstdio>

TQDwindowDev::TQDwindowDev()
    : dispatchCopy(nullptr), dispatchCopyCapacity(0), exposedX(0), exposedY(0), exposedW(0),
      exposedH(0), pendingX(0), pendingY(0), pendingW(0), pendingH(0), windowX(0),
      windowY(0), width(100), height(100), backColorNo(0), backImageNo(0), diffX(0),
      diffY(0), mouseCursorId(0), dispatch(nullptr), pixmapCreated(0), grab(0)
{
}

// Devices still linked to this one forget it, so none of them reaches a
// deleted parent later.
TQDwindowDev::~TQDwindowDev()
{
    TQDwindowDev::detachClient();
    for (long i = 0; i < eventDevList.getNum(); ++i) {
        TQDdev* dev = static_cast<TQDdev*>(eventDevList.getData(i));
        if (dev == this || dev == nullptr)
            continue;
        if (dev->getEventParentDev() == this)
            dev->setEventParentDev(nullptr);
        if (dev->getVisibleParentDev() == this)
            dev->setParentDev(nullptr);
    }
    delete[] dispatchCopy;
}

// ---- event registration ----

long TQDwindowDev::setEventOrder(TQDdev* dev, char order)
{
    if (dev == this) {
        if (order == ORDER_FRONT)
            lower();
        else if (order == ORDER_RAISE)
            raise();
        return 0;
    }
    if (eventDevList.del(dev) != 0)
        return 0;
    if (order == ORDER_FRONT)
        eventDevList.add(dev, eventDevList.getTopData() == this ? 1 : 0);
    else
        eventDevList.add(dev);
    return 0;
}

// No test for duplicates: a device's registered flag keeps it from coming
// twice.
long TQDwindowDev::setEvent(TQDdev* dev, unsigned char on)
{
    if (!on)
        return cancelEvent(dev);
    eventDevList.add(dev);
    if (dev == this && eventDevList.getTopData() != this)
        setEventOrder(this, ORDER_FRONT);
    return 0;
}

long TQDwindowDev::cancelEvent(TQDdev* dev)
{
    eventDevList.del(dev);
    if (dev == this)
        setEventRegistered(0);
    for (DispatchFrame* frame = dispatch; frame != nullptr; frame = frame->outer)
        frame->skipped.add(dev);
    return 0;
}

long TQDwindowDev::isAvailableEvent(long event)
{
    return (event == TQEV_INITIALIZE || event == TQEV_FOCUS_CH || event == TQEV_VISIBLE_CH ||
            (event >= TQEV_EXPOSE && event <= TQEV_MOUSE_DOUBLE_CLICK))
               ? 1
               : 0;
}

long TQDwindowDev::getAvailableEventBit()
{
    return AVAILABLE_EVENT_BITS;
}

long TQDwindowDev::setEnableEventBit(long bits)
{
    long wanted = bits & getAvailableEventBit();
    if (!getEventRegistered()) {
        if (wanted == 0)
            return -1;
        setEventRegistered(1);
        setEventMaskBit(wanted);
        setEvent(this, 1);
    } else if (wanted != 0) {
        setEventMaskBit(getEventMaskBit() | wanted);
    }
    return 0;
}

long TQDwindowDev::setEnableEvent(long event)
{
    if (!isAvailableEvent(event))
        return getEventRegistered() ? 0 : -1;
    long bit = TQGFeventToMaskBit(event);
    if (!getEventRegistered()) {
        setEventRegistered(1);
        setEventMaskBit(bit);
        setEvent(this, 1);
    } else {
        setEventMaskBit(getEventMaskBit() | bit);
    }
    return 0;
}

long TQDwindowDev::setDisableEvent(long event)
{
    setEventMaskBit(getEventMaskBit() & ~TQGFeventToMaskBit(event));
    if (getParentDev() == nullptr)
        return -1;
    if (getEventMaskBit() != 0)
        return -1;
    setEvent(this, 0);
    return 0;
}

// ---- dispatch ----

bool TQDwindowDev::DispatchFrame::skips(TQDdev* dev) const
{
    for (long i = 0; i < skipped.getNum(); ++i)
        if (skipped.getData(i) == dev)
            return true;
    return false;
}

// The outermost dispatch walks the device's own copy, grown only when the
// list outgrew it; a nested one gets a copy of its own so the outer walk
// keeps its entries.
TQDdev** TQDwindowDev::takeDispatchCopy(long count, TQDdev**& ownedCopy)
{
    TQDdev** copy;
    if (dispatch == nullptr) {
        if (count > dispatchCopyCapacity) {
            delete[] dispatchCopy;
            dispatchCopy = new TQDdev*[count];
            dispatchCopyCapacity = count;
        }
        copy = dispatchCopy;
    } else {
        ownedCopy = new TQDdev*[count > 0 ? count : 1];
        copy = ownedCopy;
    }
    for (long i = 0; i < count; ++i)
        copy[i] = static_cast<TQDdev*>(eventDevList.getData(i));
    return copy;
}

// The list is the drawing order, so a later window-less widget lies on top
// of an earlier one. Press, release and double click go to the topmost
// first, stop at the first client that takes them and reach the window's
// own client only when none did; every other event goes to all in list
// order.
void TQDwindowDev::walkDispatch(DispatchFrame& frame, long event, void* data)
{
    long bit = TQGFeventToMaskBit(event);
    bool pressGroup = (bit & PRESS_GROUP_MASK) != 0;
    bool ownClientDue = false;
    for (long k = 0; k < frame.count; ++k) {
        TQDdev* dev = frame.devices[pressGroup ? frame.count - 1 - k : k];
        if (dev == this && pressGroup) {
            ownClientDue = true;
            continue;
        }
        if (frame.skips(dev) || (dev->getEventMaskBit() & bit) == 0)
            continue;
        if (dev->informEventToClient(event, data) == 0 && pressGroup) {
            ownClientDue = false;
            break;
        }
    }
    if (ownClientDue && !frame.skips(this) && (getEventMaskBit() & bit) != 0)
        informEventToClient(event, data);
}

// The skip list lives in the dispatch itself, never in the client: a
// handler may detach or destroy the client while the walk runs.
long TQDwindowDev::execEvent(long event, void* data)
{
    if (client == nullptr)
        return 0;
    TQDdev** ownedCopy = nullptr;
    DispatchFrame frame;
    frame.count = eventDevList.getNum();
    frame.devices = takeDispatchCopy(frame.count, ownedCopy);
    frame.outer = dispatch;
    dispatch = &frame;
    walkDispatch(frame, event, data);
    dispatch = frame.outer;
    delete[] ownedCopy;
    return 0;
}

// ---- life cycle and values ----

long TQDwindowDev::initialize()
{
    return createWindow();
}

long TQDwindowDev::detachClient()
{
    destroyPixmap();
    return TQDdev::detachClient();
}

long TQDwindowDev::getReady()
{
    return (getDeviceResource() != -1 && getWindowResource() != -1 &&
            getContextResource() != -1)
               ? 1
               : 0;
}

long TQDwindowDev::setValue(long key, void* value)
{
    switch (key) {
    case VALUE_X:
        windowX = *static_cast<short*>(value);
        break;
    case VALUE_Y:
        windowY = *static_cast<short*>(value);
        break;
    case VALUE_WIDTH:
    case VALUE_HEIGHT:
        // The pixmap has the window's size: a new size needs a new pixmap.
        if (getPixmapStyle() != 0)
            destroyPixmap();
        if (key == VALUE_WIDTH)
            width = *static_cast<unsigned short*>(value);
        else
            height = *static_cast<unsigned short*>(value);
        break;
    case VALUE_BACK_COLOR:
        backColorNo = *static_cast<short*>(value);
        break;
    case VALUE_PIXMAP_STYLE: {
        char style = *static_cast<char*>(value);
        if (style == 0 && getPixmapStyle() != 0)
            destroyPixmap();
        setPixmapStyleBits(style);
        break;
    }
    case VALUE_BACK_IMAGE:
        backImageNo = *static_cast<short*>(value);
        break;
    case VALUE_MOUSE_CURSOR:
        mouseCursorId = *static_cast<short*>(value);
        break;
    case VALUE_EXPOSE_SEQUENCE:
        setExposeSequence(*static_cast<unsigned char*>(value));
        break;
    case VALUE_GRAB:
        grab = *static_cast<unsigned char*>(value) & 1;
        break;
    default:
        return TQDdev::setValue(key, value);
    }
    return 0;
}

long TQDwindowDev::getValue(long key, void* value)
{
    switch (key) {
    case VALUE_PIXMAP_STYLE:
        *static_cast<unsigned char*>(value) = getPixmapStyle();
        break;
    case VALUE_ZERO:
        *static_cast<short*>(value) = 0;
        break;
    case VALUE_EXPOSE_SEQUENCE:
        *static_cast<unsigned char*>(value) = getExposeSequence();
        break;
    case VALUE_GRAB:
        *static_cast<unsigned char*>(value) = grab;
        break;
    default:
        break;
    }
    return 0;
}

void TQDwindowDev::getWindowSize(short* x, short* y, unsigned short* w,
                                 unsigned short* h) const
{
    *x = windowX;
    *y = windowY;
    *w = width;
    *h = height;
}

long TQDwindowDev::getDispAddr(short* x, short* y)
{
    short px = 0, py = 0;
    TQDdev* parent = getParentDev();
    if (parent != nullptr)
        parent->getDispAddr(&px, &py);
    short ax = 0, ay = 0;
    getAbsoluteAddr(windowX, windowY, &ax, &ay);
    long dx = 0, dy = 0;
    getDiffCoordinates(&dx, &dy);
    *x = static_cast<short>(px + ax + dx);
    *y = static_cast<short>(py + ay + dy);
    return 0;
}

// ---- exposed area ----

void TQDwindowDev::setExposedArea(short x, short y, unsigned short w, unsigned short h)
{
    exposedX = x;
    exposedY = y;
    exposedW = w;
    exposedH = h;
}

long TQDwindowDev::getExposedArea(short* x, short* y, unsigned short* w, unsigned short* h,
                                  unsigned char clientCoordinates)
{
    *x = exposedX;
    *y = exposedY;
    *w = exposedW;
    *h = exposedH;
    if (clientCoordinates)
        unmapArea(x, y, w, h);
    return 0;
}

// ---- drawing ----

// A style-1 window that is not ready yet gets its pixmap on demand.
// Returns 1 when that made the pixmap.
long TQDwindowDev::ensureReady()
{
    if (getReady() || getPixmapStyle() != 1 || pixmapCreated)
        return 0;
    if (createPixmap() != 0)
        return 0;
    pixmapCreated = 1;
    return 1;
}

long TQDwindowDev::internalBeginDraw(short x, short y, unsigned short w, unsigned short h,
                                     unsigned char whole, unsigned char mapped)
{
    if (mapped)
        mapArea(&x, &y, &w, &h);
    if (getPixmapStyle() != 0) {
        pendingX = x;
        pendingY = y;
        pendingW = w;
        pendingH = h;
    }
    if (getDraw() == nullptr)
        return -1;
    setOrigin(x, y);
    setWholeArea(whole);
    setWH(w, h);
    ensureReady();
    return 0;
}

// Unlike the base device, a window opens no parent device.
long TQDwindowDev::beginDraw(short x, short y, unsigned short w, unsigned short h,
                             unsigned char whole, unsigned char mapped)
{
    if (internalBeginDraw(x, y, w, h, whole, mapped) != 0)
        return -1;
    if (!getReady())
        return -1;
    TQDdraw* draw = getDraw();
    short ox, oy;
    unsigned short ow, oh;
    getGeom(&ox, &oy, &ow, &oh);
    // The open area is in device coordinates: so is the clip.
    short ex, ey;
    unsigned short ew, eh;
    getExposedArea(&ex, &ey, &ew, &eh, 0);
    openPass(draw, ox, oy, ow, oh, whole, ex, ey, ew, eh);
    return 0;
}

long TQDwindowDev::internalEndDraw()
{
    // During an expose the whole area goes to the window in one copy at
    // its end, not per drawing.
    if (getWholeArea() && getPixmapStyle() != 0 && !getExposeSequence())
        _copy_area(pendingX, pendingY, pendingW, pendingH, pendingX, pendingY, 1);
    setWholeArea(0);
    return 0;
}

long TQDwindowDev::endDraw()
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr) {
        setWholeArea(0);
        return -1;
    }
    draw->endDraw();
    internalEndDraw();
    return 0;
}

// ---- expose, clear, copy ----

void TQDwindowDev::mapWindowArea(long* x, long* y, unsigned long* w, unsigned long* h)
{
    if (getScaled()) {
        double s = getScale();
        *x = static_cast<long>(truncToInt64((*x + getXOffset()) * s));
        *y = static_cast<long>(truncToInt64((*y + getYOffset()) * s));
        *w = static_cast<unsigned long>(truncToInt64(*w * s));
        *h = static_cast<unsigned long>(truncToInt64(*h * s));
    } else {
        *x += getXOffset();
        *y += getYOffset();
    }
}

// The area is saved as stored, in device coordinates, so that an outer
// expose gets back exactly what it had, scaled window or not.
long TQDwindowDev::exposeExecute(short x, short y, unsigned short w, unsigned short h)
{
    short savedX = exposedX, savedY = exposedY;
    unsigned short savedW = exposedW, savedH = exposedH;
    unsigned char savedSequence = getExposeSequence();
    setExposeSequence(1);
    setExposedArea(x, y, w, h);
    TQCrect rect = {x, y, w, h};
    execEvent(TQEV_EXPOSE, &rect);
    setExposeSequence(savedSequence);
    setExposedArea(savedX, savedY, savedW, savedH);
    return 0;
}

long TQDwindowDev::exposeArea(long x, long y, unsigned long w, unsigned long h,
                              unsigned char mapped)
{
    ensureReady();
    if (!getReady())
        return -1;
    if (mapped)
        mapWindowArea(&x, &y, &w, &h);
    // Cut off the part left of or above 0 when the area reaches into the
    // window; an area wholly outside passes unchanged.
    if (x < 0 && static_cast<long>(w) >= -x) {
        w = static_cast<unsigned long>(static_cast<long>(w) + x);
        x = 0;
    }
    if (y < 0 && static_cast<long>(h) >= -y) {
        h = static_cast<unsigned long>(static_cast<long>(h) + y);
        y = 0;
    }
    short sx = static_cast<short>(x), sy = static_cast<short>(y);
    unsigned short sw = static_cast<unsigned short>(w), sh = static_cast<unsigned short>(h);
    if (getPixmapStyle() == 0) {
        exposeExecute(sx, sy, sw, sh);
        return 0;
    }
    _setup_pixmap(sx, sy, sw, sh, backColorNo, backImageNo);
    exposeExecute(sx, sy, sw, sh);
    _copy_area(x, y, w, h, x, y, 1);
    return 0;
}

long TQDwindowDev::clearArea(long x, long y, unsigned long w, unsigned long h,
                             unsigned char expose, unsigned char mapped)
{
    if (!getReady()) {
        if (ensureReady() && mapped) {
            _copy_area(x, y, w, h, x, y, 1);
            return 0;
        }
        if (!getReady())
            return -1;
    }
    if (mapped)
        mapWindowArea(&x, &y, &w, &h);
    short sx = static_cast<short>(x), sy = static_cast<short>(y);
    unsigned short sw = static_cast<unsigned short>(w), sh = static_cast<unsigned short>(h);
    if (getPixmapStyle() == 0) {
        _clear_area(x, y, w, h);
        if (expose)
            exposeExecute(sx, sy, sw, sh);
        return 0;
    }
    _setup_pixmap(sx, sy, sw, sh, backColorNo, backImageNo);
    if (expose)
        exposeExecute(sx, sy, sw, sh);
    _copy_area(x, y, w, h, x, y, 1);
    return 0;
}

long TQDwindowDev::copyArea(long x, long y, unsigned long w, unsigned long h, long dx, long dy)
{
    ensureReady();
    if (!getReady())
        return -1;
    if (x == dx && y == dy)
        return 0;
    unsigned long dw = w, dh = h;
    mapWindowArea(&x, &y, &w, &h);
    mapWindowArea(&dx, &dy, &dw, &dh);
    _copy_area(x, y, w, h, dx, dy, 0);
    return 0;
}

// ---- platform primitives: base behaviour ----

long TQDwindowDev::createWindow()
{
    return 0;
}

long TQDwindowDev::createPixmap()
{
    pixmapCreated = 1;
    return 0;
}

long TQDwindowDev::createContext()
{
    return 0;
}

long TQDwindowDev::destroyWindow()
{
    return 0;
}

long TQDwindowDev::destroyPixmap()
{
    pixmapCreated = 0;
    return 0;
}

long TQDwindowDev::destroyContext()
{
    return 0;
}

void TQDwindowDev::_copy_area(long, long, unsigned long, unsigned long, long, long,
                              unsigned char)
{
}

void TQDwindowDev::_setup_pixmap(short, short, unsigned short, unsigned short, short, short)
{
}

void TQDwindowDev::_clear_area(long, long, unsigned long, unsigned long)
{
}

void TQDwindowDev::restackChildren()
{
}

long TQDwindowDev::raise()
{
    std::printf("TQDwindowDev::raise() this system does not support..");
    std::fflush(stdout);
    return -1;
}

long TQDwindowDev::lower()
{
    std::printf("TQDwindowDev::lower() this system does not support..");
    std::fflush(stdout);
    return -1;
}

long TQDwindowDev::getDiffCoordinates(long* x, long* y)
{
    *x = diffX;
    *y = diffY;
    return 0;
}

// ---- callbacks of native messages ----

void TQDwindowDev::onExpose(TQCrect* rect)
{
    setExposeSequence(1);
    setExposedArea(static_cast<short>(rect->x), static_cast<short>(rect->y),
                   static_cast<unsigned short>(rect->width),
                   static_cast<unsigned short>(rect->height));
    if (getPixmapStyle() != 0 && !pixmapCreated && createPixmap() == 0)
        pixmapCreated = 1;
    // With a backing pixmap the window is repainted from it, without
    // asking the clients to redraw.
    if (getPixmapStyle() != 0 && pixmapCreated)
        _copy_area(rect->x, rect->y, rect->width, rect->height, rect->x, rect->y, 1);
    else
        execEvent(TQEV_EXPOSE, rect);
    setExposeSequence(0);
    setExposedArea(0, 0, 0, 0);
}

void TQDwindowDev::onResize(TQCrect* rect)
{
    if (rect->x == windowX && rect->y == windowY && rect->width == width &&
        rect->height == height)
        return;
    windowX = static_cast<short>(rect->x);
    windowY = static_cast<short>(rect->y);
    width = static_cast<unsigned short>(rect->width);
    height = static_cast<unsigned short>(rect->height);
    execEvent(TQEV_RESIZE, rect);
}

// The mouse service's global hook may hold pointer events back.
void TQDwindowDev::passMouseEvent(long event, TQCpoint* point)
{
    TQDmouse* mouse = TQGIappMouse();
    if (mouse != nullptr && mouse->execGlobalMouseHook(event, client) == 0)
        return;
    execEvent(event, point);
}

void TQDwindowDev::onMousePress(TQCpoint* point)
{
    passMouseEvent(TQEV_MOUSE_PRESS, point);
}

void TQDwindowDev::onMouseRelease(TQCpoint* point)
{
    passMouseEvent(TQEV_MOUSE_RELEASE, point);
}

void TQDwindowDev::onMouseIn(TQCpoint* point)
{
    passMouseEvent(TQEV_MOUSE_IN, point);
}

void TQDwindowDev::onMouseMove(TQCpoint* point)
{
    passMouseEvent(TQEV_MOUSE_MOVE, point);
}

void TQDwindowDev::onMouseOut()
{
    passMouseEvent(TQEV_MOUSE_OUT, nullptr);
}

void TQDwindowDev::onMouseDoubleClick(TQCpoint* point)
{
    execEvent(TQEV_MOUSE_DOUBLE_CLICK, point);
}

// The window got the platform's focus: its client takes the keyboard focus.
void TQDwindowDev::onFocusChange()
{
    if (client != nullptr)
        client->setFocus(1);
}

void TQDwindowDev::onUnmap()
{
    if (client != nullptr)
        client->setVisible(0);
}

// ---------------------------------------------------------------------------
// The active top-level window

void TQDwindowDev::activateWindow(TQCbase* window)
{
    preActiveWindow() = activeWindow();
    activeWindow() = window;
}

TQCbase*& TQDwindowDev::activeWindow()
{
    static TQCbase* window = nullptr;
    return window;
}

TQCbase*& TQDwindowDev::preActiveWindow()
{
    static TQCbase* window = nullptr;
    return window;
}
