// "Modern1" form: its background, the edit-mode dot grid, and the flat
// frame, whose outline is shaded from the colour around the form.
#include "_TQextguipolicy_tq.h"

#include "_TQCmodern1Ground.h"
#include "_TQGFmodern1.h"

void TQCform_draw_mdr1(void* block)
{
    TQCmodern1Ground g(*static_cast<TQCformDrawBlock*>(block));
    if (!g.open())
        return;
    g.paintBackground(g.b.backColor);
    g.drawDotGrid();
    g.drawFrame(TQGFgetParentBackColor(g.form));
    g.close();
}
