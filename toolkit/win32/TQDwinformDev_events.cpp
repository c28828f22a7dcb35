// The form device's messages as toolkit events: paint, buttons with the
// double click and the wheel, moves in and out of devices, size, close and
// destroy, focus, and the cursor of the area.
#include "TQDwinformDev.h"

#include <cstdint>

#include "TQDwinAppDev.h"
#include "TQDwinDragDrop.h"
#include "TQwin32.h"
#include "WinEvent.h"
#include "_TQCbase.h"
#include "_TQCbaseList.h"
#include "_TQDmouse.h"
#include "_TQGFdebug.h"

namespace {

// A second press on the same device sooner than this is a double click.
const unsigned long kDoubleClickMs = 250;
// One notch of the wheel, with no key or button held.
const std::uint32_t kWheelUp = 0x00780000;
const std::uint32_t kWheelDown = 0xFF880000;
const int kWheelUpButton = 4;
const int kWheelDownButton = 5;

unsigned long buttonBit(int button)
{
    static const unsigned long bits[] = {0, 0x100, 0x200, 0x400, 0x800, 0x1000};
    return button >= 1 && button <= 5 ? bits[button] : 0;
}

// 1 left, 2 middle, 3 right.
int buttonOf(std::uint32_t message)
{
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP)
        return 1;
    return message == WM_MBUTTONDOWN || message == WM_MBUTTONUP ? 2 : 3;
}

// Presses and releases take the position unsigned, moves signed.
TQCpoint unsignedPoint(const WinEvent* event)
{
    return {LOWORD(event->lParam), HIWORD(event->lParam)};
}

TQCpoint signedPoint(const WinEvent* event)
{
    return {static_cast<short>(LOWORD(event->lParam)), static_cast<short>(HIWORD(event->lParam))};
}

bool mouseSensitive()
{
    TQDmouse* mouse = TQGIappMouse();
    return mouse == nullptr || mouse->getGlobalMouseSensitive();
}

} // namespace

long TQDwinformDev::dispatchEvent(WinEvent* event)
{
    bool sensitive = mouseSensitive();
    if (!sensitive)
        _adjust_cursor();
    switch (event->message) {
    case WM_PAINT:
        _evh_expose(event);
        return 0;
    case WM_ERASEBKGND:
        return 0;
    case WM_MOUSEMOVE:
        if (sensitive)
            _evh_mouse_move(event);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDOWN:
        if (sensitive)
            _evh_btn_press(event, buttonOf(event->message));
        return 0;
    case WM_LBUTTONUP:
    case WM_MBUTTONUP:
    case WM_RBUTTONUP:
        if (sensitive)
            _evh_btn_release(event, buttonOf(event->message));
        return 0;
    case WM_MOUSEWHEEL:
        if (event->wParam != kWheelUp && event->wParam != kWheelDown)
            return 1;
        if (sensitive)
            _evh_btn_press(event, event->wParam == kWheelUp ? kWheelUpButton : kWheelDownButton);
        return 0;
    case WM_MOVE:
        _evh_move(event);
        return 0;
    case WM_SIZE:
        _evh_resize(event);
        return 0;
    case WM_CLOSE:
        return _evh_delete(event);
    case WM_DESTROY:
        _evh_delete(event);
        return 0;
    case WM_KILLFOCUS:
        focusLost();
        return 0;
    case WM_SETFOCUS:
        focusGained();
        return 0;
    case WM_CAPTURECHANGED:
        captureChanged(event);
        return 1;
    case WM_CANCELMODE:
        if (TQDwinAppDev* app = runningApp())
            app->noteGrabLost(1);
        return 1;
    default:
        return 1;
    }
}

// Only a capture taken from the window that holds the grab, by a window
// other than it, is a lost grab: the toolkit moves and releases the
// capture itself only after it cleared or moved the grab.
void TQDwinformDev::captureChanged(WinEvent* event)
{
    TQDwinAppDev* app = runningApp();
    HWND taker = reinterpret_cast<HWND>(static_cast<std::intptr_t>(event->lParam));
    if (app != nullptr && app->getGrabFlag() && event->hwnd == app->getGrabedWnd() &&
        taker != event->hwnd)
        app->noteGrabLost(0);
}

