// Scroll frame: the five properties, keeping the offsets inside the work
// area, what the device is told, no-scroll mode, painting the part in view
// and redrawing the children there.
#include "_TQCscrFrame.h"

#include "_TQCtypeServerFrame.h"
#include "_TQDdev.h"
#include "_TQDmouse.h"
#include "_TQGFarea.h"
#include "_TQGFgeometry.h"
#include "_TQGFtrigger.h"

TQ_TYPE_SERVER_FRAME(TQCscrFrame, TQCform);

namespace {

const int kDotSpacing = 10;
// Mouse in, press (and with it double click) and release.
const long kFrameEvents = 0x6800;

} // namespace

TQCscrFrame::TQCscrFrame(TQCbase* parent, const char* name) : TQCform(parent, name), m_noScroll(0)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, titleHeight, 0);
        TQ_WATCH(r, hbarValue, 0);
        TQ_WATCH(r, vbarValue, 0);
        TQ_WATCH(r, workWidth, 1000);
        TQ_WATCH(r, workHeight, 1000);
    });
}

// ---------------------------------------------------------------------------
// Offsets and work size. The comparisons are widened, so offset + visible
// never wraps.

unsigned short TQCscrFrame::clamped(unsigned short offset, unsigned short work,
                                    unsigned short visible)
{
    if (static_cast<long>(work) >= static_cast<long>(offset) + visible)
        return offset;
    return work < visible ? 0 : static_cast<unsigned short>(work - visible);
}

void TQCscrFrame::sendValue(long key, unsigned short value)
{
    if (TQDdev* dev = getowndev())
        dev->setValue(key, &value);
}

void TQCscrFrame::sendOffset(long key, unsigned short offset)
{
    sendValue(key, m_noScroll ? 0 : offset);
}

void TQCscrFrame::setWorkTQNhbarValue(unsigned short offset)
{
    m_hbarValue = clamped(offset, m_workWidth, m_width);
    sendOffset(VALUE_H_OFFSET, m_hbarValue);
}

void TQCscrFrame::setWorkTQNvbarValue(unsigned short offset)
{
    m_vbarValue = clamped(offset, m_workHeight, m_height);
    sendOffset(VALUE_V_OFFSET, m_vbarValue);
}

void TQCscrFrame::setHbarValue(unsigned short offset)
{
    if (offset != m_hbarValue)
        setWorkTQNhbarValue(offset);
}

void TQCscrFrame::setVbarValue(unsigned short offset)
{
    if (offset != m_vbarValue)
        setWorkTQNvbarValue(offset);
}

// The new offset goes to the device before the new work width.
void TQCscrFrame::setWorkTQNworkWidth(unsigned short width)
{
    if (getowndev() == nullptr)
        return;
    if (static_cast<long>(width) < static_cast<long>(m_hbarValue) + m_width) {
        m_hbarValue = clamped(m_hbarValue, width, m_width);
        sendOffset(VALUE_H_OFFSET, m_hbarValue);
    }
    sendValue(VALUE_WORK_WIDTH, m_noScroll ? m_width : width);
}

// An offset that falls to 0 is left to the device, which brings its own
// offset back inside the new work height.
void TQCscrFrame::setWorkTQNworkHeight(unsigned short height)
{
    if (getowndev() == nullptr)
        return;
    if (static_cast<long>(height) < static_cast<long>(m_vbarValue) + m_height) {
        m_vbarValue = clamped(m_vbarValue, height, m_height);
        if (m_vbarValue != 0)
            sendOffset(VALUE_V_OFFSET, m_vbarValue);
    }
    sendValue(VALUE_WORK_HEIGHT, m_noScroll ? m_height : height);
}

void TQCscrFrame::setWorkTQNtitleHeight(unsigned short height)
{
    sendValue(VALUE_TITLE_HEIGHT, height);
}

// Work size and offsets, or in no-scroll mode the frame's own size at 0.
void TQCscrFrame::sendState()
{
    sendValue(VALUE_WORK_WIDTH, m_noScroll ? m_width : m_workWidth);
    sendValue(VALUE_WORK_HEIGHT, m_noScroll ? m_height : m_workHeight);
    sendOffset(VALUE_H_OFFSET, m_hbarValue);
    sendOffset(VALUE_V_OFFSET, m_vbarValue);
}

long TQCscrFrame::_device_initialize()
{
    if (TQCform::_device_initialize() != 0)
        return -1;
    sendState();
    getowndev()->setEnableEventBit(kFrameEvents);
    return 0;
}

void TQCscrFrame::_set_no_scroll(unsigned char on)
{
    m_noScroll = on ? 1 : 0;
    sendState();
}

