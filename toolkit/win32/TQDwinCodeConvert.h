// The code converter of the Win32 layer: a thin class over the XU conversion
// functions, installed as the toolkit's code-converter factory at start-up.
#ifndef TQDWINCODECONVERT_H
#define TQDWINCODECONVERT_H

#include "_TQDcodeConvert.h"

class TQDwinCodeConvert : public TQDcodeConvert {
public:
    TQDwinCodeConvert();
    ~TQDwinCodeConvert() override;

    int codeConvert(char* dst, int dstSize, int dstEncoding,
                    const char* src, int srcLength, int srcEncoding) override;
    long getSystemEncoding() override;
    void initialize() override;
    int utf8CharLen(const char* s, int length) override;
    int encode(u16* dst, int dstLength, const char* src, int srcLength,
               int srcEncoding) override;
    int decode(char* dst, int dstLength, const u16* src, int srcLength,
               int dstEncoding) override;
};

// Factory installed with TQDcodeConvert::_set_code_convert_handler.
TQDcodeConvert* _code_convert_create_handler_();

#endif
