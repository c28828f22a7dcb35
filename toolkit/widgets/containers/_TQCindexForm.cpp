// Tab form: the properties, the tab row and its buttons (made once, reused,
// the surplus hidden), their places for the edge and the shadow, the pages
// shown for the selected tab, and the drawing with its separator line.
#include "_TQCindexForm.h"

#include "_TQCguiPolicy.h"
#include "_TQCstring.h"
#include "_TQCtypeServerFrame.h"
#include "_TQCvbtn.h"
#include "_TQDappDev.h"
#include "_TQGFgeometry.h"
#include "_TQGFtrigger.h"

#include <algorithm>

TQ_TYPE_SERVER_FRAME(TQCindexForm, TQCform);

namespace {

// User data on the tab row and the tab buttons: the tab form they serve.
// It also keeps them out of the pages.
const char kFormKey[] = "parent-form**";
const char kEmptyItemLabel[] = "index";

TQCvbtn* buttonAt(const TQClistData& buttons, long k)
{
    return static_cast<TQCvbtn*>(buttons.getData(k));
}

} // namespace

TQCindexForm::TQCindexForm(TQCbase* parent, const char* name)
    : TQCform(parent, name), m_buttons(8), m_menuItems(nullptr),
      m_orientation(0), m_flip(0), m_useIcon(0), m_rebuildPending(1)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, barThickness, 23);
        TQ_WATCH_BITS(r, orientation, 0, orientation);
        TQ_WATCH(r, menuItems, "index1,index2");
        TQ_WATCH(r, value, 0);
        TQ_WATCH_FLAG(r, flip, 0, bool1);
        TQ_WATCH_FLAG(r, useIcon, 0, bool1);
        TQ_WATCH(r, shortcut, nullptr);
        r.triggers({TQEV_VALUE_CH, TQEV_ACTIVATE});
    });
}

// The tab row and its buttons go with the children.
TQCindexForm::~TQCindexForm()
{
    delete[] m_menuItems;
    delete[] m_shortcut;
}

long TQCindexForm::initialize()
{
    TQCbase::initialize();
    m_tabRow = new TQCform(this, "tablets");
    m_tabRow->setInternalObject(1);
    m_tabRow->initialize();
    m_tabRow->setProperty(_TQNx(), 0);
    m_tabRow->setProperty(_TQNy(), 0);
    m_tabRow->setUserData(kFormKey, this);
    addInternalProcedure("look", TRIGGER_GUI_POLICY, _look_changed, "_look_changed");
    _adjust();
    return 0;
}

// A look may have coloured the tabs; the next look starts from the colour
// the row gives them.
void TQCindexForm::_look_changed(TQCbase* form)
{
    TQCindexForm* tabs = static_cast<TQCindexForm*>(form);
    tabs->set_btn_background(tabs->m_backColor);
}

// ---------------------------------------------------------------------------
// The tab row

void TQCindexForm::_adjust()
{
    m_rebuildPending = 0;
    if (m_tabRow == nullptr)
        return;
    TQCstring items(m_menuItems != nullptr ? m_menuItems : "");
    TQCstring keys(m_shortcut != nullptr ? m_shortcut : "");
    const long n = std::max(items.getWords(","), 1L);
    for (long k = m_buttons.getNum(); k < n; ++k)
        m_buttons.add(makeTabButton(k));
    for (long k = 0; k < n; ++k) {
        TQCvbtn* button = buttonAt(m_buttons, k);
        labelTab(button, items.getWord(k, ",").getString(), m_useIcon != 0);
        TQCstring key = keys.getWord(k, ",");
        if (key.getChars() != 0)
            button->setProperty(_TQNshortcut(), TQCvariant(key.getString()));
        button->setProperty(_TQNforeColor(), m_foreColor);
        button->setProperty(_TQNbackColor(), m_backColor);
        button->setProperty(_TQNtopShadowColor(), m_topShadowColor);
        button->setProperty(_TQNbottomShadowColor(), m_bottomShadowColor);
        button->setProperty(_TQNshadowThickness(), m_shadowThickness);
        placeAlong(button, k, n);
        placeAcross(button);
        button->setVisible(1);
    }
    for (long k = n; k < m_buttons.getNum(); ++k)
        buttonAt(m_buttons, k)->setVisible(0);
    placeTabRow();
    frameTabRow();
    m_tabRow->setProperty(_TQNbackColor(), m_backColor);
    m_tabRow->redraw();
}

