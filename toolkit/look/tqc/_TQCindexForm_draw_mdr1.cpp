// "Modern1" tab form: the page's ground, the tab buttons a shade darker than
// the page and the selected one in the page's colour, a one-pixel line
// between the tab row and the page left open under the selected tab, and
// the flat frame.
#include "_TQextguipolicy_tqc.h"

#include <algorithm>

#include "_TQCindexForm.h"
#include "_TQCmodern1Ground.h"
#include "_TQCvbtn.h"
#include "_TQGFmodern1.h"
#include "_TQGFmodern1Paint.h"
#include "_TQN.h"

namespace {

const long kTabShade = -16;
// How far the line runs on under each end of the selected tab.
const long kOverlap = 2;

// Only on a flat ground: a gradation or a back image leaves the tabs as
// they are. Without a button for the form's value only the others change.
void colourTabs(const TQCindexFormDrawBlock& b, TQCindexForm* form)
{
    if (b.backPixmap != -1 || b.gradation != 0 || b.barThickness == 0)
        return;
    form->set_btn_background(TQGFgetFixedColor(b.backColor, kTabShade));
    if (TQCvbtn* selected = form->get_target_btn())
        selected->setProperty(_TQNbackColor(), TQCvariant(b.backColor));
}

// The tabs share the row equally; the parts are reckoned in unsigned
// arithmetic and kept within the form.
void drawTabLine(const TQCmodern1Ground& g, const TQCindexFormDrawBlock& b)
{
    TQCstring items(b.menuItems != nullptr ? b.menuItems : "");
    unsigned long n = static_cast<unsigned long>(std::max(items.getWords(","), 0L));
    if (n < 2 || b.barThickness == 0)
        return;
    bool horizontal = b.orientation == 0;
    unsigned long length = horizontal ? g.w : g.h;
    long depth = horizontal ? g.h : g.w;
    long across = b.flip ? depth - b.barThickness - 1 : b.barThickness;
    unsigned long s = static_cast<unsigned long>(b.selectedTab);
    auto piece = [&](long from, long size) {
        size = std::min(size, static_cast<long>(length) - from);
        if (horizontal)
            modern1Fill(g.dev, from, across, size, 1);
        else
            modern1Fill(g.dev, across, from, 1, size);
    };
    g.dev->setForeColor(b.bottomShadowColor);
    if (s > 1)
        piece(0, static_cast<long>(length * (s - 1) / n) + kOverlap);
    if (s < n)
        piece(static_cast<long>(length * s / n) - kOverlap,
              static_cast<long>((n - s) * length / n) + kOverlap);
}

} // namespace

void TQCindexForm_draw_mdr1(void* block)
{
    const TQCindexFormDrawBlock& b = *static_cast<TQCindexFormDrawBlock*>(block);
    TQCmodern1Ground g(b);
    if (!g.open())
        return;
    colourTabs(b, static_cast<TQCindexForm*>(g.form));
    g.paintBackground(b.backColor);
    g.drawDotGrid();
    drawTabLine(g, b);
    g.drawFrame(g.parentBackColor());
    g.close();
}
