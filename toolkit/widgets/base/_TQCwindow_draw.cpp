// Top-level window: painting the client area (background, edit-mode dot
// grid, shadow edge, status bar and size grip), expose and resize, the
// re-anchoring of the children and their stacking.
#include "_TQCwindow.h"

#include "_TQCpropUndoProc.h"
#include "_TQCundoManager.h"
#include "_TQDappDev.h"
#include "_TQDdev.h"
#include "_TQGFbuilder.h"
#include "_TQGFdebug.h"
#include "_TQGFgeometry.h"
#include "_TQGFtrigger.h"

namespace {

const char kSourceName[] = "_TQCwindow";
// GUI-policy bit that allows the size grip.
const long kPolicyGrip = 0x02;
const short kDotSpacing = 10;

} // namespace

// ---------------------------------------------------------------------------
// Events

long TQCwindow::execEventProc(long event, void* data)
{
    if (event == TQEV_EXPOSE) {
        TQCrect whole = {0, 0, m_width, m_height};
        TQCbase::execEventProc(TQEV_EXPOSE, data != nullptr ? data : &whole);
        return 0;
    }
    if (event == TQDwindowDev::TRIGGER_WINDOW_CLOSED) {
        LifeGuard guard(this);
        onWindowClose();
        if (guard.alive())
            execProcedure(TQDwindowDev::TRIGGER_WINDOW_CLOSED);
        return 0;
    }
    return TQCbase::execEventProc(event, data);
}

void TQCwindow::execResizeEvent()
{
    TQCrect rect = {m_x, m_y, m_width, m_height};
    execEventProc(TQEV_RESIZE, &rect);
}

// The device reports a new position or size. In the builder's edit mode
// the size the window had is kept as an undo step, unless the newest step
// already holds this window's state (a drag of its grip handles took one).
void TQCwindow::onResize(TQCrect* rect)
{
    if (rect == nullptr)
        return;
    LifeGuard guard(this);
    bool sizeChanged = rect->width != m_width || rect->height != m_height;
    if (sizeChanged && getPropertyEditMode() && getVisible())
        recordEditStep();
    m_x = static_cast<short>(rect->x);
    m_y = static_cast<short>(rect->y);
    m_width = static_cast<unsigned short>(rect->width);
    m_height = static_cast<unsigned short>(rect->height);
    adjustForm();
    if (guard.alive() && getPropertyEditMode())
        showEditResize(sizeChanged);
    if (!guard.alive() || !sizeChanged)
        return;
    if (getowndev() != nullptr) {
        sendKey(TQDdev::VALUE_WIDTH, m_width);
        sendKey(TQDdev::VALUE_HEIGHT, m_height);
    }
    redraw();
    if (!guard.alive())
        return;
    forEachStillIn(m_children, [this](TQCbase* child) { adjustChild(child, false); });
}

void TQCwindow::recordEditStep()
{
    TQCundoManager* history = TQGIappUndoManager();
    TQCundoProc* last = history->getLastUndoProc();
    void* step = last != nullptr ? last->cast("TQCpropUndoProc") : nullptr;
    if (step != nullptr && static_cast<TQCpropUndoProc*>(step)->getTarget() == this)
        return;
    TQCpropUndoProc* before = new TQCpropUndoProc;
    before->setTarget(this);
    history->addUndoProc(before);
}

void TQCwindow::showEditResize(bool sizeChanged)
{
    drawGriphand();
    if (!sizeChanged)
        return;
    TQGFmarkChanged(this);
    TQGFnotifyGeometryUpdate();
}

// ---------------------------------------------------------------------------
// Children

// A window drawn through a pixmap updates a re-anchored child at once, so
// that the pixmap holds it before it is copied to the screen. guarded keeps
// a child from being updated again from inside its own update.
void TQCwindow::adjustChild(TQCbase* child, bool guarded)
{
    __dbprintf("TQCwindow::onResize %s:%d %s child=%s call adjust_for_anchors\n", kSourceName,
               __LINE__, getInstanceName(), child->getInstanceName());
    child->_adjust_for_anchors(m_width, m_height);
    if (m_pixmapStyle != 1 || !child->isNeedUpdate() || (guarded && child->getUpdateGuard()))
        return;
    __dbprintf("TQCwindow::onResize %s:%d %s child=%s call update\n", kSourceName, __LINE__,
               getInstanceName(), child->getInstanceName());
    if (!guarded) {
        child->update();
        return;
    }
    LifeGuard childGuard(child);
    child->setUpdateGuard(1);
    child->update();
    if (childGuard.alive())
        child->setUpdateGuard(0);
}

