// Option button: construction, properties, the item list and the item
// states, popping the menu up over the button, tracking and choosing.
// Drawing has a file of its own.
#include "_TQCoption.h"

#include <cstdlib>
#include <cstring>

#include "_TQCbaseList.h"
#include "_TQCfontSet.h"
#include "_TQCpopupFrame.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDappDev.h"
#include "_TQDdev.h"
#include "_TQDfont.h"
#include "_TQDmouse.h"
#include "_TQGFtrigger.h"

TQ_TYPE_SERVER_FRAME(TQCoption, TQCvlabel);

namespace {

// MOUSE_OUT, MOUSE_PRESS, MOUSE_RELEASE and MOUSE_MOVE; with MOUSE_IN.
const long kPressEvents = 0xf000;
const long kPointerEvents = 0xf800;
// The right button, which opens the builder's menu in edit mode.
const unsigned long kRightButton = 0x400;
const char* const kPopupMenuShown = "TQ-PM-POPUPED";

long itemId(const std::string& item)
{
    std::string field = TQCpopupFrame::itemField(item, 1);
    return std::strtol(field.c_str(), nullptr, 10);
}

// The index operations count commas only.
std::vector<std::string> commaItems(const char* text)
{
    std::vector<std::string> out;
    if (text == nullptr)
        return out;
    const char* from = text;
    for (const char* p = text;; ++p) {
        if (*p == ',' || *p == '\0') {
            out.emplace_back(from, p);
            from = p + 1;
            if (*p == '\0')
                return out;
        }
    }
}

} // namespace

TQCoption::TQCoption(TQCbase* parent, const char* name)
    : TQCvlabel(parent, name), m_menuPopped(0)
{
    setOutSideMouseRelease(1);
    setOutSideMouseMove(1);
    m_shadowType = 0;
    TQCregisterClass(this, VERSION, registerProperties);
}

const char* TQCoption::defaultItems()
{
    return "item1:1:ep1_name,item2:2:ep2_name,item3:3:ep3_name";
}

void TQCoption::registerProperties(Registrar& r)
{
    TQ_WATCH(r, menuItems, defaultItems());
    TQ_WATCH(r, value, 0);
    for (const char* unused :
         {_TQNorientation(), _TQNalignmentV(), _TQNshadowType(), _TQNmaxLength()})
        r.withdraw(unused);
    r.triggers({TQEV_ACTIVATE, TQEV_VALUE_CH});
    for (long removed : {TQEV_MOUSE_MOVE, TQEV_MOUSE_PRESS, TQEV_MOUSE_RELEASE})
        r.info()->setDelTrigger(removed);
}

TQCoption::~TQCoption()
{
    delete m_popup;
    delete[] m_itemStatus;
    delete[] m_menuItems;
}

long TQCoption::initialize()
{
    TQCvlabel::initialize();
    m_popup = new TQCpopupFrame(nullptr, "popup-m");
    m_popup->initialize();
    m_popup->setInternalObject(1);
    m_popup->setPropertyV(_TQNx(), static_cast<short>(100));
    m_popup->setPropertyV(_TQNy(), static_cast<short>(100));
    m_popup->setPropertyV(_TQNwidth(), static_cast<unsigned short>(200));
    m_popup->setPropertyV(_TQNheight(), static_cast<unsigned short>(200));
    m_popup->setEmboss(m_emboss);
    setProperty(_TQNmenuItems(), TQCvariant(defaultItems()));
    return 0;
}

long TQCoption::_device_initialize()
{
    TQCvlabel::_device_initialize();
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return -1;
    dev->setEnableEventBit(kPointerEvents);
    return 0;
}

long TQCoption::addProcedure(TQCprocedure* procedure)
{
    return addProcedureWithEvents(procedure, TQEV_ACTIVATE, kPressEvents);
}

void TQCoption::onActivate()
{
    execProcedure(TQEV_ACTIVATE);
}

void TQCoption::onValueChange(long) {}

// ---------------------------------------------------------------------------
// Items

std::vector<std::string> TQCoption::items() const
{
    return TQCpopupFrame::splitItems(m_menuItems);
}

