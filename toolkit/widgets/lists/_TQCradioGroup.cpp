// Radio group: construction, the 28 properties, the value kept in step with
// the toggles, their notices, focus, and access to the toggles by position.
// Layout and drawing have a file of their own.
#include "_TQCradioGroup.h"

#include "_TQCfontSet.h"
#include "_TQCstring.h"
#include "_TQCtypeServerFrame.h"
#include "_TQCvtoggle.h"
#include "_TQDkeyboard.h"
#include "_TQGFtrigger.h"

TQ_TYPE_SERVER_FRAME(TQCradioGroup, TQCform);

namespace {

const char kDefaultItems[] = "item1,item2,item3";

unsigned char defaultFontNo()
{
    return static_cast<unsigned char>(TQGIappFontSet()->getDefaultFontNo());
}

// The default of "font" follows the font set, which the platform fills in
// after the class registered its properties.
void writeDefaultFontNo(void* value)
{
    *static_cast<unsigned char*>(value) = defaultFontNo();
}

} // namespace

TQCradioGroup::TQCradioGroup(TQCbase* parent, const char* name)
    : TQCform(parent, name), m_toggles(8), m_font(defaultFontNo()), m_margin(4),
      m_indicatorSize(16), m_indicatorType(0), m_indicatorShadow(2), m_orientation(1),
      m_indicatorOn(1), m_enableFocusMove(0), m_returnKeyFocus(0), m_unique(1), m_holdNotices(0),
      m_closing(0)
{
    m_shadowType = 3;
    _register_focus_move();
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, menuItems, kDefaultItems);
        TQ_WATCH_SLOT(r, value, ValueSlot, 0);
        TQ_WATCH(r, titleString, nullptr);
        TQ_WATCH(r, menuItemHeight, 20);
        TQ_WATCH_BITS(r, font, 0)->setGetDefaultValueHandler(writeDefaultFontNo);
        TQ_WATCH_BITS(r, margin, 4);
        r.changeDefault<m_shadowTypeSlot>(_TQNshadowType(), 3);
        TQ_WATCH_INDICATOR(r, 16, -11);
        TQ_WATCH(r, labelPixmap, -1);
        TQ_WATCH_BITS(r, orientation, 1, orientation);
        TQ_REGISTER_FOCUS_MOVING(r);
        TQ_WATCH(r, shortcut, nullptr);
        r.triggers({TQEV_VALUE_CH});
    });
}

TQCradioGroup::~TQCradioGroup()
{
    m_closing = 1;
    if (getFocus())
        setFocus(0);
    if (m_returnKeyFocus && getSpecialFocus())
        setSpecialFocus(0);
    for (char** text : {&m_titleString, &m_menuItems, &m_upward, &m_downward, &m_leftward,
                        &m_rightward, &m_return, &m_tab, &m_backtab, &m_shortcut}) {
        delete[] *text;
        *text = nullptr;
    }
    m_toggles.clear();
}

// ---------------------------------------------------------------------------
// Value

// Fields as the labels are taken from them.
long TQCradioGroup::itemCount() const
{
    if (m_menuItems == nullptr)
        return 0;
    return TQCstring(m_menuItems, -2).getWords(",");
}

TQCvtoggle* TQCradioGroup::toggleAt(long i) const
{
    return static_cast<TQCvtoggle*>(m_toggles.getData(i));
}

// The toggles hold the truth; the stored value follows them.
unsigned long TQCradioGroup::currentValue()
{
    if (itemCount() > 0 && m_toggles.getNum() > 0)
        m_value = static_cast<unsigned long>(toggleAt(0)->getGroupValue());
    return m_value;
}

