// Transform, spectra, decibels and restoration of the analysis code.
#include "fftPlus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

const double pi = 3.141592653589793;

std::vector<double> randomValues(long n, unsigned seed, double scale = 1.0)
{
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> dist(-scale, scale);
    std::vector<double> v(n);
    for (double& e : v)
        e = dist(gen);
    return v;
}

// Direct sum, forward scaled by 1/n, inverse unscaled.
void plainDft(const std::vector<double>& re, const std::vector<double>& im, bool inverse,
              std::vector<double>& outRe, std::vector<double>& outIm)
{
    const long n = static_cast<long>(re.size());
    const double sign = inverse ? 1.0 : -1.0;
    outRe.assign(n, 0.0);
    outIm.assign(n, 0.0);
    for (long k = 0; k < n; ++k) {
        for (long j = 0; j < n; ++j) {
            const double a = sign * 2.0 * pi * static_cast<double>((j * k) % n) / n;
            outRe[k] += re[j] * std::cos(a) - im[j] * std::sin(a);
            outIm[k] += re[j] * std::sin(a) + im[j] * std::cos(a);
        }
        if (!inverse) {
            outRe[k] /= n;
            outIm[k] /= n;
        }
    }
}

TEST(Fft, ForwardThenInverseRestoresInput)
{
    for (int n : {4, 8, 1024, 32768}) {
        const std::vector<double> re0 = randomValues(n, 1, 30000.0), im0 = randomValues(n, 2, 30000.0);
        std::vector<double> re(re0), im(im0);
        ASSERT_EQ(0, fft(re.data(), im.data(), n, 0));
        ASSERT_EQ(0, fft(re.data(), im.data(), n, 1));
        for (int i = 0; i < n; ++i) {
            ASSERT_NEAR(re0[i], re[i], 1e-8) << "n " << n << " element " << i;
            ASSERT_NEAR(im0[i], im[i], 1e-8) << "n " << n << " element " << i;
        }
    }
}

TEST(Fft, AgreesWithPlainDftForwardScaledAndInverseUnscaled)
{
    for (int n : {4, 8, 16, 32, 64, 128}) {
        for (int inverse : {0, 1}) {
            const std::vector<double> re0 = randomValues(n, 3 + n), im0 = randomValues(n, 4 + n);
            std::vector<double> wantRe, wantIm;
            plainDft(re0, im0, inverse != 0, wantRe, wantIm);
            std::vector<double> re(re0), im(im0);
            ASSERT_EQ(0, fft(re.data(), im.data(), n, inverse));
            for (int k = 0; k < n; ++k) {
                EXPECT_NEAR(wantRe[k], re[k], 1e-12) << "n " << n << " inverse " << inverse << " bin " << k;
                EXPECT_NEAR(wantIm[k], im[k], 1e-12) << "n " << n << " inverse " << inverse << " bin " << k;
            }
        }
    }
}

TEST(Fft, RefusesSizesThatAreNotPowersOfTwoOfAtLeastFour)
{
    std::vector<double> re = randomValues(128, 5), im = randomValues(128, 6);
    const std::vector<double> re0(re), im0(im);
    for (int n : {-8, 0, 1, 2, 3, 6, 100, 96}) {
        EXPECT_EQ(-1, fft(re.data(), im.data(), n, 0)) << "n " << n;
        EXPECT_EQ(re0, re);
        EXPECT_EQ(im0, im);
    }
}

TEST(Fft, TablesHoldSinesAndTheBitReversal)
{
    std::vector<double> sintbl(1024 + 256);
    make_sintbl(1024, sintbl.data());
    for (int m = 0; m < 1024 + 256; ++m)
        ASSERT_NEAR(std::sin(2.0 * pi * m / 1024), sintbl[m], 1e-14) << "entry " << m;
    std::vector<int> bitrev(8);
    make_bitrev(8, bitrev.data());
    EXPECT_EQ((std::vector<int>{0, 4, 2, 6, 1, 5, 3, 7}), bitrev);
}

