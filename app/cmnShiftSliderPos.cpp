// The step buttons and the shift of the stretch they share.
#include "cmnShiftSliderPos.h"

#include "analysisPass.h"
#include "analysisState.h"
#include "appProcedures.h"
#include "appWidgets.h"
#include "procedureSteps.h"

#include "_TQCbase.h"
#include "_TQCfunctionRegister.h"

#include <cstring>

namespace {

void showPosition()
{
    if (TQCbase* label = findWidget("TQCvlabel", "newvlab_013")) {
        setWidgetText(label, "labelString", samplesAndSeconds(selpos));
        label->execProcedure(9);
    }
}

// The slider value of the position. The slider's value-change procedure is
// told to stand aside, but only when the value really changes: an unchanged
// value runs no procedure, which would leave the flag to swallow the
// user's next move.
void moveSlider(TQCbase* slider)
{
    // With a stretch as long as the channel there is only position 0.
    const long value = ratio_max_slider > 0 ? static_cast<long>(selpos / ratio_max_slider) : 0;
    TQCstring text = longText(value);
    if (std::strcmp(widgetText(slider, "value").getString(-2), text.getString(-2)) != 0) {
        SliderChangedByBtn = 1;
        setWidgetText(slider, "value", text);
    }
    slider->execProcedure(9);
}

} // namespace

void shiftSliderPos(long n)
{
    AnalysisRun run;
    if (!run.alone() || siii == nullptr || seliii == nullptr)
        return;
    TQCbase* slider = findSlider();
    if (slider == nullptr || selsize > maxsize)
        return;
    selpos = selpos + n < 0 ? 0 : selpos + n;
    if (selpos > effectmaxsize)
        selpos = effectmaxsize;
    copyStretch(selpos);
    const SignalRange range = signalRange();
    showPosition();
    drawWholeSignal(selpos, range);
    drawStretch(seliii, range);
    analysisPass();
    moveSlider(slider);
}

void btn1act_ep(TQCbase*) { shiftSliderPos(-1); }
void btn2act_ep(TQCbase*) { shiftSliderPos(1); }
void btn17act_ep(TQCbase*) { shiftSliderPos(-5); }
void btn16act_ep(TQCbase*) { shiftSliderPos(5); }
void btn5act_ep(TQCbase*) { shiftSliderPos(-20); }
void btn6act_ep(TQCbase*) { shiftSliderPos(20); }

namespace {

TQCfunctionRegister g_btn1act("btn1act_ep", reinterpret_cast<void*>(btn1act_ep));
TQCfunctionRegister g_btn2act("btn2act_ep", reinterpret_cast<void*>(btn2act_ep));
TQCfunctionRegister g_btn17act("btn17act_ep", reinterpret_cast<void*>(btn17act_ep));
TQCfunctionRegister g_btn16act("btn16act_ep", reinterpret_cast<void*>(btn16act_ep));
TQCfunctionRegister g_btn5act("btn5act_ep", reinterpret_cast<void*>(btn5act_ep));
TQCfunctionRegister g_btn6act("btn6act_ep", reinterpret_cast<void*>(btn6act_ep));

} // namespace
