// Big-endian value copier. The host is little-endian, so swapping is on.
#include "_TQCbinType.h"

#include <cstring>

TQCbinType::TQCbinType()
    : m_swap(1)
{
}

// Reverses the operand's bytes while swapping, copies them as they are
// otherwise; reversing a little-endian integer gives its big-endian form.
void TQCbinType::copyBytes(void* dst, const void* src, int size)
{
    auto* d = static_cast<unsigned char*>(dst);
    const auto* s = static_cast<const unsigned char*>(src);
    if (!m_swap) {
        memcpy(d, s, size);
        return;
    }
    unsigned char reversed[32]; // the largest operand; also allows dst == src
    for (int i = 0; i < size; ++i)
        reversed[size - 1 - i] = s[i];
    memcpy(d, reversed, size);
}

void TQCbinType::memcpy2b(char* dst, short v)
{
    int16_t value = v;
    copyBytes(dst, &value, 2);
}

void TQCbinType::memcpy4b(char* dst, long v)
{
    int32_t value = static_cast<int32_t>(v);
    copyBytes(dst, &value, 4);
}

void TQCbinType::memcpy8b(char* dst, const void* src)
{
    copyBytes(dst, src, 8);
}

void TQCbinType::memcpy16b(char* dst, const void* src)
{
    copyBytes(dst, src, 16);
}

void TQCbinType::memcpy32b(char* dst, const void* src)
{
    copyBytes(dst, src, 32);
}

void TQCbinType::memscan2b(short* out, const char* src)
{
    int16_t value;
    copyBytes(&value, src, 2);
    *out = value;
}

void TQCbinType::memscan4b(long* out, const char* src)
{
    int32_t value;
    copyBytes(&value, src, 4);
    *out = value;
}

void TQCbinType::memscan8b(void* out, const char* src)
{
    copyBytes(out, src, 8);
}

void TQCbinType::memscan16b(void* out, const char* src)
{
    copyBytes(out, src, 16);
}

void TQCbinType::memscan32b(void* out, const char* src)
{
    copyBytes(out, src, 32);
}

TQCbinType* TQGIbinType()
{
    static TQCbinType* instance = new TQCbinType();
    return instance;
}
