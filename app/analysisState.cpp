// The application's globals, the analysis arrays, "para.ini" and the shared
// small computations.
#include "analysisState.h"

#include "analysisMessage.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>

double* siii = nullptr;
short* siii_int = nullptr;
long maxsize = 0;
long sampleFreq = 44100;
long qt = 16;
long selsize = 0;
long selpos = 0;
long effectmaxsize = 0;
long slidersize = 10000;
double ratio_max_slider = 0;
int SliderChangedByBtn = 0;

long widesize = 64;
long wideHsize = 31;
long wideLsize = 1;
float paraNoise = 0;
float ratio4accept = 0.01f;

long rangeMinX = 0;
long rangeMaxX = 0;
double rangeMinY = 0;
double rangeMaxY = 0;

TQCstring nameFull;
TQCstring nameDir;
TQCstring nameFile;
TQCstring winStartX;
TQCstring winStartY;

double* seliii = nullptr;
double* selRe = nullptr;
double* selIm = nullptr;
double* power = nullptr;
double* phase = nullptr;
double* restore = nullptr;
double* wbphase = nullptr;
double* seliiiR = nullptr;
double* power_liner = nullptr;
double* power_db = nullptr;
double* power_io_db = nullptr;
double* restore_log = nullptr;
double* restore_db = nullptr;
double* su_power_liner = nullptr;
double* su_power_db = nullptr;
long analysisSize = 0;

int AnalysisRun::s_depth = 0;

namespace {

long g_channelSerial = 0;

} // namespace

long channelSerial()
{
    return g_channelSerial;
}

void channelReplaced()
{
    ++g_channelSerial;
}

namespace {

// The reallocation order.
double** const analysisArrays[] = {
    &selRe,       &selIm,       &power,      &power_liner,    &power_db,
    &power_io_db, &restore_log, &restore_db, &su_power_liner, &su_power_db,
    &phase,       &restore,     &wbphase,    &seliiiR,
};
void freeArray(double** array)
{
    delete[] *array;
    *array = nullptr;
}

// Levels beyond this many dB mean nothing on a plot and would not survive the
// conversions to whole numbers that the display makes.
const double levelLimit = 1e6;

double saneLevel(double level)
{
    if (std::isnan(level))
        return 0;
    return level < -levelLimit ? -levelLimit : level > levelLimit ? levelLimit : level;
}

// A length the new-expression would refuse by throwing is no array either.
template <typename T>
T* newArray(long n, bool zeroed)
{
    if (n < 0 || static_cast<unsigned long long>(n) > PTRDIFF_MAX / sizeof(T))
        return nullptr;
    return zeroed ? new (std::nothrow) T[n]() : new (std::nothrow) T[n];
}

long reallocateAnalysisArrays()
{
    for (double** array : analysisArrays)
        freeArray(array);
    analysisSize = 0;
    for (double** array : analysisArrays) {
        // Zero-filled: the restored-stretch array is never computed, and its
        // CSV file must not carry whatever the heap held.
        *array = newSampleArray(selsize, true);
        if (*array == nullptr) {
            freeAnalysisArrays();
            showMessageAtWinStart("can not alloc");
            return -1;
        }
    }
    analysisSize = selsize;
    return 0;
}

} // namespace

long initArrayInWave()
{
    return reallocateAnalysisArrays();
}

long initArrayInCombo1()
{
    return reallocateAnalysisArrays();
}

long allocateStretch(const char* failureMessage)
{
    freeStretch();
    seliii = newSampleArray(selsize);
    if (seliii == nullptr) {
        freeAnalysisArrays();
        showMessageAtWinStart(failureMessage);
        return -1;
    }
    return 0;
}

double* newSampleArray(long n, bool zeroed)
{
    return newArray<double>(n, zeroed);
}

short* newWordArray(long n)
{
    return newArray<short>(n, false);
}

void freeStretch()
{
    freeArray(&seliii);
}

void freeAnalysisArrays()
{
    freeStretch();
    for (double** array : analysisArrays)
        freeArray(array);
    analysisSize = 0;
}

void copyStretch(long from)
{
    std::memcpy(seliii, siii + from, sizeof(double) * selsize);
}

bool isTransformSize(long n)
{
    return n >= 64 && n <= 32768 && (n & (n - 1)) == 0;
}

void readDisplayRanges(const char* path)
{
    if (FILE* file = std::fopen(path, "r")) {
        std::fscanf(file, "%ld %ld %lf %lf", &rangeMinX, &rangeMaxX, &rangeMinY, &rangeMaxY);
        std::fclose(file);
    }
    const long f = sampleFreq / 2;
    if (rangeMinX < 0)
        rangeMinX = 0;
    if (rangeMinX > f)
        rangeMinX = 0;
    if (rangeMaxX < 0)
        rangeMaxX = f;
    if (rangeMaxX > f)
        rangeMaxX = f;
    if (rangeMaxX < rangeMinX)
        rangeMinX = 0;
    rangeMinY = saneLevel(rangeMinY);
    rangeMaxY = saneLevel(rangeMaxY);
    if (rangeMaxY > 0)
        rangeMinY = 0;
    if (rangeMinY > rangeMaxY)
        rangeMinY = rangeMinY - 200;
}

long sliderToSelpos(long value)
{
    // Limited as a real number: the product need not fit a long.
    const double position = value * ratio_max_slider;
    if (!(position > 0))
        return 0;
    if (position >= effectmaxsize)
        return effectmaxsize;
    return static_cast<long>(position);
}

TQCstring samplesAndSeconds(long samples)
{
    char text[64];
    std::snprintf(text, sizeof text, "%ld - %0.03lf[s]", samples,
                  static_cast<double>(samples) / sampleFreq);
    return TQCstring(text, -2);
}

void showMessageAtWinStart(const char* message)
{
    reportAnalysisMessageAt(message, winStartX.getString(-2), winStartY.getString(-2));
}
