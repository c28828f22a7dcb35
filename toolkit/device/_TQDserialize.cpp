// The common part of every serialiser: named records in a transaction's
// list (or straight on the stream in stream mode), values through the record
// format, structures through their type servers.
#include "_TQDserialize.h"

#include <cstring>
#include <memory>
#include <new>

#include "_TQCbinType.h"
#include "_TQCconductor.h"
#include "_TQCserializeData.h"
#include "_TQCtypeServer.h"

namespace {

// Counts above this read as 0: no record is read.
const unsigned long kMaxRecords = 0x8000;

bool isValueTypeName(const char* type)
{
    return type != nullptr && type[0] == '#';
}

bool matches(TQCserializeData* record, const char* name)
{
    if (record->getName() == nullptr)
        return false;
    return std::strcmp(name, "*") == 0 || record->hasName(name);
}

TQCserializeData* recordAt(TQClistData* list, long i)
{
    return static_cast<TQCserializeData*>(list->getData(i));
}

long findFrom(TQClistData* list, long from, const char* name)
{
    long n = list->getNum();
    for (long i = from < 0 ? 0 : from; i < n; ++i) {
        if (matches(recordAt(list, i), name))
            return i;
    }
    return -1;
}

} // namespace

TQDserialize::TQDserialize()
    : m_path("./"),
      m_current(nullptr),
      m_encoding(-2),
      m_flags(0)
{
}

TQDserialize::~TQDserialize()
{
    clearRecords();
}

char* TQDserialize::getPath()
{
    return m_path.getString(-2);
}

void TQDserialize::setPath(const char* path)
{
    m_path.setString(path, -2);
}

void TQDserialize::setUnderTransaction(unsigned char on)
{
    if (on)
        m_flags |= FLAG_UNDER_TRANSACTION;
    else
        m_flags &= ~FLAG_UNDER_TRANSACTION;
}

void TQDserialize::clearRecords()
{
    long n = m_records.getNum();
    for (long i = 0; i < n; ++i)
        delete recordAt(&m_records, i);
    m_records.clear();
}

// ---------------------------------------------------------------------------
// Saving

long TQDserialize::save(const char* type, const char* name, void* p)
{
    if (type == nullptr || name == nullptr)
        return -1;
    if (m_flags & FLAG_STREAM_MODE)
        return saveToStream(type, name, p);
    m_flags |= FLAG_MODIFIED;
    m_current = nullptr;
    _save(&m_records, type, name, p);
    return SER_OK;
}

long TQDserialize::saveToStream(const char* type, const char* name, void* p)
{
    m_current = nullptr;
    TQClistData made;
    _save(&made, type, name, p);
    if (made.getNum() == 0)
        return -1;
    std::unique_ptr<TQCserializeData> record(recordAt(&made, 0));
    return record->write(this);
}

long TQDserialize::saveData(const char* type, const char* name, void* p)
{
    if (m_current == nullptr || type == nullptr || name == nullptr)
        return -1;
    m_flags |= FLAG_MODIFIED;
    return _save(m_current->getChildren(), type, name, p);
}

// A second save of a name in one list replaces the first record's content.
long TQDserialize::_save(TQClistData* list, const char* type, const char* name, void* p)
{
    if (type == nullptr || name == nullptr)
        return -1;
    TQCserializeData* record = nullptr;
    long n = list->getNum();
    for (long i = 0; i < n && record == nullptr; ++i) {
        if (recordAt(list, i)->hasName(name))
            record = recordAt(list, i);
    }
    if (record == nullptr) {
        record = new TQCserializeData;
        record->setName(name);
        list->add(record);
    }
    record->makeStructure(type);
    _write_data(record, type, p, 1);
    return SER_OK;
}

long TQDserialize::_write_data(TQCserializeData* record, const char* type, void* p, long n)
{
    if (isValueTypeName(type)) {
        // A "#" name that is none of the value types writes nothing.
        record->setValue(type, p, n);
        return SER_OK;
    }
    return _write_sub_class(record, type, p, n);
}

long TQDserialize::_write_sub_class(TQCserializeData* record, const char* type, void* p, long n)
{
    TQCtypeServer* server = TQGIconductor()->searchTypeServer(type);
    if (server == nullptr)
        return SER_NO_TYPE;
    writeParents(server, record, p, n);
    runSaveHandler(server, record, p);
    return SER_OK;
}

