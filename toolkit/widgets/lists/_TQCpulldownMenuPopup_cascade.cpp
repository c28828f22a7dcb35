// Menu window: the child windows of cascade entries (made once per cascade
// index and kept, placed beside the entry, closed with their parent), the
// arrow keys, which go to the deepest open child, and the shortcut search.
#include "_TQCpulldownMenuPopup.h"

#include <cstring>

#include "_TQDkeyboard.h"
#include "_TQDmouse.h"

namespace {

const char kKeyProcessed[] = "KEY_PROCESSED";
const char kChildName[] = "pld-menu-child";
const long kImageRoom = 32;
const long kCheckRoom = 32;
const long kCascadeRoom = 30;
// In look B a child overlaps its parent by this much.
const long kOverlapB = 5;

void setKeyProcessed(TQCbase* window, bool used)
{
    window->setUserData(kKeyProcessed, reinterpret_cast<void*>(used ? 1 : 0));
}

bool keyProcessed(TQCbase* window)
{
    return window->getUserData(kKeyProcessed) != nullptr;
}

} // namespace

// ---------------------------------------------------------------------------
// Children

TQCpulldownMenuPopup* TQCpulldownMenuPopup::childAt(long c)
{
    return c >= 0 && c < m_children.getNum()
               ? static_cast<TQCpulldownMenuPopup*>(m_children.getData(c))
               : nullptr;
}

// Cascade indices never opened so far keep empty places, so that every
// cascade entry always finds its own child.
TQCpulldownMenuPopup* TQCpulldownMenuPopup::makeChild(long c)
{
    TQCpulldownMenuPopup* child = new TQCpulldownMenuPopup(nullptr, kChildName);
    child->initialize();
    child->setInternalObject(1);
    while (m_children.getNum() <= c)
        m_children.add(nullptr, -1);
    m_children[c] = child;
    return child;
}

// The child is as wide as its label with the most bytes; it opens on the
// left of this window when it would pass the right edge of the screen (also
// when it would start at or beyond it, as beside a window that ends at the
// edge), and is moved up when it would pass the bottom. A child already open
// keeps its place and contents.
void TQCpulldownMenuPopup::popupChildPld(short c, char* text, short x, short y)
{
    if (c < 0)
        return;
    long policy = TQGIappGuiPolicy()->getGuiPolicy();
    TQCmenuExtent extent =
        TQCpulldownData::measure(TQCpulldownData::entries(text, m_separator, m_separator2),
                                 m_shadowThickness, m_menuItemHeight, m_font, policy);
    long width = extent.width + (extent.images ? kImageRoom : 0) +
                 (extent.cascade ? kCascadeRoom : 0);
    long left = x, top = y, bottom = 0;
    if (passesScreenEdge(x, width, true))
        left = x - (width + m_width);
    if (passesScreenEdge(y, extent.height, false, &bottom))
        top = bottom - extent.height;

    TQCpulldownMenuPopup* child = childAt(c);
    if (child == nullptr)
        child = makeChild(c);
    if (child->getVisible())
        return;
    if (!(policy & TQCguiPolicy::LOOK_A) && (policy & TQCguiPolicy::LOOK_B))
        left -= kOverlapB;
    LifeGuard guard(child);
    child->setPropertyV(_TQNx(), static_cast<short>(left));
    child->setPropertyV(_TQNy(), static_cast<short>(top));
    child->setPropertyV(_TQNheight(), static_cast<unsigned short>(extent.height));
    child->setPropertyV(_TQNmenuItemHeight(), m_menuItemHeight);
    child->setPropertyV(_TQNseparator(), m_separator);
    child->setPropertyV(_TQNseparator2(), m_separator2);
    child->setPropertyV(_TQNmenuItems(), text);
    child->setParentMenu(this);
    if (child->isToggle() && !extent.images)
        width += kCheckRoom;
    child->setPropertyV(_TQNwidth(), static_cast<unsigned short>(width));
    child->setPropertyV(_TQNfont(), static_cast<unsigned char>(m_font));
    child->setPropertyV(_TQNforeColor(), m_foreColor);
    child->setPropertyV(_TQNbackColor(), m_backColor);
    child->setPropertyV(_TQNtopShadowColor(), m_topShadowColor);
    child->setPropertyV(_TQNbottomShadowColor(), m_bottomShadowColor);
    child->setPropertyV(_TQNshadowType(), static_cast<char>(m_shadowType));
    child->setPropertyV(_TQNshadowThickness(), static_cast<unsigned char>(m_shadowThickness));
    child->setPropertyV(_TQNpixmapStyle(), static_cast<unsigned char>(1));
    child->setEmboss(m_emboss);
    child->set_id_value(0);
    child->setVisible(1);
    if (guard.alive())
        child->set_use_pixmap(extent.images);
}

void TQCpulldownMenuPopup::popdownChildPld(short c)
{
    TQCpulldownMenuPopup* child = childAt(c);
    if (child != nullptr && child->getVisible())
        child->setVisible(0);
}