void TQCwindow::_exec_child_adjust_for_anchors()
{
    if (!adjustAnchor() || !getGeometryChanged())
        return;
    forEachStillIn(m_children, [this](TQCbase* child) { adjustChild(child, true); });
}

long TQCwindow::restackChild(TQCbase* child, int pos)
{
    return restackIn(m_children, child, pos);
}

// ---------------------------------------------------------------------------
// Updates

// Pending resize events collapse into one per update.
void TQCwindow::update()
{
    if (!isNeedUpdate())
        return;
    LifeGuard guard(this);
    if (m_resizePending) {
        m_resizePending = 0;
        execResizeEvent();
        if (!guard.alive())
            return;
    }
    if (getGeometryChanged()) {
        forEachStillIn(m_children, [this](TQCbase* child) { adjustChild(child, false); });
        if (!guard.alive())
            return;
    }
    redraw();
    if (guard.alive())
        TQCbase::update();
}

// A new drawing then builds a new pixmap.
void TQCwindow::internalUpdate()
{
    dropOwnPixmap();
}

long TQCwindow::redraw()
{
    return redrawOwnArea(m_width, m_height);
}

long TQCwindow::clear()
{
    return clearOwnArea(m_width, m_height);
}

// In window pixmap style the device's exposed area is narrowed to the
// client area for one expose, then put back. The client area starts at
// 0, 0 whatever the window's place on the screen.
long TQCwindow::cdraw()
{
    TQDdev* dev = getowndev();
    if (dev == nullptr || !getVisible())
        return -1;
    if (m_pixmapStyle != 0) {
        redraw();
        return 0;
    }
    short sx = 0, sy = 0;
    unsigned short sw = 0, sh = 0;
    dev->getExposedArea(&sx, &sy, &sw, &sh, 1);
    dev->setExposedArea(0, 0, m_width, m_height);
    TQCrect whole = {0, 0, m_width, m_height};
    LifeGuard guard(this);
    dev->execEvent(TQEV_EXPOSE, &whole);
    if (guard.alive())
        dev->setExposedArea(sx, sy, sw, sh);
    return 0;
}

// ---------------------------------------------------------------------------
// Painting

bool TQCwindow::beginFramedDraw(TQDdev* dev, unsigned char whole)
{
    if (dev->beginDraw(0, 0, m_width, m_height, whole, 1) != 0)
        return false;
    TQCbase::update();
    setAbsoluteDraw(0);
    dev->setForeColor(m_backColor);
    dev->drawFillRect(0, 0, m_width, m_height);
    TQGFdrawShadow(dev, m_shadowType, m_shadowThickness, m_foreColor, m_topShadowColor,
                   m_bottomShadowColor, m_backColor, 0, 0, m_width, m_height, 0);
    return true;
}

