// Waveform, spectrum and scale drawing into the areas' off-screen devices.
#include "cmnDraw.h"

#include "analysisState.h"
#include "appWidgets.h"

#include "_TQCbase.h"
#include "_TQDmwindowDev.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// An area's size and margins, read at the start of every drawing.
struct Plot {
    TQDmwindowDev* dev;
    long w;
    long h;
    long mx;
    long my;
    // The plot box's width and height inside the margins.
    long width() const { return w - 2 * mx; }
    long height() const { return h - 2 * my; }
};

Plot plotOf(TQCbase* area, TQDmwindowDev* dev)
{
    Plot plot;
    plot.dev = dev;
    plot.w = area->getProperty("width").getUnsignedShort();
    plot.h = area->getProperty("height").getUnsignedShort();
    plot.mx = 3 * plot.w / 100;
    plot.my = 3 * plot.h / 100;
    return plot;
}

// Device coordinates are 16-bit and truncated toward zero. A coordinate that
// is not a number (a zero range, an infinite sample) cannot be drawn; one
// far off the canvas is held at the 16-bit limits.
bool deviceCoordinate(double v, short* out)
{
    if (!std::isfinite(v))
        return false;
    if (v < -32768.0)
        v = -32768.0;
    if (v > 32767.0)
        v = 32767.0;
    *out = static_cast<short>(v);
    return true;
}

// One beginDraw .. endDraw over the whole image.
class Drawing {
public:
    explicit Drawing(const Plot& plot)
        : m_dev(plot.dev),
          m_open(plot.dev->beginDraw(0, 0, static_cast<unsigned short>(plot.w),
                                     static_cast<unsigned short>(plot.h), 1, 1) == 0)
    {
    }
    ~Drawing()
    {
        if (m_open)
            m_dev->endDraw();
    }
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    bool open() const { return m_open; }
    // A segment with a coordinate that cannot be drawn is left out.
    void line(double x1, double y1, double x2, double y2)
    {
        short a, b, c, d;
        if (m_open && deviceCoordinate(x1, &a) && deviceCoordinate(y1, &b) &&
            deviceCoordinate(x2, &c) && deviceCoordinate(y2, &d))
            m_dev->drawLine(a, b, c, d);
    }

private:
    TQDmwindowDev* m_dev;
    bool m_open;
};

// Every pixel white, through the RGB buffer.
void clearCanvas(const Plot& plot)
{
    if (plot.dev->initBuffer() != 0)
        return;
    for (long x = 0; x < plot.w; ++x)
        for (long y = 0; y < plot.h; ++y)
            plot.dev->setBufferRGB(static_cast<unsigned short>(x), static_cast<unsigned short>(y),
                                   255, 255, 255);
    plot.dev->putBufferToPixmap();
}

void drawVerticalAxis(Drawing& drawing, const Plot& plot)
{
    drawing.line(plot.mx, plot.h - plot.my, plot.mx, plot.my);
}

// Ticks of length length down from y at every multiple of step from first
// while f < end, mapped by x = (f - origin) * width / span + mx. Consecutive
// ticks that land on the same column are drawn once.
void drawTicks(Drawing& drawing, const Plot& plot, long long first, long long end, long step,
               long long origin, long long span, long y, long length)
{
    long long lastX = -1;
    for (long long f = first; f < end; f += step) {
        const long long x = (f - origin) * plot.width() / span + plot.mx;
        if (x == lastX)
            continue;
        drawing.line(static_cast<double>(x), y, static_cast<double>(x), y + length);
        lastX = x;
    }
}

// Samples per pixel of n samples over the plot width: the grouping count
// and the real ratio. False when the plot has no width.
bool samplesPerPixel(const Plot& plot, long n, long* group, double* dx)
{
    if (plot.width() <= 0 || n < 2)
        return false;
    *group = n / plot.width();
    *dx = static_cast<double>(n) / plot.width();
    return true;
}

