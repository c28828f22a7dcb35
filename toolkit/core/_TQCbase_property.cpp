// Base object: properties read and written by name, through the class
// record's descriptors or the property-inheriting child.
#include "_TQCbase.h"

#include <cstdint>
#include <cstring>

#include "_TQCclassInformation.h"
#include "_TQCindexVariantData.h"
#include "_TQCproperty.h"
#include "_TQGFcolor.h"
#include "_TQGFimage.h"
#include "_TQGFstring.h"

namespace {

const long kNewestColourNumber = 1023;

char g_emptyText[1] = "";

// The texts an image property reads as "no image".
bool meansNoImage(const char* text)
{
    static const char* const names[] = { "", "NULL", "NONE", "null", "None" };
    for (const char* name : names) {
        if (std::strcmp(text, name) == 0)
            return true;
    }
    return false;
}

} // namespace

// Before initialize() the object has no class record and knows no name.
TQCproperty* TQCbase::findProperty(const char* name)
{
    if (classInfo == nullptr || name == nullptr)
        return nullptr;
    TQCproperty* prop = nullptr;
    return classInfo->getPropObj(name, &prop) ? prop : nullptr;
}

long TQCbase::setProperty(const char* name, const TQCvariant& value)
{
    TQCproperty* prop = findProperty(name);
    if (prop == nullptr) {
        TQCbase* child = getPropertyInheritChild();
        return child != nullptr ? child->setProperty(name, value) : 0;
    }
    TQCpropertyValue cell = {};
    switch (prop->getPropObjType()) {
    case TQPROP_LONG:
        cell.l = value.getLong();
        break;
    case TQPROP_ULONG:
        cell.ul = value.getUnsignedLong();
        break;
    case TQPROP_SHORT:
        if (prop->isPixmapPropObj()) {
            setImageProperty(prop, value);
            return 1;
        }
        cell.s = value.getShort();
        if (prop->isColorPropObj() && cell.s == 0 && value.getType() == TQVT_CHARPTR)
            cell.s = TQGFcolor(value.getCharPtrConst());
        break;
    case TQPROP_USHORT:
        cell.us = value.getUnsignedShort();
        break;
    case TQPROP_CHAR:
        cell.c = value.getChar();
        break;
    case TQPROP_UCHAR:
        cell.uc = value.getUnsignedChar();
        break;
    case TQPROP_FLOAT:
        cell.f = value.getFloat();
        break;
    case TQPROP_DOUBLE:
        cell.d = value.getDouble();
        break;
    case TQPROP_POINTER:
        cell.p = value.getVoidPtr();
        break;
    case TQPROP_STRING: {
        TQCvariant copy(value);
        const char* text = copy.getCharPtr();
        setStringProperty(prop, text != nullptr ? text : "");
        return 1;
    }
    case TQPROP_BOOL: {
        char truth = value.getChar();
        if (truth == 0 && value.getType() == TQVT_CHARPTR) {
            const char* text = value.getCharPtrConst();
            truth = std::strcmp(text, "True") == 0 || std::strcmp(text, "true") == 0 ? 1 : 0;
        }
        cell.uc = static_cast<unsigned char>(truth);
        break;
    }
    default:
        return 0;
    }
    prop->setValue(this, &cell);
    return 1;
}

void TQCbase::setProperties(TQCindexVariantData& values)
{
    for (long i = 0; i < values.getNum(); ++i)
        setProperty(values.getIndex(i), *values.getData(i));
}

void TQCbase::applyMadeValues()
{
    TQCindexVariantData made;
    getMadeValues(&made);
    setProperties(made);
}

// The object keeps its string; the set handler takes a copy the object then
// owns, and the string it replaced is freed.
void TQCbase::setStringProperty(TQCproperty* prop, const char* text)
{
    char* current = nullptr;
    prop->getValue(this, &current);
    if (std::strcmp(current != nullptr ? current : "", text) == 0)
        return;
    char* copy = TQGFstrdup(text);
    if (prop->setValue(this, &copy) != 0) {
        delete[] copy;
        return;
    }
    delete[] current;
}

// Images are set by name: numbers and the "no image" texts give -1.
void TQCbase::setImageProperty(TQCproperty* prop, const TQCvariant& value)
{
    short no = -1;
    if (value.getType() == TQVT_CHARPTR && !meansNoImage(value.getCharPtrConst()))
        no = resolveImageName(prop, value.getCharPtrConst());
    prop->setValue(this, &no);
}

short TQCbase::resolveImageName(TQCproperty* prop, const char* text)
{
    if (state.keepPixmapCache)
        return TQGFimage(text);
    short current = -1;
    prop->getValue(this, &current);
    if (current != -1 && current != 0)
        return TQGFimage(text, current);
    return TQGFimage(text);
}

