// What the image reader tests share: the readers' results, how a mutation
// run judges them, and BMP files made to measure.
#ifndef TESTIMAGEFILES_H
#define TESTIMAGEFILES_H

#include "FileMutations.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What a reader gave; the bitmaps are deleted with it.
struct ReadPicture {
    void* bitmap = nullptr;
    void* mask = nullptr;
    unsigned long width = 0;
    unsigned long height = 0;
    ReadPicture() = default;
    ReadPicture(const ReadPicture&) = delete;
    ReadPicture& operator=(const ReadPicture&) = delete;
    ~ReadPicture();
    // Pixels as 0xRRGGBB, top row first; empty when the handle is no
    // bitmap of width x height.
    std::vector<std::uint32_t> colours() const;
    std::vector<std::uint32_t> transparency() const;
};

// Refused: neither bitmap nor mask; whole: a bitmap (and any mask) of the
// size given, or of its own size when none is given, that reads back whole.
// The handles are then deleted and the picture emptied for the next read.
ReadOutcome judgePicture(ReadPicture& picture);

// Writes value least significant byte first at byte at of bytes.
void putLittle32(std::string& bytes, std::size_t at, std::uint32_t value);
// The parts of a BMP file with the 40-byte header: its head (the file and
// information headers, their numbers marked), then each of `after` (colour
// masks, palette, pixel data) as a movable part. The pixel offset points at
// the last of them and the image size is its size; with 8 bits or fewer a
// pixel, everything before the pixels counts as the palette.
FileSeed bmpFileParts(std::int32_t width, std::int32_t height, int bitCount, int compression,
                      const std::vector<std::string>& after);
// A BMP file of 32-bit bit fields, width x height, pixels 0xAARRGGBB in file
// row order; a positive height puts the bottom row first.
std::string bmpBitFieldsFile(std::int32_t width, std::int32_t height,
                             const std::vector<std::uint32_t>& pixels);

#endif
