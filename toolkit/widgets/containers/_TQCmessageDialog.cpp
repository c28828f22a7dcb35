// Message dialog: the work form with its separator and message label, their
// sizes for the look and the dialog's size, and the shared instance.
#include "_TQCmessageDialog.h"

#include "_TQCform.h"
#include "_TQCtypeServerFrame.h"
#include "_TQCvlabel.h"
#include "_TQDappDev.h"
#include "_TQGFgeometry.h"

TQ_TYPE_SERVER_FRAME(TQCmessageDialog, TQCbaseDialog);

TQCmessageDialog::TQCmessageDialog(TQCbase* parent, const char* name)
    : TQCbaseDialog(parent, name)
{
    m_no = 0;
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, labelString, nullptr);
        r.changeDefault<TQCflagOf<m_noSlot>>(_TQNno(), 0);
        TQ_WATCH(r, workBackColor, -10);
        r.withdraw(_TQNshadowThickness());
    });
}

TQCmessageDialog::~TQCmessageDialog()
{
    delete[] m_labelString;
}

// The separator and the label share the name "md-lb". A text set before
// now reaches the label with its next change.
long TQCmessageDialog::initialize()
{
    TQCbaseDialog::initialize();
    makeWorkForm(false);

    TQCvlabel* line = makePart<TQCvlabel>(m_workForm, "md-lb");
    TQGFsetGeometry(line, 0, 5, 1280, 2);
    line->setProperty(_TQNtopShadowColor(), -3);
    line->setProperty(_TQNbottomShadowColor(), -4);
    line->setVisible(1);

    m_label = makePart<TQCvlabel>(m_workForm, "md-lb");
    m_label->setProperty(_TQNx(), 1);
    m_label->setProperty(_TQNy(), 7);
    m_label->setProperty(_TQNmaxLength(), 128);
    m_label->setProperty(_TQNshadowType(), -1);
    m_label->setVisible(1);

    onGuiPolicyChange(TQDappDev::getGuiPolicy());
    return 0;
}

void TQCmessageDialog::onGuiPolicyChange(long policy)
{
    styleWithWorkForm(policy);
}

// A height that leaves the label less than 1 pixel gives it 1, not a
// wrapped 16-bit size.
void TQCmessageDialog::adjustForm()
{
    long extra = 0;
    if (!adjustWorkForm(&extra))
        return;
    const long labelHeight = m_height + extra - 58;
    m_label->setProperty(_TQNheight(), labelHeight >= 1 ? labelHeight : 1);
    m_label->setProperty(_TQNwidth(), m_width > 20 ? m_width - 2 : 1);
}

void TQCmessageDialog::onActivate()
{
    activateAndClose();
}

void TQCmessageDialog::setWorkTQNlabelString(char* text)
{
    if (m_label != nullptr)
        m_label->setProperty(_TQNlabelString(), text);
}

void TQCmessageDialog::setWorkTQNworkBackColor(short color)
{
    recolourWorkForm(color);
}

TQCmessageDialog* TQGIappMessageDialog()
{
    static TQCmessageDialog* shared = nullptr;
    if (shared != nullptr)
        return shared;
    shared = new TQCmessageDialog(nullptr, "app-fselect");
    shared->initialize();
    shared->setProperty(_TQNwidth(), 400);
    shared->setProperty(_TQNheight(), 120);
    shared->setProperty(_TQNtitleString(), "Message");
    shared->setProperty(_TQNlabelPixmap(), "$(TQDIR)/sys/pixmaps/bi23.xpm");
    return shared;
}
