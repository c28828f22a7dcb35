// Texts between the toolkit, which hands the driver texts in its system
// encoding and takes them back so, and SQLite, which keeps UTF-8. The
// program that loads the driver converts them with its own code converter,
// which knows what the system encoding is (UTF-8 under a UTF-8 locale, not
// the ANSI code page); the driver itself only cuts UTF-8 between characters.
#ifndef SQLITETEXT_H
#define SQLITETEXT_H

#include "_TQGFdbDriver.h"

#include <string>

// The toolkit's numbers of the two encodings.
enum : long { kSystemEncoding = -1, kUtf8Encoding = 16 };

// The program's converter, taken while the module registers; until then
// every text converts as "".
void useProgramConverter(TQCdbDriverConvert convert);

// A null text converts as "".
std::string utf8FromSystem(const char* text);
std::string systemFromUtf8(const char* text);
// The UTF-8 text in the system encoding: at most size - 1 bytes and a NUL,
// whole characters only; nothing for a size below 1.
void copySystemText(char* buffer, const std::string& utf8, long size);

#endif