long TQCoption::itemOfId(long id) const
{
    std::vector<std::string> list = items();
    for (size_t i = 0; i < list.size(); ++i) {
        if (itemId(list[i]) == id)
            return static_cast<long>(i);
    }
    return -1;
}

void TQCoption::setLabelFromItem(const std::string& item)
{
    setPropertyV(_TQNlabelString(), TQCpopupFrame::itemField(item, 0).c_str());
}

// Every item of the value relabels the button, so the last one wins here.
void TQCoption::setWorkTQNmenuItems(char* text)
{
    std::vector<std::string> list = TQCpopupFrame::splitItems(text);
    size_t n = list.empty() ? 1 : list.size();
    delete[] m_itemStatus;
    m_itemStatus = new unsigned char[n];
    std::memset(m_itemStatus, 1, n);
    for (const std::string& item : list) {
        if (itemId(item) == m_value)
            setLabelFromItem(item);
    }
    if (m_popup != nullptr)
        m_popup->setPropertyV(_TQNmenuItems(), text);
}

// The first item of the value; without one the label stays.
void TQCoption::setWorkTQNvalue(long value)
{
    long index = itemOfId(value);
    if (index >= 0)
        setLabelFromItem(items()[index]);
}

void TQCoption::setWorkTQNshadowThickness(unsigned char thickness)
{
    if (thickness == 0)
        setPropertyV(_TQNshadowThickness(), static_cast<unsigned char>(1));
}

void TQCoption::setWorkTQNemboss(unsigned char on)
{
    if (m_popup != nullptr)
        m_popup->setEmboss(on);
}

long TQCoption::setItemSensitive(short index, unsigned char on)
{
    if (index < 0 || index >= getItemNum() || m_itemStatus == nullptr)
        return -1;
    m_itemStatus[index] = on;
    return 0;
}

long TQCoption::setSelectValue(long id, unsigned char on)
{
    long index = itemOfId(id);
    if (index < 0 || m_itemStatus == nullptr)
        return -1;
    m_itemStatus[index] = on;
    return 0;
}

long TQCoption::getItemNum()
{
    return static_cast<long>(commaItems(m_menuItems).size());
}

long TQCoption::getItemValue(long index)
{
    std::vector<std::string> list = commaItems(m_menuItems);
    if (index < 0 || index >= static_cast<long>(list.size()))
        return 0;
    return itemId(list[index]);
}

// ---------------------------------------------------------------------------
// The menu

// As wide as the longest label in bytes (the first of equal ones) with
// its frame, and at least as wide as the button.
long TQCoption::menuWidth(const std::vector<std::string>& list)
{
    TQDfont* font = TQGIappFontSet()->getFont(m_font);
    long width = 0;
    size_t longest = 0;
    for (const std::string& item : list) {
        std::string label = TQCpopupFrame::itemField(item, 0);
        if (label.size() <= longest || font == nullptr)
            continue;
        longest = label.size();
        width = 4 * m_shadowThickness + font->getStringWidth(label.c_str(), -2);
        width = width < m_width ? m_width : width;
    }
    return width;
}

