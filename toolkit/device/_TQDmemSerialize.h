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

    // _open moves to the start and keeps the bytes; name and mode are not
    // used. _read gives at most the bytes after the position. _write grows
    // the buffer to exactly what it needs; a null source writes zeros, and
    // a buffer that cannot grow takes nothing (0). _eof is non-zero once
    // the position is at the end of the bytes held; seeks keep the position
    // within 0 and the size. endTransaction writes the count and the
    // records from offset 0 when something was saved; the size never
    // shrinks, readers go by the count.
    TQ_SERIALIZE_FRAME(TQDmemSerialize)

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
