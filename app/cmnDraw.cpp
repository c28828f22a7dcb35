// Waveform, spectrum and scale drawing into the areas' off-screen devices.
#include "cmnDraw.h"

#include "analysisState.h"
#include "appWidgets.h"
#include "workPool.h"

#include "_TQCbase.h"
#include "_TQDmwindowDev.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

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
    // A polyline, in one pen.
    void lines(std::vector<TQCpoint>& points)
    {
        if (m_open && points.size() > 1)
            m_dev->drawLines(points.data(), static_cast<long>(points.size()));
    }
    // Rectangles filled in the colour of the lines, in one brush.
    void fill(std::vector<TQCrect>& rects)
    {
        if (m_open && !rects.empty())
            m_dev->drawFillRects(rects.data(), static_cast<long>(rects.size()));
    }

private:
    TQDmwindowDev* m_dev;
    bool m_open;
};

// Every pixel white, through the RGB buffer; false when there is no buffer.
bool clearCanvas(const Plot& plot)
{
    if (plot.dev->initBuffer() != 0)
        return false;
    for (long x = 0; x < plot.w; ++x)
        for (long y = 0; y < plot.h; ++y)
            plot.dev->setBufferRGB(static_cast<unsigned short>(x), static_cast<unsigned short>(y),
                                   255, 255, 255);
    plot.dev->putBufferToPixmap();
    return true;
}

// The pixels of a line are those from its first point towards its last,
// which it leaves out, and a line of no length has none. So a run of
// segments inside one pixel column covers the rows between its lowest and
// highest point, less its last point when nothing else reaches that; and a
// segment that leaves the column draws that last point anyway. A run is
// therefore drawn as a line to its one extreme and on to the other (rows
// past the canvas left out) before the segment that leaves it: the pixels
// of every segment, in a fraction of the lines.
class ColumnRuns {
public:
    ColumnRuns(Drawing& drawing, const Plot& plot) : m_drawing(drawing), m_height(plot.h) {}
    ~ColumnRuns() { breakCurve(); }
    ColumnRuns(const ColumnRuns&) = delete;
    ColumnRuns& operator=(const ColumnRuns&) = delete;

    // The next point of the curve; one that cannot be drawn breaks it, as
    // the segments on both sides of it are left out.
    void to(double x, double y)
    {
        TQCpoint p;
        short px, py;
        if (!deviceCoordinate(x, &px) || !deviceCoordinate(y, &py)) {
            breakCurve();
            return;
        }
        p.x = px;
        p.y = py;
        if (m_points.empty()) {
            m_points.push_back(p);
            startRun(p);
        } else if (p.x == m_x) {
            along(p.y);
        } else {
            endRun(true);
            m_points.push_back(p);
            startRun(p);
        }
    }

    void breakCurve()
    {
        if (m_points.empty())
            return;
        endRun(false);
        m_drawing.lines(m_points);
        m_points.clear();
    }

private:
    void startRun(const TQCpoint& p)
    {
        m_x = p.x;
        m_last = m_low = m_high = p.y;
        m_covered = false;
    }

    // A segment down or up the column from the run's last point.
    void along(long y)
    {
        if (y == m_last)
            return;
        if (y > m_last)
            coverRows(m_last, y - 1);
        else
            coverRows(y + 1, m_last);
        m_last = y;
        m_low = std::min(m_low, y);
        m_high = std::max(m_high, y);
    }

    void coverRows(long first, long last)
    {
        m_coveredLow = m_covered ? std::min(m_coveredLow, first) : first;
        m_coveredHigh = m_covered ? std::max(m_coveredHigh, last) : last;
        m_covered = true;
    }

    // Rows of the canvas and one beyond each side.
    long inCanvas(long y) const { return y < -1 ? -1 : y > m_height ? m_height : y; }

    void point(long y)
    {
        const TQCpoint& previous = m_points.back();
        if (previous.x != m_x || previous.y != y)
            m_points.push_back(TQCpoint{m_x, y});
    }

    // With a segment after it, the run only has to reach both extremes and
    // end on its last point; at the end of the curve it has to leave out
    // that point when its segments did.
    void endRun(bool segmentFollows)
    {
        if (!m_covered)
            return;
        const long low = inCanvas(m_low);
        const long high = inCanvas(m_high);
        if (segmentFollows) {
            const bool lowFirst = m_last - m_low > m_high - m_last;
            point(lowFirst ? low : high);
            point(lowFirst ? high : low);
            point(m_last);
        } else if (m_last >= m_coveredLow && m_last <= m_coveredHigh) {
            point(low);
            point(high + 1);
        } else {
            point(m_last == m_high ? low : high);
            point(m_last);
        }
    }

