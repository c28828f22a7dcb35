// The top-level window device: the shell and its inner window, the title
// bar, the frame measured once per window, position and size kept in step
// with the frame the user moves, closing from the frame and the modal
// window's hold on its parent.
#include "TQDwinwinDev.h"

#include "TQDwinAppDev.h"
#include "TQGFcreateWindow.h"
#include "TQGFwinMain.h"
#include "TQGFwinSystemText.h"
#include "TQwin32.h"
#include "WinEvent.h"
#include "_TQCbase.h"
#include "_TQCbaseList.h"
#include "_TQCdevice.h"
#include "_TQDcreateInstance.h"
#include "_TQGFdebug.h"

#include <algorithm>
#include <cstdint>

namespace {

// Window styles of the title-bar kinds 0 to 6: a pop-up without frame, the
// overlapped window, caption only, caption with system menu and minimise
// box, the same with the maximise box, a sizing border without caption,
// and again a pop-up without frame.
const unsigned long kTitleBarStyles[] = {0x80000000, 0x00CF0000, 0x00C00000, 0x00CA0000,
                                         0x00C90000, 0x00040000, 0x80000000};
const char kTitleBarKinds = sizeof kTitleBarStyles / sizeof kTitleBarStyles[0];
const unsigned char kFullTitleBar = 1;
// Clipping of siblings and children; with the pop-up bit, and for a window
// inside a foreign one with the child bit too.
const unsigned long kClipping = 0x06000000;
const unsigned long kPopupClipping = 0x86000000;
const unsigned long kEmbeddedPopupClipping = 0xC6000000;
const unsigned long kEmbeddedStyle = 0x46000000;
// A minimised window lies at -32000; sizes beyond these are not the user's.
const long kLowestFramePosition = -30000;
const long kSmallestClientSide = 3;
const long kLargestClientSide = 32759;

char* className()
{
    return const_cast<char*>(TQGFwindowClassName);
}

char* noText()
{
    static char empty[] = "";
    return empty;
}

template <typename Handle> Handle fromLong(long value)
{
    return reinterpret_cast<Handle>(static_cast<std::intptr_t>(value));
}

bool queued(HWND hwnd, UINT message)
{
    MSG next;
    return hwnd != nullptr && PeekMessageA(&next, hwnd, message, message, PM_NOREMOVE) != 0;
}

bool insideFrameLimits(long x, long y)
{
    return x >= kLowestFramePosition && y >= kLowestFramePosition;
}

bool plausibleSide(long side)
{
    return side >= kSmallestClientSide && side <= kLargestClientSide;
}

} // namespace

TQDwinwinDev::TQDwinwinDev()
    : rebaseHandle(nullptr), titleBarStyle(kFullTitleBar), mode(0), lastFrameX(-1),
      lastFrameY(-1), frameExtraWidth(-1), frameExtraHeight(-1), leftOffset(-1), topOffset(-1),
      shell(nullptr), disabledAncestor(nullptr), style(kTitleBarStyles[kFullTitleBar]),
      exStyle(0)
{
}

TQDwinwinDev::~TQDwinwinDev()
{
    TQDwinwinDev::destroyWindow();
}

TQDdev* TQDwinwinDev::getParentDev()
{
    return nullptr;
}

TQDdev* TQDwinwinDev::getVisibleParentDev()
{
    return this;
}

long TQDwinwinDev::getDiffCoordinates(long* x, long* y)
{
    if (rebaseHandle == nullptr) {
        *x = leftOffset;
        *y = topOffset;
        return 0;
    }
    *x = 0;
    *y = 0;
    if (shell != nullptr) {
        RECT frame;
        GetWindowRect(shell, &frame);
        short dx, dy;
        unsigned short w, h;
        getWindowSize(&dx, &dy, &w, &h);
        *x = frame.left - dx + leftOffset;
        *y = frame.top - dy + topOffset;
    }
    return 0;
}

// ---------------------------------------------------------------------------
// Values

