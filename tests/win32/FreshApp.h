// For scenarios that need the real application device and so run in a
// process of their own (EXPECT_EXIT with the checks of FreshProcess.h): the
// device is made once per process and its window stays for good.
#ifndef FRESHAPP_H
#define FRESHAPP_H

#include "GuiTestApp.h"

// Device initialisation and the Win32 set-up of the real start-up, without
// init handlers or loop; a process without the application window ends
// with the checks' failure.
TQDwinAppDev* startAppDevice();

#endif
