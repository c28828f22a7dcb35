// Radix-2 FFT, power and phase, windows, decibels and the wideband-phase
// restoration that gives the third spectrum.
#include "fftPlus.h"

#include "analysisMessage.h"

#include <cmath>
#include <emmintrin.h>
#include <memory>
#include <new>

namespace {

const double pi = 3.141592653589793;
const double twoPi = 6.283185307179586;
const double fourPi = 12.566370614359172;
const double halfPi = 1.5707963267948966;
const double phaseThreshold = 1e-16;

const char* const flatSignalMessage = "signal too flat, could't calculate dB";

bool isPowerOfTwo(long n)
{
    return n > 0 && (n & (n - 1)) == 0;
}

// Below 4 points the sine table has no room for its quarter-period entry.
bool isTransformSize(long n, long largest)
{
    return n >= 4 && n <= largest && isPowerOfTwo(n);
}

// ---------------------------------------------------------------------------
// Transform core, shared by fft and the restoration's precomputed tables.

// Calls visit(i) for every step-th i in [0, n), n a power of two, in tiles
// that keep i and its bit reversal within eight cache lines each: the 64
// indices that share all but their top three and low three bits have bit
// reversals that share theirs too.
template <typename Visit>
void visitInTiles(long n, long step, Visit visit)
{
    if (n < 64) {
        for (long i = 0; i < n; i += step)
            visit(i);
        return;
    }
    const long top = n / 8;
    for (long middle = 0; middle < top; middle += 8)
        for (long high = 0; high < n; high += top)
            for (long low = 0; low < 8; low += step)
                visit(high + middle + low);
}

void swapIntoBitReversedOrder(double* x, double* y, int n, const int* bitrev)
{
    visitInTiles(n, 1, [=](long i) {
        // Each pair is swapped once, from its lower index; from the higher
        // one (and on the diagonal) this is a swap with itself, which spares
        // an unpredictable branch.
        const long j = bitrev[i];
        const long other = i < j ? j : i;
        const double tx = x[i];
        x[i] = x[other];
        x[other] = tx;
        const double ty = y[i];
        y[i] = y[other];
        y[other] = ty;
    });
}

// Twiddles of one stage: the cosine and sine of butterfly j are
// cosTw[j * stride] and sinTw[j * stride].
struct Twiddles {
    const double* cosTw;
    const double* sinTw;
    int stride;
};

Twiddles sineTableTwiddles(const double* sintbl, int n, int k)
{
    return Twiddles{sintbl + n / 4, sintbl, n / (2 * k)};
}

// Stage tables hold the twiddles of stage k contiguously from index k - 1.
Twiddles stageTableTwiddles(const double* stageCos, const double* stageSin, int k)
{
    return Twiddles{stageCos + k - 1, stageSin + k - 1, 1};
}

// Two neighbouring complex values.
struct ComplexPair {
    __m128d re;
    __m128d im;
};

inline ComplexPair loadPair(const double* x, const double* y)
{
    return ComplexPair{_mm_loadu_pd(x), _mm_loadu_pd(y)};
}

inline void storePair(double* x, double* y, ComplexPair v)
{
    _mm_storeu_pd(x, v.re);
    _mm_storeu_pd(y, v.im);
}

// The butterfly of the transform on two neighbouring pairs of values at once;
// c and s hold their twiddles.
inline void butterfly(ComplexPair& a, ComplexPair& b, __m128d c, __m128d s)
{
    const __m128d dx = _mm_add_pd(_mm_mul_pd(c, b.re), _mm_mul_pd(s, b.im));
    const __m128d dy = _mm_sub_pd(_mm_mul_pd(c, b.im), _mm_mul_pd(s, b.re));
    b.re = _mm_sub_pd(a.re, dx);
    a.re = _mm_add_pd(a.re, dx);
    b.im = _mm_sub_pd(a.im, dy);
    a.im = _mm_add_pd(a.im, dy);
}

inline void butterflyPair(double* xa, double* xb, double* ya, double* yb, __m128d c, __m128d s)
{
    ComplexPair a = loadPair(xa, ya);
    ComplexPair b = loadPair(xb, yb);
    butterfly(a, b, c, s);
    storePair(xa, ya, a);
    storePair(xb, yb, b);
}

// The sign flip of an inverse transform, applied to the sine by xor so that
// it is exactly the negation.
__m128d sineSign(int inverse)
{
    return inverse ? _mm_set1_pd(-0.0) : _mm_setzero_pd();
}

// Twiddles of butterflies j and j + 1 of a stage.
template <bool contiguous>
inline void twiddlesAt(const Twiddles& tw, int j, __m128d sign, __m128d& c, __m128d& s)
{
    if (contiguous) {
        c = _mm_loadu_pd(tw.cosTw + j);
        s = _mm_loadu_pd(tw.sinTw + j);
    } else {
        c = _mm_set_pd(tw.cosTw[(j + 1) * tw.stride], tw.cosTw[j * tw.stride]);
        s = _mm_set_pd(tw.sinTw[(j + 1) * tw.stride], tw.sinTw[j * tw.stride]);
    }
    s = _mm_xor_pd(s, sign);
}

// First stage: one butterfly per block of two.
void firstStage(double* x, double* y, int n, Twiddles tw, int inverse)
{
    const double c = tw.cosTw[0];
    const double s = inverse ? -tw.sinTw[0] : tw.sinTw[0];
    for (int i = 0; i < n; i += 2) {
        const double dx = c * x[i + 1] + s * y[i + 1];
        const double dy = c * y[i + 1] - s * x[i + 1];
        x[i + 1] = x[i] - dx;
        x[i] = x[i] + dx;
        y[i + 1] = y[i] - dy;
        y[i] = y[i] + dy;
    }
}

// A later stage (k >= 2). Its butterflies touch disjoint pairs, so they run
// block by block with the twiddle index innermost: the same arithmetic as
// twiddle by twiddle, but in memory order and two at a time.
template <bool contiguous>
void laterStage(double* x, double* y, int n, int k, Twiddles tw, int inverse)
{
    const __m128d sign = sineSign(inverse);
    for (int block = 0; block < n; block += 2 * k) {
        double* xa = x + block;
        double* ya = y + block;
        for (int j = 0; j < k; j += 2) {
            __m128d c, s;
            twiddlesAt<contiguous>(tw, j, sign, c, s);
            butterflyPair(xa + j, xa + j + k, ya + j, ya + j + k, c, s);
        }
    }
}

// Stages firstK, 2 firstK ... up to n / 2.
template <typename TwiddlesOfStage>
void stagesFrom(double* x, double* y, int n, int firstK, TwiddlesOfStage twiddlesOf, int inverse)
{
    for (int k = firstK; k < n; k *= 2) {
        const Twiddles tw = twiddlesOf(k);
        if (k == 1)
            firstStage(x, y, n, tw, inverse);
        else if (tw.stride == 1)
            laterStage<true>(x, y, n, k, tw, inverse);
        else
            laterStage<false>(x, y, n, k, tw, inverse);
    }
}

void butterflies(double* x, double* y, int n, const double* sintbl, int inverse)
{
    stagesFrom(x, y, n, 1, [=](int k) { return sineTableTwiddles(sintbl, n, k); }, inverse);
}

// n is a power of two, so multiplying by 1/n rounds exactly as dividing by n.
void scaleBy(double* v, long n, double factor)
{
    for (long i = 0; i < n; ++i)
        v[i] *= factor;
}

void transform(double* x, double* y, int n, const double* sintbl,
               const int* bitrev, int inverse)
{
    swapIntoBitReversedOrder(x, y, n, bitrev);
    butterflies(x, y, n, sintbl, inverse);
    if (!inverse) {
        scaleBy(x, n, 1.0 / n);
        scaleBy(y, n, 1.0 / n);
    }
}

// ---------------------------------------------------------------------------
// Spectra and decibels.

double phaseOf(double re, double im, double power)
{
    if (power <= phaseThreshold)
        return 0.0;
    if (re > 0)
        return std::atan(im / re);
    if (re < 0) {
        double phase = std::atan(im / re) + pi;
        if (phase > pi)
            phase -= twoPi;
        return phase;
    }
    if (im > 0)
        return halfPi;
    if (im < 0)
        return -halfPi;
    return 0.0;
}

double windowWeight(int type, long i, long n)
{
    const double last = static_cast<double>(n - 1);
    switch (type) {
    case windowHamming:
        return 0.54 - 0.46 * std::cos(twoPi * i / last);
    case windowHann:
        return 0.5 - 0.5 * std::cos(twoPi * i / last);
    case windowBlackman:
        return 0.42 - 0.5 * std::cos(twoPi * i / last) + 0.08 * std::cos(fourPi * i / last);
    }
    return 1.0;
}

double largestFromZero(const double* v, long from, long to)
{
    double m = 0.0;
    for (long i = from; i < to; ++i)
        if (v[i] > m)
            m = v[i];
    return m;
}

// Divides p by its largest element (1 when none is positive); returns the divisor.
double normaliseToLargest(double* p, long n)
{
    double m = largestFromZero(p, 0, n);
    if (m <= 0)
        m = 1.0;
    for (long i = 0; i < n; ++i)
        p[i] /= m;
    return m;
}

// Zero and negative values get the level of the smallest positive value
// below 1 (0 dB when there is none).
void writeDecibels(const double* p, double* dB, long n)
{
    double smallest = 1.0;
    for (long i = 0; i < n; ++i)
        if (p[i] > 0 && p[i] < smallest)
            smallest = p[i];
    const double floorDB = 20.0 * std::log10(smallest);
    for (long i = 0; i < n; ++i)
        dB[i] = p[i] > 0 ? 20.0 * std::log10(p[i]) : floorDB;
}

double largestOrReport(const double* v, long n)
{
    double m = largestFromZero(v, 0, n);
    if (m <= 0) {
        m = 1.0;
        reportAnalysisMessage(flatSignalMessage);
    }
    return m;
}

// ---------------------------------------------------------------------------
// Tables kept between calls, rebuilt only when the size changes (which the
// application does rarely). They make WindowFunction and the restoration
// non-reentrant: both belong to the application thread.

// Weights of the last window asked for, up to the restoration's largest size.
alignas(64) double windowCache[restoreMaxSize];
int windowCacheType = 0;
long windowCacheSize = 0;

const double* cachedWindow(int type, long n)
{
    if (n > restoreMaxSize)
        return nullptr;
    if (type != windowCacheType || n != windowCacheSize) {
        for (long i = 0; i < n; ++i)
            windowCache[i] = windowWeight(type, i, n);
        windowCacheType = type;
        windowCacheSize = n;
    }
    return windowCache;
}

// ---------------------------------------------------------------------------
// Restoration state. Static so that the large matrix never comes from the
// heap; the contents survive between calls.

// Sliding windows transformed side by side: a whole cache line of each row of
// widePhase per group, and independent lanes for the vector unit.
const int lanes = 8;

alignas(64) double widePhase[restoreMaxWide * restoreMaxSize];
alignas(64) double tmpPow[restoreMaxSize];
alignas(64) double tmpPhs[restoreMaxSize];
alignas(64) double letRe[restoreMaxWide * lanes];
alignas(64) double letIm[restoreMaxWide * lanes];

// Tables of the main and of the sliding transform size.
alignas(64) double mainSintbl[restoreMaxSize + restoreMaxSize / 4];
alignas(64) int mainBitrev[restoreMaxSize];
alignas(64) double mainStageCos[restoreMaxSize];
alignas(64) double mainStageSin[restoreMaxSize];
long mainTablesSize = 0;
alignas(64) double wideSintbl[restoreMaxWide + restoreMaxWide / 4];
alignas(64) int wideBitrev[restoreMaxWide];
long wideTablesSize = 0;

bool acceptRestoration(const double* x, const double* re, const double* im,
                       long n, long wideN, long hi, long lo,
                       const double* sumPow, const double* sumTraj)
{
    if (!x || !re || !im || !sumPow || !sumTraj)
        return false;
    if (!isTransformSize(n, restoreMaxSize) || !isTransformSize(wideN, restoreMaxWide))
        return false;
    return lo > hi || (lo >= 0 && hi < wideN);
}

// Copies of the sine table's twiddles, laid out stage by stage.
void spreadStageTwiddles(const double* sintbl, long n, double* stageCos, double* stageSin)
{
    for (long k = 1; k < n; k *= 2) {
        const Twiddles tw = sineTableTwiddles(sintbl, n, k);
        for (long j = 0; j < k; ++j) {
            stageCos[k - 1 + j] = tw.cosTw[j * tw.stride];
            stageSin[k - 1 + j] = tw.sinTw[j * tw.stride];
        }
    }
}

void prepareTables(long n, long wideN)
{
    if (mainTablesSize != n) {
        make_sintbl(n, mainSintbl);
        make_bitrev(n, mainBitrev);
        spreadStageTwiddles(mainSintbl, n, mainStageCos, mainStageSin);
        mainTablesSize = n;
    }
    if (wideTablesSize != wideN) {
        make_sintbl(wideN, wideSintbl);
        make_bitrev(wideN, wideBitrev);
        wideTablesSize = wideN;
    }
}

// The stages from firstK on.
void mainButterflies(double* re, double* im, long n, long firstK, int inverse)
{
    stagesFrom(re, im, n, firstK,
               [](int k) { return stageTableTwiddles(mainStageCos, mainStageSin, k); }, inverse);
}

// Forward transform, without scaling, of the Hamming-windowed copy of v.
// The copy is read in bit-reversed order (the permutation is its own inverse)
// and goes straight through the first stage: the general butterfly with the
// imaginary parts written as the +0 they are.
void windowedTransform(const double* v, double* re, double* im, long n)
{
    const double* w = cachedWindow(windowHamming, n);
    const double c = mainStageCos[0];
    const double s = mainStageSin[0];
    visitInTiles(n, 2, [=](long i) {
        const long ja = mainBitrev[i];
        const long jb = mainBitrev[i + 1];
        const double xa = v[ja] * w[ja];
        const double xb = v[jb] * w[jb];
        const double dx = c * xb + s * 0.0;
        const double dy = c * 0.0 - s * xb;
        re[i + 1] = xa - dx;
        re[i] = xa + dx;
        im[i + 1] = 0.0 - dy;
        im[i] = 0.0 + dy;
    });
    mainButterflies(re, im, n, 2, 0);
}

// Every bin keeps its phase; its magnitude becomes sqrt(P / (level + P)).
// A bin with nothing to divide by (silence at noise 0, a negative noise
// level) gets 0 rather than NaN or infinity.
double gainOf(double power, double level)
{
    const double denominator = level + power;
    if (!(denominator > 0))
        return 0.0;
    const double ratio = power / denominator;
    return std::isfinite(ratio) ? std::sqrt(ratio) : 0.0;
}

// The gained spectrum, written straight into the bit-reversed order that
// the inverse transform starts from.
void applyGainBitReversed(double* re, double* im, long n, double level)
{
    visitInTiles(n, 1, [=](long i) {
        const long j = mainBitrev[i];
        const double g = gainOf(tmpPow[j], level);
        double sine = 0.0;
        double cosine = 0.0;
        sincos(tmpPhs[j], &sine, &cosine);
        re[i] = g * cosine;
        im[i] = g * sine;
    });
}

// Two neighbouring samples of each of two lanes, repeating the last sample
// past the end of the signal.
__m128d loadLanePair(const double* re, long n, long t, bool inside)
{
    if (inside)
        return _mm_loadu_pd(re + t);
    const long first = t < n - 1 ? t : n - 1;
    const long second = t + 1 < n - 1 ? t + 1 : n - 1;
    return _mm_set_pd(re[second], re[first]);
}

// Lanes of windows starting at s .. s + lanes - 1, each wideN samples long,
// in bit-reversed row order and put straight through the first stage (the
// general butterfly with the imaginary parts written as the +0 they are).
void loadSlidingWindows(const double* re, long n, long wideN, long s)
{
    const bool inside = s + (lanes - 1) + (wideN - 1) <= n - 1;
    const __m128d c = _mm_set1_pd(wideSintbl[wideN / 4]);
    const __m128d sn = _mm_set1_pd(wideSintbl[0]);
    const __m128d zero = _mm_setzero_pd();
    for (long row = 0; row < wideN; row += 2) {
        const long a = s + wideBitrev[row];
        const long b = s + wideBitrev[row + 1];
        double* xa = letRe + row * lanes;
        double* ya = letIm + row * lanes;
        for (int l = 0; l < lanes; l += 2) {
            const __m128d xA = loadLanePair(re, n, a + l, inside);
            const __m128d xB = loadLanePair(re, n, b + l, inside);
            const __m128d dx = _mm_add_pd(_mm_mul_pd(c, xB), _mm_mul_pd(sn, zero));
            const __m128d dy = _mm_sub_pd(_mm_mul_pd(c, zero), _mm_mul_pd(sn, xB));
            _mm_storeu_pd(xa + lanes + l, _mm_sub_pd(xA, dx));
            _mm_storeu_pd(xa + l, _mm_add_pd(xA, dx));
            _mm_storeu_pd(ya + lanes + l, _mm_sub_pd(zero, dy));
            _mm_storeu_pd(ya + l, _mm_add_pd(zero, dy));
        }
    }
}

// The forward butterflies of the core, applied to every lane at once, from
// the second stage up to the one before the last.
void slidingButterflies(long wideN)
{
    for (long k = 2; k < wideN / 2; k *= 2) {
        const Twiddles tw = sineTableTwiddles(wideSintbl, wideN, k);
        for (long block = 0; block < wideN; block += 2 * k) {
            for (long j = 0; j < k; ++j) {
                const __m128d c = _mm_set1_pd(tw.cosTw[j * tw.stride]);
                const __m128d s = _mm_set1_pd(tw.sinTw[j * tw.stride]);
                double* xa = letRe + (block + j) * lanes;
                double* ya = letIm + (block + j) * lanes;
                const long apart = k * lanes;
                for (int l = 0; l < lanes; l += 2)
                    butterflyPair(xa + l, xa + apart + l, ya + l, ya + apart + l, c, s);
            }
        }
    }
}

// The last stage, reduced to what has a reader: the imaginary parts of the
// bins lo..hi, scaled and stored straight into their rows of widePhase.
void storeTrajectoryPoints(long n, long wideN, long lo, long hi, long s)
{
    const long k = wideN / 2;
    const Twiddles tw = sineTableTwiddles(wideSintbl, wideN, k);
    const long count = n - s < lanes ? n - s : lanes;
    const double scale = 1.0 / wideN;
    for (long row = lo; row <= hi; ++row) {
        const long j = row < k ? row : row - k;
        const double c = tw.cosTw[j * tw.stride];
        const double sn = tw.sinTw[j * tw.stride];
        const double* xb = letRe + (j + k) * lanes;
        const double* yb = letIm + (j + k) * lanes;
        const double* ya = letIm + j * lanes;
        double* dst = widePhase + row * n + s;
        for (long l = 0; l < count; ++l) {
            const double dy = c * yb[l] - sn * xb[l];
            dst[l] = (row < k ? ya[l] + dy : ya[l] - dy) * scale;
        }
    }
}

// Row k of widePhase becomes the imaginary part of bin k of the wideN-point
// transform slid along re, one start sample per column.
void trackSlidingBins(const double* re, long n, long wideN, long lo, long hi)
{
    for (long s = 0; s < n; s += lanes) {
        loadSlidingWindows(re, n, wideN, s);
        slidingButterflies(wideN);
        storeTrajectoryPoints(n, wideN, lo, hi, s);
    }
}

// Power spectrum of the windowed trajectory of bin k, added to sumPow. The
// trajectories' phases have no reader, so tmpPhs keeps those of the gain.
void addTrajectorySpectrum(long k, long n, double* re, double* im,
                           double* sumPow, double* sumTraj)
{
    const double* row = widePhase + k * n;
    for (long i = 0; i < n; ++i)
        sumTraj[i] += row[i];
    windowedTransform(row, re, im, n);
    const double scale = 1.0 / n;
    for (long i = 0; i < n; ++i) {
        re[i] *= scale;
        im[i] *= scale;
        tmpPow[i] = re[i] * re[i] + im[i] * im[i];
        sumPow[i] += tmpPow[i];
    }
}

} // namespace