// Without a pixmap holding the content, the area is cleared here: the
// system never erases it.
void TQDwinformDev::_evh_expose(WinEvent* event)
{
    PAINTSTRUCT paint;
    BeginPaint(event->hwnd, &paint);
    const RECT& area = paint.rcPaint;
    TQCrect rect = {static_cast<short>(area.left), static_cast<short>(area.top),
                    static_cast<unsigned short>(area.right - area.left),
                    static_cast<unsigned short>(area.bottom - area.top)};
    setExposed(1);
    if (getPixmapStyle() == 0)
        _clear_area(rect.x, rect.y, rect.width, rect.height);
    TQDwindowDev::onExpose(&rect);
    EndPaint(event->hwnd, &paint);
}

// The time of every press counts, the wheel's included; a third quick
// press is a double click again.
void TQDwinformDev::_evh_btn_press(WinEvent* event, int button)
{
    TQCpoint point = unsignedPoint(event);
    unsigned long now = static_cast<unsigned long>(TQGFclocktime());
    bool doubleClick = now - lastPressTime < kDoubleClickMs;
    lastPressTime = now;
    if (button == kWheelUpButton || button == kWheelDownButton) {
        pressWheel(event, button);
        return;
    }
    if (TQDwinAppDev* app = runningApp())
        app->setGrabedWnd(window);
    if (TQDmouse* mouse = TQGIappMouse()) {
        mouse->setTargetBtn(buttonBit(button));
        mouse->setStatus(mouse->getStatus() | buttonBit(button));
    }
    onMousePress(&point);
    if (doubleClick)
        onMouseDoubleClick(&point);
    _adjust_cursor();
}

// A notch is a press and a release on the widget under the pointer, with
// the object queues run between; the point is the message's, on the
// screen.
void TQDwinformDev::pressWheel(WinEvent* event, int button)
{
    TQDmouse* mouse = TQGIappMouse();
    if (mouse == nullptr)
        return;
    unsigned long bit = buttonBit(button);
    mouse->setTargetBtn(bit);
    TQCbase* receiver = mouse->getMouseFocusClient();
    if (receiver == nullptr)
        return;
    TQCpoint point = unsignedPoint(event);
    unsigned long status = mouse->getStatus();
    TQCbase::LifeGuard guard(receiver);
    mouse->setStatus(status | bit);
    receiver->onMousePress(&point);
    TQCbaseList* objects = TQGIappObjectList();
    objects->execInitialize();
    objects->execUpdate();
    mouse->setStatus(status & ~bit);
    if (guard.alive())
        receiver->onMouseRelease(&point);
}

// The grab ends with the last button up unless the widget holds it.
void TQDwinformDev::_evh_btn_release(WinEvent* event, int button)
{
    TQCpoint point = unsignedPoint(event);
    unsigned long status = 0;
    if (TQDmouse* mouse = TQGIappMouse()) {
        status = mouse->getStatus() & ~buttonBit(button);
        mouse->setTargetBtn(buttonBit(button));
        mouse->setStatus(status);
    }
    TQDwinAppDev* app = runningApp();
    if (app != nullptr && !app->getGrabFlag() && status == 0)
        app->setGrabedWnd(nullptr);
    // The release that ends a drag belongs to the drag alone.
    TQDwinDragDrop* dragDrop = TQGIwinAppDragDrop();
    if (dragDrop != nullptr && dragDrop->getDragState()) {
        dragDrop->executeDrop();
        return;
    }
    onMouseRelease(&point);
    _adjust_cursor();
}

// The move that enters a device is its MOUSE_IN (and the old device's
// MOUSE_OUT), not a MOUSE_MOVE.
void TQDwinformDev::_evh_mouse_move(WinEvent* event)
{
    TQDwinAppDev* app = runningApp();
    TQDwinformDev* focus = app != nullptr ? app->getMouseFocusDev() : nullptr;
    _adjust_cursor();
    if (focus == this) {
        TQCpoint point = signedPoint(event);
        if (TQDmouse* mouse = TQGIappMouse()) {
            unsigned long status = mouse->getStatus();
            if (event->wParam & MK_LBUTTON)
                status |= buttonBit(1);
            if (event->wParam & MK_MBUTTON)
                status |= buttonBit(2);
            if (event->wParam & MK_RBUTTON)
                status |= buttonBit(3);
            mouse->setStatus(status);
        }
        onMouseMove(&point);
        return;
    }
    if (focus != nullptr)
        focus->_evh_mouse_out(event);
    _evh_mouse_in(event);
}

