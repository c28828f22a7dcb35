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

#endif
