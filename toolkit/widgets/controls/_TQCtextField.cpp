// Text field: construction, the properties and the hooks that hand them to
// the parts, the parts themselves and their layout by the look, painting,
// visibility and focus. How the bars and the text scroll together, the
// lines, the text operations and the parts' events have a file of their
// own.
#include "_TQCtextField.h"

#include <string>
#include <utility>

#include "_TQCfontSet.h"
#include "_TQCguiPolicy.h"
#include "_TQCtypeServerFrame.h"
#include "_TQCvmifield.h"
#include "_TQDdev.h"
#include "_TQDfont.h"
#include "_TQDmouse.h"
#include "_TQGFgeometry.h"
#include "_TQGFtrigger.h"

TQ_TYPE_SERVER_FRAME(TQCtextField, TQCform);

namespace {

// A text field smaller than its bars, margin and frame gives its parts a
// size of 1.
long atLeastOne(long size)
{
    return size < 1 ? 1 : size;
}

void setNumber(TQCbase* object, const char* property, long value)
{
    object->setProperty(property, TQCvariant(value));
}

void place(TQCbase* object, long x, long y, long width, long height)
{
    setNumber(object, _TQNx(), x);
    setNumber(object, _TQNy(), y);
    setNumber(object, _TQNwidth(), atLeastOne(width));
    setNumber(object, _TQNheight(), atLeastOne(height));
}

} // namespace

TQCtextField::TQCtextField(TQCbase* parent, const char* name)
    : TQCform(parent, name), m_margin(4), m_enableInput(1),
      m_font(static_cast<unsigned char>(TQGIappFontSet()->getDefaultFontNo())),
      m_hbarVisible(1), m_vbarVisible(1), m_adjusting(0)
{
    _register_focus_move();
    m_shadowType = TQSHADOW_IN;
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, barThickness, 16);
        TQ_WATCH(r, workBackColor, -11);
        TQ_WATCH(r, barShadowColor, -12);
        TQ_WATCH_BITS(r, margin, 4);
        TQ_WATCH_FLAG(r, enableInput, 1, bool3);
        TQ_WATCH_FLAG(r, hbarVisible, 1, bool2);
        TQ_WATCH_FLAG(r, vbarVisible, 1, bool2);
        r.changeDefault<m_shadowTypeSlot>(_TQNshadowType(), TQSHADOW_IN);
        TQ_WATCH(r, vbarValue, 0);
        TQ_WATCH(r, hbarValue, 0);
        TQ_WATCH_BITS(r, font, 0)->setGetDefaultValueHandler(TQGFdefaultFontNo);
        for (const char* unused : {_TQNusePixmap(), _TQNgradation(), _TQNgradationMargin()})
            r.withdraw(unused);
        r.triggers({TQEV_VALUE_CH, TQEV_ACTIVATE, TQEV_KEY_HOOK, TQEV_KEY_PRESS,
                    TQEV_KEY_RELEASE});
        r.info()->setExtTrigger(TRIGGER_SCR_MOUSE_PRESS, "SCR-MOUSE-PRESS");
        r.info()->setExtTrigger(TRIGGER_SCR_MOUSE_RELEASE, "SCR-MOUSE-RELEASE");
        r.info()->setExtTrigger(TRIGGER_SCR_MOUSE_MOVE, "SCR-MOUSE-MOVE");
        r.info()->setExtTrigger(TRIGGER_SCR_FOCUS_CH, "SCR-FOCUS-CH");
    });
}

// The parts' procedures must not reach this text field while the form
// deletes them.
TQCtextField::~TQCtextField()
{
    TQDmouse* mouse = TQGIappMouse();
    if (mouse != nullptr && mouse->getMouseFocusClient() == this)
        mouse->setMouseFocusClient(nullptr);
    if (m_textFrame != nullptr)
        m_textFrame->setUserData(kOwnerKey, nullptr);
}

// ---------------------------------------------------------------------------
// Parts

namespace {

TQCscrBarClassChoice& barClass()
{
    static TQCscrBarClassChoice choice;
    return choice;
}

} // namespace

void TQCtextField::setUseScrBarClass(const char* className)
{
    barClass().set(className);
}

const char* TQCtextField::getUseScrBarClass()
{
    return barClass().get();
}

