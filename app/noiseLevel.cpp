// A new noise level: the restored spectrum alone is recomputed and redrawn.
#include "analysisPass.h"
#include "analysisState.h"
#include "appProcedures.h"
#include "appWidgets.h"
#include "cmnDraw.h"
#include "procedureSteps.h"

#include "_TQCbase.h"
#include "_TQCfunctionRegister.h"

namespace {

// The restoration works at the size its arrays were allocated with. A size
// typed into the combo box but not yet taken, or one the channel cannot
// hold, waits for the combo box's own procedure.
bool comboAgreesWithAnalysis()
{
    if (selsize != analysisSize)
        return false;
    TQCbase* combo = findWidget("TQCcomboBox", "newcomb_000");
    if (combo == nullptr)
        return true;
    long size = 1024;
    scanLong(widgetText(combo, "labelString"), &size);
    return size == selsize && size <= maxsize;
}

void redrawRestored()
{
    TQCbase* area = findWidget("TQCvdrawingArea", "newvdra_003");
    if (area == nullptr)
        return;
    if (castWidget(area, "TQCvdrawingArea") != nullptr) {
        if (mdev4 == nullptr)
            mdev4 = newAreaDevice(area);
        if (mdev4 != nullptr) {
            const DisplayBins bins = displayBins();
            drawScaleMinus(area, mdev4, sampleFreq, rangeMinX, rangeMaxX);
            draw_dB(area, mdev4, restore_db, selsize / 2, bins.startBin, bins.endBin, rangeMinY,
                    rangeMaxY);
        }
    }
    area->execProcedure(9);
}

} // namespace

void vifi1valCH_ep(TQCbase*)
{
    AnalysisRun run;
    if (!run.alone() || siii == nullptr || seliii == nullptr || selRe == nullptr ||
        selIm == nullptr || restore == nullptr || wbphase == nullptr)
        return;
    if (!comboAgreesWithAnalysis())
        return;
    takeNoiseLevel();
    windowedAndRestoredSpectra();
    if (restore_db != nullptr)
        redrawRestored();
}

namespace {

TQCfunctionRegister g_vifi1valCH("vifi1valCH_ep", reinterpret_cast<void*>(vifi1valCH_ep));

} // namespace
