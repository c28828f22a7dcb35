// Form: the update cycle, painting in the classic or the extended look,
// expose, resize and visibility reports, and the reaction to a new look.
#include "_TQCform.h"

#include "_TQDwindowDev.h"
#include "_TQGFdebug.h"
#include "_TQGFgeometry.h"
#include "_TQGFtrigger.h"

namespace {

const int kDotSpacing = 10;

} // namespace

void TQCform::traceDraw(int line, const char* what)
{
    __dbprintf("%s::draw _%s:%d %s %s..\n", getClassName(), getClassName(), line,
               getInstanceName(), what);
}

// Background first, dot grid second, frame last, each over the whole form:
// the children are windows of their own and paint themselves.
long TQCform::draw()
{
    TQDdev* dev = nullptr;
    long ready = readyToDraw(&dev);
    if (ready != 1)
        return ready;
    if (drawThroughLook(dev)) {
        drawFinished();
        return 0;
    }
    if (!openGround(dev, gridIncludesEdges() ? DOTS_ON_AREA_EDGES : DOTS_INSIDE_AREA))
        return 0;
    drawFigure(dev);
    dev->endDraw();
    drawFinished();
    return 0;
}

void TQCform::drawFigure(TQDdev* dev)
{
    TQGFdrawShadow(dev, m_shadowType, m_shadowThickness, m_foreColor, m_topShadowColor,
                   m_bottomShadowColor, m_backColor, 0, 0, m_width, m_height, 0);
}

long TQCform::readyToDraw(TQDdev** ready)
{
    traceDraw(__LINE__, "begin");
    if (m_noRefresh) {
        traceDraw(__LINE__, "no refresh");
        TQCbase::update();
        setAbsoluteDraw(0);
        return 0;
    }
    if (!getVisible()) {
        traceDraw(__LINE__, "vis=False");
        return 0;
    }
    TQDdev* dev = getowndev();
    if (dev == nullptr) {
        traceDraw(__LINE__, "dev=NULL");
        return -1;
    }
    if (!getAbsoluteDraw() && !dev->isExposed(0, 0, m_width, m_height, 1)) {
        traceDraw(__LINE__, "not exposed");
        return 0;
    }
    LifeGuard guard(this);
    if (m_sizeChanged) {
        m_sizeChanged = 0;
        execResizeEvent();
        if (!guard.alive())
            return 0;
    }
    if (getGeometryChanged()) {
        traceDraw(__LINE__, "call _exec_child_adjust_for_anchors()");
        _exec_child_adjust_for_anchors();
        if (!guard.alive())
            return 0;
    }
    *ready = dev;
    return 1;
}

bool TQCform::openGround(TQDdev* dev, DotEdges edges)
{
    if (dev->beginDraw(0, 0, m_width, m_height, getAbsoluteDraw(), 1) != 0) {
        traceDraw(__LINE__, "dev not ready");
        return false;
    }
    paintGround(dev, getAbsoluteDraw(), edges);
    return true;
}

void TQCform::paintGround(TQDdev* dev, unsigned char whole, DotEdges edges)
{
    TQCrect exposed = {0, 0, m_width, m_height};
    if (!whole) {
        short x, y;
        unsigned short w, h;
        dev->getExposedArea(&x, &y, &w, &h, 1);
        exposed = TQCrect{x, y, w, h};
    }
    TQCbase::update();
    setAbsoluteDraw(0);
    if (m_backPixmap == -1)
        drawBackground(dev);
    if (getDotMode())
        drawDotGrid(dev, exposed, edges);
}

// With a background image the device paints the background itself.
void TQCform::drawBackground(TQDdev* dev)
{
    if (m_gradation == 0) {
        dev->setForeColor(m_backColor);
        dev->drawFillRect(0, 0, m_width, m_height);
        return;
    }
    dev->drawGradation(m_gradation, m_topShadowColor, m_backColor, m_bottomShadowColor, 0, 0,
                       m_width, m_height, m_gradationMargin);
}

// The edit-mode grid: a dot every ten pixels inside the exposed area, on
// its edges too unless they are left out.
void TQCform::drawDotGrid(TQDdev* dev, const TQCrect& exposed, DotEdges edges)
{
    long inset = edges == DOTS_ON_AREA_EDGES ? 0 : 1;
    long left = exposed.x + inset;
    long top = exposed.y + inset;
    long right = exposed.x + static_cast<long>(exposed.width) - inset;
    long bottom = exposed.y + static_cast<long>(exposed.height) - inset;
    dev->setForeColor(m_foreColor);
    for (long y = 0; y < m_height; y += kDotSpacing) {
        if (y < top || y > bottom)
            continue;
        for (long x = 0; x < m_width; x += kDotSpacing) {
            if (x >= left && x <= right)
                dev->drawFillRect(static_cast<short>(x), static_cast<short>(y), 1, 1);
        }
    }
}

