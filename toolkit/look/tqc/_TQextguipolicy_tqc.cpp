// Registers the libtqc procedures of the extended look "Modern1" with the
// GUI policy, in this order, while the program starts. Whichever half of
// the look registers first makes its table.
#include "_TQextguipolicy_tqc.h"

#include "_TQDcreateInstance.h"
#include "_TQextguipolicy_tq.h"

namespace {

const TQCmodern1Registration kProcedures[] = {
    {"TQCindexForm::draw", TQCindexForm_draw_mdr1},
    {"TQCmenuArea::draw", TQCmenuArea_draw_mdr1},
    {"TQCpulldownMenuPopup::draw", TQCpulldownMenuPopup_draw_mdr1},
    {"TQCvscrBar::draw", TQCvscrBar_draw_mdr1},
    {"TQCscrForm::draw", TQCscrForm_draw_mdr1},
    {"TQCpulldownMenu::draw", TQCpulldownMenu_draw_mdr1},
};

void registerModern1Lists()
{
    TQGFregisterModern1(kProcedures, sizeof kProcedures / sizeof kProcedures[0]);
}

} // namespace

TQ_RUN_AT_START_UP(registerModern1Lists)