// A vertical scale that maps a range onto the plot height; false for a
// range of zero (or one that is not a number), which draws no curve.
template <typename Real>
bool verticalScale(Real range, long height, Real* dy)
{
    *dy = range / static_cast<Real>(height);
    return std::isfinite(*dy) && *dy != 0;
}

// A polyline through every sample while group <= 3; above, one vertical
// line from the smallest to the largest sample of each group of group
// samples, at the group's middle. The group still open at the end is not
// drawn, and the last sample is not read in that mode.
template <typename Real, typename T, typename YMap>
void drawCurve(Drawing& drawing, const T* v, long n, long group, Real dx, long mx, YMap y)
{
    if (group <= 3) {
        for (long i = 0; i + 1 < n; ++i)
            drawing.line(static_cast<Real>(i) / dx + mx, y(v[i]),
                         static_cast<Real>(i + 1) / dx + mx, y(v[i + 1]));
        return;
    }
    // Group by group: a group is drawn once the next one starts before the
    // last sample.
    for (long start = 0; start + 1 < n; start += group) {
        const long end = std::min(start + group, n - 1);
        T lo = v[start];
        T hi = v[start];
        for (long i = start + 1; i < end; ++i) {
            lo = v[i] < lo ? v[i] : lo;
            hi = v[i] > hi ? v[i] : hi;
        }
        if (start + group + 1 < n) {
            const Real x = static_cast<Real>(start + group - group / 2) / dx + mx;
            drawing.line(x, y(lo), x, y(hi));
        }
    }
}

// Between min (one row below the canvas) and max (at 2 my).
template <typename T>
void drawWaveBetween(TQCbase* area, TQDmwindowDev* dev, const T* v, long n, double max,
                     double min, bool grouped)
{
    const Plot plot = plotOf(area, dev);
    long group = 0;
    double dx = 0, dy = 0;
    if (!samplesPerPixel(plot, n, &group, &dx) || !verticalScale(max - min, plot.height(), &dy))
        return;
    Drawing drawing(plot);
    const double h = plot.h;
    drawCurve(drawing, v, n, grouped ? group : 0, dx, plot.mx,
              [=](double a) { return h - a / dy + min / dy; });
}

// Symmetric about the middle: -amp .. amp, in the precision Real.
template <typename Real, typename T>
void drawWaveSymmetric(TQCbase* area, TQDmwindowDev* dev, const T* v, long n, Real amp)
{
    const Plot plot = plotOf(area, dev);
    long group = 0;
    double dx = 0;
    Real dy = 0;
    if (!samplesPerPixel(plot, n, &group, &dx) || !verticalScale(2 * amp, plot.height(), &dy))
        return;
    Drawing drawing(plot);
    const Real middle = static_cast<Real>(plot.h) * static_cast<Real>(0.5);
    drawCurve(drawing, v, n, 0, static_cast<Real>(dx), plot.mx,
              [=](Real a) { return middle - a / dy; });
}

template <typename T>
double largestFromMinusOne(const T* v, long n)
{
    double m = -1.0;
    for (long i = 0; i < n; ++i)
        if (v[i] > m)
            m = v[i];
    return m;
}

template <typename T>
double smallestFromFirst(const T* v, long n)
{
    if (n <= 0)
        return -1.0;
    double m = v[0];
    for (long i = 1; i < n; ++i)
        if (v[i] < m)
            m = v[i];
    return m;
}

// The whole channel's picture before its position lines, kept for the next
// drawing of the same channel on the same device at the same size and
// scale: drawing it reads every sample of the channel, which takes longer
// than a slider move may.
class ChannelPicture {
public:
    // Puts the kept picture into dev; false when there is none for these.
    bool restore(TQDmwindowDev* dev, const double* v, long n, double max, double min)
    {
        if (!m_rgb || !(key(dev, v, n, max, min) == m_key) || dev->initBuffer() != 0)
            return false;
        dev->setBuffer(m_rgb.get());
        dev->putBufferToPixmap();
        return true;
    }
    void keep(TQDmwindowDev* dev, const double* v, long n, double max, double min)
    {
        m_rgb.reset();
        if (v != siii || dev->initBuffer() != 0)
            return;
        m_rgb.reset(dev->getBuffer());
        m_key = key(dev, v, n, max, min);
    }

private:
    struct Key {
        TQDmwindowDev* dev;
        const double* v;
        long n;
        long serial;
        unsigned short w, h;
        double max, min;
        bool operator==(const Key& o) const
        {
            return dev == o.dev && v == o.v && n == o.n && serial == o.serial && w == o.w &&
                   h == o.h && max == o.max && min == o.min;
        }
    };
    static Key key(TQDmwindowDev* dev, const double* v, long n, double max, double min)
    {
        Key k = {dev, v, n, channelSerial(), 0, 0, max, min};
        dev->getGeometry(&k.w, &k.h);
        return k;
    }

