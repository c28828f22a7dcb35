// The abstract device a widget draws on and receives events from. It maps
// the client's coordinates into device coordinates and forwards every
// drawing primitive to the one process-wide drawing interface, and it hands
// platform input to the client as toolkit events.
#ifndef _TQDDEV_H
#define _TQDDEV_H

#include "TQtypes.h"
#include "_TQCroot.h"

class TQCbase;
class TQCstring;
class TQDcolor;
class TQDdraw;
class TQDimage;

class TQDdev : public TQCroot {
public:
    typedef void (*AbsoluteAddrChangeHandler)(TQDdev* dev, void* data);

    // Keys of setValue/getValue; which device class honours which key is
    // said where the key is handled.
    enum {
        VALUE_X = 0,
        VALUE_Y = 1,
        VALUE_WIDTH = 2,
        VALUE_HEIGHT = 3,
        VALUE_BACK_COLOR = 4,
        VALUE_PIXMAP_STYLE = 6,
        VALUE_BACK_IMAGE = 16,
        VALUE_SCALE_PTR = 17,
        VALUE_X_OFFSET_PTR = 18,
        VALUE_Y_OFFSET_PTR = 19,
        VALUE_USE_PIXMAP = 20,
        VALUE_ZERO = 21,
        VALUE_MOUSE_CURSOR = 28,
        VALUE_EXPOSE_SEQUENCE = 31,
        VALUE_GRAB = 32
    };
    // Orders of setEventOrder.
    enum { ORDER_FRONT = 3, ORDER_RAISE = 4 };
    // Mask of press, release and double click.
    enum { PRESS_GROUP_MASK = 0x6000 };

    TQDdev();
    ~TQDdev() override;
    TQ_ROOT_FRAME(TQDdev, TQCroot)
    static const char* getThisClassName() { return "TQDdev"; }

    virtual long setEventOrder(TQDdev* dev, char order);
    virtual long setEvent(TQDdev* dev, unsigned char on);
    virtual long execEvent(long event, void* data);
    virtual long cancelEvent(TQDdev* dev);
    virtual long detachClient();
    virtual long initialize();
    // The base keeps keys 17 to 19 and ignores the others; always 0.
    virtual long setValue(long key, void* value);
    virtual long getValue(long key, void* value);
    virtual void setExposedArea(short x, short y, unsigned short w, unsigned short h);
    // The event parent's exposed area, in client coordinates when client is
    // set; -1 without an event parent.
    virtual long getExposedArea(short* x, short* y, unsigned short* w, unsigned short* h,
                                unsigned char client);
    virtual long isExposed(short x, short y, unsigned short w, unsigned short h,
                           unsigned char mapped);
    virtual long setRegion(short x, short y, unsigned short w, unsigned short h);
    // 0 when the area is open for drawing; then exactly one endDraw follows.
    virtual long beginDraw(short x, short y, unsigned short w, unsigned short h,
                           unsigned char whole, unsigned char mapped);
    virtual long internalBeginDraw(short x, short y, unsigned short w, unsigned short h,
                                   unsigned char whole, unsigned char mapped);
    virtual long endDraw();
    virtual long internalEndDraw();
    virtual long exposeArea(long x, long y, unsigned long w, unsigned long h,
                            unsigned char mapped);
    virtual long clearArea(long x, long y, unsigned long w, unsigned long h,
                           unsigned char expose, unsigned char mapped);
    virtual long setVisible(unsigned char on);
    virtual long isAvailableEvent(long event);
    virtual long setEnableEvent(long event);
    virtual long setEnableEventBit(long bits);
    virtual long setDisableEvent(long event);
    virtual long setAbsoluteAddrChangeHandler(AbsoluteAddrChangeHandler handler, void* data);
    virtual long getAvailableEventBit();
    virtual long getAbsoluteAddr(short x, short y, short* ax, short* ay);
    virtual long getDispAddr(short* x, short* y);
    virtual TQDdev* getParentDev();
    virtual TQDdev* getEventParentDev();
    virtual TQDdev* getVisibleParentDev();
    // Platform handles as long; -1 when not available.
    virtual long getDeviceResource() = 0;
    virtual long getWindowResource() = 0;
    virtual long getContextResource() = 0;
    virtual long getSpecialResource() = 0;
    virtual long getReady();
    virtual long copyArea(long x, long y, unsigned long w, unsigned long h, long dx, long dy);