// Parents write into the same record before the type's own fields, so the
// root type's fields come first.
long TQDserialize::writeParents(TQCtypeServer* server, TQCserializeData* record, void* p, long n)
{
    long parents = server->getParentClassNum();
    for (long i = 0; i < parents; ++i) {
        const char* parent = server->getParentClassName(i);
        void* view = server->getParentClassPtr(parent, p);
        if (isValueTypeName(parent))
            _write_data(record, parent, view, n);
        else
            _write_sub_class(record, parent, view, n);
    }
    return parents;
}

void TQDserialize::runSaveHandler(TQCtypeServer* server, TQCserializeData* record, void* p)
{
    TQCtypeServer::SaveHandler handler = server->getSaveHandler();
    if (handler == nullptr)
        return;
    TQCserializeData* previous = m_current;
    m_current = record;
    handler(this, p);
    m_current = previous;
}

// ---------------------------------------------------------------------------
// Loading

TQCserializeData* TQDserialize::readOneRecord()
{
    std::unique_ptr<TQCserializeData> record(new TQCserializeData);
    if (record->read(this) == 0)
        return nullptr;
    return record.release();
}

long TQDserialize::load(const char* type, const char* name, void* p)
{
    m_current = nullptr;
    if (!(m_flags & FLAG_STREAM_MODE))
        return _load(nullptr, &m_records, type, name, p);

    std::unique_ptr<TQCserializeData> record(readOneRecord());
    if (!record)
        return SER_NO_RECORD;
    TQClistData one;
    one.add(record.get());
    return _load(nullptr, &one, type, name, p);
}

long TQDserialize::loadData(const char* type, const char* name, void* p)
{
    if (m_current == nullptr)
        return SER_NO_RECORD;
    return _load(m_current, m_current->getChildren(), type, name, p);
}

// Repeated loads of one name under a parent walk its children in order:
// the search starts at the parent's cursor and falls back to the start.
long TQDserialize::_load(TQCserializeData* parent, TQClistData* list, const char* type,
                         const char* name, void* dest)
{
    if (name == nullptr)
        return SER_NO_RECORD;
    long found = -1;
    if (parent != nullptr && parent->getCursor() < list->getNum()) {
        found = findFrom(list, parent->getCursor(), name);
        if (found >= 0)
            parent->setCursor(parent->getCursor() + 1);
    }
    if (found < 0) {
        found = findFrom(list, 0, name);
        if (found < 0)
            return SER_NO_RECORD;
        if (parent != nullptr)
            parent->setCursor(found + 1);
    }
    _read_data(recordAt(list, found), type, dest, 1);
    return SER_OK;
}

long TQDserialize::_read_data(TQCserializeData* record, const char* type, void* dest, long n)
{
    if (isValueTypeName(type)) {
        record->getValue(type, dest, n);
        return SER_OK;
    }
    // The record's own type decides how a structure is read.
    const char* stored = record->getTypeName();
    if (stored == nullptr || stored[0] == '\0')
        return SER_NO_TYPE;
    return _read_sub_class(record, stored, dest, n);
}

long TQDserialize::_read_sub_class(TQCserializeData* record, const char* type, void* dest, long n)
{
    TQCtypeServer* server = TQGIconductor()->searchTypeServer(type);
    if (server == nullptr)
        return SER_NO_TYPE;
    readParents(server, record, dest, n);
    runLoadHandler(server, record, dest);
    return SER_OK;
}

long TQDserialize::readParents(TQCtypeServer* server, TQCserializeData* record, void* dest, long n)
{
    long parents = server->getParentClassNum();
    for (long i = 0; i < parents; ++i) {
        const char* parent = server->getParentClassName(i);
        void* view = server->getParentClassPtr(parent, dest);
        if (isValueTypeName(parent))
            record->getValue(parent, view, n);
        else
            _read_sub_class(record, parent, view, n);
    }
    return parents;
}

void TQDserialize::runLoadHandler(TQCtypeServer* server, TQCserializeData* record, void* dest)
{
    TQCtypeServer::LoadHandler handler = server->getLoadHandler();
    if (handler == nullptr)
        return;
    TQCserializeData* previous = m_current;
    m_current = record;
    handler(this, dest);
    m_current = previous;
}

// ---------------------------------------------------------------------------
// Loading into new instances

