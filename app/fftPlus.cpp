// Radix-2 FFT, power and phase, windows, decibels and the wideband-phase
// restoration that gives the third spectrum.
#include "fftPlus.h"

#include "analysisMessage.h"
#include "workPool.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <emmintrin.h>
#include <memory>
#include <new>
#include <utility>
#include <vector>

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
// reversals that share theirs too. Only the tiles of piece (of pieces) are
// visited; different pieces visit different indices.
template <typename Visit>
void visitInTiles(long n, long step, Visit visit, long piece = 0, long pieces = 1)
{
    if (n < 64) {
        if (piece == 0)
            for (long i = 0; i < n; i += step)
                visit(i);
        return;
    }
    const long top = n / 8;
    const long middles = top / 8;
    const long first = middles * piece / pieces * 8;
    const long end = middles * (piece + 1) / pieces * 8;
    for (long middle = first; middle < end; middle += 8)
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

// Butterflies jFirst .. jFirst + jCount - 1 of a later stage (k >= 2), with
// their twiddles side by side in cosTw and sinTw. The butterflies of a stage
// touch disjoint pairs, so they run block by block with the twiddle index
// innermost: the same arithmetic as twiddle by twiddle, but in memory order
// and two at a time. An inverse transform negates the sine (by its sign bit,
// which is exactly the negation).
template <bool inverse>
void laterStage(double* x, double* y, int n, int k, int jFirst, int jCount,
                const double* cosTw, const double* sinTw)
{
    const __m128d negate = _mm_set1_pd(-0.0);
    for (int block = 0; block < n; block += 2 * k) {
        double* xa = x + block + jFirst;
        double* ya = y + block + jFirst;
        for (int j = 0; j < jCount; j += 2) {
            const __m128d c = _mm_loadu_pd(cosTw + j);
            __m128d s = _mm_loadu_pd(sinTw + j);
            if (inverse)
                s = _mm_xor_pd(s, negate);
            butterflyPair(xa + j, xa + j + k, ya + j, ya + j + k, c, s);
        }
    }
}

void laterStage(double* x, double* y, int n, int k, int jFirst, int jCount,
                const double* cosTw, const double* sinTw, int inverse)
{
    if (inverse)
        laterStage<true>(x, y, n, k, jFirst, jCount, cosTw, sinTw);
    else
        laterStage<false>(x, y, n, k, jFirst, jCount, cosTw, sinTw);
}

// Twiddles that lie far apart in the sine table (on lines that would evict
// one another) are first copied side by side, a chunk at a time.
const int twiddleChunk = 512;

// Stage k over x[0 .. span), with the twiddles tw of the whole transform.
void runStage(double* x, double* y, int span, int k, Twiddles tw, int inverse)
{
    if (k == 1) {
        firstStage(x, y, span, tw, inverse);
        return;
    }
    if (tw.stride == 1) {
        laterStage(x, y, span, k, 0, k, tw.cosTw, tw.sinTw, inverse);
        return;
    }
    alignas(16) double cosChunk[twiddleChunk];
    alignas(16) double sinChunk[twiddleChunk];
    for (int first = 0; first < k; first += twiddleChunk) {
        const int count = k - first < twiddleChunk ? k - first : twiddleChunk;
        for (int j = 0; j < count; ++j) {
            cosChunk[j] = tw.cosTw[(first + j) * tw.stride];
            sinChunk[j] = tw.sinTw[(first + j) * tw.stride];
        }
        laterStage(x, y, span, k, first, count, cosChunk, sinChunk, inverse);
    }
}

// Complex values whose two arrays fit the first-level cache together.
const int cacheBlock = 2048;

void butterflies(double* x, double* y, int n, const double* sintbl, int inverse)
{
    for (int k = 1; k < n; k *= 2)
        runStage(x, y, n, k, sineTableTwiddles(sintbl, n, k), inverse);
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

// A spectrum to divide by a divisor (bin 0 becoming 0 when it is dropped)
// and then to put in dB. Zero and negative values get the level of the
// smallest positive value below 1 (0 dB when there is none).
struct Decibels {
    double* power;
    double* dB;
    double divisor;
    bool dropFirst;
};

// Bins of a spectrum that one call on the pool converts.
const long decibelPiece = 2048;

// Several spectra at once, in pieces on the pool; element-wise work and
// smallest values give the same bits however they are cut.
void decibelsSideBySide(const Decibels* spectra, long count, long n)
{
    const long piece = decibelPiece;
    const long pieces = (n + piece - 1) / piece;
    std::vector<double> smallest(count * pieces, 1.0);
    auto divide = [&](long t, int) {
        const Decibels& d = spectra[t / pieces];
        const long first = t % pieces * piece;
        const long end = std::min(n, first + piece);
        double least = 1.0;
        for (long i = first; i < end; ++i) {
            d.power[i] = (d.dropFirst && i == 0 ? 0.0 : d.power[i]) / d.divisor;
            if (d.power[i] > 0 && d.power[i] < least)
                least = d.power[i];
        }
        smallest[t] = least;
    };
    runInPool(count * pieces, divide);
    std::vector<double> floors(count);
    for (long k = 0; k < count; ++k) {
        double least = 1.0;
        for (long t = k * pieces; t < (k + 1) * pieces; ++t)
            if (smallest[t] < least)
                least = smallest[t];
        floors[k] = 20.0 * std::log10(least);
    }
    auto decibels = [&](long t, int) {
        const Decibels& d = spectra[t / pieces];
        const double floorDB = floors[t / pieces];
        const long first = t % pieces * piece;
        const long end = std::min(n, first + piece);
        for (long i = first; i < end; ++i)
            d.dB[i] = d.power[i] > 0 ? 20.0 * std::log10(d.power[i]) : floorDB;
    };
    runInPool(count * pieces, decibels);
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

// The divisor of a power spectrum whose largest bin of 1 .. n - 1 is
// largest: that, or 1 when it is not positive.
double divisorOf(double largest)
{
    return largest > 0 ? largest : 1.0;
}

// The power spectrum in dB of its largest bin, bin 0 left out; returns the
// divisor.
double powerDecibels(double* power, double* powerDB, long n)
{
    const Decibels d = {power, powerDB, divisorOf(largestFromZero(power, 1, n)), true};
    decibelsSideBySide(&d, 1, n);
    return d.divisor;
}

// The restored spectrum is mapped so that its largest element lands on
// the power spectrum's largest, giving both the same dynamic range. A flat
// spectrum is reported from the calling thread.
void restoredDecibels(double* restored, double* restoredDB, long n, double powerLargest)
{
    const double logLargest = std::log(powerLargest);
    const double restoredLargest = largestOrReport(restored, n);
    auto map = [&](long t, int) {
        const long end = std::min(n, (t + 1) * decibelPiece);
        for (long i = t * decibelPiece; i < end; ++i)
            restored[i] = std::exp(logLargest * restored[i] / restoredLargest);
    };
    runInPool((n + decibelPiece - 1) / decibelPiece, map);
    const Decibels d = {restored, restoredDB, largestOrReport(restored, n), false};
    decibelsSideBySide(&d, 1, n);
}

// ---------------------------------------------------------------------------
// Tables kept between calls, rebuilt only when the size changes (which the
// application does rarely). They are built on the application thread before
// any work goes to the pool, which then only reads them.

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

// Stages of the sliding transform, up to log2(restoreMaxWide).
const int maxWideStages = 6;

// Tables of the main and of the sliding transform size.
alignas(64) double mainSintbl[restoreMaxSize + restoreMaxSize / 4];
alignas(64) int mainBitrev[restoreMaxSize];
alignas(64) double mainStageCos[restoreMaxSize];
alignas(64) double mainStageSin[restoreMaxSize];
long mainTablesSize = 0;
alignas(64) double wideSintbl[restoreMaxWide + restoreMaxWide / 4];
alignas(64) double wideStageCos[restoreMaxWide];
alignas(64) double wideStageSin[restoreMaxWide];
long wideTablesSize = 0;

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

void prepareMainTables(long n)
{
    if (mainTablesSize != n) {
        make_sintbl(n, mainSintbl);
        make_bitrev(n, mainBitrev);
        spreadStageTwiddles(mainSintbl, n, mainStageCos, mainStageSin);
        mainTablesSize = n;
    }
    cachedWindow(windowHamming, n);
}

void prepareWideTables(long wideN)
{
    if (wideTablesSize != wideN) {
        make_sintbl(wideN, wideSintbl);
        spreadStageTwiddles(wideSintbl, wideN, wideStageCos, wideStageSin);
        wideTablesSize = wideN;
    }
}

// ---------------------------------------------------------------------------
// An n-point transform in pieces for the pool. After the bit reversal the
// stages below the cache block work inside blocks of that many points, and
// the stages above it pair points of the same column j, j + B, j + 2B ...
// So the blocks, each through its stages, and then pieces of columns, each
// through the upper stages, are independent of one another; every butterfly
// is the one of the sequential transform, on the same operands.

struct Pieces {
    long n;
    long block;   // B: n, or the cache block when n is larger
    long blocks;  // n / B
    long columns; // columns in one column piece
    long columnPieces;
};

Pieces piecesOf(long n)
{
    Pieces p;
    p.n = n;
    p.block = n < cacheBlock ? n : cacheBlock;
    p.blocks = n / p.block;
    p.columns = p.block >= 256 ? p.block / 16 : p.block;
    p.columnPieces = p.block / p.columns;
    return p;
}

// The stages from firstK up to the block size, inside one block.
void stagesInBlock(double* re, double* im, const Pieces& p, long block, long firstK, int inverse)
{
    const long base = block * p.block;
    for (long k = firstK; k < p.block; k *= 2)
        runStage(re + base, im + base, static_cast<int>(p.block), static_cast<int>(k),
                 stageTableTwiddles(mainStageCos, mainStageSin, static_cast<int>(k)), inverse);
}

// The stages above the block size on one piece of columns.
void stagesOnColumns(double* re, double* im, const Pieces& p, long piece, int inverse)
{
    const long first = piece * p.columns;
    for (long k = p.block; k < p.n; k *= 2)
        for (long t = 0; t < k; t += p.block)
            laterStage(re, im, static_cast<int>(p.n), static_cast<int>(k),
                       static_cast<int>(t + first), static_cast<int>(p.columns),
                       mainStageCos + k - 1 + t + first, mainStageSin + k - 1 + t + first,
                       inverse);
}

// Calls visit(i) for every point of a piece of columns.
template <typename Visit>
void visitColumns(const Pieces& p, long piece, Visit visit)
{
    const long first = piece * p.columns;
    for (long t = 0; t < p.n; t += p.block)
        for (long j = first; j < first + p.columns; ++j)
            visit(t + j);
}

// Pieces of the bit reversal, each a share of its tiles.
long tilePieces(long n)
{
    return n >= 4096 ? 16 : 1;
}

// A real signal (times the window w, when there is one) in bit-reversed
// order, through the first stage: the general butterfly with the imaginary
// parts written as the +0 they are. The tiles of one piece.
void loadReal(const double* v, const double* w, double* re, double* im, long n, long piece,
              long pieces)
{
    const double c = mainStageCos[0];
    const double s = mainStageSin[0];
    visitInTiles(
        n, 2,
        [=](long i) {
            const long ja = mainBitrev[i];
            const long jb = mainBitrev[i + 1];
            const double xa = w ? v[ja] * w[ja] : v[ja];
            const double xb = w ? v[jb] * w[jb] : v[jb];
            const double dx = c * xb + s * 0.0;
            const double dy = c * 0.0 - s * xb;
            re[i + 1] = xa - dx;
            re[i] = xa + dx;
            im[i + 1] = 0.0 - dy;
            im[i] = 0.0 + dy;
        },
        piece, pieces);
}

// The forward transform of a real signal, without the 1/n scaling, made on
// the calling thread.
void transformReal(const double* v, const double* w, double* re, double* im, long n)
{
    const Pieces p = piecesOf(n);
    loadReal(v, w, re, im, n, 0, 1);
    for (long b = 0; b < p.blocks; ++b)
        stagesInBlock(re, im, p, b, 2, 0);
    for (long piece = 0; piece < p.columnPieces; ++piece)
        stagesOnColumns(re, im, p, piece, 0);
}

// The scaled transform's power and phase, and the largest power of the bins
// 1 .. n/2 - 1 (from 0), of one piece of columns. The power of the lower half
// is copied to lowerHalf as well, when there is one.
double scaleWithPowerAndPhase(double* re, double* im, double* power, double* phase,
                              double* lowerHalf, const Pieces& p, long piece)
{
    const double scale = 1.0 / p.n;
    const long half = p.n / 2;
    double largest = 0.0;
    visitColumns(p, piece, [&](long i) {
        re[i] *= scale;
        im[i] *= scale;
        power[i] = re[i] * re[i] + im[i] * im[i];
        phase[i] = phaseOf(re[i], im[i], power[i]);
        if (i < half) {
            if (i > 0 && power[i] > largest)
                largest = power[i];
            if (lowerHalf)
                lowerHalf[i] = power[i];
        }
    });
    return largest;
}

// A real signal's scaled spectrum, with power and phase, on the pool.
struct RealSpectrum {
    const double* v;
    const double* w; // window weights, or null
    double* re;
    double* im;
    double* power;
    double* phase;
    double* lowerHalf; // or null
    double largest;    // of the power of bins 1 .. n/2 - 1, from 0
};

// Both spectra at once: the bit reversals of both, then their blocks, then
// their column pieces.
void realSpectra(RealSpectrum* spectra, long count, long n)
{
    const Pieces p = piecesOf(n);
    const long tiles = tilePieces(n);
    auto load = [&](long task, int) {
        RealSpectrum& s = spectra[task / tiles];
        loadReal(s.v, s.w, s.re, s.im, n, task % tiles, tiles);
    };
    runInPool(count * tiles, load);
    auto blocks = [&](long task, int) {
        RealSpectrum& s = spectra[task / p.blocks];
        stagesInBlock(s.re, s.im, p, task % p.blocks, 2, 0);
    };
    runInPool(count * p.blocks, blocks);
    std::vector<double> largest(count * p.columnPieces);
    auto columns = [&](long task, int) {
        RealSpectrum& s = spectra[task / p.columnPieces];
        stagesOnColumns(s.re, s.im, p, task % p.columnPieces, 0);
        largest[task] = scaleWithPowerAndPhase(s.re, s.im, s.power, s.phase, s.lowerHalf, p,
                                               task % p.columnPieces);
    };
    runInPool(count * p.columnPieces, columns);
    for (long k = 0; k < count; ++k)
        spectra[k].largest = *std::max_element(largest.begin() + k * p.columnPieces,
                                               largest.begin() + (k + 1) * p.columnPieces);
}

// ---------------------------------------------------------------------------
// Restoration state. Static so that the large matrix never comes from the
// heap; the contents survive between calls.

// Trajectory points are gathered for this many consecutive starts and then
// written to widePhase a cache line per row.
const int startsPerFlush = 8;
// Starts that one task of the sliding transform goes through.
const long startsPerTask = 1024;

// Rows of widePhase are one cache line longer than a trajectory: at a stride
// of exactly n (a large power of two) every row's line of the same column
// would fall into the same cache set, and the rows written together would
// evict one another.
const long rowPadding = 8;
alignas(64) double widePhase[restoreMaxWide * (restoreMaxSize + rowPadding)];

// Power and phase of the restoration's transforms.
alignas(64) double tmpPow[restoreMaxSize];
alignas(64) double tmpPhs[restoreMaxSize];
// The restoration's work arrays while the plain spectrum takes the pass's.
alignas(64) double restorationRe[restoreMaxSize];
alignas(64) double restorationIm[restoreMaxSize];

double* trajectoryRow(long k, long n)
{
    return widePhase + k * (n + rowPadding);
}

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
// the inverse transform starts from; the tiles of one piece.
void loadGain(const double* power, const double* phase, double level, double* re, double* im,
              long n, long piece, long pieces)
{
    visitInTiles(
        n, 1,
        [=](long i) {
            const long j = mainBitrev[i];
            const double g = gainOf(power[j], level);
            // sincos gives exactly what sin and cos give, in one call.
            double sine = 0.0;
            double cosine = 0.0;
            sincos(phase[j], &sine, &cosine);
            re[i] = g * cosine;
            im[i] = g * sine;
        },
        piece, pieces);
}

// The sliding transform. After p stages, the transform of the window that
// starts at s holds wideN / 2^p sub-transforms, of the samples q, q + M,
// q + 2M ... (M = wideN / 2^p) for q = s .. s + M - 1, and each depends on q
// alone: the window that starts at s + 1 needs the same ones, shifted by
// one. So every sub-transform is made once, kept in its stage's ring (M slots
// of 2^p values) while windows still need it, and shared by all of them.
// The butterflies and their operands are those of each window's own
// transform; only the repetitions are gone. A task that starts at s0 first
// makes the sub-transforms that its first window needs.

long stageCount(long wideN)
{
    long p = 0;
    while ((1L << p) < wideN)
        ++p;
    return p;
}

long clampedIndex(long t, long n)
{
    return t < n - 1 ? t : n - 1;
}

// The rings of one task, and the trajectory points it has not written yet.
struct SlidingRings {
    alignas(16) double re[maxWideStages][restoreMaxWide];
    alignas(16) double im[maxWideStages][restoreMaxWide];
    alignas(16) double stash[restoreMaxWide][startsPerFlush];
};

// Stage 1 for start q: samples q and q + wideN/2 (the last sample standing in
// past the end), through the general butterfly with imaginary parts +0.
void firstSlidingStage(SlidingRings& r, const double* re, long n, long wideN, long q)
{
    const long half = wideN / 2;
    const double xa = re[clampedIndex(q, n)];
    const double xb = re[clampedIndex(q + half, n)];
    const double c = wideStageCos[0];
    const double s = wideStageSin[0];
    const double dx = c * xb + s * 0.0;
    const double dy = c * 0.0 - s * xb;
    double* outRe = r.re[1] + (q & (half - 1)) * 2;
    double* outIm = r.im[1] + (q & (half - 1)) * 2;
    outRe[1] = xa - dx;
    outRe[0] = xa + dx;
    outIm[1] = 0.0 - dy;
    outIm[0] = 0.0 + dy;
}

// Stage p >= 2 for start q, from the stage p - 1 sub-transforms of q and of
// q + wideN / 2^p.
void laterSlidingStage(SlidingRings& r, long wideN, long p, long q)
{
    const long k = 1L << (p - 1);
    const long slots = wideN >> p;
    const long slotsBelow = wideN >> (p - 1);
    const double* aRe = r.re[p - 1] + (q & (slotsBelow - 1)) * k;
    const double* aIm = r.im[p - 1] + (q & (slotsBelow - 1)) * k;
    const double* bRe = r.re[p - 1] + ((q + slots) & (slotsBelow - 1)) * k;
    const double* bIm = r.im[p - 1] + ((q + slots) & (slotsBelow - 1)) * k;
    double* outRe = r.re[p] + (q & (slots - 1)) * 2 * k;
    double* outIm = r.im[p] + (q & (slots - 1)) * 2 * k;
    for (long j = 0; j < k; j += 2) {
        ComplexPair a = loadPair(aRe + j, aIm + j);
        ComplexPair b = loadPair(bRe + j, bIm + j);
        butterfly(a, b, _mm_loadu_pd(wideStageCos + k - 1 + j),
                  _mm_loadu_pd(wideStageSin + k - 1 + j));
        storePair(outRe + j, outIm + j, a);
        storePair(outRe + j + k, outIm + j + k, b);
    }
}

// The last stage for start s, reduced to what has a reader: the imaginary
// parts of bins lo..hi, scaled by 1/wideN (exact, a power of two).
void lastSlidingStage(SlidingRings& r, long wideN, long stages, long lo, long hi, long s)
{
    const long k = wideN / 2;
    const long p = stages - 1;
    const double* aIm = r.im[p] + (s & 1) * k;
    const double* bRe = r.re[p] + ((s + 1) & 1) * k;
    const double* bIm = r.im[p] + ((s + 1) & 1) * k;
    const double scale = 1.0 / wideN;
    const long column = s & (startsPerFlush - 1);
    for (long row = lo; row <= hi; ++row) {
        const long j = row < k ? row : row - k;
        const double dy = wideStageCos[k - 1 + j] * bIm[j] - wideStageSin[k - 1 + j] * bRe[j];
        r.stash[row][column] = (row < k ? aIm[j] + dy : aIm[j] - dy) * scale;
    }
}

void flushTrajectoryPoints(const SlidingRings& r, long n, long lo, long hi, long s)
{
    const long first = s & ~static_cast<long>(startsPerFlush - 1);
    for (long row = lo; row <= hi; ++row) {
        double* dst = trajectoryRow(row, n) + first;
        const double* src = r.stash[row];
        if (s - first == startsPerFlush - 1) {
            for (int t = 0; t < startsPerFlush; t += 2)
                _mm_storeu_pd(dst + t, _mm_load_pd(src + t));
        } else {
            for (long t = 0; t <= s - first; ++t)
                dst[t] = src[t];
        }
    }
}

// Columns first .. end - 1 of rows lo..hi of widePhase become the imaginary
// part of bin k of the wideN-point transform slid along re, one start
// sample per column. first is a multiple of startsPerFlush.
void trackSlidingBins(const double* re, long n, long wideN, long lo, long hi, long first,
                      long end)
{
    SlidingRings r;
    const long stages = stageCount(wideN);
    // Start early enough that every sub-transform a window needs is ready.
    for (long s = first + 1 - wideN / 2; s < end; ++s) {
        for (long p = 1; p < stages; ++p) {
            const long q = s + (wideN >> p) - 1;
            if (q < 0)
                continue;
            if (p == 1)
                firstSlidingStage(r, re, n, wideN, q);
            else
                laterSlidingStage(r, wideN, p, q);
        }
        if (s < first)
            continue;
        lastSlidingStage(r, wideN, stages, lo, hi, s);
        if ((s & (startsPerFlush - 1)) == startsPerFlush - 1 || s == end - 1)
            flushTrajectoryPoints(r, n, lo, hi, s);
    }
}

// Rows lo..hi of column i, added in that order from 0.
double columnSum(long n, long lo, long hi, long i)
{
    double sum = 0.0;
    for (long k = lo; k <= hi; ++k)
        sum += trajectoryRow(k, n)[i];
    return sum;
}

// Work arrays of one thread for a trajectory's transform.
struct Scratch {
    double* re;
    double* im;
};

Scratch scratchOfThread(int thread)
{
    static std::vector<std::unique_ptr<double[]>> scratch(poolThreads());
    if (!scratch[thread])
        scratch[thread].reset(new double[2 * restoreMaxSize]);
    return {scratch[thread].get(), scratch[thread].get() + restoreMaxSize};
}

// The power spectrum of the windowed trajectory of bin k, which takes the
// trajectory's place in its row. The last one's transform stays in re and
// im, and its power in tmpPow as well.
void trajectoryPower(long k, long n, double* re, double* im, bool last)
{
    double* row = trajectoryRow(k, n);
    transformReal(row, windowCache, re, im, n);
    const double scale = 1.0 / n;
    if (!last) {
        for (long i = 0; i < n; ++i) {
            const double a = re[i] * scale;
            const double b = im[i] * scale;
            row[i] = a * a + b * b;
        }
        return;
    }
    for (long i = 0; i < n; ++i) {
        re[i] *= scale;
        im[i] *= scale;
        tmpPow[i] = re[i] * re[i] + im[i] * im[i];
        row[i] = tmpPow[i];
    }
}

// Work of the calling thread's own while the pool transforms the
// trajectories.
struct Meanwhile {
    void (*work)(void*) = nullptr;
    void* context = nullptr;
    void operator()() const
    {
        if (work)
            work(context);
    }
};

// The restoration from the windowed spectrum's power and phase (and the
// largest power of its bins 1 .. n/2 - 1): gain, inverse transform, the
// sliding transform and the summed power spectra of the trajectories.
class Restoration {
public:
    Restoration(long n, long wideN, long hi, long lo, double* re, double* im, double* sumPow,
                double* sumTraj)
        : m_pieces(piecesOf(n)), m_n(n), m_wideN(wideN), m_hi(hi), m_lo(lo), m_re(re),
          m_im(im), m_sumPow(sumPow), m_sumTraj(sumTraj)
    {
        prepareWideTables(wideN);
    }

    void run(const double* power, const double* phase, double largest, double noise,
             Meanwhile meanwhile)
    {
        gainAndInverseTransform(power, phase, largest * noise);
        if (m_lo > m_hi) {
            for (long i = 0; i < m_n; ++i)
                m_sumPow[i] = m_sumTraj[i] = 0.0;
            meanwhile();
            return;
        }
        slide();
        trajectorySpectra(meanwhile);
        sumSpectra();
    }

private:
    void gainAndInverseTransform(const double* power, const double* phase, double level)
    {
        const Pieces& p = m_pieces;
        const long tiles = tilePieces(m_n);
        auto load = [&](long piece, int) {
            loadGain(power, phase, level, m_re, m_im, m_n, piece, tiles);
        };
        runInPool(tiles, load);
        auto blocks = [&](long b, int) { stagesInBlock(m_re, m_im, p, b, 1, 1); };
        runInPool(p.blocks, blocks);
        auto columns = [&](long piece, int) { stagesOnColumns(m_re, m_im, p, piece, 1); };
        if (p.blocks > 1)
            runInPool(p.columnPieces, columns);
    }

    // Each task's starts, and then the trajectories' sum over them.
    void slide()
    {
        const long starts = m_n < startsPerTask ? m_n : startsPerTask;
        auto task = [&](long t, int) {
            const long first = t * starts;
            trackSlidingBins(m_re, m_n, m_wideN, m_lo, m_hi, first, first + starts);
            for (long i = first; i < first + starts; ++i)
                m_sumTraj[i] = columnSum(m_n, m_lo, m_hi, i);
        };
        runInPool(m_n / starts, task);
    }

    void trajectorySpectra(Meanwhile meanwhile)
    {
        const long rows = m_hi - m_lo + 1;
        auto task = [&](long t, int thread) {
            if (t < rows - 1) {
                const Scratch scratch = scratchOfThread(thread);
                trajectoryPower(m_lo + t, m_n, scratch.re, scratch.im, false);
            } else {
                trajectoryPower(m_hi, m_n, m_re, m_im, true);
            }
        };
        runInPoolBeside(
            rows, [](void* context, long t, int thread) {
                (*static_cast<decltype(task)*>(context))(t, thread);
            },
            &task, meanwhile.work, meanwhile.context);
    }

    void sumSpectra()
    {
        const long pieces = m_n / m_pieces.block;
        auto task = [&](long piece, int) {
            const long end = (piece + 1) * m_pieces.block;
            for (long i = piece * m_pieces.block; i < end; ++i)
                m_sumPow[i] = columnSum(m_n, m_lo, m_hi, i);
        };
        runInPool(pieces, task);
    }

    const Pieces m_pieces;
    const long m_n, m_wideN, m_hi, m_lo;
    double* const m_re;
    double* const m_im;
    double* const m_sumPow;
    double* const m_sumTraj;
};

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
    powerDecibels(power, dB, n);
}

void calc_dB(double* power, double* powerDB, double* spare,
             double* restored, double* restoredDB, long n)
{
    if (!power || !powerDB || !spare || !restored || !restoredDB || n < 1)
        return;
    restoredDecibels(restored, restoredDB, n, powerDecibels(power, powerDB, n));
}

void restoreWithWidebandPhase(const double* x, double* re, double* im, long n,
                              long wideN, long hi, long lo, double* sumPow,
                              long* half, double* sumTraj, double noise)
{
    if (!acceptRestoration(x, re, im, n, wideN, hi, lo, sumPow, sumTraj))
        return;
    if (half)
        *half = n / 2;
    prepareMainTables(n);
    RealSpectrum windowed = {x, windowCache, re, im, tmpPow, tmpPhs, nullptr, 0.0};
    realSpectra(&windowed, 1, n);
    Restoration(n, wideN, hi, lo, re, im, sumPow, sumTraj)
        .run(tmpPow, tmpPhs, windowed.largest, noise, Meanwhile());
}

void analyseStretch(const StretchArrays& a, bool withPlain, void (*meanwhile)(void*),
                    void* context)
{
    const long n = a.n;
    const long half = n / 2;
    prepareMainTables(n);
    // Beside the plain spectrum, which leaves its transform, power and phase
    // in the pass's arrays, the windowed one and the restoration work in
    // arrays of their own.
    double* re = withPlain ? restorationRe : a.re;
    double* im = withPlain ? restorationIm : a.im;
    RealSpectrum spectra[] = {
        {a.stretch, windowCache, re, im, withPlain ? tmpPow : a.power,
         withPlain ? tmpPhs : a.phase, a.windowedPower, 0.0},
        {a.stretch, nullptr, a.re, a.im, a.power, a.phase, a.plainPower, 0.0},
    };
    realSpectra(spectra, withPlain ? 2 : 1, n);

    // The windowed spectrum in dB as calc_dB makes it, the plain one as
    // su_calc_dB does.
    const bool decibels = a.windowedDB && a.spare && a.restoredLog && a.restoredDB;
    Decibels toDecibels[2];
    long count = 0;
    if (decibels)
        toDecibels[count++] = {a.windowedPower, a.windowedDB, divisorOf(spectra[0].largest), true};
    if (withPlain && a.plainPower && a.plainDB)
        toDecibels[count++] = {a.plainPower, a.plainDB, divisorOf(spectra[1].largest), true};
    decibelsSideBySide(toDecibels, count, half);

    const Meanwhile drawing = {meanwhile, context};
    if (acceptRestoration(a.stretch, re, im, n, a.wideN, a.hi, a.lo, a.restored, a.trajectory))
        Restoration(n, a.wideN, a.hi, a.lo, re, im, a.restored, a.trajectory)
            .run(spectra[0].power, spectra[0].phase, spectra[0].largest, a.noise, drawing);
    else
        drawing();

    a.restored[0] = 0.0;
    std::memcpy(a.restoredLog, a.restored, sizeof(double) * half);
    if (decibels)
        restoredDecibels(a.restoredLog, a.restoredDB, half, divisorOf(spectra[0].largest));
}
