// Base dialog: construction, the properties and their hooks, the command bar
// with its icon, title and buttons, its styling and layout for the look and
// the width, and the buttons' procedures. The modal loop, the keys and the
// placement on show have a file of their own.
#include "_TQCbaseDialog.h"

#include "_TQCbaseList.h"
#include "_TQCfontSet.h"
#include "_TQCform.h"
#include "_TQCprocedure.h"
#include "_TQCtypeServerFrame.h"
#include "_TQCvbtn.h"
#include "_TQDappDev.h"
#include "_TQGFgeometry.h"
#include "_TQGFstring.h"
#include "_TQGFtrigger.h"

#include <string>

TQ_TYPE_SERVER_FRAME(TQCbaseDialog, TQCwindow);

unsigned short TQCbaseDialog::s_buttonWidth = 80;

namespace {

const char* const kDialogKey = "DLG_BASE";
const char* const kCancelPicture = "$(TQDIR)/sys/pixmaps/endbtn.xpm";
// Role colours of the command bar's background.
const short kBarColor = -10;
const short kPlainColor = -1;

unsigned char defaultFontNo()
{
    return static_cast<unsigned char>(TQGIappFontSet()->getDefaultFontNo() & 0x0f);
}

// The default of "font" follows the font set, which the platform fills in
// after the class registered its properties.
void writeDefaultFontNo(void* value)
{
    *static_cast<unsigned char*>(value) = defaultFontNo();
}

bool lookA(long policy)
{
    return (policy & TQCguiPolicy::LOOK_A) != 0;
}

bool lookB(long policy)
{
    return (policy & TQCguiPolicy::LOOK_B) != 0;
}

// Under look B a shown cancel text button pushes NO and OK to the left by
// its extra width.
long cancelShift(bool cancelShown, long policy, long buttonWidth)
{
    return cancelShown && !lookA(policy) && lookB(policy) ? buttonWidth - 16 : 0;
}

// Every button is made the same way before its own settings.
void _setup_btn(TQCbase* button, TQCbase* dialog)
{
    button->initialize();
    button->setInternalObject(1);
    button->setProperty(_TQNy(), 4);
    button->setProperty(_TQNheight(), 23);
    button->setProperty(_TQNshadowThickness(), 1);
    button->setProperty(_TQNenableFocusMove(), 1);
    button->setUserData(kDialogKey, dialog);
    TQGFsetMargin(button, 0);
}

TQCbaseDialog* dialogOf(TQCbase* button)
{
    return static_cast<TQCbaseDialog*>(button->getUserData(kDialogKey));
}

// Clears, changes and draws again: the part leaves no trace where it was.
template <typename Change>
void repaintAround(TQCbase* part, Change change)
{
    part->clear();
    change();
    part->redraw();
}

} // namespace

TQCbaseDialog::TQCbaseDialog(TQCbase* parent, const char* name)
    : TQCwindow(parent, name), m_okString(TQGFstrdup("OK")), m_noString(TQGFstrdup("NO")),
      m_cancelString(TQGFstrdup("Cancel")), m_ok(1), m_no(1), m_cancel(1), m_status(0),
      m_modal(0), m_defaultPosition(0), m_loopRunning(0), m_escapeKey(1), m_closeOnCancel(1),
      m_font(defaultFontNo())
{
    m_shadowThickness = 0;
    m_indicatorOn = 0;
    m_height = 100;
    TQGIappObjectList()->addEvent(this, TRIGGER_GUI_POLICY);
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH_FLAG(r, ok, 1, bool2);
        TQ_WATCH_FLAG(r, no, 1, bool2);
        TQ_WATCH_FLAG(r, cancel, 1, bool2);
        TQ_WATCH(r, labelPixmap, -1);
        TQ_WATCH(r, okString, "OK");
        TQ_WATCH(r, noString, "NO");
        TQ_WATCH(r, cancelString, "Cancel");
        TQ_WATCH_FLAG(r, modal, 0, bool3);
        TQ_WATCH_FLAG(r, defaultPosition, 0, bool3);
        TQ_WATCH(r, replyHandler, nullptr)->setBuilderVisible(0);
        TQCbaseProperties::keepPixmapCache(r);
        TQ_WATCH(r, tab, nullptr);
        TQ_WATCH(r, backtab, nullptr);
        TQ_WATCH_BITS(r, font, 0)->setGetDefaultValueHandler(writeDefaultFontNo);

        r.changeDefault<m_shadowThicknessSlot>(_TQNshadowThickness(), 0);
        r.changeDefault<&TQCbaseDialog::m_height>(_TQNheight(), 100);
        r.changeDefault<TQCflagOf<m_indicatorOnSlot>>(_TQNindicatorOn(), 0);
        for (const char* hidden :
             {_TQNindicatorOn(), _TQNmargin(), _TQNmarginLeft(), _TQNbarThickness(), _TQNemboss()})
            r.hide(hidden);
        r.info()->setExtTrigger(TRIGGER_GUI_POLICY, "GUI_POLICY_CH");
    });
}

