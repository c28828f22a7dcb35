// Menu title while its menu is open: opening under the title, following the
// pointer, the pointer grab of click mode and key mode, closing and running
// the chosen entry, and the press, release and move that drive it all.
// Every way of closing lets go of the grab, the key procedure and the
// one-open marks.
#include "_TQCpulldownMenu.h"

#include "_TQCfontSet.h"
#include "_TQCguiPolicy.h"
#include "_TQCpulldownMenuPopup.h"
#include "_TQDdev.h"
#include "_TQDkeyboard.h"
#include "_TQDmouse.h"
#include "_TQGFtrigger.h"

namespace {

const long kImageRoom = 32;
const long kCheckRoom = 32;
const long kCascadeRoom = 30;
// Look B draws every menu window with this frame.
const unsigned char kFrameB = 2;

} // namespace

// ---------------------------------------------------------------------------
// Opening, following, closing

// The menu goes under the title's left edge; trigger 60 may still change
// the entries. A menu without entries or window opens nothing.
void TQCpulldownMenu::_menu_popup(TQCpoint*)
{
    setOutSideMousePress(1);
    setOutSideMouseRelease(1);
    setMouseGrabed(1);
    _ptarget = this;
    m_opened = 1;
    if (TQDmouse* mouse = TQGIappMouse())
        mouse->getMousePosition(&m_pointerX, &m_pointerY);
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return;
    short x = 0, y = 0;
    dev->getDispAddr(&x, &y);
    TQCbase* special = getSpecialFocusInstance();
    if (special != nullptr && special != this)
        special->setSpecialFocus(0);
    TQCbase* focus = getFocusInstance();
    if (focus != nullptr && focus != this)
        focus->setFocus(0);
    LifeGuard guard(this);
    onMenuPopup();
    if (!guard.alive())
        return;
    __popup_instance = this;
    if (TQDkeyboard* keyboard = TQGIappKeyboard())
        keyboard->setFocusInputWorkProc(_key_handler, nullptr, this, this);
    if (m_popup == nullptr || !fillWindow(x, y))
        _menu_popdown();
}

// Sized for the entries, moved left or up only as far as the screen's edge
// needs; a menu whose corner lies left of or above the screen stays where
// it is.
bool TQCpulldownMenu::fillWindow(short x, short y)
{
    std::vector<TQCmenuEntry> entries =
        TQCpulldownData::entries(m_menuItems, m_separator, m_separator2);
    if (entries.empty())
        return false;
    long policy = TQGIappGuiPolicy()->getGuiPolicy();
    long t = policy & TQCguiPolicy::LOOK_B ? kFrameB : m_shadowThickness;
    unsigned short itemHeight = m_itemHeight >= 0 ? m_itemHeight : m_height;
    TQCmenuExtent extent = TQCpulldownData::measure(entries, t, itemHeight, m_font, policy);
    long blank = TQGIappFontSet()->getStringWidth(m_font, " ", -2);
    long w = extent.width + (extent.images ? blank + kImageRoom : 0) +
             (extent.cascade ? kCascadeRoom : 0);
    long h = extent.height;
    long left = x, top = y + m_height, right = 0, bottom = 0;
    if (TQCpulldownMenuPopup::passesScreenEdge(left, w, true, &right))
        left = right - w;
    if (TQCpulldownMenuPopup::passesScreenEdge(top, h, false, &bottom))
        top = bottom - h;

    TQCpulldownMenuPopup* window = m_popup;
    window->setPropertyV(_TQNx(), static_cast<short>(left));
    window->setPropertyV(_TQNy(), static_cast<short>(top));
    window->setPropertyV(_TQNmenuItemHeight(), itemHeight);
    window->setPropertyV(_TQNfont(), static_cast<unsigned char>(m_font));
    window->setPropertyV(_TQNforeColor(), m_foreColor);
    window->setPropertyV(_TQNbackColor(), m_backColor);
    if (policy & (TQCguiPolicy::LOOK_A | TQCguiPolicy::LOOK_B))
        window->setPropertyV(_TQNshadowThickness(), static_cast<unsigned char>(t));
    window->setPropertyV(_TQNshadowType(), static_cast<char>(m_shadowType));
    window->setPropertyV(_TQNtopShadowColor(), m_topShadowColor);
    window->setPropertyV(_TQNbottomShadowColor(), m_bottomShadowColor);
    window->setPropertyV(_TQNmenuItems(), m_menuItems);
    window->setPropertyV(_TQNheight(), static_cast<unsigned short>(h));
    if (window->isToggle() && !extent.images)
        w += kCheckRoom;
    window->setPropertyV(_TQNwidth(), static_cast<unsigned short>(w));
    window->setPropertyV(_TQNpixmapStyle(), static_cast<unsigned char>(1));
    window->set_id_value(0);
    window->setVisible(1);
    window->set_use_pixmap(extent.images);
    return true;
}

