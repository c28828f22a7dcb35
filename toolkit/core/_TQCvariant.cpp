// Tagged value with the toolkit's fixed conversion rules.
#include "_TQCvariant.h"

#include "_TQGFstring.h"

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const unsigned char kBorrowed = 0x01;    // the text belongs to someone else
const unsigned char kOwnsNothing = 0x02; // nothing to free on clear

char g_emptyText[1] = {0};

const char* const kTypeNames[] = {
    "long", "unsigned long", "short", "unsigned short", "char",
    "unsigned uchar", "float", "double", "void*", "char*", nullptr,
    "TQCbool", "int", "unsigned int",
};

// Floating values are truncated toward zero into an integer of a given
// width; out of its range (NaN included) they give its most negative value.
int16_t truncTo16(double d)
{
    if (d > -32769.0 && d < 32768.0)
        return static_cast<int16_t>(d);
    return INT16_MIN;
}

int32_t truncTo32(double d)
{
    if (d > -2147483649.0 && d < 2147483648.0)
        return static_cast<int32_t>(d);
    return INT32_MIN;
}

int64_t truncTo64(double d)
{
    if (d >= -9223372036854775808.0 && d < 9223372036854775808.0)
        return static_cast<int64_t>(d);
    return INT64_MIN;
}

// atoi and atol without their undefined behaviour on overflow.
int32_t textToInt(const char* text)
{
    long v = strtol(text, nullptr, 10);
    if (v > INT32_MAX)
        return INT32_MAX;
    if (v < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(v);
}

uint32_t textToUnsigned(const char* text)
{
    return static_cast<uint32_t>(TQGFatol(text));
}

char* formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));

char* formatted(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    int n = vsnprintf(nullptr, 0, format, args);
    va_end(args);
    if (n < 0)
        n = 0;
    char* out = new char[n + 1];
    vsnprintf(out, n + 1, format, again);
    va_end(again);
    out[n] = '\0';
    return out;
}

} // namespace

TQCvariant::TQCvariant()
    : value(0), rendering(nullptr), typeName(nullptr), type(TQVT_LONG), flags(kOwnsNothing)
{
}

TQCvariant::TQCvariant(char v) : TQCvariant() { setValue(v); }
TQCvariant::TQCvariant(unsigned char v) : TQCvariant() { setValue(v); }
TQCvariant::TQCvariant(short v) : TQCvariant() { setValue(v); }
TQCvariant::TQCvariant(unsigned short v) : TQCvariant() { setValue(v); }
TQCvariant::TQCvariant(long v) : TQCvariant() { setValue(v); }
TQCvariant::TQCvariant(unsigned long v) : TQCvariant() { setValue(v); }
TQCvariant::TQCvariant(int v) : TQCvariant() { setValue(v); }
TQCvariant::TQCvariant(unsigned int v) : TQCvariant() { setValue(v); }
TQCvariant::TQCvariant(float v) : TQCvariant() { setValue(v); }
TQCvariant::TQCvariant(double v) : TQCvariant() { setValue(v); }
TQCvariant::TQCvariant(void* p, const char* name) : TQCvariant() { setValue(p, name); }
TQCvariant::TQCvariant(TQCbase* object) : TQCvariant() { setValue(object); }
TQCvariant::TQCvariant(char* text) : TQCvariant() { setValue(text); }
TQCvariant::TQCvariant(const char* text) : TQCvariant() { setValue(text); }

TQCvariant::TQCvariant(const TQCvariant& other)
    : TQCvariant()
{
    copyFrom(other);
}

TQCvariant::~TQCvariant()
{
    if (!(flags & kOwnsNothing))
        clear();
}

TQCvariant& TQCvariant::operator=(const TQCvariant& other)
{
    if (this != &other) {
        clear();
        copyFrom(other);
    }
    return *this;
}

// Expects a cleared variant. Borrowed text stays borrowed; everything owned
// is duplicated; the rendering is made again when asked for.
void TQCvariant::copyFrom(const TQCvariant& other)
{
    type = other.type;
    value = other.value;
    flags = kOwnsNothing;
    if (other.typeName) {
        typeName = TQGFstrdup(other.typeName);
        flags &= ~kOwnsNothing;
    }
    if (type == TQVT_CHARPTR) {
        if (other.flags & kBorrowed)
            storeText(reinterpret_cast<char*>(other.value), true);
        else
            storeText(TQGFstrdup(reinterpret_cast<const char*>(other.value)), false);
    } else if (type == TQVT_DOUBLE) {
        value = reinterpret_cast<uintptr_t>(new double(other.floatingValue()));
        flags &= ~kOwnsNothing;
    }
}

void TQCvariant::clear()
{
    delete[] rendering;
    rendering = nullptr;
    if (type == TQVT_DOUBLE) {
        delete reinterpret_cast<double*>(value);
        value = 0;
    } else if (type == TQVT_CHARPTR) {
        if (!(flags & kBorrowed))
            delete[] reinterpret_cast<char*>(value);
        value = 0;
    }
    delete[] typeName;
    typeName = nullptr;
    type = TQVT_LONG;
    flags = kOwnsNothing;
}

