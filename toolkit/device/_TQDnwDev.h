// The device of a widget without a native window. It draws into its parent
// device and receives its events from the parent's dispatch; optionally it
// draws through one shared scratch pixmap that the platform copies into the
// window at the end of the drawing.
#ifndef _TQDNWDEV_H
#define _TQDNWDEV_H

#include "_TQDdev.h"

class TQDnwDev : public TQDdev {
public:
    enum { AVAILABLE_EVENT_BITS = 0x7FE31 };

    TQDnwDev();
    TQ_ROOT_FRAME(TQDnwDev, TQDdev)
    static const char* getThisClassName() { return "TQDnwDev"; }

    long setEventOrder(TQDdev* dev, char order) override;
    long setEvent(TQDdev* dev, unsigned char on) override;
    long cancelEvent(TQDdev* dev) override;
    long setValue(long key, void* value) override;
    long beginDraw(short x, short y, unsigned short w, unsigned short h, unsigned char whole,
                   unsigned char mapped) override;
    long endDraw() override;
    long exposeArea(long x, long y, unsigned long w, unsigned long h,
                    unsigned char mapped) override;
    long clearArea(long x, long y, unsigned long w, unsigned long h, unsigned char expose,
                   unsigned char mapped) override;
    long isAvailableEvent(long event) override;
    long setEnableEvent(long event) override;
    long setEnableEventBit(long bits) override;
    long setDisableEvent(long event) override;
    long setAbsoluteAddrChangeHandler(AbsoluteAddrChangeHandler handler, void* data) override;
    long getAvailableEventBit() override;
    long getAbsoluteAddr(short x, short y, short* ax, short* ay) override;
    long getDispAddr(short* x, short* y) override;
    long getDeviceResource() override;
    long getWindowResource() override;
    long getContextResource() override;
    long getSpecialResource() override;
    long getReady() override;
    long copyArea(long x, long y, unsigned long w, unsigned long h, long dx, long dy) override;

    // Copies the copy geometry of the scratch pixmap into the parent
    // window at back position + copy position.
    virtual void _copy_pixmap_to_window() = 0;

    // The own pixmap is used only over a parent without a backing pixmap.
    unsigned char getUsePixmap();
    void setUsePixmap(unsigned char on) { usePixmap = on ? 1 : 0; }

    // Where the last own-pixmap drawing lies in the parent, and the part of
    // the scratch pixmap that endDraw copies.
    static void getBackXY(short* x, short* y);
    static void getCopyPixmapGeom(short* x, short* y, unsigned short* w, unsigned short* h);

private:
    void mapToEventParent(long* x, long* y, unsigned long* w, unsigned long* h,
                          unsigned char mapped);

    unsigned char usePixmap : 1;
    unsigned char savedExposeSequence : 1;
    unsigned char exposeSequenceTaken : 1;
};

#endif
