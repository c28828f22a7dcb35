// "Modern1" menu window: the entries in rows on the back colour inside a
// one-pixel outline, the sensitive entry under the pointer (or picked with
// the arrow keys) filled with the highlight. Like the classic drawing it
// works out the active entry on the way, records its procedure and id on the
// top window of the cascade, and opens and closes the cascade children.
#include "_TQextguipolicy_tqc.h"

#include <vector>

#include "_TQCcolorSet.h"
#include "_TQCfontSet.h"
#include "_TQCimageSet.h"
#include "_TQCpulldownMenuPopup.h"
#include "_TQCvlabel.h"
#include "_TQDmouse.h"
#include "_TQGFmodern1.h"
#include "_TQGFmodern1Paint.h"

namespace {

// Role colours of the highlighted row and its text.
const long kHighlightRole = -7;
const long kHighlightTextRole = -18;
// Left, centred vertically.
const char kAlignLeft = 0;
const short kNowhere = -32768;

// One drawing of a menu window; (px, py) is the pointer on the screen, y the
// top of the next row, i the next entry's number and c the next cascade's.
struct Menu {
    const TQCpulldownMenuPopupDrawBlock& b;
    TQCpulldownMenuPopup* popup;
    TQCpulldownMenuPopup* root;
    TQCpulldownData* chain;
    TQCpulldownData* states;
    TQDdev* dev;
    long w, h, t, ih;
    short px, py;
    long indent;  // the room for images and check boxes before every label
    long blank;   // the width of a blank in the menu's font
    long y, i, c;
};

bool pointerWithin(const Menu& d, long top, long height)
{
    long x = d.b.head.x, y = d.b.head.y + top;
    return x < d.px && d.px < x + d.w && y < d.py && d.py < y + height;
}

// Two lines, shadow over light, in a gap 2t + 4 high.
void drawSeparator(Menu& d)
{
    TQDdev* dev = d.dev;
    long left = d.t + 1, right = d.w - d.t - 2;
    dev->setForeColor(d.b.bottomShadowColor);
    dev->setLineDashType(0);
    dev->setLineWidth(1);
    dev->setHatchPattern(0);
    dev->drawLine(left, d.y + 2, right, d.y + 2);
    dev->setForeColor(d.b.topShadowColor);
    dev->drawLine(left, d.y + 3, right, d.y + 3);
    d.y += 2 * d.t + 4;
}

void drawLabel(const Menu& d, TQCstring* label, long x, long y)
{
    long w = d.w - 4 * d.t - d.blank, h = d.ih - 2 * d.t;
    if (modern1Sized(w, h))
        d.dev->drawString(x, y, w, h, label, d.b.font, kAlignLeft, -1, 0, 0, 0);
}

void setUnderline(const Menu& d, long at)
{
    d.dev->setUnderLineChar(at >= 0 ? at : 0, at >= 0 ? 1 : 0);
}

// The entry's text, its check box or image, and its highlight.
void paintEntry(const Menu& d, const TQCmenuEntry& entry, bool active, bool sensitive,
                bool toggle)
{
    const TQCpulldownMenuPopupDrawBlock& b = d.b;
    TQDdev* dev = d.dev;
    long t = d.t, y = d.y;
    TQCcolorSet* colours = TQGIappColorSet();
    bool lit = active && sensitive;
    if (lit) {
        dev->setHatchPattern(0);
        dev->setForeColor(colours->getDefaultColorNo(kHighlightRole));
        modern1Fill(dev, t + 1, y + 1, d.w - 2 * t - 2, d.ih - 2);
    }
    TQCstring label(entry.field(0).c_str(), -2);
    long underline = TQCvlabel::shortcutPosition(label, entry.field(2).c_str());
    bool embossed = !sensitive && d.popup->getEmboss();
    dev->setForeColor(b.foreColor);
    // Hatch pattern 8 hatches what follows; 0 draws it solid.
    if (sensitive) {
        dev->setHatchPattern(0);
    } else if (!embossed) {
        dev->setHatchPattern(8);
    } else {
        dev->setForeColor(b.topShadowColor);
        setUnderline(d, underline);
        drawLabel(d, &label, d.indent + 1 + 2 * t + d.blank / 2, y + t + 1);
    }
    short text = embossed ? b.bottomShadowColor : b.foreColor;
    if (toggle)
        TQCpulldownMenuPopup::drawCheckBox(
            dev, t, y, d.ih, {b.foreColor, b.topShadowColor, b.bottomShadowColor, b.backColor},
            text, d.chain->_get_toggle_state(d.i, d.states) != 0);
    dev->setForeColor(lit ? colours->getDefaultColorNo(kHighlightTextRole) : text);
    setUnderline(d, underline);
    if (!toggle && d.popup->get_use_pixmap() && !entry.field(4).empty() &&
        entry.field(1).find('{') == std::string::npos && modern1Sized(d.indent, d.ih - 2 * t)) {
        if (TQDimage* image = TQGIappImageSet()->getImage(entry.field(4).c_str()))
            dev->drawImage(t * 2, y + t, d.indent, d.ih - 2 * t, image, 0);
    }
    drawLabel(d, &label, 2 * t + d.blank / 2 + d.indent, y + t);
}

// A right-pointing triangle at the right edge, in the middle of the row.
void drawCascadeMark(const Menu& d)
{
    long m = d.y + d.ih / 2;
    TQCpoint mark[] = {{d.w - 10, m + 5}, {d.w - 10, m - 5}, {d.w - 5, m}};
    d.dev->setForeColor(d.b.foreColor);
    d.dev->drawFillPoly(mark, 3);
}

// An active cascade entry opens its child unless the keys hold children
// back; an inactive one closes its child while the pointer is in this
// window.
void followCascade(const Menu& d, const TQCmenuEntry& entry, bool active, bool sensitive)
{
    TQCpulldownMenuPopup* popup = d.popup;
    if (active) {
        if (sensitive)
            popup->set_selected_item(d.i);
        if (d.b.keyboardWait)
            popup->set_child_popup_waited(1);
        else if (sensitive)
            popup->popupChildPld(static_cast<short>(d.c),
                                 const_cast<char*>(entry.cascadeText.c_str()),
                                 static_cast<short>(d.b.head.x + d.w),
                                 static_cast<short>(d.b.head.y + d.y));
        return;
    }
    TQClistData* children = popup->get_child_pld_list();
    TQCpulldownMenuPopup* child =
        d.c < children->getNum() ? static_cast<TQCpulldownMenuPopup*>(children->getData(d.c))
                                 : nullptr;
    if (child != nullptr && child->getVisible() && pointerWithin(d, 0, d.h))
        popup->popdownChildPld(static_cast<short>(d.c));
}

// The active entry: its number, and on the root its procedure (while no
// child window holds the pointer) and its id. A cascade entry names no entry
// of its own: its id is -1. An insensitive entry gives its id alone.
void recordChoice(const Menu& d, const TQCmenuEntry& entry, bool sensitive)
{
    if (!entry.cascade) {
        if (sensitive)
            d.popup->set_selected_item(d.i);
        if (sensitive && d.popup->checkChildStatus() == 0) {
            d.root->get_prc_name()->setString(entry.field(1).c_str(), -2);
            d.root->set_selected(1);
        }
    }
    d.root->set_id_value(entry.cascade ? -1 : entry.value());
}

// The keys' selection is brought back into the entries once per drawing,
// for the next one: -1 is the last entry, one past the last the first.
void wrapSelection(const Menu& d)
{
    if (d.b.selectedItem == -1)
        d.popup->set_selected_item(d.b.items - 1);
    else if (d.b.selectedItem > d.b.items - 1)
        d.popup->set_selected_item(0);
}

// False when the window went with a child it opened or closed.
bool drawEntry(Menu& d, const TQCmenuEntry& entry)
{
    if (d.i == 0)
        wrapSelection(d);
    bool sensitive = d.chain == nullptr || d.chain->_get_sensitive(d.i, d.states) != 0;
    bool toggle = d.chain != nullptr && d.chain->_get_toggle(d.i, d.states) != 0;
    bool active = d.b.keyboardSelect ? d.i == d.b.selectedItem : pointerWithin(d, d.y, d.ih);
    paintEntry(d, entry, active, sensitive, toggle);
    TQCbase::LifeGuard guard(d.popup);
    if (entry.cascade) {
        drawCascadeMark(d);
        followCascade(d, entry, active, sensitive);
        if (!guard.alive())
            return false;
        ++d.c;
    }
    if (active)
        recordChoice(d, entry, sensitive);
    d.y += d.ih;
    ++d.i;
    return true;
}

TQCpulldownMenuPopup* topOf(TQCpulldownMenuPopup* popup)
{
    while (popup->getParentMenu() != nullptr)
        popup = popup->getParentMenu();
    return popup;
}

} // namespace

