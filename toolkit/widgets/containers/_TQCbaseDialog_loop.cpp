// Base dialog while it is up: the modal loop, the modal client and the focus
// dialog that Escape closes, the default button and Tab into the buttons,
// and the centring on show.
#include "_TQCbaseDialog.h"

#include "_TQCbaseList.h"
#include "_TQCdevice.h"
#include "_TQCvbtn.h"
#include "_TQDappDev.h"

// ---------------------------------------------------------------------------
// The modal loop

// Nothing but hiding the dialog, its cancel button or hiding its parent
// ends the loop; a dialog deleted while it runs ends it too.
long TQCbaseDialog::popup()
{
    LifeGuard guard(this);
    TQDappDev* app = TQGIappDev();
    setVisible(1);
    if (!guard.alive())
        return STATUS_CANCEL;
    update();
    TQGIappObjectList()->execUpdate();
    if (!guard.alive())
        return STATUS_CANCEL;
    if (!getVisible() || app == nullptr)
        return STATUS_NOT_SHOWN;
    m_loopRunning = 1;
    if (m_escapeKey)
        app->setFocusDialog(this, 1);
    // The loop holds up the procedure that opened the dialog, modal or not:
    // the dialog stays above the program's other windows, so that a click
    // on one of them cannot bury it.
    keepAbove(1);
    while (m_loopRunning) {
        // After a nested dialog, Escape is this dialog's again.
        if (m_escapeKey)
            app->setFocusDialog(this, 1);
        app->dispatchEvent();
        if (!guard.alive())
            return STATUS_CANCEL;
        TQGIappDevice()->clearDeleteList();
    }
    keepAbove(m_modal);
    setVisible(0);
    app->dispatchEvent();
    TQGIappDevice()->clearDeleteList();
    app->update();
    return guard.alive() ? static_cast<long>(m_status) : static_cast<long>(STATUS_CANCEL);
}

long TQCbaseDialog::runOwnLoop(const std::function<void()>& ready, bool keepEscape)
{
    LifeGuard guard(this);
    TQDappDev* app = TQGIappDev();
    setVisible(1);
    if (!guard.alive())
        return STATUS_CANCEL;
    if (!getVisible() || app == nullptr)
        return STATUS_NOT_SHOWN;
    m_loopRunning = 1;
    ready();
    while (guard.alive() && m_loopRunning) {
        if (keepEscape && m_escapeKey)
            app->setFocusDialog(this, 1);
        app->dispatchEvent();
    }
    if (!guard.alive())
        return STATUS_CANCEL;
    setVisible(0);
    return m_status;
}

void TQCbaseDialog::markDefaultButton()
{
    if (built())
        (m_ok ? m_okBtn : m_no ? m_noBtn : m_endBtn)->setSpecialFocus(1);
}

void TQCbaseDialog::releaseApplicationHolds()
{
    TQDappDev* app = TQGIappDev();
    if (app == nullptr)
        return;
    app->setFocusDialog(this, 0);
    if (app->getModalClient() == this)
        app->setModalClient(nullptr);
}

// ---------------------------------------------------------------------------
// Showing and hiding

// The default button takes the focus on show only: a hidden dialog keeps
// no focus.
void TQCbaseDialog::onVisibleChange(unsigned char on)
{
    LifeGuard guard(this);
    TQDappDev* app = TQGIappDev();
    const bool edit = getPropertyEditMode();
    if (on) {
        m_status = STATUS_CANCEL;
        if (app != nullptr && m_modal && !edit)
            app->setModalClient(this);
        if (app != nullptr && m_escapeKey)
            app->setFocusDialog(this, 1);
        if (m_defaultPosition && !edit)
            centre();
    } else {
        if (app != nullptr && app->getModalClient() == this)
            app->setModalClient(nullptr);
        m_loopRunning = 0;
    }
    TQCwindow::onVisibleChange(on);
    if (on && guard.alive())
        focusDefaultButton();
}

void TQCbaseDialog::onParentVisibleChange(unsigned char on)
{
    LifeGuard guard(this);
    TQCwindow::onParentVisibleChange(on);
    if (!guard.alive())
        return;
    TQDappDev* app = TQGIappDev();
    if (!on) {
        if (app != nullptr && app->getModalClient() == this)
            app->setModalClient(nullptr);
        m_loopRunning = 0;
        return;
    }
    onGuiPolicyChange(TQDappDev::getGuiPolicy());
    if (guard.alive() && app != nullptr && m_modal && !getPropertyEditMode() && getVisible())
        app->setModalClient(this);
}