    // The open area: origin of this device and the process-wide size.
    void getGeom(short* x, short* y, unsigned short* w, unsigned short* h);
    static void getWH(unsigned short* w, unsigned short* h);
    unsigned char getNoChildDev() const { return flags.noChildDev; }

    void setEventMaskBit(long bits) { eventMask = bits; }
    long getEventMaskBit() const { return eventMask; }
    // Clearing the registration also clears the mask.
    void setEventRegistered(unsigned char on);
    unsigned char getEventRegistered() const { return flags.eventRegistered; }

    void setScalePtr(double* p) { scalePtr = p; }
    void setXOffsetPtr(short* p) { xOffsetPtr = p; }
    void setYOffsetPtr(short* p) { yOffsetPtr = p; }
    // A scale of exactly 1.0 counts as none.
    unsigned char getScaled() const { return scalePtr != nullptr && *scalePtr != 1.0; }
    double getScale() const { return scalePtr != nullptr ? *scalePtr : 1.0; }
    short getXOffset() const { return xOffsetPtr != nullptr ? *xOffsetPtr : 0; }
    short getYOffset() const { return yOffsetPtr != nullptr ? *yOffsetPtr : 0; }

    // Delivers one event to the client: its answer (0 when it took the
    // event), or -1 when the client was not reached.
    long informEventToClient(long event, void* data);

    void setInitialized(unsigned char on) { flags.initialized = on ? 1 : 0; }
    unsigned char getInitialized() const { return flags.initialized; }
    long attachClient(TQCbase* client);
    TQCbase* getAttachedClient() const { return client; }
    unsigned char getAttached() const { return client != nullptr ? 1 : 0; }
    unsigned char getVisible() const { return flags.visible; }

    // The current drawing interface; the first one ever set is also the
    // native one.
    static long setDraw(TQDdraw* draw);
    static TQDdraw* getDraw();
    static long setNativeDraw(TQDdraw* draw);
    static TQDdraw* getNativeDraw();

    void setParentDev(TQDdev* dev) { parentDev = dev; }
    void setEventParentDev(TQDdev* dev) { eventParentDev = dev; }

    // Only the first call acts: the device lets go of its client and goes
    // to the device registry, which deletes it after the current message.
    void deleteInstance();

    long setOperation(unsigned char op);
    unsigned char getOperation() const { return flags.operation; }
    void setExposeSequence(unsigned char on) { flags.exposeSequence = on ? 1 : 0; }
    unsigned char getExposeSequence() const { return flags.exposeSequence; }
    unsigned char getPixmapStyle() const { return flags.pixmapStyle; }
    void setUnderLineChar(long a, long b);

    // Drawing family: -1 without a drawing interface, else the arguments
    // are mapped to device coordinates, forwarded, and 0 is returned.
    long setForeColor(short color);
    long setBackColor(short color);
    long setForeColor(TQDcolor* color);
    long setBackColor(TQDcolor* color);
    long setLineWidth(short width);
    long setLineDashType(char type);
    long setHatchPattern(char pattern);
    long drawArc(short x, short y, unsigned short w, unsigned short h, short angle1,
                 short angle2);
    long drawFillArc(short x, short y, unsigned short w, unsigned short h, short angle1,
                     short angle2, char mode);
    long drawLine(short x1, short y1, short x2, short y2);
    long drawLines(TQCpoint* points, long count);
    long drawPoly(TQCpoint* points, long count);
    long drawFillPoly(TQCpoint* points, long count);
    long drawRect(short x, short y, unsigned short w, unsigned short h);
    long drawFillRect(short x, short y, unsigned short w, unsigned short h);
    long drawRects(TQCrect* rects, long count);
    long drawFillRects(TQCrect* rects, long count);
    long drawGradation(long kind, short value1, short value2, short value3, short x, short y,
                       unsigned short w, unsigned short h, unsigned char last);
    long drawImage(short x, short y, unsigned short w, unsigned short h, TQDimage* image,
                   char mode);
    long drawImage(short dx, short dy, short sx, short sy, unsigned short w,
                   unsigned short h, TQDimage* image);
    long drawStretchedImage(short x, short y, unsigned short w, unsigned short h,
                            TQDimage* image);
    long drawString(long x, long y, unsigned long w, unsigned long h, TQCstring* text,
                    char font, char alignment, long charPos, unsigned char mode,
                    long selStart, long selEnd);
    long drawUString(long x, long y, unsigned long w, unsigned long h, unsigned short* text,
                     char font, char alignment, long charPos, unsigned char mode,
                     long selStart, long selEnd);
    long drawFillString(long x, long y, unsigned long w, unsigned long h, TQCstring* text,
                        char font, char alignment, long charPos, unsigned char mode);
    long drawFillUString(long x, long y, unsigned long w, unsigned long h,
                         unsigned short* text, char font, char alignment, long charPos,
                         unsigned char mode);
    long drawString(long x, long y, unsigned long w, unsigned long h, char font,
                    char alignment, char* text, long length);
    long drawFillString(long x, long y, unsigned long w, unsigned long h, char font,
                        char alignment, char* text, long length);

protected:
    // For the platform, which calls the handler when the device moves on
    // the screen.
    AbsoluteAddrChangeHandler getAbsoluteAddrChangeHandler(void** data) const
    {
        *data = addrHandlerData;
        return addrHandler;
    }
    // Double to integer, truncated toward zero and saturated at the 64-bit
    // range, so out-of-range products stay defined.
    static long long truncToInt64(double v);
    static short truncToShort(double v) { return static_cast<short>(truncToInt64(v)); }

