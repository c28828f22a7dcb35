// Times the analysis the program runs for one stretch: windowed spectrum,
// restoration, both decibel conversions and the plain spectrum, at three
// transform sizes on a fixed synthetic signal. Prints the median of several
// runs (after one first run, which also builds the tables kept for that size)
// and checksums that tools/bench_numpy.py prints too.
#include "fftPlus.h"
#include "workPool.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// The program's restoration settings.
const long wideN = 64;
const long highestBin = 31;
const long lowestBin = 1;
const double noiseLevel = 0.01;

// Three tones and a little deterministic noise, rounded to 16-bit samples.
std::vector<double> syntheticSignal(long n)
{
    std::vector<double> v(n);
    uint32_t state = 12345;
    for (long i = 0; i < n; ++i) {
        state = state * 1664525u + 1013904223u;
        const double noise = (static_cast<double>(state >> 8) / 16777216.0 - 0.5) * 2000.0;
        const double t = static_cast<double>(i) / 44100.0;
        const double tone = 8000.0 * std::sin(2.0 * 3.141592653589793 * 440.0 * t)
                          + 4000.0 * std::sin(2.0 * 3.141592653589793 * 1250.0 * t)
                          + 2000.0 * std::sin(2.0 * 3.141592653589793 * 5000.0 * t);
        v[i] = std::floor(tone + noise + 0.5);
    }
    return v;
}

struct Arrays {
    explicit Arrays(long n)
        : selRe(n), selIm(n), power(n), phase(n), power_liner(n), power_db(n),
          power_io_db(n), restore(n), wbphase(n), restore_log(n), restore_db(n),
          su_power_liner(n), su_power_db(n) {}
    std::vector<double> selRe, selIm, power, phase, power_liner, power_db,
        power_io_db, restore, wbphase, restore_log, restore_db,
        su_power_liner, su_power_db;
};

// The program's analysis of a stretch: windowed, restored and plain spectra.
void analyse(const std::vector<double>& seliii, Arrays& a)
{
    const StretchArrays arrays = {
        seliii.data(),         static_cast<long>(seliii.size()),
        a.selRe.data(),        a.selIm.data(),
        a.power.data(),        a.phase.data(),
        a.power_liner.data(),  a.power_db.data(),
        a.power_io_db.data(),  a.restore.data(),
        a.wbphase.data(),      a.restore_log.data(),
        a.restore_db.data(),   a.su_power_liner.data(),
        a.su_power_db.data(),  wideN,
        highestBin,            lowestBin,
        noiseLevel};
    analyseStretch(arrays, true);
}

double millisecondsOf(const std::vector<double>& seliii, Arrays& a)
{
    const auto start = std::chrono::steady_clock::now();
    analyse(seliii, a);
    const auto stop = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(stop - start).count();
}

double sumOf(const std::vector<double>& v, long count)
{
    double s = 0.0;
    for (long i = 0; i < count; ++i)
        s += v[i];
    return s;
}

void benchSize(const std::vector<double>& signal, long n, int runs)
{
    const std::vector<double> seliii(signal.begin(), signal.begin() + n);
    Arrays a(n);
    const double first = millisecondsOf(seliii, a);
    std::vector<double> ms;
    for (int r = 0; r < runs; ++r)
        ms.push_back(millisecondsOf(seliii, a));
    std::sort(ms.begin(), ms.end());
    const long h = n / 2;
    std::printf("n=%-6ld median %9.3f ms  (runs %d, min %.3f, max %.3f; first run %.3f)\n",
                n, ms[ms.size() / 2], runs, ms.front(), ms.back(), first);
    std::printf("         checksums power_db %.6f restore_db %.6f su_power_db %.6f\n",
                sumOf(a.power_db, h), sumOf(a.restore_db, h), sumOf(a.su_power_db, h));
    std::fflush(stdout);
}

} // namespace

int main()
{
    std::printf("threads: %d\n", poolThreads());
    const std::vector<double> signal = syntheticSignal(32768);
    benchSize(signal, 1024, 21);
    benchSize(signal, 8192, 11);
    benchSize(signal, 32768, 11);
    return 0;
}