long TQDwinwinDev::setValue(long key, void* value)
{
    TQDwindowDev::setValue(key, value);
    switch (key) {
    case VALUE_X:
    case VALUE_Y:
        setPosition(key, *static_cast<short*>(value));
        return 0;
    case VALUE_WIDTH:
    case VALUE_HEIGHT:
        setSize(key, *static_cast<unsigned short*>(value));
        return 0;
    case VALUE_BACK_COLOR:
        resolveBackColor();
        repaintBackground();
        return 0;
    case VALUE_BACK_IMAGE:
        resolveBackImage();
        repaintBackground();
        return 0;
    case TQDwindowDev::VALUE_TITLE_BAR:
        setTitleBar(*static_cast<char*>(value));
        return 0;
    case TQDwindowDev::VALUE_TITLE:
        setTitle(static_cast<const char*>(value));
        return 0;
    case VALUE_MODAL:
        setTopmostFlag(MODAL, *static_cast<unsigned char*>(value));
        return 0;
    case TQDwindowDev::VALUE_POPUP:
        setPopup(*static_cast<unsigned char*>(value));
        return 0;
    case TQDwindowDev::VALUE_MAP_STATUS:
        if (getVisible() && shell != nullptr) {
            if (*static_cast<long*>(value) == STACK_RAISE)
                SetWindowPos(shell, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
            else
                SetWindowPos(shell, HWND_BOTTOM, 0, 0, 0, 0,
                             SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
        }
        return 0;
    case TQDwindowDev::VALUE_PARENT:
        return 0;
    case VALUE_MOUSE_CURSOR:
        resolveCursor();
        return 0;
    case TQDwindowDev::VALUE_ACTIVATE:
        if (getVisible() && shell != nullptr && *static_cast<unsigned char*>(value) == 1)
            SetActiveWindow(shell);
        return 0;
    case TQDwindowDev::VALUE_ALWAYS_ON_TOP:
        setTopmostFlag(ALWAYS_ON_TOP, *static_cast<unsigned char*>(value));
        return 0;
    case VALUE_GRAB:
        setGrab(*static_cast<unsigned char*>(value));
        return 0;
    case TQDwindowDev::VALUE_WINDOW_STATUS:
        if (!getVisible())
            return -1;
        setWindowState(*static_cast<long*>(value));
        return 0;
    default:
        return -1;
    }
}

long TQDwinwinDev::getValue(long key, void* value)
{
    if (key == VALUE_TOP_OFFSET) {
        *static_cast<short*>(value) = static_cast<short>(topOffset);
        return 0;
    }
    if (key != TQDwindowDev::VALUE_WINDOW_STATUS)
        return TQDwindowDev::getValue(key, value);
    long* state = static_cast<long*>(value);
    if (!getVisible()) {
        *state = 0;
        return 0;
    }
    if (shell == nullptr)
        return -1;
    *state = IsIconic(shell) ? 1 : IsZoomed(shell) ? 2 : 0;
    return 0;
}

// One coordinate moves the shell and the other outer coordinate stays, so
// the outer corner ends at (x, y) whichever is set first. A position the
// frame itself reported is not sent back to it.
void TQDwinwinDev::setPosition(long key, short value)
{
    if (!shown() || rebaseHandle != nullptr)
        return;
    bool isX = key == VALUE_X;
    if ((flags & RESIZING) && value == (isX ? lastFrameX : lastFrameY))
        return;
    RECT frame;
    GetWindowRect(shell, &frame);
    SetWindowPos(shell, HWND_TOP, isX ? value : frame.left, isX ? frame.top : value, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
}

// The inner window follows at once; the shell too, unless the size is the
// one its frame just reported.
void TQDwinwinDev::setSize(long key, unsigned short value)
{
    if (!shown() || value == 0)
        return;
    short x, y;
    unsigned short w, h;
    getWindowSize(&x, &y, &w, &h);
    MoveWindow(window, 0, 0, w, h, TRUE);
    if ((flags & RESIZING) && value == (key == VALUE_WIDTH ? clientWidth : clientHeight))
        return;
    long extraWidth = std::max(frameExtraWidth, 0L);
    long extraHeight = std::max(frameExtraHeight, 0L);
    bool embedded = rebaseHandle != nullptr;
    MoveWindow(shell, embedded ? 0 : x, embedded ? 0 : y, w + extraWidth, h + extraHeight, TRUE);
}

// A new kind needs new windows: they are rebuilt at once when shown.
void TQDwinwinDev::setTitleBar(char kind)
{
    titleBarStyle = kind >= 0 && kind < kTitleBarKinds ? static_cast<unsigned char>(kind) : 0;
    style = kTitleBarStyles[titleBarStyle];
    exStyle = 0;
    // The frame of the new style is measured at the next show.
    forgetFrame();
    TQDwinAppDev* app = runningApp();
    if (shell != nullptr && (app == nullptr || app->getContext2() == nullptr))
        destroyWindow();
    if (getVisible()) {
        setVisible(0);
        setVisible(1);
    }
}

// A pop-up has no frame and stays above other windows; switching it on
// drops the windows, and the next show builds them in the new mode.
void TQDwinwinDev::setPopup(unsigned char on)
{
    mode = on ? (mode | POPUP) : (mode & ~POPUP);
    frameExtraWidth = -1;
    frameExtraHeight = -1;
    if (!on)
        return;
    frameExtraWidth = 0;
    frameExtraHeight = 0;
    style = 0;
    // A tool window: no task-bar button of its own.
    exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    if (shell != nullptr)
        destroyWindow();
}

void TQDwinwinDev::setTitle(const char* text)
{
    title = TQGFtoSystemText(text);
    if (shell != nullptr)
        SetWindowTextA(shell, title.c_str());
}

// The window stays in the topmost band while it is modal, always on top or
// a pop-up; clearing the last of these takes it out.
void TQDwinwinDev::setTopmostFlag(unsigned char bit, unsigned char on)
{
    mode = on ? (mode | bit) : (mode & ~bit);
    if (window == nullptr)
        return;
    bool topmost = (mode & (MODAL | ALWAYS_ON_TOP | POPUP)) != 0;
    SetWindowPos(shell, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE);
}

void TQDwinwinDev::setWindowState(long state)
{
    static const int commands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
    if (shell != nullptr && state >= 0 && state <= 2)
        ShowWindow(shell, commands[state]);
}

// ---------------------------------------------------------------------------
// Windows

HWND TQDwinwinDev::parentWidgetWindow()
{
    TQCbase* parent = client != nullptr ? client->getParent() : nullptr;
    TQDdev* dev = parent != nullptr ? parent->getowndev() : nullptr;
    long handle = dev != nullptr ? dev->getWindowResource() : -1;
    return handle != -1 ? fromLong<HWND>(handle) : nullptr;
}

// The shell of a normal window is owned by the parent widget's window; a
// pop-up's by the application window. SetWindowLongA takes off what the
// system adds to an overlapped window, so that a sizing border comes
// without a caption.
HWND TQDwinwinDev::makeShell(short x, short y, unsigned short w, unsigned short h)
{
    TQDwinAppDev* app = runningApp();
    HINSTANCE instance = app != nullptr ? app->getInstanceHandle() : GetModuleHandleA(nullptr);
    HWND made = nullptr;
    if (!popup()) {
        if (rebaseHandle != nullptr) {
            made = TQGFcreateWindow(className(), noText(), kEmbeddedStyle, 0, 0, w, h,
                                    rebaseHandle, nullptr, instance, nullptr);
            leftOffset = topOffset = frameExtraWidth = frameExtraHeight = 0;
            return made;
        }
        made = TQGFcreateWindowEx(exStyle, className(), noText(), style | kClipping, x, y, w, h,
                                  parentWidgetWindow(), nullptr, instance, nullptr);
        if (made != nullptr)
            SetWindowLongA(made, GWL_STYLE, static_cast<LONG>(style | kClipping));
        return made;
    }
    HWND owner = app != nullptr ? app->getHWND() : nullptr;
    if (rebaseHandle != nullptr)
        made = TQGFcreateWindow(className(), noText(), style | kEmbeddedPopupClipping, 0, 0, w, h,
                                rebaseHandle, nullptr, instance, nullptr);
    else
        made = TQGFcreateWindowEx(exStyle, className(), noText(), style | kPopupClipping, x, y, w,
                                  h, owner, nullptr, instance, nullptr);
    if (made != nullptr)
        SetWindowPos(made, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    return made;
}

long TQDwinwinDev::createWindow()
{
    mode &= ~DESTROYING;
    if (window != nullptr)
        return 0;
    short x, y;
    unsigned short w, h;
    getWindowSize(&x, &y, &w, &h);
    w = std::max<unsigned short>(w, 1);
    h = std::max<unsigned short>(h, 1);
    TQDwinAppDev* app = runningApp();
    HWND supplied = app != nullptr ? static_cast<HWND>(app->getContext2()) : nullptr;
    if (supplied != nullptr) {
        shell = supplied;
    } else {
        if (TQCbaseList::InternalWindowHandler made = TQCbaseList::getInternalWindowCreateHandler())
            if (client != nullptr)
                made(client);
        if (app != nullptr && app->getRebaseHandle() != 0) {
            rebaseHandle = fromLong<HWND>(app->getRebaseHandle());
            app->setRebaseHandle(0);
        }
        shell = makeShell(x, y, w, h);
    }
    if (shell == nullptr)
        return -1;
    window = makeChildWindow(0, 0, w, h, shell);
    if (window == nullptr) {
        destroyWindow();
        return -1;
    }
    parentWindow = shell;
    if (!title.empty())
        SetWindowTextA(shell, title.c_str());
    if (supplied == nullptr && app != nullptr && app->getWndProc() != nullptr)
        SetWindowLongA(shell, GWL_WNDPROC,
                       static_cast<LONG>(reinterpret_cast<std::intptr_t>(app->getWndProc())));
    SetPropA(window, "frm", this);
    SetPropA(shell, "frm", this);
    return 0;
}

void TQDwinwinDev::forgetFrame()
{
    leftOffset = -1;
    topOffset = -1;
    frameExtraWidth = -1;
    frameExtraHeight = -1;
}

// "frm" goes first, so the windows' last messages reach no device.
long TQDwinwinDev::destroyWindow()
{
    mode |= DESTROYING;
    forgetFrame();
    destroyPixmap();
    forgetMouseFocus();
    enableAncestor();
    bool hadWindow = window != nullptr;
    for (HWND* handle : {&window, &shell}) {
        if (*handle == nullptr)
            continue;
        RemovePropA(*handle, "frm");
        discardQueuedMessages(*handle);
        TQGFdestroyWindow(*handle);
        *handle = nullptr;
    }
    setExposed(0);
    parentWindow = nullptr;
    setInitialized(0);
    TQCbaseList::InternalWindowHandler destroyed = TQCbaseList::getInternalWindowDestroyHandler();
    if (hadWindow && destroyed != nullptr && client != nullptr)
        destroyed(client);
    return 0;
}

// The system destroys the windows; the device only lets go of them. A new
// window is drawn on after its first paint.
void TQDwinwinDev::forgetWindows()
{
    for (HWND* handle : {&window, &shell}) {
        if (*handle != nullptr)
            RemovePropA(*handle, "frm");
        *handle = nullptr;
    }
    parentWindow = nullptr;
    forgetMouseFocus();
    setExposed(0);
}

// ---------------------------------------------------------------------------
// Showing and hiding

// The frame extras are what AdjustWindowRectEx adds around the client area
// for the style; a pop-up and a window inside a foreign one have none.
void TQDwinwinDev::measureFrame(short x, short y, unsigned short w, unsigned short h)
{
    if (frameExtraWidth >= 0 && frameExtraHeight >= 0)
        return;
    RECT outer = {x, y, x + w, y + h};
    if (!popup() && rebaseHandle == nullptr)
        AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    leftOffset = x - outer.left;
    topOffset = y - outer.top;
    frameExtraWidth = (outer.right - outer.left) - w;
    frameExtraHeight = (outer.bottom - outer.top) - h;
}

long TQDwinwinDev::setVisible(unsigned char on)
{
    unsigned char wasVisible = getVisible();
    TQDwindowDev::setVisible(on);
    if (on)
        showShell(wasVisible != 0);
    else
        hideShell();
    return 0;
}

void TQDwinwinDev::showShell(bool wasVisible)
{
    if (createWindow() != 0)
        return;
    if (TQCbaseList::InternalWindowHandler visible = TQCbaseList::getInternalWindowVisibleHandler())
        if (client != nullptr)
            visible(client);
    if (getPixmapStyle() != 0 && !wasVisible)
        destroyPixmap();
    short x, y;
    unsigned short w, h;
    getWindowSize(&x, &y, &w, &h);
    w = std::max<unsigned short>(w, 1);
    h = std::max<unsigned short>(h, 1);
    measureFrame(x, y, w, h);
    bool embedded = rebaseHandle != nullptr;
    MoveWindow(shell, embedded ? 0 : x, embedded ? 0 : y, w + std::max(frameExtraWidth, 0L),
               h + std::max(frameExtraHeight, 0L), FALSE);
    // The system may have widened the frame (a captioned window has a least
    // width), and the widget then took the client size it reported.
    getWindowSize(&x, &y, &w, &h);
    MoveWindow(window, 0, 0, std::max<unsigned short>(w, 1), std::max<unsigned short>(h, 1),
               FALSE);
    if (popup()) {
        ShowWindow(window, SW_SHOWNOACTIVATE);
        ShowWindow(shell, SW_SHOWNOACTIVATE);
        return;
    }
    ShowWindow(window, SW_SHOW);
    ShowWindow(shell, SW_SHOW);
    SetWindowPos(shell, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    if (mode & MODAL)
        disableAncestor();
}

// A normal window hands the activation to the window it belongs to before
// it goes, so that the system does not pick another one.
void TQDwinwinDev::hideShell()
{
    forgetMouseFocus();
    if (window != nullptr) {
        enableAncestor();
        if (popup()) {
            destroyWindow();
        } else {
            activateWindowAncestor();
            ShowWindow(shell, SW_HIDE);
            ShowWindow(window, SW_HIDE);
        }
    }
    TQCbaseList::InternalWindowHandler hidden = TQCbaseList::getInternalWindowUnvisibleHandler();
    if (hidden != nullptr && client != nullptr)
        hidden(client);
}

// The top of the parent window's chain of parents and owners. Only a
// window this device disabled is remembered, so that another window's
// hold on it is not undone.
void TQDwinwinDev::disableAncestor()
{
    HWND top = parentWidgetWindow();
    if (top == nullptr)
        return;
    for (HWND up = GetParent(top); up != nullptr; up = GetParent(up))
        top = up;
    if (top == disabledAncestor)
        return;
    enableAncestor();
    if (!EnableWindow(top, FALSE))
        disabledAncestor = top;
}

void TQDwinwinDev::enableAncestor()
{
    if (disabledAncestor != nullptr && IsWindow(disabledAncestor))
        EnableWindow(disabledAncestor, TRUE);
    disabledAncestor = nullptr;
}

void TQDwinwinDev::activateWindowAncestor()
{
    for (TQCbase* up = client != nullptr ? client->getParent() : nullptr; up != nullptr;
         up = up->getParent()) {
        if (!(up->getObjectType() & TQCbase::OBJECT_TOP_LEVEL) || !up->getVisible())
            continue;
        unsigned char activate = 1;
        if (TQDdev* dev = up->getowndev())
            dev->setValue(TQDwindowDev::VALUE_ACTIVATE, &activate);
        return;
    }
}

// ---------------------------------------------------------------------------
// Messages

void TQDwinwinDev::_evh_expose(WinEvent* event)
{
    if (event->hwnd != shell) {
        TQDwinformDev::_evh_expose(event);
        return;
    }
    PAINTSTRUCT paint;
    BeginPaint(shell, &paint);
    EndPaint(shell, &paint);
}

// A frame dragged to a new place; a minimised window moves out of sight and
// is not followed. Only the last of several queued moves counts.
void TQDwinwinDev::_evh_move(WinEvent* event)
{
    if (!getVisible() || shell == nullptr || event->hwnd != shell || IsIconic(shell) ||
        queued(shell, WM_MOVE))
        return;
    RECT frame;
    GetWindowRect(shell, &frame);
    short x, y;
    unsigned short w, h;
    getWindowSize(&x, &y, &w, &h);
    if ((frame.left == x && frame.top == y) || !insideFrameLimits(frame.left, frame.top))
        return;
    lastFrameX = frame.left;
    lastFrameY = frame.top;
    clientWidth = w;
    clientHeight = h;
    TQCrect rect = {frame.left, frame.top, w, h};
    flags |= RESIZING;
    onResize(&rect);
    flags &= ~RESIZING;
}

// A frame resized by the user; the widget answers with its new size, which
// the inner window then follows. A size no client area can have is not
// followed.
void TQDwinwinDev::_evh_resize(WinEvent* event)
{
    if (!getVisible() || shell == nullptr || event->hwnd == window || IsIconic(shell) ||
        queued(shell, WM_SIZE) || queued(window, WM_SIZE))
        return;
    RECT frame, area;
    GetWindowRect(shell, &frame);
    GetClientRect(shell, &area);
    short x, y;
    unsigned short w, h;
    getWindowSize(&x, &y, &w, &h);
    if (area.right == w && area.bottom == h)
        return;
    long newWidth = (frame.right - frame.left) - std::max(frameExtraWidth, 0L);
    long newHeight = (frame.bottom - frame.top) - std::max(frameExtraHeight, 0L);
    if (!insideFrameLimits(x, y) || !plausibleSide(newWidth) || !plausibleSide(newHeight))
        return;
    lastFrameX = x;
    lastFrameY = y;
    clientWidth = static_cast<unsigned short>(newWidth);
    clientHeight = static_cast<unsigned short>(newHeight);
    TQCrect rect = {x, y, clientWidth, clientHeight};
    flags |= RESIZING;
    onResize(&rect);
    flags &= ~RESIZING;
}

// A widget that may not be closed decides itself what closing means; one
// that may is hidden once the system has destroyed its windows, and told
// so afterwards.
long TQDwinwinDev::_evh_delete(WinEvent* event)
{
    if (mode & DESTROYING)
        return 0;
    bool ours = event->hwnd == window || event->hwnd == shell;
    if (event->message == WM_CLOSE) {
        if (!ours || client == nullptr)
            return 1;
        if (!TQGFgetWindowEnableClose(client)) {
            client->execEventProc(TQDwindowDev::TRIGGER_WINDOW_CLOSED, nullptr);
            return 0;
        }
        // The parent is enabled and active before the window goes.
        enableAncestor();
        activateWindowAncestor();
        if (event->hwnd != window)
            return 1;
        // Closing the inner window closes the whole frame.
        TQGFdestroyWindow(shell);
        return 0;
    }
    if (!ours)
        return 0;
    enableAncestor();
    forgetWindows();
    setInitialized(0);
    onUnmap();
    if (client != nullptr)
        client->execEventProc(TQDwindowDev::TRIGGER_WINDOW_CLOSED, nullptr);
    return 0;
}

void TQDwinwinDev::_evh_focus_ch(WinEvent*)
{
}

void TQDwinwinDev::activateTopLevelClient(TQCbase* topLevel)
{
    TQDwindowDev::activateWindow(topLevel);
}

// ---------------------------------------------------------------------------

TQ_PLATFORM_DEVICE("windowDev", TQDwinwinDev, _tqdwinwindev_init_, registerWindowDevice)