TQCvariant TQCbase::getProperty(const char* name)
{
    TQCproperty* prop = findProperty(name);
    if (prop == nullptr) {
        TQCbase* child = getPropertyInheritChild();
        return child != nullptr ? child->getProperty(name) : TQCvariant(static_cast<const char*>(""));
    }
    TQCpropertyValue cell = {};
    prop->getValue(this, &cell);
    switch (prop->getPropObjType()) {
    case TQPROP_LONG:
        return TQCvariant(cell.l);
    case TQPROP_ULONG:
        return TQCvariant(cell.ul);
    case TQPROP_SHORT:
        if (prop->isPixmapPropObj())
            return TQCvariant(TQGFimageName(cell.s));
        if (prop->isColorPropObj())
            return TQCvariant(TQGFcolorName(cell.s));
        return TQCvariant(cell.s);
    case TQPROP_USHORT:
        return TQCvariant(cell.us);
    case TQPROP_CHAR:
        return TQCvariant(cell.c);
    case TQPROP_UCHAR:
        return TQCvariant(cell.uc);
    case TQPROP_FLOAT:
        return TQCvariant(cell.f);
    case TQPROP_DOUBLE:
        return TQCvariant(cell.d);
    case TQPROP_POINTER:
        return TQCvariant(static_cast<unsigned long>(reinterpret_cast<uintptr_t>(cell.p)));
    case TQPROP_STRING:
        return TQCvariant(cell.str != nullptr ? cell.str : g_emptyText);
    case TQPROP_BOOL:
        return TQCvariant(static_cast<int>(cell.uc != 0 ? 1 : 0));
    default:
        return TQCvariant(static_cast<const char*>(""));
    }
}

long TQCbase::existProperty(const char* name)
{
    if (findProperty(name) != nullptr)
        return 1;
    TQCbase* child = getPropertyInheritChild();
    return child != nullptr ? child->existProperty(name) : 0;
}

long TQCbase::setDefaultValue(const char* name)
{
    TQCproperty* prop = findProperty(name);
    if (prop == nullptr)
        return 0;
    prop->setDefaultValue(this);
    return 1;
}

long TQCbase::isDefaultValue(const char* name, unsigned char* result)
{
    TQCproperty* prop = findProperty(name);
    if (prop != nullptr) {
        if (result != nullptr)
            *result = static_cast<unsigned char>(prop->isDefaultValue(this));
        return 0;
    }
    TQCbase* child = getPropertyInheritChild();
    return child != nullptr ? child->isDefaultValue(name, result) : -1;
}

TQClistData* TQCbase::getPropertyList()
{
    return classInfo != nullptr ? classInfo->getAllPropertyList() : nullptr;
}

TQCproperty* TQCbase::getPropObj(const char* name)
{
    return findProperty(name);
}

long TQCbase::getPropObjArray(TQClistData* list)
{
    if (classInfo == nullptr || list == nullptr)
        return 0;
    TQClistData* buckets = classInfo->getHashTable();
    for (long b = 0; b < TQCclassInformation::HASH_BUCKETS; ++b) {
        // Pairs of (contributing record, descriptor).
        for (long i = 1; i < buckets[b].getNum(); i += 2)
            list->add(buckets[b].getData(i));
    }
    return 0;
}

long TQCbase::getPropertyArray(TQClistData* list, unsigned char all)
{
    if (classInfo == nullptr || list == nullptr)
        return 0;
    TQClistData* props = classInfo->getAllPropertyList();
    for (long i = 0; i < props->getNum(); ++i) {
        TQCproperty* prop = static_cast<TQCproperty*>(props->getData(i));
        if (!all && prop->isDefaultValue(this))
            continue;
        TQCvariant value = getProperty(prop->getPropObjName());
        const char* text = value.getCharPtr();
        list->add(TQGFstrdup(prop->getPropObjName()));
        list->add(TQGFstrdup(text != nullptr ? text : ""));
    }
    return 0;
}

template <typename T>
long TQCbase::setTyped(const char* name, T value, int code1, int code2)
{
    TQCproperty* prop = findProperty(name);
    if (prop == nullptr) {
        TQCbase* child = getPropertyInheritChild();
        return child != nullptr ? child->setPropertyV(name, value) : 0;
    }
    int type = prop->getPropObjType();
    if (type != code1 && type != code2)
        return 0;
    prop->setValue(this, &value);
    return 1;
}

template <typename T>
long TQCbase::getTyped(const char* name, T* out, int code1, int code2)
{
    TQCproperty* prop = findProperty(name);
    if (prop == nullptr) {
        TQCbase* child = getPropertyInheritChild();
        return child != nullptr ? child->getPropertyV(name, out) : 0;
    }
    int type = prop->getPropObjType();
    if (type != code1 && type != code2)
        return 0;
    prop->getValue(this, out);
    return 1;
}

long TQCbase::setPropertyV(const char* name, char value)
{
    return setTyped(name, value, TQPROP_CHAR, TQPROP_BOOL);
}

long TQCbase::setPropertyV(const char* name, unsigned char value)
{
    return setTyped(name, value, TQPROP_UCHAR, TQPROP_BOOL);
}