// In no-scroll mode an update hands the device the whole work size again.
void TQCscrFrame::update()
{
    if (m_noScroll) {
        sendValue(VALUE_WORK_WIDTH, m_workWidth);
        sendValue(VALUE_WORK_HEIGHT, m_workHeight);
    }
    if (isNeedUpdate())
        TQCbase::update();
}

// ---------------------------------------------------------------------------
// Visibility and pointer

void TQCscrFrame::onVisibleChange(unsigned char on)
{
    TQCform::onVisibleChange(on);
    if (on && getowndev() != nullptr)
        _device_initialize();
}

void TQCscrFrame::onParentVisibleChange(unsigned char on)
{
    TQCform::onParentVisibleChange(on);
    if (on && getowndev() != nullptr) {
        sendOffset(VALUE_H_OFFSET, m_hbarValue);
        sendOffset(VALUE_V_OFFSET, m_vbarValue);
    }
}

void TQCscrFrame::onMousePress(TQCpoint* point)
{
    TQCbase* parent = getParent();
    TQDmouse* mouse = TQGIappMouse();
    if (parent != nullptr && parent->cast("TQCscrForm") != nullptr && mouse != nullptr)
        mouse->setMouseFocusClient(parent);
    TQCbase::onMousePress(point);
}

// ---------------------------------------------------------------------------
// Painting

long TQCscrFrame::draw()
{
    if (!getVisible())
        return 0;
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return -1;
    unsigned char whole = getAbsoluteDraw();
    if (!whole && !dev->isExposed(0, 0, m_workWidth, m_workHeight, 1))
        return 0;
    short ax = 0, ay = 0;
    unsigned short aw = m_workWidth, ah = m_workHeight;
    if (!whole)
        dev->getExposedArea(&ax, &ay, &aw, &ah, 1);
    TQCbase::update();
    setAbsoluteDraw(0);
    if (dev->beginDraw(0, 0, m_workWidth, m_workHeight, whole, 1) != 0)
        return 0;
    long x, y;
    unsigned long w, h;
    TQGFandArea(static_cast<short>(m_hbarValue), static_cast<short>(m_vbarValue), m_width,
                m_height, ax, ay, aw, ah, &x, &y, &w, &h);
    dev->setForeColor(m_backColor);
    dev->drawFillRect(static_cast<short>(x), static_cast<short>(y),
                      static_cast<unsigned short>(w), static_cast<unsigned short>(h));
    if (getDotMode())
        paintDots(dev, x, y, w, h);
    dev->endDraw();
    return 0;
}

// The edit-mode grid over the work area, strictly inside the painted area:
// no dot on its left or top edge.
void TQCscrFrame::paintDots(TQDdev* dev, long x, long y, unsigned long w, unsigned long h)
{
    dev->setForeColor(m_foreColor);
    long right = x + static_cast<long>(w);
    long bottom = y + static_cast<long>(h);
    long firstX = x < 0 ? 0 : (x / kDotSpacing + 1) * kDotSpacing;
    long firstY = y < 0 ? 0 : (y / kDotSpacing + 1) * kDotSpacing;
    for (long dy = firstY; dy < m_workHeight && dy < bottom; dy += kDotSpacing) {
        for (long dx = firstX; dx < m_workWidth && dx < right; dx += kDotSpacing)
            dev->drawFillRect(static_cast<short>(dx), static_cast<short>(dy), 1, 1);
    }
}

long TQCscrFrame::clear()
{
    return clearOwnArea(m_workWidth, m_workHeight);
}

long TQCscrFrame::redraw()
{
    return redrawOwnArea(m_workWidth, m_workHeight);
}

// The device's expose-sequence flag is on while the frame and its children
// repaint the rectangle in view, and comes back as it was.
long TQCscrFrame::cdraw()
{
    TQDdev* dev = getowndev();
    if (dev == nullptr || !getVisible())
        return -1;
    TQCrect view = {m_hbarValue, m_vbarValue, m_width, m_height};
    unsigned char sequence = 0, on = 1;
    dev->getValue(TQDdev::VALUE_EXPOSE_SEQUENCE, &sequence);
    dev->setValue(TQDdev::VALUE_EXPOSE_SEQUENCE, &on);
    short x, y;
    unsigned short w, h;
    dev->getExposedArea(&x, &y, &w, &h, 1);
    dev->setExposedArea(static_cast<short>(view.x), static_cast<short>(view.y),
                        static_cast<unsigned short>(view.width),
                        static_cast<unsigned short>(view.height));
    setAbsoluteDraw(1);
    dev->execEvent(TQEV_EXPOSE, &view);
    dev->setExposedArea(x, y, w, h);
    dev->setValue(TQDdev::VALUE_EXPOSE_SEQUENCE, &sequence);
    return 0;
}
