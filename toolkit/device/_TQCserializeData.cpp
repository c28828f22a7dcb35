// The record format: every multi-byte number big-endian, one raw stream call
// per field. The reader takes its input as hostile: lengths are checked
// against what the stream really delivers, and nesting is bounded.
#include "_TQCserializeData.h"

#include <cstring>
#include <memory>
#include <new>

#include "_TQCbinType.h"
#include "_TQDserialize.h"

namespace {

const char* const kValueTypes[] = {
    "#int", "#sht", "#lng", "#chr", "#str", "#dbl", "#flt"
};
const long kElementSizes[] = { 4, 2, 4, 1, 1, 8, 4 };

const unsigned long kMaxChildren = 0x8000;
// A large value is read in blocks that double, so that a forged size costs
// no more memory than the bytes that actually follow it.
const long kFirstBlock = 64 * 1024;
// A "#str" value leaves one byte of the inline buffer unused.
const long kInlineString = 15;

// Length of text cut to what a one-byte length can carry.
long boundedLength(const char* text)
{
    long n = 0;
    while (n < TQCserializeData::MAX_NAME_LENGTH && text[n] != '\0')
        ++n;
    return n;
}

// Bytes of a stored string before its first NUL, within the data.
long storedStringLength(const char* data, long size)
{
    if (data == nullptr)
        return 0;
    const void* nul = std::memchr(data, '\0', static_cast<size_t>(size));
    return nul ? static_cast<const char*>(nul) - data : size;
}

void encodeElements(int kind, char* out, const char* in, long n)
{
    TQCbinType* bin = TQGIbinType();
    for (long i = 0; i < n; ++i) {
        switch (kind) {
        case TQCserializeData::KIND_SHORT: {
            int16_t v;
            std::memcpy(&v, in + i * 2, 2);
            bin->memcpy2b(out + i * 2, v);
            break;
        }
        case TQCserializeData::KIND_INT:
        case TQCserializeData::KIND_LONG:
        case TQCserializeData::KIND_FLOAT: {
            // A float goes out as the bits of its IEEE single.
            int32_t v;
            std::memcpy(&v, in + i * 4, 4);
            bin->memcpy4b(out + i * 4, v);
            break;
        }
        case TQCserializeData::KIND_DOUBLE:
            bin->memcpy8b(out + i * 8, in + i * 8);
            break;
        }
    }
}

void decodeElements(int kind, char* out, const char* in, long n)
{
    TQCbinType* bin = TQGIbinType();
    for (long i = 0; i < n; ++i) {
        switch (kind) {
        case TQCserializeData::KIND_SHORT: {
            short v;
            bin->memscan2b(&v, in + i * 2);
            int16_t w = v;
            std::memcpy(out + i * 2, &w, 2);
            break;
        }
        case TQCserializeData::KIND_INT:
        case TQCserializeData::KIND_LONG:
        case TQCserializeData::KIND_FLOAT: {
            long v;
            bin->memscan4b(&v, in + i * 4);
            int32_t w = static_cast<int32_t>(v);
            std::memcpy(out + i * 4, &w, 4);
            break;
        }
        case TQCserializeData::KIND_DOUBLE:
            bin->memscan8b(out + i * 8, in + i * 8);
            break;
        }
    }
}

} // namespace

TQCserializeData::TQCserializeData()
    : m_name(nullptr),
      m_typeName(nullptr),
      m_data(nullptr),
      m_dataSize(0),
      m_children(16),
      m_cursor(0),
      m_nameLength(0),
      m_kind(KIND_LONG),
      m_typeLength(0)
{
}

TQCserializeData::~TQCserializeData()
{
    dropName();
    dropTypeName();
    dropData();
    clearChildren();
}

// ---------------------------------------------------------------------------
// Value kinds

int TQCserializeData::kindOfType(const char* type)
{
    if (type == nullptr)
        return 0;
    for (int i = 0; i < 7; ++i) {
        if (std::strcmp(type, kValueTypes[i]) == 0)
            return i + 1;
    }
    return 0;
}

const char* TQCserializeData::typeOfKind(long kind)
{
    return kind >= 1 && kind <= 7 ? kValueTypes[kind - 1] : nullptr;
}

long TQCserializeData::elementSize(long kind)
{
    return kind >= 1 && kind <= 7 ? kElementSizes[kind - 1] : 0;
}

// ---------------------------------------------------------------------------
// Fields

void TQCserializeData::dropName()
{
    if (m_name != m_nameBuf)
        delete[] m_name;
    m_name = nullptr;
    m_nameLength = 0;
}

void TQCserializeData::dropTypeName()
{
    if (m_typeName != m_typeBuf)
        delete[] m_typeName;
    m_typeName = nullptr;
    m_typeLength = 0;
}

void TQCserializeData::dropData()
{
    if (m_data != m_dataBuf)
        delete[] m_data;
    m_data = nullptr;
    m_dataSize = 0;
}

