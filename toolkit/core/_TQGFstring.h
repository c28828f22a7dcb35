// Small text jobs used across the toolkit: numbers to text and back, byte
// string copies and comparisons, zero-terminated UCS-2 text, and encoding
// numbers, names and locale names.
#ifndef _TQGFSTRING_H
#define _TQGFSTRING_H

#include "TQtypes.h"

class TQCstring;

// Number formatting. The forms without a buffer return a static buffer of
// their own that the next call of the same function overwrites.
char* TQGFultoa(unsigned long value);
char* TQGFultoa(unsigned long value, char* buf); // buf: 32 bytes
char* TQGFltoa(long value);
char* TQGFltoa(long value, char* buf);           // buf: 32 bytes
char* TQGFftoa(float value);                     // "%10.10lf"
char* TQGFlftoa(double value);                   // "%10.10lf"
// Text to number: signed decimal when a '-' comes before the first digit,
// otherwise unsigned with automatic base ("0x1f" is 31, "010" is 8).
long TQGFatol(const char* text);
// The nearest multiple of step toward zero.
long TQGFadjustNumber(long value, long step);

// Byte strings. New strings are allocated with new[]; a null text copies as
// null.
char* TQGFstrdup(const char* text);
char* TQGFstrdup(const char* text, long n);
// Comparisons that fold only A-Z; the result is the difference of the
// unfolded bytes where the strings part.
int TQGFstricmp(const char* a, const char* b);
int TQGFstrnccmp(const char* a, const char* b, long n);
// In place: trailing blanks and line feeds, every line feed, leading blanks.
void TQGFtrimSpace(char* text);
long TQGFgetLines(const char* text);
// Last word of a path ("\\" read as "/"; without "/", after the last ":").
TQCstring TQGFgetFileName(const char* path);
// The path before its last "/", or ".".
TQCstring TQGFgetDirName(const char* path);

// Zero-terminated UCS-2 text; a line break is unit 10.
long TQGFstrlenUCS2(const u16* text);
u16* TQGFstrdupUCS2(const u16* text);
u16* TQGFaddStringUCS2(const u16* a, const u16* b);
u16* TQGFinsertStringUCS2(const u16* text, long pos, const u16* ins);
void TQGFdelStringUCS2(u16* text, long pos, long n);
void TQGFdelTailSpaceUCS2(u16* text);
long TQGFdelLineFeedUCS2(u16* text);
// Replaces the first *count occurrences (all when below 1); *count becomes 0.
u16* TQGFreplaceStringUCS2(const u16* text, const u16* from, const u16* to, long* count);
long TQGFgetLinesUCS2(const u16* text);
long TQGFgetWordPosUCS2(const u16* text, long line);
u16* TQGFgetWordUCS2(const u16* text, long n, const u16* sep);
long TQGFgetWordCharPosUCS2(const u16* text, long n, const u16* sep);
// In place: a line feed after every character, for vertical drawing.
void TQGFcreateVerticalString(TQCstring* text);

// Multibyte text and UCS-2 through the application's code converter;
// encoding -2 stands for the application default encoding.
u16* TQGFgetUCS2(const char* text, long encoding);
long TQGFgetUcs2len(const char* text, long encoding, long length);
char* TQGFgetString(const u16* text, long encoding);

// Encoding numbers, names and locale names.
const char* TQGFgetEncodingName(long encoding);
long TQGFgetEncodingValue(const char* name);
bool TQGFisEncoding(const char* locale, const char* enc);
long TQGFgetISO8859(const char* locale);
long TQGFgetEncoding(const char* locale);
// EUC-JP and ISO-2022-JP (JIS) conversions into new strings.
char* TQGFcreateJisStringFromEucStr(const char* euc);
char* TQGFcreateEucStringFromJisStr(const char* jis);

// The lines of zero-terminated text of byte or UCS-2 units: its line feeds
// plus one; 1 for null text.
template <class Unit>
long TQGFcountLines(const Unit* text)
{
    long lines = 1;
    for (; text != nullptr && *text != 0; ++text) {
        if (*text == '\n')
            ++lines;
    }
    return lines;
}

#endif
