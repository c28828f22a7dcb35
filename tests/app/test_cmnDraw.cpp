// Waveform, spectrum and scale drawing, read back pixel by pixel from real
// off-screen devices.
#include "cmnDraw.h"

#include <gtest/gtest.h>

#include "GuiTestApp.h"
#include "SampleWidgets.h"
#include "_TQDmwindowDev.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

typedef std::set<std::pair<int, int>> Pixels;

class Drawing : public ::testing::Test {
protected:
    static void SetUpTestSuite() { startGuiApp(); }
    void SetUp() override { area.initialize(); }

    TQDmwindowDev* canvas(unsigned short w, unsigned short h)
    {
        area.width = w;
        area.height = h;
        dev.reset(newAreaDevice(&area));
        return dev.get();
    }
    // Every pixel that is not white.
    Pixels dark()
    {
        Pixels found;
        unsigned short w = 0, h = 0;
        dev->getGeometry(&w, &h);
        dev->initBuffer();
        for (int x = 0; x < w; ++x)
            for (int y = 0; y < h; ++y) {
                unsigned char r = 0, g = 0, b = 0;
                dev->getBufferRGB(x, y, &r, &g, &b);
                if (r != 255 || g != 255 || b != 255)
                    found.insert({x, y});
            }
        return found;
    }
    static Pixels inRow(const Pixels& pixels, int y)
    {
        Pixels row;
        for (const auto& p : pixels)
            if (p.second == y)
                row.insert(p);
        return row;
    }
    static Pixels column(int x, int fromY, int toY)
    {
        Pixels line;
        for (int y = fromY; y <= toY; ++y)
            line.insert({x, y});
        return line;
    }
    // Ticks of a 330 x 330 spectrum (margins 9) for f = 1000 .. last Hz.
    static Pixels tickRow(long minX, long maxX, long last)
    {
        Pixels row = {{9, 11}};
        for (long f = 1000; f <= last; f += 1000)
            row.insert({static_cast<int>((f - minX) * 312 / (maxX - minX) + 9), 11});
        return row;
    }

    SampleWidget area{nullptr, "area"};
    std::unique_ptr<TQDmwindowDev> dev;
};

} // namespace

TEST_F(Drawing, AnEmptyPlotIsAWhiteCanvasWithItsAxisAtTheLeftMargin)
{
    drawScale(&area, canvas(824, 100));
    EXPECT_EQ(column(24, 4, 97), dark()) << "mx 24, my 3";
    drawScale(&area, canvas(330, 330));
    EXPECT_EQ(column(9, 10, 321), dark()) << "mx 9, my 9";
}

TEST_F(Drawing, SpectrumScaleHasATickEvery1000HzOfTheRange)
{
    drawScaleMinus(&area, canvas(330, 330), 44100, 0, 22050);
    const Pixels pixels = dark();
    EXPECT_EQ(tickRow(0, 22050, 22000), inRow(pixels, 11));
    EXPECT_TRUE(pixels.count({23, 12}) && !pixels.count({23, 13})) << "1000 Hz, 4 pixels long";
    EXPECT_TRUE(pixels.count({320, 12}) && !pixels.count({320, 13})) << "22000 Hz";
    EXPECT_EQ(312u, inRow(pixels, 9).size()) << "the top axis";

    drawScaleMinus(&area, dev.get(), 44100, 5000, 5000);
    EXPECT_EQ(Pixels({{9, 11}}), inRow(dark(), 11)) << "a range of no width has no ticks";
    // Half this rate is past the last multiple of 1000 below 65536.
    drawScaleMinus(&area, dev.get(), 131000, 0, 65500);
    EXPECT_EQ(tickRow(0, 65500, 65000), inRow(dark(), 11));
}

TEST_F(Drawing, WaveIsAPolylineBelowFourSamplesAPixelAndMinMaxLinesFromFour)
{
    // 312 pixels inside the margins; a peak in the last samples.
    std::vector<double> v(936, 0.0);
    v[934] = 1;
    drawScale(&area, canvas(330, 330));
    drawWave(&area, dev.get(), v.data(), 936, 1, -1);
    Pixels peak;
    for (const auto& p : dark())
        if (p.first > 9 && p.second < 100)
            peak.insert(p);
    EXPECT_FALSE(peak.empty()) << "three samples a pixel: every sample drawn";

    v.assign(1248, 0.0);
    v[600] = 1;
    v[1246] = 1;
    drawScale(&area, dev.get());
    drawWave(&area, dev.get(), v.data(), 1248, 1, -1);
    const Pixels pixels = dark();
    Pixels expected = column(9, 10, 321);
    // The group 600..603 at (604 - 2) / 4 + 9; min 0 at y 174, max 1 at 18.
    const Pixels group = column(159, 19, 174);
    expected.insert(group.begin(), group.end());
    EXPECT_EQ(expected, pixels) << "flat groups are points; the last group is not drawn";
}

