// The application's state: module-level globals that every procedure reads
// and writes, the analysis arrays with their reallocation, the settings file
// "para.ini", and the small computations the procedures share.
#ifndef ANALYSISSTATE_H
#define ANALYSISSTATE_H

#include "_TQCstring.h"

// Signal, sizes and position (samples unless said otherwise).
extern double* siii;            // the loaded channel, maxsize samples
extern short* siii_int;         // the same samples as stored
extern long maxsize;
extern long sampleFreq;         // Hz
extern long qt;                 // bits per sample
extern long selsize;            // transform size: samples in the stretch
extern long selpos;             // first sample of the stretch
extern long effectmaxsize;      // maxsize - selsize: the largest selpos
extern long slidersize;         // the slider's maximum
extern double ratio_max_slider; // samples per slider unit
// 1 while a step button's own change of the slider value is pending.
extern int SliderChangedByBtn;

// What is worked out from the whole channel once (its range, its picture)
// is kept while this number stays the same: whoever replaces or frees the
// samples of siii calls channelReplaced().
long channelSerial();
void channelReplaced();

// Restoration settings.
extern long widesize;
extern long wideHsize;
extern long wideLsize;
extern float paraNoise;
extern float ratio4accept;

// Display ranges from "para.ini": Hz and dB.
extern long rangeMinX;
extern long rangeMaxX;
extern double rangeMinY;
extern double rangeMaxY;

// The chosen file, and where messages are placed (decimal texts).
extern TQCstring nameFull;
extern TQCstring nameDir;
extern TQCstring nameFile;
extern TQCstring winStartX;
extern TQCstring winStartY;

// The stretch and the analysis arrays.
extern double* seliii;
extern double* selRe;
extern double* selIm;
extern double* power;
extern double* phase;
extern double* restore;
extern double* wbphase;
extern double* seliiiR;
extern double* power_liner;
extern double* power_db;
extern double* power_io_db;
extern double* restore_log;
extern double* restore_db;
extern double* su_power_liner;
extern double* su_power_db;
// The size the analysis arrays were allocated with; 0 while they are not.
// The stretch is allocated at selsize only while they are too, so a
// non-null seliii means every array holds selsize elements.
extern long analysisSize;

// Reallocate every analysis array at selsize (seliii aside): 0, or -1
// after "can not alloc", with the stretch and every array freed.
long initArrayInWave();
long initArrayInCombo1();
// Allocates seliii at selsize: 0, or -1 after the message, with the stretch
// and every array freed.
long allocateStretch(const char* failureMessage);
// Frees seliii and sets it to null.
void freeStretch();
// Frees the stretch and every analysis array.
void freeAnalysisArrays();
// Copies selsize samples of siii from index from into seliii.
void copyStretch(long from);

// A new array of n elements (zero-filled when asked), or null when it cannot
// be had; never throws, also for sizes past what the address space can hold.
double* newSampleArray(long n, bool zeroed = false);
short* newWordArray(long n);

// The transform sizes the analysis works with: powers of two, 64 to 32768.
bool isTransformSize(long n);

// Reads the display ranges from the settings file, keeping the values of
// the fields that do not convert, then clamps them to the sample rate.
void readDisplayRanges(const char* path = "para.ini");

// The sample position of a slider value: value x ratio_max_slider,
// truncated, within 0 .. effectmaxsize.
long sliderToSelpos(long value);

// "%ld - %0.03lf[s]": a count of samples and its length in seconds.
TQCstring samplesAndSeconds(long samples);

// A message in the shared message dialog at winStartX, winStartY.
void showMessageAtWinStart(const char* message);

// The procedures that recompute or reallocate hold this while they run, so
// that one started from inside a modal dialog of another (a message shown in
// the middle of a pass) does not pull the arrays from under it.
class AnalysisRun {
public:
    AnalysisRun() : m_first(s_depth == 0) { ++s_depth; }
    ~AnalysisRun() { --s_depth; }
    AnalysisRun(const AnalysisRun&) = delete;
    AnalysisRun& operator=(const AnalysisRun&) = delete;
    // False inside another run.
    bool alone() const { return m_first; }

private:
    static int s_depth;
    bool m_first;
};

#endif