    Key m_key = {};
    std::unique_ptr<unsigned char[]> m_rgb;
};

ChannelPicture g_channelPicture;

// Finds the area, draws into dev (or into a device of its own for this
// call) when it is a drawing area, and runs its expose procedures.
template <typename Draw>
void displayOn(TQCstring& className, TQCstring& instanceName, TQDmwindowDev* dev, Draw draw)
{
    TQCbase* area = findWidget(className.getString(-2), instanceName.getString(-2));
    if (area == nullptr)
        return;
    std::unique_ptr<TQDmwindowDev> temporary;
    if (castWidget(area, "TQCvdrawingArea") != nullptr) {
        if (dev == nullptr) {
            temporary.reset(newAreaDevice(area));
            dev = temporary.get();
        }
        if (dev != nullptr)
            draw(area, dev);
    }
    area->execProcedure(9);
}

} // namespace

double findMax(double* v, long n)
{
    return largestFromMinusOne(v, n);
}

double findMin(double* v, long n)
{
    return smallestFromFirst(v, n);
}

double findMax(short* v, long n)
{
    return largestFromMinusOne(v, n);
}

double findMin(short* v, long n)
{
    return smallestFromFirst(v, n);
}

TQDmwindowDev* newAreaDevice(TQCbase* area)
{
    TQDmwindowDev* dev = TQDmwindowDev::getNewInstance();
    if (dev != nullptr)
        dev->createPixmap(area->getProperty("width").getUnsignedShort(),
                          area->getProperty("height").getUnsignedShort());
    return dev;
}

void drawScale(TQCbase* area, TQDmwindowDev* dev)
{
    const Plot plot = plotOf(area, dev);
    clearCanvas(plot);
    Drawing drawing(plot);
    drawVerticalAxis(drawing, plot);
}

void drawScaleMinus(TQCbase* area, TQDmwindowDev* dev, long rate, long minX, long maxX)
{
    const Plot plot = plotOf(area, dev);
    clearCanvas(plot);
    Drawing drawing(plot);
    drawVerticalAxis(drawing, plot);
    drawing.line(plot.w - plot.mx, plot.my, plot.mx, plot.my);
    // A range of no width has no place for a tick.
    if (rate <= 0 || maxX <= minX)
        return;
    const long long firstInRange = minX <= 1000 ? 1000 : (minX + 999LL) / 1000 * 1000;
    const long long end = std::min<long long>(rate / 2, maxX + 1LL);
    drawTicks(drawing, plot, firstInRange, end, 1000, minX, static_cast<long long>(maxX) - minX,
              plot.my, plot.my / 2);
}

void drawScalePlus(TQCbase* area, TQDmwindowDev* dev, long rate)
{
    const Plot plot = plotOf(area, dev);
    clearCanvas(plot);
    Drawing drawing(plot);
    drawVerticalAxis(drawing, plot);
    const long bottom = plot.h - plot.my;
    drawing.line(plot.w - plot.mx, bottom, plot.mx, bottom);
    const long half = rate / 2;
    if (rate <= 0 || half <= 0)
        return;
    drawTicks(drawing, plot, 1000, half, 1000, 0, half, bottom, plot.my / 2);
    drawTicks(drawing, plot, 5000, half, 5000, 0, half, bottom, 2 * plot.my / 3);
}

