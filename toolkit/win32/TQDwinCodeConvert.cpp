// The code converter of the Win32 layer: every operation is one XU function.
#include "TQDwinCodeConvert.h"

#include "XUconvert.h"

TQDwinCodeConvert::TQDwinCodeConvert() = default;

TQDwinCodeConvert::~TQDwinCodeConvert() = default;

int TQDwinCodeConvert::codeConvert(char* dst, int dstSize, int dstEncoding,
                                   const char* src, int srcLength, int srcEncoding)
{
    return XUCodeConv(dst, dstSize, dstEncoding, src, srcLength, srcEncoding);
}

long TQDwinCodeConvert::getSystemEncoding()
{
    return XUGetLocale();
}

void TQDwinCodeConvert::initialize()
{
    XUInit();
    setSystemLocaleName(XUGetLang(), getSystemEncoding());
}

int TQDwinCodeConvert::utf8CharLen(const char* s, int length)
{
    return XUutf8CharLen(s, length);
}

int TQDwinCodeConvert::encode(u16* dst, int dstLength, const char* src, int srcLength,
                              int srcEncoding)
{
    return XUEncode(reinterpret_cast<wchar_t*>(dst), dstLength, src, srcLength, srcEncoding);
}

int TQDwinCodeConvert::decode(char* dst, int dstLength, const u16* src, int srcLength,
                              int dstEncoding)
{
    return XUDecode(dst, dstLength, reinterpret_cast<const wchar_t*>(src), srcLength,
                    dstEncoding);
}

TQDcodeConvert* _code_convert_create_handler_()
{
    return new TQDwinCodeConvert;
}
