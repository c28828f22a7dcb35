// The slider: a 16-bit value inside a range shown as a knob on a sunken
// track, horizontal or vertical. Dragging the knob sets the value; pressing
// the track steps it by dragInterval and keeps stepping while the button is
// held. VALUE_CH follows every change, ACTIVATE every release of a press
// that hit the knob or the track.
#ifndef _TQCVSLIDER_H
#define _TQCVSLIDER_H

#include "_TQCnwbase.h"

class TQCvslider : public TQCnwbase {
public:
    TQ_CLASS_FRAME(TQCvslider, TQCnwbase, 1010, 1000)
    TQCvslider(TQCbase* parent, const char* name);
    // Stops a repeat that still runs.
    ~TQCvslider() override;

    // What lies under a point (_bar_in): nothing, the knob, the track
    // before it or after it.
    enum { AREA_NONE = 0, AREA_KNOB = 5, AREA_BEFORE = 6, AREA_AFTER = 7 };

    void onMouseMove(TQCpoint* point) override;
    void onMousePress(TQCpoint* point) override;
    void onMouseRelease(TQCpoint* point) override;
    // Draws through a pixmap of its own, with the pointer events it needs.
    long _device_initialize() override;
    const char* getDefaultProperty() override { return "value"; }
    long draw() override;
    // Notes where a press is, then the base dispatch.
    long execEventProc(long event, void* data) override;

    TQ_PROPERTY_HOOKS(shadowThickness, unsigned char)
    TQ_PROPERTY_HOOKS(backColor, short)
    TQ_PROPERTY_HOOKS(topShadowColor, short)
    TQ_PROPERTY_HOOKS(bottomShadowColor, short)
    TQ_PROPERTY_HOOKS(sliderSize, unsigned short)
    TQ_PROPERTY_HOOKS(maximum, short)
    TQ_PROPERTY_HOOKS(minimum, short)
    TQ_PROPERTY_HOOKS(dragInterval, unsigned short)
    // Setting and reading keep the value in [minimum, maximum] (maximum
    // when minimum is above it); a set reports the change once initialised.
    TQ_PROPERTY_OWN_HOOKS(value, short)
    TQ_PROPERTY_HOOKS(orientation, unsigned char)

    // Runs the ACTIVATE procedures.
    virtual void onActivate();
    // Called for every step of a track press or its repeat.
    virtual void onDragInterval() {}
    // Runs the VALUE_CH procedures.
    virtual void onValueChange();

    // The area under (px, py) of a slider placed at (x0, y0) with that size
    // and frame thickness; points on a boundary belong to no area.
    unsigned char _bar_in(short px, short py, short x0, short y0, unsigned short width,
                          unsigned short height, unsigned short shadowThickness);
    // The repeat of a track press, on every tick of the application timer:
    // the first call only notes the tick; from the third tick after it the
    // value steps on every tick.
    static void _timer_work(unsigned char tick, void* slider);

protected:
    long m_repeatTimer = 0;
    short m_backColor = -13;
    short m_topShadowColor = -15;
    short m_bottomShadowColor = -16;
    unsigned short m_sliderSize = 30;
    short m_maximum = 1000;
    short m_minimum = 0;
    unsigned short m_dragInterval = 30;
    short m_value = 0;
    // Relative to the slider's top-left corner.
    short m_pressX = 0;
    short m_pressY = 0;
    // The value when the knob was pressed: where a drag starts from.
    short m_pressValue = 0;
    unsigned char m_pressTick = 0;
    unsigned char m_shadowThickness : 4;
    unsigned char m_pressArea : 4;
    unsigned char m_orientation : 1;
    unsigned char m_repeatArmed : 1;
    TQ_BIT_FIELD_SLOT(m_shadowThickness)
    TQ_BIT_FIELD_SLOT(m_orientation)

private:
    bool horizontal() const { return m_orientation == 0; }
    void clampValue();
    // The fraction of the range that a value stands for; 0 for an empty or
    // reversed range.
    double fraction(long value) const;
    // Where the knob begins along the axis of length, from the slider's
    // edge. A knob as long as the track or longer does not move.
    long knobStart(unsigned short length, unsigned short t, double f) const;
    void stepValue(unsigned char area);
    void reportChange();
    void startRepeat();
    void stopRepeat();
};

void* TQCvslider_create(void* parent);
void TQCvslider_delete(void* object);

#endif
