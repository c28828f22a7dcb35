// Scrolled form: construction, the 16 properties and the inherited ones it
// hands to its parts, the parts themselves, the device set-up, painting in
// the classic or the extended look, visibility and the reaction to a new
// look. How it scrolls has a file of its own.
#include "_TQCscrForm.h"

#include "_TQCprocedure.h"
#include "_TQCscrFrame.h"
#include "_TQCtypeServerFrame.h"
#include "_TQCvscrBar.h"
#include "_TQDdev.h"
#include "_TQDmouse.h"
#include "_TQGFgeometry.h"
#include "_TQGFstring.h"
#include "_TQGFtrigger.h"

#include <string>
#include <utility>

TQ_TYPE_SERVER_FRAME(TQCscrForm, TQCform);

namespace {

// The events of the form's own window: mouse in, out, press, release, move.
const long kFormEvents = 0xF800;

} // namespace

TQCscrForm::TQCscrForm(TQCbase* parent, const char* name)
    : TQCform(parent, name), m_margin(4), m_titleBand(0), m_hbarVisible(1), m_vbarVisible(1),
      m_virtualScroll(0), m_frameFlag(1), m_noScroll(0), m_reanchor(0)
{
    m_shadowType = TQSHADOW_IN;
    setPublicDevChildInUse(1);
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, barThickness, 16);
        TQ_WATCH(r, workWidth, 1000);
        TQ_WATCH(r, workHeight, 1000);
        TQ_WATCH(r, hbarValue, 0);
        TQ_WATCH(r, vbarValue, 0);
        TQ_WATCH(r, increment, 10);
        TQ_WATCH(r, pageIncrement, 100);
        TQ_WATCH_FLAG(r, hbarVisible, 1, bool2);
        TQ_WATCH_FLAG(r, vbarVisible, 1, bool2);
        TQ_WATCH(r, workBackColor, -11);
        TQ_WATCH(r, barShadowColor, -12);
        TQ_WATCH(r, scrollWidth, 30);
        r.hide(_TQNscrollWidth());
        TQ_WATCH(r, scrollHeight, 30);
        r.hide(_TQNscrollHeight());
        TQ_WATCH_BITS(r, margin, 4);
        TQ_WATCH_FLAG(r, virtualScroll, 0, bool1);
        TQ_WATCH_SLOT(r, frame, TQCflagOf<m_frameFlagSlot>, 1, bool1);
        r.changeDefault<m_shadowTypeSlot>(_TQNshadowType(), TQSHADOW_IN);
        r.hide(_TQNshadowType());
        r.withdraw(_TQNgradation());
        r.withdraw(_TQNgradationMargin());
        r.triggers({TQEV_VALUE_CH, TQEV_ACTIVATE});
        r.info()->setExtTrigger(TRIGGER_SCR_MOUSE_PRESS, "SCR-MOUSE-PRESS");
        r.info()->setExtTrigger(TRIGGER_SCR_MOUSE_RELEASE, "SCR-MOUSE-RELEASE");
        r.info()->setExtTrigger(TRIGGER_SCR_MOUSE_MOVE, "SCR-MOUSE-MOVE");
        r.info()->setExtTrigger(TRIGGER_SCR_MOUSE_DCLICK, "SCR-MOUSE-DCLICK");
    });
}

// ---------------------------------------------------------------------------
// Parts

TQCscrBarClassChoice& TQCscrForm::scrBarClass()
{
    static TQCscrBarClassChoice choice;
    return choice;
}

void TQCscrForm::setUseScrBarClass(const char* className)
{
    scrBarClass().set(className);
}

const char* TQCscrForm::getUseScrBarClass()
{
    return scrBarClass().get();
}