TEST(PowAndPhs, PhaseCoversTheAxesAndTheBranchCut)
{
    std::vector<double> re{0.0, -1.0, 1e-9, -1.0, 0.0, -1.0, 3.0};
    std::vector<double> im{1.0, -0.000001, 0.0, 0.0, -1.0, 0.000001, 4.0};
    std::vector<double> power(7), phase(7);
    long half = 0;
    PowAndPhs(re.data(), im.data(), power.data(), phase.data(), 7, &half);
    EXPECT_EQ(3, half);
    EXPECT_DOUBLE_EQ(pi / 2, phase[0]);
    EXPECT_GT(phase[1], -pi);
    EXPECT_LT(phase[1], -pi + 1e-5);
    EXPECT_EQ(1e-18, power[2]);
    EXPECT_EQ(0.0, phase[2]);
    EXPECT_DOUBLE_EQ(pi, phase[3]);
    EXPECT_DOUBLE_EQ(-pi / 2, phase[4]);
    EXPECT_LT(phase[5], pi);
    EXPECT_GT(phase[5], pi - 1e-5);
    EXPECT_EQ(25.0, power[6]);
    EXPECT_DOUBLE_EQ(std::atan2(4.0, 3.0), phase[6]);
}

TEST(WindowFunction, HammingEndsAreEightHundredthsAndOtherTypesLeaveDataAlone)
{
    std::vector<double> v(64, 1.0);
    WindowFunction(v.data(), 64, windowHamming);
    EXPECT_DOUBLE_EQ(0.08, v[0]);
    EXPECT_DOUBLE_EQ(0.08, v[63]);
    EXPECT_DOUBLE_EQ(v[10], v[53]);

    std::vector<double> hann(64, 1.0), blackman(64, 1.0);
    WindowFunction(hann.data(), 64, windowHann);
    WindowFunction(blackman.data(), 64, windowBlackman);
    EXPECT_EQ(0.0, hann[0]);
    EXPECT_NEAR(0.0, blackman[63], 1e-15);
    EXPECT_NEAR(0.5 - 0.5 * std::cos(2 * pi * 20 / 63), hann[20], 1e-15);

    const std::vector<double> data = randomValues(64, 7);
    for (int type : {0, 4, -1}) {
        std::vector<double> w(data);
        WindowFunction(w.data(), 64, type);
        EXPECT_EQ(data, w) << "type " << type;
    }
    // A single point would divide by n - 1 = 0.
    double one = 2.5;
    WindowFunction(&one, 1, windowHamming);
    EXPECT_EQ(2.5, one);
}

TEST(Decibels, PlainSpectrumDropsDcNormalisesAndFloorsAtSmallestLevel)
{
    std::vector<double> p{5, 4, 2, 0}, dB(4);
    su_calc_dB(p.data(), dB.data(), 4);
    EXPECT_EQ((std::vector<double>{0, 1, 0.5, 0}), p);
    const double floorDB = 20 * std::log10(0.5);
    EXPECT_NEAR(-6.0206, floorDB, 1e-4);
    EXPECT_EQ((std::vector<double>{floorDB, 0.0, floorDB, floorDB}), dB);

    std::vector<double> zeros(8, 0.0), zeroDB(8, 99.0);
    su_calc_dB(zeros.data(), zeroDB.data(), 8);
    EXPECT_EQ(std::vector<double>(8, 0.0), zeroDB);

    std::vector<double> untouched{5, 4};
    su_calc_dB(untouched.data(), nullptr, 2);
    EXPECT_EQ((std::vector<double>{5, 4}), untouched);
}

TEST(Decibels, RestoredSpectrumTakesThePowerSpectrumsDynamicRange)
{
    std::vector<double> p{9, 4, 1, 2}, pDB(4), spare(4), r{0, 2, 1, 0.5}, rDB(4);
    testing::internal::CaptureStderr();
    calc_dB(p.data(), pDB.data(), spare.data(), r.data(), rDB.data(), 4);
    EXPECT_EQ("", testing::internal::GetCapturedStderr());
    // Largest restored value maps onto the power maximum 4: r -> 4^(r/2).
    EXPECT_DOUBLE_EQ(0.25, r[0]);
    EXPECT_DOUBLE_EQ(1.0, r[1]);
    EXPECT_DOUBLE_EQ(0.5, r[2]);
    EXPECT_DOUBLE_EQ(std::sqrt(2.0) / 4, r[3]);
    EXPECT_DOUBLE_EQ(20 * std::log10(0.25), rDB[0]);
    EXPECT_DOUBLE_EQ(0.0, rDB[1]);
    EXPECT_DOUBLE_EQ(20 * std::log10(0.25), pDB[0]);
    EXPECT_DOUBLE_EQ(20 * std::log10(0.5), pDB[3]);
}

