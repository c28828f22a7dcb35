// "Modern1" pop-up frame: the items in rows on the back colour inside a
// frame, the sensitive row under the pointer highlighted in the system's
// colours. Drawing notes the item under the pointer as the frame's value,
// an insensitive one included.
#include "_TQextguipolicy_tq.h"

#include <string>
#include <vector>

#include "_TQCcolorSet.h"
#include "_TQCpopupFrame.h"
#include "_TQDmouse.h"
#include "_TQGFgeometry.h"
#include "_TQGFmodern1.h"
#include "_TQGFmodern1Paint.h"
#include "_TQGFstring.h"

namespace {

// Role colours of the highlighted row and its text.
const long kHighlightRole = -7;
const long kHighlightTextRole = -18;
// Left-aligned, centred vertically.
const char kLeftCentre = 0;

// One drawing of a pop-up frame; (mx, my) is the pointer on the screen.
struct Popup {
    const TQCpopupFrameDrawBlock& b;
    TQCpopupFrame* frame;
    TQDdev* dev;
    long w, t, ih;
    short mx, my;
};

// One pixel: an outline in the bottom shadow colour; thicker: the flat
// frame shaded from the frame's own back colour.
void drawFrame(const Popup& d)
{
    const TQCpopupFrameDrawBlock& b = d.b;
    if (d.t == 1) {
        d.dev->setForeColor(b.bottomShadowColor);
        modern1Outline(d.dev, 0, 0, d.w, b.head.height);
    } else if (d.t >= 2) {
        TQGFdrawModern1Shadow(d.dev, b.shadowType, d.t, b.foreColor, b.topShadowColor,
                              b.bottomShadowColor, b.backColor, b.backColor, 0, 0, b.head.width,
                              b.head.height, 0);
    }
}

void drawLabel(const Popup& d, TQCstring* label, long x, long y)
{
    long w = d.w - 4 * d.t - 2, h = d.ih - 2 * d.t;
    if (modern1Sized(w, h))
        d.dev->drawString(x, y, w, h, label, d.b.font, kLeftCentre, -1, 0, 0, 0);
}

// Rows not under the pointer get their frame area painted over in the back
// colour; the row under it sets the value.
void drawItem(const Popup& d, const std::string& item, long i, long y)
{
    const TQCpopupFrameDrawBlock& b = d.b;
    TQDdev* dev = d.dev;
    long t = d.t;
    TQCstring label(TQCpopupFrame::itemField(item, 0).c_str(), -2);
    bool sensitive = b.itemSensitive == nullptr || b.itemSensitive[i] != 0;
    if (sensitive) {
        dev->setHatchPattern(0);
    } else if (b.emboss) {
        dev->setForeColor(b.topShadowColor);
        drawLabel(d, &label, 2 * t + 3, y + t + 1);
    } else {
        dev->setHatchPattern(8);
    }
    long px = b.head.x, py = b.head.y;
    bool under = px < d.mx && d.mx < px + d.w && py + y < d.my && d.my < py + y + d.ih;
    TQCcolorSet* colours = TQGIappColorSet();
    if (sensitive && under) {
        dev->setForeColor(colours->getDefaultColorNo(kHighlightRole));
        modern1Fill(dev, t + 1, y + 1, d.w - 2 * t - 2, d.ih - 2);
    }
    short text = !sensitive && b.emboss ? b.bottomShadowColor : b.foreColor;
    dev->setForeColor(sensitive && under ? colours->getDefaultColorNo(kHighlightTextRole) : text);
    drawLabel(d, &label, 2 * t + 2, y + t);
    if (!under) {
        TQGFdrawShadow(dev, static_cast<char>(b.shadowType), static_cast<unsigned short>(t),
                       b.backColor, b.backColor, b.backColor, b.backColor, static_cast<short>(t),
                       static_cast<short>(y), static_cast<unsigned short>(d.w - 2 * t),
                       static_cast<unsigned short>(d.ih), 1);
        return;
    }
    d.frame->set_value(0);
    d.frame->set_value(TQGFatol(TQCpopupFrame::itemField(item, 1).c_str()));
    d.frame->set_value_effective(1);
}

} // namespace

void TQCpopupFrame_draw_mdr1(void* block)
{
    const TQCpopupFrameDrawBlock& b = *static_cast<TQCpopupFrameDrawBlock*>(block);
    TQCpopupFrame* frame = static_cast<TQCpopupFrame*>(b.head.instance);
    TQDdev* dev = b.head.device;
    if (!TQGFopenModern1Drawing(b.head, 0, 0))
        return;
    // Without a pointer no row is under it.
    Popup d{b, frame, dev, b.head.width, b.head.shadowThickness, b.menuItemHeight, -32768, -32768};
    TQDmouse* mouse = TQGIappMouse();
    if (mouse == nullptr || mouse->getMousePosition(&d.mx, &d.my) == 0)
        d.mx = d.my = -32768;

    dev->setForeColor(b.backColor);
    modern1Fill(dev, 0, 0, d.w, b.head.height);
    drawFrame(d);
    frame->set_value_effective(0);
    std::vector<std::string> items = TQCpopupFrame::splitItems(b.menuItems);
    long y = d.t;
    for (size_t i = 0; i < items.size(); ++i, y += d.ih)
        drawItem(d, items[i], static_cast<long>(i), y);
    dev->endDraw();
}
