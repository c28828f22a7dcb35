// Gradation-following scroll bar: the gradation bit is written directly,
// without the property's setter, so no update or hook follows.
#include "_TQCvbscrBar.h"

#include "_TQCguiPolicy.h"
#include "_TQCindexVariantData.h"
#include "_TQCtypeServerFrame.h"

TQ_TYPE_SERVER_FRAME(TQCvbscrBar, TQCvscrBar);

namespace {

unsigned char asksForGradation(long policy)
{
    return (policy & TQCguiPolicy::SCROLL_BAR_VARIANT) != 0 ? 1 : 0;
}

unsigned char lookGradation()
{
    return asksForGradation(TQGIappGuiPolicy()->getGuiPolicy());
}

} // namespace

TQCvbscrBar::TQCvbscrBar(TQCbase* parent, const char* name) : TQCvscrBar(parent, name)
{
    TQCregisterClass(this, VERSION, [](Registrar&) {});
    setGradationBit(lookGradation());
}

// The class's defaults, applied here, would clear the bit again; it is
// written directly, not through the property, as in the constructor.
long TQCvbscrBar::initialize()
{
    TQCvscrBar::initialize();
    setGradationBit(lookGradation());
    return 0;
}

// Made as the look asks, so a gradation turned off while the look asks for
// one is saved, or the load would turn it on again.
void TQCvbscrBar::getMadeValues(TQCindexVariantData* values)
{
    TQCvscrBar::getMadeValues(values);
    values->setData(_TQNgradation(), TQCvariant(lookGradation()));
}

void TQCvbscrBar::onGuiPolicyChange(long policy)
{
    setGradationBit(asksForGradation(policy));
    TQCvscrBar::onGuiPolicyChange(policy);
}
