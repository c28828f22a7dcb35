// Menu window: construction, properties, showing and hiding, and the entry
// states and accessors its owners use. The drawing pass and the cascades
// with the keys have files of their own.
#include "_TQCpulldownMenuPopup.h"

#include <cstring>
#include <memory>

#include "_TQCfontSet.h"
#include "_TQDappDev.h"
#include "_TQCtypeServerFrame.h"

TQ_TYPE_SERVER_FRAME(TQCpulldownMenuPopup, TQCwindow);

TQCpulldownMenuPopup::TQCpulldownMenuPopup(TQCbase* parent, const char* name)
    : TQCwindow(parent, name), m_children(4),
      m_font(static_cast<unsigned char>(TQGIappFontSet()->getDefaultFontNo())), m_chosen(0),
      m_keyboardMode(0), m_deferChildren(0), m_childWaiting(0), m_usePixmap(0)
{
    m_foreColor = -6;
    m_backColor = -5;
    m_topShadowColor = -8;
    m_bottomShadowColor = -9;
    m_shadowThickness = 2;
    m_pixmapStyle = 1;
    TQCregisterClass(this, VERSION, registerProperties);
}

void TQCpulldownMenuPopup::registerProperties(Registrar& r)
{
    TQ_WATCH(r, menuItems, "");
    TQ_WATCH(r, menuItemHeight, 30);
    TQ_WATCH_BITS(r, font, 0)->setGetDefaultValueHandler(TQGFdefaultFontNo);
    TQ_WATCH(r, separator, ":");
    TQ_WATCH(r, separator2, ",");
    r.changeDefault<m_pixmapStyleSlot>(_TQNpixmapStyle(), 1);
    r.withdraw(_TQNtitleBar());
    r.changeDefault<&TQCpulldownMenuPopup::m_foreColor>(_TQNforeColor(), -6);
    r.changeDefault<&TQCpulldownMenuPopup::m_backColor>(_TQNbackColor(), -5);
    r.changeDefault<&TQCpulldownMenuPopup::m_topShadowColor>(_TQNtopShadowColor(), -8);
    r.changeDefault<&TQCpulldownMenuPopup::m_bottomShadowColor>(_TQNbottomShadowColor(), -9);
    r.changeDefault<m_shadowThicknessSlot>(_TQNshadowThickness(), 2);
    for (const char* hidden : {_TQNindicatorOn(), _TQNmargin(), _TQNmarginLeft(),
                               _TQNbarThickness()})
        r.hide(hidden);
}

// The children are parentless windows of their own: they go with it.
TQCpulldownMenuPopup::~TQCpulldownMenuPopup()
{
    for (long i = 0; i < m_children.getNum(); ++i)
        delete static_cast<TQCpulldownMenuPopup*>(m_children.getData(i));
    m_children.clear();
    delete m_chain;
    delete[] m_menuItems;
    delete[] m_separator;
    delete[] m_separator2;
}

void TQCpulldownMenuPopup::onVisibleChange(unsigned char on)
{
    if (on) {
        m_selectedItem = NO_SELECTION;
        showAsPopup();
        return;
    }
    LifeGuard guard(this);
    for (long i = 0; i < m_children.getNum(); ++i) {
        TQCpulldownMenuPopup* child = childAt(i);
        if (child != nullptr && child->getVisible()) {
            child->setVisible(0);
            if (!guard.alive())
                return;
        }
    }
    TQCbase::onVisibleChange(0);
}

// A new size shows at once on a menu that is open.
void TQCpulldownMenuPopup::setWorkTQNwidth(unsigned short v)
{
    TQCwindow::setWorkTQNwidth(v);
    if (getVisible()) {
        setAbsoluteDraw(1);
        redraw();
    }
}

void TQCpulldownMenuPopup::setWorkTQNheight(unsigned short v)
{
    TQCwindow::setWorkTQNheight(v);
    if (getVisible()) {
        setAbsoluteDraw(1);
        redraw();
    }
}

// ---------------------------------------------------------------------------
// The entries

