// The scrolled-frame device: viewport and work window, the work size and
// the scroll offsets.
#include "TQDwinScrFrameDev.h"

#include "TQwin32.h"
#include "WinEvent.h"
#include "_TQCbase.h"
#include "_TQCdevice.h"
#include "_TQDcreateInstance.h"

#include <algorithm>

TQDwinScrFrameDev::TQDwinScrFrameDev()
    : viewport(nullptr), xOffset(0), yOffset(0), workWidth(0), workHeight(0), titleHeight(0)
{
}

TQDwinScrFrameDev::~TQDwinScrFrameDev()
{
    TQDwinScrFrameDev::destroyWindow();
}

long TQDwinScrFrameDev::setValue(long key, void* value)
{
    short x, y;
    unsigned short w, h;
    getWindowSize(&x, &y, &w, &h);
    if ((key == VALUE_X && *static_cast<short*>(value) == x) ||
        (key == VALUE_Y && *static_cast<short*>(value) == y) ||
        (key == VALUE_WIDTH && *static_cast<unsigned short*>(value) == w) ||
        (key == VALUE_HEIGHT && *static_cast<unsigned short*>(value) == h))
        return 0;
    TQDwindowDev::setValue(key, value);
    getWindowSize(&x, &y, &w, &h);
    switch (key) {
    case VALUE_X:
    case VALUE_Y:
        if (viewport != nullptr) {
            RECT area;
            GetClientRect(viewport, &area);
            MoveWindow(viewport, x, y, area.right, area.bottom, TRUE);
        }
        return 0;
    case VALUE_WIDTH:
    case VALUE_HEIGHT: {
        if (viewport == nullptr)
            return 0;
        bool isWidth = key == VALUE_WIDTH;
        unsigned short v = isWidth ? w : h;
        if ((flags & RESIZING) && v == (isWidth ? clientWidth : clientHeight))
            return 0;
        if (getPixmapStyle() != 0)
            destroyPixmap();
        if (v == 0)
            return 0;
        RECT area;
        GetClientRect(viewport, &area);
        MoveWindow(viewport, x, y, isWidth ? v : area.right, isWidth ? area.bottom : v, TRUE);
        return 0;
    }
    case VALUE_BACK_COLOR:
        resolveBackColor();
        repaintBackground();
        return 0;
    case VALUE_PIXMAP_STYLE:
        setPixmapStyle(*static_cast<char*>(value));
        destroyPixmap();
        return 0;
    case VALUE_WORK_WIDTH:
    case VALUE_WORK_HEIGHT:
        setWorkSize(key == VALUE_WORK_WIDTH, *static_cast<unsigned short*>(value));
        return 0;
    case VALUE_X_SCROLL:
    case VALUE_Y_SCROLL:
        setScroll(key == VALUE_X_SCROLL, *static_cast<short*>(value));
        return 0;
    case VALUE_TITLE_HEIGHT:
        titleHeight = *static_cast<short*>(value);
        return 0;
    case VALUE_MOUSE_CURSOR:
        resolveCursor();
        return 0;
    case VALUE_GRAB:
        setGrab(*static_cast<unsigned char*>(value));
        return 0;
    default:
        return -1;
    }
}

void TQDwinScrFrameDev::reportAddressChange()
{
    void* data = nullptr;
    if (AbsoluteAddrChangeHandler handler = getAbsoluteAddrChangeHandler(&data))
        handler(this, data);
}

void TQDwinScrFrameDev::placeWorkWindow()
{
    if (window != nullptr)
        MoveWindow(window, -xOffset, -yOffset, workWidth, workHeight, TRUE);
}

// A smaller work area pulls the offset back so that it still fills the
// viewport; a larger one needs a larger pixmap.
void TQDwinScrFrameDev::setWorkSize(bool width, unsigned short value)
{
    unsigned short& work = width ? workWidth : workHeight;
    short& offset = width ? xOffset : yOffset;
    if (value > work)
        destroyPixmap();
    work = value;
    long room = static_cast<long>(work) - (width ? getWidth() : getHeight());
    if (room < offset) {
        offset = static_cast<short>(std::max(room, 0L));
        reportAddressChange();
    }
    placeWorkWindow();
}

void TQDwinScrFrameDev::setScroll(bool x, short value)
{
    long room = x ? static_cast<long>(workWidth) - getWidth()
                  : static_cast<long>(workHeight) - getHeight();
    short limit = static_cast<short>(std::max(room, 0L));
    short& offset = x ? xOffset : yOffset;
    value = std::min(value, limit);
    if (value == offset)
        return;
    offset = value;
    reportAddressChange();
    placeWorkWindow();
    exposeArea(xOffset, yOffset, getWidth(), getHeight(), 0);
    _expose_children(xOffset, yOffset, getWidth(), getHeight());
}

