// The Win32 code converter installed for tests.
#include "WinCodeConverter.h"

#include "TQDwinCodeConvert.h"

void useWinCodeConverter()
{
    TQDcodeConvert::_set_code_convert_handler(_code_convert_create_handler_);
    TQGIappCodeConvert()->initialize();
}