// ---------------------------------------------------------------------------

void make_sintbl(int n, double* sintbl)
{
    if (!sintbl || n < 1)
        return;
    const int h = n / 2;
    const int q = n / 4;
    const int e = n / 8;
    const double t = std::sin(pi / n);
    double dc = 2.0 * t * t;
    double ds = std::sqrt(dc * (2.0 - dc));
    const double t2 = 2.0 * dc;
    sintbl[q] = 1.0;
    sintbl[0] = 0.0;
    double c = 1.0;
    double s = 0.0;
    // Recurrence for sine and cosine over the first octant.
    for (int i = 1; i < e; ++i) {
        c -= dc;
        dc += t2 * c;
        s += ds;
        ds -= t2 * s;
        sintbl[i] = s;
        sintbl[q - i] = c;
    }
    if (e != 0)
        sintbl[e] = std::sqrt(0.5);
    for (int i = 0; i < q; ++i)
        sintbl[h - i] = sintbl[i];
    for (int i = 0; i < h + q; ++i)
        sintbl[h + i] = -sintbl[i];
}

void make_bitrev(int n, int* bitrev)
{
    // The reversed counter only terminates for powers of two.
    if (!bitrev || !isPowerOfTwo(n))
        return;
    const int half = n / 2;
    int i = 0;
    int j = 0;
    for (;;) {
        bitrev[i] = j;
        if (++i >= n)
            break;
        int k = half;
        while (k <= j) {
            j -= k;
            k /= 2;
        }
        j += k;
    }
}

