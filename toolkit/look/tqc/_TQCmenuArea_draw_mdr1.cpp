// "Modern1" menu bar: a flat ground with an etched double line along its
// lower edge, or the flat frame of a form.
#include "_TQextguipolicy_tqc.h"

#include "_TQCmenuArea.h"
#include "_TQCmodern1Ground.h"
#include "_TQDdev.h"

namespace {

const long kNoShadow = -1;
// The menu role colour, which the bar paints as the first role colour.
const short kMenuRole = -5;
const short kFirstRole = -1;

// A line in the bottom shadow colour above one in the top shadow colour.
void drawLowerEdge(const TQCmodern1Ground& g)
{
    TQDdev* dev = g.dev;
    short w = static_cast<short>(g.w), h = static_cast<short>(g.h);
    dev->setLineWidth(0);
    dev->setForeColor(g.b.bottomShadowColor);
    dev->drawLine(0, static_cast<short>(h - 2), w, static_cast<short>(h - 2));
    dev->setForeColor(g.b.topShadowColor);
    dev->drawLine(0, static_cast<short>(h - 1), w, static_cast<short>(h - 1));
}

} // namespace

void TQCmenuArea_draw_mdr1(void* block)
{
    TQCmodern1Ground g(*static_cast<TQCmenuAreaDrawBlock*>(block));
    if (!g.open())
        return;
    g.paintBackground(g.b.backColor == kMenuRole ? kFirstRole : g.b.backColor);
    g.drawDotGrid();
    if (g.b.shadowType == kNoShadow)
        drawLowerEdge(g);
    else
        g.drawFrame(g.parentBackColor());
    g.close();
}
