// The real application device in a process of its own.
#include "FreshApp.h"

#include "FreshProcess.h"

TQDwinAppDev* startAppDevice()
{
    TQDwinAppDev* app = startGuiApp();
    requireInChild(app != nullptr, "the application window exists");
    return app;
}