// The frame shows the children; the bars and the frame sit on the form's
// own window. What the setters stored before is handed to them here.
long TQCscrForm::initialize()
{
    LifeGuard guard(this);
    TQCform::initialize();
    if (!guard.alive())
        return 0;
    std::string name = getInstanceName();
    m_frame = new TQCscrFrame(this, (name + "-scr").c_str());
    m_frame->setInternalObject(1);
    m_frame->setUseParentBaseDev(1);
    m_frame->initialize();
    setPublicDevChild(m_frame);
    m_visibleWidth = 0;
    m_visibleHeight = 0;
    m_frame->setProperty(_TQNx(), TQCvariant(static_cast<long>(m_shadowThickness)));
    m_frame->setProperty(_TQNy(), TQCvariant(static_cast<long>(m_shadowThickness + m_titleBand)));
    m_frame->setProperty(_TQNbackColor(), TQCvariant(static_cast<long>(m_workBackColor)));
    m_frame->setVisible(1);
    addFrameProcedure("scrmp", TQEV_MOUSE_PRESS, "_scr_mouse_press", _scr_mouse_press);
    addFrameProcedure("scrmr", TQEV_MOUSE_RELEASE, "_scr_mouse_release", _scr_mouse_release);
    addFrameProcedure("scrmm", TQEV_MOUSE_MOVE, "_scr_mouse_move", _scr_mouse_move);
    addFrameProcedure("scrmm", TQEV_MOUSE_DOUBLE_CLICK, "_scr_mouse_dclick", _scr_mouse_dclick);
    m_hbar = makeBar("-hscr", 0, "_h_scr_work_op", _h_scr_work_op, "_ha_scr_work_op",
                     _ha_scr_work_op);
    m_vbar = makeBar("-vscr", 1, "_v_scr_work_op", _v_scr_work_op, "_va_scr_work_op",
                     _va_scr_work_op);
    if (m_virtualScroll)
        setWorkTQNvirtualScroll(1);
    addInternalProcedure("look", TRIGGER_GUI_POLICY, _look_changed, "_look_changed");
    _adjust();
    return 0;
}

// redraw() leaves the frame out.
void TQCscrForm::_look_changed(TQCbase* form)
{
    static_cast<TQCscrForm*>(form)->TQCform::redraw();
}

void TQCscrForm::addFrameProcedure(const char* name, long trigger, const char* function,
                                   TQCprocedureFunction proc)
{
    TQCprocedure* procedure = new TQCprocedure(name, trigger);
    procedure->setInternal(1);
    procedure->setFunction(proc, function);
    m_frame->addProcedure(procedure);
}

// The bars sit on the form's own window.
TQCvscrBar* TQCscrForm::makeBar(const char* suffix, unsigned char orientation,
                                const char* valueOp, TQCprocedureFunction value,
                                const char* activateOp, TQCprocedureFunction activate)
{
    TQCvscrBar* bar = TQCvscrBar::makePart(this, getUseScrBarClass(), suffix, orientation,
                                           {valueOp, value, activateOp, activate});
    const std::pair<const char*, long> handed[] = {
        {_TQNshadowThickness(), static_cast<long>(m_shadowThickness)},
        {_TQNbackColor(), m_backColor},
        {_TQNforeColor(), m_foreColor},             {_TQNtopShadowColor(), m_topShadowColor},
        {_TQNbottomShadowColor(), m_bottomShadowColor},
        {_TQNbarShadowColor(), m_barShadowColor},   {_TQNpageIncrement(), m_pageIncrement}};
    for (const auto& [property, v] : handed)
        bar->setProperty(property, TQCvariant(v));
    return bar;
}

void TQCscrForm::toBothBars(const char* property, long value)
{
    if (m_hbar == nullptr || m_vbar == nullptr)
        return;
    TQCvariant v(value);
    m_hbar->setProperty(property, v);
    m_vbar->setProperty(property, v);
}

// ---------------------------------------------------------------------------
// Hooks of the inherited properties

// Look bit 0 gives the bars the form's thickness, bit 1 a thickness of 2.
void TQCscrForm::setWorkTQNshadowThickness(unsigned char thickness)
{
    if (m_frame == nullptr)
        return;
    toBothBars(_TQNshadowThickness(), (lookPolicy() & TQCguiPolicy::LOOK_B) ? 2 : thickness);
    m_frame->setProperty(_TQNx(), TQCvariant(static_cast<long>(thickness)));
    m_frame->setProperty(_TQNy(), TQCvariant(static_cast<long>(thickness + m_titleBand)));
    m_frame->setAbsoluteDraw(0);
}

void TQCscrForm::setWorkTQNforeColor(short color)
{
    toBothBars(_TQNforeColor(), color);
}

void TQCscrForm::setWorkTQNtopShadowColor(short color)
{
    toBothBars(_TQNtopShadowColor(), color);
}

void TQCscrForm::setWorkTQNbottomShadowColor(short color)
{
    toBothBars(_TQNbottomShadowColor(), color);
}

void TQCscrForm::setWorkTQNbackColor(short color)
{
    toBothBars(_TQNbackColor(), color);
    TQCform::setWorkTQNbackColor(color);
}

void TQCscrForm::setWorkTQNpixmapStyle(unsigned char style)
{
    TQCform::setWorkTQNpixmapStyle(style);
    if (m_frame != nullptr)
        m_frame->setProperty(_TQNpixmapStyle(), TQCvariant(static_cast<long>(style)));
}

