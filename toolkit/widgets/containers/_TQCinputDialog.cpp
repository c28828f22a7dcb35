// Input dialog: the prompt and the field on the work form, their places for
// the look and the dialog's size, and the dialog's own modal loop.
#include "_TQCinputDialog.h"

#include "_TQCform.h"
#include "_TQCtypeServerFrame.h"
#include "_TQCvifield.h"
#include "_TQDappDev.h"
#include "_TQGFtrigger.h"

TQ_TYPE_SERVER_FRAME(TQCinputDialog, TQCbaseDialog);

TQCinputDialog::TQCinputDialog(TQCbase* parent, const char* name) : TQCbaseDialog(parent, name)
{
    m_no = 0;
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, workBackColor, -10);
        r.changeDefault<TQCflagOf<m_noSlot>>(_TQNno(), 0);
        r.withdraw(_TQNshadowThickness());
    });
}

// The prompt carries the field's name too. Only the dialog's own parts
// live on the work form.
long TQCinputDialog::initialize()
{
    TQCbaseDialog::initialize();
    makeWorkForm(false);

    m_field = makePart<TQCvifield>(m_workForm, "md-if");
    m_field->setProperty(_TQNx(), 10);
    m_field->setProperty(_TQNy(), 30);
    m_field->setProperty(_TQNheight(), 20);
    m_field->setProperty(_TQNshadowThickness(), 1);
    m_field->setProperty(_TQNfillSpace(), 0);
    m_field->setProperty(_TQNinterCur(), 1);
    m_field->setProperty(_TQNmaxLength(), 128);
    m_field->setProperty(_TQNshadowType(), 1);
    m_field->setVisible(1);
    addInternalProcedure(m_field, "_label_focus_work", "_label_focus_work", _label_focus_work,
                         TQEV_PARENT_VISIBLE_CH);

    m_prompt = makePart<TQCvlabel>(m_workForm, "md-if");
    m_prompt->setProperty(_TQNx(), 10);
    m_prompt->setProperty(_TQNy(), 1);
    m_prompt->setProperty(_TQNheight(), 30);
    m_prompt->setProperty(_TQNshadowThickness(), 0);
    m_prompt->setProperty(_TQNshadowType(), -1);
    m_prompt->setProperty(_TQNalignmentH(), 0);
    m_prompt->setVisible(1);

    onGuiPolicyChange(TQDappDev::getGuiPolicy());
    return 0;
}

void TQCinputDialog::_label_focus_work(TQCbase* field)
{
    if (field->getVisible())
        field->setFocus(1);
}

TQCbase* TQCinputDialog::getPropertyInheritChild()
{
    return m_field;
}

void TQCinputDialog::onGuiPolicyChange(long policy)
{
    styleWithWorkForm(policy);
}

// The prompt may start above the form's top edge. A dialog narrower than 3
// gets a work form 1 wide, as the general dialog does.
void TQCinputDialog::adjustForm()
{
    long extra = 0;
    if (!adjustWorkForm(&extra))
        return;
    const MiddleRow row = middleRow(extra);
    m_field->setProperty(_TQNy(), row.y);
    m_prompt->setProperty(_TQNy(), row.above);
    m_field->setProperty(_TQNwidth(), row.width);
    m_prompt->setProperty(_TQNwidth(), row.width);
}

void TQCinputDialog::onActivate()
{
    activateAndClose();
}

// Unlike the base's loop it renews no focus dialog, empties no deletion
// list and runs no update around the loop.
long TQCinputDialog::popup()
{
    return runOwnLoop(
        [this] {
            markDefaultButton();
            if (m_field != nullptr)
                m_field->setFocus(1);
        },
        false);
}

void TQCinputDialog::setWorkTQNtitleString(char* text)
{
    TQCbaseDialog::setWorkTQNtitleString(text);
    if (m_prompt != nullptr)
        m_prompt->setProperty(_TQNlabelString(), text);
}

void TQCinputDialog::setWorkTQNforeColor(short color)
{
    for (TQCbase* part : {static_cast<TQCbase*>(m_prompt), static_cast<TQCbase*>(m_field)})
        if (part != nullptr)
            part->setProperty(_TQNforeColor(), color);
    TQCbaseDialog::setWorkTQNforeColor(color);
}

void TQCinputDialog::setWorkTQNworkBackColor(short color)
{
    recolourWorkForm(color);
}
