// The scroll bar: a window-less widget with a begin button, a decrement
// arrow, a trough with its thumb, an increment arrow and an end button. Its
// value runs from 0 to maximum - sliderSize; presses step it (arrows and
// trough repeat on the application timer while held) and the thumb drags it.
#ifndef _TQCVSCRBAR_H
#define _TQCVSCRBAR_H

#include "_TQClookHook.h"
#include "_TQCnwbase.h"


// What the extended look's scroll-bar procedure ("TQCvscrBar::draw") is
// handed, in this order.
struct TQCvscrBarDrawBlock {
    TQClookHead head;
    unsigned long sliderSize;
    unsigned long maximum;
    unsigned long value;
    unsigned char pressedPart;
    unsigned char orientation;
    short foreColor;
    short backColor;
    short barShadowColor;
    short topShadowColor;
    short bottomShadowColor;
    short backPixmap;  // -1: none
    long gradation;
};

// The class of the bars a composite class makes from now on, which a
// program may choose: a copy of the name set, "TQCvbscrBar" while none is.
class TQCscrBarClassChoice {
public:
    ~TQCscrBarClassChoice() { delete[] m_name; }
    // Null goes back to the default.
    void set(const char* className);
    const char* get() const { return m_name != nullptr ? m_name : "TQCvbscrBar"; }

private:
    char* m_name = nullptr;
};

class TQCvscrBar : public TQCnwbase {
public:
    TQ_CLASS_FRAME(TQCvscrBar, TQCnwbase, 1000, 1000)
    TQ_LOOK_HOOK(TQCvscrBar, TQCvscrBarDrawBlock)
    TQCvscrBar(TQCbase* parent, const char* name);
    // Leaves the look-change broadcast and stops an auto-repeat in progress.
    ~TQCvscrBar() override;

    // What a press, a move and a release hit; codes of _bar_in.
    enum {
        PART_NONE = 0,
        PART_BEGIN = 1,
        PART_DECREMENT = 2,
        PART_INCREMENT = 3,
        PART_END = 4,
        PART_THUMB = 5,
        PART_PAGE_DECREMENT = 6,
        PART_PAGE_INCREMENT = 7
    };
    // Triggers of the parts, each followed by VALUE_CH.
    enum {
        TRIGGER_BEGIN = 38,
        TRIGGER_END = 39,
        TRIGGER_INCREMENT = 40,
        TRIGGER_DECREMENT = 41,
        TRIGGER_PAGE_INCREMENT = 42,
        TRIGGER_PAGE_DECREMENT = 43
    };

    void onMousePress(TQCpoint* point) override;
    void onMouseMove(TQCpoint* point) override;
    void onMouseRelease(TQCpoint* point) override;
    long _device_initialize() override;
    const char* getDefaultProperty() override { return "value"; }
    long draw() override;
    // Keeps where a press lands, in the bar's own coordinates.
    long execEventProc(long event, void* data) override;

    TQ_PROPERTY_HOOKS(shadowThickness, unsigned char)
    TQ_PROPERTY_HOOKS(backColor, short)
    TQ_PROPERTY_HOOKS(barShadowColor, short)
    TQ_PROPERTY_HOOKS(topShadowColor, short)
    TQ_PROPERTY_HOOKS(bottomShadowColor, short)
    TQ_PROPERTY_WORK_HOOK(sliderSize, unsigned long)
    TQ_PROPERTY_WORK_HOOK(maximum, unsigned long)
    TQ_PROPERTY_HOOKS(increment, unsigned short)
    TQ_PROPERTY_HOOKS(pageIncrement, unsigned short)
    TQ_PROPERTY_WORK_HOOK(value, unsigned long)
    TQ_PROPERTY_HOOKS(orientation, unsigned char)
    TQ_PROPERTY_HOOKS(backPixmap, short)
    TQ_PROPERTY_HOOKS(gradation, TQCbool)
    TQ_PROPERTY_HOOKS(keepPixmapCache, TQCbool)

    virtual void onActivate();
    virtual void onBegin();
    virtual void onEnd();
    virtual void onIncrement();
    virtual void onDecrement();
    virtual void onPageIncrement();
    virtual void onPageDecrement();
    virtual void onValueChange();