TQCbaseDialog::~TQCbaseDialog()
{
    releaseApplicationHolds();
    TQGIappObjectList()->delEvent(this, TRIGGER_GUI_POLICY);
    for (char* text : {m_okString, m_noString, m_cancelString, m_tab, m_backtab})
        delete[] text;
}

// ---------------------------------------------------------------------------
// The command bar

long TQCbaseDialog::initialize()
{
    TQCwindow::initialize();
    buildCommandForm();
    buildLabels();
    buildButtons();
    onGuiPolicyChange(TQDappDev::getGuiPolicy());
    return 0;
}

// The bar draws on the dialog's own window, whatever a derived dialog hands
// its children.
void TQCbaseDialog::buildCommandForm()
{
    m_cmdForm = new TQCform(this, "bd-cform");
    m_cmdForm->setInternalObject(1);
    m_cmdForm->setUseParentBaseDev(1);
    m_cmdForm->initialize();
    m_cmdForm->setProperty(_TQNx(), 1);
    placeCommandForm(m_height);
    m_cmdForm->setProperty(_TQNwidth(), m_width - 2);
    m_cmdForm->setProperty(_TQNheight(), 30);
    m_cmdForm->setProperty(_TQNshadowThickness(), 1);
    m_cmdForm->setProperty(_TQNshadowType(), 0);
    m_cmdForm->setProperty(_TQNbackColor(), kBarColor);
    m_cmdForm->setVisible(1);
}

// The black title lies one pixel right of and below the white one.
void TQCbaseDialog::buildLabels()
{
    m_iconLabel = makePart<TQCvlabel>(m_cmdForm, "bd-t");
    TQGFsetGeometry(m_iconLabel, 3, 1, 32, 28);
    m_iconLabel->setPropertyV(_TQNlabelPixmap(), m_labelPixmap);
    m_iconLabel->setProperty(_TQNshadowType(), -1);
    TQGFsetMargin(m_iconLabel, 0);
    m_iconLabel->setVisible(1);

    struct Title {
        const char* name;
        short offset;
        const char* color;
        TQCvlabel** label;
    };
    for (const Title& t : {Title{"bd-ts1", 0, "#ffffff", &m_titleLabel1},
                           Title{"bd-ts2", 1, "#000000", &m_titleLabel2}}) {
        TQCvlabel* label = makePart<TQCvlabel>(m_cmdForm, t.name);
        TQGFsetGeometry(label, 35 + t.offset, 5 + t.offset, m_width - 20, 20);
        label->setProperty(_TQNforeColor(), t.color);
        label->setProperty(_TQNalignmentH(), 0);
        label->setProperty(_TQNlabelString(), m_titleString);
        label->setProperty(_TQNshadowType(), -1);
        label->setVisible(1);
        TQGFsetMargin(label, 0);
        *t.label = label;
    }
}

TQCvbtn* TQCbaseDialog::makeButton(const char* suffix, const char* text)
{
    std::string name = std::string(getInstanceName()) + suffix;
    TQCvbtn* button = new TQCvbtn(m_cmdForm, name.c_str());
    button->setInternalObject(1);
    _setup_btn(button, this);
    button->setProperty(_TQNlabelString(), text);
    button->setProperty(_TQNfont(), m_font);
    return button;
}

