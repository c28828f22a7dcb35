// The mouse on Win32.
#include "TQDwinMouse.h"

#include "TQwin32.h"
#include "_TQCbase.h"
#include "_TQDdev.h"
#include "_TQDfileSystem.h"
#include "_TQDkeyboard.h"

#include <cstdio>
#include <cstring>

namespace {

struct SystemCursor {
    const char* name;
    LPCSTR id;
};

const SystemCursor kSystemCursors[] = {
    {"IDC_ARROW", IDC_ARROW},       {"IDC_CROSS", IDC_CROSS},
    {"IDC_APPSTARTING", IDC_APPSTARTING}, {"IDC_IBEAM", IDC_IBEAM},
    {"IDC_ICON", IDC_ICON},         {"IDC_NO", IDC_NO},
    {"IDC_SIZE", IDC_SIZE},         {"IDC_SIZEALL", IDC_SIZEALL},
    {"IDC_SIZENESW", IDC_SIZENESW}, {"IDC_SIZENS", IDC_SIZENS},
    {"IDC_SIZENWSE", IDC_SIZENWSE}, {"IDC_SIZEWE", IDC_SIZEWE},
    {"IDC_UPARROW", IDC_UPARROW},   {"IDC_WAIT", IDC_WAIT},
};

const char* const kBuiltInCursors[] = {
    "0   IDC_ARROW",    "1   IDC_NONE",     "195 IDC_SIZENWSE", "197 IDC_SIZENS",
    "196 IDC_SIZENESW", "176 IDC_SIZEWE",   "135 IDC_SIZENWSE", "136 IDC_SIZENS",
    "134 IDC_SIZENESW", "163 IDC_SIZEWE",   "154 IDC_SIZEALL",  "186 IDC_SIZENS",
    "182 IDC_SIZEWE",   "203 IDC_WAIT",
};

const long kHidden = -1;

long systemCursor(const char* name)
{
    if (std::strcmp(name, "IDC_NONE") == 0)
        return kHidden;
    LPCSTR id = IDC_ARROW;
    for (const SystemCursor& cursor : kSystemCursors) {
        if (std::strcmp(cursor.name, name) == 0)
            id = cursor.id;
    }
    return reinterpret_cast<long>(LoadCursorA(nullptr, id));
}

long fileCursor(char* name)
{
    TQDfileSystem* fs = TQGIappFileSystem();
    const char* path = fs != nullptr ? fs->adjustFileName(name) : name;
    HANDLE cursor = LoadImageA(nullptr, path, IMAGE_CURSOR, 0, 0, LR_LOADFROMFILE);
    if (cursor == nullptr)
        cursor = TQDwinMouse::getDefaultMouseCursor();
    return reinterpret_cast<long>(cursor);
}

} // namespace

TQDwinMouse::~TQDwinMouse() = default;

long TQDwinMouse::getMousePosition(short* x, short* y)
{
    POINT point = {0, 0};
    GetCursorPos(&point);
    *x = static_cast<short>(point.x);
    *y = static_cast<short>(point.y);
    return 1;
}

long TQDwinMouse::getMousePosition(short* x, short* y, TQCbase* object)
{
    if (object == nullptr)
        return getMousePosition(x, y);
    short xOffset = 0;
    short yOffset = 0;
    for (TQCbase* level = object; level != nullptr; level = level->getParent()) {
        TQDdev* dev = level->getdev();
        if (dev == nullptr)
            break;
        if (dev->cast("TQDwinformDev") != nullptr) {
            RECT frame = {0, 0, 0, 0};
            POINT point = {0, 0};
            GetWindowRect(reinterpret_cast<HWND>(dev->getWindowResource()), &frame);
            GetCursorPos(&point);
            *x = static_cast<short>(point.x - frame.left - xOffset);
            *y = static_cast<short>(point.y - frame.top - yOffset);
            return 1;
        }
        short levelX = 0;
        short levelY = 0;
        level->getPropertyV("x", &levelX);
        level->getPropertyV("y", &levelY);
        xOffset = static_cast<short>(xOffset + levelX);
        yOffset = static_cast<short>(yOffset + levelY);
    }
    *x = 0;
    *y = 0;
    return 0;
}

unsigned long TQDwinMouse::getMouseStatus()
{
    unsigned long status = getStatus();
    TQDkeyboard* keyboard = TQGIappKeyboard();
    if (keyboard == nullptr)
        return status;
    if (keyboard->withShift())
        status |= STATUS_SHIFT;
    if (keyboard->withLock())
        status |= STATUS_CAPS_LOCK;
    if (keyboard->withCntl())
        status |= STATUS_CTRL;
    if (keyboard->withAlt())
        status |= STATUS_ALT;
    return status;
}

void TQDwinMouse::setMousePosition(short x, short y)
{
    SetCursorPos(x, y);
}

void TQDwinMouse::setMouseCursor(long)
{
}

// The scan is bounded: a name longer than a path may be is cut there.
void TQDwinMouse::setupMouseCursor(char* entry)
{
    if (entry == nullptr)
        return;
    long id = 0;
    char name[MAX_PATH] = "";
    if (std::sscanf(entry, "%ld %259s", &id, name) != 2)
        return;
    long handle = std::strncmp(name, "IDC_", 4) == 0 ? systemCursor(name) : fileCursor(name);
    addMouseCursor(id, handle, entry);
}

void TQDwinMouse::initialize()
{
    for (const char* entry : kBuiltInCursors)
        TQGIwinAppMouse()->setupMouseCursor(const_cast<char*>(entry));
}

void TQDwinMouse::resetMouseCursors()
{
    long position = 0;
    for (long id = getMouseCursorId(position); id != -1; id = getMouseCursorId(position)) {
        if (id == 0)
            ++position;
        else
            delMouseCursor(position);
    }
}

HICON__* TQDwinMouse::getDefaultMouseCursor()
{
    static HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    return arrow;
}

HWND__* TQDwinMouse::getCurrentMouseWindow()
{
    POINT point = {0, 0};
    GetCursorPos(&point);
    return WindowFromPoint(point);
}

TQ_PLATFORM_FACTORY(TQDmouse, TQDwinMouse, _winMouse_create_handler, TQGFinitializeWinMouse)

TQDwinMouse* TQGIwinAppMouse()
{
    if (TQDmouse::getCreateInstanceHandler() == nullptr)
        TQGFinitializeWinMouse();
    TQDmouse* mouse = TQGIappMouse();
    return mouse != nullptr ? static_cast<TQDwinMouse*>(mouse->cast("TQDwinMouse")) : nullptr;
}
