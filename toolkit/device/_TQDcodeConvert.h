// The toolkit's code-conversion service: converts text between the toolkit's
// encodings and to and from UCS-2, and holds the process-wide encoding defaults.
#ifndef _TQDCODECONVERT_H
#define _TQDCODECONVERT_H

#include "TQtypes.h"
#include "_TQDcreateInstance.h"

// Encoding codes shared by strings, serialisers, catalogues and the converter.
// -2 and -1 are resolved late, to the application and system default encodings.
enum {
    TQENC_APP_DEFAULT = -2,
    TQENC_SYS_DEFAULT = -1,
    TQENC_NONE = 0,
    TQENC_C = 1,
    TQENC_UTF8 = 16,
    TQENC_KOI8R = 17,
    TQENC_EUCJP = 20,
    TQENC_SJIS = 21,
    TQENC_EUCKR = 30,
    TQENC_EUCCN = 40,
    TQENC_BIG5 = 50,
    TQENC_CP1251 = 60
};

class TQDcodeConvert {
public:
    TQDcodeConvert();
    virtual ~TQDcodeConvert();

    // Converts srcLength bytes of src (-1: up to its NUL) from srcEncoding to
    // dstEncoding into dst, whose dstSize counts the NUL. Returns the byte
    // length of the converted text without the NUL; with dst null and dstSize 0
    // it only measures.
    virtual int codeConvert(char* dst, int dstSize, int dstEncoding,
                            const char* src, int srcLength, int srcEncoding) = 0;
    // The platform's system encoding code, what encoding -1 stands for.
    virtual long getSystemEncoding() = 0;
    // Finds the platform language and encoding, sets the system default
    // encoding and the system locale name.
    virtual void initialize() = 0;
    // Byte count (at least 1) of the UTF-8 character at s, looking at no more
    // than length bytes.
    virtual int utf8CharLen(const char* s, int length) = 0;
    // Multibyte text to UCS-2; returns the units produced without the final 0.
    // Measures only when dst is null and dstLength 0.
    virtual int encode(u16* dst, int dstLength, const char* src, int srcLength,
                       int srcEncoding) = 0;
    // UCS-2 (srcLength -1: up to the 0 unit) to multibyte text in dstEncoding;
    // length and measuring rules as for codeConvert.
    virtual int decode(char* dst, int dstLength, const u16* src, int srcLength,
                       int dstEncoding) = 0;

    void setSystemLocaleName(const char* name, long encoding);
    char* getSystemLocaleName();

    TQ_CREATE_HANDLER_FRAME(TQDcodeConvert)
    static void _set_code_convert_handler(CreateInstanceHandler factory)
    {
        setCreateInstanceHandler(factory);
    }

private:
    char m_systemLocaleName[32];
};

// The converter handed out while the platform has installed no factory:
// bytes pass through unchanged and map one to one onto UCS-2 units (units
// above 255 become '?'). It keeps the measuring convention of every operation.
class TQDplainCodeConvert : public TQDcodeConvert {
public:
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

// The process's converter, made by the installed factory on first use. Never
// null: without a factory it reports the fact and hands out a plain converter.
TQDcodeConvert* TQGIappCodeConvert();

// Application default encoding (what -2 stands for), initially -1.
void TQGFsetDefaultEncoding(long encoding);
long TQGFgetDefaultEncoding();
// System default encoding (what -1 stands for), initially 0.
void TQGFsetSystemDefaultEncoding(long encoding);
long TQGFgetSystemDefaultEncoding();

#endif
