// The spacer: a non-graphic component that takes room in a row or column of
// widgets. With extension off it is a gap of its own size. With extension
// on it stretches along its orientation: in a box form the form's layout
// gives it the room left over; in any other container it gives the
// container a resize procedure ("resizeop") that packs all the children end
// to end, the stretching spacers sharing what the others leave free.
#ifndef _TQCVSPACE_H
#define _TQCVSPACE_H

#include "_TQCngbase.h"

class TQCvspace : public TQCngbase {
public:
    TQ_CLASS_FRAME(TQCvspace, TQCngbase, 1000, 1000)
    TQCvspace(TQCbase* parent, const char* name);

    // Turned on, it gives a parent that is no box form the resize procedure,
    // once per parent, and packs the parent at once.
    TQ_PROPERTY_WORK_HOOK(extension, TQCbool)
    TQ_PROPERTY_WORK_HOOK(orientation, unsigned char)

    // The resize procedure: packs the parent's children along x, then y.
    static void _resize_work(TQCbase* parent);
    // Packs the parent's visible children along the axis (0 x, 1 y), flush
    // from 0, when at least one of them is a spacer stretching along it;
    // each such spacer gets an equal share of the room the others leave
    // (1 when there is none) and the parent's whole size across.
    static void _adjust(TQCbase* parent, unsigned char axis);
    // Whether object is a spacer with extension on along the axis.
    static bool stretchesAlong(TQCbase* object, unsigned char axis);

private:
    // The edit-mode caption follows the state.
    void showState();

    TQCbool m_extension : 1;
    unsigned char m_orientation : 1;
    TQ_BIT_FIELD_SLOT(m_extension)
    TQ_BIT_FIELD_SLOT(m_orientation)
};

void* TQCvspace_create(void* parent);
void TQCvspace_delete(void* object);

#endif