long TQDserialize::loadAlloc(const char* type, const char* name, void** out, void* arg)
{
    m_current = nullptr;
    if (!(m_flags & FLAG_STREAM_MODE))
        return _load_alloc(nullptr, &m_records, type, name, out, arg);

    std::unique_ptr<TQCserializeData> record(readOneRecord());
    if (!record)
        return SER_NO_RECORD;
    TQClistData one;
    one.add(record.get());
    return _load_alloc(nullptr, &one, type, name, out, arg);
}

long TQDserialize::loadAllocData(const char* type, const char* name, void** out, void* arg)
{
    if (m_current == nullptr)
        return SER_NO_RECORD;
    return _load_alloc(m_current, m_current->getChildren(), type, name, out, arg);
}

long TQDserialize::_load_alloc(TQCserializeData* parent, TQClistData* list, const char* type,
                               const char* name, void** out, void* arg)
{
    if (out == nullptr || type == nullptr)
        return -1;
    if (name == nullptr)
        return SER_NO_RECORD;
    long index = findFrom(list, 0, name);
    if (index < 0)
        return SER_NO_RECORD;
    TQCserializeData* record = recordAt(list, index);
    const char* stored = record->getStoredType();
    if (stored == nullptr)
        return SER_NO_TYPE;

    bool sameType = std::strcmp(type, stored) == 0;
    if (sameType && isValueTypeName(stored)) {
        // Value loads leave the parent's cursor alone.
        void* value = allocValue(record, stored);
        if (value == nullptr)
            return -1;
        *out = value;
        return SER_OK;
    }
    if (!sameType && isValueTypeName(type)) {
        *out = nullptr;
        return SER_TYPE_MISMATCH;
    }
    return loadAllocStructure(parent, index, record, type, stored, out, arg);
}

// Creates an instance of the stored type and hands it out as the requested
// type, which must be the stored type or one of its ancestors. A record of
// any other type makes nothing: records may come from another process, and
// making, say, a window for one would already have effects.
long TQDserialize::loadAllocStructure(TQCserializeData* parent, long index,
                                      TQCserializeData* record, const char* type,
                                      const char* stored, void** out, void* arg)
{
    TQCtypeServer* server = TQGIconductor()->searchTypeServer(stored);
    if (server == nullptr)
        return SER_NO_TYPE;
    if (std::strcmp(type, stored) != 0 && !server->isParentClass(type)) {
        if (parent != nullptr)
            parent->setCursor(index + 1);
        *out = nullptr;
        return SER_TYPE_MISMATCH;
    }
    void* instance = server->createInstance(arg);
    if (instance == nullptr)
        return SER_NO_TYPE;
    if (parent != nullptr)
        parent->setCursor(index + 1);
    _read_data(record, stored, instance, 1);

    if (std::strcmp(type, stored) == 0) {
        *out = instance;
        return SER_OK;
    }
    void* view = server->getParentClassPtr(type, instance);
    *out = view;
    if (view == nullptr) {
        server->deleteInstance(instance);
        return SER_TYPE_MISMATCH;
    }
    return SER_OK;
}

// One element of the stored value in a new char array; a string is copied
// whole, up to its first NUL or the end of the stored data.
void* TQDserialize::allocValue(TQCserializeData* record, const char* type)
{
    int kind = TQCserializeData::kindOfType(type);
    long size = TQCserializeData::elementSize(kind);
    if (kind == TQCserializeData::KIND_STRING) {
        const char* data = record->getData();
        const void* nul = data ? std::memchr(data, '\0', record->getDataSize()) : nullptr;
        size = (nul ? static_cast<const char*>(nul) - data : record->getDataSize()) + 1;
    }
    char* value = new (std::nothrow) char[size];
    if (value == nullptr)
        return nullptr;
    std::memset(value, 0, static_cast<size_t>(size));
    record->getValue(type, value, 1);
    return value;
}

// ---------------------------------------------------------------------------
// Searching

long TQDserialize::searchInstance(const char* type, char withSubclasses, char*** types,
                                  char*** names, long* count)
{
    m_current = nullptr;
    return _search_instance(&m_records, type, withSubclasses, types, names, count);
}

long TQDserialize::searchInstanceData(const char* type, char withSubclasses, char*** types,
                                      char*** names, long* count)
{
    TQClistData none;
    TQClistData* list = m_current != nullptr ? m_current->getChildren() : &none;
    return _search_instance(list, type, withSubclasses, types, names, count);
}

