// Numerical core of the analysis: radix-2 FFT, power and phase, window
// functions, decibel conversions and the wideband-phase restoration.
// Every operation works on caller-owned arrays of n doubles. WindowFunction,
// restoreWithWidebandPhase and analyseStretch keep tables and work arrays in
// static storage: call them from the application thread only. The longer
// operations share their work with the pool of worker threads, with the
// results of doing it alone.
#ifndef FFTPLUS_H
#define FFTPLUS_H

// Window types of WindowFunction; any other value leaves the data unchanged.
enum {
    windowHamming = 1,
    windowHann = 2,
    windowBlackman = 3
};

// Limits of the restoration's static work arrays.
const long restoreMaxSize = 32768;
const long restoreMaxWide = 64;

// Sine table of n + n/4 entries: entry m is sin(2*pi*m/n), entry m + n/4 the cosine.
void make_sintbl(int n, double* sintbl);

// Bit-reversal permutation of n entries.
void make_bitrev(int n, int* bitrev);

// In-place transform of (x, y). The forward transform (inverse == 0) is
// scaled by 1/n, the inverse one is not. Returns 0, 1 when a table cannot be
// allocated, -1 when n is not a power of two of at least 4; on a non-zero
// result the data is untouched.
int fft(double* x, double* y, int n, int inverse);

// power[i] = re^2 + im^2 and phase[i] in (-pi, pi]; stores n/2 in *half.
void PowAndPhs(double* re, double* im, double* power, double* phase, long n, long* half);

void logPlus1(double* values, long n);
void expMinus1(double* values, long n);

void WindowFunction(double* values, long n, int type);

// Drops bin 0, normalises power to its maximum in place and writes dB.
void su_calc_dB(double* power, double* dB, long n);

// As su_calc_dB for power; maps the restored spectrum onto the same dynamic
// range, normalises it in place and writes its dB. spare is only checked.
void calc_dB(double* power, double* powerDB, double* spare,
             double* restored, double* restoredDB, long n);

// Third spectrum of the stretch x (n points): sumPow receives the summed power
// spectra of the trajectories of bins lo..hi of a wideN-point sliding
// transform along the gain-restored signal, sumTraj their sum. re and im are
// work arrays of n, distinct from x. Does nothing unless n is a power of two in
// 4..restoreMaxSize, wideN a power of two in 4..restoreMaxWide and, when
// lo <= hi, 0 <= lo and hi < wideN.
void restoreWithWidebandPhase(const double* x, double* re, double* im, long n,
                              long wideN, long hi, long lo, double* sumPow,
                              long* half, double* sumTraj, double noise);

// The arrays of the analysis of one stretch, by what they receive.
struct StretchArrays {
    const double* stretch;
    long n;
    double* re;            // transform work; the plain transform at the end
    double* im;
    double* power;         // power and phase of the last transform
    double* phase;
    double* windowedPower; // n/2 each from here on, unless said otherwise
    double* windowedDB;
    double* spare;
    double* restored;      // n: the restoration's summed power
    double* trajectory;    // n: its summed trajectory
    double* restoredLog;
    double* restoredDB;
    double* plainPower;
    double* plainDB;
    long wideN, hi, lo;
    double noise;
};

// The windowed spectrum, the restoration (with restored[0] then set to 0
// and its lower half copied to restoredLog), both in dB through calc_dB,
// and with withPlain the plain spectrum through su_calc_dB: every array as
// those calls, made in that order on the pass's arrays, leave it. The work
// is shared with the pool; messages are shown from the calling thread.
// Once the windowed and the plain spectrum are in dB, the calling thread
// makes the call meanwhile(context), when there is one, while the pool goes
// on with the restoration. n is a power of two from 4 to restoreMaxSize.
void analyseStretch(const StretchArrays& arrays, bool withPlain,
                    void (*meanwhile)(void*) = nullptr, void* context = nullptr);

#endif