void TQCserializeData::clearChildren()
{
    long n = m_children.getNum();
    for (long i = 0; i < n; ++i)
        delete static_cast<TQCserializeData*>(m_children.getData(i));
    m_children.clear();
}

char* TQCserializeData::dataBlock(long size, bool useInline)
{
    if (useInline && size <= INLINE_SIZE)
        return m_dataBuf;
    return new (std::nothrow) char[size];
}

void TQCserializeData::setName(const char* name)
{
    if (name == m_name)
        return;
    dropName();
    if (name == nullptr)
        return;
    long length = boundedLength(name);
    m_name = length < INLINE_SIZE ? m_nameBuf : new char[length + 1];
    std::memcpy(m_name, name, length);
    m_name[length] = '\0';
    m_nameLength = static_cast<uint8_t>(length);
}

// The stored name is the caller's name cut to MAX_NAME_LENGTH bytes, so a
// long name finds the record that it made.
bool TQCserializeData::hasName(const char* name) const
{
    if (m_name == nullptr || name == nullptr)
        return false;
    long length = boundedLength(name);
    return length == m_nameLength && std::memcmp(m_name, name, length) == 0;
}

void TQCserializeData::makeStructure(const char* type)
{
    clearChildren();
    dropData();
    m_kind = KIND_STRUCT;
    // The record's own type name (as handed out by a search) stays as it is;
    // dropping it first would leave type pointing at freed storage.
    if (type != nullptr && type == m_typeName) {
        m_typeLength = static_cast<uint8_t>(boundedLength(type));
        return;
    }
    dropTypeName();
    if (type == nullptr)
        return;
    long length = boundedLength(type);
    m_typeName = length < INLINE_SIZE ? m_typeBuf : new char[length + 1];
    std::memcpy(m_typeName, type, length);
    m_typeName[length] = '\0';
    m_typeLength = static_cast<uint8_t>(length);
}

const char* TQCserializeData::getStoredType() const
{
    if (m_kind > KIND_FLOAT)
        return nullptr;
    if (m_typeName != nullptr && m_typeName[0] != '\0')
        return m_typeName;
    return typeOfKind(m_kind);
}

// ---------------------------------------------------------------------------
// Values

long TQCserializeData::setValue(const char* type, const void* src, long n)
{
    int kind = kindOfType(type);
    if (kind == 0 || src == nullptr)
        return -1;
    const char* in = static_cast<const char*>(src);
    if (n < 0)
        n = 0;

    long size;
    bool useInline;
    if (kind == KIND_STRING) {
        size = static_cast<long>(std::strlen(in)) + 1;
        useInline = size <= kInlineString;
    } else {
        long element = elementSize(kind);
        if (n > 0x7FFFFFFF / element)
            return -1;
        size = n * element;
        useInline = true;
    }

    dropData();
    char* block = size > 0 ? dataBlock(size, useInline) : nullptr;
    if (size > 0 && block == nullptr)
        return -1;
    if (kind == KIND_CHAR || kind == KIND_STRING)
        std::memcpy(block, in, static_cast<size_t>(size));
    else
        encodeElements(kind, block, in, n);

    m_data = block;
    m_dataSize = size;
    m_kind = static_cast<uint8_t>(kind);
    m_typeLength = 0;
    return 0;
}

long TQCserializeData::getValue(const char* type, void* dst, long n) const
{
    int kind = kindOfType(type);
    if (kind == 0 || dst == nullptr)
        return 0;
    char* out = static_cast<char*>(dst);

    if (kind == KIND_STRING) {
        long length = storedStringLength(m_data, m_dataSize);
        if (length > 0)
            std::memcpy(out, m_data, static_cast<size_t>(length));
        out[length] = '\0';
        return length + 1;
    }

    long element = elementSize(kind);
    long available = m_dataSize / element;
    long count = n < available ? n : available;
    if (count <= 0)
        return 0;
    if (kind == KIND_CHAR)
        std::memcpy(out, m_data, static_cast<size_t>(count));
    else
        decodeElements(kind, out, m_data, count);
    return count;
}

// ---------------------------------------------------------------------------
// Writing

long TQCserializeData::write(TQDserialize* s)
{
    if (s == nullptr)
        return 0;
    s->_write(&m_nameLength, 1);
    if (m_nameLength > 0)
        s->_write(m_name, m_nameLength);
    s->_write(&m_kind, 1);
    // A value record carries no type name, whatever it was saved under.
    uint8_t typeLength = m_kind == KIND_STRUCT ? m_typeLength : 0;
    s->_write(&typeLength, 1);

    char count[4];
    if (m_kind != KIND_STRUCT) {
        TQGIbinType()->memcpy4b(count, m_dataSize);
        s->_write(count, 4);
        return s->_write(m_data, m_dataSize);
    }

    if (typeLength > 0)
        s->_write(m_typeName, typeLength);
    TQGIbinType()->memcpy4b(count, m_children.getNum());
    long result = s->_write(count, 4);
    writeChildren(s);
    return result;
}