// ---------------------------------------------------------------------------
// Hooks of the own properties that do not scroll

void TQCscrForm::relayOut()
{
    if (m_frame != nullptr)
        _adjust();
}

// 0 is kept as 1; the vertical bar hears it first.
void TQCscrForm::setWorkTQNincrement(unsigned short step)
{
    if (step == 0)
        m_increment = 1;
    if (m_vbar != nullptr) {
        m_vbar->setProperty(_TQNincrement(), TQCvariant(static_cast<long>(m_increment)));
        m_hbar->setProperty(_TQNincrement(), TQCvariant(static_cast<long>(m_increment)));
    }
}

void TQCscrForm::setWorkTQNpageIncrement(unsigned short step)
{
    if (step == 0)
        m_pageIncrement = 1;
    if (m_vbar != nullptr) {
        m_vbar->setProperty(_TQNpageIncrement(), TQCvariant(static_cast<long>(m_pageIncrement)));
        m_hbar->setProperty(_TQNpageIncrement(), TQCvariant(static_cast<long>(m_pageIncrement)));
    }
}

void TQCscrForm::setWorkTQNworkBackColor(short color)
{
    if (m_frame != nullptr)
        m_frame->setProperty(_TQNbackColor(), TQCvariant(static_cast<long>(color)));
}

void TQCscrForm::setWorkTQNbarShadowColor(short color)
{
    toBothBars(_TQNbarShadowColor(), color);
}

// ---------------------------------------------------------------------------
// Device, visibility, pointer and edit mode

long TQCscrForm::_device_initialize()
{
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return -1;
    // The layout may show widgets on the frame (a directory tree makes its
    // first rows there); a window-less widget joins the input of the device
    // it draws on when it gets its own, so the frame's comes first.
    if (m_frame != nullptr && m_frame->getOwnVisible())
        m_frame->attachdev();
    _adjust();
    dev->setEnableEventBit(kFormEvents);
    if (m_frame != nullptr) {
        for (auto [property, v] : {std::pair{_TQNworkWidth(), m_workWidth},
                                   {_TQNworkHeight(), m_workHeight},
                                   {_TQNhbarValue(), m_hbarValue},
                                   {_TQNvbarValue(), m_vbarValue}})
            m_frame->setProperty(property, TQCvariant(static_cast<long>(v)));
    }
    TQCform::_device_initialize();
    return 0;
}

// Shown with a vertical bar, the form takes the pointer, and with it the
// wheel.
void TQCscrForm::takeMouseFocus()
{
    if (TQDmouse* mouse = TQGIappMouse())
        mouse->setMouseFocusClient(this);
}

void TQCscrForm::onVisibleChange(unsigned char on)
{
    LifeGuard guard(this);
    TQCform::onVisibleChange(on);
    if (!guard.alive())
        return;
    TQCbase::onSensitiveChange(on);
    if (on && m_vbar != nullptr && m_vbar->getOwnVisible() && getVisible())
        takeMouseFocus();
}

void TQCscrForm::onParentVisibleChange(unsigned char on)
{
    LifeGuard guard(this);
    TQCform::onParentVisibleChange(on);
    if (!guard.alive())
        return;
    TQCbase::onSensitiveChange(on);
    if (on == 1 && m_vbar != nullptr && m_vbar->getOwnVisible() && getVisible())
        takeMouseFocus();
}

long TQCscrForm::setPropertyEditMode(unsigned char on)
{
    long result = TQCbase::setPropertyEditMode(on);
    if (m_frame != nullptr)
        m_frame->setPropertyEditMode(on);
    return result;
}

void TQCscrForm::onActivate()
{
    execProcedure(TQEV_ACTIVATE);
}

void TQCscrForm::onValueChange()
{
    execProcedure(TQEV_VALUE_CH);
}

void TQCscrForm::onScrMousePress(TQCpoint*)
{
    execProcedure(TRIGGER_SCR_MOUSE_PRESS);
}

void TQCscrForm::onScrMouseRelease(TQCpoint*)
{
    execProcedure(TRIGGER_SCR_MOUSE_RELEASE);
}

void TQCscrForm::onScrMouseMove(TQCpoint*)
{
    execProcedure(TRIGGER_SCR_MOUSE_MOVE);
}

void TQCscrForm::onScrMouseDoubleClick(TQCpoint*)
{
    execProcedure(TRIGGER_SCR_MOUSE_DCLICK);
}

