// Type-server companions for the sample widget family, made with the same
// one-line frame as the toolkit's classes, and a top-level sample window:
//   TQCbase <- SampleWidget <- SampleButton
//                           <- SampleForm <- SampleCombo
//                                         <- SampleWindow
#ifndef SAMPLECOMPANIONS_H
#define SAMPLECOMPANIONS_H

#include "SampleWidgets.h"

class TQCtypeServer;

// A form that is a top-level window: it may be made without a parent.
class SampleWindow : public SampleForm {
public:
    TQ_CLASS_FRAME(SampleWindow, SampleForm, 1010, 1010)
    SampleWindow(TQCbase* parent, const char* name);

    long getObjectType() override { return OBJECT_TOP_LEVEL | OBJECT_CONTAINER; }
};

// The registered companion of a sample class (or any class), as the
// serialisers find it. Calling it also keeps the companions linked in.
TQCtypeServer* sampleCompanion(const char* className);

#endif
