// "select WAV": load a file, read the display ranges, label the file, and
// analyse its first stretch at the transform size of the combo box.
#include "analysisState.h"
#include "appProcedures.h"
#include "appWidgets.h"
#include "procedureSteps.h"
#include "readWave.h"

#include "_TQCbase.h"
#include "_TQCfunctionRegister.h"

void wave1act_ep(TQCbase* object)
{
    AnalysisRun run;
    if (!run.alone())
        return;
    storeMessagePosition(object);
    if (readWave() != 0)
        return;
    readDisplayRanges();
    setLabelText("newvlab_000", nameFile);
    setLabelText("newvlab_005", longText(sampleFreq));
    setLabelText("newvlab_011", longText(qt));
    setLabelText("newvlab_012", samplesAndSeconds(maxsize));
    setLabelText("newvlab_013", "0 - 0.000[s]");

    freeStretch();
    if (!takeTransformSize())
        return;
    setLabelText("newvlab_015", samplesAndSeconds(selsize));
    takeNoiseLevel();
    selpos = 0;
    if (allocateStretch("can not alloc") != 0)
        return;
    copyStretch(selpos);
    analyseFirstStretch(initArrayInWave, 9);
}

namespace {

TQCfunctionRegister g_wave1act("wave1act_ep", reinterpret_cast<void*>(wave1act_ep));

} // namespace
