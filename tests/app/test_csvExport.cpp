// The CSV export of a voice-like recording analysed at position 1234 with
// 256 points: the file names, and rows checked against a transform computed
// here.
#include "csvExport.h"

#include <gtest/gtest.h>

#include "AppTesting.h"
#include "FileBytes.h"
#include "GuiTestApp.h"
#include "TempDir.h"
#include "WaveBytes.h"
#include "analysisPass.h"
#include "appWidgets.h"
#include "readWave.h"

#include <cmath>
#include <complex>
#include <cstdio>
#include <filesystem>

namespace {

const double kPi = 3.141592653589793;

// A 130 Hz voice with a little vibrato, its harmonics shaped by two
// formants, at 44100 Hz.
std::vector<int16_t> voice()
{
    std::vector<int16_t> v(4410);
    double phase = 0;
    for (size_t i = 0; i < v.size(); ++i) {
        phase += 2 * kPi * (130 + 4 * std::sin(2 * kPi * 5 * i / 44100.0)) / 44100;
        double s = 0;
        for (int k = 1; k <= 20; ++k) {
            const double f = 130.0 * k;
            const double formants = std::exp(-std::pow((f - 700) / 250, 2)) +
                                    0.6 * std::exp(-std::pow((f - 1200) / 300, 2)) + 0.02;
            s += formants * std::sin(k * phase);
        }
        v[i] = static_cast<int16_t>(std::lround(6000 * s));
    }
    return v;
}

class CsvExport : public ::testing::Test {
protected:
    static void SetUpTestSuite() { startGuiApp(); }
    void SetUp() override
    {
        resetApplicationState();
        writeFileBytes(dir.file("voice.wav"), waveFile(1, 44100, samples));
        nameFull = dir.file("voice.wav").c_str();
        ASSERT_EQ(0, loadWave());
        nameDir = dir.path().c_str();
        nameFile = "voice.wav";
        selsize = 256;
        selpos = 1234;
        scanFloat("0.00001", &paraNoise);
        ASSERT_EQ(0, allocateStretch("can not alloc"));
        copyStretch(selpos);
        ASSERT_EQ(0, initArrayInWave());
        analysisPass();
    }
    void TearDown() override { resetApplicationState(); }

    // The rows of a file as x and y, each ended by CR LF.
    std::vector<std::pair<double, double>> rows(const std::string& name)
    {
        const std::string text = readFileBytes(dir.file(name));
        std::vector<std::pair<double, double>> out;
        for (size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2) {
            double x = 0, y = 0;
            EXPECT_EQ(2, std::sscanf(text.c_str() + at, "%lf,%lf", &x, &y));
            out.push_back({x, y});
        }
        EXPECT_EQ(std::string("\r\n"), text.substr(text.size() - 2));
        return out;
    }
    size_t files() const
    {
        return std::distance(std::filesystem::directory_iterator(dir.path()), {});
    }

    const std::vector<int16_t> samples = voice();
    TempDir dir;
};

} // namespace

TEST_F(CsvExport, FourFilesBesideTheRecording)
{
    writeAnalysisCsv();
    const auto wave = rows("voiceoff001234size00256ObsWav.csv");
    ASSERT_EQ(256u, wave.size());
    EXPECT_EQ(0.000023, wave[1].first);
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(samples[1234 + i], wave[i].second) << i;

    const auto restored = rows("voiceoff001234size00256ResPowPara0.000010000000Wav0.010.csv");
    ASSERT_EQ(256u, restored.size());
    EXPECT_EQ(0.0, restored[255].second) << "zeros, not the heap's leftovers";

    // The Hamming-windowed power of the stretch in dB of its loudest bin.
    std::vector<double> power(128);
    for (int k = 1; k < 128; ++k) {
        std::complex<double> sum;
        for (int j = 0; j < 256; ++j)
            sum += samples[1234 + j] * (0.54 - 0.46 * std::cos(2 * kPi * j / 255)) *
                   std::polar(1.0, -2 * kPi * j * k / 256);
        power[k] = std::norm(sum / 256.0);
    }
    const double loudest = *std::max_element(power.begin(), power.end());
    const auto spectrum = rows("voiceoff001234size00256ObsPow.csv");
    ASSERT_EQ(128u, spectrum.size());
    EXPECT_EQ(172.265625, spectrum[1].first);
    for (int k = 1; k < 128; ++k)
        EXPECT_NEAR(20 * std::log10(power[k] / loudest), spectrum[k].second, 2e-6) << k;

    const auto restoredPower = rows("voiceoff001234size00256ResPowPara0.000010000000.csv");
    ASSERT_EQ(128u, restoredPower.size());
    EXPECT_EQ(4u, files() - 1) << "and the recording";
}

TEST_F(CsvExport, StemKeepsInnerDotsAndStaleArraysAreNotWritten)
{
    nameFile = "a.b.wav";
    writeAnalysisCsv();
    EXPECT_TRUE(fileExists(dir.file("a.boff001234size00256ObsPow.csv")));
    nameFile = "plain";
    writeAnalysisCsv();
    EXPECT_TRUE(fileExists(dir.file("plainoff001234size00256ObsPow.csv")));
    const size_t written = files();

    // A new size was read but the arrays still hold the old one.
    freeStretch();
    selsize = 512;
    nameFile = "stale.wav";
    writeAnalysisCsv();
    nameFile = "";
    selsize = 256;
    writeAnalysisCsv();
    EXPECT_EQ(written, files()) << "nothing for stale arrays or before a file is loaded";
}
