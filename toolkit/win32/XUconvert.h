// The XU functions: conversion between the toolkit's encodings and UCS-2,
// and the system locale and encoding found once at start-up.
//
// encode turns bytes into UCS-2 characters, decode turns UCS-2 characters
// into bytes. Lengths below 0 mean "up to the terminating NUL"; encoding -1
// is the system encoding (XUGetLocale).
#ifndef XUCONVERT_H
#define XUCONVERT_H

// Process-wide locale state.
void XUInit();
char* XUGetLang();
long XUGetLocale();
// The locale steps of XUInit for a locale identifier (XUInit passes the
// system default one): sets the locale name and system encoding, and may set
// LANG when it is missing.
void XUInitSystemLocale(unsigned long lcid);
// Rebuilds the reverse tables from the forward tables.
void XUInitTable();
// Allocates a 6-byte name (new[]) for a full locale identifier; 1 when the
// identifier is known, else 0 with the name "C".
int lcid2locale(long lcid, char** name);

// One character.
wchar_t XUCharEncode(const char* s, int len, int enc, int* used);
int XUCharDecode(char* out, int room, wchar_t c, int enc);
int XUCharLen(const char* s, int len, int enc);

// Whole texts. XUEncode stores at most outLen characters and returns the
// character count of the whole input; XUDecode returns the bytes the whole
// text needs. Both append a terminator when room is left.
int XUEncode(wchar_t* out, int outLen, const char* in, int inLen, int enc);
int XUDecode(char* out, int outLen, const wchar_t* in, int inLen, int enc);
int XULen(const char* s, int len, int enc);
int XUStrLen(const wchar_t* s);
int XUCodeConv(char* out, int outLen, int outEnc, const char* in, int inLen, int inEnc);

// UTF-8.
wchar_t XUutf8CharEncode(const char* s, int len, int* used);
int XUutf8CharDecode(char* out, int room, wchar_t c);
int XUutf8CharLen(const char* s, int len);
int XUutf8CharRLen(const char* end, int len);
int XUutf8Encode(wchar_t* out, int outLen, const char* in, int inLen);
int XUutf8Decode(char* out, int outLen, const wchar_t* in, int inLen);
int XUutf8Len(const char* s, int len);

#endif