    Drawing& m_drawing;
    const long m_height;
    std::vector<TQCpoint> m_points;
    long m_x = 0;
    long m_last = 0, m_low = 0, m_high = 0;
    bool m_covered = false;
    long m_coveredLow = 0, m_coveredHigh = 0;
};

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

// The pixels of a vertical line from (x, y1) towards (x, y2), which it
// leaves out, as a rectangle one pixel wide.
void addVerticalLine(std::vector<TQCrect>& columns, double x, double y1, double y2)
{
    short px, from, to;
    if (!deviceCoordinate(x, &px) || !deviceCoordinate(y1, &from) ||
        !deviceCoordinate(y2, &to) || from == to)
        return;
    const long top = from < to ? from : to + 1;
    columns.push_back(TQCrect{px, top, 1, static_cast<unsigned long>(std::abs(to - from))});
}

// A polyline through every sample while group <= 3; above, one vertical
// line from the smallest to the largest sample of each group of group
// samples, at the group's middle. The group still open at the end is not
// drawn, and the last sample is not read in that mode.
template <typename Real, typename T, typename YMap>
void drawCurve(Drawing& drawing, const Plot& plot, const T* v, long n, long group, Real dx,
               YMap y)
{
    const long mx = plot.mx;
    if (group <= 3) {
        ColumnRuns curve(drawing, plot);
        for (long i = 0; i < n; ++i)
            curve.to(static_cast<Real>(i) / dx + mx, y(v[i]));
        return;
    }
    // A group is drawn once the next one starts before the last sample, so
    // the groups drawn are whole. A long signal's groups are scanned on the
    // work pool.
    const long groups = (n - 2) / group;
    std::vector<T> lows(groups), highs(groups);
    const long groupsPerTask = n < (1 << 20) ? std::max(groups, 1L) : 16;
    auto scan = [&](long t, int) {
        const long last = std::min(groups, (t + 1) * groupsPerTask);
        for (long g = t * groupsPerTask; g < last; ++g) {
            const T* first = v + g * group;
            T lo = first[0];
            T hi = first[0];
            for (long i = 1; i < group; ++i) {
                lo = first[i] < lo ? first[i] : lo;
                hi = first[i] > hi ? first[i] : hi;
            }
            lows[g] = lo;
            highs[g] = hi;
        }
    };
    runInPool((groups + groupsPerTask - 1) / groupsPerTask, scan);
    std::vector<TQCrect> columns;
    for (long g = 0; g < groups; ++g) {
        const Real x = static_cast<Real>(g * group + group - group / 2) / dx + mx;
        addVerticalLine(columns, x, y(lows[g]), y(highs[g]));
    }
    drawing.fill(columns);
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
    drawCurve(drawing, plot, v, n, grouped ? group : 0, dx,
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
    drawCurve(drawing, plot, v, n, 0, static_cast<Real>(dx),
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

// Pictures that come back again and again: the scales, and the whole
// channel before its position lines (which reads every sample of the
// channel, longer than a slider move may take). Each is kept in a device of
// its own and put back with one copy of the whole image, for the next
// drawing of the same thing at the same sizes.
struct PictureKey {
    enum Kind { waveformScale, spectrumScale, channel } kind;
    long w, h;                     // the area's
    unsigned short devW, devH;     // the device's
    long rate, minX, maxX;         // of a spectrum scale
    const double* v;               // of the channel
    long n, serial;
    double max, min;
    bool operator==(const PictureKey& o) const
    {
        return kind == o.kind && w == o.w && h == o.h && devW == o.devW && devH == o.devH &&
               rate == o.rate && minX == o.minX && maxX == o.maxX && v == o.v && n == o.n &&
               serial == o.serial && max == o.max && min == o.min;
    }
};

PictureKey pictureKey(const Plot& plot, PictureKey::Kind kind)
{
    PictureKey key = {kind, plot.w, plot.h, 0, 0, 0, 0, 0, nullptr, 0, 0, 0, 0};
    plot.dev->getGeometry(&key.devW, &key.devH);
    return key;
}

class KeptPictures {
public:
    KeptPictures() = default;
    KeptPictures(const KeptPictures&) = delete;
    KeptPictures& operator=(const KeptPictures&) = delete;

    // Puts the picture kept under key into dev; false when there is none.
    bool restore(TQDmwindowDev* dev, const PictureKey& key)
    {
        for (Kept& kept : m_kept)
            if (kept.key == key)
                return copyWhole(kept.copy.get(), dev, key);
        return false;
    }
    // Keeps a copy of what dev shows under key, in place of the oldest.
    void keep(TQDmwindowDev* dev, const PictureKey& key)
    {
        std::unique_ptr<TQDmwindowDev> copy(TQDmwindowDev::getNewInstance());
        if (!copy || copy->createPixmap(key.devW, key.devH) != 0 ||
            !copyWhole(dev, copy.get(), key))
            return;
        if (m_kept.size() == maxKept)
            m_kept.erase(m_kept.begin());
        m_kept.push_back(Kept{key, std::move(copy)});
    }

private:
    static const size_t maxKept = 8;
    struct Kept {
        PictureKey key;
        std::unique_ptr<TQDmwindowDev> copy;
    };
    static bool copyWhole(TQDmwindowDev* from, TQDmwindowDev* to, const PictureKey& key)
    {
        return from->copyToWindow(to, 0, 0, key.devW, key.devH, 0, 0) == 0;
    }

    std::vector<Kept> m_kept;
};

KeptPictures g_pictures;

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

// Each piece keeps the comparisons of findMax and findMin: the smallest
// starts from the first sample, and a sample that is not a number is passed
// over everywhere else.
void findMaxAndMin(const double* v, long n, double* max, double* min)
{
    const long piece = 1 << 18;
    const long pieces = n > 0 ? (n + piece - 1) / piece : 1;
    std::vector<double> maxima(pieces), minima(pieces);
    auto scan = [&](long t, int) {
        const long first = t * piece;
        const long end = std::min(first + piece, n);
        double hi = -1.0;
        double lo = t == 0 ? (n > 0 ? v[0] : -1.0) : HUGE_VAL;
        for (long i = first; i < end; ++i) {
            if (v[i] > hi)
                hi = v[i];
            if (v[i] < lo)
                lo = v[i];
        }
        maxima[t] = hi;
        minima[t] = lo;
    };
    runInPool(pieces, scan);
    *max = maxima[0];
    *min = minima[0];
    for (long t = 1; t < pieces; ++t) {
        if (maxima[t] > *max)
            *max = maxima[t];
        if (minima[t] < *min)
            *min = minima[t];
    }
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
    const PictureKey key = pictureKey(plot, PictureKey::waveformScale);
    if (g_pictures.restore(dev, key))
        return;
    const bool cleared = clearCanvas(plot);
    Drawing drawing(plot);
    drawVerticalAxis(drawing, plot);
    if (cleared && drawing.open())
        g_pictures.keep(dev, key);
}

void drawScaleMinus(TQCbase* area, TQDmwindowDev* dev, long rate, long minX, long maxX)
{
    const Plot plot = plotOf(area, dev);
    PictureKey key = pictureKey(plot, PictureKey::spectrumScale);
    key.rate = rate;
    key.minX = minX;
    key.maxX = maxX;
    if (g_pictures.restore(dev, key))
        return;
    const bool cleared = clearCanvas(plot);
    Drawing drawing(plot);
    drawVerticalAxis(drawing, plot);
    drawing.line(plot.w - plot.mx, plot.my, plot.mx, plot.my);
    // A range of no width has no place for a tick.
    if (rate > 0 && maxX > minX) {
        const long long firstInRange = minX <= 1000 ? 1000 : (minX + 999LL) / 1000 * 1000;
        const long long end = std::min<long long>(rate / 2, maxX + 1LL);
        drawTicks(drawing, plot, firstInRange, end, 1000, minX,
                  static_cast<long long>(maxX) - minX, plot.my, plot.my / 2);
    }
    if (cleared && drawing.open())
        g_pictures.keep(dev, key);
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
    drawCurve(drawing, plot, v, n, group, dx, [=](double a) { return bottom - a / dy; });
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
    ColumnRuns curve(drawing, plot);
    for (long i = start; i < end; ++i)
        curve.to((i - start) / dx + plot.mx, h - (v[i] - minY) / dy);
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
        PictureKey key = pictureKey(plotOf(area, target), PictureKey::channel);
        key.v = v;
        key.n = n;
        key.serial = channelSerial();
        key.max = max;
        key.min = min;
        if (!g_pictures.restore(target, key)) {
            drawScale(area, target);
            drawWave(area, target, v, n, max, min);
            // Only the channel's own samples are known to stay as they are.
            if (v == siii)
                g_pictures.keep(target, key);
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
