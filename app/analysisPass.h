// The analysis pass: the stretch in seliii turned into the windowed, restored
// and plain spectra, which are drawn into the three spectrum areas; and the
// two waveform pictures that the procedures draw before it. Needs seliii and
// every analysis array allocated at selsize, a valid transform size.
#ifndef ANALYSISPASS_H
#define ANALYSISPASS_H

// The windowed spectrum and the restoration, both in dB.
void windowedAndRestoredSpectra();
// Those and the plain spectrum in dB, computed side by side.
void allThreeSpectra();

// The bins of the display range rangeMinX .. rangeMaxX.
struct DisplayBins {
    long startBin;
    long endBin;
};
DisplayBins displayBins();
// The three spectra drawn over the display range.
void displaySpectra();

// The three spectra computed and drawn.
void analysisPass();

// The largest and smallest sample of the whole channel, the vertical scale
// of both waveform pictures.
struct SignalRange {
    double max;
    double min;
};
SignalRange signalRange();
// The whole channel with the position lines of a stretch at position.
void drawWholeSignal(long position, const SignalRange& range);
// selsize samples from first, in the stretch's area.
void drawStretch(double* first, const SignalRange& range);

#endif
