// General dialog: the work form, which the dialog hands its children as
// their device, and its place for the look and the dialog's size.
#include "_TQCdialog.h"

#include "_TQCform.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDappDev.h"

TQ_TYPE_SERVER_FRAME(TQCdialog, TQCbaseDialog);

// Until initialize() makes the work form, children find no device.
TQCdialog::TQCdialog(TQCbase* parent, const char* name) : TQCbaseDialog(parent, name)
{
    setPublicDevChildInUse(1);
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, workBackColor, -10);
        r.withdraw(_TQNshadowThickness());
    });
}

// The work form sits on the dialog's own window, not on itself.
long TQCdialog::initialize()
{
    TQCbaseDialog::initialize();
    makeWorkForm(true);
    setPublicDevChild(m_workForm);
    onGuiPolicyChange(TQDappDev::getGuiPolicy());
    return 0;
}

void TQCdialog::onGuiPolicyChange(long policy)
{
    styleWithWorkForm(policy);
}

void TQCdialog::adjustForm()
{
    long extra = 0;
    adjustWorkForm(&extra);
}

void TQCdialog::setWorkTQNworkBackColor(short color)
{
    recolourWorkForm(color);
}
