// Property descriptor: name, value type, handlers and builder marks of one
// property of one class. Everything that reaches a property by name goes
// through its descriptor; the handlers know where the value lives.
#ifndef _TQCPROPERTY_H
#define _TQCPROPERTY_H

#include "TQtypes.h"

class TQCbase;

// Value type codes; the value cell that the handlers exchange has the type
// named in the comment.
enum {
    TQPROP_LONG = 0,            // signed 32-bit
    TQPROP_ULONG = 1,           // unsigned 32-bit
    TQPROP_SHORT = 2,           // signed 16-bit, also colour and image numbers
    TQPROP_USHORT = 3,          // unsigned 16-bit
    TQPROP_CHAR = 4,            // signed 8-bit
    TQPROP_UCHAR = 5,           // unsigned 8-bit
    TQPROP_FLOAT = 6,
    TQPROP_DOUBLE = 7,
    TQPROP_POINTER = 8,         // void*
    TQPROP_STRING = 9,          // char*, see the ownership rule below
    TQPROP_VOID = 10,           // cannot be set or read
    TQPROP_BOOL = 11            // 8-bit truth value
};

// One value of any property type, as the handlers read and write it.
union TQCpropertyValue {
    long l;
    unsigned long ul;
    short s;
    unsigned short us;
    char c;
    unsigned char uc;
    float f;
    double d;
    void* p;
    char* str;
    TQCbool b;
};

// String properties: the object owns its current string; the get handler
// hands out that pointer; the set handler takes ownership of a string
// allocated with new[]; whoever replaces a value frees the previous string
// after the set handler returned; a default handler yields a new string or
// null, which the caller frees.
class TQCproperty {
public:
    typedef void (*SetHandler)(void* object, void* value);
    typedef void (*GetHandler)(void* object, void* value);
    typedef void (*DefaultHandler)(void* value);

    // Both names are kept by reference.
    TQCproperty(const char* name, const char* className);

    // Decides the type code from typeName and stores the handlers; any of
    // them may be null. A short property whose name ends in "Pixmap" or
    // "Color" (plus up to two digits) is marked as an image or colour one.
    void setType(const char* typeName, SetHandler set, GetHandler get, DefaultHandler def);

    const char* getPropObjName() const { return name; }
    const char* getPropObjClassName() const { return className; }
    unsigned char getPropObjType() const { return flags.type; }
    const char* getPropObjTypeName() const;

    // 0, or -1 without a handler (or without an object of the class).
    long setValue(TQCbase* object, void* value);
    long getValue(TQCbase* object, void* value);
    long getDefaultValue(void* value);
    // Default straight into the set handler, without a cast: initialisation.
    long execSetHandler(void* object);
    long setDefaultValue(TQCbase* object);
    // 1 when the current value equals the default, else 0.
    long isDefaultValue(TQCbase* object);

    void setGetDefaultValueHandler(DefaultHandler def) { defaultHandler = def; }
    DefaultHandler getGetDefaultValueHandler() const { return defaultHandler; }
    SetHandler getSetHandler() const { return setHandler; }
    GetHandler getGetHandler() const { return getHandler; }

    // The title key is a message-catalogue key; the title is its translation.
    void setBuilderTitleKey(const char* key) { titleKey = key; }
    const char* getBuilderTitleKey() const { return titleKey; }
    const char* getBuilderTitle() const;
    void setBuilderSelectValues(char** display, char** values);
    void getBuilderSelectValues(char*** display, char*** values) const;

    unsigned char getBuilderVisible() const { return flags.builderVisible; }
    unsigned char getNotUse() const { return flags.notUse; }
    unsigned char isPixmapPropObj() const { return flags.pixmap; }
    unsigned char isColorPropObj() const { return flags.color; }
    unsigned char getDefaultValueChange() const { return flags.defaultValueChange; }
    unsigned char getBuilderVisibleChange() const { return flags.builderVisibleChange; }
    unsigned char getInit() const { return flags.init; }
    unsigned char getFileSelect() const { return flags.fileSelect; }
    unsigned char getNoCast() const { return flags.noCast; }

    void setBuilderVisible(unsigned char on) { flags.builderVisible = on ? 1 : 0; }
    // Marks a descriptor that withdraws an inherited property of its name.
    void setNotUse(unsigned char on) { flags.notUse = on ? 1 : 0; }
    // Marks a descriptor that only gives an inherited property of its name
    // its own default handler and init flag.
    void setDefaultValueChange(unsigned char on) { flags.defaultValueChange = on ? 1 : 0; }
    // With builder visible clear: only hides the inherited property from the
    // builder.
    void setBuilderVisibleChange(unsigned char on) { flags.builderVisibleChange = on ? 1 : 0; }
    void setInit(unsigned char on) { flags.init = on ? 1 : 0; }
    void setFileSelect(unsigned char on) { flags.fileSelect = on ? 1 : 0; }
    // Set when the object pointer already is the registering class's address.
    void setNoCast(unsigned char on) { flags.noCast = on ? 1 : 0; }

    // Type code of a type name, as setType decides it.
    static unsigned char typeCodeOf(const char* typeName);

private:
    void* objectOfClass(TQCbase* object) const;
    void markColourOrImage();

    const char* name;
    const char* className;
    GetHandler getHandler;
    SetHandler setHandler;
    DefaultHandler defaultHandler;
    char** selectDisplay;
    char** selectValues;
    const char* titleKey;
    struct Flags {
        unsigned short type : 4;
        unsigned short builderVisible : 1;
        unsigned short notUse : 1;
        unsigned short pixmap : 1;
        unsigned short color : 1;
        unsigned short defaultValueChange : 1;
        unsigned short builderVisibleChange : 1;
        unsigned short init : 1;
        unsigned short fileSelect : 1;
        unsigned short noCast : 1;
    } flags;
};

#endif
