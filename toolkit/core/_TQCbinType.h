// Copies numbers between host memory and the big-endian byte order of the
// serialisation format.
#ifndef _TQCBINTYPE_H
#define _TQCBINTYPE_H

#include <cstdint>

class TQCbinType {
public:
    TQCbinType();

    void memcpy2b(char* dst, short v);
    void memcpy4b(char* dst, long v);
    void memcpy8b(char* dst, const void* src);
    void memcpy16b(char* dst, const void* src);
    void memcpy32b(char* dst, const void* src);

    void memscan2b(short* out, const char* src);
    void memscan4b(long* out, const char* src);
    void memscan8b(void* out, const char* src);
    void memscan16b(void* out, const char* src);
    void memscan32b(void* out, const char* src);

private:
    void copyBytes(void* dst, const void* src, int size);

    uint8_t m_swap;
};

// The application-wide copier, made on first call and never destroyed.
TQCbinType* TQGIbinType();

#endif