long TQDserialize::_search_instance(TQClistData* list, const char* type, char withSubclasses,
                                    char*** types, char*** names, long* count)
{
    TQClistData found;
    long n = list->getNum();
    for (long i = 0; i < n && type != nullptr; ++i) {
        TQCserializeData* record = recordAt(list, i);
        const char* stored = record->getStoredType();
        if (stored == nullptr)
            continue;
        bool match = std::strcmp(stored, type) == 0;
        if (!match && withSubclasses == 1 && !isValueTypeName(stored)) {
            TQCtypeServer* server = TQGIconductor()->searchTypeServer(stored);
            match = server != nullptr && server->isParentClass(type);
        }
        if (match)
            found.add(record);
    }

    long k = found.getNum();
    if (count != nullptr)
        *count = k;
    char** typeArray = nullptr;
    char** nameArray = nullptr;
    if (k > 0) {
        typeArray = new char*[k];
        nameArray = new char*[k];
        for (long i = 0; i < k; ++i) {
            TQCserializeData* record = recordAt(&found, i);
            typeArray[i] = const_cast<char*>(record->getStoredType());
            nameArray[i] = const_cast<char*>(record->getName());
        }
    }
    // Arrays the caller cannot receive are not made for it.
    if (types != nullptr)
        *types = typeArray;
    else
        delete[] typeArray;
    if (names != nullptr)
        *names = nameArray;
    else
        delete[] nameArray;
    return k > 0 ? SER_OK : SER_NO_RECORD;
}

// ---------------------------------------------------------------------------
// Transactions

long TQDserialize::beginTransaction(const char* name, int mode)
{
    m_transactionName.setString(name, -2);
    long opened = _open(name, mode != 0 ? 2 : 0);
    if (opened != 0)
        return opened;
    m_flags |= FLAG_UNDER_TRANSACTION;

    char countBytes[4];
    if (_read(countBytes, 4) < 4)
        return SER_OK;
    long count;
    TQGIbinType()->memscan4b(&count, countBytes);
    unsigned long n = static_cast<unsigned long>(count);
    readTransactionRecords(n > kMaxRecords ? 0 : n);
    return SER_OK;
}

// A record that fails part-way stays as far as it was read. Once a read
// finds no byte at all the stream is used up, and the remaining count is
// not turned into empty records.
void TQDserialize::readTransactionRecords(unsigned long count)
{
    for (unsigned long i = 0; i < count; ++i) {
        std::unique_ptr<TQCserializeData> record(new TQCserializeData);
        if (record->read(this) == 0 && record->getName() == nullptr)
            return;
        m_records.add(record.release());
    }
}

long TQDserialize::endTransaction()
{
    if (!(m_flags & FLAG_MODIFIED)) {
        // Nothing to write: the transaction still ends, so that the
        // serialiser can be chosen again and starts its next one empty.
        _close();
        m_flags &= ~FLAG_UNDER_TRANSACTION;
        clearRecords();
        return SER_OK;
    }
    if (!writableRecordCount())
        return -1;
    m_flags &= ~FLAG_MODIFIED;
    _seek(0);
    writeRecords();
    _close();
    return SER_OK;
}

long TQDserialize::endTransactionAnew()
{
    if (m_flags & FLAG_MODIFIED) {
        // Refused before the stream is emptied for the rewrite.
        if (!writableRecordCount())
            return -1;
        _close();
        long opened = _open(m_transactionName.getString(-2), 1);
        if (opened != 0)
            return opened;
    }
    return TQDserialize::endTransaction();
}

// A reader takes a count above 0x8000 as no records at all, so such a
// transaction is refused: written, it would read back empty and the next
// save would drop every record in it.
bool TQDserialize::writableRecordCount()
{
    return static_cast<unsigned long>(m_records.getNum()) <= kMaxRecords;
}

void TQDserialize::writeRecords()
{
    char countBytes[4];
    TQGIbinType()->memcpy4b(countBytes, m_records.getNum());
    _write(countBytes, 4);
    m_flags &= ~FLAG_UNDER_TRANSACTION;
    long n = m_records.getNum();
    for (long i = 0; i < n; ++i)
        recordAt(&m_records, i)->write(this);
    clearRecords();
}