void drawScalePos(TQCbase* area, TQDmwindowDev* dev, long n, long pos)
{
    const Plot plot = plotOf(area, dev);
    // Single precision, as the position lines have always been placed.
    const float samplesPerPixel = static_cast<float>(n) / static_cast<float>(plot.width());
    const float x = static_cast<float>(plot.mx) + static_cast<float>(pos) / samplesPerPixel;
    Drawing drawing(plot);
    drawing.line(x, plot.h - plot.my, x, plot.my);
}

void drawWave(TQCbase* area, TQDmwindowDev* dev, double* v, long n, double max, double min)
{
    drawWaveBetween(area, dev, v, n, max, min, true);
}

void drawWave(TQCbase* area, TQDmwindowDev* dev, short* v, long n, short max, short min)
{
    drawWaveBetween(area, dev, v, n, max, min, false);
}

void drawWave(TQCbase* area, TQDmwindowDev* dev, double* v, long n, double amp)
{
    drawWaveSymmetric<double>(area, dev, v, n, amp);
}

void drawWave(TQCbase* area, TQDmwindowDev* dev, short* v, long n, short amp)
{
    drawWaveSymmetric<float>(area, dev, v, n, amp);
}

void drawWavePlus(TQCbase* area, TQDmwindowDev* dev, double* v, long n, double max)
{
    const Plot plot = plotOf(area, dev);
    long group = 0;
    double dx = 0, dy = 0;
    if (!samplesPerPixel(plot, n, &group, &dx) || !verticalScale(max, plot.height(), &dy))
        return;
    Drawing drawing(plot);
    const double bottom = plot.h - plot.my;
    drawCurve(drawing, v, n, group, dx, plot.mx, [=](double a) { return bottom - a / dy; });
}

void draw_dB(TQCbase* area, TQDmwindowDev* dev, double* v, long n, long start, long end,
             double minY, double maxY)
{
    const Plot plot = plotOf(area, dev);
    start = start < 0 ? 0 : start;
    end = end > n ? n : end;
    double dy = 0;
    if (end - start <= 1 || plot.width() <= 0 || !verticalScale(maxY - minY, plot.height(), &dy))
        return;
    const double dx = static_cast<double>(end - start) / plot.width();
    Drawing drawing(plot);
    const double h = plot.h;
    for (long i = start; i + 1 < end; ++i)
        drawing.line((i - start) / dx + plot.mx, h - (v[i] - minY) / dy,
                     (i + 1 - start) / dx + plot.mx, h - (v[i + 1] - minY) / dy);
}

void display_wave(double* v, long n, TQCstring className, TQCstring instanceName,
                  TQDmwindowDev* dev, double max, double min)
{
    if (v == nullptr)
        return;
    displayOn(className, instanceName, dev, [=](TQCbase* area, TQDmwindowDev* target) {
        drawScale(area, target);
        drawWave(area, target, v, n, max, min);
    });
}

void display_wave_posline(double* v, long n, TQCstring className, TQCstring instanceName,
                          TQDmwindowDev* dev, double max, double min, long pos, long size)
{
    if (v == nullptr)
        return;
    displayOn(className, instanceName, dev, [=](TQCbase* area, TQDmwindowDev* target) {
        if (!g_channelPicture.restore(target, v, n, max, min)) {
            drawScale(area, target);
            drawWave(area, target, v, n, max, min);
            g_channelPicture.keep(target, v, n, max, min);
        }
        drawScalePos(area, target, n, pos);
        drawScalePos(area, target, n, pos + size - 1);
    });
}

void display_db(double* v, long n, TQCstring className, TQCstring instanceName,
                TQDmwindowDev* dev, long rate, long minX, long maxX, long minY, long maxY,
                long startBin, long endBin)
{
    if (v == nullptr)
        return;
    displayOn(className, instanceName, dev, [=](TQCbase* area, TQDmwindowDev* target) {
        drawScaleMinus(area, target, rate, minX, maxX);
        draw_dB(area, target, v, n, startBin, endBin, minY, maxY);
    });
}