void TQDwinformDev::_evh_mouse_in(WinEvent* event)
{
    TQCpoint point = unsignedPoint(event);
    if (TQDwinAppDev* app = runningApp())
        app->setMouseFocusDev(this);
    onMouseIn(&point);
    _adjust_cursor();
}

void TQDwinformDev::_evh_mouse_out(WinEvent*)
{
    TQDwinAppDev* app = runningApp();
    TQDwinformDev* focus = app != nullptr ? app->getMouseFocusDev() : nullptr;
    if (focus != nullptr && focus != this)
        return;
    if (focus == this)
        app->setMouseFocusDev(nullptr);
    onMouseOut();
}

void TQDwinformDev::_evh_resize(WinEvent*)
{
    resizeToClientOf(window);
}

// While RESIZE runs, a widget that sets its size to the reported one does
// not move the window again.
void TQDwinformDev::resizeToClientOf(HWND hwnd)
{
    RECT area = {0, 0, 0, 0};
    GetClientRect(hwnd, &area);
    short x, y;
    unsigned short w, h;
    getWindowSize(&x, &y, &w, &h);
    clientWidth = static_cast<unsigned short>(area.right);
    clientHeight = static_cast<unsigned short>(area.bottom);
    TQCrect rect = {x, y, clientWidth, clientHeight};
    flags |= RESIZING;
    onResize(&rect);
    flags &= ~RESIZING;
}

void TQDwinformDev::_evh_move(WinEvent*)
{
}

void TQDwinformDev::_evh_dummy(WinEvent*)
{
}

// The system destroys the window itself.
long TQDwinformDev::_evh_delete(WinEvent*)
{
    window = nullptr;
    parentWindow = nullptr;
    setInitialized(0);
    return 0;
}

long TQDwinformDev::_evh_delete2(void* dev)
{
    static_cast<TQDwinformDev*>(dev)->_evh_delete(nullptr);
    return 0;
}

// ---------------------------------------------------------------------------
// Focus

// Whether the focus widget lies in this device's client: up through the
// parents, and from a widget with a device of its own through the client
// of that device's parent device.
bool TQDwinformDev::holdsFocus(TQCbase* focus)
{
    for (TQCbase* node = focus; node != nullptr;) {
        if (node == client)
            return true;
        if (TQDdev* own = node->getowndev()) {
            TQDdev* parentDev = own->getParentDev();
            if (parentDev == nullptr)
                return false;
            node = parentDev->getAttachedClient();
        } else {
            node = node->getParent();
        }
    }
    return false;
}

void TQDwinformDev::focusLost()
{
    TQCbase* focus = TQCbase::getFocusInstance();
    if (focus == nullptr || client == nullptr)
        return;
    if (holdsFocus(focus))
        focus->onWindowFocusChange(0);
}

// A focus widget outside the window that got the focus loses it.
void TQDwinformDev::focusGained()
{
    TQCbase* focus = TQCbase::getFocusInstance();
    if (focus == nullptr) {
        onFocusChange();
        return;
    }
    if (client != nullptr && client->getVisible()) {
        if (client->getObjectType() & TQCbase::OBJECT_TOP_LEVEL)
            activateTopLevelClient(client);
        if (!holdsFocus(focus)) {
            focus->setSpecialFocus(0);
            focus->setFocus(0);
            return;
        }
    }
    focus->onWindowFocusChange(1);
}

void TQDwinformDev::activateTopLevelClient(TQCbase*)
{
}

// ---------------------------------------------------------------------------
// Cursor

// The cursor is looked up again when an application-wide cursor comes or
// goes; -1 hides the pointer.
void TQDwinformDev::_adjust_cursor()
{
    TQDmouse* mouse = TQGIappMouse();
    if (mouse == nullptr)
        return;
    unsigned char global = mouse->getGlobalMouseIdStatus();
    if (global != ((flags & GLOBAL_CURSOR_SEEN) ? 1 : 0)) {
        flags ^= GLOBAL_CURSOR_SEEN;
        resolveCursor();
    }
    if (cursor == nullptr)
        resolveCursor();
    applyCursor(cursor);
}

void TQDwinformDev::applyCursor(HICON__* shown)
{
    TQDwinAppDev* app = runningApp();
    if (shown == reinterpret_cast<HCURSOR>(-1)) {
        if (app != nullptr)
            app->showCursor(0);
        return;
    }
    if (app != nullptr)
        app->showCursor(1);
    SetCursor(shown);
}
