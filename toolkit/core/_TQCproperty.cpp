// Property descriptor: type-name parsing, colour and image marks, and the
// handler calls through which properties are set, read and defaulted.
#include "_TQCproperty.h"

#include <cctype>
#include <cstring>

#include "_TQCroot.h"
#include "_TQClocaleSet.h"

namespace {

const char* const typeNames[] = {
    "long", "unsigned long", "short", "unsigned short", "char", "unsigned char",
    "float", "double", "void*", "char*", "void", "TQCbool"
};

bool same(const char* a, const char* b)
{
    return std::strcmp(a, b) == 0;
}

// Code of a name that begins with "unsigned": decided by the second word.
unsigned char unsignedTypeCode(const char* typeName)
{
    const char* p = typeName;
    while (*p != '\0' && !std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    while (*p != '\0' && std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    size_t len = 0;
    while (p[len] != '\0' && !std::isspace(static_cast<unsigned char>(p[len])))
        ++len;
    auto secondWordIs = [&](const char* word) {
        return std::strlen(word) == len && std::strncmp(p, word, len) == 0;
    };
    if (secondWordIs("char"))
        return TQPROP_UCHAR;
    if (secondWordIs("short"))
        return TQPROP_USHORT;
    // "unsigned long", "unsigned int", "unsigned" and anything else.
    return TQPROP_ULONG;
}

// True when name ends in suffix followed by at most two decimal digits.
bool endsInSuffixAndDigits(const char* name, const char* suffix)
{
    size_t len = std::strlen(name);
    size_t digits = 0;
    while (digits < len && std::isdigit(static_cast<unsigned char>(name[len - 1 - digits])))
        ++digits;
    if (digits > 2)
        return false;
    size_t stem = len - digits;
    size_t suffixLen = std::strlen(suffix);
    return stem >= suffixLen && std::strncmp(name + stem - suffixLen, suffix, suffixLen) == 0;
}


} // namespace

TQCproperty::TQCproperty(const char* nameArg, const char* classNameArg)
    : name(nameArg), className(classNameArg), getHandler(nullptr), setHandler(nullptr),
      defaultHandler(nullptr), selectDisplay(nullptr), selectValues(nullptr), titleKey(""),
      flags()
{
    // A descriptor that never gets a type (one that only adjusts an inherited
    // property) counts as void.
    flags.type = TQPROP_VOID;
    flags.builderVisible = 1;
}

unsigned char TQCproperty::typeCodeOf(const char* typeName)
{
    if (typeName == nullptr)
        return TQPROP_VOID;
    switch (typeName[0]) {
    case 's':
        return same(typeName, "short") ? TQPROP_SHORT : TQPROP_VOID;
    case 'l':
        return same(typeName, "long") ? TQPROP_LONG : TQPROP_VOID;
    case 'v':
        return same(typeName, "void*") || same(typeName, "void *") ? TQPROP_POINTER : TQPROP_VOID;
    case 'u':
        if (std::strncmp(typeName, "unsigned", 8) != 0)
            return TQPROP_VOID;
        return unsignedTypeCode(typeName);
    case 'T':
        if (same(typeName, "TQCbool"))
            return TQPROP_BOOL;
        if (same(typeName, "TQCuchar"))
            return TQPROP_UCHAR;
        if (same(typeName, "TQCushort"))
            return TQPROP_USHORT;
        if (same(typeName, "TQCulong"))
            return TQPROP_ULONG;
        return TQPROP_VOID;
    case 'c':
        // Any other name that begins with 'c' ("const char*") is a char.
        return same(typeName, "char*") || same(typeName, "char *") ? TQPROP_STRING : TQPROP_CHAR;
    case 'i':
        return same(typeName, "int") ? TQPROP_LONG : TQPROP_VOID;
    case 'f':
        return same(typeName, "float") ? TQPROP_FLOAT : TQPROP_VOID;
    case 'd':
        return same(typeName, "double") ? TQPROP_DOUBLE : TQPROP_VOID;
    default:
        return TQPROP_VOID;
    }
}

void TQCproperty::setType(const char* typeName, SetHandler set, GetHandler get, DefaultHandler def)
{
    flags.type = typeCodeOf(typeName);
    setHandler = set;
    getHandler = get;
    defaultHandler = def;
    markColourOrImage();
}

// Colour and image numbers are shorts; their names tell them apart.
void TQCproperty::markColourOrImage()
{
    flags.pixmap = 0;
    flags.color = 0;
    if (flags.type != TQPROP_SHORT || name == nullptr)
        return;
    if (endsInSuffixAndDigits(name, "Pixmap"))
        flags.pixmap = 1;
    else if (endsInSuffixAndDigits(name, "Color"))
        flags.color = 1;
}

const char* TQCproperty::getPropObjTypeName() const
{
    return flags.type <= TQPROP_BOOL ? typeNames[flags.type] : "void*";
}

// The object as the registering class sees it. The base class of every
// widget derives from TQCroot alone, so both start at the same address;
// only that is assumed here, as the no-cast flag itself assumes it.
void* TQCproperty::objectOfClass(TQCbase* object) const
{
    if (object == nullptr)
        return nullptr;
    if (flags.noCast)
        return object;
    return reinterpret_cast<TQCroot*>(object)->cast2(className);
}

long TQCproperty::setValue(TQCbase* object, void* value)
{
    void* target = objectOfClass(object);
    if (setHandler == nullptr || target == nullptr)
        return -1;
    setHandler(target, value);
    return 0;
}

long TQCproperty::getValue(TQCbase* object, void* value)
{
    void* target = objectOfClass(object);
    if (getHandler == nullptr || target == nullptr)
        return -1;
    getHandler(target, value);
    return 0;
}

long TQCproperty::getDefaultValue(void* value)
{
    if (defaultHandler == nullptr)
        return -1;
    defaultHandler(value);
    return 0;
}

long TQCproperty::execSetHandler(void* object)
{
    if (defaultHandler == nullptr || setHandler == nullptr)
        return -1;
    TQCpropertyValue cell = {};
    defaultHandler(&cell);
    setHandler(object, &cell);
    return 0;
}

long TQCproperty::setDefaultValue(TQCbase* object)
{
    if (defaultHandler == nullptr)
        return -1;
    TQCpropertyValue cell = {};
    defaultHandler(&cell);
    bool isString = flags.type == TQPROP_STRING;
    TQCpropertyValue previous = {};
    if (isString)
        getValue(object, &previous);
    if (setValue(object, &cell) != 0) {
        // The object kept its string; the unused default is ours to free.
        if (isString)
            delete[] cell.str;
        return -1;
    }
    if (isString && previous.str != cell.str)
        delete[] previous.str;
    return 0;
}

long TQCproperty::isDefaultValue(TQCbase* object)
{
    if (defaultHandler == nullptr || flags.type == TQPROP_VOID)
        return 0;
    TQCpropertyValue def = {};
    TQCpropertyValue cur = {};
    defaultHandler(&def);
    bool readable = getValue(object, &cur) == 0;
    long result = 0;
    switch (flags.type) {
    case TQPROP_LONG:
    case TQPROP_ULONG:
    case TQPROP_POINTER:
        result = def.ul == cur.ul;
        break;
    case TQPROP_SHORT:
    case TQPROP_USHORT:
        result = def.us == cur.us;
        break;
    case TQPROP_CHAR:
    case TQPROP_UCHAR:
    case TQPROP_BOOL:
        result = def.uc == cur.uc;
        break;
    case TQPROP_FLOAT:
        result = def.f == cur.f;
        break;
    case TQPROP_DOUBLE:
        result = def.d == cur.d;
        break;
    case TQPROP_STRING: {
        const char* current = cur.str != nullptr ? cur.str : "";
        result = def.str == nullptr ? current[0] == '\0' : std::strcmp(def.str, current) == 0;
        delete[] def.str;
        break;
    }
    default:
        break;
    }
    return readable ? result : 0;
}

const char* TQCproperty::getBuilderTitle() const
{
    if (titleKey == nullptr)
        return "";
    return TQGFgettext(titleKey);
}

void TQCproperty::setBuilderSelectValues(char** display, char** values)
{
    selectDisplay = display;
    selectValues = values;
}

void TQCproperty::getBuilderSelectValues(char*** display, char*** values) const
{
    if (display != nullptr)
        *display = selectDisplay;
    if (values != nullptr)
        *values = selectValues;
}