// The Tab chain runs OK, NO, cancel; the dialog's tab and backtab lead out
// of it. Positions and looks here are provisional: the look's styling
// that follows sets them.
void TQCbaseDialog::buildButtons()
{
    s_buttonWidth = lookA(TQDappDev::getGuiPolicy()) ? 60 : 80;
    const unsigned short b = s_buttonWidth;

    m_okBtn = makeButton("-ok-btn", m_okString);
    m_okBtn->setProperty(_TQNwidth(), b);
    if (m_backtab != nullptr)
        m_okBtn->setProperty(_TQNbacktab(), m_backtab);
    if (m_ok) {
        m_okBtn->setProperty(_TQNx(), m_width - 2 * b - 50);
        m_okBtn->setVisible(1);
    }
    addInternalProcedure(m_okBtn, "op1", "_ok_btn_work", _ok_btn_work, TQEV_ACTIVATE);

    m_noBtn = makeButton("-no-btn", m_noString);
    m_noBtn->setProperty(_TQNwidth(), b);
    addInternalProcedure(m_noBtn, "op1", "_no_btn_work", _no_btn_work, TQEV_ACTIVATE);
    m_noBtn->setProperty(_TQNbacktab(), m_okBtn->getInstanceName());
    if (m_no) {
        m_noBtn->setVisible(1);
        m_noBtn->setProperty(_TQNx(), m_width - b - 40);
    }

    m_endBtn = makeButton("-end-btn", "");
    m_endBtn->setProperty(_TQNx(), m_width - 40);
    m_endBtn->setProperty(_TQNwidth(), 26);
    m_endBtn->setProperty(_TQNlabelPixmap(), kCancelPicture);
    if (m_tab != nullptr)
        m_endBtn->setProperty(_TQNtab(), m_tab);
    m_endBtn->setProperty(_TQNbacktab(), m_noBtn->getInstanceName());
    m_okBtn->setProperty(_TQNtab(), m_noBtn->getInstanceName());
    m_noBtn->setProperty(_TQNtab(), m_endBtn->getInstanceName());
    if (m_cancel)
        m_endBtn->setVisible(1);
    addInternalProcedure(m_endBtn, "op1", "_end_btn_work", _end_btn_work, TQEV_ACTIVATE);
}

void TQCbaseDialog::addInternalProcedure(TQCbase* target, const char* procName,
                                         const char* functionName, TQCprocedureFunction function,
                                         long trigger)
{
    TQCprocedure* procedure = new TQCprocedure(procName, trigger);
    procedure->setFunction(function, functionName);
    procedure->setInternal(1);
    if (target->addProcedure(procedure) != 0)
        delete procedure;
}

// ---------------------------------------------------------------------------
// Styling and layout

// Before initialize() only the button width follows the look.
void TQCbaseDialog::onGuiPolicyChange(long policy)
{
    s_buttonWidth = lookA(policy) ? 60 : 80;
    if (!built())
        return;
    LifeGuard guard(this);
    styleParts(policy);
    placeNoAndOk(policy);
    m_cmdForm->internalUpdate();
    TQCwindow::onGuiPolicyChange(policy);
}

// Look A shows the title and a picture on the cancel button; look B shows
// texts only.
void TQCbaseDialog::styleParts(long policy)
{
    const bool a = lookA(policy);
    const long b = s_buttonWidth;
    const long gradation = (policy & TQCguiPolicy::SCROLL_BAR_VARIANT) ? 5 : 0;
    for (TQCvlabel* label : {m_iconLabel, m_titleLabel1, m_titleLabel2})
        label->setVisible(a ? 1 : 0);
    m_cmdForm->setProperty(_TQNshadowThickness(), a ? 1 : 0);
    m_cmdForm->setProperty(_TQNbackColor(), a ? kBarColor : kPlainColor);
    m_cmdForm->setProperty(_TQNgradation(), a && gradation != 0 ? 1 : 0);
    for (TQCvbtn* button : {m_okBtn, m_noBtn}) {
        button->setProperty(_TQNshadowThickness(), a ? 1 : 2);
        button->setProperty(_TQNwidth(), b);
        button->setProperty(_TQNgradation(), gradation);
    }
    m_endBtn->setProperty(_TQNlabelString(), a ? "" : m_cancelString);
    m_endBtn->setProperty(_TQNx(), a ? m_width - 40 : m_width - b - 14);
    m_endBtn->setProperty(_TQNshadowThickness(), a ? 1 : 2);
    m_endBtn->setProperty(_TQNwidth(), a ? 26 : b);
    m_endBtn->setProperty(_TQNlabelPixmap(), a ? kCancelPicture : "");
    m_endBtn->setProperty(_TQNgradation(), gradation);
}

void TQCbaseDialog::placeNoAndOk(long policy)
{
    const long b = s_buttonWidth;
    const long d = cancelShift(m_cancel, policy, b);
    if (!m_no) {
        m_noBtn->setVisible(0);
        m_okBtn->setProperty(_TQNx(), m_width - b - d - 40);
        return;
    }
    m_noBtn->setProperty(_TQNx(), m_width - b - d - 40);
    m_noBtn->setVisible(1);
    repaintAround(m_okBtn, [&] {
        m_okBtn->setProperty(_TQNx(),
                             lookA(policy) ? m_width - 2 * b - 40 : m_width - 2 * b - d - 50);
    });
}