void TQCvariant::clearIfOwning()
{
    if (!(flags & kOwnsNothing))
        clear();
}

// Every setter leaves flags that describe the new value alone, so a variant
// that borrowed text forgets it once it holds something else.
void TQCvariant::storeInteger(unsigned char code, uint32_t bits)
{
    clearIfOwning();
    type = code;
    value = bits;
    flags = kOwnsNothing;
}

void TQCvariant::storeText(char* text, bool borrowed)
{
    type = TQVT_CHARPTR;
    value = reinterpret_cast<uintptr_t>(text);
    flags = borrowed ? (kBorrowed | kOwnsNothing) : (text ? 0 : kOwnsNothing);
}

void TQCvariant::setValue(char v) { storeInteger(TQVT_CHAR, static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(v)))); }
void TQCvariant::setValue(unsigned char v) { storeInteger(TQVT_UCHAR, v); }
void TQCvariant::setValue(short v) { storeInteger(TQVT_SHORT, static_cast<uint32_t>(static_cast<int32_t>(v))); }
void TQCvariant::setValue(unsigned short v) { storeInteger(TQVT_USHORT, v); }
void TQCvariant::setValue(long v) { storeInteger(TQVT_LONG, static_cast<uint32_t>(v)); }
void TQCvariant::setValue(unsigned long v) { storeInteger(TQVT_ULONG, static_cast<uint32_t>(v)); }
void TQCvariant::setValue(int v) { storeInteger(TQVT_INT, static_cast<uint32_t>(v)); }
void TQCvariant::setValue(unsigned int v) { storeInteger(TQVT_UINT, v); }

void TQCvariant::setValue(float v)
{
    uint32_t bits;
    memcpy(&bits, &v, sizeof bits);
    storeInteger(TQVT_FLOAT, bits);
}

void TQCvariant::setValue(double v)
{
    clearIfOwning();
    type = TQVT_DOUBLE;
    value = reinterpret_cast<uintptr_t>(new double(v));
    flags = 0;
}

void TQCvariant::setValue(char* text)
{
    // The toolkit never passes null text; keep the variant usable if it does.
    // Copied before clearing: it may be this variant's text or rendering.
    char* copy = TQGFstrdup(text ? text : "");
    clearIfOwning();
    storeText(copy, false);
}

void TQCvariant::setValue(const char* text)
{
    clearIfOwning();
    storeText(const_cast<char*>(text), true);
}

void TQCvariant::setValue(void* p, const char* name)
{
    // Copied before clearing: it may be this variant's own type name.
    char* copy = TQGFstrdup(name);
    clearIfOwning();
    type = TQVT_VOIDPTR;
    value = reinterpret_cast<uintptr_t>(p);
    flags = copy ? 0 : kOwnsNothing;
    delete[] typeName;
    typeName = copy;
}

void TQCvariant::setValue(TQCbase* object)
{
    setValue(static_cast<void*>(object), "TQCbase*");
}

TQCvariant& TQCvariant::operator=(char v) { setValue(v); return *this; }
TQCvariant& TQCvariant::operator=(unsigned char v) { setValue(v); return *this; }
TQCvariant& TQCvariant::operator=(short v) { setValue(v); return *this; }
TQCvariant& TQCvariant::operator=(unsigned short v) { setValue(v); return *this; }
TQCvariant& TQCvariant::operator=(long v) { setValue(v); return *this; }
TQCvariant& TQCvariant::operator=(unsigned long v) { setValue(v); return *this; }
TQCvariant& TQCvariant::operator=(int v) { setValue(v); return *this; }
TQCvariant& TQCvariant::operator=(unsigned int v) { setValue(v); return *this; }
TQCvariant& TQCvariant::operator=(float v) { setValue(v); return *this; }
TQCvariant& TQCvariant::operator=(double v) { setValue(v); return *this; }
TQCvariant& TQCvariant::operator=(char* text) { setValue(text); return *this; }
TQCvariant& TQCvariant::operator=(const char* text) { setValue(text); return *this; }
TQCvariant& TQCvariant::operator=(void* p) { setValue(p, nullptr); return *this; }
TQCvariant& TQCvariant::operator=(TQCbase* object) { setValue(object); return *this; }

unsigned char TQCvariant::getType() const
{
    return type;
}

const char* TQCvariant::getTypeName() const
{
    if (typeName)
        return typeName;
    if (type > TQVT_UINT)
        return "long";
    return kTypeNames[type];
}

bool TQCvariant::isIntegerLike() const
{
    switch (type) {
    case TQVT_LONG: case TQVT_ULONG: case TQVT_SHORT: case TQVT_USHORT:
    case TQVT_CHAR: case TQVT_UCHAR: case TQVT_VOIDPTR: case TQVT_INT:
    case TQVT_UINT:
        return true;
    default:
        return false;
    }
}

bool TQCvariant::isFloating() const
{
    return type == TQVT_FLOAT || type == TQVT_DOUBLE;
}

