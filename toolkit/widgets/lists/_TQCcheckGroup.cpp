// Check group: the radio group with the unique mode of its toggles off.
#include "_TQCcheckGroup.h"

#include "_TQCtypeServerFrame.h"

TQ_TYPE_SERVER_FRAME(TQCcheckGroup, TQCradioGroup);

TQCcheckGroup::TQCcheckGroup(TQCbase* parent, const char* name) : TQCradioGroup(parent, name)
{
    m_unique = 0;
    TQCregisterClass(this, VERSION, [](Registrar&) {});
}
