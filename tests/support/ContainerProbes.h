// Forms and window-less widgets on recording devices, for the container
// tests:
//   RecordingWindowDev  a window device that logs "hide" and "show", each
//                       value it is given ("value <key>") and each event
//                       mask ("events 0x<bits>");
//   ProbeForm           a form on a RecordingWindowDev that logs each
//                       RESIZE it takes ("resize x,y,w,h");
//   ProbeWidget         a window-less widget on a FakeNwDev that logs its
//                       draw, clear and update and the pointer handlers
//                       ("press (x,y)", "in (x,y)", "out", ...).
//   FormInWindow        a shown sample window holding a ProbeForm.
// Both devices come from the device registry under names of their own, so
// they are made on the first showing, as the platform's are. Everything is
// logged in containerLog(), in call order.
#ifndef CONTAINERPROBES_H
#define CONTAINERPROBES_H

#include "FakeDevices.h"
#include "SampleCompanions.h"
#include "_TQCform.h"
#include "_TQCnwbase.h"

#include <memory>
#include <string>
#include <vector>

std::vector<std::string>& containerLog();
// The device names under which a FakeNwDev and a RecordingWindowDev are
// made; registered on the first call.
const char* probeNwDevName();
const char* probeFormDevName();

class RecordingWindowDev : public FakeWindowDev {
public:
    long setValue(long key, void* value) override;
    long setVisible(unsigned char on) override;
    long setEnableEventBit(long bits) override;
};

class ProbeForm : public TQCform {
public:
    using TQCform::TQCform;
    const char* getUseDevName() override;
    void onResize(TQCrect* rect) override;
    // The form's device, once shown.
    RecordingWindowDev* device() { return static_cast<RecordingWindowDev*>(getowndev()); }
};

class ProbeWidget : public TQCnwbase {
public:
    using TQCnwbase::TQCnwbase;
    const char* getUseDevName() override;
    long draw() override;
    long clear() override;
    void update() override;
    void onMousePress(TQCpoint* point) override;
    void onMouseRelease(TQCpoint* point) override;
    void onMouseMove(TQCpoint* point) override;
    void onMouseIn(TQCpoint* point) override;
    void onMouseOut() override;
};

// The form is not shown yet; the log starts empty. The window goes first,
// and with it everything in it, then the devices it left queued.
struct FormInWindow {
    FormInWindow();
    ~FormInWindow();

    std::unique_ptr<SampleWindow> window;
    ProbeForm* form;
};

#endif