long TQCwindow::draw()
{
    __dbprintf("TQCwindow::draw %s:%d %s begin..\n", kSourceName, __LINE__, getInstanceName());
    if (!getVisible()) {
        __dbprintf("TQCwindow::draw %s:%d %s vis=False\n", kSourceName, __LINE__,
                   getInstanceName());
        return 0;
    }
    TQDdev* dev = getowndev();
    if (dev == nullptr) {
        __dbprintf("TQCwindow::draw %s:%d %s dev=NULL\n", kSourceName, __LINE__,
                   getInstanceName());
        return -1;
    }
    unsigned short w = m_width, h = m_height;
    unsigned char whole = getAbsoluteDraw();
    if (!whole && !dev->isExposed(0, 0, w, h, 1)) {
        __dbprintf("TQCwindow::draw %s:%d %s not exposed\n", kSourceName, __LINE__,
                   getInstanceName());
        return 0;
    }
    LifeGuard guard(this);
    if (m_resizePending) {
        m_resizePending = 0;
        execResizeEvent();
        if (!guard.alive())
            return 0;
    }
    if (getGeometryChanged()) {
        _exec_child_adjust_for_anchors();
        if (!guard.alive())
            return 0;
    }
    // The size may have changed in the layout above.
    w = m_width;
    h = m_height;
    if (dev->beginDraw(0, 0, w, h, whole, 1) != 0) {
        __dbprintf("TQCwindow::draw %s:%d %s not ready\n", kSourceName, __LINE__,
                   getInstanceName());
        return 0;
    }
    short ex = 0, ey = 0;
    unsigned short ew = w, eh = h;
    if (!whole)
        dev->getExposedArea(&ex, &ey, &ew, &eh, 1);
    TQCbase::update();
    setAbsoluteDraw(0);

    // An image background is the device's own.
    if (m_backPixmap == -1)
        drawBackground(dev);
    if (getDotMode() == 1)
        drawDotGrid(dev, ex, ey, ew, eh);
    if (m_shadowThickness != 0)
        TQGFdrawShadow(dev, m_shadowType, m_shadowThickness, m_foreColor, m_topShadowColor,
                       m_bottomShadowColor, m_backColor, 0, 0, w, h, 0);
    bool grip = m_indicatorOn == 1 && (TQDappDev::getGuiPolicy() & kPolicyGrip) != 0;
    unsigned short t = static_cast<unsigned short>(m_shadowThickness + m_margin);
    unsigned short l = static_cast<unsigned short>(m_marginLeft + m_shadowThickness);
    if (m_emboss == 1 && 2 * t < w && m_barThickness + t < h) {
        TQGFdrawShadow(dev, TQSHADOW_IN, 1, m_foreColor, m_topShadowColor, m_bottomShadowColor,
                       m_backColor, static_cast<short>(l),
                       static_cast<short>(h - m_barThickness - t),
                       static_cast<unsigned short>(w - t - l), m_barThickness, 0);
        if (grip)
            drawGrip(dev, t, true);
    } else if (grip) {
        drawGrip(dev, t, false);
    }
    dev->endDraw();
    return 0;
}

void TQCwindow::drawBackground(TQDdev* dev)
{
    if (m_gradation == 0) {
        dev->setForeColor(m_backColor);
        dev->drawFillRect(0, 0, m_width, m_height);
        return;
    }
    dev->drawGradation(m_gradation, m_topShadowColor, m_backColor, m_bottomShadowColor, 0, 0,
                       m_width, m_height, m_gradationMargin);
}

// Only the dots inside the exposed rectangle, edges included.
void TQCwindow::drawDotGrid(TQDdev* dev, short ex, short ey, unsigned short ew,
                            unsigned short eh)
{
    dev->setForeColor(m_foreColor);
    for (long y = 0; y < m_height; y += kDotSpacing) {
        if (y < ey || y > ey + eh)
            continue;
        for (long x = 0; x < m_width; x += kDotSpacing) {
            if (x >= ex && x <= ex + ew)
                dev->drawFillRect(static_cast<short>(x), static_cast<short>(y), 1, 1);
        }
    }
}

// Diagonal lines k in the bottom-right corner, from (W - t - k, H - c) to
// (W - c, H - t - k): light ones, then dark ones; in the status bar two
// straight lines in the background colour close it off.
void TQCwindow::drawGrip(TQDdev* dev, unsigned short t, bool inStatusBar)
{
    static const short plainLight[] = {15, 11, 7, 3};
    static const short plainDark[] = {14, 13, 10, 9, 6, 5, 2, 1};
    static const short barLight[] = {12, 8, 4};
    static const short barDark[] = {11, 10, 7, 6, 3, 2};
    short w = static_cast<short>(m_width), h = static_cast<short>(m_height);
    short c = inStatusBar ? 4 : 3;
    auto lines = [&](short color, const short* ks, size_t n) {
        dev->setForeColor(color);
        for (size_t i = 0; i < n; ++i)
            dev->drawLine(static_cast<short>(w - t - ks[i]), static_cast<short>(h - c),
                          static_cast<short>(w - c), static_cast<short>(h - t - ks[i]));
    };
    dev->setLineWidth(0);
    if (!inStatusBar) {
        lines(m_topShadowColor, plainLight, sizeof plainLight / sizeof plainLight[0]);
        lines(m_bottomShadowColor, plainDark, sizeof plainDark / sizeof plainDark[0]);
        return;
    }
    lines(m_topShadowColor, barLight, sizeof barLight / sizeof barLight[0]);
    lines(m_bottomShadowColor, barDark, sizeof barDark / sizeof barDark[0]);
    dev->setForeColor(m_backColor);
    dev->drawLine(static_cast<short>(w - t - 11), static_cast<short>(h - 3),
                  static_cast<short>(w - 3), static_cast<short>(h - 3));
    dev->drawLine(static_cast<short>(w - 3), static_cast<short>(h - t - 11),
                  static_cast<short>(w - 3), static_cast<short>(h - 3));
}
