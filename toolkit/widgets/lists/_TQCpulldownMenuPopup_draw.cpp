// Menu window: the drawing pass, which paints the entries and on the way
// decides the active entry, records the root's choice and opens and closes
// the cascade children; and the block handed to an extended look instead.
#include "_TQCpulldownMenuPopup.h"

#include "_TQCcolorSet.h"
#include "_TQCfontSet.h"
#include "_TQCimageSet.h"
#include "_TQDdev.h"
#include "_TQDmouse.h"
#include "_TQGFgeometry.h"

namespace {

// Role colours of the active entry in look B.
const short kHighlightRole = -7;
const short kHighlightTextRole = -18;
// Left, centred vertically.
const char kAlignLeft = 0;
const char kHatchNone = 0;
const char kHatchStipple = 8;
// Where the pointer is taken to be when the mouse cannot tell.
const short kNowhere = -32768;

// Character index of the shortcut in the label, both lower-cased; -1 for
// none.
long underlinePosition(const std::string& label, const std::string& shortcut)
{
    if (shortcut.empty())
        return -1;
    TQCstring text(label.c_str(), -2);
    TQCstring key(shortcut.c_str(), -2);
    text.to_lower();
    key.to_lower();
    return text.isExist(key.getString(-2), -2);
}

} // namespace

// What one drawing pass carries from entry to entry.
struct TQCpulldownMenuPopup::Pass {
    TQDdev* dev;
    TQCpulldownMenuPopup* root;
    TQCpulldownData* states;
    bool lookA;
    bool lookB;
    short px;
    short py;
    long t;
    long h;
    long indent;
    long blank;
    long y;
    long k;
    long c;
};

long TQCpulldownMenuPopup::draw()
{
    if (!getVisible())
        return 0;
    short px = kNowhere, py = kNowhere;
    TQDmouse* mouse = TQGIappMouse();
    if (mouse == nullptr || mouse->getMousePosition(&px, &py) == 0)
        px = py = kNowhere;
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return -1;
    if (m_chain == nullptr)
        return 0;
    unsigned char whole = getAbsoluteDraw();
    if (!whole && !dev->isExposed(0, 0, m_width, m_height, 1))
        return 0;
    LifeGuard guard(this);
    if (drawThroughLook(dev)) {
        if (guard.alive())
            finishPass();
        return 0;
    }
    if (m_shadowThickness == 0) {
        finishPass();
        return 0;
    }
    if (!beginFramedDraw(dev, whole))
        return 0;

    long policy = TQGIappGuiPolicy()->getGuiPolicy();
    Pass pass = {dev, root(), get_parent_pld_data(), (policy & TQCguiPolicy::LOOK_A) != 0,
                 (policy & TQCguiPolicy::LOOK_B) != 0, px, py, m_shadowThickness,
                 m_menuItemHeight, 0, TQGIappFontSet()->getStringWidth(m_font, " ", -2),
                 m_shadowThickness, 0, 0};
    pass.root->m_procName = "";
    pass.root->m_chosen = 0;
    m_childWaiting = 0;
    pass.indent =
        (m_usePixmap ? IMAGE_ROOM : 0) + (m_chain->_is_toggle(pass.states) ? CHECK_ROOM : 0);
    for (const TQCmenuEntry& entry :
         TQCpulldownData::entries(m_menuItems, m_separator, m_separator2)) {
        if (entry.separator)
            drawSeparator(pass);
        else
            drawEntry(pass, entry);
        if (!guard.alive())
            return 0;
    }
    set_items(pass.k);
    dev->endDraw();
    finishPass();
    return 0;
}

void TQCpulldownMenuPopup::finishPass()
{
    updateChild();
    m_keyboardMode = 0;
}

