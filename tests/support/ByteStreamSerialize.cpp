#include "ByteStreamSerialize.h"

#include <algorithm>
#include <cstring>

ByteStreamSerialize::ByteStreamSerialize(const std::string& initial)
    : bytes(initial)
{
}

long ByteStreamSerialize::_open(const char* name, long mode)
{
    ++opens;
    lastOpenName = name ? name : "";
    lastOpenMode = mode;
    if (failOpen)
        return SER_NOT_OPENED;
    if (mode == 1)
        bytes.clear();
    pos = 0;
    return 0;
}

long ByteStreamSerialize::_close()
{
    ++closes;
    return 0;
}

long ByteStreamSerialize::_read(void* buf, long n)
{
    largestRead = std::max(largestRead, n);
    long left = static_cast<long>(bytes.size()) - pos;
    long count = std::max(0L, std::min(n, left));
    if (count > 0)
        std::memcpy(buf, bytes.data() + pos, static_cast<size_t>(count));
    pos += count;
    return count;
}

long ByteStreamSerialize::_write(const void* buf, long n)
{
    if (n <= 0)
        return 0;
    if (bytes.size() < static_cast<size_t>(pos + n))
        bytes.resize(static_cast<size_t>(pos + n));
    std::memcpy(&bytes[static_cast<size_t>(pos)], buf, static_cast<size_t>(n));
    pos += n;
    return n;
}

long ByteStreamSerialize::_eof()
{
    return pos >= static_cast<long>(bytes.size()) ? 1 : 0;
}

long ByteStreamSerialize::_seek(long p)
{
    pos = std::max(0L, std::min(p, static_cast<long>(bytes.size())));
    return 0;
}

long ByteStreamSerialize::_seek_set()
{
    return _seek(0);
}

long ByteStreamSerialize::_seek_end()
{
    pos = static_cast<long>(bytes.size());
    return 0;
}

long ByteStreamSerialize::_size()
{
    return static_cast<long>(bytes.size());
}

long ByteStreamSerialize::_tell()
{
    return pos;
}

unsigned char ByteStreamSerialize::type(const char* name)
{
    return name && std::strcmp(name, "TEST-BYTES") == 0 ? 1 : 0;
}

TQDserialize* ByteStreamSerialize::createSerialize()
{
    return new ByteStreamSerialize;
}

long ByteStreamSerialize::endTransaction()
{
    if ((m_flags & FLAG_MODIFIED) && writableRecordCount())
        bytes.clear();
    return TQDserialize::endTransaction();
}

void ByteStreamSerialize::setStreamMode(bool on)
{
    if (on)
        m_flags |= FLAG_STREAM_MODE;
    else
        m_flags &= ~FLAG_STREAM_MODE;
}

std::string be16(uint16_t v)
{
    return std::string{ static_cast<char>(v >> 8), static_cast<char>(v) };
}

std::string be32(uint32_t v)
{
    return std::string{ static_cast<char>(v >> 24), static_cast<char>(v >> 16),
                        static_cast<char>(v >> 8), static_cast<char>(v) };
}

std::string valueRecord(const std::string& name, uint8_t kind, const std::string& data)
{
    std::string r(1, static_cast<char>(name.size()));
    r += name;
    r += static_cast<char>(kind);
    r += '\0';
    r += be32(static_cast<uint32_t>(data.size()));
    return r + data;
}

std::string structRecord(const std::string& name, const std::string& type, uint32_t count,
                         const std::string& children)
{
    std::string r(1, static_cast<char>(name.size()));
    r += name;
    r += '\0';
    r += static_cast<char>(type.size());
    r += type;
    r += be32(count);
    return r + children;
}

std::string stream(uint32_t count, const std::string& records)
{
    return be32(count) + records;
}
