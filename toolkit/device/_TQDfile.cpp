// File object: the registry of named in-memory files and the operations
// that read and write them in place.
#include "_TQDfile.h"

#include "_TQClistData.h"
#include "_TQGFstring.h"

#include <cstdint>
#include <cstring>

namespace {

// Three lists kept index for index: owned name copies, the registrants'
// data pointers and the sizes (stored in the pointer slots).
struct MemoryFileRegistry {
    TQClistData names;
    TQClistData data;
    TQClistData sizes;

    long find(const char* name) const
    {
        for (long i = 0; i < names.getNum(); ++i) {
            if (std::strcmp(static_cast<const char*>(names.getData(i)), name) == 0)
                return i;
        }
        return -1;
    }

    static void* sizeSlot(u32 size)
    {
        return reinterpret_cast<void*>(static_cast<uintptr_t>(size));
    }

    u32 sizeAt(long i) const
    {
        return static_cast<u32>(reinterpret_cast<uintptr_t>(sizes.getData(i)));
    }
};

// Made on first use, so that static initialisers of other modules may
// already register files.
MemoryFileRegistry& registry()
{
    static MemoryFileRegistry* files = new MemoryFileRegistry();
    return *files;
}

// Bytes that can move at the position for a request of n: never past the
// registered size.
u32 transferable(long n, u32 position, u32 size)
{
    if (n <= 0 || position >= size)
        return 0;
    u32 left = size - position;
    return static_cast<u32>(n) < left ? static_cast<u32>(n) : left;
}

} // namespace

TQDfile::TQDfile()
    : m_name(""), m_readOnly(0), m_type(0), m_position(0), m_size(0), m_data(nullptr)
{
}

TQDfile::~TQDfile() = default;

// ---------------------------------------------------------------------------
// Registry

long TQDfile::setFileHandle(char* name, unsigned char* data, u32 size)
{
    if (name == nullptr)
        return -1;
    MemoryFileRegistry& files = registry();
    long i = files.find(name);
    if (i >= 0) {
        delete[] static_cast<char*>(files.names.getData(i));
        if (data != nullptr) {
            files.names.setData(i, TQGFstrdup(name));
            files.data.setData(i, data);
            files.sizes.setData(i, MemoryFileRegistry::sizeSlot(size));
        } else {
            files.names.delPos(i);
            files.data.delPos(i);
            files.sizes.delPos(i);
        }
        return 0;
    }
    if (data != nullptr) {
        files.names.add(TQGFstrdup(name));
        files.data.add(data);
        files.sizes.add(MemoryFileRegistry::sizeSlot(size));
    }
    return 0;
}

long TQDfile::delFileHandle(char* name)
{
    return setFileHandle(name, nullptr, 0);
}

unsigned char* TQDfile::getFileHandle(char* name, u32* size)
{
    if (name == nullptr)
        return nullptr;
    MemoryFileRegistry& files = registry();
    long i = files.find(name);
    if (i < 0)
        return nullptr;
    if (size != nullptr)
        *size = files.sizeAt(i);
    return static_cast<unsigned char*>(files.data.getData(i));
}

unsigned char TQDfile::getFileHandleRegistered()
{
    return registry().names.getNum() > 0 ? 1 : 0;
}

// ---------------------------------------------------------------------------
// In-memory file operations

long TQDfile::open(char* name, char*)
{
    if (m_type != TYPE_MEMORY)
        return -1;
    m_position = 0;
    m_size = 0;
    u32 size = 0;
    m_data = getFileHandle(name, &size);
    if (m_data == nullptr)
        return -1;
    m_size = size;
    m_name.setString(name);
    return 0;
}

// Closing hands the object back as an unopened plain file (type 0).
long TQDfile::close()
{
    if (!servesMemory())
        return -1;
    m_position = 0;
    m_size = 0;
    m_data = nullptr;
    m_name.setString("");
    m_type = 0;
    return 0;
}

long TQDfile::read(void* buffer, long n)
{
    if (!servesMemory() || buffer == nullptr)
        return 0;
    u32 count = transferable(n, m_position, m_size);
    std::memcpy(buffer, m_data + m_position, count);
    m_position += count;
    return static_cast<long>(count);
}

// Overwrites in place; the registered data never grows.
long TQDfile::write(void* buffer, long n)
{
    if (!servesMemory() || buffer == nullptr)
        return 0;
    u32 count = transferable(n, m_position, m_size);
    std::memcpy(m_data + m_position, buffer, count);
    m_position += count;
    return static_cast<long>(count);
}

long TQDfile::eof()
{
    if (!servesMemory())
        return 1;
    return m_position == m_size ? 1 : 0;
}

// The position stays inside the data: below 0 gives 0, past the end the size.
long TQDfile::seek(long position)
{
    if (!servesMemory())
        return -1;
    if (position < 0)
        m_position = 0;
    else if (static_cast<u32>(position) > m_size)
        m_position = m_size;
    else
        m_position = static_cast<u32>(position);
    return 0;
}

long TQDfile::seekSet()
{
    if (!servesMemory())
        return -1;
    m_position = 0;
    return 0;
}

long TQDfile::seekEnd()
{
    if (!servesMemory())
        return -1;
    m_position = m_size;
    return static_cast<long>(m_size);
}

long TQDfile::getSize()
{
    return servesMemory() ? static_cast<long>(m_size) : 0;
}

long TQDfile::tell()
{
    return servesMemory() ? static_cast<long>(m_position) : 0;
}