// The parts take the geometry and colours stored so far; font,
// enableInput and the offsets reach them only through their hooks.
long TQCtextField::initialize()
{
    LifeGuard guard(this);
    TQCform::initialize();
    if (!guard.alive())
        return 0;
    makeInnerForm();
    makeTextFrame();
    long w = m_width, h = m_height, b = m_barThickness, m = effectiveMargin();
    m_hbar = makeBar("-hscr", 0, {"_h_scr_work_op", _h_scr_work_op, "_ha_scr_work_op",
                                  _ha_scr_work_op});
    place(m_hbar, 0, h - b, w - b - m, b);
    setNumber(m_hbar, _TQNmaximum(), 10000);
    m_hbar->setVisible(1);
    m_vbar = makeBar("-vscr", 1, {"_v_scr_work_op", _v_scr_work_op, "_va_scr_work_op",
                                  _va_scr_work_op});
    place(m_vbar, w - b, 0, b, h - b - m);
    m_vbar->setVisible(1);
    if (TQDfont* font = TQGIappFontSet()->getFont(m_font)) {
        setNumber(m_hbar, _TQNincrement(), font->getStringWidth("H", -2));
        setNumber(m_vbar, _TQNincrement(), font->getStringHeight("H", -2));
    }
    _adjust();
    _scr_adjust();
    return 0;
}

void TQCtextField::makeInnerForm()
{
    std::string name = std::string(getInstanceName()) + "-form";
    m_innerForm = new TQCform(this, name.c_str());
    m_innerForm->setInternalObject(1);
    m_innerForm->setUseParentBaseDev(1);
    m_innerForm->initialize();
    long m = effectiveMargin();
    place(m_innerForm, 0, 0, m_width - m_barThickness - m, m_height - m_barThickness - m);
    m_innerForm->setNoRefresh(1);
    m_innerForm->setVisible(1);
    m_innerForm->addInternalProcedure("scrmp", TQEV_MOUSE_PRESS, _scr_mouse_press,
                                      "_scr_mouse_press");
    m_innerForm->addInternalProcedure("scrmr", TQEV_MOUSE_RELEASE, _scr_mouse_release,
                                      "_scr_mouse_release");
    m_innerForm->addInternalProcedure("scrmm", TQEV_MOUSE_MOVE, _scr_mouse_move,
                                      "_scr_mouse_move");
}

void TQCtextField::makeTextFrame()
{
    std::string name = std::string(getInstanceName()) + "-ifd";
    m_textFrame = new TQCvmifield(m_innerForm, name.c_str());
    m_textFrame->setInternalObject(1);
    m_textFrame->initialize();
    long m = effectiveMargin();
    place(m_textFrame, 0, 0, m_width - m_barThickness - m, m_height - m_barThickness - m);
    for (auto [property, v] : {std::pair{_TQNbackColor(), static_cast<long>(m_workBackColor)},
                               {_TQNtopShadowColor(), m_topShadowColor},
                               {_TQNbottomShadowColor(), m_bottomShadowColor},
                               {_TQNshadowThickness(), 0L},
                               {_TQNusePixmap(), 1L}})
        setNumber(m_textFrame, property, v);
    m_textFrame->setVisible(1);
    m_textFrame->setUserData(kOwnerKey, this);
    m_textFrame->addInternalProcedure("value-ch", TQEV_VALUE_CH, _valuech_work, "_valuech_work");
    m_textFrame->addInternalProcedure("key-press", TQEV_KEY_PRESS, _keypress_work,
                                      "_keypress_work");
    m_textFrame->addInternalProcedure("key-release", TQEV_KEY_RELEASE, _keyrelease_work,
                                      "_keyrelease_work");
    m_textFrame->addInternalProcedure("key-hook", TQEV_KEY_HOOK, _keyhook_work,
                                      "_keyhook_work");
    m_textFrame->addInternalProcedure("focus-ch", TQEV_FOCUS_CH, _focus_ch_work,
                                      "_focus_ch_work");
}

TQCvscrBar* TQCtextField::makeBar(const char* suffix, unsigned char orientation,
                                  const TQCvscrBar::PartProcedures& procedures)
{
    TQCvscrBar* bar =
        TQCvscrBar::makePart(this, getUseScrBarClass(), suffix, orientation, procedures);
    for (auto [property, v] : {std::pair{_TQNshadowThickness(),
                                         static_cast<long>(m_shadowThickness)},
                               {_TQNbackColor(), m_backColor},
                               {_TQNforeColor(), m_foreColor},
                               {_TQNtopShadowColor(), m_topShadowColor},
                               {_TQNbottomShadowColor(), m_bottomShadowColor},
                               {_TQNbarShadowColor(), m_barShadowColor}})
        setNumber(bar, property, v);
    return bar;
}

void TQCtextField::toBars(const char* property, long value)
{
    if (m_hbar == nullptr || m_vbar == nullptr)
        return;
    setNumber(m_hbar, property, value);
    setNumber(m_vbar, property, value);
}