long TQCbase::setPropertyV(const char* name, short value)
{
    return setTyped(name, value, TQPROP_SHORT, TQPROP_SHORT);
}

long TQCbase::setPropertyV(const char* name, unsigned short value)
{
    return setTyped(name, value, TQPROP_USHORT, TQPROP_USHORT);
}

long TQCbase::setPropertyV(const char* name, long value)
{
    return setTyped(name, value, TQPROP_LONG, TQPROP_LONG);
}

long TQCbase::setPropertyV(const char* name, unsigned long value)
{
    return setTyped(name, value, TQPROP_ULONG, TQPROP_ULONG);
}

long TQCbase::setPropertyV(const char* name, int value)
{
    return setPropertyV(name, static_cast<long>(value));
}

long TQCbase::setPropertyV(const char* name, unsigned int value)
{
    return setPropertyV(name, static_cast<unsigned long>(value));
}

long TQCbase::setPropertyV(const char* name, float value)
{
    return setTyped(name, value, TQPROP_FLOAT, TQPROP_FLOAT);
}

long TQCbase::setPropertyV(const char* name, double value)
{
    return setTyped(name, value, TQPROP_DOUBLE, TQPROP_DOUBLE);
}

long TQCbase::setPropertyV(const char* name, void* value)
{
    return setTyped(name, value, TQPROP_POINTER, TQPROP_POINTER);
}

long TQCbase::setPropertyV(const char* name, const char* text)
{
    TQCproperty* prop = findProperty(name);
    if (prop == nullptr) {
        TQCbase* child = getPropertyInheritChild();
        return child != nullptr ? child->setPropertyV(name, text) : 0;
    }
    if (text == nullptr)
        text = "";
    if (prop->getPropObjType() == TQPROP_STRING) {
        setStringProperty(prop, text);
        return 1;
    }
    if (prop->isColorPropObj()) {
        short no = TQGFcolor(text);
        prop->setValue(this, &no);
        return 1;
    }
    if (prop->isPixmapPropObj()) {
        short no = meansNoImage(text) ? -1 : resolveImageName(prop, text);
        prop->setValue(this, &no);
        return 1;
    }
    return 0;
}

long TQCbase::setPropertyV(const char* name, const TQCvariant& value)
{
    return setProperty(name, value);
}

long TQCbase::getPropertyV(const char* name, char* out)
{
    return getTyped(name, out, TQPROP_CHAR, TQPROP_BOOL);
}

long TQCbase::getPropertyV(const char* name, unsigned char* out)
{
    return getTyped(name, out, TQPROP_UCHAR, TQPROP_BOOL);
}

long TQCbase::getPropertyV(const char* name, short* out)
{
    return getTyped(name, out, TQPROP_SHORT, TQPROP_SHORT);
}

long TQCbase::getPropertyV(const char* name, unsigned short* out)
{
    return getTyped(name, out, TQPROP_USHORT, TQPROP_USHORT);
}

long TQCbase::getPropertyV(const char* name, long* out)
{
    return getTyped(name, out, TQPROP_LONG, TQPROP_LONG);
}

long TQCbase::getPropertyV(const char* name, unsigned long* out)
{
    return getTyped(name, out, TQPROP_ULONG, TQPROP_ULONG);
}

long TQCbase::getPropertyV(const char* name, int* out)
{
    long value = 0;
    long found = getPropertyV(name, &value);
    if (found && out != nullptr)
        *out = static_cast<int>(value);
    return found;
}

long TQCbase::getPropertyV(const char* name, unsigned int* out)
{
    unsigned long value = 0;
    long found = getPropertyV(name, &value);
    if (found && out != nullptr)
        *out = static_cast<unsigned int>(value);
    return found;
}

long TQCbase::getPropertyV(const char* name, float* out)
{
    return getTyped(name, out, TQPROP_FLOAT, TQPROP_FLOAT);
}

long TQCbase::getPropertyV(const char* name, double* out)
{
    return getTyped(name, out, TQPROP_DOUBLE, TQPROP_DOUBLE);
}

long TQCbase::getPropertyV(const char* name, void** out)
{
    return getTyped(name, out, TQPROP_POINTER, TQPROP_POINTER);
}

long TQCbase::getPropertyV(const char* name, char** out)
{
    TQCproperty* prop = findProperty(name);
    if (prop == nullptr) {
        TQCbase* child = getPropertyInheritChild();
        return child != nullptr ? child->getPropertyV(name, out) : 0;
    }
    if (prop->getPropObjType() == TQPROP_STRING) {
        char* text = nullptr;
        prop->getValue(this, &text);
        *out = text != nullptr ? text : g_emptyText;
        return 1;
    }
    if (!prop->isColorPropObj() && !prop->isPixmapPropObj())
        return 0;
    short no = 0;
    prop->getValue(this, &no);
    if (prop->isPixmapPropObj())
        *out = TQGFimageName(no);
    else
        *out = no <= kNewestColourNumber ? TQGFltoa(no) : TQGFcolorName(no);
    return 1;
}