// The toggles' own notices are held back while they are set one by one:
// the group would otherwise store and announce the values in between, and a
// later set equal to such a value would be skipped. Afterwards the value is
// what the toggles show.
void TQCradioGroup::setWorkTQNvalue(unsigned long value)
{
    m_value = value;
    if (m_toggles.getNum() == 0)
        layOut();
    if (m_toggles.getNum() == 0)
        return;
    LifeGuard guard(this);
    m_holdNotices = 1;
    toggleAt(0)->setGroupValue(static_cast<long>(value));
    if (!guard.alive())
        return;
    m_holdNotices = 0;
    currentValue();
}

void TQCradioGroup::_value_ch_handler(TQCbase* toggle)
{
    TQCradioGroup* group = static_cast<TQCradioGroup*>(toggle->getUserData("parentptr"));
    if (group == nullptr || group->m_holdNotices || group->m_closing ||
        group->itemCount() == 0 || group->m_toggles.getNum() == 0)
        return;
    unsigned long value = static_cast<unsigned long>(group->toggleAt(0)->getGroupValue());
    if (value == group->m_value)
        return;
    group->m_value = value;
    group->onValueChange();
}

void TQCradioGroup::onValueChange()
{
    execProcedure(TQEV_VALUE_CH);
}

// ---------------------------------------------------------------------------
// Rebuilding hooks

void TQCradioGroup::setWorkTQNmenuItems(char*)
{
    _adjust();
}

void TQCradioGroup::setWorkTQNfont(unsigned char)
{
    _adjust();
}

void TQCradioGroup::setWorkTQNmargin(unsigned char)
{
    _adjust();
}

void TQCradioGroup::setWorkTQNshortcut(char*)
{
    _adjust();
}

void TQCradioGroup::setWorkTQNbackColor(short color)
{
    for (long i = 0; i < m_toggles.getNum(); ++i)
        toggleAt(i)->setProperty(_TQNbackColor(), TQCvariant(static_cast<long>(color)));
    TQCform::setWorkTQNbackColor(color);
}

void TQCradioGroup::update()
{
    LifeGuard guard(this);
    _adjust();
    if (guard.alive())
        TQCform::update();
}

void TQCradioGroup::onVisibleChange(unsigned char on)
{
    LifeGuard guard(this);
    TQCform::onVisibleChange(on);
    if (!guard.alive() || !on)
        return;
    needUpdate();
    _adjust();
}

// ---------------------------------------------------------------------------
// Focus

void TQCradioGroup::onFocusChange(unsigned char on)
{
    TQDkeyboard* keyboard = TQGIappKeyboard();
    if (m_returnKeyFocus) {
        if (keyboard != nullptr)
            keyboard->resetSpecialInputWorkProc();
        setSpecialFocus(on);
    }
    if (!on)
        return;
    TQCvtoggle* first = nullptr;
    for (long i = 0; i < m_toggles.getNum(); ++i) {
        TQCvtoggle* toggle = toggleAt(i);
        if (!toggle->getSensitive())
            continue;
        if (toggle->getStatus()) {
            toggle->setFocus(on);
            return;
        }
        if (first == nullptr)
            first = toggle;
    }
    if (first == nullptr)
        return;
    LifeGuard guard(first);
    first->setFocus(on);
    if (!m_unique && guard.alive())
        first->setSpecialFocus(on);
}

// ---------------------------------------------------------------------------
// Toggles by position

TQCbase* TQCradioGroup::getItem(short n)
{
    if (n == -1)
        return m_toggles.getNum() > 0 ? toggleAt(m_toggles.getNum() - 1) : nullptr;
    if (n < 0 || n >= m_toggles.getNum())
        return nullptr;
    return toggleAt(n);
}

long TQCradioGroup::setItemSensitive(short n, unsigned char on)
{
    TQCbase* toggle = getItem(n);
    if (toggle == nullptr)
        return -1;
    toggle->setSensitive(on);
    return 0;
}

unsigned char TQCradioGroup::getItemSensitive(short n)
{
    TQCbase* toggle = getItem(n);
    return toggle != nullptr ? toggle->getSensitive() : 0;
}