TQCvbtn* TQCindexForm::makeTabButton(long k)
{
    TQCvbtn* button = new TQCvbtn(m_tabRow, "tablets");
    button->setInternalObject(1);
    button->initialize();
    button->setProperty(_TQNenableFocusMove(), TQCvariant(static_cast<unsigned char>(0)));
    button->setProperty(_TQNshadowThickness(), 0);
    button->setProperty(_TQNalignmentH(), TQCvariant(0));
    button->setNoBackground(1);
    button->setDrawFocusBorder(0);
    button->setUserData(kFormKey, this);
    button->setProperty(_TQNuserValue(), k);
    button->addInternalProcedure("activate", TQEV_ACTIVATE, _index_op, "_index_op");
    return button;
}

// An icon item is "pixmap:label"; what a branch does not set keeps its
// earlier value.
void TQCindexForm::labelTab(TQCvbtn* button, const char* item, bool iconItem)
{
    if (item[0] == '\0') {
        button->setProperty(_TQNlabelString(), TQCvariant(kEmptyItemLabel));
        return;
    }
    if (!iconItem) {
        button->setProperty(_TQNlabelString(), TQCvariant(item));
        button->setProperty(_TQNpixmapOverlap(), 1);
        return;
    }
    TQCstring fields(item);
    button->setProperty(_TQNlabelString(), TQCvariant(fields.getWord(1, ":").getString()));
    button->setProperty(_TQNlabelPixmap(), TQCvariant(fields.getWord(0, ":").getString()));
    button->setProperty(_TQNpixmapOverlap(), 0);
    button->setProperty(_TQNalignmentH(), 2);
    button->setProperty(_TQNalignmentV(), horizontal() ? 2 : 4);
}

// Under a shadow the tabs share the length inside it.
void TQCindexForm::placeAlong(TQCvbtn* button, long k, long n)
{
    const long length = horizontal() ? m_width : m_height;
    long position = length * k / n;
    long size = length / n;
    if (m_shadowType != 0) {
        const long t = m_shadowThickness;
        const long inside = std::max(length - 2 * t, 0L);
        position = t + inside * k / n;
        size = inside / n;
    }
    button->setProperty(horizontal() ? _TQNx() : _TQNy(), position);
    button->setProperty(horizontal() ? _TQNwidth() : _TQNheight(), size);
}

// The button is deeper than the row, which clips it: its edge towards the
// pages is cut off, and an unselected one starts 2 pixels further in.
void TQCindexForm::placeAcross(TQCvbtn* button)
{
    const long t = m_shadowThickness;
    const long inset = m_shadowType == 0 ? 0 : t;
    const bool selected = button->getUserValue() == m_value;
    const long position = m_flip ? -(t + inset) - (selected ? 2 : 4) : inset + (selected ? 0 : 2);
    button->setProperty(horizontal() ? _TQNy() : _TQNx(), position);
    button->setProperty(horizontal() ? _TQNheight() : _TQNwidth(), t + m_barThickness + 2);
}

// A bar thickness of 0 hides the row and leaves its depth as it was.
void TQCindexForm::placeTabRow()
{
    const long depth = m_barThickness;
    if (horizontal()) {
        m_tabRow->setProperty(_TQNy(), m_flip ? m_height - depth : 0);
        m_tabRow->setProperty(_TQNx(), 0);
        m_tabRow->setProperty(_TQNwidth(), m_width);
    } else {
        m_tabRow->setProperty(_TQNx(), m_flip ? m_width - depth : 0);
        m_tabRow->setProperty(_TQNy(), 0);
        m_tabRow->setProperty(_TQNheight(), m_height);
    }
    if (depth == 0) {
        m_tabRow->setVisible(0);
        return;
    }
    m_tabRow->setProperty(horizontal() ? _TQNheight() : _TQNwidth(), depth);
    m_tabRow->setVisible(1);
}

