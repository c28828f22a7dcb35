// Names and texts as the ANSI functions of Windows take and give them: in
// the encoding of the system locale, or in the ANSI code page when that
// locale's encoding is UTF-8 and the code page is not.
#ifndef TQGFWINSYSTEMTEXT_H
#define TQGFWINSYSTEMTEXT_H

#include <string>

// The system locale's encoding number.
long TQGFwinSystemEncoding();
// A text of the given encoding (the application default by default) in the
// system encoding, and back; a null text gives "".
std::string TQGFtoSystemText(const char* text, long encoding = -2);
std::string TQGFfromSystemText(const char* text, long encoding = -2);

// Names as the wide functions of Windows take and give them. Every name
// the application's encoding holds passes, whatever the ANSI code page; a
// null text gives an empty name.
std::wstring TQGFtoWideName(const char* text, long encoding = -2);
std::string TQGFfromWideName(const wchar_t* name, long encoding = -2);

#endif