TEST(Decibels, FlatRestoredSpectrumIsReportedOnceAndGoesOn)
{
    std::vector<double> p{3, 2, 1, 0}, pDB(4), spare(4), r(4, 0.0), rDB(4, 99.0);
    testing::internal::CaptureStderr();
    calc_dB(p.data(), pDB.data(), spare.data(), r.data(), rDB.data(), 4);
    EXPECT_EQ("signal too flat, could't calculate dB\n", testing::internal::GetCapturedStderr());
    EXPECT_EQ(std::vector<double>(4, 1.0), r);
    EXPECT_EQ(std::vector<double>(4, 0.0), rDB);

    std::vector<double> r2(4, 0.0);
    calc_dB(p.data(), pDB.data(), nullptr, r2.data(), rDB.data(), 4);
    EXPECT_EQ(std::vector<double>(4, 0.0), r2);
}

// ---------------------------------------------------------------------------
// The restoration against the same steps made one public call at a time.

struct Restored {
    std::vector<double> re, im, sumPow, sumTraj;
    long half = -1;
};

double referenceGain(double power, double level)
{
    const double denominator = level + power;
    if (!(denominator > 0))
        return 0.0;
    const double ratio = power / denominator;
    return std::isfinite(ratio) ? std::sqrt(ratio) : 0.0;
}

Restored restoreStepByStep(const std::vector<double>& x, long wideN, long hi, long lo, double noise)
{
    const long n = static_cast<long>(x.size());
    Restored out;
    out.half = n / 2;
    out.sumPow.assign(n, 0.0);
    out.sumTraj.assign(n, 0.0);
    std::vector<double> re(x), im(n, 0.0), pow(n), phs(n);
    WindowFunction(re.data(), n, windowHamming);
    fft(re.data(), im.data(), n, 0);
    long h = 0;
    PowAndPhs(re.data(), im.data(), pow.data(), phs.data(), n, &h);
    double m = 0.0;
    for (long i = 1; i < h; ++i)
        m = std::max(m, pow[i]);
    for (long i = 0; i < n; ++i) {
        const double g = referenceGain(pow[i], m * noise);
        re[i] = g * std::cos(phs[i]);
        im[i] = g * std::sin(phs[i]);
    }
    fft(re.data(), im.data(), n, 1);

    std::vector<double> traj(wideN * n), letRe(wideN), letIm(wideN);
    for (long s = 0; s < n; ++s) {
        for (long j = 0; j < wideN; ++j) {
            letRe[j] = re[std::min(s + j, n - 1)];
            letIm[j] = 0.0;
        }
        fft(letRe.data(), letIm.data(), wideN, 0);
        for (long k = 0; k < wideN; ++k)
            traj[k * n + s] = letIm[k];
    }
    for (long k = lo; k <= hi; ++k) {
        for (long i = 0; i < n; ++i) {
            re[i] = traj[k * n + i];
            im[i] = 0.0;
            out.sumTraj[i] += traj[k * n + i];
        }
        WindowFunction(re.data(), n, windowHamming);
        fft(re.data(), im.data(), n, 0);
        PowAndPhs(re.data(), im.data(), pow.data(), phs.data(), n, &h);
        for (long i = 0; i < n; ++i)
            out.sumPow[i] += pow[i];
    }
    out.re = re;
    out.im = im;
    return out;
}

Restored restore(const std::vector<double>& x, long wideN, long hi, long lo, double noise)
{
    const long n = static_cast<long>(x.size());
    Restored out;
    out.re.assign(n, 0.0);
    out.im.assign(n, 0.0);
    out.sumPow.assign(n, -7.0);
    out.sumTraj.assign(n, -7.0);
    restoreWithWidebandPhase(x.data(), out.re.data(), out.im.data(), n, wideN, hi, lo,
                             out.sumPow.data(), &out.half, out.sumTraj.data(), noise);
    return out;
}

