// The box forms: TQCvertForm stacks its children top to bottom, TQChorzForm
// (in its own file) places them left to right. They keep no layout data of
// their own per child: each pass rewrites the children's x, y, width and
// height. The order along the line is the children's position along it;
// every child has margin pixels on both sides and at least minimum along
// the line; the room left over goes to the last stretching spacer along
// the line, or else to the last child; alignmentH (alignmentV in a row)
// places the children across the line.
#ifndef _TQCVERTFORM_H
#define _TQCVERTFORM_H

#include "_TQCform.h"

#include <vector>

class TQClineAxis;

class TQCvertForm : public TQCform {
public:
    TQ_CLASS_FRAME(TQCvertForm, TQCform, 1001, 1010)
    TQCvertForm(TQCbase* parent, const char* name);

    // Alignment codes across the line; other values leave it alone.
    enum { ALIGN_NONE, ALIGN_NEAR, ALIGN_CENTER, ALIGN_FAR, ALIGN_ADJUST };

    // The layout pass, then the form's own update, while one is pending.
    void update() override;
    // With no-refresh on, only clears the update marks.
    long draw() override;
    // Anchors act across the line only: along it the layout places.
    void _exec_child_adjust_for_anchors() override;

    TQ_PROPERTY_HOOKS(minimum, unsigned short)
    // A new margin is laid out at once; minimum and alignment wait for the
    // next update.
    TQ_PROPERTY_WORK_HOOK(margin, unsigned char)
    TQ_PROPERTY_HOOKS(alignmentH, unsigned char)

    // The layout pass; nothing unless the form waits for its update.
    virtual void _adjust();

protected:
    // 0 lays out along x (a row), 1 along y (a column).
    void setOrientation(unsigned char orientation) { m_orientation = orientation; }

    // Shown as alignmentH in a column and as alignmentV in a row.
    unsigned char m_alignment = ALIGN_NONE;

private:
    std::vector<TQCbase*> collectChildren(const TQClineAxis& line, long* room, long* total);
    void alignAcross(const TQClineAxis& line, TQCbase* child, long formCross);

    unsigned short m_minimum = 20;
    unsigned char m_margin = 4;
    unsigned char m_orientation : 1;
};

void* TQCvertForm_create(void* parent);
void TQCvertForm_delete(void* object);

#endif
