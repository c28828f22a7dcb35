// The device of a widget with a native window: the window's geometry, the
// list of devices that receive events through the window, an optional
// backing pixmap, and expose, clear and copy. The platform derives from it,
// supplies the window and pixmap primitives and calls the callbacks.
#ifndef _TQDWINDOWDEV_H
#define _TQDWINDOWDEV_H

#include "_TQClistData.h"
#include "_TQDdev.h"

class TQDwindowDev : public TQDdev {
public:
    // Events 0, 4, 5 and 9 to 18; the double click rides on the press bit.
    enum { AVAILABLE_EVENT_BITS = 0x7FE31 };
    // What the device of a top-level window ("windowDev") adds: the trigger
    // its client runs when the user closes the window, and the keys of
    // setValue and getValue beyond those of TQDdev; and the event the owner
    // of the pointer grab (the mouse's ungrab client) hears when the system
    // took the grab away.
    enum { TRIGGER_WINDOW_CLOSED = 56, TRIGGER_GRAB_LOST = 59 };
    enum {
        VALUE_TITLE_BAR = 5,
        VALUE_TITLE = 22,
        VALUE_POPUP = 25,
        VALUE_MAP_STATUS = 26,
        VALUE_PARENT = 27,
        VALUE_ACTIVATE = 29,
        VALUE_ALWAYS_ON_TOP = 30,
        VALUE_WINDOW_STATUS = 37
    };

    // The active top-level window and the one active before it, or null.
    // Activating a window, as the system reports it or as the window that
    // takes the focus asks, moves the active one to the pre-active place.
    static void activateWindow(TQCbase* window);
    static TQCbase*& activeWindow();
    static TQCbase*& preActiveWindow();

    TQDwindowDev();
    ~TQDwindowDev() override;
    TQ_ROOT_FRAME(TQDwindowDev, TQDdev)
    static const char* getThisClassName() { return "TQDwindowDev"; }

    long setEventOrder(TQDdev* dev, char order) override;
    long setEvent(TQDdev* dev, unsigned char on) override;
    long execEvent(long event, void* data) override;
    long cancelEvent(TQDdev* dev) override;
    long detachClient() override;
    long initialize() override;
    long setValue(long key, void* value) override;
    long getValue(long key, void* value) override;
    void setExposedArea(short x, short y, unsigned short w, unsigned short h) override;
    long getExposedArea(short* x, short* y, unsigned short* w, unsigned short* h,
                        unsigned char client) override;
    long beginDraw(short x, short y, unsigned short w, unsigned short h, unsigned char whole,
                   unsigned char mapped) override;
    long internalBeginDraw(short x, short y, unsigned short w, unsigned short h,
                           unsigned char whole, unsigned char mapped) override;
    long endDraw() override;
    long internalEndDraw() override;
    long exposeArea(long x, long y, unsigned long w, unsigned long h,
                    unsigned char mapped) override;
    long clearArea(long x, long y, unsigned long w, unsigned long h, unsigned char expose,
                   unsigned char mapped) override;
    long isAvailableEvent(long event) override;
    long setEnableEvent(long event) override;
    long setEnableEventBit(long bits) override;
    long setDisableEvent(long event) override;
    long getAvailableEventBit() override;
    long getDispAddr(short* x, short* y) override;
    long getReady() override;
    long copyArea(long x, long y, unsigned long w, unsigned long h, long dx, long dy) override;

    // Window and pixmap primitives of the platform.
    virtual long createWindow();
    virtual long createPixmap();
    virtual long createContext();
    virtual long destroyWindow();
    virtual long destroyPixmap();
    virtual long destroyContext();
    // fromPixmap 1: pixmap to window at dx, dy; 0: within the window.
    virtual void _copy_area(long x, long y, unsigned long w, unsigned long h, long dx, long dy,
                            unsigned char fromPixmap);
    virtual void _setup_pixmap(short x, short y, unsigned short w, unsigned short h,
                               short backColor, short backImage);
    virtual void _clear_area(long x, long y, unsigned long w, unsigned long h);
    virtual long exposeExecute(short x, short y, unsigned short w, unsigned short h);
    virtual void restackChildren();
    virtual long raise();
    virtual long lower();
    virtual long getDiffCoordinates(long* x, long* y);

    unsigned short getWidth() const { return width; }
    unsigned short getHeight() const { return height; }
    void getWindowSize(short* x, short* y, unsigned short* w, unsigned short* h) const;
    short getBackColorNo() const { return backColorNo; }
    void setBackColorNo(short color) { backColorNo = color; }
    void setPixmapStyle(char style) { setPixmapStyleBits(style); }
    unsigned char getPixmapCreated() const { return pixmapCreated; }
    unsigned char getAbsoluteDraw() const { return getWholeArea(); }
    // The devices that receive events through this window, in order.
    TQClistData& getEventDevList() { return eventDevList; }

    // Called by the platform from native messages; device coordinates.
    void onExpose(TQCrect* rect);
    void onResize(TQCrect* rect);
    void onMousePress(TQCpoint* point);
    void onMouseRelease(TQCpoint* point);
    void onMouseIn(TQCpoint* point);
    void onMouseMove(TQCpoint* point);
    void onMouseOut();
    void onMouseDoubleClick(TQCpoint* point);
    void onFocusChange();
    void onUnmap();

protected:
    // Read by the platform when it sets up the window.
    short getMouseCursorId() const { return mouseCursorId; }
    short getBackImageNo() const { return backImageNo; }
    void setPixmapCreated(unsigned char on) { pixmapCreated = on ? 1 : 0; }
    void setDiffCoordinates(short x, short y)
    {
        diffX = x;
        diffY = y;
    }

private:
    // One running execEvent: its copy of the list and the devices cancelled
    // since it began. Dispatches nested on this device chain their frames,
    // so a cancellation reaches every walk still running.
    struct DispatchFrame {
        TQDdev** devices;
        long count;
        TQClistData skipped;
        DispatchFrame* outer;
        bool skips(TQDdev* dev) const;
    };

    long ensureReady();
    void mapWindowArea(long* x, long* y, unsigned long* w, unsigned long* h);
    void passMouseEvent(long event, TQCpoint* point);
    TQDdev** takeDispatchCopy(long count, TQDdev**& ownedCopy);
    void walkDispatch(DispatchFrame& frame, long event, void* data);

    TQClistData eventDevList;
    TQDdev** dispatchCopy;
    long dispatchCopyCapacity;
    short exposedX;
    short exposedY;
    unsigned short exposedW;
    unsigned short exposedH;
    short pendingX;
    short pendingY;
    unsigned short pendingW;
    unsigned short pendingH;
    short windowX;
    short windowY;
    unsigned short width;
    unsigned short height;
    short backColorNo;
    short backImageNo;
    short diffX;
    short diffY;
    short mouseCursorId;
    DispatchFrame* dispatch;
    unsigned char pixmapCreated : 1;
    unsigned char grab : 1;
};

#endif