// The middle of the work area, less the frame above the client area once
// the window has one; a dialog larger than the area gets a negative place.
void TQCbaseDialog::centre()
{
    TQDappDev* app = TQGIappDev();
    if (app == nullptr)
        return;
    short frameTop = 0;
    if (TQDdev* dev = getowndev())
        dev->getValue(VALUE_FRAME_TOP, &frameTop);
    if (frameTop < 0)
        frameTop = 0;
    const long areaX = static_cast<unsigned short>(app->getXOffset());
    const long areaY = static_cast<unsigned short>(app->getYOffset());
    const long areaW = static_cast<unsigned short>(app->getWidth());
    const long areaH = static_cast<unsigned short>(app->getHeight());
    const long x = areaX + (areaW - static_cast<long>(m_width)) / 2;
    const long y = areaY + (areaH - frameTop - static_cast<long>(m_height)) / 2;
    setProperty(_TQNx(), static_cast<short>(x));
    setProperty(_TQNy(), static_cast<short>(y));
}

// ---------------------------------------------------------------------------
// Modal flag

void TQCbaseDialog::sendModal(unsigned char on)
{
    keepAbove(on);
    if (TQDdev* dev = getowndev())
        dev->setValue(VALUE_MODAL, &on);
}

void TQCbaseDialog::keepAbove(unsigned char on)
{
    if (TQDdev* dev = getowndev())
        dev->setValue(VALUE_ABOVE_OTHERS, &on);
}

// Switching modal off keeps the modal client: hiding lets it go.
void TQCbaseDialog::setWorkTQNmodal(TQCbool on)
{
    if (getPropertyEditMode())
        return;
    sendModal(on);
    TQDappDev* app = TQGIappDev();
    if (on && app != nullptr && getVisible())
        app->setModalClient(this);
}

long TQCbaseDialog::_device_initialize()
{
    TQCwindow::_device_initialize();
    if (getowndev() == nullptr)
        return -1;
    if (!getPropertyEditMode())
        sendModal(m_modal);
    return 0;
}

// ---------------------------------------------------------------------------
// Keys and focus

void TQCbaseDialog::onFocusChange(unsigned char on)
{
    TQDappDev* app = TQGIappDev();
    if (app == nullptr)
        return;
    if (!on)
        app->setFocusDialog(this, 0);
    else if (m_escapeKey)
        app->setFocusDialog(this, 1);
}

void TQCbaseDialog::setEnableEscapeKey(unsigned char on)
{
    m_escapeKey = on & 1;
    TQDappDev* app = TQGIappDev();
    if (!m_escapeKey && app != nullptr)
        app->setFocusDialog(this, 0);
}

void TQCbaseDialog::setFocusBtn(long which)
{
    if (which < FOCUS_NONE || which > FOCUS_NO)
        return;
    m_focusBtn = static_cast<signed char>(which);
    if (which != FOCUS_NONE && getVisible())
        focusDefaultButton();
}

// The chosen button when its flag is on; automatic takes the first of OK,
// NO and cancel that is on.
TQCvbtn* TQCbaseDialog::getDefaultButton() const
{
    if (!built())
        return nullptr;
    switch (m_focusBtn) {
    case FOCUS_AUTO:
        return m_ok ? m_okBtn : m_no ? m_noBtn : m_endBtn;
    case FOCUS_CANCEL:
        return m_cancel ? m_endBtn : nullptr;
    case FOCUS_OK:
        return m_ok ? m_okBtn : nullptr;
    case FOCUS_NO:
        return m_no ? m_noBtn : nullptr;
    default:
        return nullptr;
    }
}

void TQCbaseDialog::focusDefaultButton()
{
    if (TQCvbtn* target = getDefaultButton())
        target->setFocus(1);
}

TQCbase* TQCbaseDialog::getFocusMoveInternalInstance(long direction)
{
    if (!built() || (direction != FOCUS_TAB && direction != FOCUS_BACKTAB))
        return nullptr;
    TQCvbtn* order[] = {m_okBtn, m_noBtn, m_endBtn};
    for (int i = 0; i < 3; ++i) {
        TQCvbtn* button = order[direction == FOCUS_TAB ? i : 2 - i];
        if (button->getOwnVisible())
            return button;
    }
    return nullptr;
}

void TQCbaseDialog::onSpecialFocusChange(unsigned char on)
{
    if (on && built()) {
        LifeGuard guard(this);
        for (TQCvbtn* button : {m_okBtn, m_noBtn, m_endBtn}) {
            if (!button->getOwnVisible())
                continue;
            button->setSpecialFocus(1);
            break;
        }
        if (!guard.alive())
            return;
    }
    TQCwindow::onSpecialFocusChange(on);
}
