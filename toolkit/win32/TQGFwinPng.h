// PNG files: reading into a GDI bitmap, with a mask made from the alpha
// channel, and writing 8-bit RGB pictures. Bitmaps are void* handles.
#ifndef TQGFWINPNG_H
#define TQGFWINPNG_H

#include <cstdio>

// Reads the file path (in the application's encoding). Answers the bitmap,
// or null when the file does not open, is no PNG or is damaged; library
// errors are written as "png file read error: %s\n". The mask is set to
// null first; a picture with alpha gets a mask bitmap holding 255 - alpha
// in all three colour bytes (0 opaque, 255 transparent). width and height
// are written once the picture has been read.
void* PngReadFileToBitmap(const char* path, unsigned long* width, unsigned long* height,
                          void** mask);

// Writes the top-down picture rgb (red, green, blue, rows of 3 * width
// bytes without padding) to fp as an 8-bit RGB PNG; 0, or -1 when the
// library fails or a write comes up short.
long PngWriteBufToFp(std::FILE* fp, const unsigned char* rgb, long width, long height);

#endif
