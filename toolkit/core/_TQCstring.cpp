// Encoding-tagged text. Conversions go through the application code
// converter; character editing goes through the UTF-8 form of the text.
#include "_TQCstring.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <memory>

#include "_TQDcodeConvert.h"
#include "_TQGFstring.h"

namespace {

char emptyText[1] = "";

const long kUtf8 = 16;
const long kSjis = 21;
const long kEveryOccurrence = 0x7FFE8001;

typedef std::unique_ptr<char[]> OwnedText;

// Converts a NUL-terminated text between two resolved codes into a new
// array: measure first, then convert into a buffer of that size.
char* convertText(const char* src, long from, long to)
{
    TQDcodeConvert* cc = TQGIappCodeConvert();
    int length = cc->codeConvert(nullptr, 0, to, src, -1, from);
    if (length < 0)
        length = 0;
    char* out = new char[length + 1];
    out[0] = '\0';
    cc->codeConvert(out, length + 1, to, src, -1, from);
    out[length] = '\0';
    return out;
}

char* copyText(const char* src)
{
    return TQGFstrdup(src ? src : "");
}

// Byte length of the UTF-8 character at p, kept within the bytes left so
// that a converter answering 0 or too much cannot stall or overrun a walk.
long charLength(TQDcodeConvert* cc, const char* p, long left)
{
    long n = cc->utf8CharLen(p, static_cast<int>(left));
    if (n < 1)
        n = 1;
    return n > left ? left : n;
}

bool isWordBreak(u16 c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == 0;
}

// Shift_JIS byte kinds: below 0x80 and 0xA0-0xDF are one-byte characters,
// every other high byte leads a two-byte character.
bool isSjisLead(unsigned char b)
{
    return b >= 0x80 && !(b >= 0xA0 && b <= 0xDF);
}

// Whether byte position p of a Shift_JIS text of length n starts a
// character, for the one-byte separator s found there.
bool sjisStartsChar(const char* text, long p, long n, unsigned char s)
{
    auto at = [text](long i) { return static_cast<unsigned char>(text[i]); };
    // Nothing leads with a byte below 0x80, so what follows one is a start.
    if (p > 0 && s < 0x80 && at(p - 1) < 0x80)
        return true;
    // Walk from a position known to start a character: a byte below 0x40
    // is never a trail byte, and position 0 always starts one. (A high byte
    // can be a trail byte, so it is no safe place to start the walk.)
    long q = 0;
    for (long i = p; i >= 1; --i) {
        if (at(i) < 0x40) {
            q = i;
            break;
        }
    }
    if (s >= 0x80 || q >= n)
        return false;
    for (long i = q; i < n;) {
        if (i == p)
            return true;
        if (i > p)
            return false;
        i += isSjisLead(at(i)) ? 2 : 1;
    }
    return false;
}

} // namespace

// ---------------------------------------------------------------------------
// Construction and ownership

TQCstring::TQCstring()
    : text(nullptr), encoding(-2), isStatic(0), convertedTexts(4), charCount(-1),
      readPos(0), workSize(0), workLen(0), ucs2Copy(nullptr)
{
}

TQCstring::TQCstring(const char* src, long enc) : TQCstring()
{
    text = TQGFstrdup(src);
    encoding = static_cast<short>(enc);
}

TQCstring::TQCstring(TQCvariant& value, long enc) : TQCstring()
{
    setFromVariant(value, enc);
}

TQCstring::TQCstring(const TQCvariant& value, long enc) : TQCstring()
{
    setFromVariant(value, enc);
}

TQCstring::TQCstring(const TQCstring& other) : TQCstring()
{
    encoding = other.encoding;
    isStatic = other.isStatic;
    charCount = other.charCount;
    text = other.isStatic ? other.text : TQGFstrdup(other.text);
}

TQCstring::~TQCstring()
{
    clear();
}

void TQCstring::setFromVariant(const TQCvariant& value, long enc)
{
    text = TQGFstrdup(value.getCharPtr());
    encoding = static_cast<short>(enc);
}

TQCstring& TQCstring::operator=(const TQCstring& other)
{
    if (this == &other)
        return *this;
    char* copy = other.isStatic ? other.text : TQGFstrdup(other.text);
    freeText();
    text = copy;
    isStatic = other.isStatic;
    encoding = other.encoding;
    readPos = 0;
    dropDerivedData();
    charCount = other.charCount;
    return *this;
}