// Two lines, shadow under light: 2t high, with room above and below in
// look B.
void TQCpulldownMenuPopup::drawSeparator(Pass& pass)
{
    TQDdev* dev = pass.dev;
    long t = pass.t, w = m_width;
    if (pass.lookB)
        pass.y += 2;
    dev->setForeColor(m_bottomShadowColor);
    dev->setLineDashType(0);
    dev->setLineWidth(1);
    dev->setHatchPattern(kHatchNone);
    long left = pass.lookA ? t : t + 1;
    long right = pass.lookA ? w - t : w - t - 2;
    if (pass.lookA || pass.lookB) {
        dev->drawLine(left, pass.y, right, pass.y);
        dev->setForeColor(m_topShadowColor);
        dev->drawLine(left, pass.y + 1, right, pass.y + 1);
    }
    pass.y += 2 * t + (pass.lookB ? 2 : 0);
}

// An entry is active under the pointer, or, right after an arrow key, when
// it is the selected one. Hovering an insensitive entry records its id but
// neither highlights nor chooses it.
void TQCpulldownMenuPopup::drawEntry(Pass& pass, const TQCmenuEntry& entry)
{
    TQDdev* dev = pass.dev;
    long k = pass.k, y = pass.y, t = pass.t, h = pass.h, w = m_width;
    bool toggle = m_chain->_get_toggle(k, pass.states) != 0;
    bool sensitive = m_chain->_get_sensitive(k, pass.states) != 0;
    if (m_selectedItem == -1)
        m_selectedItem = static_cast<signed char>(m_items - 1);
    else if (m_selectedItem > m_items - 1)
        m_selectedItem = 0;
    bool active = m_keyboardMode ? k == m_selectedItem
                                 : m_x < pass.px && pass.px < m_x + w && m_y + y < pass.py &&
                                       pass.py < m_y + y + h;
    bool lit = active && sensitive && pass.lookB;
    TQCcolorSet* colors = TQGIappColorSet();
    if (lit && w - 2 * t - 2 > 0 && h - 2 > 0) {
        dev->setHatchPattern(kHatchNone);
        dev->setForeColor(colors->getDefaultColorNo(kHighlightRole));
        dev->drawFillRect(t + 1, y + 1, w - 2 * t - 2, h - 2);
    }

    TQCstring label(entry.field(0).c_str(), -2);
    long underline = underlinePosition(entry.field(0), entry.field(2));
    long textW = w - 4 * t - pass.blank, textH = h - 2 * t;
    bool roomForText = textW > 0 && textH > 0;
    dev->setForeColor(m_foreColor);
    if (sensitive) {
        dev->setHatchPattern(kHatchNone);
    } else if (!m_emboss) {
        dev->setHatchPattern(kHatchStipple);
    } else if (roomForText) {
        dev->setForeColor(m_topShadowColor);
        dev->setUnderLineChar(underline >= 0 ? underline : 0, underline >= 0 ? 1 : 0);
        dev->drawString(pass.indent + 2 * t + pass.blank / 2 + 1, y + t + 1, textW, textH, &label,
                        m_font, kAlignLeft, -1, 0, 0, 0);
    }
    short textColor = m_emboss && !sensitive ? m_bottomShadowColor : m_foreColor;
    if (toggle)
        drawCheckBox(dev, t, y, h,
                     {m_foreColor, m_topShadowColor, m_bottomShadowColor, m_backColor}, textColor,
                     m_chain->_get_toggle_state(k, pass.states) != 0);
    dev->setForeColor(lit ? colors->getDefaultColorNo(kHighlightTextRole) : textColor);
    dev->setUnderLineChar(underline >= 0 ? underline : 0, underline >= 0 ? 1 : 0);
    if (!toggle && m_usePixmap && !entry.field(4).empty() &&
        entry.field(1).find('{') == std::string::npos && textH > 0 && pass.indent > 0)
        dev->drawImage(2 * t, y + t, pass.indent, textH,
                       TQGIappImageSet()->getImage(entry.field(4).c_str()), 0);
    if (roomForText)
        dev->drawString(2 * t + pass.blank / 2 + pass.indent, y + t, textW, textH, &label, m_font,
                        kAlignLeft, -1, 0, 0, 0);

    if (active) {
        if (sensitive) {
            set_selected_item(k);
            if (pass.lookA)
                TQGFdrawBtnShadow(dev, m_shadowType, t, m_foreColor, m_topShadowColor,
                                  m_bottomShadowColor, m_backColor, t, y, w - 2 * t, h, 0);
        }
        if (entry.cascade) {
            drawCascadeArrow(pass);
            if (m_deferChildren)
                m_childWaiting = 1;
            else if (sensitive)
                popupChildPld(static_cast<short>(pass.c),
                              const_cast<char*>(entry.cascadeText.c_str()),
                              static_cast<short>(m_x + w), static_cast<short>(m_y + y));
        } else if (checkChildStatus() == 0 && sensitive) {
            pass.root->m_procName.setString(entry.field(1).c_str(), -2);
            pass.root->m_chosen = 1;
        }
        // A cascade entry is no item of its own: it names none.
        pass.root->m_value = entry.cascade ? -1 : entry.value();
    } else {
        if (entry.cascade) {
            drawCascadeArrow(pass);
            TQCpulldownMenuPopup* child = childAt(pass.c);
            bool pointerInside = m_x < pass.px && pass.px < m_x + w && m_y < pass.py &&
                                 pass.py < m_y + m_height;
            if (child != nullptr && child->getVisible() && pointerInside)
                popdownChildPld(static_cast<short>(pass.c));
        }
        if (pass.lookA)
            TQGFdrawShadow(dev, m_shadowType, t, m_backColor, m_backColor, m_backColor,
                           m_backColor, t, y, w - 2 * t, h, 1);
    }
    if (entry.cascade)
        ++pass.c;
    ++pass.k;
    pass.y += h;
}

