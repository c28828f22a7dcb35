// Combo box: construction and properties, the field and the arrow button
// with their wiring and layout, focus, the frame it draws and destruction.
// The drop-down has a file of its own.
#include "_TQCcomboBox.h"

#include "_TQCfontSet.h"
#include "_TQClist.h"
#include "_TQClist_internal.h"
#include "_TQCtypeServerFrame.h"
#include "_TQCvarrow.h"
#include "_TQCvifield.h"
#include "_TQCwindow.h"
#include "_TQDdev.h"
#include "_TQGFgeometry.h"
#include "_TQGFstretchPopup.h"
#include "_TQGFtrigger.h"

using namespace tqlist;

TQ_TYPE_SERVER_FRAME(TQCcomboBox, TQCform);

namespace {

const char kDefaultItems[] = "item1,item2,item3";
const char kBackPointer[] = "_CMB";
const char kDownward = 4;

} // namespace

TQCcomboBox::TQCcomboBox(TQCbase* parent, const char* name)
    : TQCform(parent, name), m_font(0), m_keySelection(0)
{
    m_shadowType = 1;
    m_font = static_cast<unsigned char>(TQGIappFontSet()->getDefaultFontNo());
    m_menuItems = TQGFstrdup(kDefaultItems);
    _register_focus_move();
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, menuItems, kDefaultItems);
        TQ_WATCH(r, maxHeight, 0);
        TQ_WATCH(r, backBlinkColor, -13);
        TQ_WATCH(r, workBackColor, -11);
        TQ_WATCH_BITS(r, font, 0)->setGetDefaultValueHandler(TQGFdefaultFontNo);
        TQ_WATCH(r, itemHeight, 20);
        TQ_WATCH(r, increment, 10);
        TQ_WATCH(r, pageIncrement, 100);
        r.changeDefault<m_shadowTypeSlot>(_TQNshadowType(), 1);
        // The field's own focus moves stay out of the box's list.
        for (const char* unused : {_TQNupward(), _TQNdownward(), _TQNreturn()})
            r.withdraw(unused);
        r.triggers({TQEV_VALUE_CH, TQEV_ACTIVATE, TQEV_KEY_PRESS, TQEV_KEY_RELEASE,
                    TQEV_KEY_HOOK});
    });
}

TQCcomboBox::~TQCcomboBox()
{
    closeForGood();
    if (m_popup != nullptr) {
        TQGFcleanupStretchAction(m_popup);
        delete m_popup;
        m_popup = nullptr;
        m_list = nullptr;
    }
    delete[] m_menuItems;
    m_menuItems = nullptr;
}

TQCcomboBox* TQCcomboBox::boxOf(TQCbase* part)
{
    return part != nullptr ? static_cast<TQCcomboBox*>(part->getUserData(kBackPointer)) : nullptr;
}

// ---------------------------------------------------------------------------
// Parts

long TQCcomboBox::initialize()
{
    TQCbase::initialize();
    makeButton();
    makeField();
    const char* fieldName = m_field->getInstanceName();
    for (const char* direction : {_TQNtab(), _TQNbacktab(), _TQNupward(), _TQNdownward(),
                                  _TQNleftward(), _TQNrightward()})
        m_button->setPropertyV(direction, fieldName);
    _adjust();
    m_button->setVisible(1);
    m_field->setVisible(1);
    return 0;
}

void TQCcomboBox::makeButton()
{
    std::string name = std::string("cw-btn-") + getInstanceName();
    m_button = new TQCvarrow(this, name.c_str());
    m_button->setInternalObject(1);
    m_button->initialize();
    m_button->setPropertyV(_TQNarrowDirection(), kDownward);
    m_button->setUserData(kBackPointer, this);
    m_button->addInternalProcedure("btn proc", TQEV_MOUSE_PRESS, _btn_work, "_btn_work");
    m_button->addInternalProcedure("key proc", TQEV_KEY_PRESS, _btn_key_press_work,
                                   "_btn_key_press_work");
}