    // A bar of the class named made as a part of owner: named after it with
    // the suffix, internal, drawn on owner's device, initialised, laid along
    // orientation (1 vertical), and running owner's internal procedures on
    // VALUE_CH and ACTIVATE. A plain scroll bar when that class is unknown
    // or makes no scroll bar.
    struct PartProcedures {
        const char* valueName;
        TQCprocedureFunction value;
        const char* activateName;
        TQCprocedureFunction activate;
    };
    static TQCvscrBar* makePart(TQCbase* owner, const char* className, const char* suffix,
                                unsigned char orientation, const PartProcedures& procedures);

    // maximum - sliderSize, never below 0: the largest value the thumb
    // reaches.
    long getMaxSlideValue();
    // Stores v as it is: no limit, no notification, no redraw.
    void _set_internal_value(long v) { m_value = static_cast<unsigned long>(v); }
    // The part under (px, py) of a bar of w x h at (x0, y0) whose frames
    // are thickness pixels thick; PART_NONE outside every part.
    unsigned char _bar_in(short px, short py, short x0, short y0, unsigned short w,
                          unsigned short h, unsigned short thickness);
    long _draw_sl_bar()
    {
        draw();
        return 0;
    }

    // The auto-repeat step, registered with the application timer for
    // every tick while an arrow or the trough is held.
    static void _timer_work(unsigned char tick, void* bar);

    unsigned long getValue() const { return m_value; }
    unsigned long getSliderSize() const { return m_sliderSize; }
    unsigned long getMaximum() const { return m_maximum; }
    unsigned char getPressedPart() const { return m_pressedPart; }

protected:
    // The thumb in value units (its start and extent), for a trough of
    // length troughLength; a thumb that would be shorter than 10 pixels is
    // taken as 10 pixels long.
    void thumbUnits(long troughLength, double* start, double* extent) const;
    void setGradationBit(unsigned char on) { m_gradation = on & 1; }

private:
    // The press table: the step and notification of a part (none for the
    // thumb); false for no part.
    bool stepPart(unsigned char part);
    // The step, VALUE_CH and a whole redraw; false when the bar is gone or
    // has no device.
    bool actOnPart(unsigned char part);
    void decrementBy(unsigned long step);
    void incrementBy(unsigned long step);
    // Value rule 4, before every drawing: the value back in range.
    void clampForDrawing();
    void startRepeat();
    void stopRepeat();
    void repeatTick(unsigned char tick);
    unsigned short along() const { return m_orientation ? m_height : m_width; }
    unsigned short across() const { return m_orientation ? m_width : m_height; }

    void drawTrough(TQDdev* dev);
    void drawParts(TQDdev* dev, long s);
    void drawButton(TQDdev* dev, long faceAt, long frameAt, long s, unsigned char part);
    void drawArrow(TQDdev* dev, long frameAt, long s, unsigned char part, char direction);
    void drawThumb(TQDdev* dev, long s);
    // A rectangle given along and across the bar, in the bar's coordinates.
    void fillPart(TQDdev* dev, long along, long across, long length, long breadth);
    void framePart(TQDdev* dev, char type, long along, long across, long length,
                   long breadth);

    unsigned long m_sliderSize = 100;
    unsigned long m_maximum = 1000;
    unsigned long m_value = 0;
    unsigned long m_valueAtPress = 0;
    long m_repeatId = 0;
    short m_backPixmap = -1;
    short m_backColor = -13;
    short m_barShadowColor = -12;
    short m_topShadowColor = -15;
    short m_bottomShadowColor = -16;
    unsigned short m_increment = 10;
    unsigned short m_pageIncrement = 30;
    short m_pressX = 0;
    short m_pressY = 0;
    unsigned char m_firstTick = 0;
    unsigned char m_shadowThickness : 4;
    unsigned char m_pressedPart : 4;
    unsigned char m_orientation : 1;
    unsigned char m_repeatStarted : 1;
    TQCbool m_gradation : 1;
    TQ_BIT_FIELD_SLOT(m_shadowThickness)
    TQ_BIT_FIELD_SLOT(m_orientation)
    TQ_BIT_FIELD_SLOT(m_gradation)
};

void* TQCvscrBar_create(void* parent);
void TQCvscrBar_delete(void* object);

#endif