TEST_F(Drawing, AFlatRangeOrAnUndrawableValueLeavesTheAxes)
{
    std::vector<double> v(100, 5.0);
    drawScale(&area, canvas(330, 330));
    drawWave(&area, dev.get(), v.data(), 100, 5, 5);
    EXPECT_EQ(column(9, 10, 321), dark()) << "a constant signal";
    double low[] = {-3, -7, -2};
    EXPECT_TRUE(findMax(low, 3) == -1.0 && findMin(low, 3) == -7.0) << "the range from -1";

    drawScaleMinus(&area, dev.get(), 44100, 0, 22050);
    const Pixels scale = dark();
    draw_dB(&area, dev.get(), v.data(), 100, 0, 100, -10, -10);
    EXPECT_EQ(scale, dark()) << "no dB range";
    draw_dB(&area, dev.get(), v.data(), 1, -5, 1, -100, 0);
    EXPECT_EQ(scale, dark()) << "a single bin";

    v.assign(100, -50.0);
    v[40] = std::numeric_limits<double>::quiet_NaN();
    v[60] = std::numeric_limits<double>::infinity();
    draw_dB(&area, dev.get(), v.data(), 100, 0, 100, -100, 0);
    const Pixels curve = dark();
    EXPECT_TRUE(curve.count({20, 174}) && curve.count({300, 174}))
        << "the drawable segments at -50 dB";
}

namespace {

// A segment the way a curve's segments were always drawn: one line each,
// truncated to device coordinates, left out when a coordinate is not a
// number.
void referenceLine(TQDmwindowDev* dev, double x1, double y1, double x2, double y2)
{
    auto device = [](double v, short* out) {
        if (!std::isfinite(v))
            return false;
        *out = static_cast<short>(std::max(-32768.0, std::min(32767.0, v)));
        return true;
    };
    short a, b, c, d;
    if (device(x1, &a) && device(y1, &b) && device(x2, &c) && device(y2, &d))
        dev->drawLine(a, b, c, d);
}

std::vector<double> spiky(long n, unsigned seed, double low, double high)
{
    std::vector<double> v(n);
    for (long i = 0; i < n; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const double r = (seed >> 8) / 16777216.0;
        v[i] = i % 97 == 5 ? high * 40 : i % 89 == 7 ? low * 40 : low + (high - low) * r * r;
    }
    return v;
}

} // namespace

TEST_F(Drawing, CurvesHaveThePixelsOfTheirSegmentsDrawnOneByOne)
{
    struct Spectrum {
        long n, start, end;
        double minY, maxY;
    };
    const Spectrum spectra[] = {
        {16384, 0, 16384, -100, 0}, {16384, 300, 9000, -60, -20}, {32, 0, 32, -100, 0},
        {700, 0, 700, -100, 0},     {1000, 2, 999, -50, 10},
    };
    std::unique_ptr<TQDmwindowDev> reference(newAreaDevice(&area));
    for (const Spectrum& s : spectra) {
        SCOPED_TRACE("n " + std::to_string(s.n) + " from " + std::to_string(s.start));
        std::vector<double> v = spiky(s.n, static_cast<unsigned>(s.n + s.start), -90, 0);
        v[s.n / 3] = std::numeric_limits<double>::quiet_NaN();
        // Up and back down within the last pixel column.
        v[s.end - 3] = -20;
        v[s.end - 2] = -70;
        v[s.end - 1] = -60;
        drawScaleMinus(&area, canvas(330, 330), 44100, 0, 22050);
        draw_dB(&area, dev.get(), v.data(), s.n, s.start, s.end, s.minY, s.maxY);
        const Pixels drawn = dark();

        drawScaleMinus(&area, dev.get(), 44100, 0, 22050);
        const double dx = static_cast<double>(s.end - s.start) / 312;
        const double dy = (s.maxY - s.minY) / 312;
        dev->beginDraw(0, 0, 330, 330, 1, 1);
        for (long i = s.start; i + 1 < s.end; ++i)
            referenceLine(dev.get(), (i - s.start) / dx + 9, 330 - (v[i] - s.minY) / dy,
                          (i + 1 - s.start) / dx + 9, 330 - (v[i + 1] - s.minY) / dy);
        dev->endDraw();
        EXPECT_EQ(dark(), drawn);
    }

    // A stretch of many samples a pixel as min-max lines, and of few as a
    // polyline, on the 825 x 100 area (margins 24 and 3).
    for (long n : {32768L, 2000L, 900L}) {
        SCOPED_TRACE("wave of " + std::to_string(n));
        const std::vector<double> v = spiky(n, static_cast<unsigned>(n), -9000, 9000);
        drawScale(&area, canvas(825, 100));
        drawWave(&area, dev.get(), const_cast<double*>(v.data()), n, 9000, -9000);
        const Pixels drawn = dark();

        drawScale(&area, dev.get());
        const long group = n / 777;
        const double dx = static_cast<double>(n) / 777;
        const double dy = 18000.0 / 94;
        auto y = [&](double a) { return 100 - a / dy + -9000 / dy; };
        dev->beginDraw(0, 0, 825, 100, 1, 1);
        if (group <= 3) {
            for (long i = 0; i + 1 < n; ++i)
                referenceLine(dev.get(), i / dx + 24, y(v[i]), (i + 1) / dx + 24, y(v[i + 1]));
        } else {
            for (long start = 0; start + group + 1 < n; start += group) {
                const auto first = v.begin() + start;
                const auto last = v.begin() + std::min(start + group, n - 1);
                const double x = (start + group - group / 2) / dx + 24;
                referenceLine(dev.get(), x, y(*std::min_element(first, last)), x,
                              y(*std::max_element(first, last)));
            }
        }
        dev->endDraw();
        EXPECT_EQ(dark(), drawn);
    }
}