void expectAllFinite(const std::vector<double>& v, const char* what)
{
    for (size_t i = 0; i < v.size(); ++i)
        ASSERT_TRUE(std::isfinite(v[i])) << what << " element " << i;
}

struct RestoreCase {
    long n, wideN, hi, lo;
    double noise;
};

TEST(Restoration, EqualsTheStepsMadeOneCallAtATime)
{
    const RestoreCase cases[] = {
        {256, 64, 31, 1, 0.01},  // the program's settings
        {256, 64, 31, 1, 0.0},   // unit gain for every bin with power
        {16, 64, 20, 3, 0.5},    // windows longer than the signal
        {4, 4, 3, 0, 2.0},       // fewer starts than one group of windows
        {1024, 16, 2, 5, 0.1},   // empty bin range
        {32768, 64, 31, 1, 0.01}, // the largest size, every work array in use
    };
    for (const RestoreCase& c : cases) {
        SCOPED_TRACE("n " + std::to_string(c.n) + " wideN " + std::to_string(c.wideN));
        std::vector<double> x = randomValues(c.n, 11 + c.n, 20000.0);
        for (double& v : x)
            v = std::round(v);
        const std::vector<double> x0(x);
        const Restored want = restoreStepByStep(x, c.wideN, c.hi, c.lo, c.noise);
        const Restored got = restore(x, c.wideN, c.hi, c.lo, c.noise);
        EXPECT_EQ(x0, x);
        EXPECT_EQ(want.half, got.half);
        EXPECT_EQ(want.sumPow, got.sumPow);
        EXPECT_EQ(want.sumTraj, got.sumTraj);
        EXPECT_EQ(want.re, got.re);
        EXPECT_EQ(want.im, got.im);
        expectAllFinite(got.sumPow, "sumPow");
    }
}

TEST(Restoration, BinsWithNothingToDivideByGetNoGain)
{
    // Silence at noise 0 would give 0/0 in every bin.
    const Restored silent = restore(std::vector<double>(256, 0.0), 64, 31, 1, 0.0);
    EXPECT_EQ(std::vector<double>(256, 0.0), silent.sumPow);
    EXPECT_EQ(std::vector<double>(256, 0.0), silent.sumTraj);

    // A negative noise level makes some denominators negative.
    const Restored negative = restore(randomValues(256, 31, 1000.0), 64, 31, 1, -0.5);
    expectAllFinite(negative.sumPow, "sumPow");
    expectAllFinite(negative.sumTraj, "sumTraj");
    expectAllFinite(negative.re, "re");
    expectAllFinite(negative.im, "im");

    const Restored nanNoise = restore(randomValues(256, 32, 1000.0), 64, 31, 1, std::nan(""));
    expectAllFinite(nanNoise.sumPow, "sumPow");
}

TEST(Restoration, RefusesArgumentsBeyondItsWorkArrays)
{
    const RestoreCase refused[] = {
        {100, 64, 31, 1, 0.01},    // not a power of two
        {65536, 64, 31, 1, 0.01},  // larger than the work arrays
        {2, 64, 31, 1, 0.01},
        {256, 128, 31, 1, 0.01},   // sliding transform too wide
        {256, 48, 31, 1, 0.01},
        {256, 64, 64, 1, 0.01},    // bin past the sliding transform
        {256, 64, 31, -1, 0.01},
    };
    for (const RestoreCase& c : refused) {
        SCOPED_TRACE("n " + std::to_string(c.n) + " wideN " + std::to_string(c.wideN) +
                     " hi " + std::to_string(c.hi) + " lo " + std::to_string(c.lo));
        const Restored got = restore(std::vector<double>(c.n, 1.0), c.wideN, c.hi, c.lo, c.noise);
        EXPECT_EQ(-1, got.half);
        EXPECT_EQ(std::vector<double>(c.n, -7.0), got.sumPow);
        EXPECT_EQ(std::vector<double>(c.n, 0.0), got.re);
    }
}

} // namespace
