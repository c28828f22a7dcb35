// Whole text files: reading one into a string, and replacing one with new
// content while keeping the previous content as a ".bak" copy.
#ifndef _TQGFFILE_H
#define _TQGFFILE_H

#include "TQtypes.h"

class TQCstring;

// 1 when the file opens for reading.
TQCbool TQGFcheckExistFile(const char* path);
// 0 when the file exists and holds exactly the size bytes of data, else 1.
long TQGFcheckDiffFile(const char* path, const void* data, long size);
long TQGFcheckDiffTextFile(const char* path, const char* text);
// Makes data the whole content of the file. Unless force is set, a file
// that already holds exactly that content is left alone. An existing file
// is first renamed to the path followed by ".bak". 0 on success or when
// nothing needed writing, -1 on failure.
long TQGFreplaceFile(const char* path, const void* data, long size, unsigned char force);
long TQGFreplaceTextFile(const char* path, const char* text, unsigned char force);
// The whole file as a new string in the given encoding (-2: the
// application default), owned by the caller; null when it does not open.
TQCstring* TQGFreadTextFile(const char* path, long encoding);
// Finds the first line of text that holds key: value becomes the rest of
// that line after the key, without blanks around it, and next the line
// after it; 1. When no line holds the key both are emptied and the answer
// is 0. Lines end in a line feed, or in a carriage return and a line feed.
long TQGFreadInitString(TQCstring* text, const char* key, TQCstring* value, TQCstring* next);

#endif
