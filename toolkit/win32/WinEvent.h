// One Win32 message as the window procedure hands it to a device, and as the
// application device keeps it while another thread holds the application.
#ifndef WINEVENT_H
#define WINEVENT_H

#include <cstdint>

// HWND, declared without the Win32 headers.
struct HWND__;

struct WinEvent {
    std::uint32_t message;
    std::uint32_t wParam;
    std::int32_t lParam;
    HWND__* hwnd;
};

#endif
