// Gradation-following scroll bar: the gradation bit is written directly,
// without the property's setter, so no update or hook follows.
#include "_TQCvbscrBar.h"

#include "_TQCguiPolicy.h"
#include "_TQCtypeServerFrame.h"

TQ_TYPE_SERVER_FRAME(TQCvbscrBar, TQCvscrBar);

namespace {

unsigned char asksForGradation(long policy)
{
    return (policy & TQCguiPolicy::SCROLL_BAR_VARIANT) != 0 ? 1 : 0;
}

} // namespace

TQCvbscrBar::TQCvbscrBar(TQCbase* parent, const char* name) : TQCvscrBar(parent, name)
{
    TQCregisterClass(this, VERSION, [](Registrar&) {});
    setGradationBit(asksForGradation(TQGIappGuiPolicy()->getGuiPolicy()));
}

// The class's defaults, applied here, would clear the bit again.
long TQCvbscrBar::initialize()
{
    TQCvscrBar::initialize();
    setGradationBit(asksForGradation(TQGIappGuiPolicy()->getGuiPolicy()));
    return 0;
}

void TQCvbscrBar::onGuiPolicyChange(long policy)
{
    setGradationBit(asksForGradation(policy));
    TQCvscrBar::onGuiPolicyChange(policy);
}
