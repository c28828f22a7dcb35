// Registers the libtq procedures of the extended look "Modern1" with the GUI
// policy, in this order, while the program starts (before the look file is
// read). The libtqc half registers the rest.
#include "_TQextguipolicy_tq.h"

#include "_TQCguiPolicy.h"
#include "_TQDcreateInstance.h"

const char* const TQGFmodern1Look = "Modern1";

namespace {

struct Registration {
    const char* key;
    TQCguiPolicy::DrawProc procedure;
};

const Registration kProcedures[] = {
    {"TQCvbtn::draw", TQCvbtn_draw_mdr1},
    {"TQCform::draw", TQCform_draw_mdr1},
    {"TQCvtoggle::draw", TQCvtoggle_draw_mdr1},
    {"TQCvradio::draw", TQCvradio_draw_mdr1},
    {"TQCoption::draw", TQCoption_draw_mdr1},
    {"TQCpopupFrame::draw", TQCpopupFrame_draw_mdr1},
};

void registerModern1()
{
    for (const Registration& r : kProcedures)
        TQGIappGuiPolicy()->setExtGuiPolicyProc(TQGFmodern1Look, r.key, r.procedure);
}

} // namespace

TQ_RUN_AT_START_UP(registerModern1)
