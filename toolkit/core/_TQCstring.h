// Encoding-tagged text: one NUL-terminated byte string with the code of its
// encoding, converted on demand and cached per encoding. Character positions
// count characters of the UTF-8 form; the rest works on bytes.
#ifndef _TQCSTRING_H
#define _TQCSTRING_H

#include "TQtypes.h"
#include "_TQClistData.h"
#include "_TQCvariant.h"

#include <vector>

class TQCstring {
public:
    TQCstring();
    TQCstring(const char* text, long encoding = -2);
    TQCstring(TQCvariant& value, long encoding = -2);
    TQCstring(const TQCvariant& value, long encoding = -2);
    TQCstring(const TQCstring& other);
    virtual ~TQCstring();

    TQCstring& operator=(const TQCstring& other);
    TQCstring& operator=(const char* text);
    TQCstring& operator=(const TQCvariant& value);
    void clear();

    // Setting: the encoding is stored resolved, the cursor goes to 0.
    void setString(const char* text, long encoding = -2);
    void setStringEx(const char* text, long length, long encoding = -2);
    // Refers to the caller's text, which must outlive every use of it here.
    void setStaticString(const char* text, long encoding = -2);
    // Converts the text; returns the previous resolved encoding.
    long setEncoding(long encoding);
    long getEncoding() const;

    // Reading: pointers stay owned by the string until its text changes.
    char* getString(long encoding = -2);
    operator char*();
    operator TQCvariant();
    long operator==(const TQCstring& other);
    long getChars();
    u16* getInternalUcs2();

    // Appending.
    void addString(const char* text, long encoding = -2);
    void addString(const TQCstring& other);
    void addString(const TQCvariant& value, long encoding);
    TQCstring& operator+=(const TQCstring& other);
    TQCstring& operator+=(const char* text);
    TQCstring& operator+=(const TQCvariant& value);
    TQCstring& operator<<(const TQCstring& other);
    TQCstring& operator<<(const char* text);
    TQCstring& operator<<(const TQCvariant& value);
    TQCstring& operator<<(long value);
    TQCstring& operator<<(int value);
    TQCstring& operator<<(unsigned long value);
    TQCstring& operator<<(unsigned int value);
    TQCstring& operator<<(double value);
    TQCstring& operator<<(float value);
    TQCstring operator+(const TQCstring& other) const;
    TQCstring operator+(const char* text) const;
    TQCstring operator+(const TQCvariant& value) const;
    // Reserves room for n bytes of text so that appends need no reallocation.
    void setAddStringWorkLen(long n);

    // Editing by character position.
    void cutString(unsigned long n);
    void deleteChar(unsigned long pos);
    void deleteChars(unsigned long pos, unsigned long n);
    void insertString(unsigned long pos, TQCstring& other);

    // Searching and replacing.
    long isExist(const char* pattern, long encoding = -2);
    // A count below 1 replaces every occurrence; returns the replacements.
    long replaceString(const char* from, const char* to, long count = 0, long encoding = -2);
    long delString(const char* pattern, long count);
    long delString(const char* pattern, long count, long encoding);
    long replaceWord(long n, const char* separator, const char* text, long encoding = -2);

    // Words (runs of non-blank bytes), fields (between separators), lines.
    long getWords();
    TQCstring getWord(long n);
    long getWordCharPos(long n);
    long getWords(const char* separator, long encoding = -2);
    TQCstring getWord(long n, const char* separator, long encoding = -2);
    // The first max fields (all of them when max is below 0), as getWord
    // gives them, in one pass over the text.
    std::vector<TQCstring> getWordList(const char* separator, long max = -1, long encoding = -2);
    long getWordCharPos(long n, const char* separator, long encoding = -2);
    // Where every field of getWords(separator) lies in the text, in one
    // pass: its first byte and its length in bytes; none for a string that
    // holds no text, one field (the whole text) for an empty separator.
    struct Span {
        long start;
        long length;
    };
    std::vector<Span> getWordSpans(const char* separator, long encoding = -2);
    long getLines();

    // Line reading through a byte cursor.
    TQCstring gets();
    long seek(long offset);
    long _seek_next_line();
    long seekEnd();
    long tell() const;
    long eof() const;

    // Whitespace and ASCII case.
    void delLineFeed();
    void delHeadSpace();
    void delTailSpace();
    void to_upper();
    void to_lower();

private:
    static long resolve(long encoding);
    long ownEncoding() const;
    long textLength() const;
    void dropDerivedData();
    void freeText();
    void takeText(char* own);
    void makeOwn();
    char* findConverted(long encoding) const;
    void setFromVariant(const TQCvariant& value, long encoding);
    void appendSameEncoding(const char* added);
    char* utf8Copy() const;
    void storeFromUtf8(const char* utf8);
    long utf8Offset(const char* utf8, unsigned long chars) const;
    char* convertSeparator(const char* separator, long encoding) const;
    long nextSeparator(const char* separator, long from) const;
    // The same in a text known to be length bytes long.
    long nextSeparator(const char* separator, long from, long length) const;
    long lineEnd(long from) const;
    bool readAtEnd() const;
    void keepCursorInText();

    char* text;
    short encoding;
    unsigned char isStatic;
    TQClistData convertedTexts;
    long charCount;
    long readPos;
    long workSize;
    long workLen;
    u16* ucs2Copy;
};

#endif
