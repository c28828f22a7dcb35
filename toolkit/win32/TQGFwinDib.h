// What the image file readers share: the bottom-up 24-bit pixel layout they
// decode into, its size checks, and its conversion into a GDI bitmap that
// matches the application window. Handles are passed as void*.
#ifndef TQGFWINDIB_H
#define TQGFWINDIB_H

#include <cstddef>
#include <cstdio>

// Largest width and height a reader accepts; image sizes are 16-bit
// numbers elsewhere in the toolkit.
const long TQ_DIB_MAX_SIDE = 32767;

// Bytes per row of a 24-bit picture w pixels wide, padded to 4 bytes.
unsigned long TQGFdibStride(unsigned long width);
// Stores in bytes the size of a w x h 24-bit picture and answers true, or
// answers false when w or h is outside 1..TQ_DIB_MAX_SIDE or the picture
// could not be held in memory at all.
bool TQGFdibBytes(unsigned long long width, unsigned long long height, std::size_t* bytes);

// A bitmap compatible with the image window's context holding the w x h
// bottom-up picture dib (blue, green, red, rows padded); null when it
// cannot be made or filled.
void* TQGFdibToBitmap(const unsigned char* dib, long width, long height);

// The window whose context the bitmaps are made for. By default it is the
// registered application window, and the screen while there is none; the
// application device may install its own answer. Null restores the default.
void TQGFsetImageWindowSource(void* (*source)());

// Opens an image file, named in the application's encoding, for binary
// reading under its name in the system's encoding.
std::FILE* TQGFopenImageFile(const char* name);
// The length of an open image file, which is left where it was; -1 when it
// cannot be told.
long long TQGFimageFileLength(std::FILE* fp);

#endif
