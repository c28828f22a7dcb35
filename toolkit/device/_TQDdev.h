// The abstract device a widget draws on and receives events from. This is
// the part of it the object model reaches: the event mask and its
// registration, the scale and offset pointers, the client link and the
// one-time hand-over to deferred deletion.
#ifndef _TQDDEV_H
#define _TQDDEV_H

#include "_TQCroot.h"

class TQCbase;

class TQDdev : public TQCroot {
public:
    // Keys of setValue that every device honours.
    enum { VALUE_SCALE_PTR = 17, VALUE_X_OFFSET_PTR = 18, VALUE_Y_OFFSET_PTR = 19,
           VALUE_MOUSE_CURSOR = 28 };

    TQDdev();
    ~TQDdev() override;
    TQ_ROOT_FRAME(TQDdev, TQCroot)
    static const char* getThisClassName() { return "TQDdev"; }

    virtual long setEventOrder(TQDdev* dev, char order);
    virtual long cancelEvent(TQDdev* dev);
    virtual long detachClient();
    virtual long initialize();
    // The base keeps keys 17 to 19 and ignores the others; always 0.
    virtual long setValue(long key, void* value);
    virtual long setVisible(unsigned char on);
    virtual long setEnableEvent(long event);
    virtual long setEnableEventBit(long bits);

    TQDdev* getEventParentDev();
    void setParentDev(TQDdev* dev) { parentDev = dev; }
    void setEventParentDev(TQDdev* dev) { eventParentDev = dev; }

    void setEventMaskBit(long bits) { eventMask = bits; }
    long getEventMaskBit() const { return eventMask; }
    // Clearing the registration also clears the mask.
    void setEventRegistered(unsigned char on);
    unsigned char getEventRegistered() const { return flags.eventRegistered; }

    void setScalePtr(double* p) { scalePtr = p; }
    void setXOffsetPtr(short* p) { xOffsetPtr = p; }
    void setYOffsetPtr(short* p) { yOffsetPtr = p; }

    TQCbase* getAttachedClient() const { return client; }
    unsigned char getAttached() const { return client != nullptr ? 1 : 0; }
    unsigned char getVisible() const { return flags.visible; }
    void setInitialized(unsigned char on) { flags.initialized = on ? 1 : 0; }
    unsigned char getInitialized() const { return flags.initialized; }

    // Only the first call acts: the device lets go of its client and goes
    // to the device registry, which deletes it after the current message.
    void deleteInstance();

protected:
    TQCbase* client;

private:
    TQDdev(const TQDdev&) = delete;
    TQDdev& operator=(const TQDdev&) = delete;

    long eventMask;
    double* scalePtr;
    short* xOffsetPtr;
    short* yOffsetPtr;
    TQDdev* parentDev;
    TQDdev* eventParentDev;
    struct Flags {
        unsigned char initialized : 1;
        unsigned char visible : 1;
        unsigned char eventRegistered : 1;
        unsigned char scheduledForDeletion : 1;
    } flags;
};

#endif
