// The abstract serialiser: a byte stream supplied by each concrete kind, and
// the common part that saves and loads named values and structures as record
// trees, searches stored instances and runs transactions over the stream.
#ifndef _TQDSERIALIZE_H
#define _TQDSERIALIZE_H

#include <cstdint>

#include "_TQClistData.h"
#include "_TQCroot.h"
#include "_TQCstring.h"

class TQCserializeData;
class TQCtypeServer;

// The frame of a concrete serialiser derived from TQDserialize: its class
// name and casts, its byte stream, its kind and its end of a transaction.
// Place it in the public part of class Class.
#define TQ_SERIALIZE_FRAME(Class)                                          \
    static const char* getThisClassName() { return #Class; }              \
    TQ_ROOT_FRAME(Class, TQDserialize)                                     \
    long _open(const char* name, long mode) override;                      \
    long _close() override;                                                \
    long _read(void* buf, long n) override;                                \
    long _write(const void* buf, long n) override;                         \
    long _eof() override;                                                  \
    long _seek(long pos) override;                                         \
    long _seek_set() override;                                             \
    long _seek_end() override;                                             \
    long _size() override;                                                 \
    long _tell() override;                                                 \
    unsigned char type(const char* name) override;                         \
    TQDserialize* createSerialize() override;                              \
    long endTransaction() override;

class TQDserialize : public TQCroot {
public:
    // Result codes of saving and loading.
    enum {
        SER_OK = 0,
        SER_NO_RECORD = 10,
        SER_NO_TYPE = 12,
        SER_NOT_OPENED = 14,
        SER_TYPE_MISMATCH = 17
    };

    TQDserialize();
    ~TQDserialize() override;
    TQDserialize(const TQDserialize&) = delete;
    TQDserialize& operator=(const TQDserialize&) = delete;

    static const char* getThisClassName() { return "TQDserialize"; }
    TQ_ROOT_FRAME(TQDserialize, TQCroot)

    // The stream. _open modes: 0 read, 1 write anew, 2 update; 0 on success.
    virtual long _open(const char* name, long mode) = 0;
    virtual long _close() = 0;
    virtual long _read(void* buf, long n) = 0;
    virtual long _write(const void* buf, long n) = 0;
    virtual long _eof() = 0;
    virtual long _seek(long pos) = 0;
    virtual long _seek_set() = 0;
    virtual long _seek_end() = 0;
    virtual long _size() = 0;
    virtual long _tell() = 0;
    // 1 when name is this serialiser's type name ("FILE", "MEM", ...).
    virtual unsigned char type(const char* name) = 0;
    virtual TQDserialize* createSerialize() = 0;
    // Opens name (mode 0 to read, else to update) and reads every record of
    // the stream into memory.
    virtual long beginTransaction(const char* name, int mode);
    // Writes the records back when something was saved, and closes.
    virtual long endTransaction();

    // Directory put before names by a file serialiser, in the default
    // encoding.
    char* getPath();
    void setPath(const char* path);

    // Top-level records (outside handlers), or the current record's fields
    // (saveData, loadData, ... from inside a save or load handler).
    long save(const char* type, const char* name, void* p);
    long saveData(const char* type, const char* name, void* p);
    long load(const char* type, const char* name, void* p);
    long loadData(const char* type, const char* name, void* p);
    // Hands out a new instance: a value allocated as a char array (free it
    // with delete[]), a structure made by its type server's create handler.
    long loadAlloc(const char* type, const char* name, void** out, void* arg);
    long loadAllocData(const char* type, const char* name, void** out, void* arg);
    // The types and names of the stored records of a type (withSubclasses
    // 1: or of a type derived from it). The arrays are the caller's (free
    // them with delete[]); their strings belong to the records.
    long searchInstance(const char* type, char withSubclasses, char*** types,
                        char*** names, long* count);
    long searchInstanceData(const char* type, char withSubclasses, char*** types,
                            char*** names, long* count);

    unsigned char underTransaction() const { return (m_flags & FLAG_UNDER_TRANSACTION) ? 1 : 0; }
    void setUnderTransaction(unsigned char on);
    void setEncoding(long encoding) { m_encoding = encoding; }
    long getEncoding() const { return m_encoding; }

protected:
    enum {
        FLAG_MODIFIED = 0x01,
        FLAG_UNDER_TRANSACTION = 0x02,
        // One record straight to and from the stream per save and load.
        FLAG_STREAM_MODE = 0x04
    };

    long _save(TQClistData* list, const char* type, const char* name, void* p);
    long _write_data(TQCserializeData* record, const char* type, void* p, long n);
    long _write_sub_class(TQCserializeData* record, const char* type, void* p, long n);
    long _load(TQCserializeData* parent, TQClistData* list, const char* type,
               const char* name, void* dest);
    long _read_data(TQCserializeData* record, const char* type, void* dest, long n);
    long _read_sub_class(TQCserializeData* record, const char* type, void* dest, long n);
    long _load_alloc(TQCserializeData* parent, TQClistData* list, const char* type,
                     const char* name, void** out, void* arg);
    long _search_instance(TQClistData* list, const char* type, char withSubclasses,
                          char*** types, char*** names, long* count);

    // The end of a transaction whose stream is written anew from its start:
    // when something was saved, the stream is reopened for writing (mode 1)
    // under the transaction's name before the records are written.
    long endTransactionAnew();
    // Writes the record count and every record, then empties the list.
    void writeRecords();
    // False when the records are more than a reader would take.
    bool writableRecordCount();
    void clearRecords();

    TQCstring m_transactionName;
    TQCstring m_path;
    TQClistData m_records;
    TQCserializeData* m_current;
    long m_encoding;
    uint8_t m_flags;

private:
    long saveToStream(const char* type, const char* name, void* p);
    TQCserializeData* readOneRecord();
    void readTransactionRecords(unsigned long count);
    long writeParents(TQCtypeServer* server, TQCserializeData* record, void* p, long n);
    long readParents(TQCtypeServer* server, TQCserializeData* record, void* dest, long n);
    void runSaveHandler(TQCtypeServer* server, TQCserializeData* record, void* p);
    void runLoadHandler(TQCtypeServer* server, TQCserializeData* record, void* dest);
    void* allocValue(TQCserializeData* record, const char* type);
    long loadAllocStructure(TQCserializeData* parent, long index, TQCserializeData* record,
                            const char* type, const char* stored, void** out, void* arg);
};

#endif