void TQCcomboBox::makeField()
{
    std::string name = std::string("cw-if-") + getInstanceName();
    m_field = new TQCvifield(this, name.c_str());
    m_field->setInternalObject(1);
    m_field->initialize();
    setNumber(m_field, _TQNx(), 0);
    setNumber(m_field, _TQNy(), 0);
    setNumber(m_field, _TQNshadowType(), m_shadowType);
    setNumber(m_field, _TQNenableFocusMove(), 1);
    m_field->setUserData(kBackPointer, this);
    m_field->addInternalProcedure("key press proc", TQEV_KEY_PRESS, _key_press_work,
                                  "_key_press_work");
    m_field->addInternalProcedure("key release proc", TQEV_KEY_RELEASE, _key_release_work,
                                  "_key_release_work");
    // The key hook's procedure goes by the release procedure's name too.
    m_field->addInternalProcedure("key release proc", TQEV_KEY_HOOK, _key_hook_work,
                                  "_key_hook_work");
    m_field->addInternalProcedure("value ch proc", TQEV_VALUE_CH, _value_ch_work,
                                  "_value_ch_work");
    m_field->addInternalProcedure("activate proc", TQEV_ACTIVATE, _activate_work,
                                  "_activate_work");
}

// The field fills the height on the left; the button sits inset by t + 1
// in the H x H square at the right end, which the box frames itself.
void TQCcomboBox::_adjust()
{
    if (m_field == nullptr || m_button == nullptr)
        return;
    long w = m_width, h = m_height, t = m_shadowThickness;
    long square = w > h ? w - h : 0;
    const std::pair<const char*, long> field[] = {
        {_TQNwidth(), atLeastOne(w - h)},
        {_TQNheight(), h},
        {_TQNshadowThickness(), t},
        {_TQNshadowType(), static_cast<long>(m_shadowType)},
        {_TQNbackColor(), m_workBackColor},
        {_TQNforeColor(), m_foreColor},
        {_TQNtopShadowColor(), m_topShadowColor},
        {_TQNbottomShadowColor(), m_bottomShadowColor}};
    for (const auto& [name, value] : field)
        setNumber(m_field, name, value);
    long side = atLeastOne(h - 2 * t - 2);
    const std::pair<const char*, long> button[] = {
        {_TQNx(), square + t + 1},
        {_TQNy(), t + 1},
        {_TQNwidth(), side},
        {_TQNheight(), side},
        {_TQNshadowThickness(), t},
        {_TQNbackColor(), m_backColor},
        {_TQNforeColor(), m_foreColor},
        {_TQNtopShadowColor(), m_topShadowColor},
        {_TQNbottomShadowColor(), m_bottomShadowColor}};
    for (const auto& [name, value] : button)
        setNumber(m_button, name, value);
}

TQCbase* TQCcomboBox::getPropertyInheritChild()
{
    return m_field;
}

long TQCcomboBox::_device_initialize()
{
    TQCform::_device_initialize();
    return 0;
}

// ---------------------------------------------------------------------------
// Form hooks

// Each of these form hooks runs as the form's, then places the parts again.
#define TQ_COMBO_LAYOUT_HOOK(prop, Type)                                         \
    void TQCcomboBox::setWorkTQN##prop(Type value)                               \
    {                                                                            \
        TQCform::setWorkTQN##prop(value);                                        \
        _adjust();                                                               \
    }
TQ_COMBO_LAYOUT_HOOK(width, unsigned short)
TQ_COMBO_LAYOUT_HOOK(height, unsigned short)
TQ_COMBO_LAYOUT_HOOK(shadowThickness, unsigned char)
TQ_COMBO_LAYOUT_HOOK(foreColor, short)
TQ_COMBO_LAYOUT_HOOK(backColor, short)
TQ_COMBO_LAYOUT_HOOK(topShadowColor, short)
TQ_COMBO_LAYOUT_HOOK(bottomShadowColor, short)
TQ_COMBO_LAYOUT_HOOK(shadowType, char)
#undef TQ_COMBO_LAYOUT_HOOK

void TQCcomboBox::setWorkTQNdet(TQCbool on)
{
    TQCform::setWorkTQNdet(on);
    if (m_field != nullptr)
        setNumber(m_field, _TQNdet(), on);
}

// ---------------------------------------------------------------------------
// Own properties

void TQCcomboBox::setWorkTQNmaxHeight(unsigned short)
{
    raiseMaxHeight();
}

