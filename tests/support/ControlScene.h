// Controls on recording devices, for the control tests: the platform's code
// converter and fake services for the rest the controls reach (a keyboard
// that logs the input-method calls, application timer, mouse, application
// device, a font of fixed metrics as font 0, images that load from any
// name), installed before their first use; a shown form in a window; a
// recording drawing object; and a log of the procedures that ran.
#ifndef CONTROLSCENE_H
#define CONTROLSCENE_H

#include "ContainerProbes.h"
#include "FakeResources.h"
#include "RecordingDraw.h"
#include "_TQCbaseList.h"
#include "_TQGFtrigger.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class TQDkeyboard;

// A control of class Control on the window-less probe device.
template <class Control>
class OnProbeDevice : public Control {
public:
    using Control::Control;
    const char* getUseDevName() override { return probeNwDevName(); }
};

// "<instance> <trigger name>" for every logged procedure that ran, in order.
std::vector<std::string>& triggerLog();

template <long Trigger>
void logTrigger(TQCbase* object)
{
    triggerLog().push_back(std::string(object->getInstanceName()) + " " +
                           TQGFtriggerToName(Trigger));
}

class ControlScene : public ::testing::Test {
protected:
    ControlScene();
    ~ControlScene() override;

    // A shown control of the form at (x, y, w, h), drawn once; the
    // recording starts afresh.
    template <class Control>
    OnProbeDevice<Control>* add(const char* name, long x, long y, long w, long h)
    {
        OnProbeDevice<Control>* control = new OnProbeDevice<Control>(form, name);
        control->initialize();
        place(control, x, y, w, h);
        return control;
    }
    // Logs the object's procedures of the trigger into triggerLog().
    template <long Trigger>
    static void watch(TQCbase* object)
    {
        object->addProcedureV("logged", nullptr, &logTrigger<Trigger>, Trigger);
    }
    // A pointer event at (x, y) of the form.
    static long send(TQCbase* control, long event, long x, long y);
    // The recorded calls of the next whole drawing of the control.
    std::vector<std::string> repaint(TQCbase* control);

    static FakeTimer* timer();
    static TQDkeyboard* keyboard();

    RecordingDraw draw;
    CurrentDraw current{&draw};
    FormInWindow scene;
    ProbeForm* form = scene.form;

private:
    void place(TQCbase* control, long x, long y, long w, long h);
    long savedPolicy;
};

#endif
