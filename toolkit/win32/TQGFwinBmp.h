// BMP file reading: 32-bit bit-field files are decoded here into a bitmap
// and a mask from their alpha bytes; every other uncompressed or RLE file
// whose header fits the file is left to the platform loader. Bitmaps are
// returned as void* handles.
#ifndef TQGFWINBMP_H
#define TQGFWINBMP_H

#include <cstdio>

// Opens path (already in the system's encoding) and reads it with
// TQGFxBmpReadFpToPixmap; -1 when it does not open or the reader fails.
long TQGFxBmpReadFileToPixmap(const char* path, void** bitmap, void** mask, long* width,
                              long* height);
// Sets bitmap and mask to null, then reads the file fp opened from path.
// 0 with the bitmap (and for bit-field files the mask, 255 - alpha: 0 is
// opaque); -1 for a file that is damaged, cut short or of another kind.
// width and height are left as they are: the bitmap itself tells its size.
long TQGFxBmpReadFpToPixmap(const char* path, std::FILE* fp, void** bitmap, void** mask,
                            long* width, long* height);

// Whether the platform loader may be given the BMP file at path: its
// headers are whole, its pixel offset lies after the headers and palette and
// within the file, its width and height are 1..32767, and its pixel data
// (uncompressed, or the declared compressed size) lies within the file. The
// loader trusts all of these and reads outside the file when they lie.
bool TQGFxBmpLoadable(const char* path);

// Little-endian field readers: the next byte (0-255), or -1 at the end of
// the file; the fields answer 0, or -1 at the end of the file.
long TQGFxgetbyte(std::FILE* fp);
long TQGFxreadLittleShort(std::FILE* fp, short* value);
long TQGFxreadLittleLong(std::FILE* fp, long* value);

#endif
