// "select WAV": load a file, read the display ranges, label the file, and
// analyse its first stretch at the transform size of the combo box.
#include "analysisState.h"
#include "appProcedures.h"
#include "appWidgets.h"
#include "procedureSteps.h"
#include "readWave.h"

#include "_TQCbase.h"
#include "_TQCfunctionRegister.h"

namespace {

// What the reader changes before it may still refuse the file: the names
// "out csv" writes under, the rate and bits the labels and the CSV rows
// use, and the channel label.
struct LoadedFile {
    TQCstring full, dir, file;
    long rate, bits;
    TQCstring channel;
};

LoadedFile loadedFile()
{
    TQCbase* label = findWidget("TQCvlabel", "newvlab_014");
    return {nameFull, nameDir, nameFile, sampleFreq, qt,
            label != nullptr ? widgetText(label, "labelString") : TQCstring()};
}

void restoreLoadedFile(LoadedFile before)
{
    nameFull = before.full;
    nameDir = before.dir;
    nameFile = before.file;
    sampleFreq = before.rate;
    qt = before.bits;
    setLabelText("newvlab_014", before.channel);
}

} // namespace

void wave1act_ep(TQCbase* object)
{
    AnalysisRun run;
    if (!run.alone())
        return;
    storeMessagePosition(object);
    // A refused file leaves the loaded one as it was, its curves and the
    // names they are exported under together.
    const LoadedFile before = loadedFile();
    if (readWave() != 0) {
        restoreLoadedFile(before);
        return;
    }
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