int fft(double* x, double* y, int n, int inverse)
{
    if (!x || !y || !isTransformSize(n, 1L << 30))
        return -1;
    std::unique_ptr<double[]> sintbl(new (std::nothrow) double[n + n / 4]);
    std::unique_ptr<int[]> bitrev(new (std::nothrow) int[n]);
    if (!sintbl || !bitrev)
        return 1;
    make_sintbl(n, sintbl.get());
    make_bitrev(n, bitrev.get());
    transform(x, y, n, sintbl.get(), bitrev.get(), inverse);
    return 0;
}

void PowAndPhs(double* re, double* im, double* power, double* phase, long n, long* half)
{
    if (half)
        *half = n / 2;
    for (long i = 0; i < n; ++i) {
        power[i] = re[i] * re[i] + im[i] * im[i];
        phase[i] = phaseOf(re[i], im[i], power[i]);
    }
}

void logPlus1(double* values, long n)
{
    for (long i = 0; i < n; ++i)
        values[i] = std::log(values[i] + 1.0);
}

void expMinus1(double* values, long n)
{
    for (long i = 0; i < n; ++i)
        values[i] = std::exp(values[i]) - 1.0;
}

void WindowFunction(double* values, long n, int type)
{
    // One point has no shape to weigh it by (and n - 1 would be 0).
    if (!values || n < 2)
        return;
    if (type != windowHamming && type != windowHann && type != windowBlackman)
        return;
    if (const double* w = cachedWindow(type, n)) {
        for (long i = 0; i < n; ++i)
            values[i] *= w[i];
        return;
    }
    for (long i = 0; i < n; ++i)
        values[i] *= windowWeight(type, i, n);
}