void TQCform::fillDrawBlock(TQCformDrawBlock& block)
{
    fillFormFields(block);
}

// ---------------------------------------------------------------------------
// Update cycle

void TQCform::update()
{
    if (!isNeedUpdate())
        return;
    LifeGuard guard(this);
    if (TQDdev* dev = getowndev())
        syncDevicePosition(dev);
    if (m_sizeChanged) {
        m_sizeChanged = 0;
        execResizeEvent();
        if (!guard.alive())
            return;
    }
    _exec_child_adjust_for_anchors();
    if (!guard.alive())
        return;
    setAbsoluteDraw(1);
    redraw();
    if (!guard.alive())
        return;
    TQCbase::update();
}

// A scrolling parent moves the form's window by its offsets.
void TQCform::syncDevicePosition(TQDdev* dev, bool everyAxis)
{
    TQDwindowDev* window = static_cast<TQDwindowDev*>(dev->cast("TQDwindowDev"));
    short x = 0, y = 0;
    unsigned short w = 0, h = 0;
    if (window != nullptr)
        window->getWindowSize(&x, &y, &w, &h);
    struct Axis {
        long key;
        short position;
        const short* offset;
        short shown;
    };
    for (const Axis& axis : {Axis{TQDdev::VALUE_X, m_x, getXOffsetPtr(), x},
                             Axis{TQDdev::VALUE_Y, m_y, getYOffsetPtr(), y}}) {
        if (axis.offset == nullptr && !everyAxis)
            continue;
        short wanted = static_cast<short>(axis.position + (axis.offset ? *axis.offset : 0));
        if (window == nullptr || axis.shown != wanted)
            dev->setValue(axis.key, &wanted);
    }
}

// The device would clear the window before the expose that draw() then
// ignores: with no-refresh on, the window keeps what it shows and only the
// marks are cleared, as draw() clears them. -1 tells that nothing was asked
// of the device.
long TQCform::redraw()
{
    if (m_noRefresh && getowndev() != nullptr && getVisible()) {
        TQCbase::update();
        setAbsoluteDraw(0);
        return -1;
    }
    return redrawOwnArea(m_width, m_height);
}

long TQCform::clear()
{
    return clearOwnArea(m_width, m_height);
}

// Without a pixmap the form and the widgets drawn on its window are sent an
// expose of the whole window, which is in the window's own coordinates.
long TQCform::cdraw()
{
    TQDdev* dev = getowndev();
    if (dev == nullptr || !getVisible())
        return -1;
    if (m_pixmapStyle == 1)
        return redraw();
    short x, y;
    unsigned short w, h;
    dev->getExposedArea(&x, &y, &w, &h, 1);
    dev->setExposedArea(0, 0, m_width, m_height);
    TQCrect whole = {0, 0, m_width, m_height};
    dev->execEvent(TQEV_EXPOSE, &whole);
    dev->setExposedArea(x, y, w, h);
    return 0;
}

void TQCform::internalUpdate()
{
    dropOwnPixmap();
}

// ---------------------------------------------------------------------------
// Events and reports

long TQCform::execEventProc(long event, void* data)
{
    if (event != TQEV_EXPOSE)
        return TQCbase::execEventProc(event, data);
    TQCrect whole = {0, 0, m_width, m_height};
    TQCrect* area = data != nullptr ? static_cast<TQCrect*>(data) : &whole;
    LifeGuard guard(this);
    onExpose(area);
    if (guard.alive())
        draw();
    if (guard.alive() && hasExposeProcedures())
        execProcedure(TQEV_EXPOSE);
    return 0;
}

void TQCform::execResizeEvent()
{
    TQCrect rect = {m_x, m_y, m_width, m_height};
    execEventProc(TQEV_RESIZE, &rect);
}

// The device reports the window's geometry; only a new size repaints.
void TQCform::onResize(TQCrect* rect)
{
    if (rect == nullptr || getPropertyEditMode())
        return;
    m_x = static_cast<short>(rect->x);
    m_y = static_cast<short>(rect->y);
    bool resized = rect->width != m_width || rect->height != m_height;
    m_width = static_cast<unsigned short>(rect->width);
    m_height = static_cast<unsigned short>(rect->height);
    if (resized) {
        setAbsoluteDraw(1);
        needUpdate();
    }
}

void TQCform::onVisibleChange(unsigned char on)
{
    bool hadDevice = getowndev() != nullptr;
    TQCbase::onVisibleChange(on);
    if (on && !hadDevice && getowndev() != nullptr)
        execResizeEvent();
}

void TQCform::onParentVisibleChange(unsigned char on)
{
    bool hadDevice = getowndev() != nullptr;
    TQCbase::onParentVisibleChange(on);
    if (on && !hadDevice && getowndev() != nullptr)
        execResizeEvent();
}
