// JPEG files: reading a file or a memory buffer into a GDI bitmap, and
// writing RGB pictures. Bitmaps are void* handles.
#ifndef TQGFWINJPEG_H
#define TQGFWINJPEG_H

#include <cstdio>

// With size 0, src is a file path in the application's encoding; with
// size > 0 it is a buffer of that many bytes of JPEG data. A buffer cut
// short decodes up to the cut. Answers the bitmap, or null when the data
// cannot be decoded. width and height are written before the pixels are
// read.
void* JpegReadFileToBitmap(const char* src, long size, unsigned long* width,
                           unsigned long* height);

// Writes the top-down picture rgb (red, green, blue, rows of 3 * width
// bytes without padding) to fp as a baseline JPEG of quality 100; 0, or -1
// when the library fails, for example on a write error.
long JpegWriteBufToFp(std::FILE* fp, const unsigned char* rgb, long width, long height);

#endif