// From the right: cancel, then NO, then OK, each shown one taking its
// place; look B leaves 10 pixels between NO and OK.
void TQCbaseDialog::layoutWidth(unsigned short w, bool withWidths)
{
    const long policy = TQDappDev::getGuiPolicy();
    const long b = s_buttonWidth;
    m_cmdForm->setProperty(_TQNwidth(), w - 2);
    for (TQCvlabel* title : {m_titleLabel1, m_titleLabel2})
        repaintAround(title, [&] { title->setProperty(_TQNwidth(), w - 20); });
    if (m_cancel)
        repaintAround(m_endBtn, [&] {
            m_endBtn->setProperty(_TQNx(), lookA(policy) ? w - 40 : w - b - 14);
        });
    long p = w - cancelShift(m_cancel, policy, b) - 40;
    for (TQCvbtn* button : {m_noBtn, m_okBtn}) {
        if (!(button == m_noBtn ? m_no : m_ok))
            continue;
        p -= b;
        repaintAround(button, [&] {
            button->setProperty(_TQNx(), p);
            if (withWidths)
                button->setProperty(_TQNwidth(), b);
        });
        if (button == m_noBtn && lookB(policy) && !lookA(policy))
            p -= 10;
    }
    m_cmdForm->needUpdate();
}

// The window stores the new geometry last, so the width here is still the
// old one.
void TQCbaseDialog::onResize(TQCrect* rect)
{
    if (rect != nullptr && built()) {
        LifeGuard guard(this);
        if (rect->width != m_width)
            layoutWidth(static_cast<unsigned short>(rect->width), true);
        if (!guard.alive())
            return;
        if (rect->height != m_height)
            placeCommandForm(rect->height);
    }
    TQCwindow::onResize(rect);
}

// ---------------------------------------------------------------------------
// Property hooks

void TQCbaseDialog::setWorkTQNtitleString(char* text)
{
    TQCwindow::setWorkTQNtitleString(text);
    for (TQCvlabel* title : {m_titleLabel1, m_titleLabel2})
        if (title != nullptr)
            title->setProperty(_TQNlabelString(), text);
}

void TQCbaseDialog::setWorkTQNwidth(unsigned short w)
{
    TQCwindow::setWorkTQNwidth(w);
    if (built())
        layoutWidth(w, false);
}

void TQCbaseDialog::setWorkTQNheight(unsigned short h)
{
    TQCwindow::setWorkTQNheight(h);
    if (built())
        placeCommandForm(h);
}

// The bar stands 35 pixels above the bottom edge.
void TQCbaseDialog::placeCommandForm(long height)
{
    m_cmdForm->setProperty(_TQNy(), height - 35);
    m_cmdForm->needUpdate();
}

void TQCbaseDialog::setWorkTQNok(TQCbool on)
{
    showButton(m_okBtn, on);
}

void TQCbaseDialog::setWorkTQNno(TQCbool on)
{
    showButton(m_noBtn, on);
}

void TQCbaseDialog::setWorkTQNcancel(TQCbool on)
{
    showButton(m_endBtn, on);
}

// Showing or hiding a button re-places the others for the look.
void TQCbaseDialog::showButton(TQCvbtn* button, TQCbool on)
{
    if (!built())
        return;
    onGuiPolicyChange(TQDappDev::getGuiPolicy());
    button->setProperty(_TQNvis(), on);
    m_cmdForm->needUpdate();
}

void TQCbaseDialog::setWorkTQNlabelPixmap(short image)
{
    if (built())
        repaintAround(m_iconLabel, [&] { m_iconLabel->setPropertyV(_TQNlabelPixmap(), image); });
}

void TQCbaseDialog::setWorkTQNokString(char* text)
{
    if (built())
        m_okBtn->setProperty(_TQNlabelString(), text);
}

void TQCbaseDialog::setWorkTQNnoString(char* text)
{
    if (built())
        m_noBtn->setProperty(_TQNlabelString(), text);
}

// Look A shows a picture instead; the text waits for look B.
void TQCbaseDialog::setWorkTQNcancelString(char* text)
{
    if (built() && lookB(TQDappDev::getGuiPolicy()))
        m_endBtn->setProperty(_TQNlabelString(), text);
}

void TQCbaseDialog::setWorkTQNtab(char* name)
{
    if (built())
        m_endBtn->setProperty(_TQNtab(), name);
}

void TQCbaseDialog::setWorkTQNbacktab(char* name)
{
    if (built())
        m_okBtn->setProperty(_TQNbacktab(), name);
}

void TQCbaseDialog::setWorkTQNfont(unsigned char font)
{
    if (!built())
        return;
    for (TQCvbtn* button : {m_okBtn, m_noBtn, m_endBtn})
        button->setProperty(_TQNfont(), font);
}