// A raised form gives the row no frame; a frameless one a sunken frame in
// the classic look.
void TQCindexForm::frameTabRow()
{
    long type = m_shadowType;
    long thickness = m_shadowThickness;
    if (type == 0) {
        type = -1;
        thickness = 0;
    } else if (type == -1) {
        const bool extended = (TQDappDev::getGuiPolicy() & TQCguiPolicy::EXTENDED_LOOK) != 0;
        type = extended ? -1 : 1;
    }
    m_tabRow->setProperty(_TQNshadowType(), type);
    m_tabRow->setProperty(_TQNshadowThickness(), thickness);
}

// The limit is the number of buttons made, not of items: after the items
// shrink the value may still name a hidden tab.
void TQCindexForm::_value_adjust()
{
    _adjust();
    if (m_tabRow == nullptr)
        return;
    const long made = m_buttons.getNum();
    if (made > 0 && m_value > made - 1)
        m_value = static_cast<unsigned char>(made - 1);
    m_tabRow->clear();
    for (long k = 0; k < made; ++k)
        placeAcross(buttonAt(m_buttons, k));
    m_tabRow->redraw();
    redraw();
}

void TQCindexForm::_index_op(TQCbase* button)
{
    TQCindexForm* form = static_cast<TQCindexForm*>(button->getUserData(kFormKey));
    if (form == nullptr)
        return;
    LifeGuard guard(form);
    form->m_value = static_cast<unsigned char>(button->getUserValue() & 0xff);
    form->_value_adjust();
    if (guard.alive())
        form->execProcedure(TQEV_VALUE_CH);
}

TQCvbtn* TQCindexForm::get_target_btn()
{
    for (long k = 0; k < m_buttons.getNum(); ++k) {
        TQCvbtn* button = buttonAt(m_buttons, k);
        if (button->getUserValue() == m_value)
            return button;
    }
    return nullptr;
}

void TQCindexForm::set_btn_background(short color)
{
    for (long k = 0; k < m_buttons.getNum(); ++k)
        buttonAt(m_buttons, k)->setProperty(_TQNbackColor(), TQCvariant(color));
}

// ---------------------------------------------------------------------------
// Pages

// An internal form that stands in for an ancestor's device (the wizard's
// page form) also pages that ancestor's children, except those drawn on the
// ancestor's own window.
void TQCindexForm::_vis_adjust()
{
    TQClistData candidates(getChildren());
    if (getInternalObject()) {
        for (TQCbase* above = getParent(); above != nullptr; above = above->getParent()) {
            if (above->getPublicDevChild() != this)
                continue;
            TQClistData& theirs = above->getChildren();
            for (long i = 0; i < theirs.getNum(); ++i) {
                TQCbase* child = static_cast<TQCbase*>(theirs.getData(i));
                if (!child->getUseParentBaseDev())
                    candidates.add(child);
            }
            break;
        }
    }
    const long shown = m_value + 1;
    for (long i = 0; i < candidates.getNum(); ++i) {
        TQCbase* page = static_cast<TQCbase*>(candidates.getData(i));
        if (page->getUserData(kFormKey) != nullptr)
            continue;
        long tab = page->getUserValue();
        if (tab == 0) {
            page->setProperty(_TQNuserValue(), shown);
            tab = shown;
        }
        if (tab == -1)
            continue;
        if (tab == shown) {
            if (!page->getVisible())
                page->setVisible(1);
        } else if (page->getOwnVisible()) {
            page->clear();
            page->setVisible(0);
        }
    }
}

// ---------------------------------------------------------------------------
// Drawing

long TQCindexForm::draw()
{
    if (!getVisible())
        return 0;
    if (m_rebuildPending)
        _adjust();
    return TQCform::draw();
}

void TQCindexForm::drawFigure(TQDdev* dev)
{
    TQGFdrawBtnShadow(dev, m_shadowType, m_shadowThickness, m_foreColor, m_topShadowColor,
                      m_bottomShadowColor, m_backColor, 0, 0, m_width, m_height, 0);
    drawSeparator(dev);
}

