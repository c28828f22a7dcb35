// For scenarios that need the real application device and so run in a
// process of their own (EXPECT_EXIT with the checks of FreshProcess.h): the
// device is made once per process and its window stays for good.
#ifndef FRESHAPP_H
#define FRESHAPP_H

#include "TQDwinAppDev.h"
#include "TQwin32.h"

// Device initialisation and the Win32 set-up of the real start-up, without
// init handlers or loop.
TQDwinAppDev* startAppDevice();
// Unless the process has ended within ms, says what hung on standard error
// and ends it with status 4.
void armWatchdog(DWORD ms, const char* what);

#endif
