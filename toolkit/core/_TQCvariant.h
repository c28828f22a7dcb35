// The toolkit's tagged value: one value of 14 types, converted on demand to
// any basic type and to text. It owns the text, boxed double, type name and
// rendering it copies or makes, and can carry text borrowed from the caller.
#ifndef _TQCVARIANT_H
#define _TQCVARIANT_H

#include <cstdint>

class TQCbase;

// Type codes; 0 to 11 are also the property value types.
enum {
    TQVT_LONG = 0,
    TQVT_ULONG = 1,
    TQVT_SHORT = 2,
    TQVT_USHORT = 3,
    TQVT_CHAR = 4,
    TQVT_UCHAR = 5,
    TQVT_FLOAT = 6,
    TQVT_DOUBLE = 7,
    TQVT_VOIDPTR = 8,
    TQVT_CHARPTR = 9,
    TQVT_NONE = 10,
    TQVT_BOOL = 11,
    TQVT_INT = 12,
    TQVT_UINT = 13
};

class TQCvariant {
public:
    TQCvariant();
    TQCvariant(char v);
    TQCvariant(unsigned char v);
    TQCvariant(short v);
    TQCvariant(unsigned short v);
    TQCvariant(long v);
    TQCvariant(unsigned long v);
    TQCvariant(int v);
    TQCvariant(unsigned int v);
    TQCvariant(float v);
    TQCvariant(double v);
    // A pointer; the type name is copied when given.
    TQCvariant(void* p, const char* typeName = nullptr);
    TQCvariant(TQCbase* object);
    // Copies the text.
    TQCvariant(char* text);
    // Borrows the text: the caller keeps it alive and frees it.
    TQCvariant(const char* text);
    TQCvariant(const TQCvariant& other);
    virtual ~TQCvariant();

    TQCvariant& operator=(const TQCvariant& other);

    void setValue(char v);
    void setValue(unsigned char v);
    void setValue(short v);
    void setValue(unsigned short v);
    void setValue(long v);
    void setValue(unsigned long v);
    void setValue(int v);
    void setValue(unsigned int v);
    void setValue(float v);
    void setValue(double v);
    void setValue(char* text);
    void setValue(const char* text);
    void setValue(void* p, const char* typeName);
    void setValue(TQCbase* object);

    TQCvariant& operator=(char v);
    TQCvariant& operator=(unsigned char v);
    TQCvariant& operator=(short v);
    TQCvariant& operator=(unsigned short v);
    TQCvariant& operator=(long v);
    TQCvariant& operator=(unsigned long v);
    TQCvariant& operator=(int v);
    TQCvariant& operator=(unsigned int v);
    TQCvariant& operator=(float v);
    TQCvariant& operator=(double v);
    TQCvariant& operator=(char* text);
    TQCvariant& operator=(const char* text);
    TQCvariant& operator=(void* p);
    TQCvariant& operator=(TQCbase* object);

    // Frees what the variant owns and makes it a long; the value field is
    // kept except for text and double, which become 0.
    void clear();

    unsigned char getType() const;
    const char* getTypeName() const;

    char getChar() const;
    unsigned char getUnsignedChar() const;
    short getShort() const;
    unsigned short getUnsignedShort() const;
    long getLong() const;
    unsigned long getUnsignedLong() const;
    int getInt() const;
    unsigned int getUnsignedInt() const;
    float getFloat() const;
    double getDouble() const;
    void* getVoidPtr() const;
    // The pointer of a variant made from a TQCbase*, else null.
    TQCbase* getInstancePtr() const;
    // The value as text ("%ld" or "%10.10lf"), owned by the variant.
    char* getCharPtr() const;
    // The text of a text variant, otherwise "".
    const char* getCharPtrConst() const;

    unsigned char getNoAllocated() const;
    // Set on owned text, hands the text to someone else.
    void setNoAllocated(unsigned char borrowed);

    operator char() const { return getChar(); }
    operator unsigned char() const { return getUnsignedChar(); }
    operator short() const { return getShort(); }
    operator unsigned short() const { return getUnsignedShort(); }
    operator long() const { return getLong(); }
    operator unsigned long() const { return getUnsignedLong(); }
    operator int() const { return getInt(); }
    operator unsigned int() const { return getUnsignedInt(); }
    operator float() const { return getFloat(); }
    operator double() const { return getDouble(); }
    operator char*() const { return getCharPtr(); }
    operator TQCbase*() const { return getInstancePtr(); }
    operator void*() const { return getVoidPtr(); }

private:
    void storeInteger(unsigned char type, uint32_t bits);
    void storeText(char* text, bool borrowed);
    void copyFrom(const TQCvariant& other);
    void clearIfOwning();
    bool isIntegerLike() const;
    bool isFloating() const;
    double floatingValue() const;
    const char* textValue() const;
    void* pointerValue() const;

    uintptr_t value;          // 32 bits on this target: integer bits or a pointer
    mutable char* rendering;  // made by getCharPtr, owned
    char* typeName;           // owned copy, typed pointers only
    unsigned char type;
    mutable unsigned char flags;
};

#endif