// ---------------------------------------------------------------------------
// Painting

long TQCscrForm::lookPolicy()
{
    return TQGIappGuiPolicy()->getGuiPolicy();
}

long TQCscrForm::marginInLook()
{
    return (lookPolicy() & TQCguiPolicy::LOOK_B) ? 0 : m_margin;
}

long TQCscrForm::draw()
{
    if (getNoRefresh()) {
        TQCbase::update();
        setAbsoluteDraw(0);
        return 0;
    }
    if (!getVisible() || m_frame == nullptr)
        return 0;
    LifeGuard guard(this);
    if (isNeedUpdate())
        _adjust();
    if (m_virtualScroll)
        giveOffsetPointers(true, true);
    _adjust_scr_area();
    long vg = barGap(_get_vbar_visible());
    long hg = barGap(_get_hbar_visible());
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return -1;
    if (!getAbsoluteDraw() && !dev->isExposed(0, 0, m_width, m_height, 1))
        return 0;
    if (m_sizeChanged) {
        m_sizeChanged = 0;
        execResizeEvent();
        if (!guard.alive())
            return 0;
    }
    if (getGeometryChanged() || m_reanchor) {
        _exec_child_adjust_for_anchors();
        if (!guard.alive())
            return 0;
    }
    if (drawThroughLook(dev))
        return 0;
    paint(dev, lookPolicy(), vg, hg);
    return 0;
}

// Under look bit 1 the shadow frames the whole form and the bars lie
// inside it; under bit 0 it frames the view only.
void TQCscrForm::paint(TQDdev* dev, long policy, long vg, long hg)
{
    long st = m_shadowThickness;
    bool lookB = (policy & TQCguiPolicy::LOOK_B) != 0;
    if (dev->beginDraw(0, 0, m_width, m_height, 1, 1) != 0)
        return;
    if (st != 0 && lookB)
        TQGFdrawShadow(dev, m_shadowType, m_shadowThickness, m_foreColor, m_topShadowColor,
                       m_bottomShadowColor, m_backColor, 0, 0, m_width, m_height, 0);
    dev->endDraw();
    if (dev->beginDraw(0, 0, m_width, m_height, getAbsoluteDraw(), 1) != 0)
        return;
    TQCbase::update();
    setAbsoluteDraw(0);
    if (m_backPixmap == -1) {
        dev->setForeColor(m_backColor);
        if (lookB)
            dev->drawFillRect(static_cast<short>(m_width - st - vg),
                              static_cast<short>(m_height - st - hg),
                              static_cast<unsigned short>(vg), static_cast<unsigned short>(hg));
        else
            dev->drawFillRect(0, 0, m_width, m_height);
    }
    if (st != 0 && !lookB)
        TQGFdrawShadow(dev, m_shadowType, m_shadowThickness, m_foreColor, m_topShadowColor,
                       m_bottomShadowColor, m_backColor, 0, 0,
                       static_cast<unsigned short>(m_width - vg),
                       static_cast<unsigned short>(m_height - hg), 0);
    dev->setForeColor(m_workBackColor);
    dev->drawFillRect(static_cast<short>(st), static_cast<short>(st),
                      static_cast<unsigned short>(m_width - vg - 2 * st),
                      static_cast<unsigned short>(m_height - hg - 2 * st));
    dev->endDraw();
}

long TQCscrForm::barGap(bool shown)
{
    return shown ? marginInLook() + m_barThickness : 0;
}

void TQCscrForm::fillDrawBlock(TQCscrFormDrawBlock& block)
{
    fillFormFields(block);
    block.workBackColor = m_workBackColor;
    block.barThickness = m_barThickness;
    block.margin = m_margin;
    block.titleHeight = m_titleBand;
    block.frame = m_frameFlag;
    block.vbarShown = _get_vbar_visible();
    block.hbarShown = _get_hbar_visible();
}

long TQCscrForm::cdraw()
{
    if (m_frame != nullptr)
        m_frame->cdraw();
    return TQCform::cdraw();
}

// Inside the shadow only: the bars and the frame repaint themselves.
long TQCscrForm::redraw()
{
    TQDdev* dev = getowndev();
    if (dev == nullptr || !getVisible())
        return -1;
    long st = m_shadowThickness;
    dev->clearArea(st, st, static_cast<unsigned long>(m_width - 2 * st),
                   static_cast<unsigned long>(m_height - 2 * st), 1, 1);
    return 0;
}

long TQCscrForm::clear()
{
    TQCform::clear();
    return 0;
}
