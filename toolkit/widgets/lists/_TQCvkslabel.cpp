// Editable row label: construction with key input disabled and its own
// background default.
#include "_TQCvkslabel.h"

#include "_TQCtypeServerFrame.h"

TQ_TYPE_SERVER_FRAME(TQCvkslabel, TQCvifield);

TQCvkslabel::TQCvkslabel(TQCbase* parent, const char* name) : TQCvifield(parent, name)
{
    setKeyInputDisable(1);
    m_backColor = -13;
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        r.changeDefault<&TQCvkslabel::m_backColor>(_TQNbackColor(), -13);
    });
}
