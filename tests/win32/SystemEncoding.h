// The Win32 code converter as the application's converter, so that names
// and texts handed to Windows convert as they do in the program; and a
// scope in which the system encoding is pinned through the system locale.
#ifndef SYSTEMENCODING_H
#define SYSTEMENCODING_H

#include "EnvGuard.h"
#include "WinCodeConverter.h"
#include "XUconvert.h"

#include "TQwin32.h"

// LANG is removed for the scope, so the locale identifier alone decides
// (0x0411 gives Shift_JIS, 21); the machine's own locale comes back after.
class PinnedSystemEncoding {
public:
    explicit PinnedSystemEncoding(unsigned long lcid)
    {
        useWinCodeConverter();
        XUInitSystemLocale(lcid);
    }

private:
    struct LocaleBack {
        ~LocaleBack() { XUInitSystemLocale(GetSystemDefaultLCID()); }
    };
    // Members end in reverse order: LANG is back before the locale is read.
    LocaleBack localeBack;
    EnvGuard lang{"LANG", nullptr};
};

#endif
