// Holds only the entry points of the keyboard that the window procedure uses.
#include "TQDwinKeyboard.h"

bool TQDwinKeyboard::_dispatch_key(tagMSG*)
{
    return true;
}

void TQDwinKeyboard::setHwnd(HWND__*)
{
}

void TQDwinKeyboard::updateFepStatus()
{
}

TQDwinKeyboard* TQGIwinKeyboard()
{
    TQDkeyboard* keyboard = TQGIappKeyboard();
    return keyboard != nullptr ? static_cast<TQDwinKeyboard*>(keyboard->cast("TQDwinKeyboard"))
                               : nullptr;
}
