// The serialiser of type "MEM": a transaction's records in a growable byte
// buffer that the owner takes out with getData or hands in with setData.
#ifndef _TQDMEMSERIALIZE_H
#define _TQDMEMSERIALIZE_H

#include "_TQDserialize.h"

class TQDmemSerialize : public TQDserialize {
public:
    TQDmemSerialize();
    // Frees the buffer.
    ~TQDmemSerialize() override;

    static const char* getThisClassName() { return "TQDmemSerialize"; }
    TQ_ROOT_FRAME(TQDmemSerialize, TQDserialize)

    // Moves to the start; the bytes stay. Name and mode are not used.
    long _open(const char* name, long mode) override;
    long _close() override;
    // At most the bytes after the position.
    long _read(void* buf, long n) override;
    // Grows the buffer to exactly what the write needs. A null source
    // writes zeros; a buffer that cannot grow writes nothing and gives 0.
    long _write(const void* buf, long n) override;
    // Non-zero once the position is at the end of the bytes held.
    long _eof() override;
    // Kept within 0 and the size.
    long _seek(long pos) override;
    long _seek_set() override;
    long _seek_end() override;
    long _size() override;
    long _tell() override;
    unsigned char type(const char* name) override;
    TQDserialize* createSerialize() override;
    // Writes the count and the records from offset 0 when something was
    // saved; the size never shrinks, readers go by the count.
    long endTransaction() override;

    // Owned by the serialiser; valid until the next growth, setData or
    // destruction.
    char* getData() { return m_buffer; }
    long getDataSize() const { return m_size; }
    // Adopts data, allocated as a char array, and moves to its start.
    void setData(char* data, long size);

private:
    char* m_buffer;
    long m_size;
    long m_position;
};

// A new, empty memory serialiser.
TQDserialize* _memdb_create_handler();

#endif