// A limit lower than four scroll-bar widths would leave no room for the bar.
void TQCcomboBox::raiseMaxHeight()
{
    if (m_list == nullptr || m_maxHeight == 0)
        return;
    long least = 4 * m_list->getProperty(_TQNbarThickness()).getLong();
    if (m_maxHeight < least)
        m_maxHeight = static_cast<unsigned short>(least);
}

void TQCcomboBox::setWorkTQNbackBlinkColor(short color)
{
    if (m_field != nullptr)
        m_field->setPropertyV(_TQNbackBlinkColor(), color);
}

void TQCcomboBox::setWorkTQNworkBackColor(short color)
{
    if (m_field != nullptr)
        m_field->setPropertyV(_TQNbackColor(), color);
}

void TQCcomboBox::setWorkTQNfont(unsigned char font)
{
    if (m_field != nullptr)
        m_field->setPropertyV(_TQNfont(), font);
    if (m_list != nullptr)
        m_list->setPropertyV(_TQNfont(), font);
}

void TQCcomboBox::setWorkTQNitemHeight(unsigned char height)
{
    if (m_list == nullptr)
        return;
    m_list->setPropertyV(_TQNitemHeight(), height);
    setNumber(m_list, _TQNscrollHeight(), height);
}

void TQCcomboBox::setWorkTQNincrement(unsigned short increment)
{
    if (m_list != nullptr)
        m_list->setPropertyV(_TQNincrement(), increment);
}

void TQCcomboBox::setWorkTQNpageIncrement(unsigned short increment)
{
    if (m_list != nullptr)
        m_list->setPropertyV(_TQNpageIncrement(), increment);
}

// ---------------------------------------------------------------------------
// Events, focus, drawing

void TQCcomboBox::onActivate()
{
    execProcedure(TQEV_ACTIVATE);
}

// Return in the field hands the typed text on as a choice from the
// drop-down does: the box's ACTIVATE procedures decide what to make of it.
void TQCcomboBox::_activate_work(TQCbase* field)
{
    if (TQCcomboBox* box = boxOf(field))
        box->onActivate();
}

void TQCcomboBox::_key_press_work(TQCbase* field)
{
    if (TQCcomboBox* box = boxOf(field))
        box->execProcedure(TQEV_KEY_PRESS);
}

void TQCcomboBox::_key_release_work(TQCbase* field)
{
    if (TQCcomboBox* box = boxOf(field))
        box->execProcedure(TQEV_KEY_RELEASE);
}

// The field reports every new text, the program's too; the box reports
// only the changes made while the field is being edited, so that setting
// labelString, or taking a row from the drop-down, runs nothing here.
void TQCcomboBox::_value_ch_work(TQCbase* field)
{
    TQCcomboBox* box = boxOf(field);
    if (box != nullptr && field->getFocus())
        box->execProcedure(TQEV_VALUE_CH);
}

void TQCcomboBox::onFocusChange(unsigned char on)
{
    LifeGuard guard(this);
    if (m_field != nullptr)
        m_field->setFocus(on);
    if (guard.alive() && !on && m_button != nullptr && m_button->getFocus())
        m_button->setFocus(0);
}

long TQCcomboBox::draw()
{
    if (!getVisible())
        return 0;
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return -1;
    unsigned short w = m_width, h = m_height, t = m_shadowThickness;
    bool edit = getPropertyEditMode() != 0;
    if (!getAbsoluteDraw()) {
        bool exposed = edit ? dev->isExposed(0, 0, w, h, 1) != 0
                            : dev->isExposed(0, 0, w, t, 1) || dev->isExposed(0, 0, t, h, 1) ||
                                  dev->isExposed(static_cast<short>(w - t), 0, t, h, 1) ||
                                  dev->isExposed(0, static_cast<short>(h - t), w, t, 1);
        if (!exposed)
            return 0;
    }
    if (t == 0 && !edit)
        return 0;
    if (dev->beginDraw(0, 0, w, h, getAbsoluteDraw(), 1) != 0)
        return 0;
    TQCbase::update();
    setAbsoluteDraw(0);
    short square = static_cast<short>(w > h ? w - h : 0);
    TQGFdrawShadow(dev, m_shadowType, t, m_foreColor, m_topShadowColor, m_bottomShadowColor,
                   m_backColor, square, 0, h, h, 0);
    dev->endDraw();
    return 0;
}