void TQCpulldownMenuPopup_draw_mdr1(void* block)
{
    const TQCpulldownMenuPopupDrawBlock& b = *static_cast<TQCpulldownMenuPopupDrawBlock*>(block);
    TQCpulldownMenuPopup* popup = static_cast<TQCpulldownMenuPopup*>(b.head.instance);
    TQDdev* dev = b.head.device;
    if (!TQGFopenModern1Drawing(b.head, 0, 0))
        return;
    long t = b.head.shadowThickness;
    Menu d{b, popup, topOf(popup), popup->get_pld_data(), popup->get_parent_pld_data(), dev,
           b.head.width, b.head.height, t, b.menuItemHeight, kNowhere, kNowhere, 0, 0, t, 0, 0};
    TQDmouse* mouse = TQGIappMouse();
    if (mouse == nullptr || mouse->getMousePosition(&d.px, &d.py) == 0)
        d.px = d.py = kNowhere;

    dev->setForeColor(b.backColor);
    modern1Fill(dev, 0, 0, d.w, d.h);
    dev->setForeColor(b.bottomShadowColor);
    modern1Outline(dev, 0, 0, d.w, d.h);
    d.root->get_prc_name()->setString("", -2);
    d.root->set_selected(0);
    bool anyToggle = d.chain != nullptr && d.chain->_is_toggle(d.states) != 0;
    popup->set_child_popup_waited(0);
    d.indent = (popup->get_use_pixmap() ? TQCpulldownMenuPopup::IMAGE_ROOM : 0) +
               (anyToggle ? TQCpulldownMenuPopup::CHECK_ROOM : 0);
    d.blank = TQGIappFontSet()->getStringWidth(b.font, " ", -2);
    for (const TQCmenuEntry& entry :
         TQCpulldownData::entries(b.menuItems, b.separator, b.separator2)) {
        if (entry.separator)
            drawSeparator(d);
        else if (!drawEntry(d, entry))
            return;
    }
    popup->set_items(d.i);
    dev->endDraw();
}