TQCstring& TQCstring::operator=(const char* src)
{
    setString(src, -2);
    return *this;
}

TQCstring& TQCstring::operator=(const TQCvariant& value)
{
    setString(value.getCharPtr(), -2);
    return *this;
}

void TQCstring::clear()
{
    freeText();
    readPos = 0;
    encoding = -2;
    dropDerivedData();
}

long TQCstring::resolve(long enc)
{
    if (enc == -2)
        enc = TQGFgetDefaultEncoding();
    if (enc == -1)
        enc = TQGFgetSystemDefaultEncoding();
    return enc;
}

long TQCstring::ownEncoding() const
{
    return resolve(encoding);
}

long TQCstring::textLength() const
{
    return text ? static_cast<long>(std::strlen(text)) : 0;
}

void TQCstring::dropDerivedData()
{
    long n = convertedTexts.getNum();
    for (long i = 1; i < n; i += 2)
        delete[] static_cast<char*>(convertedTexts.getData(i));
    convertedTexts.clear();
    charCount = -1;
    workSize = 0;
    workLen = 0;
    delete[] ucs2Copy;
    ucs2Copy = nullptr;
}

void TQCstring::freeText()
{
    if (text && !isStatic)
        delete[] text;
    text = nullptr;
    isStatic = 0;
}

// Replaces the text by a new own array and forgets everything made from the
// old one.
void TQCstring::takeText(char* own)
{
    freeText();
    text = own;
    dropDerivedData();
    keepCursorInText();
}

void TQCstring::makeOwn()
{
    if (text && isStatic) {
        text = TQGFstrdup(text);
        isStatic = 0;
        workSize = 0;
        workLen = 0;
    }
}

// An edit that shortens the text must not leave the read cursor past it.
void TQCstring::keepCursorInText()
{
    long length = textLength();
    if (readPos > length)
        readPos = length;
    if (readPos < 0)
        readPos = 0;
}

// ---------------------------------------------------------------------------
// Setting

void TQCstring::setString(const char* src, long enc)
{
    // Copy first: the text may be this string's own or one of its copies.
    char* copy = (src && *src) ? TQGFstrdup(src) : nullptr;
    freeText();
    dropDerivedData();
    text = copy;
    encoding = static_cast<short>(resolve(enc));
    readPos = 0;
}

void TQCstring::setStringEx(const char* src, long length, long enc)
{
    char* copy = src ? TQGFstrdup(src, length) : nullptr;
    if (copy && !*copy) {
        delete[] copy;
        copy = nullptr;
    }
    freeText();
    dropDerivedData();
    text = copy;
    encoding = static_cast<short>(resolve(enc));
    readPos = 0;
}

void TQCstring::setStaticString(const char* src, long enc)
{
    freeText();
    dropDerivedData();
    if (src && *src) {
        text = const_cast<char*>(src);
        isStatic = 1;
    }
    encoding = static_cast<short>(resolve(enc));
    readPos = 0;
}

long TQCstring::setEncoding(long enc)
{
    long target = resolve(enc);
    long previous = ownEncoding();
    if (target == previous)
        return previous;
    if (text) {
        char* converted = convertText(text, previous, target);
        freeText();
        text = converted;
    }
    encoding = static_cast<short>(target);
    dropDerivedData();
    readPos = 0;
    return previous;
}

long TQCstring::getEncoding() const
{
    return ownEncoding();
}

// ---------------------------------------------------------------------------
// Reading

char* TQCstring::findConverted(long enc) const
{
    long n = convertedTexts.getNum();
    for (long i = 0; i + 1 < n; i += 2) {
        if (reinterpret_cast<intptr_t>(convertedTexts.getData(i)) == enc)
            return static_cast<char*>(convertedTexts.getData(i + 1));
    }
    return nullptr;
}

char* TQCstring::getString(long enc)
{
    if (!text)
        return emptyText;
    if (enc == encoding)
        return text;
    long target = resolve(enc);
    long own = ownEncoding();
    if (target == 0 || target == own)
        return text;
    char* converted = findConverted(target);
    if (!converted) {
        converted = convertText(text, own, target);
        convertedTexts.add(reinterpret_cast<void*>(static_cast<intptr_t>(target)), -1);
        convertedTexts.add(converted, -1);
    }
    return converted;
}

