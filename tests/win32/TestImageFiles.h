// What the image reader tests share: the readers' results, and mutation
// runs that feed a reader damaged copies of a valid file.
#ifndef TESTIMAGEFILES_H
#define TESTIMAGEFILES_H

#include <cstddef>
#include <cstdint>
#include <functional>
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

// Calls read with `runs` copies of seed, each damaged by a few random byte
// changes or cut short, from a fixed random seed; read answers whether the
// reader gave its failure value or a whole picture. Answers how many runs
// broke that rule.
int countBadMutations(const std::string& seed, unsigned randomSeed, int runs,
                      const std::function<bool(const std::string&)>& read);

// Writes value least significant byte first at byte at of bytes.
void putLittle32(std::string& bytes, std::size_t at, std::uint32_t value);
// A BMP file of 32-bit bit fields, width x height, pixels 0xAARRGGBB in file
// row order; a positive height puts the bottom row first.
std::string bmpBitFieldsFile(std::int32_t width, std::int32_t height,
                             const std::vector<std::uint32_t>& pixels);

#endif
