// One record of the serialisation format: a named value (a typed array of
// big-endian numbers, bytes or one string) or a named structure (a type name
// and child records), with its reader and writer over a serialiser's stream.
#ifndef _TQCSERIALIZEDATA_H
#define _TQCSERIALIZEDATA_H

#include <cstdint>

#include "_TQClistData.h"

class TQDserialize;

class TQCserializeData {
public:
    // Kinds on the wire: 0 is a structure, 1..7 the value kinds.
    enum {
        KIND_STRUCT = 0,
        KIND_INT = 1,
        KIND_SHORT = 2,
        KIND_LONG = 3,
        KIND_CHAR = 4,
        KIND_STRING = 5,
        KIND_DOUBLE = 6,
        KIND_FLOAT = 7
    };

    // Names and type names are kept to what the one-byte length can carry.
    static const long MAX_NAME_LENGTH = 255;
    // Structures nest at most this deep (the top record counting as one);
    // the reader refuses deeper input.
    static const int MAX_NESTING = 64;

    TQCserializeData();
    virtual ~TQCserializeData();
    TQCserializeData(const TQCserializeData&) = delete;
    TQCserializeData& operator=(const TQCserializeData&) = delete;

    // Writes the record (and a structure's children) through s->_write. The
    // result is that of the record's last own raw write.
    long write(TQDserialize* s);
    // Replaces the content with the next record of s's stream. 0 on failure,
    // else 4 for a structure and the data size for a value.
    long read(TQDserialize* s);
    // Bytes that write() emits for this record and its children.
    long size();
    void clearChildren();

    // Name: null until set; longer names are cut to MAX_NAME_LENGTH bytes.
    void setName(const char* name);
    const char* getName() const { return m_name; }
    // True when the record's name is name as this record would store it.
    bool hasName(const char* name) const;

    // Turns the record into a childless structure of the given type.
    void makeStructure(const char* type);
    const char* getTypeName() const { return m_typeName; }
    // The type name, else the value type name of kinds 1..7; null for a
    // structure without a type name and for unknown kinds.
    const char* getStoredType() const;

    unsigned char getKind() const { return m_kind; }
    long getDataSize() const { return m_dataSize; }
    const char* getData() const { return m_data; }

    TQClistData* getChildren() { return &m_children; }
    long getCursor() const { return m_cursor; }
    void setCursor(long cursor) { m_cursor = cursor; }

    // The value writer: stores n elements read from src as the value type
    // type ("#int" ... "#flt"; "#str" takes one string and ignores n).
    // Returns -1, leaving the record as it was, for any other type name.
    long setValue(const char* type, const void* src, long n);
    // The value reader: decodes up to n elements as type into dst, never
    // more than the stored data holds. Returns the elements (bytes for
    // "#chr" and "#str") written to dst.
    long getValue(const char* type, void* dst, long n) const;

    // Value type names and their kinds: kindOfType gives 0 for a name that
    // is not one of the seven; typeOfKind gives null outside 1..7.
    static int kindOfType(const char* type);
    static const char* typeOfKind(long kind);
    // Bytes per element of a value kind ("#str" counts 1).
    static long elementSize(long kind);

private:
    static const int INLINE_SIZE = 16;

    long readRecord(TQDserialize* s, int depth);
    bool readName(TQDserialize* s, long length);
    long readValueBody(TQDserialize* s);
    long readStructureBody(TQDserialize* s, long typeLength, int depth);
    bool readText(TQDserialize* s, long length, char*& text, char* inlineBuf);
    bool readData(TQDserialize* s, long size);
    bool readLarge(TQDserialize* s, long size);
    long writeChildren(TQDserialize* s);

    void dropName();
    void dropTypeName();
    void dropData();
    char* dataBlock(long size, bool useInline);

    char* m_name;
    char* m_typeName;
    char* m_data;
    long m_dataSize;
    TQClistData m_children;
    long m_cursor;
    uint8_t m_nameLength;
    uint8_t m_kind;
    uint8_t m_typeLength;

    char m_nameBuf[INLINE_SIZE];
    char m_typeBuf[INLINE_SIZE];
    char m_dataBuf[INLINE_SIZE];
};

#endif
