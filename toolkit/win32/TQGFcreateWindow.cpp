// Window creation and destruction on the application thread, directly or
// through a request sent to the application window.
#include "TQGFcreateWindow.h"

#include "TQDwinAppDev.h"
#include "TQGFwinAppWindow.h"
#include "TQwin32.h"

#include <cstdint>

namespace {

// Lives on the requesting thread's stack while it waits.
struct CreateWindowRequest {
    std::uint32_t exStyle;
    char* className;
    char* windowName;
    std::uint32_t style;
    std::int32_t x;
    std::int32_t y;
    std::uint16_t width;
    std::uint16_t height;
    HWND parent;
    HMENU menu;
    HINSTANCE instance;
    void* data;
};

bool onAppThread()
{
    TQDwinAppDev* app = TQGIwinAppDev();
    return app == nullptr || GetCurrentThreadId() == app->getAppThreadId();
}

HWND createWindow(UINT requestMessage, unsigned long exStyle, char* className, char* windowName,
                  unsigned long style, int x, int y, int width, int height, HWND parent,
                  HMENU menu, HINSTANCE instance, void* data)
{
    if (onAppThread())
        return CreateWindowExA(exStyle, className, windowName, style, x, y, width, height,
                               parent, menu, instance, data);
    CreateWindowRequest request = {static_cast<std::uint32_t>(exStyle),
                                   className,
                                   windowName,
                                   static_cast<std::uint32_t>(style),
                                   x,
                                   y,
                                   static_cast<std::uint16_t>(width),
                                   static_cast<std::uint16_t>(height),
                                   parent,
                                   menu,
                                   instance,
                                   data};
    return reinterpret_cast<HWND>(SendMessageA(TQGFgetAppWindow(), requestMessage,
                                               reinterpret_cast<WPARAM>(&request), 0));
}

void replyCreated(const CreateWindowRequest& request, DWORD exStyle)
{
    HWND window = CreateWindowExA(exStyle, request.className, request.windowName, request.style,
                                  request.x, request.y, request.width, request.height,
                                  request.parent, request.menu, request.instance, request.data);
    ReplyMessage(reinterpret_cast<LRESULT>(window));
}

} // namespace

HWND TQGFcreateWindowEx(unsigned long exStyle, char* className, char* windowName,
                        unsigned long style, int x, int y, int width, int height, HWND parent,
                        HMENU menu, HINSTANCE instance, void* data)
{
    return createWindow(TQ_WM_CREATE_WINDOW_EX, exStyle, className, windowName, style, x, y,
                        width, height, parent, menu, instance, data);
}

HWND TQGFcreateWindow(char* className, char* windowName, unsigned long style, int x, int y,
                      int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                      void* data)
{
    return createWindow(TQ_WM_CREATE_WINDOW, 0, className, windowName, style, x, y, width,
                        height, parent, menu, instance, data);
}

void TQGFdestroyWindow(HWND window)
{
    if (onAppThread())
        DestroyWindow(window);
    else
        SendMessageA(TQGFgetAppWindow(), TQ_WM_DESTROY_WINDOW, reinterpret_cast<WPARAM>(window),
                     0);
}

void TQGFreplyCreateWindowRequest(void* request)
{
    replyCreated(*static_cast<CreateWindowRequest*>(request), 0);
}

void TQGFreplyCreateWindowRequestEx(void* request)
{
    const CreateWindowRequest* r = static_cast<CreateWindowRequest*>(request);
    replyCreated(*r, r->exStyle);
}

void TQGFreplyDestroyWindowRequest(HWND window)
{
    ReplyMessage(DestroyWindow(window));
}