TQCstring::operator char*()
{
    return getString(-2);
}

TQCstring::operator TQCvariant()
{
    return TQCvariant(getString(-2));
}

long TQCstring::operator==(const TQCstring& other)
{
    char* mine = getString(-2);
    char* theirs = const_cast<TQCstring&>(other).getString(-2);
    return std::strcmp(mine, theirs) == 0 ? 1 : 0;
}

long TQCstring::getChars()
{
    if (!text)
        return 0;
    if (charCount >= 0)
        return charCount;
    const char* utf8 = getString(kUtf8);
    TQDcodeConvert* cc = TQGIappCodeConvert();
    long left = static_cast<long>(std::strlen(utf8));
    long count = 0;
    for (long at = 0; at < left; ++count)
        at += charLength(cc, utf8 + at, left - at);
    charCount = count;
    return count;
}

u16* TQCstring::getInternalUcs2()
{
    if (!text || !*text)
        return nullptr;
    if (!ucs2Copy)
        ucs2Copy = TQGFgetUCS2(text, ownEncoding());
    return ucs2Copy;
}

// ---------------------------------------------------------------------------
// Appending

void TQCstring::addString(const char* src, long enc)
{
    if (!src || !*src)
        return;
    if (!text) {
        setString(src, enc);
        return;
    }
    // The appended text may be this string's own text or one of its copies.
    OwnedText added(TQGFstrdup(src));
    makeOwn();
    long from = resolve(enc);
    long own = ownEncoding();
    if (from == own) {
        appendSameEncoding(added.get());
        return;
    }
    OwnedText ownUtf8(convertText(text, own, kUtf8));
    OwnedText addedUtf8(convertText(added.get(), from, kUtf8));
    setString(ownUtf8.get(), kUtf8);
    if (!text) {
        setString(addedUtf8.get(), kUtf8);
        return;
    }
    appendSameEncoding(addedUtf8.get());
}

void TQCstring::appendSameEncoding(const char* added)
{
    long current = workLen ? workLen : textLength();
    long extra = static_cast<long>(std::strlen(added));
    if (extra == 0)
        return;
    if (workSize > 0 && workSize > current + extra) {
        // Inside the reserved buffer: keep the reservation, drop the rest.
        std::memcpy(text + current, added, extra + 1);
        workLen = current + extra;
        long keptSize = workSize, keptLen = workLen;
        dropDerivedData();
        workSize = keptSize;
        workLen = keptLen;
        return;
    }
    char* joined = new char[current + extra + 1];
    std::memcpy(joined, text, current);
    std::memcpy(joined + current, added, extra + 1);
    takeText(joined);
}

void TQCstring::addString(const TQCstring& other)
{
    if (other.text)
        addString(other.text, other.ownEncoding());
}

void TQCstring::addString(const TQCvariant& value, long enc)
{
    addString(value.getCharPtr(), enc);
}

TQCstring& TQCstring::operator+=(const TQCstring& other)
{
    addString(other);
    return *this;
}

TQCstring& TQCstring::operator+=(const char* src)
{
    addString(src, -2);
    return *this;
}

TQCstring& TQCstring::operator+=(const TQCvariant& value)
{
    addString(value, -2);
    return *this;
}

TQCstring& TQCstring::operator<<(const TQCstring& other)
{
    addString(other);
    return *this;
}

TQCstring& TQCstring::operator<<(const char* src)
{
    addString(src, -2);
    return *this;
}

TQCstring& TQCstring::operator<<(const TQCvariant& value)
{
    addString(value, -2);
    return *this;
}

TQCstring& TQCstring::operator<<(long value)
{
    addString(TQGFltoa(value), -2);
    return *this;
}

TQCstring& TQCstring::operator<<(int value)
{
    addString(TQGFltoa(static_cast<long>(value)), -2);
    return *this;
}

TQCstring& TQCstring::operator<<(unsigned long value)
{
    addString(TQGFultoa(value), -2);
    return *this;
}

TQCstring& TQCstring::operator<<(unsigned int value)
{
    addString(TQGFultoa(static_cast<unsigned long>(value)), -2);
    return *this;
}

TQCstring& TQCstring::operator<<(double value)
{
    addString(TQGFlftoa(value), -2);
    return *this;
}

TQCstring& TQCstring::operator<<(float value)
{
    addString(TQGFftoa(value), -2);
    return *this;
}