// The window highlights the entry under the pointer and records it.
void TQCpulldownMenu::_menu_update()
{
    TQDmouse* mouse = TQGIappMouse();
    short x = 0, y = 0;
    if (m_popup == nullptr || mouse == nullptr || mouse->getMousePosition(&x, &y) == 0)
        return;
    if (x == m_pointerX && y == m_pointerY)
        return;
    m_pointerX = x;
    m_pointerY = y;
    m_popup->setAbsoluteDraw(1);
    m_popup->draw();
}

// Another object's key procedure, installed meanwhile, is left in place.
void TQCpulldownMenu::_menu_popdown()
{
    if (__popup_instance == this)
        __popup_instance = nullptr;
    TQDkeyboard* keyboard = TQGIappKeyboard();
    if (keyboard != nullptr && keyboard->getFocusInstance() == this)
        keyboard->resetFocusInputWorkProc();
    setOutSideMousePress(0);
    setOutSideMouseRelease(0);
    setMouseGrabed(0);
    if (_ptarget == this)
        _ptarget = nullptr;
    m_opened = 0;
    if (m_popup != nullptr)
        m_popup->setVisible(0);
}

TQCpulldownMenu::Choice TQCpulldownMenu::windowChoice()
{
    if (m_popup == nullptr || !m_popup->getSelected())
        return Choice{false, 0, TQCstring()};
    return Choice{true, m_popup->getValue(), TQCstring(m_popup->getProcName(), -2)};
}

// A toggle entry flips only when it is the one chosen.
void TQCpulldownMenu::closeAndRun(Choice choice)
{
    LifeGuard guard(this);
    releaseGrab();
    _menu_popdown();
    short id = static_cast<short>(choice.id);
    if (choice.made && getValueToggleMenu(id) && getValueSensitive(id))
        setValueToggleState(id, getValueToggleState(id) ? 0 : 1);
    execProcedure(TQEV_VALUE_CH);
    if (!guard.alive())
        return;
    setAbsoluteDraw(1);
    redraw();
    if (!guard.alive() || !choice.made || !getSensitive())
        return;
    onActivate();
    const char* procName = choice.procName.getString(-2);
    if (guard.alive() && procName[0] != '\0')
        execProcedure(procName);
}

void TQCpulldownMenu::closeWithoutChoice()
{
    closeAndRun(Choice{false, 0, TQCstring()});
}

// ---------------------------------------------------------------------------
// The pointer grab

void TQCpulldownMenu::takeGrab()
{
    holdPointer(1);
    setMouseGrabed(1);
    setOutSideMouseRelease(1);
}

void TQCpulldownMenu::releaseGrab()
{
    if (m_grabed)
        holdPointer(0);
}

// The pointer held for the parent's window, with the title as the one told
// when the system takes it away; letting go forgets that.
void TQCpulldownMenu::holdPointer(unsigned char on)
{
    TQDmouse* mouse = TQGIappMouse();
    if (mouse != nullptr && (on || mouse->getMouseUngrabClient() == this))
        mouse->setMouseUngrabClient(on ? this : nullptr);
    if (TQDdev* dev = getParentDev())
        dev->setValue(TQDdev::VALUE_GRAB, &on);
    m_grabed = on;
    setOutSideMousePress(on);
}

