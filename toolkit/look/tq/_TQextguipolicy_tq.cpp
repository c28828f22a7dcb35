// Registers the libtq procedures of the extended look "Modern1" with the GUI
// policy, in this order, while the program starts (before the look file is
// read). The libtqc half registers the rest.
#include "_TQextguipolicy_tq.h"

#include "_TQCguiPolicy.h"
#include "_TQDcreateInstance.h"

const char* const TQGFmodern1Look = "Modern1";

void TQGFregisterModern1(const TQCmodern1Registration* table, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        TQGIappGuiPolicy()->setExtGuiPolicyProc(TQGFmodern1Look, table[i].key, table[i].procedure);
}

namespace {

const TQCmodern1Registration kProcedures[] = {
    {"TQCvbtn::draw", TQCvbtn_draw_mdr1},
    {"TQCform::draw", TQCform_draw_mdr1},
    {"TQCvtoggle::draw", TQCvtoggle_draw_mdr1},
    {"TQCvradio::draw", TQCvradio_draw_mdr1},
    {"TQCoption::draw", TQCoption_draw_mdr1},
    {"TQCpopupFrame::draw", TQCpopupFrame_draw_mdr1},
};

void registerModern1()
{
    TQGFregisterModern1(kProcedures, sizeof kProcedures / sizeof kProcedures[0]);
}

} // namespace

TQ_RUN_AT_START_UP(registerModern1)
