// "Modern1" form: its background, the edit-mode dot grid, and the flat
// frame, whose outline is shaded from the colour around the form.
#include "_TQextguipolicy_tq.h"

#include "_TQCform.h"
#include "_TQGFmodern1.h"
#include "_TQGFmodern1Paint.h"

namespace {

const long kDotSpacing = 10;

// A dot every ten pixels in the exposed area, its far edges included.
void drawDotGrid(TQDdev* dev, short colour, long w, long h, short ex, short ey,
                 unsigned short ew, unsigned short eh)
{
    dev->setForeColor(colour);
    for (long x = 0; x < w; x += kDotSpacing) {
        for (long y = 0; y < h; y += kDotSpacing) {
            if (ex <= x && x <= ex + ew && ey <= y && y <= ey + eh)
                modern1Dot(dev, x, y);
        }
    }
}

} // namespace

// With a background image the device paints the background itself.
void TQCform_draw_mdr1(void* block)
{
    const TQCformDrawBlock& b = *static_cast<TQCformDrawBlock*>(block);
    TQCform* form = static_cast<TQCform*>(b.head.instance);
    TQDdev* dev = b.head.device;
    long w = b.head.width, h = b.head.height;
    unsigned char whole = form->getAbsoluteDraw();
    if (dev->beginDraw(0, 0, b.head.width, b.head.height, whole, 1) != 0)
        return;
    short ex = 0, ey = 0;
    unsigned short ew = b.head.width, eh = b.head.height;
    if (!whole)
        dev->getExposedArea(&ex, &ey, &ew, &eh, 1);
    form->TQCbase::update();
    form->setAbsoluteDraw(0);

    if (b.backPixmap == -1 && b.gradation == 0) {
        dev->setForeColor(b.backColor);
        modern1Fill(dev, 0, 0, w, h);
    } else if (b.backPixmap == -1) {
        dev->drawGradation(b.gradation, b.topShadowColor, b.backColor, b.bottomShadowColor, 0, 0,
                           b.head.width, b.head.height,
                           static_cast<unsigned char>(b.gradationMargin));
    }
    if (form->getDotMode() == 1)
        drawDotGrid(dev, b.foreColor, w, h, ex, ey, ew, eh);
    if (b.head.shadowThickness != 0)
        TQGFdrawModern1Shadow(dev, b.shadowType, b.head.shadowThickness, b.topShadowColor,
                              b.topShadowColor, b.bottomShadowColor, b.backColor,
                              TQGFgetParentBackColor(form), 0, 0, b.head.width, b.head.height,
                              0);
    dev->endDraw();
}
