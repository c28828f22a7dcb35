// Toolkit windows on their real devices for the widget tests.
#include "GuiToolkitWindow.h"

#include "GuiTestApp.h"
#include "TQDwinScrFrameDev.h"
#include "TQDwinformDev.h"
#include "TQDwinwinDev.h"
#include "_TQCscrForm.h"
#include "_TQCscrFrame.h"
#include "_TQCwindow.h"
#include "_TQN.h"

namespace {

TQDwinwinDev* windowDevice(TQCwindow* window)
{
    TQDdev* dev = window->getowndev();
    return dev != nullptr ? static_cast<TQDwinwinDev*>(dev->cast("TQDwinwinDev")) : nullptr;
}

} // namespace

TQCwindow* makeToolkitWindow(const char* name, short x, short y, unsigned short w,
                             unsigned short h)
{
    TQCwindow* window = new TQCwindow(nullptr, name);
    window->initialize();
    window->setPropertyV(_TQNtitleBar(), static_cast<char>(0));
    window->setPropertyV(_TQNx(), x);
    window->setPropertyV(_TQNy(), y);
    window->setPropertyV(_TQNwidth(), w);
    window->setPropertyV(_TQNheight(), h);
    return window;
}

bool showAndPaint(TQCwindow* window, DWORD timeoutMs)
{
    window->setVisible(1);
    bool painted = pumpMessagesUntil(
        [window] {
            TQDwinwinDev* dev = windowDevice(window);
            return dev != nullptr && dev->getExposed() != 0;
        },
        timeoutMs);
    pumpPendingMessages(timeoutMs);
    return painted;
}

HWND clientWindowOf(TQCwindow* window)
{
    TQDwinwinDev* dev = windowDevice(window);
    return dev != nullptr ? dev->getHWND() : nullptr;
}

HWND formWindowOf(TQCbase* form)
{
    TQDdev* dev = form->getowndev();
    TQDwinformDev* formDev =
        dev != nullptr ? static_cast<TQDwinformDev*>(dev->cast("TQDwinformDev")) : nullptr;
    return formDev != nullptr ? formDev->getHWND() : nullptr;
}

TQDwinScrFrameDev* scrFrameDevOf(TQCscrForm* form)
{
    TQDdev* dev = form->getScrFrame() != nullptr ? form->getScrFrame()->getowndev() : nullptr;
    return dev != nullptr ? static_cast<TQDwinScrFrameDev*>(dev->cast("TQDwinScrFrameDev"))
                          : nullptr;
}

std::array<long, 4> placedInParent(TQCbase* form)
{
    RECT r, parent;
    GetWindowRect(formWindowOf(form), &r);
    GetWindowRect(formWindowOf(form->getParent()), &parent);
    return {r.left - parent.left, r.top - parent.top, r.right - r.left, r.bottom - r.top};
}

std::array<long, 4> geometryOf(TQCbase* object)
{
    return {object->getProperty(_TQNx()).getLong(), object->getProperty(_TQNy()).getLong(),
            object->getProperty(_TQNwidth()).getLong(),
            object->getProperty(_TQNheight()).getLong()};
}

void postInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
        POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (message != WM_MOUSEWHEEL)
            ClientToScreen(window, &at);
        SetCursorPos(at.x, at.y);
    }
    PostMessageA(window, message, wParam, lParam);
}

void postMouseAt(HWND window, UINT message, WPARAM keys, POINT at, DWORD timeoutMs)
{
    SetCursorPos(at.x, at.y);
    HWND target = GetCapture() != nullptr ? GetCapture() : window;
    POINT point = at;
    ScreenToClient(target, &point);
    PostMessageA(target, message, keys, MAKELPARAM(point.x, point.y));
    pumpPendingMessages(timeoutMs);
}