void su_calc_dB(double* power, double* dB, long n)
{
    if (!power || !dB || n < 1)
        return;
    power[0] = 0.0;
    normaliseToLargest(power, n);
    writeDecibels(power, dB, n);
}

void calc_dB(double* power, double* powerDB, double* spare,
             double* restored, double* restoredDB, long n)
{
    if (!power || !powerDB || !spare || !restored || !restoredDB || n < 1)
        return;
    power[0] = 0.0;
    const double powerLargest = normaliseToLargest(power, n);
    writeDecibels(power, powerDB, n);

    // The restored spectrum is mapped so that its largest element lands on
    // the power spectrum's largest, giving both the same dynamic range.
    const double logLargest = std::log(powerLargest);
    const double restoredLargest = largestOrReport(restored, n);
    for (long i = 0; i < n; ++i)
        restored[i] = std::exp(logLargest * restored[i] / restoredLargest);
    const double mappedLargest = largestOrReport(restored, n);
    for (long i = 0; i < n; ++i)
        restored[i] /= mappedLargest;
    writeDecibels(restored, restoredDB, n);
}

void restoreWithWidebandPhase(const double* x, double* re, double* im, long n,
                              long wideN, long hi, long lo, double* sumPow,
                              long* half, double* sumTraj, double noise)
{
    if (!acceptRestoration(x, re, im, n, wideN, hi, lo, sumPow, sumTraj))
        return;
    if (half)
        *half = n / 2;
    for (long i = 0; i < n; ++i) {
        sumPow[i] = 0.0;
        sumTraj[i] = 0.0;
    }
    prepareTables(n, wideN);

    windowedTransform(x, re, im, n);
    scaleBy(re, n, 1.0 / n);
    scaleBy(im, n, 1.0 / n);
    long h = 0;
    PowAndPhs(re, im, tmpPow, tmpPhs, n, &h);

    // Bin 0 and the upper half take no part in the reference level.
    applyGainBitReversed(re, im, n, largestFromZero(tmpPow, 1, h) * noise);
    mainButterflies(re, im, n, 1, 1);

    if (lo > hi)
        return;
    trackSlidingBins(re, n, wideN, lo, hi);
    for (long k = lo; k <= hi; ++k)
        addTrajectorySpectrum(k, n, re, im, sumPow, sumTraj);
}
