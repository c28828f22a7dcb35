// The menu bar: a form along the top of its parent, always as wide as the
// parent inside its border, that holds the menu titles side by side. The
// menu areas of one parent are stacked from the top of the parent's border,
// and the titles of each are laid out left to right without gaps, all as
// high as the area less 2 pixels; the parent's RESIZE does it again (a
// vertical box form lays its areas out itself). It paints the menu colour
// with a groove along its bottom edge instead of a 3-D frame.
#ifndef _TQCMENUAREA_H
#define _TQCMENUAREA_H

#include "_TQCform.h"

// What an extended look's "TQCmenuArea::draw" procedure is handed: the
// form's fields.
struct TQCmenuAreaDrawBlock : TQCformDrawBlock {
};

class TQCmenuArea : public TQCform {
public:
    TQ_CLASS_FRAME(TQCmenuArea, TQCform, 1001, 1010)
    TQ_LOOK_HOOK(TQCmenuArea, TQCmenuAreaDrawBlock)
    TQCmenuArea(TQCbase* parent, const char* name);

    // Spans the parent, anchored at its border, and lays the parent's menu
    // areas out, binding that to the parent's RESIZE once.
    long initialize() override;
    void getMadeValues(TQCindexVariantData* values) override;
    // Whatever width is asked, the window takes the parent's width inside
    // its border.
    void setWorkTQNwidth(unsigned short width) override;

    // Lays out every menu area of the parent and their children.
    static void _resize_work(TQCbase* parent);

    // The user data on the parent once the layout is bound, and the
    // procedure that runs it.
    static const char* const BOUND_KEY;
    static const char* const RESIZE_PROC;

protected:
    // The groove: a dark line and a light one along the bottom edge.
    void drawFigure(TQDdev* dev) override;
    // In edit mode a width that no longer fits the parent has the parent
    // lay the area out again.
    void drawFinished() override;
    bool gridIncludesEdges() const override { return false; }

private:
    static void registerProperties(Registrar& r);
    // The parent's width inside its border; 0 without a parent.
    unsigned short parentInnerWidth();
    bool underBoxForm();
    static void layOutTitles(TQCbase* area);

    unsigned short m_appliedWidth = 0;
};

void* TQCmenuArea_create(void* parent);
void TQCmenuArea_delete(void* object);

#endif
