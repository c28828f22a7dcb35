// The process-wide blink manager: widgets with blinking colours register here,
// one procedure on the application timer redraws each of them every `rate`
// ticks, and the widgets ask getBlinkFore while drawing which colour is on.
#ifndef _TQCBLINK_H
#define _TQCBLINK_H

#include "_TQClistData.h"

class TQCbase;

class TQCblink {
public:
    TQCblink();
    // Takes the timer procedure off the application timer.
    virtual ~TQCblink();

    // Registers the widget with its rate in ticks and its redraw mode (0 a
    // full repaint, else redraw()); the same widget may be registered more
    // than once. The first registration hangs the tick on the application
    // timer. 0, or -1 for a null widget.
    long addBlinkInstance(TQCbase* object, unsigned char rate, unsigned char mode);
    // Drops the widget's first registration; removing the last one takes the
    // tick off the timer. -1 for anything but a window-less widget.
    long delBlinkInstance(TQCbase* object);
    // Whether the blink colour of that rate is on; false before the first
    // tick. A rate of 0 counts as 1.
    unsigned char getBlinkFore(long rate);
    TQClistData* getBlinkClients() { return &instances; }

    // Timer procedure: tick is the low byte of the application timer's count.
    static void _blink_proc(unsigned char tick, void* manager);

private:
    TQCblink(const TQCblink&) = delete;
    TQCblink& operator=(const TQCblink&) = delete;

    struct Registration;
    void redrawDue(unsigned char tick);
    bool holds(TQCbase* object) const;
    void unhookTimer();

    long timerId;
    TQClistData instances;
    TQClistData rates;
    TQClistData modes;
    long counter;
};

// Made on first call, never destroyed.
TQCblink* TQGIappBlink();

#endif