// With a child open, a pointer anywhere in this window counts, as it does
// in a window further down.
long TQCpulldownMenuPopup::checkChildStatus()
{
    short px = 0, py = 0;
    TQDmouse* mouse = TQGIappMouse();
    bool known = mouse != nullptr && mouse->getMousePosition(&px, &py) != 0;
    bool inside = known && m_x < px && px < m_x + m_width && m_y < py && py < m_y + m_height;
    for (long i = 0; i < m_children.getNum(); ++i) {
        TQCpulldownMenuPopup* child = childAt(i);
        if (child == nullptr || !child->getVisible())
            continue;
        if (inside || child->checkChildStatus())
            return 1;
    }
    return 0;
}

TQCpulldownMenuPopup* TQCpulldownMenuPopup::_check_child_status_no_mouse()
{
    for (long i = 0; i < m_children.getNum(); ++i) {
        TQCpulldownMenuPopup* child = childAt(i);
        if (child == nullptr || !child->getVisible())
            continue;
        TQCpulldownMenuPopup* deeper = child->_check_child_status_no_mouse();
        return deeper != nullptr ? deeper : child;
    }
    return nullptr;
}

void TQCpulldownMenuPopup::updateChild()
{
    for (long i = 0; i < m_children.getNum(); ++i) {
        TQCpulldownMenuPopup* child = childAt(i);
        if (child == nullptr || !child->getVisible())
            continue;
        child->setAbsoluteDraw(1);
        child->draw();
    }
}

// ---------------------------------------------------------------------------
// Keys

// The deepest open window takes the key; this one only passes on whether
// it was used.
void TQCpulldownMenuPopup::onKeyPress(TQDkeyboard* keyboard, unsigned char pressed)
{
    TQCpulldownMenuPopup* deepest = _check_child_status_no_mouse();
    if (deepest != nullptr && deepest != this) {
        setKeyProcessed(deepest, false);
        deepest->onKeyPress(keyboard, pressed);
        if (keyProcessed(deepest)) {
            setKeyProcessed(deepest, false);
            setKeyProcessed(this, true);
        }
        return;
    }
    setKeyProcessed(this, false);
    LifeGuard guard(this);
    switch (keyboard->getKey()) {
    case TQDkeyboard::KEY_LEFT:
        m_childWaiting = 0;
        if (m_parentMenu != nullptr) {
            setKeyProcessed(this, true);
            setVisible(0);
        }
        break;
    case TQDkeyboard::KEY_RIGHT:
        if (m_childWaiting) {
            m_keyboardMode = 1;
            setKeyProcessed(this, true);
        }
        break;
    case TQDkeyboard::KEY_DOWN:
    case TQDkeyboard::KEY_UP:
        moveSelection(keyboard->getKey());
        break;
    default:
        break;
    }
    if (!guard.alive())
        return;
    setAbsoluteDraw(1);
    draw();
    if (!guard.alive())
        return;
    m_keyboardMode = 0;
    m_deferChildren = 0;
}

// Down and Up wrap once, from the last entry to the first and back, then
// pass over insensitive entries and end at none rather than wrap again.
// The count is the last drawing's.
void TQCpulldownMenuPopup::moveSelection(long key)
{
    m_childWaiting = 0;
    m_deferChildren = 1;
    m_keyboardMode = 1;
    long count = m_items;
    long i = m_selectedItem;
    TQCpulldownData* states = get_parent_pld_data();
    auto sensitive = [&](long n) { return m_chain != nullptr && m_chain->_get_sensitive(n, states); };
    if (key == TQDkeyboard::KEY_DOWN) {
        i = i < 0 ? 0 : i + 1;
        if (i >= count)
            i = 0;
        while (i < count && !sensitive(i))
            ++i;
        if (i >= count)
            i = NO_SELECTION;
    } else {
        i = i <= 0 ? -1 : i - 1;
        if (i < 0)
            i = count - 1;
        while (i >= 0 && !sensitive(i))
            --i;
        if (i < 0)
            i = NO_SELECTION;
    }
    set_selected_item(i);
}

// ---------------------------------------------------------------------------
// Shortcuts

TQCstring TQCpulldownMenuPopup::_get_proc_name_by_sc(char* sc, int* id)
{
    TQCpulldownMenuPopup* deepest = _check_child_status_no_mouse();
    if (deepest != nullptr && deepest != this)
        return deepest->_get_proc_name_by_sc(sc, id);
    TQCstring found("", -2);
    if (m_chain == nullptr || sc == nullptr)
        return found;
    TQCpulldownData* states = get_parent_pld_data();
    long n = 0;
    for (TQCpulldownData* item = m_chain; item != nullptr; item = item->getNext()) {
        if (item->isSeparator())
            continue;
        if (std::strcmp(item->getShortcut()->getString(-2), sc) == 0 &&
            m_chain->_get_sensitive(n, states)) {
            if (id != nullptr)
                *id = item->getId();
            found.setString(item->getProcName()->getString(-2), -2);
            return found;
        }
        ++n;
    }
    return found;
}