void TQCpulldownMenu::setParentPressed(TQCbase* title)
{
    if (TQCbase* parent = getParent())
        parent->setUserData(PRESSED_KEY, title);
}

bool TQCpulldownMenu::rightButtonInEditMode()
{
    TQDmouse* mouse = TQGIappMouse();
    return getPropertyEditMode() && mouse != nullptr &&
           mouse->getTargetBtn() == TQDmouse::STATUS_BUTTON3;
}

// ---------------------------------------------------------------------------
// Press, release, move and hiding

// A press on a closed title opens it, closing any other open menu first;
// one that a pop-up menu took opens nothing.
void TQCpulldownMenu::onMousePress(TQCpoint* point)
{
    LifeGuard guard(this);
    if (getSensitive() && !m_opened && getUserData(POPPED_KEY) == nullptr &&
        !rightButtonInEditMode()) {
        if (_ptarget != nullptr && _ptarget != this)
            _ptarget->closeWithoutChoice();
        if (!guard.alive())
            return;
        setParentPressed(this);
        _menu_popup(point);
        if (!guard.alive())
            return;
        setAbsoluteDraw(1);
        redraw();
        if (!guard.alive())
            return;
    }
    TQCvlabel::onMousePress(point);
}

// Released on the title, or after a key opened it, the menu stays open with
// the pointer held (click mode); any other release closes it and runs the
// entry chosen. In edit mode every release closes it.
void TQCpulldownMenu::onMouseRelease(TQCpoint* point)
{
    setParentPressed(nullptr);
    if (!getSensitive())
        return;
    if (!m_opened || rightButtonInEditMode()) {
        TQCvlabel::onMouseRelease(point);
        return;
    }
    short mx = -1, my = -1;
    getMouseAddr(&mx, &my);
    bool onTitle = mx >= 0 && mx < m_width && my >= 0 && my < m_height;
    LifeGuard guard(this);
    if (!m_grabed && !getPropertyEditMode() && (onTitle || m_byKey)) {
        takeGrab();
    } else {
        // The entry chosen is the one under the pointer now.
        _menu_update();
        closeAndRun(windowChoice());
    }
    if (guard.alive())
        TQCvlabel::onMouseRelease(point);
}

// With the button held from a press on a sibling title, entering this
// title (its first row and column aside) takes the menu over.
void TQCpulldownMenu::onMouseMove(TQCpoint* point)
{
    if (!getSensitive())
        return;
    if (m_opened) {
        _menu_update();
        return;
    }
    TQCbase* parent = getParent();
    TQCbase* pressed = parent != nullptr ? static_cast<TQCbase*>(parent->getUserData(PRESSED_KEY))
                                         : nullptr;
    if (point == nullptr || pressed == nullptr || pressed == this || point->x <= 0 ||
        point->x >= m_width || point->y <= 0 || point->y >= m_height)
        return;
    LifeGuard guard(this);
    if (TQCpulldownMenu* other = static_cast<TQCpulldownMenu*>(pressed->cast("TQCpulldownMenu")))
        other->closeWithoutChoice();
    if (guard.alive())
        onMousePress(point);
}

void TQCpulldownMenu::onVisibleChange(unsigned char on)
{
    if (!on)
        closeForHiding();
    TQCvlabel::onVisibleChange(on);
}

void TQCpulldownMenu::onParentVisibleChange(unsigned char on)
{
    if (!on)
        closeForHiding();
    TQCvlabel::onParentVisibleChange(on);
}

// Nothing runs: the menu closes and the pointer is let go.
void TQCpulldownMenu::closeForHiding()
{
    setParentPressed(nullptr);
    _menu_popdown();
    releaseGrab();
}
