// A code converter for tests: UTF-8 (16), Shift_JIS (21) and EUC-JP (20) with
// ASCII, half-width katakana, hiragana, katakana, the ideographic space and
// the kanji 日 本 表; every other encoding maps bytes one to one onto
// U+0000..U+00FF (Latin-1). Unknown characters become '?'.
#ifndef FAKECODECONVERT_H
#define FAKECODECONVERT_H

#include "_TQDcodeConvert.h"

#include <string>
#include <vector>

class FakeCodeConvert : public TQDplainCodeConvert {
public:
    explicit FakeCodeConvert(long systemEncoding = TQENC_UTF8);

    int codeConvert(char* dst, int dstSize, int dstEncoding,
                    const char* src, int srcLength, int srcEncoding) override;
    long getSystemEncoding() override;
    // Sets the system default encoding and the locale name ("C" → "en_US").
    void initialize() override;
    int encode(u16* dst, int dstLength, const char* src, int srcLength,
               int srcEncoding) override;
    int decode(char* dst, int dstLength, const u16* src, int srcLength,
               int dstEncoding) override;

    void setSystemEncoding(long encoding) { m_systemEncoding = encoding; }

    // Installs the fake's factory and returns the application converter when
    // it is a fake (null when another converter was made earlier). The first
    // install initialises it, as the platform does at start-up.
    static FakeCodeConvert* install();

    // Calls of codeConvert, measuring ones included.
    int convertCalls = 0;

    // Helpers for tests that build expectations.
    std::vector<u16> toUnits(const char* src, size_t length, long encoding);
    std::string fromUnits(const u16* units, size_t count, long encoding);

private:
    long resolve(long encoding);

    long m_systemEncoding;
};

#endif
