// Memory file. Invariant: 0 <= pos <= size, and buf holds size bytes.
#include "_TQCmfile.h"

#include <cstring>

TQCmfile::TQCmfile()
    : buf(nullptr), pos(0), size(0)
{
}

TQCmfile::~TQCmfile()
{
    delete[] buf;
}

long TQCmfile::open(const void* data, long length)
{
    close();
    if (length < 0 || (length > 0 && !data))
        length = 0;
    buf = new char[length > 0 ? length : 1];
    if (length > 0)
        memcpy(buf, data, length);
    size = length;
    return 0;
}

long TQCmfile::setBuf(void* buffer, long length)
{
    close();
    buf = static_cast<char*>(buffer);
    size = buf && length > 0 ? length : 0;
    return 0;
}

long TQCmfile::close()
{
    delete[] buf;
    buf = nullptr;
    pos = 0;
    size = 0;
    return 0;
}

long TQCmfile::read(void* dst, long n)
{
    long left = size - pos;
    if (!buf || n <= 0 || left <= 0)
        return 0;
    if (n > left)
        n = left;
    memcpy(dst, buf + pos, n);
    pos += n;
    return n;
}

// Writes at the position; bytes that reach past the end grow the file, which
// then ends right after them.
long TQCmfile::write(const void* src, long n)
{
    if (n <= 0)
        return 0;
    if (n > size - pos) {
        char* grown = new char[pos + n];
        if (pos > 0)
            memcpy(grown, buf, pos);
        delete[] buf;
        buf = grown;
        size = pos + n;
    }
    memcpy(buf + pos, src, n);
    pos += n;
    return n;
}

long TQCmfile::seek(long offset)
{
    if (offset < 0) {
        pos = 0;
        return -1;
    }
    if (offset > size) {
        pos = size;
        return -1;
    }
    pos = offset;
    return 0;
}

long TQCmfile::seekSet()
{
    pos = 0;
    return 0;
}

long TQCmfile::seekEnd()
{
    pos = size;
    return 0;
}

long TQCmfile::tell()
{
    return pos;
}

long TQCmfile::getSize()
{
    return size;
}

long TQCmfile::eof()
{
    return !buf || pos >= size ? 1 : 0;
}
