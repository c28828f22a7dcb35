// The slider's procedures, which move the stretch, and the combo box's, which
// changes the transform size.
#include "analysisPass.h"
#include "analysisState.h"
#include "appProcedures.h"
#include "appWidgets.h"
#include "procedureSteps.h"

#include "_TQCbase.h"
#include "_TQCfunctionRegister.h"

// While the slider moves only the stretch's picture follows it.
void sli1valueCH_ep(TQCbase* object)
{
    if (SliderChangedByBtn == 1) {
        // A step button moved it and has drawn everything itself.
        SliderChangedByBtn = 0;
        return;
    }
    long value = 0;
    if (siii == nullptr || seliii == nullptr || !sliderValue(object, &value) ||
        selsize > maxsize)
        return;
    selpos = sliderToSelpos(value);
    const SignalRange range = signalRange();
    setLabelText("newvlab_013", samplesAndSeconds(selpos));
    drawStretch(siii + selpos, range);
}

// Where the slider comes to rest the stretch is taken and analysed.
void sli1act_ep(TQCbase* object)
{
    AnalysisRun run;
    long value = 0;
    if (!run.alone() || siii == nullptr || seliii == nullptr || !sliderValue(object, &value) ||
        selsize > maxsize)
        return;
    selpos = sliderToSelpos(value);
    copyStretch(selpos);
    drawWholeSignal(selpos, signalRange());
    analysisPass();
}

void combo1act_ep(TQCbase* object)
{
    AnalysisRun run;
    if (!run.alone() || siii == nullptr)
        return;
    storeMessagePosition(object);
    if (!sizeBoxOffersAUsableSize())
        return;
    freeStretch();
    if (!takeTransformSize())
        return;
    takeNoiseLevel();
    if (allocateStretch("can not alloc : seliii") != 0)
        return;
    copyStretch(0);
    setLabelText("newvlab_015", samplesAndSeconds(selsize));
    // The slider's value-change procedure takes the position from the reset
    // slider.
    analyseFirstStretch(initArrayInCombo1, 3);
}

namespace {

TQCfunctionRegister g_sli1valueCH("sli1valueCH_ep", reinterpret_cast<void*>(sli1valueCH_ep));
TQCfunctionRegister g_sli1act("sli1act_ep", reinterpret_cast<void*>(sli1act_ep));
TQCfunctionRegister g_combo1act("combo1act_ep", reinterpret_cast<void*>(combo1act_ep));

} // namespace
