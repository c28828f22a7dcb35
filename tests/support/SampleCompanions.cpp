// The sample classes' companions: one frame line per class.
#include "SampleCompanions.h"

#include "_TQCconductor.h"
#include "_TQCtypeServerFrame.h"

SampleWindow::SampleWindow(TQCbase* parent, const char* name) : SampleForm(parent, name) {}

TQ_TYPE_SERVER_FRAME(SampleWidget, TQCbase);
TQ_TYPE_SERVER_FRAME(SampleButton, SampleWidget);
TQ_TYPE_SERVER_FRAME(SampleForm, SampleWidget);
TQ_TYPE_SERVER_FRAME(SampleCombo, SampleForm);
TQ_TYPE_SERVER_FRAME(SampleWindow, SampleForm);

TQCtypeServer* sampleCompanion(const char* className)
{
    return TQGIconductor()->searchTypeServer(className);
}
