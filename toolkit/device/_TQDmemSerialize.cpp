// The memory serialiser over one owned buffer that grows exactly as writes
// pass its end.
#include "_TQDmemSerialize.h"

#include <climits>
#include <cstring>
#include <new>

#include "_TQCconductor.h"
#include "_TQDcreateInstance.h"

namespace {

void registerMemPrototype()
{
    TQGIconductor()->addSerialize(new TQDmemSerialize);
}

} // namespace

TQ_RUN_AT_START_UP(registerMemPrototype)

TQDmemSerialize::TQDmemSerialize()
    : m_buffer(nullptr), m_size(0), m_position(0)
{
}

TQDmemSerialize::~TQDmemSerialize()
{
    delete[] m_buffer;
}

long TQDmemSerialize::_open(const char*, long)
{
    m_position = 0;
    return _seek(0);
}

long TQDmemSerialize::_close()
{
    return 0;
}

long TQDmemSerialize::_read(void* buf, long n)
{
    if (m_buffer == nullptr || buf == nullptr || n <= 0)
        return 0;
    if (n > m_size - m_position)
        n = m_size - m_position;
    std::memcpy(buf, m_buffer + m_position, static_cast<size_t>(n));
    m_position += n;
    return n;
}

long TQDmemSerialize::_write(const void* buf, long n)
{
    if (n <= 0)
        return 0;
    if (n > m_size - m_position) {
        if (n > LONG_MAX - m_position)
            return 0;
        long grown = m_position + n;
        char* bigger = new (std::nothrow) char[grown];
        if (bigger == nullptr)
            return 0;
        if (m_buffer != nullptr)
            std::memcpy(bigger, m_buffer, static_cast<size_t>(m_size));
        delete[] m_buffer;
        m_buffer = bigger;
        m_size = grown;
    }
    if (buf != nullptr)
        std::memcpy(m_buffer + m_position, buf, static_cast<size_t>(n));
    else
        std::memset(m_buffer + m_position, 0, static_cast<size_t>(n));
    m_position += n;
    return n;
}

long TQDmemSerialize::_eof()
{
    return m_buffer != nullptr && m_position >= m_size ? 1 : 0;
}

long TQDmemSerialize::_seek(long pos)
{
    if (m_buffer != nullptr)
        m_position = pos < 0 ? 0 : pos > m_size ? m_size : pos;
    return 0;
}

long TQDmemSerialize::_seek_set()
{
    return _seek(0);
}

long TQDmemSerialize::_seek_end()
{
    if (m_buffer == nullptr)
        m_size = 0;
    m_position = m_size;
    return 0;
}

long TQDmemSerialize::_size()
{
    if (m_buffer == nullptr)
        m_size = m_position = 0;
    return m_size;
}

long TQDmemSerialize::_tell()
{
    if (m_buffer == nullptr)
        return 0;
    if (m_position > m_size)
        m_position = m_size;
    return m_position;
}

unsigned char TQDmemSerialize::type(const char* name)
{
    return name != nullptr && std::strcmp(name, "MEM") == 0 ? 1 : 0;
}

TQDserialize* TQDmemSerialize::createSerialize()
{
    return new TQDmemSerialize;
}

long TQDmemSerialize::endTransaction()
{
    return endTransactionAnew();
}

void TQDmemSerialize::setData(char* data, long size)
{
    delete[] m_buffer;
    m_buffer = data;
    m_size = data != nullptr && size > 0 ? size : 0;
    m_position = 0;
}

TQDserialize* _memdb_create_handler()
{
    return new TQDmemSerialize;
}
