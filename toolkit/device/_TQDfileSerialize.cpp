// The file serialiser over standard I/O. Files are always opened in binary
// modes, so that every byte of a record (0x1A, CR LF) reads back as written.
#include "_TQDfileSerialize.h"

#include <cstring>

#include "_TQCconductor.h"
#include "_TQClocaleSet.h"
#include "_TQCstring.h"

namespace {

// Longest full file name, path and separator included.
const size_t kMaxFullName = 1023;

// The file serialiser's start-up prototype.
struct FilePrototype {
    FilePrototype() { TQGIconductor()->addSerialize(new TQDfileSerialize); }
} filePrototype;

} // namespace

TQDfileSerialize::TQDfileSerialize()
    : m_file(nullptr)
{
}

TQDfileSerialize::~TQDfileSerialize()
{
    _close();
}

bool TQDfileSerialize::fullName(const char* name, char* out, size_t size)
{
    const char* path = getPath();
    int length = (path != nullptr && path[0] != '\0')
                     ? std::snprintf(out, size, "%s/%s", path, name)
                     : std::snprintf(out, size, "%s", name);
    return length >= 0 && static_cast<size_t>(length) < size;
}

long TQDfileSerialize::_open(const char* name, long mode)
{
    const char* openMode = mode == 1 ? "wb" : mode == 2 ? "rb+" : "rb";
    _close();
    if (name == nullptr)
        return SER_NOT_OPENED;

    char full[kMaxFullName + 1];
    if (!fullName(name, full, sizeof full))
        return SER_NOT_OPENED;
    // File names reach the system in its own encoding.
    TQCstring converted;
    converted.setString(full, -2);
    const char* systemName =
        converted.getString(TQGIappLocaleSet()->getSystemLocaleEncoding());

    m_file = std::fopen(systemName, openMode);
    if (m_file == nullptr && mode == 2)
        m_file = std::fopen(systemName, "ab");
    if (m_file == nullptr)
        return SER_NOT_OPENED;
    std::fseek(m_file, 0, SEEK_SET);
    return SER_OK;
}

long TQDfileSerialize::_close()
{
    if (m_file != nullptr)
        std::fclose(m_file);
    m_file = nullptr;
    return 0;
}

long TQDfileSerialize::_read(void* buf, long n)
{
    if (m_file == nullptr || buf == nullptr || n <= 0)
        return 0;
    return static_cast<long>(std::fread(buf, 1, static_cast<size_t>(n), m_file));
}

long TQDfileSerialize::_write(const void* buf, long n)
{
    if (m_file == nullptr || buf == nullptr || n <= 0)
        return 0;
    return static_cast<long>(std::fwrite(buf, 1, static_cast<size_t>(n), m_file));
}

long TQDfileSerialize::_eof()
{
    return m_file != nullptr ? (std::feof(m_file) ? 1 : 0) : 0;
}

long TQDfileSerialize::_seek(long pos)
{
    if (m_file != nullptr)
        std::fseek(m_file, pos, SEEK_SET);
    return 0;
}

long TQDfileSerialize::_seek_set()
{
    return _seek(0);
}

long TQDfileSerialize::_seek_end()
{
    if (m_file != nullptr)
        std::fseek(m_file, 0, SEEK_END);
    return 0;
}

long TQDfileSerialize::_size()
{
    if (m_file == nullptr)
        return 0;
    long here = std::ftell(m_file);
    std::fseek(m_file, 0, SEEK_END);
    long size = std::ftell(m_file);
    std::fseek(m_file, here, SEEK_SET);
    return size;
}

long TQDfileSerialize::_tell()
{
    return m_file != nullptr ? std::ftell(m_file) : 0;
}

unsigned char TQDfileSerialize::type(const char* name)
{
    return name != nullptr && std::strcmp(name, "FILE") == 0 ? 1 : 0;
}

TQDserialize* TQDfileSerialize::createSerialize()
{
    return new TQDfileSerialize;
}

// The file is rewritten whole, and only when something was saved; records
// of other names survive because the transaction read them all. Reopening
// for writing empties the file before the base writes the records.
long TQDfileSerialize::endTransaction()
{
    return endTransactionAnew();
}

void TQGFinitFS()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    TQGIconductor()->addSerialize(new TQDfileSerialize);
}