double TQCvariant::floatingValue() const
{
    if (type == TQVT_FLOAT) {
        float f;
        uint32_t bits = static_cast<uint32_t>(value);
        memcpy(&f, &bits, sizeof f);
        return f;
    }
    const double* boxed = reinterpret_cast<const double*>(value);
    return boxed ? *boxed : 0.0;
}

const char* TQCvariant::textValue() const
{
    const char* text = reinterpret_cast<const char*>(value);
    return text ? text : "";
}

void* TQCvariant::pointerValue() const
{
    return reinterpret_cast<void*>(value);
}

static int32_t signedBits(uintptr_t value)
{
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

char TQCvariant::getChar() const
{
    int32_t v;
    if (isIntegerLike())
        v = signedBits(value);
    else if (isFloating())
        v = truncTo16(floatingValue());
    else if (type == TQVT_CHARPTR)
        v = textToInt(textValue());
    else
        return 0;
    return static_cast<char>(static_cast<int8_t>(v & 0xFF));
}

unsigned char TQCvariant::getUnsignedChar() const
{
    return static_cast<unsigned char>(getChar());
}

short TQCvariant::getShort() const
{
    if (isIntegerLike())
        return static_cast<short>(static_cast<int16_t>(value & 0xFFFF));
    if (isFloating())
        return truncTo16(floatingValue());
    if (type == TQVT_CHARPTR)
        return static_cast<short>(static_cast<int16_t>(textToInt(textValue()) & 0xFFFF));
    return 0;
}

unsigned short TQCvariant::getUnsignedShort() const
{
    if (isIntegerLike())
        return static_cast<unsigned short>(value & 0xFFFF);
    if (isFloating())
        return static_cast<unsigned short>(truncTo32(floatingValue()) & 0xFFFF);
    if (type == TQVT_CHARPTR)
        return static_cast<unsigned short>(textToInt(textValue()) & 0xFFFF);
    return 0;
}

long TQCvariant::getLong() const
{
    if (isIntegerLike())
        return signedBits(value);
    if (isFloating())
        return truncTo32(floatingValue());
    if (type == TQVT_CHARPTR)
        return textToInt(textValue());
    return 0;
}

int TQCvariant::getInt() const
{
    return static_cast<int>(getLong());
}

unsigned long TQCvariant::getUnsignedLong() const
{
    if (isIntegerLike())
        return static_cast<uint32_t>(value);
    if (isFloating())
        return static_cast<uint32_t>(static_cast<uint64_t>(truncTo64(floatingValue())));
    if (type == TQVT_CHARPTR)
        return textToUnsigned(textValue());
    return 0;
}

unsigned int TQCvariant::getUnsignedInt() const
{
    return static_cast<unsigned int>(getUnsignedLong());
}

void* TQCvariant::getVoidPtr() const
{
    if (isIntegerLike())
        return pointerValue();
    if (isFloating())
        return reinterpret_cast<void*>(static_cast<uintptr_t>(static_cast<uint32_t>(truncTo32(floatingValue()))));
    if (type == TQVT_CHARPTR)
        return reinterpret_cast<void*>(static_cast<uintptr_t>(textToUnsigned(textValue())));
    return nullptr;
}

float TQCvariant::getFloat() const
{
    if (isIntegerLike())
        return static_cast<float>(signedBits(value));
    if (isFloating())
        return static_cast<float>(floatingValue());
    if (type == TQVT_CHARPTR)
        return static_cast<float>(strtod(textValue(), nullptr));
    return 0.0f;
}

double TQCvariant::getDouble() const
{
    if (isIntegerLike())
        return signedBits(value);
    if (isFloating())
        return floatingValue();
    if (type == TQVT_CHARPTR)
        return strtod(textValue(), nullptr);
    return 0.0;
}

TQCbase* TQCvariant::getInstancePtr() const
{
    if (type == TQVT_VOIDPTR && typeName && strcmp(typeName, "TQCbase*") == 0)
        return static_cast<TQCbase*>(pointerValue());
    return nullptr;
}

char* TQCvariant::getCharPtr() const
{
    if (type == TQVT_CHARPTR)
        return value ? reinterpret_cast<char*>(value) : g_emptyText;
    if (rendering)
        return rendering;
    if (isIntegerLike())
        rendering = formatted("%ld", static_cast<long>(signedBits(value)));
    else if (isFloating())
        rendering = formatted("%10.10lf", floatingValue());
    else
        return g_emptyText;
    flags &= ~kOwnsNothing;
    return rendering;
}

const char* TQCvariant::getCharPtrConst() const
{
    return type == TQVT_CHARPTR ? textValue() : "";
}

unsigned char TQCvariant::getNoAllocated() const
{
    return (flags & kBorrowed) ? 1 : 0;
}

void TQCvariant::setNoAllocated(unsigned char borrowed)
{
    if (borrowed)
        flags |= kBorrowed;
    else
        flags &= ~kBorrowed;
    if (type != TQVT_CHARPTR)
        return;
    // Text is the only thing a text variant can own.
    if (borrowed || !value)
        flags |= kOwnsNothing;
    else
        flags &= ~kOwnsNothing;
}