void TQCpulldownMenuPopup::drawCheckBox(TQDdev* dev, long t, long y, long h,
                                        const EntryColours& colours, short markColor,
                                        bool checked)
{
    long q = 2 * h / 3;
    long b = y + (h - q) / 2;
    TQGFdrawShadow(dev, TQSHADOW_IN, t, colours.fore, colours.top, colours.bottom, colours.back,
                   2 * t, b, q, q, 0);
    if (!checked)
        return;
    long d = q - 2 * t, e = d / 4;
    TQCpoint mark[] = {{3 * t + e, b + t + e}, {3 * t, b + t + d / 2},
                       {2 * t + q / 2, b + q - t}, {t + q, b + t}, {2 * t + q / 2, b + q / 2}};
    dev->setForeColor(markColor);
    dev->drawFillPoly(mark, 5);
}

// Right-pointing, at the right edge, in the middle of the row.
void TQCpulldownMenuPopup::drawCascadeArrow(Pass& pass)
{
    TQDdev* dev = pass.dev;
    long w = m_width, m = pass.y + pass.h / 2;
    long back = pass.lookA ? 15 : 10;
    TQCpoint arrow[] = {{w - back, m + 5}, {w - back, m - 5}, {w - 5, m}};
    dev->setForeColor(m_foreColor);
    dev->drawFillPoly(arrow, 3);
    if (!pass.lookA)
        return;
    dev->setLineWidth(1);
    dev->setForeColor(m_bottomShadowColor);
    dev->drawPoly(arrow, 3);
    dev->setForeColor(m_topShadowColor);
    dev->drawLine(w - back, m + 5, w - 5, m);
}

void TQCpulldownMenuPopup::fillDrawBlock(TQCpulldownMenuPopupDrawBlock& b)
{
    b.foreColor = m_foreColor;
    b.backColor = m_backColor;
    b.topShadowColor = m_topShadowColor;
    b.bottomShadowColor = m_bottomShadowColor;
    b.menuItems = m_menuItems;
    b.separator = m_separator;
    b.separator2 = m_separator2;
    b.menuItemHeight = m_menuItemHeight;
    b.selectedItem = m_selectedItem;
    b.items = m_items;
    b.font = m_font;
    b.keyboardSelect = m_keyboardMode;
    b.keyboardWait = m_deferChildren;
}