// The items go to the frame before their states: new items make every
// state sensitive again.
void TQCoption::_menu_popup(TQCpoint*)
{
    TQDdev* dev = getowndev();
    if (dev == nullptr || m_popup == nullptr || m_itemStatus == nullptr)
        return;
    short x = 0, y = 0;
    dev->getDispAddr(&x, &y);
    std::vector<std::string> list = items();
    long n = static_cast<long>(list.size());
    m_popup->setPropertyV(_TQNmenuItems(), m_menuItems);
    for (long i = 0; i < n; ++i)
        m_popup->setItemSensitive(static_cast<short>(i), m_itemStatus[i]);
    long width = menuWidth(list);
    long height = n * m_height + 2 * m_shadowThickness;
    TQDappDev* app = TQGIappDev();
    long screenW = app != nullptr ? app->getWidth() : 0;
    long screenH = app != nullptr ? app->getHeight() : 0;
    if (x < screenW && y < screenH) {
        if (x + width > screenW)
            x = static_cast<short>(screenW - width);
        if (y + height > screenH)
            y = static_cast<short>(screenH - height);
    }
    if (n == 0 || width <= 0)
        return;
    TQCpopupFrame* p = m_popup;
    p->setPropertyV(_TQNx(), x);
    p->setPropertyV(_TQNy(), y);
    p->setPropertyV(_TQNmenuItemHeight(), m_height);
    p->setPropertyV(_TQNfont(), static_cast<unsigned char>(m_font));
    p->setPropertyV(_TQNforeColor(), m_foreColor);
    p->setPropertyV(_TQNbackColor(), m_backColor);
    p->setPropertyV(_TQNshadowThickness(), static_cast<unsigned char>(m_shadowThickness));
    p->setPropertyV(_TQNshadowType(), static_cast<char>(m_shadowType));
    p->setPropertyV(_TQNtopShadowColor(), m_topShadowColor);
    p->setPropertyV(_TQNbottomShadowColor(), m_bottomShadowColor);
    p->setPropertyV(_TQNheight(), static_cast<unsigned short>(height));
    p->setPropertyV(_TQNwidth(), static_cast<unsigned short>(width));
    p->setEmboss(m_emboss);
    p->setVisible(1);
}

void TQCoption::_menu_update()
{
    TQDmouse* mouse = TQGIappMouse();
    short x = 0, y = 0;
    if (m_popup == nullptr || mouse == nullptr || mouse->getMousePosition(&x, &y) == 0)
        return;
    m_popup->setAbsoluteDraw(1);
    m_popup->draw();
}

void TQCoption::_menu_popdown()
{
    if (m_popup != nullptr)
        m_popup->setVisible(0);
}

void TQCoption::onMousePress(TQCpoint* point)
{
    TQDmouse* mouse = TQGIappMouse();
    bool builderMenu = getPropertyEditMode() && mouse != nullptr &&
                       mouse->getTargetBtn() == kRightButton;
    if (getSensitive() && !m_menuPopped && getUserData(kPopupMenuShown) == nullptr &&
        !builderMenu) {
        LifeGuard guard(this);
        _menu_popup(point);
        if (!guard.alive())
            return;
        m_menuPopped = 1;
        setAbsoluteDraw(1);
        redraw();
    }
    TQCvlabel::onMousePress(point);
}

void TQCoption::onMouseMove(TQCpoint* point)
{
    if (getSensitive() && m_menuPopped)
        _menu_update();
    TQCvlabel::onMouseMove(point);
}

void TQCoption::onMouseRelease(TQCpoint* point)
{
    if (!getSensitive())
        return;
    LifeGuard guard(this);
    if (m_menuPopped && m_popup != nullptr) {
        _menu_popdown();
        long id = 0;
        if (m_popup->getValue(&id))
            choose(id);
        if (!guard.alive())
            return;
    }
    m_menuPopped = 0;
    setAbsoluteDraw(1);
    redraw();
    TQCvlabel::onMouseRelease(point);
}

// An item that cannot be chosen is as if none was under the pointer:
// nothing runs.
void TQCoption::choose(long id)
{
    long index = itemOfId(id);
    if (index < 0 || m_itemStatus == nullptr || m_itemStatus[index] == 0)
        return;
    LifeGuard guard(this);
    if (id != m_value) {
        std::string procedure = TQCpopupFrame::itemField(items()[index], 2);
        setPropertyV(_TQNvalue(), id);
        if (guard.alive())
            onValueChange(id);
        if (guard.alive())
            execProcedure(TQEV_VALUE_CH);
        if (guard.alive() && !procedure.empty())
            execProcedure(procedure.c_str());
    }
    if (guard.alive() && getSensitive())
        onActivate();
}

void TQCoption::onVisibleChange(unsigned char on)
{
    menuDownUnless(on);
    TQCvlabel::onVisibleChange(on);
}

void TQCoption::onParentVisibleChange(unsigned char on)
{
    menuDownUnless(on);
    TQCvlabel::onParentVisibleChange(on);
}

// Hidden, the menu goes down without a choice.
void TQCoption::menuDownUnless(unsigned char shown)
{
    if (shown)
        return;
    _menu_popdown();
    m_menuPopped = 0;
}
