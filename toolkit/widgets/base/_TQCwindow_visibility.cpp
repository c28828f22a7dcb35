// Top-level window: showing and hiding (the re-entrancy guard, the first
// show, the unique group and the exit rule), closing from the frame, and the
// process-wide active and pre-active window.
#include "_TQCwindow.h"

#include <cstring>

#include "_TQCbaseList.h"
#include "_TQCprocedure.h"
#include "_TQDappDev.h"
#include "_TQDkeyboard.h"
#include "_TQDtimer.h"
#include "_TQGFdebug.h"
#include "_TQGFtrigger.h"

namespace {

TQCwindow::ExitHandler g_exitHandler = nullptr;

// The may-close flag the window device consults when the user closes a
// window from its frame; anything but a window may be closed.
TQCbool readEnableClose(TQCbase* object)
{
    TQCwindow* window = dynamic_cast<TQCwindow*>(object);
    return window != nullptr ? window->getEnableClose() : 1;
}

// The object model and the keyboard learn of the window class when the
// program starts.
struct WindowLinks {
    WindowLinks()
    {
        _TQGFsetWindowEnableCloseReader(readEnableClose);
        TQDkeyboard::links().activeWindow = TQGFgetActiveWindow;
    }
} g_windowLinks;

bool hasProcedureOn(TQCbase* object, long trigger)
{
    TQClistData* procedures = object->getProcedureList();
    if (procedures == nullptr)
        return false;
    for (long i = 0; i < procedures->getNum(); ++i) {
        TQCprocedure* procedure = static_cast<TQCprocedure*>(procedures->getData(i));
        if (procedure != nullptr && procedure->getTrigger() == trigger)
            return true;
    }
    return false;
}

bool isGroupName(const char* group)
{
    return group != nullptr && group[0] != '\0';
}

} // namespace

// ---------------------------------------------------------------------------
// Showing and hiding

// A hide is never deferred; neither is a show of a window already shown.
void TQCwindow::setVisible(unsigned char v)
{
    v = v ? 1 : 0;
    if (!m_visibilityGuard) {
        LifeGuard guard(this);
        m_visibilityGuard = 1;
        TQCbase::setVisible(v);
        if (guard.alive())
            m_visibilityGuard = 0;
        return;
    }
    if (getOwnVisible() || v == 0) {
        TQCbase::setVisible(v);
        return;
    }
    // Without the application timer there is no next tick to show it at.
    TQDtimer* timer = TQGIappTimer();
    if (timer != nullptr)
        timer->addTriggerProc(_delay_visible, 1, static_cast<TQCbase*>(this));
}

void TQCwindow::_delay_visible(unsigned char, void* object)
{
    TQCbase* window = static_cast<TQCbase*>(object);
    if (TQGIappObjectList()->existInstance(window))
        window->TQCbase::setVisible(1);
}

// The "EXIT" procedures run here, before the visibility procedures that
// TQCbase::setVisible runs next.
void TQCwindow::onVisibleChange(unsigned char v)
{
    LifeGuard guard(this);
    bool firstShow = v && getowndev() == nullptr;
    TQCbase::onVisibleChange(v);
    if (!guard.alive())
        return;
    if (firstShow) {
        // Lays the children out for the initial size; it is the RESIZE that
        // sizes set before the device existed still owed.
        m_resizePending = 0;
        execResizeEvent();
        if (!guard.alive())
            return;
    }
    if (!v && m_exit && !getPropertyEditMode()) {
        runExitRule();
        if (!guard.alive())
            return;
    }
    if (v && m_unique)
        hideOtherWindowsOfGroup();
}

// With neither a handler nor an "EXIT" procedure the program ends, in a
// normal run only.
void TQCwindow::runExitRule()
{
    if (g_exitHandler != nullptr) {
        LifeGuard guard(this);
        g_exitHandler();
        if (guard.alive())
            execProcedure(TRIGGER_EXIT);
        return;
    }
    if (hasProcedureOn(this, TRIGGER_EXIT)) {
        execProcedure(TRIGGER_EXIT);
        return;
    }
    TQDappDev* app = TQGIappDev();
    if (app != nullptr && app->getMode() == 0)
        TQGFexit(0);
}

// Windows without a group are never hidden by another's.
void TQCwindow::hideOtherWindowsOfGroup()
{
    if (!isGroupName(m_group))
        return;
    forEachStillIn(getWorkWindowList(), [this](TQCbase* object) {
        TQCwindow* other = static_cast<TQCwindow*>(object);
        if (other != this && isGroupName(other->m_group) &&
            std::strcmp(other->m_group, m_group) == 0)
            other->setVisible(0);
    });
}

// A window being edited follows its parent.
void TQCwindow::onParentVisibleChange(unsigned char v)
{
    LifeGuard guard(this);
    TQCbase::onParentVisibleChange(v);
    if (guard.alive() && getPropertyEditMode())
        setVisible(v);
}

void TQCwindow::setGlobalExitHandler(ExitHandler handler)
{
    g_exitHandler = handler;
}

// ---------------------------------------------------------------------------
// Device status

long TQCwindow::setMapStatus(long status)
{
    TQDdev* dev = getdev();
    if (dev != nullptr)
        dev->setValue(TQDwindowDev::VALUE_MAP_STATUS, &status);
    return 0;
}

long TQCwindow::setWindowStatus(long status)
{
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return 0;
    return dev->setValue(TQDwindowDev::VALUE_WINDOW_STATUS, &status);
}

long TQCwindow::getWindowStatus()
{
    long status = 0;
    TQDdev* dev = getowndev();
    if (dev != nullptr)
        dev->getValue(TQDwindowDev::VALUE_WINDOW_STATUS, &status);
    return status;
}

// ---------------------------------------------------------------------------
// Active window

void TQCwindow::onFocusChange(unsigned char focus)
{
    if (focus == 1)
        _set_active_instance(this);
}

void TQCwindow::_set_active_instance(TQCbase* window)
{
    TQDwindowDev::activateWindow(window);
}

// The active window moves to the pre-active slot as any other clearing
// does, and leaves it at once: a destroyed window is never handed out.
void TQCwindow::forgetActiveWindow(TQCbase* window)
{
    if (TQGFgetActiveWindow() == window)
        _set_active_instance(nullptr);
    if (TQDwindowDev::preActiveWindow() == window)
        TQDwindowDev::preActiveWindow() = nullptr;
}

TQCbase* TQGFgetActiveWindow()
{
    TQCbase*& active = TQDwindowDev::activeWindow();
    if (active != nullptr && !active->getVisible())
        active = nullptr;
    return active;
}

TQCbase* TQGFgetPreActiveWindow()
{
    return TQDwindowDev::preActiveWindow();
}

long TQGFsetActiveWindow(TQCbase* window)
{
    if (window == nullptr) {
        TQCwindow::_set_active_instance(nullptr);
        return 0;
    }
    if (!(window->getObjectType() & TQCbase::OBJECT_TOP_LEVEL) || !window->getVisible())
        return -1;
    TQCbase* focus = TQCbase::getFocusInstance();
    if (focus != nullptr)
        focus->setFocus(0);
    TQDdev* dev = window->getdev();
    if (dev == nullptr)
        return -1;
    unsigned char activate = 1;
    dev->setValue(TQDwindowDev::VALUE_ACTIVATE, &activate);
    return 0;
}
