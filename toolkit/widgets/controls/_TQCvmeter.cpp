// Bar meter: the bar between the two percentages inside the rectangle inset
// by half the pen, filled and then outlined.
#include "_TQCvmeter.h"

#include "_TQCtypeServerFrame.h"

#include <algorithm>

TQ_TYPE_SERVER_FRAME(TQCvmeter, TQCvpolyAttr);

namespace {

const char kClassName[] = "TQCvmeter";

struct Bar {
    long x, y, width, height;
};

// The bar of lower to upper percent on the inner rectangle at (half, half),
// w x h: from the left, or from the bottom when vertical.
Bar barOf(long half, long w, long h, long lower, long upper, bool vertical)
{
    if (vertical) {
        const long top = half + h - upper * h / 100;
        return {half, top, w, half + h - lower * h / 100 - top};
    }
    const long left = half + lower * w / 100;
    return {left, half, half + upper * w / 100 - left, h};
}

} // namespace

TQCvmeter::TQCvmeter(TQCbase* parent, const char* name)
    : TQCvpolyAttr(parent, name), m_orientation(0)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, value1, 80);
        TQ_WATCH(r, value2, 20);
        TQ_WATCH_FLAG(r, orientation, 0, orientation);
    });
}

// An empty bar draws nothing at all, and neither does a bar the pen leaves
// no room for: a size of 0 or less would reach the device as a wrapped,
// huge rectangle.
long TQCvmeter::draw()
{
    long drawing = openBlinkingDrawing(kClassName, __LINE__);
    if (drawing != 1)
        return drawing;
    TQDdev* dev = getowndev();
    const long pen = m_lineWidth;
    const long upper = std::min<long>(m_value1, 100);
    const long lower = std::min<long>(m_value2, upper);
    const Bar bar = barOf(pen / 2, static_cast<long>(m_width) - pen,
                          static_cast<long>(m_height) - pen, lower, upper, m_orientation != 0);
    if (upper == lower || bar.width <= 0 || bar.height <= 0) {
        dev->endDraw();
        return 0;
    }
    const short x = static_cast<short>(bar.x), y = static_cast<short>(bar.y);
    const unsigned short w = static_cast<unsigned short>(bar.width);
    const unsigned short h = static_cast<unsigned short>(bar.height);
    setPen(dev, m_lineWidth, m_lineType);
    Colours colours = passColours();
    fillArea(dev, colours, [&](TQDdev* d) { d->drawFillRect(x, y, w, h); });
    dev->setForeColor(colours.outline);
    dev->setHatchPattern(0);
    if (m_lineWidth != 0)
        dev->drawRect(x, y, w, h);
    dev->endDraw();
    return 0;
}