TQCstring TQCstring::operator+(const TQCstring& other) const
{
    TQCstring result(*this);
    result.addString(other);
    return result;
}

TQCstring TQCstring::operator+(const char* src) const
{
    TQCstring result(*this);
    result.addString(src, -2);
    return result;
}

TQCstring TQCstring::operator+(const TQCvariant& value) const
{
    TQCstring result(*this);
    result.addString(value, -2);
    return result;
}

void TQCstring::setAddStringWorkLen(long n)
{
    if (n < 0)
        n = 0;
    workSize = n + 1;
    workLen = 0;
    if (!text) {
        text = new char[n + 1];
        text[0] = '\0';
        return;
    }
    long length = textLength();
    if (length < n) {
        char* room = new char[n + 1];
        std::memcpy(room, text, length + 1);
        if (!isStatic)
            delete[] text;
        text = room;
        isStatic = 0;
    }
}

// ---------------------------------------------------------------------------
// Editing by character position

char* TQCstring::utf8Copy() const
{
    if (!text)
        return copyText("");
    long own = ownEncoding();
    return own == kUtf8 ? TQGFstrdup(text) : convertText(text, own, kUtf8);
}

void TQCstring::storeFromUtf8(const char* utf8)
{
    long own = ownEncoding();
    takeText(own == kUtf8 ? TQGFstrdup(utf8) : convertText(utf8, kUtf8, own));
}

// Byte offset of character number chars, or the length when the text has
// no more characters.
long TQCstring::utf8Offset(const char* utf8, unsigned long chars) const
{
    TQDcodeConvert* cc = TQGIappCodeConvert();
    long length = static_cast<long>(std::strlen(utf8));
    long at = 0;
    for (unsigned long k = 0; k < chars && at < length; ++k)
        at += charLength(cc, utf8 + at, length - at);
    return at;
}

void TQCstring::cutString(unsigned long n)
{
    OwnedText utf8(utf8Copy());
    long end = utf8Offset(utf8.get(), n);
    if (utf8[end] == '\0')
        return;
    utf8[end] = '\0';
    storeFromUtf8(utf8.get());
}

void TQCstring::deleteChar(unsigned long pos)
{
    deleteChars(pos, 1);
}

void TQCstring::deleteChars(unsigned long pos, unsigned long n)
{
    OwnedText utf8(utf8Copy());
    long start = utf8Offset(utf8.get(), pos);
    if (utf8[start] == '\0')
        return;
    long end = start + utf8Offset(utf8.get() + start, n);
    std::memmove(utf8.get() + start, utf8.get() + end, std::strlen(utf8.get() + end) + 1);
    storeFromUtf8(utf8.get());
}

void TQCstring::insertString(unsigned long pos, TQCstring& other)
{
    if (!text) {
        setString(other.getString(-2), -2);
        return;
    }
    OwnedText inserted(TQGFstrdup(other.getString(kUtf8)));
    if (!*inserted.get())
        return;
    OwnedText utf8(utf8Copy());
    long at = utf8Offset(utf8.get(), pos);
    long length = static_cast<long>(std::strlen(utf8.get()));
    long extra = static_cast<long>(std::strlen(inserted.get()));
    OwnedText joined(new char[length + extra + 1]);
    std::memcpy(joined.get(), utf8.get(), at);
    std::memcpy(joined.get() + at, inserted.get(), extra);
    std::memcpy(joined.get() + at + extra, utf8.get() + at, length - at + 1);
    storeFromUtf8(joined.get());
}

// ---------------------------------------------------------------------------
// Searching and replacing

long TQCstring::isExist(const char* pattern, long enc)
{
    if (!pattern || !*pattern || !text)
        return -1;
    long from = resolve(enc);
    long own = ownEncoding();
    OwnedText converted(from != own ? convertText(pattern, from, own) : TQGFstrdup(pattern));
    if (!*converted.get())
        return -1;
    const char* hit = std::strstr(text, converted.get());
    if (!hit)
        return -1;
    long offset = static_cast<long>(hit - text);
    if (offset == 0)
        return 0;
    return TQGIappCodeConvert()->encode(nullptr, 0, text, static_cast<int>(offset),
                                        static_cast<int>(own));
}

