// The analysis pass: the stretch in seliii turned into the windowed, restored
// and plain spectra, which are drawn into the three spectrum areas; and the
// two waveform pictures that the procedures draw before it. Needs seliii and
// every analysis array allocated at selsize, a valid transform size.
#ifndef ANALYSISPASS_H
#define ANALYSISPASS_H

// Steps 1 to 3: windowed spectrum, restoration, both in dB.
void windowedAndRestoredSpectra();
// Step 4: the plain spectrum in dB.
void plainSpectrum();

// Step 5: the bins of the display range rangeMinX .. rangeMaxX.
struct DisplayBins {
    long startBin;
    long endBin;
};
DisplayBins displayBins();
// Steps 5 and 6: the three spectra drawn.
void displaySpectra();

// Steps 1 to 6.
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
