// Row box form: the orientation and the alignment property of a row.
#include "_TQChorzForm.h"

#include "_TQClineAxis.h"
#include "_TQCtypeServerFrame.h"

TQ_TYPE_SERVER_FRAME(TQChorzForm, TQCvertForm);

TQChorzForm::TQChorzForm(TQCbase* parent, const char* name) : TQCvertForm(parent, name)
{
    setOrientation(TQClineAxis::HORIZONTAL);
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        r.watched<TQCmember<&ThisClass::m_alignment>>(
            _TQNalignmentV(), ALIGN_NONE, TQ_HOOKS(alignmentV),
            {_TQSalignmentV2(), _TQRalignmentV2(), _TQRalignmentV2D()});
        r.withdraw(_TQNalignmentH());
    });
}