// The line between the row and the pages, open under the selected tab. The
// tabs share the whole length here, shadow or not.
void TQCindexForm::drawSeparator(TQDdev* dev)
{
    TQCstring items(m_menuItems != nullptr ? m_menuItems : "");
    const unsigned long n = static_cast<unsigned long>(std::max(items.getWords(","), 1L));
    if (n < 2)
        return;
    unsigned long d = m_shadowThickness;
    if (d > 1 && (TQDappDev::getGuiPolicy() & TQCguiPolicy::LOOK_B) != 0)
        --d;
    const unsigned long selected = m_value + 1UL;
    const unsigned long length = horizontal() ? m_width : m_height;
    const long depth = m_barThickness;
    long across = depth;
    if (m_flip)
        across = (horizontal() ? m_height : m_width) - depth - static_cast<long>(d);
    dev->setForeColor(m_flip ? m_bottomShadowColor : m_topShadowColor);
    auto piece = [&](unsigned long from, unsigned long size) {
        if (horizontal())
            dev->drawFillRect(static_cast<short>(from), static_cast<short>(across),
                              static_cast<unsigned short>(size), static_cast<unsigned short>(d));
        else
            dev->drawFillRect(static_cast<short>(across), static_cast<short>(from),
                              static_cast<unsigned short>(d), static_cast<unsigned short>(size));
    };
    if (selected > 1)
        piece(0, length * (selected - 1) / n);
    if (selected < n)
        piece(length * selected / n, length * (n - selected) / n);
}

// Pages are shown and hidden after each drawing, so a new tab shows once
// the form has been drawn again.
void TQCindexForm::drawFinished()
{
    LifeGuard guard(this);
    if (m_tabRow != nullptr)
        m_tabRow->draw();
    if (guard.alive())
        _vis_adjust();
}

void TQCindexForm::fillDrawBlock(TQCindexFormDrawBlock& block)
{
    fillFormFields(block);
    block.barThickness = m_barThickness;
    block.orientation = m_orientation;
    block.flip = m_flip;
    block.menuItems = m_menuItems;
    block.selectedTab = m_value + 1;
}

long TQCindexForm::clear()
{
    if (m_tabRow != nullptr)
        m_tabRow->clear();
    TQCform::clear();
    return 0;
}

long TQCindexForm::redraw()
{
    if (m_tabRow != nullptr)
        m_tabRow->redraw();
    TQCform::redraw();
    return 0;
}

long TQCindexForm::cdraw()
{
    if (m_tabRow != nullptr)
        m_tabRow->cdraw();
    return TQCform::cdraw();
}

// ---------------------------------------------------------------------------
// Property hooks. Before initialize() there is no row: the values wait for
// the first _adjust().

void TQCindexForm::setWorkTQNwidth(unsigned short width)
{
    if (getInitialized())
        _adjust();
    TQCform::setWorkTQNwidth(width);
}

void TQCindexForm::setWorkTQNheight(unsigned short height)
{
    if (getInitialized())
        _adjust();
    TQCform::setWorkTQNheight(height);
}

void TQCindexForm::setWorkTQNforeColor(short color)
{
    if (getInitialized())
        _adjust();
    TQCform::setWorkTQNforeColor(color);
}

void TQCindexForm::setWorkTQNbackColor(short color)
{
    if (getInitialized())
        _adjust();
    TQCform::setWorkTQNbackColor(color);
}

void TQCindexForm::setWorkTQNshadowType(char type)
{
    TQCform::setWorkTQNshadowType(type);
    if (getInitialized())
        _adjust();
}

void TQCindexForm::setWorkTQNshadowThickness(unsigned char thickness)
{
    TQCform::setWorkTQNshadowThickness(thickness);
    if (getInitialized())
        _adjust();
}

void TQCindexForm::setWorkTQNbarThickness(unsigned short)
{
    _adjust();
}

void TQCindexForm::setWorkTQNuseIcon(TQCbool)
{
    _adjust();
}

void TQCindexForm::setWorkTQNvalue(unsigned char)
{
    _value_adjust();
}

void TQCindexForm::setWorkTQNflip(TQCbool)
{
    _value_adjust();
}

void TQCindexForm::setWorkTQNorientation(unsigned char)
{
    m_rebuildPending = 1;
}

void TQCindexForm::setWorkTQNmenuItems(char*)
{
    m_rebuildPending = 1;
}

void TQCindexForm::setWorkTQNshortcut(char*)
{
    m_rebuildPending = 1;
}
