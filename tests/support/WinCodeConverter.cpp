// The Win32 code converter installed for tests.
#include "WinCodeConverter.h"

#include "TQDwinCodeConvert.h"

void useWinCodeConverter()
{
    TQDcodeConvert::_set_code_convert_handler(_code_convert_create_handler_);
    TQGIappCodeConvert()->initialize();
}

std::string convertedText(const char* text, int fromEncoding, int toEncoding)
{
    TQDcodeConvert* cc = TQGIappCodeConvert();
    const int need = cc->codeConvert(nullptr, 0, toEncoding, text, -1, fromEncoding);
    std::string out(static_cast<size_t>(need) + 1, '\0');
    cc->codeConvert(&out[0], need + 1, toEncoding, text, -1, fromEncoding);
    out.resize(static_cast<size_t>(need));
    return out;
}