// ---------------------------------------------------------------------------
// Answers

void TQCbaseDialog::onActivate()
{
    LifeGuard guard(this);
    if (m_replyHandler != nullptr)
        reinterpret_cast<ReplyHandler>(m_replyHandler)(this);
    if (guard.alive())
        execProcedure(TQEV_ACTIVATE);
}

void TQCbaseDialog::activateAndClose()
{
    LifeGuard guard(this);
    TQCbaseDialog::onActivate();
    if (!guard.alive() || m_status == STATUS_CANCEL)
        return;
    m_loopRunning = 0;
    setVisible(0);
}

// OK and NO close the dialog only when something the activation runs hides
// it; otherwise the answer goes back to 0 and the loop goes on.
void TQCbaseDialog::answer(TQCbase* button, unsigned char status)
{
    TQCbaseDialog* dialog = dialogOf(button);
    if (dialog == nullptr || dialog->getPropertyEditMode())
        return;
    LifeGuard guard(dialog);
    dialog->m_status = status;
    dialog->onActivate();
    if (guard.alive() && dialog->getVisible())
        dialog->m_status = STATUS_CANCEL;
}

void TQCbaseDialog::_ok_btn_work(TQCbase* button)
{
    answer(button, STATUS_OK);
}

void TQCbaseDialog::_no_btn_work(TQCbase* button)
{
    answer(button, STATUS_NO);
}

// Without close-on-cancel the loop goes on, but only while the dialog is
// still up: a loop with nothing shown could not be ended by the user.
void TQCbaseDialog::_end_btn_work(TQCbase* button)
{
    TQCbaseDialog* dialog = dialogOf(button);
    if (dialog == nullptr)
        return;
    if (dialog->m_closeOnCancel)
        dialog->m_loopRunning = 0;
    if (dialog->getPropertyEditMode())
        return;
    LifeGuard guard(dialog);
    dialog->m_status = STATUS_CANCEL;
    dialog->onActivate();
    if (!guard.alive())
        return;
    if (dialog->m_closeOnCancel)
        dialog->setVisible(0);
    else if (dialog->getVisible())
        dialog->m_loopRunning = 1;
}

// ---------------------------------------------------------------------------
// The work form of the dialogs that have one

void TQCbaseDialog::makeWorkForm(bool onParentBase)
{
    m_workForm = new TQCform(this, "md-label");
    m_workForm->setInternalObject(1);
    if (onParentBase)
        m_workForm->setUseParentBaseDev(1);
    m_workForm->initialize();
    m_workForm->setInternalObject(1);
    m_workForm->setProperty(_TQNx(), 0);
    m_workForm->setProperty(_TQNy(), 5);
    m_workForm->setProperty(_TQNbackColor(), m_workBackColor);
    m_workForm->setVisible(1);
}

void TQCbaseDialog::styleWithWorkForm(long policy)
{
    if (m_workForm == nullptr)
        return;
    LifeGuard guard(this);
    TQCbaseDialog::onGuiPolicyChange(policy);
    if (!guard.alive())
        return;
    m_workForm->setProperty(_TQNy(), lookA(policy) ? 5 : 0);
    m_workForm->setProperty(_TQNshadowThickness(), lookA(policy) ? 1 : 0);
    adjustForm();
}

long TQCbaseDialog::workFormExtra()
{
    const long policy = TQDappDev::getGuiPolicy();
    return !lookA(policy) && lookB(policy) ? 5 : 0;
}

// Sizes never drop below 1, which a 16-bit size would read as 65535.
bool TQCbaseDialog::adjustWorkForm(long* extra)
{
    TQCwindow::adjustForm();
    *extra = workFormExtra();
    if (m_workForm == nullptr)
        return false;
    m_workForm->setProperty(_TQNwidth(), m_width >= 3 ? m_width : 1);
    m_workForm->setProperty(_TQNheight(), m_height + *extra >= 46 ? m_height + *extra - 45 : 1);
    return true;
}

void TQCbaseDialog::recolourWorkForm(short color)
{
    if (m_workForm != nullptr)
        m_workForm->setProperty(_TQNbackColor(), color);
}

// The row's y is cut toward zero, so in a low dialog it may lie above the
// work form.
TQCbaseDialog::MiddleRow TQCbaseDialog::middleRow(long extra) const
{
    MiddleRow row = {1, 1, 1, m_width >= 23 ? m_width - 22 : 1};
    if (m_height + extra >= 46) {
        row.y = static_cast<short>((m_height + extra - 65) / 2);
        row.above = row.y - 30;
        row.below = row.y + 20;
    }
    return row;
}