long TQCstring::replaceString(const char* from, const char* to, long count, long enc)
{
    if (!from)
        return 0;
    if (!to)
        to = "";
    long given = resolve(enc);
    long own = ownEncoding();

    // A backslash pattern must not meet trail bytes: replace in UTF-8.
    if (own == kSjis && from[0] == '\\') {
        // The patterns go into UTF-8 with the text, so that a two-byte
        // replacement cannot land as raw Shift_JIS bytes in the UTF-8 copy.
        TQCstring work(getString(kUtf8), kUtf8);
        OwnedText fromUtf8(convertText(from, given, kUtf8));
        OwnedText toUtf8(convertText(to, given, kUtf8));
        long replaced = work.replaceString(fromUtf8.get(), toUtf8.get(), count, kUtf8);
        // Nothing replaced leaves the text alone rather than round-trip it.
        if (replaced > 0)
            setString(work.getString(kSjis), kSjis);
        return replaced;
    }

    OwnedText fromOwned, toOwned;
    if (own == 0 && given != 0) {
        fromOwned.reset(convertText(from, given, 0));
        toOwned.reset(convertText(to, given, 0));
        from = fromOwned.get();
        to = toOwned.get();
    }
    if (!text || !*from)
        return 0;
    if (count < 1)
        count = kEveryOccurrence;

    long length = textLength();
    long fromLen = static_cast<long>(std::strlen(from));
    long toLen = static_cast<long>(std::strlen(to));
    auto matchesAt = [&](long p) {
        return text[p] == from[0] && std::memcmp(text + p, from, fromLen) == 0;
    };

    long matches = 0;
    for (long p = 0; p + fromLen <= length && matches < count;) {
        if (matchesAt(p)) {
            ++matches;
            p += fromLen;
        } else {
            ++p;
        }
    }
    if (matches == 0)
        return 0;

    // A result longer than a long can measure is refused: its size would
    // wrap into a short buffer.
    long long grown = static_cast<long long>(matches) * (toLen - fromLen);
    if (length + grown >= LONG_MAX)
        return 0;
    long size = length + static_cast<long>(grown) + 1;
    char* result = new char[size < 1 ? 1 : size];
    long out = 0, done = 0;
    for (long p = 0; p < length;) {
        if (done < matches && p + fromLen <= length && matchesAt(p)) {
            std::memcpy(result + out, to, toLen);
            out += toLen;
            p += fromLen;
            ++done;
        } else {
            result[out++] = text[p++];
        }
    }
    result[out] = '\0';
    takeText(result);
    return matches;
}

long TQCstring::delString(const char* pattern, long count)
{
    return replaceString(pattern, "", count, -2);
}

long TQCstring::delString(const char* pattern, long count, long enc)
{
    return replaceString(pattern, "", count, enc);
}

long TQCstring::replaceWord(long n, const char* separator, const char* newText, long enc)
{
    if (n < 0 || !separator || getWords(separator, enc) <= n)
        return -1;
    long pos = getWordCharPos(n, separator, enc);
    if (pos < 0)
        return -1;
    TQCstring field = getWord(n, separator, enc);
    // Copied before the edit, which frees this string's text and its copies.
    TQCstring inserted(newText ? newText : "", enc);
    deleteChars(static_cast<unsigned long>(pos), static_cast<unsigned long>(field.getChars()));
    insertString(static_cast<unsigned long>(pos), inserted);
    return 0;
}

// ---------------------------------------------------------------------------
// Words, fields and lines

long TQCstring::getWords()
{
    if (!text)
        return 0;
    long words = 0;
    bool inWord = false;
    for (const char* p = text; *p; ++p) {
        bool brk = isWordBreak(static_cast<unsigned char>(*p));
        if (!brk && !inWord)
            ++words;
        inWord = !brk;
    }
    return words;
}

TQCstring TQCstring::getWord(long n)
{
    TQCstring word;
    word.setString("", ownEncoding());
    if (!text || n < 0)
        return word;
    long seen = -1;
    for (long p = 0; text[p];) {
        if (isWordBreak(static_cast<unsigned char>(text[p]))) {
            ++p;
            continue;
        }
        long start = p;
        while (text[p] && !isWordBreak(static_cast<unsigned char>(text[p])))
            ++p;
        if (++seen == n) {
            word.setStringEx(text + start, p - start, ownEncoding());
            break;
        }
    }
    return word;
}

