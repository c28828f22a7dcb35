// A serialiser over a byte string in memory, for tests of the record format
// and of the serialiser's common part, with builders for record bytes.
#ifndef BYTESTREAMSERIALIZE_H
#define BYTESTREAMSERIALIZE_H

#include <cstdint>
#include <string>

#include "_TQDserialize.h"

class ByteStreamSerialize : public TQDserialize {
public:
    explicit ByteStreamSerialize(const std::string& bytes = std::string());

    // Mode 1 of _open empties the bytes; every mode starts at position 0.
    // _open fails with 14 while failOpen is set. Type name "TEST-BYTES".
    // endTransaction writes the stream anew when something was saved.
    TQ_SERIALIZE_FRAME(ByteStreamSerialize)

    void setStreamMode(bool on);
    long recordCount() const { return m_records.getNum(); }
    bool modified() const { return (m_flags & FLAG_MODIFIED) != 0; }

    std::string bytes;
    long pos = 0;
    bool failOpen = false;
    int opens = 0;
    int closes = 0;
    std::string lastOpenName;
    long lastOpenMode = -1;
    // The largest byte count asked of _read: what a reader allocated at most
    // before the bytes arrived.
    long largestRead = 0;
};

// Builders for the bytes of the record format.
std::string be16(uint16_t v);
std::string be32(uint32_t v);
std::string valueRecord(const std::string& name, uint8_t kind, const std::string& data);
std::string structRecord(const std::string& name, const std::string& type, uint32_t count,
                         const std::string& children = std::string());
// A transaction stream: the record count, then the records.
std::string stream(uint32_t count, const std::string& records);

#endif
