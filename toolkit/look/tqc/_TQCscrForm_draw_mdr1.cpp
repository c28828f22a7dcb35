// "Modern1" scrolled form: the flat frame round the whole form, the corner
// between its two bars, and the view inside the frame. The bars paint
// themselves.
#include "_TQextguipolicy_tqc.h"

#include "_TQCbase.h"
#include "_TQCscrForm.h"
#include "_TQGFmodern1.h"
#include "_TQGFmodern1Paint.h"

// The frame is drawn in a pass of its own; the bars' room always includes
// the margin.
void TQCscrForm_draw_mdr1(void* block)
{
    const TQCscrFormDrawBlock& b = *static_cast<TQCscrFormDrawBlock*>(block);
    TQDdev* dev = b.head.device;
    if (dev->beginDraw(0, 0, b.head.width, b.head.height, b.head.instance->getAbsoluteDraw(), 1) !=
        0)
        return;
    long w = b.head.width, h = b.head.height, t = b.head.shadowThickness;
    long room = static_cast<long>(b.barThickness) + b.margin;
    long rv = b.vbarShown ? room : 0;
    long rh = b.hbarShown ? room : 0;
    if (t != 0)
        TQGFdrawModern1Shadow(dev, b.shadowType, b.head.shadowThickness, b.foreColor,
                              b.topShadowColor, b.bottomShadowColor, b.backColor, b.backColor, 0,
                              0, b.head.width, b.head.height, 0);
    dev->endDraw();
    if (!TQGFopenModern1Drawing(b.head, 0, 0))
        return;
    if (b.backPixmap == -1) {
        dev->setForeColor(b.backColor);
        modern1Fill(dev, w - t - rv, h - t - rh, rv, rh);
    }
    dev->setForeColor(b.workBackColor);
    modern1Fill(dev, t, t, w - rv - 2 * t, h - rh - 2 * t);
    dev->endDraw();
}
