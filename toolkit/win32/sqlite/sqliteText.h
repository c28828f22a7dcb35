// Texts between the toolkit, which hands the driver texts in the system's
// code page and takes them back so, and SQLite, which keeps UTF-8.
#ifndef SQLITETEXT_H
#define SQLITETEXT_H

#include <cstddef>
#include <string>

// A null text converts as "".
std::string utf8FromSystem(const char* text);
std::string systemFromUtf8(const char* text);
// At most size - 1 bytes and a NUL, without splitting a character of the
// system's code page; nothing for a size below 1.
void copySystemText(char* buffer, const std::string& text, long size);

#endif
