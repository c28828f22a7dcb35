// Wizard dialog: the page form on the work form, the Back and Next/Finish
// buttons that move between the pages, the properties that count and
// choose them, and the dialog's own modal loop.
#include "_TQCwizardDialog.h"

#include "_TQCform.h"
#include "_TQCindexForm.h"
#include "_TQCindexVariantData.h"
#include "_TQClocaleSet.h"
#include "_TQCtypeServerFrame.h"
#include "_TQCvbtn.h"
#include "_TQDappDev.h"
#include "_TQGFstring.h"

#include <string>

TQ_TYPE_SERVER_FRAME(TQCwizardDialog, TQCbaseDialog);

namespace {

const char kLabelsKey[] = "c:TQSTR < Back,Next >,Finish";
const char kBackKey[] = "d:TQSTR < Back";
const char kNextKey[] = "e:TQSTR Next >";
const char kFinishKey[] = "f:TQSTR Finish";

} // namespace

TQCwizardDialog::TQCwizardDialog(TQCbase* parent, const char* name)
    : TQCbaseDialog(parent, name), m_labelString(TQGFstrdup(TQGFgettext(kLabelsKey))),
      m_nextText(TQGFgettext(kNextKey)), m_backText(TQGFgettext(kBackKey)),
      m_finishText(TQGFgettext(kFinishKey))
{
    setPublicDevChildInUse(1);
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        // A new dialog keeps the catalogue's texts, which saving stores.
        TQ_WATCH(r, labelString, "")->setInit(0);
        TQ_WATCH(r, menuItems, 2);
        TQ_WATCH(r, value, 0);
        TQ_WATCH(r, workBackColor, -10);
        r.hide(_TQNokString());
        r.hide(_TQNnoString());
        r.withdraw(_TQNshadowThickness());
    });
}

// The work form sits on the dialog's own window and is no page. Texts, page
// count and page set before now reach the buttons and the page form here.
long TQCwizardDialog::initialize()
{
    TQCbaseDialog::initialize();
    makeWorkForm(true);
    m_pageForm = makePart<TQCindexForm>(m_workForm, "wd-idx");
    m_pageForm->setProperty(_TQNx(), 1);
    m_pageForm->setProperty(_TQNy(), 1);
    m_pageForm->setProperty(_TQNbackColor(), m_workBackColor);
    m_pageForm->setProperty(_TQNbarThickness(), 0);
    m_pageForm->setProperty(_TQNshadowThickness(), 0);
    m_pageForm->setVisible(1);
    setPublicDevChild(m_pageForm);
    setProperty(_TQNokString(), TQCvariant(TQGFgettext(kBackKey)));
    setProperty(_TQNnoString(), TQCvariant(TQGFgettext(kNextKey)));
    setWorkTQNmenuItems(m_menuItems);
    setWorkTQNlabelString(m_labelString);
    onGuiPolicyChange(TQDappDev::getGuiPolicy());
    return 0;
}

// The catalogue's button texts, as the constructor stores them. okString
// and noString are no settings of a wizard: its buttons take their texts
// from labelString.
void TQCwizardDialog::getMadeValues(TQCindexVariantData* values)
{
    TQCbaseDialog::getMadeValues(values);
    values->setData(_TQNlabelString(), TQCvariant(TQGFgettext(kLabelsKey)));
}

void TQCwizardDialog::onGuiPolicyChange(long policy)
{
    styleWithWorkForm(policy);
}

void TQCwizardDialog::adjustForm()
{
    long extra = 0;
    if (!adjustWorkForm(&extra) || m_pageForm == nullptr)
        return;
    m_pageForm->setProperty(_TQNwidth(), m_width >= 5 ? m_width - 4 : 1);
    m_pageForm->setProperty(_TQNheight(), m_height + extra >= 48 ? m_height + extra - 47 : 1);
}

// ---------------------------------------------------------------------------
// Pages

void TQCwizardDialog::_btn_adjust()
{
    if (m_pageForm == nullptr)
        return;
    m_okBtn->setProperty(_TQNlabelString(), TQCvariant(m_backText.getString()));
    TQCstring& right = onLastPage() ? m_finishText : m_nextText;
    m_noBtn->setProperty(_TQNlabelString(), TQCvariant(right.getString()));
    m_okBtn->setSensitive(m_value != 0);
    m_okBtn->redraw();
    m_noBtn->redraw();
    m_pageForm->setProperty(_TQNvalue(), m_value);
    m_pageForm->redraw();
}

// The page moves without the value property's setter: only the ACTIVATE
// procedures run. After a page change the dialog stays up and the button's
// procedure puts the status back to 0.
void TQCwizardDialog::onActivate()
{
    LifeGuard guard(this);
    bool finished = false;
    if (m_status == STATUS_OK) {
        if (m_value > 0)
            --m_value;
        _btn_adjust();
    } else if (m_status == STATUS_NO) {
        long next = m_value + 1;
        if (next > m_menuItems - 1) {
            next = m_menuItems - 1;
            finished = true;
        }
        m_value = static_cast<unsigned char>(next);
        _btn_adjust();
    }
    if (!guard.alive())
        return;
    TQCbaseDialog::onActivate();
    if (!guard.alive() || !finished)
        return;
    setStatus(STATUS_FINISHED);
    setVisible(0);
}

// Escape closes the wizard only while its Escape key is on, as it closes
// any dialog.
long TQCwizardDialog::popup()
{
    return runOwnLoop(
        [this] {
            if (m_pageForm == nullptr)
                return;
            if (m_ok && m_value == 0)
                m_okBtn->setSensitive(0);
            (m_no ? m_noBtn : m_endBtn)->setFocus(1);
        },
        true);
}

// ---------------------------------------------------------------------------
// Property hooks

// "back,next,finish": a missing field leaves its text empty, a fourth is
// ignored.
void TQCwizardDialog::setWorkTQNlabelString(char* text)
{
    TQCstring fields(text != nullptr ? text : "");
    m_backText = fields.getWord(0, ",");
    m_nextText = fields.getWord(1, ",");
    m_finishText = fields.getWord(2, ",");
    _btn_adjust();
}

// The page form gets one item per page; the buttons keep their texts until
// the next page change.
void TQCwizardDialog::setWorkTQNmenuItems(unsigned char pages)
{
    if (pages == 0)
        m_menuItems = 1;
    if (m_pageForm == nullptr)
        return;
    std::string items = "a";
    for (int page = 1; page < m_menuItems; ++page)
        items += ",a";
    m_pageForm->setProperty(_TQNmenuItems(), TQCvariant(items.c_str()));
}

void TQCwizardDialog::setWorkTQNvalue(unsigned char page)
{
    if (page > m_menuItems - 1)
        m_value = static_cast<unsigned char>(m_menuItems - 1);
    _btn_adjust();
}

void TQCwizardDialog::setWorkTQNworkBackColor(short color)
{
    recolourWorkForm(color);
    if (m_pageForm != nullptr)
        m_pageForm->setProperty(_TQNbackColor(), color);
}
