// libtq, libtqc and libtqb linked whole without the Win32 layer: every
// object of the portable libraries resolves on its own, and no platform
// service has a factory until a platform layer installs one.
#include "_TQDappDev.h"
#include "_TQDenv.h"
#include "_TQDfileSystem.h"
#include "_TQDmouse.h"
#include "_TQDsocket.h"
#include "_TQDtimer.h"

#include <cstdio>

int main()
{
    if (TQGIappEnvironment() != nullptr || TQGIappFileSystem() != nullptr ||
        TQGIappMouse() != nullptr || TQGIappTimer() != nullptr || TQGIappDev() != nullptr ||
        TQDsocket::createFromHandler() != nullptr) {
        std::fprintf(stderr, "a platform factory is installed without the platform layer\n");
        return 1;
    }
    return 0;
}