TQCbase* TQCtextField::getPropertyInheritChild()
{
    return m_textFrame;
}

// ---------------------------------------------------------------------------
// Layout

long TQCtextField::lookPolicy()
{
    return TQGIappGuiPolicy()->getGuiPolicy();
}

// The second look has no margin between the text and the bars.
long TQCtextField::effectiveMargin()
{
    return (lookPolicy() & TQCguiPolicy::LOOK_B) ? 0 : m_margin;
}

unsigned long TQCtextField::viewHeight()
{
    long v = static_cast<long>(m_height) - m_barThickness - 2 * m_shadowThickness -
             effectiveMargin();
    return v < 0 ? 1 : static_cast<unsigned long>(v);
}

unsigned long TQCtextField::viewWidth()
{
    long u = static_cast<long>(m_width) - m_barThickness - 2 * m_shadowThickness -
             effectiveMargin();
    return u < 0 ? 1 : static_cast<unsigned long>(u);
}

void TQCtextField::relayOut()
{
    if (m_textFrame != nullptr)
        _adjust();
}

void TQCtextField::_adjust()
{
    if (m_adjusting || m_textFrame == nullptr)
        return;
    m_adjusting = 1;
    long s = m_shadowThickness, b = m_barThickness, m = effectiveMargin();
    long w = m_vbarVisible ? m_width - b - m - 2 * s : m_width - 2 * s;
    long h = m_hbarVisible ? m_height - b - m - 2 * s : m_height - 2 * s;
    place(m_innerForm, s, s, w, h);
    place(m_textFrame, 0, 0, w, h);
    placeBars();
    m_vbar->setVisible(m_vbarVisible);
    m_hbar->setVisible(m_hbarVisible);
    // A new view height changes the vertical range too; the bar would
    // otherwise cut the new slider down to the old range.
    _scr_adjust();
    m_adjusting = 0;
}

// The first look puts the bars flush with the outer edge, outside the
// frame; the second inside it. With neither the bars stay where they are.
void TQCtextField::placeBars()
{
    long policy = lookPolicy();
    if (!(policy & (TQCguiPolicy::LOOK_A | TQCguiPolicy::LOOK_B)))
        return;
    long inset = (policy & TQCguiPolicy::LOOK_B) ? m_shadowThickness : 0;
    long w = m_width, h = m_height, b = m_barThickness, m = effectiveMargin();
    place(m_vbar, w - b - inset, inset, b, (m_hbarVisible ? h - b - m : h) - 2 * inset);
    place(m_hbar, inset, h - b - inset, (m_vbarVisible ? w - b - m : w) - 2 * inset, b);
    setNumber(m_vbar, _TQNsliderSize(), static_cast<long>(viewHeight()));
    setNumber(m_hbar, _TQNsliderSize(), static_cast<long>(viewWidth()));
}

// ---------------------------------------------------------------------------
// Hooks

void TQCtextField::setWorkTQNwidth(unsigned short width)
{
    TQCform::setWorkTQNwidth(width);
    relayOut();
}

void TQCtextField::setWorkTQNheight(unsigned short height)
{
    TQCform::setWorkTQNheight(height);
    relayOut();
}

void TQCtextField::setWorkTQNshadowThickness(unsigned char thickness)
{
    TQCform::setWorkTQNshadowThickness(thickness);
    toBars(_TQNshadowThickness(), thickness);
    relayOut();
}

void TQCtextField::setWorkTQNforeColor(short color)
{
    toBars(_TQNforeColor(), color);
}

void TQCtextField::setWorkTQNbackColor(short color)
{
    toBars(_TQNbackColor(), color);
    TQCform::setWorkTQNbackColor(color);
}

void TQCtextField::setWorkTQNtopShadowColor(short color)
{
    if (m_textFrame != nullptr)
        setNumber(m_textFrame, _TQNtopShadowColor(), color);
    toBars(_TQNtopShadowColor(), color);
}

void TQCtextField::setWorkTQNbottomShadowColor(short color)
{
    if (m_textFrame != nullptr)
        setNumber(m_textFrame, _TQNbottomShadowColor(), color);
    toBars(_TQNbottomShadowColor(), color);
}

void TQCtextField::setWorkTQNworkBackColor(short color)
{
    if (m_textFrame != nullptr)
        setNumber(m_textFrame, _TQNbackColor(), color);
}

void TQCtextField::setWorkTQNbarThickness(unsigned short)
{
    relayOut();
}

void TQCtextField::setWorkTQNbarShadowColor(short color)
{
    toBars(_TQNbarShadowColor(), color);
}

void TQCtextField::setWorkTQNhbarVisible(TQCbool)
{
    relayOut();
}