long TQCstring::getWordCharPos(long n)
{
    if (n < 0 || !text)
        return -1;
    const u16* units = getInternalUcs2();
    if (!units)
        return -1;
    long seen = -1;
    for (long i = 0; units[i];) {
        if (isWordBreak(units[i])) {
            ++i;
            continue;
        }
        if (++seen == n)
            return i;
        while (units[i] && !isWordBreak(units[i]))
            ++i;
    }
    return -1;
}

char* TQCstring::convertSeparator(const char* separator, long enc) const
{
    long from = resolve(enc);
    long own = ownEncoding();
    return from != own ? convertText(separator, from, own) : TQGFstrdup(separator);
}

// Position of the next separator at or after byte from, or -1. In Shift_JIS
// text a one-byte separator in the trail-byte range counts only where it
// starts a character.
long TQCstring::nextSeparator(const char* separator, long from) const
{
    return nextSeparator(separator, from, textLength());
}

long TQCstring::nextSeparator(const char* separator, long from, long length) const
{
    long sepLen = static_cast<long>(std::strlen(separator));
    if (sepLen == 0)
        return -1;
    unsigned char first = static_cast<unsigned char>(separator[0]);
    bool checkLead = ownEncoding() == kSjis && sepLen == 1 && first >= 0x40 && first <= 0x7F;
    for (long p = from; p + sepLen <= length; ++p) {
        if (text[p] != separator[0] || std::memcmp(text + p, separator, sepLen) != 0)
            continue;
        if (checkLead && !sjisStartsChar(text, p, length, first))
            continue;
        return p;
    }
    return -1;
}

long TQCstring::getWords(const char* separator, long enc)
{
    if (!text)
        return 0;
    if (!separator || !*separator)
        return 1;
    OwnedText sep(convertSeparator(separator, enc));
    long sepLen = static_cast<long>(std::strlen(sep.get()));
    if (sepLen == 0)
        return 1;
    long fields = 1;
    long length = textLength();
    for (long p = nextSeparator(sep.get(), 0, length); p >= 0;
         p = nextSeparator(sep.get(), p + sepLen, length))
        ++fields;
    return fields;
}

TQCstring TQCstring::getWord(long n, const char* separator, long enc)
{
    TQCstring field;
    field.setString("", ownEncoding());
    if (!text || n < 0 || !separator || !*separator)
        return field;
    OwnedText sep(convertSeparator(separator, enc));
    long sepLen = static_cast<long>(std::strlen(sep.get()));
    if (sepLen == 0)
        return field;
    long start = 0;
    for (long k = 0; k < n; ++k) {
        long p = nextSeparator(sep.get(), start);
        if (p < 0)
            return field;
        start = p + sepLen;
    }
    long end = nextSeparator(sep.get(), start);
    if (end < 0)
        end = textLength();
    field.setStringEx(text + start, end - start, ownEncoding());
    return field;
}

std::vector<TQCstring> TQCstring::getWordList(const char* separator, long max, long enc)
{
    std::vector<TQCstring> fields;
    long count = getWords(separator, enc);
    long wanted = max < 0 ? count : std::min(max, count);
    if (wanted <= 0)
        return fields;
    fields.reserve(static_cast<size_t>(wanted));
    OwnedText sep(count > 1 ? convertSeparator(separator, enc) : nullptr);
    long sepLen = sep ? static_cast<long>(std::strlen(sep.get())) : 0;
    long length = textLength();
    long start = 0;
    while (static_cast<long>(fields.size()) < wanted) {
        // Without a separator (or an empty one) the one field is the whole
        // text, or empty, as getWord gives it.
        long end = sepLen > 0 ? nextSeparator(sep.get(), start, length) : -1;
        fields.emplace_back();
        if (separator == nullptr || *separator == '\0') {
            fields.back().setString("", ownEncoding());
            continue;
        }
        fields.back().setStringEx(text + start, (end < 0 ? length : end) - start, ownEncoding());
        if (end < 0)
            break;
        start = end + sepLen;
    }
    return fields;
}

std::vector<TQCstring::Span> TQCstring::getWordSpans(const char* separator, long enc)
{
    std::vector<Span> spans;
    if (!text)
        return spans;
    long length = textLength();
    OwnedText sep(convertSeparator(separator != nullptr ? separator : "", enc));
    long sepLen = static_cast<long>(std::strlen(sep.get()));
    long start = 0;
    if (sepLen > 0) {
        for (long p = nextSeparator(sep.get(), 0, length); p >= 0;
             p = nextSeparator(sep.get(), p + sepLen, length)) {
            spans.push_back(Span{start, p - start});
            start = p + sepLen;
        }
    }
    spans.push_back(Span{start, length - start});
    return spans;
}

