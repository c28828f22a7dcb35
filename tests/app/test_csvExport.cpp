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

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <complex>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

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

namespace {

// FNV-1a, enough to tell two files apart.
unsigned long long digestOf(const std::string& bytes)
{
    unsigned long long h = 14695981039346656037ull;
    for (unsigned char c : bytes)
        h = (h ^ c) * 1099511628211ull;
    return h;
}

// A recording with a bit of everything: tones that glide, harmonics, noise
// from a fixed seed, a stretch of digital silence and a clipped burst.
std::vector<int16_t> mixture(long count, long rate, double f0, uint32_t seed)
{
    std::vector<int16_t> v(count);
    double phase = 0;
    for (long i = 0; i < count; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const double t = static_cast<double>(i) / rate;
        phase += 2 * kPi * f0 * (1 + 0.3 * t) / rate;
        double s = 5000 * std::sin(phase) + 2500 * std::sin(3 * phase + 0.4) +
                   900 * std::sin(2 * kPi * 3100 * t) + (static_cast<int>(seed >> 20) - 2048);
        if (i % 9000 >= 6000 && i % 9000 < 6400)
            s = 0;
        if (i % 9000 >= 7000 && i % 9000 < 7300)
            s *= 9;
        v[i] = static_cast<int16_t>(std::max(-32768.0, std::min(32767.0, std::round(s))));
    }
    return v;
}

// Two channels of which the reader takes the left one.
std::vector<int16_t> interleaved(const std::vector<int16_t>& left)
{
    std::vector<int16_t> both;
    for (size_t i = 0; i < left.size(); ++i) {
        both.push_back(left[i]);
        both.push_back(static_cast<int16_t>(-left[left.size() - 1 - i] / 2));
    }
    return both;
}

// The files "out csv" writes for a stretch, as name, size and digest.
std::string exportedFiles(const TempDir& dir)
{
    writeAnalysisCsv();
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        if (entry.path().extension() == ".csv")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string out;
    for (const std::string& name : names) {
        const std::string bytes = readFileBytes(dir.file(name));
        char line[64];
        std::snprintf(line, sizeof line, " %zu %016llx\n", bytes.size(), digestOf(bytes));
        out += name + line;
        std::filesystem::remove(dir.file(name));
    }
    return out;
}

} // namespace

