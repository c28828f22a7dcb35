// The Win32 code converter as the application's, initialised as start-up
// does, so that names and texts handed to the system convert as they do in
// the program. The services keep the first converter made for the process.
#ifndef WINCODECONVERTER_H
#define WINCODECONVERTER_H

#include <string>

void useWinCodeConverter();

// The whole text converted by the application's converter.
std::string convertedText(const char* text, int fromEncoding, int toEncoding);

#endif