long TQCserializeData::writeChildren(TQDserialize* s)
{
    long n = m_children.getNum();
    for (long i = 0; i < n; ++i)
        static_cast<TQCserializeData*>(m_children.getData(i))->write(s);
    return n;
}

long TQCserializeData::size()
{
    long total = 1 + m_nameLength + 1 + 1 + 4;
    if (m_kind != KIND_STRUCT)
        return total + m_dataSize;
    total += m_typeLength;
    long n = m_children.getNum();
    for (long i = 0; i < n; ++i)
        total += static_cast<TQCserializeData*>(m_children.getData(i))->size();
    return total;
}

// ---------------------------------------------------------------------------
// Reading

long TQCserializeData::read(TQDserialize* s)
{
    if (s == nullptr)
        return 0;
    return readRecord(s, 0);
}

long TQCserializeData::readRecord(TQDserialize* s, int depth)
{
    uint8_t nameLength;
    if (s->_read(&nameLength, 1) != 1)
        return 0;
    if (!readName(s, nameLength))
        return 0;

    uint8_t kind;
    if (s->_read(&kind, 1) != 1) {
        m_kind = KIND_STRUCT;
        return 0;
    }
    m_kind = kind;

    uint8_t typeLength;
    bool haveTypeLength = s->_read(&typeLength, 1) == 1;
    dropTypeName();
    if (!haveTypeLength)
        return 0;

    clearChildren();
    dropData();
    if (kind != KIND_STRUCT)
        return readValueBody(s);
    return readStructureBody(s, typeLength, depth);
}

// Reads length bytes into the inline buffer or a new block and terminates
// them; text is left alone when the stream runs short.
bool TQCserializeData::readText(TQDserialize* s, long length, char*& text, char* inlineBuf)
{
    char* buf = length < INLINE_SIZE ? inlineBuf : new char[length + 1];
    if (length > 0 && s->_read(buf, length) != length) {
        if (buf != inlineBuf)
            delete[] buf;
        return false;
    }
    buf[length] = '\0';
    text = buf;
    return true;
}

bool TQCserializeData::readName(TQDserialize* s, long length)
{
    dropName();
    if (!readText(s, length, m_name, m_nameBuf)) {
        m_nameBuf[0] = '\0';
        m_name = m_nameBuf;
        return false;
    }
    m_nameLength = static_cast<uint8_t>(length);
    return true;
}

long TQCserializeData::readValueBody(TQDserialize* s)
{
    char sizeBytes[4];
    if (s->_read(sizeBytes, 4) != 4)
        return 0;
    long size;
    TQGIbinType()->memscan4b(&size, sizeBytes);
    if (size < 0)
        return 0;
    if (!readData(s, size))
        return 0;
    // A value of no bytes counts as a failed read as well.
    return size;
}

bool TQCserializeData::readData(TQDserialize* s, long size)
{
    dropData();
    if (size == 0)
        return true;
    if (size > INLINE_SIZE)
        return readLarge(s, size);
    if (s->_read(m_dataBuf, size) != size)
        return false;
    m_data = m_dataBuf;
    m_dataSize = size;
    return true;
}

bool TQCserializeData::readLarge(TQDserialize* s, long size)
{
    long capacity = size < kFirstBlock ? size : kFirstBlock;
    std::unique_ptr<char[]> buf(new (std::nothrow) char[capacity]);
    long got = 0;
    while (buf) {
        long want = capacity - got;
        if (s->_read(buf.get() + got, want) != want)
            return false;
        got = capacity;
        if (got == size) {
            m_data = buf.release();
            m_dataSize = size;
            return true;
        }
        long next = capacity > size / 2 ? size : capacity * 2;
        std::unique_ptr<char[]> grown(new (std::nothrow) char[next]);
        if (grown)
            std::memcpy(grown.get(), buf.get(), static_cast<size_t>(got));
        buf = std::move(grown);
        capacity = next;
    }
    return false;
}

long TQCserializeData::readStructureBody(TQDserialize* s, long typeLength, int depth)
{
    if (!readText(s, typeLength, m_typeName, m_typeBuf)) {
        m_typeBuf[0] = '\0';
        m_typeName = m_typeBuf;
        return 0;
    }
    m_typeLength = static_cast<uint8_t>(typeLength);

    char countBytes[4];
    if (s->_read(countBytes, 4) != 4)
        return 0;
    long count;
    TQGIbinType()->memscan4b(&count, countBytes);
    // Counts outside 1..0x8000 read as an empty structure; whatever children
    // follow stay unread.
    unsigned long n = static_cast<unsigned long>(count);
    if (n > kMaxChildren)
        n = 0;
    if (n > 0 && depth + 1 >= MAX_NESTING)
        return 0;

    for (unsigned long i = 0; i < n; ++i) {
        std::unique_ptr<TQCserializeData> child(new (std::nothrow) TQCserializeData);
        if (!child || child->readRecord(s, depth + 1) == 0)
            return 0;
        m_children.add(child.release());
    }
    return 4;
}