long TQCstring::getWordCharPos(long n, const char* separator, long enc)
{
    if (!separator)
        return getWordCharPos(n);
    if (n == 0 || !*separator)
        return 0;
    if (n < 0)
        return -1;
    std::unique_ptr<u16[]> sep(TQGFgetUCS2(separator, resolve(enc)));
    const u16* units = getInternalUcs2();
    static const u16 noUnits[1] = {0};
    return TQGFgetWordCharPosUCS2(units ? units : noUnits, n, sep.get());
}

long TQCstring::getLines()
{
    return getWords("\n", -2);
}

// ---------------------------------------------------------------------------
// Line reading

// End of the line that starts at byte from: its newline or the text's end.
long TQCstring::lineEnd(long from) const
{
    const char* nl = std::strchr(text + from, '\n');
    return nl ? static_cast<long>(nl - text) : from + static_cast<long>(std::strlen(text + from));
}

// Every edit keeps the read cursor within the text, so the cursor stands at
// the end where it meets the terminating NUL: reading a line costs its own
// length, not the text's.
bool TQCstring::readAtEnd() const
{
    return !text || text[readPos] == '\0';
}

TQCstring TQCstring::gets()
{
    TQCstring line;
    line.setString("", ownEncoding());
    if (readAtEnd())
        return line;
    long end = lineEnd(readPos);
    long lineLen = end - readPos;
    if (lineLen > 0 && text[end - 1] == '\r')
        --lineLen;
    line.setStringEx(text + readPos, lineLen, ownEncoding());
    readPos = text[end] == '\n' ? end + 1 : end;
    return line;
}

long TQCstring::seek(long offset)
{
    long length = textLength();
    if (!text)
        readPos = 0;
    else if (offset == -1 || offset > length)
        readPos = length;
    else if (offset < 0)
        readPos = 0;
    else
        readPos = offset;
    return readPos;
}

long TQCstring::_seek_next_line()
{
    if (!text) {
        readPos = 0;
        return 0;
    }
    if (readAtEnd())
        return 0;
    TQCstring line = gets();
    if (!line.text)
        return 0;
    std::unique_ptr<u16[]> units(TQGFgetUCS2(line.text, line.ownEncoding()));
    return TQGFstrlenUCS2(units.get());
}

long TQCstring::seekEnd()
{
    return seek(-1);
}

long TQCstring::tell() const
{
    return readPos;
}

long TQCstring::eof() const
{
    return readAtEnd() ? 1 : 0;
}

// ---------------------------------------------------------------------------
// Whitespace and case

void TQCstring::delLineFeed()
{
    if (!text)
        return;
    makeOwn();
    char* out = text;
    for (const char* p = text; *p; ++p) {
        if (*p != '\n')
            *out++ = *p;
    }
    *out = '\0';
    dropDerivedData();
    keepCursorInText();
}

void TQCstring::delHeadSpace()
{
    if (!text)
        return;
    makeOwn();
    long skip = static_cast<long>(std::strspn(text, " "));
    std::memmove(text, text + skip, std::strlen(text + skip) + 1);
    dropDerivedData();
    keepCursorInText();
}

void TQCstring::delTailSpace()
{
    if (!text)
        return;
    makeOwn();
    long length = textLength();
    while (length > 0 && (text[length - 1] == ' ' || text[length - 1] == '\n'))
        --length;
    text[length] = '\0';
    dropDerivedData();
    keepCursorInText();
}

void TQCstring::to_upper()
{
    if (!text)
        return;
    makeOwn();
    for (char* p = text; *p; ++p) {
        if (*p >= 'a' && *p <= 'z')
            *p = static_cast<char>(*p - 'a' + 'A');
    }
    dropDerivedData();
}

void TQCstring::to_lower()
{
    if (!text)
        return;
    makeOwn();
    for (char* p = text; *p; ++p) {
        if (*p >= 'A' && *p <= 'Z')
            *p = static_cast<char>(*p - 'A' + 'a');
    }
    dropDerivedData();
}
