// The analysis pass over the stretch, and the waveform pictures.
#include "analysisPass.h"

#include "analysisState.h"
#include "cmnDraw.h"
#include "fftPlus.h"

namespace {

long halfSize()
{
    return selsize / 2;
}

StretchArrays stretchArrays()
{
    return {seliii,      selsize,     selRe,          selIm,       power,
            phase,       power_liner, power_db,       power_io_db, restore,
            wbphase,     restore_log, restore_db,     su_power_liner, su_power_db,
            widesize,    wideHsize,   wideLsize,      paraNoise};
}

} // namespace

void windowedAndRestoredSpectra()
{
    analyseStretch(stretchArrays(), false);
}

void allThreeSpectra()
{
    analyseStretch(stretchArrays(), true);
}

namespace {

const char* const drawingArea = "TQCvdrawingArea";

void displaySpectrum(double* dB, const char* area, TQDmwindowDev* dev)
{
    const DisplayBins bins = displayBins();
    display_db(dB, halfSize(), drawingArea, area, dev, sampleFreq, rangeMinX, rangeMaxX,
               static_cast<long>(rangeMinY), static_cast<long>(rangeMaxY), bins.startBin,
               bins.endBin);
}

void displayWindowedAndPlain(void*)
{
    displaySpectrum(power_db, "newvdra_000", mdev3);
    displaySpectrum(su_power_db, "newvdra_006", mdev7);
}

} // namespace

DisplayBins displayBins()
{
    const double hzPerBin = (sampleFreq * 0.5) / halfSize();
    return {static_cast<long>(rangeMinX / hzPerBin), static_cast<long>(rangeMaxX / hzPerBin)};
}

void displaySpectra()
{
    displaySpectrum(power_db, "newvdra_000", mdev3);
    displaySpectrum(restore_db, "newvdra_003", mdev4);
    displaySpectrum(su_power_db, "newvdra_006", mdev7);
}

// The windowed and plain spectra are drawn while the pool goes on with the
// restoration; the restored one when it is done.
void analysisPass()
{
    analyseStretch(stretchArrays(), true, displayWindowedAndPlain, nullptr);
    displaySpectrum(restore_db, "newvdra_003", mdev4);
}

// Read once per channel: a long channel takes longer to scan than a slider
// move may.
SignalRange signalRange()
{
    static struct {
        long serial = -1;
        const double* samples = nullptr;
        long count = -1;
        SignalRange range = {0, 0};
    } kept;
    if (kept.serial != channelSerial() || kept.samples != siii || kept.count != maxsize) {
        findMaxAndMin(siii, maxsize, &kept.range.max, &kept.range.min);
        kept.serial = channelSerial();
        kept.samples = siii;
        kept.count = maxsize;
    }
    return kept.range;
}

void drawWholeSignal(long position, const SignalRange& range)
{
    display_wave_posline(siii, maxsize, drawingArea, "newvdra_001", mdev, range.max, range.min,
                         position, selsize);
}

void drawStretch(double* first, const SignalRange& range)
{
    display_wave(first, selsize, drawingArea, "newvdra_002", mdev2, range.max, range.min);
}