// The rows of every file stay byte for byte those of a fixed set of
// stretches: mono and stereo, 64 to 32768 points, at the start, inside and
// at the end, over silence, at several noise levels, and a new noise level
// after the pass.
TEST(CsvExportRows, StayByteForByteForAFixedSetOfStretches)
{
    struct Stretch {
        const char* file;
        long size, position;
        const char* noise;
        const char* newNoise;
    };
    const Stretch stretches[] = {
        {"mono.wav", 64, 0, "0.00001", nullptr},
        {"mono.wav", 64, 6100, "0", nullptr},
        {"mono.wav", 256, 1234, "0", nullptr},
        {"mono.wav", 1024, 20000, "0.01", "0.5"},
        {"mono.wav", 4096, 35904, "0.00001", nullptr},
        {"mono.wav", 32768, 3000, "0.001", nullptr},
        {"stereo.wav", 128, 7, "0.00001", nullptr},
        {"stereo.wav", 2048, 10000, "1", nullptr},
        {"stereo.wav", 8192, 27000, "0", nullptr},
        {"stereo.wav", 16384, 19616, "0.1", nullptr},
        {"stereo.wav", 32768, 0, "0.00001", "0"},
    };
    startGuiApp();
    RecordedMessages messages;
    TempDir dir;
    writeFileBytes(dir.file("mono.wav"), waveFile(1, 22050, mixture(40000, 22050, 180, 7)));
    writeFileBytes(dir.file("stereo.wav"),
                   waveFile(2, 44100, interleaved(mixture(36000, 44100, 95, 11))));
    std::string files;
    for (const Stretch& s : stretches) {
        resetApplicationState();
        nameFull = dir.file(s.file).c_str();
        ASSERT_EQ(0, loadWave());
        nameDir = dir.path().c_str();
        nameFile = s.file;
        selsize = s.size;
        selpos = s.position;
        scanFloat(s.noise, &paraNoise);
        ASSERT_EQ(0, allocateStretch("can not alloc"));
        copyStretch(selpos);
        ASSERT_EQ(0, initArrayInWave());
        analysisPass();
        files += exportedFiles(dir);
        if (s.newNoise != nullptr) {
            scanFloat(s.newNoise, &paraNoise);
            windowedAndRestoredSpectra();
            files += exportedFiles(dir);
        }
    }
    resetApplicationState();
    const char* const expected =
        "monooff000000size00064ObsPow.csv 762 4c0127b4636afb89\n"
        "monooff000000size00064ObsWav.csv 1406 0a988475210f0310\n"
        "monooff000000size00064ResPowPara0.000010000000.csv 767 2c6c42400fa7c275\n"
        "monooff000000size00064ResPowPara0.000010000000Wav0.010.csv 1216 8e8d7897dda6b762\n"
        "monooff006100size00064ObsPow.csv 701 a6b075df0c786cf1\n"
        "monooff006100size00064ObsWav.csv 1216 8e8d7897dda6b762\n"
        "monooff006100size00064ResPowPara0.000000000000.csv 701 a6b075df0c786cf1\n"
        "monooff006100size00064ResPowPara0.000000000000Wav0.010.csv 1216 8e8d7897dda6b762\n"
        "monooff001234size00256ObsPow.csv 3070 5733c98446d5da63\n"
        "monooff001234size00256ObsWav.csv 5730 94392c4d6c62f722\n"
        "monooff001234size00256ResPowPara0.000000000000.csv 3081 1fd5f60c302f777c\n"
        "monooff001234size00256ResPowPara0.000000000000Wav0.010.csv 4864 54598db86b99dfdc\n"
        "monooff020000size01024ObsPow.csv 12292 f2b4ad37b337723b\n"
        "monooff020000size01024ObsWav.csv 22942 8b224261bab38cac\n"
        "monooff020000size01024ResPowPara0.009999999776.csv 12782 3ad71a18e26fa427\n"
        "monooff020000size01024ResPowPara0.009999999776Wav0.010.csv 19456 aaebc49785ed024b\n"
        "monooff020000size01024ObsPow.csv 12292 f2b4ad37b337723b\n"
        "monooff020000size01024ObsWav.csv 22942 8b224261bab38cac\n"
        "monooff020000size01024ResPowPara0.500000000000.csv 12787 741052f98c9c9c80\n"
        "monooff020000size01024ResPowPara0.500000000000Wav0.010.csv 19456 aaebc49785ed024b\n"
        "monooff035904size04096ObsPow.csv 49320 5c592f4ed6dd189d\n"
        "monooff035904size04096ObsWav.csv 91807 ce15474f446446ce\n"
        "monooff035904size04096ResPowPara0.000010000000.csv 49401 4611d23afef7ec02\n"
        "monooff035904size04096ResPowPara0.000010000000Wav0.010.csv 77824 59b0e2fbb68dd3a4\n"
        "monooff003000size32768ObsPow.csv 394059 522a4ef78a289ff4\n"
        "monooff003000size32768ObsWav.csv 730137 1395723cfd52ec9c\n"
        "monooff003000size32768ResPowPara0.001000000047.csv 402942 39028b79fba088ce\n"
        "monooff003000size32768ResPowPara0.001000000047Wav0.010.csv 622592 15c4f82e3fde07b8\n"
        "stereooff000007size00128ObsPow.csv 1563 3bb0d01d97ed3e5d\n"
        "stereooff000007size00128ObsWav.csv 2808 30630abf5fba758a\n"
        "stereooff000007size00128ResPowPara0.000010000000.csv 1564 ad4dfeab6fe4e26e\n"
        "stereooff000007size00128ResPowPara0.000010000000Wav0.010.csv 2432 fc76a7c123cd3528\n"
        "stereooff010000size02048ObsPow.csv 25138 423f1c22deb72a57\n"
        "stereooff010000size02048ObsWav.csv 45949 9a4377fb769d4b63\n"
        "stereooff010000size02048ResPowPara1.000000000000.csv 26099 a879ea96f96ad742\n"
        "stereooff010000size02048ResPowPara1.000000000000Wav0.010.csv 38912 dfcbc14bebf67b76\n"
        "stereooff027000size08192ObsPow.csv 101031 8110c862d4a83be3\n"
        "stereooff027000size08192ObsWav.csv 182637 58ebb718b99bf9b8\n"
        "stereooff027000size08192ResPowPara0.000000000000.csv 100912 f21e718af44949ec\n"
        "stereooff027000size08192ResPowPara0.000000000000Wav0.010.csv 155648 e18396863e3db3f1\n"
        "stereooff019616size16384ObsPow.csv 202264 f5392f02fed68899\n"
        "stereooff019616size16384ObsWav.csv 365108 a126345f20f7b202\n"
        "stereooff019616size16384ResPowPara0.100000001490.csv 208851 48efc9cca3d38846\n"
        "stereooff019616size16384ResPowPara0.100000001490Wav0.010.csv 311296 319cf6a6818a1eec\n"
        "stereooff000000size32768ObsPow.csv 403371 50cfb6994dd5182e\n"
        "stereooff000000size32768ObsWav.csv 731088 719345180655273a\n"
        "stereooff000000size32768ResPowPara0.000010000000.csv 402881 362a9f67c539fa31\n"
        "stereooff000000size32768ResPowPara0.000010000000Wav0.010.csv 622592 ef12adc83f78f8b1\n"
        "stereooff000000size32768ObsPow.csv 403371 50cfb6994dd5182e\n"
        "stereooff000000size32768ObsWav.csv 731088 719345180655273a\n"
        "stereooff000000size32768ResPowPara0.000000000000.csv 401867 61221022f50b4229\n"
        "stereooff000000size32768ResPowPara0.000000000000Wav0.010.csv 622592 ef12adc83f78f8b1\n";
    EXPECT_EQ(expected, files);
    EXPECT_EQ(1u, RecordedMessages::list().size()) << "the silent stretch is too flat";
}
