// Files on Win32: one of three back-ends per open file, tried in the order
// memory file, stream, handle.
#include "TQDwinFile.h"

#include "TQGFloadRemoteFile.h"
#include "TQGFwinSystemText.h"
#include "TQwin32.h"
#include "_TQCmfile.h"

#include <cstring>
#include <string>

namespace {

struct HandleMode {
    const char* mode;
    DWORD access;
    DWORD disposition;
    bool toEnd;
    bool truncate;
};

// OPEN_ALWAYS for "r+", "a" and "a+": an existing file keeps its contents, a
// missing one is made.
const HandleMode kHandleModes[] = {
    {"r", GENERIC_READ, OPEN_EXISTING, false, false},
    {"r+", GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS, false, false},
    {"w", GENERIC_WRITE, CREATE_ALWAYS, false, true},
    {"w+", GENERIC_READ | GENERIC_WRITE, CREATE_ALWAYS, false, true},
    {"a", GENERIC_WRITE, OPEN_ALWAYS, true, false},
    {"a+", GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS, true, false},
};

const HandleMode* handleModeOf(const char* mode)
{
    for (const HandleMode& entry : kHandleModes) {
        if (std::strcmp(entry.mode, mode) == 0)
            return &entry;
    }
    return nullptr;
}

std::wstring upperCased(std::wstring name)
{
    for (wchar_t& c : name) {
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    return name;
}

HANDLE asHandle(void* handle)
{
    return static_cast<HANDLE>(handle);
}

DWORD currentPosition(HANDLE handle)
{
    return SetFilePointer(handle, 0, nullptr, FILE_CURRENT);
}

} // namespace

TQDwinFile::TQDwinFile()
    : m_stream(nullptr), m_memory(nullptr), m_handle(INVALID_HANDLE_VALUE)
{
}

TQDwinFile::~TQDwinFile()
{
    close();
}

bool TQDwinFile::hasHandle() const
{
    return asHandle(m_handle) != INVALID_HANDLE_VALUE;
}

long TQDwinFile::open(char* name, char* mode)
{
    if (name == nullptr || mode == nullptr)
        return -1;
    while (*name == ' ')
        ++name;
    // A second open replaces what the object had open.
    close();
    m_name.setString(name);
    if (getFileHandleRegistered() && getFileHandle(name, nullptr) != nullptr) {
        setType(TYPE_MEMORY);
        return TQDfile::open(name, mode);
    }
    setType(0);
    if (std::strncmp(name, "http://", 7) == 0)
        return openRemote(TQGFtoSystemText(name).c_str());
    // Disk names go through the wide functions, which take any name.
    const std::wstring wide = TQGFtoWideName(name);
    if (openStream(wide, mode) == 0)
        return 0;
    if (std::strcmp(mode, "r+") == 0 && openStream(wide, "a") == 0)
        return 0;
    return openHandle(wide, mode);
}

// The whole resource is fetched and then read from memory; its size counts
// the NUL the client puts after it.
long TQDwinFile::openRemote(const char* name)
{
    long length = 0;
    char* data = TQGFloadRemoteBody(name, &length);
    if (data == nullptr)
        return -1;
    if (m_memory == nullptr)
        m_memory = new TQCmfile();
    m_memory->open(data, length);
    delete[] data;
    return 0;
}

long TQDwinFile::openStream(const std::wstring& name, const char* mode)
{
    const std::wstring wideMode(mode, mode + std::strlen(mode));
    m_stream = _wfopen(name.c_str(), wideMode.c_str());
    if (m_stream == nullptr)
        m_stream = _wfopen(upperCased(name).c_str(), wideMode.c_str());
    return m_stream != nullptr ? 0 : -1;
}

long TQDwinFile::openHandle(const std::wstring& name, const char* mode)
{
    const HandleMode* how = handleModeOf(mode);
    if (how == nullptr)
        return -1;
    HANDLE handle = CreateFileW(name.c_str(), how->access, FILE_SHARE_READ, nullptr,
                                how->disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return -1;
    SetFilePointer(handle, 0, nullptr, how->toEnd ? FILE_END : FILE_BEGIN);
    if (how->truncate)
        SetEndOfFile(handle);
    m_handle = handle;
    return 0;
}

long TQDwinFile::close()
{
    if (getType() == TYPE_MEMORY)
        return TQDfile::close();
    if (m_stream != nullptr) {
        std::fclose(m_stream);
        m_stream = nullptr;
    }
    delete m_memory;
    m_memory = nullptr;
    if (hasHandle()) {
        CloseHandle(asHandle(m_handle));
        m_handle = INVALID_HANDLE_VALUE;
    }
    return 0;
}

long TQDwinFile::read(void* buffer, long n)
{
    if (getType() == TYPE_MEMORY)
        return TQDfile::read(buffer, n);
    return transfer(buffer, n, false);
}

long TQDwinFile::write(void* buffer, long n)
{
    if (getType() == TYPE_MEMORY)
        return TQDfile::write(buffer, n);
    return transfer(buffer, n, true);
}

// The bytes moved by whichever back-end is open; 0 when the move fails.
long TQDwinFile::transfer(void* buffer, long n, bool writing)
{
    if (buffer == nullptr || n <= 0)
        return 0;
    if (m_memory != nullptr)
        return writing ? m_memory->write(buffer, n) : m_memory->read(buffer, n);
    size_t count = static_cast<size_t>(n);
    if (m_stream != nullptr)
        return static_cast<long>(writing ? std::fwrite(buffer, 1, count, m_stream)
                                         : std::fread(buffer, 1, count, m_stream));
    if (!hasHandle())
        return 0;
    DWORD done = 0;
    HANDLE handle = asHandle(m_handle);
    BOOL moved = writing ? WriteFile(handle, buffer, static_cast<DWORD>(n), &done, nullptr)
                         : ReadFile(handle, buffer, static_cast<DWORD>(n), &done, nullptr);
    return moved ? static_cast<long>(done) : 0;
}

long TQDwinFile::eof()
{
    if (getType() == TYPE_MEMORY)
        return TQDfile::eof();
    if (m_memory != nullptr)
        return m_memory->eof();
    if (m_stream != nullptr)
        return std::feof(m_stream) != 0 ? 1 : 0;
    if (hasHandle())
        return currentPosition(asHandle(m_handle)) == GetFileSize(asHandle(m_handle), nullptr)
                   ? 1
                   : 0;
    return 0;
}

long TQDwinFile::seek(long offset)
{
    if (getType() == TYPE_MEMORY)
        return TQDfile::seek(offset);
    return moveTo(offset, false);
}

long TQDwinFile::seekSet()
{
    if (getType() == TYPE_MEMORY)
        return TQDfile::seekSet();
    return seek(0);
}

long TQDwinFile::seekEnd()
{
    if (getType() == TYPE_MEMORY)
        return TQDfile::seekEnd();
    return moveTo(0, true);
}

// To offset from the start, or to the end; -1 when nothing is open or the
// move fails.
long TQDwinFile::moveTo(long offset, bool toEnd)
{
    if (m_memory != nullptr)
        return toEnd ? m_memory->seekEnd() : m_memory->seek(offset);
    if (m_stream != nullptr)
        return std::fseek(m_stream, offset, toEnd ? SEEK_END : SEEK_SET) == 0 ? 0 : -1;
    if (!hasHandle())
        return -1;
    DWORD moved =
        SetFilePointer(asHandle(m_handle), offset, nullptr, toEnd ? FILE_END : FILE_BEGIN);
    return moved == INVALID_SET_FILE_POINTER ? -1 : 0;
}

long TQDwinFile::getSize()
{
    if (getType() == TYPE_MEMORY)
        return TQDfile::getSize();
    if (m_memory != nullptr)
        return m_memory->getSize();
    if (m_stream != nullptr) {
        long position = std::ftell(m_stream);
        std::fseek(m_stream, 0, SEEK_END);
        long size = std::ftell(m_stream);
        std::fseek(m_stream, position, SEEK_SET);
        return size;
    }
    if (hasHandle())
        return static_cast<long>(GetFileSize(asHandle(m_handle), nullptr));
    return 0;
}

long TQDwinFile::tell()
{
    if (getType() == TYPE_MEMORY)
        return TQDfile::tell();
    if (m_memory != nullptr)
        return m_memory->tell();
    if (m_stream != nullptr)
        return std::ftell(m_stream);
    if (hasHandle())
        return static_cast<long>(currentPosition(asHandle(m_handle)));
    return 0;
}

TQ_PLATFORM_FACTORY(TQDfile, TQDwinFile, _win_file_chandler, TQGFinitializeWinFile)