void TQCtextField::setWorkTQNvbarVisible(TQCbool)
{
    relayOut();
}

// The input field's sensitivity as setSensitive sets it: repainted, its
// SENSITIVE_CH run and its children told.
void TQCtextField::setWorkTQNenableInput(TQCbool on)
{
    if (m_textFrame != nullptr)
        m_textFrame->setSensitive(on);
}

void TQCtextField::setWorkTQNfont(unsigned char no)
{
    if (m_textFrame == nullptr)
        return;
    setNumber(m_textFrame, _TQNfont(), no);
    measureFont();
}

// A font that is not there leaves the measures and increments as they were.
void TQCtextField::measureFont()
{
    TQDfont* font = TQGIappFontSet()->getFont(m_font);
    if (font == nullptr)
        return;
    m_fontWidth = font->getStringWidth("H", -2);
    m_fontHeight = font->getStringHeight("H", -2);
    if (m_hbar == nullptr || m_vbar == nullptr)
        return;
    setNumber(m_hbar, _TQNincrement(), atLeastOne(m_fontWidth - 1));
    setNumber(m_vbar, _TQNincrement(), atLeastOne(m_fontHeight - 1));
}

long TQCtextField::_get_font_width()
{
    if (m_fontWidth == 0)
        setWorkTQNfont(m_font);
    return m_fontWidth;
}

long TQCtextField::_get_font_height()
{
    if (m_fontHeight == 0)
        setWorkTQNfont(m_font);
    return m_fontHeight;
}

// ---------------------------------------------------------------------------
// Painting, visibility and focus

// Outside edit mode only the frame is the text field's own to paint.
bool TQCtextField::frameExposed(TQDdev* dev)
{
    unsigned short w = m_width, h = m_height, s = m_shadowThickness;
    if (getPropertyEditMode())
        return dev->isExposed(0, 0, w, h, 1);
    return dev->isExposed(0, 0, w, s, 1) || dev->isExposed(0, 0, s, h, 1) ||
           dev->isExposed(static_cast<short>(w - s), 0, s, h, 1) ||
           dev->isExposed(0, static_cast<short>(h - s), w, s, 1);
}

// The first look frames the text area only, the second the whole field
// with the bars inside.
long TQCtextField::draw()
{
    if (!getVisible())
        return 0;
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return -1;
    if (!getAbsoluteDraw() && !frameExposed(dev))
        return 0;
    if (dev->beginDraw(0, 0, m_width, m_height, getAbsoluteDraw(), 1) != 0)
        return 0;
    paintGround(dev, getAbsoluteDraw(), DOTS_INSIDE_AREA);
    if (m_shadowThickness > 0) {
        long w = m_width, h = m_height;
        if (!(lookPolicy() & TQCguiPolicy::LOOK_B)) {
            w = m_vbarVisible ? w - m_barThickness - m_margin : w;
            h = m_hbarVisible ? h - m_barThickness - m_margin : h;
        }
        TQGFdrawShadow(dev, m_shadowType, m_shadowThickness, m_foreColor, m_topShadowColor,
                       m_bottomShadowColor, m_backColor, 0, 0,
                       static_cast<unsigned short>(atLeastOne(w)),
                       static_cast<unsigned short>(atLeastOne(h)), 0);
    }
    dev->endDraw();
    return 0;
}

void TQCtextField::update()
{
    LifeGuard guard(this);
    if (m_textFrame != nullptr) {
        m_hbar->update();
        m_vbar->update();
        if (!guard.alive())
            return;
        followText();
        m_textFrame->redraw();
        m_innerForm->redraw();
        if (!guard.alive())
            return;
    }
    TQCform::update();
}

void TQCtextField::takeWheel()
{
    if (TQDmouse* mouse = TQGIappMouse())
        mouse->setMouseFocusClient(this);
}

void TQCtextField::shownAgain(unsigned char on)
{
    setAbsoluteDraw(1);
    needUpdate();
    if (on && m_vbar != nullptr && getVisible())
        takeWheel();
}

void TQCtextField::onVisibleChange(unsigned char on)
{
    LifeGuard guard(this);
    TQCform::onVisibleChange(on);
    if (guard.alive())
        shownAgain(on);
}

void TQCtextField::onParentVisibleChange(unsigned char on)
{
    LifeGuard guard(this);
    TQCform::onParentVisibleChange(on);
    if (guard.alive())
        shownAgain(on);
}

void TQCtextField::onFocusChange(unsigned char on)
{
    TQCform::onFocusChange(on);
    if (on && m_textFrame != nullptr)
        m_textFrame->setFocus(1);
}