    // Client area to device area: offset first, then scale.
    void mapArea(short* x, short* y, unsigned short* w, unsigned short* h);
    // Positions and sizes of the drawing family: scale, then the origin.
    short mapX(short x) const;
    short mapY(short y) const;
    unsigned short mapSize(unsigned short size) const;
    // Device point to client point.
    void unmapPoint(TQCpoint* point) const;
    // Device area to client area, the inverse of mapArea: the scale is
    // undone first, then the offset.
    void unmapArea(short* x, short* y, unsigned short* w, unsigned short* h) const;
    // Shared last-area size.
    static void setWH(unsigned short w, unsigned short h);
    void setOrigin(short x, short y)
    {
        originX = x;
        originY = y;
    }
    void setWholeArea(unsigned char on) { flags.wholeArea = on ? 1 : 0; }
    unsigned char getWholeArea() const { return flags.wholeArea; }
    void setNoChildDev(unsigned char on) { flags.noChildDev = on ? 1 : 0; }
    void setPixmapStyleBits(char style) { flags.pixmapStyle = style & 3; }
    // Intersection of two rectangles, edges as the clip of beginDraw.
    static void clipArea(short x, short y, unsigned short w, unsigned short h, short ex,
                         short ey, unsigned short ew, unsigned short eh, short* cx, short* cy,
                         unsigned short* cw, unsigned short* ch);
    // Starts the drawing object's pass on this device's resources with the
    // region x, y, w, h, cut to the exposed area ex, ey, ew, eh unless the
    // whole area is drawn.
    void openPass(TQDdraw* draw, short x, short y, unsigned short w, unsigned short h,
                  unsigned char whole, short ex, short ey, unsigned short ew, unsigned short eh);

    TQCbase* client;

private:
    TQDdev(const TQDdev&) = delete;
    TQDdev& operator=(const TQDdev&) = delete;

    bool modalBlocks(TQCbase* modal);
    template <typename Point> long forwardPoints(TQCpoint* points, long count, Point send);
    template <typename Rect> long forwardRects(TQCrect* rects, long count, Rect send);
    void mapPoint(const TQCpoint& in, TQCpoint* out) const;
    void mapRect(const TQCrect& in, TQCrect* out) const;
    long mapLongX(long x) const;
    long mapLongY(long y) const;
    unsigned long mapLongSize(unsigned long size) const;

    long eventMask;
    short originX;
    short originY;
    double* scalePtr;
    short* xOffsetPtr;
    short* yOffsetPtr;
    AbsoluteAddrChangeHandler addrHandler;
    void* addrHandlerData;
    TQDdev* parentDev;
    TQDdev* eventParentDev;
    struct Flags {
        unsigned int initialized : 1;
        unsigned int visible : 1;
        unsigned int eventRegistered : 1;
        unsigned int wholeArea : 1;
        unsigned int noChildDev : 1;
        unsigned int scheduledForDeletion : 1;
        unsigned int exposeSequence : 1;
        unsigned int operation : 2;
        unsigned int pixmapStyle : 2;
    } flags;
};

#endif