void TQCpulldownMenuPopup::reparse()
{
    delete m_chain;
    m_chain = TQCpulldownData::parse(m_menuItems, m_separator, m_separator2);
}

void TQCpulldownMenuPopup::setWorkTQNmenuItems(char*)
{
    reparse();
}

void TQCpulldownMenuPopup::setWorkTQNseparator(char*)
{
    reparse();
}

void TQCpulldownMenuPopup::setWorkTQNseparator2(char*)
{
    reparse();
}

bool TQCpulldownMenuPopup::passesScreenEdge(long position, long size, bool horizontal,
                                            long* edge)
{
    TQDappDev* app = TQGIappDev();
    long screen = app == nullptr ? 0 : static_cast<unsigned short>(horizontal ? app->getWidth()
                                                                              : app->getHeight());
    if (edge != nullptr)
        *edge = screen;
    // A menu that starts at or beyond the edge would open out of the
    // pointer's reach: it counts as passing the edge.
    return screen > 0 && position >= 0 && position + size > screen;
}

TQCpulldownData* TQCpulldownMenuPopup::get_parent_pld_data()
{
    return m_parentMenu != nullptr ? m_parentMenu->m_chain : m_chain;
}

TQCpulldownMenuPopup* TQCpulldownMenuPopup::root()
{
    TQCpulldownMenuPopup* top = this;
    while (top->m_parentMenu != nullptr)
        top = top->m_parentMenu;
    return top;
}

void TQCpulldownMenuPopup::set_items(long n)
{
    const long most = MOST_ENTRIES;
    m_items = static_cast<signed char>(n > most ? most : n < 0 ? 0 : n);
}

void TQCpulldownMenuPopup::set_selected_item(long n)
{
    const long none = NO_SELECTION;
    bool inRange = n >= -1 && n < MOST_ENTRIES;
    m_selectedItem = static_cast<signed char>(inRange ? n : none);
}

long TQCpulldownMenuPopup::getItems()
{
    return m_chain != nullptr ? m_chain->getItems() : 0;
}

long TQCpulldownMenuPopup::setItemSensitive(short n, unsigned char on)
{
    return m_chain != nullptr ? m_chain->setSensitive(n, on) : -2;
}

long TQCpulldownMenuPopup::setValueSensitive(short id, unsigned char on)
{
    return m_chain != nullptr ? m_chain->setSensitiveWithId(id, on) : -2;
}

unsigned char TQCpulldownMenuPopup::getValueSensitive(short id)
{
    return m_chain != nullptr ? m_chain->_get_sensitive_with_id(id, get_parent_pld_data()) : 0;
}

long TQCpulldownMenuPopup::setValueToggleMenu(short id, unsigned char on)
{
    return m_chain != nullptr ? m_chain->setToggleWithId(id, on) : -2;
}

unsigned char TQCpulldownMenuPopup::getValueToggleMenu(short id)
{
    return m_chain != nullptr ? m_chain->_get_toggle_with_id(id, get_parent_pld_data()) : 0;
}

long TQCpulldownMenuPopup::setValueToggleState(short id, unsigned char on)
{
    return m_chain != nullptr ? m_chain->setToggleStateWithId(id, on) : -2;
}

unsigned char TQCpulldownMenuPopup::getValueToggleState(short id)
{
    return m_chain != nullptr ? m_chain->_get_toggle_state_with_id(id, get_parent_pld_data())
                              : 0;
}

long TQCpulldownMenuPopup::isToggle()
{
    return m_chain != nullptr ? m_chain->_is_toggle(get_parent_pld_data()) : 0;
}

unsigned char* TQCpulldownMenuPopup::getItemSensitive()
{
    static std::unique_ptr<unsigned char[]> flags;
    flags.reset();
    if (m_chain == nullptr)
        return nullptr;
    long n = m_chain->getItems();
    flags.reset(new unsigned char[n > 0 ? n : 1]);
    TQCpulldownData* states = get_parent_pld_data();
    for (long i = 0; i < n; ++i)
        flags[i] = m_chain->_get_sensitive(i, states);
    return flags.get();
}
