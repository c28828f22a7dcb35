// A scrolled form on recording devices, for the scrolling tests:
//   ScrFrameProbeDev  the frame's device; it logs the work size, offsets
//                     and title height it is given ("frame 9=120") into
//                     containerLog(), besides what RecordingWindowDev logs;
//   ProbeScrForm      a scrolled form on a RecordingWindowDev;
//   ScrFormInWindow   a shown 300 x 200 ProbeScrForm "sf" in a shown
//                     window, its frame on a ScrFrameProbeDev and its bars
//                     on FakeNwDevs (not the platform's, which the process
//                     may have registered); the log starts empty.
#ifndef SCROLLPROBES_H
#define SCROLLPROBES_H

#include "ContainerProbes.h"
#include "_TQCscrForm.h"

class TQCscrFrame;
class TQCvscrBar;

class ScrFrameProbeDev : public RecordingWindowDev {
public:
    long setValue(long key, void* value) override;
};

class ProbeScrForm : public TQCscrForm {
public:
    using TQCscrForm::TQCscrForm;
    const char* getUseDevName() override { return probeFormDevName(); }
};

struct ScrFormInWindow {
    ScrFormInWindow();
    ~ScrFormInWindow();

    // Sets a property of the form and runs the queued updates.
    void set(const char* name, long value);
    long value(const char* name);

    std::unique_ptr<SampleWindow> window;
    ProbeScrForm* form;
    TQCscrFrame* frame;
    TQCvscrBar* hbar;
    TQCvscrBar* vbar;
};

#endif