long TQDwinScrFrameDev::getDispAddr(short* x, short* y)
{
    TQDwindowDev::getDispAddr(x, y);
    *x = static_cast<short>(*x - xOffset);
    *y = static_cast<short>(*y - yOffset);
    return 0;
}

void TQDwinScrFrameDev::getPixmapSize(unsigned short* w, unsigned short* h)
{
    *w = workWidth;
    *h = workHeight;
}

// The children are the client's, or its parent's when the parent draws on
// this device.
void TQDwinScrFrameDev::_expose_children(short, short, unsigned short, unsigned short)
{
    if (client == nullptr)
        return;
    TQCbase* parent = client->getParent();
    TQCbase* owner = parent != nullptr && parent->getdev() == this ? parent : client;
    exposeChildrenOver(owner->getChildren(), xOffset, yOffset, getWidth(), getHeight(), false);
}

// ---------------------------------------------------------------------------
// Windows

long TQDwinScrFrameDev::createWindow()
{
    if (viewport != nullptr)
        return 0;
    short x, y;
    unsigned short w, h;
    getWindowSize(&x, &y, &w, &h);
    xOffset = 0;
    yOffset = 0;
    TQDdev* parent = getParentDev();
    void* area = parent != nullptr ? parent->cast("TQDwinformDev") : nullptr;
    if (area == nullptr)
        return -1;
    parentWindow = static_cast<TQDwinformDev*>(area)->getHWND();
    viewport = makeChildWindow(x, y, std::max<int>(w, 1), std::max<int>(h, 1), parentWindow);
    if (viewport == nullptr)
        return -1;
    SetPropA(viewport, "frm", this);
    window = makeChildWindow(-xOffset, -yOffset, workWidth, workHeight, viewport);
    if (window == nullptr) {
        destroyWindow();
        return -1;
    }
    SetPropA(window, "frm", this);
    return 0;
}

// "frm" goes first: the windows' last messages reach no device.
long TQDwinScrFrameDev::destroyWindow()
{
    forgetMouseFocus();
    for (HWND* handle : {&window, &viewport}) {
        if (*handle == nullptr)
            continue;
        RemovePropA(*handle, "frm");
        discardQueuedMessages(*handle);
        DestroyWindow(*handle);
        *handle = nullptr;
    }
    parentWindow = nullptr;
    setInitialized(0);
    return 0;
}

// The frame is not brought to the top.
long TQDwinScrFrameDev::setVisible(unsigned char on)
{
    unsigned char wasVisible = getVisible();
    TQDwindowDev::setVisible(on);
    if (on) {
        if (createWindow() != 0)
            return -1;
        if (getPixmapStyle() != 0 && !wasVisible)
            destroyPixmap();
        ShowWindow(viewport, SW_SHOW);
        ShowWindow(window, SW_SHOW);
        if (!wasVisible) {
            setExposed(0);
            invalidate(0);
        }
        return 0;
    }
    TQDwinformDev* area = getParentAreaDev();
    if (area != nullptr && area->getHWND() == nullptr) {
        destroyWindow();
    } else if (viewport != nullptr) {
        ShowWindow(viewport, SW_HIDE);
        ShowWindow(window, SW_HIDE);
    }
    return 0;
}

// ---------------------------------------------------------------------------
// Messages

// The viewport shows the background where the work window leaves it.
void TQDwinScrFrameDev::_evh_expose(WinEvent* event)
{
    if (event->hwnd == viewport)
        paintBackground(viewport);
    else
        TQDwinformDev::_evh_expose(event);
}

void TQDwinScrFrameDev::_evh_resize(WinEvent*)
{
    resizeToClientOf(viewport);
}

long TQDwinScrFrameDev::_evh_delete(WinEvent*)
{
    viewport = nullptr;
    window = nullptr;
    parentWindow = nullptr;
    setInitialized(0);
    return 0;
}

// Without a pixmap only the visible part is redrawn.
void TQDwinScrFrameDev::_clear_and_expose()
{
    TQCrect area = {xOffset, yOffset, getWidth(), getHeight()};
    if (getPixmapStyle() != 0)
        area = {0, 0, workWidth, workHeight};
    _clear_area(area.x, area.y, area.width, area.height);
    setExposed(1);
    TQDwindowDev::onExpose(&area);
}

// ---------------------------------------------------------------------------

TQ_PLATFORM_DEVICE("scrFrameDev", TQDwinScrFrameDev, _tqdxscrdev_init_,
                   registerScrolledFrameDevice)
